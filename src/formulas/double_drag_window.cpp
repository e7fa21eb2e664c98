#include "formulas/double_drag_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolButton>

#include "common/date.h"
#include "draws/draw_tables.h"
#include "draws/work_area.h"
#include "formulas/double_drag_texts.h"
#include "platform/box_reaction.h"
#include "platform/box_value.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

namespace {

void SetItems(QComboBox& box, const std::vector<std::string>& items, const std::string& text) {
    const QSignalBlocker block(box);
    box.clear();
    box.addItems(qsList(items));
    box.setCurrentText(qs(text));
}

std::string FirstOf(const std::vector<std::string>& items) {
    return items.empty() ? std::string() : items.front();
}

// An empty d1 or Y box reads as "00".
std::string OrZeroes(const QComboBox& box) {
    const std::string text = ss(box.currentText());
    return text.empty() ? std::string("00") : text;
}

} // namespace

DoubleDragWindow::DoubleDragWindow(DragFamily family, FormulaMember member, const DrawTables& draws,
                                   WorkArea& work, Services& services, WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(std::move(member), ui, draws, work, services, links, parent), family_(family) {
    ui.setupUi(*this, member_);
    connectCommon();
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { search(); }));
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button1Click(); }));
    // A box reacts to an item picked from its list, or to a text typed and confirmed (Enter or
    // leaving the box), so typing a date does not search at each key.
    auto onUserChange = [this, &dialogs](QComboBox* box, void (DoubleDragWindow::*handler)()) {
        ConnectBox(*box, BoxReacts::OnConfirm, dialogs, [this, handler] { (this->*handler)(); });
    };
    onUserChange(ui.cb_date, &DoubleDragWindow::cb_dateChange);
    onUserChange(ui.cb_d1, &DoubleDragWindow::cb_d1Change);
    onUserChange(ui.cb_d2, &DoubleDragWindow::search);
    onUserChange(ui.CB_xx, &DoubleDragWindow::search);
}

void DoubleDragWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunGuarded(services_.dialogs, [this] { FormShow(); });
}

void DoubleDragWindow::FormShow() {
    showBaseDates();
    reset_table();
    // Checking "順球" runs the order toggle, and through it the base-date change.
    if (!ui.rb_ball_sort->isChecked())
        ui.rb_ball_sort->setChecked(true);
    else
        cb_dateChange();
}

void DoubleDragWindow::cb_dateChange() {
    const std::string date = ss(ui.cb_date->currentText());
    const std::optional<BaseDateChoice> choice = ChooseBaseDate(draws_, work_, date);
    if (!choice) {
        if (!date.empty())
            showMessage(UnknownBaseDateMessage(date), DialogKind::Warning);
        return;
    }
    base_offset = draws_.DrawCount - choice->baseDraw;
    SetItems(*ui.CB_xx, choice->xItems, FirstOf(choice->xItems));
    ui.cb_prediction->setCurrentText(qs(choice->predictionText));
    SetItems(*ui.cb_d1, choice->d1Items, choice->d1Text);
    SetItems(*ui.cb_d2, choice->yItems, FirstOf(choice->yItems));
    search();
}

void DoubleDragWindow::cb_d1Change() {
    if (ui.cb_d1->currentText().isEmpty())
        return;
    const int d1 = BoxInteger(*ui.cb_d1);
    if (d1 < 0) {
        showMessage(NegativeSecondDrawMessage(), DialogKind::Warning);
        return;
    }
    const std::string date = ss(ui.cb_date->currentText());
    const std::optional<int> base = FindBaseDraw(draws_, date);
    if (!base) {
        if (!date.empty())
            showMessage(UnknownBaseDateMessage(date), DialogKind::Warning);
        return;
    }
    const std::vector<std::string> items = SecondDrawItems(draws_, work_, *base, d1);
    SetItems(*ui.cb_d2, items, FirstOf(items));
}

