#include "app/project/ProjectCommands.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/main/MainWindow.h"
#include "work/ProjectFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>

namespace {

const QStringList& projectFilters()
{
    static const QStringList filters{QStringLiteral("Тахеометрия (*.srv)")};
    return filters;
}

// A path as the file system spells it.
std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

ProjectCommands::ProjectCommands(TFrmMain& window) : QObject(&window), window_(window)
{
    setObjectName("ProjectCommands");
}

void ProjectCommands::MnuNewClick()
{
    Session& s = window_.session();
    if (!s.prompts.ask(&window_, QStringLiteral("Все несохранённые данные текущей работы будут удалены. Продолжить?"),
                       Prompts::Icon::Warning))
        return;
    s.guarded(&window_, [&] { kalimor::NewWork(s.work); });
    emit s.workChanged();
}

void ProjectCommands::MnuOpenClick()
{
    Session& s = window_.session();
    if (!s.prompts.ask(&window_, QStringLiteral("Все несохранённые данные текущей работы будут утеряны. Продолжить?"),
                       Prompts::Icon::Warning))
        return;
    const QString path = s.prompts.openFile(&window_, QStringLiteral("Открыть"), projectFilters());
    if (path.isEmpty())
        return;
    openProject(path);
}

void ProjectCommands::openProject(const QString& path)
{
    Session& s = window_.session();
    s.guarded(&window_, [&] { kalimor::OpenProject(s.work, nativePath(path)); });
    // Whatever was read before a failure stays, so every page shows the work as it is now.
    emit s.workChanged();
    emit s.statusChanged();
}

void ProjectCommands::MnuSaveClick()
{
    Session& s = window_.session();
    const QString path =
        s.prompts.saveFile(&window_, QStringLiteral("Сохранить"), projectFilters(), nullptr, QString(), true);
    if (path.isEmpty())
        return;
    s.guarded(&window_, [&] { kalimor::SaveProject(s.work, nativePath(path)); });
    // The save brought the traverse table up to date and may have renamed the work.
    emit s.workChanged();
}

void installProjectCommands(TFrmMain& window)
{
    auto* commands = new ProjectCommands(window);
    const struct {
        const char* taskItem;
        const char* menuItem;
        void (ProjectCommands::*handler)();
    } items[] = {
        {"TbNew", "MnuNew", &ProjectCommands::MnuNewClick},
        {"TbOpen", "MnuOpen", &ProjectCommands::MnuOpenClick},
        {"TbSave", "MnuSave", &ProjectCommands::MnuSaveClick},
    };
    for (const auto& item : items) {
        if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(item.taskItem))) {
            QObject::connect(button, &QAbstractButton::clicked, commands, item.handler);
            button->setEnabled(true);
        }
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(item.menuItem))) {
            QObject::connect(action, &QAction::triggered, commands, item.handler);
            action->setEnabled(true);
        }
    }
    window.openProjectAtStart = [commands](const QString& path) { commands->openProject(path); };
}
