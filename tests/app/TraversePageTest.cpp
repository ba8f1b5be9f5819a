// The page "Линейно-угловой ход" driven through its controls in the real main window.
#include "app/traverse/TraversePage.h"
#include "FakePrompts.h"
#include "app/QtText.h"
#include "app/main/MainWindow.h"
#include "core/Codepage.h"
#include "traverse/CourseTable.h"
#include "work/Work.h"

#include <QBrush>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <cmath>

using kalimor::LegRow;
using kalimor::PointRow;
namespace col = kalimor::col;

class TraversePageTest : public QObject {
    Q_OBJECT

private:
    template <class T> T* child(TFrmMain& w, const char* name)
    {
        auto* c = w.findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    // Types into the table as the cell editor does: through the view's model.
    static void type(QTableView* view, int row, int column, const QString& text)
    {
        QVERIFY(view->model()->setData(view->model()->index(row, column), text, Qt::EditRole));
    }
    static QString cell(QTableView* view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }

    void typeWorkedExample(TFrmMain& w)
    {
        auto* count = child<QSpinBox>(w, "SePointCourseCount");
        count->setValue(4);
        auto* view = child<QTableView>(w, "GridViewCourse");
        QCOMPARE(view->model()->rowCount(), 9);
        const QStringList names{"A", "1", "2", "B"}, hz{"135.001", "234.5955", "140.0005", "120"},
            i{"1.5", "1.45", "1.52", "1.48"}, sd{"150.045", "200.01", "180"}, v{"1.3", "-0.3", "0"},
            t{"1.6", "1.5", "2"};
        for (int k = 0; k < 4; ++k) {
            type(view, PointRow(k), col::Name, names[k]);
            type(view, PointRow(k), col::Hz, hz[k]);
            type(view, PointRow(k), col::IV, i[k]);
            if (k < 3) {
                type(view, LegRow(k), col::SD, sd[k]);
                type(view, LegRow(k), col::V, v[k]);
                type(view, LegRow(k), col::IV, t[k]);
            }
        }
        type(view, 0, col::Dir, "90");
        type(view, 8, col::Dir, "0");
        type(view, 1, col::X, "1000");
        type(view, 1, col::Y, "1200");
        type(view, 1, col::H, "100");
        type(view, 7, col::X, "1161.336");
        type(view, 7, col::Y, "1658.912");
        type(view, 7, col::H, "101.564");
    }

private slots:
    void controlsCarryTheirCaptionsItemsAndHeaders()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        auto items = [](QComboBox* box) {
            QStringList l;
            for (int k = 0; k < box->count(); ++k)
                l << box->itemText(k);
            return l;
        };
        QCOMPARE(items(child<QComboBox>(w, "cbTypeCourse")),
                 (QStringList{"Разомкнутый ход", "Замкнутый ход", "Ход без примычных углов", "Висячий ",
                              "Висячий, оканчивается на твердую точку "}));
        QCOMPARE(items(child<QComboBox>(w, "cdTypeAngleCourse")), (QStringList{"Левые углы ", "Правые углы"}));
        QCOMPARE(child<QComboBox>(w, "cbUseDirorCoord")->currentIndex(), 1);
        QCOMPARE(child<QComboBox>(w, "cbSelectCourseTemplate")->currentIndex(), 0);
        auto* count = child<QSpinBox>(w, "SePointCourseCount");
        QCOMPARE(count->value(), 3);
        QCOMPARE(count->minimum(), 3);
        QCOMPARE(count->maximum(), 200);
        const QStringList captions{"Печать",  "Найти",  "Утилиты",  "Добавить",
                                   "Удалить", "Авто №", "Уравнять", "Экспорт"};
        const char* names[] = {"btnPrintCourse", "btnFindCourse", "btnUtilCourse", "btnAddCourse",
                               "btnDelCourse",   "btnAutoCourse", "btnCalcCourse", "btnSaveCourse"};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(child<QPushButton>(w, names[k])->text(), captions[k]);

        auto* view = child<QTableView>(w, "GridViewCourse");
        QCOMPARE(view->model()->columnCount(), 18);
        QCOMPARE(view->model()->rowCount(), 7);
        QCOMPARE(view->model()->headerData(3, Qt::Horizontal).toString(), QString("Расстояние (SD)"));
        QCOMPARE(view->model()->headerData(5, Qt::Horizontal).toString(), QString("i > v"));
        QCOMPARE(view->columnWidth(0), 26);
        QCOMPARE(view->columnWidth(13), 78);
        QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
        auto* footer = child<QHeaderView>(w, "GridViewCourseFooter");
        QCOMPARE(footer->model()->headerData(1, Qt::Horizontal).toString(), QString("Точка хода"));
        QCOMPARE(footer->model()->headerData(4, Qt::Horizontal).toString(), QString("Верт. угол"));
        // Input cells in their colour, result cells plain.
        QCOMPARE(view->model()->index(1, col::Hz).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(213, 231, 249));
        QVERIFY(!view->model()->index(2, col::HD).data(Qt::BackgroundRole).isValid());
        QCOMPARE(child<QPlainTextEdit>(w, "reCourse")->font().family(), QString("Courier New"));
    }

