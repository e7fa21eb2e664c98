// The computer arrangement of the best-pillar window: the selection is dealt into the current
// pillar sizes and the layout verified at once.
#include "pillars/varnholt_window.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <algorithm>

#include "common/num_text.h"
#include "draws/draw_tables.h"
#include "pillars/computer_arrangement.h"
#include "platform/box_reaction.h"
#include "platform/dialogs.h"
#include "platform/memo_lines.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace {

constexpr int ArrangeMin = 5;    // the fewest numbers the arrangement takes
constexpr int ArrangeMax = 30;   // the selection page's limit
constexpr int ArrangeQuick = 20; // above this the user is told it takes a while

} // namespace

void TForm_varnholt::Button19Click() {
    if (unit.SelCount < ArrangeMin || unit.SelCount > ArrangeMax) {
        refuse(QStringLiteral("本分析所選的號碼必須是5-30個，請重新選擇後再操作本功能"));
        ShowOwnPage(*ui.PageC, ui.TS4);
        return;
    }
    if (unit.SelCount != unit.LayoutTotal)
        return refuse(QStringLiteral("立柱的號碼數與上面所選的不相同"));
    if (unit.SelCount > ArrangeQuick)
        services_.dialogs.messageDialog(QStringLiteral("您選擇的號碼較多，計算需要一些時間，請耐心等候結果"),
                                        DialogKind::Warning, DialogButtons::Ok);
    // The verification reads its draws from a fresh listing in Memo2.
    if (!clearAndRelist(ui.Memo2))
        return;
    rankSelection(2);
    rankSelection(3);
    PPNO_Arrange();
    verifyLayout();
}

void TForm_varnholt::rankSelection(int k) {
    QPlainTextEdit* ranking = k == 2 ? ui.MM_2 : ui.MM3_2;
    SetMemoLines(*ranking, {QStringLiteral("計算中...")});
    ranking->repaint();
    const std::vector<std::string> selection = selectedNumbers();
    SelectionPass pass = RankSelection(k, selection, drawMemoLines());
    SetMemoLines(*ranking, qsList(pass.rankingLines));
    SetMemoLines(*(k == 2 ? ui.M2 : ui.M3), qsList(pass.scoreLines));

    // NoScore2 sorted: the scores of the numbers with a hit, then the others, higher number first.
    int r = 0;
    for (const std::string& score : pass.scoreLines)
        unit.NoScore2[++r] = std::stoi(score);
    for (int n = std::min(draws_.MaxNo, NumberBoxes); n >= 1; --n)
        if (std::find(pass.hotNumbers.begin(), pass.hotNumbers.end(), NumText(n)) == pass.hotNumbers.end())
            unit.NoScore2[++r] = n;

    if (k == 2) {
        unit.HotSel = std::move(pass.hotNumbers);
        unit.HotPairs = std::move(pass.ranking);
    } else {
        // The triple pass takes the first places; every selected number is then listed once, so
        // each slot of the layout is dealt a number of this selection.
        unit.HotSel = CompleteHotSel(unit.HotSel, pass.hotNumbers, selection);
        unit.HotTriples = std::move(pass.ranking);
    }
}

void TForm_varnholt::PPNO_Arrange() {
    std::vector<int> sizes;
    for (int p = 1; p <= std::clamp(unit.PillarCount, 0, MaxPillars); ++p)
        sizes.push_back(unit.PillarSize[p]);
    const PillarNumbers arranged = ::PPNO_Arrange(sizes, unit.HotSel, unit.HotPairs, unit.HotTriples);
    for (int p = 1; p <= MaxPillars; ++p) {
        unit.PillarNo[p].fill({});
        ui.PillarMemo[p]->clear();
    }
    showLayout(arranged);
}
