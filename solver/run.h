#pragma once

// A run integrates y' = f(x, y) with the classical fourth-order Runge-Kutta method from (x1, y1)
// towards x2 at a fixed step, and hands every dot and row to a RunSink in the order they are
// made. It owns nothing that outlives it: dots and rows belong to whoever implements the sink.

#include "equations.h"
#include "formvalues.h"
#include "rowtext.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace solver {

struct Colour {
    std::uint32_t rgb = 0; // 0xRRGGBB
    friend bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kSolutionColour{0xFF0000}; // y, red
inline constexpr Colour kSlopeColour{0x0000FF};    // y', blue

class RunSink {
public:
    virtual ~RunSink() = default;
    virtual void PlotDot(double x, double y, Colour colour) = 0;
    virtual void AddResultRow(const ResultRow& row) = 0;
};

inline constexpr double kStep = 0.05;

// Longer runs would freeze the window for minutes and outgrow any list; past 2^53 passes the
// counter would stop advancing altogether.
inline constexpr std::uint64_t kMaxPasses = 1'000'000;

// The number of passes a run over these values makes: floor(n) + 1 for n = (x2 - x1) / h >= 0,
// 0 for n < 0, and infinity or NaN when n is not finite.
double passesNeeded(const FormValues& form);

enum class RunStatus {
    Completed,
    Refused,  // too many passes: nothing was plotted or listed
    Overflow, // stopped at the first value beyond the double range; what came before is kept
};

struct RunOutcome {
    RunStatus status = RunStatus::Completed;
    std::uint64_t rows = 0; // rows handed to the sink
    std::string message;    // empty when Completed

    bool ok() const { return status == RunStatus::Completed; }
};

// Any type with RunSink's two operations can receive a run; with a concrete sink type its
// calls compile inline, so handing over dots and rows costs next to nothing.
template <class Sink> RunOutcome run(const FormValues& form, Sink& sink);

// Text for a count of passes, grouped in thousands ("20,000,000,001").
std::string describePasses(double passes);

namespace detail {
RunOutcome refused(double passes);
RunOutcome overflowAt(const FormValues& form, double x, std::uint64_t rows);
} // namespace detail

template <class Sink> RunOutcome run(const FormValues& form, Sink& sink) {
    const double h = kStep;
    const double n = (form.x2 - form.x1) / h;
    const double h2 = h / 2;
    double y = form.y1;

    const double passes = passesNeeded(form);
    if (!(passes <= static_cast<double>(kMaxPasses)))
        return detail::refused(passes);

    // Dots and rows are handed over only while every value is finite; the run stops at the
    // first one that is not, keeping what came before.
    const double x1 = form.x1;
    const double slope1 = f(form, x1, y);
    if (!std::isfinite(x1) || !std::isfinite(y))
        return detail::overflowAt(form, x1, 0);
    sink.PlotDot(x1, y, kSolutionColour);
    if (!std::isfinite(slope1))
        return detail::overflowAt(form, x1, 0);
    sink.PlotDot(x1, slope1, kSlopeColour);

    // A signed counter converts to double in one instruction; it never exceeds kMaxPasses.
    std::int64_t i = 0;
    for (; static_cast<double>(i) <= n; ++i) {
        const double x = x1 + static_cast<double>(i) * h;
        const double k1 = f(form, x, y);
        if (!std::isfinite(x) || !std::isfinite(y))
            return detail::overflowAt(form, x, static_cast<std::uint64_t>(i));
        sink.PlotDot(x, y, kSolutionColour);
        if (!std::isfinite(k1))
            return detail::overflowAt(form, x, static_cast<std::uint64_t>(i));
        sink.PlotDot(x, k1, kSlopeColour);
        sink.AddResultRow(ResultRow{x, y});
        const double k2 = f(form, x + h2, y + k1 * h2);
        const double k3 = f(form, x + h2, y + k2 * h2);
        const double k4 = f(form, x + h, y + k3 * h);
        y = y + (h * ((k1 + k4) + 2 * (k2 + k3))) / 6;
    }
    return {RunStatus::Completed, static_cast<std::uint64_t>(i), {}};
}

// The run with any sink behind the RunSink interface.
RunOutcome run(const FormValues& form, RunSink& sink);

} // namespace solver
