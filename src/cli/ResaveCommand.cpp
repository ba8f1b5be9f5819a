// kalimor-cli resave IN.srv OUT.srv: a project opened as "Открыть" and saved as "Сохранить".
#include "cli/Cli.h"
#include "work/ProjectFile.h"
#include "work/Work.h"

namespace kalimor::cli {
namespace {

int runResave(Context& ctx)
{
    RejectOptions(ctx.args);
    ExpectArgs(ctx.args, 2);
    Work work;
    OpenProject(work, ctx.args[0]);
    SaveProject(work, ctx.args[1]);
    return kOk;
}

const Registration resave({"resave",
                           "  resave IN.srv OUT.srv                            open a project and save it again\n"
                           "                                                   (OUT takes the extension .srv)",
                           runResave});

} // namespace
} // namespace kalimor::cli
