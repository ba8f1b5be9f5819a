// Search and printing driven through the controls: the find menus and dialogs, the print
// commands writing PDF files that poppler's tools read back, and the user manual.
#include "FakePrompts.h"
#include "app/QtText.h"
#include "app/Session.h"
#include "app/help/UserManual.h"
#include "app/main/MainWindow.h"
#include "app/print/Printing.h"
#include "app/search/FindDialog.h"
#include "app/search/SearchCommands.h"
#include "core/Codepage.h"
#include "work/Work.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A stand-in for the pages' table models: the engine rows as the view shows them.
class ImportRowsModel : public QAbstractTableModel {
public:
    explicit ImportRowsModel(kalimor::Work& work) : work_(work) {}
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(work_.import.rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 9; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto& row = work_.import.rows[static_cast<std::size_t>(index.row())];
        if (role == Qt::CheckStateRole && index.column() == 5)
            return row.station ? Qt::Checked : Qt::Unchecked;
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return index.row() + 1;
        case 1:
            return qs(row.address);
        case 2:
            return qs(row.slopeDistance);
        case 3:
            return qs(row.horizontalAngle);
        case 4:
            return qs(row.verticalAngle);
        case 8:
            return qs(row.note);
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* const captions[] = {
            "№ п/п", "Адрес (номер)", "Расстояние (SD)", "Гор. угол", "Верт. угол", "Точка хода", "I",
            "v",     "Примечание"};
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return QString::fromUtf8(captions[section]);
        return {};
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    kalimor::Work& work_;
};

class CourseRowsModel : public QAbstractTableModel {
public:
    explicit CourseRowsModel(kalimor::Work& work) : work_(work) {}
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(work_.course.rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return kalimor::kCourseColumns; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return qs(
            work_.course.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())].text);
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    kalimor::Work& work_;
};

// The four pages with the controls search and printing need, named as the pages name them.
struct Pages {
    kalimor::Work work;
    FakePrompts prompts;
    Session session{work, prompts};
    QWidget root;
    ImportRowsModel importModel{work};
    CourseRowsModel courseModel{work};
    QTableView* GridViewImport = nullptr;
    QTableView* GridViewCourse = nullptr;
    QPlainTextEdit* reCourse = nullptr;
    QPlainTextEdit* rePiket = nullptr;
    QPlainTextEdit* redownload = nullptr;
    SearchAndPrint* commands = nullptr;

    Pages()
    {
        auto page = [this](const char* name) {
            auto* w = new QWidget(&root);
            w->setObjectName(name);
            new QVBoxLayout(w);
            return w;
        };
        auto button = [](QWidget* page, const char* name, const char* caption) {
            auto* b = new QPushButton(QString::fromUtf8(caption), page);
            b->setObjectName(name);
            b->setEnabled(false);
            page->layout()->addWidget(b);
        };
        auto text = [](QWidget* page, const char* name) {
            auto* t = new QPlainTextEdit(page);
            t->setObjectName(name);
            t->setFont(QFont(QStringLiteral("Courier New"), 10));
            page->layout()->addWidget(t);
            return t;
        };
        QWidget* course = page("TabCourse");
        button(course, "btnPrintCourse", "Печать");
        button(course, "btnFindCourse", "Найти");
        GridViewCourse = new QTableView(course);
        GridViewCourse->setObjectName("GridViewCourse");
        GridViewCourse->setModel(&courseModel);
        reCourse = text(course, "reCourse");
        QWidget* piket = page("TabPiket");
        button(piket, "btnPrintPiket", "Печать");
        button(piket, "btnFindPiket", "Найти");
        rePiket = text(piket, "rePiket");
        QWidget* import = page("TabImport");
        button(import, "btnPrintimport", "Печать");
        button(import, "btnFindImport", "Найти");
        GridViewImport = new QTableView(import);
        GridViewImport->setObjectName("GridViewImport");
        GridViewImport->setModel(&importModel);
        QWidget* rs232 = page("TabRs232");
        button(rs232, "btnPrintDownload", "Печать");
        button(rs232, "btnFindDownload", "Найти"); // found by its caption
        redownload = text(rs232, "redownload");
        commands = new SearchAndPrint(root, session);
        commands->install();
    }

