#include "app/tacheometry/TacheometryPage.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/tacheometry/StatementView.h"
#include "core/TextRoutines.h"
#include "tacheometry/Pickets.h"
#include "tacheometry/PiketCalc.h"
#include "tacheometry/StationFromRow.h"
#include "tacheometry/StationSetup.h"
#include "work/PiketCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QValidator>

#include <cmath>

using kalimor::StationField;

namespace {

constexpr int kDesignWidth = 674;

// Names are typed up to 8 characters; a longer text set by the program (an imported name,
// "Не выбрана") stays whole and may still be shortened by hand.
class NameLengthValidator : public QValidator {
public:
    NameLengthValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= 8 || input.size() < edit_->text().size() ? Acceptable : Invalid;
    }

private:
    QLineEdit* edit_;
};

// Set while the page writes the engine's texts into its controls.
struct Guard {
    explicit Guard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Guard() { flag_ = old_; }
    bool& flag_;
    bool old_;
};

void setTextKeepingCaret(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

TacheometryPage::TacheometryPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    build();
    connect(&session_, &Session::workChanged, this, &TacheometryPage::refresh);
    rePiket->follow(&session_.work.piket.statement, &session_.work.piket.statementRevision);
    refresh();
    layoutPage();
}

template <class F> void TacheometryPage::run(F&& handler)
{
    session_.guarded(this, handler);
    refresh();
}

