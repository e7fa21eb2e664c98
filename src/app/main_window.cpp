#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <string>

#include "app/app_windows.h"
#include "common/date.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "drawhistory/help_window.h"
#include "drawhistory/record_viewer_window.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "platform/click_label.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/qt_text.h"
#include "platform/report_form.h"
#include "platform/report_preview.h"
#include "platform/services.h"
#include "platform/widget_colours.h"

namespace {

const QColor Orange(0xFF, 0x80, 0x00); // 33023 as a Windows colour: $008 0FF
const QColor Fuchsia(0xFF, 0x00, 0xFF);
const QColor Green(0x00, 0x80, 0x00);

QLabel* picture(const QString& resource, const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap(resource));
    label->setScaledContents(true);
    return label;
}

} // namespace

TForm_rk_main::TForm_rk_main(const WindowContext& context, QWidget* parent)
    : QMainWindow(parent), tables_(context.tables), services_(context.services), windows_(context.windows),
      opener_(context) {
    setObjectName(QStringLiteral("Form_rk_main"));
    setWindowTitle(QStringLiteral("３９Qorvel王 "));
    setFont(MingFont(9));
    resize(1008, 677);
    buildMenu();
    buildPanels();
    currentLogo_ = Image_8e->pixmap();
}

void TForm_rk_main::buildMenu() {
    N9 = new QAction(QStringLiteral("結束作業"), this);
    N9->setObjectName(QStringLiteral("N9"));
    connect(N9, &QAction::triggered, this, [this] { N9Click(); });

    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    // The shipped menus, then the analysis windows grouped as a player looks for them; an analysis
    // menu shows once it has an item.
    addMenu(QStringLiteral("N1"), QStringLiteral("開獎資料"));
    addMenu(QStringLiteral("N2"), QStringLiteral("進入Qorvel王"));
    menuBar()->addAction(N9);
    for (QMenu* analysis : {addMenu(QStringLiteral("menuDrag"), QStringLiteral("拖牌版路")),
                            addMenu(QStringLiteral("menuStatistics"), QStringLiteral("統計分析")),
                            addMenu(QStringLiteral("menuFormulas"), QStringLiteral("公式搜尋"))})
        analysis->menuAction()->setVisible(false);
    for (const MenuItem& item : MenuItems())
        addOpener(findChild<QMenu*>(QString::fromUtf8(item.menu)), item);
    lt_record = findChild<QAction*>(QStringLiteral("lt_record"));
}

