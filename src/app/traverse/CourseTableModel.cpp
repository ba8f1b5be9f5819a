#include "app/traverse/CourseTableModel.h"

#include "app/QtText.h"
#include "traverse/CourseTable.h"

#include <QBrush>
#include <QColor>

namespace {
const char* const kHeaders[kalimor::kCourseColumns] = {"№ п/п",
                                                       "Точка",
                                                       "Гор. угол",
                                                       "Расстояние (SD)",
                                                       "Верт. Угол",
                                                       "i > v",
                                                       "Гор. прол. (HD)",
                                                       "fa",
                                                       "Дир. угол",
                                                       "fx",
                                                       "X",
                                                       "dX",
                                                       "fy",
                                                       "Y",
                                                       "dY",
                                                       "fh",
                                                       "H",
                                                       "dH"};
const char* const kFooters[7] = {"№ п/п",      "Точка хода", "Гор. угол",      "Расстояние (SD)",
                                 "Верт. угол", "i > v",      "Гор. прол. (HD)"};
const int kWidths[kalimor::kCourseColumns] = {26, 50, 58, 73, 60, 56, 65, 59, 68, 56, 76, 75, 75, 78, 75, 75, 75, 75};
} // namespace

CourseTableModel::CourseTableModel(kalimor::CoursePage& page, QObject* parent)
    : QAbstractTableModel(parent), page_(page), shownRows_(static_cast<int>(page.rows.size()))
{
}

QString CourseTableModel::header(int column)
{
    return column >= 0 && column < kalimor::kCourseColumns ? QString::fromUtf8(kHeaders[column]) : QString();
}

QString CourseTableModel::footer(int column)
{
    return column >= 0 && column < 7 ? QString::fromUtf8(kFooters[column]) : QString();
}

int CourseTableModel::width(int column)
{
    return column >= 0 && column < kalimor::kCourseColumns ? kWidths[column] : 0;
}

int CourseTableModel::rowCount(const QModelIndex& parent) const
{
    // The rows as last shown: the engine may rebuild them before the view hears of it.
    return parent.isValid() ? 0 : shownRows_;
}

int CourseTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kalimor::kCourseColumns;
}

QVariant CourseTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(page_.rows.size()))
        return {};
    const kalimor::CourseCell& cell =
        page_.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return qs(cell.text);
    case Qt::BackgroundRole:
        if (cell.input)
            return QBrush(QColor(213, 231, 249));
        return {};
    case Qt::ForegroundRole:
        // A cell that could not be read was taken as 0: shown in red so the change is seen.
        if (cell.unreadable)
            return QBrush(Qt::red);
        return {};
    default:
        return {};
    }
}

bool CourseTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= static_cast<int>(page_.rows.size()))
        return false;
    kalimor::SetCourseCellText(page_, index.row(), index.column(), cp(value.toString()));
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CourseTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant CourseTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CourseTableModel::reload()
{
    // A rebuild of another size is a new table; otherwise the texts changed in place, and the
    // selection, the scroll position and an open cell editor stay.
    const int rows = static_cast<int>(page_.rows.size());
    if (rows != shownRows_) {
        beginResetModel();
        shownRows_ = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, kalimor::kCourseColumns - 1));
    }
}
