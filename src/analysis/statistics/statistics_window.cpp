#include "analysis/statistics/statistics_window.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QToolButton>

#include "analysis/statistics/chart_export_window.h"
#include "draws/draw_tables.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/error_handler.h"
#include "platform/fonts.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"
#include "platform/window_shower.h"

namespace {

void StyleValueLabel(QLabel& label, bool red) {
    label.setFont(MingFont(red ? 12 : 10));
    label.setStyleSheet(red ? QStringLiteral("color: red;") : QStringLiteral("color: blue;"));
}

} // namespace

TForm_rk_statistics::TForm_rk_statistics(const DrawTables& draws, Services& services, WindowLinks& links,
                                         std::string chartUploadUrl, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), links_(links),
      chartUploadUrl_(std::move(chartUploadUrl)), ranking_(IdentityRanking(draws.MaxNo)) {
    setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(sb_F1, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F1Click(); }));
    connect(sb_F2, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F2Click(); }));
    connect(sb_F3, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_F3Click(); }));
    connect(sb_big, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_bigClick(); }));
    connect(sb_no, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_noClick(); }));
    connect(sb_begin, &QToolButton::clicked, this, Guarded(dialogs, [this] { sb_beginClick(); }));
    connect(DateTimePicker1, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker2Change(); }));
    connect(DateTimePicker2, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker2Change(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button3Click(); }));
    KeepEnterInBoxes(*this);
}

TForm_rk_statistics::~TForm_rk_statistics() = default;

void TForm_rk_statistics::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

StatisticsView TForm_rk_statistics::view() const {
    if (sb_F2->isChecked())
        return StatisticsView::Tails;
    return sb_F3->isChecked() ? StatisticsView::Far : StatisticsView::Numbers;
}

DateRange TForm_rk_statistics::range() const {
    return DateRange{FromQDate(DateTimePicker1->date()), FromQDate(DateTimePicker2->date())};
}

void TForm_rk_statistics::FormShow() {
    {
        const QSignalBlocker block(DateTimePicker2);
        DateTimePicker2->setDate(ToQDate(services_.clock.today()));
    }
    sb_F1Click();
    sb_bigClick();
    lbcount->setText(QString::number(draws_.DrawCount));
}

void TForm_rk_statistics::showNumbersPanel() {
    Panels->setCurrentWidget(Panel_F1);
}

void TForm_rk_statistics::sb_F1Click() {
    showNumbersPanel();
    sb_begin->setVisible(false);
    sb_big->setVisible(true);
    sb_no->setVisible(true);
    sb_bigClick();
    sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_F2Click() {
    Panels->setCurrentWidget(Panel_F2);
    sb_begin->setVisible(true);
    sb_big->setVisible(false);
    sb_no->setVisible(false);
    sb_beginClick();
}

void TForm_rk_statistics::sb_F3Click() {
    sb_begin->setVisible(false);
    sb_big->setVisible(true);
    sb_no->setVisible(true);
    sb_bigClick();
    sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_bigClick() {
    switch (view()) {
    case StatisticsView::Numbers:
        F1_btn123();
        break;
    case StatisticsView::Far:
        F3_btn123();
        break;
    case StatisticsView::Tails:
        break;
    }
}

void TForm_rk_statistics::sb_noClick() {
    switch (view()) {
    case StatisticsView::Numbers:
        F1_btn321();
        break;
    case StatisticsView::Far:
        F3_btn321();
        break;
    case StatisticsView::Tails:
        break;
    }
}

// The tail view is recounted only by its own button.
void TForm_rk_statistics::DateTimePicker2Change() {
    sb_bigClick();
    sb_big->setChecked(true);
}

void TForm_rk_statistics::F1_btn123() {
    showRanking(CountNumbers(draws_, range(), true));
}

void TForm_rk_statistics::F1_btn321() {
    showRanking(CountNumbers(draws_, range(), false));
}

void TForm_rk_statistics::F3_btn123() {
    showNumbersPanel();
    showRanking(CountFar(draws_, range(), true));
}

void TForm_rk_statistics::F3_btn321() {
    showNumbersPanel();
    showRanking(CountFar(draws_, range(), false));
}

void TForm_rk_statistics::showRanking(const NumberRanking& ranking) {
    ranking_ = ranking;
    for (int n = 1; n <= StatisticsSlots; ++n) {
        const bool inGame = n <= ranking.numbers;
        Image[n]->setVisible(inGame);
        lb[n]->setVisible(inGame);
        if (!inGame)
            continue;
        lb[n]->setText(qs(ranking.labelText[n]));
        StyleValueLabel(*lb[n], ranking.labelRed[n]);
    }
    for (int slot = 1; slot <= ranking.numbers; ++slot) {
        const int n = ranking.stat_order[slot];
        Image[n]->move(ballSlot(slot));
        lb[n]->move(labelSlot(slot));
    }
    lbcount->setText(QString::number(ranking.count));
    F1_avrlb->setText(qs(ranking.average));
}

void TForm_rk_statistics::sb_beginClick() {
    const TailCounts tails = CountTails(draws_, range());
    for (int t = 0; t <= 9; ++t)
        F2_lb[t]->setText(qs(tails.labelText[static_cast<std::size_t>(t)]));
    lbcount->setText(QString::number(tails.count));
    F2_avrlb->setText(qs(tails.average));
}

void TForm_rk_statistics::Button1Click() {
    const QStringList lines = qsList(RankingPrintLines(ranking_));
    SetMemoLines(*Memo1, lines);
    emit printLogoWanted();
    links_.show_memo_rpt(lines);
}

void TForm_rk_statistics::Button2Click() {
    CopyMemo(*Memo1, services_.clipboard);
}

void TForm_rk_statistics::Button3Click() {
    if (!form_rk_stk_chart_)
        form_rk_stk_chart_ = std::make_unique<Tform_rk_stk_chart>(draws_, services_, chartUploadUrl_);
    services_.shower.showModeless(*form_rk_stk_chart_);
    form_rk_stk_chart_->fill(ranking_, view());
}
