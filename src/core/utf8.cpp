#include "zocal/core/utf8.h"

#include <cstdint>

namespace zocal {

std::size_t sequenzautf8(std::string_view s, std::size_t p) {
    const auto c = static_cast<std::uint8_t>(s[p]);
    std::size_t n = 0;
    std::uint8_t basso = 0x80;
    std::uint8_t alto = 0xBF;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        basso = c == 0xE0 ? 0xA0 : 0x80;
        alto = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        basso = c == 0xF0 ? 0x90 : 0x80;
        alto = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (p + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(s[p + k]);
        if (b < (k == 1 ? basso : 0x80) || b > (k == 1 ? alto : 0xBF)) {
            return 0;
        }
    }
    return n;
}

} // namespace zocal
