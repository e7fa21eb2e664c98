#include "pillars/varnholt_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/num_text.h"
#include "platform/box_value.h"
#include "platform/date_picker.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/qt_text.h"
#include "platform/string_grid.h"

namespace {

const QStringList CountItems{
    QStringLiteral("20"),  QStringLiteral("30"),   QStringLiteral("40"),   QStringLiteral("50"),
    QStringLiteral("60"),  QStringLiteral("70"),   QStringLiteral("80"),   QStringLiteral("90"),
    QStringLiteral("100"), QStringLiteral("150"),  QStringLiteral("200"),  QStringLiteral("250"),
    QStringLiteral("300"), QStringLiteral("400"),  QStringLiteral("500"),  QStringLiteral("550"),
    QStringLiteral("600"), QStringLiteral("650"),  QStringLiteral("700"),  QStringLiteral("800"),
    QStringLiteral("900"), QStringLiteral("1000"), QStringLiteral("1100"), QStringLiteral("1200"),
    QStringLiteral("1500")};

// A two-row grid: the fixed row holds the numbers (or tails), the second their hits.
StringGrid* countGrid(const char* name, int columns, const QColor& fixedColour, QWidget* parent) {
    auto* grid = Named(new StringGrid(0, 1, parent), name);
    grid->SetColCount(columns);
    grid->SetRowCount(2);
    grid->horizontalHeader()->setDefaultSectionSize(30);
    grid->horizontalHeader()->setMinimumSectionSize(20);
    grid->SetHeadingColours(fixedColour, QColor(), Qt::Horizontal);
    // Exactly its heading and its one row, every column in view: no empty band, no scroll bar.
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setFixedHeight(grid->horizontalHeader()->sizeHint().height() +
                         grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
    return grid;
}

// The clear, copy, save-as-text and save-as-CSV buttons under a memo.
QHBoxLayout* memoButtons(QWidget* page, std::array<QPushButton**, 4> buttons,
                         std::array<const char*, 4> names) {
    const std::array<QString, 4> captions{QStringLiteral("清除"), QStringLiteral("複製"),
                                          QStringLiteral("存檔(txt)"), QStringLiteral("存檔(csv)")};
    auto* layout = new QHBoxLayout;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        *buttons[i] = NewButton(names[i], captions[i], page);
        layout->addWidget(*buttons[i]);
    }
    layout->addStretch();
    return layout;
}

// The heading of a verification page and the selection it verifies.
QVBoxLayout* verificationHeader(QWidget* page, const QString& heading, QLabel*& numbers,
                                const char* numbersName, QLabel*& count, const char* countName) {
    numbers = NewLabel(numbersName, QStringLiteral("沒有號碼"), page);
    count = NewLabel(countName, QStringLiteral("共計：0  個"), page);
    auto* v = new QVBoxLayout(page);
    v->addWidget(NewCaption(heading, page));
    v->addLayout(Row({NewCaption(QStringLiteral("您所選的號碼為："), page), numbers, count}));
    return v;
}

} // namespace

void VarnholtForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_varnholt"));
    window.setWindowTitle(QStringLiteral("最佳Qorvel"));
    window.setFont(MingFont(9));
    window.resize(907, 594);

    PageC = Named(new QTabWidget(&window), "PageC");
    PageC->setDocumentMode(true);
    auto page = [this](const char* name, const QString& caption) {
        auto* w = Named(new QWidget(PageC), name);
        PageC->addTab(w, caption);
        return w;
    };
    TS2 = page("TS2", QStringLiteral("號碼來源"));
    TS3 = page("TS3", QStringLiteral("號碼和尾數統計"));
    TS4 = page("TS4", QStringLiteral("選擇號碼"));
    TS5 = page("TS5", QStringLiteral("選擇柱數"));
    TS6 = page("TS6", QStringLiteral("Qorvel驗證"));
    TS7 = page("TS7", QStringLiteral("連碰驗證"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageC);

    setupSourcePage();
    setupStatisticsPage();
    setupSelectionPage();
    setupPillarPage();
    setupPillarVerificationPage();
    setupWheelVerificationPage();
}

