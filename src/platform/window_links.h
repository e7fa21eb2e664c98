#pragma once

#include <QString>
#include <QStringList>

struct DrawReadResult;

// The program's window instances, by the name of the instance. Windows ask for another window by
// this id; the application's window table knows how each is made and shown.
enum class WindowId {
    Form_rk_main,
    Form_rk_lotto_record,
    Form_rk_trace_single,
    Form_rk_no_analysis,
    Form_rk_rule_define,
    Form_rk_help,
    Form_rk_statistics,
    Form_dl_main,
    form_rk_dl_remark,
    Form_rk_grid_sort,
    Form_rk_twoforone,
    Form_rk_threeforone,
    Form_rk_simulate,
    rpt,
    Form_dateselect,
    Form_rk_FtpServerIP,
    Form_rk_chart1,
    Form_rk_moving,
    Form_varnholt,
    Form_Download_TxT_from_http,
    Form_RK_stk_txtfile,
    Form_rk_no_interval,
    Form_img_excel,
    Form_rk_ai2_stk_3xx,
    Form_rk_ai2_stk_T3xx,
    Form_rk_nogood,
    Form_rk_7star2_ng,
    Form_rk_6line_line,
    Form_rk_6line_3is,
    Form_rk_6line_3is_2,
    Form_rk_gold12,
};

// What a window may ask of the application's shell. Windows never reach each other: they ask
// here, and the shell does it as the main window would.
class WindowLinks {
public:
    virtual ~WindowLinks() = default;

    // Shows a help text file in the help viewer, or says that it is missing.
    virtual void show_memo(const QString& fileName) = 0;
    // Prints lines through the report form, with preview.
    virtual void show_memo_rpt(const QStringList& lines) = 0;
    // The report form's line size from now on (points).
    virtual void setReportFontSize(int points) = 0;
    // The main window's full load. False when the read stopped at a line it reported as bad.
    virtual bool reloadHistory() = 0;
    // Rereads the draw file keeping the path rules, the draws newest first in the record viewer.
    virtual void rereadHistory() = 0;
    // The same reread for a draw file already read off the GUI thread (ReadDrawFileLines): only
    // the hand-over of its at most MaxDraws lines runs here.
    virtual void adoptHistory(DrawReadResult read) = 0;
    // Opens that window as its opener does (created on first use).
    virtual void open(WindowId window) = 0;
};
