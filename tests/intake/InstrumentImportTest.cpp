#include "LineBuilder.h"

#include "core/Codepage.h"
#include "core/Errors.h"
#include "intake/ImportTable.h"
#include "intake/InstrumentImport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace kalimor;

namespace {

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

ImportPage Imported(const std::vector<std::string>& lines, int variant)
{
    ImportPage page;
    ImportContent(page, Join(lines), variant);
    return page;
}

// address, slope distance, Hz, V, mark, note: the user-text line of a row.
std::string RowText(const ImportRow& row)
{
    return UserTextLine(row);
}

std::vector<std::string> RowTexts(const ImportPage& page)
{
    std::vector<std::string> out;
    for (const auto& row : page.rows)
        out.push_back(RowText(row));
    return out;
}

std::string M5(const std::string& address, const std::string& note, const std::string& sd, const std::string& hz,
               const std::string& v)
{
    return At({{1, "For M5|Adr "}, {12, address}, {17, "|"}, {22, note}, {58, sd}, {81, hz}, {104, v}});
}

std::string R4(const std::string& note, const std::string& sd, const std::string& hz, const std::string& v)
{
    return At({{1, "For R4|"}, {11, note}, {22, sd}, {42, hz}, {62, v}});
}

std::string R5(const std::string& address, const std::string& note, const std::string& sd, const std::string& hz,
               const std::string& v)
{
    return At({{1, "For R5|Adr "}, {12, address}, {20, note}, {31, sd}, {51, hz}, {71, v}, {82, "|"}});
}

std::string Ta5(const std::string& note, const std::string& distance, const std::string& hz, const std::string& v)
{
    return At({{1, "2311"}, {12, note}, {30, distance}, {45, hz}, {56, v}});
}

std::string Sdr(const std::string& mark, const std::string& sd, const std::string& z, const std::string& hz)
{
    return At({{1, "09F1"}, {16, "STLEV"}, {33, mark}, {37, sd}, {53, z}, {69, hz}});
}

} // namespace

TEST(SplitLines, EveryLineEndCountsAndAFinalEndAddsNoLine)
{
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\r\nb\r\n"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n\n"), (V{"", ""}));
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("\n\r"), (V{"", ""})); // LF then a lone CR: two ends, not one CR LF
}

TEST(RecorderImport, ReadsEachKindByItsPositionsAndRunsR4NumbersOverAllRows)
{
    const ImportPage page = Imported(
        {
            R4("PT1", "100.5", "10.3045", "1.2") /* first row: running number 1 */,
            M5("00012", "PI1  0047 A", "154.321", "123.30456", "-1.2513"),
            M5("00013", "PI1", "10.000", "1.0", "2.0"),
            R5("0020", "ST5", "55.5", "200.1", "0.5"),
            R4("PT2", "12", "3.4", "5.6") /* after three rows: 5 */,
            At({{4, "0077"}, {19, "RE9 A"}, {39, "33.3"}, {54, "44.4"}, {70, "5.5"}}),
        },
        kRecordersSlope);
    EXPECT_EQ(RowTexts(page), (std::vector<std::string>{
                                  "1 100.5 10.3045 1.2 0 PT1",
                                  "00012 154.321 123.30456 -1.2513 1 PI10047A",
                                  "00013 10.000 1.0 2.0 0 PI1",
                                  "0020 55.5 200.1 0.5 0 ST5",
                                  "5 12 3.4 5.6 0 PT2",
                                  "0077 33.3 44.4 5.5 1 RE9A",
                              }));
    EXPECT_EQ(page.rowList, RowTexts(page));
    EXPECT_EQ(page.beginList, (std::vector<std::string>{"1", "00012", "00013", "0020", "5", "0077"}));
    EXPECT_EQ(page.endList, page.beginList);
    EXPECT_EQ(page.cbBeginIndex, 0);
    EXPECT_EQ(page.cbEndIndex, 5);
    EXPECT_EQ(page.cbBegin, "1");
    EXPECT_EQ(page.cbEnd, "0077");
    EXPECT_EQ(page.pAllString, Ru("Всего строк: 6"));
}

