// Number selection and the pillar layout of the best-pillar window.
#include "pillars/varnholt_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "common/date.h"
#include "common/num_text.h"
#include "draws/draw_tables.h"
#include "pillars/verification_report.h"
#include "platform/box_value.h"
#include "platform/dialogs.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "platform/string_grid.h"

namespace {

constexpr int SelectionLimit = 30;

// Ticked boxes are drawn red and bold, unticked ones in their own colour.
void markBox(QCheckBox* box, const QColor& untickedColour) {
    const bool ticked = box->isChecked();
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, ticked ? QColor(Qt::red) : untickedColour);
    box->setPalette(palette);
    QFont font = box->font();
    if (font.bold() != ticked) {
        font.setBold(ticked);
        box->setFont(font);
    }
}

void setBackground(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    // A disabled box still shows its text ("0"), greyed but readable on silver.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    control->setPalette(palette);
}

} // namespace

// ---- selection ----

void TForm_varnholt::CB01Click() {
    unit.SelCount = 0;
    for (int n = 1; n <= std::min(draws_.MaxNo, NumberBoxes); ++n) {
        markBox(ui.NoBox[n], Qt::blue);
        if (!ui.NoBox[n]->isChecked())
            continue;
        ++unit.SelCount;
        unit.SelNo[unit.SelCount] = NumText(n);
    }
    unit.SelText = SelectionText(selectedNumbers());
    writeSelectionLabels();
    if (unit.SelCount > SelectionLimit && !clearing_)
        services_.dialogs.messageDialog(QStringLiteral("您所選的號碼超過上限30個，請減少號碼"),
                                        DialogKind::Error, DialogButtons::Ok);
}

void TForm_varnholt::writeSelectionLabels() {
    ui.lb_selectNo->setText(QString::number(unit.SelCount));
    for (QLabel* numbers : {ui.Label6, ui.Label57, ui.Label41})
        numbers->setText(qs(unit.SelText));
    for (QLabel* count : {ui.Label28, ui.Label56, ui.Label42})
        count->setText(QStringLiteral("  共計 ") + QString::number(unit.SelCount) + QStringLiteral(" 個"));
}

void TForm_varnholt::Button7Click() {
    const int count = BoxInteger(*ui.cb9);
    Clear_CB();
    for (int r = 1; r <= count; ++r) {
        const QString shown = r <= 25 ? ui.sga1->Cells(r - 1, 0) : ui.sga2->Cells(r - 26, 0);
        const int n = StrToInt(ss(shown));
        if (ui.NoBox.contains(n))
            ui.NoBox[n]->setChecked(true);
    }
    CB_SelectChange();
}

void TForm_varnholt::Clear_CB() {
    // Emptying the selection is no reason to warn about its size on the way down.
    clearing_ = true;
    for (int n = 1; n <= NumberBoxes; ++n)
        ui.NoBox[n]->setChecked(false);
    for (int d = 0; d <= 9; ++d)
        ui.TailBox[d]->setChecked(false);
    for (int h = 0; h <= 4; ++h)
        ui.HeadBox[h]->setChecked(false);
    clearing_ = false;
}

void TForm_varnholt::Button8Click() {
    Clear_CB();
}

void TForm_varnholt::CBT1Click() {
    const int maxNo = std::min(draws_.MaxNo, NumberBoxes);
    for (int d = 0; d <= 9; ++d) {
        const bool ticked = ui.TailBox[d]->isChecked();
        markBox(ui.TailBox[d], Qt::black);
        for (int n = d; n <= maxNo; n += 10)
            if (n >= 1)
                ui.NoBox[n]->setChecked(ticked);
    }
    for (int h = 0; h <= std::min(maxNo / 10, 4); ++h)
        if (ui.HeadBox[h]->isChecked())
            for (int n = std::max(10 * h, 1); n <= std::min(10 * h + 9, maxNo); ++n)
                ui.NoBox[n]->setChecked(true);
}

