#include "app/main_window_form.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>

#include "app/window_table.h"
#include "platform/click_label.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/widget_colours.h"

namespace {

const QColor PanelGreen(0x00, 0x80, 0x00);

QMenu* NewMenu(QMainWindow& window, const char* name, const QString& title) {
    return Named(window.menuBar()->addMenu(title), name);
}

QLabel* NewPicture(const char* name, const QString& resource, QWidget* parent) {
    auto* label = Named(new QLabel(parent), name);
    label->setPixmap(QPixmap(resource));
    label->setScaledContents(true);
    return label;
}

QFrame* NewPanel(const char* name, const QColor& colour, QWidget* parent) {
    auto* panel = Named(new QFrame(parent), name);
    SetBackground(*panel, colour);
    return panel;
}

} // namespace

void MainWindowForm::setupUi(QMainWindow& window) {
    window.setObjectName(QStringLiteral("Form_rk_main"));
    window.setWindowTitle(QStringLiteral("３９Qorvel王 "));
    window.setFont(MingFont(9));
    window.resize(1008, 677);
    setupMenus(window);
    setupPanels(window);
}

void MainWindowForm::setupMenus(QMainWindow& window) {
    N9 = Named(new QAction(QStringLiteral("結束作業"), &window), "N9");
    window.menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    // The shipped menus, then the analysis windows grouped as a player looks for them; an analysis
    // menu shows once it has an item.
    N1 = NewMenu(window, "N1", QStringLiteral("開獎資料"));
    N2 = NewMenu(window, "N2", QStringLiteral("進入Qorvel王"));
    window.menuBar()->addAction(N9);
    menuDrag = NewMenu(window, "menuDrag", QStringLiteral("拖牌版路"));
    menuStatistics = NewMenu(window, "menuStatistics", QStringLiteral("統計分析"));
    menuFormulas = NewMenu(window, "menuFormulas", QStringLiteral("公式搜尋"));
    for (QMenu* analysis : {menuDrag, menuStatistics, menuFormulas})
        analysis->menuAction()->setVisible(false);

    for (const MenuItem& item : MenuItems()) {
        auto* menu = window.findChild<QMenu*>(QString::fromUtf8(item.menu));
        if (!menu)
            throw std::logic_error(std::string("no menu ") + item.menu + " for item " + item.name);
        auto* action = Named(new QAction(QString::fromUtf8(item.caption), &window), item.name);
        if (item.shortcut) {
            action->setShortcut(item.shortcut);
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
        menu->addAction(action);
        menu->menuAction()->setVisible(true);
        openers << action;
    }
    lt_record = window.findChild<QAction*>(QStringLiteral("lt_record"));
}

void MainWindowForm::setupPanels(QMainWindow& window) {
    central = Named(new QWidget(&window), "central");
    SetBackground(*central, Qt::white);
    window.setCentralWidget(central);

    Panel5 = NewPanel("Panel5", PanelGreen, central);
    Panel5->setFixedSize(353, 209);

    Panel3 = NewPanel("Panel3", FirstGameColour, Panel5);
    Panel3->setFrameShape(QFrame::Panel);
    Image_8e = NewPicture("Image_8e", QStringLiteral(":/artwork/logo_tw539.jpg"), Panel3);
    (new QVBoxLayout(Panel3))->addWidget(Image_8e);

    Panel4 = NewPanel("Panel4", Qt::white, Panel5);
    Panel4->setFrameShape(QFrame::Panel);
    Image_m6 = NewPicture("Image_m6", QStringLiteral(":/artwork/logo_us539.jpg"), Panel4);
    (new QVBoxLayout(Panel4))->addWidget(Image_m6);

    rb_biglotto = Named(new QRadioButton(QStringLiteral("今彩539"), Panel5), "rb_biglotto");
    rb_biglotto->setChecked(true);
    QFont bold = rb_biglotto->font();
    bold.setBold(true);
    rb_biglotto->setFont(bold);
    rb_mark6 = Named(new QRadioButton(QStringLiteral("加州夢幻５"), Panel5), "rb_mark6");
    rb_mark6->setVisible(false); // the second game is not offered; its logo panel stays

    auto* heading = NewCaption(QStringLiteral("檔案中最新開獎資料"), Panel5);
    heading->setStyleSheet(QStringLiteral("color: yellow; font-weight: bold;"));
    const auto whiteLabel = [this](const char* name, const QString& text) {
        QLabel* label = NewLabel(name, text, Panel5);
        label->setStyleSheet(QStringLiteral("color: white;"));
        return label;
    };
    lb_data = whiteLabel("lb_data", QStringLiteral("日期:"));
    lb_data1 = whiteLabel("lb_data1", QStringLiteral("期數:"));
    lb_data2 = whiteLabel("lb_data2", QStringLiteral("號碼(落球):"));
    // The panel keeps its size: the numbers, or the note that the file holds no draw, go on below.
    lb_data2->setWordWrap(true);

    SpeedButton1 = Named(new QToolButton(Panel5), "SpeedButton1");
    SpeedButton1->setDefaultAction(lt_record);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);

    Label4 = Named(new ClickLabel(Panel5), "Label4");
    Label4->setStyleSheet(QStringLiteral("color: white; text-decoration: underline;"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label5 = Named(new ClickLabel(QStringLiteral("手動輸入"), Panel5), "Label5");
    Label5->setStyleSheet(QStringLiteral("color: white;"));
    Label5->setCursor(Qt::PointingHandCursor);

    SpeedButton19 = Named(new QToolButton(Panel5), "SpeedButton19");
    SpeedButton19->setText(QStringLiteral("Close"));
    SpeedButton20 = Named(new QToolButton(central), "SpeedButton20");
    SpeedButton20->setText(QStringLiteral("顯示"));

    auto* logos = new QHBoxLayout;
    logos->addWidget(Panel3);
    logos->addWidget(Panel4);
    auto* radios = new QHBoxLayout;
    radios->addWidget(rb_biglotto);
    radios->addWidget(rb_mark6);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(SpeedButton1);
    fileRow->addWidget(Label4);
    fileRow->addWidget(Label5);
    fileRow->addStretch();
    fileRow->addWidget(SpeedButton19);
    auto* left = new QVBoxLayout;
    left->addLayout(logos, 1);
    left->addLayout(radios);
    auto* right = new QVBoxLayout;
    right->addWidget(heading);
    right->addWidget(lb_data);
    right->addWidget(lb_data1);
    right->addWidget(lb_data2);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* panel5Layout = new QVBoxLayout(Panel5);
    panel5Layout->addLayout(top, 1);
    panel5Layout->addLayout(fileRow);

    Panel6 = NewPanel("Panel6", Qt::white, central);
    Panel6->setFixedSize(121, 65);
    Image1 = NewPicture("Image1", QStringLiteral(":/artwork/logo_tw539.jpg"), Panel6);
    auto* panel6Layout = new QVBoxLayout(Panel6);
    panel6Layout->setContentsMargins(2, 2, 2, 2);
    panel6Layout->addWidget(Image1);

    Image2 = NewPicture("Image2", QStringLiteral(":/artwork/side.jpg"), central);
    Image2->setFixedSize(240, 320);
    Image3 = NewPicture("Image3", QStringLiteral(":/artwork/banner.jpg"), central);
    Image3->setFixedHeight(120);
    lb_bottom = NewLabel(
        "lb_bottom",
        QStringLiteral("最佳操作模式  1024x768 以上解析度    Tobrin彩券網  ３９Qorvel王  今彩539分析軟體"),
        central);
    lb_bottom->setStyleSheet(QStringLiteral("background: #003366; color: white; padding: 3px;"));

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(Panel5);
    leftColumn->addWidget(SpeedButton20, 0, Qt::AlignLeft);
    leftColumn->addWidget(Panel6, 0, Qt::AlignLeft);
    leftColumn->addStretch();
    auto* upper = new QHBoxLayout;
    upper->addLayout(leftColumn);
    upper->addStretch();
    upper->addWidget(Image2, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(upper, 1);
    layout->addWidget(Image3);
    layout->addWidget(lb_bottom);
}