TEST(RecorderImport, MarksFromTheLetterAAtEachKindsPosition)
{
    std::string r4 = R4("PT1", "1", "2", "3");
    r4[16] = 'A';
    std::string r5 = R5("0001", "X", "1", "2", "3");
    r5[20] = 'A';
    std::string lowercase = M5("00001", "PI1", "1", "2", "3");
    lowercase[31] = 'a';
    const ImportPage page = Imported({r4, r5, lowercase}, kRecordersSlope);
    ASSERT_EQ(page.rows.size(), 3u);
    EXPECT_TRUE(page.rows[0].station);
    EXPECT_TRUE(page.rows[1].station);
    EXPECT_FALSE(page.rows[2].station);
}

TEST(RecorderImport, SkipsShortAndForeignLines)
{
    const ImportPage page = Imported(
        {
            "For M5|Adr",                    // 9 characters other than blanks
            "For M5 x  y",                   // 10: still too few
            "   0001        ",               // Rec500 lead but nearly empty
            "For R7|Adr 0001|PT1 1 2 3 4 5", // unknown kind
            "\tFor M5|Adr 00001|PI1 1 2 3",  // tab is an ordinary character
        },
        kRecordersSlope);
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(page.pAllString, Ru("Всего строк: 0"));
    EXPECT_EQ(page.cbBeginIndex, -1);
    EXPECT_EQ(page.cbBegin, "");
}

TEST(R5ZenithImport, VerticalAngleIsZenithMinusNinetyDegrees)
{
    struct Case {
        const char* zenith;
        const char* vertical;
    };
    for (const Case& c : {Case{"85.3", "-4.3"}, Case{"95.3", "5.3"}, Case{"90", "0"}, Case{"", "0"},
                          Case{"91.1619", "1.1619"}, Case{"89.595", "-0.001"}}) {
        SCOPED_TRACE(c.zenith);
        const ImportPage page = Imported({R5("0007", "PT 7", "12.5", "100.2", c.zenith)}, kR5Zenith);
        ASSERT_EQ(page.rows.size(), 1u);
        EXPECT_EQ(page.rows[0].verticalAngle, c.vertical);
        EXPECT_EQ(page.rows[0].address, "0007");
        EXPECT_EQ(page.rows[0].note, "PT7");
        EXPECT_EQ(page.rows[0].slopeDistance, "12.5");
        EXPECT_EQ(page.rows[0].horizontalAngle, "100.2");
    }
}

TEST(R5ZenithImport, ReadsOnlyR5LinesAndNeverMarks)
{
    std::string marked = R5("0001", "X", "1", "2", "90");
    marked[20] = 'A';
    const ImportPage page = Imported({M5("00001", "PI1", "1", "2", "3"), marked}, kR5Zenith);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_FALSE(page.rows[0].station);
}

TEST(Ta5Import, AnglesInTenThousandthsAndRunningNumbers)
{
    ImportPage page = Imported({Ta5("ST1", "100.000", "1234530", "0030000"), "9999 not a 3Ta5 line at all",
                                At({{1, "2011"}, {12, "P 2"}, {30, "55.5"}, {45, "100"}, {56, "-0015000"}})},
                               k3Ta5Slope);
    EXPECT_EQ(RowTexts(page), (std::vector<std::string>{"1 100.000 123.453 3 0 ST1", "2 55.5 0.01 -1.5 0 P2"}));
}

TEST(Ta5Import, HorizontalDistanceIsReducedBackToSlope)
{
    const ImportPage page = Imported({Ta5("ST1", "100", "1234530", "0030000")}, k3Ta5Horizontal);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].verticalAngle, "3");
    EXPECT_EQ(page.rows[0].slopeDistance, "100.137");
    EXPECT_EQ(page.rows[0].horizontalAngle, "123.453");
}

