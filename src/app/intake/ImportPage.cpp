#include "app/intake/ImportPage.h"

#include "app/QtText.h"
#include "app/Session.h"
#include "app/intake/ImportTableModel.h"
#include "intake/ImportTable.h"
#include "intake/InstrumentImport.h"
#include "work/Transfers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableView>

#include <cmath>

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* panel(const char* name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QComboBox* rangeBox(const char* name, QAbstractItemModel* model, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setModel(model);
    // A whole import's addresses: never measure every item, keep the drop-down list cheap.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(4);
    if (auto* list = qobject_cast<QListView*>(c->view()))
        list->setUniformItemSizes(true);
    return c;
}

// Halves to even, as the layout rules are stated.
int share(int extra, int parts)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(extra) / parts));
}

// Places the widgets left to right, 3 pixels apart.
void row(int x, int y, int height, std::initializer_list<std::pair<QWidget*, int>> items)
{
    for (const auto& [w, width] : items) {
        w->setGeometry(x, y, width, height);
        x += width + 3;
    }
}

} // namespace

ImportPage::ImportPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    kalimor::ImportPage& page = session_.work.import;

    // The whole page is one framed group; every control lives inside it.
    grpImport = new QGroupBox(QStringLiteral("Импорт файлов геодезических инструментов"), this);
    grpImport->setObjectName("grpImport");
    QWidget* const group = grpImport;

    btnPrintimport = button("btnPrintimport", QStringLiteral("Печать"), group);
    btnPrintimport->setEnabled(false);
    btnToCourse = button("btnToCourse", QStringLiteral("В ход"), group);
    btnTopiket = button("btnTopiket", QStringLiteral("В тахеометр."), group);
    btnFindImport = button("btnFindImport", QStringLiteral("Найти"), group);
    btnFindImport->setEnabled(false);
    SelectRow = panel("SelectRow", qs(page.SelectRow), group);
    pAllString = panel("pAllString", qs(page.pAllString), group);

    edFileName = new QLineEdit(group);
    edFileName->setObjectName("edFileName");
    btnM5Select = button("btnM5Select", QStringLiteral("..."), group);
    btnM5Open = button("btnM5Open", QStringLiteral("Открыть"), group);

    model_ = new ImportTableModel(page, this);
    GridViewImport = new QTableView(group);
    GridViewImport->setObjectName("GridViewImport");
    GridViewImport->setModel(model_);
    GridViewImport->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridViewImport->setSelectionMode(QAbstractItemView::ExtendedSelection);
    GridViewImport->setWordWrap(false);
    GridViewImport->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
    // Uniform rows: a table of 100 000 rows shows at once and scrolls without measuring rows.
    QHeaderView* vertical = GridViewImport->verticalHeader();
    vertical->setSectionResizeMode(QHeaderView::Fixed);
    vertical->setDefaultSectionSize(GridViewImport->fontMetrics().height() + 6);
    vertical->hide();
    QHeaderView* horizontal = GridViewImport->horizontalHeader();
    horizontal->setSectionResizeMode(QHeaderView::Interactive);
    horizontal->setStretchLastSection(true);
    const int widths[] = {50, 95, 105, 85, 85, 75, 40, 40, 120};
    for (int c = 0; c < ImportTableModel::ColumnCount; ++c)
        GridViewImport->setColumnWidth(c, widths[c]);
    GridViewImport->setColumnHidden(ImportTableModel::I, true);
    GridViewImport->setColumnHidden(ImportTableModel::Target, true);

    PopupMenuImportSelect = new QMenu(GridViewImport);
    PopupMenuImportSelect->setObjectName("PopupMenuImportSelect");
    QAction* n16 = PopupMenuImportSelect->addAction(QStringLiteral("Убрать пометки"));
    n16->setObjectName("N16");
    QAction* n17 = PopupMenuImportSelect->addAction(QStringLiteral("Пометить все"));
    n17->setObjectName("N17");
    GridViewImport->setContextMenuPolicy(Qt::CustomContextMenu);

    reImport = new QPlainTextEdit(group);
    reImport->setObjectName("reImport");
    reImport->setReadOnly(true);

    lbRange = new QLabel(QStringLiteral("Часть файла с адреса (номера) =>"), group);
    lbRange->setObjectName("lbRange");
    beginModel_ = new AddressListModel(page.beginList, this);
    endModel_ = new AddressListModel(page.endList, this);
    cbBegin = rangeBox("cbBegin", beginModel_, group);
    lbTo = new QLabel(QStringLiteral("по"), group);
    lbTo->setObjectName("lbTo");
    lbTo->setAlignment(Qt::AlignCenter);
    cbEnd = rangeBox("cbEnd", endModel_, group);
    btnShowSelect = button("btnShowSelect", QStringLiteral("Показать"), group);
    btnSaveSelect = button("btnSaveSelect", QStringLiteral("Сохранить"), group);

    connect(btnM5Select, &QPushButton::clicked, this, &ImportPage::btnM5SelectClick);
    connect(btnM5Open, &QPushButton::clicked, this, &ImportPage::btnM5OpenClick);
    connect(btnToCourse, &QPushButton::clicked, this, &ImportPage::btnToCourseClick);
    connect(btnTopiket, &QPushButton::clicked, this, &ImportPage::btnTopiketClick);
    connect(btnShowSelect, &QPushButton::clicked, this, &ImportPage::btnShowSelectClick);
    connect(btnSaveSelect, &QPushButton::clicked, this, &ImportPage::btnSaveSelectClick);
    connect(n16, &QAction::triggered, this, &ImportPage::N16Click);
    connect(n17, &QAction::triggered, this, &ImportPage::N17Click);
    connect(GridViewImport, &QTableView::clicked, this, &ImportPage::GridViewImportClick);
    connect(GridViewImport, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuImportSelect->popup(GridViewImport->viewport()->mapToGlobal(at)); });
    connect(GridViewImport->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { syncSelection(); });
    connect(edFileName, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_.work.import.edFileName = cp(text); });
    connect(cbBegin, &QComboBox::editTextChanged, this,
            [this](const QString& text) { kalimor::SetRangeBegin(session_.work.import, cp(text)); });
    connect(cbEnd, &QComboBox::editTextChanged, this,
            [this](const QString& text) { kalimor::SetRangeEnd(session_.work.import, cp(text)); });
    connect(cbBegin, &QComboBox::activated, this,
            [this](int index) { kalimor::SelectRangeBegin(session_.work.import, index); });
    connect(cbEnd, &QComboBox::activated, this,
            [this](int index) { kalimor::SelectRangeEnd(session_.work.import, index); });

    resize(674, 480);
    layoutPage();
    refresh();
}

