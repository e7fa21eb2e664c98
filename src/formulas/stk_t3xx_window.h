#pragma once

#include "formulas/double_drag_window.h"

// "雙連拖統計尾數 ": which tail digit is drawn n draws after the pick.
class TForm_rk_ai2_stk_T3xx : public DoubleDragWindow {
    Q_OBJECT
public:
    TForm_rk_ai2_stk_T3xx(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                          QWidget* parent = nullptr);
};
