#include "app/main/MainWindow.h"

#include "app/QtText.h"
#include "app/intake/ImportPage.h"
#include "app/rs232/Rs232Page.h"
#include "app/settings/SettingsPage.h"
#include "app/tacheometry/TacheometryPage.h"
#include "app/traverse/TraversePage.h"

#include <QTabWidget>

TFrmMain::TFrmMain(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<Session>(work_, prompts, this))
{
    setObjectName("FrmMain");
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
    setCentralWidget(PageControl);
    resize(797, 595);
    setMinimumSize(770, 540);
    refreshCaption();
    installCommands();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::showPage(int index)
{
    PageControl->setCurrentIndex(index);
}

int TFrmMain::currentPage() const
{
    return PageControl->currentIndex();
}

void TFrmMain::refreshCaption()
{
    setWindowTitle(qs(work_.caption));
}
