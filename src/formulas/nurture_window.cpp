#include "formulas/nurture_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolButton>

#include "draws/draw_tables.h"
#include "formulas/nurture_texts.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/window_links.h"

NurtureWindow::NurtureWindow(NurtureVariant variant, FormulaMember member, const DrawTables& draws,
                             WorkArea& work, Services& services, WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(std::move(member), ui, draws, work, services, links, parent), variant_(variant) {
    ui.setupUi(*this, member_, variant_.verifyDraws);
    connectCommon();
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton4Click(); }));
    connect(ui.SpeedButton1, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton1Click(); }));
}

void NurtureWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void NurtureWindow::FormShow() {
    showBaseDates(); // restores the memory file when there is one
    reset_table();
}

void NurtureWindow::SpeedButton1Click() {
    links_.show_memo(QStringLiteral("help_0428.txt"));
}

void NurtureWindow::reset_table() {
    showGrid(NurtureInitialGrid(draws_, work_, variant_));
    clearResult();
    ui.mm->clear();
}

void NurtureWindow::SpeedButton4Click() {
    const NurtureBoxes boxes{ss(ui.cb_date->currentText()), ss(ui.cb_base->currentText()),
                             ss(ui.cb_percent->currentText()), ball_mode_name};
    const int base = BaseDrawOrNewest(draws_, boxes.date);
    const NurtureSearchSetup setup =
        PrepareNurtureSearch(draws_, variant_, boxes.lookBack, base, rulePercent());
    if (refused(setup))
        return;
    searched_ = boxes;
    ui.panel_print->setVisible(false);
    reset_table();
    writeMemoryFile();
    chk_6line(base, setup);
}

void NurtureWindow::chk_6line(int base, const NurtureSearchSetup& setup) {
    base_offset = draws_.DrawCount - base;
    showGrid(NurtureSearchGrid(draws_, work_, variant_, base, setup.lookBackDraws));
    runSearch([&draws = draws_, &work = work_, setup](const SearchControl& control) {
        return SearchNurtureFormulas(draws, work, setup, control).keys;
    });
}

void NurtureWindow::show_6line(const std::string& key) {
    NurtureDisplay shown =
        ShowNurtureKey(draws_, work_, variant_, draws_.DrawCount - base_offset, key, searched_);
    showGrid(std::move(shown.grid));
    ui.lb_rule->setText(qs(key));
    SetMemoLines(*ui.mm, qsList(shown.memo));
}
