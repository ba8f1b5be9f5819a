#include "intake/ReceivedText.h"
#include "core/Codepage.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using kalimor::ReceivedText;

namespace {

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TempDir {
    std::filesystem::path path;
    TempDir()
    {
        path = std::filesystem::temp_directory_path() /
               ("kalimor-received-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
};

struct CountCase {
    std::string text;
    std::size_t lines;
};

const std::vector<CountCase> kCountCases = {
    {"", 0},      {"a", 1},       {"a\r\n", 1},  {"a\r\nb", 2},   {"\r\n", 1},         {"a\r\n\r\n", 2},
    {"a\n\n", 2}, {"a\rb\nc", 3}, {"a\n\rb", 3}, {"\r\r\n\n", 3}, {"12 100.5\r\n", 1},
};

} // namespace

TEST(ReceivedText, CountsLinesLeavingOutAnEmptyLastLine)
{
    for (const auto& c : kCountCases) {
        ReceivedText received;
        received.assign(c.text);
        EXPECT_EQ(received.lineCount(), c.lines) << '"' << c.text << '"';
        EXPECT_EQ(received.lines().size(), c.lines) << '"' << c.text << '"';
    }
}

TEST(ReceivedText, ChunksCountAsTheWholeTextWhereverTheySplitIt)
{
    // Every split into two chunks, and byte by byte: a CR LF torn apart is still one break.
    for (const auto& c : kCountCases) {
        ReceivedText whole;
        whole.assign(c.text);
        for (std::size_t cut = 0; cut <= c.text.size(); ++cut) {
            ReceivedText received;
            std::string shown = received.append(std::string_view(c.text).substr(0, cut));
            shown += received.append(std::string_view(c.text).substr(cut));
            EXPECT_EQ(received.text, c.text);
            EXPECT_EQ(received.lineCount(), c.lines) << '"' << c.text << "\" cut at " << cut;
            EXPECT_EQ(shown, whole.viewText()) << '"' << c.text << "\" cut at " << cut;
        }
        ReceivedText bytewise;
        std::string shown;
        for (char ch : c.text)
            shown += bytewise.append(std::string_view(&ch, 1));
        EXPECT_EQ(bytewise.lineCount(), c.lines) << '"' << c.text << '"';
        EXPECT_EQ(shown, whole.viewText());
    }
}

TEST(ReceivedText, TwoReceptionsMakeOneLine)
{
    ReceivedText received;
    EXPECT_EQ(received.counterText(), Ru("Принято строк: 0"));
    EXPECT_EQ(received.append("12 1"), "12 1");
    EXPECT_EQ(received.append("00.5\r\n"), "00.5\n");
    EXPECT_EQ(received.text, "12 100.5\r\n");
    EXPECT_EQ(received.lines(), std::vector<std::string>{"12 100.5"});
    EXPECT_EQ(received.counterText(), Ru("Принято строк: 1"));
}

TEST(ReceivedText, KeepsEveryByteUnchanged)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    ReceivedText received;
    received.append(all.substr(0, 100));
    received.append(all.substr(100));
    EXPECT_EQ(received.text, all);
}

TEST(ReceivedText, ClearEmptiesAndLaterChunksCountFromNothing)
{
    ReceivedText received;
    received.append("a\r\nb\r");
    received.clear();
    EXPECT_EQ(received.text, "");
    EXPECT_EQ(received.lineCount(), 0u);
    // The CR before the clear must not swallow this LF.
    EXPECT_EQ(received.append("\nc"), "\nc");
    EXPECT_EQ(received.lineCount(), 2u);
}

TEST(ReceivedText, FollowsATextReplacedByOtherCode)
{
    ReceivedText received;
    received.append("a\nb");
    EXPECT_FALSE(received.sync());
    EXPECT_EQ(received.lineCount(), 2u);

    received.text = "ab\n"; // same length, other lines
    EXPECT_TRUE(received.sync());
    EXPECT_EQ(received.lineCount(), 1u);
    EXPECT_FALSE(received.sync());

    received.text = "x\r\ny\r\nz\r\n";
    EXPECT_TRUE(received.sync());
    EXPECT_EQ(received.lineCount(), 3u);

    received.text.clear();
    EXPECT_TRUE(received.sync());
    EXPECT_EQ(received.counterText(), Ru("Принято строк: 0"));

    // A chunk after a replacement nobody announced still counts the new text.
    received.text = "p\rq\r";
    received.append("\nr");
    EXPECT_EQ(received.lineCount(), 3u);
}

TEST(ReceivedText, EveryChangeRaisesTheRevision)
{
    // A view compares revisions to know whether it still shows the text; a replacement by the
    // engine's own assign or clear counts at once and must still be seen as a change.
    ReceivedText received;
    auto last = received.revision();
    const auto changed = [&] {
        const bool up = received.revision() != last;
        last = received.revision();
        return up;
    };
    received.append("a\r\n");
    EXPECT_TRUE(changed());
    received.assign("a\r\n");
    EXPECT_TRUE(changed());
    received.clear();
    EXPECT_TRUE(changed());
    EXPECT_FALSE(received.sync());
    EXPECT_FALSE(changed());
    received.text = "b";
    EXPECT_TRUE(received.sync());
    EXPECT_TRUE(changed());
}

TEST(ReceivedText, LinesSplitAtEveryKindOfBreak)
{
    ReceivedText received;
    received.assign("a\r\nb\rc\n\nd");
    EXPECT_EQ(received.lines(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(received.viewText(), "a\nb\nc\n\nd");
}

TEST(ReceivedSave, AddsTxtOnlyWhenTheNameHasNoExtension)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"data", "data.txt"},
        {"data.dat", "data.dat"},
        {"/tmp/data", "/tmp/data.txt"},
        {"/tmp/archive.d/data", "/tmp/archive.d/data.txt"},
        {"/tmp/archive.d/data.TXT", "/tmp/archive.d/data.TXT"},
    };
    for (const auto& [chosen, written] : cases)
        EXPECT_EQ(kalimor::ReceivedSaveName(chosen), written) << chosen;
}

