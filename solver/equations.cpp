#include "equations.h"

#include <cmath>

namespace solver {

double f(const FormValues& form, double x, double y)
{
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

std::string_view equationName(int fnum)
{
    if (fnum >= 1 && fnum <= static_cast<int>(kEquationTexts.size()))
        return kEquationTexts[static_cast<std::size_t>(fnum - 1)];
    return "no equation";
}

} // namespace solver
