#pragma once

namespace solver {

// The four values the window commits. An uncommitted value behaves exactly like 0 wherever it
// can be observed, so plain zero-initialised numbers are the whole model.
struct FormValues {
    int fnum = 0; // 1-6 selects an equation; anything else means none
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
};

} // namespace solver