void TacheometryPage::build()
{
    auto label = [this](const QString& text) {
        auto* l = new QLabel(text, this);
        return l;
    };
    auto numeric = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->installEventFilter(this);
        return e;
    };

    lbTemplate = label(QStringLiteral("Формат ведомости тахеометрии:"));
    cbSelectPiketTemplate = new QComboBox(this);
    cbSelectPiketTemplate->setObjectName("cbSelectPiketTemplate");
    cbSelectPiketTemplate->addItems(
        {QStringLiteral("Расчет 2D - координат (X и Y)"), QStringLiteral("Расчет 3D - координат (X, Y и H)")});
    ckbAutoManual = new QCheckBox(QStringLiteral("Взять ТС и ТО из хода"), this);
    ckbAutoManual->setObjectName("ckbAutoManual");

    lbTC = label(QStringLiteral("ТС"));
    lbTO = label(QStringLiteral("ТО"));
    for (QComboBox** cb : {&cbTC, &cbTO}) {
        *cb = new QComboBox(this);
        (*cb)->setEditable(true);
        (*cb)->setInsertPolicy(QComboBox::NoInsert);
        (*cb)->setCompleter(nullptr);
        (*cb)->installEventFilter(this);
        (*cb)->lineEdit()->installEventFilter(this);
    }
    cbTC->setObjectName("cbTC");
    cbTO->setObjectName("cbTO");
    edTC = new QLineEdit(this);
    edTC->setObjectName("edTC");
    edTO = new QLineEdit(this);
    edTO->setObjectName("edTO");
    for (QLineEdit* e : {edTC, edTO}) {
        e->setValidator(new NameLengthValidator(e));
        e->installEventFilter(this);
    }

    lbTCX = label(QStringLiteral("Х тс, м"));
    lbTCY = label(QStringLiteral("У тс, м"));
    lbHeight = label(QStringLiteral("h + i, м"));
    lbTOX = label(QStringLiteral("Х то, м"));
    lbTOY = label(QStringLiteral("У то, м"));
    lbito = label(QStringLiteral("v, м - >>"));
    neTCX = numeric("neTCX");
    neTCY = numeric("neTCY");
    nehcenter = numeric("nehcenter");
    nei = numeric("nei");
    neTOX = numeric("neTOX");
    neTOY = numeric("neTOY");
    neito = numeric("neito");
    neito->setToolTip(QStringLiteral("Высота вешки"));
    lbito->setToolTip(QStringLiteral("Высота вешки"));
    btnChangeTCTO = new QPushButton(QStringLiteral("<<=>>"), this);
    btnChangeTCTO->setObjectName("btnChangeTCTO");

    lbCurrent = label(QStringLiteral("Текущая"));
    neCurrentPiket = new QLineEdit(this);
    neCurrentPiket->setObjectName("neCurrentPiket");
    lbCount = label(QStringLiteral("Всего точек"));
    sePointPiketCount = new QSpinBox(this);
    sePointPiketCount->setObjectName("sePointPiketCount");
    sePointPiketCount->setRange(1, kalimor::kMaxPickets);
    sePointPiketCount->setKeyboardTracking(false);

    lbName = label(QStringLiteral("Точка"));
    lbSD = label(QStringLiteral("SD"));
    lbHz = label(QStringLiteral("Hz"));
    lbV = label(QStringLiteral("V"));
    for (QLabel* l : {lbName, lbSD, lbHz, lbV})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edNamePiket = new QLineEdit(this);
    edNamePiket->setObjectName("edNamePiket");
    edNamePiket->setValidator(new NameLengthValidator(edNamePiket));
    edNamePiket->installEventFilter(this);
    neSDpiket = numeric("neSDpiket");
    neHzPiket = numeric("neHzPiket");
    neV3piket = numeric("neV3piket");

    rePiket = new StatementView(this);
    rePiket->setObjectName("rePiket");

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    btnPrintPiket = button(QStringLiteral("Печать"), "btnPrintPiket");
    btnPrevPiket = button(QStringLiteral("Предыдущая"), "btnPrevPiket");
    btnNextPiket = button(QStringLiteral("Следующая"), "btnNextPiket");
    btnToTCPiket = button(QStringLiteral("В ТС"), "btnToTCPiket");
    btnToTOPiket = button(QStringLiteral("В ТО"), "btnToTOPiket");
    btnClearPiket = button(QStringLiteral("Очистить"), "btnClearPiket");
    btnCalcPiket = button(QStringLiteral("Посчитать"), "btnCalcPiket");
    btnSavePiket = button(QStringLiteral("Экспорт"), "btnSavePiket");
    btnFindPiket = button(QStringLiteral("Найти"), "btnFindPiket");
    // Printing, search and export belong to their own commands, which enable these buttons.
    for (QPushButton* b : {btnPrintPiket, btnSavePiket, btnFindPiket})
        b->setEnabled(false);
    // Enter on "Посчитать" presses it, so the page is filled and computed from the keyboard.
    btnCalcPiket->setAutoDefault(true);

    connect(ckbAutoManual, &QCheckBox::clicked, this, &TacheometryPage::ckbAutoManualClick);
    connect(cbTC, qOverload<int>(&QComboBox::activated), this, &TacheometryPage::cbTCChange);
    connect(cbTO, qOverload<int>(&QComboBox::activated), this, &TacheometryPage::cbTOChange);
    connect(cbTC->lineEdit(), &QLineEdit::textEdited, this, &TacheometryPage::cbTCTextChange);
    connect(cbTO->lineEdit(), &QLineEdit::textEdited, this, &TacheometryPage::cbTOTextChange);
    connect(btnChangeTCTO, &QPushButton::clicked, this, &TacheometryPage::btnChangeTCTOClick);
    connect(cbSelectPiketTemplate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TacheometryPage::cbSelectPiketTemplateChange);

    // edTCChange, edTOChange, neTCXChange, ...: each only marks the station block as due.
    const std::pair<QLineEdit*, StationField> stationFields[] = {
        {edTC, StationField::edTC},   {edTO, StationField::edTO},           {neTCX, StationField::neTCX},
        {neTCY, StationField::neTCY}, {nehcenter, StationField::nehcenter}, {nei, StationField::nei},
        {neTOX, StationField::neTOX}, {neTOY, StationField::neTOY},         {neito, StationField::neito},
    };
    for (const auto& [edit, field] : stationFields) {
        const StationField f = field;
        connect(edit, &QLineEdit::textEdited, this, [this, f](const QString& text) {
            if (!refreshing_)
                kalimor::SetStationField(session_.work.piket, f, cp(text));
        });
    }
    // Picket fields belong to no record until the picket is stored.
    for (QLineEdit* e : {edNamePiket, neSDpiket, neHzPiket, neV3piket})
        connect(e, &QLineEdit::textEdited, this, [this] { storeTypedPicketFields(); });
    connect(neCurrentPiket, &QLineEdit::editingFinished, this, [this] {
        if (neCurrentPiket->isModified())
            neCurrentPiketChange();
    });
    connect(sePointPiketCount, qOverload<int>(&QSpinBox::valueChanged), this,
            &TacheometryPage::sePointPiketCountChange);

    connect(btnPrevPiket, &QPushButton::clicked, this, &TacheometryPage::btnPrevPiketClick);
    connect(btnNextPiket, &QPushButton::clicked, this, &TacheometryPage::btnNextPiketClick);
    connect(btnClearPiket, &QPushButton::clicked, this, &TacheometryPage::btnClearPiketClick);
    connect(btnCalcPiket, &QPushButton::clicked, this, &TacheometryPage::btnCalcPiketClick);
    connect(btnToTCPiket, &QPushButton::clicked, this, &TacheometryPage::btnToTCPiketClick);
    connect(btnToTOPiket, &QPushButton::clicked, this, &TacheometryPage::btnToTOPiketClick);
    connect(rePiket, &StatementView::lineClicked, this, &TacheometryPage::rePiketMouseDown);
}

