#pragma once
#include <QWidget>

class Session;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

private:
    Session& session_;
};
