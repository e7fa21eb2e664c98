#include "formulas/double_drag_search.h"

#include <algorithm>
#include <array>

#include "common/num_format.h"
#include "draws/work_area.h"
#include "formulas/formula_search.h"

namespace {

bool Loaded(const DrawTables& draws, long long draw) {
    return draw >= 1 && draw <= draws.DrawCount;
}

// The draw's numbers at positions 1..5; a draw that is not loaded holds none.
std::array<const std::string*, DragBalls> NumbersOf(const DrawTables& draws, const WorkArea& work,
                                                    long long draw) {
    std::array<const std::string*, DragBalls> out{};
    if (Loaded(draws, draw))
        for (int p = 1; p <= DragBalls; ++p)
            out[static_cast<std::size_t>(p - 1)] = &work.DrawNumsWork[p][static_cast<int>(draw)];
    return out;
}

bool Holds(const DrawTables& draws, const WorkArea& work, long long draw, const std::string& number) {
    if (number.empty())
        return false;
    for (const std::string* text : NumbersOf(draws, work, draw))
        if (text && *text == number)
            return true;
    return false;
}

std::vector<std::string> PositionTexts(const DrawTables& draws, const WorkArea& work, long long draw) {
    std::vector<std::string> items;
    for (const std::string* text : NumbersOf(draws, work, draw))
        if (text)
            items.push_back(*text);
    return items;
}

std::string DistanceField(int d) {
    return d >= 0 ? NumFormat("000", d) : NumFormat("00", d);
}

std::optional<int> FieldOf(std::string_view key, std::size_t from, std::size_t length) {
    if (key.size() < from + length)
        return std::nullopt;
    return IntegerOf(key.substr(from, length));
}

} // namespace

std::optional<BaseDateChoice> ChooseBaseDate(const DrawTables& draws, const WorkArea& work,
                                             std::string_view dateText) {
    const std::optional<int> base = FindBaseDraw(draws, dateText);
    if (!base)
        return std::nullopt;
    BaseDateChoice choice;
    choice.baseDraw = *base;
    choice.xItems = PositionTexts(draws, work, *base);
    const int toNewest = draws.DrawCount - *base;
    choice.predictionText = std::to_string(toNewest + 1);
    for (int d1 = 0; d1 <= toNewest; ++d1)
        choice.d1Items.push_back(std::to_string(d1));
    choice.d1Text = std::to_string(toNewest);
    choice.yItems = SecondDrawItems(draws, work, *base, toNewest);
    return choice;
}

std::vector<std::string> SecondDrawItems(const DrawTables& draws, const WorkArea& work, int baseDraw,
                                         int d1) {
    return PositionTexts(draws, work, static_cast<long long>(baseDraw) + d1);
}

std::string UnknownBaseDateMessage(std::string_view dateText) {
    return "基準日期 " + std::string(dateText) + " 不是已載入的開獎日期,請重新選擇!";
}

std::string BaseDateTooFarMessage() {
    return "基準日期離最新一期太遠,本視窗只能預測下" + std::to_string(DragMaxDistance) +
           "期以內,請選擇較近的基準日期!";
}

std::string TooManyPicksMessage(int picks) {
    return "符合條件的開獎期數有 " + std::to_string(picks) + " 期,超過本視窗能統計的 " +
           std::to_string(DragMaxPicks) + " 期,請改變條件!";
}

std::string NegativeDistanceMessage() {
    return "預測期數不可為負數!";
}

std::string NegativeRunLengthMessage() {
    return "連準版數不可為負數!";
}

std::string NegativeSecondDrawMessage() {
    return "且下期數不可為負數!";
}

std::vector<int> FindPicks(const DrawTables& draws, const WorkArea& work, const PickQuery& query) {
    std::vector<int> picks;
    const long long last = std::min<long long>(draws.DrawCount, 1LL + draws.DrawCount - query.n);
    for (int i = 1; i <= last; ++i)
        if (Holds(draws, work, i, query.x) &&
            Holds(draws, work, static_cast<long long>(i) + query.d1, query.y))
            picks.push_back(i);
    return picks;
}

std::string NoPicksMessage(const PickQuery& query, std::string_view xCaption) {
    const std::string mend = ",請改選號碼(號碼為兩位數,例如 07)!";
    if (query.x.empty())
        return "「" + std::string(xCaption) + "」沒有號碼" + mend;
    const std::string second =
        query.d1 == 0 ? "同期開 " + query.y : "且下" + query.d1Text + "期開 " + query.y;
    return "沒有一期開 " + query.x + " " + second + mend;
}

void StorePicks(WorkArea& work, const std::vector<int>& picks) {
    int r = 0;
    for (int draw : picks)
        work.RightIssue[++r] = std::to_string(draw);
    work.RightIssueCount = r;
}

std::vector<int> StoredPicks(const WorkArea& work) {
    std::vector<int> picks;
    for (int r = 1; r <= work.RightIssueCount; ++r)
        picks.push_back(IntegerOf(work.RightIssue[r]).value_or(0));
    return picks;
}

