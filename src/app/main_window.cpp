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
#include <map>
#include <stdexcept>

#include "analysis/drag/chart1_window.h"
#include "analysis/drag/excel_guide_window.h"
#include "analysis/drag/grid_sort_window.h"
#include "analysis/drag/threeforone_window.h"
#include "analysis/drag/trace_single_window.h"
#include "analysis/drag/twoforone_window.h"
#include "analysis/gap_window.h"
#include "analysis/golden_window.h"
#include "analysis/paths/moving_window.h"
#include "analysis/paths/no_analysis_window.h"
#include "analysis/paths/rule_define_window.h"
#include "analysis/simulate_window.h"
#include "analysis/statistics/statistics_window.h"
#include "app/app_windows.h"
#include "common/date.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "drawhistory/date_select_window.h"
#include "drawhistory/download_window.h"
#include "drawhistory/draw_editor_window.h"
#include "drawhistory/help_window.h"
#include "drawhistory/record_viewer_window.h"
#include "drawhistory/server_address_window.h"
#include "draws/draw_loader.h"
#include "draws/shared_tables.h"
#include "formulas/line_formula_window.h"
#include "formulas/nogood_group_window.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/stk_3xx_window.h"
#include "formulas/stk_t3xx_window.h"
#include "formulas/tail_formula_window.h"
#include "pillars/varnholt_window.h"
#include "platform/click_label.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/report_form.h"
#include "platform/report_preview.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/widget_colours.h"
#include "platform/window_shower.h"

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

TForm_rk_main::TForm_rk_main(SharedTables& tables, Services& services, AppWindows& windows, QWidget* parent)
    : QMainWindow(parent), tables_(tables), services_(services), windows_(windows) {
    setObjectName(QStringLiteral("Form_rk_main"));
    setWindowTitle(QStringLiteral("３９Qorvel王 "));
    setFont(MingFont(9));
    resize(1008, 677);
    buildMenu();
    buildPanels();
    currentLogo_ = Image_8e->pixmap();
}