    void setImport(const QStringList& addresses)
    {
        work.import.rows.clear();
        for (const QString& a : addresses) {
            kalimor::ImportRow row;
            row.address = cp(a);
            row.note = cp(QStringLiteral("точка ") + a);
            work.import.rows.push_back(row);
        }
        importModel.reset();
    }

    void setCourseNames(const QStringList& names)
    {
        work.course.rows.assign(static_cast<std::size_t>(names.size()), {});
        for (qsizetype r = 0; r < names.size(); ++r)
            work.course.rows[static_cast<std::size_t>(r)][1].text = cp(names[r]);
        courseModel.reset();
    }

    QAction* action(const char* name) const { return root.findChild<QAction*>(name); }

    static void findNext(FindDialog& dialog, const QString& text)
    {
        dialog.findChild<QLineEdit*>("edFindText")->setText(text);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnFindNext"), Qt::LeftButton);
    }

    // Answers the print dialog with a PDF file, or cancels it with an empty name.
    void printTo(const QString& pdf, int fromPage = 0, int toPage = 0)
    {
        commands->printService().dialogOverride = [pdf, fromPage, toPage](QPrinter& printer) {
            if (pdf.isEmpty())
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageRanges(QPageRanges());
            if (fromPage > 0)
                printer.setFromTo(fromPage, toPage);
            return true;
        };
    }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfPage(const QString& pdf, int page)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                             QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

// The full-width rules at the top of a printed page, rendered at the printer's 600 dots an
// inch: the thickness in pixels of each band of rows dark across most of the page.
QList<int> rules(const QString& pdf, int page)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath("page");
    run(QStringLiteral("pdftoppm"), {"-gray", "-r", "600", "-x", "0", "-y", "0", "-W", "4960", "-H", "1200", "-f",
                                     QString::number(page), "-l", QString::number(page), "-singlefile", pdf, stem});
    const QImage image(stem + ".pgm");
    QList<int> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += row[x] < 128 ? 1 : 0;
        const bool rule = dark > image.width() * 8 / 10;
        if (rule && !inBand)
            bands << 0;
        if (rule)
            ++bands.last();
        inBand = rule;
    }
    return bands;
}

} // namespace

class SearchPrintTest : public QObject {
    Q_OBJECT
private slots:
    void installEnablesTheButtonsAndBuildsTheMenus();
    void tableSearchEdges_data();
    void tableSearchEdges();
    void aColumnLeftByTheOtherMenuDoesNothing();
    void textSearchVisitsEachOccurrenceOnceThenStops();
    void textSearchIsCaseExactAndStartsAfterTheSelection();
    void longTableContinuesWithoutTheHeading();
    void tablePrintingHonoursThePageRange();
    void textPrintingCarriesTheJobNameAndTheFixedFont();
    void cancelledPrintDialogPrintsNothing();
    void unwritablePdfIsReported();
    void pageRowsBreakBeforeTheBottomMargin();
    void everyRowIsRuledUnderItsCells();
    void manualPrefersTheDocBesideTheProgram();
    void theMainWindowsPagesAreSearchedAndPrinted();
    void helpWithoutTheDocOpensTheHtmlManual();
};

