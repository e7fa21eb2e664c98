#include "platform/string_grid.h"

#include <QHeaderView>

StringGrid::StringGrid(int fixedCols, int fixedRows, QWidget* parent)
    : QTableWidget(parent), fixedCols_(fixedCols), fixedRows_(fixedRows) {
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    verticalHeader()->setDefaultSectionSize(20);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
}

// Fixed cells without text show blank, not the section numbers Qt would put there.
void StringGrid::SetRowCount(int rows) {
    const int old = rowCount();
    setRowCount(std::max(0, rows - fixedRows_));
    for (int r = old; r < rowCount() && fixedCols_ > 0; ++r)
        headerItem(Qt::Vertical, r);
}

void StringGrid::SetColCount(int cols) {
    const int old = columnCount();
    setColumnCount(std::max(0, cols - fixedCols_));
    for (int c = old; c < columnCount() && fixedRows_ > 0; ++c)
        headerItem(Qt::Horizontal, c);
}

QTableWidgetItem* StringGrid::headerItem(Qt::Orientation orientation, int section) {
    QTableWidgetItem* item =
        orientation == Qt::Horizontal ? horizontalHeaderItem(section) : verticalHeaderItem(section);
    if (!item) {
        item = new QTableWidgetItem;
        if (orientation == Qt::Horizontal)
            setHorizontalHeaderItem(section, item);
        else
            setVerticalHeaderItem(section, item);
    }
    return item;
}

QString StringGrid::Cells(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return {};
    if (row < fixedRows_ && col < fixedCols_)
        return corner_;
    if (row < fixedRows_) {
        const QTableWidgetItem* item = horizontalHeaderItem(col - fixedCols_);
        return item ? item->text() : QString();
    }
    if (col < fixedCols_) {
        const QTableWidgetItem* item = verticalHeaderItem(row - fixedRows_);
        return item ? item->text() : QString();
    }
    const QTableWidgetItem* cell = item(row - fixedRows_, col - fixedCols_);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return;
    if (row < fixedRows_ && col < fixedCols_) {
        corner_ = text;
        return;
    }
    if (row < fixedRows_) {
        headerItem(Qt::Horizontal, col - fixedCols_)->setText(text);
        return;
    }
    if (col < fixedCols_) {
        headerItem(Qt::Vertical, row - fixedRows_)->setText(text);
        return;
    }
    QTableWidgetItem* cell = item(row - fixedRows_, col - fixedCols_);
    if (!cell) {
        cell = new QTableWidgetItem(text);
        setItem(row - fixedRows_, col - fixedCols_, cell);
    } else {
        cell->setText(text);
    }
}

void StringGrid::SetColWidth(int col, int width) {
    if (col < fixedCols_)
        verticalHeader()->setFixedWidth(width);
    else
        setColumnWidth(col - fixedCols_, width);
}

int StringGrid::Row() const {
    const int r = currentRow();
    return r < 0 ? -1 : r + fixedRows_;
}

QString StringGrid::AllText(QChar separator) const {
    QStringList rows;
    for (int r = 0; r < RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < ColCount(); ++c)
            cells << Cells(c, r);
        rows << cells.join(separator);
    }
    return rows.join(QStringLiteral("\r\n"));
}
