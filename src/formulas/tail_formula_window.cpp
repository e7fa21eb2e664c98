#include "formulas/tail_formula_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include "draws/draw_tables.h"
#include "formulas/tail_formula_search.h"
#include "formulas/tail_formula_texts.h"
#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

TForm_rk_nogood::TForm_rk_nogood(const DrawTables& draws, WorkArea& work, Services& services,
                                 WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(TailFormulaMember(), ui, draws, work, services, links, parent) {
    ui.setupUi(*this, member_);
    connectCommon();
    connect(ui.SpeedButton4, &QToolButton::clicked, this,
            Guarded(services_.dialogs, [this] { SpeedButton4Click(); }));
    ConnectBox(*ui.Edit_trace, BoxReacts::OnEntering, services_.dialogs, [this] { Edit_traceEnter(); });
}

void TForm_rk_nogood::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_nogood::FormShow() {
    reset_table();
}

void TForm_rk_nogood::Edit_traceEnter() {
    ui.Edit_trace->clear();
}

void TForm_rk_nogood::reset_table() {
    showGrid(TailInitialGrid(draws_, work_));
    clearResult();
    ui.mm->clear();
}

void TForm_rk_nogood::SpeedButton4Click() {
    ui.panel_print->setVisible(false);
    const QString typed = ui.Edit_trace->text().trimmed();
    // The box starts with its prompt "輸入版路代號": that, or nothing, means search.
    const bool code = !typed.isEmpty() && !typed.startsWith(QStringLiteral("輸"));
    if (code && !ParseTailCode(ss(typed))) {
        const bool tenDigits = typed.size() == TailCodeLength && typed.front() == QLatin1Char('0');
        showMessage(tenDigits ? TailLookBackMessage : TailCodeLengthMessage, DialogKind::Error);
        ui.Edit_trace->clear();
        return;
    }
    if (code) {
        chk_6line_t_trace();
    } else {
        const TailSearchSetup setup = PrepareTailSearch(draws_, ss(ui.cb_base->currentText()));
        if (!refused(setup)) {
            reset_table();
            chk_6line_t(setup);
        }
    }
    ui.Edit_trace->clear();
}

void TForm_rk_nogood::chk_6line_t(const LookBackStart& setup) {
    showGrid(TailSearchGrid(draws_, work_));
    runSearch([&draws = draws_, &work = work_, setup](const SearchControl& control) {
        return SearchTailFormulas(draws, work, setup, control).keys;
    });
}

void TForm_rk_nogood::chk_6line_t_trace() {
    const std::string code = ss(ui.Edit_trace->text().trimmed());
    const std::optional<TailCodeParts> parts = ParseTailCode(code);
    if (parts && !HistoryCovers(draws_.DrawCount - TailVerifyDraws + 1 - parts->lookBack)) {
        showMessage(HistoryTooShortMessage, DialogKind::Warning);
        return;
    }
    show_6line_t(code);
    setPagingEnabled(false);
}

void TForm_rk_nogood::show_6line_t(const std::string& code) {
    TailDisplay shown = ShowTailCode(draws_, work_, code, ball_mode_name);
    showGrid(std::move(shown.grid));
    ui.Label2->setText(qs(code));
    SetMemoLines(*ui.mm, qsList(shown.memo));
}