void SearchPrintTest::installEnablesTheButtonsAndBuildsTheMenus()
{
    Pages pages;
    for (const char* name : {"btnPrintCourse", "btnFindCourse", "btnPrintPiket", "btnFindPiket", "btnPrintimport",
                             "btnFindImport", "btnPrintDownload", "btnFindDownload"})
        QVERIFY2(pages.root.findChild<QPushButton*>(name)->isEnabled(), name);

    auto captions = [&](const char* button) {
        QStringList texts;
        if (QMenu* menu = pages.root.findChild<QPushButton*>(button)->menu())
            for (QAction* a : menu->actions())
                texts << a->text();
        return texts;
    };
    QCOMPARE(captions("btnFindImport"), (QStringList{"Адрес...", "Расстояние...", "Горизонтальный угол...",
                                                     "Вертикальный угол...", "Примечание..."}));
    QCOMPARE(captions("btnFindCourse"), (QStringList{"Точку", "Горизонтальный угол", "Расстояние", "Вертикальный угол",
                                                     "Высоту инструмента/пикета"}));
    QCOMPARE(captions("btnPrintCourse"), (QStringList{"Таблица", "Ведомость"}));
    QVERIFY(captions("btnFindPiket").isEmpty()); // plain buttons open their dialog at once

    // Each menu item names its column; the dialog shows the disabled options.
    const std::pair<const char*, int> items[] = {
        {"mnuFindAddress", 1}, {"mnuFindDistance", 2},    {"mnuFindHz", 3},       {"mnuFindV", 4},
        {"mnuFindNote", 8},    {"mnuFindPoint", 1},       {"mnuFindCourseHz", 2}, {"mnuFindCourseSD", 3},
        {"mnuFindCourseV", 4}, {"mnuFindCourseHeight", 5}};
    for (const auto& [name, column] : items) {
        pages.action(name)->trigger();
        QCOMPARE(pages.commands->searchColumn(), column);
    }
    QVERIFY(pages.commands->importFindDialog().isVisible());
    QVERIFY(pages.commands->courseFindDialog().isVisible());
    QVERIFY(!pages.commands->importFindDialog().isModal());
    for (QCheckBox* option : pages.commands->importFindDialog().findChildren<QCheckBox*>())
        QVERIFY(!option->isEnabled());

    QTest::mouseClick(pages.root.findChild<QPushButton*>("btnFindDownload"), Qt::LeftButton);
    QVERIFY(pages.commands->downloadFindDialog().isVisible());
    QTest::mouseClick(pages.root.findChild<QPushButton*>("btnFindPiket"), Qt::LeftButton);
    QVERIFY(pages.commands->piketFindDialog().isVisible());
}

void SearchPrintTest::tableSearchEdges_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedRow");
    // Import addresses 5 120 7 12 9; traverse names "", ТС, "", PT5, "", PT6, "".
    QTest::newRow("import: 12 from the last row wraps to 120") << "mnuFindAddress" << 4 << "12" << 1;
    QTest::newRow("import: the next match below") << "mnuFindAddress" << 1 << "12" << 3;
    QTest::newRow("import: the only match is the current row") << "mnuFindAddress" << 2 << "7" << 2;
    QTest::newRow("import: no match keeps the row") << "mnuFindAddress" << 2 << "8" << 2;
    QTest::newRow("import: empty text steps to the next row") << "mnuFindAddress" << 2 << "" << 3;
    QTest::newRow("import: note column") << "mnuFindNote" << 0 << "точка 9" << 4;
    QTest::newRow("course: pt finds PT5") << "mnuFindPoint" << 0 << "pt" << 3;
    QTest::newRow("course: тс does not find ТС") << "mnuFindPoint" << 3 << "тс" << 3;
    QTest::newRow("course: ТС found after wrapping") << "mnuFindPoint" << 3 << "ТС" << 1;
}

void SearchPrintTest::tableSearchEdges()
{
    QFETCH(QString, menuItem);
    QFETCH(int, currentRow);
    QFETCH(QString, text);
    QFETCH(int, expectedRow);
    Pages pages;
    pages.setImport({"5", "120", "7", "12", "9"});
    pages.setCourseNames({"", "ТС", "", "PT5", "", "PT6", ""});
    const bool import = menuItem != "mnuFindPoint";
    QTableView* view = import ? pages.GridViewImport : pages.GridViewCourse;
    view->setCurrentIndex(view->model()->index(currentRow, 1));
    pages.action(menuItem.toLatin1().constData())->trigger();
    FindDialog& dialog = import ? pages.commands->importFindDialog() : pages.commands->courseFindDialog();
    Pages::findNext(dialog, text);
    QCOMPARE(view->currentIndex().row(), expectedRow);
    QVERIFY(dialog.isVisible()); // stays open and keeps its text for the next press
    QCOMPARE(dialog.text(), text);
}

