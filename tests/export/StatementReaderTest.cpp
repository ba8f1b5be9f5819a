#include "ExportTestSupport.h"

#include "core/Codepage.h"
#include "export/ExportSources.h"
#include "export/StatementReader.h"

#include <gtest/gtest.h>

using namespace kalimor;

namespace {

std::string Right(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// The start of a picket row up to Y (86 characters when every field fits).
std::string RowStart(const std::string& name, const std::string& x, const std::string& y)
{
    return " [" + Right(name, 9) + " |" + Right("45 00 00", 15) + " |" + Right("5 30 00", 15) + " |" +
           Right("100", 11) + " |" + Right(x, 12) + " |" + Right(y, 12);
}
std::string Plan(const std::string& name, const std::string& x, const std::string& y)
{
    return RowStart(name, x, y) + " ]";
}
std::string Height(const std::string& name, const std::string& x, const std::string& y, const std::string& h)
{
    return RowStart(name, x, y) + " |" + Right(h, 9) + " ]";
}
std::string Remote(const std::string& name, const std::string& x, const std::string& y, const std::string& dh)
{
    return RowStart(name, x, y) + " |*" + Right(dh, 8) + " ]";
}

struct RowCase {
    const char* what;
    std::string line;
    StatementRow::Kind kind;
    std::string name, x, y, h;
};

TEST(StatementReader, RecognisesRowsByLengthAndClosingBracket)
{
    const std::string plan = Plan("P12", "1070.385", "2070.385");
    const std::string height = Height("1", "1070.385", "2070.385", "159.085");
    const std::string remote = Remote("2", "1070.385", "2070.385", "9.967");
    ASSERT_EQ(plan.size(), 88u);
    ASSERT_EQ(height.size(), 99u);
    ASSERT_EQ(remote.size(), 99u);
    const std::string heading2d =
        Ru(" |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |        Координаты         |");
    ASSERT_EQ(heading2d.size(), 88u);

    std::string plan116 = plan + std::string(28, ' ');
    std::string plan116End = plan116;
    plan116End[87] = ' ';
    plan116End[115] = ']';
    std::string plan116Open = plan116;
    plan116Open[87] = ' ';
    std::string height138 = height + std::string(39, ' ');
    std::string remote138End = remote + std::string(39, ' ');
    remote138End[98] = ' ';
    remote138End[137] = ']';

    const RowCase cases[] = {
        {"2D row", plan, StatementRow::PlanRow, "P12", "1070.385", "2070.385", ""},
        {"3D row", height, StatementRow::HeightRow, "1", "1070.385", "2070.385", "159.085"},
        {"remote row", remote, StatementRow::RemoteRow, "2", "1070.385", "2070.385", "9.967"},
        {"2D heading ends in a bar", heading2d, StatementRow::NoRow, "", "", "", ""},
        {"2D rule", " " + std::string(87, '-'), StatementRow::NoRow, "", "", "", ""},
        {"3D rule", " " + std::string(98, '-'), StatementRow::NoRow, "", "", "", ""},
        {"blank line", std::string(98, ' '), StatementRow::NoRow, "", "", "", ""},
        {"empty line", "", StatementRow::NoRow, "", "", "", ""},
        {"name too long for its field", Plan("P123456789", "1", "2"), StatementRow::NoRow, "", "", "", ""},
        {"X too long for its field", Height("1", "1234567890.1234", "2", "3"), StatementRow::NoRow, "", "", "", ""},
        {"116 long, bracket at 88", plan116, StatementRow::PlanRow, "P12", "1070.385", "2070.385", ""},
        {"116 long, bracket at 116", plan116End, StatementRow::PlanRow, "P12", "1070.385", "2070.385", ""},
        {"116 long, no bracket", plan116Open, StatementRow::NoRow, "", "", "", ""},
        {"138 long, bracket at 99", height138, StatementRow::HeightRow, "1", "1070.385", "2070.385", "159.085"},
        {"138 long remote, bracket at 138", remote138End, StatementRow::RemoteRow, "2", "1070.385", "2070.385",
         "9.967"},
        {"hidden name", Plan("", "5", "6"), StatementRow::PlanRow, "", "5", "6", ""},
        {"name with blanks", Plan("A B", "5", "6"), StatementRow::PlanRow, "AB", "5", "6", ""},
        {"not a number is still a row", Height("Q", "abc", "1 2", "x"), StatementRow::HeightRow, "Q", "abc", "12", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const StatementRow row = ReadStatementRow(c.line);
        EXPECT_EQ(row.kind, c.kind);
        EXPECT_EQ(row.name, c.name);
        EXPECT_EQ(row.x, c.x);
        EXPECT_EQ(row.y, c.y);
        EXPECT_EQ(row.h, c.h);
    }
}

TEST(StatementReader, NameSliceTakesPositionsThreeToTwelve)
{
    // A hand edit that puts a letter into position 12 (the blank after the name) keeps it.
    std::string line = Plan("P1", "1", "2");
    line[11] = 'X';
    EXPECT_EQ(ReadStatementRow(line).name, "P1X");
    // Position 60 belongs to " |" before X, position 74 to the bar before Y: not read.
    line = Plan("P1", "1", "2");
    line[59] = '7';
    line[73] = '8';
    const auto row = ReadStatementRow(line);
    EXPECT_EQ(row.x, "1");
    EXPECT_EQ(row.y, "2");
}

TEST(StatementReader, StationLinesOfBothLabelsGiveTheFullCoordinates)
{
    struct Case {
        const char* what;
        std::string line;
        bool station;
        std::string x, y;
    };
    const Case cases[] = {
        {"traverse mode", Ru(" Точка стояния: ПТ1          X: 6543210.1234 Y: 2000        "), true, "6543210.1234",
         "2000"},
        {"manual mode", Ru(" Точка стояния : ТС5          X: 6543210.1234 Y: 7654321.5   "), true, "6543210.1234",
         "7654321.5"},
        {"3D traverse mode", Ru(" Точка стояния: ПТ1          X: 1000         Y: 2000         H: 150          i: 1.5"),
         true, "1000", "2000"},
        {"orientation line", Ru(" Точка ориент.: ПТ2          X: 1100         Y: 2000        "), false, "", ""},
        {"short line", Ru(" Точка"), false, "", ""},
        {"title", Ru("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТАХЕОМЕТРИИ"), false, "", ""},
        {"label only", Ru(" Точка стояния:"), true, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string x = "unchanged", y = "unchanged";
        EXPECT_EQ(ReadStationLine(c.line, x, y), c.station);
        if (c.station) {
            EXPECT_EQ(x, c.x);
            EXPECT_EQ(y, c.y);
        }
    }
}

TEST(StatementReader, MixedStatementYieldsRowsOfEveryKindInOrder)
{
    const auto rows = StatementRows(exporttest::MixedStatement());
    std::vector<std::pair<StatementRow::Kind, std::string>> got;
    for (const auto& r : rows)
        got.emplace_back(r.kind, Cp1251ToUtf8(r.name));
    const std::vector<std::pair<StatementRow::Kind, std::string>> expected = {
        {StatementRow::HeightRow, "1"},   {StatementRow::RemoteRow, "2"},   {StatementRow::HeightRow, ""},
        {StatementRow::HeightRow, "П10"}, {StatementRow::RemoteRow, "П11"}, {StatementRow::PlanRow, "К1"},
    };
    EXPECT_EQ(got, expected);
}

} // namespace
