#include "zocal/core/lunghezza.h"

#include "zocal/core/modzocal.h"

#include <string>

namespace zocal {

std::size_t contacaratteri(std::string_view testo) {
    std::size_t n = 0;
    for (const char c : testo) {
        // Continuation bytes belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::optional<Messaggio> avvisolunghezza(std::string_view testo, std::size_t limite,
                                         const ModZocal& mod) {
    if (contacaratteri(testo) <= limite) {
        return std::nullopt;
    }
    return Messaggio{"Per una stampa corretta non digitare dati lunghi più di " +
                         std::to_string(limite) + " spazi.",
                     Icona::esclamazione, mod.titolocontrollo};
}

} // namespace zocal
