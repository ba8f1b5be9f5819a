#include "app/settings/SettingsPage.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "core/ProcessingSettings.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSpinBox>

// The list "Дополнительные": eight entries at fixed positions; those written with a leading
// "//" are headings, shown in bold without a check box.
class AdditionOptionsModel : public QAbstractListModel {
public:
    AdditionOptionsModel(SettingsPage& page, kalimor::ProcessingSettings& settings, QObject* parent)
        : QAbstractListModel(parent), page_(page), settings_(settings)
    {
    }

    static const QString& entry(int position)
    {
        static const QString entries[8] = {
            QStringLiteral("//Общие"),
            QStringLiteral("Открывать файлы с результатами при сохранении (не действует при груповом сохранении)"),
            QStringLiteral("//Линейно-угловой ход"),
            QStringLiteral("Добавлять строку N X Y H в заголовок при сохранении координат в техстовом файле и Excel"),
            QStringLiteral("Показывать названия точек в ведомости хода"),
            QStringLiteral("//Тахеометрия"),
            QStringLiteral("Добавлять строку N X Y H в заголовок при сохранении координат в техстовом файле и Excel"),
            QStringLiteral("Показывать названия точек в ведомости тахеометрии"),
        };
        return entries[position];
    }
    static bool isHeading(int position) { return entry(position).startsWith(QStringLiteral("//")); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 8; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() < 0 || index.row() >= 8)
            return {};
        const int row = index.row();
        switch (role) {
        case Qt::DisplayRole:
            return isHeading(row) ? entry(row).mid(2) : entry(row);
        case Qt::ToolTipRole:
            return isHeading(row) ? QVariant() : QVariant(entry(row));
        case Qt::FontRole:
            if (isHeading(row)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::CheckStateRole:
            if (isHeading(row))
                return {};
            return settings_.IsOptionSet(row) ? Qt::Checked : Qt::Unchecked;
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        if (isHeading(index.row()))
            return Qt::ItemIsEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::CheckStateRole || !index.isValid() || isHeading(index.row()))
            return false;
        page_.cklAdditionOptionClickCheck(index.row(), value.toInt() == Qt::Checked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

    void reload() { emit dataChanged(index(0), index(7)); }

private:
    SettingsPage& page_;
    kalimor::ProcessingSettings& settings_;
};

namespace {

QLabel* caption(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* textField(QWidget* parent, const char* name, int maxLength = 0)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QSpinBox* spin(QWidget* parent, const char* name, int min, int max)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setSingleStep(1);
    return box;
}

QCheckBox* flag(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

// Places a child of a group box by page coordinates.
void place(QWidget* w, const QGroupBox* group, int pageX, int pageY, int width, int height)
{
    w->setGeometry(pageX - group->x(), pageY - group->y(), width, height);
}

const int kRow = 25;    // the pitch of the rows
const int kField = 22;  // the height of a single-line field
const int kLeft = 12;   // left edge of the captions and flags
const int kInput = 352; // left edge of the fields of the left column

} // namespace

SettingsPage::SettingsPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    using S = kalimor::ProcessingSettings;
    GbIdentification = new QGroupBox(QStringLiteral("Идентификация"), this);
    GbIdentification->setObjectName("GbIdentification");
    GbCalculation = new QGroupBox(QStringLiteral("Настройка вычислений и ведомостей"), this);
    GbCalculation->setObjectName("GbCalculation");
    GbAdditional = new QGroupBox(QStringLiteral("Дополнительные"), this);
    GbAdditional->setObjectName("GbAdditional");

    QGroupBox* g = GbIdentification;
    ckbCourse = flag(g, "ckbCourse", QStringLiteral("Добавить в ведомость название хода/объекта"));
    ckbPolevik = flag(g, "ckbPolevik", QStringLiteral("Добавить в ведомость ФИО и должность исполнителя"));
    ckbCameral = flag(g, "ckbCameral", QStringLiteral("Добавить в ведомость ФИО и должность камеральщика"));
    ckbInstrument = flag(g, "ckbInstrument", QStringLiteral("Добавить в ведомость используемый инструмент"));
    edNameCourseID = textField(g, "edNameCourseID");
    edNamePolevik = textField(g, "edNamePolevik");
    edNameCameral = textField(g, "edNameCameral");
    edinstrument = textField(g, "edinstrument");

    g = GbCalculation;
    lbPrecession = caption(g, "lbPrecession",
                           QStringLiteral("Точность (в сек.) - величина перед корнем в формуле расчета предельно "
                                          "допустимой угловой невязки:"));
    lbPrecession->setWordWrap(true);
    sePrecession = spin(g, "sePrecession", S::kPrecessionMin, S::kPrecessionMax);
    lbLinePrecession =
        caption(g, "lbLinePrecession", QStringLiteral("Количестово десятичных знаков в ведомостях для расстояний"));
    lbLinePrecession->setWordWrap(true);
    seLinePrecession = spin(g, "seLinePrecession", S::kLinePrecessionMin, S::kLinePrecessionMax);
    lbAnglePrecession = caption(g, "lbAnglePrecession", QStringLiteral("для углов"));
    lbAnglePrecession->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    seAnglePrecession = spin(g, "seAnglePrecession", S::kAnglePrecessionMin, S::kAnglePrecessionMax);
    lbCourseTemplate = caption(g, "lbCourseTemplate", QStringLiteral("Шаблон автонумерации точек для хода"));
    edCourseTemplate = textField(g, "edCourseTemplate", S::kTemplateMaxLength);
    lbPiketTemplate = caption(g, "lbPiketTemplate", QStringLiteral("для тахеометрии "));
    lbPiketTemplate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edPiketTemplate = textField(g, "edPiketTemplate", S::kTemplateMaxLength);
    lbFormatAngle = caption(g, "lbFormatAngle", QStringLiteral("Формат углов в ведомостях"));
    cbFormatAngle = new QComboBox(g);
    cbFormatAngle->setObjectName("cbFormatAngle");
    cbFormatAngle->addItems(
        {QStringLiteral("ГГГ°MM'CC.C...\""), QStringLiteral("ГГГММСС.С..."), QStringLiteral("ГГГ ММ СС.С...")});
    lbSelectNamePoint =
        caption(g, "lbSelectNamePoint", QStringLiteral("Использовать в качестве названия точки при импорте данных"));
    lbSelectNamePoint->setWordWrap(true);
    cbSelectNamePoint = new QComboBox(g);
    cbSelectNamePoint->setObjectName("cbSelectNamePoint");
    cbSelectNamePoint->addItems({QStringLiteral("Адрес (номер) измерения"), QStringLiteral("Примечание")});
    ckbhoriz = flag(g, "ckbhoriz", QStringLiteral("Учитывать поправку на приведение к горизонту"));
    ckbRef = flag(g, "ckbRef", QStringLiteral("Учитывать поправку на рефракцию -> к-т"));
    edRef = textField(g, "edRef", S::kRefMaxLength);

    cklAdditionOption = new QListView(GbAdditional);
    cklAdditionOption->setObjectName("cklAdditionOption");
    cklAdditionOption->setSelectionMode(QAbstractItemView::SingleSelection);
    cklAdditionOption->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    additionModel_ = new AdditionOptionsModel(*this, session_.work.settings, this);
    cklAdditionOption->setModel(additionModel_);

    connect(ckbCourse, &QCheckBox::clicked, this, [this] { ckbCourseClick(); });
    connect(ckbPolevik, &QCheckBox::clicked, this, [this] { ckbPolevikClick(); });
    connect(ckbCameral, &QCheckBox::clicked, this, [this] { ckbCameralClick(); });
    connect(ckbInstrument, &QCheckBox::clicked, this, [this] { ckbInstrumentClick(); });
    connect(edNameCourseID, &QLineEdit::textChanged, this, [this] { edNameCourseIDChange(); });
    connect(edNamePolevik, &QLineEdit::textChanged, this, [this] { edNamePolevikChange(); });
    connect(edNameCameral, &QLineEdit::textChanged, this, [this] { edNameCameralChange(); });
    connect(edinstrument, &QLineEdit::textChanged, this, [this] { edinstrumentChange(); });
    connect(sePrecession, &QSpinBox::valueChanged, this, [this] { sePrecessionChange(); });
    connect(seLinePrecession, &QSpinBox::valueChanged, this, [this] { seLinePrecessionChange(); });
    connect(seAnglePrecession, &QSpinBox::valueChanged, this, [this] { seAnglePrecessionChange(); });
    connect(edCourseTemplate, &QLineEdit::textChanged, this, [this] { edCourseTemplateChange(); });
    connect(edPiketTemplate, &QLineEdit::textChanged, this, [this] { edPiketTemplateChange(); });
    connect(cbFormatAngle, &QComboBox::currentIndexChanged, this, [this] { cbFormatAngleChange(); });
    connect(cbSelectNamePoint, &QComboBox::currentIndexChanged, this, [this] { cbSelectNamePointChange(); });
    connect(ckbhoriz, &QCheckBox::clicked, this, [this] { ckbhorizClick(); });
    connect(ckbRef, &QCheckBox::clicked, this, [this] { ckbRefClick(); });
    connect(edRef, &QLineEdit::textChanged, this, [this] { edRefChange(); });

    refresh();
    layoutPage(674, 440);
}

void SettingsPage::refresh()
{
    kalimor::ProcessingSettings& s = session_.work.settings;
    s.setPrecession(s.sePrecession);
    s.setLinePrecession(s.seLinePrecession);
    s.setAnglePrecession(s.seAnglePrecession);

    const QSignalBlocker blockers[] = {
        QSignalBlocker(ckbCourse),
        QSignalBlocker(ckbPolevik),
        QSignalBlocker(ckbCameral),
        QSignalBlocker(ckbInstrument),
        QSignalBlocker(edNameCourseID),
        QSignalBlocker(edNamePolevik),
        QSignalBlocker(edNameCameral),
        QSignalBlocker(edinstrument),
        QSignalBlocker(sePrecession),
        QSignalBlocker(seLinePrecession),
        QSignalBlocker(seAnglePrecession),
        QSignalBlocker(edCourseTemplate),
        QSignalBlocker(edPiketTemplate),
        QSignalBlocker(cbFormatAngle),
        QSignalBlocker(cbSelectNamePoint),
        QSignalBlocker(ckbhoriz),
        QSignalBlocker(ckbRef),
        QSignalBlocker(edRef),
    };
    const std::pair<QCheckBox*, bool> flags[] = {
        {ckbCourse, s.ckbCourse},         {ckbPolevik, s.ckbPolevik}, {ckbCameral, s.ckbCameral},
        {ckbInstrument, s.ckbInstrument}, {ckbhoriz, s.ckbhoriz},     {ckbRef, s.ckbRef},
    };
    for (auto [box, value] : flags)
        box->setChecked(value);
    const std::pair<QLineEdit*, const std::string*> texts[] = {
        {edNameCourseID, &s.edNameCourseID},
        {edNamePolevik, &s.edNamePolevik},
        {edNameCameral, &s.edNameCameral},
        {edinstrument, &s.edinstrument},
        {edCourseTemplate, &s.edCourseTemplate},
        {edPiketTemplate, &s.edPiketTemplate},
        {edRef, &s.edRef},
    };
    for (auto [edit, value] : texts)
        edit->setText(qs(*value));
    edNameCourseID->setEnabled(s.ckbCourse);
    edNamePolevik->setEnabled(s.ckbPolevik);
    edNameCameral->setEnabled(s.ckbCameral);
    edinstrument->setEnabled(s.ckbInstrument);
    sePrecession->setValue(s.sePrecession);
    seLinePrecession->setValue(s.seLinePrecession);
    seAnglePrecession->setValue(s.seAnglePrecession);
    cbFormatAngle->setCurrentIndex(s.cbFormatAngle);
    cbSelectNamePoint->setCurrentIndex(s.cbSelectNamePoint);
    additionModel_->reload();
}

void SettingsPage::ckbCourseClick()
{
    session_.work.settings.ckbCourse = ckbCourse->isChecked();
    // The text stays as typed; it only greys while its line is left out.
    edNameCourseID->setEnabled(ckbCourse->isChecked());
}

void SettingsPage::ckbPolevikClick()
{
    session_.work.settings.ckbPolevik = ckbPolevik->isChecked();
    edNamePolevik->setEnabled(ckbPolevik->isChecked());
}

void SettingsPage::ckbCameralClick()
{
    session_.work.settings.ckbCameral = ckbCameral->isChecked();
    edNameCameral->setEnabled(ckbCameral->isChecked());
}

void SettingsPage::ckbInstrumentClick()
{
    session_.work.settings.ckbInstrument = ckbInstrument->isChecked();
    edinstrument->setEnabled(ckbInstrument->isChecked());
}

void SettingsPage::edNameCourseIDChange()
{
    session_.work.settings.edNameCourseID = cp(edNameCourseID->text());
}

void SettingsPage::edNamePolevikChange()
{
    session_.work.settings.edNamePolevik = cp(edNamePolevik->text());
}

void SettingsPage::edNameCameralChange()
{
    session_.work.settings.edNameCameral = cp(edNameCameral->text());
}

void SettingsPage::edinstrumentChange()
{
    session_.work.settings.edinstrument = cp(edinstrument->text());
}

void SettingsPage::sePrecessionChange()
{
    session_.work.settings.setPrecession(sePrecession->value());
}

void SettingsPage::seLinePrecessionChange()
{
    session_.work.settings.setLinePrecession(seLinePrecession->value());
}

void SettingsPage::seAnglePrecessionChange()
{
    session_.work.settings.setAnglePrecession(seAnglePrecession->value());
}

void SettingsPage::edCourseTemplateChange()
{
    session_.work.settings.edCourseTemplate = cp(edCourseTemplate->text());
}

void SettingsPage::edPiketTemplateChange()
{
    session_.work.settings.edPiketTemplate = cp(edPiketTemplate->text());
}

void SettingsPage::cbFormatAngleChange()
{
    session_.work.settings.cbFormatAngle = cbFormatAngle->currentIndex();
}

void SettingsPage::cbSelectNamePointChange()
{
    session_.work.settings.cbSelectNamePoint = cbSelectNamePoint->currentIndex();
}

void SettingsPage::ckbhorizClick()
{
    session_.work.settings.ckbhoriz = ckbhoriz->isChecked();
}

void SettingsPage::ckbRefClick()
{
    session_.work.settings.ckbRef = ckbRef->isChecked();
}

void SettingsPage::edRefChange()
{
    session_.work.settings.edRef = cp(edRef->text());
}

void SettingsPage::cklAdditionOptionClickCheck(int position, bool checked)
{
    kalimor::ProcessingSettings& s = session_.work.settings;
    if (position >= 0 && position < static_cast<int>(s.additionOptions.size()))
        s.additionOptions[static_cast<std::size_t>(position)] = checked;
}

void SettingsPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPage(event->size().width(), event->size().height());
}

void SettingsPage::layoutPage(int W, int H)
{
    // Group boxes span the page; children are placed by page coordinates so that the widths
    // below read as they are designed: W - 361 for the fields of the right column, left edge
    // W - 74 for the spin fields at the right.
    const int top1 = 4;
    const int identificationHeight = 24 + 4 * kRow;
    GbIdentification->setGeometry(4, top1, W - 8, identificationHeight);
    QCheckBox* idFlags[] = {ckbCourse, ckbPolevik, ckbCameral, ckbInstrument};
    QLineEdit* idTexts[] = {edNameCourseID, edNamePolevik, edNameCameral, edinstrument};
    for (int i = 0; i < 4; ++i) {
        const int y = top1 + 20 + i * kRow;
        place(idFlags[i], GbIdentification, kLeft, y, kInput - kLeft - 4, kField);
        place(idTexts[i], GbIdentification, kInput, y, W - 361, kField);
    }

    const int top2 = top1 + identificationHeight + 4;
    const int calculationHeight = 24 + 34 + 6 * kRow + 4;
    GbCalculation->setGeometry(4, top2, W - 8, calculationHeight);
    const QGroupBox* g = GbCalculation;
    int y = top2 + 20;
    place(lbPrecession, g, kLeft, y, W - 88, 32);
    place(sePrecession, g, W - 74, y + 5, 62, kField);
    y += 34;
    place(lbLinePrecession, g, kLeft, y - 3, kInput - kLeft - 4, kField + 6);
    place(seLinePrecession, g, kInput, y, 62, kField);
    place(lbAnglePrecession, g, 460, y, W - 536, kField);
    place(seAnglePrecession, g, W - 74, y, 62, kField);
    y += kRow;
    place(lbCourseTemplate, g, kLeft, y, kInput - kLeft - 4, kField);
    place(edCourseTemplate, g, kInput, y, 62, kField);
    place(lbPiketTemplate, g, 460, y, W - 536, kField);
    place(edPiketTemplate, g, W - 74, y, 62, kField);
    y += kRow;
    place(lbFormatAngle, g, kLeft, y, kInput - kLeft - 4, kField);
    place(cbFormatAngle, g, kInput, y, W - 361, kField);
    y += kRow;
    place(lbSelectNamePoint, g, kLeft, y - 3, kInput - kLeft - 4, kField + 6);
    place(cbSelectNamePoint, g, kInput, y, W - 361, kField);
    y += kRow;
    place(ckbhoriz, g, kLeft, y, W - 24, kField);
    y += kRow;
    place(ckbRef, g, kLeft, y, kInput - kLeft - 4, kField);
    place(edRef, g, kInput, y, 62, kField);

    const int top3 = top2 + calculationHeight + 4;
    const int additionalHeight = std::max(60, H - top3 - 4);
    GbAdditional->setGeometry(4, top3, W - 8, additionalHeight);
    cklAdditionOption->setGeometry(8, 20, W - 24, additionalHeight - 28);
}
