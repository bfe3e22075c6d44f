#pragma once

#include "zocal/core/calcola.h"
#include "zocal/core/ntc.h"

#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// One foundation after its calculation.
struct FondazioneCalcolata {
    int numero = 0;
    EsitoCalcolo esito;
};

// Computes foundations 1..nfond one after the other, as the window does when
// it brings every result up to date.
std::vector<FondazioneCalcolata> calcolatutte(DatiCalcolo& dati);

// A readable Italian listing of the results, one block a foundation. With
// `ntc`, each block also holds the limit-state check made with those choices.
std::string prospetto(const DatiCalcolo& dati, const std::vector<FondazioneCalcolata>& fondazioni,
                      const OpzioniNtc* ntc = nullptr);

// The same results as one JSON object; every value is the text the window
// would show ("" for an empty cell). With `ntc`, each foundation also has an
// object "ntc" whose numbers are JSON numbers, unrounded (null when the
// check could not be made), and the object starts with the choices used.
std::string prospettojson(const DatiCalcolo& dati,
                          const std::vector<FondazioneCalcolata>& fondazioni,
                          const OpzioniNtc* ntc = nullptr);
// The same, added at the end of `out`.
void prospettojson(std::string& out, const DatiCalcolo& dati,
                   const std::vector<FondazioneCalcolata>& fondazioni,
                   const OpzioniNtc* ntc = nullptr);

// `testo` as a JSON string, quotes included.
std::string testojson(const std::string& testo);
// The same, added at the end of `out`.
void aggiungijson(std::string& out, std::string_view testo);

} // namespace zocal