QStringList ImportPage::openFilters()
{
    return {
        QStringLiteral("Файлы R4/R5/M5/Rec500 (наклонное расстояние) (*.txt)"),
        QStringLiteral("Файла R5 (угол от зенита) (*.txt)"),
        QStringLiteral("Файлы 3Ta5 [наклонное расстояние] (*.txt)"),
        QStringLiteral("Файлы 3Ta5 [горизонтальное проложение] (*.txt)"),
        QStringLiteral("Файлы Sokkia SDR (наклонное расстояние) (*.sdr)"),
        QStringLiteral("Файлы Sokkia SDR (угол от зенита) (*.sdr)"),
        QStringLiteral("Пользовательские файлы (*.utf)"),
    };
}

void ImportPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void ImportPage::layoutPage()
{
    const int w = width();
    const int h = height();
    const int e = w - 674;
    const int sixth = share(e, 6);
    const int half = share(e, 2);
    const int button = 78 + sixth;
    grpImport->setGeometry(0, 0, w, h);
    // Below the group's caption.
    const int top = 20;
    row(9, top, 25,
        {{btnPrintimport, button},
         {btnToCourse, button},
         {btnTopiket, button},
         {btnFindImport, button},
         {SelectRow, 160 + sixth},
         {pAllString, 160 + sixth}});
    row(8, top + 31, 23, {{edFileName, 536 + half}, {btnM5Select, 25}, {btnM5Open, 78 + half}});
    const int bottom = h - 31;
    row(8, bottom, 23,
        {{lbRange, 287 + sixth},
         {cbBegin, 80 + sixth},
         {lbTo, 32 + sixth},
         {cbEnd, 80 + sixth},
         {btnShowSelect, button},
         {btnSaveSelect, button}});
    const int messagesHeight = 64;
    const int tableTop = top + 60;
    const int tableHeight = std::max(40, bottom - 6 - messagesHeight - 3 - tableTop);
    GridViewImport->setGeometry(8, tableTop, std::max(100, w - 16), tableHeight);
    reImport->setGeometry(8, tableTop + tableHeight + 3, std::max(100, w - 16), messagesHeight);
}

