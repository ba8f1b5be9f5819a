#include "core/Codepage.h"
#include "core/Errors.h"
#include "intake/InstrumentImport.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"
#include "work/Transfers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kalimor;

namespace {

// A work whose import table holds the given user-text lines, no row selected.
struct TransferFixture : ::testing::Test {
    Work work;

    void SetUp() override { ReadCourseTable(work.course); }

    void Rows(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const auto& l : lines)
            text += l + "\r\n";
        ImportContent(work.import, text, kUserText);
    }

    void Select(const std::vector<int>& rows)
    {
        work.import.selected.assign(work.import.rows.size(), false);
        for (int r : rows)
            work.import.selected[static_cast<std::size_t>(r)] = true;
    }

    const std::string& Cell(int row, int column) const
    {
        return work.course.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
    }

    const CoursePoint& Point(int i) const { return work.course.points[static_cast<std::size_t>(i)]; }
    const Picket& PicketAt(int i) const { return work.piket.pickets[static_cast<std::size_t>(i)]; }
};

std::string CourseError(int row)
{
    return Ru("Ошибка в структуре файла в строке ") + std::to_string(row);
}

} // namespace

TEST_F(TransferFixture, MarkedRowsBecomeTraversePointsNamedByAddress)
{
    Rows({"101 150.25 0.0 1.2 1 A", "7 1 2 3 0 skipped", "102 120.5 180.3 -0.5 1 B", "105 0 95.3045 0 1 C"});
    const AdjustOutcome outcome = btnToCourseClick(work);
    EXPECT_NE(outcome, AdjustOutcome::None);
    EXPECT_EQ(work.course.SePointCourseCount, 3);
    EXPECT_EQ(Point(0).Name, "101");
    EXPECT_EQ(Point(1).Name, "102");
    EXPECT_EQ(Point(2).Name, "105");
    EXPECT_EQ(Cell(PointRow(0), col::Name), "101");
    EXPECT_EQ(Cell(LegRow(0), col::SD), "150.25"); // table row 2
    EXPECT_EQ(Cell(PointRow(0), col::Hz), "0");    // table row 1
    EXPECT_EQ(Cell(PointRow(2), col::Hz), "95.3045");
    EXPECT_EQ(Cell(LegRow(1), col::V), "-0.5");
    EXPECT_DOUBLE_EQ(Point(1).SlopeDistance, 120.5);
    EXPECT_DOUBLE_EQ(Point(1).HzPacked, 180.3);
    EXPECT_EQ(work.import.messages, (std::vector<std::string>{Ru("Данные загружены в ход.")}));
}

TEST_F(TransferFixture, PointCountFollowsTheRowsAndTheTraverseKind)
{
    struct Case {
        int kind;
        int marked;
        int count;
    };
    for (const Case& c : {Case{0, 3, 3}, Case{2, 3, 4}, Case{0, 2, 3}, Case{2, 2, 3}, Case{2, 5, 6}, Case{1, 4, 4}}) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", marked " << c.marked);
        Work fresh;
        ReadCourseTable(fresh.course);
        fresh.course.cbTypeCourse = c.kind;
        SetCoursePointCount(fresh, 8);
        SetCourseCellText(fresh.course, PointRow(c.count - 1), col::Name, "KEEP");
        SetCoursePointCount(fresh, 8); // read the name into the model
        std::string text;
        for (int i = 0; i < c.marked; ++i)
            text += std::to_string(i + 1) + " 10 20 30 1 n\r\n";
        ImportContent(fresh.import, text, kUserText);
        TransferToCourse(fresh);
        EXPECT_EQ(fresh.course.SePointCourseCount, c.count);
        EXPECT_EQ(fresh.course.points[static_cast<std::size_t>(c.marked - 1)].Name, std::to_string(c.marked));
        if (c.count > c.marked) {
            EXPECT_EQ(fresh.course.points[static_cast<std::size_t>(c.count - 1)].Name, "KEEP");
        }
    }
}

