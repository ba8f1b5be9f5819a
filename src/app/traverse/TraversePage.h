#pragma once
#include <QWidget>

class Session;

class TraversePage : public QWidget {
    Q_OBJECT
public:
    TraversePage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

private:
    Session& session_;
};
