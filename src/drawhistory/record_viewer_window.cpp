#include "drawhistory/record_viewer_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "draws/download_setting.h"
#include "draws/draw_loader.h"
#include "draws/record_table.h"
#include "platform/error_handler.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/window_links.h"

TForm_rk_lotto_record::TForm_rk_lotto_record(DrawTables& draws, WorkArea& work, TextTable& records,
                                             const DownloadSetting& download, Services& services,
                                             WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), work_(work), records_(records), download_(download),
      services_(services), links_(links) {
    ui.setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton3, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton3Click(); }));
    connect(ui.SpeedButton12, &QToolButton::clicked, this,
            Guarded(dialogs, [this] { SpeedButton12Click(); }));
    connect(ui.SpeedButton13, &QToolButton::clicked, this,
            Guarded(dialogs, [this] { SpeedButton13Click(); }));
    connect(ui.N1, &QAction::triggered, this, Guarded(dialogs, [this] { SpeedButton13Click(); }));
    connect(ui.SpeedButton10, &QToolButton::clicked, this,
            Guarded(dialogs, [this] { SpeedButton10Click(); }));
    connect(ui.BitBtn2, &QPushButton::clicked, this, Guarded(dialogs, [this] { BitBtn2Click(); }));
    connect(ui.BitBtn3, &QPushButton::clicked, this, Guarded(dialogs, [this] { BitBtn3Click(); }));
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_rk_lotto_record::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_lotto_record::FormShow() {
    ui.BitBtn2->setEnabled(download_.DownloadEnabled);
    SortDrawLines(draws_, 1);
    showDrawLines();
    showRecordCount();
    // The split tables stay oldest first until an order button asks for newest first.
}

void TForm_rk_lotto_record::showDrawLines() {
    records_ = RecordTable(draws_);
    showRecords();
}

void TForm_rk_lotto_record::showRecords() {
    ui.sgl->setTable(records_);
}

void TForm_rk_lotto_record::showRecordCount() {
    ui.lb_reclen->setText(QStringLiteral("開獎資料共 ") + QString::number(draws_.DrawCount) +
                          QStringLiteral(" 期"));
}

void TForm_rk_lotto_record::showNumbers(bool ascending) {
    SplitDrawLines(draws_, work_);
    if (ascending)
        records_ = RecordTable(draws_);
    SetRecordNumbers(records_, draws_, ascending);
    showRecords();
}

void TForm_rk_lotto_record::SpeedButton3Click() {
    showNumbers(true);
}

void TForm_rk_lotto_record::SpeedButton12Click() {
    showNumbers(false);
}

void TForm_rk_lotto_record::BitBtn2Click() {
    links_.open(WindowId::Form_Download_TxT_from_http);
}

void TForm_rk_lotto_record::BitBtn3Click() {
    links_.open(WindowId::Form_RK_stk_txtfile);
}

void TForm_rk_lotto_record::SpeedButton13Click() {
    links_.open(WindowId::Form_dateselect);
}

void TForm_rk_lotto_record::SpeedButton10Click() {
    links_.show_memo(QStringLiteral("help_record.txt"));
}

void TForm_rk_lotto_record::done(int result) {
    FormClose();
    QDialog::done(result);
}

// Every other window expects the tables oldest first again.
void TForm_rk_lotto_record::FormClose() {
    RunGuarded(services_.dialogs, [this] { links_.reloadHistory(); });
}
