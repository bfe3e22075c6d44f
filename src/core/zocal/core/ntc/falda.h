#pragma once

#include <optional>
#include <string>

namespace zocal {

// The water table of the job (NTC 2018 checks): where it is and what the
// soil below it weighs.

// As typed (decimal comma); an empty text means the default.
struct FaldaNtc {
    std::string zw;      // depth below ground, m: empty = no water table
    std::string pesosat; // saturated unit weight of the soil, t/mc

    bool predefinita() const { return zw.empty() && pesosat.empty(); }
    bool operator==(const FaldaNtc&) const = default;
};

// As used: m and kN/m3.
struct Falda {
    std::optional<double> zw;
    double gammasat = 0;
};

// Unit weight of water, kN/m3.
inline constexpr double gammaacqua = 9.80665;

// The water table under a footing B wide at depth D (m), or nullopt with a
// note naming the entry at fault. The saturated weight is needed only when
// the water is within D + B of the ground.
std::optional<Falda> leggifalda(const FaldaNtc& testi, double B, double D, std::string& nota);

// Uplift on the base of a footing B wide at depth D in a drained analysis,
// kN/m.
double sottospinta(const Falda& falda, double B, double D);

// Overburden at the base and unit weight under it for the self-weight term.
struct Ricoprimento {
    double q = 0;      // kPa
    double gamma2 = 0; // kN/m3
};
// gamma is the soil's above the water (kN/m3), Bp the effective width. An
// undrained analysis works in total stresses.
Ricoprimento ricoprimento(const Falda& falda, double gamma, double D, double Bp, bool nondrenata);

} // namespace zocal
