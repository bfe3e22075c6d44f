#include "zocal/core/ntc.h"

#include "zocal/core/calcola.h"
#include "zocal/core/ntc/cedimenti.h"
#include "zocal/core/ntc/portanza.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zocal {

std::string_view nomengamma(FormulaNgamma formula) {
    return formula == FormulaNgamma::brinchhansen ? "Brinch Hansen" : nomefilengamma(formula);
}

// Files keep the hyphen earlier versions wrote.
std::string_view nomefilengamma(FormulaNgamma formula) {
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

    // Characteristic loads per metre of wall, in kgf: G1 structural, G2
    // non-structural permanent, Q variable. The reading refuses a negative
    // entry, which would lower Ed.
    void carichi(double B, double D, double pesofond, double& G1, double& G2, double& Q,
                 double& Gf) {
        const int n = std::clamp(d_.npiani[f_], 0, maxpiani);
        if (n < 1) {
            throw Mancanza{"Dato mancante: nessun piano immesso."};
        }
        G1 = G2 = Q = 0;
        Qpiani_.assign(static_cast<std::size_t>(n), 0.0);
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
            Qpiani_[static_cast<std::size_t>(i - 1)] = p->S * p->L;
        }
        Gf = pesofond * B * D;
        G1 += Gf;
    }

    // A value of the job's extra soil data; nullopt when not given.
    static std::optional<double> facoltativo(const std::string& testo, const char* dove) {
        if (testo.empty()) {
            return std::nullopt;
        }
        return decimale(Cella(testo), dove);
    }

    void avvisa(const std::string& nota) { v_.nota += v_.nota.empty() ? nota : "; " + nota; }

    void passi() {
        const DatiCalcolo& d = d_;
        const int f = f_;

        richiesto(d.prof[f], "Manca la profondità della fondazione.");
        const double B =
            d.largh[f].vuota() ? 0.5 : decimale(d.largh[f], "larghezza della fondazione");
        const double D = decimale(d.prof[f], "profondità della fondazione");
        if (!(B > 0)) {
            throw Mancanza{"La larghezza della fondazione deve essere maggiore di zero."};
        }
        if (D < 0) {
            throw Mancanza{"La profondità della fondazione non può essere negativa."};
        }
        const TerrenoNtc& t = o_.terreno;
        const auto pesofond = facoltativo(t.pesofond, "peso specifico della fondazione");
        if (pesofond && !(*pesofond > 0)) {
            throw Mancanza{"Il peso specifico della fondazione deve essere maggiore di zero."};
        }
        // Without its own weight the footing is of the storey-1 wall material,
        // as the allowable-stress run counts it.
        const double pesobase =
            pesofond ? *pesofond : decimale(d_.spem(1, f_), delpiano(Voce::spem, 1));
        double G1 = 0, G2 = 0, Q = 0, Gf = 0;
        carichi(B, D, pesobase, G1, G2, Q, Gf);

        richiesto(d.pesos, "Manca il peso specifico del terreno.");
        richiesto(d.coes, "Manca la coesione del terreno.");
        richiesto(d.attr, "Manca l'angolo di attrito del terreno.");
        const double gammat = decimale(d.pesos, "peso specifico del terreno");
        const double ct = decimale(d.coes, "coesione del terreno");
        const double phi = decimale(d.attr, "angolo di attrito del terreno");
        const auto cu = facoltativo(t.cu, "coesione non drenata");

        if (!(gammat > 0)) {
            throw Mancanza{"Il peso specifico del terreno deve essere maggiore di zero."};
        }
        if (ct < 0) {
            throw Mancanza{"La coesione del terreno non può essere negativa."};
        }
        if (cu && *cu < 0) {
            throw Mancanza{"La coesione non drenata non può essere negativa."};
        }
        if (phi < 0 || phi > attrmassimo) {
            throw Mancanza{"L'angolo di attrito deve essere compreso tra 0 e 50 gradi."};
        }

        constexpr double g = accelerazionegravita;
        VerificaNtc& v = v_;
        v.B = B;
        v.D = D;
        v.gamma = gammat * g; // t/mc to kN/m3
        v.fondazionecls = pesofond.has_value();

        // Actions: kgf to kN.
        v.G1k = G1 * g / 1000;
        v.G2k = G2 * g / 1000;
        v.Qk = Q * g / 1000;
        v.gG2 = o_.g2definiti ? gammaG2definiti : gammaG2;
        v.Gf = Gf * g / 1000;

        std::string nota;
        const auto fondazione = leggifondazionentc(o_.fondazioni[f], B, nota);
        const auto falda = leggifalda(o_.falda, B, D, nota);
        if (!fondazione || !falda) {
            throw Mancanza{nota};
        }
        v.estesa = !o_.fondazioni[f].predefinita() || falda->zw.has_value();
        v.eccmuro = fondazione->eccmuro;
        v.zH = fondazione->zH;
        v.zw = falda->zw;

        // Long term with (c, phi); short term with (cu, 0) in total stresses.
        DatiAnalisi a;
        a.c = ct * g;
        a.phi = phi;
        a.gamma = v.gamma;
        a.falda = *falda;
        a.B = B;
        a.D = D;
        a.carichi = {v.G1k, v.Gf, v.G2k, v.Qk};
        a.fondazione = *fondazione;
        a.gG2 = v.gG2;
        a.ngamma = o_.ngamma;
        a.profondita = o_.profondita;
        static_cast<AnalisiNtc&>(v) = analisintc(a);
        v.Ed = v.V;
        DatiAnalisi breve = a;
        if (cu) {
            breve.c = *cu * g;
            breve.phi = 0;
            v.brevetermine = analisintc(breve);
        }
        sisma(a, cu ? &breve : nullptr);
        cedimento(a);
        if (!std::isfinite(v.Ed) || !std::isfinite(v.Rd) ||
            (v.brevetermine && !std::isfinite(v.brevetermine->Rd)) ||
            (v.sisma && !(std::isfinite(v.sisma->lungo.V) && std::isfinite(v.sisma->lungo.H) &&
                          std::isfinite(v.sisma->governa().portanza.Rd)))) {
            throw Mancanza{"Valori troppo grandi: la verifica della fondazione n. " +
                           std::to_string(f) + " non è possibile."};
        }
        if (d.largh[f].vuota()) {
            avvisa("larghezza non indicata: assunta 0,50 m");
        }
        if (phi > attrplausibile) {
            avvisa("angolo di attrito superiore a 40°: verificare il valore caratteristico");
        }
        if (v.analisi.governa().azione.eccessiva) {
            avvisa("eccentricità maggiore di B/3");
        } else if (!(v.Rd > 0) || (v.brevetermine && !(v.brevetermine->Rd > 0))) {
            avvisa("Resistenza nulla: il terreno non ha né coesione, né attrito, né "
                   "ricoprimento.");
        }
        if (v.sisma && v.sisma->governa().eccessiva) {
            avvisa("eccentricità maggiore di B/3 in condizioni sismiche");
        }
        if (v.cedimento && !v.cedimento->nota.empty()) {
            avvisa(v.cedimento->nota);
        }
    }

    // Each storey's variable load, kN/m.
    std::vector<double> carichipiani() const {
        std::vector<double> Q;
        for (double q : Qpiani_) {
            Q.push_back(q * accelerazionegravita / 1000);
        }
        return Q;
    }

    // The settlement check when the job gives layers, on the actions of the
    // long-term analysis with every factor 1.
    void cedimento(const DatiAnalisi& a) {
        std::string nota;
        const auto strati = leggistrati(o_.strati, nota);
        if (!strati) {
            throw Mancanza{nota};
        }
        if (strati->strati.empty()) {
            return;
        }
        const auto psi = psi2piani(o_.categorie[f_], Qpiani_.size(), nota);
        if (!psi) {
            throw Mancanza{nota};
        }
        DatiCedimento d;
        d.B = a.B;
        d.D = a.D;
        d.gamma = a.gamma;
        d.falda = a.falda;
        d.carichi = a.carichi;
        d.Qpiani = carichipiani();
        d.psi2 = *psi;
        d.fondazione = a.fondazione;
        d.strati = *strati;
        v_.cedimento = zocal::cedimento(d);
        if (!std::isfinite(v_.cedimento->quasipermanente.s) ||
            !std::isfinite(v_.cedimento->caratteristica.s)) {
            throw Mancanza{"Valori troppo grandi: la verifica dei cedimenti della fondazione n. " +
                           std::to_string(f_) + " non è possibile."};
        }
    }

    // The seismic check when the job asks for it; its entries are read only then,
    // so that a job without site data keeps its results.
    void sisma(const DatiAnalisi& lungo, const DatiAnalisi* breve) {
        std::string nota;
        const auto sito = leggisisma(o_.sisma, nota);
        if (!sito) {
            throw Mancanza{nota};
        }
        if (!sito->richiesta()) {
            return;
        }
        const auto fondazione = leggisismafondazione(o_.sismafondazioni[f_], nota);
        const auto psi = psi2piani(o_.categorie[f_], Qpiani_.size(), nota);
        if (!fondazione || !psi) {
            throw Mancanza{nota};
        }
        const std::vector<double> Q = carichipiani();
        v_.sito = *sito;
        for (std::size_t i = 0; i < psi->size(); ++i) {
            const std::string& c = o_.categorie[f_][i];
            v_.categorie.push_back(c.empty() ? std::string(categoriapredefinita) : c);
        }
        v_.psi2 = *psi;
        v_.psi2Q = caricoquasipermanente(Q, *psi);
        v_.sisma = verificasismica(lungo, breve, *sito, v_.psi2Q, *fondazione);
        v_.liquefazione = ricordaliquefazione(lungo, breve != nullptr);
    }

    const DatiCalcolo& d_;
    int f_;
    const OpzioniNtc& o_;
    VerificaNtc v_;
    std::vector<double> Qpiani_; // variable load of each storey, kgf/m
};