QMenu* TForm_rk_main::addMenu(const QString& name, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

void TForm_rk_main::addOpener(QMenu* menu, const MenuItem& item) {
    if (!menu)
        throw std::logic_error(std::string("no menu ") + item.menu + " for item " + item.name);
    auto* action = new QAction(QString::fromUtf8(item.caption), this);
    action->setObjectName(QString::fromUtf8(item.name));
    if (item.shortcut) {
        action->setShortcut(item.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this,
            Guarded(services_.dialogs,
                    [this, window = item.window, showing = item.showing] { opener_.open(window, showing); }));
    menu->addAction(action);
    menu->menuAction()->setVisible(true);
}

void TForm_rk_main::buildPanels() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    SetBackground(*central, Qt::white);
    setCentralWidget(central);

    Panel5 = new QFrame(central);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedSize(353, 209);
    SetBackground(*Panel5, Green);

    Panel3 = new QFrame(Panel5);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Panel);
    SetBackground(*Panel3, Orange);
    Image_8e = picture(QStringLiteral(":/artwork/logo_tw539.jpg"), QStringLiteral("Image_8e"), Panel3);
    (new QVBoxLayout(Panel3))->addWidget(Image_8e);

    Panel4 = new QFrame(Panel5);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameShape(QFrame::Panel);
    SetBackground(*Panel4, Qt::white);
    Image_m6 = picture(QStringLiteral(":/artwork/logo_us539.jpg"), QStringLiteral("Image_m6"), Panel4);
    (new QVBoxLayout(Panel4))->addWidget(Image_m6);

    rb_biglotto = new QRadioButton(QStringLiteral("今彩539"), Panel5);
    rb_biglotto->setObjectName(QStringLiteral("rb_biglotto"));
    rb_biglotto->setChecked(true);
    QFont bold = rb_biglotto->font();
    bold.setBold(true);
    rb_biglotto->setFont(bold);
    rb_mark6 = new QRadioButton(QStringLiteral("加州夢幻５"), Panel5);
    rb_mark6->setObjectName(QStringLiteral("rb_mark6"));
    rb_mark6->setVisible(false); // the second game is not offered; its logo panel stays
    connect(rb_biglotto, &QRadioButton::clicked, this,
            Guarded(services_.dialogs, [this] { rb_biglottoClick(); }));
    connect(rb_mark6, &QRadioButton::clicked, this,
            Guarded(services_.dialogs, [this] { rb_biglottoClick(); }));

    auto* heading = new QLabel(QStringLiteral("檔案中最新開獎資料"), Panel5);
    heading->setStyleSheet(QStringLiteral("color: yellow; font-weight: bold;"));
    const auto whiteLabel = [this](const QString& name, const QString& text) {
        auto* label = new QLabel(text, Panel5);
        label->setObjectName(name);
        label->setStyleSheet(QStringLiteral("color: white;"));
        return label;
    };
    lb_data = whiteLabel(QStringLiteral("lb_data"), QStringLiteral("日期:"));
    lb_data1 = whiteLabel(QStringLiteral("lb_data1"), QStringLiteral("期數:"));
    lb_data2 = whiteLabel(QStringLiteral("lb_data2"), QStringLiteral("號碼(落球):"));

    SpeedButton1 = new QToolButton(Panel5);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setDefaultAction(lt_record);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);

    Label4 = new ClickLabel(qs(tables_.draws.DataFileName), Panel5);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: white; text-decoration: underline;"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label5 = new ClickLabel(QStringLiteral("手動輸入"), Panel5);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setStyleSheet(QStringLiteral("color: white;"));
    Label5->setCursor(Qt::PointingHandCursor);
    // Both open the draw file in the editor.
    for (ClickLabel* label : {Label4, Label5})
        connect(label, &ClickLabel::clicked, this,
                Guarded(services_.dialogs, [this] { open(WindowId::Form_RK_stk_txtfile); }));

    SpeedButton19 = new QToolButton(Panel5);
    SpeedButton19->setObjectName(QStringLiteral("SpeedButton19"));
    SpeedButton19->setText(QStringLiteral("Close"));
    SpeedButton20 = new QToolButton(central);
    SpeedButton20->setObjectName(QStringLiteral("SpeedButton20"));
    SpeedButton20->setText(QStringLiteral("顯示"));
    connect(SpeedButton19, &QToolButton::clicked, this, [this] { Panel5->hide(); });
    connect(SpeedButton20, &QToolButton::clicked, this, [this] { Panel5->show(); });

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

    Panel6 = new QFrame(central);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setFixedSize(121, 65);
    SetBackground(*Panel6, Qt::white);
    Image1 = picture(QStringLiteral(":/artwork/logo_tw539.jpg"), QStringLiteral("Image1"), Panel6);
    auto* panel6Layout = new QVBoxLayout(Panel6);
    panel6Layout->setContentsMargins(2, 2, 2, 2);
    panel6Layout->addWidget(Image1);

    auto* sidePicture = picture(QStringLiteral(":/artwork/side.jpg"), QStringLiteral("Image2"), central);
    sidePicture->setFixedSize(240, 320);
    auto* bottomPicture = picture(QStringLiteral(":/artwork/banner.jpg"), QStringLiteral("Image3"), central);
    bottomPicture->setFixedHeight(120);
    auto* bottomBar = new QLabel(
        QStringLiteral("最佳操作模式  1024x768 以上解析度    Tobrin彩券網  ３９Qorvel王  今彩539分析軟體"),
        central);
    bottomBar->setObjectName(QStringLiteral("lb_bottom"));
    bottomBar->setStyleSheet(QStringLiteral("background: #003366; color: white; padding: 3px;"));

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(Panel5);
    leftColumn->addWidget(SpeedButton20, 0, Qt::AlignLeft);
    leftColumn->addWidget(Panel6, 0, Qt::AlignLeft);
    leftColumn->addStretch();
    auto* upper = new QHBoxLayout;
    upper->addLayout(leftColumn);
    upper->addStretch();
    upper->addWidget(sidePicture, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(upper, 1);
    layout->addWidget(bottomPicture);
    layout->addWidget(bottomBar);
}

