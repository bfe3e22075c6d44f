#include "zocal/core/ntc/sisma.h"

#include "leggi.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace zocal {

namespace {

constexpr std::string_view nomisuolo[] = {"A", "B", "C", "D", "E"};
constexpr std::string_view nomitopo[] = {"T1", "T2", "T3", "T4"};

template <typename Categoria, std::size_t N>
std::optional<Categoria> cerca(const std::string_view (&nomi)[N], std::string_view testo) {
    for (std::size_t i = 0; i < N; ++i) {
        if (nomi[i] == testo) {
            return static_cast<Categoria>(i);
        }
    }
    return std::nullopt;
}

// A numeric entry within [minimo, massimo]; `manca` is the note when it is
// required and empty, nullptr when the empty text means `predefinito`.
struct VoceSisma {
    const std::string& testo;
    double& valore;
    const char* dove;
    double minimo, massimo;
    const char* fuori;
    const char* manca;
};

bool leggi(const VoceSisma& v, std::string& nota) {
    if (v.testo.empty() && v.manca) {
        nota = v.manca;
        return false;
    }
    const auto letto = ntc::leggivoce(v.testo, v.valore, v.dove, nota);
    if (!letto) {
        return false;
    }
    if (!(*letto >= v.minimo && *letto <= v.massimo)) {
        nota = v.fuori;
        return false;
    }
    v.valore = *letto;
    return true;
}

} // namespace

std::string_view nomecategoriasuolo(CategoriaSuolo c) {
    return nomisuolo[static_cast<int>(c)];
}

std::string_view nomecategoriatopografica(CategoriaTopografica c) {
    return nomitopo[static_cast<int>(c)];
}

std::optional<DatiSisma> leggisisma(const SismaNtc& t, std::string& nota) {
    DatiSisma s;
    if (!leggi({t.ag, s.ag, "accelerazione ag", 0, 0.6,
                "L'accelerazione ag deve essere compresa tra 0 e 0,6 g.", nullptr},
               nota)) {
        return std::nullopt;
    }
    if (!s.richiesta()) {
        return s;
    }
    const VoceSisma voci[] = {
        {t.F0, s.F0, "fattore di amplificazione F0", 1.8, 3.5,
         "Il fattore di amplificazione F0 deve essere compreso tra 1,8 e 3,5.",
         "Manca il fattore di amplificazione F0 del sito."},
        {t.q, s.q, "fattore di comportamento q", 1, 5,
         "Il fattore di comportamento q deve essere compreso tra 1 e 5.",
         "Manca il fattore di comportamento q: prenderlo dalla relazione di calcolo della "
         "struttura."},
        {t.gammaRd, s.gammaRd, "fattore di sovraresistenza γRd", 1, 1.3,
         "Il fattore di sovraresistenza γRd deve essere compreso tra 1 e 1,3.", nullptr},
        {t.alfaH, s.alfaH, "quota αH dell'azione sismica", 0, 3,
         "La quota αH dell'azione sismica deve essere compresa tra 0 e 3.", nullptr},
    };
    for (const VoceSisma& v : voci) {
        if (!leggi(v, nota)) {
            return std::nullopt;
        }
    }
    if (t.catsuolo.empty()) {
        nota = "Manca la categoria di sottosuolo.";
        return std::nullopt;
    }
    const auto suolo = cerca<CategoriaSuolo>(nomisuolo, t.catsuolo);
    if (!suolo) {
        nota = "La categoria di sottosuolo deve essere A, B, C, D o E.";
        return std::nullopt;
    }
    s.suolo = *suolo;
    if (!t.cattopo.empty()) {
        const auto topo = cerca<CategoriaTopografica>(nomitopo, t.cattopo);
        if (!topo) {
            nota = "La categoria topografica deve essere T1, T2, T3 o T4.";
            return std::nullopt;
        }
        s.topografia = *topo;
    }
    return s;
}

std::optional<DatiSismaFondazione> leggisismafondazione(const SismaFondazioneNtc& t,
                                                        std::string& nota) {
    DatiSismaFondazione f;
    if (t.HE.empty()) {
        return f;
    }
    double HE = 0;
    if (!leggi({t.HE, HE, "forza sismica HE", 0, std::numeric_limits<double>::max(),
                "La forza sismica HE non può essere negativa.", nullptr},
               nota)) {
        return std::nullopt;
    }
    f.HE = HE;
    return f;
}

