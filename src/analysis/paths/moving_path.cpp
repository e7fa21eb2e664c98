#include "analysis/paths/moving_path.h"

#include <algorithm>
#include <cstdlib>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_format.h"
#include "common/num_text.h"
#include "common/text_cut.h"

namespace {

const char* const DrawnHeaders[] = {"落一", "落二", "落三", "落四", "落五", "落六"};
const char* const SortedHeaders[] = {"順一", "順二", "順三", "順四", "順五", "順六"};

std::string DateText(const Date& date) {
    return DateFormat("yyyy/mm/dd", date);
}

bool IsBlankText(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The integer of a box's text when it lies in first..last; nothing otherwise.
std::optional<int> ListedInteger(const std::string& text, int first, int last) {
    try {
        const int value = StrToInt(text);
        if (value >= first && value <= last)
            return value;
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

// The offsets' words: the zero word, "加3" or "減3".
std::string OffsetWord(int offset, const char* zeroWord) {
    if (offset == 0)
        return zeroWord;
    return (offset > 0 ? "加" : "減") + std::to_string(std::abs(offset));
}

// Predictions of a row found among positions 1..5 of draw `draw`, each followed by a blank; equal
// predictions are each listed.
std::string HitsIn(const WorkArea& work, int draw, const std::array<std::string, 3>& predictions, int count) {
    std::string hits;
    for (int k = 0; k < count; ++k) {
        const std::string& p = predictions[static_cast<std::size_t>(k)];
        for (int position = 1; position <= DrawBalls; ++position)
            if (work.DrawNumsWork[position][draw] == p) {
                hits += p + " ";
                break;
            }
    }
    return hits;
}

MovingRowTexts CheckMoving(const DrawTables& draws, const WorkArea& work, const std::string& ballMode, int t,
                           const MovingRule& rule, const std::string& hitsBefore) {
    MovingRowTexts row;
    row.hits = hitsBefore;
    const int n = rule.lookBack;
    const int b = t - n;
    if (b < 1 || b > draws.DrawCount)
        return row;

    std::array<int, DrawBalls + 1> number{};
    for (int position = 1; position <= DrawBalls; ++position)
        number[static_cast<std::size_t>(position)] = StrToInt(work.DrawNumsWork[position][b]);
    const auto at = [&](int position) { return number[static_cast<std::size_t>(position)]; };
    const int base = rule.average
                         ? (at(rule.positions[0]) + at(rule.positions[1]) + at(rule.positions[2])) / 3
                         : at(rule.positions[0]);

    const int count = rule.count;
    const char* zeroWord = rule.average ? "本號" : "本支";
    std::array<std::string, 3> predicted;
    std::string desc, predList;
    for (int k = 0; k < count; ++k) {
        const int offset = rule.offsets[static_cast<std::size_t>(k)];
        predicted[static_cast<std::size_t>(k)] = NumText(MovingFold(base + offset, draws.MaxNo));
        desc += OffsetWord(offset, zeroWord) + " ";
        predList += predicted[static_cast<std::size_t>(k)] + ".";
    }
    row.prediction = predicted[0] + " " + predicted[1] + " " + predicted[2];

    std::string head = "第" + NumFormat("000", b) + "期(" + DateText(draws.DrawDate[b]) + ")第";
    if (rule.average)
        head += std::to_string(rule.positions[0]) + "," + std::to_string(rule.positions[1]) + "," +
                std::to_string(rule.positions[2]) + ballMode + "平均數" + NumFormat("00", base);
    else
        head += std::to_string(rule.positions[0]) + ballMode + "開" + work.DrawNumsWork[rule.positions[0]][b];
    head += "下" + std::to_string(n) + "期開" + desc;

    if (t > draws.DrawCount) {
        row.hits = row.prediction;
        row.detail = head + ",第" + NumFormat("000", t) + "期版路預測" + row.prediction;
        return row;
    }
    row.hits = HitsIn(work, t, predicted, count);
    if (t + 1 <= draws.DrawCount)
        row.next1 = HitsIn(work, t + 1, predicted, count);
    if (t + 2 <= draws.DrawCount)
        row.next2 = HitsIn(work, t + 2, predicted, count);
    const std::string verdict =
        "預測" + predList + (IsBlankText(row.hits) ? std::string("沒中 ") : "中 " + row.hits);
    const std::string next1 = IsBlankText(row.next1) ? std::string() : ",隔一期中" + row.next1;
    const std::string next2 = IsBlankText(row.next2) ? std::string() : ",隔二期中" + row.next2;
    row.detail = head + "," + DateText(draws.DrawDate[t]) + verdict + next1 + next2;
    return row;
}

} // namespace

std::string MovingBallMode(bool drawnOrder) {
    return drawnOrder ? "落球" : "順球";
}

void FillWorkOrder(const DrawTables& draws, WorkArea& work, bool drawnOrder) {
    for (int position = 1; position <= MaxBallSlots; ++position)
        work.DrawNumsWork[position] = drawnOrder ? draws.DrawNumsDrawn[position] : draws.DrawNums[position];
}

void show_map(TextTable& sgl, const DrawTables& draws, const WorkArea& work, int mode) {
    const bool drawn = mode == 1;
    sgl.setCell(0, 0, "日     期");
    sgl.setCell(1, 0, "期  數");
    for (int c = 0; c < 6; ++c)
        sgl.setCell(2 + c, 0, drawn ? DrawnHeaders[c] : SortedHeaders[c]);
    sgl.setCell(8, 0, "特號");
    sgl.setCell(9, 0, "預    測");
    sgl.setCell(10, 0, "本期開出");
    sgl.setCell(11, 0, "隔一期開");
    sgl.setCell(12, 0, "隔二期開");
    if (!drawn)
        sgl.setCell(0, draws.DrawCount + 1, "版路預測");
    for (int i = 1; i <= draws.DrawCount; ++i) {
        sgl.setCell(0, i, DateText(draws.DrawDate[i]));
        sgl.setCell(1, i, draws.DrawId[i]);
        for (int position = 1; position <= MaxBallSlots; ++position)
            sgl.setCell(1 + position, i,
                        drawn ? work.DrawNumsWork[position][i] : draws.DrawNums[position][i]);
        for (int c = 9; c <= 12; ++c)
            sgl.setCell(c, i, std::string());
    }
}

int MovingFold(int value, int maxNo) {
    return (value + 2 * maxNo - 1) % maxNo + 1;
}

std::optional<MovingRule> ReadMovingRule(const MovingPageTexts& texts, bool average, int maxNo) {
    MovingRule rule;
    rule.average = average;
    rule.count = std::clamp(texts.count, 1, 3);
    const std::optional<int> lookBack = ListedInteger(texts.lookBack, 1, MovingLookBackMax);
    if (!lookBack)
        return std::nullopt;
    rule.lookBack = *lookBack;
    for (int k = 0; k < (average ? 3 : 1); ++k) {
        const std::optional<int> position =
            ListedInteger(texts.positions[static_cast<std::size_t>(k)], 1, MovingPositionMax);
        if (!position)
            return std::nullopt;
        rule.positions[static_cast<std::size_t>(k)] = *position;
    }
    if (!average)
        rule.positions[1] = rule.positions[2] = rule.positions[0];
    // Every size is read, in use or not, as the boxes are all read before the computation.
    for (std::size_t k = 0; k < 3; ++k) {
        const std::optional<int> size = ListedInteger(texts.sizes[k], 0, maxNo - 1);
        if (!size)
            return std::nullopt;
        rule.offsets[k] = texts.signs[k] == "加" ? *size : -*size;
    }
    return rule;
}

MovingRowTexts check_moving1(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                             int t, const MovingRule& rule, const std::string& hitsBefore) {
    MovingRule page1 = rule;
    page1.average = false;
    return CheckMoving(draws, work, ballMode, t, page1, hitsBefore);
}

MovingRowTexts check_moving2(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                             int t, const MovingRule& rule, const std::string& hitsBefore) {
    MovingRule page2 = rule;
    page2.average = true;
    return CheckMoving(draws, work, ballMode, t, page2, hitsBefore);
}

void ShowMoving(const DrawTables& draws, const WorkArea& work, const std::string& ballMode,
                const MovingRule& rule, TextTable& sgl, MovingDetail& moving_detail) {
    std::string hits;
    const int forecastRow = draws.DrawCount + 1;
    for (int t = rule.lookBack; t <= forecastRow; ++t) {
        MovingRowTexts row = rule.average ? check_moving2(draws, work, ballMode, t, rule, hits)
                                          : check_moving1(draws, work, ballMode, t, rule, hits);
        sgl.setCell(10, t, t > draws.DrawCount ? std::string() : row.hits);
        sgl.setCell(11, t, row.next1);
        sgl.setCell(12, t, row.next2);
        sgl.setCell(9, t, row.prediction);
        if (row.detail)
            moving_detail[t] = std::move(*row.detail);
        hits = std::move(row.hits);
    }
    sgl.setCell(0, forecastRow, "本期預測");
}

std::string MovingRuleTitle(const MovingPageTexts& typed, bool average, const std::string& ballMode,
                            const std::string& kind) {
    // Every box offers texts of a few characters; one holding a long typed text is quoted cut, so a
    // title stays one short line in the memo (a wrapped line without breaks costs its layout the
    // square of its length).
    const auto cut = [](const std::string& text) { return CutText(text, MovingTitleTextMax); };
    MovingPageTexts texts{cut(typed.lookBack), {}, {}, {}, typed.count};
    for (std::size_t i = 0; i < 3; ++i) {
        texts.positions[i] = cut(typed.positions[i]);
        texts.signs[i] = cut(typed.signs[i]);
        texts.sizes[i] = cut(typed.sizes[i]);
    }
    const char* zeroWord = average ? "本號" : "本支";
    std::string expr;
    for (int k = 0; k < std::clamp(texts.count, 1, 3); ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        expr += (k ? "," : "") +
                (texts.sizes[i] == "0" ? std::string(zeroWord) : texts.signs[i] + texts.sizes[i]);
    }
    std::string title = "上" + texts.lookBack + "期" + ballMode + "第";
    if (average)
        title += texts.positions[0] + "," + texts.positions[1] + "," + texts.positions[2] + "支取平均數";
    else
        title += texts.positions[0] + "支";
    return title + ",本期開" + expr + " " + kind;
}

std::optional<std::string> MovingRowDetail(const MovingDetail& moving_detail, const std::string& lookBackText,
                                           int column, int row, int drawCount) {
    const std::optional<int> lookBack = ListedInteger(lookBackText, 1, MovingLookBackMax);
    if (!lookBack || column < 9 || row <= *lookBack || row > drawCount + 1)
        return std::nullopt;
    return moving_detail[row];
}
