#include "FakePrompts.h"

bool FakePrompts::ask(QWidget*, const QString& text, Icon)
{
    questions << text;
    return answers.isEmpty() ? true : answers.dequeue();
}

void FakePrompts::inform(QWidget*, const QString& text, Icon)
{
    informations << text;
}

void FakePrompts::warnYes(QWidget*, const QString& text)
{
    informations << text;
}

void FakePrompts::error(QWidget*, const QString& text)
{
    errors << text;
}

QString FakePrompts::openFile(QWidget*, const QString& title, const QStringList& filterList, int* chosenFilter,
                              const QString&)
{
    lastTitle = title;
    lastFilters = filterList;
    if (chosenFilter)
        *chosenFilter = filters.isEmpty() ? 0 : filters.dequeue();
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString FakePrompts::saveFile(QWidget*, const QString& title, const QStringList& filterList, int* chosenFilter,
                              const QString& proposedName, bool)
{
    lastTitle = title;
    lastFilters = filterList;
    lastProposedName = proposedName;
    if (chosenFilter)
        *chosenFilter = filters.isEmpty() ? 0 : filters.dequeue();
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

void FakePrompts::openWithDesktop(const QString& path)
{
    opened << path;
}