void SearchPrintTest::aColumnLeftByTheOtherMenuDoesNothing()
{
    Pages pages;
    pages.setImport({"1", "2"});
    pages.setCourseNames({"", "1", "", "2", "", "3", ""});
    for (auto& row : pages.work.course.rows)
        for (auto& cell : row)
            cell.text = "1"; // every column of every row would match
    pages.action("mnuFindPoint")->trigger();
    pages.GridViewCourse->setCurrentIndex(pages.courseModel.index(2, 1));
    pages.action("mnuFindNote")->trigger(); // the import menu leaves column 8
    Pages::findNext(pages.commands->courseFindDialog(), "1");
    QCOMPARE(pages.GridViewCourse->currentIndex().row(), 2);

    pages.action("mnuFindCourseHeight")->trigger(); // column 5 is no import column
    pages.GridViewImport->setCurrentIndex(pages.importModel.index(0, 1));
    Pages::findNext(pages.commands->importFindDialog(), "");
    QCOMPARE(pages.GridViewImport->currentIndex().row(), 0);
}

void SearchPrintTest::textSearchVisitsEachOccurrenceOnceThenStops()
{
    Pages pages;
    pages.rePiket->setPlainText(QStringLiteral("Ст. ТС1\nТС1 ТС12\nтс1"));
    QList<int> visited;
    for (int press = 0; press < 5; ++press) {
        Pages::findNext(pages.commands->piketFindDialog(), QStringLiteral("ТС1"));
        visited << pages.rePiket->textCursor().selectionStart();
        QCOMPARE(pages.rePiket->textCursor().selectedText(), QStringLiteral("ТС1"));
    }
    QCOMPARE(visited, (QList<int>{4, 8, 12, 12, 12})); // the last stays selected: no wrap
}

void SearchPrintTest::textSearchIsCaseExactAndStartsAfterTheSelection()
{
    Pages pages;
    pages.redownload->setPlainText(QStringLiteral("ABC abc"));
    QTextCursor c = pages.redownload->textCursor();
    c.setPosition(2); // a cursor without selection: the search starts at the beginning
    pages.redownload->setTextCursor(c);
    Pages::findNext(pages.commands->downloadFindDialog(), QStringLiteral("abc"));
    QCOMPARE(pages.redownload->textCursor().selectionStart(), 4);

    // Characters outside the code page, one beyond UTF-16's single units, keep positions right.
    pages.redownload->setPlainText(QStringLiteral("\U0001F600 \u2211 abc"));
    Pages::findNext(pages.commands->downloadFindDialog(), QStringLiteral("abc"));
    QCOMPARE(pages.redownload->textCursor().selectedText(), QStringLiteral("abc"));

    pages.redownload->setPlainText(QStringLiteral("ABC"));
    Pages::findNext(pages.commands->downloadFindDialog(), QStringLiteral("abc"));
    QVERIFY(!pages.redownload->textCursor().hasSelection());
}

void SearchPrintTest::longTableContinuesWithoutTheHeading()
{
    Pages pages;
    QStringList addresses;
    for (int i = 1; i <= 300; ++i)
        addresses << QStringLiteral("A%1").arg(i, 4, 10, QLatin1Char('0'));
    pages.setImport(addresses);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("import.pdf");
    pages.printTo(pdf);
    QTest::mouseClick(pages.root.findChild<QPushButton*>("btnPrintimport"), Qt::LeftButton);
    QVERIFY(pages.prompts.errors.isEmpty());

    const int count = pdfPages(pdf);
    QVERIFY2(count >= 2, qPrintable(QString::number(count)));
    const QString first = pdfPage(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("Адрес (номер)")));
    QVERIFY(first.contains(QStringLiteral("Примечание")));
    QVERIFY(first.contains("A0001"));
    QString all = first;
    for (int page = 2; page <= count; ++page) {
        const QString text = pdfPage(pdf, page);
        QVERIFY2(!text.contains(QStringLiteral("Адрес (номер)")), qPrintable(QString::number(page)));
        QVERIFY(!text.trimmed().isEmpty());
        all += text;
    }
    for (const QString& a : addresses) // every row printed exactly once
        QCOMPARE(all.count(a), 2);     // the address and the note
}

