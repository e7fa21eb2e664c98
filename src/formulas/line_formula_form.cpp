#include "formulas/line_formula_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "draws/draw_tables.h"
#include "formulas/formula_member.h"
#include "formulas/line_formula_search.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

FormulaMember LineFormulaMember() {
    FormulaMember m;
    m.formName = "Form_rk_6line_line";
    m.caption = "簡單數值公式";
    m.width = 565;
    m.height = 613;
    m.baseDate = BoxUse::Hidden; // the newest draw is always the base draw
    m.lookBack = BoxUse::Hidden;
    m.lookBackItems = {"1", "2", "3", "4", "5", "6"};
    m.lookBackText = "1";
    m.threshold = ThresholdBox::Percent;
    m.thresholdItems = {"60", "55", "50", "45", "40"};
    m.thresholdText = "45";
    m.capacity = LineCapacity;
    m.sort = KeySort::Descending;
    m.orderPositions = MaxBallSlots;
    m.longBallNames = true;
    m.printItem = "N3";
    m.progressMax = LineProgressMax;
    m.gridHeadings = {" 日     期", " 期 數", "一", "二", "三", "四", "五", "六", "特", "預測 ", "開出"};
    m.columnWidths = {83, 60, 39, 35, 38, 38, 38, 36, 38, 59, 43};
    m.headingColour = "yellow";
    return m;
}

void LineFormulaForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    FormulaSearchForm::setupUi(dialog, member);
    sgl->setToolTip(QStringLiteral("按滑鼠右鍵操作版路記憶和追蹤功能"));

    cb_m = NewCheckBox("cb_m", QStringLiteral("第二計算公式"), false, Panel1);
    auto* row = new QHBoxLayout;
    addCaptioned(*row, QStringLiteral("30期成功率"), cb_percent, QStringLiteral("％以上"));
    row->addWidget(rb_ball_ori);
    row->addWidget(rb_ball_sort);
    row->addWidget(cb_m);
    row->addStretch();
    row->addWidget(SpeedButton4);
    topRows->addLayout(row);
    pagingRow->addWidget(lb_rule, 1);
}
