// The main window's frame driven offscreen: start state, page navigation, status bar,
// closing question, error box, manual and About box.
#include "app/main/MainWindow.h"
#include "FakePrompts.h"
#include "app/QtText.h"
#include "core/Codepage.h"
#include "core/Errors.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<TFrmMain> window;

    template <class T> T* child(const char* name)
    {
        T* c = window->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QLabel* statusPane() { return child<QLabel>("StStatusCalc"); }

    void setStatus(const char* utf8, bool blink)
    {
        window->work().course.statusText = kalimor::Utf8ToCp1251(utf8);
        window->work().course.statusBlink = blink;
        emit window->session().statusChanged();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        window = std::make_unique<TFrmMain>(*prompts);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        prompts.reset();
    }

    void startState()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - Новая работа"));
        QCOMPARE(window->size(), QSize(797, 595));
        QCOMPARE(window->minimumSize(), QSize(770, 540));
        QCOMPARE(window->currentPage(), 0);
        QVERIFY(action("MnuOption")->isChecked());
        for (const char* other : {"MnuCourse", "MnuPiket", "MnuImport", "MnuRs232"})
            QVERIFY2(!action(other)->isChecked(), other);
        QVERIFY(action("MnuStatusBar")->isChecked());
        QCOMPARE(action("MnuStatusBar")->text(), QStringLiteral("&Строка статуса"));
        QCOMPARE(statusPane()->text(), QString());
        QCOMPARE(child<QWidget>("TaskBar")->width(), 113);
        QCOMPARE(child<QStatusBar>("StsMain")->height(), 19);

        auto* tabs = child<QTabWidget>("PageControl");
        const QStringList captions = {QStringLiteral("Параметры"), QStringLiteral("Линейно-угловой ход"),
                                      QStringLiteral("Тахеометрия"), QStringLiteral("Импорт"),
                                      QStringLiteral("RS-232")};
        QCOMPARE(tabs->count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QStringList menus;
        for (QAction* a : window->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("Файл"), QStringLiteral("Съемка"), QStringLiteral("Вид"),
                                     QStringLiteral("Помощь")}));
        QCOMPARE(child<QAbstractButton>("TbCourse")->text(), QStringLiteral("Линейно - угловой ход"));
        QCOMPARE(action("MnuCourse")->text(), QStringLiteral("Линейно - угловой ход"));
        // The date and time pane shows the current date.
        QVERIFY(child<QLabel>("StDateTime")->text().startsWith(QDate::currentDate().toString("dd.MM.yyyy")));
    }

    void radioItemFollowsThePageWhicheverWayItIsShown()
    {
        auto* tabs = child<QTabWidget>("PageControl");
        tabs->setCurrentIndex(2); // the tab
        QVERIFY(action("MnuPiket")->isChecked());
        QVERIFY(!action("MnuOption")->isChecked());

        child<QAbstractButton>("TbImport")->click(); // the task bar
        QCOMPARE(window->currentPage(), 3);
        QVERIFY(action("MnuImport")->isChecked());
        QVERIFY(!action("MnuPiket")->isChecked());

        action("MnuRs232")->trigger(); // the menu
        QCOMPARE(tabs->currentIndex(), 4);
        QVERIFY(action("MnuRs232")->isChecked());

        action("MnuRs232")->trigger(); // choosing the checked item again keeps it checked
        QVERIFY(action("MnuRs232")->isChecked());

        child<QAbstractButton>("TbOption")->click();
        QCOMPARE(window->currentPage(), 0);
        QVERIFY(action("MnuOption")->isChecked());
        QCOMPARE(window->work().currentPage, 0);
    }

    void hidingTheStatusBarKeepsTheCalculationMessage()
    {
        setStatus("Угловая невязка в допуске", false);
        QCOMPARE(statusPane()->text(), QStringLiteral("Угловая невязка в допуске"));
        action("MnuStatusBar")->trigger();
        QVERIFY(!action("MnuStatusBar")->isChecked());
        QVERIFY(!window->statusBar()->isVisible());
        action("MnuStatusBar")->trigger();
        QVERIFY(action("MnuStatusBar")->isChecked());
        QVERIFY(window->statusBar()->isVisible());
        QCOMPARE(statusPane()->text(), QStringLiteral("Угловая невязка в допуске"));
    }

    void calculationPaneBlinksRedOnlyWhileAsked()
    {
        setStatus("Угловая невязка не в допуске!!!", true);
        QVERIFY(statusPane()->styleSheet().contains("red"));
        // It alternates: within a second it is shown both without and with red.
        QTRY_VERIFY_WITH_TIMEOUT(!statusPane()->styleSheet().contains("red"), 1500);
        QTRY_VERIFY_WITH_TIMEOUT(statusPane()->styleSheet().contains("red"), 1500);
        setStatus("Угловая невязка в допуске", false);
        QVERIFY(!statusPane()->styleSheet().contains("red"));
        QTest::qWait(700);
        QVERIFY(!statusPane()->styleSheet().contains("red"));
    }

    void closingAsksAndNoKeepsTheWindow()
    {
        window->work().settings.edNamePolevik = "Kept";
        prompts->answers.enqueue(false);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(prompts->questions,
                 QStringList{QStringLiteral("Все несохранённые данные текущей работы будут потеряны. Продолжить?")});
        QCOMPARE(window->work().settings.edNamePolevik, std::string("Kept"));

        prompts->answers.enqueue(false);
        action("MnuExit")->trigger(); // "Выход" asks the same
        QVERIFY(window->isVisible());
        QCOMPARE(prompts->questions.size(), 2);

        prompts->answers.enqueue(true);
        child<QAbstractButton>("TbExit")->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(prompts->questions.size(), 3);
    }

    void unhandledErrorShowsTheCriticalBoxAndTheWindowStaysUsable()
    {
        const bool ok = window->session().guarded(window.get(), [] { throw kalimor::ConversionError(Ru("абв")); });
        QVERIFY(!ok);
        QCOMPARE(prompts->errors, QStringList{QStringLiteral("'абв' is not a valid floating point value")});
        child<QAbstractButton>("TbPiket")->click();
        QCOMPARE(window->currentPage(), 2);
        QVERIFY(window->isVisible());
    }

    void workChangedRefreshesCaptionAndStatus()
    {
        window->work().caption = Ru("Kalimor [Тахеометрия] - demo.srv");
        window->work().course.statusText = Ru("Угловая невязка в допуске");
        emit window->session().workChanged();
        QCOMPARE(window->windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - demo.srv"));
        QCOMPARE(statusPane()->text(), QStringLiteral("Угловая невязка в допуске"));
    }

    void newWorkEmptiesTheReceivedTextOnThePage()
    {
        window->work().received.assign("12 100.5\r\n");
        emit window->session().workChanged();
        auto* view = child<QPlainTextEdit>("redownload");
        QCOMPARE(view->toPlainText(), QStringLiteral("12 100.5\n"));
        prompts->answers.enqueue(true);
        action("MnuNew")->trigger();
        QCOMPARE(view->toPlainText(), QString());
        QCOMPARE(child<QLabel>("pnRxString")->text(), QStringLiteral("Принято строк: 0"));
    }

    void manualBesideTheProgramOpensOnlyWhenPresent()
    {
        const QString manual = QCoreApplication::applicationDirPath() + "/Kalimor.doc";
        QFile::remove(manual);
        action("MnuHelp")->trigger();
        // Nothing asks for a missing Kalimor.doc (the HTML manual may stand in for it).
        QVERIFY(!prompts->opened.contains(manual));
        prompts->opened.clear();
        {
            QFile f(manual);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        child<QAbstractButton>("TbHelp")->click();
        QFile::remove(manual);
        QCOMPARE(prompts->opened, QStringList{manual});
    }

    void keyStatePanesFollowTheKeys()
    {
        auto* ins = child<QLabel>("StIns");
        auto* caps = child<QLabel>("StCaps");
        QCOMPARE(ins->text(), QStringLiteral("INS"));
        QCOMPARE(caps->text(), QString());
        QWidget* target = window->findChild<QWidget*>("edNameCourseID");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Insert);
        QCOMPARE(ins->text(), QStringLiteral("OVR"));
        QTest::keyClick(target, Qt::Key_Insert);
        QCOMPARE(ins->text(), QStringLiteral("INS"));
        // A task bar group ignores Insert, so the press travels up its parents: one toggle all the same.
        auto* item = window->findChild<QWidget*>("GrpSurvey");
        item->setFocusPolicy(Qt::StrongFocus);
        item->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), item);
        QTest::keyClick(item, Qt::Key_Insert);
        QCOMPARE(ins->text(), QStringLiteral("OVR"));
        QTest::keyClick(item, Qt::Key_Insert);
        QCOMPARE(ins->text(), QStringLiteral("INS"));
        QTest::keyClick(item, Qt::Key_CapsLock);
        QCOMPARE(caps->text(), QStringLiteral("CAPS"));
        QTest::keyClick(item, Qt::Key_NumLock);
        QCOMPARE(child<QLabel>("StNum")->text(), QStringLiteral("NUM"));
    }

    void aboutBoxShowsNameVersionAndPurpose()
    {
        TFrmAbout* about = window->aboutBox();
        QCOMPARE(about->windowTitle(), QStringLiteral("Информация о программе"));
        QCOMPARE(about->findChild<QLabel*>("ProductName")->text(), QStringLiteral("Kalimor"));
        QVERIFY(about->findChild<QLabel*>("ProductName")->font().bold());
        QCOMPARE(about->findChild<QLabel*>("Version")->text(), QStringLiteral("1.0.0.0b"));
        QCOMPARE(about->findChild<QPlainTextEdit*>("Comments")->toPlainText(),
                 QStringLiteral("Программа для автоматизации обработки \nгеодезических данных Kalimor [Тахеометрия]"));
        auto* close = about->findChild<QPushButton*>("OKButton");
        QCOMPARE(close->text(), QStringLiteral("Закрыть"));
        QVERIFY(close->isDefault());

        // Shown modally from the task bar; "Закрыть" ends it.
        bool wasShown = false;
        QTimer::singleShot(0, about, [&] {
            wasShown = about->isVisible() && about->isModal();
            close->click();
        });
        child<QAbstractButton>("TbAbout")->click();
        QVERIFY(wasShown);
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
