#include "tacheometry/Pickets.h"
#include "PiketTestSupport.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

using namespace kalimor;
using namespace kalimor::test;

namespace {

// Pickets named P1..Pn with distance 10 * k; picket `shown` (from 0) in the fields.
PiketPage Numbered(int count, int shown)
{
    PiketPage p;
    p.sePointPiketCount = count;
    for (int k = 0; k < kMaxPickets; ++k)
        SetPicket(p, k, "P" + std::to_string(k + 1), 10.0 * (k + 1), 0, 0);
    p.currentPicket = shown;
    ShowPicket(p, shown);
    return p;
}

TEST(Pickets, NavigationStoresTheShownPicketAndStaysWithinTheCount)
{
    struct Case {
        const char* what;
        int count, shown;
        void (*action)(PiketPage&);
        int expected;
    };
    const Case cases[] = {
        {"next in the middle", 3, 0, btnNextPiketClick, 1},
        {"next at the last", 3, 2, btnNextPiketClick, 2},
        {"previous at the first", 3, 0, btnPrevPiketClick, 0},
        {"previous in the middle", 3, 2, btnPrevPiketClick, 1},
        {"number beyond the count", 5, 1,
         [](PiketPage& p) {
             p.neCurrentPiket = "10";
             neCurrentPiketChange(p);
         },
         4},
        {"number 0", 5, 3,
         [](PiketPage& p) {
             p.neCurrentPiket = "0";
             neCurrentPiketChange(p);
         },
         0},
        {"negative number", 5, 3,
         [](PiketPage& p) {
             p.neCurrentPiket = "-3";
             neCurrentPiketChange(p);
         },
         0},
        {"number within", 5, 0,
         [](PiketPage& p) {
             p.neCurrentPiket = " 3 ";
             neCurrentPiketChange(p);
         },
         2},
    };
    for (const Case& c : cases) {
        PiketPage p = Numbered(c.count, c.shown);
        p.neSDpiket = "77"; // typed, not yet stored
        c.action(p);
        EXPECT_EQ(p.pickets[static_cast<std::size_t>(c.shown)].slopeDistance, 77) << c.what;
        EXPECT_EQ(p.currentPicket, c.expected) << c.what;
        EXPECT_EQ(p.neCurrentPiket, std::to_string(c.expected + 1)) << c.what;
        EXPECT_EQ(p.edNamePiket, "P" + std::to_string(c.expected + 1)) << c.what;
    }
}

TEST(Pickets, LoweringTheCountMovesToTheNewLastAndRaisingBringsRecordsBack)
{
    PiketPage p = Numbered(10, 6);
    p.neHzPiket = "12.3";
    sePointPiketCountChange(p, 4);
    EXPECT_EQ(p.pickets[6].horizontalAngle, 12.3);
    EXPECT_EQ(p.currentPicket, 3);
    EXPECT_EQ(p.neCurrentPiket, "4");
    sePointPiketCountChange(p, 10);
    EXPECT_EQ(p.currentPicket, 3);
    p.neCurrentPiket = "7";
    neCurrentPiketChange(p);
    EXPECT_EQ(p.neHzPiket, "12.3");
    EXPECT_EQ(p.neSDpiket, "70");
}

TEST(Pickets, CountIsKeptWithin1To2000)
{
    PiketPage p = Numbered(5, 4);
    sePointPiketCountChange(p, 2500);
    EXPECT_EQ(p.sePointPiketCount, 2000);
    EXPECT_EQ(p.currentPicket, 4);
    sePointPiketCountChange(p, 0);
    EXPECT_EQ(p.sePointPiketCount, 1);
    EXPECT_EQ(p.currentPicket, 0);
}

TEST(Pickets, ValuesAreShownBackAsShortNumberTexts)
{
    PiketPage p = Numbered(2, 0);
    p.neSDpiket = "100.000";
    p.neHzPiket = "12.3";
    p.neV3piket = "-0.5";
    p.edNamePiket = "LONGNAME10"; // an imported name stays whole
    btnNextPiketClick(p);
    btnPrevPiketClick(p);
    EXPECT_EQ(p.neSDpiket, "100");
    EXPECT_EQ(p.neHzPiket, "12.3");
    EXPECT_EQ(p.neV3piket, "-0.5");
    EXPECT_EQ(p.edNamePiket, "LONGNAME10");
}

TEST(Pickets, ConversionErrorStoresUpToTheBadFieldAndDoesNotMove)
{
    PiketPage p = Numbered(3, 1);
    p.edNamePiket = "NEW";
    p.neSDpiket = "5";
    p.neHzPiket = "1,5";
    p.neV3piket = "7";
    try {
        btnNextPiketClick(p);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
    EXPECT_EQ(p.pickets[1].name, "NEW");
    EXPECT_EQ(p.pickets[1].slopeDistance, 5);
    EXPECT_EQ(p.pickets[1].horizontalAngle, 0); // old value
    EXPECT_EQ(p.pickets[1].verticalAngle, 0);
    EXPECT_EQ(p.currentPicket, 1);

    // A failing store keeps the count as well, so the shown picket stays within it.
    EXPECT_THROW(sePointPiketCountChange(p, 1), ConversionError);
    EXPECT_EQ(p.sePointPiketCount, 3);
}

TEST(Pickets, NumberThatIsNoIntegerFailsAfterTheStore)
{
    PiketPage p = Numbered(3, 1);
    p.neSDpiket = "55";
    p.neCurrentPiket = "2.5";
    try {
        neCurrentPiketChange(p);
        FAIL() << "no error";
    } catch (const KalimorError& e) {
        EXPECT_STREQ(e.what(), "'2.5' is not a valid integer value");
    }
    EXPECT_EQ(p.pickets[1].slopeDistance, 55);
    EXPECT_EQ(p.currentPicket, 1);
}

TEST(Pickets, ClearPicketsEmptiesEveryRecord)
{
    PiketPage p = Numbered(30, 20);
    ClearPickets(p);
    EXPECT_EQ(p.sePointPiketCount, 1);
    EXPECT_EQ(p.currentPicket, 0);
    EXPECT_EQ(p.pickets[1999].name, "");
    EXPECT_EQ(p.pickets[20].slopeDistance, 0);
    EXPECT_EQ(p.neSDpiket, "0");
    EXPECT_EQ(p.neCurrentPiket, "1");
}

} // namespace
