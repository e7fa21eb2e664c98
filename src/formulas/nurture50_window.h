#pragma once

#include "formulas/nurture_window.h"

// "獨支三期養牌(50期驗證)".
class TForm_rk_6line_3is : public NurtureWindow {
    Q_OBJECT
public:
    TForm_rk_6line_3is(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                       QWidget* parent = nullptr);
};
