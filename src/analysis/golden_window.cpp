#include "analysis/golden_window.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "common/errors.h"
#include "draws/draw_tables.h"
#include "draws/history_start.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/date_picker.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

namespace {

const Date DefaultStart{2002, 7, 4};
// pb1 runs over the positions of the first four choices of a group, as the search goes.
constexpr int ProgressPositions = 16 * 17 * 18 * 19;

} // namespace

TForm_rk_gold12::TForm_rk_gold12(const DrawTables& draws, Services& services, QWidget* parent)
    : QDialog(parent), draws_(draws), services_(services), worker_(*this) {
    ui.setupUi(*this);
    Dialogs& dialogs = services_.dialogs;
    connect(ui.DateTimePicker1, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(ui.DateTimePicker2, &QDateEdit::dateChanged, this,
            Guarded(dialogs, [this] { DateTimePicker1Change(); }));
    connect(ui.cb_spno, &QCheckBox::clicked, this, Guarded(dialogs, [this] { cb_spnoClick(); }));
    connect(ui.SpeedButton2, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton2Click(); }));
    connect(ui.SpeedButton3, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton3Click(); }));
    connect(ui.SpeedButton1, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton1Click(); }));
    KeepEnterInBoxes(*this);
}

void TForm_rk_gold12::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_gold12::hideEvent(QHideEvent* event) {
    // A search the window can no longer show is not worth finishing.
    if (worker_.running())
        worker_.requestStop();
    QDialog::hideEvent(event);
}

void TForm_rk_gold12::FormShow() {
    reset_table();
}

void TForm_rk_gold12::reset_table() {
    {
        const QSignalBlocker block1(ui.DateTimePicker1);
        const QSignalBlocker block2(ui.DateTimePicker2);
        ui.DateTimePicker1->setDate(ToQDate(DefaultStart));
        ui.DateTimePicker2->setDate(ToQDate(services_.clock.today()));
    }
    get_sumno();
}

GoldenQuery TForm_rk_gold12::query() const {
    return {FromQDate(ui.DateTimePicker1->date()), FromQDate(ui.DateTimePicker2->date()), gold_balls_ != 6};
}

void TForm_rk_gold12::get_sumno() {
    // Counted first, shown after: a count that fails leaves the ranking as it was.
    const GoldenRanking ranking = ::get_sumno(draws_, query());
    TextTable first = ui.sga1->table();
    TextTable second = ui.sga2->table();
    ShowRanking(ranking, first, second);
    ui.Edit1->setText(qs(GoldenDrawCountText(ranking)));
    ui.lb_history_start->setText(qs(HistoryStartNote(draws_, query().start)));
    ui.sga1->setTable(std::move(first));
    ui.sga2->setTable(std::move(second));
}

void TForm_rk_gold12::DateTimePicker1Change() {
    get_sumno();
}

void TForm_rk_gold12::cb_spnoClick() {
    gold_balls_ = ui.cb_spno->isChecked() ? 7 : 6;
    get_sumno();
}

void TForm_rk_gold12::SpeedButton2Click() {
    const std::vector<std::string> lines = PairLines(draws_, query());
    ui.mm->clear();
    SetMemoLines(*ui.mm, qsList(lines));
}

void TForm_rk_gold12::SpeedButton3Click() {
    const std::vector<std::string> lines = TripleLines(draws_, query());
    ui.mm3->clear();
    SetMemoLines(*ui.mm3, qsList(lines));
}

void TForm_rk_gold12::setInputsEnabled(bool enabled) {
    const SelfChange self(*this);
    for (QWidget* input : std::initializer_list<QWidget*>{ui.DateTimePicker1, ui.DateTimePicker2, ui.cb_spno,
                                                          ui.SpeedButton1, ui.SpeedButton2, ui.SpeedButton3})
        input->setEnabled(enabled);
}

void TForm_rk_gold12::SpeedButton1Click() {
    if (worker_.running())
        return;
    const GoldenQuery range = query();
    const DrawTables& draws = draws_;
    setInputsEnabled(false);
    ui.pb1->setRange(0, ProgressPositions);
    ui.pb1->setValue(0);
    ui.pb1->show();
    using Lines = std::vector<std::string>;
    worker_.run<Lines>(
        [&draws, range](const BackgroundWorker::Progress& progress, const std::atomic<bool>& stop) {
            const GoldenSearchControl control{[&progress](int done, int total) { progress(done, total); },
                                              &stop};
            return TenNumberLines(draws, range, control);
        },
        [this](int percent) {
            ui.pb1->setValue(static_cast<int>(static_cast<long long>(percent) * ProgressPositions / 100));
        },
        [this](BackgroundWorker::Outcome<Lines> outcome) {
            ui.pb1->hide();
            setInputsEnabled(true);
            RunGuarded(services_.dialogs, [&] {
                if (outcome.error) {
                    try {
                        std::rethrow_exception(outcome.error);
                    } catch (const ConversionError&) {
                        throw; // shown by the central handler, as on the GUI thread
                    } catch (const std::exception& failure) {
                        services_.dialogs.messageDialog(qs(failure.what()), DialogKind::Error,
                                                        DialogButtons::Ok);
                        return;
                    }
                }
                if (!outcome.stopped && outcome.result) {
                    ui.mm9->clear();
                    SetMemoLines(*ui.mm9, qsList(*outcome.result));
                }
            });
            emit tenNumberSearchEnded();
        });
}
