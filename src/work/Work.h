#pragma once
// One whole work: everything the main window shows, as plain engine data.
#include "core/ProcessingSettings.h"
#include "intake/ImportModel.h"
#include "intake/ReceivedText.h"
#include "tacheometry/PiketModel.h"
#include "traverse/CourseModel.h"

#include <string>

namespace kalimor {

struct Work {
    ProcessingSettings settings;
    CoursePage course;
    PiketPage piket;
    ImportPage import;
    ReceivedText received;
    std::string caption; // the main window caption, Windows-1251
    int currentPage = 0; // 0..4

    Work();
};

// The version text shown in the About box and written into project files.
const char* VersionText();

} // namespace kalimor
