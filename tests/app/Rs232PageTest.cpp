// The page "RS-232" against a real serial port: a pseudo-terminal pair, whose slave side the page
// opens through Qt SerialPort while the test writes to the master side as the instrument.
#include "app/rs232/Rs232Page.h"
#include "FakePrompts.h"
#include "app/Session.h"
#include "app/main/MainWindow.h"
#include "app/rs232/Lamp.h"
#include "app/rs232/PortSettings.h"
#include "app/rs232/PortSettingsDialog.h"
#include "core/Codepage.h"
#include "work/Work.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <memory>
#include <string>

namespace {

// A pseudo-terminal pair: the page opens `device`, the test plays the instrument on `master`.
struct Pty {
    int master = -1;
    QString device;

    Pty()
    {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        ::close(slave);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        device = QString::fromLocal8Bit(name);
    }
    ~Pty() { closeMaster(); }

    // Writes everything, letting the window's event loop read while the line is full.
    void send(const std::string& bytes)
    {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const ssize_t n = ::write(master, bytes.data() + at, bytes.size() - at);
            if (n > 0)
                at += static_cast<std::size_t>(n);
            else if (n < 0 && errno != EAGAIN && errno != EINTR)
                QFAIL("write to the pseudo-terminal failed");
            else
                QTest::qWait(1);
        }
    }
    void closeMaster()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
};

// One page over its own work, as the main window composes it.
struct Fixture {
    kalimor::Work work;
    FakePrompts prompts;
    Session session{work, prompts};
    Rs232Page page{session};

