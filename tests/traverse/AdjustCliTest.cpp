// kalimor-cli adjust end to end: the statement on stdout, the verdict on stderr, the exit code.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

CliRun Cli(const std::string& args)
{
    const std::string dir = ::testing::TempDir();
    const std::string out = dir + "adjust_out.txt", err = dir + "adjust_err.txt";
    const std::string command = std::string(KALIMOR_CLI) + " " + args + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    CliRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
}

TEST(AdjustCli, DemoPrintsTheStatementAndTheVerdict)
{
    const CliRun r = Cli(std::string("adjust ") + KALIMOR_EXAMPLES + "/demo.srv");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Угловая невязка в допуске\n");
    EXPECT_NE(r.out.find("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТЕОДОЛИТНОГО ХОДА\n"), std::string::npos);
    EXPECT_NE(r.out.find(" [   7 |     пп3346 |"), std::string::npos);
    EXPECT_NE(r.out.find(" Длина хода: 893.301\n"), std::string::npos);
}

TEST(AdjustCli, StatementOptionsShapeTheStatement)
{
    const CliRun r = Cli(std::string("adjust ") + KALIMOR_EXAMPLES +
                         "/demo.srv --template 3d --angles spaced --decimals 1 --no-names --no-identification");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.find("ИСПОЛНИТЕЛЬ"), std::string::npos);
    EXPECT_NE(r.out.find(" Н нач.: 152.614\n"), std::string::npos); // table text, 3 decimals
    EXPECT_NE(r.out.find(" [   1 |            |    100 48 24.2 |"), std::string::npos);
    EXPECT_NE(r.out.find("|   6543120.4 |   2345210.3 |       152.6 ]"), std::string::npos);
    EXPECT_NE(r.out.find(" Длина хода: 893.3\n"), std::string::npos);
}

TEST(AdjustCli, ExitCodesOfTheVerdicts)
{
    const std::string data = std::string(KALIMOR_TEST_DATA) + "/traverse/";
    struct Case {
        std::string args;
        int exitCode;
        std::string err;
    };
    const std::array<Case, 5> cases{{
        {"adjust " + data + "out_of_tolerance.srv", 3, "Угловая невязка не в допуске!!!\n"},
        {"adjust " + data + "zero_length.srv", 4, "Суммарная длина хода равная 0. Вычисления прерваны.\n"},
        {"adjust " + data + "missing.srv", 1, "Cannot open file " + data + "missing.srv\n"},
        {"adjust", 2, ""},
        {"adjust " + data + "zero_length.srv --decimals 9", 2, ""},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = Cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
    }
    // A stopped adjustment prints no statement.
    EXPECT_TRUE(Cli("adjust " + data + "zero_length.srv").out.empty());
}

} // namespace
