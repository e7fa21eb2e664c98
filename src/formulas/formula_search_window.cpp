#include "formulas/formula_search_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <thread>

#include "draws/draw_tables.h"
#include "draws/work_area.h"
#include "formulas/formula_search_form.h"
#include "platform/box_reaction.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"
#include "platform/window_links.h"

FormulaSearchWindow::FormulaSearchWindow(FormulaMember member, FormulaSearchForm& form,
                                         const DrawTables& draws, WorkArea& work, Services& services,
                                         WindowLinks& links, QWidget* parent)
    : QDialog(parent), member_(std::move(member)), commonUi_(form), draws_(draws), work_(work),
      services_(services), links_(links), worker_(*this) {
    rule_percent = PercentFromText(member_.thresholdText).percent;
    ball_mode_name = BallModeName(BallOrder::Drawn, member_.longBallNames);
    if (member_.memoryFile == MemoryFileName::PerForm)
        memo_file_name = FormMemoryFileName(member_.formName);
}

FormulaSearchWindow::~FormulaSearchWindow() {
    worker_.requestStop();
}

void FormulaSearchWindow::connectCommon() {
    Dialogs& dialogs = services_.dialogs;
    connect(commonUi_.SpeedButton2, &QToolButton::clicked, this,
            Guarded(dialogs, [this] { SpeedButton2Click(); }));
    connect(commonUi_.SpeedButton6, &QToolButton::clicked, this,
            Guarded(dialogs, [this] { SpeedButton6Click(); }));
    if (QComboBox* box = commonUi_.cb_percent)
        ConnectBox(*box, BoxReacts::OnChange, dialogs, [this] { cb_percentChange(); });
    if (member_.orderPositions > 0)
        connect(commonUi_.rb_ball_ori, &QRadioButton::toggled, this,
                Guarded(dialogs, [this] { rb_ball_sortClick(); }));
    if (commonUi_.printItem)
        connect(commonUi_.printItem, &QAction::triggered, this,
                Guarded(dialogs, [this] { printItemClick(); }));
    if (commonUi_.deleteItem)
        connect(commonUi_.deleteItem, &QAction::triggered, this,
                Guarded(dialogs, [this] { deleteItemClick(); }));
    connect(commonUi_.sgl, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (!commonUi_.sglPopup->actions().isEmpty() && !searching())
            commonUi_.sglPopup->popup(commonUi_.sgl->viewport()->mapToGlobal(at));
    });
    commonUi_.SpeedButton4->setMouseTracking(true);
    commonUi_.SpeedButton4->installEventFilter(this);
    KeepEnterInBoxes(*this);
    keyLabelFirstText_ = keyLabel().text();
}

QLabel& FormulaSearchWindow::keyLabel() const {
    return *commonUi_.lb_rule;
}

// ---- paging ----

void FormulaSearchWindow::SpeedButton2Click() {
    paging_.previous();
    showPage();
}

void FormulaSearchWindow::SpeedButton6Click() {
    paging_.next();
    showPage();
}

void FormulaSearchWindow::showPage() {
    if (paging_.count() == 0)
        return;
    commonUi_.lb_sortidx->setText(qs(IndexLabel(paging_.index())));
    showKey(rule_list[static_cast<std::size_t>(paging_.index() - 1)]);
}

// ---- threshold, order, print, memory ----

void FormulaSearchWindow::cb_percentChange() {
    const PercentChoice choice = PercentFromText(ss(commonUi_.cb_percent->currentText()));
    rule_percent = choice.percent;
    if (choice.corrected) {
        const QSignalBlocker block(commonUi_.cb_percent);
        commonUi_.cb_percent->setCurrentText(qs(std::string(FallbackPercentText)));
    }
}

