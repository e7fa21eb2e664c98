#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <string>
#include <vector>

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

TForm_rk_main::TForm_rk_main(const WindowContext& context, QWidget* parent)
    : QMainWindow(parent), tables_(context.tables), services_(context.services), windows_(context.windows),
      opener_(context) {
    ui.setupUi(*this);
    ui.Label4->setText(qs(tables_.draws.DataFileName));
    currentLogo_ = ui.Image_8e->pixmap();
    connectControls();
}

void TForm_rk_main::connectControls() {
    const auto guarded = [this](auto handler) { return Guarded(services_.dialogs, handler); };
    connect(ui.N9, &QAction::triggered, this, [this] { N9Click(); });
    const std::vector<MenuItem>& items = MenuItems();
    for (qsizetype i = 0; i < ui.openers.size(); ++i)
        connect(ui.openers[i], &QAction::triggered, this,
                guarded([this, window = items[i].window, showing = items[i].showing] {
                    opener_.open(window, showing);
                }));
    for (QRadioButton* game : {ui.rb_biglotto, ui.rb_mark6})
        connect(game, &QRadioButton::clicked, this, guarded([this] { rb_biglottoClick(); }));
    for (ClickLabel* label : {ui.Label4, ui.Label5})
        connect(label, &ClickLabel::clicked, this, guarded([this] { Label4Click(); }));
    connect(ui.SpeedButton19, &QToolButton::clicked, this, [this] { SpeedButton19Click(); });
    connect(ui.SpeedButton20, &QToolButton::clicked, this, [this] { SpeedButton20Click(); });
}

// ---- the load ----

bool TForm_rk_main::reloadHistory() {
    setWindowTitle(QStringLiteral("３９Qorvel王   @2018/12/21   "));
    const DrawFileRead read = LoadDrawHistory(tables_.draws, tables_.work, tables_.rules, today());
    const bool clean = showRead(read);
    windows_.get<TForm_rk_lotto_record>()->showDrawLines();
    if (read.splitError)
        throw ConversionError(*read.splitError);
    return clean;
}

void TForm_rk_main::rereadHistory() {
    adoptHistory(ReadDrawFileLines(tables_.draws.DataFileName, today(), tables_.draws.MaxNo));
}

void TForm_rk_main::adoptHistory(DrawReadResult read) {
    showRead(StoreDrawFileRead(tables_.draws, std::move(read)));
    SplitDrawLines(tables_.draws, tables_.work);
    SortDrawLines(tables_.draws, 1);
    windows_.get<TForm_rk_lotto_record>()->showDrawLines();
    windows_.get<TForm_rk_lotto_record>()->showRecordCount();
}

std::string TForm_rk_main::today() const {
    return DateFormat("yyyy/mm/dd", services_.clock.today());
}

bool TForm_rk_main::showRead(const DrawFileRead& read) {
    ui.lb_data->setText(qs(read.newestLabels[0]));
    ui.lb_data1->setText(qs(read.newestLabels[1]));
    ui.lb_data2->setText(qs(read.newestLabels[2]));
    if (!read.bad)
        return true;
    services_.dialogs.messageDialog(qs(BadDrawLineMessage(tables_.draws.DataFileName, *read.bad)),
                                    DialogKind::Error, DialogButtons::Ok);
    return false;
}

// ---- game switch ----

void TForm_rk_main::rb_biglottoClick() {
    const bool first = ui.rb_biglotto->isChecked();
    tables_.draws.MaxNo = 39;
    tables_.draws.GameIndex = first ? 1 : 0;
    SetBackground(*ui.Panel3, first ? FirstGameColour : QColor(Qt::white));
    SetBackground(*ui.Panel4, first ? QColor(Qt::white) : SecondGameColour);
    QFont font = ui.rb_biglotto->font();
    font.setBold(first);
    ui.rb_biglotto->setFont(font);
    font.setBold(!first);
    ui.rb_mark6->setFont(font);
    tables_.draws.DataFileName = first ? FirstGameFile : SecondGameFile;
    currentLogo_ = first ? ui.Image_8e->pixmap() : ui.Image_m6->pixmap();
    ui.Image1->setPixmap(currentLogo_);
    windows_.get<TForm_rk_lotto_record>()->setWindowTitle(first ? QStringLiteral("開獎紀錄  今彩５３９")
                                                                : QStringLiteral("開獎紀錄  美國夢幻５"));
    emit logoChanged(currentLogo_);
    tables_.draws.GameName = first ? "今彩539" : "加州夢幻５";
    ui.Label4->setText(qs(tables_.draws.DataFileName));
    reloadHistory();
}

void TForm_rk_main::Label4Click() {
    open(WindowId::Form_RK_stk_txtfile);
}

void TForm_rk_main::SpeedButton19Click() {
    ui.Panel5->hide();
}

void TForm_rk_main::SpeedButton20Click() {
    ui.Panel5->show();
}

// ---- shared output ----

void TForm_rk_main::show_memo(const QString& fileName) {
    if (!FileExists(ss(fileName))) {
        services_.dialogs.showMessage(QStringLiteral("說明檔 ") + fileName + QStringLiteral(" 不存在"));
        return;
    }
    windows_.get<TForm_rk_help>()->showLines(qsList(ReadTextLines(ss(fileName))));
    open(WindowId::Form_rk_help);
}

void TForm_rk_main::show_memo_rpt(const QStringList& lines) {
    Trpt& report = *windows_.get<Trpt>();
    report.qr = lines;
    services_.reportPreview.preview(report);
}

void TForm_rk_main::setReportFontSize(int points) {
    windows_.get<Trpt>()->qrFontSize = points;
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
