#pragma once
// Printing of the texts (statements, received data) and of the two tables.
#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAbstractItemModel;
class QPrinter;
class QTableView;
class QWidget;
class Prompts;

namespace print {

// The measures of table printing, in printer pixels.
constexpr int kTableMargin = 10;
constexpr int kTableRowHeight = 86;
constexpr int kCourseHeadingHeight = 100;
constexpr int kImportHeadingHeight = 85;

// The rows a table page holds: pages[k] is the number of rows printed on page k. The first
// page carries the heading band; a new page begins when the next row would pass the bottom
// margin, and continues without the heading. A page always takes at least one row.
std::vector<int> TablePageRows(int rowCount, int pageHeight, int headingHeight);

// One printed column: the model's column and its width on screen.
struct TableColumn {
    int column;
    int screenWidth;
};

struct TableLook {
    int headingHeight = kImportHeadingHeight;
    QColor background = Qt::white;
    QFont font;
};

// Prints every row of the model: the heading band with the captions of the columns and a rule
// on the first page, then the cells of each row with a line under it. The columns share the
// page's width in proportion to their screen widths. Honours the printer's page range and,
// where the printer cannot make copies itself, its copy count.
void PrintTable(QPrinter& printer, const QAbstractItemModel& model, const std::vector<TableColumn>& columns,
                const TableLook& look);

// The visible columns of a view with their widths, its background and font.
void PrintTableView(QPrinter& printer, const QTableView& view, int headingHeight);

// Prints a text in the given font over as many pages as it needs, under the job name.
void PrintText(QPrinter& printer, const QString& text, const QFont& font, const QString& jobName);

// The one print dialog of the window, with its printer: the choices made in it (printer,
// copies, print to file) stay for the next print command.
class PrintService : public QObject {
    Q_OBJECT
public:
    PrintService(Prompts& prompts, QObject* parent = nullptr);
    ~PrintService() override;

    // Shows the print dialog; false when the user cancels.
    bool choosePrinter(QWidget* parent);

    // Text printing of a view's whole text in the view's font; nothing when cancelled.
    void printText(QWidget* parent, const QString& text, const QFont& font, const QString& jobName);
    // Table printing of a view; nothing when cancelled.
    void printTable(QWidget* parent, const QTableView& view, int headingHeight);

    QPrinter& printer() { return *printer_; }

    // Tests replace the modal dialog: the function sets up the printer and answers whether
    // to print.
    std::function<bool(QPrinter&)> dialogOverride;

private:
    Prompts& prompts_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace print
