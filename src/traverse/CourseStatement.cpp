#include "traverse/CourseStatement.h"

#include "core/Angles.h"
#include "core/Codepage.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "traverse/CourseTable.h"
#include "traverse/RoundedText.h"

#include <cmath>
#include <string>
#include <string_view>

namespace kalimor {

namespace {

// Appends a text right-aligned in width; a longer text is not cut.
void AppendRight(std::string& line, std::string_view text, std::size_t width)
{
    if (text.size() < width)
        line.append(width - text.size(), ' ');
    line.append(text);
}

class StatementWriter {
public:
    StatementWriter(CoursePage& page, const ProcessingSettings& settings, int courseTemplate, int kind)
        : page_(page), settings_(settings), threeD_(courseTemplate == 1), kind_(kind), n_(page.SePointCourseCount),
          decimals_(settings.seLinePrecession), notation_(settings.cbFormatAngle)
    {
    }

    void write();

private:
    void line(std::string text) { page_.statement.push_back(std::move(text)); }
    std::string length(double v) const { return NumberText(RoundToDecimals(decimals_, v)); }
    std::string cell(int row, int column) const
    {
        if (row < 0 || row >= static_cast<int>(page_.rows.size()))
            return {};
        return page_.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
    }
    std::string direction(int row, double fallback) const
    {
        double packed = fallback;
        TryStrToFloat(cell(row, col::Dir), packed);
        return PackedToAngleText(notation_, packed);
    }
    void kindBlock();
    void head();
    void body();
    void misclosures();

