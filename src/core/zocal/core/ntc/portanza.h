#pragma once

#include "zocal/core/ntc/falda.h"
#include "zocal/core/ntc/metodo.h"

namespace zocal {

// The bearing resistance of a strip footing (NTC 2018 §6.4.2.1, R3) under a
// vertical load V and a horizontal load H across it, on the effective width
// B' (Meyerhof), with every intermediate value for the displays.

struct DatiPortanza {
    double c = 0, phi = 0; // kPa, degrees; phi = 0 is an undrained analysis
    double gamma = 0;      // soil above the water, kN/m3
    Falda falda;
    double B = 0, Bp = 0, D = 0; // m; the depth ratio takes the full width
    double V = 0, H = 0;         // kN/m
    FormulaNgamma ngamma = FormulaNgamma::brinchhansen;
    bool profondita = true;
    // Further reduction factors of the three terms (1 when not used).
    double zc = 1, zq = 1, zgamma = 1;
    double gR = gammaR;
};

struct Portanza {
    double Nc = 0, Nq = 0, Ngamma = 0;
    double k = 0, dc = 1, dq = 1, dgamma = 1;
    double ic = 1, iq = 1, igamma = 1;
    double q = 0;      // overburden at the base, kPa
    double gamma2 = 0; // unit weight in the self-weight term, kN/m3
    double terminec = 0, termineq = 0, terminegamma = 0;
    double qlim = 0; // kPa
    double Rd = 0;   // kN/m
};

Portanza portanza(const DatiPortanza& dati);

// Nc, Nq and Ngamma of an angle in degrees (Prandtl, Reissner and the chosen
// Ngamma; 2 + pi, 1, 0 at phi = 0).
void fattoriportanza(double phi, FormulaNgamma ngamma, Portanza& p);

} // namespace zocal
