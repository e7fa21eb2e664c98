#pragma once

#include <QTableWidget>

// A text grid addressed like the classic string grid: Cells(col, row), with the first FixedRows rows
// shown as the column headings and the first FixedCols columns as the row headings. RowCount and
// ColCount include the fixed rows and columns.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit StringGrid(int fixedCols = 1, int fixedRows = 1, QWidget* parent = nullptr);

    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }

    int RowCount() const { return rowCount() + fixedRows_; }
    int ColCount() const { return columnCount() + fixedCols_; }
    void SetRowCount(int rows);
    void SetColCount(int cols);

    QString Cells(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    void SetColWidth(int col, int width);

    // The selected data row (in Cells numbering), or -1.
    int Row() const;

    // Every cell, fixed ones included, rows joined by CR LF and cells by the separator.
    QString AllText(QChar separator = QLatin1Char('\t')) const;

private:
    QTableWidgetItem* headerItem(Qt::Orientation orientation, int section);
    int fixedCols_;
    int fixedRows_;
    QString corner_;
};
