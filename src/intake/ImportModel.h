#pragma once
// The import page as plain data: the rows of GridViewImport, ImportRowList, the address
// lists of the partial selection and the messages view.
#include <string>
#include <vector>

namespace kalimor {

struct ImportRow {
    std::string address;          // column 1 "Адрес (номер)"
    std::string slopeDistance;    // column 2
    std::string horizontalAngle;  // column 3, packed text
    std::string verticalAngle;    // column 4, packed text
    bool station = false;         // column 5 "Точка хода"
    std::string instrumentHeight; // column 6 "I", hidden
    std::string targetHeight;     // column 7 "v", hidden
    std::string note;             // column 8 "Примечание"
};

struct ImportPage {
    std::string edFileName;
    std::vector<ImportRow> rows;
    std::vector<bool> selected;         // parallel to rows: selected in the table
    std::vector<std::string> rowList;   // ImportRowList: user-text lines of the last file import
    std::vector<std::string> beginList; // cbBegin items
    std::vector<std::string> endList;   // cbEnd items
    std::string cbBegin, cbEnd;         // their texts
    std::vector<std::string> messages;  // reImport, one entry a line
    std::string pAllString = "\xc2\xf1\xe5\xe3\xee \xf1\xf2\xf0\xee\xea: 0";        // "Всего строк: N"
    std::string SelectRow = "\xc2\xfb\xe1\xf0\xe0\xed\xee \xf1\xf2\xf0\xee\xea: 0"; // "Выбрано строк: N"
    int cbBeginIndex = -1, cbEndIndex = -1; // the items the range boxes select, -1 when none
    int filter = 1;                         // the filter item last chosen in the open dialog (1..7)
};

} // namespace kalimor