// Design width 674; E is what the page has more (or less). The button row and the picket
// column follow the width, the statement takes the rest of the page.
void TacheometryPage::layoutPage()
{
    const int W = width();
    const int H = height();
    const int E = W - kDesignWidth;
    const int rowH = 21;

    lbTemplate->setGeometry(8, 8, 188, rowH);
    cbSelectPiketTemplate->setGeometry(198, 8, 313 + E, rowH);
    ckbAutoManual->setGeometry(514 + E, 8, 153, rowH);

    const int y1 = 36, y2 = 62, y3 = 88, y4 = 114, y5 = 140;
    lbTC->setGeometry(8, y1, 24, rowH);
    cbTC->setGeometry(34, y1, 90, rowH);
    edTC->setGeometry(34, y1, 90, rowH);
    lbTCX->setGeometry(130, y1, 50, rowH);
    neTCX->setGeometry(182, y1, 100, rowH);
    lbTCY->setGeometry(288, y1, 50, rowH);
    neTCY->setGeometry(340, y1, 100, rowH);
    lbHeight->setGeometry(130, y2, 50, rowH);
    nehcenter->setGeometry(182, y2, 100, rowH);
    nei->setGeometry(340, y2, 100, rowH);
    lbTO->setGeometry(8, y3, 24, rowH);
    cbTO->setGeometry(34, y3, 90, rowH);
    edTO->setGeometry(34, y3, 90, rowH);
    lbTOX->setGeometry(130, y3, 50, rowH);
    neTOX->setGeometry(182, y3, 100, rowH);
    lbTOY->setGeometry(288, y3, 50, rowH);
    neTOY->setGeometry(340, y3, 100, rowH);
    btnChangeTCTO->setGeometry(34, y4, 90, rowH + 2);
    lbito->setGeometry(130, y4, 50, rowH);
    neito->setGeometry(182, y4, 100, rowH);
    lbCurrent->setGeometry(8, y5, 60, rowH);
    neCurrentPiket->setGeometry(70, y5, 54, rowH);
    lbCount->setGeometry(130, y5, 70, rowH);
    sePointPiketCount->setGeometry(202, y5, 80, rowH);

    const int picketLeft = 572 + E;
    const int ys[] = {y1, y2, y3, y4};
    QLabel* captions[] = {lbName, lbSD, lbHz, lbV};
    QLineEdit* fields[] = {edNamePiket, neSDpiket, neHzPiket, neV3piket};
    for (int k = 0; k < 4; ++k) {
        captions[k]->setGeometry(picketLeft - 72 - E, ys[k], 68 + E, rowH);
        fields[k]->setGeometry(picketLeft, ys[k], 94, rowH);
    }
    btnFindPiket->setGeometry(picketLeft, y5, 94, rowH + 4);

    const int buttonH = 25;
    const int buttonTop = H - buttonH - 6;
    const int buttonW = 78 + static_cast<int>(std::nearbyint(E / 8.0));
    int x = 10;
    for (QPushButton* b : {btnPrintPiket, btnPrevPiket, btnNextPiket, btnToTCPiket, btnToTOPiket, btnClearPiket,
                           btnCalcPiket, btnSavePiket}) {
        b->setGeometry(x, buttonTop, buttonW, buttonH);
        x += buttonW + 3;
    }
    const int viewTop = y5 + rowH + 8;
    rePiket->setGeometry(8, viewTop, W - 16, std::max(0, buttonTop - 6 - viewTop));
}

void TacheometryPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void TacheometryPage::refresh()
{
    Guard guard(refreshing_);
    const auto& p = session_.work.piket;
    showModes();
    showStation();
    showPicket();
    if (cbSelectPiketTemplate->currentIndex() != p.cbSelectPiketTemplate)
        cbSelectPiketTemplate->setCurrentIndex(p.cbSelectPiketTemplate);
    const bool threeD = p.cbSelectPiketTemplate == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{nehcenter, nei, neito, lbHeight, lbito})
        w->setEnabled(threeD);
    rePiket->sync();
}