void SearchPrintTest::tablePrintingHonoursThePageRange()
{
    Pages pages;
    QStringList addresses;
    for (int i = 1; i <= 300; ++i)
        addresses << QStringLiteral("R%1").arg(i, 4, 10, QLatin1Char('0'));
    pages.setImport(addresses);
    QTemporaryDir dir;
    pages.printTo(dir.filePath("all.pdf"));
    pages.commands->btnPrintimportClick();
    const int all = pdfPages(dir.filePath("all.pdf"));
    QVERIFY(all >= 2);

    pages.printTo(dir.filePath("second.pdf"), 2, 2);
    pages.commands->btnPrintimportClick();
    QCOMPARE(pdfPages(dir.filePath("second.pdf")), 1);
    QCOMPARE(pdfPage(dir.filePath("second.pdf"), 1), pdfPage(dir.filePath("all.pdf"), 2));
}

void SearchPrintTest::textPrintingCarriesTheJobNameAndTheFixedFont()
{
    Pages pages;
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("%1 ТС%2   100.000  200.000").arg(i, 4).arg(i);
    pages.rePiket->setPlainText(lines.join('\n'));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("piket.pdf");
    pages.printTo(pdf);
    QTest::mouseClick(pages.root.findChild<QPushButton*>("btnPrintPiket"), Qt::LeftButton);
    QVERIFY(pdfPages(pdf) >= 2);
    QVERIFY(run("pdfinfo", {pdf}).contains(QStringLiteral("Ведомость тахеометрии")));
    const QString fonts = run("pdffonts", {pdf});
    QVERIFY2(fonts.contains("Mono") || fonts.contains("Courier"), qPrintable(fonts));
    QString text;
    for (int page = 1; page <= pdfPages(pdf); ++page)
        text += pdfPage(pdf, page);
    // pdftotext approximates the blanks of the layout.
    const auto line = [&](int n) {
        return QRegularExpression(QStringLiteral("^\\s*%1 ТС%1\\s+100\\.000\\s+200\\.000$").arg(n),
                                  QRegularExpression::MultilineOption);
    };
    QVERIFY(text.contains(line(1)));
    QVERIFY(text.contains(line(150)));

    // The page range of the dialog holds for texts too.
    pages.printTo(dir.filePath("piket2.pdf"), 2, 2);
    pages.commands->btnPrintPiketClick();
    QCOMPARE(pdfPages(dir.filePath("piket2.pdf")), 1);
    QCOMPARE(pdfPage(dir.filePath("piket2.pdf"), 1), pdfPage(pdf, 2));

    pages.printTo(dir.filePath("course.pdf"));
    pages.reCourse->setPlainText(QStringLiteral("Ведомость"));
    pages.action("mnuPrintCourseStatement")->trigger();
    QVERIFY(run("pdfinfo", {dir.filePath("course.pdf")}).contains(QStringLiteral("Ведомость хода")));
    pages.printTo(dir.filePath("rs.pdf"));
    pages.redownload->setPlainText(QStringLiteral("12 100.5"));
    pages.commands->btnPrintDownloadClick();
    QVERIFY(run("pdfinfo", {dir.filePath("rs.pdf")}).contains(QStringLiteral("Файл с данными")));
}

