// kalimor-cli import --variant 1..7 FILE: the file read as that filter item of the import
// dialog; the rows added are printed as user-text lines.
#include "cli/Cli.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "intake/InstrumentImport.h"

#include <string>

namespace kalimor::cli {
namespace {

int ParseVariant(const std::string& text)
{
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '0' + kImportVariantCount)
        return text[0] - '0';
    throw UsageError("--variant takes 1.." + std::to_string(kImportVariantCount) + ", not " + text);
}

int runImport(Context& ctx)
{
    int variant = 0;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--variant") {
            if (i + 1 >= ctx.args.size())
                throw UsageError("--variant needs a value");
            variant = ParseVariant(ctx.args[++i]);
        } else if (a.rfind("--variant=", 0) == 0) {
            variant = ParseVariant(a.substr(10));
        } else {
            rest.push_back(a);
        }
    }
    if (variant == 0)
        throw UsageError("--variant is required");
    ExpectArgs(rest, 1);

    ImportPage page;
    page.edFileName = Arg(rest[0]);
    if (page.edFileName.empty())
        throw UsageError("FILE is empty");
    try {
        ImportInstrumentFile(page, variant);
    } catch (const ConversionError& e) {
        // The rows read before the failing line are kept, as in the window.
        for (const std::string& line : page.rowList)
            ctx.out(line);
        ctx.err(e.what());
        return kError;
    }
    for (const std::string& line : page.rowList)
        ctx.out(line);
    ctx.err(page.pAllString);
    return kOk;
}

const Registration
    import({"import",
            "  import --variant 1..7 FILE                       read an instrument file as that filter item\n"
            "                                                   and print its rows in the user text format",
            runImport});

} // namespace
} // namespace kalimor::cli
