#include "zocal/core/citazione.h"

#include "zocal/core/utf8.h"

#include <cstdint>

namespace zocal {

namespace {

void esadecimale(std::string& out, unsigned valore) {
    static constexpr char cifre[] = "0123456789ABCDEF";
    out += "\\x";
    out += cifre[(valore >> 4) & 0xF];
    out += cifre[valore & 0xF];
}

} // namespace

std::string citazione(std::string_view testo) {
    std::string out;
    std::size_t caratteri = 0;
    std::size_t p = 0;
    while (p < testo.size() && caratteri < lunghezzacitazione) {
        const std::size_t n = sequenzautf8(testo, p);
        const auto c = static_cast<std::uint8_t>(testo[p]);
        if (n == 0) {
            esadecimale(out, c);
            ++p;
        } else if (c < 0x20 || c == 0x7F) {
            esadecimale(out, c);
            ++p;
        } else if (c == 0xC2 && static_cast<std::uint8_t>(testo[p + 1]) < 0xA0) {
            // U+0080..U+009F: the C1 controls, one of which opens escape sequences.
            esadecimale(out, static_cast<std::uint8_t>(testo[p + 1]));
            p += 2;
        } else {
            out.append(testo.substr(p, n));
            p += n;
        }
        ++caratteri;
    }
    if (p < testo.size()) {
        out += "…";
    }
    return out;
}

} // namespace zocal
