// kalimor-cli adjust PROJECT.srv [statement options]: a project opened as "Открыть", which
// ends with the traverse adjustment; prints the traverse statement, the verdict to stderr.
#include "cli/Cli.h"
#include "cli/StatementOptions.h"
#include "work/ProjectFile.h"
#include "work/Work.h"

#include <string>

namespace kalimor::cli {
namespace {

int runAdjust(Context& ctx)
{
    const StatementOptions options = TakeStatementOptions(ctx.args);
    RejectOptions(ctx.args);
    ExpectArgs(ctx.args, 1);
    Work work;
    // The statement is written by the adjustment at the end of the opening, so the options
    // (none of which the project file holds) are in force before it.
    ApplyStatementOptions(options, StatementKind::Traverse, work.settings);
    work.course.cbSelectCourseTemplate = options.template3d ? 1 : 0;
    OpenProject(work, ctx.args[0]);
    for (const std::string& line : work.course.statement)
        ctx.out(line);
    if (!work.course.statusText.empty())
        ctx.err(work.course.statusText);
    switch (work.course.outcome) {
    case AdjustOutcome::OutOfTolerance:
        return kOutOfTolerance;
    case AdjustOutcome::Stopped:
        return kAdjustmentStopped;
    default:
        return kOk;
    }
}

const Registration
    adjust({"adjust",
            "  adjust PROJECT.srv [statement options]           open a project, adjust the traverse and\n"
            "                                                   print its statement; exit 3 when the\n"
            "                                                   angular misclosure is out of tolerance,\n"
            "                                                   4 when the adjustment stopped",
            runAdjust});

} // namespace
} // namespace kalimor::cli
