#pragma once
// What every page shares: the one Work, the prompts, and the news that the work changed.
#include "app/Prompts.h"
#include "work/Work.h"

#include <QObject>
#include <QWidget>

#include <exception>

class Session : public QObject {
    Q_OBJECT
public:
    Session(kalimor::Work& work, Prompts& prompts, QObject* parent = nullptr)
        : QObject(parent), work(work), prompts(prompts)
    {
    }

    kalimor::Work& work;
    Prompts& prompts;

    // Runs a handler; an error it does not handle itself is shown in the critical box and
    // the window stays usable. Answers false when the handler threw.
    template <class F>
    bool guarded(QWidget* parent, F&& handler)
    {
        try {
            handler();
            return true;
        } catch (const std::exception& e) {
            reportError(parent, e);
        }
        return false;
    }

    void reportError(QWidget* parent, const std::exception& e);

signals:
    // Some command changed the work beyond its own page: every page shows the work anew.
    void workChanged();
    // The calculation pane's text or blinking changed.
    void statusChanged();
};
