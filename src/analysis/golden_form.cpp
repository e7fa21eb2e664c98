#include "analysis/golden_form.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/date_picker.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

// 25 columns of a number over its count; the numbers' row is the red heading.
StringGrid* RankingGrid(const char* name, QWidget* parent) {
    auto* grid = Named(new StringGrid(0, 1, parent), name);
    grid->SetColCount(25);
    grid->SetRowCount(2);
    grid->horizontalHeader()->setMinimumSectionSize(10);
    // Wide enough for a count of three digits in the window's font (2500 draws give ~320 a number).
    const int width = std::max(22, grid->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8);
    for (int c = 0; c < 25; ++c)
        grid->SetColWidth(c, width);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->SetHeadingColours(QColor(), Qt::red, Qt::Horizontal);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() + 18 + 2 * grid->frameWidth());
    grid->setFixedWidth(25 * width + 2 * grid->frameWidth());
    return grid;
}

} // namespace

void GoldenForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_gold12"));
    window.setWindowTitle(QStringLiteral("黃金組合"));
    window.setFont(MingFont(9));
    window.resize(668, 509);

    Label1 = NewLabel("Label1", QStringLiteral("統計期間"), &window);
    Label5 = NewLabel("Label5", QStringLiteral("自"), &window);
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), &window);
    Label2 = NewLabel("Label2", QStringLiteral("到"), &window);
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), &window);
    Label6 = NewLabel("Label6", QStringLiteral("期數"), &window);
    Edit1 = NewEdit("Edit1", QString(), &window);
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(60);
    lb_history_start = NewLabel("lb_history_start", QString(), &window);
    cb_spno = NewCheckBox("cb_spno", QStringLiteral("含特別號"), true, &window);

    Label4 = NewLabel("Label4", QStringLiteral("累積次數"), &window);
    sga1 = RankingGrid("sga1", &window);
    sga2 = RankingGrid("sga2", &window);

    SpeedButton2 = NewSpeedButton("SpeedButton2", QStringLiteral("熱門雙星"), &window);
    mm = NewMemo("mm", &window, LineWrap::NoWrap);
    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("熱門三星 "), &window);
    Label7 = NewLabel("Label7", QStringLiteral("(3-5分鐘)"), &window);
    mm3 = NewMemo("mm3", &window, LineWrap::NoWrap);
    SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("黃金十號"), &window);
    Label3 = NewLabel("Label3", QStringLiteral("(10-20分鐘)"), &window);
    mm9 = NewMemo("mm9", &window, LineWrap::NoWrap);
    pb1 = Named(new QProgressBar(&window), "pb1");
    pb1->setVisible(false);
    pb1->setTextVisible(false);

    auto* range = Row({Label1, Label5, DateTimePicker1, Label2, DateTimePicker2, Label6, Edit1, cb_spno});
    auto* rankings = new QGridLayout;
    rankings->addWidget(Label4, 0, 0, 2, 1);
    rankings->addWidget(sga1, 0, 1);
    rankings->addWidget(sga2, 1, 1);
    rankings->setColumnStretch(2, 1);

    auto* lists = new QGridLayout;
    lists->addLayout(Row({SpeedButton2}), 0, 0);
    lists->addWidget(mm, 1, 0);
    lists->addLayout(Row({SpeedButton3, Label7}), 0, 1);
    lists->addWidget(mm3, 1, 1);
    lists->addLayout(Row({SpeedButton1, Label3}), 0, 2);
    auto* ten = new QVBoxLayout;
    ten->addWidget(pb1);
    ten->addWidget(mm9, 1);
    lists->addLayout(ten, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);
    lists->setColumnStretch(2, 3);

    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(range);
    layout->addWidget(lb_history_start);
    layout->addLayout(rankings);
    layout->addLayout(lists, 1);
}
