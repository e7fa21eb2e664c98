// The best-split searches of the best-pillar window and the two subset searches, which run on a
// worker thread and can be stopped.
#include "pillars/varnholt_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "common/errors.h"
#include "common/text_file.h"
#include "platform/box_reaction.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

const QString Caption1208 = QStringLiteral("12取8超優分析");
const QString Caption1510 = QStringLiteral("15取10超優分析");

const QString Confirm1510 = QStringLiteral("執行【15取10超優分析】可能需費時３-４小時(依電腦性能而定，)\n\n"
                                           "是否繼續？如果要確定要計算請按 Yes，否則按 No 離開\n\n"
                                           "計算過程中，可隨時按【中斷】鍵，中止計算，\n\n"
                                           "計算超過 5/3003，即可顯示結果。");

} // namespace

TForm_varnholt::~TForm_varnholt() {
    // A run still under way ends at its next subset; the worker then waits for it.
    StopFlag1208 = true;
    StopFlag1510 = true;
}

void TForm_varnholt::reject() {
    if (subsetSearchRunning())
        return;
    QDialog::reject();
}

// ---- shared steps ----

bool TForm_varnholt::selectionFits(int count, bool setCount) {
    if (unit.SelCount == count)
        return true;
    refuse(qs(SelectionCountMessage(count)));
    if (setCount)
        ui.cb9->setCurrentText(QString::number(count));
    ShowOwnPage(*ui.PageC, ui.TS4);
    return false;
}

void TForm_varnholt::placeShape(SplitShape shape) {
    const std::span<const int> sizes = PillarSizes(shape);
    ui.CB_Select->setCurrentText(QString::number(sizes.size()));
    for (int p = 1; p <= static_cast<int>(sizes.size()); ++p) {
        const int size = sizes[static_cast<std::size_t>(p - 1)];
        ui.SizeBox[p]->show();
        ui.SizeBox[p]->setCurrentText(QString::number(size));
        ui.PillarMemo[p]->show();
        unit.PillarSize[p] = size;
    }
    CB_SelectChange();
}

void TForm_varnholt::showLayout(const PillarNumbers& pillars) {
    for (int p = 1; p <= std::min(static_cast<int>(pillars.size()), MaxPillars); ++p) {
        const std::vector<std::string>& numbers = pillars[static_cast<std::size_t>(p - 1)];
        QStringList lines;
        for (int s = 1; s <= std::min(static_cast<int>(numbers.size()), PillarSlots); ++s) {
            unit.PillarNo[p][s] = numbers[static_cast<std::size_t>(s - 1)];
            lines << qs(unit.PillarNo[p][s]);
        }
        SetMemoLines(*ui.PillarMemo[p], lines);
    }
}

SplitSearchInput TForm_varnholt::searchInput() const {
    SplitSearchInput input;
    input.selection = selectedNumbers();
    input.memoLines = drawMemoLines();
    input.windowHeader = unit.WindowHeader;
    input.rg1Item = RG1ItemIndex();
    return input;
}

// ---- best-split searches ----

void TForm_varnholt::evaluateSplitSearch(SplitShape shape) {
    if (unit.SelCount != ShapeNumberCount(shape))
        return; // only the start handler, which has checked the selection, runs this step
    ui.Memo2->clear();
    SplitSearchResult result = RunSplitSearch(shape, searchInput());
    SetMemoLines(*ui.Memo2, qsList(result.report));
    showLayout(SplitPillars(shape, result.LayoutList.front().split));
    unit.LayoutList = std::move(result.LayoutList);
    ShowOwnPage(*ui.PageC, ui.TS6);
}

void TForm_varnholt::startSplitSearch(SplitShape shape, bool setsCount) {
    if (!selectionFits(ShapeNumberCount(shape), setsCount))
        return;
    placeShape(shape);
    evaluateSplitSearch(shape);
}

// The eight-number searches leave the count box alone; the nine- and ten-number ones set it.
void TForm_varnholt::Button12Click() {
    startSplitSearch(SplitShape::Pairs2222, false);
}
void TForm_varnholt::Button14Click() {
    evaluateSplitSearch(SplitShape::Pairs2222);
}
void TForm_varnholt::Button29Click() {
    startSplitSearch(SplitShape::Singles11222, false);
}
void TForm_varnholt::btn_list3Click() {
    evaluateSplitSearch(SplitShape::Singles11222);
}
void TForm_varnholt::Button28Click() {
    startSplitSearch(SplitShape::Triples333, true);
}
void TForm_varnholt::btn_list2Click() {
    evaluateSplitSearch(SplitShape::Triples333);
}
void TForm_varnholt::Button30Click() {
    startSplitSearch(SplitShape::Mixed2233, true);
}
void TForm_varnholt::btn_10Click() {
    evaluateSplitSearch(SplitShape::Mixed2233);
}

