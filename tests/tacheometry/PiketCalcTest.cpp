#include "tacheometry/PiketCalc.h"
#include "PiketTestSupport.h"
#include "core/Errors.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalimor;
using namespace kalimor::test;

namespace {

const std::string kBlank(98, ' ');
const std::string kRule2D = " " + std::string(87, '-');
const std::string kRule3D = " " + std::string(98, '-');

TEST(PiketCalc, WorkedExample3DWritesTitleStationHeadingAndRows)
{
    PiketPage p = WorkedExample(1);
    ProcessingSettings s;
    s.edNameCourseID = Ru("Объект 1");
    s.edNamePolevik = Ru("Иванов");
    ASSERT_EQ(btnCalcPiketClick(p, s, 0), PiketCalcResult::Computed);

    const std::vector<std::string> expected = {
        kBlank,
        "                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТАХЕОМЕТРИИ",
        "                              ХОД/ОБЪЕКТ: Объект 1",
        kBlank,
        " ИСПОЛНИТЕЛЬ: Иванов",
        " КАМЕРАЛЬЩИК: ",
        " ИНСТРУМЕНТ: ",
        kBlank,
        " Точка стояния : 1            X: 1000         Y: 2000         H: 150          i: 1.5         ",
        " Точка ориент. : 2            X: 1100         Y: 2000                         v: 2           ",
        kRule3D,
        " |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |                Координаты            |",
        " |          |      угол      |      угол      |    (SD),м  |     X, м    |     Y, м    |   H,м    |",
        kRule3D,
        " [        1 |      45°00'00\" |       5°30'00\" |        100 |    1070.385 |    2070.385 |  159.085 ]",
        " [        2 |       0°00'00\" |      10°00'00\" |          0 |    1070.385 |    2070.385 |*   9.967 ]",
        kRule3D,
    };
    EXPECT_EQ(Utf8Lines(p.statement), expected);
    for (std::size_t i = 10; i < p.statement.size(); ++i)
        EXPECT_EQ(p.statement[i].size(), kPiketRowWidth3D) << i;
    EXPECT_EQ(p.statement[8].substr(17, 12), "1           ");
    EXPECT_FALSE(p.titlePending);
    EXPECT_FALSE(p.stationBlockPending);

    EXPECT_DOUBLE_EQ(p.pickets[0].horizontalDistance, 99.53961983671789);
    EXPECT_NEAR(p.pickets[1].height, 9.967, 5e-4);
    EXPECT_EQ(p.pickets[1].x, p.pickets[0].x);
}

TEST(PiketCalc, WorkedExample2DTraverseModeLayout)
{
    PiketPage p = WorkedExample(0);
    p.ckbAutoManual = true;
    p.cbTC = "1";
    p.cbTO = "2";
    btnCalcPiketClick(p, NoIdentification(), 0);
    const std::vector<std::string> expected = {
        kBlank,
        "                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТАХЕОМЕТРИИ",
        kBlank,
        kBlank,
        " Точка стояния: 1            X: 1000         Y: 2000        ",
        " Точка ориент.: 2            X: 1100         Y: 2000        ",
        kRule2D,
        " |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |        Координаты         |",
        " |          |      угол      |      угол      |    (SD),м  |     X, м    |     Y, м    |",
        kRule2D,
        " [        1 |      45°00'00\" |       5°30'00\" |        100 |    1070.385 |    2070.385 ]",
        " [        2 |       0°00'00\" |      10°00'00\" |          0 |    1070.385 |    2070.385 ]",
        kRule2D,
    };
    EXPECT_EQ(Utf8Lines(p.statement), expected);
    // The exporters cut the station X and Y out of these positions.
    EXPECT_EQ(p.statement[4].substr(32, 12), "1000        ");
    EXPECT_EQ(p.statement[4].substr(48, 12), "2000        ");
    for (std::size_t i = 6; i < p.statement.size(); ++i)
        EXPECT_EQ(p.statement[i].size(), kPiketRowWidth2D) << i;
}

TEST(PiketCalc, RightAnglesMirrorThePicket)
{
    PiketPage p = WorkedExample(1);
    btnCalcPiketClick(p, NoIdentification(), 1);
    EXPECT_NEAR(p.pickets[0].x, 1070.385, 5e-4);
    EXPECT_NEAR(p.pickets[0].y, 1929.615, 5e-4);
}

TEST(PiketCalc, CurvatureAndRefraction)
{
    struct Case {
        bool curvature, refraction;
        double height;
    };
    for (const Case c : {Case{false, false, 159.0845752520224}, Case{true, false, 159.08535284862555},
                         Case{true, true, 159.0852439851011}}) {
        PiketPage p = WorkedExample(1);
        ProcessingSettings s;
        s.ckbhoriz = c.curvature;
        s.ckbRef = c.refraction;
        btnCalcPiketClick(p, s, 0);
        EXPECT_NEAR(p.pickets[0].height, c.height, 1e-8) << c.curvature << c.refraction;
    }
}

TEST(PiketCalc, SinglePicketWithZeroDistanceLiesOnTheStation)
{
    PiketPage p = WorkedExample(1);
    p.sePointPiketCount = 1;
    p.neSDpiket = "0";
    p.neV3piket = "10";
    btnCalcPiketClick(p, NoIdentification(), 0);
    EXPECT_EQ(p.pickets[0].x, 1000);
    EXPECT_EQ(p.pickets[0].y, 2000);
    EXPECT_EQ(p.pickets[0].height, 149.5);
    EXPECT_EQ(p.statement[p.statement.size() - 2].substr(86), " |    149.5 ]");
}

TEST(PiketCalc, RemoteHeightPicketAsFirstRecordIsComputedAsOrdinary)
{
    PiketPage p = WorkedExample(1);
    p.neSDpiket = "0"; // record 0 with distance 0 while the count is 2
    btnCalcPiketClick(p, NoIdentification(), 0);
    EXPECT_EQ(p.pickets[0].x, 1000);
    EXPECT_EQ(p.pickets[0].height, 149.5);
    const std::string& row0 = p.statement[p.statement.size() - 3];
    EXPECT_EQ(row0.substr(86), " |    149.5 ]");
    // Picket 2 then refers to it: 151.5 + 0 * tan(10°) - 149.5.
    EXPECT_DOUBLE_EQ(p.pickets[1].height, 2);
}

TEST(PiketCalc, TwoRunsWithoutChangeContinueOneTable)
{
    PiketPage p = WorkedExample(0);
    btnCalcPiketClick(p, NoIdentification(), 0);
    const auto first = p.statement;
    btnCalcPiketClick(p, NoIdentification(), 0);
    ASSERT_EQ(p.statement.size(), first.size() + 2);
    const std::size_t n = first.size();
    EXPECT_EQ(p.statement[n - 1], first[n - 3]); // the closing rule gave way to the first row
    EXPECT_EQ(p.statement[n], first[n - 2]);
    EXPECT_EQ(p.statement[n + 1], first[n - 1]); // one closing rule
    EXPECT_EQ(p.statement[n + 1], PiketRule(0));
    EXPECT_NE(p.statement[n - 2], PiketRule(0));
}

TEST(PiketCalc, ChangedTargetHeightOpensASecondStationBlock)
{
    PiketPage p = WorkedExample(1);
    btnCalcPiketClick(p, NoIdentification(), 0);
    const std::size_t n = p.statement.size();
    p.neito = "2";
    p.stationBlockPending = true; // what the change event of neito does
    btnCalcPiketClick(p, NoIdentification(), 0);
    ASSERT_EQ(p.statement.size(), n + 3 + 5 + 2);
    EXPECT_EQ(p.statement[n - 1], PiketRule(1)); // the first table keeps its closing rule
    EXPECT_EQ(p.statement[n], kBlank);
    EXPECT_EQ(p.statement[n + 1].substr(0, 17), Ru(" Точка стояния : "));
    EXPECT_EQ(p.statement[n + 3], PiketRule(1));
    EXPECT_EQ(p.statement.back(), PiketRule(1));
}

TEST(PiketCalc, LongNameLengthensItsRowAndHiddenNamesLeaveItBlank)
{
    PiketPage p = WorkedExample(0);
    p.edNamePiket = "ABCDEFGHIJ";
    btnCalcPiketClick(p, NoIdentification(), 0);
    const std::string& longRow = p.statement[p.statement.size() - 3];
    EXPECT_EQ(longRow.size(), 89u);
    EXPECT_EQ(longRow.substr(0, 14), " [ABCDEFGHIJ |");

    PiketPage q = WorkedExample(1);
    ProcessingSettings s = NoIdentification();
    s.additionOptions[7] = false;
    btnCalcPiketClick(q, s, 0);
    for (std::size_t i : {q.statement.size() - 3, q.statement.size() - 2}) {
        EXPECT_EQ(q.statement[i].substr(0, 13), " [          |");
        EXPECT_EQ(q.statement[i].size(), kPiketRowWidth3D);
    }
}

TEST(PiketCalc, AngleNotationAndDecimalsOfTheSettings)
{
    PiketPage p = WorkedExample(0);
    p.neSDpiket = "100.4567";
    ProcessingSettings s = NoIdentification();
    s.cbFormatAngle = 2;
    s.seLinePrecession = 1;
    btnCalcPiketClick(p, s, 0);
    const std::string& row = p.statement[p.statement.size() - 3];
    EXPECT_EQ(row, " [        1 |       45 00 00 |        5 30 00 |      100.5 |      1070.7 |      2070.7 ]");
}

TEST(PiketCalc, TraverseModeRefusesWithoutStationOrOrientation)
{
    PiketPage p = WorkedExample(0);
    p.ckbAutoManual = true;
    p.cbTC = "5";
    p.neSDpiket = "garbage"; // would fail if anything were stored
    EXPECT_EQ(btnCalcPiketClick(p, NoIdentification(), 0), PiketCalcResult::StationNotChosen);
    EXPECT_TRUE(p.statement.empty());
    EXPECT_TRUE(p.titlePending);
    EXPECT_EQ(Cp1251ToUtf8(StationNotChosenText()), "Не выбрана точка стояния или точка ориентирования!");
}

TEST(PiketCalc, BadStationCoordinateStopsBeforeAnythingIsWritten)
{
    PiketPage p = WorkedExample(0);
    p.neTOY = "20,5";
    try {
        btnCalcPiketClick(p, NoIdentification(), 0);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'20,5' is not a valid floating point value");
    }
    EXPECT_TRUE(p.statement.empty());
    EXPECT_TRUE(p.titlePending);
}

TEST(PiketCalc, BadHeightStopsInsideTheComputationKeepingTitleAndStationLines)
{
    struct Case {
        const char* field;
        bool refraction;
    };
    for (const Case c : {Case{"nehcenter", false}, Case{"neito", false}, Case{"edRef", true}}) {
        PiketPage p = WorkedExample(1);
        ProcessingSettings s = NoIdentification();
        s.ckbRef = c.refraction;
        const std::string field = c.field;
        (field == "nehcenter" ? p.nehcenter : field == "neito" ? p.neito : s.edRef) = "x";
        EXPECT_THROW(btnCalcPiketClick(p, s, 0), ConversionError) << field;
        ASSERT_EQ(p.statement.size(), 6u) << field; // title (3 lines) and station block (3)
        EXPECT_FALSE(p.titlePending);
        EXPECT_TRUE(p.stationBlockPending);
        EXPECT_NEAR(p.pickets[0].x, 1070.385, 5e-4) << field; // computed up to the height

        // Mended, the next run writes the station lines again, then heading and rows.
        (field == "nehcenter" ? p.nehcenter : field == "neito" ? p.neito : s.edRef) = "0";
        btnCalcPiketClick(p, s, 0);
        EXPECT_EQ(p.statement.size(), 6u + 3 + 5 + 2);
        EXPECT_EQ(p.statement[6], kBlank);
        EXPECT_EQ(p.statement[7].substr(0, 17), Ru(" Точка стояния : "));
        EXPECT_FALSE(p.stationBlockPending);
    }
}

TEST(PiketCalc, TypedTemplateWritesNeitherStationBlockNorRows)
{
    PiketPage p = WorkedExample(0);
    cbSelectPiketTemplateChange(p, -1);
    btnCalcPiketClick(p, NoIdentification(), 0);
    EXPECT_EQ(p.statement.size(), 3u); // the title only
    EXPECT_TRUE(p.stationBlockPending);
    EXPECT_NEAR(p.pickets[0].x, 1070.385, 5e-4);
}

TEST(PiketCalc, ClearingAndNewWorkMakeTitleAndStationDue)
{
    PiketPage p = WorkedExample(0);
    btnCalcPiketClick(p, NoIdentification(), 0);
    const unsigned revision = p.statementRevision;
    btnClearPiketClick(p);
    EXPECT_TRUE(p.statement.empty());
    EXPECT_TRUE(p.titlePending && p.stationBlockPending);
    EXPECT_GT(p.statementRevision, revision);
    EXPECT_EQ(p.pickets[0].name, "1"); // the pickets stay

    ResetPiketPage(p);
    EXPECT_EQ(p.pickets[0].name, "");
    EXPECT_EQ(p.pickets[1].slopeDistance, 0);
    EXPECT_EQ(p.sePointPiketCount, 1);
    EXPECT_EQ(p.neTCX, "0");
    EXPECT_EQ(p.neito, "0");
    EXPECT_EQ(Cp1251ToUtf8(p.edTC), "Не выбрана");
    EXPECT_EQ(Cp1251ToUtf8(p.cbTO), "Не выбрана");
    EXPECT_EQ(p.neCurrentPiket, "1");
    EXPECT_EQ(p.edNamePiket, "");
}

TEST(PiketCalc, StatementWithoutLinesStillEndsInOneRule)
{
    // The user emptied the statement by hand: no title, no station block, but rows and a rule.
    PiketPage p = WorkedExample(0);
    btnCalcPiketClick(p, NoIdentification(), 0);
    p.statement.clear();
    btnCalcPiketClick(p, NoIdentification(), 0);
    ASSERT_EQ(p.statement.size(), 3u);
    EXPECT_EQ(p.statement[0].substr(0, 2), " [");
    EXPECT_EQ(p.statement[2], PiketRule(0));
}

} // namespace

