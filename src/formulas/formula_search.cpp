#include "formulas/formula_search.h"

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "draws/work_area.h"

int RulePaging::previous() {
    if (count_ > 0)
        idx_ = std::clamp(idx_ - 1, 1, count_);
    return idx_;
}

int RulePaging::next() {
    if (count_ > 0)
        idx_ = std::clamp(idx_ + 1, 1, count_);
    return idx_;
}

std::string IndexLabel(int index) {
    return NumFormat("第 #0 組", index);
}

std::string TotalLabel(int count) {
    return NumFormat("共 #0 組", count);
}

std::vector<std::string> BaseDateItems(const DrawTables& draws) {
    std::vector<std::string> items;
    for (int d = draws.DrawCount; d >= 1 && d > draws.DrawCount - 20; --d)
        items.push_back(DateFormat("yyyy/mm/dd", draws.DrawDate[d]));
    return items;
}

std::string NewestDateText(const DrawTables& draws) {
    return draws.DrawCount > 0 ? DateFormat("yyyy/mm/dd", draws.DrawDate[draws.DrawCount]) : std::string();
}

std::optional<int> FindBaseDraw(const DrawTables& draws, std::string_view dateText) {
    for (int d = draws.DrawCount; d >= 1; --d)
        if (DateFormat("yyyy/mm/dd", draws.DrawDate[d]) == dateText)
            return d;
    return std::nullopt;
}

int BaseDrawOrNewest(const DrawTables& draws, std::string_view dateText) {
    return FindBaseDraw(draws, dateText).value_or(draws.DrawCount);
}

std::optional<int> IntegerOf(std::string_view text) {
    try {
        return StrToInt(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

PercentChoice PercentFromText(std::string_view text) {
    if (const auto value = IntegerOf(text))
        return {*value, false};
    return {70, true};
}

void ApplyBallOrder(const DrawTables& draws, WorkArea& work, BallOrder order, int positions) {
    const int last = std::min(positions, MaxBallSlots);
    for (int p = 1; p <= last; ++p) {
        const DrawTextColumn& from = order == BallOrder::Drawn ? draws.DrawNumsDrawn[p] : draws.DrawNums[p];
        DrawTextColumn& to = work.DrawNumsWork[p];
        for (int d = 1; d <= draws.DrawCount; ++d)
            to[d] = from[d];
    }
}

std::string BallModeName(BallOrder order, bool longNames) {
    if (order == BallOrder::Drawn)
        return longNames ? "落球" : "落";
    return longNames ? "順球" : "順";
}

LookBackStart StartFromLookBack(std::string_view text, int least, std::string_view refusal, int lastVerified,
                                int verifyDraws) {
    LookBackStart start;
    const std::optional<int> value = IntegerOf(text);
    if (!value)
        return start;
    if (text.size() != 1 || *value < least || *value > 9) {
        start.outcome = LookBackStart::Outcome::Refused;
        start.message = std::string(refusal);
        return start;
    }
    start.lookBack = text[0];
    start.lookBackDraws = *value;
    start.outcome = HistoryCovers(lastVerified - verifyDraws + 1 - *value) ? LookBackStart::Outcome::Search
                                                                           : LookBackStart::Outcome::TooShort;
    return start;
}
