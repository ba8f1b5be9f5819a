#pragma once
// MapInfo interchange drawings (.mif with .mid) of the traverse and of the tacheometry.
#include "export/ExportNaming.h"
#include "work/Work.h"

#include <string>
#include <vector>

namespace kalimor {

// The 11 header lines every ".mif" begins with.
const std::vector<std::string>& MapInfoHeader();

// name.mif and name.mid; only the drawing is opened.
void SaveCourseMapInfo(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
// name.mif, name.mid and the sight lines name_vis.mif, in this order; only name.mif is opened.
void SavePicketMapInfo(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);

} // namespace kalimor
