// The INI profile: the Windows reading rules, the writer's order, and the file writing.
#include "core/IniProfile.h"
#include "core/Codepage.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

using namespace kalimor;
namespace fs = std::filesystem;

namespace {

IniReader Ini(const std::string& utf8)
{
    return IniReader(Utf8ToCp1251(utf8));
}

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

fs::path FreshDir(const std::string& name)
{
    const fs::path dir = fs::temp_directory_path() / ("kalimor-ini-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

} // namespace

TEST(IniReader, ReadsValuesByTheWindowsRules)
{
    const IniReader ini = Ini("; before any section\r\n"
                              "orphan=lost\r\n"
                              "[ОБЩИЕ]\r\n"
                              "Исполнитель=Петров А.И.\r\n"
                              "  Spaced Key   =   padded value   \r\n"
                              "eq=a=b=c\r\n"
                              "dq=\"quoted\"\r\n"
                              "sq='single'\r\n"
                              "mixed=\"half'\r\n"
                              "lone=\"\r\n"
                              "pair=\"\"\r\n"
                              "outer=\"a\" and \"b\"\r\n"
                              "inner= \" kept blanks \" \r\n"
                              "Ёлка=ёж\r\n"
                              "empty=\r\n"
                              "first=1\r\n"
                              "FIRST=2\n"
                              "[обЩие]\r\n"
                              "second=never read\r\n"
                              "[Other]\n"
                              "unix=lf only\n");
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"ОБЩИЕ", "Исполнитель", "Петров А.И."},
        {"общие", "исполнитель", "Петров А.И."}, // Cyrillic letters compare without case
        {"ОбЩиЕ", "ИСПОЛНИТЕЛЬ", "Петров А.И."},
        {"ОБЩИЕ", "spaced key", "padded value"},
        {" ОБЩИЕ ", "  Spaced Key ", "padded value"},
        {"ОБЩИЕ", "eq", "a=b=c"},
        {"ОБЩИЕ", "dq", "quoted"},
        {"ОБЩИЕ", "sq", "single"},
        {"ОБЩИЕ", "mixed", "\"half'"},
        {"ОБЩИЕ", "lone", "\""},
        {"ОБЩИЕ", "pair", ""},
        {"ОБЩИЕ", "outer", "a\" and \"b"},
        {"ОБЩИЕ", "inner", " kept blanks "},
        {"ОБЩИЕ", "ёЛКА", "ёж"},
        {"ОБЩИЕ", "empty", ""},
        {"ОБЩИЕ", "first", "1"},
        {"ОБЩИЕ", "second", std::nullopt}, // a repeated section is not looked in
        {"ОБЩИЕ", "orphan", std::nullopt},
        {"other", "UNIX", "lf only"},
        {"Missing", "first", std::nullopt},
        {"ОБЩИЕ", "missing", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        const auto v = ini.find(Utf8ToCp1251(c.section), Utf8ToCp1251(c.key));
        ASSERT_EQ(v.has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_EQ(std::string(*v), Utf8ToCp1251(*c.value));
        }
    }
    EXPECT_EQ(ini.readString("Other", "nothing", "def"), "def");
    EXPECT_TRUE(ini.hasSection(Utf8ToCp1251("общие")));
    EXPECT_FALSE(ini.hasSection("missing"));
}

TEST(IniReader, FoldsEveryCyrillicCapitalOfTheCodePage)
{
    const std::string capitals = Utf8ToCp1251("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЂЃЉЊЌЋЏЎЈҐЄЇІЅ");
    const std::string small = Utf8ToCp1251("абвгдеёжзийклмнопрстуфхцчшщъыьэюяђѓљњќћџўјґєїіѕ");
    EXPECT_EQ(FoldIniName(capitals), small);
    EXPECT_EQ(FoldIniName("Key_1-A"), "key_1-a");
}

TEST(IniReader, ReadsIntegersDecimalOrHexElseTheDefault)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"0x1F", 31},
        {"0XfF", 255},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"2147483648", 99},
        {"12abc", 99},
        {"", 99},
        {"1.5", 99},
        {"0x", 99},
        {"0x1G", 99},
        {"-0x10", 99},
        {"--1", 99},
        {"-", 99},
        {"0x100000000", 99},
        {"'42'", 42},
        {" 8 ", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const IniReader ini(std::string("[s]\r\nk=") + c.text + "\r\n");
        EXPECT_EQ(ini.readInteger("s", "k", 99), c.expected);
    }
    const IniReader ini("[s]\r\nzero=0\r\nset=5\r\nbad=yes\r\n");
    EXPECT_FALSE(ini.readBool("s", "zero", true));
    EXPECT_TRUE(ini.readBool("s", "set", false));
    EXPECT_TRUE(ini.readBool("s", "bad", true));
    EXPECT_FALSE(ini.readBool("s", "missing", false));
    EXPECT_EQ(ini.readInteger("s", "missing", 60), 60);
}

