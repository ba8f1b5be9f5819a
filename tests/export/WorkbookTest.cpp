#include "ExportTestSupport.h"
#include "RealReaders.h"

#include "core/Codepage.h"
#include "core/Errors.h"
#include "export/ExcelWriters.h"
#include "export/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <initializer_list>

using namespace kalimor;
using exporttest::ReadBytes;
using exporttest::ScratchFolder;

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

std::string TextCell(int row, int column, const std::string& text)
{
    return Bytes({0x04, 0x00, 8 + static_cast<int>(text.size()), 0x00, row - 1, 0, column - 1, 0, 0x00, 0x00, 0x02,
                  static_cast<int>(text.size())}) +
           text;
}

std::string NumberCell(int row, int column, double value)
{
    std::string out = Bytes({0x03, 0x00, 15, 0x00, row - 1, 0, column - 1, 0, 0x00, 0x00, 0x02});
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i, bits >>= 8)
        out.push_back(static_cast<char>(bits & 0xFF));
    return out;
}

const std::string kBeginning =
    Bytes({0x09, 0x08, 0x06, 0x00, 0x00, 0x02, 0x10, 0x00, 0x00, 0x00}) + Bytes({0x42, 0x00, 0x02, 0x00, 0xE3, 0x04}) +
    Bytes({0x00, 0x02, 0x0A, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00});
const std::string kEnd = Bytes({0x0A, 0x00, 0x00, 0x00});

TEST(Workbook, TraverseWorkbookBytesWithHeading)
{
    ScratchFolder dir;
    Work work;
    work.course.SePointCourseCount = 3;
    work.course.points[0] = {};
    work.course.points[0].Name = "A 1";
    work.course.points[0].X = 100.1234;
    work.course.points[0].Y = 200.5;
    work.course.points[0].H = 10;
    WorkbookWriter writer = ExportWorkbookWriter();
    const auto files = exporttest::Written(SaveCourseExcel, work, writer, dir.chosen("obj"), true);
    const std::string expected = kBeginning + TextCell(1, 1, "N") + TextCell(1, 2, "X") + TextCell(1, 3, "Y") +
                                 TextCell(1, 4, "H") + TextCell(2, 1, "A1") + NumberCell(2, 2, 100.123) +
                                 NumberCell(2, 3, 200.5) + NumberCell(2, 4, 10) + TextCell(3, 1, "") +
                                 NumberCell(3, 2, 0) + NumberCell(3, 3, 0) + NumberCell(3, 4, 0) + TextCell(4, 1, "") +
                                 NumberCell(4, 2, 0) + NumberCell(4, 3, 0) + NumberCell(4, 4, 0) + kEnd;
    EXPECT_EQ(ReadBytes(dir.path() / "obj.XLS"), expected);
    EXPECT_EQ(files.written, std::vector<std::string>{dir.chosen("obj.XLS")});
    EXPECT_EQ(files.toOpen, files.written);
    // The 13 bytes of the "N" cell.
    EXPECT_EQ(TextCell(1, 1, "N"), Bytes({0x04, 0, 0x09, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x01, 0x4E}));
}

