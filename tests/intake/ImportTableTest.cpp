#include "intake/ImportTable.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "intake/InstrumentImport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace kalimor;

namespace {

// Twelve imported rows with the addresses 1..12, row k marked when k is even.
ImportPage TwelveRows()
{
    std::string text;
    for (int k = 1; k <= 12; ++k)
        text += std::to_string(k) + " " + std::to_string(k * 10) + " 1.2 -0.3 " + (k % 2 ? "0" : "1") + " P" +
                std::to_string(k) + "\r\n";
    ImportPage page;
    ImportContent(page, text, kUserText);
    return page;
}

std::vector<std::string> Addresses(const ImportPage& page)
{
    std::vector<std::string> out;
    for (const auto& row : page.rows)
        out.push_back(row.address);
    return out;
}

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TempDir {
    std::filesystem::path path;
    TempDir()
    {
        path = std::filesystem::temp_directory_path() /
               ("kalimor-import-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
};

} // namespace

TEST(ImportRange, ShowsTheRowsBetweenTheBoundsInImportOrder)
{
    ImportPage page = TwelveRows();
    SelectRangeBegin(page, 9); // the 10th address
    SelectRangeEnd(page, 2);   // the 3rd
    ASSERT_TRUE(ShowImportRange(page));
    EXPECT_EQ(Addresses(page), (std::vector<std::string>{"3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(page.pAllString, Ru("Всего строк: 8"));
    EXPECT_TRUE(page.rows[1].station);
    EXPECT_EQ(page.rows[1].note, "P4");
    EXPECT_EQ(page.rowList.size(), 12u); // the import itself is kept

    SelectRangeBegin(page, 4);
    SelectRangeEnd(page, 4);
    ASSERT_TRUE(ShowImportRange(page));
    EXPECT_EQ(Addresses(page), (std::vector<std::string>{"5"}));
    EXPECT_EQ(page.selected.size(), 1u);
}

TEST(ImportRange, EditsAreForgottenAndTheWholeImportComesBack)
{
    ImportPage page = TwelveRows();
    page.rows[0].station = true;
    page.rows[0].note = "edited";
    ASSERT_TRUE(ShowImportRange(page)); // first to last as the import left the boxes
    EXPECT_EQ(page.rows.size(), 12u);
    EXPECT_FALSE(page.rows[0].station);
    EXPECT_EQ(page.rows[0].note, "P1");
}

TEST(ImportRange, WithoutAValidBoundTheTableStays)
{
    ImportPage page = TwelveRows();
    SetRangeBegin(page, "");
    EXPECT_FALSE(ShowImportRange(page));
    EXPECT_EQ(page.rows.size(), 12u);

    // Typed text selects the item it names, or none.
    SetRangeBegin(page, "7");
    EXPECT_EQ(page.cbBeginIndex, 6);
    SetRangeBegin(page, "77");
    EXPECT_EQ(page.cbBeginIndex, -1);
    EXPECT_FALSE(ShowImportRange(page));
    EXPECT_EQ(page.rows.size(), 12u);

    // As after opening a project: rows stay, the address lists are emptied.
    ImportPage opened = TwelveRows();
    opened.beginList.clear();
    opened.endList.clear();
    opened.cbBegin.clear();
    opened.cbEnd.clear();
    opened.cbBeginIndex = opened.cbEndIndex = -1;
    EXPECT_FALSE(ShowImportRange(opened));
    SelectRangeBegin(opened, 0);
    EXPECT_EQ(opened.cbBeginIndex, -1);
}

TEST(ImportRange, RepeatedAddressesKeepThePickedItem)
{
    ImportPage page;
    ImportContent(page, "5 a\r\n5 b\r\n5 c\r\n", kUserText);
    SelectRangeBegin(page, 1);
    SetRangeBegin(page, "5"); // the text the box shows for the picked item
    SelectRangeEnd(page, 1);
    ASSERT_TRUE(ShowImportRange(page));
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].slopeDistance, "b");
}

TEST(ImportSave, MarksAndNamesOfTheSavedFile)
{
    TempDir dir;
    ImportPage page = TwelveRows();
    SelectRangeBegin(page, 11);
    SelectRangeEnd(page, 10);
    EXPECT_EQ(ProposedRangeFileName(page), Ru("с_12_по_11"));

    MarkAllRows(page, true);
    const std::string chosen = Utf8ToCp1251((dir.path / "с_1_по_12").string());
    EXPECT_EQ(SaveImportTable(page, chosen), chosen + ".utf");
    const std::string all = FileText(dir.path / "с_1_по_12.utf");
    EXPECT_EQ(all.substr(0, 40), "1 10 1.2 -0.3 1 P1\r\n2 20 1.2 -0.3 1 P2\r\n");
    EXPECT_EQ(all.size(), ImportTableUtfBytes(page).size());
    EXPECT_EQ(all.substr(all.size() - 2), "\r\n");

    MarkAllRows(page, false);
    EXPECT_EQ(SaveImportTable(page, chosen + ".utf"), chosen + ".utf"); // no "x.utf.utf"
    EXPECT_FALSE(std::filesystem::exists(dir.path / "с_1_по_12.utf.utf"));
    EXPECT_EQ(FileText(dir.path / "с_1_по_12.utf").substr(0, 20), "1 10 1.2 -0.3 0 P1\r\n");

    // The file reads back as the same table.
    ImportPage again;
    again.edFileName = chosen + ".utf";
    ImportInstrumentFile(again, kUserText);
    EXPECT_EQ(ImportTableUtfBytes(again), ImportTableUtfBytes(page));

    page.rows.clear();
    SaveImportTable(page, Utf8ToCp1251((dir.path / "empty").string()));
    EXPECT_EQ(FileText(dir.path / "empty.utf"), "");
}

TEST(ImportSave, NamesAndWriteFailures)
{
    EXPECT_EQ(UtfFileName("a"), "a.utf");
    EXPECT_EQ(UtfFileName("a.utf"), "a.utf");
    EXPECT_EQ(UtfFileName("a.UTF"), "a.UTF");
    EXPECT_EQ(UtfFileName(".utf"), ".utf");
    EXPECT_EQ(UtfFileName("a.ut"), "a.ut.utf");

    const ImportPage page = TwelveRows();
    try {
        SaveImportTable(page, "/no/such/folder/x");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to /no/such/folder/x.utf");
    }
}

TEST(ImportCounters, CountRowsAndSelectedRows)
{
    ImportPage page;
    EXPECT_EQ(page.pAllString, Ru("Всего строк: 0"));
    EXPECT_EQ(page.SelectRow, Ru("Выбрано строк: 0"));
    page = TwelveRows();
    SetImportSelection(page, {true, false, true});
    EXPECT_EQ(page.selected.size(), 12u);
    EXPECT_EQ(page.SelectRow, Ru("Выбрано строк: 0")); // only a click updates it
    UpdateSelectionCounter(page);
    EXPECT_EQ(page.SelectRow, Ru("Выбрано строк: 2"));
}