DragSearchSetup PrepareDragSearch(std::string_view prefixText, int n, std::string_view lanText,
                                  int pickCount) {
    DragSearchSetup setup;
    const std::optional<int> runLength = IntegerOf(lanText);
    if (!runLength)
        return setup;
    setup.runLength = *runLength;
    if (!IntegerOf(prefixText) || prefixText.size() != 2)
        return setup;
    setup.prefix = std::string(prefixText);
    setup.n = n;
    setup.outcome = DragSearchSetup::Outcome::Refused;
    if (n > DragMaxDistance)
        setup.message = BaseDateTooFarMessage();
    else if (n < 0)
        setup.message = NegativeDistanceMessage();
    else if (*runLength < 0)
        setup.message = NegativeRunLengthMessage();
    else if (pickCount > DragMaxPicks)
        setup.message = TooManyPicksMessage(pickCount);
    else if (pickCount == 0)
        setup.outcome = DragSearchSetup::Outcome::NoPicks;
    else
        setup.outcome = DragSearchSetup::Outcome::Search;
    // Fewer picks than the run asks for: the run shrinks to one less than the picks.
    if (setup.outcome == DragSearchSetup::Outcome::Search && pickCount < setup.runLength) {
        setup.runLength = pickCount - 1;
        setup.runLengthShown = setup.runLength;
    }
    return setup;
}

std::string PositionKey(std::string_view prefix, int n, int hits, int p, int d) {
    return std::string(prefix) + NumFormat("00", n) + NumFormat("000", hits) + std::to_string(p) +
           DistanceField(d) + "00";
}

std::string TailKey(std::string_view prefix, int n, int hits, int t) {
    return std::string(prefix) + NumFormat("00", n) + NumFormat("000", hits) + "1" + DistanceField(n) +
           NumFormat("00", t) + "00";
}

std::optional<DragKey> ParseDragKey(DragFamily family, std::string_view key) {
    const auto prefix = FieldOf(key, 0, 2);
    const auto n = FieldOf(key, 2, 2);
    const auto hits = FieldOf(key, 4, 3);
    const auto p = FieldOf(key, 7, 1);
    const auto d = FieldOf(key, 8, 3);
    if (!prefix || !n || !hits || !p || !d)
        return std::nullopt;
    DragKey out{*n, *hits, *p, *d, 0};
    if (family == DragFamily::Position) {
        if (!FieldOf(key, 11, 2) || key.size() != 13)
            return std::nullopt;
    } else {
        const auto t = FieldOf(key, 11, 2);
        if (!t || !FieldOf(key, 13, 2) || key.size() != 15)
            return std::nullopt;
        out.t = *t;
    }
    return out;
}

std::string SourceText(DragFamily family, const DrawTables& draws, const WorkArea& work, int pick,
                       const DragKey& key) {
    if (family == DragFamily::Tail)
        return pick - key.n >= 1 ? NumFormat("0", key.t) : std::string(NotDrawnText);
    const int source = pick - key.d;
    if (!Loaded(draws, source) || key.p < 1 || key.p > DragBalls)
        return std::string(NotDrawnText);
    return work.DrawNumsWork[key.p][source];
}

bool SourceHits(DragFamily family, const DrawTables& draws, const WorkArea& work, int target,
                const std::string& source) {
    if (source == NotDrawnText || source.empty())
        return false;
    for (const std::string* text : NumbersOf(draws, work, target)) {
        if (!text)
            continue;
        if (family == DragFamily::Position ? *text == source
                                           : text->size() >= 2 && text->substr(1, 1) == source)
            return true;
    }
    return false;
}

std::vector<std::string> SearchDragFormulas(DragFamily family, const DrawTables& draws, const WorkArea& work,
                                            const std::vector<int>& picks, const DragSearchSetup& setup) {
    KeptFormulas<std::string> kept(DragCapacity);
    if (setup.n < 0 || setup.n > DragMaxDistance) // refused before a search; keys could not hold n
        return kept.take();
    const int count = static_cast<int>(picks.size());
    // 1-based: the newest R + 1 picks; wide, so no run length can overflow it.
    const long long firstRunPick = static_cast<long long>(count) - setup.runLength;
    auto verify = [&](const DragKey& key) {
        int hits = 0;
        int runHits = 0;
        for (int r = 1; r <= count; ++r) {
            const int pick = picks[static_cast<std::size_t>(r - 1)];
            if (SourceHits(family, draws, work, pick + key.n, SourceText(family, draws, work, pick, key))) {
                ++hits;
                if (r >= firstRunPick)
                    ++runHits;
            }
        }
        return std::pair{hits, runHits >= setup.runLength};
    };
    if (family == DragFamily::Position) {
        for (int p = 1; p <= DragBalls; ++p)
            for (int d = 1 - setup.n; d <= 9; ++d) {
                const DragKey key{setup.n, 0, p, d, 0};
                const auto [hits, keep] = verify(key);
                if (keep && !kept.keep(PositionKey(setup.prefix, setup.n, hits, p, d)))
                    return kept.take();
            }
    } else {
        for (int t = 0; t <= 9; ++t) {
            const DragKey key{setup.n, 0, 1, setup.n, t};
            const auto [hits, keep] = verify(key);
            if (keep && !kept.keep(TailKey(setup.prefix, setup.n, hits, t)))
                return kept.take();
        }
    }
    return kept.take();
}
