#include "pillars/split_search.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "common/num_format.h"

namespace {

struct SearchTexts {
    const char* title;
    const char* heading; // empty: "以下按" and the RG1 heading
    int underline;
    int listed;
};

SearchTexts TextsOf(SplitShape shape) {
    switch (shape) {
    case SplitShape::Pairs2222:
        return {"８碼立柱 = 2x2x2x2 優柱分析", "以下按四星/三星/二星次數排列三十組", 17, 30};
    case SplitShape::Singles11222:
        return {"８碼立柱 = 1x1x2x2x2 優柱分析", "以下按四星/三星/二星次數排列三十組", 17, 30};
    case SplitShape::Triples333:
        return {"９碼立柱 = 3x3x3 優柱分析", "以下按三星/二星次數排列三十組", 15, 30};
    case SplitShape::Mixed2233:
        return {"１０碼立柱 = 2x2x3x3 優柱分析", "", 20, 20};
    }
    throw std::invalid_argument("unknown split shape");
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string Count(int n) {
    return std::to_string(n);
}

} // namespace

StarOrder StarOrderOfItem(int rg1Item) {
    if (rg1Item == 0)
        return StarOrder::FourThreeTwo;
    if (rg1Item == 1)
        return StarOrder::ThreeTwoFour;
    return StarOrder::TwoThreeFour;
}

std::string StarOrderHeading(StarOrder order) {
    switch (order) {
    case StarOrder::FourThreeTwo:
        return "四星優先，四-三-二星開出統計排列";
    case StarOrder::ThreeTwoFour:
        return "三星優先，三-二-四星開出統計排列";
    case StarOrder::TwoThreeFour:
        return "二星優先，二-三-四星開出統計排列";
    }
    throw std::invalid_argument("unknown star order");
}

std::array<int, 3> OrderedTotals(const StarTotals& t, StarOrder order) {
    switch (order) {
    case StarOrder::FourThreeTwo:
        return {t.star4, t.star3, t.star2};
    case StarOrder::ThreeTwoFour:
        return {t.star3, t.star2, t.star4};
    case StarOrder::TwoThreeFour:
        return {t.star2, t.star3, t.star4};
    }
    throw std::invalid_argument("unknown star order");
}

std::string ScoreKey(const StarTotals& totals, StarOrder order) {
    static const std::string pattern(ScoreFieldWidth, '0');
    std::string key;
    for (int total : OrderedTotals(totals, order))
        key += NumFormat(pattern, total);
    return key;
}

std::strong_ordering ScoredSplit::operator<=>(const ScoredSplit& other) const {
    if (auto c = OrderedTotals(totals, order) <=> OrderedTotals(other.totals, other.order); c != 0)
        return c;
    return split <=> other.split;
}

void RankDescending(std::vector<ScoredSplit>& splits) {
    std::sort(splits.begin(), splits.end(), std::greater<>());
}

StarTotals ShapeCosts(SplitShape shape) {
    return ElementaryStars(PillarSizes(shape));
}

std::string JoinTexts(const std::vector<std::string>& texts, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? separator : std::string()) + texts[i];
    return out;
}

std::string PillarGroupsText(SplitShape shape, const SplitText& split) {
    std::vector<std::string> groups;
    for (const std::vector<std::string>& pillar : SplitPillars(shape, split))
        groups.push_back(JoinTexts(pillar, ","));
    return "(" + JoinTexts(groups, ") x (") + ")";
}

std::string ResultLine(SplitShape shape, const ScoredSplit& scored) {
    const StarTotals& t = scored.totals;
    std::string counts;
    if (shape == SplitShape::Triples333)
        counts = "三星" + Count(t.star3) + "碰,二星" + Count(t.star2) + "碰";
    else if (scored.order == StarOrder::FourThreeTwo)
        counts = "四星" + Count(t.star4) + "碰,三星" + Count(t.star3) + "碰,二星" + Count(t.star2) + "碰";
    else if (scored.order == StarOrder::ThreeTwoFour)
        counts = "三星" + Count(t.star3) + "碰,二星" + Count(t.star2) + "碰,四星" + Count(t.star4) + "碰";
    else
        counts = "二星" + Count(t.star2) + "碰,三星" + Count(t.star3) + "碰,四星" + Count(t.star4) + "碰";
    return counts + "---" + PillarGroupsText(shape, scored.split);
}

std::string SelectionCountMessage(int count) {
    std::string digits;
    for (char c : std::to_string(count))
        digits += std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0')); // U+FF10.. full-width
    return "本分析所選的號碼必須是" + digits + "個，請重新選擇後再操作本功能";
}

void CheckSelection(const std::vector<std::string>& selection, int count) {
    if (static_cast<int>(selection.size()) != count)
        throw std::invalid_argument(SelectionCountMessage(count));
    std::vector<std::string> sorted = selection;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const std::string& n = sorted[i];
        if (n.size() != 2 || n[0] < '0' || n[0] > '9' || n[1] < '0' || n[1] > '9')
            throw std::invalid_argument("'" + n + "' is not a two-digit number");
        if (i > 0 && sorted[i - 1] == n)
            throw std::invalid_argument("the number " + n + " is selected twice");
    }
}

std::vector<std::string> ReportHead(const std::string& title, const SplitSearchInput& input,
                                    const std::string& selectionCaption, SplitShape shape,
                                    const std::string& heading, int underline) {
    const StarTotals costs = ShapeCosts(shape);
    return {title,
            "",
            input.windowHeader,
            "",
            selectionCaption,
            JoinTexts(input.selection, ","),
            "",
            "成本二星 " + Count(costs.star2) + " 碰",
            "成本三星 " + Count(costs.star3) + " 碰",
            "成本四星 " + Count(costs.star4) + " 碰",
            "",
            heading,
            Repeated("￣", underline)};
}

SplitSearchResult RunSplitSearch(SplitShape shape, const SplitSearchInput& input) {
    const int count = ShapeNumberCount(shape);
    CheckSelection(input.selection, count);
    std::vector<std::string> numbers = input.selection;
    std::sort(numbers.begin(), numbers.end());
    const StarOrder order =
        shape == SplitShape::Mixed2233 ? StarOrderOfItem(input.rg1Item) : StarOrder::FourThreeTwo;

    const CoOccurrence counts(numbers, input.memoLines);
    std::vector<int> members(static_cast<std::size_t>(count));
    std::iota(members.begin(), members.end(), 0);
    std::vector<StarTotals> totals;
    SplitScorer(shape).score(counts, members, totals);

    SplitSearchResult result;
    const std::vector<SplitPattern>& patterns = SplitPatterns(shape);
    result.LayoutList.reserve(patterns.size());
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        SplitText split;
        for (int slot = 0; slot < count; ++slot)
            split += numbers[patterns[i][static_cast<std::size_t>(slot)]];
        result.LayoutList.push_back({totals[i], order, std::move(split)});
    }
    RankDescending(result.LayoutList);

    const SearchTexts texts = TextsOf(shape);
    const std::string heading = *texts.heading ? texts.heading : "以下按" + StarOrderHeading(order);
    result.report = ReportHead(texts.title, input, "您選擇的立柱號碼( " + std::to_string(count) + " 碼)",
                               shape, heading, texts.underline);
    const std::size_t listed =
        std::min<std::size_t>(static_cast<std::size_t>(texts.listed), result.LayoutList.size());
    for (std::size_t r = 0; r < listed; ++r) {
        result.report.push_back(ResultLine(shape, result.LayoutList[r]));
        result.report.push_back("");
    }
    return result;
}
