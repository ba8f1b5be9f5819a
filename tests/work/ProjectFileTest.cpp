// The project file: new work, open and save of a Work.
#include "work/ProjectFile.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/IniProfile.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kalimor;
namespace fs = std::filesystem;

namespace {

std::string U(const std::string& utf8)
{
    return Utf8ToCp1251(utf8);
}

fs::path FreshDir(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("kalimor-project-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string& CellText(const Work& w, int row, int column)
{
    return w.course.rows.at(static_cast<std::size_t>(row))[static_cast<std::size_t>(column)].text;
}

void Set(Work& w, int row, int column, const std::string& text)
{
    SetCourseCellText(w.course, row, column, text);
}

// An open traverse of four points between two known points, with every part of the work filled.
Work FullWork()
{
    Work w;
    NewWork(w);
    SetCoursePointCount(w, 4);
    w.settings.edNamePolevik = U("Петров А.И., геодезист");
    w.settings.edNameCameral = U("Сидорова");
    w.settings.edinstrument = "3Ta5";
    w.settings.edNameCourseID = U("Ход 7");
    w.settings.sePrecession = 30;
    w.settings.ckbhoriz = true;
    w.settings.ckbRef = true;
    w.settings.edRef = "0.13";
    w.course.cbTypeCourse = 0;
    w.course.cdTypeAngleCourse = 1;
    w.course.cbUseDirorCoord = 1;
    w.course.ckbNextBackUse = true;

    const char* names[] = {"Т 1", "Т2", "", "Т4"};
    const char* angles[] = {"181.1523", "179.4512", "180.0234", "178.5907"};
    const char* heights[] = {"1.45", "1.5", "1.52", "1.48"};
    for (int i = 0; i < 4; ++i) {
        Set(w, PointRow(i), col::Name, U(names[i]));
        Set(w, PointRow(i), col::Hz, angles[i]);
        Set(w, PointRow(i), col::IV, heights[i]);
    }
    const char* distances[] = {"152.342", "148.91", "160.005"};
    const char* verticals[] = {"0.4512", "-1.0203", "0.0015"};
    for (int leg = 0; leg < 3; ++leg) {
        Set(w, LegRow(leg), col::SD, distances[leg]);
        Set(w, LegRow(leg), col::V, verticals[leg]);
        Set(w, LegRow(leg), col::IV, "1.6");
    }
    Set(w, 0, col::Dir, "45.3012");
    Set(w, LastRow(4), col::Dir, "46.2506");
    Set(w, PointRow(0), col::X, "6543210.123");
    Set(w, PointRow(0), col::Y, "2345678.456");
    Set(w, PointRow(0), col::H, "152.34");
    Set(w, PointRow(3), col::X, "6543530.7");
    Set(w, PointRow(3), col::Y, "2345999.1");
    Set(w, PointRow(3), col::H, "150.01");
    w.course.points[0].CarriedValue1 = 7.5;
    w.course.points[2].BackSlopeDistance = 148.93;
    w.course.points[3].CarriedValue2 = -2;

    w.piket.statement = {"   leading blanks kept", "", std::string(3000, 'w') + " long line", U("Пикет 12")};
    ImportRow a;
    a.address = "101";
    a.slopeDistance = "52.31";
    a.horizontalAngle = "12.3045";
    a.verticalAngle = "-0.0512";
    a.station = true;
    a.note = U("угол дома  номер 5");
    ImportRow b;
    b.address = "102";
    b.slopeDistance = "0";
    b.horizontalAngle = "0";
    b.verticalAngle = "0";
    w.import.rows = {a, b};
    w.import.selected = {false, false};
    w.received.assign("12 100.5\r\n 0.0512 \r\nlast");
    return w;
}

Work Opened(const std::string& utf8Text, const std::string& name = "test.srv")
{
    Work w;
    OpenProjectText(w, U(utf8Text), name);
    return w;
}

} // namespace

TEST(ProjectFile, SaveWritesEveryKeyInOrder)
{
    Work w;
    NewWork(w);
    w.settings.edNamePolevik = U("Иванов");
    w.settings.edRef = "0.140";
    Set(w, PointRow(0), col::Name, U("ПТ 1"));
    Set(w, PointRow(0), col::Hz, "10.3045");
    Set(w, LegRow(0), col::SD, "100,5");
    Set(w, PointRow(0), col::X, "6543210.123");
    Set(w, 0, col::Dir, "45");
    w.piket.statement = {"  line one", "a~b"};
    ImportRow row;
    row.address = "12";
    row.slopeDistance = "100.5";
    row.horizontalAngle = "1.2";
    row.verticalAngle = "0.01";
    row.station = true;
    row.note = U("угол дома");
    w.import.rows = {row};
    w.import.selected = {false};
    w.received.assign("abc\r\ndef\r\n");

    const std::string expected = U("[ОБЩИЕ]\r\n"
                                   "Версия=1.0.0.0b\r\n"
                                   "Исполнитель=Иванов\r\n"
                                   "Камеральщик=\r\n"
                                   "Инструмент=\r\n"
                                   "Ход/Объект=\r\n"
                                   "Точность=60\r\n"
                                   "Поправка на приведение к горизонту=0\r\n"
                                   "Поправка на рефракцию=0\r\n"
                                   "Рефракция=0.14\r\n"
                                   "[ИСХОДНЫЕ ДАННЫЕ]\r\n"
                                   "Тип углов=0\r\n"
                                   "Тип хода=0\r\n"
                                   "Тип исходных данных=1\r\n"
                                   "Использовать обратные измерения=0\r\n"
                                   "Точек в ходе=3\r\n"
                                   "X1=6543210.123\r\n"
                                   "Y1=0\r\n"
                                   "H1=0\r\n"
                                   "X12=0\r\n"
                                   "Y12=0\r\n"
                                   "H2=0\r\n"
                                   "A1=45\r\n"
                                   "A2=0\r\n"
                                   "X2=0\r\n"
                                   "Y2=0\r\n"
                                   "X22=0\r\n"
                                   "Y22=0\r\n"
                                   "[ТОЧКИ ХОДА]\r\n"
                                   "1=ПТ1 100.5 10.3045 0 0 0 0 0 0\r\n"
                                   "2=0 0 0 0 0 0 0 0 0\r\n"
                                   "3=0 0 0 0 0 0 0 0 0\r\n"
                                   "[ТАХЕОМЕТРИЯ]\r\n"
                                   "0=2\r\n"
                                   "1=~  line one~\r\n"
                                   "2=~a~b~\r\n"
                                   "[ИМПОРТ]\r\n"
                                   "0=1\r\n"
                                   "1=~12 100.5 1.2 0.01 1 угол дома~\r\n"
                                   "[RS-232]\r\n"
                                   "0=2\r\n"
                                   "1=~abc~\r\n"
                                   "2=~def~\r\n");
    EXPECT_EQ(ProjectText(w), expected);
}

TEST(ProjectFile, SaveAndOpenRestoreTheWholeWork)
{
    const fs::path dir = FreshDir("roundtrip");
    Work saved = FullWork();
    const std::string written = SaveProject(saved, (dir / "work.dat").string());
    EXPECT_EQ(written, (dir / "work.srv").string());
    EXPECT_EQ(saved.caption, U("Kalimor [Тахеометрия] - work.srv"));

    Work w;
    w.piket.titlePending = false;
    w.piket.stationBlockPending = false;
    w.import.beginList = {"1"};
    w.import.rowList = {"kept"};
    w.piket.edNamePiket = "unchanged";
    OpenProject(w, written);

    EXPECT_EQ(w.caption, U("Kalimor [Тахеометрия] - ") + written);
    EXPECT_EQ(w.settings.edNamePolevik, saved.settings.edNamePolevik);
    EXPECT_EQ(w.settings.edNameCameral, saved.settings.edNameCameral);
    EXPECT_EQ(w.settings.edinstrument, "3Ta5");
    EXPECT_EQ(w.settings.edNameCourseID, U("Ход 7"));
    EXPECT_EQ(w.settings.sePrecession, 30);
    EXPECT_TRUE(w.settings.ckbhoriz);
    EXPECT_TRUE(w.settings.ckbRef);
    EXPECT_EQ(w.settings.edRef, "0.13");
    EXPECT_EQ(w.course.cdTypeAngleCourse, 1);
    EXPECT_TRUE(w.course.ckbNextBackUse);
    ASSERT_EQ(w.course.SePointCourseCount, 4);

    // Names lose their blanks; an empty name comes back as its number.
    EXPECT_EQ(CellText(w, PointRow(0), col::Name), U("Т1"));
    EXPECT_EQ(CellText(w, PointRow(2), col::Name), "3");
    EXPECT_EQ(w.course.points[2].Name, "3");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CellText(w, PointRow(i), col::Hz), CellText(saved, PointRow(i), col::Hz)) << i;
    for (int leg = 0; leg < 3; ++leg) {
        EXPECT_EQ(CellText(w, LegRow(leg), col::SD), CellText(saved, LegRow(leg), col::SD)) << leg;
        EXPECT_EQ(CellText(w, LegRow(leg), col::V), CellText(saved, LegRow(leg), col::V)) << leg;
    }
    EXPECT_EQ(CellText(w, 0, col::Dir), "45.3012");
    EXPECT_EQ(CellText(w, LastRow(4), col::Dir), "46.2506");
    EXPECT_EQ(w.course.data.StartX, 6543210.123);
    EXPECT_EQ(w.course.data.EndY, 2345999.1);
    EXPECT_EQ(w.course.data.EndH, 150.01);
    EXPECT_EQ(w.course.points[0].CarriedValue1, 7.5);
    EXPECT_EQ(w.course.points[2].BackSlopeDistance, 148.93);
    EXPECT_EQ(w.course.points[3].CarriedValue2, -2);
    EXPECT_EQ(w.course.points[1].InstrumentHeight, 1.5);
    EXPECT_EQ(w.course.points[1].TargetHeight, 1.6);

    // Opening ends with the adjustment: results, statement and the station lists.
    EXPECT_NE(w.course.outcome, AdjustOutcome::None);
    EXPECT_NE(w.course.outcome, AdjustOutcome::Stopped);
    EXPECT_FALSE(w.course.statement.empty());
    EXPECT_FALSE(CellText(w, PointRow(1), col::X).empty());
    EXPECT_EQ(w.piket.stationList.size(), 4u);

    EXPECT_EQ(w.piket.statement, saved.piket.statement);
    EXPECT_TRUE(w.piket.titlePending);
    EXPECT_TRUE(w.piket.stationBlockPending);
    EXPECT_EQ(w.piket.edNamePiket, "unchanged"); // the tacheometry inputs are not in the file
    ASSERT_EQ(w.import.rows.size(), 2u);
    EXPECT_EQ(w.import.rows[0].address, "101");
    EXPECT_EQ(w.import.rows[0].slopeDistance, "52.31");
    EXPECT_EQ(w.import.rows[0].horizontalAngle, "12.3045");
    EXPECT_EQ(w.import.rows[0].verticalAngle, "-0.0512");
    EXPECT_TRUE(w.import.rows[0].station);
    EXPECT_EQ(w.import.rows[0].note, U("угол дома  номер 5")); // the rest after the fifth blank
    EXPECT_FALSE(w.import.rows[1].station);
    EXPECT_EQ(w.import.rows[1].note, "");
    EXPECT_EQ(w.import.selected.size(), 2u);
    EXPECT_TRUE(w.import.beginList.empty());
    EXPECT_EQ(w.import.rowList, std::vector<std::string>{"kept"});
    EXPECT_EQ(w.received.lines(), (std::vector<std::string>{"12 100.5", " 0.0512 ", "last"}));

    // Saving the opened work again gives the same file.
    EXPECT_EQ(ProjectText(w), Slurp(written));
    fs::remove_all(dir);
}

TEST(ProjectFile, OpenBringsCountsAndChoicesIntoRange)
{
    std::string many = "[ИСХОДНЫЕ ДАННЫЕ]\r\nТочек в ходе=250\r\n[ТОЧКИ ХОДА]\r\n";
    for (int k = 1; k <= 250; ++k)
        many += std::to_string(k) + "=P" + std::to_string(k) + " 10 180 0 0 0\r\n";
    const Work big = Opened(many);
    EXPECT_EQ(big.course.SePointCourseCount, 200);
    EXPECT_EQ(big.course.rows.size(), 401u);
    EXPECT_EQ(CellText(big, PointRow(199), col::Name), "P200");
    EXPECT_EQ(big.course.points[199].Name, "P200");

    const Work one = Opened("[ИСХОДНЫЕ ДАННЫЕ]\r\nТочек в ходе=1\r\nТип хода=9\r\nТип углов=-1\r\n"
                            "Тип исходных данных=0x0\r\n[ОБЩИЕ]\r\nТочность=250\r\n");
    EXPECT_EQ(one.course.SePointCourseCount, 3);
    EXPECT_EQ(one.course.cbTypeCourse, 0);
    EXPECT_EQ(one.course.cdTypeAngleCourse, 0);
    EXPECT_EQ(one.course.cbUseDirorCoord, 0);
    EXPECT_EQ(one.settings.sePrecession, 100);
}

TEST(ProjectFile, OpenOfAFileWithoutPointsOrWithBadFieldsUsesTheDefaults)
{
    const Work w = Opened("[ИСХОДНЫЕ ДАННЫЕ]\r\nТочек в ходе=5\r\n"
                          "[ТОЧКИ ХОДА]\r\n2=Б abc 1,5\r\n4=\r\n");
    EXPECT_EQ(w.course.points[0].Name, "1");
    EXPECT_EQ(w.course.points[1].Name, U("Б"));
    EXPECT_EQ(w.course.points[1].SlopeDistance, 0); // not a number
    EXPECT_EQ(w.course.points[1].HzPacked, 0);      // "1,5" is not a number either
    EXPECT_EQ(w.course.points[3].Name, "");         // a key present but empty
    EXPECT_EQ(w.course.points[4].Name, "5");
    EXPECT_EQ(CellText(w, PointRow(4), col::Name), "5");
    EXPECT_EQ(w.settings.edRef, "0.14");
    EXPECT_EQ(w.settings.sePrecession, 60);
    EXPECT_EQ(w.course.cbUseDirorCoord, 1);
    EXPECT_TRUE(w.piket.statement.empty());
    EXPECT_TRUE(w.import.rows.empty());
    EXPECT_EQ(w.received.text, "");
    EXPECT_EQ(w.course.outcome, AdjustOutcome::Stopped); // every length 0
}

TEST(ProjectFile, OpenReadsStoredListsByTheirCounts)
{
    const Work w = Opened("[ТАХЕОМЕТРИЯ]\r\n0=2.5\r\n1=~ a~b ~\r\n3=~never~\r\n"
                          "[ИМПОРТ]\r\n0=3.5\r\n1=~7 1 2 3 1~\r\n2=old 5 1 2 3 two  words\r\n"
                          "[RS-232]\r\n0=1e0\r\n1=~ x ~\r\n2=~unread~\r\n");
    EXPECT_EQ(w.piket.statement, (std::vector<std::string>{" ab ", ""})); // 2.5 rounds to 2
    ASSERT_EQ(w.import.rows.size(), 4u);                                  // 3.5 rounds to 4
    EXPECT_EQ(w.import.rows[0].address, "7");
    EXPECT_TRUE(w.import.rows[0].station);
    EXPECT_EQ(w.import.rows[0].note, "");
    EXPECT_EQ(w.import.rows[1].address, "old");
    EXPECT_EQ(w.import.rows[1].verticalAngle, "2");
    EXPECT_FALSE(w.import.rows[1].station); // field 5 is "3"
    EXPECT_EQ(w.import.rows[1].note, "two  words");
    EXPECT_EQ(w.import.rows[2].address, "3"); // missing: the number and zeros
    EXPECT_EQ(w.import.rows[2].slopeDistance, "0");
    EXPECT_EQ(w.import.rows[2].note, "0");
    EXPECT_EQ(w.received.text, " x \r\n");
}

TEST(ProjectFile, OpenStopsOnACountThatIsNotANumber)
{
    Work w = FullWork();
    AdjustCourse(w);
    const auto statementBefore = w.course.statement;
    const auto rowsBefore = w.import.rows.size();
    const std::string captionBefore = w.caption;
    try {
        OpenProjectText(w,
                        U("[ОБЩИЕ]\r\nИсполнитель=Новый\r\n[ТОЧКИ ХОДА]\r\n1=X 1 2 3\r\n"
                          "[ТАХЕОМЕТРИЯ]\r\n0=12a\r\n1=~x~\r\n"),
                        "bad.srv");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'12a' is not a valid floating point value");
    }
    EXPECT_EQ(w.settings.edNamePolevik, U("Новый")); // read before the failure
    EXPECT_EQ(w.course.points[0].Name, "X");         // so were the points
    EXPECT_TRUE(w.piket.statement.empty());          // emptied before the count was read
    EXPECT_EQ(w.import.rows.size(), rowsBefore);     // not reached
    EXPECT_EQ(w.caption, captionBefore);             // the caption keeps its text
    EXPECT_EQ(w.course.statement, statementBefore);  // and the traverse was not adjusted
}

TEST(ProjectFile, OpenOfAMissingFileChangesNothingButThePendingMarks)
{
    Work w = FullWork();
    w.piket.titlePending = false;
    w.piket.stationBlockPending = false;
    const std::string name = (fs::temp_directory_path() / "kalimor-no-such-project.srv").string();
    try {
        OpenProject(w, name);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + name);
    }
    const Work fresh = FullWork();
    EXPECT_EQ(w.piket.statement, fresh.piket.statement);
    EXPECT_EQ(w.import.rows.size(), 2u);
    EXPECT_EQ(w.course.SePointCourseCount, 4);
    EXPECT_EQ(w.settings.edNamePolevik, fresh.settings.edNamePolevik);
    EXPECT_TRUE(w.piket.titlePending);
    EXPECT_TRUE(w.piket.stationBlockPending);
}

