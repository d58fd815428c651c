#pragma once

#include <cstddef>
#include <string>

namespace solver {

// Longest text formatFixed can write: 309 integer digits of the largest double, sign, mark and
// five decimals.
inline constexpr std::size_t kMaxFixedChars = 320;

// value with exactly `decimals` decimals (at most 5), correctly rounded from the double, "." as
// the decimal mark whatever the locale, and no minus sign on a value that shows as zero.
// Writes at most kMaxFixedChars characters to out and returns how many.
std::size_t formatFixed(double value, int decimals, char* out);

// One row of the results list. The run hands over the numbers and the text is made only when
// someone wants to read it, so a run whose rows are stored or dropped pays nothing for formatting.
struct ResultRow {
    static constexpr std::size_t kMaxChars = 2 * kMaxFixedChars + 4;

    double x = 0;
    double y = 0;

    // x as "0.00", four blanks, y as "0.00000". Writes at most kMaxChars characters.
    std::size_t format(char* out) const;
    std::string text() const;
};

} // namespace solver
