#include "app/print/Printing.h"

#include "app/Prompts.h"
#include "app/QtText.h"
#include "core/Errors.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableView>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace print {

namespace {

// PDF output has no device of its own; 600 dots an inch keeps 86-pixel rows readable.
constexpr int kPdfResolution = 600;

// Copies the printer cannot make itself are printed one after another.
int copiesToPrint(const QPrinter& printer)
{
    return printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
}

bool pageWanted(const QPrinter& printer, int pageNumber)
{
    const QPageRanges ranges = printer.pageRanges();
    return ranges.isEmpty() || ranges.contains(pageNumber);
}

void beginOrThrow(QPainter& painter, QPrinter& printer)
{
    if (painter.begin(&printer))
        return;
    // The printing service reports its own failures; a file that cannot be written is ours to say.
    if (!printer.outputFileName().isEmpty())
        throw kalimor::FileError::unableToWrite(cp(printer.outputFileName()));
    throw kalimor::FileError::unableToWrite(cp(printer.printerName()));
}

void drawCheckBox(QPainter& p, const QRect& cell, bool checked)
{
    const int side = std::max(4, cell.height() / 2);
    const QRect box(cell.left() + (cell.width() - side) / 2, cell.top() + (cell.height() - side) / 2, side, side);
    p.drawRect(box);
    if (checked) {
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomLeft());
    }
}

} // namespace

std::vector<int> TablePageRows(int rowCount, int pageHeight, int headingHeight)
{
    std::vector<int> pages;
    const int bottom = pageHeight - kTableMargin;
    int y = kTableMargin + headingHeight;
    int onPage = 0;
    for (int row = 0; row < rowCount; ++row) {
        if (onPage > 0 && y + kTableRowHeight > bottom) {
            pages.push_back(onPage);
            onPage = 0;
            y = kTableMargin;
        }
        ++onPage;
        y += kTableRowHeight;
    }
    if (onPage > 0 || pages.empty())
        pages.push_back(onPage);
    return pages;
}

void PrintTable(QPrinter& printer, const QAbstractItemModel& model, const std::vector<TableColumn>& columns,
                const TableLook& look)
{
    QPainter p;
    beginOrThrow(p, printer);
    const int pageWidth = p.device()->width();
    const int pageHeight = p.device()->height();
    const int printable = std::max(1, pageWidth - 2 * kTableMargin);

    // Column edges in proportion to the screen widths.
    long long screenTotal = 0;
    for (const auto& c : columns)
        screenTotal += std::max(0, c.screenWidth);
    std::vector<int> left(columns.size() + 1, kTableMargin);
    long long sum = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sum += std::max(0, columns[i].screenWidth);
        left[i + 1] = kTableMargin + static_cast<int>(screenTotal > 0 ? sum * printable / screenTotal
                                                                      : printable * (i + 1) / columns.size());
    }

    // Text fits the row: the view's size when the printer is coarse, smaller on fine printers.
    QFont font = look.font;
    const double pointsInPixels = font.pointSizeF() > 0 ? font.pointSizeF() * printer.resolution() / 72.0 : 0;
    const int maxPixels = kTableRowHeight * 3 / 5;
    font.setPixelSize(pointsInPixels > 0 ? std::min(maxPixels, static_cast<int>(std::lround(pointsInPixels)))
                                         : maxPixels);
    QFont bold = font;
    bold.setBold(true);
    QPen line(Qt::black);
    line.setWidth(std::max(1, printer.resolution() / 150));
    // Rules lie inside the band above them, so the next row's background does not cover them.
    const int ruleInset = (line.width() + 1) / 2;
    const int padding = std::max(2, kTableRowHeight / 10);

    const int rowCount = model.rowCount();
    const std::vector<int> pages = TablePageRows(rowCount, pageHeight, look.headingHeight);
    const int copies = copiesToPrint(printer);
    bool firstPrinted = true;
    for (int copy = 0; copy < copies; ++copy) {
        int row = 0;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            const int first = row;
            row += pages[page];
            if (!pageWanted(printer, static_cast<int>(page) + 1))
                continue;
            if (!firstPrinted)
                printer.newPage();
            firstPrinted = false;
            p.setPen(line);
            int y = kTableMargin;
            if (page == 0) {
                p.setFont(bold);
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    const QRect cell(left[i] + padding, y, left[i + 1] - left[i] - 2 * padding, look.headingHeight);
                    p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                               model.headerData(columns[i].column, Qt::Horizontal, Qt::DisplayRole).toString());
                }
                y += look.headingHeight;
                p.drawLine(kTableMargin, y - ruleInset, kTableMargin + printable, y - ruleInset);
            }
            p.setFont(font);
            for (int r = first; r < row; ++r) {
                p.fillRect(QRect(kTableMargin, y, printable, kTableRowHeight), look.background);
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    const QModelIndex index = model.index(r, columns[i].column);
                    const QRect whole(left[i], y, left[i + 1] - left[i], kTableRowHeight);
                    const QString text = model.data(index, Qt::DisplayRole).toString();
                    const QVariant check = model.data(index, Qt::CheckStateRole);
                    if (text.isEmpty() && check.isValid())
                        drawCheckBox(p, whole, check.toInt() == Qt::Checked);
                    else
                        p.drawText(whole.adjusted(padding, 0, -padding, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
                }
                y += kTableRowHeight;
                p.drawLine(kTableMargin, y - ruleInset, kTableMargin + printable, y - ruleInset);
            }
        }
    }
    p.end();
}

