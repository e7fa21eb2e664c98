#include "formulas/nurture30_window.h"

#include <QPushButton>

#include "platform/error_handler.h"
#include "platform/services.h"
#include "platform/window_links.h"

TForm_rk_6line_3is_2::TForm_rk_6line_3is_2(const DrawTables& draws, WorkArea& work, Services& services,
                                           WindowLinks& links, QWidget* parent)
    : NurtureWindow(Nurture30, Nurture30Member(), draws, work, services, links, parent) {
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(services_.dialogs, [this] { Button1Click(); }));
}

void TForm_rk_6line_3is_2::Button1Click() {
    links_.open(WindowId::Form_rk_6line_3is);
}
