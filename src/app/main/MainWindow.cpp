#include "app/main/MainWindow.h"

#include "app/QtText.h"
#include "app/intake/ImportPage.h"
#include "app/rs232/Rs232Page.h"
#include "app/settings/SettingsPage.h"
#include "app/tacheometry/TacheometryPage.h"
#include "app/traverse/TraversePage.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const int kTaskBarWidth = 113;

// An item of the task bar: a flat button whose caption wraps inside the narrow column
// ("Линейно - угловой ход" does not fit on one line).
class TaskItem : public QAbstractButton {
public:
    TaskItem(const QString& objectName, const QString& text, QWidget* parent) : QAbstractButton(parent)
    {
        setObjectName(objectName);
        setText(text);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const QRect r = fontMetrics().boundingRect(QRect(0, 0, kTaskBarWidth - 24, 200), textFlags(), text());
        return {kTaskBarWidth - 8, r.height() + 6};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QPalette& pal = palette();
        if (isEnabled() && (underMouse() || isDown()))
            p.fillRect(rect(), pal.color(QPalette::Highlight).lighter(170));
        p.setPen(isEnabled() ? pal.color(QPalette::Link) : pal.color(QPalette::Disabled, QPalette::WindowText));
        p.drawText(rect().adjusted(10, 3, -4, -3), textFlags(), text());
    }

private:
    static int textFlags() { return Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap; }
};

// A group of the task bar, always open: a bold heading over its items.
QWidget* taskGroup(const QString& objectName, const QString& title, QWidget* parent)
{
    auto* group = new QWidget(parent);
    group->setObjectName(objectName);
    group->setAttribute(Qt::WA_StyledBackground);
    group->setStyleSheet(
        QStringLiteral("#%1 { background: palette(base); border: 1px solid palette(mid); }").arg(objectName));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(0);
    auto* heading = new QLabel(title, group);
    heading->setObjectName(objectName + QStringLiteral("Caption"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setContentsMargins(6, 3, 4, 3);
    heading->setAutoFillBackground(true);
    heading->setBackgroundRole(QPalette::Button);
    layout->addWidget(heading);
    return group;
}

QAbstractButton* addTaskItem(QWidget* group, const QString& objectName, const QString& text)
{
    auto* item = new TaskItem(objectName, text, group);
    group->layout()->addWidget(item);
    return item;
}

// The picture of the About box: a tripod with an instrument, drawn so that the program
// carries no image files.
QPixmap aboutPicture()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(32, 30, 12, 60);
    p.drawLine(32, 30, 32, 60);
    p.drawLine(32, 30, 52, 60);
    p.setBrush(QColor(213, 231, 249));
    p.setPen(QPen(QColor(30, 70, 140), 2));
    p.drawRoundedRect(20, 10, 24, 18, 4, 4);
    p.setBrush(QColor(30, 70, 140));
    p.drawEllipse(QPoint(32, 19), 4, 4);
    return pm;
}

QString statusPaneStyle(bool red)
{
    return red ? QStringLiteral("QLabel { color: red; }") : QString();
}

} // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmAbout");
    setWindowTitle(QStringLiteral("Информация о программе"));
    auto* picture = new QLabel(this);
    picture->setObjectName("Image");
    picture->setPixmap(aboutPicture());
    auto* name = new QLabel(QStringLiteral("Kalimor"), this);
    name->setObjectName("ProductName");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    auto* versionCaption = new QLabel(QStringLiteral("Версия:"), this);
    // The version is read once, when the box is made, from the one place that keeps it.
    auto* version = new QLabel(QString::fromLatin1(kalimor::VersionText()), this);
    version->setObjectName("Version");
    auto* comments = new QPlainTextEdit(this);
    comments->setObjectName("Comments");
    comments->setReadOnly(true);
    comments->setPlainText(QStringLiteral("Программа для автоматизации обработки \n"
                                          "геодезических данных Kalimor [Тахеометрия]"));
    comments->setFixedHeight(comments->fontMetrics().lineSpacing() * 3 + 8);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName("OKButton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version, 1);
    texts->addLayout(versionRow);
    texts->addStretch();
    head->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(comments);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addLayout(buttons);
    setFixedSize(360, sizeHint().height());
}

