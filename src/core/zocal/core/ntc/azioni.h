#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// Actions on one metre of strip footing and their ultimate-limit-state
// combinations (NTC 2018 §2.5.3, approach 2, A1).

// The wall and horizontal forces of one foundation as typed (decimal comma);
// an empty text means the default.
struct FondazioneNtc {
    std::string eccmuro;  // offset of the wall's axis from the footing's, m
    std::string HGk;      // permanent horizontal force across the wall, kN/m
    std::string HQk;      // variable horizontal force across the wall, kN/m
    std::string zH;       // height of those forces above the base, m
    std::string deltaphi; // delta/phi of the base friction

    bool predefinita() const {
        return eccmuro.empty() && HGk.empty() && HQk.empty() && zH.empty() && deltaphi.empty();
    }
    bool operator==(const FondazioneNtc&) const = default;
};

// As used: m, kN/m.
struct DatiFondazioneNtc {
    double eccmuro = 0, HGk = 0, HQk = 0, zH = 0, deltaphi = 1;
};
inline constexpr double deltaphiminimo = 0.5;

// The entries of a footing B wide, or nullopt with a note naming the entry at
// fault.
std::optional<DatiFondazioneNtc> leggifondazionentc(const FondazioneNtc& testi, double B,
                                                    std::string& nota);

// Characteristic vertical loads, kN/m: G1k the structural permanent ones with
// the footing's weight Gf in it, G2k the non-structural, Qk the variable.
// Everything but the footing stands on the wall's axis.
struct CarichiFondazione {
    double G1k = 0, Gf = 0, G2k = 0, Qk = 0;
};

enum class Combinazione { C1, C1v, C2 };
// "C1", "C1v", "C2".
std::string_view nomecombinazione(Combinazione c);

// One combination's design actions about the centre of the footing.
struct AzioneCombinata {
    Combinazione nome = Combinazione::C1;
    double gG1 = 0, gG2 = 0, gQ = 0;
    double Vw = 0;    // the wall-borne part of V, kN/m
    double U = 0;     // uplift, kN/m
    double V = 0;     // kN/m, the Ed of the combination
    double H = 0;     // kN/m
    double M = 0;     // kNm/m
    double e = 0;     // m
    double Bp = 0;    // effective width B - 2e, m; not a number when eccessiva
    bool eccessiva{}; // e > B/3: the check fails without a resistance
};

// Fills e, Bp and eccessiva from V and M for a footing B wide.
void eccentricita(AzioneCombinata& a, double B);

// C1 (most vertical), C1v (wind leading, only with a variable horizontal
// force), C2 (least vertical) in this order, for a footing B wide with uplift
// U; gG2 is the factor of the non-structural loads when unfavourable.
std::vector<AzioneCombinata> combinazioni(const CarichiFondazione& carichi,
                                          const DatiFondazioneNtc& fondazione, double B, double gG2,
                                          double U);

} // namespace zocal
