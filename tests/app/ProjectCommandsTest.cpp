// "Новый", "Открыть", "Сохранить" of the main window, with their questions answered both ways.
#include "app/project/ProjectCommands.h"
#include "FakePrompts.h"
#include "app/QtText.h"
#include "app/main/MainWindow.h"
#include "core/Codepage.h"
#include "traverse/CourseTable.h"
#include "work/ProjectFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace col = kalimor::col;

namespace {

const QString kNewQuestion = QStringLiteral("Все несохранённые данные текущей работы будут удалены. Продолжить?");
const QString kOpenQuestion = QStringLiteral("Все несохранённые данные текущей работы будут утеряны. Продолжить?");

// A traverse of four points between two known points, written as the project file lays it out.
QByteArray projectBytes()
{
    return QByteArray::fromStdString(kalimor::Utf8ToCp1251("[ОБЩИЕ]\r\n"
                                                           "Исполнитель=Петров\r\n"
                                                           "Точность=60\r\n"
                                                           "[ИСХОДНЫЕ ДАННЫЕ]\r\n"
                                                           "Тип хода=0\r\n"
                                                           "Точек в ходе=4\r\n"
                                                           "X1=6543210\r\nY1=2345100\r\nH1=150\r\n"
                                                           "X2=6543478.512\r\nY2=2345348.27\r\nH2=151.2\r\n"
                                                           "A1=45\r\nA2=45\r\n"
                                                           "[ТОЧКИ ХОДА]\r\n"
                                                           "1=A 120 180 0 1.5 1.5\r\n"
                                                           "2=B 130 180.0005 0.1 1.5 1.5\r\n"
                                                           "3=C 129 179.5955 0 1.5 1.5\r\n"
                                                           "4=D 0 180 0 1.5 0\r\n"
                                                           "[ТАХЕОМЕТРИЯ]\r\n0=1\r\n1=~  stored line~\r\n"
                                                           "[ИМПОРТ]\r\n0=1\r\n1=~5 10 20 30 1 note~\r\n"
                                                           "[RS-232]\r\n0=1\r\n1=~received~\r\n"));
}

} // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

private:
    template <class T> T* child(TFrmMain& w, const char* name)
    {
        auto* c = w.findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    QString writeProject(const QTemporaryDir& dir, const QString& name)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(projectBytes()) != projectBytes().size())
            qFatal("cannot write the fixture");
        return path;
    }

