#include "PiketTestSupport.h"
#include "tacheometry/PiketCalc.h"
#include "tacheometry/StationFromRow.h"
#include "tacheometry/StationSetup.h"

#include <gtest/gtest.h>

using namespace kalimor;
using namespace kalimor::test;

namespace {

// A traverse of seven points T1..T7 with distinct coordinates, listed in the station lists.
CoursePage Traverse()
{
    CoursePage c;
    c.SePointCourseCount = 7;
    for (int k = 0; k < 7; ++k) {
        auto& pt = c.points[static_cast<std::size_t>(k)];
        pt.Name = "T" + std::to_string(k + 1);
        pt.X = 6543210.1256 + k;
        pt.Y = 1000.004 + k;
        pt.H = 150.12345 + k;
        pt.InstrumentHeight = 1.5 + k / 100.0;
    }
    return c;
}

TEST(StationSetup, ChoosingAStationFillsItAndTakesThePointBeforeAsOrientation)
{
    const CoursePage c = Traverse();
    PiketPage p;
    FillStationLists(p, c);
    p.stationBlockPending = false;
    cbTCChange(p, c, 2, 5);
    EXPECT_TRUE(p.stationBlockPending);
    EXPECT_EQ(p.cbTC, "T6");
    EXPECT_EQ(p.neTCX, "6543215.13");
    EXPECT_EQ(p.neTCY, "1005");
    EXPECT_EQ(p.nehcenter, "155.12");
    EXPECT_EQ(p.nei, "1.55");
    EXPECT_EQ(p.cbTOIndex, 4);
    EXPECT_EQ(p.cbTO, "T5");
    EXPECT_EQ(p.neTOX, "6543214.13");
    EXPECT_EQ(p.neTOY, "1004");

    // A chosen orientation is kept until the station is chosen again.
    cbTOChange(p, c, 2, 1);
    EXPECT_EQ(p.cbTO, "T2");
    EXPECT_EQ(p.neTCX, "6543215.13");
    cbTCChange(p, c, 2, 5);
    EXPECT_EQ(p.cbTO, "T5");
}

TEST(StationSetup, FirstPointAsStationLeavesOrientationFieldsAndEmptiesItsName)
{
    const CoursePage c = Traverse();
    PiketPage p;
    FillStationLists(p, c);
    p.neTOX = "11";
    p.neTOY = "22";
    cbTCChange(p, c, 3, 0);
    EXPECT_EQ(p.neTCX, "6543210.126");
    EXPECT_EQ(p.cbTOIndex, -1);
    EXPECT_EQ(p.cbTO, "");
    EXPECT_EQ(p.neTOX, "11");
    EXPECT_EQ(p.neTOY, "22");
}

TEST(StationSetup, TypedListTextSelectsANamedItemOrOnlyChangesTheName)
{
    const CoursePage c = Traverse();
    PiketPage p;
    FillStationLists(p, c);
    cbTCTextChange(p, c, 3, "T3");
    EXPECT_EQ(p.cbTCIndex, 2);
    EXPECT_EQ(p.neTCY, "1002.004");
    p.stationBlockPending = false;
    cbTCTextChange(p, c, 3, "XX");
    EXPECT_EQ(p.cbTCIndex, -1);
    EXPECT_EQ(p.cbTC, "XX");
    EXPECT_EQ(p.neTCY, "1002.004");
    EXPECT_TRUE(p.stationBlockPending);
    cbTOTextChange(p, c, 3, "nothing");
    EXPECT_EQ(p.cbTO, "nothing");
    EXPECT_EQ(p.neTOY, "1001.004");
}

TEST(StationSetup, RefilledListsSayNotChosenAndKeepTheCoordinates)
{
    const CoursePage c = Traverse();
    PiketPage p;
    FillStationLists(p, c);
    cbTCChange(p, c, 3, 3);
    FillStationLists(p, c);
    EXPECT_EQ(p.stationList.size(), 7u);
    EXPECT_EQ(p.cbTC, NotChosenText());
    EXPECT_EQ(p.cbTO, NotChosenText());
    EXPECT_EQ(p.neTCX, "6543213.126");
}

TEST(StationSetup, ManualModeCopiesNamesAndSwapLeavesHeights)
{
    PiketPage p;
    ckbAutoManualClick(p, false);
    EXPECT_FALSE(p.ckbAutoManual);
    EXPECT_EQ(p.edTC, NotChosenText());
    EXPECT_EQ(p.edTO, NotChosenText());

    p.edTC = "A";
    p.edTO = "B";
    p.neTCX = "1";
    p.neTCY = "2";
    p.neTOX = "3";
    p.neTOY = "4";
    p.nehcenter = "5";
    p.nei = "6";
    p.neito = "7";
    p.stationBlockPending = false;
    btnChangeTCTOClick(p);
    EXPECT_EQ(p.edTC, "B");
    EXPECT_EQ(p.edTO, "A");
    EXPECT_EQ(p.neTCX, "3");
    EXPECT_EQ(p.neTOY, "2");
    EXPECT_EQ(p.nehcenter, "5");
    EXPECT_EQ(p.nei, "6");
    EXPECT_EQ(p.neito, "7");
    EXPECT_TRUE(p.stationBlockPending);

    // Not chosen names are printed as they are in manual mode.
    ckbAutoManualClick(p, true);
    ckbAutoManualClick(p, false);
    p.sePointPiketCount = 1;
    EXPECT_EQ(btnCalcPiketClick(p, NoIdentification(), 0), PiketCalcResult::Computed);
    EXPECT_EQ(p.statement[4].substr(0, 29), Ru(" Точка стояния : Не выбрана  "));
}

TEST(StationSetup, EveryFieldEditMarksTheStationBlock)
{
    for (StationField f :
         {StationField::edTC, StationField::edTO, StationField::neTCX, StationField::neTCY, StationField::nehcenter,
          StationField::nei, StationField::neTOX, StationField::neTOY, StationField::neito}) {
        PiketPage p;
        p.stationBlockPending = false;
        SetStationField(p, f, StationFieldText(p, f)); // the same value typed again
        EXPECT_TRUE(p.stationBlockPending) << static_cast<int>(f);
    }
    PiketPage p;
    p.stationBlockPending = false;
    cbSelectPiketTemplateChange(p, 1);
    EXPECT_TRUE(p.stationBlockPending);
}

// The worked example, 3D, computed in manual mode; picket 1 renamed 12.
PiketPage Computed3D()
{
    PiketPage p = WorkedExample(1);
    p.edNamePiket = "12";
    btnCalcPiketClick(p, NoIdentification(), 0);
    return p;
}

TEST(StationFromRow, ToStationTakesNameCoordinatesAndHeightOfA3DRow)
{
    PiketPage p = Computed3D();
    const int row = static_cast<int>(p.statement.size()) - 3;
    rePiketMouseDown(p, row);
    p.stationBlockPending = false;
    EXPECT_FALSE(btnToTCPiketClick(p).has_value());
    EXPECT_EQ(p.edTC, "12");
    EXPECT_EQ(p.neTCX, "1070.385");
    EXPECT_EQ(p.neTCY, "2070.385");
    EXPECT_EQ(p.nehcenter, "159.085");
    EXPECT_EQ(p.nei, "1.5");
    EXPECT_EQ(p.neito, "2");
    EXPECT_TRUE(p.stationBlockPending);

    // Under the 2D template no height is taken; the orientation never takes one.
    p.nehcenter = "1";
    p.cbSelectPiketTemplate = 0;
    btnToTCPiketClick(p);
    EXPECT_EQ(p.nehcenter, "1");
    p.cbSelectPiketTemplate = 1;
    EXPECT_FALSE(btnToTOPiketClick(p).has_value());
    EXPECT_EQ(p.edTO, "12");
    EXPECT_EQ(p.neTOX, "1070.385");
    EXPECT_EQ(p.nehcenter, "1");

    // The rule-B row keeps its "*": copied as it stands.
    rePiketMouseDown(p, row + 1);
    btnToTCPiketClick(p);
    EXPECT_EQ(p.nehcenter, "*9.967");
}

TEST(StationFromRow, LongCoordinatesAreCopiedWhole)
{
    PiketPage p;
    p.cbSelectPiketTemplate = 0;
    // Positions 61-72 and 75-86 hold X and Y, each right-aligned in 12.
    const std::string row = " [      P12 |" + std::string(15, ' ') + " |" + std::string(15, ' ') + " |" +
                            std::string(11, ' ') + " |6543210.1234 |    2070.385 ]";
    ASSERT_EQ(row.size(), kPiketRowWidth2D);
    p.statement = {"", row};
    rePiketMouseDown(p, 1);
    btnToTCPiketClick(p);
    EXPECT_EQ(p.neTCX, "6543210.1234");
    EXPECT_EQ(p.edTC, "P12");
}

TEST(StationFromRow, LinesWithoutCoordinatesWarn)
{
    PiketPage p = Computed3D();
    ASSERT_EQ(p.statement[7].substr(0, 4), " |  ");
    rePiketMouseDown(p, 7); // the heading
    p.edTO = "keep";
    const auto to = btnToTOPiketClick(p);
    ASSERT_TRUE(to.has_value());
    EXPECT_EQ(Cp1251ToUtf8(*to), "Указанная строка \"" + Cp1251ToUtf8(p.statement[7]) +
                                     "\" не содержит координат. Попытайтесь попасть в нужную строку еще раз.");
    EXPECT_EQ(p.edTO, "keep");

    btnClearPiketClick(p);
    p.statement = {"a", "b"};
    rePiketMouseDown(p, 40); // beyond the statement: an empty line
    const auto tc = btnToTCPiketClick(p);
    ASSERT_TRUE(tc.has_value());
    EXPECT_EQ(Cp1251ToUtf8(*tc),
              "Указанная строка \"\" не содержит координат!!! Попытайтесь попасть в нужную строку еще раз.");
}

TEST(StationFromRow, StatementOfOneLineDoesNothing)
{
    PiketPage p;
    p.statement = {" [ X"};
    p.edTC = "keep";
    rePiketMouseDown(p, 0);
    EXPECT_FALSE(btnToTCPiketClick(p).has_value());
    EXPECT_FALSE(btnToTOPiketClick(p).has_value());
    EXPECT_EQ(p.edTC, "keep");
}

} // namespace
