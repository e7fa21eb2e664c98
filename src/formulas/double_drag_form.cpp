#include "formulas/double_drag_form.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "formulas/formula_member.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

void DoubleDragForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    FormulaSearchForm::setupUi(dialog, member);
    Panel1->setFont(MingFont(16));
    Panel1->setMinimumHeight(177);

    CB_xx = NewEditableCombo("CB_xx", {}, QStringLiteral("01"), Panel1);
    cb_d1 = NewEditableCombo("cb_d1", {}, QStringLiteral("1"), Panel1);
    cb_d2 = NewEditableCombo("cb_d2", {}, QString(), Panel1);
    cb_prediction = NewEditableCombo("cb_prediction", NumberItems(1, 5), QStringLiteral("1"), Panel1);

    auto* pattern = new QHBoxLayout;
    addCaptioned(*pattern, QStringLiteral("基準日"), cb_date, QString());
    addCaptioned(*pattern, QStringLiteral("開"), CB_xx, QString());
    addCaptioned(*pattern, QStringLiteral("且下"), cb_d1, QStringLiteral("期"));
    addCaptioned(*pattern, QStringLiteral("開"), cb_d2, QStringLiteral("(下0期=同期)"));
    pattern->addStretch();
    topRows->addLayout(pattern);

    auto* search = new QHBoxLayout;
    addCaptioned(*search, QStringLiteral("預測下"), cb_prediction, QStringLiteral("期"));
    addCaptioned(*search, QStringLiteral("連準"), cb_lan, QStringLiteral("版"));
    search->addWidget(rb_ball_ori);
    search->addWidget(rb_ball_sort);
    search->addStretch();
    search->addWidget(SpeedButton4);
    topRows->addLayout(search);

    plan = NewLabel("plan", QStringLiteral("---"), Panel1);
    plan->setFont(MingFont(16));
    plan->setMinimumWidth(260);
    plan->setFrameShape(QFrame::Panel);
    SetBackground(*plan, QColor(0, 96, 0), Qt::white);
    pagingRow->addWidget(plan, 1);
    pagingRow->addWidget(lb_rule);

    Button1 = NewButton("Button1", QStringLiteral("版路說明"), Panel1);
    Button1->setVisible(false);
}
