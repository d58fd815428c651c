#include "equations.h"
#include "recordingsink.h"
#include "run.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using solver::FormValues;
using solver::RunStatus;

namespace {

RecordingSink runOf(const FormValues& form, solver::RunOutcome* outcome = nullptr) {
    RecordingSink sink;
    const solver::RunOutcome result = solver::run(form, sink);
    if (outcome)
        *outcome = result;
    return sink;
}

} // namespace

TEST(Run, WorkedExamples) {
    struct Case {
        const char* name;
        FormValues form;
        std::size_t rows;
        std::vector<std::pair<std::size_t, const char*>> expected; // row index, text
    };
    const Case cases[] = {
        {"e^-x",
         {1, 0, 1, 1},
         21,
         {{0, "0.00    1.00000"},
          {1, "0.05    0.95123"},
          {2, "0.10    0.90484"},
          {20, "1.00    0.36788"}}},
        {"x - y to 1", {2, 0, 0, 1}, 21, {{0, "0.00    0.00000"}, {20, "1.00    0.36788"}}},
        {"x - y to 5", {2, 0, 0, 5}, 101, {{0, "0.00    0.00000"}, {100, "5.00    4.00674"}}},
        {"x/2 - sin(x+y)", {6, 0, 0, 1}, 21, {{1, "0.05    -0.00061"}, {20, "1.00    -0.16282"}}},
        {"y' = 2",
         {3, 0, 0, 2},
         41,
         {{0, "0.00    0.00000"}, {1, "0.05    0.10000"}, {40, "2.00    4.00000"}}},
        {"n just below 6 drops the last point", {3, 0, 0, 0.3}, 6, {{5, "0.25    0.50000"}}},
        {"equal x1 and x2 make one pass", {1, 2, 3, 2}, 1, {{0, "2.00    3.00000"}}},
        {"negative x keeps its minus",
         {3, -1.5, 0, -1.4},
         3,
         {{0, "-1.50    0.00000"}, {2, "-1.40    0.20000"}}},
        {"whole visible range", {4, -2, 0, 18}, 401, {{0, "-2.00    0.00000"}}},
        {"no equation keeps y",
         {0, 0, 0, 1},
         21,
         {{0, "0.00    0.00000"}, {20, "1.00    0.00000"}}},
        {"negative zero start shows no minus", {1, 0, -0.0, 0}, 1, {{0, "0.00    0.00000"}}},
    };
    for (const Case& c : cases) {
        solver::RunOutcome outcome;
        const RecordingSink sink = runOf(c.form, &outcome);
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(outcome.ok());
        EXPECT_EQ(outcome.rows, c.rows);
        ASSERT_EQ(sink.rows.size(), c.rows);
        EXPECT_EQ(sink.dots.size(), 2 + 2 * c.rows);
        for (const auto& [index, text] : c.expected)
            EXPECT_EQ(sink.rows[index], text) << "row " << index;
    }
}

TEST(Run, DotsComeInOrderWithTheirColours) {
    const RecordingSink sink = runOf({1, 0, 1, 1});
    ASSERT_EQ(sink.dots.size(), 44u);
    // The two dots before the loop repeat those of the first pass.
    for (std::size_t d : {0u, 2u}) {
        EXPECT_EQ(sink.dots[d].x, 0);
        EXPECT_EQ(sink.dots[d].y, 1);
        EXPECT_EQ(sink.dots[d].colour, solver::kSolutionColour);
        EXPECT_EQ(sink.dots[d + 1].y, -1);
        EXPECT_EQ(sink.dots[d + 1].colour, solver::kSlopeColour);
    }
    // Each pass: red y, blue y' = -y, then the row.
    std::string expectedEvents = "dd";
    for (int i = 0; i < 21; ++i)
        expectedEvents += "ddr";
    EXPECT_EQ(std::string(sink.events.begin(), sink.events.end()), expectedEvents);
    for (std::size_t pass = 0; pass < 21; ++pass) {
        const auto& red = sink.dots[2 + 2 * pass];
        const auto& blue = sink.dots[3 + 2 * pass];
        EXPECT_EQ(red.colour, solver::kSolutionColour);
        EXPECT_EQ(blue.colour, solver::kSlopeColour);
        EXPECT_EQ(red.x, blue.x);
        EXPECT_EQ(blue.y, -red.y);
        EXPECT_NEAR(red.y, std::exp(-red.x), 1e-6);
    }
    EXPECT_GT(sink.dots[2].y, sink.dots.back().y * 2); // falls from 1 towards 0.37
}

TEST(Run, XIsComputedAfreshFromThePassNumber) {
    const RecordingSink sink = runOf({3, 0.1, 0, 100});
    ASSERT_EQ(sink.dots.size() % 2, 0u);
    for (std::size_t pass = 0; pass + 3 < sink.dots.size() / 2; ++pass)
        ASSERT_EQ(sink.dots[2 + 2 * pass].x, 0.1 + static_cast<double>(pass) * 0.05) << pass;
}

TEST(Run, EmptyRunsPlotOnlyTheStartDots) {
    const RecordingSink sink = runOf({2, 1, 3, 0.5});
    EXPECT_TRUE(sink.rows.empty());
    ASSERT_EQ(sink.dots.size(), 2u);
    EXPECT_EQ(sink.dots[0].x, 1);
    EXPECT_EQ(sink.dots[0].y, 3);
    EXPECT_EQ(sink.dots[1].x, 1);
    EXPECT_EQ(sink.dots[1].y, -2);
}

TEST(Run, NoEquationPlotsSlopesOnTheAxis) {
    const RecordingSink sink = runOf({0, 0, 0, 1});
    for (std::size_t d = 1; d < sink.dots.size(); d += 2)
        EXPECT_EQ(sink.dots[d].y, 0);
}

