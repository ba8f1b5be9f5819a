#include "CourseFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace kalimor;
using namespace kalimor::testing;

namespace {

std::vector<std::string> Golden(const std::string& name)
{
    std::ifstream in(std::string(KALIMOR_TEST_DATA) + "/traverse/" + name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(Utf8ToCp1251(line));
    return lines;
}

// The worked example with the identification off, names shown, spaced angles, 3 decimals.
Work AdjustedExample(int courseTemplate)
{
    Work work;
    work.settings.ckbCourse = work.settings.ckbPolevik = work.settings.ckbCameral = work.settings.ckbInstrument = false;
    work.settings.cbFormatAngle = 2;
    work.course.cbSelectCourseTemplate = courseTemplate;
    TypeWorkedExample(work);
    AdjustCourse(work);
    return work;
}

TEST(CourseStatement, WorkedExampleByteExactIn2DAnd3D)
{
    for (const auto& [tpl, file] : {std::pair{0, "worked_example_2d.txt"}, std::pair{1, "worked_example_3d.txt"}}) {
        SCOPED_TRACE(file);
        const std::vector<std::string> expected = Golden(file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(AdjustedExample(tpl).course.statement, expected);
    }
}

TEST(CourseStatement, DegreeSignsAndDecimalsSettings)
{
    Work work = AdjustedExample(0);
    work.settings.cbFormatAngle = 0;
    work.settings.seLinePrecession = 1;
    AdjustCourse(work);
    const auto& s = work.course.statement;
    // The measured angle of point 1 in positions 22-36, the degree sign one byte.
    EXPECT_EQ(s[14].substr(21, 15), std::string("     135\xb0"
                                                "00'10\""));
    // Point lines and misclosures use the setting; the kind block the table's 3 decimals.
    EXPECT_EQ(s[16].substr(68, 12), "      1106.1");
    EXPECT_EQ(s[6], Ru(" X кон.: 1161.336"));
    EXPECT_EQ(s.back(), Ru(" Длина хода: 530"));
}

TEST(CourseStatement, IdentificationLinesAndHiddenNames)
{
    Work work = AdjustedExample(0);
    work.settings.ckbCourse = true;
    work.settings.ckbInstrument = true;
    work.settings.edinstrument = Ru("3Та5");
    work.settings.additionOptions[4] = false;
    AdjustCourse(work);
    const auto& s = work.course.statement;
    EXPECT_EQ(s[2], Ru("                              ХОД/ОБЪЕКТ: "));
    EXPECT_EQ(s[3], Ru(" ИНСТРУМЕНТ: 3Та5"));
    EXPECT_EQ(s[4], " ");
    // Names cleared: positions 9-19 blank, the layout unchanged.
    EXPECT_EQ(s[16].substr(8, 11), std::string(11, ' '));
    EXPECT_EQ(s[16].size(), 96u);
}

TEST(CourseStatement, KindBlocksAndMisclosuresPerKind)
{
    struct Case {
        int kind;
        std::vector<std::string> kindBlock; // from the type line to the end direction, 3D
        std::string angular, fx, relative;
    };
    const std::string q = "???";
    const std::vector<Case> cases = {
        {1,
         {" Тип хода: замкнутый", " X нач.: 1000", " Y нач.: 1200", " Н нач.: 100", " X кон.: 1161.336",
          " Y кон.: 1658.912", " Н кон.: 101.564", " Нач. дирекционный угол: 90 00 00",
          " Кон. дирекционный угол: 0 00 00"},
         "",
         "",
         ""},
        {2,
         {" Тип хода: без примычных углов ", " X нач.: 1000", " Y нач.: 1200", " Н нач.: 100", " X кон.: 1161.336",
          " Y кон.: 1658.912", " Н кон.: 101.564", " Нач. дирекционный угол: ???", " Кон. дирекционный угол: ???"},
         " Полученная угловая невязка F(B): ???",
         "",
         ""},
        {3,
         {" Тип хода: висячий, начинается с твердой стороны", " X нач.: 1000", " Y нач.: 1200", " Н нач.: 100",
          " X кон.: ???", " Y кон.: ???", " Н кон.: 101.552", " Нач. дирекционный угол: 90 00 00",
          " Кон. дирекционный угол: ???"},
         " Полученная угловая невязка F(B): ???",
         " Полученная невязка F(X): ???",
         " Относительная линейная невязка Fотн: 1/???"},
        {4,
         {" Тип хода: висячий, начинается с твердой стороны и оканчивается на твердый пункт", " X нач.: 1000",
          " Y нач.: 1200", " Н нач.: 100", " X кон.: 1161.336", " Y кон.: 1658.912", " Н кон.: 101.564",
          " Нач. дирекционный угол: 90 00 00", " Кон. дирекционный угол: ???"},
         "",
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Work work = AdjustedExample(1);
        ChangeCourseKind(work, c.kind);
        AdjustCourse(work);
        const auto& s = work.course.statement;
        ASSERT_GE(s.size(), 29u);
        for (std::size_t k = 0; k < c.kindBlock.size(); ++k)
            EXPECT_EQ(s[3 + k], Utf8ToCp1251(c.kindBlock[k]));
        EXPECT_EQ(s[12], " " + std::string(109, '-'));
        // The misclosure block: limit, angular, F(X), F(Y), F(H), Fs, Fотн, length.
        const std::vector<std::string> tail(s.end() - 8, s.end());
        EXPECT_EQ(tail[0], Ru(" Предельная угловая невязка F(B): 0 02 00"));
        if (!c.angular.empty()) {
            EXPECT_EQ(tail[1], Utf8ToCp1251(c.angular));
        }
        if (!c.fx.empty()) {
            EXPECT_EQ(tail[2], Utf8ToCp1251(c.fx));
        }
        if (!c.relative.empty()) {
            EXPECT_EQ(tail[6], Utf8ToCp1251(c.relative));
        }
        EXPECT_EQ(tail[7], Ru(" Длина хода: 529.996"));
        if (c.kind == 3) {
            EXPECT_EQ(tail[4], Ru(" Полученная невязка F(H): ???"));
        }
    }
}

TEST(CourseStatement, LongNamesPushTheLineWithoutCutting)
{
    Work work = AdjustedExample(0);
    Type(work, PointRow(1), col::Name, "VERY_LONG_NAME");
    AdjustCourse(work);
    const std::string& line = work.course.statement[16];
    EXPECT_EQ(line.substr(8, 14), "VERY_LONG_NAME");
    EXPECT_EQ(line.size(), 99u);
    EXPECT_EQ(line.back(), ']');
}

TEST(CourseStatement, ExactClosurePrintsZeroRelativeMisclosure)
{
    Work work;
    TypeTraverse(
        work, {{"A", "180", "0", "100", "0", "0"}, {"B", "180", "0", "100", "0", "0"}, {"C", "180", "0", "", "", ""}},
        "0", "0", "0", "0", "0", "200", "0", "0");
    AdjustCourse(work);
    const auto& s = work.course.statement;
    EXPECT_EQ(s[s.size() - 2], Ru(" Относительная линейная невязка Fотн: 0"));
    EXPECT_EQ(s[s.size() - 3], Ru(" Абсолютная линейная невязка Fs: 0"));
}

TEST(CourseStatement, LineLayoutHoldsForEveryKindTemplateAndSetting)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> angle(0, 359.5959), length(0, 400), vertical(-5, 5), coordinate(1e6, 9e6);
    for (int run = 0; run < 60; ++run) {
        SCOPED_TRACE(run);
        Work work;
        work.course.cbTypeCourse = run % 5;
        work.course.cdTypeAngleCourse = run % 2;
        work.course.cbUseDirorCoord = run % 3 ? 1 : 0;
        work.course.cbSelectCourseTemplate = run % 4 < 2 ? 0 : 1;
        work.settings.cbFormatAngle = run % 3;
        work.settings.seLinePrecession = run % 5;
        const int n = 3 + run % 17;
        std::vector<TypedPoint> points;
        for (int k = 0; k < n; ++k)
            points.push_back({"P" + std::to_string(k), std::to_string(angle(random)), "1.5",
                              std::to_string(length(random)), std::to_string(vertical(random)), "1.7"});
        TypeTraverse(work, points, std::to_string(angle(random)), std::to_string(angle(random)),
                     std::to_string(coordinate(random)), std::to_string(coordinate(random)), "100",
                     std::to_string(coordinate(random)), std::to_string(coordinate(random)), "120");
        Type(work, 0, col::X, std::to_string(coordinate(random)));
        Type(work, 0, col::Y, std::to_string(coordinate(random)));
        if (AdjustCourse(work) == AdjustOutcome::Stopped)
            continue;
        const std::size_t width = work.course.cbSelectCourseTemplate ? 110 : 96;
        int tableLines = 0;
        for (const std::string& line : work.course.statement) {
            if (line.rfind(" [", 0) != 0)
                continue;
            ++tableLines;
            EXPECT_EQ(line.size(), width) << line;
            EXPECT_EQ(line.back(), ']');
        }
        EXPECT_EQ(tableLines, 2 * n - 1);
    }
}

} // namespace
