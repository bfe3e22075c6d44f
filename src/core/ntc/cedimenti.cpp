#include "zocal/core/ntc/cedimenti.h"

#include "zocal/core/ntc.h"
#include "zocal/core/regole.h"

#include "leggi.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zocal {

bool StratiNtc::richiesta() const {
    return std::any_of(strati.begin(), strati.end(), [](const StratoNtc& s) { return !s.vuoto(); });
}

namespace {

struct Intervallo {
    double minimo, massimo;
    const char* testo; // "0,1 e 50 m"
};

// The value of an entry within its range, or nullopt with a note; soggetto
// is the note's words up to "tra".
std::optional<double> leggientro(const std::string& testo, double predefinito,
                                 const std::string& dove, const std::string& soggetto,
                                 const Intervallo& r, std::string& nota) {
    const auto v = ntc::leggivoce(testo, predefinito, dove.c_str(), nota);
    if (!v) {
        return std::nullopt;
    }
    if (!(*v >= r.minimo && *v <= r.massimo)) {
        nota = soggetto + " tra " + r.testo + ".";
        return std::nullopt;
    }
    return v;
}

} // namespace

std::optional<Strati> leggistrati(const StratiNtc& t, std::string& nota) {
    Strati d;
    const auto slim =
        leggientro(t.slim, slimpredefinito, "cedimento ammissibile",
                   "Il cedimento ammissibile deve essere compreso", {0.5, 10, "0,5 e 10 cm"}, nota);
    if (!slim) {
        return std::nullopt;
    }
    d.slim = *slim;
    if (!t.dslim.empty()) {
        d.dslim = leggientro(t.dslim, 0, "differenza di cedimento ammissibile",
                             "La differenza di cedimento ammissibile deve essere compresa",
                             {0.2, 5, "0,2 e 5 cm"}, nota);
        if (!d.dslim) {
            return std::nullopt;
        }
    }
    auto fine = t.strati.end();
    while (fine != t.strati.begin() && std::prev(fine)->vuoto()) {
        --fine;
    }
    if (fine - t.strati.begin() > maxstrati) {
        nota = "Si possono dichiarare al massimo " + std::to_string(maxstrati) + " strati.";
        return std::nullopt;
    }
    int n = 0;
    for (auto it = t.strati.begin(); it != fine; ++it) {
        const std::string strato = " dello strato n. " + std::to_string(++n);
        // A missing value is not a default here: a layer needs both.
        if (it->h.empty() || it->Eed.empty()) {
            nota = std::string("Manca ") +
                   (it->h.empty() ? "lo spessore" : "il modulo edometrico") + strato + ".";
            return std::nullopt;
        }
        const auto h = leggientro(it->h, 0, "spessore" + strato,
                                  "Lo spessore" + strato + " deve essere compreso",
                                  {0.1, 50, "0,1 e 50 m"}, nota);
        if (!h) {
            return std::nullopt;
        }
        const auto E = leggientro(it->Eed, 0, "modulo edometrico" + strato,
                                  "Il modulo edometrico" + strato + " deve essere compreso",
                                  {0.5, 500, "0,5 e 500 MPa"}, nota);
        if (!E) {
            return std::nullopt;
        }
        d.strati.push_back({*h, *E});
    }
    return d;
}

double incrementotensione(double pnet, double Bp, double z) {
    // atan2 gives pi at the base itself, where the increase is the whole load.
    const double alfa = 2 * std::atan2(Bp / 2, z);
    return pnet / std::numbers::pi * (alfa + std::sin(alfa));
}

double integraleincremento(double b, double z) {
    return 2 * z * std::atan2(b, z) + 2 * b * std::log(z * z + b * b);
}

double caricoquasipermanente(const std::vector<double>& Qpiani, const std::vector<double>& psi2) {
    double Q = 0;
    for (std::size_t i = 0; i < Qpiani.size(); ++i) {
        Q += (i < psi2.size() ? psi2[i] : psi2predefinito) * Qpiani[i];
    }
    return Q;
}

double ricoprimentoefficace(double gamma, const Falda& falda, double D, double z) {
    // A water table deeper than D + B may come without its saturated weight:
    // the soil's own then, never lighter than water, keeps the effective
    // overburden growing and on the deep side.
    Falda f = falda;
    if (f.zw && !(f.gammasat > 0)) {
        f.gammasat = std::max(gamma, gammaacqua);
    }
    return ricoprimento(f, gamma, D + z, 1, false).q;
}

