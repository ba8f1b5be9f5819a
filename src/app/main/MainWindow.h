#pragma once
// TFrmMain: the main window. It owns the Work and composes one class per page.
#include "app/Prompts.h"
#include "app/Session.h"
#include "work/Work.h"

#include <QMainWindow>

#include <memory>

class QTabWidget;
class SettingsPage;
class TraversePage;
class TacheometryPage;
class ImportPage;
class Rs232Page;

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

    void refreshCaption();

private:
    // Wires the commands of the cross-page subsystems (see Commands.cpp).
    void installCommands();

    kalimor::Work work_;
    std::unique_ptr<Session> session_;
    QTabWidget* PageControl = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    TraversePage* traversePage_ = nullptr;
    TacheometryPage* tacheometryPage_ = nullptr;
    ImportPage* importPage_ = nullptr;
    Rs232Page* rs232Page_ = nullptr;
};
