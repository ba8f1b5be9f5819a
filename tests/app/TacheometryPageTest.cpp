// The page "Тахеометрия" driven through its controls in the real main window.
#include "app/tacheometry/TacheometryPage.h"
#include "FakePrompts.h"
#include "../tacheometry/PiketTestSupport.h"
#include "app/QtText.h"
#include "app/Session.h"
#include "app/main/MainWindow.h"
#include "tacheometry/Pickets.h"
#include "tacheometry/PiketCalc.h"
#include "tacheometry/StationSetup.h"
#include "work/Work.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QtTest>

#include <cmath>

class TacheometryPageTest : public QObject {
    Q_OBJECT

private:
    FakePrompts prompts;
    std::unique_ptr<TFrmMain> window;
    QWidget* page = nullptr;

    template <class T> T* find(const char* name)
    {
        T* w = page->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QPlainTextEdit* view() { return find<QPlainTextEdit>("rePiket"); }
    kalimor::PiketPage& piket() { return window->work().piket; }

    QStringList viewLines()
    {
        const QString text = view()->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    QStringList engineLines()
    {
        QStringList out;
        for (const auto& l : piket().statement)
            out << qs(l);
        return out;
    }

    // Types into the focused control, which must be `expected`, then presses Enter.
    void typeAndEnter(const char* expected, const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, expected);
        QWidget* owner = focus->objectName().isEmpty() ? focus->parentWidget() : focus;
        QCOMPARE(owner->objectName(), QString::fromLatin1(expected));
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus, text);
        QTest::keyClick(focus, Qt::Key_Return);
    }

    void clickLine(int line)
    {
        QTextCursor c(view()->document()->findBlockByNumber(line));
        view()->setTextCursor(c);
        view()->ensureCursorVisible();
        const QRect r = view()->cursorRect(c);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, r.center() + QPoint(2, 0));
    }

    void fillManual3D()
    {
        auto& p = piket();
        kalimor::test::ApplyWorkedExample(p, 1);
        p.pickets[0].name = "12";
        kalimor::ShowPicket(p, 0);
        emit window->session().workChanged();
    }