RigaNtc riga(const char* nome, const char* unita, double valore, int decimali) {
    return {nome, unita, scrividecimali(valore, decimali)};
}

// The rows of a sliding check, V (shown as riga, written as V in the formula) and H
// named as the display wants them.
std::vector<RigaNtc> righescorrimento(const Scorrimento& s, const char* rigaV, const std::string& V,
                                      const std::string& H) {
    std::vector<RigaNtc> r{riga(rigaV, "kN/m", s.Vd, decimalikN),
                           riga(H.c_str(), "kN/m", s.Hd, decimalikN)};
    if (s.tandelta) {
        r.push_back(riga("tan δ", "", *s.tandelta, decimalid));
    }
    r.push_back(riga("γR", "", gammaRscorrimento, 1));
    r.push_back(riga(s.tandelta ? ("Rd = " + V + "·tan δ/γR").c_str() : "Rd = B′·cu/γR", "kN/m",
                     s.Rd, decimalikN));
    r.push_back({H + "/Rd", "", testoEdRd(s.HdRd)});
    r.push_back({"esito", "", s.verificata ? testoverificatantc : testononverificatantc});
    return r;
}

// "V/Rd = 0,851, H/Rd = 0,377, VERIFICATA" of the governing seismic analysis.
std::string testosismico(const VerificaSismica& s) {
    const EsitoSisma& g = s.governa();
    return "V/Rd = " + (g.eccessiva ? std::string("—") : testoEdRd(g.EdRd)) +
           ", H/Rd = " + testoEdRd(g.scorrimento.HdRd) + ", " +
           (s.verificata() ? testoverificatantc : testononverificatantc);
}

