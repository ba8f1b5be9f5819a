#include "work/Search.h"
#include "core/Codepage.h"
#include "work/Work.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace kalimor;

namespace {

Work importWork(const std::vector<std::string>& addresses)
{
    Work w;
    for (const auto& a : addresses) {
        ImportRow row;
        row.address = a;
        row.note = "N" + a;
        w.import.rows.push_back(row);
    }
    return w;
}

Work courseWork(const std::vector<std::string>& names)
{
    Work w;
    w.course.rows.resize(names.size());
    for (std::size_t r = 0; r < names.size(); ++r)
        w.course.rows[r][1].text = names[r];
    return w;
}

} // namespace

TEST(CellBeginsWith, LatinLettersIgnoreCaseEverythingElseExact)
{
    struct Case {
        std::string cell, text;
        bool match;
    } cases[] = {
        {"PT5", "pt", true},
        {"pt5", "PT", true},
        {"PT5", "PT5", true},
        {"PT5", "PT55", false}, // a cell shorter than the text is compared whole
        {"PT5", "T5", false},   // a prefix, not a substring
        {"anything", "", true}, // an empty text matches every cell
        {"", "", true},
        {"", "1", false},
        {Ru("ТС1"), Ru("тс"), false}, // Cyrillic compared exactly
        {Ru("тс1"), Ru("тс"), true},
        {Ru("ЁЖ"), Ru("ёж"), false},
        {"12.5", "12,5", false},
        {"@[`{", "@[`{", true}, // neighbours of the Latin letters are not folded
        {"@", "`", false},
        {"[", "{", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellBeginsWith(c.cell, c.text), c.match) << Cp1251ToUtf8(c.cell) << " / " << Cp1251ToUtf8(c.text);
}

TEST(FindImportRow, VisitsTheRowsAfterTheCurrentOneThenWrapsOnce)
{
    const Work w = importWork({"5", "120", "7", "12", "121", "9"});
    struct Case {
        const char* what;
        long current;
        std::string text;
        std::optional<std::size_t> found;
    } cases[] = {
        {"next match below the current row", 0, "12", 1},
        {"skips to the following match", 1, "12", 3},
        {"from the last row starts again at the top", 5, "12", 1},
        {"no current row starts at the first row", -1, "12", 1},
        {"the only match is the current row itself", 2, "7", 2},
        {"an empty text steps to the next row", 2, "", 3},
        {"an empty text on the last row steps to the first", 5, "", 0},
        {"no match changes nothing", 3, "8", std::nullopt},
        {"a current row past the end starts at the top", 40, "9", 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindImportRow(w, 1, c.current, c.text), c.found) << c.what;
}

TEST(FindImportRow, SearchesTheChosenColumn)
{
    Work w = importWork({"1", "2", "3"});
    w.import.rows[2].slopeDistance = "154.321";
    w.import.rows[1].horizontalAngle = "123.30456";
    w.import.rows[0].verticalAngle = "-1.2513";
    w.import.rows[2].instrumentHeight = "1.5"; // hidden columns are not searched
    EXPECT_EQ(FindImportRow(w, 2, 0, "154"), 2u);
    EXPECT_EQ(FindImportRow(w, 3, 0, "123.3"), 1u);
    EXPECT_EQ(FindImportRow(w, 4, 0, "-1."), 0u);
    EXPECT_EQ(FindImportRow(w, 8, 0, "n3"), 2u);
    EXPECT_EQ(FindImportRow(w, 6, 0, "1.5"), std::nullopt);
}

TEST(FindTableRow, AColumnOfTheOtherTableDoesNothing)
{
    const Work imp = importWork({"1", "2"});
    Work course = courseWork({"", "A", "", "B", ""});
    for (auto& row : course.course.rows)
        for (auto& cell : row)
            cell.text = "1";
    // Import searches 1-4 and 8; the traverse 1-5.
    for (int column : {0, 5, 6, 7, 9, -1})
        EXPECT_EQ(FindTableRow(imp, SearchTable::Import, column, 0, ""), std::nullopt) << column;
    for (int column : {0, 6, 8, 17, 18})
        EXPECT_EQ(FindTableRow(course, SearchTable::Course, column, 0, "1"), std::nullopt) << column;
    EXPECT_EQ(FindTableRow(course, SearchTable::Course, 5, 0, "1"), 1u);
    EXPECT_EQ(FindTableRow(imp, SearchTable::Import, 8, 0, "n1"), 0u);
}

TEST(FindCourseRow, FindsPointNamesByPrefix)
{
    // Orientation row, point, leg, point, leg, point, orientation.
    const Work w = courseWork({"", Ru("ТС"), "", "PT5", "", "PT6", ""});
    EXPECT_EQ(FindCourseRow(w, 1, 0, "pt"), 3u);
    EXPECT_EQ(FindCourseRow(w, 1, 3, "pt"), 5u);
    EXPECT_EQ(FindCourseRow(w, 1, 5, "pt"), 3u);
    EXPECT_EQ(FindCourseRow(w, 1, 0, Ru("тс")), std::nullopt);
    EXPECT_EQ(FindCourseRow(w, 1, 0, Ru("ТС")), 1u);
    EXPECT_EQ(FindCourseRow(Work{}, 1, -1, "pt"), std::nullopt); // a new work: unnamed points only
}

TEST(FindInText, VisitsEachOccurrenceOnceThenStops)
{
    const std::string text = "abc ABC xabc\r\nabcabc";
    std::vector<std::size_t> visited;
    std::size_t from = 0;
    while (auto at = FindInText(text, from, "abc")) {
        visited.push_back(*at);
        from = *at + 3; // the next search starts after the selected match
    }
    EXPECT_EQ(visited, (std::vector<std::size_t>{0, 9, 14, 17}));
    EXPECT_EQ(FindInText(text, from, "abc"), std::nullopt); // no wrap around
}

TEST(FindInText, ExactCaseAndEdges)
{
    EXPECT_EQ(FindInText("ABC", 0, "abc"), std::nullopt);
    EXPECT_EQ(FindInText(Ru("Точка ТОЧКА"), 0, Ru("ТОЧ")), 6u);
    EXPECT_EQ(FindInText("abc", 0, ""), std::nullopt);
    EXPECT_EQ(FindInText("abc", 3, "c"), std::nullopt);
    EXPECT_EQ(FindInText("abc", 99, "c"), std::nullopt);
    EXPECT_EQ(FindInText("", 0, "a"), std::nullopt);
    EXPECT_EQ(FindInText("a.b", 0, "."), 1u); // no pattern characters
}
