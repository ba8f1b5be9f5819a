// The exports over what the traverse and tacheometry engines really produce, and
// kalimor-cli export as a separate process.
#include "ExportTestSupport.h"

#include "../cli/CliRunner.h"
#include "../tacheometry/PiketTestSupport.h"
#include "core/Codepage.h"
#include "export/Exports.h"
#include "work/PiketCommands.h"
#include "work/ProjectFile.h"

#include <gtest/gtest.h>

using namespace kalimor;
using exporttest::DataFile;
using exporttest::Lines;
using exporttest::ReadBytes;
using exporttest::ScratchFolder;

namespace {

void WorkedExample(Work& work, int templateItem)
{
    test::ApplyWorkedExample(work.piket, templateItem);
}

TEST(ExportEndToEnd, ComputedStatementOfBothTemplatesReachesTheLists)
{
    ScratchFolder dir;
    Work work;
    WorkedExample(work, 1);
    CalculatePickets(work);
    WorkedExample(work, 0);
    CalculatePickets(work);
    ASSERT_FALSE(work.piket.statement.empty());

    WorkbookWriter writer = ExportWorkbookWriter();
    const auto files =
        exporttest::Written(RunExport, work, writer, ExportSource::Tacheometry, kExportAll, dir.chosen("wx"));
    EXPECT_EQ(files.written.size(), 9u);
    EXPECT_EQ(ReadBytes(dir.path() / "wx_crd_pik.txt"), "N X Y H\r\n"
                                                        "1 1070.385 2070.385 159.085\r\n"
                                                        "1 1070.385 2070.385\r\n"
                                                        "2 1070.385 2070.385\r\n");
    EXPECT_EQ(ReadBytes(dir.path() / "wx_crd_pikdH.txt"), "N X Y dH\r\n2 1070.385 2070.385 9.967\r\n");
    // Sight lines start at the manual-mode station.
    const auto vis = Lines(ReadBytes(dir.path() / "wx_map_pik_vis.mif"));
    ASSERT_EQ(vis.size(), 11u + 2 * 4);
    EXPECT_EQ(vis[11], "Line 2000 1000 2070.385 1070.385");
    // The statement copy is the statement itself.
    std::string statement;
    for (const auto& line : work.piket.statement)
        statement += line + "\r\n";
    EXPECT_EQ(ReadBytes(dir.path() / "wx_vdm_pik.txt"), statement);
}

std::string Utf8Lines(const std::string& cp1251Bytes)
{
    std::string out;
    for (const auto& line : Lines(cp1251Bytes))
        out += Cp1251ToUtf8(line) + "\n";
    return out;
}

TEST(ExportEndToEnd, CliExportsTheAdjustedDemoTraverse)
{
    ScratchFolder dir;
    const std::string demo = std::string(KALIMOR_EXAMPLES) + "/demo.srv";
    const auto result = RunCli({"export", "--traverse", demo, "--format", "all", dir.chosen("demo")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, dir.chosen("demo_vdm_hod.txt") + "\n" + dir.chosen("demo_crd_hod.txt") + "\n" +
                              dir.chosen("demo_crd_top.top") + "\n" + dir.chosen("demo_crd_hod.XLS") + "\n" +
                              dir.chosen("demo_map_hod.mif") + "\n" + dir.chosen("demo_map_hod.mid") + "\n");
    // The statement copy is what the adjustment printed.
    const auto adjusted = RunCli({"adjust", demo});
    EXPECT_EQ(Utf8Lines(ReadBytes(dir.path() / "demo_vdm_hod.txt")), adjusted.out);
    const auto list = Lines(ReadBytes(dir.path() / "demo_crd_hod.txt"));
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0], "N X Y H");
    EXPECT_EQ(Cp1251ToUtf8(list[1]), "пп3345 6543120.412 2345210.337");
    EXPECT_EQ(Cp1251ToUtf8(list[7]), "пп3346 6543436.217 2346019.664");
    // 7 points and 6 legs, each with its record.
    EXPECT_EQ(Lines(ReadBytes(dir.path() / "demo_map_hod.mid")).size(), 13u);
}

TEST(ExportEndToEnd, CliExportsTheStoredTacheometryStatement)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    const std::string project = SaveProject(work, dir.chosen("pik.srv"));

    auto result = RunCli({"export", "--tacheometry", project, "--format=coordinates", dir.chosen("pk.txt")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, dir.chosen("pk.txt") + "\n" + dir.chosen("pkdH.txt") + "\n");
    EXPECT_EQ(ReadBytes(dir.path() / "pk.txt"), DataFile("statement_mixed.coordinates.txt"));
    EXPECT_EQ(ReadBytes(dir.path() / "pkdH.txt"), DataFile("statement_mixed.coordinatesdH.txt"));

    result = RunCli({"export", "--tacheometry", project, "--format", "top", "--no-heading", dir.chosen("t")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(dir.path() / "t.top"), DataFile("statement_mixed.top"));

    result = RunCli({"export", "--tacheometry", project, "--format", "coordinates", "--no-heading", dir.chosen("n")});
    EXPECT_EQ(Lines(ReadBytes(dir.path() / "ndH.txt")).size(), 2u);
}

TEST(ExportEndToEnd, CliUsageAndFileErrors)
{
    ScratchFolder dir;
    const std::string demo = std::string(KALIMOR_EXAMPLES) + "/demo.srv";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case usage[] = {
        {{"export", "--traverse", demo, "--format", "pdf", dir.chosen("x")}, 2},
        {{"export", demo, "--format", "top", dir.chosen("x")}, 2},
        {{"export", "--traverse", "--tacheometry", demo, "--format", "top", dir.chosen("x")}, 2},
        {{"export", "--traverse", demo, dir.chosen("x")}, 2},
        {{"export", "--traverse", demo, "--format", "top"}, 2},
        {{"export", "--traverse", demo, "--format", "top", "--bogus", dir.chosen("x")}, 2},
    };
    for (const auto& c : usage)
        EXPECT_EQ(RunCli(c.args).exitCode, c.exitCode) << c.args.back();
    EXPECT_TRUE(dir.names().empty());

    auto result = RunCli({"export", "--traverse", dir.chosen("none.srv"), "--format", "top", dir.chosen("x")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Cannot open file " + dir.chosen("none.srv") + "\n");

    // A failure part-way: the files written before it are printed and kept.
    std::filesystem::create_directory(dir.path() / "obj_crd_hod.XLS");
    result = RunCli({"export", "--traverse", demo, "--format", "all", dir.chosen("obj")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, dir.chosen("obj_vdm_hod.txt") + "\n" + dir.chosen("obj_crd_hod.txt") + "\n" +
                              dir.chosen("obj_crd_top.top") + "\n");
    EXPECT_EQ(result.err, "Unable to write to " + dir.chosen("obj_crd_hod.XLS") + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "obj_map_hod.mif"));
}

} // namespace
