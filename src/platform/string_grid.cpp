#include "platform/string_grid.h"

#include <algorithm>
#include <utility>

#include <QHeaderView>

#include "platform/text_table_model.h"

StringGrid::StringGrid(int fixedCols, int fixedRows, QWidget* parent)
    : QTableView(parent), model_(new TextTableModel(this)) {
    model_->setTable(TextTable(0, 0, fixedCols, fixedRows));
    setModel(model_);
    verticalHeader()->setDefaultSectionSize(20);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    showHeadings();
}

const TextTable& StringGrid::table() const {
    return model_->table();
}

void StringGrid::setTable(TextTable table) {
    model_->setTable(std::move(table));
    showHeadings();
}

void StringGrid::showHeadings() {
    horizontalHeader()->setVisible(FixedRows() > 0);
    verticalHeader()->setVisible(FixedCols() > 0);
}

void StringGrid::SetRowCount(int rows) {
    model_->resize(ColCount(), rows);
}

void StringGrid::SetColCount(int cols) {
    model_->resize(cols, RowCount());
}

QString StringGrid::Cells(int col, int row) const {
    return QString::fromStdString(table().cell(col, row));
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    model_->setCell(col, row, text.toStdString());
}

void StringGrid::SetColWidth(int col, int width) {
    if (col < FixedCols())
        verticalHeader()->setFixedWidth(width);
    else
        setColumnWidth(col - FixedCols(), width);
}

void StringGrid::SetColWidthAtLeast(int col, int width) {
    const int contents = col < FixedCols() ? verticalHeader()->sizeHint().width()
                                           : std::max(sizeHintForColumn(col - FixedCols()),
                                                      horizontalHeader()->sectionSizeHint(col - FixedCols()));
    SetColWidth(col, std::max(width, contents));
}

void StringGrid::SetHeadingColours(const QColor& background, const QColor& text,
                                   Qt::Orientations orientations) {
    for (QHeaderView* headings : {horizontalHeader(), verticalHeader()}) {
        if (!(orientations & headings->orientation()))
            continue;
        QPalette palette = headings->palette();
        if (background.isValid())
            palette.setColor(QPalette::Button, background);
        if (text.isValid())
            palette.setColor(QPalette::ButtonText, text);
        headings->setPalette(palette);
    }
}

int StringGrid::Row() const {
    const int r = currentIndex().row();
    return r < 0 ? -1 : r + FixedRows();
}

QString StringGrid::AllText(QChar separator) const {
    QStringList rows;
    for (const std::string& line : table().lines(QString(separator).toStdString()))
        rows << QString::fromStdString(line);
    return rows.join(QStringLiteral("\r\n"));
}