TEST_F(TransferFixture, NamesFromPrefixAndNoteWithoutBlanks)
{
    Rows({"12 1 2 3 1 ST", "13 1 2 3 1 N", "14 1 2 3 1 X"});
    work.import.rows[0].note = "ST 7";
    work.settings.edCourseTemplate = "P";
    work.settings.cbSelectNamePoint = 1;
    TransferToCourse(work);
    EXPECT_EQ(Point(0).Name, "PST7");
    EXPECT_EQ(Cell(PointRow(0), col::Name), "PST7");

    work.settings.cbSelectNamePoint = 0;
    work.settings.edCourseTemplate = "T ";
    TransferToCourse(work);
    EXPECT_EQ(Point(0).Name, "T12");

    // Text typed into the choice box selects no item: names stay as they were.
    work.settings.cbSelectNamePoint = -1;
    work.import.rows[0].slopeDistance = "99";
    TransferToCourse(work);
    EXPECT_EQ(Point(0).Name, "T12");
    EXPECT_DOUBLE_EQ(Point(0).SlopeDistance, 99);
}

TEST_F(TransferFixture, AnUnreadableRowIsReportedAndTheNextFillsItsPoint)
{
    for (const std::string bad : {"2 20 30 x 1 BAD", "2 20 30 1,5 1 BAD", "2 2O 30 1 1 BAD"}) {
        SCOPED_TRACE(bad);
        Rows({"1 10 11 12 1 ONE", "9 9 9 9 0 unmarked", bad, "3 30 31 32 1 THREE"});
        TransferToCourse(work);
        EXPECT_EQ(work.course.SePointCourseCount, 3);
        EXPECT_EQ(work.import.messages, (std::vector<std::string>{CourseError(3), Ru("Данные загружены в ход.")}));
        EXPECT_EQ(Point(1).Name, "3");
        EXPECT_DOUBLE_EQ(Point(1).SlopeDistance, 30);
        EXPECT_EQ(Cell(LegRow(1), col::SD), "30");
        EXPECT_EQ(Cell(PointRow(1), col::Hz), "31");
    }
    // The failed row's name and the values read before the failure stay in its point when no
    // row follows.
    Rows({"1 10 11 12 1 ONE", "2 77 x 0 1 BAD"});
    TransferToCourse(work);
    EXPECT_EQ(Point(1).Name, "2");
    EXPECT_DOUBLE_EQ(Point(1).SlopeDistance, 77);
}

TEST_F(TransferFixture, NoMarkedRowChangesNothingButStillAdjusts)
{
    Rows({"1 10 11 12 0 ONE"});
    work.import.messages = {"old"};
    SetCourseCellText(work.course, PointRow(0), col::Name, "A");
    const auto before = work.course.rows;
    EXPECT_EQ(TransferToCourse(work), 0);
    EXPECT_TRUE(work.import.messages.empty());
    EXPECT_EQ(work.course.SePointCourseCount, 3);
    EXPECT_EQ(Cell(PointRow(0), col::Name), "A");
    EXPECT_NE(btnToCourseClick(work), AdjustOutcome::None);
    EXPECT_EQ(Point(0).Name, "A"); // the adjustment read the table as it stood
}

TEST_F(TransferFixture, MoreThanTwoHundredMarkedRowsFillThePointsAndReportTheRest)
{
    std::string text;
    for (int i = 1; i <= 205; ++i)
        text += std::to_string(i) + " 10 20 30 1 n\r\n";
    ImportContent(work.import, text, kUserText);
    TransferToCourse(work);
    EXPECT_EQ(work.course.SePointCourseCount, 200);
    EXPECT_EQ(Point(199).Name, "200");
    EXPECT_EQ(Cell(PointRow(199), col::Name), "200");
    EXPECT_EQ(work.import.messages,
              (std::vector<std::string>{Ru("В ход вошли первые 200 точек; не загружено отмеченных строк: 5"),
                                        Ru("Данные загружены в ход.")}));
}

