#pragma once

#include "formvalues.h"

#include <array>
#include <string_view>

namespace solver {

// Display texts in catalogue order; entry k is selected by fnum k + 1.
inline constexpr std::array<std::string_view, 6> kEquationTexts{
    "y' = - y",     "y' = x - y",       "y' = 2",
    "y' = sin(4x)", "y' = xcos(4x) -y", "y' = x/2 -sin(x+y)",
};

// The right-hand side selected by form.fnum; 0 when no equation is selected.
double f(const FormValues& form, double x, double y);

// The display text of form.fnum, or "no equation".
std::string_view equationName(int fnum);

} // namespace solver
