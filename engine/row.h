// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Row is one city column of the window, numbered 1 to 10 from the left as the
// user counts them; Row 6 is home. Everything kept per Row is indexed by a Row,
// never by a bare number, so no code converts between counting from 0 and from 1.

#include <array>
#include <cstddef>
#include <optional>

namespace orbalune {

class Row {
public:
    static constexpr int kCount = 10;

    // A Row known when the program is built: any other number fails to compile.
    static consteval Row number(int n)
    {
        if (n < 1 || n > kCount) {
            throw "a Row is numbered 1 to 10";
        }
        return Row(n);
    }
    // A Row from a number that arrives at run time; nothing for 0, 11, -1 ...
    static constexpr std::optional<Row> fromNumber(int n)
    {
        return n >= 1 && n <= kCount ? std::optional<Row>(Row(n)) : std::nullopt;
    }

    [[nodiscard]] constexpr int number() const { return number_; }
    friend constexpr bool operator==(Row, Row) = default;

private:
    template <typename T>
    friend struct PerRow;
    constexpr explicit Row(int n) : number_(n) {}
    [[nodiscard]] constexpr std::size_t slot() const { return static_cast<std::size_t>(number_ - 1); }

    int number_;
};

// The home row shows the machine's own date with weekday and time with seconds.
inline constexpr Row HomeRow = Row::number(6);

// Rows 1 to 10, in the order the user reads them.
inline constexpr std::array<Row, Row::kCount> kAllRows{Row::number(1), Row::number(2), Row::number(3), Row::number(4),
                                                       Row::number(5), Row::number(6), Row::number(7), Row::number(8),
                                                       Row::number(9), Row::number(10)};

// One T for each Row, written in Row order: `PerRow<int>{{1, 2, ...}}` gives Row 1 the 1.
template <typename T>
struct PerRow {
    std::array<T, Row::kCount> byRow{};

    constexpr T& operator[](Row row) { return byRow[row.slot()]; }
    constexpr const T& operator[](Row row) const { return byRow[row.slot()]; }
    friend constexpr bool operator==(const PerRow&, const PerRow&) = default;
};

}  // namespace orbalune
