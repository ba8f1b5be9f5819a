#include "app/Prompts.h"
#include "app/main/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QStringLiteral("Орвика.[Тахеометрия]"));
    DialogPrompts prompts;
    TFrmMain window(prompts);
    window.show();
    return app.exec();
}
