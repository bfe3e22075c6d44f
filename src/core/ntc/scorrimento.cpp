#include "zocal/core/ntc/scorrimento.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace zocal {

Scorrimento scorrimento(double Vd, double Hd, double phi, double deltaphi, double c, double Bp) {
    Scorrimento s;
    s.Vd = Vd;
    s.Hd = Hd;
    if (phi == 0) {
        // Without a width (e > B/3) nothing resists.
        s.Rd = std::isfinite(Bp) ? Bp * c / gammaRscorrimento : 0;
    } else {
        s.tandelta = std::tan(deltaphi * phi * std::numbers::pi / 180);
        s.Rd = std::max(0.0, Vd) * *s.tandelta / gammaRscorrimento;
    }
    if (s.Rd > 0) {
        s.HdRd = Hd / s.Rd;
    } else {
        s.HdRd = Hd > 0 ? std::numeric_limits<double>::infinity() : 0;
    }
    s.verificata = Hd <= s.Rd;
    return s;
}

} // namespace zocal
