#include "work/PiketCommands.h"
#include "PiketTestSupport.h"
#include "tacheometry/StationSetup.h"

#include <gtest/gtest.h>

using namespace kalimor;

namespace {

TEST(PiketCommands, WorkSettingsReachTheStationAndTheComputation)
{
    Work work;
    work.course.SePointCourseCount = 3;
    for (int k = 0; k < 3; ++k) {
        work.course.points[static_cast<std::size_t>(k)].Name = "T" + std::to_string(k);
        work.course.points[static_cast<std::size_t>(k)].X = 1000 + 100 * k + 0.123456;
        work.course.points[static_cast<std::size_t>(k)].Y = 2000;
    }
    FillStationLists(work.piket, work.course);
    work.settings.seLinePrecession = 1;
    ChooseStation(work, 1);
    EXPECT_EQ(work.piket.neTCX, "1100.1");
    EXPECT_EQ(work.piket.neTOX, "1000.1");
    ChooseOrientation(work, 2);
    EXPECT_EQ(work.piket.neTOX, "1200.1");
    TypeStation(work, "T0");
    EXPECT_EQ(work.piket.cbTCIndex, 0);

    // Station T0 at 1000.1, ТО T2 at 1200.1 straight north; right angles mirror Hz 90 to the west.
    TypeOrientation(work, "T2");
    work.course.cdTypeAngleCourse = 1;
    work.piket.neSDpiket = "10";
    work.piket.neHzPiket = "90";
    ASSERT_EQ(CalculatePickets(work), PiketCalcResult::Computed);
    EXPECT_NEAR(work.piket.pickets[0].y, 1990, 1e-9);
    EXPECT_NEAR(work.piket.pickets[0].x, 1000.1, 1e-9);

    NewWorkPiket(work);
    EXPECT_TRUE(work.piket.statement.empty());
    EXPECT_EQ(work.piket.cbTC, NotChosenText());
    EXPECT_EQ(work.piket.stationList.size(), 3u); // the lists stay until the next adjustment
}

} // namespace
