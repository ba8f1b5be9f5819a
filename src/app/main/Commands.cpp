// Each subsystem of the window that works across pages (project file, calculators, exports,
// search, printing) installs its commands here, once the pages exist.
#include "app/main/MainWindow.h"
#include "app/export/ExportCommands.h"

void TFrmMain::installCommands()
{
    installExportCommands(*this);
}