void VarnholtForm::setupSourcePage() {
    QWidget* p = TS2;
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), p);
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), p);
    Edit1 = NewEdit("Edit1", QString(), p);
    Edit1->setReadOnly(true);
    Edit1->setMaximumWidth(80);
    lb_history_start = NewLabel("lb_history_start", QString(), p);
    Button1 = NewButton("Button1", QStringLiteral("查詢"), p);
    cbis = NewEditableCombo("cbis", CountItems, QStringLiteral("50"), p);
    Button16 = NewButton("Button16", QStringLiteral("查詢"), p);
    cb_intv = NewEditableCombo("cb_intv", NumberItems(2, 20), QStringLiteral("2"), p);
    cbis_2 = NewEditableCombo("cbis_2", CountItems, QStringLiteral("50"), p);
    Button17 = NewButton("Button17", QStringLiteral("查詢"), p);
    cb_date = NewEditableCombo("cb_date", {}, {}, p);
    cb_date->setMinimumContentsLength(10);
    cb_ii = NewEditableCombo("cb_ii", NumberItems(1, 5), QStringLiteral("1"), p);
    CB_xx = NewEditableCombo("CB_xx", {}, QStringLiteral("01"), p);
    cb_prediction = NewEditableCombo("cb_prediction", NumberItems(1, 5), QStringLiteral("1"), p);
    cb_ff = NewCheckBox("cb_ff", QStringLiteral("定點"), true, p);
    Button18 = NewButton("Button18", QStringLiteral("查詢"), p);
    Memo1 = NewMemo("Memo1", p, LineWrap::NoWrap);
    Button2 = NewButton("Button2", QStringLiteral("計算"), p);
    Button2->hide();

    auto* v = new QVBoxLayout(p);
    v->addLayout(
        Row({NewCaption(QStringLiteral("開獎期間"), p), DateTimePicker1, NewCaption(QStringLiteral("到"), p),
             DateTimePicker2, Button1, NewCaption(QStringLiteral("期數"), p), Edit1}));
    v->addWidget(lb_history_start);
    v->addLayout(Row({NewCaption(QStringLiteral("※ 近期統計"), p),
                      CaptionBox(NewCaption(QStringLiteral("最近"), p), *cbis), cbis,
                      NewCaption(QStringLiteral("期"), p), Button16}));
    v->addLayout(Row({NewCaption(QStringLiteral("※ 週期統計"), p),
                      CaptionBox(NewCaption(QStringLiteral("每"), p), *cb_intv), cb_intv,
                      NewCaption(QStringLiteral("期一次"), p),
                      CaptionBox(NewCaption(QStringLiteral("取最近"), p), *cbis_2), cbis_2,
                      NewCaption(QStringLiteral("期"), p), Button17}));
    v->addLayout(Row({NewCaption(QStringLiteral("※ 單支拖牌"), p), cb_date,
                      CaptionBox(NewCaption(QStringLiteral("第"), p), *cb_ii), cb_ii,
                      NewCaption(QStringLiteral("支開"), p), CB_xx,
                      CaptionBox(NewCaption(QStringLiteral("之下"), p), *cb_prediction), cb_prediction,
                      NewCaption(QStringLiteral("期"), p), cb_ff, Button18}));
    v->addWidget(NewCaption(QStringLiteral("符合您選擇條件和時間區間的期數如下"), p));
    v->addWidget(Memo1, 1);
    QHBoxLayout* buttons = memoButtons(p, {&Button3, &Button4, &Button5, &Button6},
                                       {"Button3", "Button4", "Button5", "Button6"});
    buttons->addWidget(Button2);
    v->addLayout(buttons);
}

