#pragma once

#include <string_view>

namespace solver {

struct NumberReading {
    double value = 0;
    bool outOfRange = false; // beyond the double range: value is 0 and nothing should be committed
};

// Reads the number at the start of UTF-8 text the way the entry boxes do:
//  - leading blanks and tabs are skipped; full-width digits, "．", "－", "＋" and the full-width
//    space read as their ASCII forms;
//  - an optional sign, digits with an optional "." and fraction (at least one digit in all), then
//    an optional exponent that counts only when it has a digit;
//  - reading stops at the first character that cannot continue the number;
//  - text that does not begin with a number reads as 0, a number too small to represent as 0.
NumberReading readNumber(std::string_view text);

} // namespace solver
