#include "formulas/nurture_form.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "draws/draw_tables.h"
#include "formulas/formula_member.h"
#include "formulas/nurture_search.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"
#include "platform/widget_colours.h"

namespace {

FormulaMember NurtureMember() {
    FormulaMember m;
    m.width = 689;
    m.height = 613;
    m.baseDate = BoxUse::Shown;
    m.lookBack = BoxUse::Shown;
    m.lookBackItems = {"1", "2", "3", "4", "5", "6"};
    m.lookBackText = "1";
    m.threshold = ThresholdBox::Percent;
    m.capacity = NurtureCapacity;
    m.sort = KeySort::Descending;
    m.orderPositions = MaxBallSlots;
    m.memoryFile = MemoryFileName::PerGame;
    m.printItem = "N3";
    m.progressMax = NurtureProgressMax;
    m.gridHeadings = {" 日     期", " 期 數", "一",    "二",     "三",     "四",    "五",
                      "六",         "特",     "預測 ", "本期開", "下一期", "下二期"};
    m.columnWidths = {88, 65, 39, 35, 38, 38, 38, 36, 38, 55, 59, 59, 57};
    m.headingColour = "yellow";
    return m;
}

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

} // namespace

FormulaMember Nurture50Member() {
    FormulaMember m = NurtureMember();
    m.formName = "Form_rk_6line_3is";
    m.caption = "獨支三期養牌(50期驗證)";
    m.thresholdItems = {"70", "65", "60", "55", "50"};
    m.thresholdText = "60";
    m.deleteItem = "memofileLinesClear1";
    return m;
}

FormulaMember Nurture30Member() {
    FormulaMember m = NurtureMember();
    m.formName = "Form_rk_6line_3is_2";
    m.caption = "獨支三期養牌(30期驗證)2006.07.10";
    m.thresholdItems = {"90", "80", "70"};
    m.thresholdText = "80";
    m.deleteItem = "N4";
    return m;
}

void NurtureForm::setupUi(QDialog& dialog, const FormulaMember& member, int verifyDraws) {
    FormulaSearchForm::setupUi(dialog, member);
    const bool fifty = verifyDraws == Nurture50.verifyDraws;
    if (fifty) {
        SetBackground(*Panel1, QColor(0, 96, 96), Qt::yellow);
        Panel1->setFont(MingFont(16));
        // On the dark panel the chosen order shows filled and the other hollow.
        const QString indicator =
            QStringLiteral("QRadioButton { color: %1; }"
                           "QRadioButton::indicator { width: 12px; height: 12px; border: 2px solid white;"
                           " border-radius: 8px; }"
                           "QRadioButton::indicator:checked { background: %1; }")
                .arg(Panel1->palette().color(QPalette::WindowText).name());
        rb_ball_ori->setStyleSheet(indicator);
        rb_ball_sort->setStyleSheet(indicator);
    } else {
        SetBackground(*Panel1, Qt::lightGray);
    }
    SetTextColour(*SpeedButton4, fifty ? Qt::red : Qt::blue);
    SetTextColour(*lb_rule, Qt::red);
    QFont gridFont = sgl->font();
    gridFont.setPointSize(13);
    gridFont.setBold(true);
    sgl->setFont(gridFont);
    SetTextColour(*sgl, Qt::red);
    sgl->setToolTip(QStringLiteral("按滑鼠右鍵操作版路記憶和追蹤功能"));

    SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("說明"), Panel1);

    auto* boxes = new QHBoxLayout;
    addCaptioned(*boxes, QStringLiteral("基準日"), cb_date, QString());
    addCaptioned(*boxes, QStringLiteral("計算基準上"), cb_base, QStringLiteral("期"));
    QLabel* rate = NewCaption(QString::number(verifyDraws) + QStringLiteral("期成功率"), Panel1);
    SetTextColour(*rate, fifty ? Qt::red : Qt::green);
    boxes->addWidget(rate);
    addCaptioned(*boxes, QString(), cb_percent, QStringLiteral("％以上"));
    boxes->addStretch();
    if (!fifty) {
        Button1 = NewButton("Button1", QStringLiteral("獨支養牌(驗50期)"), Panel1);
        SetBackground(*Button1, Qt::yellow);
        boxes->addWidget(Button1);
    }
    topRows->addLayout(boxes);

    auto* actions = new QHBoxLayout;
    actions->addWidget(rb_ball_ori);
    actions->addWidget(rb_ball_sort);
    actions->addWidget(SpeedButton1);
    actions->addStretch();
    actions->addWidget(SpeedButton4);
    topRows->addLayout(actions);

    pagingRow->addWidget(lb_rule, 1);
}
