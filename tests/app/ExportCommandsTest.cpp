// "Экспорт" on the traverse and tacheometry pages, driven through the real main window.
#include "FakePrompts.h"

#include "app/QtText.h"
#include "app/main/MainWindow.h"
#include "core/Codepage.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::vector<std::string> MixedStatement()
{
    QFile file(QStringLiteral(KALIMOR_TEST_DATA "/export/statement_mixed.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<std::string> lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            lines.push_back(line.chopped(1).toStdString()); // without the CR
    return lines;
}

void SetTraverse(kalimor::Work& work)
{
    work.course.points[0].Name = "A1";
    work.course.points[0].X = 100.123;
    work.course.points[0].Y = 200.5;
    work.course.points[1].Name = "A2";
    work.course.points[1].X = 110;
    work.course.points[1].Y = 210.25;
    work.course.points[2].Name = "B";
    work.course.points[2].X = 120;
    work.course.points[2].Y = 221;
}

QStringList Sorted(QStringList names)
{
    names.sort();
    return names;
}

} // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        window = std::make_unique<TFrmMain>(*prompts);
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        window->work().piket.statement = MixedStatement();
        QVERIFY(!window->work().piket.statement.empty());
        SetTraverse(window->work());
        emit window->session().workChanged();
    }
    void cleanup()
    {
        window.reset();
        prompts.reset();
        dir.reset();
    }

    void buttonsAreEnabledAndOfferTheFormatItems()
    {
        auto* course = window->findChild<QPushButton*>(QStringLiteral("btnSaveCourse"));
        auto* piket = window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"));
        QVERIFY(course && piket);
        QVERIFY(course->isEnabled());
        QVERIFY(piket->isEnabled());

        course->click();
        QCOMPARE(prompts->lastFilters,
                 QStringList({QStringLiteral("Ведомость хода (*.txt)"), QStringLiteral("Координаты хода (*.txt)"),
                              QStringLiteral("Координаты хода (*.xls)"), QStringLiteral("Схема хода (*.mif)"),
                              QStringLiteral("Файл Credo (*.top)"), QStringLiteral("Все ведомости")}));
        piket->click();
        QCOMPARE(prompts->lastFilters,
                 QStringList({QStringLiteral("Ведомость тахеометрии (*.txt)"),
                              QStringLiteral("Координаты пикетов из тахеометрии (*.txt)"),
                              QStringLiteral("Координаты пикетов из тахеометрии (*.xls)"),
                              QStringLiteral("Тахеометрия (Mapinfo *.mif)"), QStringLiteral("Файл Credo (*.top)"),
                              QStringLiteral("Все ведомости сразу")}));
        // Both dialogs were cancelled: nothing written, nothing opened, no error.
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(prompts->opened.isEmpty());
        QVERIFY(prompts->errors.isEmpty());
    }

    void allFiveOpenNothingAndTheFolderBecomesTheWorkingFolder()
    {
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("obj")));
        prompts->filters.enqueue(5);
        window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"))->click();
        QVERIFY2(prompts->errors.isEmpty(), qPrintable(prompts->errors.join('\n')));
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::Files, QDir::Name),
            Sorted({"obj_vdm_pik.txt", "obj_crd_pik.txt", "obj_crd_pikdH.txt", "obj_crd_top.top", "obj_crd_topdH.top",
                    "obj_crd_pik.XLS", "obj_map_pik.mif", "obj_map_pik.mid", "obj_map_pik_vis.mif"}));
        QVERIFY(prompts->opened.isEmpty());
        QCOMPARE(QDir::current().canonicalPath(), QDir(dir->path()).canonicalPath());

        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("hod")));
        prompts->filters.enqueue(5);
        window->findChild<QPushButton*>(QStringLiteral("btnSaveCourse"))->click();
        QCOMPARE(QDir(dir->path()).entryList({"hod*"}, QDir::Files, QDir::Name),
                 Sorted({"hod_vdm_hod.txt", "hod_crd_hod.txt", "hod_crd_top.top", "hod_crd_hod.XLS", "hod_map_hod.mif",
                         "hod_map_hod.mid"}));
        QVERIFY(prompts->opened.isEmpty());
    }

    void singleExportsOpenTheirFilesOnlyWithOptionOne()
    {
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("pk")));
        prompts->filters.enqueue(1);
        window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"))->click();
        QCOMPARE(prompts->opened, QStringList({dir->filePath("pk.txt"), dir->filePath("pkdH.txt")}));

        prompts->opened.clear();
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("map.mif")));
        prompts->filters.enqueue(3);
        window->findChild<QPushButton*>(QStringLiteral("btnSaveCourse"))->click();
        QCOMPARE(prompts->opened, QStringList({dir->filePath("map.mif")}));
        QVERIFY(QFile::exists(dir->filePath("map.mid")));

        prompts->opened.clear();
        window->work().settings.additionOptions[1] = false;
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("book.txt")));
        prompts->filters.enqueue(2);
        window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"))->click();
        QVERIFY(QFile::exists(dir->filePath("book.XLS")));
        QVERIFY(prompts->opened.isEmpty());
    }

    void statementEditsInTheViewReachTheExport()
    {
        auto* view = window->findChild<QPlainTextEdit*>(QStringLiteral("rePiket"));
        QVERIFY(view);
        QString text = view->toPlainText();
        QVERIFY(text.contains(QStringLiteral("    1070.385 |    2070.385 |  159.085 ]")));
        text.replace(QStringLiteral("    1070.385 |    2070.385 |  159.085 ]"),
                     QStringLiteral("    1071.385 |    2070.385 |  159.085 ]"));
        view->setPlainText(text);
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("edited")));
        prompts->filters.enqueue(1);
        window->work().settings.additionOptions[6] = false;
        window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"))->click();
        QFile list(dir->filePath(QStringLiteral("edited.txt")));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QVERIFY(list.readAll().startsWith("1 1071.385 2070.385 159.085\r\n"));
    }

    void errorsGoToTheCriticalBox()
    {
        // An unreadable X stops the workbook with the conversion message.
        window->work().piket.statement[12].replace(64, 8, "1O70.385");
        prompts->fileNames.enqueue(dir->filePath(QStringLiteral("bad")));
        prompts->filters.enqueue(2);
        window->findChild<QPushButton*>(QStringLiteral("btnSavePiket"))->click();
        QCOMPARE(prompts->errors, QStringList({QStringLiteral("'1O70.385' is not a valid floating point value")}));
        QVERIFY(!QFile::exists(dir->filePath("bad.XLS")));

        prompts->errors.clear();
        const QString missing = dir->filePath(QStringLiteral("нет/obj"));
        prompts->fileNames.enqueue(missing);
        prompts->filters.enqueue(0);
        window->findChild<QPushButton*>(QStringLiteral("btnSaveCourse"))->click();
        QCOMPARE(prompts->errors, QStringList({QStringLiteral("Unable to write to ") + missing + ".txt"}));
        QVERIFY(prompts->opened.isEmpty());
    }

private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<TFrmMain> window;
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"