private slots:
    void commandsAreEnabledInTheTaskBarAndTheMenu()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        for (const char* name : {"TbNew", "TbOpen", "TbSave"})
            QVERIFY2(child<QAbstractButton>(w, name)->isEnabled(), name);
        for (const char* name : {"MnuNew", "MnuOpen", "MnuSave"})
            QVERIFY2(child<QAction>(w, name)->isEnabled(), name);
    }

    void newWorkAsksFirst()
    {
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.work().import.rows.resize(3);
        w.work().received.assign("abc\r\n");

        prompts.answers.enqueue(false);
        child<QAction>(w, "MnuNew")->trigger();
        QCOMPARE(prompts.questions, QStringList{kNewQuestion});
        QCOMPARE(w.work().import.rows.size(), 3u);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - Новая работа"));

        prompts.answers.enqueue(true);
        child<QAbstractButton>(w, "TbNew")->click();
        QCOMPARE(prompts.questions.size(), 2);
        QVERIFY(w.work().import.rows.empty());
        QCOMPARE(w.work().received.text, std::string());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - Новая работа.srv"));
    }

    void openAsksThenShowsTheDialog()
    {
        QTemporaryDir dir;
        const QString path = writeProject(dir, QStringLiteral("ход.srv"));
        FakePrompts prompts;
        TFrmMain w(prompts);

        prompts.answers.enqueue(false);
        prompts.fileNames.enqueue(path);
        child<QAction>(w, "MnuOpen")->trigger();
        QCOMPARE(prompts.questions, QStringList{kOpenQuestion});
        QVERIFY(prompts.lastTitle.isEmpty()); // no dialog after No
        QCOMPARE(w.work().course.SePointCourseCount, 3);

        prompts.fileNames.clear();
        child<QAbstractButton>(w, "TbOpen")->click(); // Yes, then the dialog is cancelled
        QCOMPARE(prompts.lastFilters, QStringList{QStringLiteral("Тахеометрия (*.srv)")});
        QCOMPARE(w.work().course.SePointCourseCount, 3);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - Новая работа"));

        prompts.fileNames.enqueue(path);
        child<QAction>(w, "MnuOpen")->trigger();
        QVERIFY(prompts.errors.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - ") + path);
        QCOMPARE(w.work().course.SePointCourseCount, 4);
        // The pages show the opened work: the adjusted table, the statements, the received text.
        auto* table = child<QTableView>(w, "GridViewCourse");
        QCOMPARE(table->model()->rowCount(), 9);
        QCOMPARE(table->model()->index(kalimor::PointRow(1), col::Name).data().toString(), QStringLiteral("B"));
        QVERIFY(!table->model()->index(kalimor::PointRow(1), col::X).data().toString().isEmpty());
        QVERIFY(!child<QPlainTextEdit>(w, "reCourse")->toPlainText().isEmpty());
        QCOMPARE(w.work().piket.statement, std::vector<std::string>{"  stored line"});
        QCOMPARE(w.work().import.rows.size(), 1u);
        QCOMPARE(w.work().settings.edNamePolevik, kalimor::Utf8ToCp1251("Петров"));
    }

    void openOfAMissingFileReportsAndKeepsTheWork()
    {
        QTemporaryDir dir;
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.work().import.rows.resize(2);
        const QString missing = dir.filePath(QStringLiteral("нет.srv"));
        prompts.fileNames.enqueue(missing);
        child<QAction>(w, "MnuOpen")->trigger();
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("Cannot open file ") + missing});
        QCOMPARE(w.work().import.rows.size(), 2u);
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - Новая работа"));
    }

    void saveWritesTheChosenNameWithTheSrvExtension()
    {
        QTemporaryDir dir;
        FakePrompts prompts;
        TFrmMain w(prompts);
        w.work().settings.edNamePolevik = kalimor::Utf8ToCp1251("Иванов");

        child<QAction>(w, "MnuSave")->trigger(); // cancelled
        QCOMPARE(prompts.lastTitle, QStringLiteral("Сохранить"));
        QCOMPARE(prompts.lastFilters, QStringList{QStringLiteral("Тахеометрия (*.srv)")});
        QVERIFY(QDir(dir.path()).isEmpty());

        prompts.fileNames.enqueue(dir.filePath(QStringLiteral("работа")));
        child<QAbstractButton>(w, "TbSave")->click();
        QVERIFY(prompts.errors.isEmpty());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("работа.srv"))));
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - работа.srv"));

        // What was saved opens again in a second window.
        FakePrompts prompts2;
        TFrmMain w2(prompts2);
        prompts2.fileNames.enqueue(dir.filePath(QStringLiteral("работа.srv")));
        child<QAction>(w2, "MnuOpen")->trigger();
        QCOMPARE(w2.work().settings.edNamePolevik, kalimor::Utf8ToCp1251("Иванов"));

        // A refraction text that is not a number stops the save and keeps the file.
        const QByteArray before = [&] {
            QFile f(dir.filePath(QStringLiteral("работа.srv")));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        w.work().settings.edRef = "x";
        prompts.fileNames.enqueue(dir.filePath(QStringLiteral("работа.srv")));
        child<QAction>(w, "MnuSave")->trigger();
        QCOMPARE(prompts.errors, QStringList{QStringLiteral("'x' is not a valid floating point value")});
        QFile f(dir.filePath(QStringLiteral("работа.srv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void projectNamedAtStartOpens()
    {
        QTemporaryDir dir;
        const QString path = writeProject(dir, QStringLiteral("start.srv"));
        FakePrompts prompts;
        TFrmMain w(prompts);
        QVERIFY(w.openProjectAtStart);
        w.openProjectAtStart(path);
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Kalimor [Тахеометрия] - ") + path);
        QCOMPARE(w.work().course.SePointCourseCount, 4);
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
