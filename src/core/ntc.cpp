#include "zocal/core/ntc.h"

#include "zocal/core/calcola.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zocal {

std::string_view nomengamma(FormulaNgamma formula) {
    switch (formula) {
    case FormulaNgamma::vesic:
        return "Vesic";
    case FormulaNgamma::ec7:
        return "EC7";
    case FormulaNgamma::brinchhansen:
        break;
    }
    return "Brinch-Hansen";
}

std::string_view chiavengamma(FormulaNgamma formula) {
    switch (formula) {
    case FormulaNgamma::vesic:
        return "vesic";
    case FormulaNgamma::ec7:
        return "ec7";
    case FormulaNgamma::brinchhansen:
        break;
    }
    return "brinch-hansen";
}

namespace {

constexpr FormulaNgamma formule[] = {FormulaNgamma::brinchhansen, FormulaNgamma::vesic,
                                     FormulaNgamma::ec7};

template <typename Nome> std::optional<FormulaNgamma> cerca(std::string_view testo, Nome nome) {
    for (FormulaNgamma f : formule) {
        if (nome(f) == testo) {
            return f;
        }
    }
    return std::nullopt;
}

// The check stops with a note for the user.
struct Mancanza {
    std::string nota;
};

class Verifica {
  public:
    Verifica(const DatiCalcolo& d, int f, const OpzioniNtc& o) : d_(d), f_(f), o_(o) {
        v_.numero = f;
    }

    VerificaNtc esegui() {
        try {
            passi();
            v_.calcolata = true;
        } catch (const Mancanza& m) {
            VerificaNtc vuota;
            vuota.numero = f_;
            vuota.nota = m.nota;
            return vuota;
        }
        return v_;
    }

  private:
    const Cella& cella(Voce v, int i) const { return d_.piano(v, i, f_); }

    static std::string delpiano(Voce v, int i) {
        return descrizionevoce(v) + " del piano n. " + std::to_string(i);
    }

    static double decimale(const Cella& c, const std::string& dove) {
        const auto v = leggidecimale(c);
        if (!v) {
            throw Mancanza{notaillegibile(c, dove)};
        }
        return *v;
    }

    static void richiesto(const Cella& c, const char* nota) {
        if (c.vuota()) {
            throw Mancanza{nota};
        }
    }

    // Characteristic loads per metre of wall, in kg: G1 structural, G2
    // non-structural permanent, Q variable.
    void carichi(double B, double D, double& G1, double& G2, double& Q) {
        const int n = std::clamp(d_.npiani[f_], 0, maxpiani);
        if (n < 1) {
            throw Mancanza{"Mancano i piani della fondazione: digitare il peso del solaio."};
        }
        G1 = G2 = Q = 0;
        // The same storey and entry the allowable-stress run names.
        if (const auto mancante = datomancante(d_, f_)) {
            throw Mancanza{notamancante(*mancante)};
        }
        for (int i = 1; i <= n; ++i) {
            std::string nota;
            const auto p = leggipiano(d_, i, f_, nota);
            if (!p) {
                throw Mancanza{nota};
            }
            if (i == 1) {
                v_.spessoremuro = p->W;
            }
            G1 += p->P * p->L + p->H * p->W * p->G;
            G2 += p->F * p->L + p->T;
            Q += p->S * p->L;
        }
        // The footing, of the storey-1 wall material as the allowable-stress run counts it.
        G1 += decimale(d_.spem(1, f_), delpiano(Voce::spem, 1)) * B * D;
    }

