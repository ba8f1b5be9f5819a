// What the user waits for when an instrument sends 10 MB at full speed: from the first byte on
// the line until the page shows and counts every line. Drives the real page over a
// pseudo-terminal, as the instrument's cable would.
#include "app/Prompts.h"
#include "app/Session.h"
#include "app/rs232/Rs232Page.h"
#include "work/Work.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <memory>
#include <string>

namespace {

class SilentPrompts : public Prompts {
public:
    bool ask(QWidget*, const QString&, Icon) override { return true; }
    void inform(QWidget*, const QString&, Icon) override {}
    void error(QWidget*, const QString& text) override { qFatal("%s", qPrintable(text)); }
    QString openFile(QWidget*, const QString&, const QStringList&, int*, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QStringList&, int*, const QString&, bool) override { return {}; }
    void openWithDesktop(const QString&) override {}
};

QApplication& App()
{
    static int argc = 1;
    static char name[] = "received_view";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

std::string InstrumentStream(std::size_t bytes)
{
    std::string data;
    for (unsigned i = 0; data.size() < bytes; ++i)
        data += std::to_string(i) + "  123.4560  45.3020  91.1512  1.550  PK" + std::to_string(i % 997) +
                "  0.000  0.000  ======================================================\r\n";
    return data;
}

void ReceiveIntoThePage(benchmark::State& state)
{
    App();
    const std::string data = InstrumentStream(static_cast<std::size_t>(state.range(0)) * 1024 * 1024);
    for (auto _ : state) {
        int master = -1;
        int slave = -1;
        char device[256] = {};
        if (openpty(&master, &slave, device, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        ::close(slave);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

        kalimor::Work work;
        SilentPrompts prompts;
        Session session(work, prompts);
        auto page = std::make_unique<Rs232Page>(session);
        page->resize(760, 480);
        page->show();
        PortSettings settings = page->portSettings();
        settings.portName = QString::fromLocal8Bit(device);
        page->setPortSettings(settings);
        page->btnDownloadClick();

        std::size_t at = 0;
        while (at < data.size()) {
            const ssize_t n = ::write(master, data.data() + at, std::min<std::size_t>(4096, data.size() - at));
            if (n > 0)
                at += static_cast<std::size_t>(n);
            QCoreApplication::processEvents();
        }
        auto* view = page->findChild<QPlainTextEdit*>(QStringLiteral("redownload"));
        const int blocks = static_cast<int>(work.received.lineCount()) + 1;
        while (work.received.text.size() < data.size() || view->document()->blockCount() < blocks)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.counters["lines"] = static_cast<double>(work.received.lineCount());
        page->closePort();
        ::close(master);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(ReceiveIntoThePage)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
