#include "app/help/UserManual.h"

#include "app/Prompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString HtmlManualPath(const QString& programDir)
{
    const QDir dir(programDir);
    const QString candidates[] = {
        dir.filePath(QStringLiteral("../share/kalimor/manual/index.html")),
        dir.filePath(QStringLiteral("manual/index.html")),
#ifdef KALIMOR_SOURCE_MANUAL
        QStringLiteral(KALIMOR_SOURCE_MANUAL "/index.html"),
#endif
    };
    for (const QString& path : candidates)
        if (QFileInfo::exists(path))
            return QFileInfo(path).absoluteFilePath();
    return {};
}

QString UserManualPath(const QString& programDir)
{
    const QString doc = QDir(programDir).filePath(QStringLiteral("Kalimor.doc"));
    if (QFileInfo::exists(doc))
        return doc;
    return HtmlManualPath(programDir);
}

void OpenUserManual(Prompts& prompts, const QString& programDir)
{
    const QString path = UserManualPath(programDir);
    if (!path.isEmpty())
        prompts.openWithDesktop(path);
}

void OpenUserManual(Prompts& prompts)
{
    OpenUserManual(prompts, QCoreApplication::applicationDirPath());
}

void InstallManualFallback(QWidget& window, Prompts& prompts)
{
    auto fallback = [&prompts] {
        const QString programDir = QCoreApplication::applicationDirPath();
        if (!QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("Kalimor.doc"))))
            OpenUserManual(prompts, programDir);
    };
    if (auto* item = window.findChild<QAbstractButton*>(QStringLiteral("TbHelp")))
        QObject::connect(item, &QAbstractButton::clicked, &window, fallback);
    if (auto* item = window.findChild<QAction*>(QStringLiteral("MnuHelp")))
        QObject::connect(item, &QAction::triggered, &window, fallback);
}
