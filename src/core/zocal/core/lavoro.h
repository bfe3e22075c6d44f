#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/ntc.h"

#include <array>
#include <string>
#include <string_view>

namespace zocal {

inline constexpr int ndescrizione = 13;
inline constexpr int nfrontespizio = 6;

// The description texts, in record order.
enum class Descrizione {
    fabbricato,
    muratura,
    consistenza,
    solai,
    zona,
    lotto,
    altezza,
    acque,
    vicinanze,
    canali,
    frane,
    natura,
    giudizio
};
// The title-page texts, in record order.
enum class Frontespizio { progetto, localita, committente, luogo, data, allegati };

std::string_view nomedescrizione(Descrizione d);
std::string_view nomefrontespizio(Frontespizio t);

// Everything typed for one job.
struct Lavoro {
    DatiCalcolo dati;
    std::array<std::string, ndescrizione> descrizione;   // DatiDescrizione
    std::array<std::string, nfrontespizio> frontespizio; // DatiFrontespizio
    OpzioniNtc ntc;                                      // choices of the limit-state check

    std::string& operator[](Descrizione d) { return descrizione[static_cast<int>(d)]; }
    std::string& operator[](Frontespizio t) { return frontespizio[static_cast<int>(t)]; }
    const std::string& operator[](Descrizione d) const { return descrizione[static_cast<int>(d)]; }
    const std::string& operator[](Frontespizio t) const {
        return frontespizio[static_cast<int>(t)];
    }
};

} // namespace zocal
