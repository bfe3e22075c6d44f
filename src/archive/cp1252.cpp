#include "zocal/archive/cp1252.h"

#include "zocal/core/utf8.h"

#include <array>
#include <cstdint>

namespace zocal {

namespace {

// 0x80..0x9F; the undefined bytes map to the code point of the same value.
constexpr std::array<char32_t, 32> alti{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void accodautf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte for a code point, or -1 when the code page has none.
int byteper(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < alti.size(); ++i) {
        if (alti[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at s[pos]; advances pos. Returns false for a
// malformed sequence (overlong, surrogate, out of range, truncated), having
// skipped its lead byte and any continuation bytes that belong to it.
bool decodifica(std::string_view s, std::size_t& pos, char32_t& c) {
    const auto b0 = static_cast<std::uint8_t>(s[pos]);
    int seguito = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        c = b0;
        ++pos;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        seguito = 1;
        c = b0 & 0x1F;
        minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguito = 2;
        c = b0 & 0x0F;
        minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguito = 3;
        c = b0 & 0x07;
        minimo = 0x10000;
    } else {
        ++pos;
        return false;
    }
    ++pos;
    for (int k = 0; k < seguito; ++k) {
        if (pos >= s.size() || (static_cast<std::uint8_t>(s[pos]) & 0xC0) != 0x80) {
            return false;
        }
        c = (c << 6) | (static_cast<std::uint8_t>(s[pos]) & 0x3F);
        ++pos;
    }
    return c >= minimo && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

} // namespace

std::string dacp1252(std::string_view byte) {
    std::string out;
    out.reserve(byte.size() + byte.size() / 4);
    for (char b : byte) {
        const auto u = static_cast<std::uint8_t>(b);
        if (u < 0x80) {
            out += b;
        } else if (u < 0xA0) {
            accodautf8(out, alti[u - 0x80]);
        } else {
            accodautf8(out, u);
        }
    }
    return out;
}

std::string acp1252(std::string_view utf8, bool* perdite) {
    std::string out;
    out.reserve(utf8.size());
    bool perso = false;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const int b = decodifica(utf8, pos, c) ? byteper(c) : -1;
        if (b < 0) {
            out += '?';
            perso = true;
        } else {
            out += static_cast<char>(b);
        }
    }
    if (perdite != nullptr) {
        *perdite = perso;
    }
    return out;
}

bool utf8valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = sequenzautf8(s, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

} // namespace zocal
