#include "formulas/formula_member.h"

#include "formulas/double_drag_texts.h"

namespace {

FormulaMember DoubleDragMember() {
    FormulaMember m;
    m.width = 800;
    m.height = 669;
    m.startCaption = "搜尋";
    m.baseDate = BoxUse::Shown;
    m.lookBack = BoxUse::Hidden; // a key prefix only
    m.lookBackText = "-1";
    m.threshold = ThresholdBox::RunLength;
    m.capacity = 1000;
    m.sort = KeySort::Descending;
    m.noResult = NoResultReport::PlanPanel;
    m.orderPositions = 5;
    m.sortedOrderOnShow = true;
    m.gridHeadings = DragGridHeadings();
    return m;
}

} // namespace

FormulaMember Ai2Stk3xxMember() {
    FormulaMember m = DoubleDragMember();
    m.formName = "Form_rk_ai2_stk_3xx";
    m.caption = "雙連拖定位獨支";
    m.thresholdItems = {"4", "3", "2"};
    m.thresholdText = "3";
    m.ruleLabelShown = false;
    m.columnWidths = {83, 60, 39, 35, 38, 38, 38, 6, 7, 74, 62, 172, 80};
    return m;
}

FormulaMember Ai2StkT3xxMember() {
    FormulaMember m = DoubleDragMember();
    m.formName = "Form_rk_ai2_stk_T3xx";
    m.caption = "雙連拖統計尾數 ";
    m.width = 784;
    m.thresholdItems = {"9", "8", "7", "6", "5"};
    m.thresholdText = "6";
    m.orderRadiosShown = false;
    m.columnWidths = {83, 60, 39, 35, 38, 38, 38, 2, 3, 74, 62, 172, 80};
    return m;
}
