#include "app/traverse/TraversePage.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/traverse/CourseTableModel.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

#include <cmath>

namespace {
constexpr int kDesignWidth = 674;
constexpr int kGap = 3;
constexpr int kGroupHeight = 104;
constexpr int kButtonHeight = 25;

QComboBox* combo(QWidget* parent, const char* name, std::initializer_list<const char*> items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const char* item : items)
        box->addItem(QString::fromUtf8(item));
    return box;
}

QLabel* label(QWidget* parent, const char* name, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}
} // namespace

TraversePage::TraversePage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    group_ = new QGroupBox(QStringLiteral("Параметры хода"), this);
    group_->setObjectName("GroupBoxCourse");
    cbTypeCourse = combo(group_, "cbTypeCourse",
                         {"Разомкнутый ход", "Замкнутый ход", "Ход без примычных углов", "Висячий ",
                          "Висячий, оканчивается на твердую точку "});
    cdTypeAngleCourse = combo(group_, "cdTypeAngleCourse", {"Левые углы ", "Правые углы"});
    lbPointCount_ = label(group_, "lbPointCourseCount", "Всего точек");
    lbPointCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SePointCourseCount = new QSpinBox(group_);
    SePointCourseCount->setObjectName("SePointCourseCount");
    SePointCourseCount->setRange(kalimor::kMinCoursePoints, kalimor::kMaxCoursePoints);
    SePointCourseCount->setKeyboardTracking(false);
    lbSourceKind_ = label(group_, "lbUseDirorCoord", "Тип исходных данных");
    cbUseDirorCoord =
        combo(group_, "cbUseDirorCoord",
              {"Только координаты (дирекционный угол рассчитывается автоматически)", "Координаты и дирекционные углы"});
    lbTemplate_ = label(group_, "lbSelectCourseTemplate", "Формат ведомости хода");
    cbSelectCourseTemplate =
        combo(group_, "cbSelectCourseTemplate", {"Расчет 2D - координат (X и Y)", "Расчет 3D - координат (X, Y и H)"});

    // Kept only so that a project's setting is shown where it belongs; never offered.
    ckbNextBackUse = new QCheckBox(QStringLiteral("Использовать прямые и обратные измерения"), group_);
    ckbNextBackUse->setObjectName("ckbNextBackUse");
    ckbNextBackUse->setEnabled(false);
    ckbNextBackUse->setVisible(false);

    model_ = new CourseTableModel(session_.work.course, this);
    GridViewCourse = new QTableView(this);
    GridViewCourse->setObjectName("GridViewCourse");
    GridViewCourse->setModel(model_);
    GridViewCourse->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GridViewCourse->verticalHeader()->hide();
    // The column widths are the design's: a smaller face lets coordinates fit them.
    QFont tableFont = GridViewCourse->font();
    tableFont.setPointSize(8);
    GridViewCourse->setFont(tableFont);
    GridViewCourse->verticalHeader()->setDefaultSectionSize(20);
    for (int c = 0; c < kalimor::kCourseColumns; ++c)
        GridViewCourse->setColumnWidth(c, CourseTableModel::width(c));

    // The footers of columns 0-6: a second header below the table that follows its columns.
    auto* footerModel = new QStandardItemModel(0, kalimor::kCourseColumns, this);
    for (int c = 0; c < kalimor::kCourseColumns; ++c)
        footerModel->setHorizontalHeaderItem(c, new QStandardItem(CourseTableModel::footer(c)));
    footer_ = new QHeaderView(Qt::Horizontal, this);
    footer_->setObjectName("GridViewCourseFooter");
    footer_->setModel(footerModel);
    footer_->setSectionsClickable(false);
    footer_->setFont(tableFont);
    for (int c = 0; c < kalimor::kCourseColumns; ++c)
        footer_->resizeSection(c, CourseTableModel::width(c));
    connect(GridViewCourse->horizontalHeader(), &QHeaderView::sectionResized, footer_,
            [this](int column, int, int size) { footer_->resizeSection(column, size); });
    connect(GridViewCourse->horizontalScrollBar(), &QScrollBar::valueChanged, footer_,
            [this](int value) { footer_->setOffset(value); });

    reCourse = new QPlainTextEdit(this);
    reCourse->setObjectName("reCourse");
    reCourse->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    fixed.setPointSize(9);
    reCourse->setFont(fixed);

    const struct {
        const char* name;
        const char* caption;
        bool enabled;
    } buttons[] = {
        // Printing, search, the calculators and the exports are connected by their owners.
        {"btnPrintCourse", "Печать", false}, {"btnFindCourse", "Найти", false},   {"btnUtilCourse", "Утилиты", false},
        {"btnAddCourse", "Добавить", true},  {"btnDelCourse", "Удалить", true},   {"btnAutoCourse", "Авто №", true},
        {"btnCalcCourse", "Уравнять", true}, {"btnSaveCourse", "Экспорт", false},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setEnabled(b.enabled);
        buttons_.push_back(button);
    }

    connect(SePointCourseCount, &QSpinBox::valueChanged, this, &TraversePage::SePointCourseCountChange);
    connect(buttons_[3], &QPushButton::clicked, this, &TraversePage::btnAddCourseClick);
    connect(buttons_[4], &QPushButton::clicked, this, &TraversePage::btnDelCourseClick);
    connect(buttons_[5], &QPushButton::clicked, this, &TraversePage::btnAutoCourseClick);
    connect(buttons_[6], &QPushButton::clicked, this, &TraversePage::btnCalcCourseClick);
    connect(cbTypeCourse, &QComboBox::currentIndexChanged, this, &TraversePage::cbTypeCourseChange);
    connect(cdTypeAngleCourse, &QComboBox::currentIndexChanged, this, &TraversePage::cdTypeAngleCourseChange);
    connect(cbUseDirorCoord, &QComboBox::currentIndexChanged, this, &TraversePage::cbUseDirorCoordChange);
    connect(cbSelectCourseTemplate, &QComboBox::currentIndexChanged, this, &TraversePage::cbSelectCourseTemplateChange);
    connect(reCourse, &QPlainTextEdit::textChanged, this, &TraversePage::reCourseChange);

    // The table is built for the initial point count from the empty model.
    if (session_.work.course.rows.empty())
        kalimor::SetCoursePointCount(session_.work, session_.work.course.SePointCourseCount);
    resize(kDesignWidth + 100, 500);
    refresh();
}

