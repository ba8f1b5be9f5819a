#include "cli/StatementOptions.h"
#include "cli/Cli.h"
#include "core/ProcessingSettings.h"

#include <gtest/gtest.h>

using namespace kalimor;
using namespace kalimor::cli;

TEST(StatementOptions, TakesItsOptionsAndLeavesTheRestInOrder)
{
    std::vector<std::string> args = {"demo.srv",   "--angles", "spaced",     "--decimals=1", "-5",
                                     "--template", "3d",       "--no-names", "--other",      "--no-heading"};
    const StatementOptions o = TakeStatementOptions(args);
    EXPECT_EQ(args, (std::vector<std::string>{"demo.srv", "-5", "--other"}));
    EXPECT_EQ(o.angles, 2);
    EXPECT_EQ(o.decimals, 1);
    EXPECT_TRUE(o.template3d);
    EXPECT_TRUE(o.noNames);
    EXPECT_FALSE(o.noIdentification);
    EXPECT_TRUE(o.noHeading);
}

TEST(StatementOptions, DefaultsWhenAbsent)
{
    std::vector<std::string> args = {"x"};
    const StatementOptions o = TakeStatementOptions(args);
    EXPECT_EQ(o.angles, 0);
    EXPECT_EQ(o.decimals, 3);
    EXPECT_FALSE(o.template3d || o.noNames || o.noIdentification || o.noHeading);
}

TEST(StatementOptions, BadValuesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--angles", "radians"}, {"--decimals", "5"}, {"--decimals", "-1"}, {"--decimals", "2x"},
        {"--template", "4d"},    {"--angles"},        {"--decimals="},
    };
    for (auto args : cases)
        EXPECT_THROW(TakeStatementOptions(args), UsageError) << args[0];
}

TEST(StatementOptions, ApplyClearsTheFlagsOfThatStatement)
{
    StatementOptions o;
    o.angles = 1;
    o.decimals = 0;
    o.noNames = true;
    o.noIdentification = true;
    o.noHeading = true;
    ProcessingSettings traverse;
    ApplyStatementOptions(o, StatementKind::Traverse, traverse);
    EXPECT_EQ(traverse.cbFormatAngle, 1);
    EXPECT_EQ(traverse.seLinePrecession, 0);
    EXPECT_FALSE(traverse.IsOptionSet(4));
    EXPECT_TRUE(traverse.IsOptionSet(7));
    EXPECT_FALSE(traverse.ckbCourse || traverse.ckbPolevik || traverse.ckbCameral || traverse.ckbInstrument);
    EXPECT_FALSE(traverse.IsOptionSet(3) || traverse.IsOptionSet(6));
    EXPECT_TRUE(traverse.IsOptionSet(1));

    ProcessingSettings tacheometry;
    ApplyStatementOptions(o, StatementKind::Tacheometry, tacheometry);
    EXPECT_TRUE(tacheometry.IsOptionSet(4));
    EXPECT_FALSE(tacheometry.IsOptionSet(7));

    ProcessingSettings untouched;
    ApplyStatementOptions(StatementOptions{}, StatementKind::Traverse, untouched);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(untouched.IsOptionSet(i));
    EXPECT_TRUE(untouched.ckbCourse);
}