    void passi() {
        const DatiCalcolo& d = d_;
        const int f = f_;

        richiesto(d.prof[f], "Manca la profondità della fondazione.");
        const double B =
            d.largh[f].vuota() ? 0.5 : decimale(d.largh[f], "larghezza della fondazione");
        const double D = decimale(d.prof[f], "profondità della fondazione");
        double G1 = 0, G2 = 0, Q = 0;
        carichi(B, D, G1, G2, Q);

        richiesto(d.pesos, "Manca il peso specifico del terreno.");
        richiesto(d.coes, "Manca la coesione del terreno.");
        richiesto(d.attr, "Manca l'angolo di attrito del terreno.");
        const double gammat = decimale(d.pesos, "peso specifico del terreno");
        const double ct = decimale(d.coes, "coesione del terreno");
        const double phi = decimale(d.attr, "angolo di attrito del terreno");

        if (!(B > 0)) {
            throw Mancanza{"La larghezza della fondazione deve essere maggiore di zero."};
        }
        if (D < 0) {
            throw Mancanza{"La profondità della fondazione non può essere negativa."};
        }
        if (!(gammat > 0)) {
            throw Mancanza{"Il peso specifico del terreno deve essere maggiore di zero."};
        }
        if (ct < 0) {
            throw Mancanza{"La coesione del terreno non può essere negativa."};
        }
        if (phi < 0 || phi > attrmassimo) {
            throw Mancanza{"L'angolo di attrito deve essere compreso tra 0 e 50 gradi."};
        }

        constexpr double g = accelerazionegravita;
        VerificaNtc& v = v_;
        v.B = B;
        v.D = D;
        v.phi = phi;
        v.gamma = gammat * g; // t/mc to kN/m3
        v.c = ct * g;         // t/mq to kPa

        // Actions: kg to kN.
        v.G1k = G1 * g / 1000;
        v.G2k = G2 * g / 1000;
        v.Qk = Q * g / 1000;
        v.gG2 = o_.g2definiti ? gammaG2definiti : gammaG2;
        v.Ed = v.gG1 * v.G1k + v.gG2 * v.G2k + v.gQ * v.Qk;

        // Bearing factors.
        const double rad = phi * std::numbers::pi / 180;
        const double t = std::tan(rad);
        const double s = std::sin(rad);
        if (phi == 0) {
            v.Nq = 1;
            v.Nc = 2 + std::numbers::pi;
            v.Ngamma = 0;
        } else {
            // Nq - 1 through expm1 and log1p, so that a tiny angle still
            // gives Nc close to 2 + pi instead of a cancelled difference.
            const double Nq1 = std::expm1(std::numbers::pi * t + std::log1p(s) - std::log1p(-s));
            v.Nq = Nq1 + 1;
            v.Nc = Nq1 / t;
            switch (o_.ngamma) {
            case FormulaNgamma::brinchhansen:
                v.Ngamma = 1.5 * Nq1 * t;
                break;
            case FormulaNgamma::vesic:
                v.Ngamma = 2 * (v.Nq + 1) * t;
                break;
            case FormulaNgamma::ec7:
                v.Ngamma = 2 * Nq1 * t;
                break;
            }
        }

        // Depth factors.
        const double rapporto = D / B;
        v.k = rapporto <= 1 ? rapporto : std::atan(rapporto);
        if (o_.profondita) {
            v.dq = 1 + 2 * t * (1 - s) * (1 - s) * v.k;
            v.dc = 1 + 0.4 * v.k;
        }
        v.dgamma = 1;

        v.q = v.gamma * D;
        v.terminec = v.c * v.Nc * v.dc;
        v.termineq = v.q * v.Nq * v.dq;
        v.terminegamma = 0.5 * v.gamma * B * v.Ngamma * v.dgamma;
        v.qlim = v.terminec + v.termineq + v.terminegamma;
        v.Rd = v.qlim * B / v.gR;

        if (!std::isfinite(v.Ed) || !std::isfinite(v.Rd)) {
            throw Mancanza{"Valori troppo grandi: la verifica della fondazione n. " +
                           std::to_string(f) + " non è possibile."};
        }
        v.verificata = v.Ed <= v.Rd;
        if (v.Rd > 0) {
            v.EdRd = v.Ed / v.Rd;
        } else {
            v.EdRd = v.Ed > 0 ? std::numeric_limits<double>::infinity() : 0;
            v.nota = "Resistenza nulla: il terreno non ha né coesione, né attrito, né "
                     "ricoprimento.";
        }
    }

    const DatiCalcolo& d_;
    int f_;
    const OpzioniNtc& o_;
    VerificaNtc v_;
};

RigaNtc riga(const char* nome, const char* unita, double valore, int decimali) {
    return {nome, unita, scrividecimali(valore, decimali)};
}

} // namespace

std::optional<FormulaNgamma> formulangamma(std::string_view nome) {
    return cerca(nome, nomengamma);
}

std::optional<FormulaNgamma> formulachiave(std::string_view chiave) {
    return cerca(chiave, chiavengamma);
}

std::string VerificaNtc::esito() const {
    if (!calcolata) {
        return "";
    }
    return verificata ? testoverificatantc : testononverificatantc;
}

