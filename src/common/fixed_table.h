#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

// A fixed-capacity table indexed First..First+N-1 (1-based by default). Every access is checked, so
// no input can make code read or write outside its table.
template <class T, std::size_t N, std::ptrdiff_t First = 1> class FixedTable {
public:
    static constexpr std::ptrdiff_t first = First;
    static constexpr std::ptrdiff_t last = First + static_cast<std::ptrdiff_t>(N) - 1;
    static constexpr std::size_t capacity = N;

    T& operator[](std::ptrdiff_t i) { return items_[offset(i)]; }
    const T& operator[](std::ptrdiff_t i) const { return items_[offset(i)]; }

    static constexpr bool contains(std::ptrdiff_t i) { return i >= First && i <= last; }
    void fill(const T& value) { items_.fill(value); }

private:
    static std::size_t offset(std::ptrdiff_t i) {
        if (!contains(i))
            throw std::out_of_range("table index " + std::to_string(i) + " outside " + std::to_string(First) +
                                    ".." + std::to_string(last));
        return static_cast<std::size_t>(i - First);
    }
    std::array<T, N> items_{};
};
