#include "formulas/line_formula_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include "draws/draw_tables.h"
#include "formulas/line_formula_search.h"
#include "formulas/line_formula_texts.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

TForm_rk_6line_line::TForm_rk_6line_line(const DrawTables& draws, WorkArea& work, Services& services,
                                         WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(LineFormulaMember(), ui, draws, work, services, links, parent) {
    ui.setupUi(*this, member_);
    connectCommon();
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton4Click(); }));
    connect(ui.cb_m, &QCheckBox::toggled, this, Guarded(dialogs, [this] { cb_mClick(); }));
}

void TForm_rk_6line_line::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_6line_line::FormShow() {
    showBaseDates();
    reset_table();
}

void TForm_rk_6line_line::cb_mClick() {
    formula_sign = ui.cb_m->isChecked() ? -1 : 1;
}

void TForm_rk_6line_line::reset_table() {
    showGrid(LineInitialGrid(draws_, work_));
    clearResult();
    ui.mm->clear();
}

void TForm_rk_6line_line::SpeedButton4Click() {
    const int base = BaseDrawOrNewest(draws_, ss(ui.cb_date->currentText()));
    const LineSearchSetup setup =
        PrepareLineSearch(draws_, ss(ui.cb_base->currentText()), base, formula_sign, rulePercent());
    if (refused(setup))
        return;
    ui.panel_print->setVisible(false);
    reset_table();
    chk_6line(setup);
}

void TForm_rk_6line_line::chk_6line(const LineSearchSetup& setup) {
    const int base = setup.baseDraw;
    base_offset = draws_.DrawCount - base;
    showGrid(LineSearchGrid(draws_, work_, base, setup.lookBackDraws));
    listPending_ = true;
    runSearch([&draws = draws_, &work = work_, setup](const SearchControl& control) {
        return SearchLineFormulas(draws, work, setup, control).keys;
    });
}

void TForm_rk_6line_line::showKey(const std::string& key) {
    show_6line(key);
    if (listPending_)
        showallFormular();
}

void TForm_rk_6line_line::reportNoResult() {
    FormulaSearchWindow::reportNoResult();
    if (listPending_)
        showallFormular();
}

void TForm_rk_6line_line::show_6line(const std::string& key) {
    LineDisplay shown = ShowLineKey(draws_, work_, draws_.DrawCount - base_offset, key, formula_sign);
    showGrid(std::move(shown.grid));
    ui.lb_rule->setText(qs(shown.formulaText));
}

void TForm_rk_6line_line::showallFormular() {
    listPending_ = false;
    SetMemoLines(*ui.mm, qsList(LineFormulaList(draws_, work_, ruleList(), ball_mode_name,
                                                ss(ui.cb_date->currentText()), formula_sign)));
}
