// zudozurize-table FNUM X1 Y1 X2: prints the rows of one run, exactly as the window lists them.

#include "equations.h"
#include "numberreader.h"
#include "run.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage = "usage: zudozurize-table FNUM X1 Y1 X2";

void printHelp() {
    std::string help(kUsage);
    help += R"(

Prints the table of one fourth-order Runge-Kutta run of y' = f(x, y) from
(X1, Y1) towards X2 at a step of 0.05, one row per step: x with two decimals,
four blanks, y with five decimals. These are the rows the ZudozUrize window
lists for the same equation and values.

FNUM selects the equation:
)";
    for (std::size_t i = 0; i < solver::kEquationTexts.size(); ++i)
        help += "  " + std::to_string(i + 1) + "  " + std::string(solver::kEquationTexts[i]) + "\n";
    help += R"(
X1, Y1 and X2 are read as the window reads its boxes: "." is the decimal
mark, an exponent such as 1e3 is allowed, and text that is not a number reads
as 0. Negative numbers are arguments, not options: zudozurize-table 2 -1.5 0 3

A run may have at most 1,000,000 steps.

Exit status: 0 when every row was printed; 1 when the run was refused or
stopped by an overflow (its message follows the rows printed so far on
standard error); 2 for a wrong argument.
)";
    std::fputs(help.c_str(), stdout);
}

int usageError(const std::string& what) {
    std::fprintf(stderr, "zudozurize-table: %s (%s; --help explains)\n", what.c_str(),
                 kUsage.data());
    return 2;
}

class PrintingSink final : public solver::RunSink {
public:
    ~PrintingSink() override { flush(); }

    void PlotDot(double, double, solver::Colour) override {}

    void AddResultRow(const solver::ResultRow& row) override {
        if (buffer_.size() > kFlushAt)
            flush();
        char text[solver::ResultRow::kMaxChars + 1];
        std::size_t length = row.format(text);
        text[length++] = '\n';
        buffer_.append(text, length);
    }

    void flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        std::fflush(stdout);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 16;
    std::string buffer_;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printHelp();
        return 0;
    }
    if (args.size() != 4)
        return usageError("expected 4 arguments, got " + std::to_string(args.size()));

    static constexpr const char* kNames[] = {"FNUM", "X1", "Y1", "X2"};
    double values[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const solver::NumberReading reading = solver::readNumber(args[i]);
        if (reading.outOfRange)
            return usageError(std::string(kNames[i]) + " \"" + std::string(args[i]) +
                              "\" is beyond the range of double-precision numbers");
        values[i] = reading.value;
    }
    const double fnum = values[0];
    if (!(fnum >= 1 && fnum <= 6 && fnum == static_cast<int>(fnum)))
        return usageError("FNUM must be a whole number from 1 to 6, not \"" + std::string(args[0]) +
                          "\"");

    const solver::FormValues form{static_cast<int>(fnum), values[1], values[2], values[3]};
    PrintingSink sink;
    const solver::RunOutcome outcome = solver::run(form, sink);
    sink.flush();
    if (!outcome.ok()) {
        std::fprintf(stderr, "zudozurize-table: %s\n", outcome.message.c_str());
        return 1;
    }
    return 0;
}