int TraversePage::buttonWidth(int pageWidth)
{
    return 78 + static_cast<int>(std::nearbyint((pageWidth - kDesignWidth) / 8.0));
}

void TraversePage::refresh()
{
    const kalimor::CoursePage& page = session_.work.course;
    {
        const QSignalBlocker b1(SePointCourseCount), b2(cbTypeCourse), b3(cdTypeAngleCourse), b4(cbUseDirorCoord),
            b5(cbSelectCourseTemplate);
        SePointCourseCount->setValue(page.SePointCourseCount);
        cbTypeCourse->setCurrentIndex(page.cbTypeCourse);
        cdTypeAngleCourse->setCurrentIndex(page.cdTypeAngleCourse);
        cbUseDirorCoord->setCurrentIndex(page.cbUseDirorCoord);
        cbSelectCourseTemplate->setCurrentIndex(page.cbSelectCourseTemplate);
        ckbNextBackUse->setChecked(page.ckbNextBackUse);
    }
    refreshTable();
    showStatement();
}

void TraversePage::refreshTable()
{
    model_->reload();
    applyTemplate();
}

void TraversePage::applyTemplate()
{
    const bool shown = kalimor::CourseHeightColumnsShown(session_.work.course);
    for (int c : {5, 15, 16, 17}) {
        GridViewCourse->setColumnHidden(c, !shown);
        footer_->setSectionHidden(c, !shown);
    }
}

void TraversePage::showStatement()
{
    const std::vector<std::string>& lines = session_.work.course.statement;
    if (lines == shownStatement_)
        return;
    std::string text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k)
            text += '\n';
        text += lines[k];
    }
    showing_ = true;
    reCourse->setPlainText(qs(text));
    showing_ = false;
    shownStatement_ = lines;
}

