#include "app/Prompts.h"
#include "app/main/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

struct StartOptions {
    QString screenshot; // --screenshot FILE.png: render offscreen and exit
    int page = 0;       // --page N with --screenshot
    QString project;    // kalimor PROJECT.srv
};

void printUsage()
{
    std::fprintf(stderr, "Usage: kalimor [PROJECT.srv]\n"
                         "       kalimor --screenshot FILE.png [--page 0..4] [PROJECT.srv]\n");
}

// Reads the arguments before QApplication exists, since a screenshot needs the offscreen
// platform chosen first.
std::optional<StartOptions> parseArguments(int argc, char** argv)
{
    StartOptions o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--screenshot") == 0 && i + 1 < argc) {
            o.screenshot = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(a, "--page") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const long page = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || page < 0 || page > 4)
                return std::nullopt;
            o.page = static_cast<int>(page);
        } else if (a[0] == '-' && a[1] == '-') {
            return std::nullopt;
        } else if (o.project.isEmpty()) {
            o.project = QString::fromLocal8Bit(a);
        } else {
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<StartOptions> options = parseArguments(argc, argv);
    if (!options) {
        printUsage();
        return 2;
    }
    if (!options->screenshot.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    // The desktop entry that opens .srv files; it also names the program on the task switcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("kalimor"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kalimor")));
    DialogPrompts prompts;
    TFrmMain window(prompts);

    if (!options->project.isEmpty()) {
        if (window.openProjectAtStart)
            window.session().guarded(&window, [&] { window.openProjectAtStart(options->project); });
        else
            std::fprintf(stderr, "kalimor: opening a project at start is not available in this build\n");
    }

    if (!options->screenshot.isEmpty()) {
        window.showPage(options->page);
        window.show();
        QApplication::processEvents();
        const QPixmap picture = window.grab();
        if (!picture.save(options->screenshot, "PNG")) {
            std::fprintf(stderr, "Unable to write to %s\n", options->screenshot.toLocal8Bit().constData());
            return 1;
        }
        return 0;
    }

    window.show();
    return app.exec();
}
