#include "analysis/paths/moving_form.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

const QStringList SignItems = {QStringLiteral("加"), QStringLiteral("減")};
constexpr int GridColumnWidths[] = {94, 76, 46, 44, 41, 44, 45, 2, 2, 75, 76, 74, 75};

QRadioButton* NewRadio(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* radio = Named(new QRadioButton(caption, parent), name);
    radio->setChecked(checked);
    return radio;
}

// The three offset rows of a page: "或", the sign and the size (lists filled when shown).
struct OffsetRows {
    QComboBox* sign[3];
    QComboBox* size[3];
    QLabel* either[3]; // rows 2 and 3 only
};

QGridLayout* OffsetGrid(const OffsetRows& rows) {
    auto* grid = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        if (rows.either[k])
            grid->addWidget(rows.either[k], k, 0, Qt::AlignRight);
        grid->addWidget(rows.sign[k], k, 1);
        grid->addWidget(rows.size[k], k, 2);
    }
    grid->setColumnStretch(3, 1);
    return grid;
}

QLabel* Either(const char* name, QWidget* page) {
    QLabel* label = NewLabel(name, QStringLiteral("或"), page);
    label->setVisible(false);
    return label;
}

QComboBox* Combo(const char* name, const QStringList& items, const QString& text, QWidget* page,
                 int width = 48) {
    QComboBox* box = NewEditableCombo(name, items, text, page);
    box->setFixedWidth(width);
    return box;
}

// Offset rows 2 and 3 show once their run count is chosen.
QComboBox* LaterOffset(const char* name, const QStringList& items, const QString& text, QWidget* page) {
    QComboBox* box = Combo(name, items, text, page);
    box->setVisible(false);
    return box;
}

QHBoxLayout* Radios(QRadioButton* one, QRadioButton* two, QRadioButton* three) {
    auto* row = new QHBoxLayout;
    row->addWidget(one);
    row->addWidget(two);
    row->addWidget(three);
    row->addStretch();
    return row;
}

} // namespace

void MovingForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_moving"));
    window.setWindowTitle(QStringLiteral("移動式版路(三期內養牌)"));
    window.setFont(MingFont(9));
    window.resize(732, 518);

    PageControl1 = Named(new QTabWidget(&window), "PageControl1");
    TabSheet1 = Named(new QWidget, "TabSheet1");
    TabSheet2 = Named(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet1, QStringLiteral("固定位置加減法"));
    PageControl1->addTab(TabSheet2, QStringLiteral("平均數加減法"));

    // Page 1
    QWidget* page = TabSheet1;
    cb_lastw = Combo("cb_lastw", NumberItems(1, 30), QStringLiteral("1"), page);
    cb_order = Combo("cb_order", NumberItems(1, 5), QStringLiteral("1"), page);
    cb_pm1 = Combo("cb_pm1", SignItems, QStringLiteral("加"), page);
    cb_pm2 = LaterOffset("cb_pm2", SignItems, QStringLiteral("加"), page);
    cb_pm3 = LaterOffset("cb_pm3", SignItems, QStringLiteral("加"), page);
    cb_pmx1 = Combo("cb_pmx1", {}, QStringLiteral("0"), page);
    cb_pmx2 = LaterOffset("cb_pmx2", {}, QStringLiteral("0"), page);
    cb_pmx3 = LaterOffset("cb_pmx3", {}, QStringLiteral("0"), page);
    Label3 = Either("Label3", page);
    Label16 = Either("Label16", page);
    rb_1to1 = NewRadio("rb_1to1", QStringLiteral("一中一"), true, page);
    rb_2to1 = NewRadio("rb_2to1", QStringLiteral("二中一"), false, page);
    rb_3to1 = NewRadio("rb_3to1", QStringLiteral("三中一"), false, page);
    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("版路標題"), page);
    auto* page1 = new QVBoxLayout(page);
    page1->addLayout(Row({NewCaption(QStringLiteral("上"), page), cb_lastw,
                          NewCaption(QStringLiteral("期         第"), page), cb_order,
                          NewCaption(QStringLiteral("支"), page)}));
    page1->addLayout(
        OffsetGrid({{cb_pm1, cb_pm2, cb_pm3}, {cb_pmx1, cb_pmx2, cb_pmx3}, {nullptr, Label3, Label16}}));
    page1->addLayout(Radios(rb_1to1, rb_2to1, rb_3to1));
    page1->addLayout(Row({SpeedButton3}));
    page1->addStretch();

    // Page 2
    page = TabSheet2;
    cb_av_lastw = Combo("cb_av_lastw", NumberItems(1, 30), QStringLiteral("1"), page);
    cb_av1 = Combo("cb_av1", NumberItems(1, 5), QStringLiteral("1"), page);
    cb_av2 = Combo("cb_av2", NumberItems(1, 5), QStringLiteral("2"), page);
    cb_av3 = Combo("cb_av3", NumberItems(1, 5), QStringLiteral("3"), page);
    cb_av_pm1 = Combo("cb_av_pm1", SignItems, QStringLiteral("加"), page);
    cb_av_pm2 = LaterOffset("cb_av_pm2", SignItems, QStringLiteral("加"), page);
    cb_av_pm3 = LaterOffset("cb_av_pm3", SignItems, QStringLiteral("加"), page);
    cb_av_pmx1 = Combo("cb_av_pmx1", {}, QStringLiteral("0"), page);
    cb_av_pmx2 = LaterOffset("cb_av_pmx2", {}, QStringLiteral("0"), page);
    cb_av_pmx3 = LaterOffset("cb_av_pmx3", {}, QStringLiteral("0"), page);
    Label8 = Either("Label8", page);
    Label17 = Either("Label17", page);
    rb_av_1to1 = NewRadio("rb_av_1to1", QStringLiteral("一中一"), true, page);
    rb_av_2to1 = NewRadio("rb_av_2to1", QStringLiteral("二中一"), false, page);
    rb_av_3to1 = NewRadio("rb_av_3to1", QStringLiteral("三中一"), false, page);
    SpeedButton4 = NewSpeedButton("SpeedButton4", QStringLiteral("版路標題"), page);
    auto* positions = new QGridLayout;
    positions->addWidget(NewCaption(QStringLiteral("上"), page), 0, 0);
    positions->addWidget(cb_av_lastw, 0, 1);
    positions->addWidget(NewCaption(QStringLiteral("期         第"), page), 0, 2);
    positions->addWidget(cb_av1, 0, 3);
    positions->addWidget(cb_av2, 1, 3);
    positions->addWidget(cb_av3, 2, 3);
    positions->addWidget(NewCaption(QStringLiteral("支平均數"), page), 1, 4);
    positions->setColumnStretch(5, 1);
    auto* page2 = new QVBoxLayout(page);
    page2->addLayout(positions);
    page2->addLayout(OffsetGrid({{cb_av_pm1, cb_av_pm2, cb_av_pm3},
                                 {cb_av_pmx1, cb_av_pmx2, cb_av_pmx3},
                                 {nullptr, Label8, Label17}}));
    page2->addLayout(Radios(rb_av_1to1, rb_av_2to1, rb_av_3to1));
    page2->addLayout(Row({SpeedButton4}));
    page2->addStretch();

    // Order, hints and close, beside the pages.
    auto* orderBox = new QWidget(&window);
    rb_L = NewRadio("rb_L", QStringLiteral("落球"), true, orderBox);
    rb_S = NewRadio("rb_S", QStringLiteral("順球"), false, orderBox);
    auto* orderRow = new QHBoxLayout(orderBox);
    orderRow->addWidget(rb_L);
    orderRow->addWidget(rb_S);
    SpeedButton5 = NewSpeedButton("SpeedButton5", QStringLiteral("版路內容"), &window);
    SpeedButton5->setToolTip(QStringLiteral("版路內容"));
    SpeedButton6 = NewSpeedButton("SpeedButton6", QStringLiteral("說明"), &window);
    SpeedButton6->setToolTip(QStringLiteral("說明"));
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);

    // The result grid, red on white, one heading row.
    sgl = Named(new StringGrid(0, 1, &window), "sgl");
    QFont gridFont = MingFont(9);
    sgl->setFont(gridFont);
    sgl->setStyleSheet(QStringLiteral("QTableView { color: red; }"));
    sgl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgl->setSelectionMode(QAbstractItemView::SingleSelection);
    sgl->SetColCount(13);
    sgl->SetRowCount(2);
    sgl->horizontalHeader()->setMinimumSectionSize(0); // positions 6 and 7 are all but hidden
    for (int c = 0; c < 13; ++c)
        sgl->SetColWidth(c, GridColumnWidths[c]);
    sgl->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = Named(new QMenu(sgl), "PopupMenu1");
    N1 = Named(new QAction(QStringLiteral("列印版路資料"), PopupMenu1), "N1");
    PopupMenu1->addAction(N1);

    Label11 = NewLabel("Label11", QStringLiteral("版路明細"), &window);
    Memo1 = NewMemo("Memo1", &window);
    SpeedButton2 = NewSpeedButton("SpeedButton2", QStringLiteral("清除"), &window);
    SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("存檔"), &window);

    auto* side = new QVBoxLayout;
    side->addWidget(orderBox);
    side->addWidget(SpeedButton5);
    side->addWidget(SpeedButton6);
    side->addStretch();
    side->addWidget(BitBtn1);
    auto* detail = new QVBoxLayout;
    detail->addLayout(Row({Label11, SpeedButton2, SpeedButton1}));
    detail->addWidget(Memo1, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(PageControl1, 3);
    top->addLayout(detail, 3);
    top->addLayout(side, 1);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top, 2);
    layout->addWidget(sgl, 3);
}
