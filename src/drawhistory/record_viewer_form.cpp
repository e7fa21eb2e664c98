#include "drawhistory/record_viewer_form.h"

#include <QAction>
#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/form_controls.h"
#include "platform/string_grid.h"

void RecordViewerForm::setupUi(QDialog& window) {
    window.setObjectName(QStringLiteral("Form_rk_lotto_record"));
    window.setWindowTitle(QStringLiteral("今彩 539"));
    window.resize(572, 417);
    window.setFont(MingFont(10));

    sgl = Named(new StringGrid(0, 1, &window), "sgl");
    sgl->SetColCount(7);
    sgl->SetRowCount(1);
    sgl->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont gridFont = MingFont();
    gridFont.setPixelSize(15);
    gridFont.setBold(true);
    sgl->setFont(gridFont);
    // The classic widths, widened where the font needs more room for a date or a heading.
    const QFontMetrics metrics(gridFont);
    const auto fit = [&](int width, const QString& sample) {
        return std::max(width, metrics.horizontalAdvance(sample) + 10);
    };
    sgl->SetColWidth(0, fit(81, QStringLiteral("0000/00/00")));
    sgl->SetColWidth(1, fit(54, QStringLiteral("000000")));
    for (int c = 2; c < 7; ++c)
        sgl->SetColWidth(c, fit(36, QStringLiteral("順一")));
    sgl->setStyleSheet(QStringLiteral("QTableView { color: navy; }"));
    sgl->setToolTip(QStringLiteral("按滑鼠右鍵列印開獎資料"));
    N1 = Named(new QAction(QStringLiteral("列印開獎資料"), &window), "N1");
    sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
    sgl->addAction(N1);

    SpeedButton3 = NewSpeedButton("SpeedButton3", QStringLiteral("順球順序"), &window);
    SpeedButton12 = NewSpeedButton("SpeedButton12", QStringLiteral("落球大小"), &window);
    SpeedButton13 = NewSpeedButton("SpeedButton13", QStringLiteral("列印開獎資料"), &window);
    SpeedButton10 = NewSpeedButton("SpeedButton10", QStringLiteral("?"), &window);
    SpeedButton10->setToolTip(QStringLiteral("說明"));
    lb_reclen = NewLabel("lb_reclen", QString(), &window);
    BitBtn2 = NewButton("BitBtn2", QStringLiteral("網路下載開獎資料"), &window);
    BitBtn3 = NewButton("BitBtn3", QStringLiteral("手動輸入開獎資料"), &window);
    BitBtn1 = NewButton("BitBtn1", QStringLiteral("關閉"), &window);

    auto* toolBar = new QHBoxLayout;
    toolBar->addWidget(SpeedButton3);
    toolBar->addWidget(SpeedButton12);
    toolBar->addSpacing(12);
    toolBar->addWidget(lb_reclen);
    toolBar->addStretch();
    toolBar->addWidget(SpeedButton13);
    toolBar->addWidget(SpeedButton10);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BitBtn3);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(toolBar);
    layout->addWidget(sgl, 1);
    layout->addLayout(bottom);
}
