#pragma once

#include <optional>

namespace zocal {

// Sliding on the base (NTC 2018 §6.4.2.1, Tab. 6.4.I: gammaR = 1,1). The
// passive resistance on the footing's side is not counted.

inline constexpr double gammaRscorrimento = 1.1;

struct Scorrimento {
    double Vd = 0, Hd = 0;          // kN/m
    std::optional<double> tandelta; // drained analyses only
    double Rd = 0;                  // kN/m
    double HdRd = 0;                // +infinity when the resistance is nil
    bool verificata = false;
};

// Drained (phi > 0): Rd = Vd tan(deltaphi phi)/gammaR; undrained (phi = 0):
// Rd = Bp c/gammaR. Angles in degrees, c in kPa, Bp in m.
Scorrimento scorrimento(double Vd, double Hd, double phi, double deltaphi, double c, double Bp);

} // namespace zocal
