#pragma once

#include "analysis/drag/group_window.h"

// 拖牌三中一分析: the triples that hit more than 30% of the drag rows, ranked.
class TForm_rk_threeforone : public GroupWindow {
    Q_OBJECT
public:
    TForm_rk_threeforone(const DrawTables& draws, const DragHandOver& drag, Services& services,
                         QWidget* parent = nullptr);

    // Ranks the triples of the current drag grid; the list offers the first 1000.
    void get_threeforone();
};
