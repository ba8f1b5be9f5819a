// The sample instrument files of examples/ reproduce the demo traverse and its pickets.
#include "core/Codepage.h"
#include "intake/InstrumentImport.h"
#include "work/ProjectFile.h"
#include "work/Transfers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

using namespace kalimor;

namespace {

const std::string kExamples = KALIMOR_EXAMPLES "/";

struct Sample {
    const char* file;
    int variant;
    bool marksStations; // the format carries the station mark itself
    double tolerance;   // metres; 3Ta5 angles are whole seconds
};

// The station names as the sample files write them.
bool IsStation(const ImportRow& row)
{
    static const std::set<std::string> names = {Ru("пп3345"), "1",    "2",    "3",    "4",    "5",    Ru("пп3346"),
                                                "3345",       "1001", "1002", "1003", "1004", "1005", "3346"};
    return names.count(row.note) > 0;
}

} // namespace

TEST(ExampleFiles, EachVariantReproducesTheDemoTraverseAndPickets)
{
    Work reference;
    OpenProject(reference, kExamples + "demo.srv");
    ImportPage demoPickets;
    demoPickets.edFileName = kExamples + "demo_pickets.utf";
    ImportInstrumentFile(demoPickets, kUserText);
    ASSERT_EQ(demoPickets.rows.size(), 15u);

    for (const Sample& s :
         {Sample{"demo_recorders.txt", kRecordersSlope, true, 0.001},
          Sample{"demo_r5_zenith.txt", kR5Zenith, false, 0.001}, Sample{"demo_3ta5_slope.txt", k3Ta5Slope, false, 0.05},
          Sample{"demo_3ta5_horizontal.txt", k3Ta5Horizontal, false, 0.05},
          Sample{"demo_sdr_slope.sdr", kSdrVerticalUp, true, 0.001},
          Sample{"demo_sdr_zenith.sdr", kSdrVerticalDown, true, 0.001},
          Sample{"demo_traverse.utf", kUserText, true, 0.001}}) {
        SCOPED_TRACE(s.file);
        Work work;
        OpenProject(work, kExamples + "demo.srv");
        work.import.edFileName = kExamples + s.file;
        ImportInstrumentFile(work.import, s.variant);
        int marked = 0;
        for (ImportRow& row : work.import.rows) {
            if (!s.marksStations)
                row.station = IsStation(row);
            marked += row.station ? 1 : 0;
        }
        EXPECT_EQ(marked, 7);
        btnToCourseClick(work);
        ASSERT_EQ(work.course.SePointCourseCount, 7);
        for (int i = 0; i < 7; ++i) {
            const CoursePoint& got = work.course.points[static_cast<std::size_t>(i)];
            const CoursePoint& want = reference.course.points[static_cast<std::size_t>(i)];
            EXPECT_NEAR(got.X, want.X, s.tolerance) << "point " << i;
            EXPECT_NEAR(got.Y, want.Y, s.tolerance) << "point " << i;
        }

        // The pickets are the rows that are neither stations nor the job's heading.
        work.import.selected.assign(work.import.rows.size(), false);
        for (std::size_t r = 0; r < work.import.rows.size(); ++r)
            work.import.selected[r] = !work.import.rows[r].station && !work.import.rows[r].horizontalAngle.empty();
        btnTopiketClick(work);
        ASSERT_EQ(work.piket.sePointPiketCount, 15);
        for (int i = 0; i < 15; ++i) {
            const Picket& p = work.piket.pickets[static_cast<std::size_t>(i)];
            const ImportRow& want = demoPickets.rows[static_cast<std::size_t>(i)];
            EXPECT_NEAR(p.slopeDistance, want.slopeDistance.empty() ? 0 : std::stod(want.slopeDistance), 0.0011)
                << "picket " << i;
            EXPECT_NEAR(p.horizontalAngle, std::stod(want.horizontalAngle), 0.00006) << "picket " << i;
        }
    }
}