void TraversePage::reCourseChange()
{
    if (showing_)
        return;
    // Edits by hand become the statement that exports and printing take.
    std::vector<std::string> lines;
    const QString text = reCourse->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines.push_back(cp(line));
    session_.work.course.statement = lines;
    shownStatement_ = std::move(lines);
}

template <class F> void TraversePage::adjusting(F&& command)
{
    session_.guarded(this, std::forward<F>(command));
    // Even a stopped or failed run changed the table, the status and the station lists.
    emit session_.workChanged();
    emit session_.statusChanged();
    refresh();
}

void TraversePage::SePointCourseCountChange(int value)
{
    session_.guarded(this, [&] { kalimor::SetCoursePointCount(session_.work, value); });
    refresh();
}

void TraversePage::btnAddCourseClick()
{
    session_.guarded(this, [&] { kalimor::AddCoursePoint(session_.work); });
    refresh();
}

void TraversePage::btnDelCourseClick()
{
    session_.guarded(this, [&] { kalimor::DeleteCoursePoint(session_.work); });
    refresh();
}

void TraversePage::btnAutoCourseClick()
{
    if (!session_.prompts.ask(this, QStringLiteral("Все точки хода будут перенумерованы. Продолжить?"),
                              Prompts::Icon::Information))
        return;
    adjusting([&] { kalimor::AutoNumberCourse(session_.work); });
}

void TraversePage::btnCalcCourseClick()
{
    adjusting([&] { kalimor::AdjustCourse(session_.work); });
}

void TraversePage::cbTypeCourseChange(int item)
{
    kalimor::ChangeCourseKind(session_.work, item);
}

void TraversePage::cdTypeAngleCourseChange(int item)
{
    adjusting([&] { kalimor::ChangeAngleType(session_.work, item); });
}

void TraversePage::cbUseDirorCoordChange(int item)
{
    adjusting([&] { kalimor::ChangeSourceKind(session_.work, item); });
}

void TraversePage::cbSelectCourseTemplateChange(int item)
{
    kalimor::ChangeCourseTemplate(session_.work, item);
    applyTemplate();
}

void TraversePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void TraversePage::layoutPage()
{
    const int W = width();
    const int H = height();
    // The settings group: fixed left parts, the right-hand parts follow the width.
    group_->setGeometry(0, 0, W, kGroupHeight);
    cbTypeCourse->setGeometry(8, 20, 250, 22);
    cdTypeAngleCourse->setGeometry(8 + 250 + kGap, 20, 130, 22);
    lbPointCount_->setGeometry(482, 20, W - 565, 22);
    SePointCourseCount->setGeometry(W - 80, 20, 64, 22);
    lbSourceKind_->setGeometry(8, 48, 174, 22);
    cbUseDirorCoord->setGeometry(185, 48, W - 193, 22);
    lbTemplate_->setGeometry(8, 76, 174, 22);
    cbSelectCourseTemplate->setGeometry(185, 76, W - 193, 22);

    // The lower row of buttons, each 3 pixels right of the previous one.
    const int bw = buttonWidth(W);
    const int by = H - kButtonHeight - 4;
    int x = 8;
    for (QPushButton* b : buttons_) {
        b->setGeometry(x, by, bw, kButtonHeight);
        x += bw + kGap;
    }

    // The table and the statement share the rest.
    const int top = kGroupHeight + 4;
    const int footerHeight = footer_->sizeHint().height();
    const int free = std::max(0, by - 4 - top - footerHeight);
    const int tableHeight = free * 11 / 20;
    GridViewCourse->setGeometry(0, top, W, tableHeight);
    const int frame = GridViewCourse->frameWidth();
    footer_->setGeometry(frame, top + tableHeight, W - 2 * frame, footerHeight);
    reCourse->setGeometry(0, top + tableHeight + footerHeight + 2, W, free - tableHeight - 2);
}
