// Printing a 2000-row import table to a PDF file, as "Печать" on the page "Импорт" does
// once the print dialog is answered.
#include "app/print/Printing.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class ImportLikeModel : public QAbstractTableModel {
public:
    explicit ImportLikeModel(int rows) : rows_(rows) {}
    int rowCount(const QModelIndex& = {}) const override { return rows_; }
    int columnCount(const QModelIndex& = {}) const override { return 9; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::CheckStateRole && index.column() == 5)
            return index.row() % 7 == 0 ? Qt::Checked : Qt::Unchecked;
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return index.row() + 1;
        case 1:
            return QString::number(index.row() + 1000);
        case 2:
            return QStringLiteral("154.321");
        case 3:
            return QStringLiteral("123.30456");
        case 4:
            return QStringLiteral("-1.2513");
        case 8:
            return QStringLiteral("ПК%1").arg(index.row() + 1);
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("Столбец %1").arg(section)) : QVariant();
    }

private:
    int rows_;
};

QApplication& app()
{
    static int argc = 1;
    static char name[] = "print_table";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication application(argc, argv);
    return application;
}

} // namespace

static void BM_PrintImportTableToPdf(benchmark::State& state)
{
    app();
    const ImportLikeModel model(static_cast<int>(state.range(0)));
    // Screen widths of the import table's visible columns (the hidden I and v left out).
    const std::vector<print::TableColumn> columns = {{0, 40}, {1, 90}, {2, 100}, {3, 80}, {4, 80}, {5, 70}, {8, 150}};
    print::TableLook look;
    look.headingHeight = print::kImportHeadingHeight;
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setOutputFileName(dir.filePath("import.pdf"));
        print::PrintTable(printer, model, columns, look);
    }
}
BENCHMARK(BM_PrintImportTableToPdf)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
