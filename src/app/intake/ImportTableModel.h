#pragma once
// The import table GridViewImport as a view over the engine's rows (no copy), and the
// address lists of the range boxes likewise.
#include "intake/ImportModel.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>

#include <string>
#include <vector>

class ImportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number = 0, Address, Distance, Hz, V, Station, I, Target, Note, ColumnCount };

    explicit ImportTableModel(kalimor::ImportPage& page, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The engine's rows were replaced.
    void reload();
    // The engine's rows changed in place (same count).
    void contentChanged();

private:
    std::string* text(int row, int column) const;
    bool valid(const QModelIndex& index) const;

    kalimor::ImportPage& page_;
    int shown_ = 0; // rows the view knows of; follows the engine at reload()
};

class AddressListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit AddressListModel(const std::vector<std::string>& items, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void reload();

private:
    const std::vector<std::string>& items_;
    int shown_ = 0;
};
