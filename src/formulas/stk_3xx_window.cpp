#include "formulas/stk_3xx_window.h"

TForm_rk_ai2_stk_3xx::TForm_rk_ai2_stk_3xx(const DrawTables& draws, WorkArea& work, Services& services,
                                           WindowLinks& links, QWidget* parent)
    : DoubleDragWindow(DragFamily::Position, Ai2Stk3xxMember(), draws, work, services, links, parent) {}
