#include "rowtext.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace solver {
namespace {

__extension__ using Uint128 = unsigned __int128; // GCC and Clang both have it

constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000};

// The exact digits for |value| < 2^40, with a few integer operations instead of to_chars'
// general machinery: value = mantissa * 2^-shift exactly, so value * 10^decimals is an exact
// 128-bit product shifted right, rounded half to even as to_chars rounds.
std::size_t formatSmall(double value, int decimals, char* out) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t(1) << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t(1) << 52;
    const int shift = 1075 - (biased == 0 ? 1 : biased); // at least 13 below 2^40
    const Uint128 scaled = static_cast<Uint128>(mantissa) * kPowersOfTen[decimals]; // below 2^70
    std::uint64_t units = 0; // value in units of 10^-decimals, below 2^57
    if (shift < 128) {
        auto quotient = scaled >> shift;
        const auto remainder = scaled - (quotient << shift);
        const auto half = static_cast<Uint128>(1) << (shift - 1);
        if (remainder > half || (remainder == half && (quotient & 1) != 0))
            ++quotient;
        units = static_cast<std::uint64_t>(quotient);
    }

    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0 || count <= decimals);
    std::size_t length = 0;
    if ((bits >> 63) != 0 && std::any_of(digits, digits + count, [](char c) { return c != '0'; }))
        out[length++] = '-';
    for (int i = count - 1; i >= 0; --i) {
        out[length++] = digits[i];
        if (i == decimals && decimals > 0)
            out[length++] = '.';
    }
    return length;
}

} // namespace

std::size_t formatFixed(double value, int decimals, char* out) {
    if (std::abs(value) < 0x1p40 && decimals >= 0 && decimals <= 5)
        return formatSmall(value, decimals, out);

    // The buffer holds every finite double at five decimals, so to_chars cannot run short.
    char* end =
        std::to_chars(out, out + kMaxFixedChars, value, std::chars_format::fixed, decimals).ptr;
    std::size_t length = static_cast<std::size_t>(end - out);
    if (out[0] == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; })) {
        std::memmove(out, out + 1, length - 1);
        --length;
    }
    return length;
}

std::size_t ResultRow::format(char* out) const {
    std::size_t length = formatFixed(x, 2, out);
    std::memcpy(out + length, "    ", 4);
    length += 4;
    return length + formatFixed(y, 5, out + length);
}

std::string ResultRow::text() const {
    char buffer[kMaxChars];
    return std::string(buffer, format(buffer));
}

} // namespace solver
