#pragma once

#include "zocal/core/ntc/azioni.h"
#include "zocal/core/ntc/portanza.h"
#include "zocal/core/ntc/scorrimento.h"

#include <optional>
#include <vector>

namespace zocal {

// One analysis (long or short term) of one foundation: every combination
// against its resistance, and the sliding check.

struct DatiAnalisi {
    double c = 0, phi = 0, gamma = 0; // kPa, degrees, kN/m3
    Falda falda;
    double B = 0, D = 0;
    CarichiFondazione carichi;
    DatiFondazioneNtc fondazione;
    double gG2 = gammaG2;
    FormulaNgamma ngamma = FormulaNgamma::brinchhansen;
    bool profondita = true;
};

struct CombinazioneVerificata {
    AzioneCombinata azione;
    Portanza portanza; // not computed when the eccentricity is too large
    double EdRd = 0;   // +infinity when the resistance is nil or e > B/3
    bool verificata = false;
};

struct EsitoAnalisi {
    std::vector<CombinazioneVerificata> combinazioni;
    std::size_t governante = 0;             // the largest Ed/Rd, the first of equals
    std::optional<Scorrimento> scorrimento; // when some horizontal force acts

    const CombinazioneVerificata& governa() const { return combinazioni[governante]; }
    // Bearing in every combination, and sliding.
    bool verificata() const;
};

EsitoAnalisi analizza(const DatiAnalisi& dati);

// The resistance inputs of an analysis for loads V, H on the width Bp.
DatiPortanza datiportanza(const DatiAnalisi& dati, double Bp, double V, double H);

} // namespace zocal
