#include "app/window_table.h"

#include <QDialog>
#include <QHostAddress>
#include <QImage>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

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
#include "app/app_windows.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/placeholder_form.h"
#include "drawhistory/date_select_window.h"
#include "drawhistory/download_window.h"
#include "drawhistory/draw_editor_window.h"
#include "drawhistory/help_window.h"
#include "drawhistory/line_sync_window.h"
#include "drawhistory/record_viewer_window.h"
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
#include "platform/report_form.h"
#include "platform/services.h"
#include "platform/window_shower.h"

namespace {

// One row per window: made at start-up (in the table's order) or on first use, and how its
// openers show it.
enum class Made { AtStartUp, OnFirstUse };
struct WindowRow {
    WindowId id;
    Made made;
    Showing showing;
    std::function<void(const WindowContext&)> make;          // unless made already
    std::function<void(const WindowContext&, Showing)> show; // makes it first when needed
};

// The line-sync window listens on this UDP port of every interface from start-up to exit.
constexpr quint16 LineSyncPort = 6767;

constexpr Made AtStartUp = Made::AtStartUp;
constexpr Made OnFirstUse = Made::OnFirstUse;
constexpr Showing Modal{Show::Modal};
constexpr Showing Modeless{Show::Modeless};
constexpr Showing Never{Show::Never};

template <auto Slot>
using WindowOf = typename std::remove_cvref_t<decltype(std::declval<AppWindows&>().*Slot)>::element_type;

WindowLinks& Links(const WindowContext& c) {
    return *c.windows.Form_rk_main;
}

template <class Window> void TurnToPage(Window& window, int page) {
    if (page == PageAsLeft)
        return;
    if constexpr (requires { window.showPage(page); })
        window.showPage(page);
    else
        throw std::logic_error("a window without pages asked to open on a page");
}

template <class Window> void ShowWindow(Window& window, Showing showing, WindowShower& shower) {
    if constexpr (std::is_base_of_v<QWidget, Window>) {
        if (showing.how == Show::Modeless) {
            shower.showModeless(window);
            TurnToPage(window, showing.page);
            return;
        }
        if constexpr (std::is_base_of_v<QDialog, Window>) {
            if (showing.how == Show::Modal) {
                TurnToPage(window, showing.page);
                shower.showModal(window);
                return;
            }
        }
    }
    throw std::logic_error("a window asked to show in a way it is not shown: " +
                           window.objectName().toStdString());
}

struct NothingFirst {
    void operator()(auto&, const WindowContext&) const {}
};

// A row over the window's slot in AppWindows; `prepare` runs on each showing, before it.
template <auto Slot, class Make, class Prepare = NothingFirst>
WindowRow Row(WindowId id, Made made, Showing showing, Make make, Prepare prepare = {}) {
    using Window = WindowOf<Slot>;
    const auto made_ = [make](const WindowContext& c) -> Window& {
        auto& slot = c.windows.*Slot;
        if (!slot)
            slot = make(c);
        return *slot;
    };
    return {id, made, showing, [made_](const WindowContext& c) { made_(c); },
            [made_, prepare](const WindowContext& c, Showing how) {
                Window& window = made_(c);
                prepare(window, c);
                ShowWindow(window, how, c.services.shower);
            }};
}

// The formula windows share one way of being made.
template <class Window> std::unique_ptr<Window> FormulaWindow(const WindowContext& c) {
    return std::make_unique<Window>(c.tables.draws, c.tables.work, c.services, Links(c));
}

// Windows that show the current game's logo follow the main window's game switch.
template <class Window> void FollowLogo(Window& window, const WindowContext& c) {
    TForm_rk_main& main = *c.windows.Form_rk_main;
    window.setLogo(main.currentLogo());
    QObject::connect(&main, &TForm_rk_main::logoChanged, &window, &Window::setLogo);
}

// The start-up windows first, in the order they are made.
std::vector<WindowRow> MakeRows() {
    using W = AppWindows;
    using Id = WindowId;
    return {
        Row<&W::Form_rk_main>(Id::Form_rk_main, AtStartUp, Never,
                              [](auto& c) { return std::make_unique<TForm_rk_main>(c); }),
        Row<&W::Form_rk_lotto_record>(Id::Form_rk_lotto_record, AtStartUp, Modal,
                                      [](auto& c) {
                                          SharedTables& t = c.tables;
                                          return std::make_unique<TForm_rk_lotto_record>(
                                              t.draws, t.work, t.records, t.download, c.services, Links(c));
                                      }),
        Row<&W::Form_rk_trace_single>(
            Id::Form_rk_trace_single, AtStartUp, Modeless,
            [](auto& c) {
                return std::make_unique<TForm_rk_trace_single>(c.tables.draws, c.tables.work, c.tables.drag,
                                                               c.services, Links(c));
            },
            [](auto& drag, auto&) { drag.setWindowState(drag.windowState() | Qt::WindowMaximized); }),
        Row<&W::Form_rk_no_analysis>(Id::Form_rk_no_analysis, AtStartUp, Modal,
                                     [](auto& c) {
                                         return std::make_unique<TForm_rk_no_analysis>(
                                             c.tables.draws, c.tables.drag, c.tables.rules, c.services,
                                             Links(c));
                                     }),
        Row<&W::Form_rk_rule_define>(
            Id::Form_rk_rule_define, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_rule_define>(c.tables.rules, c.services); }),
        Row<&W::Form_rk_help>(Id::Form_rk_help, AtStartUp, Modal,
                              [](auto&) { return std::make_unique<TForm_rk_help>(); }),
        Row<&W::Form_rk_statistics>(Id::Form_rk_statistics, AtStartUp, Modal,
                                    [](auto& c) {
                                        return std::make_unique<TForm_rk_statistics>(
                                            c.tables.draws, c.services, Links(c), c.urls.chartUpload);
                                    }),
        Row<&W::Form_dl_main>(Id::Form_dl_main, AtStartUp, Never,
                              [](auto& c) {
                                  return std::make_unique<TForm_dl_main>(
                                      c.services, QHostAddress(QHostAddress::AnyIPv4), LineSyncPort);
                              }),
        Row<&W::form_rk_dl_remark>(Id::form_rk_dl_remark, AtStartUp, Never,
                                   [](auto&) {
                                       return std::make_unique<PlaceholderForm>(
                                           QStringLiteral("form_rk_dl_remark"), QStringLiteral("下載說明"));
                                   }),
        Row<&W::Form_rk_grid_sort>(
            Id::Form_rk_grid_sort, AtStartUp, Modeless,
            [](auto& c) {
                return std::make_unique<TForm_rk_grid_sort>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& grid, auto&) { grid.show_grid_sort(); }),
        Row<&W::Form_rk_twoforone>(
            Id::Form_rk_twoforone, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_twoforone>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& group, auto&) { group.get_twoforone(); }),
        Row<&W::Form_rk_threeforone>(
            Id::Form_rk_threeforone, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_threeforone>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& group, auto&) { group.get_threeforone(); }),
        Row<&W::Form_rk_simulate>(
            Id::Form_rk_simulate, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_simulate>(c.services.dialogs); }),
        Row<&W::rpt>(Id::rpt, AtStartUp, Never,
                     [](const WindowContext& c) {
                         auto report = std::make_unique<Trpt>(c.services.clock);
                         report->QRImage2 = QImage(QStringLiteral(":/artwork/report_logo.jpg"));
                         // The statistics print carries the current game's logo.
                         QObject::connect(
                             c.windows.Form_rk_statistics.get(), &TForm_rk_statistics::printLogoWanted,
                             report.get(),
                             [&w = c.windows] { w.rpt->QRImage2 = w.Form_rk_main->currentLogo().toImage(); });
                         return report;
                     }),
        Row<&W::Form_dateselect>(Id::Form_dateselect, AtStartUp, Modal,
                                 [](auto& c) {
                                     return std::make_unique<TForm_dateselect>(
                                         c.tables.draws, c.tables.records, c.services, Links(c));
                                 }),
        Row<&W::Form_rk_FtpServerIP>(
            Id::Form_rk_FtpServerIP, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_FtpServerIP>(c.tables.download, c.services); }),
        Row<&W::Form_rk_chart1>(Id::Form_rk_chart1, AtStartUp, Modal,
                                [](const WindowContext& c) {
                                    auto chart =
                                        std::make_unique<TForm_rk_chart1>(c.tables.draws, c.services);
                                    FollowLogo(*chart, c);
                                    return chart;
                                }),
        Row<&W::Form_rk_moving>(Id::Form_rk_moving, AtStartUp, Modal,
                                [](auto& c) {
                                    return std::make_unique<TForm_rk_moving>(c.tables.draws, c.tables.work,
                                                                             c.services, Links(c));
                                }),
        Row<&W::Form_varnholt>(Id::Form_varnholt, AtStartUp, Modal,
                               [](const WindowContext& c) {
                                   auto varnholt =
                                       std::make_unique<TForm_varnholt>(c.tables.draws, c.services);
                                   FollowLogo(*varnholt, c);
                                   return varnholt;
                               }),
        Row<&W::Form_Download_TxT_from_http>(Id::Form_Download_TxT_from_http, AtStartUp, Modal,
                                             [](auto& c) {
                                                 return std::make_unique<TForm_Download_TxT_from_http>(
                                                     c.tables.draws, c.services, Links(c), c.urls.drawData);
                                             }),

        Row<&W::Form_RK_stk_txtfile>(
            Id::Form_RK_stk_txtfile, OnFirstUse, Modal,
            [](auto& c) {
                return std::make_unique<TForm_RK_stk_txtfile>(c.tables.draws, c.services, Links(c));
            },
            [](auto& editor, const WindowContext& c) {
                editor.loadDrawFile(c.windows.Form_rk_main->currentLogo());
            }),
        Row<&W::Form_rk_no_interval>(
            Id::Form_rk_no_interval, OnFirstUse, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_no_interval>(c.tables.draws, c.services); }),
        Row<&W::Form_img_excel>(Id::Form_img_excel, OnFirstUse, Modeless,
                                [](auto&) { return std::make_unique<TForm_img_excel>(); }),
        Row<&W::Form_rk_ai2_stk_3xx>(Id::Form_rk_ai2_stk_3xx, OnFirstUse, Modal,
                                     FormulaWindow<TForm_rk_ai2_stk_3xx>),
        Row<&W::Form_rk_ai2_stk_T3xx>(Id::Form_rk_ai2_stk_T3xx, OnFirstUse, Modal,
                                      FormulaWindow<TForm_rk_ai2_stk_T3xx>),
        Row<&W::Form_rk_nogood>(Id::Form_rk_nogood, OnFirstUse, Modal, FormulaWindow<TForm_rk_nogood>),
        Row<&W::Form_rk_7star2_ng>(Id::Form_rk_7star2_ng, OnFirstUse, Modal,
                                   FormulaWindow<TForm_rk_7star2_ng>),
        Row<&W::Form_rk_6line_line>(Id::Form_rk_6line_line, OnFirstUse, Modal,
                                    FormulaWindow<TForm_rk_6line_line>),
        Row<&W::Form_rk_6line_3is>(Id::Form_rk_6line_3is, OnFirstUse, Modal,
                                   FormulaWindow<TForm_rk_6line_3is>),
        Row<&W::Form_rk_6line_3is_2>(Id::Form_rk_6line_3is_2, OnFirstUse, Modal,
                                     FormulaWindow<TForm_rk_6line_3is_2>),
        Row<&W::Form_rk_gold12>(
            Id::Form_rk_gold12, OnFirstUse, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_gold12>(c.tables.draws, c.services); }),
    };
}

