#include "ExportTestSupport.h"

#include "core/Errors.h"
#include "export/ExportNaming.h"
#include "export/Exports.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kalimor;
using exporttest::ScratchFolder;

namespace {

using Names = std::vector<std::string>;

Names Relative(const ScratchFolder& dir, const Names& paths)
{
    Names out;
    for (const auto& p : paths)
        out.push_back(p.substr(dir.path().string().size() + 1));
    return out;
}

TEST(ExportNaming, NamePartFolderAndEndings)
{
    EXPECT_EQ(NamePart("/home/u/obj.txt"), "obj.txt");
    EXPECT_EQ(NamePart("C:\\work\\obj"), "obj");
    EXPECT_EQ(NamePart("d:obj"), "obj");
    EXPECT_EQ(NamePart("obj"), "obj");
    EXPECT_EQ(ChosenFolder("/home/u/obj.txt"), "/home/u/");
    EXPECT_EQ(ChosenFolder("obj"), "");
    EXPECT_EQ(ExportFileName("/home/u/obj.txt", ".txt"), "/home/u/obj.txt.txt");
    EXPECT_EQ(WithoutEnding("obj.TXT", ".txt"), "obj");
    EXPECT_EQ(WithoutEnding("obj.txt_vdm", ".txt"), "obj.txt_vdm");
    EXPECT_EQ(WithoutEnding("tx", ".txt"), "tx");
}

TEST(Exports, AllFiveOnTheTacheometryPage)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    WorkbookWriter writer = ExportWorkbookWriter();
    ASSERT_TRUE(work.settings.IsOptionSet(1));
    const auto files =
        exporttest::Written(RunExport, work, writer, ExportSource::Tacheometry, kExportAll, dir.chosen("obj"));
    const Names expected = {"obj_vdm_pik.txt", "obj_crd_pik.txt",   "obj_crd_pikdH.txt",
                            "obj_crd_top.top", "obj_crd_topdH.top", "obj_crd_pik.XLS",
                            "obj_map_pik.mif", "obj_map_pik.mid",   "obj_map_pik_vis.mif"};
    EXPECT_EQ(Relative(dir, files.written), expected);
    EXPECT_TRUE(files.toOpen.empty());
    Names sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(dir.names(), sorted);
}

TEST(Exports, AllFiveOnTheTraversePage)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    WorkbookWriter writer = ExportWorkbookWriter();
    const auto files =
        exporttest::Written(RunExport, work, writer, ExportSource::Traverse, kExportAll, dir.chosen("obj"));
    EXPECT_EQ(Relative(dir, files.written), (Names{"obj_vdm_hod.txt", "obj_crd_hod.txt", "obj_crd_top.top",
                                                   "obj_crd_hod.XLS", "obj_map_hod.mif", "obj_map_hod.mid"}));
    EXPECT_TRUE(files.toOpen.empty());
}

TEST(Exports, AllFiveAppendSuffixesAfterATypedExtension)
{
    ScratchFolder dir;
    Work work;
    WorkbookWriter writer = ExportWorkbookWriter();
    const auto files =
        exporttest::Written(RunExport, work, writer, ExportSource::Tacheometry, kExportAll, dir.chosen("obj.txt"));
    EXPECT_EQ(Relative(dir, files.written),
              (Names{"obj.txt_vdm_pik.txt", "obj.txt_crd_pik.txt", "obj.txt_crd_pikdH.txt", "obj.txt_crd_top.top",
                     "obj.txt_crd_topdH.top", "obj.XLS", "obj.txt_map_pik.mif", "obj.txt_map_pik.mid",
                     "obj.txt_map_pik_vis.mif"}));
}

