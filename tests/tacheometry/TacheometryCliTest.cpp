// kalimor-cli tacheometry end to end: the statement on stdout, reports on stderr, exit codes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int code = -1;
    std::string out, err;
};

CliRun Cli(const std::string& args)
{
    const std::string errFile = testing::TempDir() + "tacheometry_cli_err.txt";
    const std::string command = std::string(KALIMOR_CLI) + " tacheometry " + args + " 2>" + errFile;
    CliRun r;
    FILE* pipe = popen(command.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        r.out.append(buf, n);
    r.code = WEXITSTATUS(pclose(pipe));
    std::ifstream in(errFile);
    std::stringstream ss;
    ss << in.rdbuf();
    r.err = ss.str();
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

const std::string kExample = std::string(KALIMOR_EXAMPLES) + "/demo_pickets.utf";
const std::string kData = std::string(KALIMOR_TEST_DATA) + "/tacheometry/";

TEST(TacheometryCli, DemoPicketsContinueTheDemoTraverse)
{
    const CliRun r = Cli(kExample + " --station 2,6543214.657,2345489.027,151.776,1.4 --orient "
                                    "1,6543188.903,2345341.771 --target 2 --template 3d --no-identification");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "Данные загружены в пикетаж.\n");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u + 3 + 4 + 15 + 1);
    EXPECT_EQ(lines[4],
              " Точка стояния : 2            X: 6543214.657  Y: 2345489.027  H: 151.776      i: 1.4         ");
    EXPECT_EQ(lines[10], " [      101 |      12°15'30\" |      -0°35'12\" |     18.412 | 6543215.408 | 2345470.631 |  "
                         "150.987 ]");
    EXPECT_EQ(lines[24].substr(0, 13), " [      115 |");
    EXPECT_NE(lines[24].find("|*   4.573 ]"), std::string::npos);
}

TEST(TacheometryCli, BadRowsAreReportedAndTheRestComputed)
{
    const CliRun r = Cli(kData + "bad_row.utf --station S,0,0 --orient O,100,0 --name-from note --prefix P "
                                 "--no-identification --decimals 2 --angles compact");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "Ошибка в структуре файла в строке 2\nДанные загружены в пикетаж.\n");
    const auto lines = Lines(r.out);
    // The failed row's place is taken by the next one; the third picket keeps its empty record.
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4],
              " [       PA |         450000 |          53000 |        100 |       70.39 |       70.39 ]");
    EXPECT_EQ(lines[lines.size() - 3].substr(0, 13), " [       PC |");
}

TEST(TacheometryCli, ConversionErrorInsideTheComputationStopsWithExit1)
{
    const CliRun r = Cli(kExample + " --station 2,abc,0 --orient 1,0,0");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("'abc' is not a valid floating point value"), std::string::npos);
    EXPECT_EQ(r.out, "");

    const CliRun h = Cli(kExample + " --station 2,0,0,x,1 --orient 1,0,0 --template 3d --no-identification");
    EXPECT_EQ(h.code, 1);
    EXPECT_NE(h.err.find("'x' is not a valid floating point value"), std::string::npos);
    EXPECT_EQ(Lines(h.out).size(), 3u + 3); // title and station lines stay
}

TEST(TacheometryCli, UsageErrors)
{
    for (const std::string& args :
         {kExample + " --station 2,0,0", kExample + " --station 2,0 --orient 1,0,0",
          kExample + " --station 2,0,0 --orient 1,0,0 --name-from x",
          kExample + " --station 2,0,0 --orient 1,0,0 --bogus", std::string("--station 2,0,0 --orient 1,0,0")})
        EXPECT_EQ(Cli(args).code, 2) << args;
    const CliRun missing = Cli("/nonexistent.utf --station 2,0,0 --orient 1,0,0");
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Cannot open file /nonexistent.utf"), std::string::npos);
}

} // namespace
