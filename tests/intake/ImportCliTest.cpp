#include "cli/CliRunner.h"

#include <gtest/gtest.h>

namespace {
const std::string kData = KALIMOR_TEST_DATA "/intake/";
}

TEST(ImportCli, PrintsTheRowsAndTheirCount)
{
    const CliResult r = RunCli({"import", "--variant", "7", kData + "two.utf"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1 10 1.2 -0.3 1 ПС1\n2 20 1.2 -0.3 0 P2\n");
    EXPECT_EQ(r.err, "Всего строк: 2\n");

    const CliResult raw = RunCli({"--encoding", "cp1251", "import", "--variant=7", kData + "two.utf"});
    EXPECT_EQ(raw.out, "1 10 1.2 -0.3 1 \xcf\xd1"
                       "1\n2 20 1.2 -0.3 0 P2\n");
}

TEST(ImportCli, AConversionStopPrintsTheRowsBeforeIt)
{
    const CliResult slope = RunCli({"import", "--variant", "3", kData + "stop.txt"});
    EXPECT_EQ(slope.exitCode, 0);
    EXPECT_EQ(slope.out, "1 100.000 123.453 3 0 ST1\n2 100.000  3 0 ST2\n");

    const CliResult horizontal = RunCli({"import", "--variant", "4", kData + "stop.txt"});
    EXPECT_EQ(horizontal.exitCode, 1);
    EXPECT_EQ(horizontal.out, "1 100.137 123.453 3 0 ST1\n");
    EXPECT_EQ(horizontal.err, "'12AB4530' is not a valid floating point value\n");
}

TEST(ImportCli, FileAndUsageErrors)
{
    const CliResult missing = RunCli({"import", "--variant", "1", "/no/such/file.txt"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Cannot open file /no/such/file.txt\n");
    EXPECT_EQ(missing.out, "");

    for (const auto& args : std::vector<std::vector<std::string>>{{"import", kData + "two.utf"},
                                                                  {"import", "--variant", "8", kData + "two.utf"},
                                                                  {"import", "--variant", "7"},
                                                                  {"import", "--variant", "7", "a", "b"},
                                                                  {"import", "--variant"}}) {
        EXPECT_EQ(RunCli(args).exitCode, 2) << args.back();
    }
}
