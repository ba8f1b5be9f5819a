#pragma once
// "Экспорт" of the traverse and tacheometry pages: the save dialog with its format items,
// then the writer of the chosen item or all five at once.
#include "export/WorkbookWriter.h"

#include <QObject>
#include <QString>
#include <QStringList>

class TFrmMain;

class ExportCommands : public QObject {
    Q_OBJECT
public:
    explicit ExportCommands(TFrmMain& window);

    void btnSaveCourseClick();
    void btnSavePiketClick();

    // The filter items of the two dialogs, in order: statement copy, coordinate list, Excel,
    // MapInfo, Credo TOP, all five.
    static const QStringList& SaveCourseDialogFilters();
    static const QStringList& SavePiketDialogFilters();

private:
    void exportFrom(bool traverse);

    TFrmMain& window_;
    // One writer for every export; each export begins its workbook anew.
    kalimor::WorkbookWriter workbookWriter_;
};

// Finds btnSaveCourse and btnSavePiket, enables and connects them. Called from
// TFrmMain::installCommands().
void installExportCommands(TFrmMain& window);