namespace {

TEST(PiketCalc, StatementNumbersAreTheShortNumberTextsOfTheRoundedValues)
{
    auto expectSame = [](int d, double v) {
        char buf[kalimor::kNumberTextCapacity];
        const std::string fast(buf, kalimor::StatementNumberTo(buf, d, v));
        EXPECT_EQ(fast, kalimor::NumberText(kalimor::RoundToDecimals(d, v))) << d << " " << v;
    };
    for (int d = -1; d <= 5; ++d)
        for (double v : {0.0, -0.0, 0.00049, -0.00049, 0.05, -0.05, 1.0, 100.0, 123.456, -123.4565, 0.12345,
                         6543210.1256, 2345489.0275, 999999999999.9999, 1e14 + 0.5, 5e14, 2e15, -3e16, 1e300})
            expectSame(d, v);
    // A sweep over magnitudes and rounding halves.
    std::uint64_t state = 12345;
    for (int k = 0; k < 200000; ++k) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(state >> 11) / 9007199254740992.0;
        const int exponent = static_cast<int>((state >> 3) % 17) - 5;
        const double v = (state & 1 ? -1 : 1) * mantissa * std::pow(10.0, exponent);
        expectSame(static_cast<int>(k % 5), v);
        expectSame(static_cast<int>(k % 5), std::nearbyint(v * 2000) / 2000); // exact halves of the last decimal
    }
}

} // namespace
