#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/messaggio.h"

#include <optional>
#include <string>
#include <string_view>

namespace zocal {

struct ModZocal;

// What a field holds: a decimal (lengths, soil values) or a whole number
// (weights, the soil type), for what a typed point means.
enum class TipoDato { decimale, intero };

struct EsitoValidazione {
    std::string datocorretto;         // the text to write back into the field
    std::string datoimmesso;          // the input, emptied when refused
    std::optional<Messaggio> rifiuto; // the message to show when refused
    // What became of a point, for the guidance box: read as the decimal
    // comma, as a thousands separator, or refused (the text stays as it was).
    std::string nota;
};

// The rule for what may be typed into a numeric field: keeps digits, "," and
// "-", drops everything else; a lone "-" or nothing left is refused. In a
// decimal field a point is the decimal comma ("1.5" is 1,5); in a whole-number
// field a point before exactly three digits separates thousands ("1.800" is
// 1800) and any other point is refused, the field keeping `precedente`.
EsitoValidazione validadato(std::string_view datoimmesso, const ModZocal& mod,
                            TipoDato tipo = TipoDato::decimale, std::string_view precedente = {});

// An entry outside the range usual for it (a width of 15 m is a slip, not a
// design): the warning naming it, for the guidance box; nothing is refused.
struct Intervallo {
    double minimo;
    double massimo;
    const char* unita;
};
// The range of a storey entry, of the depth, width and soil values.
Intervallo intervallo(Voce voce);
inline constexpr Intervallo intervalloprof{0, 10, "m"};
inline constexpr Intervallo intervallolargh{0.2, 5, "m"};
inline constexpr Intervallo intervallopesos{1, 2.5, "t/mc"};
inline constexpr Intervallo intervallocoes{0, 50, "t/mq"};
inline constexpr Intervallo intervalloattr{0, 50, "gradi"};
// The first entry of foundation f (its storeys 1..npiani, depth, width) or of
// the soil that reads outside its range; empty when none.
std::string fuoriintervallo(const DatiCalcolo& dati, int f);

struct EsitoCifre {
    std::string testonumero;   // the text examined, made positive when negative
    std::optional<int> ncifre; // digits before the separator; none for an empty text
};

// Counts the digits in front of the decimal separator.
EsitoCifre cifreintere(std::string_view testonumero);

} // namespace zocal
