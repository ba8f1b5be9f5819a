#include "app/export/ExportCommands.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/main/MainWindow.h"
#include "export/Exports.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>

ExportCommands::ExportCommands(TFrmMain& window)
    : QObject(&window), window_(window), workbookWriter_(kalimor::ExportWorkbookWriter())
{
    setObjectName("ExportCommands");
}

const QStringList& ExportCommands::SaveCourseDialogFilters()
{
    static const QStringList filters{
        QStringLiteral("Ведомость хода (*.txt)"),  QStringLiteral("Координаты хода (*.txt)"),
        QStringLiteral("Координаты хода (*.xls)"), QStringLiteral("Схема хода (*.mif)"),
        QStringLiteral("Файл Credo (*.top)"),      QStringLiteral("Все ведомости"),
    };
    return filters;
}

const QStringList& ExportCommands::SavePiketDialogFilters()
{
    static const QStringList filters{
        QStringLiteral("Ведомость тахеометрии (*.txt)"),
        QStringLiteral("Координаты пикетов из тахеометрии (*.txt)"),
        QStringLiteral("Координаты пикетов из тахеометрии (*.xls)"),
        QStringLiteral("Тахеометрия (Mapinfo *.mif)"),
        QStringLiteral("Файл Credo (*.top)"),
        QStringLiteral("Все ведомости сразу"),
    };
    return filters;
}

void ExportCommands::btnSaveCourseClick()
{
    exportFrom(true);
}

void ExportCommands::btnSavePiketClick()
{
    exportFrom(false);
}

void ExportCommands::exportFrom(bool traverse)
{
    Session& s = window_.session();
    int filter = 0;
    // The dialog asks before overwriting the chosen name itself and adds no extension.
    const QString chosen =
        s.prompts.saveFile(&window_, QStringLiteral("Экспорт"),
                           traverse ? SaveCourseDialogFilters() : SavePiketDialogFilters(), &filter, QString(), true);
    if (chosen.isEmpty())
        return;
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    const int item = filter < 0 ? kalimor::kExportStatement : filter + 1;
    kalimor::ExportFiles files;
    const bool written = s.guarded(&window_, [&] {
        kalimor::RunExport(s.work, workbookWriter_,
                           traverse ? kalimor::ExportSource::Traverse : kalimor::ExportSource::Tacheometry, item,
                           QFile::encodeName(chosen).toStdString(), files);
    });
    // A writer that stopped on an error opens nothing.
    if (!written)
        return;
    for (const auto& path : files.toOpen)
        s.prompts.openWithDesktop(QFile::decodeName(QByteArray::fromStdString(path)));
}

void installExportCommands(TFrmMain& window)
{
    auto* commands = new ExportCommands(window);
    const struct {
        const char* name;
        void (ExportCommands::*handler)();
    } buttons[] = {
        {"btnSaveCourse", &ExportCommands::btnSaveCourseClick},
        {"btnSavePiket", &ExportCommands::btnSavePiketClick},
    };
    for (const auto& b : buttons) {
        if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(b.name))) {
            QObject::connect(button, &QAbstractButton::clicked, commands, b.handler);
            button->setEnabled(true);
        }
    }
}