void PrintTableView(QPrinter& printer, const QTableView& view, int headingHeight)
{
    const QAbstractItemModel* model = view.model();
    if (!model)
        return;
    std::vector<TableColumn> columns;
    for (int c = 0; c < model->columnCount(); ++c)
        if (!view.isColumnHidden(c))
            columns.push_back({c, view.columnWidth(c)});
    TableLook look;
    look.headingHeight = headingHeight;
    look.background = view.palette().color(QPalette::Base);
    look.font = view.font();
    PrintTable(printer, *model, columns, look);
}

void PrintText(QPrinter& printer, const QString& text, const QFont& font, const QString& jobName)
{
    printer.setDocName(jobName);
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setPlainText(text);
    // QTextDocument::print stays silent when it cannot write its file; say so instead.
    if (!printer.outputFileName().isEmpty()) {
        QFile file(printer.outputFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            throw kalimor::FileError::unableToWrite(cp(printer.outputFileName()));
    }
    doc.print(&printer);
}

PrintService::PrintService(Prompts& prompts, QObject* parent)
    : QObject(parent), prompts_(prompts), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("PrintDialog");
}

PrintService::~PrintService() = default;

bool PrintService::choosePrinter(QWidget* parent)
{
    bool accepted = false;
    if (dialogOverride) {
        accepted = dialogOverride(*printer_);
    } else {
        if (QPrinterInfo::availablePrinters().isEmpty())
            prompts_.inform(parent, QStringLiteral("Не установлен ни один принтер. Печать возможна только в файл."),
                            Prompts::Icon::Warning);
        QPrintDialog dialog(printer_.get(), parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setMinMax(1, 9999);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted && printer_->outputFormat() == QPrinter::PdfFormat)
        printer_->setResolution(kPdfResolution);
    return accepted;
}

void PrintService::printText(QWidget* parent, const QString& text, const QFont& font, const QString& jobName)
{
    if (!choosePrinter(parent))
        return;
    PrintText(*printer_, text, font, jobName);
}

void PrintService::printTable(QWidget* parent, const QTableView& view, int headingHeight)
{
    if (!choosePrinter(parent))
        return;
    printer_->setDocName(QString());
    PrintTableView(*printer_, view, headingHeight);
}

} // namespace print
