#include "numberreader.h"

#include <charconv>
#include <cmath>
#include <string>

namespace solver {
namespace {

// Yields the text one character at a time as its ASCII equivalent, or '\0' for anything that
// can never be part of a number.
class Scanner {
public:
    explicit Scanner(std::string_view text)
        : text_(text) {}

    char peek() const { return decode(pos_).ch; }
    void advance() { pos_ += decode(pos_).length; }

private:
    struct Decoded {
        char ch;
        std::size_t length;
    };

    Decoded decode(std::size_t at) const {
        if (at >= text_.size())
            return {'\0', 0};
        const auto byte = [&](std::size_t i) {
            return at + i < text_.size() ? static_cast<unsigned char>(text_[at + i]) : 0u;
        };
        const unsigned b0 = byte(0);
        if (b0 < 0x80)
            return {b0 == 0 ? '\0' : static_cast<char>(b0), 1};
        if (b0 == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80)
            return {' ', 3}; // U+3000 ideographic space
        if (b0 == 0xEF && byte(1) == 0xBC) {
            const unsigned b2 = byte(2);
            if (b2 >= 0x90 && b2 <= 0x99)
                return {static_cast<char>('0' + (b2 - 0x90)), 3}; // U+FF10..U+FF19
            if (b2 == 0x8E)
                return {'.', 3};
            if (b2 == 0x8D)
                return {'-', 3};
            if (b2 == 0x8B)
                return {'+', 3};
        }
        return {'\0', 1};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

NumberReading readNumber(std::string_view text) {
    Scanner in(text);
    while (in.peek() == ' ' || in.peek() == '\t')
        in.advance();

    std::string number; // the numeric prefix in plain ASCII, as from_chars wants it
    bool negative = false;
    if (in.peek() == '-' || in.peek() == '+') {
        negative = in.peek() == '-';
        if (negative)
            number += '-';
        in.advance();
    }

    // Decimal position of the leading significant digit, to tell overflow from underflow.
    long long leadingDigitPosition = 0;
    bool seenSignificant = false;
    std::size_t digits = 0;
    while (isDigit(in.peek())) {
        const char c = in.peek();
        if (c != '0')
            seenSignificant = true;
        if (seenSignificant)
            ++leadingDigitPosition;
        number += c;
        ++digits;
        in.advance();
    }
    if (in.peek() == '.') {
        number += '.';
        in.advance();
        while (isDigit(in.peek())) {
            const char c = in.peek();
            if (!seenSignificant) {
                if (c != '0')
                    seenSignificant = true;
                else
                    --leadingDigitPosition;
            }
            number += c;
            ++digits;
            in.advance();
        }
    }
    if (digits == 0)
        return {};

    // An exponent counts only with at least one digit: "2e" and "2e+" read as 2.
    long long exponent = 0;
    if (in.peek() == 'e' || in.peek() == 'E') {
        in.advance();
        std::string exponentText = "e";
        bool exponentNegative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            exponentNegative = in.peek() == '-';
            if (exponentNegative)
                exponentText += '-';
            in.advance();
        }
        while (isDigit(in.peek())) {
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (in.peek() - '0');
            exponentText += in.peek();
            in.advance();
        }
        if (exponentText.back() != 'e' && exponentText.back() != '-') {
            number += exponentText;
            if (exponentNegative)
                exponent = -exponent;
        } else {
            exponent = 0;
        }
    }

    double value = 0;
    const char* first = number.data();
    const auto result =
        std::from_chars(first, first + number.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range || !std::isfinite(value)) {
        if (seenSignificant && leadingDigitPosition + exponent > 0)
            return {0, true};
        return {negative ? -0.0 : 0.0, false};
    }
    return {value, false};
}

} // namespace solver
