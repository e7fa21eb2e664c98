#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "common/text_table.h"
#include "formulas/formula_member.h"
#include "formulas/formula_search.h"
#include "formulas/memory_file.h"
#include "formulas/ordered_search.h"
#include "platform/background_worker.h"
#include "platform/dialogs.h"

struct DrawTables;
struct FormulaSearchForm;
struct Services;
struct WorkArea;
class QLabel;
class WindowLinks;

// What every formula window does the same way, configured by its member row: the kept list and its
// paging, the threshold box, the order toggle, the memory file, the print and delete items, the
// print hint, and the search run off the GUI thread with the window's inputs disabled until it ends,
// followed by the result display. A member derives from it, builds its form (derived from
// FormulaSearchForm, reached here as commonUi_) and adds its family: its reset, its search, and the
// display of one key.
class FormulaSearchWindow : public QDialog {
    Q_OBJECT
public:
    ~FormulaSearchWindow() override;

    // A search is under way; the window's inputs are disabled until it ends.
    bool searching() const { return worker_.running(); }
    int rule_idx() const { return paging_.index(); }

    // The kept keys after the sort (key i at ruleList()[i - 1]), their count and the threshold.
    const std::vector<std::string>& ruleList() const { return rule_list; }
    int ruleCount() const { return rule_count; }
    int rulePercent() const { return rule_percent; }

    // The window's state between showings.
    int base_offset = 0;
    std::string ball_mode_name;
    std::string memo_file_name;

protected:
    FormulaSearchWindow(FormulaMember member, FormulaSearchForm& form, const DrawTables& draws,
                        WorkArea& work, Services& services, WindowLinks& links, QWidget* parent);
    // Wires the common controls; the member calls it once its form is built.
    void connectCommon();

    // The member's display of one kept key (show_6line and kin).
    virtual void showKey(const std::string& key) = 0;
    // An empty result: the message, unless the member shows it otherwise.
    virtual void reportNoResult();
    // The label that shows the key or code on show (lb_rule, or the member's own).
    virtual QLabel& keyLabel() const;
    // Runs after the order toggle has rewritten the working numbers.
    virtual void orderChanged() {}
    // The four lines of the memory file, and putting them back (line 1 is the base date).
    virtual MemoryLines memoryLines() const;
    virtual void restoreMemoryLines(const std::vector<std::string>& lines);

    // The base-date list of a showing: the member's memory file restored when it exists, else the
    // newest date; then the 20 newest dates as items.
    void showBaseDates();
    // Writes the memory file before a search; a failure is shown and the search runs all the same.
    void writeMemoryFile();

    // A search that would read draws before the first one reads none: the user is told the history
    // is too short. True when the search may run.
    bool historyCoversSearch(int oldestDrawRead);
    // A look-back search that is not to run, checked before anything on screen changes, so what was
    // on show stays whole: a look-back that does not fit the key, or a history too short for it, is
    // told; one that is no integer ends the search silently. True when it is not to run.
    bool refused(const LookBackStart& start);

    // Runs the member's enumeration off the GUI thread; its keys, in enumeration order, are sorted
    // and shown when it ends. `search` must not touch widgets; the tables it reads are not written
    // while it runs, since every input that could write them is disabled.
    using Search = std::function<std::vector<std::string>(const SearchControl& control)>;
    void runSearch(Search search);
    void showResult(std::vector<std::string> keys);
    // No key kept and none on show: the count, index and key labels read as before any search and
    // the paging buttons are off, so nothing on screen points at keys that are gone.
    void clearResult();
    // The paging buttons on or off; what turning them off does to the focus sets nothing off.
    void setPagingEnabled(bool enabled);
    // The grid shows the table, its column widths kept.
    void showGrid(TextTable table);
    // A message with an OK button.
    void showMessage(std::string_view text, DialogKind kind);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const FormulaMember member_;
    FormulaSearchForm& commonUi_; // the shared part of the member's form
    const DrawTables& draws_;
    WorkArea& work_;
    Services& services_;
    WindowLinks& links_;
    RulePaging paging_;

private:
    void SpeedButton2Click();     // "上一組"
    void SpeedButton6Click();     // "下一組"
    void cb_percentChange();      // the threshold box
    void rb_ball_sortClick();     // either order radio, "落球" or "順球"
    void SpeedButton4MouseMove(); // the pointer over the start button hides the print hint
    void printItemClick();        // popup "列印版路內容"
    void deleteItemClick();       // popup "刪除基準日參數記憶"

    void showPage();
    void setInputsEnabled(bool enabled);

    std::vector<std::string> rule_list;
    int rule_count = 0;
    int rule_percent = 0;
    BackgroundWorker worker_;
    bool closeAfterSearch_ = false;
    QString keyLabelFirstText_; // what the key label reads before any key is shown
    QPointer<QWidget> focusBeforeSearch_;
};
