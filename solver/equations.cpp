#include "equations.h"

namespace solver {

std::string_view equationName(int fnum) {
    if (fnum >= 1 && fnum <= static_cast<int>(kEquationTexts.size()))
        return kEquationTexts[static_cast<std::size_t>(fnum - 1)];
    return "no equation";
}

} // namespace solver