void TacheometryPage::showModes()
{
    const bool traverse = session_.work.piket.ckbAutoManual;
    ckbAutoManual->setChecked(traverse);
    cbTC->setVisible(traverse);
    cbTO->setVisible(traverse);
    cbTC->setEnabled(traverse);
    cbTO->setEnabled(traverse);
    edTC->setVisible(!traverse);
    edTO->setVisible(!traverse);
    edTC->setEnabled(!traverse);
    edTO->setEnabled(!traverse);
    btnToTCPiket->setEnabled(!traverse);
    btnToTOPiket->setEnabled(!traverse);
    btnChangeTCTO->setEnabled(!traverse);
}

void TacheometryPage::showStation()
{
    const auto& p = session_.work.piket;
    for (QComboBox* cb : {cbTC, cbTO}) {
        QStringList items;
        for (const auto& name : p.stationList)
            items << qs(name);
        QStringList shown;
        for (int i = 0; i < cb->count(); ++i)
            shown << cb->itemText(i);
        if (shown != items) {
            cb->clear();
            cb->addItems(items);
        }
    }
    cbTC->setCurrentIndex(p.cbTCIndex);
    cbTO->setCurrentIndex(p.cbTOIndex);
    if (cbTC->currentText() != qs(p.cbTC))
        cbTC->setEditText(qs(p.cbTC));
    if (cbTO->currentText() != qs(p.cbTO))
        cbTO->setEditText(qs(p.cbTO));
    setTextKeepingCaret(edTC, qs(p.edTC));
    setTextKeepingCaret(edTO, qs(p.edTO));
    setTextKeepingCaret(neTCX, qs(p.neTCX));
    setTextKeepingCaret(neTCY, qs(p.neTCY));
    setTextKeepingCaret(nehcenter, qs(p.nehcenter));
    setTextKeepingCaret(nei, qs(p.nei));
    setTextKeepingCaret(neTOX, qs(p.neTOX));
    setTextKeepingCaret(neTOY, qs(p.neTOY));
    setTextKeepingCaret(neito, qs(p.neito));
}

void TacheometryPage::showPicket()
{
    const auto& p = session_.work.piket;
    setTextKeepingCaret(edNamePiket, qs(p.edNamePiket));
    setTextKeepingCaret(neSDpiket, qs(p.neSDpiket));
    setTextKeepingCaret(neHzPiket, qs(p.neHzPiket));
    setTextKeepingCaret(neV3piket, qs(p.neV3piket));
    setTextKeepingCaret(neCurrentPiket, qs(p.neCurrentPiket));
    neCurrentPiket->setModified(false);
    if (sePointPiketCount->value() != p.sePointPiketCount)
        sePointPiketCount->setValue(p.sePointPiketCount);
}

void TacheometryPage::storeTypedPicketFields()
{
    if (refreshing_)
        return;
    auto& p = session_.work.piket;
    p.edNamePiket = cp(edNamePiket->text());
    p.neSDpiket = cp(neSDpiket->text());
    p.neHzPiket = cp(neHzPiket->text());
    p.neV3piket = cp(neV3piket->text());
}

void TacheometryPage::ckbAutoManualClick(bool checked)
{
    run([&] { kalimor::ckbAutoManualClick(session_.work.piket, checked); });
}

void TacheometryPage::cbTCChange(int item)
{
    run([&] { kalimor::ChooseStation(session_.work, item); });
}

void TacheometryPage::cbTOChange(int item)
{
    run([&] { kalimor::ChooseOrientation(session_.work, item); });
}

void TacheometryPage::cbTCTextChange(const QString& text)
{
    if (!refreshing_)
        run([&] { kalimor::TypeStation(session_.work, cp(text)); });
}

void TacheometryPage::cbTOTextChange(const QString& text)
{
    if (!refreshing_)
        run([&] { kalimor::TypeOrientation(session_.work, cp(text)); });
}

void TacheometryPage::btnChangeTCTOClick()
{
    run([&] { kalimor::btnChangeTCTOClick(session_.work.piket); });
}

void TacheometryPage::cbSelectPiketTemplateChange(int item)
{
    if (!refreshing_)
        run([&] { kalimor::cbSelectPiketTemplateChange(session_.work.piket, item); });
}

