// The calculators opened from "Утилиты": computing, converting and writing into the traverse.
#include "FakePrompts.h"
#include "app/QtText.h"
#include "app/calculators/CalculatorDialogs.h"
#include "app/main/MainWindow.h"
#include "traverse/CourseTable.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace col = kalimor::col;

class CalculatorsTest : public QObject {
    Q_OBJECT

private:
    template <class T> T* child(QObject& parent, const char* name)
    {
        auto* c = parent.findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    TFrmCalcDir* openCalcDir(TFrmMain& w)
    {
        child<QAction>(w, "MnuCalcDir")->trigger();
        return child<TFrmCalcDir>(w, "FrmCalcDir");
    }

    static void setPoints(TFrmCalcDir* d, const char* x1, const char* y1, const char* x2, const char* y2)
    {
        d->neTCX->setText(QString::fromLatin1(x1));
        d->neTCY->setText(QString::fromLatin1(y1));
        d->neTOX->setText(QString::fromLatin1(x2));
        d->neTOY->setText(QString::fromLatin1(y2));
    }

private slots:
    void utilitiesOpensBothDialogsModelessAndOnce()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.show();
        auto* button = child<QPushButton>(w, "btnUtilCourse");
        QVERIFY(button->isEnabled());
        QVERIFY(button->menu());
        QCOMPARE(child<QAction>(w, "MnuCalcDir")->text(), QStringLiteral("Обратная геодезическая"));
        QCOMPARE(child<QAction>(w, "MnuGradRad")->text(), QStringLiteral("Перевод угловых величин"));

        TFrmCalcDir* d = openCalcDir(w);
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        QCOMPARE(d->windowTitle(), QStringLiteral("Обратная геодезическая задача"));
        d->neTCX->setText(QStringLiteral("12.5"));
        d->close();
        QVERIFY(!d->isVisible());
        QCOMPARE(openCalcDir(w), d);
        QCOMPARE(w.findChildren<TFrmCalcDir*>().size(), 1);
        QCOMPARE(d->neTCX->text(), QStringLiteral("12.5")); // kept between openings

        child<QAction>(w, "MnuGradRad")->trigger();
        auto* g = child<TFrmGradRad>(w, "FrmGradRad");
        QVERIFY(g->isVisible() && d->isVisible()); // both at once
        QCOMPARE(g->windowTitle(), QStringLiteral("Угловые преобразования"));
    }

    void computesTheInverseProblem_data()
    {
        QTest::addColumn<QString>("x2");
        QTest::addColumn<QString>("y2");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("dirRad");
        QTest::addColumn<QString>("hd");
        QTest::newRow("north-east") << "100"
                                    << "100"
                                    << "45.00000"
                                    << "0.785398163397448"
                                    << "141.42135623731";
        QTest::newRow("south-west") << "-100"
                                    << "-100"
                                    << "225.00000"
                                    << "3.92699081698724"
                                    << "141.42135623731";
        QTest::newRow("due east") << "0"
                                  << "5"
                                  << "90.00000"
                                  << "1.5707963267949"
                                  << "5";
        QTest::newRow("due west") << "0"
                                  << "-5"
                                  << "270.00000"
                                  << "4.71238898038469"
                                  << "5";
        QTest::newRow("coincident") << "0"
                                    << "0"
                                    << "0.00000"
                                    << "0"
                                    << "0";
    }

    void computesTheInverseProblem()
    {
        QFETCH(QString, x2);
        QFETCH(QString, y2);
        FakePrompts prompts;
        TFrmMain w(prompts);
        TFrmCalcDir* d = openCalcDir(w);
        setPoints(d, "0", "0", "0", "0");
        d->neTOX->setText(x2);
        d->neTOY->setText(y2);
        d->btnCalc->click();
        QFETCH(QString, dir);
        QFETCH(QString, dirRad);
        QFETCH(QString, hd);
        QCOMPARE(d->edDir->text(), dir);
        QCOMPARE(d->edDirRad->text(), dirRad);
        QCOMPARE(d->edHD->text(), hd);
    }

