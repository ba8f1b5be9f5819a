// "Посчитать" for 2000 pickets in the window, the statement view's update included, on an
// empty statement and after 250 runs (500 000 lines).
#include "app/Session.h"
#include "app/tacheometry/TacheometryPage.h"
#include "tacheometry/PiketCalc.h"
#include "work/Work.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class NoPrompts : public Prompts {
public:
    bool ask(QWidget*, const QString&, Icon) override { return true; }
    void inform(QWidget*, const QString&, Icon) override {}
    void error(QWidget*, const QString&) override { std::abort(); }
    QString openFile(QWidget*, const QString&, const QStringList&, int*, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QStringList&, int*, const QString&, bool) override { return {}; }
    void openWithDesktop(const QString&) override {}
};

QApplication& app()
{
    static int argc = 1;
    static char name[] = "tacheometry_window";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed: tearing Qt down in the exit handlers would outlive its platform.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

void Prepare(kalimor::PiketPage& p)
{
    p.ckbAutoManual = false;
    p.edTC = "ST1";
    p.edTO = "ST2";
    p.neTCX = "6543214.657";
    p.neTCY = "2345489.027";
    p.neTOX = "6543188.903";
    p.neTOY = "2345341.771";
    p.cbSelectPiketTemplate = 1;
    p.sePointPiketCount = kalimor::kMaxPickets;
    for (int k = 0; k < kalimor::kMaxPickets; ++k) {
        auto& r = p.pickets[static_cast<std::size_t>(k)];
        r.name = "P" + std::to_string(k + 1);
        r.slopeDistance = 5 + (k * 37 % 1000) / 10.0;
        r.horizontalAngle = (k * 7919 % 360) + 0.3045;
        r.verticalAngle = (k % 7) - 3 + 0.1530;
    }
    p.neSDpiket = "5";
    p.neHzPiket = "0.3045";
    p.neV3piket = "-2.847";
}

void BM_WindowCalcPickets(benchmark::State& state)
{
    app();
    kalimor::Work work;
    NoPrompts prompts;
    Session session(work, prompts);
    Prepare(work.piket);
    TacheometryPage page(session);
    page.resize(797, 540);
    page.show();
    const int earlierRuns = static_cast<int>(state.range(0));
    for (int run = 0; run < earlierRuns; ++run)
        page.btnCalcPiketClick();
    for (auto _ : state) {
        page.btnCalcPiketClick();
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(work.piket.statement.size());
}
BENCHMARK(BM_WindowCalcPickets)->Arg(0)->Arg(250)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace
