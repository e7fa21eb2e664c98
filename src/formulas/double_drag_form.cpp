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
#include "platform/widget_colours.h"

namespace {

QComboBox* numberBox(const QString& name, const QStringList& items, const QString& text, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentText(text);
    box->setMinimumContentsLength(3);
    return box;
}

} // namespace

void DoubleDragForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    FormulaSearchForm::setupUi(dialog, member);
    Panel1->setFont(MingFont(16));
    Panel1->setMinimumHeight(177);

    CB_xx = numberBox(QStringLiteral("CB_xx"), {}, QStringLiteral("01"), Panel1);
    cb_d1 = numberBox(QStringLiteral("cb_d1"), {}, QStringLiteral("1"), Panel1);
    cb_d2 = numberBox(QStringLiteral("cb_d2"), {}, QString(), Panel1);
    cb_prediction = numberBox(QStringLiteral("cb_prediction"),
                              {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                               QStringLiteral("5")},
                              QStringLiteral("1"), Panel1);

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

    plan = new QLabel(QStringLiteral("---"), Panel1);
    plan->setObjectName(QStringLiteral("plan"));
    plan->setFont(MingFont(16));
    plan->setMinimumWidth(260);
    plan->setFrameShape(QFrame::Panel);
    SetBackground(*plan, QColor(0, 96, 0), Qt::white);
    pagingRow->addWidget(plan, 1);
    pagingRow->addWidget(lb_rule);

    Button1 = new QPushButton(QStringLiteral("版路說明"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setVisible(false);
}