    void typingThenAdjustFillsResultsStatusAndStatement()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        typeWorkedExample(w);
        auto* view = child<QTableView>(w, "GridViewCourse");
        QTest::mouseClick(child<QPushButton>(w, "btnCalcCourse"), Qt::LeftButton);
        QCOMPARE(cell(view, PointRow(1), col::X), QString("1106.061"));
        QCOMPARE(cell(view, LegRow(2), col::HD), QString("180"));
        QCOMPARE(cell(view, LegRow(0), col::FA), QString("-0.00025"));
        QCOMPARE(qs(w.work().course.statusText), QString("Угловая невязка в допуске"));
        const QString statement = child<QPlainTextEdit>(w, "reCourse")->toPlainText();
        QVERIFY(statement.contains("ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТЕОДОЛИТНОГО ХОДА"));
        QVERIFY(statement.contains(" Относительная линейная невязка Fотн: 1/49463"));
        QCOMPARE(w.work().piket.stationList.size(), std::size_t(4));
        if (auto* pane = w.findChild<QLabel*>("StStatusCalc"))
            QCOMPARE(pane->text(), QString("Угловая невязка в допуске"));

        // Out of tolerance: the verdict blinks.
        type(view, PointRow(0), col::Hz, "135.05");
        QTest::mouseClick(child<QPushButton>(w, "btnCalcCourse"), Qt::LeftButton);
        QCOMPARE(qs(w.work().course.statusText), QString("Угловая невязка не в допуске!!!"));
        QVERIFY(w.work().course.statusBlink);
    }

    void adjustingKeepsTheSelectionOfTheSameTable()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        typeWorkedExample(w);
        auto* view = child<QTableView>(w, "GridViewCourse");
        const QModelIndex picked = view->model()->index(PointRow(2), col::Hz);
        view->selectionModel()->setCurrentIndex(picked, QItemSelectionModel::ClearAndSelect);
        QTest::mouseClick(child<QPushButton>(w, "btnCalcCourse"), Qt::LeftButton);
        QCOMPARE(view->currentIndex(), picked);
        QVERIFY(view->selectionModel()->isSelected(picked));
        // Another count is another table.
        child<QSpinBox>(w, "SePointCourseCount")->setValue(200);
        QCOMPARE(view->model()->rowCount(), 401);
        QCOMPARE(cell(view, PointRow(3), col::Name), QString("B"));
    }

    void unreadableCellIsShownInRed()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        typeWorkedExample(w);
        auto* view = child<QTableView>(w, "GridViewCourse");
        type(view, LegRow(1), col::SD, "2OO.01");
        QTest::mouseClick(child<QPushButton>(w, "btnCalcCourse"), Qt::LeftButton);
        QCOMPARE(cell(view, LegRow(1), col::SD), QString("0"));
        QCOMPARE(view->model()->index(LegRow(1), col::SD).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::red));
        QVERIFY(prompts.errors.isEmpty());
    }

    void templateHidesAndShowsTheHeightColumns()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        auto* view = child<QTableView>(w, "GridViewCourse");
        for (int c : {5, 15, 16, 17})
            QVERIFY(view->isColumnHidden(c));
        child<QComboBox>(w, "cbSelectCourseTemplate")->setCurrentIndex(1);
        for (int c : {5, 15, 16, 17})
            QVERIFY(!view->isColumnHidden(c));
        QVERIFY(w.work().course.statement.empty()); // nothing recomputed
    }

    void angleTypeAndSourceKindReadjustTheKindDoesNot()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        typeWorkedExample(w);
        child<QComboBox>(w, "cbTypeCourse")->setCurrentIndex(3);
        QVERIFY(w.work().course.statement.empty());
        QCOMPARE(w.work().course.cbTypeCourse, 3);
        child<QComboBox>(w, "cdTypeAngleCourse")->setCurrentIndex(1);
        QVERIFY(!w.work().course.statement.empty());
        QCOMPARE(qs(w.work().course.statusText), QString("Угловая невязка не определена"));
        w.work().course.statement.clear();
        child<QComboBox>(w, "cbUseDirorCoord")->setCurrentIndex(0);
        QVERIFY(!w.work().course.statement.empty());
        QCOMPARE(w.work().course.cbUseDirorCoord, 0);
    }

    void addDeleteAndAutoNumbering()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        auto* view = child<QTableView>(w, "GridViewCourse");
        QTest::mouseClick(child<QPushButton>(w, "btnAddCourse"), Qt::LeftButton);
        QCOMPARE(child<QSpinBox>(w, "SePointCourseCount")->value(), 4);
        QCOMPARE(view->model()->rowCount(), 9);
        QTest::mouseClick(child<QPushButton>(w, "btnDelCourse"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, "btnDelCourse"), Qt::LeftButton);
        QCOMPARE(child<QSpinBox>(w, "SePointCourseCount")->value(), 3);

        w.work().settings.edCourseTemplate = "T";
        prompts.answers.enqueue(false);
        QTest::mouseClick(child<QPushButton>(w, "btnAutoCourse"), Qt::LeftButton);
        QCOMPARE(prompts.questions.last(), QString("Все точки хода будут перенумерованы. Продолжить?"));
        QCOMPARE(cell(view, PointRow(0), col::Name), QString(""));
        prompts.answers.enqueue(true);
        QTest::mouseClick(child<QPushButton>(w, "btnAutoCourse"), Qt::LeftButton);
        QCOMPARE(cell(view, PointRow(0), col::Name), QString("T1"));
        QCOMPARE(cell(view, PointRow(2), col::Name), QString("T3"));
        // All lengths 0: the adjustment stops and says so.
        QCOMPARE(qs(w.work().course.statusText), QString("Суммарная длина хода равная 0. Вычисления прерваны."));
    }

    void buttonRowFollowsThePageWidth()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        auto* page = w.traversePage();
        w.show();
        w.showPage(1);
        for (int windowWidth : {770, 900, 1200}) {
            w.resize(windowWidth, 595);
            QApplication::processEvents();
            const int width = page->width();
            QVERIFY(width > 600);
            const int expected = 78 + qRound(std::nearbyint((width - 674) / 8.0));
            auto* first = child<QPushButton>(w, "btnPrintCourse");
            auto* second = child<QPushButton>(w, "btnFindCourse");
            auto* last = child<QPushButton>(w, "btnSaveCourse");
            QCOMPARE(first->geometry().left(), 8);
            QCOMPARE(first->width(), expected);
            QCOMPARE(second->geometry().left(), 8 + expected + 3);
            QCOMPARE(last->geometry().left(), 8 + 7 * (expected + 3));
            QCOMPARE(child<QSpinBox>(w, "SePointCourseCount")->geometry().left(), width - 80);
            QCOMPARE(child<QComboBox>(w, "cbUseDirorCoord")->width(), width - 193);
        }
        // round() halves to even: E = 4 gives 78, E = 12 gives 80.
        QCOMPARE(TraversePage::buttonWidth(678), 78);
        QCOMPARE(TraversePage::buttonWidth(686), 80);
        QCOMPARE(TraversePage::buttonWidth(610), 70); // a narrow page: below 78, same order
    }

    void statementEditsBecomeTheWorksStatement()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        typeWorkedExample(w);
        QTest::mouseClick(child<QPushButton>(w, "btnCalcCourse"), Qt::LeftButton);
        auto* view = child<QPlainTextEdit>(w, "reCourse");
        view->setPlainText(QStringLiteral(" Ведомость\nвторая"));
        QCOMPARE(w.work().course.statement.size(), std::size_t(2));
        QCOMPARE(qs(w.work().course.statement[0]), QString(" Ведомость"));
    }
};

QTEST_MAIN(TraversePageTest)
#include "TraversePageTest.moc"
