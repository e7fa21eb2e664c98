#pragma once

#include <QTableView>

#include "common/text_table.h"

class TextTableModel;

// A text grid addressed like the classic string grid: Cells(col, row), with the first FixedRows rows
// shown as the column headings and the first FixedCols columns as the row headings. RowCount and
// ColCount include the fixed rows and columns. The cells live in a TextTable; readers take table().
class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(int fixedCols = 1, int fixedRows = 1, QWidget* parent = nullptr);

    const TextTable& table() const;
    // Shows a whole computed table at once, its fixed rows and columns included.
    void setTable(TextTable table);

    int FixedCols() const { return table().fixedColumns(); }
    int FixedRows() const { return table().fixedRows(); }

    int RowCount() const { return table().rowCount(); }
    int ColCount() const { return table().columnCount(); }
    void SetRowCount(int rows);
    void SetColCount(int cols);

    QString Cells(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    void SetColWidth(int col, int width);
    // The width, or more when the texts of the column need it.
    void SetColWidthAtLeast(int col, int width);

    // Every column in view at the grid's own width, for a small grid of like columns: they share the
    // width, none narrower than `widest` (the widest text any of them shows, headings included) in the
    // grid's font, and the grid asks its layout for at least that much.
    void ShareWidthAmongColumns(const QString& widest);
    // Every column in view at its set width: the grid asks its layout for the width of all its
    // columns and of its vertical scroll bar, so the window cannot squeeze it into scrolling sideways.
    void KeepColumnsInView();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // Colours the headings (both when `orientations` says so); an invalid colour keeps the style's.
    // Through the palette rather than a style sheet: a style sheet hands each heading a fresh palette
    // at every paint, and the style's picture cache then keeps a new picture of it each time.
    void SetHeadingColours(const QColor& background, const QColor& text,
                           Qt::Orientations orientations = Qt::Horizontal | Qt::Vertical);

    // The selected data row (in Cells numbering), or -1.
    int Row() const;

    // Every cell, fixed ones included, rows joined by CR LF and cells by the separator.
    QString AllText(QChar separator = QLatin1Char('\t')) const;

protected:
    void changeEvent(QEvent* event) override;
    // Enter stays in the grid: left unaccepted it would go on to the window's default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class ColumnFit { None, Shared, Kept };

    void showHeadings();
    void shareWidth();
    // The width all columns need, with the frame, the row headings and the vertical scroll bar.
    int columnsWidth() const;

    TextTableModel* model_;
    ColumnFit fit_ = ColumnFit::None;
    QString widest_;
};
