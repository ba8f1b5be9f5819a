// kalimor-cli tacheometry PICKETS.utf --station NAME,X,Y[,H,I] --orient NAME,X,Y ...: the page
// "Тахеометрия" in manual mode, fed from a user text file the way "В тахеометр." feeds it,
// then one "Посчитать"; prints the tacheometry statement.
#include "cli/Cli.h"
#include "cli/StatementOptions.h"
#include "core/Errors.h"
#include "intake/InstrumentImport.h"
#include "tacheometry/PiketCalc.h"
#include "tacheometry/StationSetup.h"
#include "work/PiketCommands.h"
#include "work/Transfers.h"
#include "work/Work.h"

#include <optional>
#include <string>
#include <vector>

namespace kalimor::cli {
namespace {

std::vector<std::string> SplitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return parts;
        start = comma + 1;
    }
}

struct TacheometryArgs {
    std::vector<std::string> station, orient; // engine text
    std::optional<std::string> target, refraction, prefix;
    bool rightAngles = false, curvature = false;
    int nameFrom = 0;
};

TacheometryArgs TakeArgs(std::vector<std::string>& args)
{
    TacheometryArgs t;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = a.substr(eq + 1);
            a.erase(eq);
        }
        auto value = [&]() -> std::string {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--station") {
            t.station = SplitCommas(Arg(value()));
            if (t.station.size() != 3 && t.station.size() != 5)
                throw UsageError("--station takes NAME,X,Y or NAME,X,Y,H,I");
        } else if (a == "--orient") {
            t.orient = SplitCommas(Arg(value()));
            if (t.orient.size() != 3)
                throw UsageError("--orient takes NAME,X,Y");
        } else if (a == "--target") {
            t.target = Arg(value());
        } else if (a == "--right-angles") {
            t.rightAngles = true;
        } else if (a == "--name-from") {
            const std::string v = value();
            if (v != "address" && v != "note")
                throw UsageError("--name-from takes address or note, not " + v);
            t.nameFrom = v == "note" ? 1 : 0;
        } else if (a == "--prefix") {
            t.prefix = Arg(value());
            if (t.prefix->size() > 2)
                throw UsageError("--prefix takes at most 2 characters");
        } else if (a == "--curvature") {
            t.curvature = true;
        } else if (a == "--refraction") {
            t.refraction = Arg(value());
        } else {
            rest.push_back(args[i]);
        }
    }
    if (t.station.empty() || t.orient.empty())
        throw UsageError("--station and --orient are required");
    args = std::move(rest);
    return t;
}

int runTacheometry(Context& ctx)
{
    const StatementOptions options = TakeStatementOptions(ctx.args);
    const TacheometryArgs t = TakeArgs(ctx.args);
    RejectOptions(ctx.args);
    ExpectArgs(ctx.args, 1);

    Work work;
    ApplyStatementOptions(options, StatementKind::Tacheometry, work.settings);
    work.settings.cbSelectNamePoint = t.nameFrom;
    if (t.prefix)
        work.settings.edPiketTemplate = *t.prefix;
    work.settings.ckbhoriz = t.curvature;
    if (t.refraction) {
        work.settings.ckbRef = true;
        work.settings.edRef = *t.refraction;
    }
    work.course.cdTypeAngleCourse = t.rightAngles ? 1 : 0;

    PiketPage& piket = work.piket;
    cbSelectPiketTemplateChange(piket, options.template3d ? 1 : 0);
    ckbAutoManualClick(piket, false);
    SetStationField(piket, StationField::edTC, t.station[0]);
    SetStationField(piket, StationField::neTCX, t.station[1]);
    SetStationField(piket, StationField::neTCY, t.station[2]);
    if (t.station.size() == 5) {
        SetStationField(piket, StationField::nehcenter, t.station[3]);
        SetStationField(piket, StationField::nei, t.station[4]);
    }
    SetStationField(piket, StationField::edTO, t.orient[0]);
    SetStationField(piket, StationField::neTOX, t.orient[1]);
    SetStationField(piket, StationField::neTOY, t.orient[2]);
    if (t.target)
        SetStationField(piket, StationField::neito, *t.target);

    // Every row of the file, selected, goes over as "В тахеометр." sends it.
    work.import.edFileName = Arg(ctx.args[0]);
    ImportInstrumentFile(work.import, kUserText);
    work.import.selected.assign(work.import.rows.size(), true);
    btnTopiketClick(work);
    for (const std::string& line : work.import.messages)
        ctx.err(line);

    try {
        CalculatePickets(work);
    } catch (const KalimorError& e) {
        // What was written before the failure stays in the statement, as in the window.
        for (const std::string& line : piket.statement)
            ctx.out(line);
        ctx.err(e.what());
        return kError;
    }
    for (const std::string& line : piket.statement)
        ctx.out(line);
    return kOk;
}

const Registration
    tacheometry({"tacheometry",
                 "  tacheometry PICKETS.utf --station NAME,X,Y[,H,I] --orient NAME,X,Y [--target V]\n"
                 "              [--right-angles] [--name-from address|note] [--prefix P] [--curvature]\n"
                 "              [--refraction K] [statement options]\n"
                 "                                                   compute the pickets of a user text file\n"
                 "                                                   from a typed station and print the\n"
                 "                                                   tacheometry statement",
                 runTacheometry});

} // namespace
} // namespace kalimor::cli
