#include "app/app_windows.h"

#include <QDialog>

#include "drawhistory/date_select_window.h"
#include "drawhistory/download_window.h"
#include "drawhistory/draw_editor_window.h"
#include "drawhistory/help_window.h"
#include "drawhistory/line_sync_window.h"
#include "drawhistory/main_window.h"
#include "drawhistory/record_viewer_window.h"
#include "drawhistory/server_address_window.h"
#include "pillars/varnholt_window.h"
#include "platform/report_form.h"

AppWindows::AppWindows() = default;

AppWindows::~AppWindows() {
    // Windows that the main window reaches go before it; the main window goes last.
    Form_RK_stk_txtfile.reset();
    Form_Download_TxT_from_http.reset();
    Form_varnholt.reset();
    Form_rk_moving.reset();
    Form_rk_chart1.reset();
    Form_rk_FtpServerIP.reset();
    Form_dateselect.reset();
    rpt.reset();
    Form_rk_simulate.reset();
    Form_rk_threeforone.reset();
    Form_rk_twoforone.reset();
    Form_rk_grid_sort.reset();
    form_rk_dl_remark.reset();
    Form_dl_main.reset();
    Form_rk_statistics.reset();
    Form_rk_help.reset();
    Form_rk_rule_define.reset();
    Form_rk_no_analysis.reset();
    Form_rk_trace_single.reset();
    Form_rk_lotto_record.reset();
    Form_rk_main.reset();
}
