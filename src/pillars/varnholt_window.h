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
#include "platform/background_worker.h"

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

    // Re-runs the query that filled the memos last; false when it refused its input.
    bool rerunQuery();
    // Which query listed the draws last, and the line it heads the reports with.
    SourceKind lastQuery() const { return unit.Source; }
    const std::string& windowHeader() const { return unit.WindowHeader; }
    // Counts the numbers and tails of the draws the draw memo lists as it stands, and shows them.
    void countListedDraws();
    // Lines of the draw memo as they stand.
    std::vector<std::string> drawMemoLines() const;

    // The layout as the pillar memos show it: pillars 1..PillarCount, at most 8 lines each.
    PillarNumbers pillarMemoNumbers() const;
    // The selected item of RG1: 0 four-star first, 1 three-star first, 2 two-star first.
    int RG1ItemIndex() const;
    // Every split the last best-split search ranked, best first; its report lists the first few.
    const std::vector<ScoredSplit>& rankedSplits() const { return unit.LayoutList; }
    // Subset searches run off the GUI thread to their end or to a stop, with the window's other
    // inputs disabled meanwhile.
    bool subsetSearchRunning() const { return subsetWorker_.running(); }

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

    // Set-up on every showing, and the reset it runs.
    void FormShow();
    void reset_table();

    // Draw window queries (page 號碼來源).
    void Button1Click() { queryDateRange(); }   // "查詢" of 開獎期間
    void Button16Click() { queryLatest(); }     // "查詢" of 近期統計
    void Button17Click() { queryPeriodic(); }   // "查詢" of 週期統計
    void Button18Click() { queryDrag(); }       // "查詢" of 單支拖牌
    void Button2Click() { countListedDraws(); } // hidden "計算"
    void cb_dateChange(); // the drag query's date or position box, or "定點": the number drawn there
    // The queries: each lists its draws in the three memos and counts them.
    void queryDateRange();
    void get_sumno();
    void queryLatest();
    void queryPeriodic();
    void queryDrag();

    // Counts and hot lists (page 號碼和尾數統計).
    void Count_Sumno();
    void show_sumno();
    void Count_Sumno_tail();
    void show_sumno_tail();
    void get_allno(int k);
    void SpeedButton2Click(); // "熱門雙星組合排列"
    void SpeedButton3Click(); // "熱門三星組合排列"
    void SpeedButton1Click(); // "熱門四星組合排列"
    void BitBtn1Click();      // "複製" under the pairs
    void BitBtn2Click();      // "複製" under the triples
    void BitBtn3Click();      // "複製" under the quadruples

    // Number selection (page 選擇號碼).
    void CB01Click();    // any number box
    void Button7Click(); // "選擇"
    void Clear_CB();
    void Button8Click(); // "清除重選"
    void CBT1Click();    // any tail box
    void CBH0Click();    // any "N 頭" box

    // Verification reports (pages Qorvel驗證, 連碰驗證) and the output buttons of the memos.
    void Button26Click() { verifyLayout(); } // hidden "驗證"
    void Button27Click();                    // "手動輸入驗證"
    void Button9Click();                     // "開始連碰驗證"
    void Button3Click();                     // "清除" under Memo1
    void Button4Click();                     // "複製" under Memo1
    void Button5Click();                     // "存檔(txt)" under Memo1
    void Button6Click();                     // "存檔(csv)" under Memo1
    void Button20Click();                    // "清除" under Memo2
    void Button21Click();                    // "複製" under Memo2
    void Button22Click();                    // "存檔(txt)" under Memo2
    void Button23Click();                    // "存檔(csv)" under Memo2
    void Button10Click();                    // "清除" under Memo3
    void Button11Click();                    // "複製" under Memo3
    void Button13Click();                    // "存檔(txt)" under Memo3
    void Button15Click();                    // "存檔(csv)" under Memo3
    // The hit report of the layout in PillarNo over the draws Memo2 lists.
    void verifyLayout();

    // Computer arrangement (page 選擇柱數).
    void Button19Click();                      // "電腦排定號碼"
    void Button24Click() { rankSelection(2); } // hidden: ranks the selection's pairs
    void Button25Click() { rankSelection(3); } // hidden: ranks the selection's triples
    void PPNO_Arrange();

    // Pillar layout (page 選擇柱數).
    void CB_SelectChange(); // the "您要選幾柱" box
    void ComboBox1Change(); // any pillar size box

    // Best-split searches (page 選擇柱數): the start handler checks the selection and sets the
    // shape's layout, its evaluation step ranks every split and reports into Memo2.
    void Button12Click();  // "８碼=2x2x2x2 優柱分析"
    void Button14Click();  // hidden "list": its evaluation step
    void Button29Click();  // "８碼=1x1x2x2x2 優柱分析"
    void btn_list3Click(); // hidden "list3": its evaluation step
    void Button28Click();  // "９碼=3x3x3 優柱分析"
    void btn_list2Click(); // hidden "list2": its evaluation step
    void Button30Click();  // "10碼=2x2x3x3 優柱分析"
    void btn_10Click();    // hidden "btn_10": its evaluation step
    // Subset searches.
    void Button31Click();      // "12取8超優分析"
    void Button32Click();      // "15取10超優分析"
    void btn_stopClick();      // "中斷" of 12取8
    void btn_stop_1510Click(); // "中斷" of 15取10
    // Puts the numbers of a layout into PillarNo and the pillar memos, pillar by pillar.
    void showLayout(const PillarNumbers& pillars);

    // The controls, each under its name.
    VarnholtForm ui;
    // The state the handlers share.
    VarnholtState unit;

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
                         BackgroundWorker::Outcome<SubsetSearchOutcome> run, const DateTime& start);
    void saveSubsetReport(const char* fileName, const std::vector<std::string>& lines);
    void pauseInputs(QWidget* stopButton);
    void resumeInputs();

    const DrawTables& draws_;
    Services& services_;
    bool clearing_ = false;
    std::vector<QWidget*> pausedInputs_;
    int subsetUnderWay_ = 0;               // the subset the display has reached
    bool showingStep_ = false;             // subsetSearchStep is being emitted
    int stopBefore_ = 0;                   // the first subset a stopped run leaves out; 0: not stopped
    std::atomic<int> subsetsPassed_{0};    // written by the search: subsets past the stop flag
    BackgroundWorker subsetWorker_{*this}; // last, so its thread ends before the members it writes go
};
