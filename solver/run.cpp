#include "run.h"

#include "equations.h"

#include <charconv>
#include <cmath>

namespace solver {
namespace {

std::string describeX(double x)
{
    char buffer[kMaxFixedChars];
    if (std::abs(x) < 1e15)
        return std::string(buffer, formatFixed(x, 2, buffer));
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

RunOutcome overflowAt(const FormValues& form, double x, std::uint64_t rows)
{
    return {RunStatus::Overflow, rows,
            "The run of \"" + std::string(equationName(form.fnum)) + "\" stopped at x = " +
                describeX(x) +
                ": a value went beyond the range of double-precision numbers. "
                "The dots and rows before it are kept."};
}

} // namespace

double passesNeeded(const FormValues& form)
{
    const double n = (form.x2 - form.x1) / kStep;
    if (n < 0)
        return 0;
    return std::floor(n) + 1;
}

std::string describePasses(double passes)
{
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

RunOutcome run(const FormValues& form, RunSink& sink)
{
    const double h = kStep;
    const double n = (form.x2 - form.x1) / h;
    const double h2 = h / 2;
    double y = form.y1;

    const double passes = passesNeeded(form);
    if (!(passes <= static_cast<double>(kMaxPasses))) {
        return {RunStatus::Refused, 0,
                "This run would need " + describePasses(passes) +
                    " steps of 0.05, but a run may have at most " +
                    describePasses(static_cast<double>(kMaxPasses)) +
                    ". Choose an initial and a final x closer together."};
    }

    const double x1 = form.x1;
    const double slope1 = f(form, x1, y);
    if (!std::isfinite(x1) || !std::isfinite(y))
        return overflowAt(form, x1, 0);
    sink.PlotDot(x1, y, kSolutionColour);
    if (!std::isfinite(slope1))
        return overflowAt(form, x1, 0);
    sink.PlotDot(x1, slope1, kSlopeColour);

    std::uint64_t rows = 0;
    for (std::uint64_t i = 0; static_cast<double>(i) <= n; ++i) {
        const double x = x1 + static_cast<double>(i) * h;
        const double k1 = f(form, x, y);
        if (!std::isfinite(x) || !std::isfinite(y))
            return overflowAt(form, x, rows);
        sink.PlotDot(x, y, kSolutionColour);
        if (!std::isfinite(k1))
            return overflowAt(form, x, rows);
        sink.PlotDot(x, k1, kSlopeColour);
        sink.AddResultRow(ResultRow{x, y});
        ++rows;
        const double k2 = f(form, x + h2, y + k1 * h2);
        const double k3 = f(form, x + h2, y + k2 * h2);
        const double k4 = f(form, x + h, y + k3 * h);
        y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
    }
    return {RunStatus::Completed, rows, {}};
}

} // namespace solver