void TacheometryPage::btnPrevPiketClick()
{
    run([&] { kalimor::btnPrevPiketClick(session_.work.piket); });
}

void TacheometryPage::btnNextPiketClick()
{
    run([&] { kalimor::btnNextPiketClick(session_.work.piket); });
}

void TacheometryPage::neCurrentPiketChange()
{
    session_.work.piket.neCurrentPiket = cp(neCurrentPiket->text());
    run([&] { kalimor::neCurrentPiketChange(session_.work.piket); });
}

void TacheometryPage::sePointPiketCountChange(int count)
{
    if (!refreshing_)
        run([&] { kalimor::sePointPiketCountChange(session_.work.piket, count); });
}

void TacheometryPage::btnClearPiketClick()
{
    if (!session_.prompts.ask(this, qs(kalimor::ClearStatementQuestion()), Prompts::Icon::Information))
        return;
    run([&] { kalimor::btnClearPiketClick(session_.work.piket); });
}

void TacheometryPage::btnCalcPiketClick()
{
    edNamePiket->setFocus();
    run([&] {
        if (kalimor::CalculatePickets(session_.work) == kalimor::PiketCalcResult::StationNotChosen)
            session_.prompts.warnYes(this, qs(kalimor::StationNotChosenText()));
    });
}

void TacheometryPage::btnToTCPiketClick()
{
    run([&] {
        if (const auto warning = kalimor::btnToTCPiketClick(session_.work.piket))
            session_.prompts.inform(this, qs(*warning), Prompts::Icon::Warning);
    });
}

void TacheometryPage::btnToTOPiketClick()
{
    run([&] {
        if (const auto warning = kalimor::btnToTOPiketClick(session_.work.piket))
            session_.prompts.inform(this, qs(*warning), Prompts::Icon::Warning);
    });
}

void TacheometryPage::rePiketMouseDown(int line)
{
    kalimor::rePiketMouseDown(session_.work.piket, line);
}

// The Enter order fills the page without the mouse, from ТС to "Посчитать".
QWidget* TacheometryPage::enterTarget(QObject* from) const
{
    auto shown = [](QWidget* w) { return !w->isHidden(); };
    if (from == cbTC || from == cbTC->lineEdit() || from == edTC)
        return neTCX;
    if (from == neTCX)
        return neTCY;
    if (from == neTCY)
        return nehcenter->isEnabled() ? nehcenter : shown(cbTO) ? static_cast<QWidget*>(cbTO) : edTO;
    if (from == nehcenter)
        return nei;
    if (from == nei)
        return shown(cbTO) ? static_cast<QWidget*>(cbTO) : edTO;
    if (from == cbTO || from == cbTO->lineEdit() || from == edTO)
        return neTOX;
    if (from == neTOX)
        return neTOY;
    if (from == neTOY)
        return neito->isEnabled() ? static_cast<QWidget*>(neito) : edNamePiket;
    if (from == neito)
        return edNamePiket;
    if (from == edNamePiket)
        return neSDpiket;
    if (from == neSDpiket)
        return neHzPiket;
    if (from == neHzPiket)
        return neV3piket;
    if (from == neV3piket)
        return btnCalcPiket;
    return nullptr;
}

bool TacheometryPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (QWidget* next = enterTarget(watched)) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    // The numeric fields: "," is entered as ".", and neither is taken into an empty field or
    // before the first character.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool numeric =
        edit && (edit == neTCX || edit == neTCY || edit == nehcenter || edit == nei || edit == neTOX || edit == neTOY ||
                 edit == neito || edit == neSDpiket || edit == neHzPiket || edit == neV3piket);
    if (!numeric || key->text().size() != 1 || !key->text()[0].isPrint())
        return QWidget::eventFilter(watched, event);
    const std::string typed = cp(key->text());
    // A key typed over a selection replaces it: judge the field as it will be, with the caret
    // where the selection starts (a point typed over the whole text would begin the number).
    QString text = edit->text();
    int caret = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        caret = edit->selectionStart();
        text.remove(caret, edit->selectedText().size());
    }
    const auto accepted = kalimor::NumericKeyFilter(cp(text), caret, typed[0], edit == neTCX ? 2 : 1);
    if (!accepted)
        return true;
    if (*accepted != typed[0]) {
        edit->insert(QString(QChar::fromLatin1(*accepted)));
        // insert() is not an edit the user made: report it as one.
        emit edit->textEdited(edit->text());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
