#pragma once

#include "zocal/core/messaggio.h"

#include <optional>
#include <string>
#include <string_view>

namespace zocal {

struct ModZocal;

struct EsitoValidazione {
    std::string datocorretto;         // the text to write back into the field
    std::string datoimmesso;          // the input, emptied when refused
    std::optional<Messaggio> rifiuto; // the message to show when refused
    // A "." was dropped from a text that is otherwise kept: "1.5" would
    // silently become 15, so the same message tells the user.
    bool puntoscartato = false;
    std::optional<Messaggio> avviso;
};

// The rule for what may be typed into a numeric field: keeps digits, "," and
// "-", drops everything else; a lone "-" or nothing left is refused. A
// dropped decimal point is told with the rule's message, the cleaned text kept.
EsitoValidazione validadato(std::string_view datoimmesso, const ModZocal& mod);

struct EsitoCifre {
    std::string testonumero;   // the text examined, made positive when negative
    std::optional<int> ncifre; // digits before the separator; none for an empty text
};

// Counts the digits in front of the decimal separator.
EsitoCifre cifreintere(std::string_view testonumero);

} // namespace zocal
