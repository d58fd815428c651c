#include "rowtext.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace solver {

std::size_t formatFixed(double value, int decimals, char* out)
{
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

std::size_t ResultRow::format(char* out) const
{
    std::size_t length = formatFixed(x, 2, out);
    std::memcpy(out + length, "    ", 4);
    length += 4;
    return length + formatFixed(y, 5, out + length);
}

std::string ResultRow::text() const
{
    char buffer[kMaxChars];
    return std::string(buffer, format(buffer));
}

} // namespace solver
