#pragma once
// kalimor-cli: shared plumbing of the subcommands.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalimor::cli {

enum ExitCode { kOk = 0, kError = 1, kUsage = 2, kOutOfTolerance = 3, kAdjustmentStopped = 4 };

// Thrown for a usage error: main prints the message and the usage, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    std::vector<std::string> args; // after the subcommand name, UTF-8 as given
    bool cp1251Output = false;     // --encoding cp1251

    // Engine text (Windows-1251) to stdout / stderr, one line each, LF ended.
    void out(const std::string& cp1251Line) const;
    void err(const std::string& cp1251Line) const;
};

// An argument as engine text.
std::string Arg(const std::string& utf8);

// Whether an argument is an option: it begins with "-" and is not a number, so that
// negative numbers ("-5.0305") stay positional.
bool IsOption(const std::string& arg);

// Throws UsageError for the first option left in args (one no subcommand option took).
void RejectOptions(const std::vector<std::string>& args);

// Throws UsageError unless args holds exactly `count` positional arguments.
void ExpectArgs(const std::vector<std::string>& args, std::size_t count);

struct Command {
    const char* name;
    const char* usage; // one or more lines, shown by --help
    std::function<int(Context&)> run;
};

// Each subcommand file registers itself with a static Registration object.
std::vector<Command>& Commands();
struct Registration {
    explicit Registration(Command c) { Commands().push_back(std::move(c)); }
};

} // namespace kalimor::cli
