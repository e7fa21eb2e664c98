#pragma once

#include "analysis/drag/group_window.h"

// 拖牌二中一分析: every pair of numbers ranked by the drag rows that hold at least one of the two.
class TForm_rk_twoforone : public GroupWindow {
    Q_OBJECT
public:
    TForm_rk_twoforone(const DrawTables& draws, const DragHandOver& drag, Services& services,
                       QWidget* parent = nullptr);

    // Ranks the pairs of the current drag grid; the list offers the first 100.
    void get_twoforone();
};
