#pragma once

#include "zocal/core/ntc/azioni.h"
#include "zocal/core/ntc/falda.h"

#include <optional>
#include <string>
#include <vector>

namespace zocal {

// Settlements of strip footings at the serviceability limit state (NTC 2018
// §6.4.2.2): an oedometric estimate under each wall and the largest
// difference between walls, which is what cracks masonry.

inline constexpr int maxstrati = 6;
inline constexpr double psi2predefinito = 0.3; // category A
inline constexpr double slimpredefinito = 2.5; // cm
// The depth of influence: where the load's stress falls to this share of
// the effective overburden.
inline constexpr double quotainfluenza = 0.1;

// One layer below the base of the footings as typed (decimal comma).
struct StratoNtc {
    std::string h;   // thickness, m
    std::string Eed; // oedometric modulus, MPa

    bool vuoto() const { return h.empty() && Eed.empty(); }
    bool operator==(const StratoNtc&) const = default;
};

// The settlement entries of the job as typed; an empty text means the
// default.
struct StratiNtc {
    std::string slim;  // admissible settlement, cm
    std::string dslim; // admissible difference between foundations, cm: empty = not checked
    std::vector<StratoNtc> strati;

    // The check is asked for when some layer is given.
    bool richiesta() const;
    bool predefinita() const { return slim.empty() && dslim.empty() && !richiesta(); }
    bool operator==(const StratiNtc&) const = default;
};

// As used: m, MPa, cm.
struct Strato {
    double h = 0, Eed = 0;
};
struct Strati {
    double slim = slimpredefinito;
    std::optional<double> dslim;
    std::vector<Strato> strati;
};

// The entries read and checked, or nullopt with a note naming the entry at
// fault. Empty rows after the last layer are dropped.
std::optional<Strati> leggistrati(const StratiNtc& testi, std::string& nota);

// Stress increase under the centre of a flexible strip Bp wide loaded by
// pnet, at depth z below it (elastic half-space), kPa.
double incrementotensione(double pnet, double Bp, double z);

// The integral of (alpha + sin alpha) from 0 to z for a strip 2b wide:
// 2z atan(b/z) + 2b ln(z^2 + b^2).
double integraleincremento(double b, double z);

// Σ psi2,i Qi over the storeys; a storey without its psi2 takes the default.
double caricoquasipermanente(const std::vector<double>& Qpiani, const std::vector<double>& psi2);

struct DatiCedimento {
    double B = 0, D = 0; // m
    double gamma = 0;    // soil above the water, kN/m3
    Falda falda;
    CarichiFondazione carichi;  // characteristic, kN/m
    std::vector<double> Qpiani; // each storey's variable load, kN/m: their sum is carichi.Qk
    std::vector<double> psi2;   // per storey
    DatiFondazioneNtc fondazione;
    Strati strati;
};

struct CedimentoStrato {
    double ztop = 0, zbottom = 0; // below the base, m
    double h = 0, Eed = 0;        // m, MPa
    double s = 0;                 // cm
};

// The settlement under one combination.
struct CedimentoCombinazione {
    double V = 0;           // kN/m
    double e = 0;           // m
    double Bp = 0;          // loaded width, m; not a number when e >= B/2
    double p = 0, pnet = 0; // kPa
    std::vector<CedimentoStrato> strati;
    double s = 0;           // cm
    bool calcolato = false; // false when nothing of the base stays loaded
};

struct Cedimento {
    double sigmav0 = 0; // total overburden at the base, kPa
    // What the effective overburden below the base is made of.
    double D = 0, gamma = 0;
    Falda falda;
    CedimentoCombinazione quasipermanente;
    CedimentoCombinazione caratteristica; // for information
    double slim = 0;                      // cm
    double zinfluenza = 0;                // below the base, m
    bool parzializzata = false;           // e > B/6 in the quasi-permanent combination
    bool verificata = false;
    std::string nota; // "" or notes joined by "; "
};

// Quasi-permanent combination (every gamma 1, psi2 per storey) and, for
// information, the characteristic one (every psi 1, the variable horizontal
// force too).
Cedimento cedimento(const DatiCedimento& dati);

// The depth below the base where the stress increase falls to a tenth of the
// effective overburden, m; 0 when it does at the base.
double profonditainfluenza(double pnet, double Bp, double gamma, const Falda& falda, double D);

// The effective overburden at depth z below the base, kPa, as the depth of
// influence takes it.
double ricoprimentoefficace(double gamma, const Falda& falda, double D, double z);

// The largest difference of settlement between two foundations, against the
// admissible one.
struct CedimentiDifferenziali {
    double massimo = 0;        // cm
    double dslim = 0;          // cm
    int fondazionemassimo = 0; // the numbers of the foundations that settle most and least
    int fondazioneminimo = 0;
    bool verificata = false;
};
struct CedimentoFondazione {
    int numero = 0;
    std::optional<double> s; // cm, nullopt without a result
};
// nullopt when no admissible difference is given or fewer than two
// foundations have a result.
std::optional<CedimentiDifferenziali>
cedimentidifferenziali(const std::vector<CedimentoFondazione>& cedimenti,
                       std::optional<double> dslim);

} // namespace zocal
