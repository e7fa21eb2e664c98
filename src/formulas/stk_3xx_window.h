#pragma once

#include "formulas/double_drag_window.h"

// "雙連拖定位獨支": which ball position of a draw near the pick is drawn again n draws after it.
class TForm_rk_ai2_stk_3xx : public DoubleDragWindow {
    Q_OBJECT
public:
    TForm_rk_ai2_stk_3xx(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                         QWidget* parent = nullptr);
};
