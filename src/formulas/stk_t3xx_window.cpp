#include "formulas/stk_t3xx_window.h"

TForm_rk_ai2_stk_T3xx::TForm_rk_ai2_stk_T3xx(const DrawTables& draws, WorkArea& work, Services& services,
                                             WindowLinks& links, QWidget* parent)
    : DoubleDragWindow(DragFamily::Tail, Ai2StkT3xxMember(), draws, work, services, links, parent) {}