void TForm_rk_main::buildMenu() {
    lt_record = new QAction(QStringLiteral("開獎紀錄"), this);
    lt_record->setObjectName(QStringLiteral("lt_record"));
    lt_record->setShortcut(Qt::Key_F2);
    lt_record->setShortcutContext(Qt::ApplicationShortcut);
    connect(lt_record, &QAction::triggered, this, Guarded(services_.dialogs, [this] { lt_recordExecute(); }));

    Varnholt = new QAction(QStringLiteral("最佳Qorvel操作"), this);
    Varnholt->setObjectName(QStringLiteral("Varnholt"));
    connect(Varnholt, &QAction::triggered, this, Guarded(services_.dialogs, [this] { VarnholtExecute(); }));

    N9 = new QAction(QStringLiteral("結束作業"), this);
    N9->setObjectName(QStringLiteral("N9"));
    connect(N9, &QAction::triggered, this, [this] { N9Click(); });

    ftpip = new QAction(QStringLiteral("資料伺服器位址設定"), this);
    ftpip->setObjectName(QStringLiteral("ftpip"));
    connect(ftpip, &QAction::triggered, this, Guarded(services_.dialogs, [this] { ftpipExecute(); }));

    QMenu* data = menuBar()->addMenu(QStringLiteral("開獎資料"));
    data->setObjectName(QStringLiteral("N1"));
    data->addAction(lt_record);
    data->addAction(ftpip);
    QMenu* king = menuBar()->addMenu(QStringLiteral("進入Qorvel王"));
    king->setObjectName(QStringLiteral("N2"));
    king->addAction(Varnholt);
    menuBar()->addAction(N9);

    // The analysis windows, grouped as a player looks for them; a menu shows once it has an item.
    menuDrag = analysisMenu(QStringLiteral("menuDrag"), QStringLiteral("拖牌版路"));
    menuStatistics = analysisMenu(QStringLiteral("menuStatistics"), QStringLiteral("統計分析"));
    menuFormulas = analysisMenu(QStringLiteral("menuFormulas"), QStringLiteral("公式搜尋"));
    addOpener(menuStatistics, QStringLiteral("statistics"), QStringLiteral("統計資料"),
              &TForm_rk_main::statisticsExecute);
    addOpener(menuStatistics, QStringLiteral("stk_no_interval"), QStringLiteral("號碼開出間隔分析"),
              &TForm_rk_main::stk_no_intervalExecute);
    addOpener(menuStatistics, QStringLiteral("gold12"), QStringLiteral("黃金組合"),
              &TForm_rk_main::gold12Execute);
    addOpener(menuStatistics, QStringLiteral("simulate"), QStringLiteral("模擬開獎"),
              &TForm_rk_main::simulateExecute);
    addOpener(menuDrag, QStringLiteral("N3"), QStringLiteral("不定位單支拖牌"), &TForm_rk_main::N3Click);
    addOpener(menuDrag, QStringLiteral("N12"), QStringLiteral("不定位雙星拖牌"), &TForm_rk_main::N12Click);
    addOpener(menuDrag, QStringLiteral("N14"), QStringLiteral("大小定位拖牌"), &TForm_rk_main::N14Click);
    addOpener(menuDrag, QStringLiteral("N15"), QStringLiteral("落球定位拖牌"), &TForm_rk_main::N15Click);
    addOpener(menuDrag, QStringLiteral("N19"), QStringLiteral("大小加減版路"), &TForm_rk_main::N19Click);
    addOpener(menuDrag, QStringLiteral("moving"), QStringLiteral("移動式版路(三期內養牌)"),
              &TForm_rk_main::movingExecute);
    addOpener(menuDrag, QStringLiteral("N41"), QStringLiteral("平均數加減法"), &TForm_rk_main::N41Click);
    addOpener(menuDrag, QStringLiteral("N59"), QStringLiteral("拖牌匯總統計圖"), &TForm_rk_main::N59Click);
    addOpener(menuFormulas, QStringLiteral("stk_3xx"), QStringLiteral("雙連拖定位獨支"),
              &TForm_rk_main::stk_3xxExecute);
    addOpener(menuFormulas, QStringLiteral("stk_T3xx"), QStringLiteral("雙連拖統計尾數 "),
              &TForm_rk_main::stk_T3xxExecute);
    addOpener(menuFormulas, QStringLiteral("NG_tail"), QStringLiteral("不出尾數版路"),
              &TForm_rk_main::NG_tailExecute);
    addOpener(menuFormulas, QStringLiteral("NG_group"), QStringLiteral("不出牌組(2006.07.10修訂)"),
              &TForm_rk_main::NG_groupExecute);
    addOpener(menuFormulas, QStringLiteral("linevalue"), QStringLiteral("簡單數值公式"),
              &TForm_rk_main::linevalueExecute);
    addOpener(menuFormulas, QStringLiteral("one3is"), QStringLiteral("獨支三期養牌(50期驗證)"),
              &TForm_rk_main::one3isExecute);
    addOpener(menuFormulas, QStringLiteral("one3is_2"), QStringLiteral("獨支三期養牌(30期驗證)2006.07.10"),
              &TForm_rk_main::one3is_2Execute);
}

QMenu* TForm_rk_main::analysisMenu(const QString& name, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setVisible(false);
    return menu;
}

QAction* TForm_rk_main::addOpener(QMenu* menu, const QString& name, const QString& text,
                                  void (TForm_rk_main::*opener)()) {
    auto* item = new QAction(text, this);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this,
            Guarded(services_.dialogs, [this, opener] { (this->*opener)(); }));
    menu->addAction(item);
    menu->menuAction()->setVisible(true);
    return item;
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
    connect(Label4, &ClickLabel::clicked, this, Guarded(services_.dialogs, [this] { Label4Click(); }));
    connect(Label5, &ClickLabel::clicked, this, Guarded(services_.dialogs, [this] { Label4Click(); }));

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
    TForm_rk_help& help = *windows_.Form_rk_help;
    help.mm->clear();
    SetMemoLines(*help.mm, qsList(ReadTextLines(ss(fileName))));
    services_.shower.showModal(help);
}

