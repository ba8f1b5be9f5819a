#include "ExportTestSupport.h"

#include "core/Codepage.h"
#include "core/Errors.h"
#include "export/TextWriters.h"

#include <gtest/gtest.h>

using namespace kalimor;
using exporttest::DataFile;
using exporttest::ReadBytes;
using exporttest::ScratchFolder;

namespace {

TEST(TextWriters, TopLineLayout)
{
    struct Case {
        const char* what;
        std::string line;
        std::string expected;
    };
    const Case cases[] = {
        {"plan point", TopLine("A1", "100.123", "200.5", "10", false),
         "      A1 000      100.123        200.5                0"},
        {"height point", TopLine("A1", "100.123", "200.5", "10", true),
         "      A1 000      100.123        200.5           10   0"},
        {"blank name", TopLine("", "1", "2", "", false), "         000            1            2                0"},
        {"long name shifts the rest", TopLine("LONGNAME9", "1", "2", "3", true),
         "LONGNAME9 000            1            2            3   0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.line, c.expected);
    }
    EXPECT_EQ(TopLine("A1", "100.123", "200.5", "", false).size(), 55u);
}

TEST(TextWriters, TraverseListAndTopMatchTheGoldenFiles)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    const auto list = exporttest::Written(SaveCourseCoordinates, work, dir.chosen("crd"), false);
    const auto top = exporttest::Written(SaveCourseTop, work, dir.chosen("crd"), true);
    EXPECT_EQ(ReadBytes(dir.path() / "crd.txt"), DataFile("traverse3.coordinates.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "crd.top"), DataFile("traverse3.top"));
    EXPECT_EQ(list.written, std::vector<std::string>{dir.chosen("crd.txt")});
    EXPECT_TRUE(list.toOpen.empty());
    EXPECT_EQ(top.toOpen, std::vector<std::string>{dir.chosen("crd.top")});
}

TEST(TextWriters, TraverseTemplateDecidesTheHeightAndUnknownTemplatesGiveNoLines)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.settings.additionOptions[3] = false;
    work.course.cbSelectCourseTemplate = 1;
    exporttest::Written(SaveCourseCoordinates, work, dir.chosen("a"), false);
    exporttest::Written(SaveCourseTop, work, dir.chosen("a"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "a.txt"), "A1 100.123 200.5 10\r\nA2 110 210.25 11.5\r\nB 120 221 12.001\r\n");
    EXPECT_EQ(exporttest::Lines(ReadBytes(dir.path() / "a.top"))[2],
              "       B 000          120          221       12.001   0");

    work.course.cbSelectCourseTemplate = -1;
    work.settings.additionOptions[3] = true;
    exporttest::Written(SaveCourseCoordinates, work, dir.chosen("b"), false);
    exporttest::Written(SaveCourseTop, work, dir.chosen("b"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "b.txt"), "N X Y H\r\n");
    EXPECT_EQ(ReadBytes(dir.path() / "b.top"), "");
}

TEST(TextWriters, TraverseDecimalsComeFromTheSettings)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.settings.seLinePrecession = 0;
    work.settings.additionOptions[3] = false;
    exporttest::Written(SaveCourseCoordinates, work, dir.chosen("d0"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "d0.txt"), "A1 100 200\r\nA2 110 210\r\nB 120 221\r\n");
}

TEST(TextWriters, StatementCopiesAreTheLinesAsTheyStand)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.piket.statement = exporttest::MixedStatement();
    work.piket.statement[5] += "  edited by hand";
    exporttest::Written(SaveCourseStatement, work, dir.chosen("hod"), false);
    exporttest::Written(SavePicketStatement, work, dir.chosen("pik"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "hod.txt"),
              " \r\n" + Ru("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТЕОДОЛИТНОГО ХОДА") + "\r\n");
    std::string expected;
    for (const auto& line : work.piket.statement)
        expected += line + "\r\n";
    EXPECT_EQ(ReadBytes(dir.path() / "pik.txt"), expected);

    work.piket.statement.clear();
    exporttest::Written(SavePicketStatement, work, dir.chosen("empty"), false);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "empty.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "empty.txt"), "");
}

TEST(TextWriters, PicketListsAndTopSplitRemoteRowsIntoTheDhFiles)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    const auto list = exporttest::Written(SavePicketCoordinates, work, dir.chosen("pk"), true);
    const auto top = exporttest::Written(SavePicketTop, work, dir.chosen("pk"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "pk.txt"), DataFile("statement_mixed.coordinates.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "pkdH.txt"), DataFile("statement_mixed.coordinatesdH.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "pk.top"), DataFile("statement_mixed.top"));
    EXPECT_EQ(ReadBytes(dir.path() / "pkdH.top"), DataFile("statement_mixed.topdH.top"));
    const std::vector<std::string> both = {dir.chosen("pk.txt"), dir.chosen("pkdH.txt")};
    EXPECT_EQ(list.written, both);
    EXPECT_EQ(list.toOpen, both);
    EXPECT_EQ(top.written, (std::vector<std::string>{dir.chosen("pk.top"), dir.chosen("pkdH.top")}));
}

TEST(TextWriters, PlanOnlyStatementGivesHeadingOnlyOrEmptyDhFiles)
{
    ScratchFolder dir;
    Work work;
    auto all = exporttest::MixedStatement();
    // Keep the 2D table only (from its station block on).
    work.piket.statement.assign(all.end() - 10, all.end());
    exporttest::Written(SavePicketCoordinates, work, dir.chosen("with"), false);
    exporttest::Written(SavePicketTop, work, dir.chosen("with"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "with.txt"), "N X Y H\r\n" + Ru("К1") + " 6543200 7654300\r\n");
    EXPECT_EQ(ReadBytes(dir.path() / "withdH.txt"), "N X Y dH\r\n");
    EXPECT_EQ(ReadBytes(dir.path() / "withdH.top"), "");

    work.settings.additionOptions[6] = false;
    exporttest::Written(SavePicketCoordinates, work, dir.chosen("without"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "without.txt"), Ru("К1") + " 6543200 7654300\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "withoutdH.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "withoutdH.txt"), "");
}

TEST(TextWriters, UnwritableFolderStopsWithTheFileErrorAndKeepsEarlierFiles)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    // An existing folder in place of the dH file: the first file is written, the second fails.
    std::filesystem::create_directory(dir.path() / "pkdH.txt");
    try {
        exporttest::Written(SavePicketCoordinates, work, dir.chosen("pk"), false);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + dir.chosen("pkdH.txt"));
    }
    EXPECT_EQ(ReadBytes(dir.path() / "pk.txt"), DataFile("statement_mixed.coordinates.txt"));
    // Nothing else was left behind (no temporary file).
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"pk.txt", "pkdH.txt"}));

    EXPECT_THROW(exporttest::Written(SavePicketTop, work, dir.chosen("missing/pk"), false), FileError);
}

} // namespace