void FormulaSearchWindow::rb_ball_sortClick() {
    const BallOrder order = commonUi_.rb_ball_ori->isChecked() ? BallOrder::Drawn : BallOrder::Sorted;
    ApplyBallOrder(draws_, work_, order, member_.orderPositions);
    ball_mode_name = BallModeName(order, member_.longBallNames);
    orderChanged();
}

void FormulaSearchWindow::printItemClick() {
    links_.show_memo_rpt(MemoLines(*commonUi_.mm));
}

void FormulaSearchWindow::deleteItemClick() {
    DeleteMemoryFile(memo_file_name);
    showMessage(MemoryDeletedMessage, DialogKind::Information);
    close();
}

void FormulaSearchWindow::SpeedButton4MouseMove() {
    commonUi_.panel_print->setVisible(false);
}

bool FormulaSearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == commonUi_.SpeedButton4 &&
        (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        SpeedButton4MouseMove();
    return QDialog::eventFilter(watched, event);
}

MemoryLines FormulaSearchWindow::memoryLines() const {
    const QComboBox* threshold = commonUi_.threshold();
    return {ss(commonUi_.cb_date->currentText()), ss(commonUi_.cb_base->currentText()),
            threshold ? ss(threshold->currentText()) : std::string(),
            commonUi_.rb_ball_ori->isChecked() ? "A" : "B"};
}

void FormulaSearchWindow::restoreMemoryLines(const std::vector<std::string>& lines) {
    if (lines.size() > 1)
        commonUi_.cb_base->setCurrentText(qs(lines[1]));
    if (lines.size() > 2 && commonUi_.cb_percent) {
        commonUi_.cb_percent->setCurrentText(qs(lines[2]));
        cb_percentChange();
    }
    if (lines.size() > 3) // checking the radio that is not checked runs the order toggle
        (lines[3] == "A" ? commonUi_.rb_ball_ori : commonUi_.rb_ball_sort)->setChecked(true);
}

void FormulaSearchWindow::showBaseDates() {
    if (member_.memoryFile == MemoryFileName::PerGame)
        memo_file_name = GameMemoryFileName(draws_.DataFileName, member_.formName);
    std::optional<std::vector<std::string>> remembered;
    if (member_.memoryFile != MemoryFileName::None)
        RunGuarded(services_.dialogs, [&] { remembered = ReadMemoryFile(memo_file_name); });
    const QString date =
        remembered && !remembered->empty() ? qs(remembered->front()) : qs(NewestDateText(draws_));
    commonUi_.cb_date->clear();
    commonUi_.cb_date->addItems(qsList(BaseDateItems(draws_)));
    commonUi_.cb_date->setCurrentText(date);
    if (remembered)
        restoreMemoryLines(*remembered);
}

void FormulaSearchWindow::writeMemoryFile() {
    if (member_.memoryFile == MemoryFileName::None)
        return;
    if (const auto failed = WriteMemoryFile(memo_file_name, memoryLines()))
        showMessage(*failed, DialogKind::Error);
}

void FormulaSearchWindow::showMessage(std::string_view text, DialogKind kind) {
    services_.dialogs.messageDialog(qs(std::string(text)), kind, DialogButtons::Ok);
}

// ---- the search and its result ----

bool FormulaSearchWindow::historyCoversSearch(int oldestDrawRead) {
    if (HistoryCovers(oldestDrawRead))
        return true;
    showMessage(HistoryTooShortMessage, DialogKind::Warning);
    return false;
}

bool FormulaSearchWindow::refused(const LookBackStart& start) {
    switch (start.outcome) {
    case LookBackStart::Outcome::Search:
        return false;
    case LookBackStart::Outcome::Refused:
        showMessage(start.message, DialogKind::Warning);
        break;
    case LookBackStart::Outcome::TooShort:
        showMessage(HistoryTooShortMessage, DialogKind::Warning);
        break;
    case LookBackStart::Outcome::SilentEnd:
        break;
    }
    return true;
}

