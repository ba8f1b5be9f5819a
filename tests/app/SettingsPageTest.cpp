// The page "Параметры" driven through its controls: every change reaches the settings at
// once, identification texts grey but stay, program-set values are clamped, the layout rule.
#include "app/settings/SettingsPage.h"
#include "FakePrompts.h"
#include "app/main/MainWindow.h"
#include "core/Codepage.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>
#include <QtTest>

#include <memory>

class SettingsPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<TFrmMain> window;

    template <class T> T* child(const char* name)
    {
        T* c = window->settingsPage()->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }
    kalimor::ProcessingSettings& settings() { return window->work().settings; }

    // Types text key by key; QTest::keyClicks takes ASCII only.
    static void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
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

    void startStateShowsTheInitialSettings()
    {
        QCOMPARE(child<QGroupBox>("GbIdentification")->title(), QStringLiteral("Идентификация"));
        QCOMPARE(child<QGroupBox>("GbCalculation")->title(), QStringLiteral("Настройка вычислений и ведомостей"));
        QCOMPARE(child<QGroupBox>("GbAdditional")->title(), QStringLiteral("Дополнительные"));
        for (const char* name : {"ckbCourse", "ckbPolevik", "ckbCameral", "ckbInstrument"})
            QVERIFY2(child<QCheckBox>(name)->isChecked(), name);
        QVERIFY(!child<QCheckBox>("ckbhoriz")->isChecked());
        QVERIFY(!child<QCheckBox>("ckbRef")->isChecked());
        QCOMPARE(child<QLineEdit>("edRef")->text(), QStringLiteral("0.14"));
        QCOMPARE(child<QSpinBox>("sePrecession")->value(), 60);
        QCOMPARE(child<QSpinBox>("seLinePrecession")->value(), 3);
        QCOMPARE(child<QSpinBox>("seAnglePrecession")->value(), 1);
        const std::tuple<const char*, int, int> ranges[] = {
            {"sePrecession", 0, 100}, {"seLinePrecession", 0, 4}, {"seAnglePrecession", 1, 2}};
        for (auto [name, min, max] : ranges) {
            QCOMPARE(child<QSpinBox>(name)->minimum(), min);
            QCOMPARE(child<QSpinBox>(name)->maximum(), max);
        }
        auto* format = child<QComboBox>("cbFormatAngle");
        QCOMPARE(format->count(), 3);
        QCOMPARE(format->itemText(0), QStringLiteral("ГГГ°MM'CC.C...\""));
        QCOMPARE(format->itemText(1), QStringLiteral("ГГГММСС.С..."));
        QCOMPARE(format->itemText(2), QStringLiteral("ГГГ ММ СС.С..."));
        QCOMPARE(format->currentIndex(), 0);
        auto* names = child<QComboBox>("cbSelectNamePoint");
        QCOMPARE(names->count(), 2);
        QCOMPARE(names->itemText(0), QStringLiteral("Адрес (номер) измерения"));
        QCOMPARE(names->itemText(1), QStringLiteral("Примечание"));
        QCOMPARE(child<QCheckBox>("ckbRef")->text(), QStringLiteral("Учитывать поправку на рефракцию -> к-т"));
        QCOMPARE(child<QLabel>("lbPiketTemplate")->text(), QStringLiteral("для тахеометрии "));
    }

    void clearingAnIdentificationFlagGreysItsTextButKeepsIt()
    {
        auto* flag = child<QCheckBox>("ckbPolevik");
        auto* text = child<QLineEdit>("edNamePolevik");
        type(text, QStringLiteral("Иванов И.И., геодезист"));
        QCOMPARE(settings().edNamePolevik, kalimor::Utf8ToCp1251("Иванов И.И., геодезист"));
        flag->click();
        QVERIFY(!settings().ckbPolevik);
        QVERIFY(!text->isEnabled());
        QCOMPARE(text->text(), QStringLiteral("Иванов И.И., геодезист"));
        QCOMPARE(settings().edNamePolevik, kalimor::Utf8ToCp1251("Иванов И.И., геодезист"));
        flag->click();
        QVERIFY(settings().ckbPolevik);
        QVERIFY(text->isEnabled());
        QCOMPARE(text->text(), QStringLiteral("Иванов И.И., геодезист"));
        // The other three are independent.
        QVERIFY(child<QLineEdit>("edNameCourseID")->isEnabled());
        child<QCheckBox>("ckbInstrument")->click();
        QVERIFY(!child<QLineEdit>("edinstrument")->isEnabled());
        QVERIFY(!settings().ckbInstrument);
        QVERIFY(settings().ckbCourse && settings().ckbCameral);
    }

    void everyControlUpdatesTheSettingsAtOnce()
    {
        child<QSpinBox>("sePrecession")->setValue(30);
        QCOMPARE(settings().sePrecession, 30);
        child<QSpinBox>("seLinePrecession")->setValue(0);
        QCOMPARE(settings().seLinePrecession, 0);
        child<QSpinBox>("seAnglePrecession")->setValue(2);
        QCOMPARE(settings().seAnglePrecession, 2);
        child<QComboBox>("cbFormatAngle")->setCurrentIndex(2);
        QCOMPARE(settings().cbFormatAngle, 2);
        child<QComboBox>("cbSelectNamePoint")->setCurrentIndex(1);
        QCOMPARE(settings().cbSelectNamePoint, 1);
        type(child<QLineEdit>("edCourseTemplate"), QStringLiteral("ПТX")); // at most 2 characters
        QCOMPARE(settings().edCourseTemplate, kalimor::Utf8ToCp1251("ПТ"));
        type(child<QLineEdit>("edPiketTemplate"), QStringLiteral("p"));
        QCOMPARE(settings().edPiketTemplate, std::string("p"));
        child<QCheckBox>("ckbhoriz")->click();
        QVERIFY(settings().ckbhoriz);
        child<QCheckBox>("ckbRef")->click();
        QVERIFY(settings().ckbRef);
        auto* ref = child<QLineEdit>("edRef");
        ref->selectAll();
        type(ref, QStringLiteral("0.135678"));
        QCOMPARE(settings().edRef, std::string("0.135")); // at most 5 characters
        type(child<QLineEdit>("edNameCourseID"), QStringLiteral("Ход 1"));
        QCOMPARE(settings().edNameCourseID, kalimor::Utf8ToCp1251("Ход 1"));
    }

    void programSetValuesAreClampedToTheirRanges()
    {
        settings().sePrecession = 250; // as a project file may bring
        settings().seLinePrecession = -3;
        settings().seAnglePrecession = 7;
        settings().edNameCameral = kalimor::Utf8ToCp1251("Петров");
        settings().ckbCameral = false;
        emit window->session().workChanged();
        QCOMPARE(child<QSpinBox>("sePrecession")->value(), 100);
        QCOMPARE(settings().sePrecession, 100);
        QCOMPARE(child<QSpinBox>("seLinePrecession")->value(), 0);
        QCOMPARE(settings().seLinePrecession, 0);
        QCOMPARE(child<QSpinBox>("seAnglePrecession")->value(), 2);
        QCOMPARE(settings().seAnglePrecession, 2);
        QCOMPARE(child<QLineEdit>("edNameCameral")->text(), QStringLiteral("Петров"));
        QVERIFY(!child<QLineEdit>("edNameCameral")->isEnabled());
        // Typing past the range stops at its edge too.
        auto* spin = child<QSpinBox>("sePrecession");
        spin->selectAll();
        QTest::keyClicks(spin, "999");
        QVERIFY(spin->value() <= 100);
        QVERIFY(settings().sePrecession <= 100);
    }

    void additionalOptionsHaveBoldHeadingsWithoutCheckBoxes()
    {
        QAbstractItemModel* model = child<QListView>("cklAdditionOption")->model();
        QCOMPARE(model->rowCount(), 8);
        const QStringList texts = {
            QStringLiteral("Общие"),
            QStringLiteral("Открывать файлы с результатами при сохранении (не действует при груповом сохранении)"),
            QStringLiteral("Линейно-угловой ход"),
            QStringLiteral("Добавлять строку N X Y H в заголовок при сохранении координат в техстовом файле и Excel"),
            QStringLiteral("Показывать названия точек в ведомости хода"),
            QStringLiteral("Тахеометрия"),
            QStringLiteral("Добавлять строку N X Y H в заголовок при сохранении координат в техстовом файле и Excel"),
            QStringLiteral("Показывать названия точек в ведомости тахеометрии"),
        };
        for (int row = 0; row < 8; ++row) {
            const QModelIndex i = model->index(row, 0);
            QCOMPARE(i.data().toString(), texts[row]);
            const bool heading = row == 0 || row == 2 || row == 5;
            QCOMPARE(i.data(Qt::FontRole).value<QFont>().bold(), heading);
            QCOMPARE(bool(model->flags(i) & Qt::ItemIsUserCheckable), !heading);
            if (heading)
                QVERIFY(!i.data(Qt::CheckStateRole).isValid());
            else
                QCOMPARE(i.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        }
        QVERIFY(model->setData(model->index(4, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!settings().IsOptionSet(4));
        QCOMPARE(model->index(4, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!model->setData(model->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(settings().IsOptionSet(2));
        QVERIFY(model->setData(model->index(4, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(settings().IsOptionSet(4));
    }

    void layoutFollowsThePageWidth_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("minimum") << 770;
        QTest::newRow("start") << 797;
        QTest::newRow("wide") << 1200;
    }

    void layoutFollowsThePageWidth()
    {
        QFETCH(int, windowWidth);
        window->resize(windowWidth, 600);
        QTest::qWait(20);
        SettingsPage* page = window->settingsPage();
        const int W = page->width();
        auto left = [page](QWidget* w) { return w->mapTo(page, QPoint(0, 0)).x(); };
        for (const char* name :
             {"edNameCourseID", "edNamePolevik", "edNameCameral", "edinstrument", "cbFormatAngle", "cbSelectNamePoint"})
            QCOMPARE(child<QWidget>(name)->width(), W - 361);
        for (const char* name : {"sePrecession", "seAnglePrecession", "edPiketTemplate"})
            QCOMPARE(left(child<QWidget>(name)), W - 74);
        QCOMPARE(child<QWidget>("lbPrecession")->width(), W - 88);
        QCOMPARE(child<QWidget>("lbAnglePrecession")->width(), W - 536);
        QCOMPARE(child<QWidget>("lbPiketTemplate")->width(), W - 536);
    }
};

QTEST_MAIN(SettingsPageTest)
#include "SettingsPageTest.moc"
