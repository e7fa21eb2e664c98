#include "drawhistory/record_viewer_window.h"

#include <QAction>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "draws/download_setting.h"
#include "draws/draw_loader.h"
#include "draws/record_table.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/window_links.h"

TForm_rk_lotto_record::TForm_rk_lotto_record(DrawTables& draws, WorkArea& work, TextTable& records,
                                             const DownloadSetting& download, Services& services,
                                             WindowLinks& links, QWidget* parent)
    : QDialog(parent), draws_(draws), work_(work), records_(records), download_(download),
      services_(services), links_(links) {
    setObjectName(QStringLiteral("Form_rk_lotto_record"));
    setWindowTitle(QStringLiteral("今彩 539"));
    resize(572, 417);
    setFont(MingFont(10));

    sgl = new StringGrid(0, 1, this);
    sgl->setObjectName(QStringLiteral("sgl"));
    sgl->SetColCount(7);
    sgl->SetRowCount(1);
    sgl->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont gridFont = MingFont();
    gridFont.setPixelSize(15);
    gridFont.setBold(true);
    sgl->setFont(gridFont);
    // The classic widths, widened where the font needs more room for a date or a heading.
    const QFontMetrics metrics(gridFont);
    const auto fit = [&](int width, const QString& sample) {
        return std::max(width, metrics.horizontalAdvance(sample) + 10);
    };
    sgl->SetColWidth(0, fit(81, QStringLiteral("0000/00/00")));
    sgl->SetColWidth(1, fit(54, QStringLiteral("000000")));
    for (int c = 2; c < 7; ++c)
        sgl->SetColWidth(c, fit(36, QStringLiteral("順一")));
    sgl->setStyleSheet(QStringLiteral("QTableView { color: navy; }"));
    sgl->setToolTip(QStringLiteral("按滑鼠右鍵列印開獎資料"));
    N1 = new QAction(QStringLiteral("列印開獎資料"), this);
    N1->setObjectName(QStringLiteral("N1"));
    sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
    sgl->addAction(N1);

    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("順球順序"), this);
    SpeedButton12 = NewSpeedButton("SpeedButton12", QStringLiteral("落球大小"), this);
    SpeedButton13 = NewSpeedButton("SpeedButton13", QStringLiteral("列印開獎資料"), this);
    SpeedButton10 = NewSpeedButton("SpeedButton10", QStringLiteral("?"), this);
    SpeedButton10->setToolTip(QStringLiteral("說明"));
    lb_reclen = new QLabel(this);
    lb_reclen->setObjectName(QStringLiteral("lb_reclen"));
    BitBtn2 = NewButton("BitBtn2", QStringLiteral("網路下載開獎資料"), this);
    BitBtn3 = NewButton("BitBtn3", QStringLiteral("手動輸入開獎資料"), this);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), this);

    Dialogs& dialogs = services_.dialogs;
    connect(SpeedButton3, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton3Click(); }));
    connect(SpeedButton12, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton12Click(); }));
    connect(SpeedButton13, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton13Click(); }));
    connect(N1, &QAction::triggered, this, Guarded(dialogs, [this] { SpeedButton13Click(); }));
    connect(SpeedButton10, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton10Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, Guarded(dialogs, [this] { BitBtn2Click(); }));
    connect(BitBtn3, &QPushButton::clicked, this, Guarded(dialogs, [this] { BitBtn3Click(); }));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

    auto* toolBar = new QHBoxLayout;
    toolBar->addWidget(SpeedButton3);
    toolBar->addWidget(SpeedButton12);
    toolBar->addSpacing(12);
    toolBar->addWidget(lb_reclen);
    toolBar->addStretch();
    toolBar->addWidget(SpeedButton13);
    toolBar->addWidget(SpeedButton10);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BitBtn3);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolBar);
    layout->addWidget(sgl, 1);
    layout->addLayout(bottom);
}

void TForm_rk_lotto_record::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_lotto_record::FormShow() {
    BitBtn2->setEnabled(download_.DownloadEnabled);
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
    sgl->setTable(records_);
}

void TForm_rk_lotto_record::showRecordCount() {
    lb_reclen->setText(QStringLiteral("開獎資料共 ") + QString::number(draws_.DrawCount) +
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