TEST(Ta5Import, LettersInHzLeaveItEmptyForSlopeButStopTheHorizontalVariant)
{
    const std::vector<std::string> lines = {Ta5("ST1", "10", "1000000", "0"), Ta5("ST2", "20", "12AB4530", "0"),
                                            Ta5("ST3", "30", "3000000", "0")};
    const ImportPage slope = Imported(lines, k3Ta5Slope);
    EXPECT_EQ(RowTexts(slope), (std::vector<std::string>{"1 10 100 0 0 ST1", "2 20  0 0 ST2", "3 30 300 0 0 ST3"}));

    ImportPage horizontal;
    horizontal.pAllString = Ru("Всего строк: 42");
    try {
        ImportContent(horizontal, Join(lines), k3Ta5Horizontal);
        FAIL() << "the import went on";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12AB4530' is not a valid floating point value");
    }
    ASSERT_EQ(horizontal.rows.size(), 2u);
    EXPECT_EQ(RowText(horizontal.rows[0]), "1 10 100 0 0 ST1");
    EXPECT_EQ(RowText(horizontal.rows[1]), "    0 "); // the empty row of the failing line
    EXPECT_EQ(horizontal.rowList, (std::vector<std::string>{"1 10 100 0 0 ST1"}));
    EXPECT_EQ(horizontal.beginList, (std::vector<std::string>{"1"}));
    EXPECT_EQ(horizontal.cbBeginIndex, -1);
    EXPECT_EQ(horizontal.cbEndIndex, -1);
    EXPECT_EQ(horizontal.cbBegin, "");
    EXPECT_EQ(horizontal.pAllString, Ru("Всего строк: 42"));
}

TEST(SdrImport, VerticalSignsOfTheTwoVariants)
{
    struct Case {
        const char* z;
        const char* up;   // variant 5
        const char* down; // variant 6
    };
    for (const Case& c : {Case{"87.5", "-2.3", "2.3"}, Case{"92.25", "2.15", "-2.15"}, Case{"90", "0", "0"},
                          Case{"90.0", "0", "0"}, Case{"80.26888889", "-9.4352", "9.4352"}}) {
        SCOPED_TRACE(c.z);
        const std::string line = Sdr("1000", "79.323", c.z, "12.5");
        const ImportPage up = Imported({line}, kSdrVerticalUp);
        const ImportPage down = Imported({line}, kSdrVerticalDown);
        ASSERT_EQ(up.rows.size(), 1u);
        ASSERT_EQ(down.rows.size(), 1u);
        EXPECT_EQ(up.rows[0].verticalAngle, c.up);
        EXPECT_EQ(down.rows[0].verticalAngle, c.down);
        EXPECT_EQ(up.rows[0].horizontalAngle, "12.3");
        EXPECT_EQ(up.rows[0].slopeDistance, "79.323");
        EXPECT_EQ(up.rows[0].address, "1");
    }
}

TEST(SdrImport, MarkFieldChecksNumbersFromThousandAndNeverStopsTheImport)
{
    struct Case {
        const char* mark;
        bool station;
    };
    for (const Case& c :
         {Case{"1000", true}, Case{"2017", true}, Case{" 999", false}, Case{"  12", false}, Case{"A1  ", false},
          Case{"12  ", false}, Case{"    ", false}, Case{"YSHA", false}, Case{"-999", false}, Case{" 1E3", false}}) {
        SCOPED_TRACE(c.mark);
        for (int variant : {kSdrVerticalUp, kSdrVerticalDown}) {
            const ImportPage page = Imported({Sdr(c.mark, "5", "90", "1"), Sdr("1001", "6", "90", "2")}, variant);
            ASSERT_EQ(page.rows.size(), 2u);
            EXPECT_EQ(page.rows[0].station, c.station);
            EXPECT_TRUE(page.rows[1].station);
        }
    }
}

