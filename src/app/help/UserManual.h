#pragma once
// "Справка": the user manual. "Kalimor.doc" beside the executable when present, otherwise the
// HTML manual installed with the program.
#include <QString>

class Prompts;
class QWidget;

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

// The window's "Справка" (the task-bar item TbHelp and the menu item MnuHelp) opens
// "Kalimor.doc" itself; this adds the HTML manual for when that file is missing.
void InstallManualFallback(QWidget& window, Prompts& prompts);
