#include "cli/StatementOptions.h"

#include "cli/Cli.h"
#include "core/ProcessingSettings.h"

#include <charconv>

namespace kalimor::cli {

const char* const kStatementOptionsUsage =
    "  statement options: [--angles degrees|compact|spaced] [--decimals 0..4] [--template 2d|3d]\n"
    "                     [--no-names] [--no-identification] [--no-heading]";

namespace {

// Splits "--name=value"; answers whether args[i] is the option `name` and its value, taking
// the value from the next argument when it is not attached.
bool takeValue(std::vector<std::string>& args, std::size_t i, const std::string& name, std::string& value)
{
    const std::string& a = args[i];
    if (a == name) {
        if (i + 1 >= args.size())
            throw UsageError(name + " needs a value");
        value = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        return true;
    }
    if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
        value = a.substr(name.size() + 1);
        args.erase(args.begin() + static_cast<long>(i));
        return true;
    }
    return false;
}

} // namespace

StatementOptions TakeStatementOptions(std::vector<std::string>& args)
{
    StatementOptions o;
    std::size_t i = 0;
    while (i < args.size()) {
        std::string value;
        if (takeValue(args, i, "--angles", value)) {
            if (value == "degrees")
                o.angles = 0;
            else if (value == "compact")
                o.angles = 1;
            else if (value == "spaced")
                o.angles = 2;
            else
                throw UsageError("--angles takes degrees, compact or spaced, not '" + value + "'");
        } else if (takeValue(args, i, "--decimals", value)) {
            int n = -1;
            const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (ec != std::errc() || ptr != value.data() + value.size() || n < 0 || n > 4)
                throw UsageError("--decimals takes 0..4, not '" + value + "'");
            o.decimals = n;
        } else if (takeValue(args, i, "--template", value)) {
            if (value == "2d")
                o.template3d = false;
            else if (value == "3d")
                o.template3d = true;
            else
                throw UsageError("--template takes 2d or 3d, not '" + value + "'");
        } else if (args[i] == "--no-names") {
            o.noNames = true;
            args.erase(args.begin() + static_cast<long>(i));
        } else if (args[i] == "--no-identification") {
            o.noIdentification = true;
            args.erase(args.begin() + static_cast<long>(i));
        } else if (args[i] == "--no-heading") {
            o.noHeading = true;
            args.erase(args.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    return o;
}

void ApplyStatementOptions(const StatementOptions& options, StatementKind kind, ProcessingSettings& settings)
{
    settings.cbFormatAngle = options.angles;
    settings.setLinePrecession(options.decimals);
    if (options.noNames)
        settings.additionOptions[kind == StatementKind::Traverse ? 4 : 7] = false;
    if (options.noIdentification) {
        settings.ckbCourse = false;
        settings.ckbPolevik = false;
        settings.ckbCameral = false;
        settings.ckbInstrument = false;
    }
    if (options.noHeading) {
        settings.additionOptions[3] = false;
        settings.additionOptions[6] = false;
    }
}

} // namespace kalimor::cli
