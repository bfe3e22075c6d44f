#pragma once

#include "zocal/core/calcola.h"

#include <string>
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

// A readable Italian listing of the results, one block a foundation.
std::string prospetto(const DatiCalcolo& dati, const std::vector<FondazioneCalcolata>& fondazioni);

// The same results as one JSON object; every value is the text the window
// would show ("" for an empty cell).
std::string prospettojson(const DatiCalcolo& dati,
                          const std::vector<FondazioneCalcolata>& fondazioni);

} // namespace zocal
