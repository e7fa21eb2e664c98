#include "analysis/drag/group_ranking.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>

#include "common/date.h"
#include "common/errors.h"
#include "common/num_text.h"

namespace {

// The marked rows of each number column as bits, so a group's rows hit are one OR and one count.
class MarkedRows {
public:
    MarkedRows(const TextTable& grid, int dataRows, int maxNo)
        : words_((static_cast<std::size_t>(std::max(0, dataRows)) + 63) / 64),
          bits_(static_cast<std::size_t>(maxNo + 1) * words_), counts_(static_cast<std::size_t>(maxNo + 1)) {
        for (int n = 1; n <= maxNo; ++n)
            for (int r = 1; r <= dataRows; ++r)
                if (!grid.cell(n + 1, r).empty()) {
                    const auto bit = static_cast<std::size_t>(r - 1);
                    bits_[static_cast<std::size_t>(n) * words_ + bit / 64] |= std::uint64_t{1} << (bit % 64);
                    ++counts_[static_cast<std::size_t>(n)];
                }
    }

    int marks(int n) const { return counts_[static_cast<std::size_t>(n)]; }
    // Through data(): with no data rows there are no words, and a row is an empty range.
    const std::uint64_t* row(int n) const { return bits_.data() + static_cast<std::size_t>(n) * words_; }
    std::size_t words() const { return words_; }

private:
    std::size_t words_;
    std::vector<std::uint64_t> bits_;
    std::vector<int> counts_;
};

int digits(long long value) {
    int count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

std::string padded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// The width of both counts: the largest mark count the group could reach decides.
int countWidth(int dataRows, int size) {
    return std::max(3, digits(static_cast<long long>(std::max(0, dataRows)) * size));
}

void sortDescending(std::vector<std::string>& keys) {
    std::sort(keys.begin(), keys.end(), std::greater<>());
}

} // namespace

std::vector<std::string> get_twoforone(const TextTable& grid, int dataRows, int maxNo) {
    const MarkedRows marked(grid, dataRows, maxNo);
    const int width = countWidth(dataRows, 2);
    std::vector<std::string> keys;
    keys.reserve(static_cast<std::size_t>(maxNo * (maxNo - 1) / 2));
    for (int i = 1; i <= maxNo - 1; ++i)
        for (int j = i + 1; j <= maxNo; ++j) {
            const std::uint64_t* a = marked.row(i);
            const std::uint64_t* b = marked.row(j);
            int hit = 0;
            for (std::size_t w = 0; w < marked.words(); ++w)
                hit += std::popcount(a[w] | b[w]);
            keys.push_back(padded(hit, width) + padded(marked.marks(i) + marked.marks(j), width) +
                           NumText(i) + "." + NumText(j));
        }
    sortDescending(keys);
    return keys;
}

std::vector<std::string> get_threeforone(const TextTable& grid, int dataRows, int maxNo) {
    std::vector<std::string> keys;
    if (dataRows <= 0)
        return keys;
    const MarkedRows marked(grid, dataRows, maxNo);
    const int width = countWidth(dataRows, 3);
    std::vector<std::uint64_t> pair(marked.words());
    for (int i = 1; i <= maxNo - 2; ++i)
        for (int j = i + 1; j <= maxNo - 1; ++j) {
            for (std::size_t w = 0; w < marked.words(); ++w)
                pair[w] = marked.row(i)[w] | marked.row(j)[w];
            for (int k = j + 1; k <= maxNo; ++k) {
                const std::uint64_t* c = marked.row(k);
                int hit = 0;
                for (std::size_t w = 0; w < marked.words(); ++w)
                    hit += std::popcount(pair[w] | c[w]);
                // More than 30% of the rows, compared exactly.
                if (static_cast<long long>(hit) * 10 <= static_cast<long long>(dataRows) * 3)
                    continue;
                const int marks = marked.marks(i) + marked.marks(j) + marked.marks(k);
                keys.push_back(padded(hit, width) + padded(marks, width) + NumText(i) + "." + NumText(j) +
                               "." + NumText(k));
            }
        }
    sortDescending(keys);
    return keys;
}

std::string GroupOfKey(const std::string& key, int size) {
    const auto length = static_cast<std::size_t>(3 * size - 1);
    return key.size() >= length ? key.substr(key.size() - length) : std::string();
}

std::vector<std::string> GroupChoices(const std::vector<std::string>& keys, int size, std::size_t limit) {
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < keys.size() && i < limit; ++i)
        groups.push_back(GroupOfKey(keys[i], size));
    return groups;
}

TextTable GroupView(const TextTable& grid, int size) {
    TextTable view(2 + size, grid.rowCount(), 0, 1);
    for (int r = 0; r < grid.rowCount(); ++r) {
        view.setCell(0, r, grid.cell(0, r));
        view.setCell(1, r, grid.cell(1, r));
    }
    return view;
}

GroupCounts ShowGroupColumns(TextTable& view, const TextTable& grid, const std::string& text, int size,
                             int dataRows, int maxNo) {
    const int height = std::max(view.rowCount(), grid.rowCount());
    view.resize(std::max(view.columnCount(), 2 + size), height);
    for (int part = 0; part < size; ++part) {
        const std::size_t start = static_cast<std::size_t>(3 * part);
        if (start >= text.size())
            continue;
        int n = 0;
        try {
            n = StrToInt(text.substr(start, 2));
        } catch (const ConversionError&) {
            continue;
        }
        if (n < 1 || n > maxNo)
            continue;
        for (int r = 0; r < height; ++r)
            view.setCell(2 + part, r, grid.cell(n + 1, r));
    }

    GroupCounts counts;
    for (int r = 1; r <= dataRows; ++r) {
        bool any = false;
        for (int part = 0; part < size; ++part)
            if (!view.cell(2 + part, r).empty()) {
                any = true;
                ++counts.marks;
            }
        if (any)
            ++counts.hit;
    }
    view.setRowCount(std::max(0, dataRows) + 13);
    return counts;
}

void ClearGroupColumns(TextTable& view, int size) {
    for (int part = 0; part < size; ++part)
        for (int r = 0; r < view.rowCount(); ++r)
            view.setCell(2 + part, r, {});
}
