#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DrawTables;
struct WorkArea;

// What every formula-search window shares: the list of kept formulas with its capacity, its sort and
// paging, the base draw and look-back, the folding of a sum into a number, the percentage keep rule
// and the drawn/sorted order of the working numbers. No Qt here; the windows and the searches of
// every formula family build on these.

enum class KeySort { Descending, Ascending };

// The kept formulas of one search, in the order they were found. The capacity is also the early
// stop: once the list is full the search ends, so a full list holds the first formulas found in
// enumeration order, not the best of the family.
template <class Key> class KeptFormulas {
public:
    explicit KeptFormulas(int capacity) : capacity_(std::max(0, capacity)) {}

    // Keeps the key when there is room. False once the list is full: the search ends there.
    bool keep(Key key) {
        if (full())
            return false;
        keys_.push_back(std::move(key));
        return !full();
    }
    bool full() const { return static_cast<int>(keys_.size()) >= capacity_; }
    int capacity() const { return capacity_; }
    int count() const { return static_cast<int>(keys_.size()); }
    const std::vector<Key>& keys() const { return keys_; }
    std::vector<Key> take() { return std::move(keys_); }

private:
    int capacity_;
    std::vector<Key> keys_;
};

// Best first: text keys compare as byte strings, codes as integers; equal keys are equal.
template <class Key> void SortKeys(std::vector<Key>& keys, KeySort order) {
    if (order == KeySort::Descending)
        std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return b < a; });
    else
        std::sort(keys.begin(), keys.end());
}

// Which kept formula is on show: 1..count, clamped at both ends (the buttons do not disable there).
class RulePaging {
public:
    void reset(int count) {
        count_ = std::max(0, count);
        idx_ = 1;
    }
    int count() const { return count_; }
    int index() const { return idx_; }
    // Both keep the index inside 1..count; with nothing kept they change nothing.
    int previous();
    int next();

private:
    int count_ = 0;
    int idx_ = 1;
};

// "第 n 組" and "共 n 組" as the paging labels show them.
std::string IndexLabel(int index);
std::string TotalLabel(int count);
// The labels' texts before any search.
inline constexpr std::string_view InitialIndexLabel = "第  0  組";
inline constexpr std::string_view InitialTotalLabel = "共  0  組";
inline constexpr std::string_view NoResultMessage = "您設定的條件找不到符合的版路!";
inline constexpr std::string_view MemoryDeletedMessage = "本軟體結束操作後,基準日記憶即會刪除";
inline constexpr std::string_view HistoryTooShortMessage = "開獎資料期數不足,無法進行本項搜尋!";

// The dates offered as base dates: the 20 newest draws, newest first, as "yyyy/mm/dd".
std::vector<std::string> BaseDateItems(const DrawTables& draws);
// The newest draw's date, or empty text when nothing is loaded.
std::string NewestDateText(const DrawTables& draws);
// The newest draw whose date reads as the text, or none.
std::optional<int> FindBaseDraw(const DrawTables& draws, std::string_view dateText);
// As above, the newest draw when the text names none (the windows that search from the newest draw
// then). 0 when nothing is loaded.
int BaseDrawOrNewest(const DrawTables& draws, std::string_view dateText);

// A look-back or other count typed into a box: its integer value, or none for a text that is no
// integer (the search then ends silently).
std::optional<int> IntegerOf(std::string_view text);

// The threshold box: its integer value, or 70 (and the box then reads "70") for any other text.
struct PercentChoice {
    int percent = 70;
    bool corrected = false; // the text was no integer: the box is to read "70"
};
PercentChoice PercentFromText(std::string_view text);
inline constexpr std::string_view FallbackPercentText = "70";

// Kept when hits out of `draws` reach `percent` per cent, compared exactly in integers, so a rate
// that equals the threshold is kept (29 of 50 at 58 %).
inline bool MeetsPercent(int hits, int draws, int percent) {
    return static_cast<long long>(hits) * 100 >= static_cast<long long>(percent) * draws;
}

// Folds the weighted sum of ball values plus the constant into 1..maxNo:
// ((maxNo x 100 + sum - 1) mod maxNo) + 1, with a remainder that is never negative.
inline int FoldPrediction(int maxNo, long long sum) {
    long long rest = (static_cast<long long>(maxNo) * 100 + sum - 1) % maxNo;
    if (rest < 0)
        rest += maxNo;
    return static_cast<int>(rest) + 1;
}

// True when every draw a search reads, the oldest being `oldestDrawRead`, is loaded.
inline bool HistoryCovers(int oldestDrawRead) {
    return oldestDrawRead >= 1;
}

// The refusal of a look-back that is not one digit 0..9.
inline constexpr std::string_view DigitLookBackMessage = "計算基準期數應為 0 到 9 的一位數字";

// How a search that writes its look-back B as one digit of its keys starts from the look-back text.
struct LookBackStart {
    enum class Outcome { Search, SilentEnd, Refused, TooShort };
    Outcome outcome = Outcome::SilentEnd;
    std::string message;   // when refused
    char lookBack = '1';   // the key's first character, the text as typed
    int lookBackDraws = 1; // B
};
// No integer: ends silently, as any conversion that fails. An integer that is not one digit
// `least`..9 would not fit the key: refused with `refusal`. The `verifyDraws` draws up to
// `lastVerified`, each read B draws back, reaching before draw 1: too short.
LookBackStart StartFromLookBack(std::string_view text, int least, std::string_view refusal, int lastVerified,
                                int verifyDraws);

// Drawn order ("落球") or ascending order ("順球") of the working numbers.
enum class BallOrder { Drawn, Sorted };

// Rewrites positions 1..positions of every loaded draw of the working numbers in that order. The
// working numbers are shared: every formula window and the moving-path window read the new order
// until a load, a re-split or another toggle.
void ApplyBallOrder(const DrawTables& draws, WorkArea& work, BallOrder order, int positions);

// The order's name in explanation texts: "落"/"順", or "落球"/"順球" in windows that use the long names.
std::string BallModeName(BallOrder order, bool longNames);
