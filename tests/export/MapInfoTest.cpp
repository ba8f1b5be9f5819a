#include "ExportTestSupport.h"
#include "RealReaders.h"

#include "core/Codepage.h"
#include "export/MapInfoWriters.h"

#include <gtest/gtest.h>

using namespace kalimor;
using exporttest::DataFile;
using exporttest::ReadBytes;
using exporttest::ScratchFolder;

namespace {

TEST(MapInfo, HeaderHasItsElevenLines)
{
    const auto& header = MapInfoHeader();
    ASSERT_EQ(header.size(), 11u);
    EXPECT_EQ(header[1], "Charset \"WindowsCyrillic\"");
    EXPECT_EQ(header[1].size(), 25u);
    EXPECT_EQ(header[2].size(), 13u);
    EXPECT_EQ(header[3].size(), 78u);
    EXPECT_EQ(header[10], "");
}

TEST(MapInfo, ThreePointTraverseMatchesTheGoldenPair)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    const auto files = exporttest::Written(SaveCourseMapInfo, work, dir.chosen("hod"), true);
    EXPECT_EQ(ReadBytes(dir.path() / "hod.mif"), DataFile("traverse3.map.mif"));
    EXPECT_EQ(ReadBytes(dir.path() / "hod.mid"), DataFile("traverse3.map.mid"));
    EXPECT_EQ(files.written, (std::vector<std::string>{dir.chosen("hod.mif"), dir.chosen("hod.mid")}));
    EXPECT_EQ(files.toOpen, std::vector<std::string>{dir.chosen("hod.mif")});
}

TEST(MapInfo, ThreeDTraverseCarriesHeightsInTheRecords)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.course.cbSelectCourseTemplate = 1;
    exporttest::Written(SaveCourseMapInfo, work, dir.chosen("hod"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "hod.mid"), "A1,100.123,200.5,10\r\nA2,110,210.25,11.5\r\nB,120,221,12.001\r\n"
                                                 ",,,\r\n,,,\r\n");
}

TEST(MapInfo, StatementWithTwoStationsMatchesTheGoldenFiles)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    const auto files = exporttest::Written(SavePicketMapInfo, work, dir.chosen("map"), true);
    EXPECT_EQ(ReadBytes(dir.path() / "map.mif"), DataFile("statement_mixed.map.mif"));
    EXPECT_EQ(ReadBytes(dir.path() / "map.mid"), DataFile("statement_mixed.map.mid"));
    EXPECT_EQ(ReadBytes(dir.path() / "map_vis.mif"), DataFile("statement_mixed.map_vis.mif"));
    EXPECT_EQ(files.written,
              (std::vector<std::string>{dir.chosen("map.mif"), dir.chosen("map.mid"), dir.chosen("map_vis.mif")}));
    EXPECT_EQ(files.toOpen, std::vector<std::string>{dir.chosen("map.mif")});
}

TEST(MapInfo, RowsBeforeAnyStationLineAndEmptyStatements)
{
    ScratchFolder dir;
    Work work;
    const auto all = exporttest::MixedStatement();
    work.piket.statement = {all[12]}; // the first picket row alone
    exporttest::Written(SavePicketMapInfo, work, dir.chosen("orphan"), false);
    EXPECT_EQ(exporttest::Lines(ReadBytes(dir.path() / "orphan_vis.mif")).at(11), "Line   2070.385 1070.385");

    work.piket.statement.clear();
    exporttest::Written(SavePicketMapInfo, work, dir.chosen("empty"), false);
    std::string header;
    for (const auto& line : MapInfoHeader())
        header += line + "\r\n";
    EXPECT_EQ(ReadBytes(dir.path() / "empty.mif"), header);
    EXPECT_EQ(ReadBytes(dir.path() / "empty_vis.mif"), header);
    EXPECT_EQ(ReadBytes(dir.path() / "empty.mid"), "");
}

// GDAL reads the pair back: every object with its record, Y before X, Cyrillic names
// decoded through the Charset line.
struct Feature {
    std::string type;
    std::vector<double> numbers;
    std::string name, x, y;
};

