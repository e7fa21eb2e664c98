#include "analysis/drag/threeforone_window.h"

#include "analysis/drag/group_ranking.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"

TForm_rk_threeforone::TForm_rk_threeforone(const DrawTables& draws, const DragHandOver& drag,
                                           Services& services, QWidget* parent)
    : GroupWindow(draws, drag, services, 3, QStringLiteral("Form_rk_threeforone"),
                  QStringLiteral("拖牌三中一分析"), QStringLiteral("三中一號碼"),
                  QStringLiteral("三中一期數 "), parent) {}

void TForm_rk_threeforone::get_threeforone() {
    showRanking(::get_threeforone(drag_.Grid, drag_.TraceRowCount, draws_.MaxNo), 1000);
}