void SearchPrintTest::cancelledPrintDialogPrintsNothing()
{
    Pages pages;
    pages.setCourseNames({"", "PT1", "", "PT2", "", "PT3", ""});
    QTemporaryDir dir;
    int asked = 0;
    pages.commands->printService().dialogOverride = [&](QPrinter&) {
        ++asked;
        return false;
    };
    pages.action("mnuPrintCourseTable")->trigger();
    pages.commands->btnPrintPiketClick();
    QCOMPARE(asked, 2);
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(pages.prompts.errors.isEmpty());

    // The table of the traverse prints under its own heading.
    const QString pdf = dir.filePath("course.pdf");
    pages.printTo(pdf);
    pages.action("mnuPrintCourseTable")->trigger();
    QVERIFY(pdfPage(pdf, 1).contains("PT3"));
}

void SearchPrintTest::unwritablePdfIsReported()
{
    Pages pages;
    pages.setImport({"1"});
    pages.redownload->setPlainText("x");
    pages.printTo("/nonexistent-folder/out.pdf");
    pages.commands->btnPrintimportClick();
    pages.commands->btnPrintDownloadClick();
    QCOMPARE(pages.prompts.errors, (QStringList{"Unable to write to /nonexistent-folder/out.pdf",
                                                "Unable to write to /nonexistent-folder/out.pdf"}));
}

void SearchPrintTest::pageRowsBreakBeforeTheBottomMargin()
{
    using print::TablePageRows;
    // Page 1: 10 + 85 heading, rows of 86 to the bottom margin at height - 10.
    QCOMPARE(TablePageRows(0, 1000, 85), (std::vector<int>{0}));
    QCOMPARE(TablePageRows(10, 10 + 85 + 86 * 3 + 10, 85), (std::vector<int>{3, 3, 3, 1})); // exact fit
    QCOMPARE(TablePageRows(4, 10 + 85 + 86 * 3 + 9, 85), (std::vector<int>{2, 2}));         // one pixel short
    QCOMPARE(TablePageRows(7, 10 + 100 + 86 * 2 + 10, 100), (std::vector<int>{2, 3, 2}));
    QCOMPARE(TablePageRows(2, 50, 100), (std::vector<int>{1, 1})); // a page always takes a row
}

void SearchPrintTest::everyRowIsRuledUnderItsCells()
{
    Pages pages;
    pages.setImport({"1", "2", "3", "4", "5"});
    QTemporaryDir dir;
    const QString pdf = dir.filePath("ruled.pdf");
    pages.printTo(pdf);
    pages.commands->btnPrintimportClick();
    const QList<int> lines = rules(pdf, 1);
    QCOMPARE(lines.size(), 1 + 5); // the heading's rule and one line under each row
    for (int thickness : lines)    // not half hidden under the next row's background
        QVERIFY2(thickness >= 3, qPrintable(QString::number(thickness)));
}

void SearchPrintTest::manualPrefersTheDocBesideTheProgram()
{
    QTemporaryDir dir;
    const QString html = HtmlManualPath(dir.path());
    QVERIFY2(html.endsWith("index.html") && QFile::exists(html), qPrintable(html));
    FakePrompts prompts;
    OpenUserManual(prompts, dir.path());
    QCOMPARE(prompts.opened, QStringList{html});

    QFile doc(dir.filePath("Kalimor.doc"));
    QVERIFY(doc.open(QIODevice::WriteOnly));
    doc.close();
    OpenUserManual(prompts, dir.path());
    QCOMPARE(prompts.opened.last(), dir.filePath("Kalimor.doc"));

    // Installed beside the program: bin/../share/kalimor/manual.
    QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("share/kalimor/manual"));
    QFile installed(dir.filePath("share/kalimor/manual/index.html"));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(UserManualPath(dir.filePath("bin")), QFileInfo(installed).absoluteFilePath());
}

