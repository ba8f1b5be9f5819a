#pragma once
// Every question and file dialog of the window goes through this interface, so that tests
// can answer without a modal loop.
#include <QString>
#include <QStringList>

class QWidget;

// The application's title: the caption of its message boxes and its name on the task
// switcher. Not set as Qt's display name, which X11 would append to every window caption.
QString ApplicationTitle();

class Prompts {
public:
    enum class Icon { Information, Warning, Question };
    virtual ~Prompts() = default;

    // A Yes/No box; true on Yes.
    virtual bool ask(QWidget* parent, const QString& text, Icon icon = Icon::Warning) = 0;
    // An OK box.
    virtual void inform(QWidget* parent, const QString& text, Icon icon = Icon::Information) = 0;
    // A warning box whose single answer is Yes; a plain OK box will do for doubles.
    virtual void warnYes(QWidget* parent, const QString& text) { inform(parent, text, Icon::Warning); }
    // The platform's critical error box.
    virtual void error(QWidget* parent, const QString& text) = 0;

    // File dialogs; an empty result means cancelled. filters are Qt filter strings
    // ("Тахеометрия (*.srv)"); *chosenFilter receives the index of the chosen one.
    virtual QString openFile(QWidget* parent, const QString& title, const QStringList& filters,
                             int* chosenFilter = nullptr, const QString& dir = {}) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                             int* chosenFilter = nullptr, const QString& proposedName = {},
                             bool confirmOverwrite = true) = 0;

    // The desktop's "open" action; failures are not reported.
    virtual void openWithDesktop(const QString& path) = 0;
};

// The real dialogs.
class DialogPrompts : public Prompts {
public:
    bool ask(QWidget* parent, const QString& text, Icon icon) override;
    void inform(QWidget* parent, const QString& text, Icon icon) override;
    void warnYes(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& title, const QStringList& filters, int* chosenFilter,
                     const QString& dir) override;
    QString saveFile(QWidget* parent, const QString& title, const QStringList& filters, int* chosenFilter,
                     const QString& proposedName, bool confirmOverwrite) override;
    void openWithDesktop(const QString& path) override;
};