    template <class T> T* get(const char* name)
    {
        T* child = page.findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QPushButton* download() { return get<QPushButton>("btnDownload"); }
    QString counter() { return get<QLabel>("pnRxString")->text(); }
    QString shown() { return get<QPlainTextEdit>("redownload")->toPlainText(); }
    bool receiveLamp() { return get<Lamp>("lampRx")->isLit(); }
    bool connectionLamp() { return get<Lamp>("lampConnection")->isLit(); }

    // Points the page at the pseudo-terminal with the settings of every start.
    void useDevice(const QString& device)
    {
        PortSettings settings = page.portSettings();
        settings.portName = device;
        page.setPortSettings(settings);
    }
};

QByteArray ReadAll(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

} // namespace

class Rs232PageTest : public QObject {
    Q_OBJECT
private slots:
    void startsClosedWithTheDefaultLineSettings();
    void comNamesMeanTheBuiltInPorts_data();
    void comNamesMeanTheBuiltInPorts();
    void twoReceptionsMakeOneLine();
    void aMegabyteBurstArrivesWhole();
    void stopThenStartAppends();
    void aMissingPortIsReportedAndReceptionDoesNotStart();
    void theOtherEndVanishingEndsTheReception();
    void clearAsksFirst();
    void saveAddsTxtOnlyWithoutAnExtension();
    void saveAsksBeforeReplacingTheFileWithTxtAdded();
    void settingsDialogReturnsTheChosenSettings();
    void settingsDialogKeepsThePortWhenItsFieldIsEmptied();
    void aTextReplacedByAnotherCommandIsShownAndCounted();
    void layoutFollowsThePageWidth_data();
    void layoutFollowsThePageWidth();
    void closingTheMainWindowClosesThePort();
};

void Rs232PageTest::startsClosedWithTheDefaultLineSettings()
{
    Fixture f;
    QCOMPARE(f.download()->text(), QStringLiteral("Скачать"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 0"));
    QCOMPARE(f.get<QGroupBox>("grpDownload")->title(), QStringLiteral("Приём данных"));
    QVERIFY(!f.receiveLamp());
    QVERIFY(!f.connectionLamp());
    QVERIFY(!f.page.portOpen());
    // Search and printing come with their own commands.
    QVERIFY(!f.get<QPushButton>("btnPrintDownload")->isEnabled());
    QVERIFY(!f.get<QPushButton>("btnFindDownload")->isEnabled());
    QCOMPARE(f.get<QPushButton>("btnPrintDownload")->text(), QStringLiteral("Печать"));
    QCOMPARE(f.get<QPushButton>("btnFindDownload")->text(), QStringLiteral("Найти"));
    QVERIFY(f.get<QPlainTextEdit>("redownload")->font().fixedPitch());
    QCOMPARE(f.get<QPlainTextEdit>("redownload")->lineWrapMode(), QPlainTextEdit::NoWrap);

    const PortSettings s = f.page.portSettings();
    QCOMPARE(s.baudRate, 9600);
    QCOMPARE(s.dataBits, QSerialPort::Data7);
    QCOMPARE(s.parity, QSerialPort::EvenParity);
    QCOMPARE(s.stopBits, QSerialPort::OneStop);
    QCOMPARE(s.flowControl, QSerialPort::SoftwareControl);
    const QStringList ports = AvailablePortNames();
    QCOMPARE(s.portName, ports.isEmpty() ? QStringLiteral("COM1") : ports.first());
}

void Rs232PageTest::comNamesMeanTheBuiltInPorts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM1") << "COM1"
                          << "/dev/ttyS0";
    QTest::newRow("com12") << "com12"
                           << "/dev/ttyS11";
    QTest::newRow("USB adapter") << "ttyUSB0"
                                 << "/dev/ttyUSB0";
    QTest::newRow("path") << "/dev/pts/3"
                          << "/dev/pts/3";
    QTest::newRow("COM0 is no COM port") << "COM0"
                                         << "/dev/COM0";
}

void Rs232PageTest::comNamesMeanTheBuiltInPorts()
{
    QFETCH(QString, name);
    QFETCH(QString, device);
    QCOMPARE(PortDevice(name), device);
}

void Rs232PageTest::twoReceptionsMakeOneLine()
{
    Pty pty;
    Fixture f;
    f.useDevice(pty.device);
    // The view must grow at its end, never be laid out anew from the start.
    QTextDocument* document = f.get<QPlainTextEdit>("redownload")->document();
    int changes = 0;
    int rewrites = 0;
    connect(document, &QTextDocument::contentsChange, [&](int position, int removed, int added) {
        ++changes;
        if (removed != 0 || position != document->characterCount() - 1 - added)
            ++rewrites;
    });

    f.download()->click();
    QCOMPARE(f.prompts.errors, QStringList());
    QVERIFY(f.page.portOpen());
    QCOMPARE(f.download()->text(), QStringLiteral("Остановить"));
    QVERIFY(f.connectionLamp());

    pty.send("12 1");
    QTRY_COMPARE(f.work.received.text, std::string("12 1"));
    QVERIFY(f.receiveLamp());
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 1"));
    QTRY_COMPARE(f.shown(), QStringLiteral("12 1"));
    const int lengthAfterFirst = document->characterCount();
    pty.send("00.5\r\n");
    QTRY_COMPARE(f.work.received.text, std::string("12 100.5\r\n"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 1"));
    QTRY_COMPARE(f.shown(), QStringLiteral("12 100.5\n"));
    QVERIFY(document->characterCount() > lengthAfterFirst);
    QVERIFY(changes >= 2);
    QCOMPARE(rewrites, 0);
    // The receive lamp goes dark when nothing more arrives; the connection lamp stays lit.
    QTRY_VERIFY(!f.receiveLamp());
    QVERIFY(f.connectionLamp());
}

void Rs232PageTest::aMegabyteBurstArrivesWhole()
{
    Pty pty;
    Fixture f;
    f.useDevice(pty.device);
    std::string burst;
    for (int i = 0; burst.size() < 1024 * 1024; ++i)
        burst += std::to_string(i) + " 123.456 45.3020 91.1512 PK" + std::to_string(i % 97) + "\r\n";

    f.download()->click();
    QVERIFY(f.page.portOpen());
    pty.send(burst);
    QTRY_COMPARE_WITH_TIMEOUT(f.work.received.text.size(), burst.size(), 30000);
    QVERIFY(f.work.received.text == burst);
    const auto lines = static_cast<qsizetype>(std::count(burst.begin(), burst.end(), '\n'));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: %1").arg(lines));
    QTRY_COMPARE(f.get<QPlainTextEdit>("redownload")->document()->blockCount(), lines + 1);
}

void Rs232PageTest::stopThenStartAppends()
{
    Pty pty;
    Fixture f;
    f.useDevice(pty.device);
    f.download()->click();
    pty.send("first\r\n");
    QTRY_COMPARE(f.work.received.text, std::string("first\r\n"));

    f.download()->click();
    QVERIFY(!f.page.portOpen());
    QCOMPARE(f.download()->text(), QStringLiteral("Скачать"));
    QVERIFY(!f.connectionLamp());
    QVERIFY(!f.receiveLamp());
    pty.send("lost while closed\r\n");
    QTest::qWait(50);

    f.download()->click();
    QVERIFY(f.page.portOpen());
    pty.send("second\r\n");
    QTRY_COMPARE(f.work.received.text, std::string("first\r\nsecond\r\n"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));
    QTRY_COMPARE(f.shown(), QStringLiteral("first\nsecond\n"));
}

void Rs232PageTest::aMissingPortIsReportedAndReceptionDoesNotStart()
{
    Fixture f;
    f.useDevice(QStringLiteral("COM99"));
    f.download()->click();
    QCOMPARE(f.prompts.errors.size(), 1);
    QVERIFY2(f.prompts.errors.first().contains(QStringLiteral("COM99 (/dev/ttyS98)")),
             qPrintable(f.prompts.errors.first()));
    QVERIFY(!f.page.portOpen());
    QCOMPARE(f.download()->text(), QStringLiteral("Скачать"));
    QVERIFY(!f.connectionLamp());

    // A second attempt reports again rather than believing the port open.
    f.download()->click();
    QCOMPARE(f.prompts.errors.size(), 2);
    QCOMPARE(f.download()->text(), QStringLiteral("Скачать"));
}

void Rs232PageTest::theOtherEndVanishingEndsTheReception()
{
    Pty pty;
    Fixture f;
    f.useDevice(pty.device);
    f.download()->click();
    pty.send("abc\r\nde");
    QTRY_COMPARE(f.work.received.text, std::string("abc\r\nde"));

    pty.closeMaster();
    QTRY_VERIFY(!f.page.portOpen());
    QTRY_COMPARE(f.prompts.errors.size(), 1);
    QVERIFY2(f.prompts.errors.first().contains(pty.device), qPrintable(f.prompts.errors.first()));
    QCOMPARE(f.download()->text(), QStringLiteral("Скачать"));
    QVERIFY(!f.connectionLamp());
    QVERIFY(!f.receiveLamp());
    QCOMPARE(f.work.received.text, std::string("abc\r\nde"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));
    // One message, not one per failed read.
    QTest::qWait(100);
    QCOMPARE(f.prompts.errors.size(), 1);
}

void Rs232PageTest::clearAsksFirst()
{
    Pty pty;
    Fixture f;
    f.useDevice(pty.device);
    f.download()->click();
    pty.send("12 1\r\n00.5\r");
    QTRY_COMPARE(f.counter(), QStringLiteral("Принято строк: 2"));

    f.prompts.answers << false;
    f.get<QPushButton>("btnClearDownload")->click();
    QCOMPARE(f.prompts.questions, QStringList{QStringLiteral("Текущие данные будут удалены. Продолжить?")});
    QCOMPARE(f.work.received.text, std::string("12 1\r\n00.5\r"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));

    f.prompts.answers << true;
    f.get<QPushButton>("btnClearDownload")->click();
    QCOMPARE(f.work.received.text, std::string());
    QCOMPARE(f.shown(), QString());
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 0"));
    // The reception goes on; the LF of the CR LF torn by the clear starts nothing.
    QVERIFY(f.page.portOpen());
    pty.send("\n77\r\n");
    QTRY_COMPARE(f.work.received.text, std::string("\n77\r\n"));
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));
}

void Rs232PageTest::saveAddsTxtOnlyWithoutAnExtension()
{
    QTemporaryDir dir;
    Fixture f;
    f.work.received.append("12 1");
    f.work.received.append("00.5\nEND");
    f.page.refresh();

    // Cancelled: nothing written.
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(f.prompts.lastTitle, QStringLiteral("Сохранить"));
    QCOMPARE(f.prompts.lastFilters, QStringList{QStringLiteral("Текстовый файл (*.txt)")});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    f.prompts.fileNames << dir.filePath(QStringLiteral("data")) << dir.filePath(QStringLiteral("data.dat"));
    f.get<QPushButton>("btnSaveDownLoad")->click();
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(f.prompts.errors, QStringList());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"data.dat", "data.txt"}));
    QCOMPARE(ReadAll(dir.filePath("data.txt")), QByteArray("12 100.5\r\nEND\r\n"));
    QCOMPARE(ReadAll(dir.filePath("data.dat")), QByteArray("12 100.5\r\nEND\r\n"));

    // A file that cannot be written is reported; the text stays.
    f.prompts.fileNames << dir.filePath(QStringLiteral("missing/data"));
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(f.prompts.errors, QStringList{"Unable to write to " + dir.filePath("missing/data.txt")});
    QCOMPARE(f.work.received.text, std::string("12 100.5\nEND"));
}

