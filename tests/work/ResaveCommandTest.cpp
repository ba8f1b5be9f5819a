// kalimor-cli resave: the project opened as "Открыть" and written as "Сохранить".
#include "core/Codepage.h"
#include "work/ProjectFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

using namespace kalimor;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int RunCli(const std::string& args)
{
    const int status = std::system((std::string(KALIMOR_CLI) + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ResaveCommand, WritesTheOpenedWorkUnderTheNewName)
{
    const fs::path dir = fs::temp_directory_path() / "kalimor-resave";
    fs::remove_all(dir);
    fs::create_directories(dir / "папка");
    // An older file: a note with blanks, a name with blanks, unknown keys and no version.
    const std::string old = Utf8ToCp1251("[ИСХОДНЫЕ ДАННЫЕ]\r\nточек в ходе=3\r\nA1=45\r\n"
                                         "[Лишнее]\r\nx=1\r\n"
                                         "[ТОЧКИ ХОДА]\r\n1=A 100 180 0 0 0\r\n2=B 100 180\r\n3=C\r\n"
                                         "[ИМПОРТ]\r\n0=1\r\n1=~1 2 3 4 1 угол дома~\r\n");
    std::ofstream(dir / "папка" / "old.srv", std::ios::binary) << old;

    ASSERT_EQ(RunCli("resave '" + (dir / "папка" / "old.srv").string() + "' '" + (dir / "new.txt").string() + "'"), 0);
    const std::string written = Slurp(dir / "new.srv");
    Work expected;
    OpenProjectText(expected, old, "old.srv");
    EXPECT_EQ(written, ProjectText(expected));
    EXPECT_NE(written.find(Utf8ToCp1251("1=~1 2 3 4 1 угол дома~\r\n")), std::string::npos);
    EXPECT_EQ(written.find(Utf8ToCp1251("Лишнее")), std::string::npos);

    EXPECT_EQ(RunCli("resave '" + (dir / "missing.srv").string() + "' '" + (dir / "x.srv").string() + "'"), 1);
    EXPECT_FALSE(fs::exists(dir / "x.srv"));
    EXPECT_EQ(RunCli("resave only-one.srv"), 2);
    fs::remove_all(dir);
}
