#pragma once
// The tacheometry page as plain data: station field texts, the picket table, the statement.
#include <array>
#include <string>
#include <vector>

namespace kalimor {

constexpr int kMaxPickets = 2000;

struct Picket {
    std::string name;
    double slopeDistance = 0;
    double horizontalAngle = 0; // packed
    double verticalAngle = 0;   // packed
    double horizontalAngleRad = 0;
    double verticalAngleRad = 0;
    double direction = 0;
    double horizontalDistance = 0;
    double x = 0, y = 0;
    double height = 0;
};

struct PiketPage {
    // Station setup: the texts of the fields as shown.
    bool ckbAutoManual = true;
    std::vector<std::string> stationList; // items of cbTC and cbTO, one per traverse point
    int cbTCIndex = -1;                   // selected item of cbTC, -1 when none
    int cbTOIndex = -1;
    std::string cbTC = "\xcd\xe5 \xe2\xfb\xe1\xf0\xe0\xed\xe0"; // "Не выбрана"
    std::string cbTO = "\xcd\xe5 \xe2\xfb\xe1\xf0\xe0\xed\xe0";
    std::string edTC, edTO;
    std::string neTCX = "0", neTCY = "0", nehcenter = "0", nei = "0";
    std::string neTOX = "0", neTOY = "0", neito = "0";

    // Pickets.
    std::array<Picket, kMaxPickets> pickets{};
    int sePointPiketCount = 1;
    int currentPicket = 0;
    std::string edNamePiket;
    std::string neSDpiket = "0", neHzPiket = "0", neV3piket = "0";
    std::string neCurrentPiket = "1"; // "Текущая": currentPicket + 1 as shown, or as typed

    int cbSelectPiketTemplate = 0;   // statement template
    std::string nehPiket, nei2Piket; // height inputs of the 3D template, owned by the computation

    std::vector<std::string> statement; // rePiket, one entry a line
    bool titlePending = true;
    bool stationBlockPending = true;
    int clickedLine = 0; // statement line of the last mouse click in rePiket
    // Grows whenever the statement is replaced rather than appended to (clearing, new work,
    // an opened project), so that a view following it knows to start over.
    unsigned statementRevision = 0;
};

} // namespace kalimor
