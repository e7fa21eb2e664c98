#include "analysis/statistics/statistics_form.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/statistics/ball_picture.h"
#include "platform/date_picker.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

namespace {

const QColor Green(0x00, 0x80, 0x00);
const QColor DarkGreen(0x00, 0x40, 0x00);
constexpr int BallSize = 22;
constexpr int TailSize = 59;
constexpr int SlotsPerRow = 10;

// A speed button of a group: it stays down until another of its group goes down. Every one of them
// looks like a button, the one down pressed in.
QToolButton* GroupButton(const char* name, const QString& caption, QWidget* parent) {
    QToolButton* button = NewSpeedButton(name, caption, parent);
    button->setAutoRaise(false);
    button->setCheckable(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(26);
    return button;
}

QPushButton* HiddenButton(const char* name, const QString& caption, QWidget* parent) {
    QPushButton* button = NewButton(name, caption, parent);
    button->setAutoDefault(false);
    button->setVisible(false);
    return button;
}

QLabel* WhiteLabel(const QString& text, QWidget* parent) {
    QLabel* label = NewCaption(text, parent);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

} // namespace

QPoint StatisticsForm::ballSlot(int slot) {
    return QPoint(24 + 40 * ((slot - 1) % SlotsPerRow), 12 + 56 * ((slot - 1) / SlotsPerRow));
}

QPoint StatisticsForm::labelSlot(int slot) {
    return ballSlot(slot) + QPoint(-8, 32);
}

void StatisticsForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_statistics"));
    window.setWindowTitle(QStringLiteral("統計資料"));
    window.setFont(MingFont(9));
    window.resize(610, 430);

    TopPanel = new QFrame(&window);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    SetBackground(*TopPanel, Green, Qt::white);
    DateTimePicker1 = MakeDatePicker(QStringLiteral("DateTimePicker1"), TopPanel);
    DateTimePicker1->setDate(QDate(2002, 1, 1));
    DateTimePicker2 = MakeDatePicker(QStringLiteral("DateTimePicker2"), TopPanel);
    lbcount = NewEdit("lbcount", QString(), TopPanel);
    lbcount->setReadOnly(true);
    lbcount->setMaximumWidth(60);
    lb_history_start = WhiteLabel(QString(), TopPanel);
    lb_history_start->setObjectName(QStringLiteral("lb_history_start"));
    auto* topLines = new QVBoxLayout(TopPanel);
    auto* top = new QHBoxLayout;
    topLines->addLayout(top);
    topLines->addWidget(lb_history_start);
    top->addWidget(WhiteLabel(QStringLiteral("統計時間"), TopPanel));
    top->addWidget(DateTimePicker1);
    top->addWidget(WhiteLabel(QStringLiteral("至"), TopPanel));
    top->addWidget(DateTimePicker2);
    top->addSpacing(12);
    top->addWidget(WhiteLabel(QStringLiteral("統計期數"), TopPanel));
    top->addWidget(lbcount);
    top->addStretch();

    RightPanel = new QFrame(&window);
    RightPanel->setObjectName(QStringLiteral("RightPanel"));
    RightPanel->setFixedWidth(112);
    SetBackground(*RightPanel, Green, Qt::white);
    sb_F1 = GroupButton("sb_F1", QStringLiteral("號碼統計"), RightPanel);
    sb_F2 = GroupButton("sb_F2", QStringLiteral("尾數統計"), RightPanel);
    sb_F3 = GroupButton("sb_F3", QStringLiteral("遠星統計"), RightPanel);
    sb_big = GroupButton("sb_big", QStringLiteral("統計順序"), RightPanel);
    sb_no = GroupButton("sb_no", QStringLiteral("號碼順序"), RightPanel);
    sb_begin = NewSpeedButton("sb_begin", QStringLiteral("統計"), RightPanel);
    sb_begin->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    sb_begin->setMinimumHeight(26);
    sb_begin->setVisible(false);
    auto* views = new QButtonGroup(RightPanel);
    for (QToolButton* button : {sb_F1, sb_F2, sb_F3})
        views->addButton(button);
    auto* orders = new QButtonGroup(RightPanel);
    for (QToolButton* button : {sb_big, sb_no})
        orders->addButton(button);
    sb_F1->setChecked(true);
    sb_big->setChecked(true);
    Button1 = HiddenButton("Button1", QStringLiteral("列印"), RightPanel);
    Button2 = HiddenButton("Button2", QStringLiteral("COPY"), RightPanel);
    Button3 = HiddenButton("Button3", QStringLiteral("ShowImage"), RightPanel);
    auto* right = new QVBoxLayout(RightPanel);
    for (QWidget* w : {sb_F1, sb_F2, sb_F3})
        right->addWidget(w);
    right->addSpacing(16);
    for (QWidget* w :
         {static_cast<QWidget*>(sb_big), static_cast<QWidget*>(sb_no), static_cast<QWidget*>(sb_begin)})
        right->addWidget(w);
    right->addStretch();
    for (QWidget* w : {Button1, Button2, Button3})
        right->addWidget(w);

    // The number panel: balls in fixed slots, so that the window can move them by rank.
    Panel_F1 = new QFrame(&window);
    Panel_F1->setObjectName(QStringLiteral("Panel_F1"));
    SetBackground(*Panel_F1, Qt::white);
    Panel_F1->setMinimumSize(440, 300);
    for (int n = 1; n <= StatisticsSlots; ++n) {
        const QString number = QString::number(n).rightJustified(2, QLatin1Char('0'));
        auto* ball = new QLabel(Panel_F1);
        ball->setObjectName(QStringLiteral("Image") + number);
        ball->setPixmap(BallPicture(n, BallSize));
        ball->setGeometry(QRect(ballSlot(n), QSize(BallSize, BallSize)));
        Image[n] = ball;
        auto* value = new QLabel(Panel_F1);
        value->setObjectName(QStringLiteral("lb") + number);
        value->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        value->setGeometry(QRect(labelSlot(n), QSize(38, 20)));
        lb[n] = value;
        const bool shown = n <= 39;
        ball->setVisible(shown);
        value->setVisible(shown);
    }
    F1_avrlb = NewLabel("F1_avrlb", QStringLiteral("平均值為"), Panel_F1);
    F1_avrlb->setGeometry(24, 250, 200, 20);
    Memo1 = NewMemo("Memo1", Panel_F1, LineWrap::NoWrap);
    Memo1->setGeometry(300, 236, 110, 56);

    Panel_F2 = new QFrame(&window);
    Panel_F2->setObjectName(QStringLiteral("Panel_F2"));
    SetBackground(*Panel_F2, DarkGreen, Qt::white);
    auto* tails = new QGridLayout(Panel_F2);
    for (int t = 0; t <= 9; ++t) {
        auto* picture = new QLabel(Panel_F2);
        picture->setObjectName(QStringLiteral("Image%1").arg(t));
        picture->setPixmap(TailPicture(t, TailSize));
        picture->setFixedSize(TailSize, TailSize);
        TailImage[t] = picture;
        auto* value = new QLabel(Panel_F2);
        value->setObjectName(QStringLiteral("F2_lb%1").arg(t));
        value->setAlignment(Qt::AlignCenter);
        value->setFont(MingFont(12));
        F2_lb[t] = value;
        // Tails 1..5 in the top row, 6..9 and 0 below.
        const int index = t == 0 ? 9 : t - 1;
        const int row = index / 5 * 2;
        tails->addWidget(picture, row, index % 5, Qt::AlignCenter);
        tails->addWidget(value, row + 1, index % 5, Qt::AlignCenter);
    }
    F2_avrlb = NewLabel("F2_avrlb", QStringLiteral("平均值為"), Panel_F2);
    F2_avrlb->setFont(MingFont(12));
    tails->addWidget(F2_avrlb, 4, 0, 1, 5);

    auto* pages = new QWidget(&window);
    Panels = new QStackedLayout(pages);
    Panels->addWidget(Panel_F1);
    Panels->addWidget(Panel_F2);

    auto* middle = new QHBoxLayout;
    middle->addWidget(pages, 1);
    middle->addWidget(RightPanel);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TopPanel);
    layout->addLayout(middle, 1);
}
