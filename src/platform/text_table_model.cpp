#include "platform/text_table_model.h"

#include <algorithm>
#include <utility>

#include <QStringList>

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int TextTableModel::dataRows() const {
    return std::max(0, table_.rowCount() - table_.fixedRows());
}

int TextTableModel::dataColumns() const {
    return std::max(0, table_.columnCount() - table_.fixedColumns());
}

void TextTableModel::setTable(TextTable table) {
    const bool sameShape =
        table.columnCount() == table_.columnCount() && table.rowCount() == table_.rowCount() &&
        table.fixedColumns() == table_.fixedColumns() && table.fixedRows() == table_.fixedRows();
    if (!sameShape) {
        beginResetModel();
        table_ = std::move(table);
        endResetModel();
        return;
    }
    table_ = std::move(table);
    if (dataRows() > 0 && dataColumns() > 0)
        emit dataChanged(index(0, 0), index(dataRows() - 1, dataColumns() - 1), {Qt::DisplayRole});
    headingsChanged(Qt::Horizontal);
    headingsChanged(Qt::Vertical);
}

void TextTableModel::setCell(int column, int row, const std::string& text) {
    if (!table_.contains(column, row) || table_.cell(column, row) == text)
        return;
    table_.setCell(column, row, text);
    const int dataRow = row - table_.fixedRows();
    const int dataColumn = column - table_.fixedColumns();
    if (dataRow < 0 && dataColumn < 0)
        return; // the corner is not shown
    if (dataRow < 0) {
        emit headerDataChanged(Qt::Horizontal, dataColumn, dataColumn);
    } else if (dataColumn < 0) {
        emit headerDataChanged(Qt::Vertical, dataRow, dataRow);
    } else {
        const QModelIndex changed = index(dataRow, dataColumn);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void TextTableModel::resize(int columns, int rows) {
    resizeColumns(std::max(0, columns));
    resizeRows(std::max(0, rows));
}

void TextTableModel::resizeRows(int rows) {
    const int oldRows = table_.rowCount();
    const int before = dataRows();
    const int after = std::max(0, rows - table_.fixedRows());
    if (after > before)
        beginInsertRows(QModelIndex(), before, after - 1);
    else if (after < before)
        beginRemoveRows(QModelIndex(), after, before - 1);
    table_.setRowCount(rows);
    if (after > before)
        endInsertRows();
    else if (after < before)
        endRemoveRows();
    // Cutting into the fixed rows drops heading texts.
    if (rows < oldRows && rows < table_.fixedRows())
        headingsChanged(Qt::Horizontal);
}

void TextTableModel::resizeColumns(int columns) {
    const int oldColumns = table_.columnCount();
    const int before = dataColumns();
    const int after = std::max(0, columns - table_.fixedColumns());
    if (after > before)
        beginInsertColumns(QModelIndex(), before, after - 1);
    else if (after < before)
        beginRemoveColumns(QModelIndex(), after, before - 1);
    table_.setColumnCount(columns);
    if (after > before)
        endInsertColumns();
    else if (after < before)
        endRemoveColumns();
    if (columns < oldColumns && columns < table_.fixedColumns())
        headingsChanged(Qt::Vertical);
}

void TextTableModel::headingsChanged(Qt::Orientation orientation) {
    const int count = orientation == Qt::Horizontal ? dataColumns() : dataRows();
    if (count > 0)
        emit headerDataChanged(orientation, 0, count - 1);
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataRows();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dataColumns();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return QString::fromStdString(
        table_.cell(index.column() + table_.fixedColumns(), index.row() + table_.fixedRows()));
}

// Every heading is text, empty when its fixed cells are, so a view never numbers its sections.
// Several fixed rows stack in the column heading; several fixed columns stand side by side.
QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    QStringList parts;
    if (section < 0 || section >= (orientation == Qt::Horizontal ? dataColumns() : dataRows()))
        return QString();
    if (orientation == Qt::Horizontal) {
        for (int r = 0; r < table_.fixedRows(); ++r)
            parts << QString::fromStdString(table_.cell(section + table_.fixedColumns(), r));
        return parts.join(QLatin1Char('\n'));
    }
    for (int c = 0; c < table_.fixedColumns(); ++c)
        parts << QString::fromStdString(table_.cell(c, section + table_.fixedRows()));
    return parts.join(QLatin1Char(' '));
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