void Rs232PageTest::saveAsksBeforeReplacingTheFileWithTxtAdded()
{
    QTemporaryDir dir;
    Fixture f;
    f.work.received.append("new\r\n");
    QFile old(dir.filePath("data.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();

    f.prompts.answers << false;
    f.prompts.fileNames << dir.filePath("data");
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(f.prompts.questions.size(), 1);
    QVERIFY(f.prompts.questions.first().contains(dir.filePath("data.txt")));
    QCOMPARE(ReadAll(dir.filePath("data.txt")), QByteArray("old\r\n"));

    f.prompts.answers << true;
    f.prompts.fileNames << dir.filePath("data");
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(ReadAll(dir.filePath("data.txt")), QByteArray("new\r\n"));

    // The dialog itself asked about a name chosen with its extension.
    f.prompts.fileNames << dir.filePath("data.txt");
    f.get<QPushButton>("btnSaveDownLoad")->click();
    QCOMPARE(f.prompts.questions.size(), 2);
}

void Rs232PageTest::settingsDialogReturnsTheChosenSettings()
{
    Pty pty;
    Fixture f;
    const PortSettings before = f.page.portSettings();

    // Answers the modal dialog once it shows.
    const auto answer = [&](bool confirm) {
        QTimer::singleShot(0, [&, confirm] {
            auto* dialog = qobject_cast<PortSettingsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* port = dialog->findChild<QComboBox*>("cbPort");
            QCOMPARE(port->currentText(), before.portName);
            port->setCurrentText(pty.device);
            dialog->findChild<QComboBox*>("cbBaudRate")->setCurrentText("19200");
            auto* parity = dialog->findChild<QComboBox*>("cbParity");
            parity->setCurrentIndex(parity->findData(QSerialPort::NoParity));
            auto* buttons = dialog->findChild<QDialogButtonBox*>("buttons");
            buttons->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
    };

    answer(false);
    f.get<QPushButton>("btnSettingDownload")->click();
    QVERIFY(f.page.portSettings() == before);

    answer(true);
    f.get<QPushButton>("btnSettingDownload")->click();
    PortSettings expected = before;
    expected.portName = pty.device;
    expected.baudRate = 19200;
    expected.parity = QSerialPort::NoParity;
    QVERIFY(f.page.portSettings() == expected);
    QVERIFY(!f.page.portOpen());

    // The chosen port is the one "Скачать" opens.
    f.download()->click();
    QVERIFY(f.page.portOpen());
    pty.send("ok");
    QTRY_COMPARE(f.work.received.text, std::string("ok"));
}

void Rs232PageTest::settingsDialogKeepsThePortWhenItsFieldIsEmptied()
{
    PortSettings settings;
    settings.portName = QStringLiteral("ttyUSB3");
    PortSettingsDialog dialog(settings);
    QVERIFY(dialog.value() == settings);
    auto* port = dialog.findChild<QComboBox*>("cbPort");
    port->setCurrentText(QStringLiteral("  "));
    QCOMPARE(dialog.value().portName, QStringLiteral("ttyUSB3"));
    port->setCurrentText(QStringLiteral("COM2"));
    auto* dataBits = dialog.findChild<QComboBox*>("cbDataBits");
    dataBits->setCurrentIndex(dataBits->findData(QSerialPort::Data8));
    QCOMPARE(dialog.value().portName, QStringLiteral("COM2"));
    QCOMPARE(dialog.value().dataBits, QSerialPort::Data8);
}

void Rs232PageTest::aTextReplacedByAnotherCommandIsShownAndCounted()
{
    Fixture f;
    f.work.received.append("old");
    f.page.refresh();

    f.work.received.text = "a\r\nb\r\n"; // as opening a project does
    f.page.refresh();
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));
    QCOMPARE(f.shown(), QStringLiteral("a\nb\n"));

    f.work.received.text = "x\n\ny"; // same length, other lines
    f.page.refresh();
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 3"));
    QCOMPARE(f.shown(), QStringLiteral("x\n\ny"));

    f.work.received.text.clear();
    f.page.refresh();
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 0"));
    QCOMPARE(f.shown(), QString());

    // Opening a project and new work replace the text through the engine, which counts it
    // at once; the view must follow all the same.
    f.work.received.assign("p\r\nq");
    f.page.refresh();
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 2"));
    QCOMPARE(f.shown(), QStringLiteral("p\nq"));
    f.work.received.clear();
    f.page.refresh();
    QCOMPARE(f.counter(), QStringLiteral("Принято строк: 0"));
    QCOMPARE(f.shown(), QString());
}

void Rs232PageTest::layoutFollowsThePageWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("panel");
    QTest::newRow("design width") << 674 << 78 << 120;
    QTest::newRow("wider") << 744 << 88 << 130;
    QTest::newRow("narrower") << 600 << 67 << 109;            // -74 / 7 = -10.57
    QTest::newRow("half rounds to even") << 695 << 81 << 123; // 21 / 7 = 3
}

void Rs232PageTest::layoutFollowsThePageWidth()
{
    QFETCH(int, width);
    QFETCH(int, button);
    QFETCH(int, panel);
    Fixture f;
    f.page.resize(width, 400);
    f.page.show(); // a hidden widget gets its resize only when shown
    const char* row[] = {"btnPrintDownload", "pnRx",        "pnConnection",   "btnSettingDownload",
                         "btnClearDownload", "btnDownload", "btnSaveDownLoad"};
    int x = 6;
    for (const char* name : row) {
        const QRect r = f.get<QWidget>(name)->geometry();
        const bool isPanel = QByteArray(name).startsWith("pn");
        QCOMPARE(r.x(), x);
        QCOMPARE(r.width(), isPanel ? panel : button);
        x = r.x() + r.width() + 3;
    }
    const QRect print = f.get<QWidget>("btnPrintDownload")->geometry();
    const QRect download = f.get<QWidget>("btnDownload")->geometry();
    const QRect counter = f.get<QWidget>("pnRxString")->geometry();
    const QRect find = f.get<QWidget>("btnFindDownload")->geometry();
    QCOMPARE(counter.x(), print.x());
    QCOMPARE(counter.x() + counter.width(), download.x() + download.width());
    QCOMPARE(find.x(), download.x() + download.width() + 3);
    QCOMPARE(find.width(), button);
    QCOMPARE(find.y(), counter.y());
    QVERIFY(find.y() < f.get<QWidget>("redownload")->y());
}

void Rs232PageTest::closingTheMainWindowClosesThePort()
{
    Pty pty;
    FakePrompts prompts;
    auto window = std::make_unique<TFrmMain>(prompts);
    window->show();
    Rs232Page* page = window->rs232Page();
    PortSettings settings = page->portSettings();
    settings.portName = pty.device;
    page->setPortSettings(settings);
    page->btnDownloadClick();
    QVERIFY(page->portOpen());

    prompts.answers << true;
    window->close();
    QVERIFY(!page->portOpen());
    // Released: another program can take the port.
    QSerialPort other;
    other.setPortName(pty.device);
    QVERIFY2(other.open(QIODevice::ReadOnly), qPrintable(other.errorString()));
}

QTEST_MAIN(Rs232PageTest)
#include "Rs232PageTest.moc"
