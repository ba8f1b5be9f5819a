#include "intake/InstrumentImport.h"

#include "core/Angles.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "intake/ImportTable.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

namespace kalimor {
namespace {

// Characters a to b of the line (counted from 1), every blank removed; what lies past the
// end of the line is simply absent.
std::string Field(std::string_view line, std::size_t a, std::size_t b)
{
    std::string out;
    if (a > line.size())
        return out;
    const std::size_t end = b < line.size() ? b : line.size();
    for (std::size_t i = a - 1; i < end; ++i)
        if (line[i] != ' ')
            out.push_back(line[i]);
    return out;
}

bool StartsWith(std::string_view line, std::string_view lead)
{
    return line.substr(0, lead.size()) == lead;
}

// A fixed-position line counts only with more than 10 characters other than blanks.
bool Kept(std::string_view line)
{
    int count = 0;
    for (char c : line)
        if (c != ' ' && ++count > 10)
            return true;
    return false;
}

bool CharAt(std::string_view line, std::size_t position, char c)
{
    return position <= line.size() && line[position - 1] == c;
}

std::string RunningNumber(const ImportPage& page)
{
    return std::to_string(page.rowList.size() + 1);
}

// Variant 1: the first record kind whose lead matches reads the line; nothing is converted.
bool ReadRecorderLine(std::string_view line, const ImportPage& page, ImportRow& row)
{
    if (StartsWith(line, "For M5")) {
        row.address = Field(line, 12, 16);
        row.note = Field(line, 22, 48);
        row.slopeDistance = Field(line, 58, 66);
        row.horizontalAngle = Field(line, 81, 89);
        row.verticalAngle = Field(line, 104, 112);
        row.station = CharAt(line, 32, 'A');
    } else if (StartsWith(line, "For R4")) {
        row.address = RunningNumber(page);
        row.note = Field(line, 11, 17);
        row.slopeDistance = Field(line, 22, 32);
        row.horizontalAngle = Field(line, 42, 52);
        row.verticalAngle = Field(line, 62, 72);
        row.station = CharAt(line, 17, 'A');
    } else if (StartsWith(line, "For R5")) {
        row.address = Field(line, 12, 15);
        row.note = Field(line, 20, 26);
        row.slopeDistance = Field(line, 31, 41);
        row.horizontalAngle = Field(line, 51, 61);
        row.verticalAngle = Field(line, 71, 81);
        row.station = CharAt(line, 21, 'A');
    } else if (StartsWith(line, "   ")) {
        row.address = Field(line, 4, 7);
        row.note = Field(line, 19, 35);
        row.slopeDistance = Field(line, 39, 50);
        row.horizontalAngle = Field(line, 54, 66);
        row.verticalAngle = Field(line, 70, 78);
        row.station = CharAt(line, 23, 'A');
    } else {
        return false;
    }
    return true;
}

bool IsR5(std::string_view line)
{
    return StartsWith(line, "For R5");
}

// Variant 2: the vertical angle is Z - 90 degrees from the zenith reading; an empty zenith
// field counts as 90.
void ReadR5ZenithLine(std::string_view line, ImportRow& row)
{
    std::string zenith = Field(line, 71, 81);
    if (zenith.empty())
        zenith = "90";
    const double z = StrToFloat(zenith);
    row.address = Field(line, 12, 15);
    row.note = Field(line, 20, 26);
    row.slopeDistance = Field(line, 31, 41);
    row.horizontalAngle = Field(line, 51, 61);
    row.verticalAngle = RadiansToAngleText(AngleNotation::Packed, PackedToRadians(z) - std::numbers::pi / 2);
}

bool Is3Ta5(std::string_view line)
{
    return StartsWith(line, "2311") || StartsWith(line, "2011");
}

// 3Ta5 angles are whole numbers in units of 0.0001 of the packed notation.
std::string Ta5Angle(const std::string& field)
{
    return NumberText(StrToFloat(field) / 10000);
}

void Read3Ta5Line(std::string_view line, const ImportPage& page, bool horizontalDistance, ImportRow& row)
{
    const std::string hz = Field(line, 45, 52);
    const std::string v = Field(line, 56, 64);
    const std::string distance = Field(line, 30, 40);
    std::string hzText, vText, sdText;
    if (horizontalDistance) {
        hzText = Ta5Angle(hz);
        vText = Ta5Angle(v);
        const double d = StrToFloat(distance);
        sdText = NumberText(RoundToDecimals(3, d / std::cos(PackedToRadians(StrToFloat(vText)))));
    } else {
        // An unreadable angle is left empty; the line still counts.
        double value = 0;
        if (TryStrToFloat(hz, value))
            hzText = NumberText(value / 10000);
        if (TryStrToFloat(v, value))
            vText = NumberText(value / 10000);
        sdText = distance;
    }
    row.address = RunningNumber(page);
    row.note = Field(line, 12, 16);
    row.slopeDistance = std::move(sdText);
    row.horizontalAngle = std::move(hzText);
    row.verticalAngle = std::move(vText);
}

bool IsSdrObservation(std::string_view line)
{
    return StartsWith(line, "09F1");
}

// The four characters at positions 33..36 mark a traverse station when they read as a
// decimal whole number of at least 1000. Leading blanks are allowed, nothing else is: point
// names of letters simply leave the row unmarked.
bool SdrStationMark(std::string_view line)
{
    const std::string_view mark = line.size() > 32 ? line.substr(32, 4) : std::string_view();
    std::size_t i = 0;
    while (i < mark.size() && mark[i] == ' ')
        ++i;
    bool negative = false;
    if (i < mark.size() && (mark[i] == '+' || mark[i] == '-')) {
        negative = mark[i] == '-';
        ++i;
    }
    if (i == mark.size())
        return false;
    int value = 0;
    for (; i < mark.size(); ++i) {
        if (mark[i] < '0' || mark[i] > '9')
            return false;
        value = value * 10 + (mark[i] - '0');
    }
    return !negative && value >= 1000;
}

// Variants 5 and 6: angles in decimal degrees; the vertical angle from the vertical circle
// reading Z, with opposite signs in the two variants.
void ReadSdrLine(std::string_view line, const ImportPage& page, bool zenithDown, ImportRow& row)
{
    const std::string hz = DecimalDegreesToPacked(Field(line, 69, 79));
    const double z = StrToFloat(Field(line, 53, 61));
    std::string v;
    if (!zenithDown) {
        v = DecimalDegreesToPacked(NumberText(z - 90));
        if (z < 90) {
            const double negated = -StrToFloat(v);
            v = NumberText(negated == 0 ? 0.0 : negated);
        }
    } else if (z <= 90) {
        v = DecimalDegreesToPacked(NumberText(90 - z));
    } else {
        v = "-" + DecimalDegreesToPacked(NumberText(z - 90));
    }
    row.address = RunningNumber(page);
    row.note = Field(line, 33, 36);
    row.slopeDistance = Field(line, 37, 47);
    row.horizontalAngle = hz;
    row.verticalAngle = std::move(v);
    row.station = SdrStationMark(line);
}

// Whether the line is one the variant reads; the values themselves are worked out only after
// the row has been appended, so that a failing conversion leaves an empty row behind.
bool Accepts(int variant, std::string_view line)
{
    switch (variant) {
    case kRecordersSlope:
        return Kept(line) && (StartsWith(line, "For M5") || StartsWith(line, "For R4") || StartsWith(line, "For R5") ||
                              StartsWith(line, "   "));
    case kR5Zenith:
        return Kept(line) && IsR5(line);
    case k3Ta5Slope:
    case k3Ta5Horizontal:
        return Kept(line) && Is3Ta5(line);
    case kSdrVerticalUp:
    case kSdrVerticalDown:
        return Kept(line) && IsSdrObservation(line);
    case kUserText:
        return true;
    default:
        return false;
    }
}

void ReadLine(int variant, std::string_view line, const ImportPage& page, ImportRow& row)
{
    switch (variant) {
    case kRecordersSlope:
        ReadRecorderLine(line, page, row);
        break;
    case kR5Zenith:
        ReadR5ZenithLine(line, row);
        break;
    case k3Ta5Slope:
        Read3Ta5Line(line, page, false, row);
        break;
    case k3Ta5Horizontal:
        Read3Ta5Line(line, page, true, row);
        break;
    case kSdrVerticalUp:
        ReadSdrLine(line, page, false, row);
        break;
    case kSdrVerticalDown:
        ReadSdrLine(line, page, true, row);
        break;
    case kUserText:
        row = UserTextRow(line);
        break;
    default:
        break;
    }
}

} // namespace

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.push_back(text.substr(start));
    return lines;
}