TEST(ReceivedSave, WritesEveryLineWithCrLf)
{
    TempDir dir;
    ReceivedText received;
    received.append("12 1");
    received.append("00.5\r\nX\rY\n\n");
    received.append(Ru("Ы"));

    const std::string data = (dir.path / "data").string();
    EXPECT_EQ(kalimor::SaveReceivedText(received, data), data + ".txt");
    EXPECT_EQ(ReadBytes(data + ".txt"), "12 100.5\r\nX\r\nY\r\n\r\n\xDB\r\n");
    EXPECT_FALSE(std::filesystem::exists(data));

    const std::string dat = (dir.path / "data.dat").string();
    EXPECT_EQ(kalimor::SaveReceivedText(received, dat), dat);
    EXPECT_EQ(ReadBytes(dat), ReadBytes(data + ".txt"));

    // Saving over an existing file replaces it; an empty text gives an empty file.
    EXPECT_EQ(kalimor::SaveReceivedText(ReceivedText{}, dat), dat);
    EXPECT_EQ(ReadBytes(dat), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);
}

TEST(ReceivedSave, AFailedWriteReportsTheNameAndLeavesNothingBehind)
{
    TempDir dir;
    ReceivedText received;
    received.append("a\r\n");

    const std::string missing = (dir.path / "no-such-folder" / "data").string();
    try {
        kalimor::SaveReceivedText(received, missing);
        FAIL() << "no error";
    } catch (const kalimor::FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + missing + ".txt");
    }

    // A folder in the way: the write fails and the folder stays as it was.
    const auto folder = dir.path / "taken.txt";
    std::filesystem::create_directory(folder);
    EXPECT_THROW(kalimor::SaveReceivedText(received, folder.string()), kalimor::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);
}
