#include "zocal/core/ntc/azioni.h"

#include "zocal/core/ntc.h"
#include "zocal/core/regole.h"

#include "leggi.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zocal {

std::optional<DatiFondazioneNtc> leggifondazionentc(const FondazioneNtc& t, double B,
                                                    std::string& nota) {
    DatiFondazioneNtc d;
    struct Voce {
        const std::string& testo;
        double& valore;
        const char* dove;
        const char* negativo; // the note for a value below 0
    };
    const Voce voci[] = {
        {t.eccmuro, d.eccmuro, "eccentricità del muro",
         "L'eccentricità del muro non può essere negativa."},
        {t.HGk, d.HGk, "forza orizzontale permanente HGk",
         "La forza orizzontale permanente HGk non può essere negativa."},
        {t.HQk, d.HQk, "forza orizzontale variabile HQk",
         "La forza orizzontale variabile HQk non può essere negativa."},
        {t.zH, d.zH, "altezza zH delle forze orizzontali",
         "L'altezza zH delle forze orizzontali non può essere negativa."},
        {t.deltaphi, d.deltaphi, "rapporto δ/φ",
         "Il rapporto δ/φ deve essere compreso tra 0,5 e 1."},
    };
    for (const Voce& v : voci) {
        const auto letto = ntc::leggivoce(v.testo, v.valore, v.dove, nota);
        if (!letto) {
            return std::nullopt;
        }
        if (*letto < 0) {
            nota = v.negativo;
            return std::nullopt;
        }
        v.valore = *letto;
    }
    if (!(d.eccmuro < B / 2)) {
        nota = "L'eccentricità del muro deve essere minore di B/2 = " +
               scrividecimali(B / 2, decimalimetri) + " m.";
        return std::nullopt;
    }
    if (d.deltaphi < deltaphiminimo || d.deltaphi > 1) {
        nota = voci[4].negativo;
        return std::nullopt;
    }
    return d;
}

std::string_view nomecombinazione(Combinazione c) {
    switch (c) {
    case Combinazione::C1v:
        return "C1v";
    case Combinazione::C2:
        return "C2";
    case Combinazione::C1:
        break;
    }
    return "C1";
}

void eccentricita(AzioneCombinata& a, double B) {
    a.e = a.M == 0 ? 0 : a.M / a.V;
    a.eccessiva = !(std::abs(a.e) <= B / 3) || (a.M != 0 && !(a.V > 0));
    a.Bp = a.eccessiva ? std::numeric_limits<double>::quiet_NaN() : B - 2 * std::abs(a.e);
}

std::vector<AzioneCombinata> combinazioni(const CarichiFondazione& c, const DatiFondazioneNtc& f,
                                          double B, double gG2, double U) {
    // psi0 of wind 0,6; of the floors' loads 0,7 (category A to C).
    constexpr double psivento = 0.6, psisolai = 0.7;
    const double G1w = c.G1k - c.Gf;
    auto combina = [&](Combinazione nome, double gG1, double g2, double gQ, double H) {
        AzioneCombinata a{nome, gG1, g2, gQ};
        a.Vw = gG1 * G1w + g2 * c.G2k + gQ * c.Qk;
        a.U = U;
        // Written as the centred check always was, so its numbers stay the same.
        a.V = gG1 * c.G1k + g2 * c.G2k + gQ * c.Qk - U;
        a.H = H;
        a.M = a.Vw * f.eccmuro + H * f.zH;
        eccentricita(a, B);
        return a;
    };
    std::vector<AzioneCombinata> tutte;
    tutte.reserve(3);
    tutte.push_back(combina(Combinazione::C1, gammaG1, gG2, gammaQ,
                            gammaG1 * f.HGk + gammaQ * psivento * f.HQk));
    if (f.HQk > 0) {
        tutte.push_back(combina(Combinazione::C1v, gammaG1, gG2, gammaQ * psisolai,
                                gammaG1 * f.HGk + gammaQ * f.HQk));
    }
    double H = 0;
    for (const AzioneCombinata& a : tutte) {
        H = std::max(H, a.H);
    }
    // Favourable permanent loads, no variable vertical load.
    tutte.push_back(combina(Combinazione::C2, 1.0, 0.8, 0, H));
    return tutte;
}

} // namespace zocal
