#include "platform/string_grid.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include "platform/text_table_model.h"

StringGrid::StringGrid(int fixedCols, int fixedRows, QWidget* parent)
    : QTableView(parent), model_(new TextTableModel(this)) {
    model_->setTable(TextTable(0, 0, fixedCols, fixedRows));
    setModel(model_);
    verticalHeader()->setDefaultSectionSize(20);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Tab goes on to the next control; the arrow keys move from cell to cell.
    setTabKeyNavigation(false);
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

void StringGrid::ShareWidthAmongColumns(const QString& widest) {
    fit_ = ColumnFit::Shared;
    widest_ = widest;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    shareWidth();
}

void StringGrid::KeepColumnsInView() {
    fit_ = ColumnFit::Kept;
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
    connect(horizontalHeader(), &QHeaderView::geometriesChanged, this, [this] { updateGeometry(); });
    updateGeometry();
}

void StringGrid::shareWidth() {
    const int text = fontMetrics().horizontalAdvance(widest_);
    const int cell = text + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    const int heading = horizontalHeader()->fontMetrics().horizontalAdvance(widest_) +
                        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    horizontalHeader()->setMinimumSectionSize(std::max(cell, heading));
    updateGeometry();
}

int StringGrid::columnsWidth() const {
    const QHeaderView* header = horizontalHeader();
    int width = 2 * frameWidth();
    if (fit_ == ColumnFit::Shared) {
        width += header->minimumSectionSize() * header->count();
    } else {
        // The header widens a section to its minimum when the font changes, without telling.
        for (int c = 0; c < header->count(); ++c)
            if (!header->isSectionHidden(c))
                width += std::max(header->sectionSize(c), header->minimumSectionSize());
    }
    if (verticalHeader()->isVisible())
        width += verticalHeader()->sizeHint().width();
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width += verticalScrollBar()->sizeHint().width();
    return width;
}

QSize StringGrid::minimumSizeHint() const {
    QSize hint = QTableView::minimumSizeHint();
    if (fit_ != ColumnFit::None)
        hint.setWidth(std::max(hint.width(), columnsWidth()));
    return hint;
}

QSize StringGrid::sizeHint() const {
    QSize hint = QTableView::sizeHint();
    if (fit_ != ColumnFit::None)
        hint.setWidth(std::max(hint.width(), columnsWidth()));
    return hint;
}

void StringGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange && event->type() != QEvent::StyleChange)
        return;
    if (fit_ == ColumnFit::Shared)
        shareWidth();
    else if (fit_ == ColumnFit::Kept)
        updateGeometry();
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    QTableView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
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