// ---- the load ----

void TForm_rk_main::FormShow() {
    reloadHistory();
}

bool TForm_rk_main::reloadHistory() {
    setWindowTitle(QStringLiteral("３９Qorvel王   @2018/12/21   "));
    const DrawFileRead read = LoadDrawHistory(tables_.draws, tables_.work, tables_.rules, today());
    const bool clean = showRead(read);
    windows_.Form_rk_lotto_record->showDrawLines();
    if (read.splitError)
        throw ConversionError(*read.splitError);
    return clean;
}

void TForm_rk_main::rereadHistory() {
    const DrawFileRead read = ReadDrawFile(tables_.draws, today());
    showRead(read);
    SplitDrawLines(tables_.draws, tables_.work);
    SortDrawLines(tables_.draws, 1);
    windows_.Form_rk_lotto_record->showDrawLines();
    windows_.Form_rk_lotto_record->showRecordCount();
}

std::string TForm_rk_main::today() const {
    return DateFormat("yyyy/mm/dd", services_.clock.today());
}

bool TForm_rk_main::showRead(const DrawFileRead& read) {
    lb_data->setText(qs(read.newestLabels[0]));
    lb_data1->setText(qs(read.newestLabels[1]));
    lb_data2->setText(qs(read.newestLabels[2]));
    if (!read.bad)
        return true;
    services_.dialogs.messageDialog(qs(BadDrawLineMessage(tables_.draws.DataFileName, *read.bad)),
                                    DialogKind::Error, DialogButtons::Ok);
    return false;
}

// ---- game switch ----

void TForm_rk_main::rb_biglottoClick() {
    const bool first = rb_biglotto->isChecked();
    tables_.draws.MaxNo = 39;
    tables_.draws.GameIndex = first ? 1 : 0;
    SetBackground(*Panel3, first ? Orange : QColor(Qt::white));
    SetBackground(*Panel4, first ? QColor(Qt::white) : Fuchsia);
    QFont font = rb_biglotto->font();
    font.setBold(first);
    rb_biglotto->setFont(font);
    font.setBold(!first);
    rb_mark6->setFont(font);
    tables_.draws.DataFileName = first ? "TW539.txt" : "US539.txt";
    currentLogo_ = first ? Image_8e->pixmap() : Image_m6->pixmap();
    Image1->setPixmap(currentLogo_);
    windows_.Form_rk_lotto_record->setWindowTitle(first ? QStringLiteral("開獎紀錄  今彩５３９")
                                                        : QStringLiteral("開獎紀錄  美國夢幻５"));
    emit logoChanged(currentLogo_);
    tables_.draws.GameName = first ? "今彩539" : "加州夢幻５";
    Label4->setText(qs(tables_.draws.DataFileName));
    FormShow();
}

// ---- shared output ----

void TForm_rk_main::show_memo(const QString& fileName) {
    if (!FileExists(ss(fileName))) {
        services_.dialogs.showMessage(QStringLiteral("說明檔 ") + fileName + QStringLiteral(" 不存在"));
        return;
    }
    windows_.Form_rk_help->showLines(qsList(ReadTextLines(ss(fileName))));
    open(WindowId::Form_rk_help);
}

void TForm_rk_main::show_memo_rpt(const QStringList& lines) {
    windows_.rpt->qr = lines;
    services_.reportPreview.preview(*windows_.rpt);
}

void TForm_rk_main::setReportFontSize(int points) {
    windows_.rpt->qrFontSize = points;
}

void TForm_rk_main::open(WindowId window) {
    opener_.open(window);
}

void TForm_rk_main::N9Click() {
    close();
}

void TForm_rk_main::closeEvent(QCloseEvent* event) {
    const DialogAnswer answer = services_.dialogs.messageDialog(
        QStringLiteral("您即將結束作業,請再一次確認!"), DialogKind::Warning, DialogButtons::YesNo);
    if (answer == DialogAnswer::Yes) {
        event->accept();
        QCoreApplication::quit();
    } else {
        event->ignore();
    }
}