std::string ReadFileBytes(const std::string& name)
{
    const std::string path = Cp1251ToUtf8(name);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw FileError::cannotOpen(name);
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    // A folder opens on some systems but cannot be read.
    if (std::ferror(file.get()))
        throw FileError::cannotOpen(name);
    return bytes;
}

void ImportInstrumentFile(ImportPage& page, int variant)
{
    if (page.edFileName.empty())
        return;
    page.rows.clear();
    page.selected.clear();
    const std::string bytes = ReadFileBytes(page.edFileName);
    ImportContent(page, bytes, variant);
}

void ImportContent(ImportPage& page, std::string_view content, int variant)
{
    page.rows.clear();
    page.selected.clear();
    page.rowList.clear();
    page.beginList.clear();
    page.endList.clear();
    page.cbBegin.clear();
    page.cbEnd.clear();
    page.cbBeginIndex = page.cbEndIndex = -1;

    const std::vector<std::string_view> lines = SplitLines(content);
    if (variant == kUserText) {
        page.rows.reserve(lines.size());
        page.rowList.reserve(lines.size());
        page.beginList.reserve(lines.size());
        page.endList.reserve(lines.size());
    }
    for (std::string_view line : lines) {
        if (!Accepts(variant, line))
            continue;
        page.rows.emplace_back();
        page.selected.push_back(false);
        ImportRow row;
        // A failing conversion leaves the appended row empty and ends the import here.
        ReadLine(variant, line, page, row);
        ImportRow& added = page.rows.back();
        added = std::move(row);
        page.rowList.push_back(UserTextLine(added));
        std::string address = RemoveChar(added.address, ' ');
        page.beginList.push_back(address);
        page.endList.push_back(std::move(address));
    }
    if (!page.beginList.empty()) {
        page.cbBeginIndex = 0;
        page.cbBegin = page.beginList.front();
        page.cbEndIndex = static_cast<int>(page.endList.size()) - 1;
        page.cbEnd = page.endList.back();
    }
    UpdateRowCounter(page);
}

