// kalimor-cli export --traverse|--tacheometry PROJECT.srv --format FORMAT OUTNAME [statement
// options]: the export of one page as "Экспорт" does it, without opening the results.
#include "cli/Cli.h"
#include "cli/StatementOptions.h"
#include "core/Codepage.h"
#include "export/Exports.h"
#include "work/ProjectFile.h"
#include "work/Work.h"

#include <string>

namespace kalimor::cli {
namespace {

int FormatItem(const std::string& format)
{
    const struct {
        const char* name;
        int item;
    } formats[] = {
        {"statement", kExportStatement},
        {"coordinates", kExportCoordinates},
        {"excel", kExportExcel},
        {"mapinfo", kExportMapInfo},
        {"top", kExportTop},
        {"all", kExportAll},
    };
    for (const auto& f : formats)
        if (format == f.name)
            return f.item;
    throw UsageError("Unknown format: " + format);
}

int runExport(Context& ctx)
{
    const StatementOptions options = TakeStatementOptions(ctx.args);
    int source = -1; // 0 traverse, 1 tacheometry
    std::string format;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--traverse" || a == "--tacheometry") {
            const int chosen = a == "--traverse" ? 0 : 1;
            if (source >= 0 && source != chosen)
                throw UsageError("Give one of --traverse and --tacheometry");
            source = chosen;
        } else if (a == "--format") {
            if (i + 1 >= ctx.args.size())
                throw UsageError("--format needs a value");
            format = ctx.args[++i];
        } else if (a.rfind("--format=", 0) == 0) {
            format = a.substr(9);
        } else {
            rest.push_back(a);
        }
    }
    RejectOptions(rest);
    ExpectArgs(rest, 2);
    if (source < 0)
        throw UsageError("Give --traverse or --tacheometry");
    if (format.empty())
        throw UsageError("Give --format");
    const int item = FormatItem(format);
    const bool traverse = source == 0;

    Work work;
    // Opening ends with the adjustment, which writes the traverse statement: the options
    // must be in force before it.
    ApplyStatementOptions(options, traverse ? StatementKind::Traverse : StatementKind::Tacheometry, work.settings);
    work.course.cbSelectCourseTemplate = options.template3d ? 1 : 0;
    OpenProject(work, rest[0]);

    WorkbookWriter writer = ExportWorkbookWriter();
    ExportFiles files;
    std::size_t printed = 0;
    auto printWritten = [&] {
        for (; printed < files.written.size(); ++printed)
            ctx.out(Utf8ToCp1251(files.written[printed]));
    };
    try {
        RunExport(work, writer, traverse ? ExportSource::Traverse : ExportSource::Tacheometry, item, rest[1], files);
    } catch (...) {
        printWritten();
        throw;
    }
    printWritten();
    return kOk;
}

const Registration exportCommand(
    {"export",
     "  export --traverse|--tacheometry PROJECT.srv --format statement|coordinates|excel|mapinfo|top|all\n"
     "         OUTNAME [statement options]                 write that page's export files under OUTNAME\n"
     "                                                   (\"all\": all five with their suffixes) and\n"
     "                                                   print the path of each file written",
     runExport});

} // namespace
} // namespace kalimor::cli
