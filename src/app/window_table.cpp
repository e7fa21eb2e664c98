#include "app/window_table.h"

#include <QDialog>
#include <QHostAddress>
#include <QImage>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeindex>

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
#include "app/download_hints_window.h"
#include "app/main_window.h"
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
    std::type_index type; // of the window it makes
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

TForm_rk_main& MainWindow(const WindowContext& c) {
    return *c.windows.get<TForm_rk_main>();
}

WindowLinks& Links(const WindowContext& c) {
    return MainWindow(c);
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

// A row for the window `make` makes; `prepare` runs on each showing, before it.
template <class Make, class Prepare = NothingFirst>
WindowRow Row(WindowId id, Made made, Showing showing, Make make, Prepare prepare = {}) {
    using Window = typename std::invoke_result_t<Make, const WindowContext&>::element_type;
    const auto made_ = [id, make](const WindowContext& c) -> Window& {
        if (QObject* window = c.windows.find(id))
            return static_cast<Window&>(*window);
        std::unique_ptr<Window> window = make(c);
        Window& kept = *window;
        c.windows.keep(id, std::move(window));
        return kept;
    };
    return {id,
            typeid(Window),
            made,
            showing,
            [made_](const WindowContext& c) { made_(c); },
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
template <class Window> std::unique_ptr<Window> LogoWindow(const WindowContext& c) {
    auto window = std::make_unique<Window>(c.tables.draws, c.services);
    TForm_rk_main& main = MainWindow(c);
    window->setLogo(main.currentLogo());
    QObject::connect(&main, &TForm_rk_main::logoChanged, window.get(), &Window::setLogo);
    return window;
}

// The start-up windows first, in the order they are made.
std::vector<WindowRow> MakeRows() {
    using Id = WindowId;
    return {
        Row(Id::Form_rk_main, AtStartUp, Never, [](auto& c) { return std::make_unique<TForm_rk_main>(c); }),
        Row(Id::Form_rk_lotto_record, AtStartUp, Modal,
            [](auto& c) {
                SharedTables& t = c.tables;
                return std::make_unique<TForm_rk_lotto_record>(t.draws, t.work, t.records, t.download,
                                                               c.services, Links(c));
            }),
        Row(
            Id::Form_rk_trace_single, AtStartUp, Modeless,
            [](auto& c) {
                return std::make_unique<TForm_rk_trace_single>(c.tables.draws, c.tables.work, c.tables.drag,
                                                               c.services, Links(c));
            },
            [](auto& drag, auto&) { drag.setWindowState(drag.windowState() | Qt::WindowMaximized); }),
        Row(Id::Form_rk_no_analysis, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_no_analysis>(c.tables.draws, c.tables.drag, c.tables.rules,
                                                              c.services, Links(c));
            }),
        Row(Id::Form_rk_rule_define, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_rule_define>(c.tables.rules, c.services); }),
        Row(Id::Form_rk_help, AtStartUp, Modal, [](auto&) { return std::make_unique<TForm_rk_help>(); }),
        Row(Id::Form_rk_statistics, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_statistics>(c.tables.draws, c.services, Links(c),
                                                             c.urls.chartUpload);
            }),
        Row(Id::Form_dl_main, AtStartUp, Never,
            [](auto& c) {
                return std::make_unique<TForm_dl_main>(c.services, QHostAddress(QHostAddress::AnyIPv4),
                                                       LineSyncPort);
            }),
        Row(Id::form_rk_dl_remark, AtStartUp, Never,
            [](auto&) { return std::make_unique<TForm_rk_dl_remark>(); }),
        Row(
            Id::Form_rk_grid_sort, AtStartUp, Modeless,
            [](auto& c) {
                return std::make_unique<TForm_rk_grid_sort>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& grid, auto&) { grid.show_grid_sort(); }),
        Row(
            Id::Form_rk_twoforone, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_twoforone>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& group, auto&) { group.get_twoforone(); }),
        Row(
            Id::Form_rk_threeforone, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_threeforone>(c.tables.draws, c.tables.drag, c.services);
            },
            [](auto& group, auto&) { group.get_threeforone(); }),
        Row(Id::Form_rk_simulate, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_simulate>(c.services.dialogs); }),
        Row(Id::rpt, AtStartUp, Never,
            [](const WindowContext& c) {
                auto report = std::make_unique<Trpt>(c.services.clock);
                report->QRImage2 = QImage(QStringLiteral(":/artwork/report_logo.jpg"));
                // The statistics print carries the current game's logo.
                QObject::connect(c.windows.get<TForm_rk_statistics>(), &TForm_rk_statistics::printLogoWanted,
                                 report.get(), [&report = *report, &main = MainWindow(c)] {
                                     report.QRImage2 = main.currentLogo().toImage();
                                 });
                return report;
            }),
        Row(Id::Form_dateselect, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_dateselect>(c.tables.draws, c.tables.records, c.services,
                                                          Links(c));
            }),
        Row(Id::Form_rk_FtpServerIP, AtStartUp, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_FtpServerIP>(c.tables.download, c.services); }),
        Row(Id::Form_rk_chart1, AtStartUp, Modal, LogoWindow<TForm_rk_chart1>),
        Row(Id::Form_rk_moving, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_rk_moving>(c.tables.draws, c.tables.work, c.services, Links(c));
            }),
        Row(Id::Form_varnholt, AtStartUp, Modal, LogoWindow<TForm_varnholt>),
        Row(Id::Form_Download_TxT_from_http, AtStartUp, Modal,
            [](auto& c) {
                return std::make_unique<TForm_Download_TxT_from_http>(c.tables.draws, c.services, Links(c),
                                                                      c.urls.drawData);
            }),

        Row(
            Id::Form_RK_stk_txtfile, OnFirstUse, Modal,
            [](auto& c) {
                return std::make_unique<TForm_RK_stk_txtfile>(c.tables.draws, c.services, Links(c));
            },
            [](auto& editor, const WindowContext& c) { editor.loadDrawFile(MainWindow(c).currentLogo()); }),
        Row(Id::Form_rk_no_interval, OnFirstUse, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_no_interval>(c.tables.draws, c.services); }),
        Row(Id::Form_img_excel, OnFirstUse, Modeless,
            [](auto&) { return std::make_unique<TForm_img_excel>(); }),
        Row(Id::Form_rk_ai2_stk_3xx, OnFirstUse, Modal, FormulaWindow<TForm_rk_ai2_stk_3xx>),
        Row(Id::Form_rk_ai2_stk_T3xx, OnFirstUse, Modal, FormulaWindow<TForm_rk_ai2_stk_T3xx>),
        Row(Id::Form_rk_nogood, OnFirstUse, Modal, FormulaWindow<TForm_rk_nogood>),
        Row(Id::Form_rk_7star2_ng, OnFirstUse, Modal, FormulaWindow<TForm_rk_7star2_ng>),
        Row(Id::Form_rk_6line_line, OnFirstUse, Modal, FormulaWindow<TForm_rk_6line_line>),
        Row(Id::Form_rk_6line_3is, OnFirstUse, Modal, FormulaWindow<TForm_rk_6line_3is>),
        Row(Id::Form_rk_6line_3is_2, OnFirstUse, Modal, FormulaWindow<TForm_rk_6line_3is_2>),
        Row(Id::Form_rk_gold12, OnFirstUse, Modal,
            [](auto& c) { return std::make_unique<TForm_rk_gold12>(c.tables.draws, c.services); }),
    };
}

const std::vector<WindowRow>& WindowRows() {
    static const std::vector<WindowRow> rows = [] {
        std::vector<WindowRow> made = MakeRows();
        // A window is found by its type: each type has one row.
        for (auto row = made.begin(); row != made.end(); ++row)
            for (auto other = made.begin(); other != row; ++other)
                if (other->id == row->id || other->type == row->type)
                    throw std::logic_error("two rows for window " +
                                           std::to_string(static_cast<int>(row->id)));
        return made;
    }();
    return rows;
}

// A page of the drag or moving window, shown modeless.
constexpr Showing Page(int page) {
    return {Show::Modeless, page};
}

} // namespace

WindowId WindowIdOf(const std::type_info& type) {
    for (const WindowRow& row : WindowRows())
        if (row.type == std::type_index(type))
            return row.id;
    throw std::logic_error(std::string("no row for window type ") + type.name());
}

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
