#include "analysis/drag/chart1_form.h"

#include <QAction>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/bar_chart.h"
#include "platform/click_label.h"
#include "platform/date_picker.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

namespace {

const QColor TopGrey(0xA4, 0xA4, 0xA4);
const QColor ShapeBlue(0x80, 0x80, 0xFF);
const QColor QueryGreen(0x00, 0x64, 0x00);
const QString ChartHint = QStringLiteral("按滑鼠右鍵儲存或複製圖表");
const QString MemoHint = QStringLiteral("按右鍵可複製明細資料");
const char* const DistanceCaptions[] = {"拖下一期", "拖下二期", "拖下三期",   "拖下四期",
                                        "拖下五期", "拖下六期", "拖下七期",   "拖下八期",
                                        "拖下九期", "拖下十期", "拖下十一期", "拖下十二期"};

const char* const DistanceNames[] = {"cb_next01", "cb_next02", "cb_next03", "cb_next04",
                                     "cb_next05", "cb_next06", "cb_next07", "cb_next08",
                                     "cb_next09", "cb_next10", "cb_next11", "cb_next12"};
const char* const PositionNames[] = {"Editno1", "Editno2", "Editno3", "Editno4",
                                     "Editno5", "Editno6", "Editno7"};
const char* const TailPositionNames[] = {"EditT1", "EditT2", "EditT3", "EditT4",
                                         "EditT5", "EditT6", "EditT7"};

QAction* menuItem(QMenu* menu, const char* name, const QString& text) {
    auto* item = Named(new QAction(text, menu), name);
    menu->addAction(item);
    return item;
}

QMenu* popupMenu(const char* name, QWidget* owner) {
    return Named(new QMenu(owner), name);
}

QFrame* panel(const char* name, const QColor& colour, QWidget* parent) {
    auto* frame = Named(new QFrame(parent), name);
    SetBackground(*frame, colour, Qt::white);
    return frame;
}

QLineEdit* edit(const char* name, int maxLength, QWidget* parent) {
    QLineEdit* box = NewEdit(name, QString(), parent);
    box->setMaxLength(maxLength);
    return box;
}

// The start buttons show a small calculator.
QIcon calculatorIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(2, 0, 15, 19);
    painter.setBrush(QColor(0x80, 0xFF, 0x80));
    painter.drawRect(4, 2, 11, 4);
    painter.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.drawRect(4 + 4 * column, 8 + 4 * row, 2, 2);
    return QIcon(picture);
}

// A start button shows only its picture; screen readers name it after its query.
QToolButton* startButton(const char* name, const QLabel* query, QWidget* parent) {
    QToolButton* button = NewSpeedButton(name, QString(), parent);
    button->setIcon(calculatorIcon());
    button->setIconSize(QSize(20, 20));
    button->setToolTip(QStringLiteral("開始查詢"));
    button->setAccessibleName(QStringLiteral("開始查詢 ") + query->text());
    return button;
}

QChartView* chart(const char* name, const QString& title, QWidget* parent) {
    QChartView* view = NewBarChart(QString::fromUtf8(name), parent);
    view->setToolTip(ChartHint);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    BarChartData data;
    data.title = title;
    SetBarChart(*view, data);
    return view;
}

