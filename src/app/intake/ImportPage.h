#pragma once
// The page "Импорт": instrument files into the import table, the transfers to the traverse
// and the tacheometry, the partial selection and its saving.
#include <QWidget>

class Session;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class ImportTableModel;
class AddressListModel;

class ImportPage : public QWidget {
    Q_OBJECT
public:
    ImportPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

    // The filter items of the open dialog, in their order (item k is variant k + 1).
    static QStringList openFilters();

    void btnM5SelectClick();
    void btnM5OpenClick();
    void btnToCourseClick();
    void btnTopiketClick();
    void btnShowSelectClick();
    void btnSaveSelectClick();
    void N16Click(); // "Убрать пометки"
    void N17Click(); // "Пометить все"
    void GridViewImportClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPage();
    // The table's rows were replaced by a command of this page.
    void reloadTable();
    void reloadAddressLists();
    void showRangeBoxes();
    void showMessages();
    void showCounters();
    void syncSelection();
    void runImport();

    Session& session_;
    ImportTableModel* model_ = nullptr;
    AddressListModel* beginModel_ = nullptr;
    AddressListModel* endModel_ = nullptr;

    QGroupBox* grpImport = nullptr;
    QPushButton* btnPrintimport = nullptr;
    QPushButton* btnToCourse = nullptr;
    QPushButton* btnTopiket = nullptr;
    QPushButton* btnFindImport = nullptr;
    QLabel* SelectRow = nullptr;
    QLabel* pAllString = nullptr;
    QLineEdit* edFileName = nullptr;
    QPushButton* btnM5Select = nullptr;
    QPushButton* btnM5Open = nullptr;
    QTableView* GridViewImport = nullptr;
    QMenu* PopupMenuImportSelect = nullptr;
    QPlainTextEdit* reImport = nullptr;
    QLabel* lbRange = nullptr;
    QComboBox* cbBegin = nullptr;
    QLabel* lbTo = nullptr;
    QComboBox* cbEnd = nullptr;
    QPushButton* btnShowSelect = nullptr;
    QPushButton* btnSaveSelect = nullptr;
};
