#pragma once
#include <QWidget>

class Session;

class Rs232Page : public QWidget {
    Q_OBJECT
public:
    Rs232Page(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

private:
    Session& session_;
};
