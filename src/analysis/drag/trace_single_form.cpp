#include "analysis/drag/trace_single_form.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/box_value.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

namespace {

QComboBox* comboBox(const char* name, const QStringList& items, const QString& text, int width,
                    QWidget* parent) {
    QComboBox* box = NewEditableCombo(name, items, text, parent);
    box->setMinimumWidth(width);
    return box;
}

QLabel* offsetLabel(const char* name, QWidget* parent) {
    QLabel* label = NewLabel(name, QStringLiteral("0"), parent);
    label->setMinimumWidth(56);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    return label;
}

QLabel* text(const QString& caption, QWidget* parent) {
    return NewCaption(caption, parent);
}

QStringList numberTexts(int from, int to, bool padded) {
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << (padded ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n));
    return items;
}

// One row of controls, left to right.
QFrame* panel(const char* name, const QList<QWidget*>& widgets, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(2, 2, 2, 2);
    for (QWidget* widget : widgets) {
        widget->setParent(frame);
        row->addWidget(widget);
    }
    row->addStretch();
    return frame;
}

} // namespace

void TraceSingleForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_trace_single"));
    window.setWindowTitle(QStringLiteral("單期號碼拖牌"));
    window.setFont(MingFont(9));
    window.resize(1016, 700);
    window.setToolTip(QStringLiteral("按滑鼠右鍵版路分析"));
    const QStringList numbers = numberTexts(1, 42, true);
    const QStringList positions = numberTexts(1, 7, false);

    PageControl1 = new QTabWidget(&window);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    const auto page = [this](const char* name, const QString& caption) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(sheet, caption);
        return sheet;
    };

    // Page 0
    TabSheet1 = page("TabSheet1", QStringLiteral("不定位單支拖牌"));
    cb_latest = comboBox("cb_latest", {}, {}, 80, TabSheet1);
    cb_trno = comboBox("cb_trno", {}, QStringLiteral("01"), 50, TabSheet1);
    SpeedButton1 = NewSpeedButton("SpeedButton1", QStringLiteral("上一期"), TabSheet1);
    lbtridx = offsetLabel("lbtridx", TabSheet1);
    SpeedButton2 = NewSpeedButton("SpeedButton2", QStringLiteral("下一期"), TabSheet1);
    sbpin1 = NewSpeedButton("sbpin1", QStringLiteral("固定"), TabSheet1);
    Panel1 = panel("Panel1",
                   {text(QStringLiteral("第"), TabSheet1), cb_latest, text(QStringLiteral("期"), TabSheet1),
                    text(QStringLiteral("本期開"), TabSheet1), cb_trno, SpeedButton1, lbtridx, SpeedButton2,
                    sbpin1},
                   TabSheet1);
    lbn1 = NewLabel("lbn1", {}, TabSheet1);
    lbn1->setMinimumWidth(120);
    cbn1 = comboBox("cbn1", {}, QStringLiteral("01"), 50, TabSheet1);
    SpeedButton16 = NewSpeedButton("SpeedButton16", QStringLiteral("上一期"), TabSheet1);
    lbtridx_n1 = offsetLabel("lbtridx_n1", TabSheet1);
    SpeedButton17 = NewSpeedButton("SpeedButton17", QStringLiteral("下一期"), TabSheet1);
    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("結束"), TabSheet1);
    Panel7 = panel("Panel7",
                   {lbn1, text(QStringLiteral("開"), TabSheet1), cbn1, SpeedButton16, lbtridx_n1,
                    SpeedButton17, SpeedButton3},
                   TabSheet1);
    Panel7->setVisible(false);

    // Page 1
    TabSheet2 = page("TabSheet2", QStringLiteral("不定位雙星拖牌"));
    cb_latest2 = comboBox("cb_latest2", {}, {}, 80, TabSheet2);
    cb_tr22 = comboBox("cb_tr22", {}, QStringLiteral("02"), 70, TabSheet2);
    SpeedButton6 = NewSpeedButton("SpeedButton6", QStringLiteral("上一期"), TabSheet2);
    lbtridx2 = offsetLabel("lbtridx2", TabSheet2);
    SpeedButton5 = NewSpeedButton("SpeedButton5", QStringLiteral("下一期"), TabSheet2);

    // Page 2
    TabSheet7 = page("TabSheet7", QStringLiteral("不定位三星拖牌"));
    cb_latest2_3 = comboBox("cb_latest2_3", {}, {}, 80, TabSheet7);
    cb_tr22_3 = comboBox("cb_tr22_3", {}, QStringLiteral("02"), 90, TabSheet7);
    SpeedButton4 = NewSpeedButton("SpeedButton4", QStringLiteral("上一期"), TabSheet7);
    lbtridx2_3 = offsetLabel("lbtridx2_3", TabSheet7);
    SpeedButton7 = NewSpeedButton("SpeedButton7", QStringLiteral("下一期"), TabSheet7);

    // Page 3
    TabSheet3 = page("TabSheet3", QStringLiteral("大小定位拖牌"));
    cb_latest3 = comboBox("cb_latest3", {}, {}, 80, TabSheet3);
    cb_fix11 = comboBox("cb_fix11", positions, QStringLiteral("1"), 40, TabSheet3);
    cb_fix12 = comboBox("cb_fix12", numbers, QStringLiteral("01"), 50, TabSheet3);
    SpeedButton9 = NewSpeedButton("SpeedButton9", QStringLiteral("上一期"), TabSheet3);
    lbtridx_fix1 = offsetLabel("lbtridx_fix1", TabSheet3);
    SpeedButton8 = NewSpeedButton("SpeedButton8", QStringLiteral("下一期"), TabSheet3);

    // Page 4
    TabSheet4 = page("TabSheet4", QStringLiteral("落球定位拖牌"));
    cb_latest4 = comboBox("cb_latest4", {}, {}, 80, TabSheet4);
    cb_fix21 = comboBox("cb_fix21", positions, QStringLiteral("1"), 40, TabSheet4);
    cb_fix22 = comboBox("cb_fix22", numbers, QStringLiteral("01"), 50, TabSheet4);
    SpeedButton12 = NewSpeedButton("SpeedButton12", QStringLiteral("上一期"), TabSheet4);
    lbtridx_fix2 = offsetLabel("lbtridx_fix2", TabSheet4);
    SpeedButton11 = NewSpeedButton("SpeedButton11", QStringLiteral("下一期"), TabSheet4);

    // Page 5
    TabSheet5 = page("TabSheet5", QStringLiteral("大小加減版路"));
    cb_add1 = comboBox("cb_add1", positions, QStringLiteral("1"), 40, TabSheet5);
    cb_add2 = comboBox("cb_add2", {QStringLiteral("加"), QStringLiteral("減")}, QStringLiteral("加"), 44,
                       TabSheet5);
    cb_add3 = comboBox("cb_add3", numberTexts(1, 40, false), QStringLiteral("1"), 44, TabSheet5);
    cb_add4 = comboBox("cb_add4", positions, QStringLiteral("2"), 40, TabSheet5);
    SpeedButton14 = NewSpeedButton("SpeedButton14", QStringLiteral("上一期"), TabSheet5);
    lbtridx_add = offsetLabel("lbtridx_add", TabSheet5);
    SpeedButton13 = NewSpeedButton("SpeedButton13", QStringLiteral("下一期"), TabSheet5);

    // Page 6
    TabSheet6 = page("TabSheet6", QStringLiteral("週期法"));
    cb_latest_ck = comboBox("cb_latest_ck", {}, {}, 80, TabSheet6);
    cb_ck = comboBox("cb_ck", numbers, QStringLiteral("01"), 50, TabSheet6);
    SpeedButton18 = NewSpeedButton("SpeedButton18", QStringLiteral("上一期"), TabSheet6);
    lbtridx_ck = offsetLabel("lbtridx_ck", TabSheet6);
    SpeedButton19 = NewSpeedButton("SpeedButton19", QStringLiteral("下一期"), TabSheet6);

    // The buttons every page has, after its own controls.
    static const char* const twoOfNames[] = {"Button1", "Button3",  "Button5", "Button7",
                                             "Button9", "Button11", "Button13"};
    static const char* const threeOfNames[] = {"Button2",  "Button4",  "Button6", "Button8",
                                               "Button10", "Button12", "Button14"};
    static const char* const gridSortNames[] = {"btn_grid_sort", "Button15", "Button16", "Button17",
                                                "Button18",      "Button19", "Button20"};
    const QList<QList<QWidget*>> pageControls = {
        {},
        {text(QStringLiteral("第"), TabSheet2), cb_latest2, text(QStringLiteral("期"), TabSheet2),
         text(QStringLiteral("開"), TabSheet2), cb_tr22, SpeedButton6, lbtridx2, SpeedButton5},
        {text(QStringLiteral("第"), TabSheet7), cb_latest2_3, text(QStringLiteral("期"), TabSheet7),
         text(QStringLiteral("開"), TabSheet7), cb_tr22_3, SpeedButton4, lbtridx2_3, SpeedButton7},
        {text(QStringLiteral("第"), TabSheet3), cb_latest3, text(QStringLiteral("期"), TabSheet3),
         text(QStringLiteral("第"), TabSheet3), cb_fix11, text(QStringLiteral("支"), TabSheet3),
         text(QStringLiteral("開"), TabSheet3), cb_fix12, SpeedButton9, lbtridx_fix1, SpeedButton8},
        {text(QStringLiteral("第"), TabSheet4), cb_latest4, text(QStringLiteral("期"), TabSheet4),
         text(QStringLiteral("第"), TabSheet4), cb_fix21, text(QStringLiteral("支"), TabSheet4),
         text(QStringLiteral("開"), TabSheet4), cb_fix22, SpeedButton12, lbtridx_fix2, SpeedButton11},
        {CaptionBox(text(QStringLiteral("第"), TabSheet5), *cb_add1), cb_add1,
         text(QStringLiteral("支"), TabSheet5), cb_add2, cb_add3,
         CaptionBox(text(QStringLiteral("等於第"), TabSheet5), *cb_add4), cb_add4,
         text(QStringLiteral("支"), TabSheet5), SpeedButton14, lbtridx_add, SpeedButton13},
        {text(QStringLiteral("第"), TabSheet6), cb_latest_ck,
         text(QStringLiteral("期之下一期往前推"), TabSheet6),
         CaptionBox(text(QStringLiteral("每隔"), TabSheet6), *cb_ck), cb_ck,
         text(QStringLiteral("期"), TabSheet6), SpeedButton18, lbtridx_ck, SpeedButton19},
    };
    for (int index = 0; index < PageControl1->count(); ++index) {
        QWidget* sheet = PageControl1->widget(index);
        const auto i = static_cast<std::size_t>(index);
        const auto pushButton = [sheet](const char* name, const QString& caption) {
            QPushButton* button = NewButton(name, caption, sheet);
            button->setAutoDefault(false);
            return button;
        };
        twoOfButtons[i] = pushButton(twoOfNames[i], QStringLiteral("二中一"));
        threeOfButtons[i] = pushButton(threeOfNames[i], QStringLiteral("三中一"));
        gridSortButtons[i] = pushButton(gridSortNames[i], QStringLiteral("進階"));
        closeButtons[i] = pushButton(("BitBtn" + std::to_string(index + 1)).c_str(), QStringLiteral("關閉"));

        auto* rows = new QVBoxLayout(sheet);
        rows->setContentsMargins(2, 2, 2, 2);
        rows->setSpacing(0);
        auto* first = new QHBoxLayout;
        if (index == 0) {
            first->addWidget(Panel1);
        } else {
            for (QWidget* widget : pageControls[index])
                first->addWidget(widget);
        }
        first->addStretch();
        for (QPushButton* button : {twoOfButtons[i], threeOfButtons[i], gridSortButtons[i], closeButtons[i]})
            first->addWidget(button);
        rows->addLayout(first);
        if (index == 0)
            rows->addWidget(Panel7);
    }
    Button1 = twoOfButtons[0];
    Button2 = threeOfButtons[0];
    btn_grid_sort = gridSortButtons[0];
    Button17 = gridSortButtons[3];
    Button18 = gridSortButtons[4];

    sgmap = new StringGrid(0, 1, &window);
    sgmap->setObjectName(QStringLiteral("sgmap"));
    sgmap->verticalHeader()->setDefaultSectionSize(17);
    sgmap->setContextMenuPolicy(Qt::NoContextMenu); // the window's popup menu serves the grid too
    Memo1 = NewMemo("Memo1", &window, LineWrap::NoWrap);
    Memo1->setVisible(false);

    const auto item = [&window](const char* name, const QString& caption) {
        auto* action = new QAction(caption, &window);
        action->setObjectName(QString::fromLatin1(name));
        window.addAction(action);
        return action;
    };
    N1 = item("N1", QStringLiteral("版路分析及拖牌結果"));
    N2 = item("N2", QStringLiteral("版路定義"));
    N3 = item("N3", QStringLiteral("操作說明"));
    N4 = item("N4", QStringLiteral("將本圖表資料存成文字檔案"));
    Excel1 = item("Excel1", QStringLiteral("將檔案轉成Excel工作表圖解"));
    window.setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PageControl1);
    layout->addWidget(sgmap, 1);
}
