#pragma once

#include "zocal/core/ntc/analisi.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace zocal {

// Bearing and sliding of a strip footing in the seismic combination at the
// SLV (NTC 2018 §7.11.5.3.1), pseudo-static: every partial factor of the
// actions 1, the inertial effect through the inclination of the load, the
// kinematic one through the reduction factors of Paolucci and Pecker.

// The site data of the job as typed (decimal comma); an empty text means the
// default, an empty or nil ag that the check is not requested.
struct SismaNtc {
    std::string ag;       // peak ground acceleration on rock at the SLV, g
    std::string F0;       // spectral amplification
    std::string catsuolo; // subsoil category "A"..."E"
    std::string cattopo;  // topographic category "T1"..."T4", empty = T1
    std::string q;        // behaviour factor of the structural analysis
    std::string gammaRd;  // overstrength factor of the actions on foundations
    std::string alfaH;    // share of the seismic action on one metre of this wall

    bool predefinita() const {
        return ag.empty() && F0.empty() && catsuolo.empty() && cattopo.empty() && q.empty() &&
               gammaRd.empty() && alfaH.empty();
    }
    bool operator==(const SismaNtc&) const = default;
};

enum class CategoriaSuolo { A, B, C, D, E };
enum class CategoriaTopografica { T1, T2, T3, T4 };

// "A"..."E" and "T1"..."T4", the texts of the job file.
std::string_view nomecategoriasuolo(CategoriaSuolo c);
std::string_view nomecategoriatopografica(CategoriaTopografica c);

// As used.
struct DatiSisma {
    double ag = 0, F0 = 0;
    CategoriaSuolo suolo = CategoriaSuolo::A;
    CategoriaTopografica topografia = CategoriaTopografica::T1;
    double q = 1, gammaRd = 1.1, alfaH = 1;

    bool richiesta() const { return ag > 0; }
};

// The site data, or nullopt with a note naming the entry at fault. When ag is
// empty or 0 the other entries are not needed nor read.
std::optional<DatiSisma> leggisisma(const SismaNtc& testi, std::string& nota);

// The seismic force of one foundation from the structural model, as typed:
// kN/m, empty = estimated.
struct SismaFondazioneNtc {
    std::string HE;

    bool predefinita() const { return HE.empty(); }
    bool operator==(const SismaFondazioneNtc&) const = default;
};

struct DatiSismaFondazione {
    std::optional<double> HE; // kN/m
};

std::optional<DatiSismaFondazione> leggisismafondazione(const SismaFondazioneNtc& testi,
                                                        std::string& nota);

// Amplification and the plateau of the spectra (NTC 2018 §3.2.3), in g: the
// plateau is on the safe side for low masonry buildings and needs no period.
struct Spettro {
    double SS = 1, ST = 1, S = 1;
    double Se = 0; // elastic
    double Sd = 0; // design, Se/q
};
double coefficienteSS(CategoriaSuolo c, double ag, double F0); // Tab. 3.2.IV
double coefficienteST(CategoriaTopografica c);                 // Tab. 3.2.V
Spettro spettro(const DatiSisma& s);

// One analysis (long or short term) of one foundation.
struct EsitoSisma {
    Spettro spettro;
    double Ww = 0; // seismic weight borne by the wall, kN/m
    double U = 0;  // uplift, kN/m
    double V = 0;  // kN/m
    // The horizontal force: the structural model's, or the estimate
    // gammaRd alfaH Sd Ww capped at the elastic Se Ww; then HGk added.
    bool dalmodello = false;
    double Hstima = 0, Hmassima = 0; // kN/m
    double H = 0;                    // kN/m
    double M = 0;                    // kNm/m
    double e = 0;                    // m
    double Bp = 0;                   // m, not a number when eccessiva
    bool eccessiva = false;          // e > B/3
    double khk = 0, zc = 1, zq = 1;  // kinematic effect; zgamma = zq
    Portanza portanza;               // not computed when eccessiva
    double EdRd = 0;                 // V/Rd, +infinity when Rd is nil
    Scorrimento scorrimento;

    bool portanzaverificata() const { return !eccessiva && V <= portanza.Rd; }
    bool verificata() const { return portanzaverificata() && scorrimento.verificata; }
    // The larger of the bearing and the sliding ratio.
    double rapporto() const { return std::max(EdRd, scorrimento.HdRd); }
};

// The seismic check of the foundation of `analisi` (its soil, water, loads,
// wall offset, HGk and zH, method); psi2Q is the sum of psi2,i Qi of its
// storeys, kN/m.
EsitoSisma analizzasisma(const DatiAnalisi& analisi, const DatiSisma& sito, double psi2Q,
                         const DatiSismaFondazione& fondazione);

// The long-term analysis and, with an undrained cohesion, the short-term one;
// the worse governs.
struct VerificaSismica {
    EsitoSisma lungo;
    std::optional<EsitoSisma> breve;

    const EsitoSisma& governa() const {
        return breve && breve->rapporto() > lungo.rapporto() ? *breve : lungo;
    }
    bool verificata() const { return lungo.verificata() && (!breve || breve->verificata()); }
};

VerificaSismica verificasismica(const DatiAnalisi& lungo, const DatiAnalisi* breve,
                                const DatiSisma& sito, double psi2Q,
                                const DatiSismaFondazione& fondazione);

// A water table within D + B of the ground under a granular soil (taken as
// one with friction and no undrained cohesion given) asks for the check of
// liquefaction (§7.11.3.4), which this program does not make.
bool ricordaliquefazione(const DatiAnalisi& lungo, bool brevetermine);
inline constexpr const char* testoliquefazione =
    "Falda a meno di D + B dal piano campagna in terreno granulare: verificare la "
    "suscettibilità alla liquefazione (NTC 2018 §7.11.3.4), non compresa in questa verifica.";

} // namespace zocal
