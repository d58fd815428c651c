#pragma once

// A run integrates y' = f(x, y) with the classical fourth-order Runge-Kutta method from (x1, y1)
// towards x2 at a fixed step, and hands every dot and row to a RunSink in the order they are
// made. It owns nothing that outlives it: dots and rows belong to whoever implements the sink.

#include "formvalues.h"
#include "rowtext.h"

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

RunOutcome run(const FormValues& form, RunSink& sink);

// Text for a count of passes, grouped in thousands ("20,000,000,001").
std::string describePasses(double passes);

} // namespace solver
