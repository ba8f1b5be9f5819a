#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(CliAngle, SubcommandsPrintOneLine)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"angle", "text", "degrees", "123.30456"}, "123°30'45.6\"\n"},
        {{"angle", "text", "compact", "-5.0305"}, "-50305\n"},
        {{"angle", "text", "spaced", "-5.0305"}, "-5 03 05\n"}, // a negative number is positional
        {{"angle", "text", "packed", "12.30"}, "12.3\n"},
        {{"angle", "radians", "-5.0305"}, "-0.0881633679097691\n"},
        {{"angle", "packed", "0.785398163397448"}, "45.00000\n"},
        {{"angle", "packed", "-0.5"}, "28.3852\n"},
        {{"angle", "decimal", "12.7625"}, "12.4545\n"},
        {{"angle", "decimal", "-12.5"}, "12.3\n"},
        {{"inverse", "0", "0", "100", "100"}, "45.00000 0.785398163397448 141.42135623731\n"},
        {{"inverse", "0", "0", "-100", "-100"}, "225.00000 3.92699081698724 141.42135623731\n"},
        {{"inverse", "0", "0", "0", "5"}, "90.00000 1.5707963267949 5\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, 0) << c.args[1] << " " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliAngle, Cp1251OutputOnRequest)
{
    const CliResult r = RunCli({"--encoding", "cp1251", "angle", "text", "degrees", "12.3"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "12\xB0"
                     "30'00\"\n");
    EXPECT_EQ(RunCli({"angle", "text", "degrees", "12.3", "--encoding", "cp1251"}).out, r.out);
}

TEST(CliAngle, ConversionErrorExitsOneWithTheMessage)
{
    const CliResult r = RunCli({"angle", "radians", "abc"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "'abc' is not a valid floating point value\n");
    const CliResult inv = RunCli({"inverse", "0", "1,5", "0", "0"});
    EXPECT_EQ(inv.exitCode, 1);
    EXPECT_EQ(inv.err, "'1,5' is not a valid floating point value\n");
}

TEST(CliAngle, UsageErrorsExitTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"angle"},
        {"angle", "radians"},
        {"angle", "radians", "1", "2"},
        {"angle", "text", "octal", "1"},
        {"angle", "frobnicate", "1"},
        {"angle", "radians", "--bogus"},
        {"inverse", "0", "0", "1"},
        {"no-such-command"},
        {},
        {"--bogus"},
    };
    for (const auto& args : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("Usage"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(Cli, HelpAndVersion)
{
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("angle radians PACKED"), std::string::npos);
    EXPECT_NE(help.out.find("inverse X1 Y1 X2 Y2"), std::string::npos);
    EXPECT_NE(help.out.find("Exit codes"), std::string::npos);
    const CliResult angleHelp = RunCli({"angle", "--help"});
    EXPECT_EQ(angleHelp.exitCode, 0);
    EXPECT_NE(angleHelp.out.find("angle decimal DEGREES"), std::string::npos);
    EXPECT_EQ(angleHelp.out.find("inverse"), std::string::npos);
    EXPECT_EQ(RunCli({"angle", "radians", "1", "--encoding", "koi8"}).exitCode, 2);
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "kalimor-cli 1.0.0.0b\n");
}