void TForm_varnholt::CBH0Click() {
    const int maxNo = std::min(draws_.MaxNo, NumberBoxes);
    for (int h = 0; h <= 4; ++h) {
        const bool ticked = ui.HeadBox[h]->isChecked();
        markBox(ui.HeadBox[h], Qt::black);
        for (int n = std::max(10 * h, 1); n <= std::min(10 * h + 9, maxNo); ++n)
            ui.NoBox[n]->setChecked(ticked);
    }
    for (int d = 0; d <= 9; ++d)
        if (ui.TailBox[d]->isChecked())
            for (int n = d; n <= maxNo; n += 10)
                if (n >= 1)
                    ui.NoBox[n]->setChecked(true);
}

// ---- pillar layout ----

void TForm_varnholt::enablePillars(int count) {
    for (int p = 1; p <= MaxPillars; ++p) {
        const bool enabled = p <= count;
        const QColor colour = enabled ? QColor(255, 255, 255) : QColor(192, 192, 192);
        for (QWidget* control : std::initializer_list<QWidget*>{ui.SizeBox[p], ui.PillarMemo[p]}) {
            control->setEnabled(enabled);
            setBackground(control, colour);
        }
    }
}

void TForm_varnholt::CB_SelectChange() {
    const int count = BoxInteger(*ui.CB_Select);
    if (count < 1 || count > MaxPillars) {
        ui.CB_Select->setCurrentText(QString::number(unit.PillarCount));
        return refuse(QStringLiteral("柱數必須是1到8柱，請重新選擇"));
    }
    unit.PillarCount = count;
    enablePillars(count);
    for (int p = count + 1; p <= MaxPillars; ++p)
        ui.SizeBox[p]->setCurrentText(QStringLiteral("0"));
    ComboBox1Change();
}

void TForm_varnholt::ComboBox1Change() {
    std::array<int, MaxPillars> sizes{};
    for (int p = 1; p <= MaxPillars; ++p)
        sizes[static_cast<std::size_t>(p - 1)] = BoxInteger(*ui.SizeBox[p]);
    for (int p = 1; p <= MaxPillars; ++p) {
        if (sizes[static_cast<std::size_t>(p - 1)] < 0 ||
            sizes[static_cast<std::size_t>(p - 1)] > PillarSlots) {
            ui.SizeBox[p]->setCurrentText(QString::number(unit.PillarSize[p]));
            return refuse(QStringLiteral("每一柱的號碼數必須是0到8支，請重新選擇"));
        }
    }
    unit.LayoutTotal = 0;
    for (int p = 1; p <= MaxPillars; ++p) {
        unit.PillarSize[p] = sizes[static_cast<std::size_t>(p - 1)];
        unit.LayoutTotal += unit.PillarSize[p];
    }
    ui.lb_NOTT->setText(QStringLiteral("您立柱所有的號碼數為：") + QString::number(unit.LayoutTotal) +
                        QStringLiteral("  請留意！必須和您上面所選的數目相同"));
    const StarCounts cost = ElementaryStars(sizes);
    unit.CostStar2 = cost.star2;
    unit.CostStar3 = cost.star3;
    unit.CostStar4 = cost.star4;
    ui.lb_pon2->setText(QStringLiteral("二星= ") + QString::number(cost.star2) + QStringLiteral(" 碰"));
    ui.lb_pon3->setText(QStringLiteral("三星= ") + QString::number(cost.star3) + QStringLiteral(" 碰"));
    ui.lb_pon4->setText(QStringLiteral("四星= ") + QString::number(cost.star4) + QStringLiteral(" 碰"));
    ui.lb_tot->setText(QStringLiteral("共= ") + QString::number(cost.star2 + cost.star3 + cost.star4) +
                       QStringLiteral(" 碰"));
}

PillarNumbers TForm_varnholt::pillarMemoNumbers() const {
    PillarNumbers pillars;
    for (int p = 1; p <= std::clamp(unit.PillarCount, 0, MaxPillars); ++p) {
        QStringList lines = MemoLines(*ui.PillarMemo[p]);
        // A pillar holds at most eight numbers; lines beyond are not read.
        while (lines.size() > PillarSlots)
            lines.removeLast();
        pillars.push_back(ssList(lines));
    }
    return pillars;
}
