#include "app/application.h"

#include <QHostAddress>
#include <QImage>
#include <cstdlib>

#include "analysis/drag/chart1_window.h"
#include "analysis/drag/excel_guide_window.h"
#include "analysis/drag/grid_sort_window.h"
#include "analysis/drag/threeforone_window.h"
#include "analysis/drag/trace_single_window.h"
#include "analysis/drag/twoforone_window.h"
#include "analysis/gap_window.h"
#include "analysis/golden_window.h"
#include "analysis/paths/moving_window.h"
#include "analysis/paths/no_analysis_window.h"
#include "analysis/paths/rule_define_window.h"
#include "analysis/simulate_window.h"
#include "analysis/statistics/statistics_window.h"
#include "app/main_window.h"
#include "app/placeholder_form.h"
#include "app/rewritten_files.h"
#include "common/text_file.h"
#include "drawhistory/date_select_window.h"
#include "drawhistory/download_window.h"
#include "drawhistory/draw_editor_window.h"
#include "drawhistory/help_window.h"
#include "drawhistory/line_sync_window.h"
#include "drawhistory/record_viewer_window.h"
#include "drawhistory/server_address.h"
#include "drawhistory/server_address_window.h"
#include "draws/shared_tables.h"
#include "formulas/line_formula_window.h"
#include "formulas/nogood_group_window.h"
#include "formulas/nurture30_window.h"
#include "formulas/nurture50_window.h"
#include "formulas/stk_3xx_window.h"
#include "formulas/stk_t3xx_window.h"
#include "formulas/tail_formula_window.h"
#include "pillars/varnholt_window.h"
#include "platform/error_handler.h"
#include "platform/report_form.h"

namespace {

// The line-sync window listens on this UDP port of every interface from start-up to exit.
constexpr quint16 LineSyncPort = 6767;

std::unique_ptr<QDialog> placeholder(const char* name, const char* caption) {
    return std::make_unique<PlaceholderForm>(QString::fromUtf8(name), QString::fromUtf8(caption));
}

} // namespace

ServerUrls ServerUrlsFromEnvironment() {
    ServerUrls urls;
    if (const char* data = std::getenv("QORVEL_DATA_URL"); data && *data)
        urls.drawData = data;
    if (const char* ftp = std::getenv("QORVEL_FTP_URL"); ftp && *ftp)
        urls.chartUpload = ftp;
    return urls;
}

Application::Application(Services services, ServerUrls urls)
    : services_(services), urls_(std::move(urls)), tables_(std::make_unique<SharedTables>()) {
    createWindows();
}

Application::~Application() = default;

void Application::createWindows() {
    AppWindows& w = windows_;
    SharedTables& t = *tables_;
    w.Form_rk_main = std::make_unique<TForm_rk_main>(t, services_, windows_);
    WindowLinks& links = *w.Form_rk_main;
    w.Form_rk_lotto_record =
        std::make_unique<TForm_rk_lotto_record>(t.draws, t.work, t.records, t.download, services_, links);
    w.Form_rk_trace_single =
        std::make_unique<TForm_rk_trace_single>(t.draws, t.work, t.drag, services_, links);
    w.Form_rk_no_analysis =
        std::make_unique<TForm_rk_no_analysis>(t.draws, t.drag, t.rules, services_, links);
    w.Form_rk_rule_define = std::make_unique<TForm_rk_rule_define>(t.rules, services_);
    w.Form_rk_help = std::make_unique<TForm_rk_help>();
    w.Form_rk_statistics =
        std::make_unique<TForm_rk_statistics>(t.draws, services_, links, urls_.chartUpload);
    w.Form_dl_main =
        std::make_unique<TForm_dl_main>(services_, QHostAddress(QHostAddress::AnyIPv4), LineSyncPort);
    w.form_rk_dl_remark = placeholder("form_rk_dl_remark", "下載說明");
    w.Form_rk_grid_sort = std::make_unique<TForm_rk_grid_sort>(t.draws, t.drag, services_);
    w.Form_rk_twoforone = std::make_unique<TForm_rk_twoforone>(t.draws, t.drag, services_);
    w.Form_rk_threeforone = std::make_unique<TForm_rk_threeforone>(t.draws, t.drag, services_);
    w.Form_rk_simulate = std::make_unique<TForm_rk_simulate>(services_.dialogs);
    w.rpt = std::make_unique<Trpt>(services_.clock);
    w.rpt->QRImage2 = QImage(QStringLiteral(":/artwork/report_logo.jpg"));
    QObject::connect(w.Form_rk_statistics.get(), &TForm_rk_statistics::printLogoWanted, w.rpt.get(),
                     [&w] { w.rpt->QRImage2 = w.Form_rk_main->currentLogo().toImage(); });
    w.Form_dateselect = std::make_unique<TForm_dateselect>(t.draws, t.records, services_, links);
    w.Form_rk_FtpServerIP = std::make_unique<TForm_rk_FtpServerIP>(t.download, services_);
    w.Form_rk_chart1 = std::make_unique<TForm_rk_chart1>(t.draws, services_);
    w.Form_rk_chart1->setLogo(w.Form_rk_main->currentLogo());
    QObject::connect(w.Form_rk_main.get(), &TForm_rk_main::logoChanged, w.Form_rk_chart1.get(),
                     &TForm_rk_chart1::setLogo);
    w.Form_rk_moving = std::make_unique<TForm_rk_moving>(t.draws, t.work, services_, links);
    w.Form_varnholt = std::make_unique<TForm_varnholt>(t.draws, services_);
    w.Form_varnholt->setLogo(w.Form_rk_main->currentLogo());
    QObject::connect(w.Form_rk_main.get(), &TForm_rk_main::logoChanged, w.Form_varnholt.get(),
                     &TForm_varnholt::setLogo);
    w.Form_Download_TxT_from_http =
        std::make_unique<TForm_Download_TxT_from_http>(t.draws, services_, links, urls_.drawData);
}

void Application::start() {
    // A save cut short by a kill leaves its temporary file beside the file it was replacing.
    RemoveStaleTempFiles(RewrittenFiles());
    TForm_rk_main& main = *windows_.Form_rk_main;
    main.showMaximized();
    RunGuarded(services_.dialogs, [&main] { main.FormShow(); });
}