private slots:
    void init()
    {
        prompts = FakePrompts();
        window = std::make_unique<TFrmMain>(prompts);
        window->show();
        window->showPage(2);
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        page = window->findChild<QWidget*>("TabPiket");
        QVERIFY(page);
    }
    void cleanup() { window.reset(); }

    void startsInTraverseModeWithExportPrintAndFindDisabled()
    {
        QVERIFY(find<QCheckBox>("ckbAutoManual")->isChecked());
        QVERIFY(!find<QComboBox>("cbTC")->isHidden());
        QVERIFY(find<QLineEdit>("edTC")->isHidden());
        QCOMPARE(find<QComboBox>("cbTC")->currentText(), QStringLiteral("Не выбрана"));
        QVERIFY(!find<QPushButton>("btnToTCPiket")->isEnabled());
        QVERIFY(!find<QPushButton>("btnChangeTCTO")->isEnabled());
        QVERIFY(!find<QLineEdit>("nehcenter")->isEnabled()); // 2D template
        // Their own commands enable them; the page alone leaves them disabled.
        kalimor::Work work;
        Session session(work, prompts);
        TacheometryPage alone(session);
        for (const char* name : {"btnPrintPiket", "btnFindPiket", "btnSavePiket"}) {
            auto* b = alone.findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY2(b && !b->isEnabled(), name);
        }
        QCOMPARE(find<QLineEdit>("neCurrentPiket")->text(), QStringLiteral("1"));
        QCOMPARE(find<QSpinBox>("sePointPiketCount")->maximum(), 2000);
    }

    void wholePageFilledWithTheEnterKeyAndComputed()
    {
        QTest::mouseClick(find<QCheckBox>("ckbAutoManual"), Qt::LeftButton);
        QVERIFY(!find<QLineEdit>("edTC")->isHidden());
        QCOMPARE(find<QLineEdit>("edTC")->text(), QStringLiteral("Не выбрана"));
        find<QComboBox>("cbSelectPiketTemplate")->setCurrentIndex(1);
        QVERIFY(find<QLineEdit>("nehcenter")->isEnabled());

        find<QLineEdit>("edTC")->setFocus();
        typeAndEnter("edTC", "ST1");
        typeAndEnter("neTCX", "1000");
        typeAndEnter("neTCY", "2000");
        typeAndEnter("nehcenter", "150");
        typeAndEnter("nei", "1,5"); // "," is entered as "."
        typeAndEnter("edTO", "ST2");
        typeAndEnter("neTOX", "1100");
        typeAndEnter("neTOY", "2000");
        typeAndEnter("neito", "2");
        typeAndEnter("edNamePiket", "P1");
        typeAndEnter("neSDpiket", "100");
        typeAndEnter("neHzPiket", "45");
        typeAndEnter("neV3piket", "5.3");
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnCalcPiket"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QVERIFY2(prompts.errors.isEmpty(), qPrintable(prompts.errors.join('\n')));
        QCOMPARE(piket().nei, std::string("1.5"));
        const QStringList lines = engineLines();
        QVERIFY(lines.size() > 5);
        QCOMPARE(lines[lines.size() - 2],
                 QStringLiteral(" [       P1 |      45°00'00\" |       5°30'00\" |        100 |    1070.385 |    "
                                "2070.385 |  159.085 ]"));
        QVERIFY(lines.contains(QStringLiteral(" Точка стояния : ST1          X: 1000         Y: 2000         H: 150 "
                                              "         i: 1.5         ")));
        QCOMPARE(viewLines(), lines);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edNamePiket"));
    }

    void enterOrderSkipsDisabledHeightsInTraverseMode2D()
    {
        find<QComboBox>("cbTC")->setFocus();
        const char* order[] = {"neTCX", "neTCY", "cbTO", "neTOX", "neTOY", "edNamePiket", "neSDpiket"};
        for (const char* next : order) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, Qt::Key_Return);
            QWidget* now = QApplication::focusWidget();
            QWidget* owner = now->objectName().isEmpty() ? now->parentWidget() : now;
            QCOMPARE(owner->objectName(), QString::fromLatin1(next));
        }
    }

    void traverseModeWarnsWithoutStation()
    {
        QTest::mouseClick(find<QPushButton>("btnCalcPiket"), Qt::LeftButton);
        QCOMPARE(prompts.informations,
                 QStringList{QStringLiteral("Не выбрана точка стояния или точка ориентирования!")});
        QVERIFY(piket().statement.empty());
    }

    void stationChosenFromTheTraverseList()
    {
        auto& course = window->work().course;
        course.SePointCourseCount = 6;
        for (int k = 0; k < 6; ++k) {
            course.points[static_cast<std::size_t>(k)].Name = "T" + std::to_string(k + 1);
            course.points[static_cast<std::size_t>(k)].X = 6543210.1256 + k;
            course.points[static_cast<std::size_t>(k)].Y = 100 * k;
        }
        window->work().settings.seLinePrecession = 2;
        kalimor::FillStationLists(piket(), course);
        emit window->session().workChanged();
        auto* cbTC = find<QComboBox>("cbTC");
        QCOMPARE(cbTC->count(), 6);
        cbTC->setCurrentIndex(4);
        emit cbTC->activated(4);
        QCOMPARE(find<QLineEdit>("neTCX")->text(), QStringLiteral("6543214.13"));
        QCOMPARE(find<QComboBox>("cbTO")->currentText(), QStringLiteral("T4"));
        QCOMPARE(find<QLineEdit>("neTOY")->text(), QStringLiteral("300"));
    }

    void conversionErrorIsShownAndThePageStaysUsable()
    {
        fillManual3D();
        auto* x = find<QLineEdit>("neTCX");
        x->setFocus();
        QTest::keyClick(x, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(x, "1O00");
        QTest::mouseClick(find<QPushButton>("btnCalcPiket"), Qt::LeftButton);
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("'1O00' is not a valid floating point value")});
        QVERIFY(piket().statement.empty());
        QVERIFY(viewLines().isEmpty());

        piket().nehcenter = "h";
        piket().neTCX = "1000";
        emit window->session().workChanged();
        QTest::mouseClick(find<QPushButton>("btnCalcPiket"), Qt::LeftButton);
        QCOMPARE(prompts.errors.size(), 2);
        QCOMPARE(viewLines(), engineLines()); // title and station lines shown
        QVERIFY(piket().stationBlockPending);
    }

    void viewAppendsAndFollowsEditsClearingAndReplacement()
    {
        fillManual3D();
        auto* calc = find<QPushButton>("btnCalcPiket");
        QTest::mouseClick(calc, Qt::LeftButton);
        QTest::mouseClick(calc, Qt::LeftButton);
        QCOMPARE(viewLines(), engineLines());
        QCOMPARE(engineLines().last(), qs(kalimor::PiketRule(1)));

        // An edit by hand reaches the engine's lines, which the exporters read.
        QTextCursor c(view()->document()->findBlockByNumber(4));
        c.movePosition(QTextCursor::EndOfBlock);
        c.insertText(QStringLiteral("!\nextra"));
        QCOMPARE(engineLines(), viewLines());
        QCOMPARE(qs(piket().statement[5]), QStringLiteral("extra"));
        QTest::mouseClick(calc, Qt::LeftButton);
        QCOMPARE(viewLines(), engineLines());

        // Lines deleted by hand leave the engine as well.
        const int before = static_cast<int>(piket().statement.size());
        QTextCursor sel(view()->document()->findBlockByNumber(1));
        sel.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 3);
        sel.removeSelectedText();
        QCOMPARE(static_cast<int>(piket().statement.size()), before - 3);
        QCOMPARE(engineLines(), viewLines());

        prompts.answers.enqueue(false);
        QTest::mouseClick(find<QPushButton>("btnClearPiket"), Qt::LeftButton);
        QCOMPARE(prompts.questions.last(), QStringLiteral("Ведомость пикетажа будет стерта. Продолжить?"));
        QVERIFY(!piket().statement.empty());
        prompts.answers.enqueue(true);
        QTest::mouseClick(find<QPushButton>("btnClearPiket"), Qt::LeftButton);
        QVERIFY(piket().statement.empty());
        QVERIFY(viewLines().isEmpty());

        kalimor::ReplacePiketStatement(piket(), {"a", "b"});
        emit window->session().workChanged();
        QCOMPARE(viewLines(), (QStringList{"a", "b"}));
    }

    void rowClickedTakenIntoStationAndHeadingWarns()
    {
        fillManual3D();
        QTest::mouseClick(find<QPushButton>("btnCalcPiket"), Qt::LeftButton);
        const int row = static_cast<int>(piket().statement.size()) - 3;
        clickLine(row);
        QCOMPARE(piket().clickedLine, row);
        QTest::mouseClick(find<QPushButton>("btnToTCPiket"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("edTC")->text(), QStringLiteral("12"));
        QCOMPARE(find<QLineEdit>("neTCX")->text(), QStringLiteral("1070.385"));
        QCOMPARE(find<QLineEdit>("neTCY")->text(), QStringLiteral("2070.385"));
        QCOMPARE(find<QLineEdit>("nehcenter")->text(), QStringLiteral("159.085"));
        QCOMPARE(find<QLineEdit>("nei")->text(), QStringLiteral("1.5"));
        QVERIFY(prompts.informations.isEmpty());

        int heading = 0;
        while (heading < engineLines().size() && !engineLines()[heading].startsWith(QStringLiteral(" |  Пикет")))
            ++heading;
        QVERIFY(heading < engineLines().size());
        clickLine(heading);
        QTest::mouseClick(find<QPushButton>("btnToTOPiket"), Qt::LeftButton);
        QCOMPARE(prompts.informations.size(), 1);
        QVERIFY(prompts.informations[0].startsWith(QStringLiteral("Указанная строка \" |  Пикет")));
        QVERIFY(prompts.informations[0].endsWith(
            QStringLiteral("\" не содержит координат. Попытайтесь попасть в нужную строку еще раз.")));
    }

    void picketNavigationThroughTheFields()
    {
        auto* count = find<QSpinBox>("sePointPiketCount");
        count->setValue(3);
        auto* sd = find<QLineEdit>("neSDpiket");
        sd->setFocus();
        QTest::keyClick(sd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sd, "12,5");
        QCOMPARE(sd->text(), QStringLiteral("12.5"));
        QTest::mouseClick(find<QPushButton>("btnNextPiket"), Qt::LeftButton);
        QCOMPARE(piket().pickets[0].slopeDistance, 12.5);
        QCOMPARE(find<QLineEdit>("neCurrentPiket")->text(), QStringLiteral("2"));
        QCOMPARE(sd->text(), QStringLiteral("0"));

        auto* current = find<QLineEdit>("neCurrentPiket");
        current->setFocus();
        QTest::keyClick(current, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(current, "10");
        QTest::keyClick(current, Qt::Key_Return);
        QCOMPARE(current->text(), QStringLiteral("3"));
        QCOMPARE(piket().currentPicket, 2);
        QTest::mouseClick(find<QPushButton>("btnPrevPiket"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>("btnPrevPiket"), Qt::LeftButton);
        QCOMPARE(sd->text(), QStringLiteral("12.5"));

        // A count change that cannot store the shown picket keeps the count.
        QTest::keyClick(sd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sd, "x");
        count->setValue(1);
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("'x' is not a valid floating point value")});
        QCOMPARE(count->value(), 3);
        QCOMPARE(piket().sePointPiketCount, 3);

        // "," refused in an empty field.
        QTest::keyClick(sd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(sd, Qt::Key_Delete);
        QTest::keyClicks(sd, ",");
        QCOMPARE(sd->text(), QString());
        // Typed over a selection the point goes where the selection starts: over the whole
        // text (as the Enter key leaves a field) it would begin the number and is refused;
        // over ".5" of "12.5" it takes the place of the point it replaces.
        sd->setText(QStringLiteral("0"));
        QTest::keyClick(sd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(sd, ".");
        QCOMPARE(sd->text(), QStringLiteral("0"));
        sd->setText(QStringLiteral("12.5"));
        sd->setSelection(2, 2);
        QTest::keyClicks(sd, ",");
        QCOMPARE(sd->text(), QStringLiteral("12."));
    }

    void buttonRowFollowsThePageWidth()
    {
        window->resize(1000, 700);
        QApplication::processEvents();
        const int E = page->width() - 674;
        const int w = 78 + static_cast<int>(std::nearbyint(E / 8.0));
        QPushButton* prev = nullptr;
        for (const char* name : {"btnPrintPiket", "btnPrevPiket", "btnNextPiket", "btnToTCPiket", "btnToTOPiket",
                                 "btnClearPiket", "btnCalcPiket", "btnSavePiket"}) {
            auto* b = find<QPushButton>(name);
            QCOMPARE(b->width(), w);
            QCOMPARE(b->x(), prev ? prev->x() + w + 3 : 10);
            prev = b;
        }
        QCOMPARE(find<QComboBox>("cbSelectPiketTemplate")->width(), 313 + E);
        QCOMPARE(find<QLineEdit>("neSDpiket")->x(), 572 + E);
    }
};

QTEST_MAIN(TacheometryPageTest)
#include "TacheometryPageTest.moc"
