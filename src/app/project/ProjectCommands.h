#pragma once
// "Новый", "Открыть" and "Сохранить" of the task bar group "Файл" and the menu "Файл".
#include <QObject>
#include <QString>

class TFrmMain;

class ProjectCommands : public QObject {
    Q_OBJECT
public:
    explicit ProjectCommands(TFrmMain& window);

    void MnuNewClick();
    void MnuOpenClick();
    void MnuSaveClick();

    // Opens a project without the question and the dialog: the file named on the command line.
    void openProject(const QString& path);

private:
    TFrmMain& window_;
};

// Enables and connects the three commands in the task bar and the menu, and lets
// "kalimor PROJECT.srv" open its project at start.
void installProjectCommands(TFrmMain& window);
