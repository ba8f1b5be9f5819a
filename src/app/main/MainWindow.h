#pragma once
// TFrmMain: the main window. It owns the Work and composes one class per page.
//
// Object names other parts of the window find by findChild:
//   PageControl                      the five pages (TabOption, TabCourse, TabPiket, TabImport, TabRs232)
//   TaskBar                          the column on the left with its three groups
//     GrpProject  "Файл":            TbNew, TbOpen, TbSave, TbExit
//     GrpSurvey   "Съёмка":          TbOption, TbCourse, TbPiket, TbImport, TbRs232
//     GrpHelp     "Помощь":          TbHelp, TbAbout
//   Main menu (QAction objects):
//     MnuFile     "Файл":            MnuNew, MnuOpen, MnuSave, MnuExit
//     MnuSurvey   "Съемка":          MnuOption, MnuCourse, MnuPiket, MnuImport, MnuRs232 (radio items)
//     MnuView     "Вид":             MnuStatusBar "&Строка статуса" (check item)
//     MnuHelpMenu "Помощь":          MnuHelp "Справка", MnuAbout "О программе..."
//   StsMain                          the status bar: StDateTime, StCaps, StNum, StIns, StStatusCalc
//   FrmAbout                         the About box (TFrmAbout)
// "Новый", "Открыть" and "Сохранить" (TbNew/MnuNew, TbOpen/MnuOpen, TbSave/MnuSave) start
// disabled and unconnected: the project-file commands enable and connect them.
#include "app/Prompts.h"
#include "app/Session.h"
#include "work/Work.h"

#include <QDialog>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QTabWidget;
class QTimer;
class QToolButton;
class SettingsPage;
class TraversePage;
class TacheometryPage;
class ImportPage;
class Rs232Page;

// "Информация о программе": the program's name, version and purpose.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);
};

class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    // prompts may be a test double; the window does not own it.
    explicit TFrmMain(Prompts& prompts, QWidget* parent = nullptr);
    ~TFrmMain() override;

    kalimor::Work& work() { return work_; }
    Session& session() { return *session_; }

    void showPage(int index);
    int currentPage() const;

    SettingsPage* settingsPage() const { return settingsPage_; }
    TraversePage* traversePage() const { return traversePage_; }
    TacheometryPage* tacheometryPage() const { return tacheometryPage_; }
    ImportPage* importPage() const { return importPage_; }
    Rs232Page* rs232Page() const { return rs232Page_; }
    TFrmAbout* aboutBox() const { return frmAbout_; }

    void refreshCaption();
    // Every page, the caption and the status pane show the work anew.
    void refreshAll();
    // The calculation pane follows work.course.statusText and statusBlink.
    void refreshStatus();

    // Opening a project named on the command line ("kalimor PROJECT.srv"). The project-file
    // commands install the handler; until then the program says it cannot open one.
    std::function<void(const QString& path)> openProjectAtStart;

    // Handlers of the frame.
    void MnuExitClick();
    void MnuStatusBarClick();
    void MnuHelpClick();
    void MnuAboutClick();
    void PageControlChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Wires the commands of the cross-page subsystems (see Commands.cpp).
    void installCommands();
    void buildMenu();
    void buildTaskBar();
    void buildStatusBar();
    void tickClock();
    void tickBlink();
    void showKeyStates();

    kalimor::Work work_;
    std::unique_ptr<Session> session_;
    QTabWidget* PageControl = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    TraversePage* traversePage_ = nullptr;
    TacheometryPage* tacheometryPage_ = nullptr;
    ImportPage* importPage_ = nullptr;
    Rs232Page* rs232Page_ = nullptr;
    TFrmAbout* frmAbout_ = nullptr;

    QActionGroup* surveyGroup_ = nullptr;
    QAction* surveyActions_[5] = {};
    QAction* MnuStatusBar = nullptr;
    QLabel* StDateTime = nullptr;
    QLabel* StCaps = nullptr;
    QLabel* StNum = nullptr;
    QLabel* StIns = nullptr;
    QLabel* StStatusCalc = nullptr;
    QTimer* clock_ = nullptr;
    QTimer* blink_ = nullptr;
    bool blinkRed_ = false;
    bool capsLock_ = false;
    bool numLock_ = false;
    bool insertMode_ = true;
};
