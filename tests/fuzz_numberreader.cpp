// Fuzz target for the number reader. Checks every input against the C library's strtod, which
// reads the same grammar except for forms the entry boxes do not accept (other blanks, inf, nan,
// hexadecimal), handled before it is asked.

#include "numberreader.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The input in ASCII: the full-width forms the reader accepts become their ASCII counterparts;
// every other byte outside printable ASCII becomes one that cannot be part of a number.
std::string toAscii(std::string_view text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
        };
        if (byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x90 && byte(2) <= 0x99) {
            ascii += static_cast<char>('0' + byte(2) - 0x90);
        } else if (byte(0) == 0xEF && byte(1) == 0xBC &&
                   (byte(2) == 0x8E || byte(2) == 0x8D || byte(2) == 0x8B)) {
            ascii += byte(2) == 0x8E ? '.' : byte(2) == 0x8D ? '-' : '+';
        } else if (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            ascii += ' ';
        } else {
            const unsigned char c = byte(0);
            ascii += (c >= 0x20 && c < 0x7F) || c == '\t' ? static_cast<char>(c) : '\x01';
            ++i;
            continue;
        }
        i += 3;
    }
    return ascii;
}

struct Expected {
    double value;
    bool outOfRange;
};

Expected reference(std::string_view text) {
    const std::string ascii = toAscii(text);
    std::size_t at = ascii.find_first_not_of(" \t");
    if (at == std::string::npos)
        return {0, false};
    const bool negative = ascii[at] == '-';
    std::size_t digits = at + (ascii[at] == '-' || ascii[at] == '+' ? 1 : 0);
    const std::string_view rest = std::string_view(ascii).substr(digits);
    // strtod would also read these; the reader takes the "0" of "0x" and nothing of the rest.
    if (rest.empty() || !(std::isdigit(static_cast<unsigned char>(rest[0])) || rest[0] == '.'))
        return {0, false};
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        return {negative ? -0.0 : 0.0, false};
    const char* start = ascii.c_str() + at;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(start, &end);
    if (end == start)
        return {0, false};
    if (errno == ERANGE && std::isinf(value))
        return {0, true};
    return {value, false};
}

[[noreturn]] void fail(const char* what, std::string_view text, double got, double expected) {
    std::fprintf(stderr, "%s for input of %zu bytes: got %.17g, expected %.17g\n", what,
                 text.size(), got, expected);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const solver::NumberReading reading = solver::readNumber(text);
    const Expected expected = reference(text);
    if (reading.outOfRange != expected.outOfRange)
        fail("range disagrees", text, reading.value, expected.value);
    if (!std::isfinite(reading.value))
        fail("not finite", text, reading.value, expected.value);
    if (reading.outOfRange && reading.value != 0)
        fail("out of range but not 0", text, reading.value, 0);
    if (!reading.outOfRange && (reading.value != expected.value ||
                                std::signbit(reading.value) != std::signbit(expected.value)))
        fail("value disagrees", text, reading.value, expected.value);
    return 0;
}