void TForm_rk_main::show_memo_rpt(const QStringList& lines) {
    windows_.rpt->qr = lines;
    services_.reportPreview.preview(*windows_.rpt);
}

void TForm_rk_main::setReportFontSize(int points) {
    windows_.rpt->qrFontSize = points;
}

void TForm_rk_main::open(const QString& windowName) {
    using Opener = void (TForm_rk_main::*)();
    static const std::map<QString, Opener> openers = {
        {QStringLiteral("Form_rk_lotto_record"), &TForm_rk_main::lt_recordExecute},
        {QStringLiteral("Form_varnholt"), &TForm_rk_main::VarnholtExecute},
        {QStringLiteral("Form_RK_stk_txtfile"), &TForm_rk_main::Label4Click},
        {QStringLiteral("Form_rk_FtpServerIP"), &TForm_rk_main::ftpipExecute},
        {QStringLiteral("Form_Download_TxT_from_http"), &TForm_rk_main::downloadExecute},
        {QStringLiteral("Form_dateselect"), &TForm_rk_main::dateselectExecute},
        {QStringLiteral("Form_rk_twoforone"), &TForm_rk_main::openTwoForOne},
        {QStringLiteral("Form_rk_threeforone"), &TForm_rk_main::openThreeForOne},
        {QStringLiteral("Form_rk_grid_sort"), &TForm_rk_main::openGridSort},
        {QStringLiteral("Form_rk_no_analysis"), &TForm_rk_main::openNoAnalysis},
        {QStringLiteral("Form_rk_rule_define"), &TForm_rk_main::openRuleDefine},
        {QStringLiteral("Form_img_excel"), &TForm_rk_main::openExcelGuide},
        {QStringLiteral("Form_rk_6line_3is"), &TForm_rk_main::one3isExecute},
    };
    const auto opener = openers.find(windowName);
    if (opener == openers.end())
        throw std::logic_error("no opener for window " + windowName.toStdString());
    (this->*opener->second)();
}

// ---- openers ----

void TForm_rk_main::lt_recordExecute() {
    services_.shower.showModal(*windows_.Form_rk_lotto_record);
}

void TForm_rk_main::VarnholtExecute() {
    services_.shower.showModal(*windows_.Form_varnholt);
}

void TForm_rk_main::Label4Click() {
    if (!windows_.Form_RK_stk_txtfile)
        windows_.Form_RK_stk_txtfile =
            std::make_unique<TForm_RK_stk_txtfile>(tables_.draws, services_, *this);
    TForm_RK_stk_txtfile& editor = *windows_.Form_RK_stk_txtfile;
    editor.loadDrawFile(currentLogo_);
    services_.shower.showModal(editor);
}

void TForm_rk_main::ftpipExecute() {
    services_.shower.showModal(*windows_.Form_rk_FtpServerIP);
}

void TForm_rk_main::downloadExecute() {
    services_.shower.showModal(*windows_.Form_Download_TxT_from_http);
}

void TForm_rk_main::dateselectExecute() {
    services_.shower.showModal(*windows_.Form_dateselect);
}

void TForm_rk_main::movingExecute() {
    services_.shower.showModal(*windows_.Form_rk_moving);
}

void TForm_rk_main::N41Click() {
    TForm_rk_moving& moving = *windows_.Form_rk_moving;
    services_.shower.showModeless(moving);
    moving.showPage(1);
}

void TForm_rk_main::gold12Execute() {
    if (!windows_.Form_rk_gold12)
        windows_.Form_rk_gold12 = std::make_unique<TForm_rk_gold12>(tables_.draws, services_);
    services_.shower.showModal(*windows_.Form_rk_gold12);
}

void TForm_rk_main::statisticsExecute() {
    services_.shower.showModal(*windows_.Form_rk_statistics);
}

void TForm_rk_main::stk_no_intervalExecute() {
    if (!windows_.Form_rk_no_interval)
        windows_.Form_rk_no_interval = std::make_unique<TForm_rk_no_interval>(tables_.draws, services_);
    services_.shower.showModal(*windows_.Form_rk_no_interval);
}

