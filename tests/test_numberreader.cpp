#include "numberreader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(NumberReader, Rules) {
    struct Case {
        const char* name;
        std::string text;
        double value;
        bool outOfRange = false;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"blanks only", "   \t ", 0},
        {"integer", "5", 5},
        {"negative", "-2.5", -2.5},
        {"plus sign", "+5", 5},
        {"leading blanks and tabs", " \t 7", 7},
        {"trailing dot", "5.", 5},
        {"leading dot", ".5", 0.5},
        {"negative leading dot", "-.5", -0.5},
        {"dot alone", ".", 0},
        {"minus alone", "-", 0},
        {"minus dot", "-.", 0},
        {"plus alone", "+", 0},
        {"exponent", "1e3", 1000},
        {"capital exponent", "2.5E-2", 0.025},
        {"exponent with plus", "2e+2", 200},
        {"exponent without digits", "2e", 2},
        {"exponent sign without digits", "2e+", 2},
        {"exponent minus without digits", "2e-x", 2},
        {"stops at letters", "12abc", 12},
        {"stops at second dot", "1.2.3", 1.2},
        {"comma is not a mark", "3,5", 3},
        {"stops at inner blank", "1 2", 1},
        {"initial box text", "x1", 0},
        {"letters", "abc", 0},
        {"inf is not a number", "inf", 0},
        {"negative inf", "-inf", 0},
        {"nan", "nan", 0},
        {"hex prefix stops at x", "0x10", 0},
        {"blank before sign ends it", "- 5", 0},
        {"largest finite", "1.7976931348623157e308", 1.7976931348623157e308},
        {"1e308", "1e308", 1e308},
        {"beyond range", "1e309", 0, true},
        {"negative beyond range", "-1e400", 0, true},
        {"long mantissa beyond range", std::string(400, '9'), 0, true},
        {"huge exponent", "1e99999999999999999999", 0, true},
        {"too small reads as zero", "1e-400", 0},
        {"huge negative exponent", "5e-99999999999999999999", 0},
        {"zero with huge exponent", "0e99999", 0},
        {"subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
        {"leading zeros", "000012.5000", 12.5},
        {"full-width digit", "９", 9},
        {"full-width negative decimal", "－２．５", -2.5},
        {"full-width plus", "＋３", 3},
        {"full-width space then digit", "\u3000４２", 42},
        {"full-width mixed with ASCII", "1２.5", 12.5},
        {"NUL ends the number",
         std::string("12\0"
                     "34",
                     5),
         12},
        {"emoji ends the number",
         "7\U0001F600"
         "8",
         7},
        {"emoji first",
         "\U0001F600"
         "8",
         0},
        {"invalid UTF-8",
         "\xff\xfe"
         "5",
         0},
        {"truncated full-width", "\xef\xbc", 0},
        {"100000 digits", std::string(100000, '1'), 0, true},
        {"100000 letters", std::string(100000, 'a'), 0},
        {"100000 zeros then 7", "0." + std::string(100000, '0') + "7", 0},
    };
    for (const Case& c : cases) {
        const solver::NumberReading reading = solver::readNumber(c.text);
        EXPECT_EQ(reading.outOfRange, c.outOfRange) << c.name;
        EXPECT_EQ(reading.value, c.value) << c.name;
    }
}

TEST(NumberReader, SignOfZeroIsKept) {
    EXPECT_TRUE(std::signbit(solver::readNumber("-0").value));
    EXPECT_TRUE(std::signbit(solver::readNumber("-1e-400").value));
    EXPECT_FALSE(std::signbit(solver::readNumber("1e-400").value));
}
