#include "app/search/SearchCommands.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/help/UserManual.h"
#include "app/main/MainWindow.h"
#include "app/print/Printing.h"
#include "app/search/FindDialog.h"
#include "work/Search.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>

#include <initializer_list>

namespace {

// The entries of the two search menus: caption and the column they search.
struct SearchItem {
    const char* objectName;
    const char* caption;
    int column;
};

const SearchItem kImportItems[] = {
    {"mnuFindAddress", "Адрес...", 1},          {"mnuFindDistance", "Расстояние...", 2},
    {"mnuFindHz", "Горизонтальный угол...", 3}, {"mnuFindV", "Вертикальный угол...", 4},
    {"mnuFindNote", "Примечание...", 8},
};

const SearchItem kCourseItems[] = {
    {"mnuFindPoint", "Точку", 1},
    {"mnuFindCourseHz", "Горизонтальный угол", 2},
    {"mnuFindCourseSD", "Расстояние", 3},
    {"mnuFindCourseV", "Вертикальный угол", 4},
    {"mnuFindCourseHeight", "Высоту инструмента/пикета", 5},
};

QString withoutAccel(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// A page's button: by one of the names its page may give it, else by its caption.
QAbstractButton* findButton(QWidget* page, std::initializer_list<const char*> names, const QString& caption)
{
    if (!page)
        return nullptr;
    for (const char* name : names)
        if (auto* b = page->findChild<QAbstractButton*>(QString::fromLatin1(name)))
            return b;
    for (auto* b : page->findChildren<QAbstractButton*>())
        if (withoutAccel(b->text()) == caption && !qobject_cast<QMenu*>(b->parent()))
            return b;
    return nullptr;
}

void attachMenu(QAbstractButton* button, QMenu* menu)
{
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        push->setMenu(menu);
    } else if (auto* tool = qobject_cast<QToolButton*>(button)) {
        tool->setMenu(menu);
        tool->setPopupMode(QToolButton::InstantPopup);
    }
}

// The plain text of a text view, and its selection.
struct TextView {
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;

    explicit TextView(QWidget* w) : plain(qobject_cast<QPlainTextEdit*>(w)), rich(qobject_cast<QTextEdit*>(w)) {}
    bool valid() const { return plain || rich; }
    QString text() const { return plain ? plain->toPlainText() : rich->toPlainText(); }
    QFont font() const { return plain ? plain->font() : rich->font(); }
    QTextCursor cursor() const { return plain ? plain->textCursor() : rich->textCursor(); }
    QTextDocument* document() const { return plain ? plain->document() : rich->document(); }
    QWidget* widget() const { return plain ? static_cast<QWidget*>(plain) : static_cast<QWidget*>(rich); }
    void select(int from, int length) const
    {
        QTextCursor c(document());
        c.setPosition(from);
        c.setPosition(from + length, QTextCursor::KeepAnchor);
        if (plain) {
            plain->setTextCursor(c);
            plain->ensureCursorVisible();
        } else {
            rich->setTextCursor(c);
            rich->ensureCursorVisible();
        }
    }
};

// Engine text with one byte for every UTF-16 unit, so that positions carry over to the view.
std::string positionalCp1251(const QString& text)
{
    std::string bytes = cp(text);
    if (bytes.size() == static_cast<std::size_t>(text.size()))
        return bytes;
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        bytes.push_back(c.isSurrogate() ? '?' : cp(QString(c)).front());
    return bytes;
}

} // namespace

