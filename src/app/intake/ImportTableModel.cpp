#include "app/intake/ImportTableModel.h"

#include "app/QtText.h"

ImportTableModel::ImportTableModel(kalimor::ImportPage& page, QObject* parent)
    : QAbstractTableModel(parent), page_(page)
{
}

int ImportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

bool ImportTableModel::valid(const QModelIndex& index) const
{
    return index.isValid() && index.row() < shown_ && static_cast<std::size_t>(index.row()) < page_.rows.size();
}

int ImportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::string* ImportTableModel::text(int row, int column) const
{
    kalimor::ImportRow& r = page_.rows[static_cast<std::size_t>(row)];
    switch (column) {
    case Address:
        return &r.address;
    case Distance:
        return &r.slopeDistance;
    case Hz:
        return &r.horizontalAngle;
    case V:
        return &r.verticalAngle;
    case I:
        return &r.instrumentHeight;
    case Target:
        return &r.targetHeight;
    case Note:
        return &r.note;
    default:
        return nullptr;
    }
}

QVariant ImportTableModel::data(const QModelIndex& index, int role) const
{
    if (!valid(index))
        return {};
    const int column = index.column();
    if (column == Station) {
        if (role == Qt::CheckStateRole)
            return page_.rows[static_cast<std::size_t>(index.row())].station ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (column == Number)
        return index.row() + 1;
    const std::string* t = text(index.row(), column);
    return t ? qs(*t) : QVariant();
}

QVariant ImportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char* const headers[ColumnCount] = {
        "№ п/п", "Адрес (номер)", "Расстояние (SD)", "Гор. угол", "Верт. угол", "Точка хода", "I", "v", "Примечание",
    };
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(headers[section]) : QVariant();
}

Qt::ItemFlags ImportTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case Address:
    case Distance:
    case Hz:
    case V:
    case Note:
        return f | Qt::ItemIsEditable;
    case Station:
        return f | Qt::ItemIsUserCheckable;
    default:
        return f;
    }
}

bool ImportTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!valid(index))
        return false;
    if (index.column() == Station && role == Qt::CheckStateRole) {
        page_.rows[static_cast<std::size_t>(index.row())].station = value.toInt() == static_cast<int>(Qt::Checked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    std::string* t = text(index.row(), index.column());
    if (!t)
        return false;
    *t = cp(value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void ImportTableModel::reload()
{
    beginResetModel();
    shown_ = static_cast<int>(page_.rows.size());
    endResetModel();
}

void ImportTableModel::contentChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

AddressListModel::AddressListModel(const std::vector<std::string>& items, QObject* parent)
    : QAbstractListModel(parent), items_(items)
{
}

int AddressListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

QVariant AddressListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown_ || static_cast<std::size_t>(index.row()) >= items_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return qs(items_[static_cast<std::size_t>(index.row())]);
}

void AddressListModel::reload()
{
    beginResetModel();
    shown_ = static_cast<int>(items_.size());
    endResetModel();
}
