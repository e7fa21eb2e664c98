#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <array>
#include <atomic>

#include "common/date.h"
#include "common/fixed_table.h"
#include "pillars/split_search.h"
#include "pillars/subset_search.h"
#include "pillars/varnholt_form.h"
#include "pillars/varnholt_state.h"
#include "platform/stepped_worker.h"

class QPlainTextEdit;
class QPushButton;
class QWidget;
struct Services;
struct DrawTables;

// The best-pillar window: chooses a window of past draws, counts numbers, tails and combinations
// over it, lets the user pick numbers and lay them out in pillars with their cost.
class TForm_varnholt : public QDialog {
    Q_OBJECT
public:
    TForm_varnholt(const DrawTables& draws, Services& services, QWidget* parent = nullptr);
    ~TForm_varnholt() override;

    // Set-up on every showing, and the reset it runs.
    void FormShow();
    void reset_table();

    // Draw window queries (page 號碼來源).
    void Button1Click();
    void get_sumno();
    void Button16Click();
    void Button17Click();
    void Button18Click();
    void cb_dateChange();
    void Button2Click();
    // Re-runs the query that filled the memos last; false when it refused its input.
    bool rerunQuery();
    // Which query listed the draws last, and the line it heads the reports with.
    SourceKind lastQuery() const { return unit.Source; }
    const std::string& windowHeader() const { return unit.WindowHeader; }

    // Counts and hot lists (page 號碼和尾數統計).
    void Count_Sumno();
    void show_sumno();
    void Count_Sumno_tail();
    void show_sumno_tail();
    void get_allno(int k);
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // Number selection (page 選擇號碼).
    void CB01Click();
    void Button7Click();
    void Clear_CB();
    void Button8Click();
    void CBT1Click();
    void CBH0Click();

    // Verification reports (pages Qorvel驗證, 連碰驗證) and the output buttons of the memos.
    void Button26Click();
    void Button27Click();
    void Button9Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();
    void Button10Click();
    void Button11Click();
    void Button13Click();
    void Button15Click();

    // Computer arrangement (page 選擇柱數).
    void Button19Click();
    void Button24Click();
    void Button25Click();
    void PPNO_Arrange();

    // Pillar layout (page 選擇柱數).
    void CB_SelectChange();
    void ComboBox1Change();
    // The layout as the pillar memos show it: pillars 1..PillarCount, at most 8 lines each.
    PillarNumbers pillarMemoNumbers() const;
    // The selected item of RG1: 0 four-star first, 1 three-star first, 2 two-star first.
    int RG1ItemIndex() const;

    // Lines of the draw memo as they stand.
    std::vector<std::string> drawMemoLines() const;

    // Best-split searches (page 選擇柱數): the start handler checks the selection and sets the
    // shape's layout, its evaluation step ranks every split and reports into Memo2.
    void Button12Click();
    void Button14Click();
    void Button29Click();
    void btn_list3Click();
    void Button28Click();
    void btn_list2Click();
    void Button30Click();
    void btn_10Click();
    // Every split the last best-split search ranked, best first; its report lists the first few.
    const std::vector<ScoredSplit>& rankedSplits() const { return unit.LayoutList; }
    // Subset searches: they run off the GUI thread to their end or to a stop, with the window's
    // other inputs disabled meanwhile.
    void Button31Click();
    void Button32Click();
    void btn_stopClick();
    void btn_stop_1510Click();
    bool subsetSearchRunning() const { return subsetWorker_.running(); }
    // Puts the numbers of a layout into PillarNo and the pillar memos, pillar by pillar.
    void showLayout(const PillarNumbers& pillars);

    // The state the handlers share.
    VarnholtState unit;

    // The controls, each under its name.
    VarnholtForm ui;

    // Set by the stop buttons while their search runs; read once per subset.
    std::atomic<bool> StopFlag1208{false};
    std::atomic<bool> StopFlag1510{false};

public slots:
    // The current game's logo, shown on the selection page.
    void setLogo(const QPixmap& logo);

signals:
    // The display of a subset search has reached this subset (1-based), in order, once each; a
    // stop clicked meanwhile stops the run before it.
    void subsetSearchStep(int subset);
    // A subset search has ended: its report written, or stopped without one.
    void subsetSearchEnded();

protected:
    void showEvent(QShowEvent* event) override;
    // The window stays open while a subset search runs: its stop button ends it.
    void reject() override;

private:
    void connectHandlers();

    // Reports and arrangement
    std::vector<std::string> selectedNumbers() const;
    // Empties the memo and lists the draw window again; false when the query refused.
    bool clearAndRelist(QPlainTextEdit* memo);
    void saveMemo(QPlainTextEdit* memo, bool csv);
    void rankSelection(int k);
    int listings_ = 0; // draw windows listed so far, so a re-run can tell it was refused

    // The listing every query ends with: the three memos, the count and the recount.
    void showDrawWindow(const std::vector<int>& draws);
    void showHotList(int k, QPlainTextEdit* memo);
    void copyMemo(QPlainTextEdit* memo);
    void writeSelectionLabels();
    // Enables and whitens the size boxes and memos of pillars 1..count, greys the others.
    void enablePillars(int count);
    // A refused input: the warning, and the handler ends with nothing changed.
    void refuse(const QString& text);

    // Searches
    enum class SubsetKind { TwelveOfEight, FifteenOfTen };
    bool selectionFits(int count, bool setCount);
    void placeShape(SplitShape shape);
    void startSplitSearch(SplitShape shape, bool setsCount);
    void evaluateSplitSearch(SplitShape shape);
    SplitSearchInput searchInput() const;
    void startSubsetSearch(SubsetKind kind, const DateTime& start);
    // Steps the display through the subsets up to this one.
    void showSubsetSteps(SubsetKind kind, int upTo);
    void showSubsetProgress(SubsetKind kind);
    // Records where a stop clicked now stops the run, as the display stands.
    void noteStop();
    void endSubsetSearch(SubsetKind kind, const SplitSearchInput& input,
                         SteppedWorker::Outcome<SubsetSearchOutcome> run, const DateTime& start);
    void saveSubsetReport(const char* fileName, const std::vector<std::string>& lines);
    void pauseInputs(QWidget* stopButton);
    void resumeInputs();

    const DrawTables& draws_;
    Services& services_;
    bool clearing_ = false;
    std::vector<QWidget*> pausedInputs_;
    int subsetUnderWay_ = 0;            // the subset the display has reached
    bool showingStep_ = false;          // subsetSearchStep is being emitted
    int stopBefore_ = 0;                // the first subset a stopped run leaves out; 0: not stopped
    std::atomic<int> subsetsPassed_{0}; // written by the search: subsets past the stop flag
    SteppedWorker subsetWorker_{*this}; // last, so its thread ends before the members it writes go
};
