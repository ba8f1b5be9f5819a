#pragma once
// Search and printing on every page: the search menus and buttons, the four find dialogs and
// the print commands. Installed once the pages exist; a page that lacks a control is skipped.
#include <QObject>
#include <QString>

class FindDialog;
class QAbstractButton;
class QTableView;
class QWidget;
class Session;
class TFrmMain;

namespace print {
class PrintService;
}

class SearchAndPrint : public QObject {
    Q_OBJECT
public:
    // root holds the pages (found by their names TabCourse, TabPiket, TabImport, TabRs232) and
    // is the parent of the dialogs; session gives the work and the prompts.
    SearchAndPrint(QWidget& root, Session& session);
    ~SearchAndPrint() override;

    // Finds the pages' buttons by name, enables them and connects them.
    void install();

    // The column that the last chosen search menu item names; read by both table searches.
    int searchColumn() const { return searchColumn_; }
    void setSearchColumn(int column) { searchColumn_ = column; }

    FindDialog& importFindDialog() { return *importFind_; }
    FindDialog& courseFindDialog() { return *courseFind_; }
    FindDialog& piketFindDialog() { return *piketFind_; }
    FindDialog& downloadFindDialog() { return *downloadFind_; }
    print::PrintService& printService() { return *printService_; }

    // A search menu item: sets the search column and opens the table's find dialog.
    void chooseImportColumn(int column);
    void chooseCourseColumn(int column);

    // Find-next of each dialog.
    void findImportNext(const QString& text);
    void findCourseNext(const QString& text);
    void findPiketNext(const QString& text);
    void findDownloadNext(const QString& text);

    // The plain "Найти" buttons.
    void btnFindPiketClick();
    void btnFindDownloadClick();

    // Print commands.
    void mnuPrintCourseTableClick();
    void mnuPrintCourseStatementClick();
    void btnPrintPiketClick();
    void btnPrintimportClick();
    void btnPrintDownloadClick();

private:
    void findTableNext(bool import, const QString& text);
    void findTextNext(const char* viewName, const QString& text);
    void printTextView(const char* viewName, const QString& jobName);
    void printTableView(const char* viewName, int headingHeight);
    QWidget* widget(const char* name) const;

    QWidget& root_;
    Session& session_;
    int searchColumn_ = 0;
    FindDialog* importFind_ = nullptr;
    FindDialog* courseFind_ = nullptr;
    FindDialog* piketFind_ = nullptr;
    FindDialog* downloadFind_ = nullptr;
    print::PrintService* printService_ = nullptr;
};

// Called from TFrmMain::installCommands().
void installSearchAndPrint(TFrmMain& window);
