#include "zocal/core/ntc/righecedimenti.h"

#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

RigaNtc riga(const char* nome, const char* unita, double valore, int decimali) {
    return {nome, unita, scrividecimali(valore, decimali)};
}

const char* esito(bool verificata) {
    return verificata ? testoverificatantc : testononverificatantc;
}

} // namespace

const std::vector<std::string>& intestazionistrati() {
    static const std::vector<std::string> intestazioni = {"strato", "da (m)", "a (m)", "Eed (MPa)",
                                                          "s (cm)"};
    return intestazioni;
}

std::vector<std::vector<std::string>> righestrati(const VerificaNtc& v) {
    std::vector<std::vector<std::string>> righe;
    if (!v.calcolata || !v.cedimento) {
        return righe;
    }
    const CedimentoCombinazione& q = v.cedimento->quasipermanente;
    for (std::size_t i = 0; i < q.strati.size(); ++i) {
        const CedimentoStrato& s = q.strati[i];
        righe.push_back({std::to_string(i + 1), scrividecimali(s.ztop, decimalimetri),
                         scrividecimali(s.zbottom, decimalimetri), scrivinumero(s.Eed),
                         q.calcolato ? scrividecimali(s.s, decimalicedimenti) : "—"});
    }
    return righe;
}

std::vector<RigaNtc> righecedimento(const VerificaNtc& v) {
    if (!v.calcolata || !v.cedimento) {
        return {};
    }
    const Cedimento& c = *v.cedimento;
    const CedimentoCombinazione& q = c.quasipermanente;
    std::vector<RigaNtc> r{riga("V = G1 + G2 + Σ ψ2·Qk", "kN/m", q.V, decimalikN),
                           riga("e", "m", q.e, decimalie)};
    if (!q.calcolato) {
        r.push_back({"B′ = B − 2e", "m", "—"});
        r.push_back({"esito", "", esito(false)});
        return r;
    }
    const RigaNtc altre[] = {
        riga("B′ = B − 2e", "m", q.Bp, decimalie),
        riga("p = V/B′", "kPa", q.p, decimalikPa),
        riga("σv0", "kPa", c.sigmav0, decimalikPa),
        riga("pnet = p − σv0", "kPa", q.pnet, decimalikPa),
        riga("s", "cm", q.s, decimalicedimenti),
        {"slim", "cm", scrivinumero(c.slim)},
        {"esito", "", esito(c.verificata)},
        riga("s nella combinazione caratteristica", "cm", c.caratteristica.s, decimalicedimenti),
        riga("profondità d'influenza z*", "m", c.zinfluenza, decimalimetri),
    };
    r.insert(r.end(), std::begin(altre), std::end(altre));
    return r;
}

CurvaCedimento curvacedimento(const VerificaNtc& v, int punti) {
    CurvaCedimento k;
    if (!v.calcolata || !v.cedimento || !v.cedimento->quasipermanente.calcolato || punti < 2) {
        return k;
    }
    const Cedimento& c = *v.cedimento;
    const CedimentoCombinazione& q = c.quasipermanente;
    const double fondo = q.strati.empty() ? 0 : q.strati.back().zbottom;
    k.profondita = std::max(fondo, std::isfinite(c.zinfluenza) ? c.zinfluenza : 0.0);
    const double pnet = std::max(q.pnet, 0.0);
    k.massimo = pnet;
    for (int i = 0; i < punti; ++i) {
        const double z = k.profondita * i / (punti - 1);
        k.punti.emplace_back(z, incrementotensione(pnet, q.Bp, z));
        k.soglia.push_back(quotainfluenza * ricoprimentoefficace(c.gamma, c.falda, c.D, z));
    }
    return k;
}

std::string testodifferenziali(const std::optional<CedimentiDifferenziali>& d,
                               const StratiNtc& strati) {
    if (d) {
        return "Differenza di cedimento tra le fondazioni: " + sintesidifferenziali(*d) + ".";
    }
    return strati.dslim.empty()
               ? "Differenza di cedimento ammissibile non indicata: cedimenti differenziali "
                 "non verificati."
               : "Cedimenti differenziali non verificati: meno di due fondazioni con il "
                 "cedimento calcolato.";
}

} // namespace zocal
