#include "analysis/paths/no_analysis_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/elided_label.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

// A two-row count grid: headings and counts, every column in view. `widest` is the widest count
// it shows: a number's count stays under a thousand, a tail's can pass it.
StringGrid* countGrid(const char* name, int columns, const char* widest, QWidget* parent) {
    auto* grid = new StringGrid(0, 1, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->SetColCount(columns);
    grid->SetRowCount(2);
    grid->ShareWidthAmongColumns(QString::fromLatin1(widest));
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() + 20 + 2 * grid->frameWidth());
    return grid;
}

QGroupBox* group(const QString& caption, const QList<QWidget*>& widgets, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return box;
}

} // namespace

void NoAnalysisForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_no_analysis"));
    window.setWindowTitle(QStringLiteral("號碼分析"));
    window.setFont(MingFont(9));
    window.resize(720, 620);

    cb_lt = NewEditableCombo("cb_lt", {}, {}, &window);
    cb_lt->setMinimumWidth(70);
    cb_sort = NewCheckBox("cb_sort", QStringLiteral("按統計結果排列"), false, &window);
    sga1 = countGrid("sga1", 21, "999", &window);
    sga2 = countGrid("sga2", 21, "999", &window);
    sga5 = countGrid("sga5", 21, "999", &window);
    sga3 = countGrid("sga3", 10, "9999", &window);
    sga4 = countGrid("sga4", 8, "999", &window);
    SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("版路定義"), &window);
    lb_ruletitle = NewElidedLabel("lb_ruletitle", &window);
    lb_ruletitle->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    sb_getno = NewButton("sb_getno", QStringLiteral("符合版路定義  推測下一期號碼 "), &window);
    sb_getno->setAutoDefault(false);
    Ed_result = NewEdit("Ed_result", {}, &window);
    mmresult = NewMemo("mmresult", &window);
    mmresult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("清除"), &window);
    SpeedButton4 = NewSpeedButton("SpeedButton4", QStringLiteral("存檔"), &window);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);
    BitBtn1->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(NewCaption(QStringLiteral("統計期數(最近)"), &window));
    top->addWidget(cb_lt);
    top->addWidget(cb_sort);
    top->addStretch();
    auto* groups = new QHBoxLayout;
    groups->addWidget(group(QStringLiteral("尾數統計"), {sga3}, &window), 10);
    groups->addWidget(group(QStringLiteral("群組統計"), {sga4}, &window), 8);
    auto* title = new QHBoxLayout;
    title->addWidget(SpeedButton1);
    title->addWidget(NewCaption(QStringLiteral("版路名稱"), &window));
    title->addWidget(lb_ruletitle, 1);
    auto* predict = new QHBoxLayout;
    predict->addWidget(sb_getno);
    predict->addWidget(Ed_result, 1);
    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(NewCaption(QStringLiteral("版路明細"), &window));
    memoButtons->addStretch();
    memoButtons->addWidget(SpeedButton3);
    memoButtons->addWidget(SpeedButton4);
    memoButtons->addWidget(BitBtn1);

    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(group(QStringLiteral("號碼統計"), {sga1, sga2, sga5}, &window));
    layout->addLayout(groups);
    layout->addLayout(title);
    layout->addLayout(predict);
    layout->addLayout(memoButtons);
    layout->addWidget(mmresult, 1);
}