// "s = 1,857 cm, VERIFICATA" in the quasi-permanent combination.
std::string testocedimento(const Cedimento& c) {
    return "s = " +
           (c.quasipermanente.calcolato
                ? scrividecimali(c.quasipermanente.s, decimalicedimenti) + " cm"
                : std::string("—")) +
           ", " + (c.verificata ? testoverificatantc : testononverificatantc);
}

} // namespace

AnalisiNtc analisintc(const DatiAnalisi& dati) {
    AnalisiNtc a;
    a.c = dati.c;
    a.phi = dati.phi;
    a.analisi = analizza(dati);
    const CombinazioneVerificata& c = a.analisi.governa();
    const Portanza& p = c.portanza;
    a.combinazione = c.azione.nome;
    a.V = c.azione.V;
    a.Hd = c.azione.H;
    a.e = c.azione.e;
    a.Bp = c.azione.Bp;
    a.U = c.azione.U;
    a.Nc = p.Nc;
    a.Nq = p.Nq;
    a.Ngamma = p.Ngamma;
    a.k = p.k;
    a.dc = p.dc;
    a.dq = p.dq;
    a.dgamma = p.dgamma;
    a.ic = p.ic;
    a.iq = p.iq;
    a.igamma = p.igamma;
    a.q = p.q;
    a.gamma2 = p.gamma2;
    a.terminec = p.terminec;
    a.termineq = p.termineq;
    a.terminegamma = p.terminegamma;
    a.qlim = p.qlim;
    a.Rd = p.Rd;
    a.EdRd = c.EdRd;
    const auto& tutte = a.analisi.combinazioni;
    a.verificata = std::all_of(tutte.begin(), tutte.end(),
                               [](const CombinazioneVerificata& x) { return x.verificata; });
    return a;
}