TEST(Exports, SingleExportsNameAndOpenTheirFiles)
{
    struct Case {
        ExportSource source;
        int item;
        const char* chosen;
        Names written, opened;
    };
    const auto T = ExportSource::Traverse;
    const auto P = ExportSource::Tacheometry;
    const Case cases[] = {
        {P, kExportStatement, "obj.txt", {"obj.txt"}, {"obj.txt"}},
        {P, kExportStatement, "obj", {"obj.txt"}, {"obj.txt"}},
        {T, kExportStatement, "Obj.TXT", {"Obj.txt"}, {"Obj.txt"}},
        {P, kExportCoordinates, "pk", {"pk.txt", "pkdH.txt"}, {"pk.txt", "pkdH.txt"}},
        {P, kExportCoordinates, "pk.txt", {"pk.txt", "pkdH.txt"}, {"pk.txt", "pkdH.txt"}},
        {T, kExportCoordinates, "c.top", {"c.top.txt"}, {"c.top.txt"}},
        {P, kExportExcel, "obj.txt", {"obj.XLS"}, {"obj.XLS"}},
        {T, kExportExcel, "obj.xls", {"obj.xls"}, {"obj.xls"}},
        {P, kExportMapInfo, "map.mif", {"map.mif", "map.mid", "map_vis.mif"}, {"map.mif"}},
        {T, kExportMapInfo, "map", {"map.mif", "map.mid"}, {"map.mif"}},
        {P, kExportTop, "t.TOP", {"t.top", "tdH.top"}, {"t.top", "tdH.top"}},
        {T, kExportTop, "t", {"t.top"}, {"t.top"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.chosen) + " item " + std::to_string(c.item));
        for (const bool open : {true, false}) {
            ScratchFolder dir;
            Work work;
            exporttest::SetThreePointTraverse(work);
            work.piket.statement = exporttest::MixedStatement();
            work.settings.additionOptions[1] = open;
            WorkbookWriter writer = ExportWorkbookWriter();
            const auto files = exporttest::Written(RunExport, work, writer, c.source, c.item, dir.chosen(c.chosen));
            EXPECT_EQ(Relative(dir, files.written), c.written);
            EXPECT_EQ(Relative(dir, files.toOpen), open ? c.opened : Names{});
            Names sorted = c.written;
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(dir.names(), sorted);
        }
    }
}

TEST(Exports, AFailingWriterStopsAllFiveAndKeepsWhatWasWritten)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    std::filesystem::create_directory(dir.path() / "obj_crd_pik.XLS");
    WorkbookWriter writer = ExportWorkbookWriter();
    ExportFiles files;
    EXPECT_THROW(RunExport(work, writer, ExportSource::Tacheometry, kExportAll, dir.chosen("obj"), files), FileError);
    EXPECT_EQ(Relative(dir, files.written), (Names{"obj_vdm_pik.txt", "obj_crd_pik.txt", "obj_crd_pikdH.txt",
                                                   "obj_crd_top.top", "obj_crd_topdH.top"}));
    EXPECT_EQ(dir.names(), (Names{"obj_crd_pik.XLS", "obj_crd_pik.txt", "obj_crd_pikdH.txt", "obj_crd_top.top",
                                  "obj_crd_topdH.top", "obj_vdm_pik.txt"}));

    // Within one writer too: the drawing is kept and recorded when its records cannot be written.
    std::filesystem::create_directory(dir.path() / "map.mid");
    ExportFiles map;
    EXPECT_THROW(RunExport(work, writer, ExportSource::Tacheometry, kExportMapInfo, dir.chosen("map"), map), FileError);
    EXPECT_EQ(Relative(dir, map.written), Names{"map.mif"});
}

TEST(Exports, AnUnreadableCoordinateStopsAllFiveAtTheWorkbook)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    work.piket.statement[12].replace(64, 8, "1O70.385");
    WorkbookWriter writer = ExportWorkbookWriter();
    EXPECT_THROW(exporttest::Written(RunExport, work, writer, ExportSource::Tacheometry, kExportAll, dir.chosen("obj")),
                 ConversionError);
    EXPECT_EQ(dir.names(), (Names{"obj_crd_pik.txt", "obj_crd_pikdH.txt", "obj_crd_top.top", "obj_crd_topdH.top",
                                  "obj_vdm_pik.txt"}));
}

// A traverse without lengths leaves its misclosure spread as NaN: the text writers copy the
// text as it stands, only the workbook has to read it as a number.
TEST(Exports, ATraverseValueThatIsNoNumberStopsOnlyTheWorkbook)
{
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.course.points[1].X = std::numeric_limits<double>::quiet_NaN();
    WorkbookWriter writer = ExportWorkbookWriter();
    EXPECT_THROW(exporttest::Written(RunExport, work, writer, ExportSource::Traverse, kExportAll, dir.chosen("obj")),
                 ConversionError);
    EXPECT_EQ(dir.names(), (Names{"obj_crd_hod.txt", "obj_crd_top.top", "obj_vdm_hod.txt"}));
    EXPECT_EQ(exporttest::Lines(exporttest::ReadBytes(dir.path() / "obj_crd_hod.txt"))[2], "A2 nan 210.25");

    exporttest::Written(RunExport, work, writer, ExportSource::Traverse, kExportMapInfo, dir.chosen("map"));
    EXPECT_EQ(exporttest::Lines(exporttest::ReadBytes(dir.path() / "map.mid"))[1], "A2,nan,210.25,");
}

TEST(Exports, AnUnwritableFolderGivesTheFileError)
{
    ScratchFolder dir;
    Work work;
    WorkbookWriter writer = ExportWorkbookWriter();
    const std::string chosen = dir.chosen("no-such-folder/obj");
    try {
        exporttest::Written(RunExport, work, writer, ExportSource::Traverse, kExportAll, chosen);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + chosen + "_vdm_hod.txt");
    }
}

} // namespace
