#pragma once
// Shared by the export tests: a scratch folder, file reading, the mixed statement fixture
// and a small traverse.
#include "core/Codepage.h"
#include "export/ExportNaming.h"
#include "work/Work.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace exporttest {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline std::string DataFile(const std::string& name)
{
    return ReadBytes(fs::path(KALIMOR_TEST_DATA) / "export" / name);
}

// Lines of a CR LF file, without their endings.
inline std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return lines;
}

// Runs a writer (or the export command) and answers the files it recorded.
template <class Writer, class... Args> kalimor::ExportFiles Written(Writer writer, Args&&... args)
{
    kalimor::ExportFiles files;
    writer(std::forward<Args>(args)..., files);
    return files;
}

// A fresh empty folder per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ =
            fs::temp_directory_path() / ("kalimor-export-" + std::string(info->test_suite_name()) + "-" + info->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    // The name as the save dialog would return it.
    std::string chosen(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(path_))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    fs::path path_;
};

// A tacheometry statement with a traverse-mode and a manual-mode station block in 3D (height
// and remote rows, a blank name, a row made too long by its name) and a 2D table.
inline std::vector<std::string> MixedStatement()
{
    return Lines(DataFile("statement_mixed.txt"));
}

// Three traverse points, 2D, default settings (3 decimals, every option set).
inline void SetThreePointTraverse(kalimor::Work& work)
{
    auto& c = work.course;
    c.SePointCourseCount = 3;
    c.cbSelectCourseTemplate = 0;
    c.points[0].Name = "A 1";
    c.points[0].X = 100.123;
    c.points[0].Y = 200.5;
    c.points[0].H = 10;
    c.points[1].Name = "A2";
    c.points[1].X = 110;
    c.points[1].Y = 210.25;
    c.points[1].H = 11.5;
    c.points[2].Name = "B";
    c.points[2].X = 120.0004;
    c.points[2].Y = 220.9996;
    c.points[2].H = 12.0014;
    // A fourth point beyond the count must not reach any export.
    c.points[3].Name = "Z";
    c.statement = {" ", Ru("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТЕОДОЛИТНОГО ХОДА")};
}

} // namespace exporttest
