// Each subsystem of the window that works across pages (project file, calculators, exports,
// search, printing) installs its commands here, once the pages exist.
#include "app/main/MainWindow.h"
#include "app/calculators/CalculatorDialogs.h"
#include "app/export/ExportCommands.h"
#include "app/project/ProjectCommands.h"
#include "app/search/SearchCommands.h"

void TFrmMain::installCommands()
{
    installProjectCommands(*this);
    installCalculators(*this);
    installSearchAndPrint(*this);
    installExportCommands(*this);
}