    CoursePage& page_;
    const ProcessingSettings& settings_;
    bool threeD_;
    int kind_;
    int n_;
    int decimals_;
    int notation_;
};

void StatementWriter::kindBlock()
{
    const int first = PointRow(0), last = PointRow(n_ - 1);
    const std::string unknown = "???";
    switch (kind_) {
    case 0:
        line(Ru(" Тип хода: разомкнутый "));
        break;
    case 1:
        line(Ru(" Тип хода: замкнутый"));
        break;
    case 2:
        line(Ru(" Тип хода: без примычных углов "));
        break;
    case 3:
        line(Ru(" Тип хода: висячий, начинается с твердой стороны"));
        break;
    case 4:
        line(Ru(" Тип хода: висячий, начинается с твердой стороны и оканчивается на твердый пункт"));
        break;
    default:
        return;
    }
    line(Ru(" X нач.: ") + cell(first, col::X));
    line(Ru(" Y нач.: ") + cell(first, col::Y));
    if (threeD_)
        line(Ru(" Н нач.: ") + cell(first, col::H));
    const bool endKnown = kind_ != 3;
    line(Ru(" X кон.: ") + (endKnown ? cell(last, col::X) : unknown));
    line(Ru(" Y кон.: ") + (endKnown ? cell(last, col::Y) : unknown));
    if (threeD_)
        line(Ru(" Н кон.: ") + cell(last, col::H));
    const std::string start = direction(0, page_.data.StartDirection);
    const std::string end = direction(LastRow(n_), page_.data.EndDirection);
    line(Ru(" Нач. дирекционный угол: ") + (kind_ == 2 ? unknown : start));
    line(Ru(" Кон. дирекционный угол: ") + (kind_ == 0 || kind_ == 1 ? end : unknown));
}

void StatementWriter::head()
{
    const std::string separator = " " + std::string(threeD_ ? 109 : 95, '-');
    line(separator);
    if (threeD_) {
        line(Ru(" |  №  | Примечание |   Измеренный   |  Дирекционный  | Расстояние |          Уравненные "
                "координаты          |"));
        line(Ru(" | п/п |            |      угол      |      угол      |    (HD),м  |      X, м   |      Y, м   "
                "|      H, м   |"));
    } else {
        line(Ru(" |  №  | Примечание |   Измеренный   |  Дирекционный  | Расстояние |   Уравненные координаты   |"));
        line(Ru(" | п/п |            |      угол      |      угол      |    (HD),м  |      X, м   |      Y, м   |"));
    }
    line(separator);
}

void StatementWriter::body()
{
    const bool names = settings_.IsOptionSet(4);
    const std::size_t width = threeD_ ? 110 : 96;
    char number[kNumberTextCapacity];
    const auto length = [&](double v) { return std::string_view(number, RoundedTextTo(number, decimals_, v)); };
    for (int i = 0; i < n_; ++i) {
        const CoursePoint& p = page_.points[static_cast<std::size_t>(i)];
        std::string text;
        text.reserve(width);
        text += " [";
        AppendRight(text, std::to_string(i + 1), 4);
        text += " |";
        AppendRight(text, names ? std::string_view(p.Name) : std::string_view(), 11);
        text += " |";
        AppendRight(text, PackedToAngleText(notation_, p.HzPacked), 15);
        text += " |";
        text.append(15, ' ');
        text += " |";
        text.append(11, ' ');
        text += " |";
        AppendRight(text, length(p.X), 12);
        text += " |";
        AppendRight(text, length(p.Y), 12);
        if (threeD_) {
            text += " |";
            AppendRight(text, length(p.H), 12);
        }
        text += " ]";
        line(std::move(text));
        if (i == n_ - 1)
            break;
        std::string leg;
        leg.reserve(width);
        leg += " [     |------------|                |";
        AppendRight(leg, RadiansToAngleText(notation_, p.LegDirection), 15);
        leg += " |";
        AppendRight(leg, length(p.HorizontalDistance), 11);
        leg += threeD_ ? " |             |             |             ]" : " |             |             ]";
        line(std::move(leg));
    }
}

void StatementWriter::misclosures()
{
    const CourseData& d = page_.data;
    const std::string unknown = "???";
    const bool checked = kind_ == 0 || kind_ == 1 || kind_ == 4;
    const bool linear = checked || kind_ == 2;
    line(Ru(" Предельная угловая невязка F(B): ") + RadiansToAngleText(notation_, d.AngularLimit));
    line(Ru(" Полученная угловая невязка F(B): ") +
         (checked ? RadiansToAngleText(notation_, d.AngularMisclosure) : unknown));
    line(Ru(" Полученная невязка F(X): ") + (linear ? length(d.MisclosureX) : unknown));
    line(Ru(" Полученная невязка F(Y): ") + (linear ? length(d.MisclosureY) : unknown));
    if (threeD_)
        line(Ru(" Полученная невязка F(H): ") + (linear ? length(d.HeightMisclosure) : unknown));
    line(Ru(" Абсолютная линейная невязка Fs: ") + (linear ? length(d.LinearMisclosure) : unknown));
    if (!linear)
        line(Ru(" Относительная линейная невязка Fотн: 1/???"));
    else if (d.RelativeDenominator == 0)
        // A traverse that closes exactly: the relative misclosure itself, 0, in place of 1/N.
        line(Ru(" Относительная линейная невязка Fотн: 0"));
    else
        line(Ru(" Относительная линейная невязка Fотн: 1/") + NumberText(std::nearbyint(d.RelativeDenominator)));
    line(Ru(" Длина хода: ") + length(d.TotalLength));
}

void StatementWriter::write()
{
    line(" ");
    line(Ru("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТЕОДОЛИТНОГО ХОДА"));
    if (settings_.ckbCourse)
        line(Ru("                              ХОД/ОБЪЕКТ: ") + settings_.edNameCourseID);
    if (settings_.ckbPolevik)
        line(Ru(" ИСПОЛНИТЕЛЬ: ") + settings_.edNamePolevik);
    if (settings_.ckbCameral)
        line(Ru(" КАМЕРАЛЬЩИК: ") + settings_.edNameCameral);
    if (settings_.ckbInstrument)
        line(Ru(" ИНСТРУМЕНТ: ") + settings_.edinstrument);
    line(" ");
    kindBlock();
    head();
    body();
    line(" " + std::string(threeD_ ? 109 : 95, '-'));
    misclosures();
}

} // namespace

void WriteCourseStatement(CoursePage& page, const ProcessingSettings& settings, int courseTemplate, int kind)
{
    StatementWriter(page, settings, courseTemplate, kind).write();
}

} // namespace kalimor
