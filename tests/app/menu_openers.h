#pragma once

#include "platform/window_links.h"

// The windows a player reaches from the main window's menus, and the windows other windows open,
// for the tests that go through all of them.

struct MenuOpener {
    const char* menu;
    const char* item;
    const char* window;
    bool modeless;
    const char* pageControl = nullptr; // with the page it must open on
    const char* page = nullptr;
};

// One item a window page: a window that several items open on different pages comes once for each.
inline const MenuOpener MenuOpeners[] = {
    {"N1", "lt_record", "Form_rk_lotto_record", false},
    {"N1", "ftpip", "Form_rk_FtpServerIP", false},
    {"N2", "Varnholt", "Form_varnholt", false},
    {"menuDrag", "N3", "Form_rk_trace_single", true, "PageControl1", "TabSheet1"},
    {"menuDrag", "N12", "Form_rk_trace_single", true, "PageControl1", "TabSheet2"},
    {"menuDrag", "N14", "Form_rk_trace_single", true, "PageControl1", "TabSheet3"},
    {"menuDrag", "N15", "Form_rk_trace_single", true, "PageControl1", "TabSheet4"},
    {"menuDrag", "N19", "Form_rk_trace_single", true, "PageControl1", "TabSheet5"},
    {"menuDrag", "moving", "Form_rk_moving", false},
    {"menuDrag", "N41", "Form_rk_moving", true, "PageControl1", "TabSheet2"},
    {"menuDrag", "N59", "Form_rk_chart1", false},
    {"menuStatistics", "statistics", "Form_rk_statistics", false},
    {"menuStatistics", "stk_no_interval", "Form_rk_no_interval", false},
    {"menuStatistics", "gold12", "Form_rk_gold12", false},
    {"menuStatistics", "simulate", "Form_rk_simulate", false},
    {"menuFormulas", "stk_3xx", "Form_rk_ai2_stk_3xx", false},
    {"menuFormulas", "stk_T3xx", "Form_rk_ai2_stk_T3xx", false},
    {"menuFormulas", "NG_tail", "Form_rk_nogood", false},
    {"menuFormulas", "NG_group", "Form_rk_7star2_ng", false},
    {"menuFormulas", "linevalue", "Form_rk_6line_line", false},
    {"menuFormulas", "one3is", "Form_rk_6line_3is", false},
    {"menuFormulas", "one3is_2", "Form_rk_6line_3is_2", false},
};

struct AskedWindow {
    WindowId window;
    const char* name;
    bool modeless;
};

inline const AskedWindow AskedWindows[] = {
    {WindowId::Form_Download_TxT_from_http, "Form_Download_TxT_from_http", false},
    {WindowId::Form_RK_stk_txtfile, "Form_RK_stk_txtfile", false},
    {WindowId::Form_dateselect, "Form_dateselect", false},
    {WindowId::Form_rk_twoforone, "Form_rk_twoforone", false},
    {WindowId::Form_rk_threeforone, "Form_rk_threeforone", false},
    {WindowId::Form_rk_grid_sort, "Form_rk_grid_sort", true},
    {WindowId::Form_rk_no_analysis, "Form_rk_no_analysis", false},
    {WindowId::Form_rk_rule_define, "Form_rk_rule_define", false},
    {WindowId::Form_img_excel, "Form_img_excel", true},
    {WindowId::Form_rk_6line_3is, "Form_rk_6line_3is", false},
};
