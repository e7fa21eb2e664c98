#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "analysis/drag/drag_grid.h"
#include "analysis/drag/trace_single_form.h"

struct DragHandOver;
struct DrawTables;
struct Services;
struct WorkArea;
class QComboBox;
class WindowLinks;

// The drag window 單期號碼拖牌: picks base draws by a number, pair, triple, position, add/subtract
// relation or cycle, lists the draws that followed them at the chosen distance, and hands the grid
// with its totals to the two-of, three-of, sorted-grid and number-analysis windows.
class TForm_rk_trace_single : public QDialog, public TraceSingleForm {
    Q_OBJECT
public:
    TForm_rk_trace_single(DrawTables& draws, WorkArea& work, DragHandOver& drag, Services& services,
                          WindowLinks& links, QWidget* parent = nullptr);

    // Each showing: re-splits the tables, unpins, and starts on page 0 at the newest draw.
    void FormShow();
    // Selects a page and runs the page change, as the main window's openers do.
    void showPage(int index);

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

    // Handlers
    void PageControl1Change();
    void chk_highlight();
    void cb_latestChange();
    void cb_trnoChange();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void sbpin1Click();
    void cbn1Change();
    void SpeedButton16Click();
    void SpeedButton17Click();
    void SpeedButton3Click();
    void cb_latest2Change();
    void cb_tr22Change();
    void SpeedButton6Click();
    void SpeedButton5Click();
    void cb_latest2_3Change();
    void cb_tr22_3Change();
    void SpeedButton4Click();
    void SpeedButton7Click();
    void cb_latest3Change();
    void cb_fix12Change();
    void SpeedButton9Click();
    void SpeedButton8Click();
    void cb_latest4Change();
    void cb_fix22Change();
    void SpeedButton12Click();
    void SpeedButton11Click();
    void cb_add4Change();
    void SpeedButton14Click();
    void SpeedButton13Click();
    void cb_latest_ckChange();
    void cb_ckChange();
    void SpeedButton18Click();
    void SpeedButton19Click();
    void Button1Click();
    void Button2Click();
    void btn_grid_sortClick();
    void N1Click();
    void N3Click();
    void N4Click();
    void Excel1Click();
    // Series of queries that no control runs.
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();

    // State, readable by tests
    int SingleOffset = 0, PairOffset = 0, TripleOffset = 0, SizePosOffset = 0, DrawPosOffset = 0,
        AddOffset = 0, CycleOffset = 0, PinOffset = 0;
    int ChosenDraw = 0;
    int SingleRowCount = 0;
    std::vector<int> TraceRows; // draw of each grid row
    std::vector<int> BaseDraws; // the single-number query's base draws: all, or the pinned rows

protected:
    void showEvent(QShowEvent* event) override;

private:
    void connectControls();
    // A combo box whose user changes (typed or picked) run a handler.
    void onUserChange(QComboBox* box, void (TForm_rk_trace_single::*handler)());
    void onClick(QObject* button, void (TForm_rk_trace_single::*handler)());
    // The end of every query: grid, totals and hand-over, then the page's label routine.
    void showRows(std::vector<int> rows, DragMark mark, const std::string& cutText,
                  void (TForm_rk_trace_single::*labels)());
    // Refills a combo box's list and sets its text, without running its handler.
    static void refill(QComboBox& box, const std::vector<std::string>& items, const std::string& text);
    static void setText(QComboBox& box, const std::string& text);
    // The integer in a position box, or none after telling the user "第？支錯誤".
    bool readPosition(const QComboBox& box, int& position);
    void unpin();
    void allBaseDraws();

    DrawTables& draws_;
    WorkArea& work_;
    DragHandOver& drag_;
    Services& services_;
    WindowLinks& links_;
};
