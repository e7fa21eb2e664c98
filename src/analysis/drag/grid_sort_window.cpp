#include "analysis/drag/grid_sort_window.h"

#include <QAction>
#include <QPlainTextEdit>

#include "analysis/drag/sorted_grid.h"
#include "draws/drag_handover.h"
#include "draws/draw_tables.h"
#include "platform/dialogs.h"
#include "platform/error_handler.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

TForm_rk_grid_sort::TForm_rk_grid_sort(const DrawTables& draws, const DragHandOver& drag, Services& services,
                                       QWidget* parent)
    : QDialog(parent), draws_(draws), drag_(drag), services_(services) {
    ui.setupUi(*this);
    connect(ui.N1, &QAction::triggered, this, Guarded(services_.dialogs, [this] { N1Click(); }));
}

void TForm_rk_grid_sort::show_grid_sort() {
    SortedDragGrid sorted = ::show_grid_sort(drag_, draws_.MaxNo);
    ui.sgmap->setTable(std::move(sorted.grid));
    ui.sgmap->SetColWidth(0, 80);
    ui.sgmap->SetColWidth(1, 56);
    SetMemoLines(*ui.Memo1, qsList(sorted.csvLines));
}

void TForm_rk_grid_sort::N1Click() {
    if (!SaveMemo(*ui.Memo1, services_.dialogs, MemoSaveRequest(MemoFileKind::Text)))
        return;
    services_.dialogs.messageDialog(QStringLiteral("本圖表數據已儲存為文字檔"), DialogKind::Information,
                                    DialogButtons::Ok);
}