SearchAndPrint::SearchAndPrint(QWidget& root, Session& session) : QObject(&root), root_(root), session_(session)
{
    setObjectName("SearchAndPrint");
    auto makeDialog = [&](const char* name, void (SearchAndPrint::*slot)(const QString&)) {
        auto* d = new FindDialog(&root);
        d->setObjectName(QString::fromLatin1(name));
        connect(d, &FindDialog::findNext, this, slot);
        return d;
    };
    importFind_ = makeDialog("FindDialogImport", &SearchAndPrint::findImportNext);
    courseFind_ = makeDialog("FindDialogCourse", &SearchAndPrint::findCourseNext);
    piketFind_ = makeDialog("FindDialogPiket", &SearchAndPrint::findPiketNext);
    downloadFind_ = makeDialog("FindDialogDownload", &SearchAndPrint::findDownloadNext);
    printService_ = new print::PrintService(session.prompts, this);
}

SearchAndPrint::~SearchAndPrint() = default;

QWidget* SearchAndPrint::widget(const char* name) const
{
    return root_.findChild<QWidget*>(QString::fromLatin1(name));
}

void SearchAndPrint::install()
{
    const QString find = QStringLiteral("Найти");
    const QString print = QStringLiteral("Печать");
    auto enable = [](QAbstractButton* b) { b->setEnabled(true); };

    QWidget* course = widget("TabCourse");
    if (auto* b = findButton(course, {"btnFindCourse"}, find)) {
        enable(b);
        auto* menu = new QMenu(b);
        menu->setObjectName("PopupMenuFindCourse");
        for (const auto& item : kCourseItems) {
            QAction* a = menu->addAction(QString::fromUtf8(item.caption));
            a->setObjectName(QString::fromLatin1(item.objectName));
            const int column = item.column;
            connect(a, &QAction::triggered, this, [this, column] { chooseCourseColumn(column); });
        }
        attachMenu(b, menu);
    }
    if (auto* b = findButton(course, {"btnPrintCourse"}, print)) {
        enable(b);
        auto* menu = new QMenu(b);
        menu->setObjectName("PopupMenuPrintCourse");
        QAction* table = menu->addAction(QStringLiteral("Таблица"));
        table->setObjectName("mnuPrintCourseTable");
        connect(table, &QAction::triggered, this, &SearchAndPrint::mnuPrintCourseTableClick);
        QAction* statement = menu->addAction(QStringLiteral("Ведомость"));
        statement->setObjectName("mnuPrintCourseStatement");
        connect(statement, &QAction::triggered, this, &SearchAndPrint::mnuPrintCourseStatementClick);
        attachMenu(b, menu);
    }

    QWidget* import = widget("TabImport");
    if (auto* b = findButton(import, {"btnFindImport", "btnFindimport", "btnSearchImport"}, find)) {
        enable(b);
        auto* menu = new QMenu(b);
        menu->setObjectName("PopupMenuFindImport");
        for (const auto& item : kImportItems) {
            QAction* a = menu->addAction(QString::fromUtf8(item.caption));
            a->setObjectName(QString::fromLatin1(item.objectName));
            const int column = item.column;
            connect(a, &QAction::triggered, this, [this, column] { chooseImportColumn(column); });
        }
        attachMenu(b, menu);
    }
    if (auto* b = findButton(import, {"btnPrintimport", "btnPrintImport"}, print)) {
        enable(b);
        connect(b, &QAbstractButton::clicked, this, &SearchAndPrint::btnPrintimportClick);
    }

    QWidget* piket = widget("TabPiket");
    if (auto* b = findButton(piket, {"btnFindPiket", "btnSearchPiket"}, find)) {
        enable(b);
        connect(b, &QAbstractButton::clicked, this, &SearchAndPrint::btnFindPiketClick);
    }
    if (auto* b = findButton(piket, {"btnPrintPiket"}, print)) {
        enable(b);
        connect(b, &QAbstractButton::clicked, this, &SearchAndPrint::btnPrintPiketClick);
    }

    QWidget* rs232 = widget("TabRs232");
    if (auto* b = findButton(rs232, {"btnFindDownload", "btnFindDownLoad", "btnSearchDownload"}, find)) {
        enable(b);
        connect(b, &QAbstractButton::clicked, this, &SearchAndPrint::btnFindDownloadClick);
    }
    if (auto* b = findButton(rs232, {"btnPrintDownload", "btnPrintDownLoad"}, print)) {
        enable(b);
        connect(b, &QAbstractButton::clicked, this, &SearchAndPrint::btnPrintDownloadClick);
    }
}

