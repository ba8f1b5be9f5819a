// kalimor-cli: the engine from the command line.
#include "cli/Cli.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/NumberParse.h"
#include "work/Work.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace kalimor::cli {

std::vector<Command>& Commands()
{
    static std::vector<Command> commands;
    return commands;
}

namespace {
void writeLine(std::FILE* f, const std::string& cp1251Line, bool cp1251)
{
    const std::string text = cp1251 ? cp1251Line : Cp1251ToUtf8(cp1251Line);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fputc('\n', f);
}
} // namespace

void Context::out(const std::string& line) const
{
    writeLine(stdout, line, cp1251Output);
}
void Context::err(const std::string& line) const
{
    writeLine(stderr, line, cp1251Output);
}

std::string Arg(const std::string& utf8)
{
    return Utf8ToCp1251(utf8);
}

bool IsOption(const std::string& arg)
{
    if (arg.size() < 2 || arg[0] != '-')
        return false;
    double ignored = 0;
    return !TryStrToFloat(arg, ignored);
}

void RejectOptions(const std::vector<std::string>& args)
{
    for (const auto& a : args)
        if (IsOption(a))
            throw UsageError("Unknown option: " + a);
}

void ExpectArgs(const std::vector<std::string>& args, std::size_t count)
{
    RejectOptions(args);
    if (args.size() != count)
        throw UsageError("Wrong number of arguments");
}

} // namespace kalimor::cli

using namespace kalimor;
using namespace kalimor::cli;

static void printUsage(std::FILE* f)
{
    std::fprintf(f, "Usage: kalimor-cli [--encoding utf8|cp1251] COMMAND [ARGS...]\n"
                    "       kalimor-cli --help | --version\n\nCommands:\n");
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& c : commands)
        std::fprintf(f, "%s\n", c.usage);
    std::fprintf(f, "\nExit codes: 0 success; 1 a command stopped on an error; 2 usage error;\n"
                    "3 traverse adjusted, angular misclosure out of tolerance; 4 adjustment stopped.\n");
}

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    Context ctx;
    while (!args.empty() && args.front().rfind("--", 0) == 0) {
        const std::string opt = args.front();
        if (opt == "--help") {
            printUsage(stdout);
            return kOk;
        }
        if (opt == "--version") {
            std::printf("kalimor-cli %s\n", VersionText());
            return kOk;
        }
        if (opt == "--encoding" && args.size() >= 2) {
            if (args[1] == "cp1251")
                ctx.cp1251Output = true;
            else if (args[1] != "utf8" && args[1] != "utf-8") {
                std::fprintf(stderr, "Unknown encoding: %s\n", args[1].c_str());
                printUsage(stderr);
                return kUsage;
            }
            args.erase(args.begin(), args.begin() + 2);
            continue;
        }
        std::fprintf(stderr, "Unknown option: %s\n", opt.c_str());
        printUsage(stderr);
        return kUsage;
    }
    if (args.empty()) {
        printUsage(stderr);
        return kUsage;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    // --encoding may also follow the subcommand.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--encoding") {
            if (args[i + 1] != "cp1251" && args[i + 1] != "utf8" && args[i + 1] != "utf-8") {
                std::fprintf(stderr, "Unknown encoding: %s\n", args[i + 1].c_str());
                printUsage(stderr);
                return kUsage;
            }
            ctx.cp1251Output = args[i + 1] == "cp1251";
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            break;
        }
    }
    ctx.args = std::move(args);
    for (const auto& c : Commands()) {
        if (name != c.name)
            continue;
        if (std::find(ctx.args.begin(), ctx.args.end(), "--help") != ctx.args.end()) {
            std::printf("Usage:\n%s\n", c.usage);
            return kOk;
        }
        try {
            return c.run(ctx);
        } catch (const UsageError& e) {
            std::fprintf(stderr, "%s\nUsage: %s\n", e.what(), c.usage);
            return kUsage;
        } catch (const KalimorError& e) {
            ctx.err(e.what());
            return kError;
        } catch (const std::exception& e) {
            ctx.err(e.what());
            return kError;
        }
    }
    std::fprintf(stderr, "Unknown command: %s\n", name.c_str());
    printUsage(stderr);
    return kUsage;
}
