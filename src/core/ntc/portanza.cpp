#include "zocal/core/ntc/portanza.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zocal {

namespace {

double radianti(double gradi) {
    return gradi * std::numbers::pi / 180;
}

// H over a capacity: 0 without a horizontal load, +infinity when the capacity
// is nil.
double rapporto(double H, double capacita) {
    if (H == 0) {
        return 0;
    }
    return capacita > 0 ? H / capacita : std::numeric_limits<double>::infinity();
}

// Inclination factors; the bases below 0 are taken as 0.
void inclinazione(const DatiPortanza& d, Portanza& p) {
    auto base = [](double x) { return std::max(0.0, x); };
    if (d.phi == 0) {
        const double r = rapporto(d.H, d.Bp * d.c);
        if (d.ngamma == FormulaNgamma::vesic) {
            p.ic = base(1 - 2 * r / p.Nc);
        } else {
            p.ic = r > 1 ? 0 : 0.5 * (1 + std::sqrt(1 - r));
        }
        return;
    }
    const double t = std::tan(radianti(d.phi));
    const double r = rapporto(d.H, d.V + d.Bp * d.c / t);
    if (d.ngamma == FormulaNgamma::brinchhansen) {
        p.iq = std::pow(base(1 - 0.5 * r), 5);
        p.igamma = std::pow(base(1 - 0.7 * r), 5);
        p.ic = p.iq - (1 - p.iq) / (p.Nq - 1);
    } else {
        p.iq = std::pow(base(1 - r), 2);
        p.igamma = std::pow(base(1 - r), 3);
        p.ic = p.iq - (1 - p.iq) / (p.Nc * t);
    }
    p.ic = base(p.ic);
}

} // namespace

void fattoriportanza(double phi, FormulaNgamma ngamma, Portanza& p) {
    if (phi == 0) {
        p.Nq = 1;
        p.Nc = 2 + std::numbers::pi;
        p.Ngamma = 0;
        return;
    }
    const double rad = radianti(phi);
    const double t = std::tan(rad);
    const double s = std::sin(rad);
    // Nq - 1 through expm1 and log1p, so that a tiny angle still gives Nc
    // close to 2 + pi instead of a cancelled difference.
    const double Nq1 = std::expm1(std::numbers::pi * t + std::log1p(s) - std::log1p(-s));
    p.Nq = Nq1 + 1;
    p.Nc = Nq1 / t;
    switch (ngamma) {
    case FormulaNgamma::brinchhansen:
        p.Ngamma = 1.5 * Nq1 * t;
        break;
    case FormulaNgamma::vesic:
        p.Ngamma = 2 * (p.Nq + 1) * t;
        break;
    case FormulaNgamma::ec7:
        p.Ngamma = 2 * Nq1 * t;
        break;
    }
}

Portanza portanza(const DatiPortanza& d) {
    Portanza p;
    fattoriportanza(d.phi, d.ngamma, p);

    const double rad = radianti(d.phi);
    const double rapportoDB = d.D / d.B;
    p.k = rapportoDB <= 1 ? rapportoDB : std::atan(rapportoDB);
    if (d.profondita) {
        const double s = std::sin(rad);
        p.dq = 1 + 2 * std::tan(rad) * (1 - s) * (1 - s) * p.k;
        p.dc = 1 + 0.4 * p.k;
    }
    inclinazione(d, p);

    const Ricoprimento r = ricoprimento(d.falda, d.gamma, d.D, d.Bp, d.phi == 0);
    p.q = r.q;
    p.gamma2 = r.gamma2;
    // Factors beyond the centred vertical case multiply last, so that case
    // keeps its numbers to the last bit.
    p.terminec = d.c * p.Nc * p.dc * p.ic * d.zc;
    p.termineq = p.q * p.Nq * p.dq * p.iq * d.zq;
    p.terminegamma = 0.5 * p.gamma2 * d.Bp * p.Ngamma * p.dgamma * p.igamma * d.zgamma;
    p.qlim = p.terminec + p.termineq + p.terminegamma;
    p.Rd = p.qlim * d.Bp / d.gR;
    return p;
}

} // namespace zocal
