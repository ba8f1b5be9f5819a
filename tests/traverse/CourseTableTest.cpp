#include "CourseFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kalimor;
using namespace kalimor::testing;

namespace {

TEST(CourseTable, ThreePointsGiveSevenRowsWithNumbersAndInputMarks)
{
    Work work;
    ReadCourseTable(work.course);
    const auto& rows = work.course.rows;
    ASSERT_EQ(rows.size(), 7u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Text(work, PointRow(i), col::Number), std::to_string(i + 1));
        EXPECT_FALSE(rows[static_cast<std::size_t>(PointRow(i))][col::Number].input);
        EXPECT_TRUE(rows[static_cast<std::size_t>(PointRow(i))][col::Hz].input);
        EXPECT_EQ(Text(work, PointRow(i), col::Hz), "0");
        EXPECT_EQ(Text(work, PointRow(i), col::Name), "");
    }
    EXPECT_TRUE(rows[2][col::SD].input);
    EXPECT_FALSE(rows[2][col::HD].input);
    EXPECT_EQ(Text(work, 0, col::Dir), "0");
    EXPECT_TRUE(rows[6][col::Dir].input);
    // Orientation points are inputs only in the coordinates-only mode.
    EXPECT_EQ(Text(work, 0, col::X), "");
}

TEST(CourseTable, CellReadingRules)
{
    struct Case {
        const char* typed;
        const char* shown; // after the rebuild
        bool marked;
    };
    const std::vector<Case> cases = {
        {"12,5", "12.5", false}, {" 1 2 . 5 ", "12.5", false}, {"", "7", false},  {"   ", "7", false},
        {"abc", "0", true},      {"1,5,5", "0", true},         {"0", "0", false}, {"-3e2", "-300", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Work work;
        SetCoursePointCount(work, 3);
        Type(work, LegRow(0), col::SD, "7");
        ReadCourseTable(work.course);
        Type(work, LegRow(0), col::SD, c.typed);
        ReadCourseTable(work.course);
        const CourseCell& cell = work.course.rows[static_cast<std::size_t>(LegRow(0))][col::SD];
        EXPECT_EQ(cell.text, c.shown);
        EXPECT_EQ(cell.unreadable, c.marked);
        // The mark goes with the next reading of a good text.
        ReadCourseTable(work.course);
        EXPECT_FALSE(work.course.rows[static_cast<std::size_t>(LegRow(0))][col::SD].unreadable);
    }
}

TEST(CourseTable, NamesAreTakenAsTyped)
{
    Work work;
    ReadCourseTable(work.course);
    Type(work, PointRow(1), col::Name, " PT 12 ");
    ReadCourseTable(work.course);
    EXPECT_EQ(work.course.points[1].Name, " PT 12 ");
    EXPECT_EQ(Text(work, PointRow(1), col::Name), " PT 12 ");
}

TEST(CourseTable, CountChangesKeepPointsAndMoveTheKnownEnd)
{
    Work work;
    SetCoursePointCount(work, 6);
    for (int i = 0; i < 6; ++i) {
        Type(work, PointRow(i), col::Name, "P" + std::to_string(i + 1));
        Type(work, PointRow(i), col::Hz, std::to_string(100 + i));
    }
    Type(work, PointRow(5), col::X, "500");
    Type(work, LastRow(6), col::Dir, "12.3");

    SetCoursePointCount(work, 4);
    ASSERT_EQ(work.course.rows.size(), 9u);
    EXPECT_EQ(Text(work, PointRow(3), col::Name), "P4");
    EXPECT_EQ(Text(work, PointRow(3), col::X), "500");
    EXPECT_EQ(Text(work, LastRow(4), col::Dir), "12.3");

    SetCoursePointCount(work, 6);
    EXPECT_EQ(Text(work, PointRow(4), col::Name), "P5");
    EXPECT_EQ(Text(work, PointRow(5), col::Name), "P6");
    EXPECT_EQ(Text(work, PointRow(5), col::Hz), "105");
    EXPECT_EQ(Text(work, PointRow(5), col::X), "500");
    EXPECT_EQ(Text(work, PointRow(3), col::X), "");
}

TEST(CourseTable, CountLimitsAndTheAddDeleteCommands)
{
    Work work;
    SetCoursePointCount(work, 250);
    EXPECT_EQ(work.course.SePointCourseCount, 200);
    EXPECT_EQ(work.course.rows.size(), 401u);
    EXPECT_FALSE(AddCoursePoint(work));
    EXPECT_TRUE(DeleteCoursePoint(work));
    EXPECT_EQ(work.course.SePointCourseCount, 199);

    SetCoursePointCount(work, 1);
    EXPECT_EQ(work.course.SePointCourseCount, 3);
    EXPECT_FALSE(DeleteCoursePoint(work));
    EXPECT_TRUE(AddCoursePoint(work));
    EXPECT_EQ(work.course.rows.size(), 9u);
}

TEST(CourseTable, CoordinatesOnlyModeComputesTheDirections)
{
    Work work;
    work.course.cbUseDirorCoord = 0;
    ReadCourseTable(work.course);
    Type(work, 0, col::X, "100");
    Type(work, 0, col::Y, "100");
    Type(work, PointRow(0), col::X, "200");
    Type(work, PointRow(0), col::Y, "200");
    Type(work, PointRow(2), col::X, "300");
    Type(work, PointRow(2), col::Y, "200");
    Type(work, LastRow(3), col::X, "300");
    Type(work, LastRow(3), col::Y, "100");
    ReadCourseTable(work.course);
    EXPECT_EQ(Text(work, 0, col::Dir), "45");
    EXPECT_EQ(Text(work, LastRow(3), col::Dir), "270");
    EXPECT_EQ(Text(work, 0, col::X), "100");
    EXPECT_TRUE(work.course.rows[0][col::X].input);

    // Back in the other mode the orientation cells are no longer written.
    work.course.cbUseDirorCoord = 1;
    ReadCourseTable(work.course);
    EXPECT_EQ(Text(work, 0, col::X), "");
    EXPECT_EQ(Text(work, 0, col::Dir), "45");
}

TEST(CourseTable, AutoNumberingUsesTheTemplate)
{
    for (const auto& [tpl, first, third] : {std::tuple{"T", "T1", "T3"}, std::tuple{"", "1", "3"}}) {
        Work work;
        TypeWorkedExample(work);
        work.settings.edCourseTemplate = tpl;
        AutoNumberCourse(work);
        EXPECT_EQ(work.course.points[0].Name, first);
        EXPECT_EQ(Text(work, PointRow(2), col::Name), third);
        EXPECT_EQ(work.piket.stationList[2], third);
        EXPECT_FALSE(work.course.statement.empty()); // adjusted
    }
}

TEST(CourseTable, ResultsAreRoundedAndTheNewWorkTableIsAllZero)
{
    Work work;
    TypeWorkedExample(work);
    AdjustCourse(work);
    EXPECT_EQ(Text(work, LegRow(0), col::FA), "-0.00025");

    ResetCourseForNewWork(work.course, 60);
    ASSERT_EQ(work.course.rows.size(), 7u);
    EXPECT_EQ(work.course.SePointCourseCount, 3);
    EXPECT_TRUE(work.course.statement.empty());
    // The cells read "0", so every point is named "0" and every value is 0.
    ReadCourseTable(work.course);
    EXPECT_EQ(work.course.points[0].Name, "0");
    EXPECT_EQ(work.course.points[0].HzPacked, 0);
    EXPECT_EQ(work.course.data.EndX, 0);
    EXPECT_EQ(Text(work, 0, col::Dir), "0");
    EXPECT_EQ(work.course.points[3].Name, "");
}

} // namespace