VerificaNtc verificantc(const DatiCalcolo& dati, int f, const OpzioniNtc& opzioni) {
    if (f < 1 || f > maxfond) {
        VerificaNtc v;
        v.numero = f;
        v.nota = "Fondazione inesistente.";
        return v;
    }
    return Verifica(dati, f, opzioni).esegui();
}

std::vector<VerificaNtc> verificatutte(const DatiCalcolo& dati, const OpzioniNtc& opzioni) {
    std::vector<VerificaNtc> tutte;
    const int n = std::clamp(dati.nfond, 0, maxfond);
    tutte.reserve(static_cast<std::size_t>(n));
    for (int f = 1; f <= n; ++f) {
        tutte.push_back(verificantc(dati, f, opzioni));
    }
    return tutte;
}

std::string testoEdRd(const VerificaNtc& v) {
    if (!v.calcolata) {
        return "";
    }
    return std::isfinite(v.EdRd) ? scrividecimali(v.EdRd, decimaliEdRd) : "∞";
}

std::vector<RigaNtc> righeresistenza(const VerificaNtc& v) {
    if (!v.calcolata) {
        return {};
    }
    return {
        riga("Nc", "", v.Nc, decimaliN),
        riga("Nq", "", v.Nq, decimaliN),
        riga("Nγ", "", v.Ngamma, decimaliN),
        riga("k", "", v.k, decimalik),
        riga("dc", "", v.dc, decimalid),
        riga("dq", "", v.dq, decimalid),
        riga("dγ", "", v.dgamma, decimalid),
        riga("q = γ·D", "kPa", v.q, decimalikPa),
        riga("c·Nc·dc", "kPa", v.terminec, decimalikPa),
        riga("q·Nq·dq", "kPa", v.termineq, decimalikPa),
        riga("½·γ·B·Nγ·dγ", "kPa", v.terminegamma, decimalikPa),
        riga("qlim", "kPa", v.qlim, decimalikPa),
        riga("γR", "", v.gR, 1),
        riga("Rd = qlim·B/γR", "kN/m", v.Rd, decimalikN),
        {"Ed/Rd", "", testoEdRd(v)},
    };
}

std::vector<RigaNtc> righeazioni(const VerificaNtc& v) {
    if (!v.calcolata) {
        return {};
    }
    return {
        riga("G1k", "kN/m", v.G1k, decimalikN), riga("γG1", "", v.gG1, decimalifattori),
        riga("G2k", "kN/m", v.G2k, decimalikN), riga("γG2", "", v.gG2, decimalifattori),
        riga("Qk", "kN/m", v.Qk, decimalikN),   riga("γQ", "", v.gQ, decimalifattori),
        riga("Ed", "kN/m", v.Ed, decimalikN),
    };
}

const std::vector<std::string>& intestazionintc() {
    static const std::vector<std::string> intestazioni = {
        "n.",        "B (m)",      "D (m)",     "G1k (kN/m)", "G2k (kN/m)", "Qk (kN/m)",
        "Ed (kN/m)", "qlim (kPa)", "Rd (kN/m)", "Ed/Rd",      "esito",      "note"};
    return intestazioni;
}

std::vector<std::string> rigantc(const VerificaNtc& v) {
    std::vector<std::string> r{std::to_string(v.numero)};
    const std::pair<double, int> numeri[] = {
        {v.B, decimalimetri}, {v.D, decimalimetri}, {v.G1k, decimalikN},   {v.G2k, decimalikN},
        {v.Qk, decimalikN},   {v.Ed, decimalikN},   {v.qlim, decimalikPa}, {v.Rd, decimalikN}};
    for (const auto& [valore, decimali] : numeri) {
        r.push_back(v.calcolata ? scrividecimali(valore, decimali) : "");
    }
    r.push_back(testoEdRd(v));
    r.push_back(v.esito());
    r.push_back(v.nota);
    return r;
}

std::string sintesintc(const VerificaNtc& v) {
    if (!v.calcolata) {
        return "NTC 2018: " + v.nota;
    }
    return "NTC 2018: " + v.esito() + ", Ed/Rd = " + testoEdRd(v);
}

std::string descriviopzioni(const OpzioniNtc& o) {
    return "Nγ di " + std::string(nomengamma(o.ngamma)) +
           (o.profondita ? ", con fattori di profondità" : ", senza fattori di profondità") +
           ", γG2 = " + scrividecimali(o.g2definiti ? gammaG2definiti : gammaG2, 1) +
           (o.g2definiti ? " (carichi non strutturali compiutamente definiti)" : "");
}

} // namespace zocal
