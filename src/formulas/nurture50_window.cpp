#include "formulas/nurture50_window.h"

TForm_rk_6line_3is::TForm_rk_6line_3is(const DrawTables& draws, WorkArea& work, Services& services,
                                       WindowLinks& links, QWidget* parent)
    : NurtureWindow(Nurture50, Nurture50Member(), draws, work, services, links, parent) {}