void VarnholtForm::setupStatisticsPage() {
    QWidget* p = TS3;
    const QColor green(128, 255, 128);
    sga1 = countGrid("sga1", 25, green, p);
    sga2 = countGrid("sga2", 25, green, p);
    sgaT = countGrid("sgaT", 10, QColor(128, 128, 255), p);
    sgaT->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive); // ten columns fit as they are
    sgaT->horizontalHeader()->setDefaultSectionSize(50);

    auto* v = new QVBoxLayout(p);
    // Each caption stands level with its grid row: as high as the heading, then as high as the row.
    auto gridRow = [p, v](const QString& top, const QString& bottom, StringGrid* grid) {
        QLabel* heading = NewCaption(top, p);
        heading->setFixedHeight(grid->horizontalHeader()->sizeHint().height());
        QLabel* row = NewCaption(bottom, p);
        row->setFixedHeight(grid->verticalHeader()->defaultSectionSize());
        auto* captions = new QVBoxLayout;
        captions->setSpacing(0);
        captions->setContentsMargins(0, grid->frameWidth(), 0, grid->frameWidth());
        captions->addWidget(heading);
        captions->addWidget(row);
        auto* h = new QHBoxLayout;
        h->addLayout(captions);
        h->addWidget(grid, 1, Qt::AlignTop);
        v->addLayout(h);
    };
    gridRow(QStringLiteral("號碼"), QStringLiteral("次數"), sga1);
    gridRow(QStringLiteral("號碼"), QStringLiteral("次數"), sga2);
    gridRow(QStringLiteral("尾數"), QStringLiteral("次數"), sgaT);

    auto* lists = new QHBoxLayout;
    auto hotColumn = [p, lists](QToolButton*& start, const char* startName, const QString& caption,
                                QLabel*& progress, const char* progressName, QPlainTextEdit*& result,
                                const char* resultName, const QString& heading, QPushButton*& copy,
                                const char* copyName) {
        start = Named(new QToolButton(p), startName);
        start->setText(caption);
        progress = Named(new QLabel(QStringLiteral("---"), p), progressName);
        progress->setMinimumWidth(60);
        result = NewMemo(resultName, p, LineWrap::NoWrap);
        copy = NewButton(copyName, QStringLiteral("複製"), p);
        auto* column = new QVBoxLayout;
        column->addLayout(Row({start, progress}));
        column->addWidget(NewCaption(heading, p));
        column->addWidget(result, 1);
        column->addWidget(copy);
        lists->addLayout(column);
    };
    hotColumn(SpeedButton2, "SpeedButton2", QStringLiteral("熱門雙星組合排列"), lb2s, "lb2s", mm, "mm",
              QStringLiteral("☆☆號碼  次數"), BitBtn1, "BitBtn1");
    hotColumn(SpeedButton3, "SpeedButton3", QStringLiteral("熱門三星組合排列"), lb3s, "lb3s", mm3, "mm3",
              QStringLiteral("☆☆☆號碼  次數"), BitBtn2, "BitBtn2");
    hotColumn(SpeedButton1, "SpeedButton1", QStringLiteral("熱門四星組合排列"), lb4s, "lb4s", mm9, "mm9",
              QStringLiteral("☆☆☆☆號碼  次數"), BitBtn3, "BitBtn3");
    v->addLayout(lists, 1);
}

void VarnholtForm::setupSelectionPage() {
    QWidget* p = TS4;
    auto* v = new QVBoxLayout(p);
    v->addWidget(NewCaption(QStringLiteral("請選擇您要立柱﹙或連碰﹚的號碼，最少2碼，最多30碼"), p));

    auto* numbers = new QGridLayout;
    for (int n = 1; n <= NumberBoxes; ++n) {
        auto* box = new QCheckBox(qs(NumText(n)), p);
        box->setObjectName(QStringLiteral("CB") + qs(NumText(n)));
        NoBox[n] = box;
        numbers->addWidget(box, (n - 1) / 10, (n - 1) % 10);
    }
    v->addLayout(numbers);

    auto* tails = new QHBoxLayout;
    tails->addWidget(NewCaption(QStringLiteral("尾數"), p));
    for (int d = 0; d <= 9; ++d) {
        const QString caption = d == 0 ? QStringLiteral("0尾") : QString::number(d) + QStringLiteral(" 尾");
        TailBox[d] = new QCheckBox(caption, p);
        TailBox[d]->setObjectName(QStringLiteral("CBT") + QString::number(d));
        tails->addWidget(TailBox[d]);
    }
    tails->addStretch();
    v->addLayout(tails);

    auto* heads = new QHBoxLayout;
    heads->addWidget(NewCaption(QStringLiteral("頭數"), p));
    for (int h = 0; h <= 4; ++h) {
        HeadBox[h] = new QCheckBox(QString::number(h) + QStringLiteral(" 頭"), p);
        HeadBox[h]->setObjectName(QStringLiteral("CBH") + QString::number(h));
        heads->addWidget(HeadBox[h]);
    }
    HeadBox[4]->hide();
    heads->addStretch();
    v->addLayout(heads);

    cb9 = NewEditableCombo("cb9", NumberItems(2, 30), QStringLiteral("8"), p);
    Button7 = NewButton("Button7", QStringLiteral("選擇"), p);
    Label29 = NewLabel("Label29", QStringLiteral("(或以手動點選自己喜愛的號碼)"), p);
    Button8 = NewButton("Button8", QStringLiteral("清除重選"), p);
    v->addLayout(Row({CaptionBox(NewCaption(QStringLiteral("選擇前項統計最熱門號碼"), p), *cb9), cb9,
                      NewCaption(QStringLiteral("個"), p), Button7, Label29, Button8}));
    lb_selectNo = NewLabel("lb_selectNo", QStringLiteral("0"), p);
    v->addLayout(Row({NewCaption(QStringLiteral("您所選擇的號碼共"), p), lb_selectNo,
                      NewCaption(QStringLiteral("個"), p)}));
    Image3 = NewLabel("Image3", QString(), p);
    Image3->setFixedSize(200, 80);
    Image3->setScaledContents(true);
    v->addWidget(Image3);
    v->addStretch();
}

