#pragma once
// A small work for the tacheometry tests: the worked example's station, manual mode.
#include "core/Codepage.h"
#include "core/ProcessingSettings.h"
#include "tacheometry/PiketModel.h"

#include <string>
#include <vector>

namespace kalimor::test {

inline std::vector<std::string> Utf8Lines(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    for (const auto& l : lines)
        out.push_back(Cp1251ToUtf8(l));
    return out;
}

inline void SetPicket(PiketPage& p, int k, const std::string& name, double sd, double hz, double v)
{
    auto& r = p.pickets[static_cast<std::size_t>(k)];
    r.name = name;
    r.slopeDistance = sd;
    r.horizontalAngle = hz;
    r.verticalAngle = v;
}

// ТС 1000/2000, h 150, i 1.5; ТО 1100/2000; v 2; manual mode, names "1" and "2"; picket 1
// at SD 100, Hz 45, V 5.3, picket 2 a remote height at V 10. Sets the station and pickets of
// a page and keeps its statement, so that runs can follow each other.
inline void ApplyWorkedExample(PiketPage& p, int templateItem)
{
    p.ckbAutoManual = false;
    p.edTC = "1";
    p.edTO = "2";
    p.neTCX = "1000";
    p.neTCY = "2000";
    p.nehcenter = "150";
    p.nei = "1.5";
    p.neTOX = "1100";
    p.neTOY = "2000";
    p.neito = "2";
    p.cbSelectPiketTemplate = templateItem;
    p.stationBlockPending = true;
    p.sePointPiketCount = 2;
    SetPicket(p, 0, "1", 100, 45, 5.3);
    SetPicket(p, 1, "2", 0, 0, 10);
    // The shown fields are stored first by the computation: show picket 1.
    p.currentPicket = 0;
    p.edNamePiket = "1";
    p.neSDpiket = "100";
    p.neHzPiket = "45";
    p.neV3piket = "5.3";
}

inline PiketPage WorkedExample(int templateItem)
{
    PiketPage p;
    ApplyWorkedExample(p, templateItem);
    return p;
}

inline ProcessingSettings NoIdentification()
{
    ProcessingSettings s;
    s.ckbCourse = s.ckbPolevik = s.ckbCameral = s.ckbInstrument = false;
    return s;
}

} // namespace kalimor::test