void FormulaSearchWindow::runSearch(Search search) {
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // The run is under way before the window touches its controls, so nothing that disabling them
    // sets off can start a second one; a start while one runs starts nothing.
    const bool started = worker_.run<std::vector<std::string>>(
        [search = std::move(search), threads](const BackgroundWorker::Progress& progress,
                                              const std::atomic<bool>& stop) {
            SearchControl control;
            control.threads = threads;
            control.stop = &stop;
            control.progress = [&progress](int done, int total) { progress(done, total); };
            return search(control);
        },
        [this](int percent) {
            if (member_.progressMax > 0)
                commonUi_.Pbar->setValue(member_.progressMax * percent / 100);
        },
        [this](BackgroundWorker::Outcome<std::vector<std::string>> outcome) {
            setInputsEnabled(true);
            if (closeAfterSearch_) {
                closeAfterSearch_ = false;
                close();
                return;
            }
            if (outcome.stopped)
                return;
            RunGuarded(services_.dialogs, [&] {
                if (outcome.error)
                    std::rethrow_exception(outcome.error);
                showResult(std::move(*outcome.result));
            });
        });
    if (!started)
        return;
    commonUi_.panel_print->setVisible(false);
    if (member_.progressMax > 0)
        commonUi_.Pbar->setValue(0);
    setInputsEnabled(false);
}

void FormulaSearchWindow::showResult(std::vector<std::string> keys) {
    if (member_.progressMax > 0)
        commonUi_.Pbar->setValue(member_.progressMax);
    clearResult();
    SortKeys(keys, member_.sort);
    rule_list = std::move(keys);
    rule_count = static_cast<int>(rule_list.size());
    paging_.reset(rule_count);
    commonUi_.lb_tot->setText(qs(TotalLabel(rule_count)));
    if (rule_count == 0) {
        reportNoResult();
        return;
    }
    setPagingEnabled(true);
    showPage();
}

void FormulaSearchWindow::clearResult() {
    rule_list.clear();
    rule_count = 0;
    paging_.reset(0);
    commonUi_.lb_sortidx->setText(qs(std::string(InitialIndexLabel)));
    commonUi_.lb_tot->setText(qs(std::string(InitialTotalLabel)));
    keyLabel().setText(keyLabelFirstText_);
    setPagingEnabled(false);
}

void FormulaSearchWindow::setPagingEnabled(bool enabled) {
    const SelfChange self(*this);
    commonUi_.SpeedButton2->setEnabled(enabled);
    commonUi_.SpeedButton6->setEnabled(enabled);
}

void FormulaSearchWindow::reportNoResult() {
    showMessage(NoResultMessage, DialogKind::Information);
}

void FormulaSearchWindow::showGrid(TextTable table) {
    commonUi_.sgl->setTable(std::move(table));
    // The widths are the least a column gets; a larger grid font widens it so no text is cut.
    for (std::size_t c = 0; c < member_.columnWidths.size(); ++c)
        commonUi_.sgl->SetColWidthAtLeast(static_cast<int>(c), member_.columnWidths[c]);
}

void FormulaSearchWindow::setInputsEnabled(bool enabled) {
    // Disabling the boxes pushes the focus out of them; it goes back when they are live again.
    const SelfChange self(*this);
    if (!enabled)
        focusBeforeSearch_ = focusWidget();
    commonUi_.Panel1->setEnabled(enabled);
    commonUi_.sgl->setEnabled(enabled);
    if (enabled && focusBeforeSearch_ && focusBeforeSearch_->isEnabled())
        focusBeforeSearch_->setFocus(Qt::OtherFocusReason);
}

void FormulaSearchWindow::closeEvent(QCloseEvent* event) {
    if (searching()) { // closes once the search has stopped
        closeAfterSearch_ = true;
        worker_.requestStop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FormulaSearchWindow::reject() {
    if (searching()) {
        closeAfterSearch_ = true;
        worker_.requestStop();
        return;
    }
    QDialog::reject();
}
