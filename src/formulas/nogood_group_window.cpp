#include "formulas/nogood_group_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "common/num_format.h"
#include "draws/draw_tables.h"
#include "formulas/nogood_group_texts.h"
#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

// Codes travel through the shared list as text, zero-padded so that text order is number order.
std::string CodeKey(int code) {
    return NumFormat("00000000", code);
}

} // namespace

TForm_rk_7star2_ng::TForm_rk_7star2_ng(const DrawTables& draws, WorkArea& work, Services& services,
                                       WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(NogoodGroupMember(), ui, draws, work, services, links, parent) {
    ui.setupUi(*this, member_);
    connectCommon();
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton4Click(); }));
    for (QRadioButton* radio : {ui.rb3, ui.rb4, ui.rb5})
        connect(radio, &QRadioButton::toggled, this, Guarded(dialogs, [this] { rb3Click(); }));
    for (QRadioButton* radio : {ui.rb_83, ui.rb_84, ui.rb_85})
        connect(radio, &QRadioButton::toggled, this, Guarded(dialogs, [this] { rb_83Click(); }));
    // A size picked from the list, or typed and confirmed: typing "12" does not stop at "1".
    ConnectBox(*ui.cb_nono, BoxReacts::OnConfirm, dialogs, [this] { cb_nonoChange(); });
}

void TForm_rk_7star2_ng::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void TForm_rk_7star2_ng::FormShow() {
    showBaseDates(); // restores the memory file when there is one
    reset_table();
}

void TForm_rk_7star2_ng::rb3Click() {
    settings_.maxHits = ui.rb3->isChecked() ? 2 : ui.rb4->isChecked() ? 1 : 0;
}

void TForm_rk_7star2_ng::rb_83Click() {
    settings_.passNeed = ui.rb_83->isChecked() ? 5 : ui.rb_84->isChecked() ? 6 : 7;
}

void TForm_rk_7star2_ng::cb_nonoChange() {
    const GroupSizeChoice choice = GroupSizeFromText(ss(ui.cb_nono->currentText()));
    settings_.groupSize = choice.size;
    if (ui.cb_nono->currentText() != qs(choice.text)) {
        const QSignalBlocker block(ui.cb_nono);
        ui.cb_nono->setCurrentText(qs(choice.text));
    }
}

MemoryLines TForm_rk_7star2_ng::memoryLines() const {
    return {ss(ui.cb_date->currentText()), LineOfMaxHits(settings_.maxHits),
            LineOfPassNeed(settings_.passNeed), ss(ui.cb_nono->currentText())};
}

void TForm_rk_7star2_ng::restoreMemoryLines(const std::vector<std::string>& lines) {
    if (lines.size() > 1) {
        const int maxHits = MaxHitsOfLine(lines[1]);
        (maxHits == 2 ? ui.rb3 : maxHits == 1 ? ui.rb4 : ui.rb5)->setChecked(true);
    }
    if (lines.size() > 2) {
        const int passNeed = PassNeedOfLine(lines[2]);
        (passNeed == 5 ? ui.rb_83 : passNeed == 6 ? ui.rb_84 : ui.rb_85)->setChecked(true);
    }
    if (lines.size() > 3) {
        ui.cb_nono->setCurrentText(qs(lines[3]));
        cb_nonoChange();
    }
}

void TForm_rk_7star2_ng::reset_table() {
    showGrid(GroupInitialGrid(draws_));
    clearResult();
    ui.mm->clear();
}

void TForm_rk_7star2_ng::SpeedButton4Click() {
    ui.panel_print->setVisible(false);
    cb_nonoChange(); // a size typed but not yet confirmed counts
    reset_table();
    writeMemoryFile();
    chk_7s();
}

void TForm_rk_7star2_ng::chk_7s() {
    const std::string date = ss(ui.cb_date->currentText());
    const int base = BaseDrawOrNewest(draws_, date);
    base_offset = draws_.DrawCount - base;
    if (!historyCoversSearch(base - GroupVerifyDraws + 1 - GroupFarthestBack))
        return;
    searchedSettings_ = settings_;
    searchedDate_ = date;
    showGrid(GroupSearchGrid(draws_));
    runSearch([&draws = draws_, base, settings = settings_](const SearchControl& control) {
        std::vector<std::string> keys;
        for (int code : SearchGroupRules(draws, base, settings, control).keys)
            keys.push_back(CodeKey(code));
        return keys;
    });
}

void TForm_rk_7star2_ng::showKey(const std::string& key) {
    show_7s(std::stoi(key));
}

void TForm_rk_7star2_ng::show_7s(int code) {
    GroupDisplay shown =
        ShowGroupCode(draws_, draws_.DrawCount - base_offset, code, searchedSettings_, searchedDate_);
    showGrid(std::move(shown.grid));
    ui.Label2->setText(qs(shown.label));
    SetMemoLines(*ui.mm, qsList(shown.memo));
}