TEST(Run, PassBound) {
    struct Case {
        const char* name;
        FormValues form;
        const char* needs;
    };
    const double max = std::numeric_limits<double>::max();
    const Case cases[] = {
        {"final x 1e12", {1, 0, 1, 1e12}, "20,000,000,000,001"},
        {"just past the limit", {1, 0, 1, 50000}, "1,000,001"},
        {"range beyond double", {1, -1e308, 0, 1e308}, "more than can be counted"},
        {"largest range", {1, -max, 0, max}, "more than can be counted"},
    };
    for (const Case& c : cases) {
        solver::RunOutcome outcome;
        const RecordingSink sink = runOf(c.form, &outcome);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.status, RunStatus::Refused);
        EXPECT_NE(outcome.message.find(c.needs), std::string::npos) << outcome.message;
        EXPECT_NE(outcome.message.find("1,000,000"), std::string::npos) << outcome.message;
        EXPECT_TRUE(sink.dots.empty());
        EXPECT_TRUE(sink.rows.empty());
    }

    solver::RunOutcome outcome;
    const RecordingSink sink = runOf({1, 0, 1, 49999.96}, &outcome);
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(sink.rows.size(), 1'000'000u);
    EXPECT_EQ(sink.rows.back(), "49999.95    0.00000");
}

TEST(Run, OverflowStopsAndKeepsWhatCameBefore) {
    struct Case {
        const char* name;
        FormValues form;
        std::size_t rows;
        std::size_t dots;
        const char* where;
    };
    const Case cases[] = {
        {"x - y from 1e308", {2, 0, 1e308, 1}, 1, 4, "x = 0.05"},
        {"-y from 1.7e308", {1, 0, 1.7e308, 1}, 1, 4, "x = 0.05"},
        // the slope of the very first dot is already beyond range
        {"xcos(4x) - y", {5, 1e308, -1.7e308, 1e308}, 0, 1, "x = 1e+308"},
    };
    for (const Case& c : cases) {
        solver::RunOutcome outcome;
        const RecordingSink sink = runOf(c.form, &outcome);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.status, RunStatus::Overflow);
        EXPECT_EQ(sink.rows.size(), c.rows);
        EXPECT_EQ(outcome.rows, c.rows);
        EXPECT_EQ(sink.dots.size(), c.dots);
        EXPECT_NE(outcome.message.find(c.where), std::string::npos) << outcome.message;
        EXPECT_NE(outcome.message.find(solver::equationName(c.form.fnum)), std::string::npos);
        for (const auto& dot : sink.dots)
            EXPECT_TRUE(std::isfinite(dot.x) && std::isfinite(dot.y));
    }
    const RecordingSink sink = runOf({2, 0, 1e308, 1});
    EXPECT_EQ(sink.rows[0].substr(0, 12), "0.00    1000");
    EXPECT_EQ(sink.rows[0].substr(sink.rows[0].size() - 6), ".00000");
}

TEST(Run, FormatsRowsOnlyOnDemand) {
    const solver::ResultRow row{-1.5, -0.000001};
    EXPECT_EQ(row.text(), "-1.50    0.00000");
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.36787944, 5, "0.36788"},
        {-0.004, 2, "0.00"},
        {-0.005000001, 2, "-0.01"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {2.675, 2, "2.67"},
        {1e21, 2, "1000000000000000000000.00"},
        {-0.0, 5, "0.00000"},
        {0.000005, 5, "0.00001"},
        {123456.789, 0, "123457"},
    };
    for (const Case& c : cases) {
        char buffer[solver::kMaxFixedChars];
        EXPECT_EQ(std::string(buffer, solver::formatFixed(c.value, c.decimals, buffer)), c.text)
            << c.value;
    }
    char buffer[solver::ResultRow::kMaxChars];
    const double max = std::numeric_limits<double>::max();
    const std::size_t longest = solver::ResultRow{-max, -max}.format(buffer);
    EXPECT_EQ(longest, 2u * 309 + 1 + 1 + 2 + 4 + 5 + 1 + 1);
}

// The formatter's own fast path for ordinary values must agree with to_chars everywhere.
TEST(Run, RowFormattingAgreesWithToChars) {
    const auto reference = [](double value, int decimals) {
        char buffer[solver::kMaxFixedChars];
        std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value,
                                               std::chars_format::fixed, decimals)
                                     .ptr);
        if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
            text.erase(0, 1);
        return text;
    };
    std::vector<double> values = {0.0,      -0.0,     0.5,          1.5,
                                  2.5,      0.125,    -0.125,       0.005,
                                  1.005,    0.000005, 0.0000049999, 1e-320,
                                  0x1p40,   -0x1p40,  0x1p40 - 1,   1099511627775.995,
                                  49999.95, -2.675,   4.00674,      0.36787944117144233};
    // Halfway cases at every count of decimals, and numbers of every magnitude.
    for (int k = 0; k < 2000; ++k) {
        values.push_back((k + 0.5) / 100000.0);
        values.push_back(k / 64.0 + 1.0 / 128);
    }
    std::mt19937_64 random(20261211);
    for (int k = 0; k < 200000; ++k) {
        const int exponent = static_cast<int>(random() % 120) - 80;
        const double value = std::ldexp(static_cast<double>(random() >> 11), exponent - 53);
        values.push_back(random() & 1 ? -value : value);
    }
    for (double value : values) {
        for (int decimals : {0, 2, 5}) {
            char buffer[solver::kMaxFixedChars];
            const std::string text(buffer, solver::formatFixed(value, decimals, buffer));
            ASSERT_EQ(text, reference(value, decimals)) << value << " at " << decimals;
        }
    }
}
