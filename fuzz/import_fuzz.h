// Shared body of the import fuzz targets: read the bytes as one of the given variants (chosen
// by the first byte), check the table's bookkeeping, show the whole range and build the .utf.
#pragma once
#include "core/Errors.h"
#include "intake/ImportTable.h"
#include "intake/InstrumentImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

inline void FuzzImport(const std::uint8_t* data, std::size_t size, int firstVariant, int variants)
{
    if (size == 0)
        return;
    const int variant = firstVariant + data[0] % variants;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    kalimor::ImportPage page;
    bool stopped = false;
    try {
        kalimor::ImportContent(page, text, variant);
    } catch (const kalimor::ConversionError&) {
        stopped = true;
    }
    // Every row read has its ImportRowList line and address items; a stop adds one empty row.
    if (page.rows.size() != page.rowList.size() + (stopped ? 1 : 0) || page.beginList.size() != page.rowList.size() ||
        page.endList.size() != page.rowList.size() || page.selected.size() != page.rows.size())
        std::abort();
    if (stopped && (page.cbBeginIndex != -1 || page.cbEndIndex != -1))
        std::abort();
    // The boxes select the first and the last address; an empty address leaves a box without
    // text, and then there is no range to show.
    const bool bounded = !page.cbBegin.empty() && !page.cbEnd.empty();
    if (kalimor::ShowImportRange(page) != (!stopped && bounded))
        std::abort();
    if (page.rows.size() != page.rowList.size() + (stopped ? 1 : 0))
        std::abort();
    const std::string bytes = kalimor::ImportTableUtfBytes(page);
    // What the table saves reads back as the same table.
    kalimor::ImportPage again;
    kalimor::ImportContent(again, bytes, kalimor::kUserText);
    if (kalimor::ImportTableUtfBytes(again) != bytes)
        std::abort();
}
