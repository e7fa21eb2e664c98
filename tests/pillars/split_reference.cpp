#include "split_reference.h"

#include <algorithm>

#include "common/num_format.h"
#include "common/num_text.h"

namespace {

// The line as characters (each a UTF-8 sequence).
std::vector<std::string> Characters(const std::string& line) {
    std::vector<std::string> out;
    for (char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !out.empty())
            out.back() += c;
        else
            out.emplace_back(1, c);
    }
    return out;
}

// Characters from..from+count-1 (1-based), as far as the line goes.
std::vector<std::string> Copy(const std::vector<std::string>& chars, std::size_t from, std::size_t count) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < from + count && i <= chars.size(); ++i)
        out.push_back(chars[i - 1]);
    return out;
}

std::vector<std::string> KeyPieces(const std::string& line) {
    const std::vector<std::string> chars = Characters(line);
    std::vector<std::string> key;
    for (std::size_t column : {24, 27, 30, 33, 36})
        for (const std::string& c : Copy(chars, column, 2))
            key.push_back(c);
    std::vector<std::string> pieces;
    for (std::size_t i = 0; i < 5; ++i) {
        std::string piece;
        for (std::size_t j = 2 * i; j < 2 * i + 2 && j < key.size(); ++j)
            piece += key[j];
        pieces.push_back(piece);
    }
    return pieces;
}

std::string Padded(long value, int width) {
    return NumFormat(std::string(static_cast<std::size_t>(width), '0'), value);
}

} // namespace

SlowMemo SlowMemoPieces(const std::vector<std::string>& memo) {
    SlowMemo out;
    for (const std::string& line : memo)
        out.push_back(KeyPieces(line));
    return out;
}

std::string SlowScoredText(SplitShape shape, const std::string& split, const SlowMemo& memo,
                           StarOrder order) {
    const std::vector<std::vector<std::string>> pillars = SplitPillars(shape, split);
    long star2 = 0, star3 = 0, star4 = 0;
    for (const std::vector<std::string>& pieces : memo) {
        std::vector<long> h(pillars.size(), 0);
        for (std::size_t p = 0; p < pillars.size(); ++p)
            for (const std::string& number : pillars[p])
                for (const std::string& piece : pieces)
                    if (number == piece) {
                        ++h[p];
                        break;
                    }
        const std::size_t n = h.size();
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i + 1; j < n; ++j) {
                star2 += h[i] * h[j];
                for (std::size_t l = j + 1; l < n; ++l) {
                    star3 += h[i] * h[j] * h[l];
                    for (std::size_t m = l + 1; m < n; ++m)
                        star4 += h[i] * h[j] * h[l] * h[m];
                }
            }
    }
    const int w = ScoreFieldWidth;
    std::string key;
    if (order == StarOrder::FourThreeTwo)
        key = Padded(star4, w) + Padded(star3, w) + Padded(star2, w);
    else if (order == StarOrder::ThreeTwoFour)
        key = Padded(star3, w) + Padded(star2, w) + Padded(star4, w);
    else
        key = Padded(star2, w) + Padded(star3, w) + Padded(star4, w);
    return key + "_" + split;
}

std::vector<std::string> SlowRankedTexts(SplitShape shape, const std::vector<std::string>& numbers,
                                         const std::vector<std::string>& memo, StarOrder order) {
    const SlowMemo pieces = SlowMemoPieces(memo);
    std::vector<std::string> texts;
    for (const std::string& split : EnumerateSplits(shape, numbers))
        texts.push_back(SlowScoredText(shape, split, pieces, order));
    std::sort(texts.begin(), texts.end(), std::greater<>());
    return texts;
}

std::vector<std::string> RandomSelection(std::mt19937& random, int count) {
    std::vector<int> all(39);
    for (int i = 0; i < 39; ++i)
        all[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(all.begin(), all.end(), random);
    all.resize(static_cast<std::size_t>(count));
    std::sort(all.begin(), all.end());
    std::vector<std::string> out;
    for (int n : all)
        out.push_back(NumText(n));
    return out;
}

std::string MemoLine(int row, std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    std::string line = NumFormat("0000", row) + ",2026/01/05," + NumFormat("000000", 115000 + row);
    for (int n : numbers)
        line += "," + NumText(n);
    return line;
}

std::vector<std::string> RandomMemo(std::mt19937& random, int lines,
                                    const std::vector<std::string>& favoured) {
    std::vector<std::string> memo;
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int row = 1; row <= lines; ++row) {
        std::vector<int> numbers;
        for (int i = 0; i < 5; ++i) {
            // Mostly selected numbers, so that lines hit several pillars.
            if (pick(3) > 0)
                numbers.push_back(
                    std::stoi(favoured[static_cast<std::size_t>(pick(static_cast<int>(favoured.size())))]));
            else
                numbers.push_back(pick(39) + 1);
        }
        std::string line = MemoLine(row, numbers);
        switch (pick(12)) {
        case 0:
            line.resize(static_cast<std::size_t>(pick(38)));
            break; // cut short
        case 1:
            line[static_cast<std::size_t>(23 + 3 * pick(5))] = 'x';
            break; // a letter
        case 2: {  // one selected number five times
            const std::string& f = favoured.front();
            line = line.substr(0, 23) + f + "," + f + "," + f + "," + f + "," + f;
            break;
        }
        case 3:
            line = "一" + line;
            break; // shifted by a wide character
        case 4:
            line = line.substr(0, 27) + "二" + line.substr(28);
            break; // wide character inside
        case 5:
            line = line.substr(0, 23) + "7,12,19,25,33";
            break; // unpadded number
        case 6:
            line.clear();
            break;
        default:
            break;
        }
        memo.push_back(line);
    }
    return memo;
}

std::vector<std::string> Texts(const std::vector<ScoredSplit>& splits) {
    std::vector<std::string> out;
    for (const ScoredSplit& s : splits)
        out.push_back(s.text());
    return out;
}

std::vector<std::string> NumberRange(int first, int last) {
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n)
        out.push_back(NumText(n));
    return out;
}

SplitSearchInput Input(std::vector<std::string> selection, std::vector<std::string> memo, int rg1) {
    return {std::move(selection), std::move(memo), "最近 50 期驗證", rg1};
}
