#include "formulas/double_drag_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

} // namespace

DoubleDragWindow::DoubleDragWindow(DragFamily family, FormulaMember member, const DrawTables& draws,
                                   WorkArea& work, Services& services, WindowLinks& links, QWidget* parent)
    : FormulaSearchWindow(std::move(member), ui, draws, work, services, links, parent), family_(family) {
    ui.setupUi(*this, member_);
    connectCommon();
    Dialogs& dialogs = services_.dialogs;
    connect(ui.SpeedButton4, &QToolButton::clicked, this, Guarded(dialogs, [this] { SpeedButton4Click(); }));
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(dialogs, [this] { Button1Click(); }));
    // A box reacts to an item picked from its list, or to a text typed and confirmed (Enter or
    // leaving the box), so typing a date does not search at each key.
    auto onUserChange = [this, &dialogs](QComboBox* box, void (DoubleDragWindow::*handler)()) {
        ConnectBox(*box, BoxReacts::OnConfirm, dialogs, [this, handler] { (this->*handler)(); });
    };
    onUserChange(ui.cb_date, &DoubleDragWindow::cb_dateChange);
    onUserChange(ui.cb_d1, &DoubleDragWindow::cb_d1Change);
    onUserChange(ui.cb_d2, &DoubleDragWindow::cb_d2Change);
    onUserChange(ui.CB_xx, &DoubleDragWindow::CB_xxChange);
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
    SetItems(*ui.CB_xx, choice->xItems, choice->xItems.empty() ? std::string() : choice->xItems.front());
    ui.cb_prediction->setCurrentText(qs(choice->predictionText));
    SetItems(*ui.cb_d1, choice->d1Items, choice->d1Text);
    cb_d1Change();
    queryAndSearch();
}

void DoubleDragWindow::cb_d1Change() {
    const QString text = ui.cb_d1->currentText();
    if (text.isEmpty())
        return;
    const int d1 = BoxInteger(*ui.cb_d1, "且下");
    if (!secondDrawDistanceUsable())
        return;
    const std::string date = ss(ui.cb_date->currentText());
    const std::optional<int> base = FindBaseDraw(draws_, date);
    if (!base) {
        if (!date.empty())
            showMessage(UnknownBaseDateMessage(date), DialogKind::Warning);
        return;
    }
    const std::vector<std::string> items = SecondDrawItems(draws_, work_, *base, d1);
    SetItems(*ui.cb_d2, items, items.empty() ? std::string() : items.front());
}

void DoubleDragWindow::cb_d2Change() {
    queryAndSearch();
}

void DoubleDragWindow::CB_xxChange() {
    queryAndSearch();
}

void DoubleDragWindow::SpeedButton4Click() {
    queryAndSearch();
}

void DoubleDragWindow::queryAndSearch() {
    // Nothing loaded: refused as the other formula windows refuse, before the screen changes.
    if (!HistoryCovers(draws_.DrawCount)) {
        showMessage(HistoryTooShortMessage, DialogKind::Warning);
        return;
    }
    ui.panel_print->setVisible(false);
    if (!secondDrawDistanceUsable())
        return;
    reset_table();
    GetRightIssiue(ui.CB_xx->currentText());
    chk_6line(ui.cb_base->currentText(), ui.cb_prediction->currentText());
}

bool DoubleDragWindow::secondDrawDistanceUsable() {
    // Y before X reads draws before the first one; refused before the picks or the choices of Y
    // change. A text that is no integer is left to the query's conversion error.
    const std::optional<int> d1 = IntegerOf(ss(ui.cb_d1->currentText()));
    if (!d1 || *d1 >= 0)
        return true;
    showMessage(NegativeSecondDrawMessage(), DialogKind::Warning);
    return false;
}

void DoubleDragWindow::GetRightIssiue(const QString& x) {
    for (QComboBox* box : {ui.cb_d1, ui.cb_d2})
        if (box->currentText().isEmpty())
            box->setCurrentText(QStringLiteral("00"));
    const std::string d1Text = ss(ui.cb_d1->currentText());
    const int d1 = BoxInteger(*ui.cb_d1, "且下");
    const int n = BoxInteger(*ui.cb_prediction, "預測下");
    query_ = PickQuery{ss(x), ss(ui.cb_d2->currentText()), d1Text, d1, n};
    StorePicks(work_, FindPicks(draws_, work_, query_));
    ShowGetRight();
}

void DoubleDragWindow::ShowGetRight() {
    showGrid(PickGrid(draws_, work_, StoredPicks(work_)));
}

void DoubleDragWindow::reset_table() {
    showGrid(EmptyDragGrid());
    rule_list.clear();
    ui.mm->clear();
}

void DoubleDragWindow::chk_6line(const QString& prefix, const QString& n) {
    const std::vector<int> picks = StoredPicks(work_);
    const DragSearchSetup setup =
        PrepareDragSearch(ss(prefix), ss(n), ss(ui.cb_lan->currentText()), static_cast<int>(picks.size()));
    if (setup.runLengthShown)
        ui.cb_lan->setCurrentText(QString::number(*setup.runLengthShown));
    ShowGetRight();
    rule_count = 0;
    paging_.reset(0);
    if (setup.outcome == DragSearchSetup::Outcome::SilentEnd)
        return;
    if (setup.outcome == DragSearchSetup::Outcome::Refused) {
        showMessage(setup.message, DialogKind::Warning);
        return;
    }
    runSearch([family = family_, &draws = draws_, &work = work_, picks, setup](const SearchControl&) {
        return SearchDragFormulas(family, draws, work, picks, setup);
    });
}

void DoubleDragWindow::show_6line(const std::string& key) {
    const std::optional<DragKey> parsed = ParseDragKey(family_, key);
    if (!parsed)
        return;
    keyOnShow_ = key;
    TextTable grid = ui.sgl->table();
    ShowDragKey(grid, family_, draws_, work_, StoredPicks(work_), *parsed);
    showGrid(std::move(grid));
    ui.lb_rule->setText(qs(key));
    explain_6line(key);
}

void DoubleDragWindow::explain_6line(const std::string& key) {
    ui.mm->clear();
    const std::vector<int> picks = StoredPicks(work_);
    const DragExplanation explanation = ExplainDragKey(family_, ui.sgl->table(), *ParseDragKey(family_, key),
                                                       {draws_, work_, picks, query_, ball_mode_name});
    ui.plan->setText(qs(explanation.plan));
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
    const std::vector<int> picks = StoredPicks(work_);
    const std::vector<std::string> detail =
        DragRunDetail(family_, ui.sgl->table(), *key, {draws_, work_, picks, query_, ball_mode_name});
    for (const std::string& line : detail)
        ui.mm->appendPlainText(qs(line));
}

void DoubleDragWindow::reportNoResult() {
    ui.plan->setText(qs(std::string(DragNoResultPlan)));
}