QPlainTextEdit* memo(const char* name, QWidget* parent) {
    QPlainTextEdit* box = NewMemo(name, parent, LineWrap::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setToolTip(MemoHint);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    return box;
}

// One of the four query panels: its title, its inputs and its start button.
QFrame* queryPanel(const char* name, QLabel* title, QLayout* inputs, QToolButton* start, QWidget* parent) {
    QFrame* frame = panel(name, QueryGreen, parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(4, 2, 4, 2);
    column->addWidget(title);
    auto* row = new QHBoxLayout;
    row->addLayout(inputs, 1);
    row->addWidget(start, 0, Qt::AlignBottom);
    column->addLayout(row);
    return frame;
}

} // namespace

void Chart1Form::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_chart1"));
    window.setWindowTitle(QStringLiteral("拖牌匯總統計圖"));
    window.setFont(MingFont(9));
    window.resize(831, 657);

    // ---- top panel ----
    Panel1 = panel("Panel1", TopGrey, &window);
    Panel1->setMinimumHeight(137);
    Image1 = NewLabel("Image1", QString(), Panel1);
    Image1->setFixedSize(130, 125);
    Image1->setScaledContents(true);

    Label2 = NewLabel("Label2", QStringLiteral("自"), Panel1);
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), Panel1);
    Label3 = NewLabel("Label3", QStringLiteral("至"), Panel1);
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), Panel1);
    Label4 = NewLabel("Label4", QStringLiteral("期數"), Panel1);
    Label5 = NewLabel("Label5", QString(), Panel1);
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);
    Label5->setStyleSheet(QStringLiteral("color: yellow;"));
    auto* dates = new QGridLayout;
    dates->addWidget(Label2, 0, 0);
    dates->addWidget(DateTimePicker1, 0, 1);
    dates->addWidget(Label3, 1, 0);
    dates->addWidget(DateTimePicker2, 1, 1);
    dates->addWidget(Label4, 2, 0);
    dates->addWidget(Label5, 2, 1);
    lb_history_start = NewLabel("lb_history_start", QString(), Panel1);
    lb_history_start->setWordWrap(true);
    dates->addWidget(lb_history_start, 3, 0, 1, 2);

    Shape1 = panel("Shape1", ShapeBlue, Panel1);
    cb_star1 = NewCheckBox("cb_star1", QStringLiteral("獨支拖牌匯總"), true, Shape1);
    cb_star2 = NewCheckBox("cb_star2", QStringLiteral("二星拖牌匯總"), false, Shape1);
    cb_star3 = NewCheckBox("cb_star3", QStringLiteral("三星拖牌匯總"), false, Shape1);
    cb_star234 = NewCheckBox("cb_star234", QStringLiteral("個別查詢"), false, Shape1);
    Label11 = Named(new ClickLabel(QStringLiteral("個別查詢說明"), Shape1), "Label11");
    Label11->setCursor(Qt::PointingHandCursor);
    Label11->setStyleSheet(QStringLiteral("color: yellow; text-decoration: underline;"));
    auto* modes = new QVBoxLayout(Shape1);
    modes->setContentsMargins(6, 4, 6, 4);
    for (QWidget* w :
         {static_cast<QWidget*>(cb_star1), static_cast<QWidget*>(cb_star2), static_cast<QWidget*>(cb_star3)})
        modes->addWidget(w);
    auto* query = new QHBoxLayout;
    query->addWidget(cb_star234);
    query->addWidget(Label11);
    modes->addLayout(query);

    Shape2 = panel("Shape2", ShapeBlue, Panel1);
    auto* distances = new QGridLayout(Shape2);
    distances->setContentsMargins(6, 4, 6, 4);
    for (int k = 1; k <= 12; ++k) {
        cb_next[k] =
            NewCheckBox(DistanceNames[k - 1], QString::fromUtf8(DistanceCaptions[k - 1]), k == 1, Shape2);
        distances->addWidget(cb_next[k], (k - 1) % 4, (k - 1) / 4);
    }

    cb_sort = NewCheckBox("cb_sort", QStringLiteral("按統計大小排列"), true, Panel1);
    cb_spno = NewCheckBox("cb_spno", QStringLiteral("含特別號"), false, Panel1);
    cb_spno->setVisible(false);
    Label6 = Named(new ClickLabel(QStringLiteral("說明"), Panel1), "Label6");
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label8 = NewLabel("Label8", QStringLiteral("最近開獎"), Panel1);
    Label10 = NewLabel("Label10", QString(), Panel1);
    Label7 = NewLabel("Label7", QString(), Panel1);
    Label7->setFont(bold);
    auto* latest = new QVBoxLayout;
    latest->addWidget(cb_sort);
    latest->addWidget(cb_spno);
    latest->addWidget(Label8);
    latest->addWidget(Label10);
    latest->addWidget(Label7);
    latest->addWidget(Label6);
    latest->addStretch();

    auto* top = new QHBoxLayout(Panel1);
    top->setContentsMargins(4, 4, 4, 4);
    top->addWidget(Image1);
    top->addLayout(dates);
    top->addWidget(Shape1);
    top->addWidget(Shape2);
    top->addLayout(latest);
    top->addStretch();

    // ---- tails and heads ----
    Panel2 = Named(new QFrame(&window), "Panel2");
    Chart3 = chart("Chart3", QStringLiteral("尾數統計"), Panel2);
    Chart2 = chart("Chart2", QStringLiteral("頭數統計"), Panel2);
    Chart2->setFixedWidth(326);
    PopupMenu2 = popupMenu("PopupMenu2", Chart3);
    MenuItem1 = menuItem(PopupMenu2, "MenuItem1", QStringLiteral("儲存圖片(BMP檔案)"));
    COPY2 = menuItem(PopupMenu2, "COPY2", QStringLiteral("複製 (COPY)"));
    N5 = menuItem(PopupMenu2, "N5", QStringLiteral("顯示拖牌明細"));
    N7 = menuItem(PopupMenu2, "N7", QStringLiteral("隱藏拖牌明細"));
    PopupMenu3 = popupMenu("PopupMenu3", Chart2);
    MenuItem2 = menuItem(PopupMenu3, "MenuItem2", QStringLiteral("儲存圖片 (BMP檔案)"));
    COPY3 = menuItem(PopupMenu3, "COPY3", QStringLiteral("複製 (COPY)"));
    N4 = menuItem(PopupMenu3, "N4", QStringLiteral("顯示合格期數明細"));
    N6 = menuItem(PopupMenu3, "N6", QStringLiteral("隱藏合格期數明細"));

    // ---- query panel, docked over the left of the tails chart ----
    Panel3 = panel("Panel3", QueryGreen, Panel2);
    Panel3->setFrameShape(QFrame::Panel);
    Panel3->setFrameShadow(QFrame::Raised);
    Panel3->setWindowTitle(QStringLiteral("個別查詢"));
    Panel3->setCursor(Qt::SizeAllCursor);

    Label17 = NewLabel("Label17", QStringLiteral("不定位號碼查詢(獨二三星)"), Panel3);
    Edit1 = edit("Edit1", 6, Panel3);
    Edit1->setToolTip(QStringLiteral("請輸入單支(如01),二星(如0618),三星(如152339)"));
    SpeedButton4 = startButton("SpeedButton4", Label17, Panel3);
    auto* numbersIn = new QHBoxLayout;
    numbersIn->addWidget(Edit1);
    Panel6 = queryPanel("Panel6", Label17, numbersIn, SpeedButton4, Panel3);

    Label9 = NewLabel("Label9", QStringLiteral("不定位尾數查詢(1,2,3,4尾)"), Panel3);
    Edit1T = edit("Edit1T", 4, Panel3);
    Edit1T->setToolTip(QStringLiteral("請輸入1-3尾如035),表是查詢0,3,5尾之期數"));
    SpeedButton3 = startButton("SpeedButton3", Label9, Panel3);
    auto* tailsIn = new QHBoxLayout;
    tailsIn->addWidget(Edit1T);
    Panel8 = queryPanel("Panel8", Label9, tailsIn, SpeedButton3, Panel3);

    const auto positionBoxes = [](FixedTable<QLineEdit*, 7>& boxes, const char* const* names, int maxLength,
                                  int width, QWidget* parent) {
        auto* row = new QHBoxLayout;
        for (int p = 1; p <= 7; ++p) {
            boxes[p] = edit(names[p - 1], maxLength, parent);
            boxes[p]->setFixedWidth(width);
            boxes[p]->setVisible(p <= 5);
            row->addWidget(boxes[p]);
        }
        row->addStretch();
        return row;
    };
    const auto orderRadios = [](QRadioButton*& drawn, QRadioButton*& ascending, const char* drawnName,
                                const char* ascendingName, QWidget* parent) {
        drawn = Named(new QRadioButton(QStringLiteral("落球"), parent), drawnName);
        ascending = Named(new QRadioButton(QStringLiteral("順球"), parent), ascendingName);
        drawn->setChecked(true);
        auto* group = new QButtonGroup(parent);
        group->addButton(drawn);
        group->addButton(ascending);
        auto* row = new QHBoxLayout;
        row->addWidget(drawn);
        row->addWidget(ascending);
        row->addStretch();
        return row;
    };

    Label1 = NewLabel("Label1", QStringLiteral("定位號碼拖牌查詢"), Panel3);
    Label16 = NewLabel("Label16", QStringLiteral("1      2      3      4      5     "), Panel3);
    SpeedButton1 = startButton("SpeedButton1", Label1, Panel3);
    auto* positionsIn = new QVBoxLayout;
    positionsIn->addWidget(Label16);
    positionsIn->addLayout(positionBoxes(Editno, PositionNames, 2, 28, Panel3));
    positionsIn->addLayout(orderRadios(RBL, RBS, "RBL", "RBS", Panel3));
    Panel7 = queryPanel("Panel7", Label1, positionsIn, SpeedButton1, Panel3);

    Label15 = NewLabel("Label15", QStringLiteral("定位尾數拖牌查詢"), Panel3);
    Label12 = NewLabel("Label12", QStringLiteral("1   2   3   4   5  "), Panel3);
    SpeedButton2 = startButton("SpeedButton2", Label15, Panel3);
    auto* tailPositionsIn = new QVBoxLayout;
    tailPositionsIn->addWidget(Label12);
    tailPositionsIn->addLayout(positionBoxes(EditT, TailPositionNames, 1, 20, Panel3));
    tailPositionsIn->addLayout(orderRadios(RBLT, RBST, "RBLT", "RBST", Panel3));
    Panel5 = queryPanel("Panel5", Label15, tailPositionsIn, SpeedButton2, Panel3);

    auto* queries = new QGridLayout(Panel3);
    queries->setContentsMargins(4, 4, 4, 4);
    queries->setSpacing(3);
    queries->addWidget(Panel6, 0, 0);
    queries->addWidget(Panel8, 0, 1);
    queries->addWidget(Panel7, 1, 0);
    queries->addWidget(Panel5, 1, 1);
    Panel3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Panel3->setVisible(false);

    auto* charts = new QGridLayout(Panel2);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->setSpacing(0);
    charts->addWidget(Chart3, 0, 0);
    charts->addWidget(Chart2, 0, 1);
    charts->addWidget(Panel3, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    Panel2->setFixedHeight(std::max(184, Panel3->sizeHint().height()));

    // ---- numbers, with the details button and panel over it ----
    Chart1Area = Named(new QWidget(&window), "Chart1Area");
    Chart1 = chart("Chart1", QStringLiteral("號碼統計"), Chart1Area);
    QFont titleFont = Chart1->chart()->titleFont();
    titleFont.setBold(true);
    Chart1->chart()->setTitleFont(titleFont);
    Chart1->chart()->setTitleBrush(Qt::red);
    // The chart library would cut all thirty-nine number labels to "..." though each fits its bar.
    for (QAbstractAxis* axis : Chart1->chart()->axes(Qt::Horizontal))
        axis->setTruncateLabels(false);
    PopupMenu1 = popupMenu("PopupMenu1", Chart1);
    N1 = menuItem(PopupMenu1, "N1", QStringLiteral("儲存圖片(BMP檔案)"));
    COPY1 = menuItem(PopupMenu1, "COPY1", QStringLiteral("複製統計表 (COPY)"));
    Button1 = NewButton("Button1", QStringLiteral("顯示拖牌明細"), Chart1Area);

    Panel4 = Named(new QFrame(Chart1Area), "Panel4");
    Panel4->setFrameShape(QFrame::Panel);
    Panel4->setAutoFillBackground(true);
    Label13 = NewLabel("Label13", QStringLiteral("本期(按右鍵可複製下面資料)"), Panel4);
    Memo1 = memo("Memo1", Panel4);
    Label14 = NewLabel("Label14", QStringLiteral("拖牌明細(按右鍵可複製下面資料)"), Panel4);
    Memo2 = memo("Memo2", Panel4);
    PopupMenu4 = popupMenu("PopupMenu4", Memo1);
    SelectAll1 = menuItem(PopupMenu4, "SelectAll1", QStringLiteral("全選 Select All"));
    COPY4 = menuItem(PopupMenu4, "COPY4", QStringLiteral("複製 COPY"));
    PopupMenu5 = popupMenu("PopupMenu5", Memo2);
    SelectAll2 = menuItem(PopupMenu5, "SelectAll2", QStringLiteral("全選 Select All"));
    MenuItem3 = menuItem(PopupMenu5, "MenuItem3", QStringLiteral("複製 COPY"));
    auto* details = new QGridLayout(Panel4);
    details->addWidget(Label13, 0, 0);
    details->addWidget(Memo1, 1, 0);
    details->addWidget(Label14, 0, 1);
    details->addWidget(Memo2, 1, 1);
    Panel4->setVisible(false);

    auto* numbers = new QGridLayout(Chart1Area);
    numbers->setContentsMargins(0, 0, 0, 0);
    numbers->addWidget(Chart1, 0, 0, 2, 1);
    numbers->addWidget(Button1, 0, 0, Qt::AlignRight | Qt::AlignTop);
    numbers->addWidget(Panel4, 1, 0);
    numbers->setRowStretch(1, 1);

    auto* whole = new QVBoxLayout(&window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    whole->addWidget(Panel1);
    whole->addWidget(Panel2);
    whole->addWidget(Chart1Area, 1);
}
