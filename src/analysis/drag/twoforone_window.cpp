#include "analysis/drag/twoforone_window.h"

#include "analysis/drag/group_ranking.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"

TForm_rk_twoforone::TForm_rk_twoforone(const DrawTables& draws, const DragHandOver& drag, Services& services,
                                       QWidget* parent)
    : GroupWindow(draws, drag, services, 2, QStringLiteral("Form_rk_twoforone"),
                  QStringLiteral("拖牌二中一分析"), QStringLiteral("二中一號碼"),
                  QStringLiteral("二中一期數 "), parent) {}

void TForm_rk_twoforone::get_twoforone() {
    showRanking(::get_twoforone(drag_.Grid, drag_.TraceRowCount, draws_.MaxNo), 100);
}
