#pragma once

#include <string>

#include <QAbstractTableModel>

#include "common/text_table.h"

// Shows a TextTable to a view: its fixed rows are the column headings, its fixed columns the row
// headings, the remaining cells the data. Positions given to setCell and resize are table positions.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(QObject* parent = nullptr);

    const TextTable& table() const { return table_; }
    // The whole table at once. A table of the same shape only repaints, so the view keeps its
    // selection and scroll position; any other table resets the model.
    void setTable(TextTable table);
    void setCell(int column, int row, const std::string& text);
    // Keeps the cells that still fit, as TextTable::resize does.
    void resize(int columns, int rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int dataRows() const;
    int dataColumns() const;
    void resizeRows(int rows);
    void resizeColumns(int columns);
    void headingsChanged(Qt::Orientation orientation);

    TextTable table_;
};