void VarnholtForm::setupPillarPage() {
    QWidget* p = TS5;
    auto* v = new QVBoxLayout(p);
    CB_Select = NewEditableCombo("CB_Select", NumberItems(3, 8), QStringLiteral("4"), p);
    v->addLayout(Row({CaptionBox(NewCaption(QStringLiteral("您要選幾柱"), p), *CB_Select), CB_Select,
                      NewCaption(QStringLiteral("柱"), p),
                      NewCaption(QStringLiteral("(手動驗證須輸入幾柱和每一柱號碼)"), p)}));

    auto* pillars = new QGridLayout;
    pillars->addWidget(NewCaption(QStringLiteral("號碼內容"), p), 2, 0);
    for (int n = 1; n <= MaxPillars; ++n) {
        const QString number = QString::number(n);
        SizeBox[n] = NewEditableCombo("", NumberItems(1, n <= 2 ? 5 : 8), QStringLiteral("0"), p);
        SizeBox[n]->setObjectName(QStringLiteral("ComboBox") + number);
        PillarMemo[n] = NewMemo("", p, LineWrap::NoWrap);
        PillarMemo[n]->setObjectName(QStringLiteral("Mx") + number);
        PillarMemo[n]->setMinimumHeight(130);
        auto* size = new QHBoxLayout;
        size->addWidget(SizeBox[n]);
        size->addWidget(NewCaption(QStringLiteral("支"), p));
        pillars->addWidget(
            CaptionBox(NewCaption(QStringLiteral("第") + number + QStringLiteral("柱"), p), *SizeBox[n]), 0,
            n);
        pillars->addLayout(size, 1, n);
        pillars->addWidget(PillarMemo[n], 2, n);
    }
    v->addLayout(pillars);

    lb_NOTT = NewLabel("lb_NOTT", QString(), p);
    lb_pon2 = NewLabel("lb_pon2", QString(), p);
    lb_pon3 = NewLabel("lb_pon3", QString(), p);
    lb_pon4 = NewLabel("lb_pon4", QString(), p);
    lb_tot = NewLabel("lb_tot", QString(), p);
    v->addWidget(lb_NOTT);
    v->addLayout(Row({lb_pon2, lb_pon3, lb_pon4, lb_tot}));
    Label6 = NewLabel("Label6", QStringLiteral("沒有號碼"), p);
    Label28 = NewLabel("Label28", QStringLiteral("共計：0  個"), p);
    v->addLayout(Row({NewCaption(QStringLiteral("您所選的號碼為："), p), Label6, Label28}));

    Button19 = NewButton("Button19", QStringLiteral("電腦排定號碼"), p);
    Button27 = NewButton("Button27", QStringLiteral("手動輸入驗證"), p);
    Button12 = NewButton("Button12", QStringLiteral("８碼=2x2x2x2 優柱分析"), p);
    Button29 = NewButton("Button29", QStringLiteral("８碼=1x1x2x2x2 優柱分析"), p);
    Button28 = NewButton("Button28", QStringLiteral("９碼=3x3x3 優柱分析"), p);
    Button30 = NewButton("Button30", QStringLiteral("10碼=2x2x3x3 優柱分析"), p);
    Button31 = NewButton("Button31", QStringLiteral("12取8超優分析"), p);
    btn_stop = NewButton("btn_stop", QStringLiteral("中斷"), p);
    Button32 = NewButton("Button32", QStringLiteral("15取10超優分析"), p);
    btn_stop_1510 = NewButton("btn_stop_1510", QStringLiteral("中斷"), p);
    lb_percent = NewLabel("lb_percent", QStringLiteral("0 / 3003"), p);
    lb_percent->setAlignment(Qt::AlignCenter);
    RG1 = Named(new QGroupBox(p), "RG1");
    auto* priorities = new QHBoxLayout(RG1);
    const QStringList captions{QStringLiteral("４星優先"), QStringLiteral("３星優先"),
                               QStringLiteral("２星優先")};
    for (std::size_t i = 0; i < RG1Items.size(); ++i) {
        RG1Items[i] = new QRadioButton(captions[static_cast<qsizetype>(i)], RG1);
        priorities->addWidget(RG1Items[i]);
    }
    RG1Items[0]->setChecked(true);

    // Steps run by clicking these; they are never shown.
    Button26 = NewButton("Button26", QStringLiteral("驗證"), p);
    Button14 = NewButton("Button14", QStringLiteral("list"), p);
    btn_list3 = NewButton("btn_list3", QStringLiteral("list3"), p);
    btn_list2 = NewButton("btn_list2", QStringLiteral("list2"), p);
    btn_10 = NewButton("btn_10", QStringLiteral("btn_10"), p);
    Button24 = NewButton("Button24", QString(), p);
    Button25 = NewButton("Button25", QString(), p);
    MM_2 = NewMemo("MM_2", p, LineWrap::NoWrap);
    MM3_2 = NewMemo("MM3_2", p, LineWrap::NoWrap);
    M2 = NewMemo("M2", p, LineWrap::NoWrap);
    M3 = NewMemo("M3", p, LineWrap::NoWrap);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Button26, Button14, btn_list3, btn_list2, btn_10, Button24, Button25,
                                         MM_2, MM3_2, M2, M3, btn_stop, btn_stop_1510, lb_percent})
        hidden->hide();

    v->addLayout(Row({Button19, Button27}));
    v->addLayout(Row({Button12, Button29, Button28, Button30, RG1}));
    v->addLayout(Row({Button31, btn_stop, Button32, btn_stop_1510, lb_percent}));
    v->addStretch();
}