double coefficienteSS(CategoriaSuolo c, double ag, double F0) {
    // SS = a - b F0 ag within [minimo, massimo].
    struct Riga {
        double a, b, minimo, massimo;
    };
    constexpr Riga righe[] = {{1.00, 0, 1.00, 1.00},
                              {1.40, 0.40, 1.00, 1.20},
                              {1.70, 0.60, 1.00, 1.50},
                              {2.40, 1.50, 0.90, 1.80},
                              {2.00, 1.10, 1.00, 1.60}};
    const Riga& r = righe[static_cast<int>(c)];
    return std::clamp(r.a - r.b * F0 * ag, r.minimo, r.massimo);
}

double coefficienteST(CategoriaTopografica c) {
    constexpr double ST[] = {1.0, 1.2, 1.2, 1.4};
    return ST[static_cast<int>(c)];
}

Spettro spettro(const DatiSisma& s) {
    Spettro p;
    p.SS = coefficienteSS(s.suolo, s.ag, s.F0);
    p.ST = coefficienteST(s.topografia);
    p.S = p.SS * p.ST;
    p.Se = s.ag * p.S * s.F0;
    p.Sd = p.Se / s.q;
    return p;
}

EsitoSisma analizzasisma(const DatiAnalisi& d, const DatiSisma& sito, double psi2Q,
                         const DatiSismaFondazione& fondazione) {
    constexpr double infinito = std::numeric_limits<double>::infinity();
    const bool nondrenata = d.phi == 0;
    const CarichiFondazione& c = d.carichi;

    EsitoSisma r;
    r.spettro = spettro(sito);
    r.Ww = c.G1k - c.Gf + c.G2k + psi2Q;
    // Total stresses carry the water's weight: no uplift.
    r.U = nondrenata ? 0 : sottospinta(d.falda, d.B, d.D);
    r.V = r.Ww + c.Gf - r.U;

    // Capacity design (§7.2.5) never asks more than the elastic action.
    r.Hstima = sito.gammaRd * sito.alfaH * r.spettro.Sd * r.Ww;
    r.Hmassima = r.spettro.Se * r.Ww;
    r.dalmodello = fondazione.HE.has_value();
    r.H = (r.dalmodello ? *fondazione.HE : std::min(r.Hstima, r.Hmassima)) + d.fondazione.HGk;

    // The seismic force acts at the base with no moment of its own: the
    // floors carry the storeys' forces into the planes of the walls.
    AzioneCombinata a;
    a.V = r.V;
    a.H = r.H;
    a.M = r.Ww * d.fondazione.eccmuro + d.fondazione.HGk * d.fondazione.zH;
    eccentricita(a, d.B);
    r.M = a.M;
    r.e = a.e;
    r.Bp = a.Bp;
    r.eccessiva = a.eccessiva;

    // Paolucci and Pecker.
    r.khk = 0.38 * r.spettro.S * sito.ag;
    r.zc = 1 - 0.32 * r.khk;
    if (!nondrenata) {
        const double t = std::tan(d.phi * std::numbers::pi / 180);
        r.zq = r.khk < t ? std::pow(1 - r.khk / t, 0.35) : 0;
    }

    r.EdRd = infinito;
    if (!r.eccessiva) {
        DatiPortanza p = datiportanza(d, r.Bp, r.V, r.H);
        p.zc = r.zc;
        p.zq = p.zgamma = r.zq;
        r.portanza = portanza(p);
        const double Rd = r.portanza.Rd;
        r.EdRd = Rd > 0 ? r.V / Rd : (r.V > 0 ? infinito : 0);
    }
    r.scorrimento = scorrimento(r.V, r.H, d.phi, d.fondazione.deltaphi, d.c, r.Bp);
    return r;
}

VerificaSismica verificasismica(const DatiAnalisi& lungo, const DatiAnalisi* breve,
                                const DatiSisma& sito, double psi2Q,
                                const DatiSismaFondazione& fondazione) {
    VerificaSismica v{analizzasisma(lungo, sito, psi2Q, fondazione), std::nullopt};
    if (breve) {
        v.breve = analizzasisma(*breve, sito, psi2Q, fondazione);
    }
    return v;
}

bool ricordaliquefazione(const DatiAnalisi& lungo, bool brevetermine) {
    return lungo.falda.zw && *lungo.falda.zw <= lungo.D + lungo.B && lungo.phi > 0 && !brevetermine;
}

} // namespace zocal