void TForm_rk_main::simulateExecute() {
    services_.shower.showModal(*windows_.Form_rk_simulate);
}

void TForm_rk_main::N3Click() {
    showDragPage(0);
}

void TForm_rk_main::N12Click() {
    showDragPage(1);
}

void TForm_rk_main::N14Click() {
    showDragPage(3);
}

void TForm_rk_main::N15Click() {
    showDragPage(4);
}

void TForm_rk_main::N19Click() {
    showDragPage(5);
}

void TForm_rk_main::showDragPage(int page) {
    TForm_rk_trace_single& drag = *windows_.Form_rk_trace_single;
    drag.setWindowState(drag.windowState() | Qt::WindowMaximized);
    services_.shower.showModeless(drag);
    drag.showPage(page);
}

void TForm_rk_main::openTwoForOne() {
    windows_.Form_rk_twoforone->get_twoforone();
    services_.shower.showModal(*windows_.Form_rk_twoforone);
}

void TForm_rk_main::openThreeForOne() {
    windows_.Form_rk_threeforone->get_threeforone();
    services_.shower.showModal(*windows_.Form_rk_threeforone);
}

void TForm_rk_main::openGridSort() {
    windows_.Form_rk_grid_sort->show_grid_sort();
    services_.shower.showModeless(*windows_.Form_rk_grid_sort);
}

void TForm_rk_main::openNoAnalysis() {
    services_.shower.showModal(*windows_.Form_rk_no_analysis);
}

void TForm_rk_main::openRuleDefine() {
    services_.shower.showModal(*windows_.Form_rk_rule_define);
}

void TForm_rk_main::openExcelGuide() {
    if (!windows_.Form_img_excel)
        windows_.Form_img_excel = std::make_unique<TForm_img_excel>();
    services_.shower.showModeless(*windows_.Form_img_excel);
}

void TForm_rk_main::N59Click() {
    services_.shower.showModal(*windows_.Form_rk_chart1);
}

void TForm_rk_main::stk_3xxExecute() {
    if (!windows_.Form_rk_ai2_stk_3xx)
        windows_.Form_rk_ai2_stk_3xx =
            std::make_unique<TForm_rk_ai2_stk_3xx>(tables_.draws, tables_.work, services_, *this);
    services_.shower.showModal(*windows_.Form_rk_ai2_stk_3xx);
}

void TForm_rk_main::stk_T3xxExecute() {
    if (!windows_.Form_rk_ai2_stk_T3xx)
        windows_.Form_rk_ai2_stk_T3xx =
            std::make_unique<TForm_rk_ai2_stk_T3xx>(tables_.draws, tables_.work, services_, *this);
    services_.shower.showModal(*windows_.Form_rk_ai2_stk_T3xx);
}

// The formula windows are made on first use and kept, so their results outlast a closing.
template <class Window>
static Window& FormulaWindow(std::unique_ptr<Window>& slot, SharedTables& tables, Services& services,
                             WindowLinks& links) {
    if (!slot)
        slot = std::make_unique<Window>(tables.draws, tables.work, services, links);
    return *slot;
}

void TForm_rk_main::NG_tailExecute() {
    services_.shower.showModal(FormulaWindow(windows_.Form_rk_nogood, tables_, services_, *this));
}

void TForm_rk_main::NG_groupExecute() {
    services_.shower.showModal(FormulaWindow(windows_.Form_rk_7star2_ng, tables_, services_, *this));
}

void TForm_rk_main::linevalueExecute() {
    services_.shower.showModal(FormulaWindow(windows_.Form_rk_6line_line, tables_, services_, *this));
}

void TForm_rk_main::one3isExecute() {
    services_.shower.showModal(FormulaWindow(windows_.Form_rk_6line_3is, tables_, services_, *this));
}

void TForm_rk_main::one3is_2Execute() {
    services_.shower.showModal(FormulaWindow(windows_.Form_rk_6line_3is_2, tables_, services_, *this));
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