TEST(ProjectFile, FailedSaveLeavesThePreviousFileAndNoStaleKeysSurvive)
{
    const fs::path dir = FreshDir("save");
    const fs::path file = dir / "p.srv";
    Work w = FullWork();
    SetCoursePointCount(w, 6);
    SaveProject(w, file.string());
    const std::string six = Slurp(file);
    ASSERT_NE(six.find("\r\n6="), std::string::npos);

    w.settings.edRef = "abc";
    const std::string captionBefore = w.caption;
    EXPECT_THROW(SaveProject(w, file.string()), ConversionError);
    EXPECT_EQ(Slurp(file), six);
    EXPECT_EQ(w.caption, captionBefore);

    w.settings.edRef = "0.14";
    try {
        SaveProject(w, (dir / "missing" / "p.srv").string());
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (dir / "missing" / "p.srv").string());
    }

    SetCoursePointCount(w, 3);
    w.piket.statement.clear();
    SaveProject(w, file.string());
    const IniReader ini = IniReader::fromFile(file.string());
    EXPECT_FALSE(ini.find(U("ТОЧКИ ХОДА"), "4").has_value());
    EXPECT_FALSE(ini.find(U("ТАХЕОМЕТРИЯ"), "1").has_value());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(ProjectFile, FileNameTakesTheSrvExtension)
{
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {
        {"/tmp/a/work", "/tmp/a/work.srv"},           {"/tmp/a/work.txt", "/tmp/a/work.srv"},
        {"/tmp/a/work.srv", "/tmp/a/work.srv"},       {"/tmp/a.b/work", "/tmp/a.b/work.srv"},
        {"/tmp/a/my.work.dat", "/tmp/a/my.work.srv"}, {"work", "work.srv"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectFileName(c.chosen), c.written) << c.chosen;
}

TEST(ProjectFile, NewWorkEmptiesTheWorkAndKeepsTheSettings)
{
    Work w = FullWork();
    AdjustCourse(w);
    w.piket.pickets[5].name = "p";
    w.piket.sePointPiketCount = 6;
    w.piket.neTCX = "12";
    w.piket.cbTC = "A";
    w.piket.titlePending = false;
    w.import.beginList = {"1"};
    w.import.endList = {"2"};
    w.import.messages = {"m"};
    w.import.rowList = {"kept"};
    const std::string statusBefore = w.course.statusText;

    NewWork(w);
    EXPECT_EQ(w.caption, U("Kalimor [Тахеометрия] - Новая работа.srv"));
    EXPECT_EQ(w.course.SePointCourseCount, 3);
    ASSERT_EQ(w.course.rows.size(), 7u);
    EXPECT_EQ(w.course.points[3].Name, "");
    EXPECT_EQ(w.course.points[0].CarriedValue1, 0);
    EXPECT_EQ(w.course.data.StartX, 0);
    EXPECT_TRUE(w.course.statement.empty());
    EXPECT_EQ(w.course.statusText, statusBefore);
    EXPECT_TRUE(w.piket.statement.empty());
    EXPECT_TRUE(w.piket.titlePending);
    EXPECT_TRUE(w.piket.stationBlockPending);
    EXPECT_EQ(w.piket.sePointPiketCount, 1);
    EXPECT_EQ(w.piket.pickets[5].name, "");
    EXPECT_EQ(w.piket.neTCX, "0");
    EXPECT_EQ(w.piket.cbTC, U("Не выбрана"));
    EXPECT_TRUE(w.import.rows.empty());
    EXPECT_TRUE(w.import.beginList.empty());
    EXPECT_TRUE(w.import.endList.empty());
    EXPECT_TRUE(w.import.messages.empty());
    EXPECT_EQ(w.import.rowList, std::vector<std::string>{"kept"});
    EXPECT_EQ(w.received.text, "");
    EXPECT_EQ(w.received.lineCount(), 0u);
    // Settings and traverse choices stay.
    EXPECT_EQ(w.settings.edNamePolevik, U("Петров А.И., геодезист"));
    EXPECT_EQ(w.settings.sePrecession, 30);
    EXPECT_TRUE(w.settings.ckbRef);
    EXPECT_EQ(w.course.cdTypeAngleCourse, 1);
    EXPECT_TRUE(w.course.ckbNextBackUse);
}

TEST(ProjectFile, EveryExampleOpensAdjustsAndSavesToItselfAgain)
{
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(KALIMOR_EXAMPLES)) {
        if (entry.path().extension() != ".srv")
            continue;
        ++seen;
        SCOPED_TRACE(entry.path().string());
        Work first;
        OpenProject(first, entry.path().string());
        EXPECT_NE(first.course.outcome, AdjustOutcome::None);
        EXPECT_FALSE(first.course.statement.empty());
        const std::string saved = ProjectText(first);
        Work second;
        OpenProjectText(second, saved, "again.srv");
        EXPECT_EQ(ProjectText(second), saved);
        EXPECT_EQ(second.course.statement, first.course.statement);
    }
    EXPECT_GE(seen, 1);
}
