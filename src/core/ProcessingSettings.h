#pragma once
// The settings page "Параметры": every value the computations, statements, transfers
// and exports read at the moment they run.
#include <array>
#include <string>

namespace kalimor {

struct ProcessingSettings {
    // Ranges of the three spin fields.
    static constexpr int kPrecessionMin = 0, kPrecessionMax = 100;
    static constexpr int kLinePrecessionMin = 0, kLinePrecessionMax = 4;
    static constexpr int kAnglePrecessionMin = 1, kAnglePrecessionMax = 2;
    // Longest texts of the template fields and of edRef.
    static constexpr int kTemplateMaxLength = 2;
    static constexpr int kRefMaxLength = 5;

    // Identification: flag + text. Texts are Windows-1251.
    bool ckbCourse = true;
    std::string edNameCourseID;
    bool ckbPolevik = true;
    std::string edNamePolevik;
    bool ckbCameral = true;
    std::string edNameCameral;
    bool ckbInstrument = true;
    std::string edinstrument;

    int sePrecession = 60;        // 0..100
    int seLinePrecession = 3;     // 0..4
    int seAnglePrecession = 1;    // 1..2
    std::string edCourseTemplate; // at most 2 characters
    std::string edPiketTemplate;  // at most 2 characters
    int cbFormatAngle = 0;        // -1 when typed text selects no item
    int cbSelectNamePoint = 0;    // -1 when typed text selects no item

    bool ckbhoriz = false;
    bool ckbRef = false;
    std::string edRef = "0.14"; // at most 5 characters

    // cklAdditionOption: all eight entries set at start, headings included.
    std::array<bool, 8> additionOptions{true, true, true, true, true, true, true, true};

    bool IsOptionSet(int position) const;

    // Program-set values are brought into range.
    void setPrecession(int value);
    void setLinePrecession(int value);
    void setAnglePrecession(int value);

    // Coefficients per square metre added to height differences: c = 1/12742000 when
    // ckbhoriz is set, r = -k/12742000 with k read from edRef when ckbRef is set, else 0.
    // Reading edRef may throw ConversionError.
    double curvatureCoefficient() const;
    double refractionCoefficient() const;
};

} // namespace kalimor
