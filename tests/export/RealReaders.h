#pragma once
// Runs the programs no one here wrote (GDAL's ogr2ogr, Debian's python3-xlrd) over what the
// exports write. A missing tool fails the test with a message naming it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace exporttest {

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs a shell command and collects its standard output.
inline ToolRun RunTool(const std::string& command)
{
    ToolRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), n);
    run.status = ::pclose(pipe);
    return run;
}

inline std::string Quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline bool ToolPresent(const char* path, const char* package)
{
    if (std::filesystem::exists(path))
        return true;
    ADD_FAILURE() << path << " not found: install " << package << " (scripts/deps lists it)";
    return false;
}

// ogr2ogr -f CSV /vsistdout/ FILE -lco GEOMETRY=AS_WKT
inline ToolRun OgrToCsv(const std::string& file)
{
    return RunTool(std::string(KALIMOR_OGR2OGR) + " -f CSV /vsistdout/ " + Quoted(file) + " -lco GEOMETRY=AS_WKT 2>&1");
}

// The rows of a CSV text (quoted fields may hold commas and doubled quotes).
inline std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\n') {
            row.push_back(field);
            field.clear();
            rows.push_back(row);
            row.clear();
        } else if (c != '\r') {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) {
        row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

// A WKT geometry as its type and its numbers in order ("POINT (2 1)" gives POINT, {2, 1}).
struct Geometry {
    std::string type;
    std::vector<double> numbers;
};

inline Geometry ParseWkt(const std::string& wkt)
{
    Geometry g;
    const auto open = wkt.find('(');
    g.type = wkt.substr(0, open == std::string::npos ? wkt.size() : open);
    while (!g.type.empty() && g.type.back() == ' ')
        g.type.pop_back();
    std::string number;
    for (std::size_t i = open == std::string::npos ? wkt.size() : open; i <= wkt.size(); ++i) {
        const char c = i < wkt.size() ? wkt[i] : ' ';
        if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == '+') {
            number += c;
        } else if (!number.empty()) {
            g.numbers.push_back(std::stod(number));
            number.clear();
        }
    }
    return g;
}

} // namespace exporttest