TEST_F(TransferFixture, SelectedRowsBecomePicketsWithEmptyDistancesAsZero)
{
    Rows({"1 10 11 12 0 A", "2  21 22 1 B", "3 30 31 32 1 C", "4  41 42 0 D", "5 50 51 52 0 E", "6 60 61 62 1 F"});
    work.import.rows[3].slopeDistance = "   ";
    work.settings.edPiketTemplate = "p";
    Select({0, 1, 2, 3, 4});
    btnTopiketClick(work);
    EXPECT_EQ(work.piket.sePointPiketCount, 5);
    EXPECT_EQ(PicketAt(1).name, "p2");
    EXPECT_EQ(PicketAt(1).slopeDistance, 0);
    EXPECT_EQ(PicketAt(1).horizontalAngle, 21);
    EXPECT_EQ(PicketAt(3).slopeDistance, 0);
    EXPECT_EQ(PicketAt(3).verticalAngle, 42);
    EXPECT_EQ(PicketAt(4).slopeDistance, 50);
    EXPECT_EQ(work.piket.currentPicket, 0);
    EXPECT_EQ(work.piket.edNamePiket, "p1");
    EXPECT_EQ(work.piket.neSDpiket, "10");
    EXPECT_EQ(work.piket.neCurrentPiket, "1");
    EXPECT_EQ(work.import.messages, (std::vector<std::string>{Ru("Данные загружены в пикетаж.")}));
    // Marked but unselected rows did not go; the traverse is untouched by this transfer.
    EXPECT_NE(PicketAt(4).name, "p6");
    EXPECT_EQ(work.course.SePointCourseCount, 3);
    EXPECT_EQ(Point(0).Name, "");
}

TEST_F(TransferFixture, PicketErrorsAndTheFirstPicketShownAlways)
{
    Rows({"1 10 11 12 0 A", "2 x 21 22 0 B", "3 30 31 32 0 C"});
    work.piket.pickets[2].name = "OLD";
    Select({0, 1, 2});
    btnTopiketClick(work);
    EXPECT_EQ(work.piket.sePointPiketCount, 3);
    EXPECT_EQ(PicketAt(1).name, "3");
    EXPECT_EQ(PicketAt(1).slopeDistance, 30);
    EXPECT_EQ(PicketAt(2).name, "OLD");
    EXPECT_EQ(work.import.messages, (std::vector<std::string>{CourseError(2), Ru("Данные загружены в пикетаж.")}));

    // Nothing selected: no picket changes, the messages are emptied, the first picket shown.
    work.piket.currentPicket = 2;
    work.piket.neCurrentPiket = "3";
    Select({});
    btnTopiketClick(work);
    EXPECT_TRUE(work.import.messages.empty());
    EXPECT_EQ(work.piket.sePointPiketCount, 3);
    EXPECT_EQ(work.piket.currentPicket, 0);
    EXPECT_EQ(work.piket.edNamePiket, "1");
}

TEST_F(TransferFixture, PicketCountChangeStoresTheShownPicketFirst)
{
    Rows({"1 10 11 12 0 A", "2 20 21 22 0 B"});
    Select({0, 1});
    work.piket.edNamePiket = "typed";
    work.piket.neSDpiket = "not a number";
    EXPECT_THROW(btnTopiketClick(work), ConversionError);
    EXPECT_EQ(work.piket.pickets[0].name, "typed");
    EXPECT_EQ(work.piket.sePointPiketCount, 1);
}

TEST_F(TransferFixture, MoreThanTwoThousandSelectedRowsFillThePickets)
{
    std::string text;
    for (int i = 1; i <= 2003; ++i)
        text += std::to_string(i) + " 10 20 30 0 n\r\n";
    ImportContent(work.import, text, kUserText);
    work.import.selected.assign(work.import.rows.size(), true);
    btnTopiketClick(work);
    EXPECT_EQ(work.piket.sePointPiketCount, 2000);
    EXPECT_EQ(PicketAt(1999).name, "2000");
    EXPECT_EQ(work.import.messages.size(), 2u);
    EXPECT_EQ(work.import.messages[0], Ru("В пикетаж вошли первые 2000 точек; не загружено выбранных строк: 3"));
}
