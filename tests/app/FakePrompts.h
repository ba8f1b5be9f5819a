#pragma once
// Prompts for tests: answers queued in advance, every question recorded.
#include "app/Prompts.h"

#include <QQueue>
#include <QStringList>

class FakePrompts : public Prompts {
public:
    QQueue<bool> answers;      // for ask(); an empty queue answers Yes
    QQueue<QString> fileNames; // for openFile()/saveFile(); an empty queue cancels
    QQueue<int> filters;       // the chosen filter of the next file dialog; default 0
    QStringList questions, informations, errors, opened;
    QStringList lastFilters;
    QString lastTitle, lastProposedName;

    bool ask(QWidget*, const QString& text, Icon) override;
    void inform(QWidget*, const QString& text, Icon) override;
    void warnYes(QWidget*, const QString& text) override; // recorded with the informations
    void error(QWidget*, const QString& text) override;
    QString openFile(QWidget*, const QString& title, const QStringList& filters, int* chosenFilter,
                     const QString& dir) override;
    QString saveFile(QWidget*, const QString& title, const QStringList& filters, int* chosenFilter,
                     const QString& proposedName, bool confirmOverwrite) override;
    void openWithDesktop(const QString& path) override;
};
