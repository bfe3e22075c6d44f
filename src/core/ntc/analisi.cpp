#include "zocal/core/ntc/analisi.h"

#include <algorithm>
#include <limits>

namespace zocal {

bool EsitoAnalisi::verificata() const {
    return std::all_of(combinazioni.begin(), combinazioni.end(),
                       [](const CombinazioneVerificata& c) { return c.verificata; }) &&
           (!scorrimento || scorrimento->verificata);
}

DatiPortanza datiportanza(const DatiAnalisi& d, double Bp, double V, double H) {
    DatiPortanza p;
    p.c = d.c;
    p.phi = d.phi;
    p.gamma = d.gamma;
    p.falda = d.falda;
    p.B = d.B;
    p.Bp = Bp;
    p.D = d.D;
    p.V = V;
    p.H = H;
    p.ngamma = d.ngamma;
    p.profondita = d.profondita;
    return p;
}

EsitoAnalisi analizza(const DatiAnalisi& d) {
    constexpr double infinito = std::numeric_limits<double>::infinity();
    const bool nondrenata = d.phi == 0;
    // Total stresses carry the water's weight: no uplift.
    const double U = nondrenata ? 0 : sottospinta(d.falda, d.B, d.D);

    EsitoAnalisi esito;
    for (const AzioneCombinata& a : combinazioni(d.carichi, d.fondazione, d.B, d.gG2, U)) {
        CombinazioneVerificata c{a, {}, infinito, false};
        {
            DatiPortanza p = datiportanza(d, a.eccessiva ? 0 : a.Bp, a.V, a.H);
            c.portanza = portanza(p);
        }
        if (a.eccessiva) {
            // The factors for the displays, but no resistance.
            Portanza& r = c.portanza;
            r.terminec = r.termineq = r.terminegamma = r.qlim = r.Rd = 0;
        } else {
            const double Rd = c.portanza.Rd;
            c.verificata = a.V <= Rd;
            c.EdRd = Rd > 0 ? a.V / Rd : (a.V > 0 ? infinito : 0);
        }
        esito.combinazioni.push_back(c);
    }
    for (std::size_t i = 1; i < esito.combinazioni.size(); ++i) {
        if (esito.combinazioni[i].EdRd > esito.governa().EdRd) {
            esito.governante = i;
        }
    }
    // The least vertical combination carries the largest horizontal force.
    const AzioneCombinata& c2 = esito.combinazioni.back().azione;
    if (c2.H > 0) {
        esito.scorrimento = scorrimento(c2.V, c2.H, d.phi, d.fondazione.deltaphi, d.c, c2.Bp);
    }
    return esito;
}

} // namespace zocal