    void swapThenComputeTurnsTheDirection()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        TFrmCalcDir* d = openCalcDir(w);
        setPoints(d, "10", "20", "110", "120");
        d->btnChange->click();
        QCOMPARE(d->neTCX->text(), QStringLiteral("110"));
        QCOMPARE(d->neTCY->text(), QStringLiteral("120"));
        QCOMPARE(d->neTOX->text(), QStringLiteral("10"));
        QCOMPARE(d->neTOY->text(), QStringLiteral("20"));
        QCOMPARE(d->edDir->text(), QStringLiteral("0")); // nothing recomputed
        d->btnCalc->click();
        QCOMPARE(d->edDir->text(), QStringLiteral("225.00000"));
        QCOMPARE(d->edHD->text(), QStringLiteral("141.42135623731"));
    }

    void aFieldThatIsNotANumberLeavesTheResults()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        TFrmCalcDir* d = openCalcDir(w);
        setPoints(d, "0", "0", "100", "100");
        d->btnCalc->click();
        d->neTOY->setText(QStringLiteral("1,5"));
        d->btnCalc->click();
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("'1,5' is not a valid floating point value")});
        QCOMPARE(d->edDir->text(), QStringLiteral("45.00000"));
        QCOMPARE(d->edHD->text(), QStringLiteral("141.42135623731"));
    }

    void enterWalksTheFieldsThenPressesCompute()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.show();
        TFrmCalcDir* d = openCalcDir(w);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(QApplication::focusWidget(), d->neTCX);
        setPoints(d, "", "", "", "");
        QTest::keyClicks(d->neTCX, "0");
        QTest::keyClick(d->neTCX, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->neTCY);
        QTest::keyClicks(d->neTCY, "0");
        QTest::keyClick(d->neTCY, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->neTOX);
        QTest::keyClicks(d->neTOX, "100");
        QTest::keyClick(d->neTOX, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), d->neTOY);
        QTest::keyClicks(d->neTOY, "100,25");
        QCOMPARE(d->neTOY->text(), QStringLiteral("100.25")); // "," enters as "."
        QTest::keyClick(d->neTOY, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d->btnCalc);
        QCOMPARE(d->edDir->text(), QStringLiteral("0")); // moving the focus computed nothing
        QTest::keyClick(d->btnCalc, Qt::Key_Return);
        QCOMPARE(d->edHD->text(), QStringLiteral("141.598243280063"));
    }

    void keyFilterRefusesALeadingPoint()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        TFrmCalcDir* d = openCalcDir(w);
        d->neTCX->clear();
        QTest::keyClicks(d->neTCX, ",.-5");
        QCOMPARE(d->neTCX->text(), QStringLiteral("-5"));

        // After a pasted ",", digits stop once more than two characters follow it; "-" still
        // passes.
        d->neTCX->setText(QStringLiteral("1,25"));
        d->neTCX->end(false);
        QTest::keyClicks(d->neTCX, "78-");
        QCOMPARE(d->neTCX->text(), QStringLiteral("1,257-"));

        // Typed over the whole text (as Enter leaves the next field), a point would lead.
        d->neTCX->setText(QStringLiteral("5"));
        d->neTCX->selectAll();
        QTest::keyClicks(d->neTCX, ".");
        QCOMPARE(d->neTCX->text(), QStringLiteral("5"));
    }

    void writesTheDirectionIntoTheTraverse()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        TFrmCalcDir* d = openCalcDir(w);
        auto* table = child<QTableView>(w, "GridViewCourse");
        d->edDir->setText(QStringLiteral("123.4501")); // edited by hand: written as it stands
        d->btnWriteBeginDir->click();
        QCOMPARE(w.work().course.rows[0][col::Dir].text, std::string("123.4501"));
        QCOMPARE(table->model()->index(0, col::Dir).data().toString(), QStringLiteral("123.4501"));

        child<QPushButton>(w, "btnAddCourse")->click();
        child<QPushButton>(w, "btnAddCourse")->click();
        QCOMPARE(w.work().course.rows.size(), 11u);
        d->edDir->setText(QStringLiteral("10.000525"));
        d->btnWriteEndDir->click();
        QCOMPARE(w.work().course.rows[10][col::Dir].text, std::string("10.000525"));
        QCOMPARE(table->model()->index(10, col::Dir).data().toString(), QStringLiteral("10.000525"));
        QCOMPARE(w.work().course.rows[0][col::Dir].text, std::string("123.4501"));
        QCOMPARE(w.work().course.data.EndDirection, 0.0); // not adjusted, not read yet
    }

    void enterInAResultOrConversionFieldPressesNoButton()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.show();
        TFrmCalcDir* d = openCalcDir(w);
        QVERIFY(QTest::qWaitForWindowActive(d));
        setPoints(d, "1", "2", "3", "4");
        for (QLineEdit* field : {d->edDir, d->edDirRad, d->edHD}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        }
        QCOMPARE(d->neTCX->text(), QStringLiteral("1")); // not swapped
        QCOMPARE(d->edHD->text(), QStringLiteral("0"));  // not computed
        QVERIFY(d->isVisible());

        child<QAction>(w, "MnuGradRad")->trigger();
        auto* g = child<TFrmGradRad>(w, "FrmGradRad");
        QVERIFY(QTest::qWaitForWindowActive(g));
        g->EDiNdms->setText(QStringLiteral("1"));
        g->edInRad->setText(QStringLiteral("1"));
        for (QLineEdit* field : {g->EDiNdms, g->EDoUTrAD, g->edInRad, g->edOutDMS}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        }
        QCOMPARE(g->EDoUTrAD->text(), QStringLiteral("0"));
        QCOMPARE(g->edOutDMS->text(), QStringLiteral("0"));
        QVERIFY(g->isVisible());
    }

    void convertsAngles()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        child<QAction>(w, "MnuGradRad")->trigger();
        auto* g = child<TFrmGradRad>(w, "FrmGradRad");
        QCOMPARE(g->EDoUTrAD->text(), QStringLiteral("0"));
        g->EDiNdms->setText(QStringLiteral("-5.0305"));
        g->btnDmsToRad->click();
        QCOMPARE(g->EDoUTrAD->text(), QStringLiteral("-0.0881633679097691"));
        g->edInRad->setText(QStringLiteral("-0.5"));
        g->btnRadToDms->click();
        QCOMPARE(g->edOutDMS->text(), QStringLiteral("28.3852"));

        g->EDiNdms->setText(QStringLiteral("abc"));
        g->btnDmsToRad->click();
        g->edInRad->setText(QStringLiteral(""));
        g->btnRadToDms->click();
        QCOMPARE(prompts.errors, (QStringList{QStringLiteral("'abc' is not a valid floating point value"),
                                              QStringLiteral("'' is not a valid floating point value")}));
        QCOMPARE(g->EDoUTrAD->text(), QStringLiteral("-0.0881633679097691"));
        QCOMPARE(g->edOutDMS->text(), QStringLiteral("28.3852"));
    }
};

QTEST_MAIN(CalculatorsTest)
#include "CalculatorsTest.moc"
