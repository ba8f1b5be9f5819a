// The page "Импорт" driven through its controls in the real main window.
#include "FakePrompts.h"
#include "app/main/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSamples = QStringLiteral(KALIMOR_SHARED_SAMPLES);
const QString kData = QStringLiteral(KALIMOR_TEST_DATA "/intake/");

} // namespace

class ImportPageTest : public QObject {
    Q_OBJECT

    FakePrompts prompts;
    std::unique_ptr<TFrmMain> window;
    QTemporaryDir dir;

    template <class T> T* child(const char* name)
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QTableView* table() { return child<QTableView>("GridViewImport"); }
    QAbstractItemModel* model() { return table()->model(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString cell(int row, int column) { return model()->index(row, column).data().toString(); }

    // "..." with the file and the filter item (from 0) chosen in the dialog.
    void openWithDialog(const QString& path, int filter)
    {
        prompts.fileNames.enqueue(path);
        prompts.filters.enqueue(filter);
        click("btnM5Select");
    }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Selects whole rows as the user does with Ctrl+click.
    void selectRows(std::initializer_list<int> rows)
    {
        table()->clearSelection();
        for (int r : rows) {
            const QRect rect = table()->visualRect(model()->index(r, 1));
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
        }
    }

private slots:
    void init()
    {
        prompts = FakePrompts();
        window = std::make_unique<TFrmMain>(prompts);
        window->resize(900, 700);
        window->show();
        window->showPage(3);
    }
    void cleanup() { window.reset(); }

    void openDialogOffersTheSevenFiltersAndImportsAtOnce()
    {
        QCOMPARE(child<QLabel>("pAllString")->text(), QStringLiteral("Всего строк: 0"));
        QCOMPARE(child<QLabel>("SelectRow")->text(), QStringLiteral("Выбрано строк: 0"));
        openWithDialog(kSamples + "/m5/180416-1.m5", 0);
        QCOMPARE(prompts.lastTitle, QStringLiteral("Открыть файл с измерениями"));
        QCOMPARE(prompts.lastFilters.size(), 7);
        QVERIFY(prompts.lastFilters[0].startsWith(QStringLiteral("Файлы R4/R5/M5/Rec500 (наклонное расстояние)")));
        QCOMPARE(prompts.lastFilters[6], QStringLiteral("Пользовательские файлы (*.utf)"));
        QCOMPARE(child<QLineEdit>("edFileName")->text(), kSamples + "/m5/180416-1.m5");
        const int rows = model()->rowCount();
        QVERIFY(rows > 12);
        QCOMPARE(child<QLabel>("pAllString")->text(), QStringLiteral("Всего строк: %1").arg(rows));
        QCOMPARE(cell(1, 0), QStringLiteral("2"));
        QCOMPARE(cell(1, 1), QStringLiteral("00002"));
        QCOMPARE(cell(1, 3), QStringLiteral("110.0849"));
        QCOMPARE(model()->index(1, 5).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(cell(1, 8), QStringLiteral("A0"));
        QVERIFY(table()->isColumnHidden(6) && table()->isColumnHidden(7));
        QCOMPARE(model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Точка хода"));
        QCOMPARE(child<QComboBox>("cbBegin")->currentText(), QStringLiteral("00001"));
        QCOMPARE(child<QComboBox>("cbEnd")->currentIndex(), rows - 1);

        // A cancelled dialog changes nothing.
        click("btnM5Select");
        QCOMPARE(model()->rowCount(), rows);
    }

    void openButtonReadsTheTypedNameWithTheLastFilter()
    {
        writeFile("a.utf", "1 10 20 30 1 A\r\n2 11 21 31 0 B\r\n3 12 22 32 0 C\r\n");
        openWithDialog(dir.filePath("a.utf"), 6);
        QCOMPARE(model()->rowCount(), 3);
        writeFile("b.utf", "7 1 2 3 0 X\r\n");
        child<QLineEdit>("edFileName")->clear();
        QTest::keyClicks(child<QLineEdit>("edFileName"), dir.filePath("b.utf"));
        click("btnM5Open");
        QCOMPARE(model()->rowCount(), 1);
        QCOMPARE(cell(0, 1), QStringLiteral("7"));
        QCOMPARE(child<QComboBox>("cbEnd")->currentText(), QStringLiteral("7"));

        // A missing file: the critical box, an empty table.
        child<QLineEdit>("edFileName")->setText(dir.filePath("missing.utf"));
        click("btnM5Open");
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY(prompts.errors[0].startsWith(QStringLiteral("Cannot open file ")));
        QCOMPARE(model()->rowCount(), 0);
    }

    void conversionStopShowsTheErrorAndTheRowsBefore()
    {
        openWithDialog(kData + "stop.txt", 3);
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("'12AB4530' is not a valid floating point value")});
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(cell(1, 1), QString());
        QCOMPARE(child<QComboBox>("cbBegin")->currentText(), QString());
        QCOMPARE(child<QLabel>("pAllString")->text(), QStringLiteral("Всего строк: 0"));
    }

    void markedRowsGoToTheTraverseAndSelectedRowsToThePickets()
    {
        writeFile("c.utf", "101 150.25 0 1.2 1 A\r\n5 10 20 30 0 B\r\n102 120.5 180.3 -0.5 1 C\r\n"
                           "6 11 21 31 0 D\r\n105 90 95.3045 0 0 E\r\n");
        openWithDialog(dir.filePath("c.utf"), 6);
        // Check the fifth row's box by hand.
        QVERIFY(model()->setData(model()->index(4, 5), Qt::Checked, Qt::CheckStateRole));
        click("btnToCourse");
        kalimor::Work& work = window->work();
        QCOMPARE(work.course.SePointCourseCount, 3);
        QCOMPARE(work.course.points[2].Name, std::string("105"));
        QCOMPARE(child<QPlainTextEdit>("reImport")->toPlainText(), QStringLiteral("Данные загружены в ход."));
        QVERIFY(work.course.outcome != kalimor::AdjustOutcome::None);

        selectRows({1, 3});
        QCOMPARE(child<QLabel>("SelectRow")->text(), QStringLiteral("Выбрано строк: 2"));
        click("btnTopiket");
        QCOMPARE(work.piket.sePointPiketCount, 2);
        QCOMPARE(work.piket.pickets[0].name, std::string("5"));
        QCOMPARE(work.piket.pickets[1].name, std::string("6"));
        QCOMPARE(child<QPlainTextEdit>("reImport")->toPlainText(), QStringLiteral("Данные загружены в пикетаж."));
        // The selection survives the refresh that follows the transfer.
        QCOMPARE(table()->selectionModel()->selectedRows().size(), 2);
    }

    void editsAndMarksReachTheWork()
    {
        writeFile("d.utf", "1 10 20 30 0 A\r\n2 11 21 31 0 B\r\n");
        openWithDialog(dir.filePath("d.utf"), 6);
        QVERIFY(model()->setData(model()->index(0, 2), QStringLiteral("99.5")));
        QCOMPARE(window->work().import.rows[0].slopeDistance, std::string("99.5"));
        QVERIFY(!(model()->flags(model()->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(model()->flags(model()->index(0, 8)) & Qt::ItemIsEditable);

        child<QAction>("N17")->trigger();
        QCOMPARE(model()->index(1, 5).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(window->work().import.rows[1].station);
        child<QAction>("N16")->trigger();
        QVERIFY(!window->work().import.rows[0].station && !window->work().import.rows[1].station);
    }

    void rangeDisplayAndSaving()
    {
        QString text;
        for (int k = 1; k <= 12; ++k)
            text += QStringLiteral("%1 %2 1 2 0 P%1\r\n").arg(k).arg(k * 10);
        writeFile("e.utf", text.toLatin1());
        openWithDialog(dir.filePath("e.utf"), 6);

        auto* begin = child<QComboBox>("cbBegin");
        auto* end = child<QComboBox>("cbEnd");
        QCOMPARE(begin->count(), 12);
        begin->setCurrentIndex(9);
        emit begin->activated(9);
        end->setCurrentIndex(2);
        emit end->activated(2);
        click("btnShowSelect");
        QCOMPARE(model()->rowCount(), 8);
        QCOMPARE(cell(0, 1), QStringLiteral("3"));
        QCOMPARE(child<QLabel>("pAllString")->text(), QStringLiteral("Всего строк: 8"));

        prompts.fileNames.enqueue(dir.filePath("part"));
        click("btnSaveSelect");
        QCOMPARE(prompts.lastTitle, QStringLiteral("Сохранить"));
        QCOMPARE(prompts.lastProposedName, QStringLiteral("с_10_по_3"));
        QFile saved(dir.filePath("part.utf"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("3 30 1 2 0 P3\r\n4 40 1 2 0 P4\r\n"));

        // A box without text: the warning, the table unchanged.
        begin->setEditText(QString());
        click("btnShowSelect");
        QCOMPARE(prompts.informations, QStringList{QStringLiteral("Не выбрана часть файла!")});
        QCOMPARE(model()->rowCount(), 8);
        // Typed text naming an address selects it.
        QTest::keyClicks(begin, "12");
        click("btnShowSelect");
        QCOMPARE(model()->rowCount(), 10);
    }

    void layoutFollowsTheWidth()
    {
        auto* page = window->findChild<QWidget*>("TabImport");
        page->resize(674 + 60, 500);
        QCOMPARE(child<QPushButton>("btnToCourse")->width(), 88);
        QCOMPARE(child<QPushButton>("btnToCourse")->x(), 9 + 88 + 3);
        QCOMPARE(child<QLabel>("pAllString")->width(), 170);
        QCOMPARE(child<QLineEdit>("edFileName")->width(), 566);
        QCOMPARE(child<QComboBox>("cbBegin")->x(), 8 + 297 + 3);
        // The page is one group under its caption; the controls sit inside it, below the caption.
        auto* group = child<QGroupBox>("grpImport");
        QCOMPARE(group->title(), QStringLiteral("Импорт файлов геодезических инструментов"));
        QCOMPARE(group->size(), page->size());
        for (const char* name : {"btnToCourse", "edFileName", "GridViewImport", "reImport", "btnSaveSelect"}) {
            auto* control = child<QWidget>(name);
            QCOMPARE(control->parentWidget(), group);
            QVERIFY2(control->y() >= group->fontMetrics().height(), name);
            QVERIFY2(control->geometry().bottom() < group->height(), name);
        }
    }
};

QTEST_MAIN(ImportPageTest)
#include "ImportPageTest.moc"
