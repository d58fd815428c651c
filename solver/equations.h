#pragma once

#include "formvalues.h"

#include <array>
#include <cmath>
#include <string_view>

namespace solver {

// Display texts in catalogue order; entry k is selected by fnum k + 1.
inline constexpr std::array<std::string_view, 6> kEquationTexts{
    "y' = - y", "y' = x - y", "y' = 2", "y' = sin(4x)", "y' = xcos(4x) -y", "y' = x/2 -sin(x+y)",
};

// The right-hand side selected by form.fnum; 0 when no equation is selected. Defined here so
// that the run's four calls per pass compile to the arithmetic alone.
inline double f(const FormValues& form, double x, double y) {
    switch (form.fnum) {
    case 1:
        return -y;
    case 2:
        return x - y;
    case 3:
        return 2;
    case 4:
        return std::sin(4 * x);
    case 5:
        return (x * std::cos(4 * x)) - y;
    case 6:
        return (x / 2) - std::sin(x + y);
    default:
        return 0;
    }
}

// The display text of form.fnum, or "no equation".
std::string_view equationName(int fnum);

} // namespace solver
