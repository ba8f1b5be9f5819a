// kalimor --screenshot renders the main window offscreen to a PNG and exits.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ScreenshotTest : public QObject {
    Q_OBJECT

    static int run(const QStringList& args, QString* err = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"); // the program chooses offscreen itself
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KALIMOR_WINDOW), args);
        if (!p.waitForFinished(60000))
            return -1;
        if (err)
            *err = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void writesTheWindowAtItsStartSizeForTheChosenPage()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("page0.png");
        const QString third = dir.filePath("page2.png");
        QCOMPARE(run({"--screenshot", first}), 0);
        QCOMPARE(run({"--screenshot", third, "--page", "2"}), 0);
        const QImage a(first);
        const QImage b(third);
        QCOMPARE(a.size(), QSize(797, 595));
        QCOMPARE(b.size(), QSize(797, 595));
        QVERIFY(a != b);
    }

    void badArgumentsAreAUsageError()
    {
        QTemporaryDir dir;
        QString err;
        QCOMPARE(run({"--screenshot", dir.filePath("x.png"), "--page", "9"}, &err), 2);
        QVERIFY(err.contains("Usage"));
        QCOMPARE(run({"--frobnicate"}), 2);
        QVERIFY(!QFile::exists(dir.filePath("x.png")));
    }

    void unwritablePictureFails()
    {
        QString err;
        QCOMPARE(run({"--screenshot", "/nonexistent-folder/x.png"}, &err), 1);
        QVERIFY(err.contains("Unable to write to /nonexistent-folder/x.png"));
    }
};

QTEST_GUILESS_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