TEST(IniReader, KeepsValuesLongerThanTheOldLimitAndSurvivesBinaryText)
{
    const std::string longValue(5000, 'x');
    const IniReader ini("[s]\r\nlong=" + longValue + "\r\n");
    EXPECT_EQ(ini.readString("s", "long", ""), longValue);

    std::string binary = "[s]\r\nk=v\r\n";
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i);
    binary += "\r\n[\r\n]\r\n[]\r\nk2=w";
    const IniReader odd(binary);
    EXPECT_EQ(odd.readString("s", "k", ""), "v");
    EXPECT_EQ(odd.readString("", "k2", ""), "w"); // an empty section name is still a section
}

TEST(IniWriter, WritesSectionsWhereTheirFirstKeyComesAndReplacesKeysInPlace)
{
    IniWriter w;
    w.writeString("A", "one", "1");
    w.writeString("B", "two", "2");
    w.writeString("a", "three", "3"); // back to A: appended at its end
    w.writeInteger("B", "four", -4);
    w.writeBool("A", "ONE", true); // same key, other case: replaced in place
    w.writeString("B", "empty", "");
    EXPECT_EQ(w.text(), "[A]\r\none=1\r\nthree=3\r\n[B]\r\ntwo=2\r\nfour=-4\r\nempty=\r\n");
    EXPECT_EQ(IniWriter().text(), "");
}

TEST(IniFiles, WriteReplacesTheTargetWholeOrLeavesItAlone)
{
    const fs::path dir = FreshDir("write");
    const fs::path target = dir / "project.srv";
    WriteFileReplacing(target.string(), "first\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    WriteFileReplacing(target.string(), "second\r\n");
    EXPECT_EQ(Slurp(target), "second\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadWholeFile(target.string()), "second\r\n");
    // Nothing but the target is left in the folder: the temporary file was renamed.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    const std::string missingFolder = (dir / "no" / "such.srv").string();
    try {
        WriteFileReplacing(missingFolder, "x");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + missingFolder);
    }
    // A folder in place of the file: the folder stays and the write is refused.
    fs::create_directories(dir / "folder.srv");
    EXPECT_THROW(WriteFileReplacing((dir / "folder.srv").string(), "x"), FileError);
    EXPECT_TRUE(fs::is_directory(dir / "folder.srv"));
    EXPECT_EQ(Slurp(target), "second\r\n");
    fs::remove_all(dir);
}

TEST(IniFiles, ReadingAMissingFileOrAFolderFails)
{
    const fs::path dir = FreshDir("read");
    const std::string missing = (dir / "missing.srv").string();
    try {
        ReadWholeFile(missing);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    EXPECT_THROW(IniReader::fromFile(dir.string()), FileError);
    fs::remove_all(dir);
}

TEST(IniReader, NumberedKeysFollowTheSameRulesAsNames)
{
    std::string text = "[list]\r\n0=3\r\n2=two\r\n 1 =one\r\n2=second two\r\n007=seven\r\n999999999=far\r\n";
    for (int k = 0; k < 3000; ++k) // more sparse numbers than the file has lines
        text += std::to_string(100000 + k * 1000) + "=v" + std::to_string(k) + "\r\n";
    text += "100000=again\r\n[other]\r\n1=other one\r\n";
    const IniReader ini(text);
    EXPECT_EQ(ini.readString("list", "0", ""), "3");
    EXPECT_EQ(ini.readString("list", "1", ""), "one");
    EXPECT_EQ(ini.readString("list", " 2", ""), "two"); // the first of a key wins
    EXPECT_EQ(ini.readString("list", "7", "none"), "none");
    EXPECT_EQ(ini.readString("list", "007", ""), "seven");
    EXPECT_EQ(ini.readString("list", "999999999", ""), "far");
    EXPECT_EQ(ini.readString("list", "100000", ""), "v0");
    EXPECT_EQ(ini.readString("list", "2099000", ""), "v1999");
    EXPECT_EQ(ini.readString("list", "3099000", ""), "v2999");
    EXPECT_FALSE(ini.find("list", "3").has_value());
    EXPECT_EQ(ini.readString("other", "1", ""), "other one");
}

TEST(IniWriter, NumberedKeysAreReplacedInPlaceWhereverTheyLive)
{
    IniWriter w;
    w.writeString("s", "5000000", "far");
    w.writeString("s", "1", "a");
    w.writeString("s", "0", "b");
    w.writeString("s", "1", "c");
    w.writeString("s", "5000000", "farther");
    w.writeString("s", "01", "d");
    EXPECT_EQ(w.text(), "[s]\r\n5000000=farther\r\n1=c\r\n0=b\r\n01=d\r\n");
}