void SearchAndPrint::chooseImportColumn(int column)
{
    searchColumn_ = column;
    importFind_->execute();
}

void SearchAndPrint::chooseCourseColumn(int column)
{
    searchColumn_ = column;
    courseFind_->execute();
}

void SearchAndPrint::findImportNext(const QString& text)
{
    findTableNext(true, text);
}

void SearchAndPrint::findCourseNext(const QString& text)
{
    findTableNext(false, text);
}

void SearchAndPrint::findTableNext(bool import, const QString& text)
{
    auto* view = qobject_cast<QTableView*>(widget(import ? "GridViewImport" : "GridViewCourse"));
    if (!view || !view->model())
        return;
    const QModelIndex current = view->currentIndex();
    const auto found =
        kalimor::FindTableRow(session_.work, import ? kalimor::SearchTable::Import : kalimor::SearchTable::Course,
                              searchColumn_, current.isValid() ? current.row() : -1, cp(text));
    if (!found || static_cast<int>(*found) >= view->model()->rowCount())
        return;
    const int column = current.isValid() ? current.column() : searchColumn_;
    const QModelIndex index = view->model()->index(static_cast<int>(*found), column);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

void SearchAndPrint::findPiketNext(const QString& text)
{
    findTextNext("rePiket", text);
}

void SearchAndPrint::findDownloadNext(const QString& text)
{
    findTextNext("redownload", text);
}

void SearchAndPrint::findTextNext(const char* viewName, const QString& text)
{
    const TextView view(widget(viewName));
    if (!view.valid())
        return;
    const QTextCursor cursor = view.cursor();
    const int start = cursor.hasSelection() ? cursor.selectionEnd() : 0;
    const auto at =
        kalimor::FindInText(positionalCp1251(view.text()), static_cast<std::size_t>(start), positionalCp1251(text));
    if (!at)
        return;
    view.widget()->setFocus();
    view.select(static_cast<int>(*at), static_cast<int>(text.size()));
}

void SearchAndPrint::btnFindPiketClick()
{
    piketFind_->execute();
}

void SearchAndPrint::btnFindDownloadClick()
{
    downloadFind_->execute();
}

void SearchAndPrint::printTextView(const char* viewName, const QString& jobName)
{
    const TextView view(widget(viewName));
    if (!view.valid())
        return;
    session_.guarded(&root_, [&] { printService_->printText(&root_, view.text(), view.font(), jobName); });
}

void SearchAndPrint::printTableView(const char* viewName, int headingHeight)
{
    auto* view = qobject_cast<QTableView*>(widget(viewName));
    if (!view)
        return;
    session_.guarded(&root_, [&] { printService_->printTable(&root_, *view, headingHeight); });
}

void SearchAndPrint::mnuPrintCourseTableClick()
{
    printTableView("GridViewCourse", print::kCourseHeadingHeight);
}

void SearchAndPrint::mnuPrintCourseStatementClick()
{
    printTextView("reCourse", QStringLiteral("Ведомость хода"));
}

void SearchAndPrint::btnPrintPiketClick()
{
    printTextView("rePiket", QStringLiteral("Ведомость тахеометрии"));
}

void SearchAndPrint::btnPrintimportClick()
{
    printTableView("GridViewImport", print::kImportHeadingHeight);
}

void SearchAndPrint::btnPrintDownloadClick()
{
    printTextView("redownload", QStringLiteral("Файл с данными"));
}

void installSearchAndPrint(TFrmMain& window)
{
    auto* commands = new SearchAndPrint(window, window.session());
    commands->install();
    // "Справка" lives in the main window; without "Kalimor.doc" it shows the HTML manual.
    InstallManualFallback(window, window.session().prompts);
}
