#include "tacheometry/PiketCalc.h"

#include "core/Angles.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "tacheometry/Pickets.h"
#include "tacheometry/StationSetup.h"

#include <cmath>
#include <numbers>
#include <string_view>

namespace kalimor {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Twice the Earth radius, in metres.
constexpr double kEarthDiameter = 12742000;

std::string Blank()
{
    return std::string(kPiketBlankWidth, ' ');
}

// "%-12s": left-aligned, never cut.
void AppendLeft(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

// Right-aligned, never cut: an over-long text lengthens the line.
void AppendRight(std::string& out, std::string_view text, std::size_t width)
{
    if (text.size() < width)
        out.append(width - text.size(), ' ');
    out.append(text);
}

// A text read as a real only where the computation needs it: a bad text fails there, and
// everything computed before stays. Parsed once, so 2000 pickets do not parse it 2000 times.
class LazyReal {
public:
    explicit LazyReal(const std::string& text) : text_(text), ok_(TryStrToFloat(text, value_)) {}
    double get() const
    {
        if (!ok_)
            throw ConversionError(text_);
        return value_;
    }

private:
    const std::string& text_;
    double value_ = 0;
    bool ok_;
};

bool IsRuleB(const PiketPage& piket, int i)
{
    // A remote-height picket refers to record 0; record 0 itself has nothing to refer to and
    // is always computed as an ordinary picket.
    return i > 0 && piket.sePointPiketCount > 1 && piket.pickets[static_cast<std::size_t>(i)].slopeDistance == 0;
}

void AppendTitle(std::vector<std::string>& st, const ProcessingSettings& s)
{
    st.push_back(Blank());
    st.push_back(std::string(30, ' ') + Ru("ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТАХЕОМЕТРИИ"));
    if (s.ckbCourse)
        st.push_back(std::string(30, ' ') + Ru("ХОД/ОБЪЕКТ: ") + s.edNameCourseID);
    st.push_back(Blank());
    if (s.ckbPolevik)
        st.push_back(Ru(" ИСПОЛНИТЕЛЬ: ") + s.edNamePolevik);
    if (s.ckbCameral)
        st.push_back(Ru(" КАМЕРАЛЬЩИК: ") + s.edNameCameral);
    if (s.ckbInstrument)
        st.push_back(Ru(" ИНСТРУМЕНТ: ") + s.edinstrument);
}

void AppendStationBlock(PiketPage& piket)
{
    const bool traverseMode = piket.ckbAutoManual;
    const std::string& stationLabel = traverseMode ? Ru(" Точка стояния: ") : Ru(" Точка стояния : ");
    const std::string& orientLabel = traverseMode ? Ru(" Точка ориент.: ") : Ru(" Точка ориент. : ");
    const std::string& tc = traverseMode ? piket.cbTC : piket.edTC;
    const std::string& to = traverseMode ? piket.cbTO : piket.edTO;
    const bool threeD = piket.cbSelectPiketTemplate == 1;

    std::string station = stationLabel;
    AppendLeft(station, tc, 12);
    station += " X: ";
    AppendLeft(station, piket.neTCX, 12);
    station += " Y: ";
    AppendLeft(station, piket.neTCY, 12);
    if (threeD) {
        station += " H: ";
        AppendLeft(station, piket.nehcenter, 12);
        station += " i: ";
        AppendLeft(station, piket.nei, 12);
    }
    std::string orient = orientLabel;
    AppendLeft(orient, to, 12);
    orient += " X: ";
    AppendLeft(orient, piket.neTOX, 12);
    orient += " Y: ";
    AppendLeft(orient, piket.neTOY, 12);
    if (threeD) {
        orient.append(4 + 12, ' ');
        orient += " v: ";
        AppendLeft(orient, piket.neito, 12);
    }
    piket.statement.push_back(Blank());
    piket.statement.push_back(std::move(station));
    piket.statement.push_back(std::move(orient));
}

void AppendHeading(std::vector<std::string>& st, int templateItem)
{
    const std::string rule = PiketRule(templateItem);
    st.push_back(rule);
    if (templateItem == 0) {
        st.push_back(Ru(" |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |        Координаты         |"));
        st.push_back(Ru(" |          |      угол      |      угол      |    (SD),м  |     X, м    |     Y, м    |"));
    } else {
        st.push_back(
            Ru(" |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |                Координаты            |"));
        st.push_back(
            Ru(" |          |      угол      |      угол      |    (SD),м  |     X, м    |     Y, м    |   H,м    |"));
    }
    st.push_back(rule);
    st.push_back(rule);
}

// A distance, coordinate or height of the statement: rounded to the distance decimals and
// written as the short number text.
void AppendNumber(std::string& out, int decimals, double value, std::size_t width)
{
    char buf[kNumberTextCapacity];
    const std::size_t n = StatementNumberTo(buf, decimals, value);
    AppendRight(out, std::string_view(buf, n), width);
}

std::string Row(const PiketPage& piket, const ProcessingSettings& s, int i)
{
    const Picket& p = piket.pickets[static_cast<std::size_t>(i)];
    const int d = s.seLinePrecession;
    const bool threeD = piket.cbSelectPiketTemplate == 1;
    std::string row;
    row.reserve(threeD ? kPiketRowWidth3D : kPiketRowWidth2D);
    row += " [";
    AppendRight(row, s.IsOptionSet(7) ? std::string_view(p.name) : std::string_view(), 9);
    row += " |";
    AppendRight(row, PackedToAngleText(s.cbFormatAngle, p.horizontalAngle), 15);
    row += " |";
    AppendRight(row, PackedToAngleText(s.cbFormatAngle, p.verticalAngle), 15);
    row += " |";
    AppendNumber(row, d, p.slopeDistance, 11);
    row += " |";
    AppendNumber(row, d, p.x, 12);
    row += " |";
    AppendNumber(row, d, p.y, 12);
    if (!threeD) {
        row += " ]";
    } else if (IsRuleB(piket, i)) {
        row += " |*";
        AppendNumber(row, d, std::fabs(p.height), 8);
        row += " ]";
    } else {
        row += " |";
        AppendNumber(row, d, p.height, 9);
        row += " ]";
    }
    return row;
}

double Normalised(double direction)
{
    for (int pass = 0; pass < 2; ++pass) {
        if (direction < 0)
            direction += kTwoPi;
        else if (direction >= kTwoPi)
            direction -= kTwoPi;
    }
    return direction;
}

} // namespace

const std::string& StationNotChosenText()
{
    return Ru("Не выбрана точка стояния или точка ориентирования!");
}

const std::string& ClearStatementQuestion()
{
    return Ru("Ведомость пикетажа будет стерта. Продолжить?");
}

std::string PiketRule(int templateItem)
{
    return " " + std::string(templateItem == 1 ? 98 : 87, '-');
}

std::size_t StatementNumberTo(char* out, int decimals, double value)
{
    constexpr double kScale[] = {1, 10, 100, 1000, 10000};
    if (decimals < 0 || decimals > 4)
        return NumberTextTo(out, RoundToDecimals(decimals, value));
    // The rounded value as a whole count of its last decimal. Below 1e15 it has at most 15
    // digits, so its decimal text is what 15 significant digits give back, and with at most
    // four decimals it never needs the exponent form.
    const double count = std::nearbyint(value * kScale[decimals]);
    if (!(std::fabs(count) < 1e15))
        return NumberTextTo(out, RoundToDecimals(decimals, value));
    const long long whole = static_cast<long long>(count);
    if (whole == 0) {
        out[0] = '0';
        return 1;
    }
    unsigned long long u = whole < 0 ? static_cast<unsigned long long>(-whole) : static_cast<unsigned long long>(whole);
    char digits[20];
    int len = 0;
    while (u) {
        digits[len++] = static_cast<char>('0' + u % 10);
        u /= 10;
    }
    // digits holds the count from its last digit; the first `decimals` of them are the fraction.
    int fractionStart = 0;
    while (fractionStart < decimals && digits[fractionStart] == '0')
        ++fractionStart;
    std::size_t n = 0;
    if (whole < 0)
        out[n++] = '-';
    if (len <= decimals) {
        out[n++] = '0';
    } else {
        for (int i = len - 1; i >= decimals; --i)
            out[n++] = digits[i];
    }
    if (fractionStart < decimals) {
        out[n++] = '.';
        for (int i = decimals - 1; i >= fractionStart; --i)
            out[n++] = i < len ? digits[i] : '0';
    }
    return n;
}

PiketCalcResult btnCalcPiketClick(PiketPage& piket, const ProcessingSettings& s, int angleType)
{
    if (piket.ckbAutoManual && (piket.cbTC == NotChosenText() || piket.cbTO == NotChosenText()))
        return PiketCalcResult::StationNotChosen;

    StorePicket(piket, piket.currentPicket);

    const double toX = StrToFloat(piket.neTOX);
    const double tcX = StrToFloat(piket.neTCX);
    const double toY = StrToFloat(piket.neTOY);
    const double tcY = StrToFloat(piket.neTCY);
    const double theta = DirectionAngle(toY - tcY, toX - tcX);

    const int templateItem = piket.cbSelectPiketTemplate;
    const bool writesTable = templateItem == 0 || templateItem == 1;
    if (piket.titlePending) {
        AppendTitle(piket.statement, s);
        piket.titlePending = false;
    }
    if (piket.stationBlockPending && writesTable)
        AppendStationBlock(piket);

    const LazyReal h(piket.nehcenter), i(piket.nei), v(piket.neito);
    const std::string& refText = s.edRef;
    const LazyReal k(refText);
    const double curvature = s.ckbhoriz ? 1 / kEarthDiameter : 0;
    const int count = piket.sePointPiketCount;
    for (int n = 0; n < count; ++n) {
        Picket& p = piket.pickets[static_cast<std::size_t>(n)];
        if (!IsRuleB(piket, n)) {
            p.horizontalAngleRad = PackedToRadians(p.horizontalAngle);
            p.verticalAngleRad = PackedToRadians(p.verticalAngle);
            p.direction =
                Normalised(angleType == 1 ? theta + (kTwoPi - p.horizontalAngleRad) : theta + p.horizontalAngleRad);
            p.horizontalDistance = p.slopeDistance * std::cos(p.verticalAngleRad);
            p.x = tcX + p.horizontalDistance * std::cos(p.direction);
            p.y = tcY + p.horizontalDistance * std::sin(p.direction);
            p.height = (h.get() + i.get()) - v.get() + p.slopeDistance * std::sin(p.verticalAngleRad);
            const double refraction = s.ckbRef ? -k.get() / kEarthDiameter : 0;
            const double hd2 = p.horizontalDistance * p.horizontalDistance;
            p.height = hd2 * curvature + p.height + hd2 * refraction;
        } else {
            const Picket& first = piket.pickets[0];
            p.verticalAngleRad = PackedToRadians(p.verticalAngle);
            p.horizontalDistance = first.horizontalDistance;
            p.x = first.x;
            p.y = first.y;
            p.height = (h.get() + i.get()) +
                       first.horizontalDistance * std::sin(p.verticalAngleRad) / std::cos(p.verticalAngleRad) -
                       first.height;
        }
    }

    if (!writesTable)
        return PiketCalcResult::Computed;
    if (piket.stationBlockPending) {
        AppendHeading(piket.statement, templateItem);
        piket.stationBlockPending = false;
    }
    // The table always ends with one rule: the first row takes the place of the line that
    // closed it until now, and one new rule closes it again.
    auto& st = piket.statement;
    for (int n = 0; n < count; ++n) {
        if (n == 0 && !st.empty())
            st.back() = Row(piket, s, n);
        else
            st.push_back(Row(piket, s, n));
    }
    st.push_back(PiketRule(templateItem));
    return PiketCalcResult::Computed;
}

void cbSelectPiketTemplateChange(PiketPage& piket, int item)
{
    piket.cbSelectPiketTemplate = item;
    piket.stationBlockPending = true;
}

void btnClearPiketClick(PiketPage& piket)
{
    piket.statement.clear();
    piket.titlePending = true;
    piket.stationBlockPending = true;
    ++piket.statementRevision;
}

void ReplacePiketStatement(PiketPage& piket, std::vector<std::string> lines)
{
    piket.statement = std::move(lines);
    piket.titlePending = true;
    piket.stationBlockPending = true;
    ++piket.statementRevision;
}

void ResetPiketPage(PiketPage& piket)
{
    btnClearPiketClick(piket);
    ClearPickets(piket);
    for (StationField f : {StationField::neTCX, StationField::neTCY, StationField::neTOX, StationField::neTOY,
                           StationField::nehcenter, StationField::nei, StationField::neito})
        StationFieldText(piket, f) = "0";
    piket.cbTCIndex = -1;
    piket.cbTOIndex = -1;
    piket.cbTC = NotChosenText();
    piket.cbTO = NotChosenText();
    piket.edTC = NotChosenText();
    piket.edTO = NotChosenText();
    piket.stationBlockPending = true;
}

} // namespace kalimor
