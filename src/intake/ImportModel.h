#pragma once
// The import page as plain data: the rows of GridViewImport, ImportRowList, the address
// lists of the partial selection and the messages view.
#include <string>
#include <vector>

namespace kalimor {

struct ImportRow {
    std::string address;       // column 1 "Адрес (номер)"
    std::string slopeDistance; // column 2
    std::string horizontalAngle; // column 3, packed text
    std::string verticalAngle;   // column 4, packed text
    bool station = false;        // column 5 "Точка хода"
    std::string instrumentHeight; // column 6 "I", hidden
    std::string targetHeight;     // column 7 "v", hidden
    std::string note;             // column 8 "Примечание"
};

struct ImportPage {
    std::string edFileName;
    std::vector<ImportRow> rows;
    std::vector<bool> selected;           // parallel to rows: selected in the table
    std::vector<std::string> rowList;     // ImportRowList: user-text lines of the last file import
    std::vector<std::string> beginList;   // cbBegin items
    std::vector<std::string> endList;     // cbEnd items
    std::string cbBegin, cbEnd;           // their texts
    std::vector<std::string> messages;    // reImport, one entry a line
    std::string pAllString;               // "Всего строк: N"
    std::string SelectRow;                // "Выбрано строк: N"
};

} // namespace kalimor
