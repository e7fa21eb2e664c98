#include "formulas/formula_search_form.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "formulas/formula_member.h"
#include "platform/box_value.h"
#include "platform/elided_label.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/qt_text.h"
#include "platform/string_grid.h"

namespace {

constexpr int MemoPointSize = 11;

QComboBox* editableCombo(const char* name, const std::vector<std::string>& items, const std::string& text,
                         QWidget* parent) {
    return NewEditableCombo(name, qsList(items), qs(text), parent);
}

QLabel* centredLabel(const char* name, std::string_view text, QWidget* parent) {
    QLabel* label = NewLabel(name, qs(std::string(text)), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QComboBox* FormulaSearchForm::threshold() const {
    return cb_percent ? cb_percent : cb_lan;
}

void FormulaSearchForm::addCaptioned(QHBoxLayout& row, const QString& before, QWidget* box,
                                     const QString& after) {
    QWidget* parent = box->parentWidget();
    if (!before.isEmpty())
        row.addWidget(CaptionBox(NewCaption(before, parent), *box));
    row.addWidget(box);
    if (!after.isEmpty())
        row.addWidget(NewCaption(after, parent));
}

void FormulaSearchForm::setupUi(QDialog& dialog, const FormulaMember& member) {
    dialog.setObjectName(qs(member.formName));
    dialog.setWindowTitle(qs(member.caption));
    dialog.resize(member.width, member.height);

    Panel1 = Named(new QFrame(&dialog), "Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    // The captions and boxes read at the size of the memo under them.
    Panel1->setFont(MingFont(MemoPointSize));
    auto* panel = new QVBoxLayout(Panel1);
    topRows = new QVBoxLayout;
    panel->addLayout(topRows);

    cb_date = editableCombo("cb_date", {}, {}, Panel1);
    cb_date->setMinimumContentsLength(10);
    cb_date->setVisible(member.baseDate == BoxUse::Shown);
    cb_base = editableCombo("cb_base", member.lookBackItems, member.lookBackText, Panel1);
    cb_base->setVisible(member.lookBack == BoxUse::Shown);
    if (member.threshold == ThresholdBox::Percent)
        cb_percent = editableCombo("cb_percent", member.thresholdItems, member.thresholdText, Panel1);
    else if (member.threshold == ThresholdBox::RunLength)
        cb_lan = editableCombo("cb_lan", member.thresholdItems, member.thresholdText, Panel1);

    rb_ball_ori = Named(new QRadioButton(QStringLiteral("落球"), Panel1), "rb_ball_ori");
    rb_ball_ori->setChecked(true);
    rb_ball_sort = Named(new QRadioButton(QStringLiteral("順球"), Panel1), "rb_ball_sort");
    const bool radios = member.orderPositions > 0 && member.orderRadiosShown;
    rb_ball_ori->setVisible(radios);
    rb_ball_sort->setVisible(radios);

    SpeedButton4 = Named(new QToolButton(Panel1), "SpeedButton4");
    SpeedButton4->setText(qs(member.startCaption));
    SpeedButton4->setFont(KaiFont(16));
    SpeedButton4->setMinimumSize(90, 40);
    SpeedButton2 = NewSpeedButton("SpeedButton2", QStringLiteral("上一組"), Panel1);
    SpeedButton6 = NewSpeedButton("SpeedButton6", QStringLiteral("下一組"), Panel1);
    SpeedButton2->setEnabled(false);
    SpeedButton6->setEnabled(false);
    lb_sortidx = centredLabel("lb_sortidx", InitialIndexLabel, Panel1);
    lb_tot = centredLabel("lb_tot", InitialTotalLabel, Panel1);
    lb_rule = NewElidedLabel("lb_rule", Panel1);
    lb_rule->setText(QStringLiteral("公式"));
    lb_rule->setVisible(member.ruleLabelShown);
    pagingRow = new QHBoxLayout;
    pagingRow->addWidget(SpeedButton2);
    pagingRow->addWidget(lb_sortidx);
    pagingRow->addWidget(SpeedButton6);
    pagingRow->addWidget(lb_tot);
    panel->addLayout(pagingRow);

    panel_print = Named(new QFrame(&dialog), "panel_print");
    panel_print->setFrameShape(QFrame::Panel);
    auto* hint = new QVBoxLayout(panel_print);
    hint->addWidget(NewCaption(QStringLiteral("按滑鼠右鍵可列印版路內容"), panel_print));
    hint->addWidget(NewCaption(QStringLiteral("(按[開始鍵]本訊息消失)"), panel_print));
    panel_print->setVisible(!member.printItem.empty());

    sgl = Named(new StringGrid(0, 1, &dialog), "sgl");
    sgl->SetColCount(static_cast<int>(member.gridHeadings.size()));
    sgl->SetRowCount(2);
    for (std::size_t c = 0; c < member.gridHeadings.size(); ++c)
        sgl->SetCell(static_cast<int>(c), 0, qs(member.gridHeadings[c]));
    for (std::size_t c = 0; c < member.columnWidths.size(); ++c)
        sgl->SetColWidth(static_cast<int>(c), member.columnWidths[c]);
    sgl->verticalHeader()->setDefaultSectionSize(20);
    sgl->KeepColumnsInView();
    sgl->SetHeadingColours(QColor(qs(member.headingColour)), QColor());
    sgl->setContextMenuPolicy(Qt::CustomContextMenu);
    sglPopup = Named(new QMenu(sgl), "sglPopup");
    if (!member.printItem.empty()) {
        printItem = sglPopup->addAction(QStringLiteral("列印版路內容"));
        printItem->setObjectName(qs(member.printItem));
    }
    if (!member.deleteItem.empty()) {
        deleteItem = sglPopup->addAction(QStringLiteral("刪除基準日參數記憶"));
        deleteItem->setObjectName(qs(member.deleteItem));
    }

    Pbar = Named(new QProgressBar(&dialog), "Pbar");
    Pbar->setRange(0, member.progressMax);
    Pbar->setValue(0);
    Pbar->setVisible(member.progressMax > 0);

    mm = NewMemo("mm", &dialog, LineWrap::NoWrap);
    mm->setFont(MemoFont(MemoPointSize));
    mm->setFixedHeight(195);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(Panel1);
    layout->addWidget(panel_print);
    layout->addWidget(sgl, 1);
    layout->addWidget(Pbar);
    layout->addWidget(mm);
}
