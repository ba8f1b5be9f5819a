#pragma once
// "Справка": the user manual. "Kalimor.doc" beside the executable when present, otherwise the
// HTML manual installed with the program.
#include <QString>

class Prompts;

// The HTML manual's start page: installed beside the program (../share/kalimor/manual), or in
// the source tree when running from a build folder. Empty when none is found.
QString HtmlManualPath(const QString& programDir);

// The file "Справка" opens: programDir/Kalimor.doc when it exists, otherwise the HTML manual.
// Empty when neither exists.
QString UserManualPath(const QString& programDir);

// Asks the desktop to open the manual; nothing happens when there is none.
void OpenUserManual(Prompts& prompts, const QString& programDir);
// The same for the running program.
void OpenUserManual(Prompts& prompts);