void SearchPrintTest::theMainWindowsPagesAreSearchedAndPrinted()
{
    FakePrompts prompts;
    TFrmMain window(prompts);
    auto* commands = window.findChild<SearchAndPrint*>("SearchAndPrint");
    QVERIFY(commands);
    for (const char* name : {"btnPrintCourse", "btnFindCourse", "btnPrintPiket", "btnFindPiket", "btnPrintimport",
                             "btnFindImport", "btnPrintDownload", "btnFindDownload"})
        QVERIFY2(window.findChild<QAbstractButton*>(name)->isEnabled(), name);
    QTemporaryDir dir;

    // Import: a user-text file through the page's own open dialog, then search and print.
    const QString utf = dir.filePath("pk.utf");
    QFile file(utf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("5 100.5 10.3 -0.1 0 ST5\r\n120 1 2 3 0 P120\r\n7 1 2 3 1 P7\r\n12 1 2 3 0 P12\r\n");
    file.close();
    prompts.fileNames.enqueue(utf);
    prompts.filters.enqueue(6);
    QTest::mouseClick(window.findChild<QPushButton*>("btnM5Select"), Qt::LeftButton);
    auto* grid = window.findChild<QTableView*>("GridViewImport");
    QCOMPARE(grid->model()->rowCount(), 4);
    grid->setCurrentIndex(grid->model()->index(3, 1));
    window.findChild<QAction*>("mnuFindAddress")->trigger();
    Pages::findNext(commands->importFindDialog(), "12");
    QCOMPARE(grid->currentIndex().row(), 1);
    window.findChild<QAction*>("mnuFindNote")->trigger();
    Pages::findNext(commands->importFindDialog(), "p1");
    QCOMPARE(grid->currentIndex().row(), 3);

    const QString pdf = dir.filePath("import.pdf");
    commands->printService().dialogOverride = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    QTest::mouseClick(window.findChild<QPushButton*>("btnPrintimport"), Qt::LeftButton);
    const QString printed = pdfPage(pdf, 1);
    QVERIFY2(printed.contains(QStringLiteral("Адрес (номер)")) && printed.contains("P120"), qPrintable(printed));
    QVERIFY(!printed.contains(QStringLiteral("Точка хода")) ||
            printed.indexOf(QStringLiteral("Точка хода")) < printed.indexOf("P120"));

    // Traverse: a point name typed into the table is found by its Latin prefix in any case.
    auto* course = window.findChild<QTableView*>("GridViewCourse");
    QVERIFY(course->model()->setData(course->model()->index(3, 1), QStringLiteral("PT5"), Qt::EditRole));
    course->setCurrentIndex(course->model()->index(0, 1));
    window.findChild<QAction*>("mnuFindPoint")->trigger();
    Pages::findNext(commands->courseFindDialog(), "pt");
    QCOMPARE(course->currentIndex().row(), 3);

    // RS-232: the received text, searched with exact case.
    auto* redownload = window.findChild<QPlainTextEdit*>("redownload");
    redownload->setPlainText("abc ABC abc");
    QTest::mouseClick(window.findChild<QPushButton*>("btnFindDownload"), Qt::LeftButton);
    QVERIFY(commands->downloadFindDialog().isVisible());
    Pages::findNext(commands->downloadFindDialog(), "abc");
    Pages::findNext(commands->downloadFindDialog(), "abc");
    QCOMPARE(redownload->textCursor().selectionStart(), 8);
    QVERIFY(prompts.errors.isEmpty());
}

void SearchPrintTest::helpWithoutTheDocOpensTheHtmlManual()
{
    // No Kalimor.doc beside the test program: "Справка" falls back to the HTML manual, once.
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/Kalimor.doc"));
    FakePrompts prompts;
    TFrmMain window(prompts);
    window.findChild<QAction*>("MnuHelp")->trigger();
    QCOMPARE(prompts.opened.size(), 1);
    QVERIFY(prompts.opened.first().endsWith("manual/index.html"));
    QTest::mouseClick(window.findChild<QAbstractButton*>("TbHelp"), Qt::LeftButton);
    QCOMPARE(prompts.opened.size(), 2);
}

QTEST_MAIN(SearchPrintTest)
#include "SearchPrintTest.moc"