ImportRow UserTextRow(std::string_view line)
{
    ImportRow row;
    // One pass over the line: the fields are split at every blank, the sixth is the note.
    std::string_view fields[6];
    std::size_t start = 0;
    int k = 0;
    for (; k < 6; ++k) {
        const std::size_t blank = line.find(' ', start);
        if (blank == std::string_view::npos) {
            fields[k] = line.substr(start);
            ++k;
            break;
        }
        fields[k] = line.substr(start, blank - start);
        start = blank + 1;
    }
    row.address = fields[0];
    row.slopeDistance = fields[1];
    row.horizontalAngle = fields[2];
    row.verticalAngle = fields[3];
    row.station = fields[4] != "0";
    row.note = fields[5];
    return row;
}

std::string UserTextLine(const ImportRow& row)
{
    std::string line;
    line.reserve(row.address.size() + row.slopeDistance.size() + row.horizontalAngle.size() + row.verticalAngle.size() +
                 row.note.size() + 7);
    line += row.address;
    line += ' ';
    line += row.slopeDistance;
    line += ' ';
    line += row.horizontalAngle;
    line += ' ';
    line += row.verticalAngle;
    line += ' ';
    line += row.station ? '1' : '0';
    line += ' ';
    line += row.note;
    return line;
}

} // namespace kalimor
