#include "formulas/tail_formula_form.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "draws/draw_tables.h"
#include "formulas/formula_member.h"
#include "formulas/tail_formula_search.h"
#include "formulas/tail_formula_texts.h"
#include "platform/elided_label.h"
#include "platform/form_controls.h"

FormulaMember TailFormulaMember() {
    FormulaMember m;
    m.formName = "Form_rk_nogood";
    m.caption = "不出尾數版路";
    m.width = 562;
    m.height = 635;
    m.baseDate = BoxUse::None; // always the newest draws
    m.lookBack = BoxUse::Shown;
    m.lookBackItems = {"1", "2", "3", "4", "5", "6"};
    m.lookBackText = "1";
    m.threshold = ThresholdBox::None;
    m.capacity = TailCapacity;
    m.sort = KeySort::Ascending;
    m.orderPositions = MaxBallSlots;
    m.printItem = "aa1";
    m.progressMax = TailProgressMax;
    m.ruleLabelShown = false; // Label2 shows the code
    m.gridHeadings = {" 日     期", " 期 數", "一", "二", "三", "四", "五", "六", "特", "預測 ", "開出"};
    m.columnWidths = {83, 60, 39, 35, 38, 38, 38, 36, 38, 64, 43};
    m.headingColour = "yellow";
    return m;
}

void TailFormulaForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    FormulaSearchForm::setupUi(dialog, member);

    auto* row = new QHBoxLayout;
    addCaptioned(*row, QStringLiteral("計算基準  上"), cb_base, QStringLiteral("期"));
    row->addWidget(rb_ball_ori);
    row->addWidget(rb_ball_sort);
    row->addStretch();
    row->addWidget(SpeedButton4);
    topRows->addLayout(row);

    Label2 = NewElidedLabel("Label2", Panel1); // a code too long to fit is cut, whole in the tool tip
    Label2->setText(QStringLiteral("公式"));
    pagingRow->addWidget(Label2, 1);

    Edit_trace = NewEdit("Edit_trace", QStringLiteral("輸入版路代號"), Panel1);
    Edit_trace->setToolTip(QStringLiteral("請輸入版路代號"));
    Edit_trace->setMaxLength(12);
    // Only digits reach the box (backspace still works).
    Edit_trace->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit_trace));
    Edit_trace->setVisible(false);
    pagingRow->addWidget(Edit_trace);
}