void ImportPage::refresh()
{
    const kalimor::ImportPage& page = session_.work.import;
    if (model_->rowCount() != static_cast<int>(page.rows.size()))
        model_->reload();
    else
        model_->contentChanged();
    if (beginModel_->rowCount() != static_cast<int>(page.beginList.size()) ||
        endModel_->rowCount() != static_cast<int>(page.endList.size()))
        reloadAddressLists();
    if (edFileName->text() != qs(page.edFileName))
        edFileName->setText(qs(page.edFileName));
    showRangeBoxes();
    showMessages();
    showCounters();
    syncSelection();
}

void ImportPage::reloadTable()
{
    model_->reload();
    reloadAddressLists();
    showRangeBoxes();
    showCounters();
    syncSelection();
}

void ImportPage::reloadAddressLists()
{
    // A reset box picks an item of its own accord; the choice belongs to the work.
    const QSignalBlocker quietBegin(cbBegin);
    const QSignalBlocker quietEnd(cbEnd);
    beginModel_->reload();
    endModel_->reload();
}

void ImportPage::showRangeBoxes()
{
    const kalimor::ImportPage& page = session_.work.import;
    for (auto [box, index, text] :
         {std::tuple{cbBegin, page.cbBeginIndex, &page.cbBegin}, std::tuple{cbEnd, page.cbEndIndex, &page.cbEnd}}) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(index);
        box->setEditText(qs(*text));
    }
}

void ImportPage::showMessages()
{
    QString text;
    for (const std::string& line : session_.work.import.messages) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += qs(line);
    }
    if (reImport->toPlainText() != text)
        reImport->setPlainText(text);
}

void ImportPage::showCounters()
{
    SelectRow->setText(qs(session_.work.import.SelectRow));
    pAllString->setText(qs(session_.work.import.pAllString));
}

void ImportPage::syncSelection()
{
    std::vector<bool> selected(session_.work.import.rows.size(), false);
    const QItemSelection selection = GridViewImport->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            if (r >= 0 && static_cast<std::size_t>(r) < selected.size())
                selected[static_cast<std::size_t>(r)] = true;
    }
    kalimor::SetImportSelection(session_.work.import, std::move(selected));
}

void ImportPage::runImport()
{
    kalimor::ImportPage& page = session_.work.import;
    session_.guarded(this, [&] { kalimor::ImportInstrumentFile(page, page.filter); });
    // Even a stopped import has replaced the rows.
    reloadTable();
}

void ImportPage::btnM5SelectClick()
{
    int chosen = -1;
    const QString name =
        session_.prompts.openFile(this, QStringLiteral("Открыть файл с измерениями"), openFilters(), &chosen);
    if (name.isEmpty())
        return;
    kalimor::ImportPage& page = session_.work.import;
    if (chosen >= 0 && chosen < kalimor::kImportVariantCount)
        page.filter = chosen + 1;
    page.edFileName = cp(name);
    edFileName->setText(name);
    runImport();
}

void ImportPage::btnM5OpenClick()
{
    session_.work.import.edFileName = cp(edFileName->text());
    runImport();
}

void ImportPage::btnToCourseClick()
{
    session_.guarded(this, [&] { kalimor::btnToCourseClick(session_.work); });
    emit session_.workChanged();
    emit session_.statusChanged();
}

void ImportPage::btnTopiketClick()
{
    session_.guarded(this, [&] { kalimor::btnTopiketClick(session_.work); });
    emit session_.workChanged();
}

void ImportPage::btnShowSelectClick()
{
    if (!kalimor::ShowImportRange(session_.work.import)) {
        session_.prompts.warnYes(this, QStringLiteral("Не выбрана часть файла!"));
        return;
    }
    model_->reload();
    showCounters();
    syncSelection();
}

void ImportPage::btnSaveSelectClick()
{
    kalimor::ImportPage& page = session_.work.import;
    const QString name = session_.prompts.saveFile(this, QStringLiteral("Сохранить"),
                                                   {QStringLiteral("Пользовательский текстовый формат (*.utf)")},
                                                   nullptr, qs(kalimor::ProposedRangeFileName(page)), true);
    if (name.isEmpty())
        return;
    session_.guarded(this, [&] { kalimor::SaveImportTable(page, cp(name)); });
}

void ImportPage::N16Click()
{
    kalimor::MarkAllRows(session_.work.import, false);
    model_->contentChanged();
}

void ImportPage::N17Click()
{
    kalimor::MarkAllRows(session_.work.import, true);
    model_->contentChanged();
}

void ImportPage::GridViewImportClick()
{
    kalimor::UpdateSelectionCounter(session_.work.import);
    SelectRow->setText(qs(session_.work.import.SelectRow));
}