TFrmMain::TFrmMain(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<Session>(work_, prompts, this))
{
    setObjectName("FrmMain");
    // The pages are designed for a narrow sans-serif face of Arial's metrics; DejaVu Sans,
    // the usual default, is wide enough to clip the longer captions.
    QFont face = font();
    face.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), face.family()});
    face.setPointSize(9);
    setFont(face);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    settingsPage_ = new SettingsPage(*session_);
    settingsPage_->setObjectName("TabOption");
    traversePage_ = new TraversePage(*session_);
    traversePage_->setObjectName("TabCourse");
    tacheometryPage_ = new TacheometryPage(*session_);
    tacheometryPage_->setObjectName("TabPiket");
    importPage_ = new ImportPage(*session_);
    importPage_->setObjectName("TabImport");
    rs232Page_ = new Rs232Page(*session_);
    rs232Page_->setObjectName("TabRs232");
    PageControl->addTab(settingsPage_, QStringLiteral("Параметры"));
    PageControl->addTab(traversePage_, QStringLiteral("Линейно-угловой ход"));
    PageControl->addTab(tacheometryPage_, QStringLiteral("Тахеометрия"));
    PageControl->addTab(importPage_, QStringLiteral("Импорт"));
    PageControl->addTab(rs232Page_, QStringLiteral("RS-232"));

    auto* central = new QWidget(this);
    central->setObjectName("Central");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    setCentralWidget(central);
    buildTaskBar();
    row->addWidget(PageControl, 1);
    buildMenu();
    buildStatusBar();
    frmAbout_ = new TFrmAbout(this);

    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    connect(session_.get(), &Session::workChanged, this, [this] { refreshAll(); });
    connect(session_.get(), &Session::statusChanged, this, [this] { refreshStatus(); });
    qApp->installEventFilter(this);

    setMinimumSize(770, 540);
    resize(797, 595);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    showPage(0);
    refreshCaption();
    refreshStatus();
    installCommands();
}

TFrmMain::~TFrmMain()
{
    qApp->removeEventFilter(this);
}

void TFrmMain::buildTaskBar()
{
    auto* taskBar = new QWidget(centralWidget());
    taskBar->setObjectName("TaskBar");
    taskBar->setFixedWidth(kTaskBarWidth);
    taskBar->setAutoFillBackground(true);
    taskBar->setBackgroundRole(QPalette::Dark);
    auto* column = new QVBoxLayout(taskBar);
    column->setContentsMargins(4, 6, 4, 6);
    column->setSpacing(8);

    QWidget* project = taskGroup("GrpProject", QStringLiteral("Файл"), taskBar);
    for (auto [name, text] : {std::pair{"TbNew", "Новый"}, {"TbOpen", "Открыть"}, {"TbSave", "Сохранить"}}) {
        QAbstractButton* item = addTaskItem(project, name, QString::fromUtf8(text));
        item->setEnabled(false);
    }
    connect(addTaskItem(project, "TbExit", QStringLiteral("Выход")), &QAbstractButton::clicked, this,
            [this] { MnuExitClick(); });

    QWidget* survey = taskGroup("GrpSurvey", QStringLiteral("Съёмка"), taskBar);
    const char* surveyItems[5][2] = {{"TbOption", "Параметры"},
                                     {"TbCourse", "Линейно - угловой ход"},
                                     {"TbPiket", "Тахеометрия"},
                                     {"TbImport", "Импорт"},
                                     {"TbRs232", "RS-232"}};
    for (int page = 0; page < 5; ++page)
        connect(addTaskItem(survey, surveyItems[page][0], QString::fromUtf8(surveyItems[page][1])),
                &QAbstractButton::clicked, this, [this, page] { showPage(page); });

    QWidget* help = taskGroup("GrpHelp", QStringLiteral("Помощь"), taskBar);
    connect(addTaskItem(help, "TbHelp", QStringLiteral("Справка")), &QAbstractButton::clicked, this,
            [this] { MnuHelpClick(); });
    connect(addTaskItem(help, "TbAbout", QStringLiteral("О программе...")), &QAbstractButton::clicked, this,
            [this] { MnuAboutClick(); });

    column->addWidget(project);
    column->addWidget(survey);
    column->addWidget(help);
    column->addStretch();
    centralWidget()->layout()->addWidget(taskBar);
}