TEST(SdrImport, UnreadableAngleStopsWithTheRowsBefore)
{
    for (const auto& bad :
         {Sdr("0001", "5", "9O.5", "1"), Sdr("0001", "5", "90", "1.2.3"), Sdr("0001", "5", "", "1")}) {
        ImportPage page;
        EXPECT_THROW(
            ImportContent(page, Join({Sdr("1000", "5", "90", "1"), bad, Sdr("1000", "5", "90", "1")}), kSdrVerticalUp),
            ConversionError);
        ASSERT_EQ(page.rows.size(), 2u);
        EXPECT_EQ(page.rowList.size(), 1u);
        EXPECT_EQ(page.rows[1].address, "");
        EXPECT_FALSE(page.rows[1].station);
    }
}

TEST(UserTextImport, EveryLineIsARowAndOnlyZeroLeavesItUnmarked)
{
    const ImportPage page =
        Imported({"5 100.5 10.3 -0.1 0 ST5", "5 100.5 10.3 -0.1", "", "1 2 3 4 x NOTE extra", "a  b", " 7 1 2 3 00 P"},
                 kUserText);
    EXPECT_EQ(RowTexts(page), (std::vector<std::string>{"5 100.5 10.3 -0.1 0 ST5", "5 100.5 10.3 -0.1 1 ", "    1 ",
                                                        "1 2 3 4 1 NOTE", "a  b  1 ", " 7 1 2 1 00"}));
    EXPECT_EQ(page.beginList, (std::vector<std::string>{"5", "5", "", "1", "a", ""}));
}

TEST(UserTextImport, LongLinesAreReadWhole)
{
    const std::string note(300, 'N');
    const std::string address(260, '7');
    const ImportPage page = Imported({address + " 1 2 3 0 " + note}, kUserText);
    ASSERT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(page.rows[0].address, address);
    EXPECT_EQ(page.rows[0].note, note);
}

TEST(Import, AVariantOutsideTheFilterItemsReadsNothing)
{
    for (int variant : {0, 8, -1}) {
        const ImportPage page = Imported({"5 100.5 10.3 -0.1 0 ST5", M5("00001", "PI1", "1", "2", "3")}, variant);
        EXPECT_TRUE(page.rows.empty());
        EXPECT_EQ(page.pAllString, Ru("Всего строк: 0"));
    }
}

TEST(Import, ASecondImportReplacesEverything)
{
    ImportPage page = Imported({"1 a b c 1 X", "2 a b c 0 Y", "3 a b c 0 Z"}, kUserText);
    page.cbEndIndex = 1;
    ImportContent(page, Join({Sdr("1000", "5", "90", "1")}), kSdrVerticalUp);
    EXPECT_EQ(RowTexts(page), (std::vector<std::string>{"1 5 1 0 1 1000"}));
    EXPECT_EQ(page.rowList, RowTexts(page));
    EXPECT_EQ(page.beginList, (std::vector<std::string>{"1"}));
    EXPECT_EQ(page.cbBeginIndex, 0);
    EXPECT_EQ(page.cbEndIndex, 0);
    EXPECT_EQ(page.selected.size(), 1u);
}

TEST(Import, LineEndsOfEveryKindSeparateRows)
{
    for (const std::string end : {"\r\n", "\r", "\n"}) {
        ImportPage page;
        ImportContent(page, Join({M5("00001", "PI1", "1", "2", "3"), M5("00002", "PI2", "1", "2", "3")}, end),
                      kRecordersSlope);
        EXPECT_EQ(page.rows.size(), 2u);
    }
}

TEST(ImportFile, EmptyNameDoesNothingAndAMissingFileLeavesAnEmptyTable)
{
    ImportPage page = Imported({"1 a b c 1 X"}, kUserText);
    ImportInstrumentFile(page, kUserText);
    EXPECT_EQ(page.rows.size(), 1u);

    page.edFileName = Ru("/нет/такого/файла.txt");
    try {
        ImportInstrumentFile(page, kUserText);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), Ru("Cannot open file /нет/такого/файла.txt"));
    }
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(page.rowList.size(), 1u); // nothing else changes
    EXPECT_EQ(page.pAllString, Ru("Всего строк: 1"));

    page.edFileName = "/tmp";
    EXPECT_THROW(ImportInstrumentFile(page, kUserText), FileError);
}