void VarnholtForm::setupPillarVerificationPage() {
    QWidget* p = TS6;
    auto* v =
        verificationHeader(p, QStringLiteral("核對所選的號碼，以立柱方式，在過去所選的區間內開出的情形"),
                           Label57, "Label57", Label56, "Label56");
    Memo2 = NewMemo("Memo2", p, LineWrap::NoWrap);
    v->addWidget(Memo2, 1);
    v->addLayout(memoButtons(p, {&Button20, &Button21, &Button22, &Button23},
                             {"Button20", "Button21", "Button22", "Button23"}));
}

void VarnholtForm::setupWheelVerificationPage() {
    QWidget* p = TS7;
    auto* v = verificationHeader(p, QStringLiteral("核對所選的號碼，在過去所選的區間內開出的情形"), Label41,
                                 "Label41", Label42, "Label42");
    Button9 = NewButton("Button9", QStringLiteral("開始連碰驗證"), p);
    cb_detail = NewCheckBox("cb_detail", QStringLiteral("顯示每一期開出明細"), true, p);
    Memo3 = NewMemo("Memo3", p, LineWrap::NoWrap);
    v->addLayout(Row({Button9, cb_detail}));
    v->addWidget(Memo3, 1);
    v->addLayout(memoButtons(p, {&Button10, &Button11, &Button13, &Button15},
                             {"Button10", "Button11", "Button13", "Button15"}));
}