std::vector<Feature> ReadWithGdal(const std::string& mif)
{
    const auto run = exporttest::OgrToCsv(mif);
    EXPECT_EQ(run.status, 0) << run.output;
    const auto rows = exporttest::ParseCsv(run.output);
    std::vector<Feature> features;
    if (rows.empty() || rows[0] != std::vector<std::string>{"WKT", "N", "X", "Y", "H"}) {
        ADD_FAILURE() << "unexpected ogr2ogr output: " << run.output;
        return features;
    }
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& r = rows[i];
        EXPECT_EQ(r.size(), 5u) << run.output;
        if (r.size() != 5)
            continue;
        const auto g = exporttest::ParseWkt(r[0]);
        features.push_back({g.type, g.numbers, r[1], r[2], r[3]});
    }
    return features;
}

TEST(MapInfo, GdalReadsTheTraversePairWithItsLegs)
{
    if (!exporttest::ToolPresent(KALIMOR_OGR2OGR, "gdal-bin"))
        return;
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.course.points[0].Name = Ru("Пункт 1");
    exporttest::Written(SaveCourseMapInfo, work, dir.chosen("hod"), false);
    const auto f = ReadWithGdal(dir.chosen("hod.mif"));
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0].type, "POINT");
    EXPECT_EQ(f[0].numbers, (std::vector<double>{200.5, 100.123}));
    EXPECT_EQ(f[0].name, "Пункт1");
    EXPECT_EQ(f[0].x, "100.123");
    EXPECT_EQ(f[0].y, "200.5");
    EXPECT_EQ(f[2].numbers, (std::vector<double>{221, 120}));
    EXPECT_EQ(f[2].name, "B");
    EXPECT_EQ(f[3].type, "LINESTRING");
    EXPECT_EQ(f[3].numbers, (std::vector<double>{210.25, 110, 200.5, 100.123}));
    EXPECT_EQ(f[4].type, "LINESTRING");
    EXPECT_EQ(f[4].numbers, (std::vector<double>{221, 120, 210.25, 110}));
    EXPECT_EQ(f[4].name, "");
}

TEST(MapInfo, GdalReadsThePicketPairAndTheSightLines)
{
    if (!exporttest::ToolPresent(KALIMOR_OGR2OGR, "gdal-bin"))
        return;
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    exporttest::Written(SavePicketMapInfo, work, dir.chosen("map"), false);
    const auto points = ReadWithGdal(dir.chosen("map.mif"));
    ASSERT_EQ(points.size(), 6u);
    const char* names[] = {"1", "2", "", "П10", "П11", "К1"};
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].type, "POINT");
        EXPECT_EQ(points[i].name, names[i]);
    }
    EXPECT_EQ(points[1].numbers, (std::vector<double>{2070.385, 1070.385}));
    EXPECT_EQ(points[4].numbers, (std::vector<double>{7654330.2, 6543220.1}));

    // Each table's sight lines start at its own station.
    const auto sights = ReadWithGdal(dir.chosen("map_vis.mif"));
    ASSERT_EQ(sights.size(), 6u);
    EXPECT_EQ(sights[0].type, "LINESTRING");
    EXPECT_EQ(sights[0].numbers, (std::vector<double>{2000, 1000, 2070.385, 1070.385}));
    EXPECT_EQ(sights[2].numbers, (std::vector<double>{2000, 1000, 2010.25, 990.5}));
    EXPECT_EQ(sights[5].numbers, (std::vector<double>{7654321.5, 6543210.1234, 7654300, 6543200}));
}

TEST(MapInfo, GdalRefusesAPairWithoutItsRecords)
{
    // The check above means something only if a malformed pair makes ogr2ogr fail.
    if (!exporttest::ToolPresent(KALIMOR_OGR2OGR, "gdal-bin"))
        return;
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    exporttest::Written(SaveCourseMapInfo, work, dir.chosen("hod"), false);
    std::ofstream(dir.path() / "hod.mid", std::ios::binary | std::ios::trunc) << "A1,100.123,200.5,\r\n";
    EXPECT_NE(exporttest::OgrToCsv(dir.chosen("hod.mif")).status, 0);
}

} // namespace
