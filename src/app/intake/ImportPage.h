#pragma once
#include <QWidget>

class Session;

class ImportPage : public QWidget {
    Q_OBJECT
public:
    ImportPage(Session& session, QWidget* parent = nullptr);

    // Shows the work's state anew.
    void refresh();

private:
    Session& session_;
};