// ---- subset searches ----

void TForm_varnholt::Button31Click() {
    if (subsetSearchRunning() || !selectionFits(12, true))
        return;
    const DateTime start = services_.clock.now();
    placeShape(SplitShape::Pairs2222);
    startSubsetSearch(SubsetKind::TwelveOfEight, start);
}

void TForm_varnholt::Button32Click() {
    if (subsetSearchRunning())
        return;
    if (services_.dialogs.messageDialog(Confirm1510, DialogKind::Information, DialogButtons::YesNo) !=
        DialogAnswer::Yes)
        return;
    if (!selectionFits(15, true))
        return;
    const DateTime start = services_.clock.now();
    placeShape(SplitShape::Mixed2233);
    startSubsetSearch(SubsetKind::FifteenOfTen, start);
}

void TForm_varnholt::btn_stopClick() {
    // Only the run that showed the button can be stopped: a late click must not stop the next one.
    if (!subsetSearchRunning() || ui.btn_stop->isHidden())
        return;
    StopFlag1208 = !StopFlag1208;
    noteStop();
    ui.btn_stop->hide();
}

void TForm_varnholt::btn_stop_1510Click() {
    if (!subsetSearchRunning() || ui.btn_stop_1510->isHidden())
        return;
    StopFlag1510 = !StopFlag1510;
    noteStop();
    ui.btn_stop_1510->hide();
    ui.lb_percent->hide();
}

void TForm_varnholt::noteStop() {
    // The search runs ahead of the display, so the stop is placed where the user saw it: a stop
    // while a subset's step is being shown comes before that subset, a later one lets it finish.
    if (stopBefore_ == 0)
        stopBefore_ = subsetUnderWay_ + (showingStep_ ? 0 : 1);
}

void TForm_varnholt::startSubsetSearch(SubsetKind kind, const DateTime& start) {
    const bool fifteen = kind == SubsetKind::FifteenOfTen;
    std::atomic<bool>& stop = fifteen ? StopFlag1510 : StopFlag1208;
    QPushButton* stopButton = fifteen ? ui.btn_stop_1510 : ui.btn_stop;
    // The selection, the draw window and the RG1 order are taken once, for the whole run.
    const SplitSearchInput input = searchInput();
    stop = false;
    subsetUnderWay_ = 0;
    subsetsPassed_ = 0;
    stopBefore_ = 0;

    const int total = fifteen ? SubsetCount1510 : SubsetCount1208;
    subsetWorker_.run<SubsetSearchOutcome>(
        [this, input, &stop, fifteen, total](const BackgroundWorker::Progress& progress,
                                             const std::atomic<bool>&) {
            SubsetSearchControl control;
            // Announcing subset s means every subset before it got past the stop flag and is done.
            control.progress = [this, &progress, total](int subset) {
                subsetsPassed_ = subset - 1;
                progress(subset, total);
            };
            control.stop = &stop;
            return fifteen ? Best1510(input, control) : Best1208(input, control);
        },
        [this, kind](int) { showSubsetSteps(kind, subsetsPassed_); },
        [this, kind, input, start](BackgroundWorker::Outcome<SubsetSearchOutcome> outcome) {
            endSubsetSearch(kind, input, std::move(outcome), start);
        });
    // The window is set for the run while the search is already under way: nothing it shows or
    // hands over can reach the search, and the search's reports wait for this handler to return.
    const SelfChange self(*this);
    pauseInputs(stopButton);
    stopButton->show();
    if (fifteen)
        ui.lb_percent->show();
    stopButton->setFocus();
}

void TForm_varnholt::showSubsetSteps(SubsetKind kind, int upTo) {
    // The search never waits for the display: the subsets it has passed since the last look are
    // stepped through here, and the captions drawn at the first subset and the last.
    while (subsetUnderWay_ < upTo && stopBefore_ == 0) {
        ++subsetUnderWay_;
        if (subsetUnderWay_ == 1 || subsetUnderWay_ == upTo)
            showSubsetProgress(kind);
        showingStep_ = true;
        emit subsetSearchStep(subsetUnderWay_);
        showingStep_ = false;
    }
}

