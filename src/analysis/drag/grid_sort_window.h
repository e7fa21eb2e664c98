#pragma once

#include <QDialog>

#include "analysis/drag/grid_sort_form.h"

struct DragHandOver;
struct DrawTables;
struct Services;

// 版路拖牌排序顯示: a copy of the current drag grid with the numbers and tails most often marked
// first. It keeps what it shows until the drag window fills it again.
class TForm_rk_grid_sort : public QDialog {
    Q_OBJECT
public:
    TForm_rk_grid_sort(const DrawTables& draws, const DragHandOver& drag, Services& services,
                       QWidget* parent = nullptr);

    // Fills the grid and its CSV copy from the drag hand-over.
    void show_grid_sort();

private:
    void N1Click(); // "將本圖表資料存成文字檔案"

    GridSortForm ui;
    const DrawTables& draws_;
    const DragHandOver& drag_;
    Services& services_;
};