void TFrmMain::buildMenu()
{
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        auto* a = menu->addAction(text);
        a->setObjectName(name);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->setObjectName("MnuFile");
    action(file, "MnuNew", QStringLiteral("Новый"))->setEnabled(false);
    action(file, "MnuOpen", QStringLiteral("Открыть"))->setEnabled(false);
    action(file, "MnuSave", QStringLiteral("Сохранить"))->setEnabled(false);
    file->addSeparator();
    connect(action(file, "MnuExit", QStringLiteral("Выход")), &QAction::triggered, this, [this] { MnuExitClick(); });

    QMenu* survey = menuBar()->addMenu(QStringLiteral("Съемка"));
    survey->setObjectName("MnuSurvey");
    surveyGroup_ = new QActionGroup(this);
    surveyGroup_->setExclusive(true);
    const char* items[5][2] = {{"MnuOption", "Параметры"},
                               {"MnuCourse", "Линейно - угловой ход"},
                               {"MnuPiket", "Тахеометрия"},
                               {"MnuImport", "Импорт"},
                               {"MnuRs232", "RS-232"}};
    for (int page = 0; page < 5; ++page) {
        QAction* a = action(survey, items[page][0], QString::fromUtf8(items[page][1]));
        a->setCheckable(true);
        surveyGroup_->addAction(a);
        surveyActions_[page] = a;
        connect(a, &QAction::triggered, this, [this, page] { showPage(page); });
    }

    QMenu* view = menuBar()->addMenu(QStringLiteral("Вид"));
    view->setObjectName("MnuView");
    MnuStatusBar = action(view, "MnuStatusBar", QStringLiteral("&Строка статуса"));
    MnuStatusBar->setCheckable(true);
    MnuStatusBar->setChecked(true);
    connect(MnuStatusBar, &QAction::triggered, this, [this] { MnuStatusBarClick(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Помощь"));
    help->setObjectName("MnuHelpMenu");
    connect(action(help, "MnuHelp", QStringLiteral("Справка")), &QAction::triggered, this, [this] { MnuHelpClick(); });
    connect(action(help, "MnuAbout", QStringLiteral("О программе...")), &QAction::triggered, this,
            [this] { MnuAboutClick(); });
}

void TFrmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StsMain");
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(true);
    auto pane = [bar](const char* name, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(name);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        if (width > 0) {
            label->setFixedWidth(width);
            label->setAlignment(Qt::AlignCenter);
        }
        bar->addWidget(label, width > 0 ? 0 : 1);
        return label;
    };
    StDateTime = pane("StDateTime", 130);
    StCaps = pane("StCaps", 44);
    StNum = pane("StNum", 44);
    StIns = pane("StIns", 44);
    StStatusCalc = pane("StStatusCalc", 0);

    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, [this] { tickClock(); });
    clock_->start(1000);
    tickClock();
    blink_ = new QTimer(this);
    blink_->setObjectName("BlinkTimer");
    connect(blink_, &QTimer::timeout, this, [this] { tickBlink(); });
    showKeyStates();
}

void TFrmMain::showPage(int index)
{
    if (index < 0 || index >= PageControl->count())
        return;
    PageControl->setCurrentIndex(index);
    // setCurrentIndex emits nothing when the page is already shown; keep the menu in step anyway.
    PageControlChange();
}

int TFrmMain::currentPage() const
{
    return PageControl->currentIndex();
}

void TFrmMain::PageControlChange()
{
    const int page = PageControl->currentIndex();
    work_.currentPage = page;
    if (page >= 0 && page < 5)
        surveyActions_[page]->setChecked(true);
}

void TFrmMain::refreshCaption()
{
    setWindowTitle(qs(work_.caption));
}

void TFrmMain::refreshAll()
{
    settingsPage_->refresh();
    traversePage_->refresh();
    tacheometryPage_->refresh();
    importPage_->refresh();
    rs232Page_->refresh();
    refreshCaption();
    refreshStatus();
}

void TFrmMain::refreshStatus()
{
    StStatusCalc->setText(qs(work_.course.statusText));
    if (work_.course.statusBlink) {
        if (!blink_->isActive()) {
            blinkRed_ = true;
            StStatusCalc->setStyleSheet(statusPaneStyle(true));
            blink_->start(500);
        }
    } else {
        blink_->stop();
        blinkRed_ = false;
        StStatusCalc->setStyleSheet(statusPaneStyle(false));
    }
}

void TFrmMain::tickBlink()
{
    blinkRed_ = !blinkRed_;
    StStatusCalc->setStyleSheet(statusPaneStyle(blinkRed_));
}

void TFrmMain::tickClock()
{
    StDateTime->setText(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
}

void TFrmMain::showKeyStates()
{
    StCaps->setText(capsLock_ ? QStringLiteral("CAPS") : QString());
    StNum->setText(numLock_ ? QStringLiteral("NUM") : QString());
    StIns->setText(insertMode_ ? QStringLiteral("INS") : QStringLiteral("OVR"));
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A key press the focus widget ignores travels up to its parents and passes this filter
    // again; only its first receiver counts.
    const QWidget* first = QApplication::focusWidget();
    const bool firstReceiver =
        watched->isWidgetType() && (first ? watched == first : static_cast<QWidget*>(watched)->isWindow());
    if (event->type() == QEvent::KeyPress && firstReceiver) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Qt reports no lock states. Under X11 the native modifiers carry them (Lock, Mod2)
        // as they were before this key; elsewhere the panes follow the presses they see.
        if (QGuiApplication::platformName() == QLatin1String("xcb") && key->nativeModifiers() != 0) {
            capsLock_ = (key->nativeModifiers() & 0x02) != 0;
            numLock_ = (key->nativeModifiers() & 0x10) != 0;
        }
        if (!key->isAutoRepeat()) {
            if (key->key() == Qt::Key_CapsLock)
                capsLock_ = !capsLock_;
            else if (key->key() == Qt::Key_NumLock)
                numLock_ = !numLock_;
            else if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier)
                insertMode_ = !insertMode_;
        }
        showKeyStates();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::MnuExitClick()
{
    close();
}

void TFrmMain::MnuStatusBarClick()
{
    // The action has already toggled its own check mark.
    statusBar()->setVisible(MnuStatusBar->isChecked());
}

void TFrmMain::MnuHelpClick()
{
    const QString manual = QCoreApplication::applicationDirPath() + QStringLiteral("/Kalimor.doc");
    // A missing manual is not reported.
    if (QFileInfo::exists(manual))
        session_->prompts.openWithDesktop(manual);
}

void TFrmMain::MnuAboutClick()
{
    QRect frame(QPoint(), frmAbout_->size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    frmAbout_->move(frame.topLeft());
    frmAbout_->exec();
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    if (session_->prompts.ask(this,
                              QStringLiteral("Все несохранённые данные текущей работы будут потеряны. Продолжить?"),
                              Prompts::Icon::Warning))
        event->accept();
    else
        event->ignore();
}