std::optional<DoubleDragWindow::SearchInput> DoubleDragWindow::readSearchInput() {
    SearchInput input;
    PickQuery& query = input.query;
    query.x = ss(ui.CB_xx->currentText());
    query.y = OrZeroes(*ui.cb_d2);
    query.d1Text = OrZeroes(*ui.cb_d1);
    query.d1 = BoxTextToInt(BoxCaption(*ui.cb_d1), query.d1Text);
    // Y before X reads draws before the first one.
    if (query.d1 < 0) {
        showMessage(NegativeSecondDrawMessage(), DialogKind::Warning);
        return std::nullopt;
    }
    query.n = BoxInteger(*ui.cb_prediction);
    input.prefix = ss(ui.cb_base->currentText());
    input.lanText = ss(ui.cb_lan->currentText());
    return input;
}

void DoubleDragWindow::search() {
    if (searching())
        return;
    // Every refusal comes before the screen changes: what was on show stays.
    if (!HistoryCovers(draws_.DrawCount)) {
        showMessage(HistoryTooShortMessage, DialogKind::Warning);
        return;
    }
    const std::optional<SearchInput> input = readSearchInput();
    if (!input)
        return;
    std::vector<int> picks = FindPicks(draws_, work_, input->query);
    const DragSearchSetup setup =
        PrepareDragSearch(input->prefix, input->query.n, input->lanText, static_cast<int>(picks.size()));
    if (setup.outcome == DragSearchSetup::Outcome::Refused) {
        showMessage(setup.message, DialogKind::Warning);
        return;
    }

    ui.panel_print->setVisible(false);
    query_ = input->query;
    picks_ = std::move(picks);
    keyOnShow_.clear();
    StorePicks(work_, picks_);
    if (ui.cb_d1->currentText().isEmpty())
        ui.cb_d1->setCurrentText(qs(query_.d1Text));
    if (ui.cb_d2->currentText().isEmpty())
        ui.cb_d2->setCurrentText(qs(query_.y));
    if (setup.runLengthShown)
        ui.cb_lan->setCurrentText(QString::number(*setup.runLengthShown));
    ui.mm->clear();
    showGrid(PickGrid(draws_, work_, picks_));
    switch (setup.outcome) {
    case DragSearchSetup::Outcome::Search:
        clearResult();
        runSearch(
            [family = family_, &draws = draws_, &work = work_, picks = picks_, setup](const SearchControl&) {
                return SearchDragFormulas(family, draws, work, picks, setup);
            });
        return;
    case DragSearchSetup::Outcome::NoPicks:
        showResult({});
        showMessage(NoPicksMessage(query_, BoxCaption(*ui.CB_xx)), DialogKind::Information);
        return;
    default: // a run length that is no number ends the search silently
        showResult({});
        return;
    }
}

void DoubleDragWindow::reset_table() {
    showGrid(EmptyDragGrid());
    clearResult();
    ui.mm->clear();
}

void DoubleDragWindow::show_6line(const std::string& key) {
    const std::optional<DragKey> parsed = ParseDragKey(family_, key);
    if (!parsed)
        return;
    keyOnShow_ = key;
    keyGrid_ = PickGrid(draws_, work_, picks_);
    ShowDragKey(keyGrid_, family_, draws_, work_, picks_, *parsed);
    showGrid(keyGrid_);
    ui.lb_rule->setText(qs(key));
    const DragExplanation explanation =
        ExplainDragKey(family_, keyGrid_, *parsed, {draws_, work_, picks_, query_, ball_mode_name});
    ui.plan->setText(qs(explanation.plan));
    ui.mm->clear();
    SetMemoLines(*ui.mm, qsList(explanation.lines));
    appendRunDetail();
    ui.mm->moveCursor(QTextCursor::Start); // the head lines in view, not the end of the detail
}

void DoubleDragWindow::Button1Click() {
    appendRunDetail();
}

void DoubleDragWindow::appendRunDetail() {
    const std::optional<DragKey> key = ParseDragKey(family_, keyOnShow_);
    if (!key)
        return;
    for (const std::string& line :
         DragRunDetail(family_, keyGrid_, *key, {draws_, work_, picks_, query_, ball_mode_name}))
        ui.mm->appendPlainText(qs(line));
}

void DoubleDragWindow::reportNoResult() {
    ui.plan->setText(qs(std::string(DragNoResultPlan)));
}
