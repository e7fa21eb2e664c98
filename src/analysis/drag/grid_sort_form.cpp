#include "analysis/drag/grid_sort_form.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

void GridSortForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_grid_sort"));
    window.setWindowTitle(QStringLiteral("版路拖牌排序顯示"));
    window.setFont(MingFont(9));
    window.resize(1016, 600);

    sgmap = new StringGrid(0, 1, &window);
    sgmap->setObjectName(QStringLiteral("sgmap"));
    sgmap->verticalHeader()->setDefaultSectionSize(17);
    sgmap->horizontalHeader()->setMinimumSectionSize(16);
    sgmap->horizontalHeader()->setDefaultSectionSize(24);
    sgmap->setContextMenuPolicy(Qt::NoContextMenu);
    Memo1 = NewMemo("Memo1", &window, LineWrap::NoWrap);
    Memo1->setVisible(false);

    N1 = new QAction(QStringLiteral("將本圖表資料存成文字檔案"), &window);
    N1->setObjectName(QStringLiteral("N1"));
    window.addAction(N1);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(sgmap);
}