const std::vector<WindowRow>& WindowRows() {
    static const std::vector<WindowRow> rows = MakeRows();
    return rows;
}

// A page of the drag or moving window, shown modeless.
constexpr Showing Page(int page) {
    return {Show::Modeless, page};
}

} // namespace

AppWindows::AppWindows() = default;
AppWindows::~AppWindows() = default;

const std::vector<MenuItem>& MenuItems() {
    using Id = WindowId;
    static const std::vector<MenuItem> items = {
        {"N1", "lt_record", "開獎紀錄", Id::Form_rk_lotto_record, {}, Qt::Key_F2},
        {"N1", "ftpip", "資料伺服器位址設定", Id::Form_rk_FtpServerIP},
        {"N2", "Varnholt", "最佳Qorvel操作", Id::Form_varnholt},
        {"menuStatistics", "statistics", "統計資料", Id::Form_rk_statistics},
        {"menuStatistics", "stk_no_interval", "號碼開出間隔分析", Id::Form_rk_no_interval},
        {"menuStatistics", "gold12", "黃金組合", Id::Form_rk_gold12},
        {"menuStatistics", "simulate", "模擬開獎", Id::Form_rk_simulate},
        {"menuDrag", "N3", "不定位單支拖牌", Id::Form_rk_trace_single, Page(0)},
        {"menuDrag", "N12", "不定位雙星拖牌", Id::Form_rk_trace_single, Page(1)},
        {"menuDrag", "N14", "大小定位拖牌", Id::Form_rk_trace_single, Page(3)},
        {"menuDrag", "N15", "落球定位拖牌", Id::Form_rk_trace_single, Page(4)},
        {"menuDrag", "N19", "大小加減版路", Id::Form_rk_trace_single, Page(5)},
        {"menuDrag", "moving", "移動式版路(三期內養牌)", Id::Form_rk_moving},
        {"menuDrag", "N41", "平均數加減法", Id::Form_rk_moving, Page(1)},
        {"menuDrag", "N59", "拖牌匯總統計圖", Id::Form_rk_chart1},
        {"menuFormulas", "stk_3xx", "雙連拖定位獨支", Id::Form_rk_ai2_stk_3xx},
        {"menuFormulas", "stk_T3xx", "雙連拖統計尾數 ", Id::Form_rk_ai2_stk_T3xx},
        {"menuFormulas", "NG_tail", "不出尾數版路", Id::Form_rk_nogood},
        {"menuFormulas", "NG_group", "不出牌組(2006.07.10修訂)", Id::Form_rk_7star2_ng},
        {"menuFormulas", "linevalue", "簡單數值公式", Id::Form_rk_6line_line},
        {"menuFormulas", "one3is", "獨支三期養牌(50期驗證)", Id::Form_rk_6line_3is},
        {"menuFormulas", "one3is_2", "獨支三期養牌(30期驗證)2006.07.10", Id::Form_rk_6line_3is_2},
    };
    return items;
}

void WindowOpener::makeStartUpWindows() {
    for (const WindowRow& row : WindowRows())
        if (row.made == Made::AtStartUp)
            row.make(context_);
}

void WindowOpener::open(WindowId window, std::optional<Showing> showing) {
    for (const WindowRow& row : WindowRows())
        if (row.id == window)
            return row.show(context_, showing.value_or(row.showing));
    throw std::logic_error("no row for window " + std::to_string(static_cast<int>(window)));
}