double profonditainfluenza(double pnet, double Bp, double gamma, const Falda& falda, double D) {
    // The stress increase falls and the effective overburden grows with
    // depth: one crossing, found by bisection.
    auto eccesso = [&](double z) {
        return incrementotensione(pnet, Bp, z) -
               quotainfluenza * ricoprimentoefficace(gamma, falda, D, z);
    };
    if (!(eccesso(0) > 0)) {
        return 0;
    }
    double basso = 0, alto = std::max(Bp, 1.0);
    while (eccesso(alto) > 0) {
        basso = alto;
        alto *= 2;
        if (!std::isfinite(alto)) {
            return std::numeric_limits<double>::infinity();
        }
    }
    for (int i = 0; i < 200 && alto - basso > 1e-9 * alto; ++i) {
        const double medio = (basso + alto) / 2;
        (eccesso(medio) > 0 ? basso : alto) = medio;
    }
    return (basso + alto) / 2;
}

namespace {

// One combination: the permanent loads, the variable load Q of the floors and
// the horizontal force H at zH.
CedimentoCombinazione combinazione(const DatiCedimento& d, double Q, double H, double sigmav0) {
    CedimentoCombinazione c;
    const CarichiFondazione& k = d.carichi;
    c.V = k.G1k + k.G2k + Q;
    // Everything but the footing stands on the wall's axis.
    const double M = (c.V - k.Gf) * d.fondazione.eccmuro + H * d.fondazione.zH;
    c.e = M == 0 ? 0 : M / c.V;
    if (!(c.V > 0) || !(std::abs(c.e) < d.B / 2)) {
        c.Bp = std::numeric_limits<double>::quiet_NaN();
        return c;
    }
    c.Bp = d.B - 2 * std::abs(c.e);
    c.p = c.V / c.Bp;
    c.pnet = c.p - sigmav0;
    c.calcolato = true;
    const double b = c.Bp / 2;
    double z = 0;
    for (const Strato& s : d.strati.strati) {
        CedimentoStrato r{z, z + s.h, s.h, s.Eed, 0};
        if (c.pnet > 0) {
            // Eed from MPa to kPa, m to cm.
            r.s = c.pnet * (integraleincremento(b, r.zbottom) - integraleincremento(b, r.ztop)) /
                  (std::numbers::pi * s.Eed * 1000) * 100;
        }
        c.s += r.s;
        c.strati.push_back(r);
        z = r.zbottom;
    }
    return c;
}

std::string metri(double valore) {
    return scrividecimali(valore, decimalimetri);
}

} // namespace

Cedimento cedimento(const DatiCedimento& d) {
    Cedimento r;
    r.slim = d.strati.slim;
    r.D = d.D;
    r.gamma = d.gamma;
    r.falda = d.falda;
    // Total stresses: the soil's weight that the excavation took away.
    r.sigmav0 = ricoprimento(d.falda, d.gamma, d.D, d.B, true).q;
    const double HGk = d.fondazione.HGk;
    r.quasipermanente = combinazione(d, caricoquasipermanente(d.Qpiani, d.psi2), HGk, r.sigmav0);
    r.caratteristica = combinazione(d, d.carichi.Qk, HGk + d.fondazione.HQk, r.sigmav0);

    const CedimentoCombinazione& qp = r.quasipermanente;
    std::vector<std::string> note;
    if (!qp.calcolato) {
        r.nota = "eccentricità in esercizio non minore di B/2: cedimento non calcolabile";
        return r;
    }
    if (std::abs(qp.e) > d.B / 6) {
        r.parzializzata = true;
        note.emplace_back("base parzializzata in esercizio");
    }
    r.zinfluenza = profonditainfluenza(qp.pnet, qp.Bp, d.gamma, d.falda, d.D);
    const double fondo = qp.strati.empty() ? 0 : qp.strati.back().zbottom;
    if (fondo < r.zinfluenza) {
        // Rounded up to the centimetre: the advice must reach the depth.
        const double minimo = std::ceil(r.zinfluenza * 100 - 1e-9) / 100;
        note.push_back("strati dichiarati fino a " + metri(fondo) +
                       " m: estenderli almeno fino a " + metri(minimo) + " m");
    }
    r.verificata = qp.s <= r.slim;
    for (const std::string& n : note) {
        r.nota += (r.nota.empty() ? "" : "; ") + n;
    }
    return r;
}

std::optional<CedimentiDifferenziali>
cedimentidifferenziali(const std::vector<CedimentoFondazione>& cedimenti,
                       std::optional<double> dslim) {
    if (!dslim) {
        return std::nullopt;
    }
    const CedimentoFondazione *massimo = nullptr, *minimo = nullptr;
    int contati = 0;
    for (const CedimentoFondazione& c : cedimenti) {
        if (!c.s) {
            continue;
        }
        ++contati;
        if (!massimo || *c.s > *massimo->s) {
            massimo = &c;
        }
        if (!minimo || *c.s < *minimo->s) {
            minimo = &c;
        }
    }
    if (contati < 2) {
        return std::nullopt;
    }
    CedimentiDifferenziali r;
    r.massimo = *massimo->s - *minimo->s;
    r.dslim = *dslim;
    r.fondazionemassimo = massimo->numero;
    r.fondazioneminimo = minimo->numero;
    r.verificata = r.massimo <= r.dslim;
    return r;
}

} // namespace zocal
