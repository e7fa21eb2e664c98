#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/trace_single_form.h"

struct DragHandOver;
struct DrawTables;
struct Services;
struct WorkArea;
class QAbstractButton;
class QComboBox;
class WindowLinks;

// The drag window 單期號碼拖牌: picks base draws by a number, pair, triple, position, add/subtract
// relation or cycle, lists the draws that followed them at the chosen distance, and hands the grid
// with its totals to the two-of, three-of, sorted-grid and number-analysis windows.
class TForm_rk_trace_single : public QDialog {
    Q_OBJECT
public:
    TForm_rk_trace_single(DrawTables& draws, WorkArea& work, DragHandOver& drag, Services& services,
                          WindowLinks& links, QWidget* parent = nullptr);

    // Selects a page and runs the page change, as the main window's openers do.
    void showPage(int index);
    // The draws the single-number query starts from: all of them, or the pinned rows.
    const std::vector<int>& baseDraws() const { return BaseDraws; }

    // Series of queries that no control runs, each query's sorted grid shown before and after
    // one step on: every number of page 0, every size position and number of page 3, every ball
    // position and number of page 4.
    void sortedGridsBySingleNumber();
    void sortedGridsBySizePosition();
    void sortedGridsByBallPosition();
    // Every page's "進階": the sorted-grid window over the current drag grid.
    void openSortedGrid();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each showing: re-splits the tables, unpins, and starts on page 0 at the newest draw.
    void FormShow();
    void PageControl1Change(); // the page tabs: the page in front starts again from its period
    void chk_highlight();

    // Each page starts from its period box (the period sets the offset and the choices), runs its
    // query from its choice boxes, and steps the offset with "上一期" (-1) and "下一期" (+1).
    // Page 0 不定位單支拖牌
    void startSingle();    // cb_latest
    void runSingleQuery(); // cb_trno
    void stepSingle(int by);
    void sbpin1Click(); // "固定": the next query searches only the rows shown
    void cbn1Change();  // the pinned query's number
    void stepPinned(int by);
    void SpeedButton3Click(); // "結束": ends the pin
    // Page 1 不定位雙星拖牌
    void startPair();    // cb_latest2
    void runPairQuery(); // cb_tr22
    void stepPair(int by);
    // Page 2 不定位三星拖牌
    void startTriple();    // cb_latest2_3
    void runTripleQuery(); // cb_tr22_3
    void stepTriple(int by);
    // Page 3 大小定位拖牌
    void startSizePosition();    // cb_latest3
    void runSizePositionQuery(); // cb_fix11, cb_fix12
    void stepSizePosition(int by);
    // Page 4 落球定位拖牌
    void startBallPosition();    // cb_latest4
    void runBallPositionQuery(); // cb_fix21, cb_fix22
    void stepBallPosition(int by);
    // Page 5 大小加減版路 has no period: any of its boxes starts it at offset 0.
    void startAdd(); // cb_add1..cb_add4
    void stepAdd(int by);
    // Page 6 週期法
    void startCycle(); // cb_latest_ck, cb_ck
    void stepCycle(int by);

    void openTwoOf();   // every page's "二中一"
    void openThreeOf(); // every page's "三中一"
    void N1Click();     // "版路分析及拖牌結果"
    void N3Click();     // "操作說明"
    void N4Click();     // "將本圖表資料存成文字檔案"
    void Excel1Click(); // "將檔案轉成Excel工作表圖解"

    // Queries
    void show_single(const std::string& number, int offset);
    void show_two(const std::string& a, const std::string& b, int offset);
    void show_two_3(const std::string& a, const std::string& b, const std::string& c, int offset);
    void show_fix1(int position, int offset, const std::string& number);
    void show_fix2(int position, int offset, const std::string& number);
    void show_add(int a, int b, int sign, int k, int offset);
    void show_circle(const std::string& periodText, int cycle, int offset);

    // Label routines: the page's offset label and RuleTitle.
    void show_lbtridx();
    void show_lbtridx2();
    void show_lbtridx2_3();
    void show_lbtridx_fix1();
    void show_lbtridx_fix2();
    void show_lbtridx_add();
    void show_lbtridx_ck();

    void connectControls();
    // A combo box whose user changes (typed or picked) run the work.
    void onUserChange(QComboBox* box, void (TForm_rk_trace_single::*work)());
    void onClick(QAbstractButton* button, std::function<void()> work);
    // The end of every query: grid, totals and hand-over, then the page's label routine.
    void showRows(std::vector<int> rows, DragMark mark, const std::string& cutText,
                  void (TForm_rk_trace_single::*labels)());
    // Refills a combo box's list and sets its text, without running its handler.
    static void refill(QComboBox& box, const std::vector<std::string>& items, const std::string& text);
    static void setText(QComboBox& box, const std::string& text);
    // The integer in a position box, or none after telling the user "第？支錯誤".
    bool readPosition(const QComboBox& box, int& position);
    // The position pages' series: each position and number, at offset 1, then one step on.
    void sortedGridsByPosition(QComboBox& position, QComboBox& number, int& offset,
                               void (TForm_rk_trace_single::*run)(),
                               void (TForm_rk_trace_single::*step)(int));
    void unpin();
    void allBaseDraws();

    TraceSingleForm ui;
    DrawTables& draws_;
    WorkArea& work_;
    DragHandOver& drag_;
    Services& services_;
    WindowLinks& links_;

    int SingleOffset = 0, PairOffset = 0, TripleOffset = 0, SizePosOffset = 0, DrawPosOffset = 0,
        AddOffset = 0, CycleOffset = 0, PinOffset = 0;
    int ChosenDraw = 0;
    int SingleRowCount = 0;
    std::vector<int> TraceRows; // draw of each grid row
    std::vector<int> BaseDraws; // the single-number query's base draws: all, or the pinned rows
};
