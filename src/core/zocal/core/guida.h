#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/messaggio.h"
#include "zocal/core/ntc.h"

#include <optional>
#include <string>

namespace zocal {

struct ModZocal;

inline constexpr const char* promptapertura = "aprire un file con i dati archiviati o iniziare "
                                              "l'immissione digitando la profondità della prima "
                                              "fondazione";

// What the guidance prompt reads of the window besides the data.
struct CampiTerreno {
    std::string pesos;
    std::string coes;
    std::string attr;
};

// The one guidance text for the yellow box: the next value to type, in the
// lowest storey that lacks one; a foundation left empty below one in use is
// asked for too.
std::string indicazioni(const DatiCalcolo& dati, int fondcorrente, const CampiTerreno& campi);

// The first foundation without a depth below the highest one in use; 0 when
// there is none.
int fondazionevuota(const DatiCalcolo& dati);

// The data check. Returns the message to show, if any; ends at the first
// message. With controllosilenzioso at 1 a check that finds everything in
// place sets it to 0 and shows nothing.
std::optional<Messaggio> controlla(const DatiCalcolo& dati, int& controllosilenzioso,
                                   const ModZocal& mod);

// Before a report: one with nothing to report is refused with this text.
inline constexpr const char* relazionesenzadati =
    "Non esistono dati: la relazione non viene prodotta.";
// The foundations 1..nfond not verified, by their allowable-stress verdict
// or, when given options and the check can be made, by the limit-state
// one: "La fondazione n. 2 non è verificata." or "Le fondazioni n. 1, 3 non
// sono verificate."; empty when every one holds.
std::string fondazioninonverificate(const DatiCalcolo& dati, const OpzioniNtc* ntc);

} // namespace zocal
