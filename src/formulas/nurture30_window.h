#pragma once

#include "formulas/nurture_window.h"

// "獨支三期養牌(30期驗證)2006.07.10", with a button that opens the 50-draw window over it.
class TForm_rk_6line_3is_2 : public NurtureWindow {
    Q_OBJECT
public:
    TForm_rk_6line_3is_2(const DrawTables& draws, WorkArea& work, Services& services, WindowLinks& links,
                         QWidget* parent = nullptr);

private:
    void Button1Click(); // "獨支養牌(驗50期)"
};
