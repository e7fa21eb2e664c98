#include "formulas/nogood_group_form.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "formulas/formula_member.h"
#include "formulas/nogood_group_search.h"
#include "platform/elided_label.h"
#include "platform/form_controls.h"

namespace {

QRadioButton* Radio(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* radio = Named(new QRadioButton(caption, parent), name);
    radio->setChecked(checked);
    return radio;
}

} // namespace

FormulaMember NogoodGroupMember() {
    FormulaMember m;
    m.formName = "Form_rk_7star2_ng";
    m.caption = "不出牌組(2006.07.10修訂)";
    m.width = 819;
    m.height = 622;
    m.baseDate = BoxUse::Shown;
    m.lookBack = BoxUse::None;
    m.threshold = ThresholdBox::None;
    m.capacity = GroupCapacity;
    m.sort = KeySort::Ascending;
    m.orderPositions = 0;
    m.memoryFile = MemoryFileName::PerForm;
    m.printItem = "N1";
    m.deleteItem = "N2";
    m.progressMax = GroupProgressMax;
    m.ruleLabelShown = false; // Label2 shows the code
    m.gridHeadings = {" 日     期",        " 期 數", "一", "二", "三", "四", "五", "六", "特",
                      "不出牌組預測號碼 ", "爆支"};
    m.columnWidths = {83, 60, 39, 35, 38, 38, 38, 36, 38, 313, 48};
    m.headingColour = "silver";
    return m;
}

void NogoodGroupForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    FormulaSearchForm::setupUi(dialog, member);

    gb_hits = Named(new QGroupBox(QStringLiteral("條件"), Panel1), "gb_hits");
    rb3 = Radio("rb3", QStringLiteral("爆二支"), false, gb_hits);
    rb4 = Radio("rb4", QStringLiteral("爆一支"), true, gb_hits);
    rb5 = Radio("rb5", QStringLiteral("全過關"), false, gb_hits);
    auto* hits = new QHBoxLayout(gb_hits);
    for (QRadioButton* radio : {rb3, rb4, rb5})
        hits->addWidget(radio);

    gb_pass = Named(new QGroupBox(Panel1), "gb_pass");
    rb_83 = Radio("rb_83", QStringLiteral("九期過五期"), false, gb_pass);
    rb_84 = Radio("rb_84", QStringLiteral("九期過六期"), true, gb_pass);
    rb_85 = Radio("rb_85", QStringLiteral("九期過七期"), false, gb_pass);
    auto* pass = new QHBoxLayout(gb_pass);
    for (QRadioButton* radio : {rb_83, rb_84, rb_85})
        pass->addWidget(radio);

    cb_nono =
        NewEditableCombo("cb_nono", NumberItems(GroupSizeLeast, GroupSizeMost), QStringLiteral("8"), Panel1);

    auto* dates = new QHBoxLayout;
    addCaptioned(*dates, QStringLiteral("基準日期"), cb_date, QString());
    addCaptioned(*dates, QStringLiteral("號碼數"), cb_nono, QString());
    dates->addStretch();
    dates->addWidget(SpeedButton4);
    topRows->addLayout(dates);
    auto* conditions = new QHBoxLayout;
    conditions->addWidget(gb_hits);
    conditions->addWidget(gb_pass);
    conditions->addStretch();
    topRows->addLayout(conditions);

    Label2 = NewElidedLabel("Label2", Panel1); // a code too long to fit is cut, whole in the tool tip
    Label2->setText(QStringLiteral("代號"));
    pagingRow->addWidget(Label2, 1);
}