TEST(ImportFile, BinaryAndHugeLinesNeitherCrashNorHang)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>(i * 37 % 256));
    std::string huge(10 * 1024 * 1024, 'x');
    huge.replace(0, 6, "For M5");
    for (int variant = 1; variant <= kImportVariantCount; ++variant) {
        ImportPage page;
        try {
            ImportContent(page, binary, variant);
        } catch (const ConversionError&) {
        }
        ImportContent(page, huge, variant);
        EXPECT_EQ(page.rows.size(), variant == kRecordersSlope || variant == kUserText ? 1u : 0u);
        ImportContent(page, "", variant);
        EXPECT_TRUE(page.rows.empty());
    }
}

// Files recorded by real instruments.
TEST(RealFiles, SdrObservationsOfASokkiaJob)
{
    ImportPage page;
    page.edFileName = KALIMOR_SHARED_SAMPLES "/sdr33/20151125.sdr";
    ImportInstrumentFile(page, kSdrVerticalUp);
    ASSERT_GE(page.rows.size(), 4u);
    // The first observation names its target with letters: unmarked, and the import goes on.
    EXPECT_EQ(RowText(page.rows[0]), "1  201.1636 -9.4352 0 YSHA");
    EXPECT_EQ(RowText(page.rows[1]), "2 79.32300000 212.2151 32.5125 0 0004");
    ImportInstrumentFile(page, kSdrVerticalDown);
    EXPECT_EQ(page.rows[1].verticalAngle, "-32.5125");

    for (const char* name : {"/sdr33/20151130.sdr", "/sdr33/20151204.sdr"}) {
        page.edFileName = std::string(KALIMOR_SHARED_SAMPLES) + name;
        ImportInstrumentFile(page, kSdrVerticalUp);
        EXPECT_FALSE(page.rows.empty()) << name;
    }
}

TEST(RealFiles, TrimbleM5RecordsWithVariantOne)
{
    ImportPage page;
    page.edFileName = KALIMOR_SHARED_SAMPLES "/m5/180416-1.m5";
    ImportInstrumentFile(page, kRecordersSlope);
    ASSERT_GE(page.rows.size(), 12u);
    EXPECT_EQ(RowText(page.rows[1]), "00002  110.0849 78.4020 1 A0");
    EXPECT_EQ(RowText(page.rows[8]), "00009 6.552 340.0105 91.1619 0 2");
}

TEST(RealFiles, EveryVariantTakesOrSkipsEverySampleWithoutFailingBadly)
{
    const char* files[] = {"/zeiss/elta-r55-R4.txt",  "/zeiss/elta-r55-R5.txt", "/zeiss/elta-r55-REC_500.txt",
                           "/zeiss/elta-r55-R_E.txt", "/m5/180416-2.m5",        "/sdr33/20151130.sdr"};
    for (const char* name : files) {
        for (int variant = 1; variant <= kImportVariantCount; ++variant) {
            ImportPage page;
            page.edFileName = std::string(KALIMOR_SHARED_SAMPLES) + name;
            try {
                ImportInstrumentFile(page, variant);
                EXPECT_EQ(page.rowList.size(), page.rows.size());
            } catch (const ConversionError&) {
                // The specified stop: one empty row more than the lines read.
                EXPECT_EQ(page.rowList.size() + 1, page.rows.size());
            }
        }
    }
    ImportPage zeiss;
    zeiss.edFileName = KALIMOR_SHARED_SAMPLES "/zeiss/elta-r55-R4.txt";
    ImportInstrumentFile(zeiss, kRecordersSlope);
    ASSERT_FALSE(zeiss.rows.empty());
    for (std::size_t i = 0; i < zeiss.rows.size(); ++i)
        EXPECT_EQ(zeiss.rows[i].address, std::to_string(i + 1));
}
