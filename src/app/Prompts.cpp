#include "app/Prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
QMessageBox::Icon toIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        break;
    }
    return QMessageBox::Warning;
}
// A filter without a pattern ("Все ведомости") would list no files in the dialog: it is shown
// with "(*)" and still answered by its position.
QStringList dialogFilters(const QStringList& filters)
{
    QStringList shown;
    for (const QString& f : filters)
        shown << (f.contains(QLatin1Char('(')) ? f : f + QStringLiteral(" (*)"));
    return shown;
}
} // namespace

QString ApplicationTitle()
{
    return QStringLiteral("Орвика.[Тахеометрия]");
}

bool DialogPrompts::ask(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox box(toIcon(icon), ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompts::inform(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox box(toIcon(icon), ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void DialogPrompts::warnYes(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Yes, parent);
    box.exec();
}

void DialogPrompts::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, ApplicationTitle(), text);
}

QString DialogPrompts::openFile(QWidget* parent, const QString& title, const QStringList& filters, int* chosenFilter,
                                const QString& dir)
{
    QString selected;
    const QStringList shown = dialogFilters(filters);
    const QString name = QFileDialog::getOpenFileName(parent, title, dir, shown.join(";;"), &selected);
    if (chosenFilter)
        *chosenFilter = static_cast<int>(shown.indexOf(selected));
    return name;
}

QString DialogPrompts::saveFile(QWidget* parent, const QString& title, const QStringList& filters, int* chosenFilter,
                                const QString& proposedName, bool confirmOverwrite)
{
    QString selected;
    const QStringList shown = dialogFilters(filters);
    const QString name =
        QFileDialog::getSaveFileName(parent, title, proposedName, shown.join(";;"), &selected,
                                     confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    if (chosenFilter)
        *chosenFilter = static_cast<int>(shown.indexOf(selected));
    return name;
}

void DialogPrompts::openWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
