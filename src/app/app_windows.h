#pragma once

#include <memory>

class QDialog;
class TForm_Download_TxT_from_http;
class TForm_RK_stk_txtfile;
class TForm_dateselect;
class TForm_dl_main;
class TForm_rk_no_interval;
class TForm_rk_simulate;
class TForm_rk_statistics;
class TForm_img_excel;
class TForm_rk_ai2_stk_3xx;
class TForm_rk_ai2_stk_T3xx;
class TForm_rk_6line_3is;
class TForm_rk_6line_3is_2;
class TForm_rk_6line_line;
class TForm_rk_7star2_ng;
class TForm_rk_FtpServerIP;
class TForm_rk_grid_sort;
class TForm_rk_chart1;
class TForm_rk_help;
class TForm_rk_gold12;
class TForm_rk_lotto_record;
class TForm_rk_main;
class TForm_rk_moving;
class TForm_rk_no_analysis;
class TForm_rk_rule_define;
class TForm_rk_threeforone;
class TForm_rk_trace_single;
class TForm_rk_twoforone;
class TForm_rk_nogood;
class TForm_varnholt;
class Trpt;

// Every window instance of the program, made by its row of the window table: at start-up in the
// table's order, or on first use by the operation that opens it. Top-level windows have no Qt
// parent: these pointers own them. Members go in reverse order, so the main window, which the
// others ask through their links, goes last.
struct AppWindows {
    AppWindows();
    ~AppWindows(); // where every window's type is known

    std::unique_ptr<TForm_rk_main> Form_rk_main;
    std::unique_ptr<TForm_rk_lotto_record> Form_rk_lotto_record;
    std::unique_ptr<TForm_rk_trace_single> Form_rk_trace_single;
    std::unique_ptr<TForm_rk_no_analysis> Form_rk_no_analysis;
    std::unique_ptr<TForm_rk_rule_define> Form_rk_rule_define;
    std::unique_ptr<TForm_rk_help> Form_rk_help;
    std::unique_ptr<TForm_rk_statistics> Form_rk_statistics;
    std::unique_ptr<TForm_dl_main> Form_dl_main;
    std::unique_ptr<QDialog> form_rk_dl_remark;
    std::unique_ptr<TForm_rk_grid_sort> Form_rk_grid_sort;
    std::unique_ptr<TForm_rk_twoforone> Form_rk_twoforone;
    std::unique_ptr<TForm_rk_threeforone> Form_rk_threeforone;
    std::unique_ptr<TForm_rk_simulate> Form_rk_simulate;
    std::unique_ptr<Trpt> rpt;
    std::unique_ptr<TForm_dateselect> Form_dateselect;
    std::unique_ptr<TForm_rk_FtpServerIP> Form_rk_FtpServerIP;
    std::unique_ptr<TForm_rk_chart1> Form_rk_chart1;
    std::unique_ptr<TForm_rk_moving> Form_rk_moving;
    std::unique_ptr<TForm_varnholt> Form_varnholt;
    std::unique_ptr<TForm_Download_TxT_from_http> Form_Download_TxT_from_http;

    // Created on first use.
    std::unique_ptr<TForm_RK_stk_txtfile> Form_RK_stk_txtfile;
    std::unique_ptr<TForm_rk_no_interval> Form_rk_no_interval;
    std::unique_ptr<TForm_img_excel> Form_img_excel;
    std::unique_ptr<TForm_rk_ai2_stk_3xx> Form_rk_ai2_stk_3xx;
    std::unique_ptr<TForm_rk_ai2_stk_T3xx> Form_rk_ai2_stk_T3xx;
    std::unique_ptr<TForm_rk_nogood> Form_rk_nogood;
    std::unique_ptr<TForm_rk_7star2_ng> Form_rk_7star2_ng;
    std::unique_ptr<TForm_rk_6line_line> Form_rk_6line_line;
    std::unique_ptr<TForm_rk_6line_3is> Form_rk_6line_3is;
    std::unique_ptr<TForm_rk_6line_3is_2> Form_rk_6line_3is_2;
    std::unique_ptr<TForm_rk_gold12> Form_rk_gold12;
};