TEST(Workbook, AttributeBytesFollowTheProperties)
{
    struct Case {
        const char* what;
        void (*set)(WorkbookWriter&);
        std::string attributes;
    };
    const Case cases[] = {
        {"writer defaults", [](WorkbookWriter&) {}, Bytes({0x40, 0x00, 0x00})},
        {"hidden and unlocked", [](WorkbookWriter& w) { w.Hidden = true, w.Locked = false; }, Bytes({0x80, 0, 0})},
        {"font 1", [](WorkbookWriter& w) { w.ActiveFont = 1; }, Bytes({0x40, 0x40, 0})},
        {"font 2", [](WorkbookWriter& w) { w.ActiveFont = 2; }, Bytes({0x40, 0x80, 0})},
        {"font 3", [](WorkbookWriter& w) { w.ActiveFont = 3; }, Bytes({0x40, 0xC0, 0})},
        {"left", [](WorkbookWriter& w) { w.Alignment = CellAlignment::eaLeft; }, Bytes({0x40, 0, 1})},
        {"centre", [](WorkbookWriter& w) { w.Alignment = CellAlignment::eaCenter; }, Bytes({0x40, 0, 2})},
        {"right", [](WorkbookWriter& w) { w.Alignment = CellAlignment::eaRight; }, Bytes({0x40, 0, 3})},
        {"fill", [](WorkbookWriter& w) { w.Alignment = CellAlignment::eaFill; }, Bytes({0x40, 0, 4})},
        {"multiplan", [](WorkbookWriter& w) { w.Alignment = CellAlignment::eaMultiPlan; }, Bytes({0x40, 0, 7})},
        {"shading and every border",
         [](WorkbookWriter& w) { w.Shading = true, w.Borders = ebTop | ebBottom | ebLeft | ebRight; },
         Bytes({0x40, 0, 0xF8})},
        {"top border", [](WorkbookWriter& w) { w.Borders = ebTop; }, Bytes({0x40, 0, 0x20})},
        {"left border", [](WorkbookWriter& w) { w.Borders = ebLeft; }, Bytes({0x40, 0, 0x08})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WorkbookWriter w;
        c.set(w);
        w.BeginWorkbook();
        const auto start = w.Stream().size();
        w.WriteNumber(1, 1, 0);
        EXPECT_EQ(w.Stream().substr(start + 8, 3), c.attributes);
        const auto textStart = w.Stream().size();
        w.WriteText(1, 1, "a");
        EXPECT_EQ(w.Stream().substr(textStart + 8, 3), c.attributes);
    }
    EXPECT_EQ(ExportWorkbookWriter().Locked, false);
}

TEST(Workbook, BeginningRecordsFollowTheAnnouncedVersion)
{
    const std::string codePage = Bytes({0x42, 0x00, 0x02, 0x00, 0xE3, 0x04});
    struct Case {
        BiffVersion version;
        std::string bof, dimensions;
    };
    const Case cases[] = {
        {BiffVersion::bvBIFF2, Bytes({0x09, 0x00, 0x04, 0x00, 0x00, 0x02, 0x10, 0x00}),
         Bytes({0x00, 0x00, 0x08, 0x00, 0, 0, 0xFF, 0xFF, 0, 0, 0, 1})},
        {BiffVersion::bvBIFF3, Bytes({0x09, 0x02, 0x06, 0x00, 0x00, 0x02, 0x10, 0x00, 0, 0}),
         Bytes({0x00, 0x02, 0x0A, 0x00, 0, 0, 0xFF, 0xFF, 0, 0, 0, 1, 0, 0})},
        {BiffVersion::bvBIFF4, Bytes({0x09, 0x04, 0x06, 0x00, 0x00, 0x02, 0x10, 0x00, 0, 0}),
         Bytes({0x00, 0x02, 0x0A, 0x00, 0, 0, 0xFF, 0xFF, 0, 0, 0, 1, 0, 0})},
    };
    for (const auto& c : cases) {
        WorkbookWriter w;
        w.BIFF = c.version;
        w.BeginWorkbook();
        EXPECT_EQ(w.Stream(), c.bof + codePage + c.dimensions);
        // Cells keep their layout whatever the version.
        w.WriteText(2, 3, "N");
        EXPECT_EQ(w.Stream().substr(w.Stream().size() - 13, 8), Bytes({0x04, 0, 0x09, 0, 1, 0, 2, 0}));
    }
}

TEST(Workbook, CursorMovesAfterEachCellAndIgnoresPositionsOutsideTheSheet)
{
    WorkbookWriter w;
    w.BeginWorkbook();
    w.WriteText(3, 5, "a");
    EXPECT_EQ(w.Row(), 3);
    EXPECT_EQ(w.Column(), 6);
    // Row 0 and column 0 or 257 leave the cursor where it is: the cell lands at (3, 6).
    w.WriteText(0, 257, "b");
    EXPECT_EQ(w.Stream().substr(w.Stream().size() - 9, 4), Bytes({2, 0, 5, 0}));
    w.WriteText(7, 0, "c");
    EXPECT_EQ(w.Stream().substr(w.Stream().size() - 9, 4), Bytes({6, 0, 6, 0}));

    struct Case {
        CursorMove move;
        std::uint16_t row, column, afterRow, afterColumn;
    };
    const Case cases[] = {
        {CursorMove::maRight, 4, 256, 5, 1},      {CursorMove::maRight, 65535, 256, 65535, 256},
        {CursorMove::maLeft, 4, 1, 3, 256},       {CursorMove::maLeft, 1, 1, 1, 1},
        {CursorMove::maLeft, 4, 9, 4, 8},         {CursorMove::maUp, 4, 9, 3, 9},
        {CursorMove::maUp, 1, 9, 1, 9},           {CursorMove::maDown, 4, 9, 5, 9},
        {CursorMove::maDown, 65535, 9, 65535, 9}, {CursorMove::maNone, 4, 9, 4, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
        w.MoveAfterEnter = c.move;
        w.WriteNumber(c.row, c.column, 1);
        EXPECT_EQ(w.Row(), c.afterRow);
        EXPECT_EQ(w.Column(), c.afterColumn);
    }
}

TEST(Workbook, TextsAreCutTo255BytesAndAFinishedWorkbookStartsAgain)
{
    WorkbookWriter w;
    w.BeginWorkbook();
    w.WriteText(1, 1, std::string(300, 'x'));
    EXPECT_EQ(w.Stream().size(), kBeginning.size() + 4 + 8 + 255);
    EXPECT_EQ(static_cast<unsigned char>(w.Stream()[kBeginning.size() + 2]), 8 + 255 - 256);
    EXPECT_EQ(static_cast<unsigned char>(w.Stream()[kBeginning.size() + 3]), 1);
    w.EndWorkbook();
    w.WriteText(1, 1, "N");
    EXPECT_EQ(w.Stream(), kBeginning + TextCell(1, 1, "N").replace(10, 1, 1, '\0').replace(8, 1, 1, '\x40'));
}

TEST(Workbook, FileNameTakesTheXlsExtension)
{
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        {"obj", "obj.XLS"},      {"obj.txt", "obj.XLS"},     {"obj.xls", "obj.xls"},
        {"obj.XlS", "obj.XlS"},  {"a.b/obj", "a.b/obj.XLS"}, {"dir/obj.txt_crd_pik", "dir/obj.XLS"},
        {"obj.xlsx", "obj.XLS"}, {"obj.", "obj.XLS"},
    };
    for (const auto& c : cases) {
        WorkbookWriter w;
        w.SetFileName(c.given);
        EXPECT_EQ(w.FileName(), c.expected) << c.given;
    }
}

TEST(Workbook, PicketWorkbookStopsOnAnUnreadableCoordinateWithoutWriting)
{
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    std::string& row = work.piket.statement[12];
    row.replace(64, 8, "1O70.385");
    WorkbookWriter writer = ExportWorkbookWriter();
    try {
        exporttest::Written(SavePicketExcel, work, writer, dir.chosen("pik"), false);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'1O70.385' is not a valid floating point value");
    }
    EXPECT_TRUE(dir.names().empty());
    // The partial workbook stays in the stream until the next export begins.
    EXPECT_EQ(writer.Stream().substr(0, kBeginning.size()), kBeginning);
    EXPECT_GT(writer.Stream().size(), kBeginning.size());
}

TEST(Workbook, MoreRowsThanASheetHoldsStopWithoutWriting)
{
    ScratchFolder dir;
    Work work;
    const std::string row = exporttest::MixedStatement()[12];
    // The heading takes row 1, so the last of these would need row 65536.
    work.piket.statement.assign(65535, row);
    WorkbookWriter writer = ExportWorkbookWriter();
    try {
        exporttest::Written(SavePicketExcel, work, writer, dir.chosen("pik"), false);
        FAIL() << "no error";
    } catch (const KalimorError& e) {
        EXPECT_EQ(std::string(e.what()), Ru("Лист Excel вмещает не более 65535 строк"));
    }
    EXPECT_TRUE(dir.names().empty());
}

TEST(Workbook, EmptyStatementGivesTheHeadingRowOrNoCells)
{
    ScratchFolder dir;
    Work work;
    WorkbookWriter writer = ExportWorkbookWriter();
    exporttest::Written(SavePicketExcel, work, writer, dir.chosen("with"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "with.XLS"), kBeginning + TextCell(1, 1, "N") + TextCell(1, 2, "X") +
                                                      TextCell(1, 3, "Y") + TextCell(1, 4, "H") + kEnd);
    work.settings.additionOptions[6] = false;
    exporttest::Written(SavePicketExcel, work, writer, dir.chosen("without"), false);
    EXPECT_EQ(ReadBytes(dir.path() / "without.XLS"), kBeginning + kEnd);
}

// Debian's xlrd reads the sheet: positions, values, and the Cyrillic names decoded through
// the code page record, with no encoding given.
std::string ReadWithXlrd(const std::string& file)
{
    const std::string script = "import sys, json, xlrd\n"
                               "b = xlrd.open_workbook(sys.argv[1])\n"
                               "s = b.sheet_by_index(0)\n"
                               "print(b.encoding)\n"
                               "for r in range(s.nrows):\n"
                               "    print(json.dumps([[c.ctype, c.value] for c in s.row(r)], ensure_ascii=False))\n";
    const auto run = exporttest::RunTool(std::string(KALIMOR_PYTHON3) + " -c " + exporttest::Quoted(script) + " " +
                                         exporttest::Quoted(file) + " 2>&1");
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

TEST(Workbook, XlrdReadsTheTraverseWorkbook)
{
    if (!exporttest::ToolPresent(KALIMOR_PYTHON3, "python3-xlrd"))
        return;
    ScratchFolder dir;
    Work work;
    exporttest::SetThreePointTraverse(work);
    work.course.points[0].Name = Ru("Пункт");
    WorkbookWriter writer = ExportWorkbookWriter();
    exporttest::Written(SaveCourseExcel, work, writer, dir.chosen("hod.txt"), false);
    EXPECT_EQ(ReadWithXlrd(dir.chosen("hod.XLS")), "cp1251\n"
                                                   "[[1, \"N\"], [1, \"X\"], [1, \"Y\"], [1, \"H\"]]\n"
                                                   "[[1, \"Пункт\"], [2, 100.123], [2, 200.5], [2, 10.0]]\n"
                                                   "[[1, \"A2\"], [2, 110.0], [2, 210.25], [2, 11.5]]\n"
                                                   "[[1, \"B\"], [2, 120.0], [2, 221.0], [2, 12.001]]\n");
}

TEST(Workbook, XlrdReadsThePicketWorkbookWithRemoteRowsAmongTheOthers)
{
    if (!exporttest::ToolPresent(KALIMOR_PYTHON3, "python3-xlrd"))
        return;
    ScratchFolder dir;
    Work work;
    work.piket.statement = exporttest::MixedStatement();
    work.settings.additionOptions[6] = false;
    WorkbookWriter writer = ExportWorkbookWriter();
    exporttest::Written(SavePicketExcel, work, writer, dir.chosen("pik"), false);
    EXPECT_EQ(ReadWithXlrd(dir.chosen("pik.XLS")), "cp1251\n"
                                                   "[[1, \"1\"], [2, 1070.385], [2, 2070.385], [1, \"159.085\"]]\n"
                                                   "[[1, \"2\"], [2, 1070.385], [2, 2070.385], [1, \"9.967\"]]\n"
                                                   "[[1, \"\"], [2, 990.5], [2, 2010.25], [1, \"148.7\"]]\n"
                                                   "[[1, \"П10\"], [2, 6543220.1], [2, 7654330.2], [1, \"12.3\"]]\n"
                                                   "[[1, \"П11\"], [2, 6543220.1], [2, 7654330.2], [1, \"0.5\"]]\n"
                                                   "[[1, \"К1\"], [2, 6543200.0], [2, 7654300.0], [1, \"\"]]\n");
}

} // namespace
