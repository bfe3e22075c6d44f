// Typed text through the entry rule and every reading rule: nothing may crash,
// the entry rule keeps only digits, "," and "-", and a number written by the
// writing rule reads back to the same text.
#include "zocal/core/immissione.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zocal::ModZocal mod = [] {
        zocal::ModZocal m;
        m.inizializza();
        return m;
    }();
    const std::string_view testo(reinterpret_cast<const char*>(data), size);
    const zocal::EsitoValidazione e = zocal::validadato(testo, mod);
    for (char c : e.datocorretto) {
        if (!(c == ',' || c == '-' || (c >= '0' && c <= '9'))) {
            std::abort();
        }
    }
    if (e.rifiuto && !e.datocorretto.empty()) {
        std::abort();
    }
    const zocal::Cella cella(e.datocorretto);
    (void)zocal::leggiintero(cella);
    (void)zocal::leggicm(cella);
    (void)zocal::cifreintere(e.datocorretto);
    (void)zocal::leggipunto(testo);
    if (const auto v = zocal::leggidecimale(cella)) {
        const std::string scritto = zocal::scrivinumero(*v);
        const auto riletto = zocal::leggidecimale(scritto);
        if (!riletto || zocal::scrivinumero(*riletto) != scritto) {
            std::abort();
        }
        const auto punto = zocal::leggipunto(zocal::scrivipunto(*v));
        if (!punto || zocal::scrivinumero(*punto) != scritto) {
            std::abort();
        }
    }
    return 0;
}
