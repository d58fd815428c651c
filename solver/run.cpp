#include "run.h"

#include "equations.h"

#include <charconv>
#include <cmath>

namespace solver {
namespace {

std::string describeX(double x) {
    char buffer[kMaxFixedChars];
    if (std::abs(x) < 1e15)
        return std::string(buffer, formatFixed(x, 2, buffer));
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

} // namespace

double passesNeeded(const FormValues& form) {
    const double n = (form.x2 - form.x1) / kStep;
    if (n < 0)
        return 0;
    return std::floor(n) + 1;
}

std::string describePasses(double passes) {
    if (!std::isfinite(passes))
        return "more than can be counted";
    char buffer[kMaxFixedChars];
    if (passes >= 1e18)
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, passes).ptr);
    const std::string digits(buffer, formatFixed(passes, 0, buffer));
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

RunOutcome run(const FormValues& form, RunSink& sink) {
    return run<RunSink>(form, sink);
}

namespace detail {

RunOutcome refused(double passes) {
    return {RunStatus::Refused, 0,
            "This run would need " + describePasses(passes) +
                " steps of 0.05, but a run may have at most " +
                describePasses(static_cast<double>(kMaxPasses)) +
                ". Choose an initial and a final x closer together."};
}

RunOutcome overflowAt(const FormValues& form, double x, std::uint64_t rows) {
    return {RunStatus::Overflow, rows,
            "The run of \"" + std::string(equationName(form.fnum)) +
                "\" stopped at x = " + describeX(x) +
                ": a value went beyond the range of double-precision numbers. "
                "The dots and rows before it are kept."};
}

} // namespace detail
} // namespace solver
