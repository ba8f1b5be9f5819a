#pragma once
#include <QWidget>

class Session;

class TacheometryPage : public QWidget {
    Q_OBJECT
public:
    TacheometryPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

private:
    Session& session_;
};