std::optional<FormulaNgamma> formulafile(std::string_view nome) {
    return cerca(nome, nomefilengamma);
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

bool VerificaNtc::verificatacomplessiva() const {
    return calcolata && tutteverificate() && (!brevetermine || brevetermine->tutteverificate()) &&
           (!sisma || sisma->verificata()) && (!cedimento || cedimento->verificata);
}

std::string VerificaNtc::esitocomplessivo() const {
    if (!calcolata) {
        return "";
    }
    return verificatacomplessiva() ? testoverificatantc : testononverificatantc;
}

double VerificaNtc::EdRdcomplessivo() const {
    double r = brevetermine ? std::max(EdRd, brevetermine->EdRd) : EdRd;
    if (sisma) {
        r = std::max({r, sisma->lungo.EdRd, sisma->breve ? sisma->breve->EdRd : 0.0});
    }
    return r;
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

std::optional<CedimentiDifferenziali> differenzialintc(const std::vector<VerificaNtc>& verifiche,
                                                       const OpzioniNtc& opzioni) {
    std::string nota;
    const auto strati = leggistrati(opzioni.strati, nota);
    if (!strati) {
        return std::nullopt;
    }
    std::vector<CedimentoFondazione> cedimenti;
    for (const VerificaNtc& v : verifiche) {
        if (v.calcolata && v.cedimento && v.cedimento->quasipermanente.calcolato) {
            cedimenti.push_back({v.numero, v.cedimento->quasipermanente.s});
        }
    }
    return cedimentidifferenziali(cedimenti, strati->dslim);
}

std::string esitolavoro(const std::vector<VerificaNtc>& verifiche,
                        const std::optional<CedimentiDifferenziali>& differenziali) {
    bool verificata = !differenziali || differenziali->verificata;
    for (const VerificaNtc& v : verifiche) {
        if (!v.calcolata) {
            return "";
        }
        verificata = verificata && v.verificatacomplessiva();
    }
    return verificata ? testoverificatantc : testononverificatantc;
}

std::string testoEdRd(double EdRd) {
    return std::isfinite(EdRd) ? scrividecimali(EdRd, decimaliEdRd) : "∞";
}

std::string testoEdRd(const VerificaNtc& v) {
    return v.calcolata ? testoEdRd(v.EdRd) : "";
}

std::vector<RigaNtc> righeresistenza(const VerificaNtc& v) {
    return righeresistenza(v, v);
}

std::vector<RigaNtc> righeresistenza(const VerificaNtc& v, const AnalisiNtc& a) {
    if (!v.calcolata) {
        return {};
    }
    // Beyond the centred vertical load the terms carry B' and the inclination.
    const bool e = v.estesa;
    return {
        riga("Nc", "", a.Nc, decimaliN),
        riga("Nq", "", a.Nq, decimaliN),
        riga("Nγ", "", a.Ngamma, decimaliN),
        riga("k", "", a.k, decimalik),
        riga("dc", "", a.dc, decimalid),
        riga("dq", "", a.dq, decimalid),
        riga("dγ", "", a.dgamma, decimalid),
        riga(e ? "q" : "q = γ·D", "kPa", a.q, decimalikPa),
        riga(e ? "c·Nc·dc·ic" : "c·Nc·dc", "kPa", a.terminec, decimalikPa),
        riga(e ? "q·Nq·dq·iq" : "q·Nq·dq", "kPa", a.termineq, decimalikPa),
        riga(e ? "½·γ₂·B′·Nγ·dγ·iγ" : "½·γ·B·Nγ·dγ", "kPa", a.terminegamma, decimalikPa),
        riga("qlim", "kPa", a.qlim, decimalikPa),
        riga("γR", "", a.gR, 1),
        riga(e ? "Rd = qlim·B′/γR" : "Rd = qlim·B/γR", "kN/m", a.Rd, decimalikN),
        {"Ed/Rd", "", testoEdRd(a.EdRd)},
    };
}

std::vector<RigaNtc> righeterreno(const VerificaNtc& v) {
    if (!v.calcolata) {
        return {};
    }
    std::vector<RigaNtc> r{
        riga("γ", "kN/mc", v.gamma, decimalikPa + 1),
        riga("c′", "kPa", v.c, decimalikPa + 1),
        riga("φ′", "°", v.phi, decimalikPa + 1),
    };
    if (v.brevetermine) {
        r.push_back(riga("cu", "kPa", v.brevetermine->c, decimalikPa + 1));
    }
    return r;
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

std::vector<RigaNtc> righecombinazione(const VerificaNtc& v) {
    if (!v.calcolata || !v.estesa) {
        return {};
    }
    std::vector<RigaNtc> r{{"combinazione", "", std::string(nomecombinazione(v.combinazione))},
                           riga("Hd", "kN/m", v.Hd, decimalikN),
                           riga("e", "m", v.e, decimalie)};
    r.push_back(std::isfinite(v.Bp) ? riga("B′ = B − 2e", "m", v.Bp, decimalie)
                                    : RigaNtc{"B′ = B − 2e", "m", "—"});
    r.push_back(riga("U", "kN/m", v.U, decimalikN));
    r.push_back(riga("ic", "", v.ic, decimalid));
    r.push_back(riga("iq", "", v.iq, decimalid));
    r.push_back(riga("iγ", "", v.igamma, decimalid));
    r.push_back(riga("γ₂", "kN/m³", v.gamma2, decimalikPa + 1));
    return r;
}

const std::vector<std::string>& intestazionicombinazioni() {
    static const std::vector<std::string> intestazioni = {"combinazione", "V (kN/m)", "H (kN/m)",
                                                          "e (m)",        "B′ (m)",   "qlim (kPa)",
                                                          "Rd (kN/m)",    "V/Rd",     "esito"};
    return intestazioni;
}

std::vector<std::vector<std::string>> righecombinazioni(const VerificaNtc& v) {
    std::vector<std::vector<std::string>> tutte;
    if (!v.calcolata) {
        return tutte;
    }
    for (const CombinazioneVerificata& c : v.analisi.combinazioni) {
        const AzioneCombinata& a = c.azione;
        const bool eccessiva = a.eccessiva;
        tutte.push_back({std::string(nomecombinazione(a.nome)), scrividecimali(a.V, decimalikN),
                         scrividecimali(a.H, decimalikN), scrividecimali(a.e, decimalie),
                         eccessiva ? "—" : scrividecimali(a.Bp, decimalie),
                         eccessiva ? "—" : scrividecimali(c.portanza.qlim, decimalikPa),
                         scrividecimali(c.portanza.Rd, decimalikN),
                         eccessiva ? "—" : testoEdRd(c.EdRd),
                         c.verificata ? testoverificatantc : testononverificatantc});
    }
    return tutte;
}

std::vector<RigaNtc> righescorrimento(const VerificaNtc& v) {
    if (!v.calcolata || !v.analisi.scorrimento) {
        return {};
    }
    return righescorrimento(*v.analisi.scorrimento, "Vd (C2)", "Vd", "Hd");
}

std::vector<std::string> sintesiverifiche(const VerificaNtc& v) {
    std::vector<std::string> righe;
    for (const auto& c : righecombinazioni(v)) {
        righe.push_back(c[0] + ": V = " + c[1] + " kN/m, H = " + c[2] + " kN/m, e = " + c[3] +
                        " m, B′ = " + c[4] + " m, qlim = " + c[5] + " kPa, Rd = " + c[6] +
                        " kN/m, V/Rd = " + c[7] + ", " + c[8]);
    }
    if (v.calcolata && v.analisi.scorrimento) {
        const Scorrimento& s = *v.analisi.scorrimento;
        righe.push_back("scorrimento: Hd = " + scrividecimali(s.Hd, decimalikN) + " kN/m, Rd = " +
                        scrividecimali(s.Rd, decimalikN) + " kN/m, Hd/Rd = " + testoEdRd(s.HdRd) +
                        ", " + (s.verificata ? testoverificatantc : testononverificatantc));
    }
    return righe;
}

std::vector<RigaNtc> righespettro(const VerificaNtc& v) {
    if (!v.calcolata || !v.sisma) {
        return {};
    }
    const DatiSisma& d = v.sito;
    const Spettro& p = v.sisma->lungo.spettro;
    return {
        {"ag", "g", scrivinumero(d.ag)},
        {"F0", "", scrivinumero(d.F0)},
        {"categoria di sottosuolo", "", std::string(nomecategoriasuolo(d.suolo))},
        {"categoria topografica", "", std::string(nomecategoriatopografica(d.topografia))},
        {"q", "", scrivinumero(d.q)},
        {"γRd", "", scrivinumero(d.gammaRd)},
        {"αH", "", scrivinumero(d.alfaH)},
        riga("SS", "", p.SS, decimalie),
        riga("ST", "", p.ST, 1),
        riga("S = SS·ST", "", p.S, decimalie),
        riga("Se = ag·S·F0", "g", p.Se, decimalisisma),
        riga("Sd = Se/q", "g", p.Sd, decimalisisma),
    };
}

std::vector<RigaNtc> righeazionisismiche(const VerificaNtc& v, const EsitoSisma& s) {
    if (!v.calcolata || !v.sisma) {
        return {};
    }
    std::vector<RigaNtc> r{riga("G1w", "kN/m", v.G1k - v.Gf, decimalikN),
                           riga("G2k", "kN/m", v.G2k, decimalikN)};
    for (std::size_t i = 0; i < v.psi2.size(); ++i) {
        r.push_back(
            riga(("ψ2 piano n. " + std::to_string(i + 1) + " (categoria " + v.categorie[i] + ")")
                     .c_str(),
                 "", v.psi2[i], decimalifattori));
    }
    r.push_back(riga("Σ ψ2·Qk", "kN/m", v.psi2Q, decimalikN));
    r.push_back(riga("Ww = G1w + G2k + Σ ψ2·Qk", "kN/m", s.Ww, decimalikN));
    r.push_back(riga("Gf", "kN/m", v.Gf, decimalikN));
    if (s.U > 0) {
        r.push_back(riga("U", "kN/m", s.U, decimalikN));
    }
    r.push_back(riga(s.U > 0 ? "V = Ww + Gf − U" : "V = Ww + Gf", "kN/m", s.V, decimalikN));
    if (s.dalmodello) {
        r.push_back({"origine di H", "", "modello strutturale (HE)"});
    } else {
        r.push_back({"origine di H", "", "stima"});
        r.push_back(riga("γRd·αH·Sd·Ww", "kN/m", s.Hstima, decimalikN));
        r.push_back(riga("Se·Ww (limite)", "kN/m", s.Hmassima, decimalikN));
    }
    r.push_back(riga("H", "kN/m", s.H, decimalikN));
    r.push_back(riga("M", "kNm/m", s.M, decimalie));
    r.push_back(riga("e", "m", s.e, decimalie));
    r.push_back(s.eccessiva ? RigaNtc{"B′ = B − 2e", "m", "—"}
                            : riga("B′ = B − 2e", "m", s.Bp, decimalie));
    return r;
}

std::vector<RigaNtc> righeresistenzasismica(const VerificaNtc& v, const EsitoSisma& s) {
    if (!v.calcolata || !v.sisma) {
        return {};
    }
    std::vector<RigaNtc> r{riga("khk = 0,38·S·ag", "", s.khk, decimalisisma + 1),
                           riga("zc", "", s.zc, decimalisisma),
                           riga("zq = zγ", "", s.zq, decimalisisma)};
    if (s.eccessiva) {
        r.push_back({"esito", "", "NON VERIFICATA (eccentricità maggiore di B/3)"});
        return r;
    }
    const Portanza& p = s.portanza;
    const RigaNtc altre[] = {
        riga("Nc", "", p.Nc, decimaliN),
        riga("Nq", "", p.Nq, decimaliN),
        riga("Nγ", "", p.Ngamma, decimaliN),
        riga("dc", "", p.dc, decimalid),
        riga("dq", "", p.dq, decimalid),
        riga("ic", "", p.ic, decimalid),
        riga("iq", "", p.iq, decimalid),
        riga("iγ", "", p.igamma, decimalid),
        riga("q", "kPa", p.q, decimalikPa),
        riga("c·Nc·dc·ic·zc", "kPa", p.terminec, decimalikPa),
        riga("q·Nq·dq·iq·zq", "kPa", p.termineq, decimalikPa),
        riga("½·γ₂·B′·Nγ·dγ·iγ·zγ", "kPa", p.terminegamma, decimalikPa),
        riga("qlim,E", "kPa", p.qlim, decimalikPa),
        riga("γR", "", gammaR, 1),
        riga("Rd = qlim,E·B′/γR", "kN/m", p.Rd, decimalikN),
        {"V/Rd", "", testoEdRd(s.EdRd)},
        {"esito", "", s.portanzaverificata() ? testoverificatantc : testononverificatantc},
    };
    r.insert(r.end(), std::begin(altre), std::end(altre));
    return r;
}

std::vector<RigaNtc> righescorrimentosismico(const VerificaNtc& v, const EsitoSisma& s) {
    if (!v.calcolata || !v.sisma) {
        return {};
    }
    return righescorrimento(s.scorrimento, "V", "V", "H");
}

VerificaNtc vistasismica(const VerificaNtc& v, const EsitoSisma& s) {
    VerificaNtc w = v;
    w.brevetermine.reset();
    w.sisma.reset();
    w.estesa = true;
    w.Ed = w.V = s.V;
    w.Hd = s.H;
    w.zH = 0;
    w.e = s.e;
    w.Bp = s.Bp;
    w.Rd = s.eccessiva ? 0 : s.portanza.Rd;
    w.EdRd = s.EdRd;
    w.verificata = s.portanzaverificata();
    w.analisi.scorrimento = s.scorrimento;
    return w;
}

std::vector<std::string> sintesisisma(const VerificaNtc& v) {
    std::vector<std::string> righe;
    if (!v.calcolata || !v.sisma) {
        return righe;
    }
    const EsitoSisma& l = v.sisma->lungo;
    const Spettro& p = l.spettro;
    righe.push_back(
        "S = " + scrividecimali(p.S, decimalie) + ", Se = " + scrividecimali(p.Se, decimalisisma) +
        " g, Sd = " + scrividecimali(p.Sd, decimalisisma) + " g, Ww = " +
        scrividecimali(l.Ww, decimalikN) + " kN/m, H = " + scrividecimali(l.H, decimalikN) +
        " kN/m (" + (l.dalmodello ? "dal modello strutturale" : "stimata") + "), khk = " +
        scrividecimali(l.khk, decimalisisma + 1) + ", zc = " + scrividecimali(l.zc, decimalisisma) +
        ", zq = zγ = " + scrividecimali(l.zq, decimalisisma));
    const auto esito = [](bool si) { return si ? testoverificatantc : testononverificatantc; };
    const auto analisi = [&](const EsitoSisma& s, const std::string& nome) {
        righe.push_back(
            nome + ": V = " + scrividecimali(s.V, decimalikN) + " kN/m, H = " +
            scrividecimali(s.H, decimalikN) + " kN/m, e = " + scrividecimali(s.e, decimalie) +
            " m, B′ = " + (s.eccessiva ? "—" : scrividecimali(s.Bp, decimalie)) +
            " m, qlim = " + (s.eccessiva ? "—" : scrividecimali(s.portanza.qlim, decimalikPa)) +
            " kPa, Rd = " + scrividecimali(s.portanza.Rd, decimalikN) + " kN/m, V/Rd = " +
            (s.eccessiva ? "—" : testoEdRd(s.EdRd)) + ", " + esito(s.portanzaverificata()));
        const Scorrimento& c = s.scorrimento;
        righe.push_back("scorrimento " + nome + ": H = " + scrividecimali(c.Hd, decimalikN) +
                        " kN/m, Rd = " + scrividecimali(c.Rd, decimalikN) +
                        " kN/m, H/Rd = " + testoEdRd(c.HdRd) + ", " + esito(c.verificata));
    };
    analisi(l, v.sisma->breve ? "SLV a lungo termine" : "SLV");
    if (v.sisma->breve) {
        analisi(*v.sisma->breve, "SLV a breve termine");
    }
    return righe;
}

std::vector<std::string> sintesicedimenti(const VerificaNtc& v) {
    std::vector<std::string> righe;
    if (!v.calcolata || !v.cedimento) {
        return righe;
    }
    const Cedimento& c = *v.cedimento;
    const CedimentoCombinazione& q = c.quasipermanente;
    const auto cm = [](double s) { return scrividecimali(s, decimalicedimenti) + " cm"; };
    const std::string esito = c.verificata ? testoverificatantc : testononverificatantc;
    if (!q.calcolato) {
        righe.push_back("quasi permanente: V = " + scrividecimali(q.V, decimalikN) +
                        " kN/m, e = " + scrividecimali(q.e, decimalie) + " m, " + esito);
        return righe;
    }
    righe.push_back("quasi permanente: V = " + scrividecimali(q.V, decimalikN) +
                    " kN/m, B′ = " + scrividecimali(q.Bp, decimalie) +
                    " m, p = " + scrividecimali(q.p, decimalikPa) +
                    " kPa, σv0 = " + scrividecimali(c.sigmav0, decimalikPa) +
                    " kPa, pnet = " + scrividecimali(q.pnet, decimalikPa) + " kPa");
    for (std::size_t i = 0; i < q.strati.size(); ++i) {
        const CedimentoStrato& t = q.strati[i];
        righe.push_back("strato n. " + std::to_string(i + 1) + ": da " +
                        scrividecimali(t.ztop, decimalimetri) + " a " +
                        scrividecimali(t.zbottom, decimalimetri) +
                        " m, Eed = " + scrivinumero(t.Eed) + " MPa, s = " + cm(t.s));
    }
    righe.push_back("s = " + cm(q.s) + ", slim = " + scrivinumero(c.slim) + " cm, " + esito);
    righe.push_back("combinazione caratteristica: s = " + cm(c.caratteristica.s));
    righe.push_back("profondità d'influenza z* = " + scrividecimali(c.zinfluenza, decimalimetri) +
                    " m");
    return righe;
}

std::string sintesidifferenziali(const CedimentiDifferenziali& d) {
    return "massimo " + scrividecimali(d.massimo, decimalicedimenti) + " cm (fondazioni n. " +
           std::to_string(d.fondazionemassimo) + " e n. " + std::to_string(d.fondazioneminimo) +
           "), ammissibile " + scrivinumero(d.dslim) + " cm, " +
           (d.verificata ? testoverificatantc : testononverificatantc);
}

std::string descrivisisma(const DatiSisma& s) {
    return "ag = " + scrivinumero(s.ag) + " g, F0 = " + scrivinumero(s.F0) + ", sottosuolo " +
           std::string(nomecategoriasuolo(s.suolo)) + ", categoria topografica " +
           std::string(nomecategoriatopografica(s.topografia)) + ", q = " + scrivinumero(s.q) +
           " (" + testoqrelazione + "), γRd = " + scrivinumero(s.gammaRd) +
           ", αH = " + scrivinumero(s.alfaH);
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
    // The numbers are the long-term analysis's; the verdict is the one of record.
    r.push_back(v.esitocomplessivo());
    std::string nota = v.nota;
    if (v.calcolata && v.brevetermine) {
        nota = "a breve termine Ed/Rd = " + testoEdRd(v.brevetermine->EdRd) + ", " +
               (v.brevetermine->verificata ? testoverificatantc : testononverificatantc) +
               (nota.empty() ? "" : "; " + nota);
    }
    if (v.calcolata && v.sisma) {
        nota = "sisma (SLV) " + testosismico(*v.sisma) + (nota.empty() ? "" : "; " + nota);
    }
    if (v.calcolata && v.cedimento) {
        nota =
            "cedimento (SLE) " + testocedimento(*v.cedimento) + (nota.empty() ? "" : "; " + nota);
    }
    r.push_back(nota);
    return r;
}

std::string sintesintc(const VerificaNtc& v) {
    if (!v.calcolata) {
        return "NTC 2018: " + v.nota;
    }
    // The verdict of record over every check run, sliding and seismic included.
    std::string t = "NTC 2018: " + v.esitocomplessivo() + ", Ed/Rd = " + testoEdRd(v);
    if (v.brevetermine) {
        t += " a lungo termine, " + testoEdRd(v.brevetermine->EdRd) + " a breve termine";
    }
    if (v.sisma) {
        t += ", sisma (SLV) " + testosismico(*v.sisma);
    }
    if (v.cedimento) {
        t += ", cedimento (SLE) " + testocedimento(*v.cedimento);
    }
    return t;
}

std::string titolofondazione(int f, const Cella& verificata, const VerificaNtc* ntc) {
    const std::string t = "Fondazione n. " + std::to_string(f);
    const std::string ta = verificata.vuota() ? "non calcolata" : verificata.testo();
    if (ntc == nullptr || !ntc->calcolata) {
        return t + " (" + ta + ")";
    }
    return t + " (tensioni ammissibili: " + ta + "; NTC 2018: " + ntc->esitocomplessivo() + ")";
}

const std::vector<std::string>& intestazioniesito() {
    static const std::vector<std::string> intestazioni = {"n.", "coefficiente di sicurezza",
                                                          "esito (tensioni ammissibili)", "Ed/Rd",
                                                          "esito (NTC 2018)"};
    return intestazioni;
}

std::vector<std::string> rigaesito(const std::string& coeff, const Cella& verificata,
                                   const VerificaNtc& v) {
    return {std::to_string(v.numero), coeff, verificata.testo(),
            v.calcolata ? testoEdRd(v.EdRdcomplessivo()) : "",
            v.calcolata ? v.esitocomplessivo() : "non eseguita"};
}

std::string discordanza(const Cella& verificata, const VerificaNtc& v) {
    if (!v.calcolata || verificata.vuota() ||
        (verificata.testo() == testoverificata) == v.verificatacomplessiva()) {
        return "";
    }
    return "Le verifiche non concordano: tensioni ammissibili " + verificata.testo() +
           ", NTC 2018 " + v.esitocomplessivo() + "; vale la verifica NTC 2018.";
}

std::string notaconverdetti(std::string_view nota, const Cella& verificata, const VerificaNtc& v) {
    if (!notadiverdetto(nota)) {
        return std::string(nota);
    }
    std::string out(nota.substr(0, nota.find('\n')));
    if (const std::string riga = discordanza(verificata, v); !riga.empty()) {
        out += "\n" + riga;
    }
    return out;
}

std::string descriviopzioni(const OpzioniNtc& o) {
    const bool annessoD = o.ngamma == FormulaNgamma::ec7;
    return "Nγ di " + std::string(nomengamma(o.ngamma)) +
           (o.profondita ? ", con fattori di profondità" : ", senza fattori di profondità") +
           (annessoD && o.profondita ? " (fattori di profondità di Brinch Hansen, non previsti "
                                       "dall'Annesso D della UNI EN 1997-1)"
                                     : "") +
           ", γG2 = " + scrividecimali(o.g2definiti ? gammaG2definiti : gammaG2, 1) +
           (o.g2definiti ? " (carichi non strutturali compiutamente definiti)" : "");
}

} // namespace zocal
