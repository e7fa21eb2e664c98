// The verification reports of the best-pillar window, and the clear, copy and save buttons of its
// memos.
#include "pillars/varnholt_window.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <algorithm>

#include "pillars/verification_report.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/memo_lines.h"
#include "platform/memo_output.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

constexpr int WheelMin = 2;  // the full wheel needs a pair at least
constexpr int WheelMax = 30; // the selection page's limit

} // namespace

std::vector<std::string> TForm_varnholt::selectedNumbers() const {
    std::vector<std::string> numbers;
    for (int i = 1; i <= std::clamp(unit.SelCount, 0, NumberBoxes); ++i)
        numbers.push_back(unit.SelNo[i]);
    return numbers;
}

// ---- reports ----

void TForm_varnholt::verifyLayout() {
    // The hit count reads as many slots of a pillar as its memo shows lines; the summary lists as
    // many as its size box says.
    PillarNumbers pillars;
    std::vector<int> sizes;
    for (int p = 1; p <= std::clamp(unit.PillarCount, 0, MaxPillars); ++p) {
        const int shown = std::min(static_cast<int>(MemoLines(*ui.PillarMemo[p]).size()), PillarSlots);
        std::vector<std::string>& pillar = pillars.emplace_back();
        for (int s = 1; s <= shown; ++s)
            pillar.push_back(unit.PillarNo[p][s]);
        sizes.push_back(unit.PillarSize[p]);
    }
    const VerificationReport report = PillarVerification(ssList(MemoLines(*ui.Memo2)), drawMemoLines().size(),
                                                         pillars, sizes, unit.WindowHeader);
    unit.HitStar2 = report.hits.star2;
    unit.HitStar3 = report.hits.star3;
    unit.HitStar4 = report.hits.star4;
    SetMemoLines(*ui.Memo2, qsList(report.lines));
    ShowOwnPage(*ui.PageC, ui.TS6);
}

void TForm_varnholt::Button27Click() {
    if (!clearAndRelist(ui.Memo2))
        return;
    const PillarNumbers typed = pillarMemoNumbers();
    for (std::size_t p = 0; p < typed.size(); ++p)
        for (std::size_t s = 0; s < typed[p].size(); ++s)
            unit.PillarNo[static_cast<int>(p) + 1][static_cast<int>(s) + 1] = typed[p][s];
    verifyLayout();
}

void TForm_varnholt::Button9Click() {
    if (unit.SelCount < WheelMin || unit.SelCount > WheelMax) {
        refuse(QStringLiteral("本分析所選的號碼必須是2-30個，請重新選擇後再操作本功能"));
        ShowOwnPage(*ui.PageC, ui.TS4);
        return;
    }
    const VerificationReport report =
        WheelVerification(drawMemoLines(), ssList(MemoLines(*ui.Memo3)), selectedNumbers(),
                          ui.cb_detail->isChecked(), unit.WindowHeader);
    unit.WheelStar2 = report.hits.star2;
    unit.WheelStar3 = report.hits.star3;
    unit.WheelStar4 = report.hits.star4;
    SetMemoLines(*ui.Memo3, qsList(report.lines));
}

// ---- memo output ----

bool TForm_varnholt::clearAndRelist(QPlainTextEdit* memo) {
    memo->clear();
    return rerunQuery();
}

void TForm_varnholt::saveMemo(QPlainTextEdit* memo, bool csv) {
    // The lines are already comma-separated, so the CSV file holds the same lines.
    SaveMemo(*memo, services_.dialogs,
             MemoSaveRequest(csv ? MemoFileKind::Csv : MemoFileKind::Text, QStringLiteral("儲存開獎資料")));
}

void TForm_varnholt::Button3Click() {
    clearAndRelist(ui.Memo1);
}
void TForm_varnholt::Button4Click() {
    copyMemo(ui.Memo1);
}
void TForm_varnholt::Button5Click() {
    saveMemo(ui.Memo1, false);
}
void TForm_varnholt::Button6Click() {
    saveMemo(ui.Memo1, true);
}

void TForm_varnholt::Button20Click() {
    clearAndRelist(ui.Memo2);
}
void TForm_varnholt::Button21Click() {
    copyMemo(ui.Memo2);
}
void TForm_varnholt::Button22Click() {
    saveMemo(ui.Memo2, false);
}
void TForm_varnholt::Button23Click() {
    saveMemo(ui.Memo2, true);
}

void TForm_varnholt::Button10Click() {
    clearAndRelist(ui.Memo3);
}
void TForm_varnholt::Button11Click() {
    copyMemo(ui.Memo3);
}
void TForm_varnholt::Button13Click() {
    saveMemo(ui.Memo3, false);
}
void TForm_varnholt::Button15Click() {
    saveMemo(ui.Memo3, true);
}
