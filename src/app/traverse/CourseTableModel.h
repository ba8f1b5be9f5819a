#pragma once
// GridViewCourse's model: the engine's cell texts as they stand, edited in place.
#include "traverse/CourseModel.h"

#include <QAbstractTableModel>

class CourseTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CourseTableModel(kalimor::CoursePage& page, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The engine rebuilt or rewrote the rows.
    void reload();

    static QString header(int column);
    static QString footer(int column);
    static int width(int column);

private:
    kalimor::CoursePage& page_;
    int shownRows_ = 0;
};