void TForm_varnholt::showSubsetProgress(SubsetKind kind) {
    if (kind == SubsetKind::TwelveOfEight) {
        ui.Button31->setText(qs(ProgressCaption1208(subsetUnderWay_)));
    } else {
        ui.lb_percent->setText(qs(PercentLabel1510(subsetUnderWay_)));
        ui.Button32->setText(qs(ProgressCaption1510(subsetUnderWay_)));
    }
}

void TForm_varnholt::endSubsetSearch(SubsetKind kind, const SplitSearchInput& input,
                                     BackgroundWorker::Outcome<SubsetSearchOutcome> run,
                                     const DateTime& start) {
    const bool fifteen = kind == SubsetKind::FifteenOfTen;
    QPushButton* startButton = fifteen ? ui.Button32 : ui.Button31;
    const QString& restCaption = fifteen ? Caption1510 : Caption1208;
    SubsetSearchOutcome outcome;
    if (run.result) {
        showSubsetSteps(kind, run.result->subsetsDone);
        outcome = stopBefore_ == 0 ? std::move(*run.result)
                  : fifteen        ? StopBefore1510(std::move(*run.result), stopBefore_)
                                   : StopBefore1208(std::move(*run.result), stopBefore_);
        // Where it ended: a stopped run at the subset it did not search.
        subsetUnderWay_ = outcome.subsetsDone + (outcome.stopped ? 1 : 0);
        if (subsetUnderWay_ > 0)
            showSubsetProgress(kind);
    }
    resumeInputs();
    (fifteen ? StopFlag1510 : StopFlag1208) = false;
    (fifteen ? ui.btn_stop_1510 : ui.btn_stop)->hide();
    if (fifteen)
        ui.lb_percent->hide();
    startButton->setText(restCaption);

    if (run.error) {
        try {
            std::rethrow_exception(run.error);
        } catch (const std::exception& failure) {
            services_.dialogs.messageDialog(qs(failure.what()), DialogKind::Error, DialogButtons::Ok);
        }
        emit subsetSearchEnded();
        return;
    }
    // Each subset searched empties the report memo, so a stop without a report leaves it empty.
    if (outcome.subsetsDone > 0)
        ui.Memo2->clear();
    if (outcome.hasReport && !outcome.ranked.empty()) {
        startButton->setText(QStringLiteral("排序中"));
        const DateTime end = services_.clock.now();
        const std::vector<std::string> lines =
            fifteen ? Report1510(input, outcome, start, end) : Report1208(input, outcome, start, end);
        SetMemoLines(*ui.Memo2, qsList(lines));
        showLayout(SplitPillars(fifteen ? SplitShape::Mixed2233 : SplitShape::Pairs2222,
                                outcome.ranked.front().split));
        saveSubsetReport(fifteen ? ReportFile1510 : ReportFile1208, lines);
        ShowOwnPage(*ui.PageC, ui.TS6);
        startButton->setText(restCaption);
    }
    emit subsetSearchEnded();
}

void TForm_varnholt::saveSubsetReport(const char* fileName, const std::vector<std::string>& lines) {
    try {
        WriteTextLines(fileName, lines);
    } catch (const FileError&) {
        refuse(QStringLiteral("報表無法存入檔案 ") + QString::fromUtf8(fileName) +
               QStringLiteral("，報表仍保留在「Qorvel驗證」頁"));
    }
}

void TForm_varnholt::pauseInputs(QWidget* stopButton) {
    pausedInputs_.clear();
    for (QWidget* page : {ui.TS2, ui.TS3, ui.TS4, ui.TS6, ui.TS7})
        if (page->isEnabled())
            pausedInputs_.push_back(page);
    for (QWidget* control : ui.TS5->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != stopButton && !qobject_cast<QLabel*>(control) && control->isEnabled())
            pausedInputs_.push_back(control);
    for (QWidget* input : pausedInputs_)
        input->setEnabled(false);
}

void TForm_varnholt::resumeInputs() {
    const SelfChange self(*this);
    for (QWidget* input : pausedInputs_)
        input->setEnabled(true);
    pausedInputs_.clear();
}
