#include "zocal/archive/validazione.h"

#include "filevalidazione.h"
#include "zocal/archive/lettura.h"
#include "zocal/core/calcola.h"
#include "zocal/core/ntc.h"
#include "zocal/core/ntc/cedimenti.h"
#include "zocal/core/ntc/sisma.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>

namespace zocal {

namespace {

constexpr double pi = std::numbers::pi;
const double r3 = std::sqrt(3.0);
constexpr double kN = accelerazionegravita / 1000; // per kgf

int decimali(std::string_view testo) {
    const auto virgola = testo.find(',');
    return virgola == testo.npos ? 0 : static_cast<int>(testo.size() - virgola - 1);
}

// A figure of a table or of a worked example, as printed.
ValoreValidazione stampato(std::string nome, std::string unita, std::string atteso,
                           double calcolato, Tolleranza t = Tolleranza::unaunita) {
    ValoreValidazione v;
    v.nome = std::move(nome);
    v.unita = std::move(unita);
    v.atteso = leggidecimale(atteso).value_or(std::numeric_limits<double>::quiet_NaN());
    v.testoatteso = std::move(atteso);
    v.calcolato = calcolato;
    v.tolleranza = t;
    return v;
}

// The value of a closed form.
ValoreValidazione chiusa(std::string nome, std::string unita, double atteso, double calcolato) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.7g", atteso);
    std::string t = testo;
    std::replace(t.begin(), t.end(), '.', ',');
    ValoreValidazione v =
        stampato(std::move(nome), std::move(unita), t, calcolato, Tolleranza::relativa);
    v.atteso = atteso;
    return v;
}

ValoreValidazione verdetto(std::string atteso, std::string calcolato) {
    ValoreValidazione v;
    v.nome = "esito";
    v.testoatteso = std::move(atteso);
    v.testocalcolato = std::move(calcolato);
    v.tolleranza = Tolleranza::testo;
    return v;
}

// A shipped job file read as the program reads it, its data recounted.
std::optional<Lavoro> lavoro(std::string_view nome, std::string& errore) {
    for (const FileIncorporato& f : fileincorporati()) {
        if (f.nome == nome) {
            Lavoro l;
            const EsitoLettura e = leggilavoro(f.byte, l);
            if (!e.riuscita()) {
                errore = e.errore;
                return std::nullopt;
            }
            l.dati.contadati();
            return l;
        }
    }
    errore = "file " + std::string(nome) + " assente";
    return std::nullopt;
}

std::string fileinput(const std::string& nome, const char* cosa) {
    return "file dati " + nome + " (cartella degli esempi, sottocartella validazione): " + cosa;
}

// ---- 1. Published table -------------------------------------------------

constexpr const char* fontelook =
    "tabella pubblicata: B. Look, Handbook of Geotechnical Investigation and Design Tables, "
    "Taylor & Francis, 2007, Tab. 21.5 (Nc, Nq, Nγ di Vesic e di Brinch Hansen), ai decimali "
    "stampati";

void fattoritabella(std::vector<CasoValidazione>& casi) {
    struct Riga {
        int phi;
        const char *Nc, *Nq, *Nv, *Nbh;
    };
    constexpr Riga righe[] = {{20, "14,8", "6,4", "5,4", "2,95"},
                              {25, "20,7", "10,7", "10,9", "6,76"},
                              {30, "30,1", "18,4", "22,4", "15,1"},
                              {35, "46,1", "33,3", "48,0", "33,9"},
                              {40, "75", "64", "109", "80"}};
    int n = 0;
    for (const Riga& r : righe) {
        Portanza vesic, hansen;
        fattoriportanza(r.phi, FormulaNgamma::vesic, vesic);
        fattoriportanza(r.phi, FormulaNgamma::brinchhansen, hansen);
        const auto t = Tolleranza::mezzaunita;
        casi.push_back(
            {"1." + std::to_string(++n),
             "Fattori di capacità portante, φ = " + std::to_string(r.phi) + "°",
             fontelook,
             "argomento: angolo di resistenza al taglio φ = " + std::to_string(r.phi) + "°",
             "",
             {stampato("Nc", "", r.Nc, vesic.Nc, t), stampato("Nq", "", r.Nq, vesic.Nq, t),
              stampato("Nγ (Vesic)", "", r.Nv, vesic.Ngamma, t),
              stampato("Nγ (Brinch Hansen)", "", r.Nbh, hansen.Ngamma, t)},
             ""});
    }
}

// ---- 2. Closed forms ----------------------------------------------------

DatiPortanza striscia(double c, double phi, double B, double D, double V, double H,
                      FormulaNgamma ngamma) {
    DatiPortanza d;
    d.c = c;
    d.phi = phi;
    d.gamma = 18;
    d.B = d.Bp = B;
    d.D = D;
    d.V = V;
    d.H = H;
    d.ngamma = ngamma;
    return d;
}

void formechiuse(std::vector<CasoValidazione>& casi) {
    int n = 0;
    auto caso = [&](std::string titolo, std::string fonte, std::string dati,
                    std::vector<ValoreValidazione> valori) {
        casi.push_back({"2." + std::to_string(++n), std::move(titolo),
                        "forma chiusa: " + std::move(fonte), std::move(dati), "", std::move(valori),
                        ""});
    };
    const double Nq30 = 3 * std::exp(pi / r3);
    {
        Portanza p;
        fattoriportanza(30, FormulaNgamma::brinchhansen, p);
        caso("Nq e Nc a φ = 30°",
             "tan²(45° + 15°) = tan² 60° = 3 e π·tan 30° = π/√3, quindi Nq = 3·e^(π/√3); "
             "cot 30° = √3, quindi Nc = (Nq − 1)·√3",
             "argomento: φ = 30°",
             {chiusa("Nq = 3·e^(π/√3)", "", Nq30, p.Nq),
              chiusa("Nc = (Nq − 1)·√3", "", (Nq30 - 1) * r3, p.Nc)});
    }
    {
        Portanza h, v, e;
        fattoriportanza(30, FormulaNgamma::brinchhansen, h);
        fattoriportanza(30, FormulaNgamma::vesic, v);
        fattoriportanza(30, FormulaNgamma::ec7, e);
        caso("Nγ a φ = 30° nelle tre formule",
             "tan 30° = 1/√3 nelle formule 1,5·(Nq − 1)·tan φ (Brinch Hansen), 2·(Nq + 1)·tan φ "
             "(Vesic), 2·(Nq − 1)·tan φ (UNI EN 1997-1, Annesso D)",
             "argomento: φ = 30°",
             {chiusa("Nγ Brinch Hansen = 1,5·(Nq − 1)/√3", "", 1.5 * (Nq30 - 1) / r3, h.Ngamma),
              chiusa("Nγ Vesic = 2·(Nq + 1)/√3", "", 2 * (Nq30 + 1) / r3, v.Ngamma),
              chiusa("Nγ EC7 = 2·(Nq − 1)/√3", "", 2 * (Nq30 - 1) / r3, e.Ngamma)});
    }
    {
        Portanza p;
        fattoriportanza(45, FormulaNgamma::brinchhansen, p);
        const double Nq45 = std::exp(pi) * (3 + 2 * std::sqrt(2.0));
        caso("Nq e Nc a φ = 45°",
             "tan 45° = 1 e tan²(67,5°) = (1 + √2)² = 3 + 2√2, quindi Nq = e^π·(3 + 2√2); "
             "cot 45° = 1, quindi Nc = Nq − 1",
             "argomento: φ = 45°",
             {chiusa("Nq = e^π·(3 + 2√2)", "", Nq45, p.Nq),
              chiusa("Nc = Nq − 1", "", Nq45 - 1, p.Nc)});
    }
    const double cu = 50;
    {
        const Portanza p = portanza(striscia(cu, 0, 2, 0, 100, 0, FormulaNgamma::brinchhansen));
        DatiPortanza d = striscia(cu, 0, 2, 1, 100, 0, FormulaNgamma::brinchhansen);
        d.profondita = false;
        const Portanza q = portanza(d);
        caso("Carico limite in condizioni non drenate",
             "con φ = 0: Nc = π + 2, Nq = 1, Nγ = 0, quindi qlim = (π + 2)·cu + γ·D; con D = 0 "
             "resta (π + 2)·cu",
             "argomenti: cu = 50 kPa, φ = 0, B = 2 m, γ = 18 kN/m³, carico verticale centrato; "
             "D = 0, poi D = 1 m senza fattori di profondità",
             {chiusa("qlim (D = 0) = (π + 2)·cu", "kPa", (pi + 2) * cu, p.qlim),
              chiusa("qlim (D = 1 m) = (π + 2)·cu + γ·D", "kPa", (pi + 2) * cu + 18, q.qlim)});
    }
    {
        // e = M/V on the width B: Meyerhof's effective width B - 2e.
        AzioneCombinata a;
        a.V = 100;
        a.M = 25;
        eccentricita(a, 2);
        DatiPortanza d = striscia(cu, 0, 2, 0, a.V, 0, FormulaNgamma::brinchhansen);
        d.Bp = a.Bp;
        d.gR = 1;
        const Portanza p = portanza(d);
        caso("Resistenza non drenata con carico eccentrico",
             "larghezza efficace B′ = B − 2e (Meyerhof) caricata da qlim = (π + 2)·cu, quindi "
             "R = (π + 2)·cu·(B − 2e)",
             "argomenti: cu = 50 kPa, φ = 0, B = 2 m, D = 0, V = 100 kN/m, M = 25 kNm/m "
             "(e = 0,25 m), senza coefficiente parziale (γR = 1)",
             {chiusa("B′ = B − 2e", "m", 1.5, a.Bp),
              chiusa("R = (π + 2)·cu·(B − 2e)", "kN/m", (pi + 2) * cu * 1.5, p.Rd)});
    }
    {
        std::vector<ValoreValidazione> valori;
        for (const double r : {0.0, 0.5, 1.0}) {
            const std::string quota = r == 0 ? "0" : (r == 1 ? "1" : "0,5");
            for (const auto formula : {FormulaNgamma::ec7, FormulaNgamma::brinchhansen}) {
                const Portanza p = portanza(striscia(cu, 0, 2, 0, 100, r * 2 * cu, formula));
                valori.push_back(chiusa(
                    std::string("ic ") + (formula == FormulaNgamma::ec7 ? "EC7" : "Brinch Hansen") +
                        ", H/(B′·cu) = " + quota,
                    "", 0.5 * (1 + std::sqrt(1 - r)), p.ic));
            }
        }
        caso("Fattore d'inclinazione in condizioni non drenate",
             "ic = ½·(1 + √(1 − H/(B′·cu))) (UNI EN 1997-1, Annesso D; Brinch Hansen): 1, "
             "½·(1 + √½), ½ per H/(B′·cu) = 0; 0,5; 1",
             "argomenti: cu = 50 kPa, φ = 0, B = 2 m, D = 0, H = 0, 50, 100 kN/m",
             std::move(valori));
    }
    caso("Tensione sotto il centro di una striscia flessibile",
         "Δσ/p = (α + sin α)/π con α = 2·atan(B/(2z)): a z = B/2 α = π/2 e sin α = 1; a z = B "
         "tan(α/2) = ½ e sin α = 2·½/(1 + ¼) = 0,8",
         "argomenti: p = 1 kPa, B = 2 m, z = 1 m e z = 2 m",
         {chiusa("Δσ/p a z = B/2: (π/2 + 1)/π", "", (pi / 2 + 1) / pi, incrementotensione(1, 2, 1)),
          chiusa("Δσ/p a z = B: (2·atan ½ + 0,8)/π", "", (2 * std::atan(0.5) + 0.8) / pi,
                 incrementotensione(1, 2, 2))});
    {
        // H/V = 0,1 with c = 0 and D = 0: only the self-weight term stays.
        const Portanza v = portanza(striscia(0, 30, 2, 0, 500, 50, FormulaNgamma::vesic));
        const Portanza h = portanza(striscia(0, 30, 2, 0, 500, 50, FormulaNgamma::brinchhansen));
        caso("Carico inclinato in condizioni drenate",
             "con c = 0 e D = 0 qlim = ½·γ·B·Nγ·iγ, H/V = 0,1; Vesic iq = 0,9², iγ = 0,9³, "
             "Nγ = 2·(Nq + 1)/√3; Brinch Hansen iq = (1 − 0,05)⁵, iγ = (1 − 0,07)⁵, "
             "Nγ = 1,5·(Nq − 1)/√3",
             "argomenti: φ = 30°, c = 0, D = 0, B = 2 m, γ = 18 kN/m³, V = 500 kN/m, H = 50 kN/m",
             {chiusa("iq Vesic = 0,9²", "", 0.81, v.iq),
              chiusa("iγ Vesic = 0,9³", "", 0.729, v.igamma),
              chiusa("qlim Vesic = 18·0,729·2·(Nq + 1)/√3", "kPa", 18 * 0.729 * 2 * (Nq30 + 1) / r3,
                     v.qlim),
              chiusa("iq Brinch Hansen = 0,95⁵", "", std::pow(0.95, 5), h.iq),
              chiusa("iγ Brinch Hansen = 0,93⁵", "", std::pow(0.93, 5), h.igamma),
              chiusa("qlim Brinch Hansen = 18·0,93⁵·1,5·(Nq − 1)/√3", "kPa",
                     18 * std::pow(0.93, 5) * 1.5 * (Nq30 - 1) / r3, h.qlim)});
    }
    {
        const Portanza e = portanza(striscia(cu, 0, 2, 0, 100, 50, FormulaNgamma::ec7));
        const Portanza v = portanza(striscia(cu, 0, 2, 0, 100, 50, FormulaNgamma::vesic));
        caso("Carico inclinato in condizioni non drenate",
             "H/(B′·cu) = 0,5: EC7 ic = ½·(1 + √½), qlim = (π + 2)·cu·ic; Vesic "
             "ic = 1 − 2·0,5/(π + 2), qlim = (π + 2)·cu − cu = (π + 1)·cu",
             "argomenti: cu = 50 kPa, φ = 0, B = 2 m, D = 0, H = 50 kN/m",
             {chiusa("ic EC7 = ½·(1 + √½)", "", 0.5 * (1 + std::sqrt(0.5)), e.ic),
              chiusa("qlim EC7 = (π + 2)·cu·ic", "kPa", (pi + 2) * cu * 0.5 * (1 + std::sqrt(0.5)),
                     e.qlim),
              chiusa("qlim Vesic = (π + 1)·cu", "kPa", (pi + 1) * cu, v.qlim)});
    }
}

// ---- 3. Worked examples of the limit-state checks -------------------------

struct Esempio {
    const char* file;
    const char* titolo;
    const char* fonte;
    const char* dati;
    // The figures of the source, checked against the foundation's check.
    std::vector<ValoreValidazione> (*valori)(const VerificaNtc& v);
};

constexpr const char* fonteesempio = "esempio svolto, ricalcolato in modo indipendente: ";

std::vector<ValoreValidazione> centrato(const VerificaNtc& v) {
    return {stampato("G1k", "kN/m", "63,94", v.G1k),
            stampato("G2k", "kN/m", "10,49", v.G2k),
            stampato("Qk", "kN/m", "13,73", v.Qk),
            stampato("Ed", "kN/m", "119,45", v.Ed),
            stampato("Nq", "", "18,40", v.Nq),
            stampato("Nc", "", "30,14", v.Nc),
            stampato("Nγ", "", "15,07", v.Ngamma),
            stampato("k", "", "1,0304", v.k),
            stampato("dq", "", "1,297", v.dq),
            stampato("dc", "", "1,412", v.dc),
            stampato("q", "kPa", "17,65", v.q),
            stampato("termine in q", "kPa", "421,43", v.termineq),
            stampato("termine in γ", "kPa", "79,80", v.terminegamma),
            stampato("qlim", "kPa", "501,23", v.qlim),
            stampato("Rd", "kN/m", "130,76", v.Rd),
            stampato("Ed/Rd", "", "0,914", v.EdRd),
            verdetto("VERIFICATA", v.esitocomplessivo())};
}

const CombinazioneVerificata* combinazione(const VerificaNtc& v, Combinazione nome) {
    for (const CombinazioneVerificata& c : v.analisi.combinazioni) {
        if (c.azione.nome == nome) {
            return &c;
        }
    }
    return nullptr;
}

std::vector<ValoreValidazione> eccentrico(const VerificaNtc& v) {
    const CombinazioneVerificata* c1 = combinazione(v, Combinazione::C1);
    const CombinazioneVerificata* c2 = combinazione(v, Combinazione::C2);
    if (c1 == nullptr || c2 == nullptr || !v.analisi.scorrimento) {
        return {};
    }
    const Scorrimento& s = *v.analisi.scorrimento;
    return {stampato("G1w", "kN/m", "53,35", v.G1k - v.Gf),
            stampato("Gf", "kN/m", "14,12", v.Gf),
            stampato("G2", "kN/m", "10,49", v.G2k),
            stampato("Q", "kN/m", "13,73", v.Qk),
            stampato("V (C1)", "kN/m", "124,0", c1->azione.V),
            stampato("H (C1)", "kN/m", "3,900", c1->azione.H),
            stampato("M (C1)", "kNm/m", "9,184", c1->azione.M),
            stampato("e (C1)", "m", "0,07404", c1->azione.e),
            stampato("B′ (C1)", "m", "0,6519", c1->azione.Bp),
            stampato("iq (C1)", "", "0,9238", c1->portanza.iq),
            stampato("iγ (C1)", "", "0,8947", c1->portanza.igamma),
            stampato("qlim (C1)", "kPa", "455,3", c1->portanza.qlim),
            stampato("Rd (C1)", "kN/m", "129,0", c1->portanza.Rd),
            stampato("V/Rd (C1)", "", "0,9613", c1->EdRd),
            stampato("V (C2)", "kN/m", "75,86", c2->azione.V),
            stampato("e (C2)", "m", "0,09210", c2->azione.e),
            stampato("B′ (C2)", "m", "0,6158", c2->azione.Bp),
            stampato("qlim (C2)", "kPa", "427,1", c2->portanza.qlim),
            stampato("Rd (C2)", "kN/m", "114,4", c2->portanza.Rd),
            stampato("V/Rd (C2)", "", "0,6634", c2->EdRd),
            stampato("Rd,s", "kN/m", "39,82", s.Rd),
            stampato("Hd/Rd,s", "", "0,09794", s.HdRd)};
}

std::vector<ValoreValidazione> soloEdRd(const VerificaNtc& v, const char* EdRd) {
    return {stampato("Ed/Rd", "", EdRd, v.EdRd)};
}

constexpr const char* fonte14 =
    "esempio svolto, ricalcolato in modo indipendente: l'esempio di calcolo del programma con "
    "angolo di resistenza al taglio 30° (carichi dei due piani, B 0,60 m, D 1,00 m, γ 1,8 t/mc, "
    "c 0), con le cifre date quando la verifica NTC 2018 fu introdotta";
constexpr const char* fonte20 =
    "esempio svolto, ricalcolato in modo indipendente: l'esempio di calcolo del programma, con le "
    "cifre date quando furono introdotti il metodo dell'Annesso D, la verifica a breve termine e "
    "il peso della fondazione";
constexpr const char* fonte21 =
    "esempio svolto, ricalcolato in modo indipendente: i carichi dell'esempio di calcolo, B 0,80 "
    "m, D 1,00 m, φ 30°, c 0, γ 1,8 t/mc, Brinch Hansen con fattori di profondità, con le cifre "
    "date quando furono introdotti i carichi eccentrici e inclinati, lo scorrimento e la falda";

const Esempio esempintc[] = {
    {"Zocal-dati-esempio", "Verifica NTC 2018, carico centrato (Nγ di Brinch Hansen)", fonte14,
     "Nγ di Brinch Hansen, con fattori di profondità", centrato},
    {"Zocal-dati-esempio-vesic", "Verifica NTC 2018, carico centrato (Nγ di Vesic)", fonte14,
     "Nγ di Vesic, con fattori di profondità",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         return {stampato("qlim", "kPa", "540,07", v.qlim), stampato("Rd", "kN/m", "140,89", v.Rd),
                 stampato("Ed/Rd", "", "0,848", v.EdRd)};
     }},
    {"Zocal-dati-esempio-vesic-senza-profondita",
     "Verifica NTC 2018, carico centrato (Vesic, senza fattori di profondità)", fonte14,
     "Nγ di Vesic, senza fattori di profondità",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         auto r = soloEdRd(v, "1,033");
         r.push_back(verdetto("NON VERIFICATA", v.esitocomplessivo()));
         return r;
     }},
    {"Zocal-dati-esempio-phi20", "Verifica NTC 2018, φ 20° e c 2 t/mq (Vesic)", fonte14,
     "φ 20°, c 2 t/mq, Nγ di Vesic, con fattori di profondità",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         return {stampato("qlim", "kPa", "589,04", v.qlim), stampato("Ed/Rd", "", "0,777", v.EdRd)};
     }},
    {"Zocal-dati-esempio-phi0", "Verifica NTC 2018, φ 0 e c 5 t/mq (non drenata)", fonte14,
     "φ 0, c 5 t/mq, con fattori di profondità",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         return {stampato("Nc", "", "5,14", v.Nc), stampato("qlim", "kPa", "373,67", v.qlim),
                 stampato("Rd", "kN/m", "97,48", v.Rd), stampato("Ed/Rd", "", "1,225", v.EdRd),
                 verdetto("NON VERIFICATA", v.esitocomplessivo())};
     }},
    {"Zocal-dati-esempio-ec7", "Verifica NTC 2018, metodo dell'Annesso D della UNI EN 1997-1",
     fonte20, "Nγ EC7, senza fattori di profondità",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         auto r = soloEdRd(v, "1,062");
         r.push_back(verdetto("NON VERIFICATA", v.esitocomplessivo()));
         return r;
     }},
    {"Zocal-dati-esempio-calcestruzzo", "Verifica NTC 2018, fondazione in calcestruzzo", fonte20,
     "peso specifico della fondazione 2500 kg/mc",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         return {stampato("Ed", "kN/m", "124,81", v.Ed), stampato("Ed/Rd", "", "0,955", v.EdRd)};
     }},
    {"Zocal-dati-esempio-terreno", "Verifica NTC 2018 a breve e a lungo termine", fonte20,
     "coesione non drenata cu 3 t/mq",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         if (!v.brevetermine) {
             return {};
         }
         const AnalisiNtc& b = *v.brevetermine;
         return {stampato("Ed/Rd a lungo termine", "", "0,914", v.EdRd),
                 stampato("Nc a breve termine", "", "5,142", b.Nc),
                 stampato("dc a breve termine", "", "1,412", b.dc),
                 stampato("q a breve termine", "kPa", "17,65", b.q),
                 stampato("qlim a breve termine", "kPa", "231,3", b.qlim),
                 stampato("Rd a breve termine", "kN/m", "60,33", b.Rd),
                 stampato("Ed/Rd a breve termine", "", "1,980", b.EdRd),
                 verdetto("NON VERIFICATA", v.esitocomplessivo())};
     }},
    {"Zocal-dati-eccentrico", "Verifica NTC 2018, carico eccentrico e inclinato, scorrimento",
     fonte21, "B 0,80 m, eccmuro 0,05 m, HGk 3 kN/m a zH 1,00 m", eccentrico},
    {"Zocal-dati-falda-0m60", "Verifica NTC 2018, falda a 0,60 m", fonte21,
     "B 0,80 m, carico centrato, falda a 0,60 m, peso saturo 2,0 t/mc",
     [](const VerificaNtc& v) -> std::vector<ValoreValidazione> {
         return {stampato("q", "kPa", "14,51", v.q), stampato("γ₂", "kN/m³", "9,807", v.gamma2),
                 stampato("U", "kN/m", "3,138", v.U), stampato("qlim", "kPa", "395,3", v.qlim),
                 stampato("Ed/Rd", "", "0,8794", v.EdRd)};
     }},
    {"Zocal-dati-falda-0m00", "Verifica NTC 2018, falda al piano campagna", fonte21,
     "B 0,80 m, carico centrato, falda a 0 m, peso saturo 2,0 t/mc",
     [](const VerificaNtc& v) { return soloEdRd(v, "1,167"); }},
    {"Zocal-dati-falda-1m00", "Verifica NTC 2018, falda al piano di posa", fonte21,
     "B 0,80 m, carico centrato, falda a 1,00 m, peso saturo 2,0 t/mc",
     [](const VerificaNtc& v) { return soloEdRd(v, "0,7621"); }},
    {"Zocal-dati-falda-1m40", "Verifica NTC 2018, falda a 1,40 m", fonte21,
     "B 0,80 m, carico centrato, falda a 1,40 m, peso saturo 2,0 t/mc",
     [](const VerificaNtc& v) { return soloEdRd(v, "0,7254"); }},
    {"Zocal-dati-falda-1m80", "Verifica NTC 2018, falda a D + B (come senza falda)", fonte21,
     "B 0,80 m, carico centrato, falda a 1,80 m, peso saturo 2,0 t/mc",
     [](const VerificaNtc& v) { return soloEdRd(v, "0,6922"); }},
};

// The worked example's storeys on a footing 0,80 m wide, 1,00 m deep in
// sand, as the seismic and settlement checks take them.
DatiAnalisi sabbia(FormulaNgamma ngamma, bool profondita) {
    DatiAnalisi d;
    d.phi = 30;
    d.gamma = 1800 * kN;
    d.B = 0.8;
    d.D = 1.0;
    d.carichi = {(5440 + 1440) * kN, 1440 * kN, 1070 * kN, 1400 * kN};
    d.ngamma = ngamma;
    d.profondita = profondita;
    return d;
}
const std::vector<double> Qpiani = {800 * kN, 600 * kN};

constexpr const char* datiesempio08 =
    "argomenti: i carichi dell'esempio di calcolo (muri e solai 5440 kgf/m, fondazione 1440 "
    "kgf/m, permanenti non strutturali 1070 kgf/m, variabili 800 e 600 kgf/m, categoria A), "
    "B 0,80 m, D 1,00 m, φ 30°, c 0, γ 1,8 t/mc, senza falda né eccentricità";
constexpr const char* fonte22 =
    "esempio svolto, ricalcolato in modo indipendente, con le cifre date quando fu introdotta "
    "la verifica in condizioni sismiche (SLV)";

// Every figure of the seismic example.
std::vector<ValoreValidazione> sismico(const EsitoSisma& r) {
    const Portanza& p = r.portanza;
    return {stampato("SS", "", "1,480", r.spettro.SS),
            stampato("S", "", "1,480", r.spettro.S),
            stampato("Se", "g", "0,5437", r.spettro.Se),
            stampato("Sd", "g", "0,2175", r.spettro.Sd),
            stampato("Ww", "kN/m", "67,96", r.Ww),
            stampato("V", "kN/m", "82,08", r.V),
            stampato("H", "kN/m", "16,26", r.H),
            stampato("limite elastico Se·Ww", "kN/m", "36,95", r.Hmassima),
            stampato("khk", "", "0,08433", r.khk),
            stampato("zq = zγ", "", "0,9462", r.zq),
            stampato("zc", "", "0,9730", r.zc),
            stampato("iq", "", "0,5937", p.iq),
            stampato("iγ", "", "0,4741", p.igamma),
            stampato("termine in q", "kPa", "229,7", p.termineq),
            stampato("termine in γ", "kPa", "47,74", p.terminegamma),
            stampato("qlim", "kPa", "277,4", p.qlim),
            stampato("Rd", "kN/m", "96,48", p.Rd),
            stampato("V/Rd", "", "0,8507", r.EdRd),
            stampato("Rd,s", "kN/m", "43,08", r.scorrimento.Rd),
            stampato("H/Rd,s", "", "0,3774", r.scorrimento.HdRd)};
}

void sismici(std::vector<CasoValidazione>& casi, int& n) {
    struct Variante {
        const char* titolo;
        FormulaNgamma ngamma;
        bool profondita;
        double q;
        const char *qlim, *EdRd;
    };
    constexpr Variante varianti[] = {
        {"Brinch Hansen, q 2,5", FormulaNgamma::brinchhansen, true, 2.5, nullptr, nullptr},
        {"Vesic, q 2,5", FormulaNgamma::vesic, true, 2.5, "326,0", "0,7240"},
        {"EC7 senza fattori di profondità, q 2,5", FormulaNgamma::ec7, false, 2.5, "266,9",
         "0,8842"},
        {"Brinch Hansen, q 1,5", FormulaNgamma::brinchhansen, true, 1.5, nullptr, "1,282"},
    };
    const double psi2Q = caricoquasipermanente(Qpiani, {0.3, 0.3});
    for (const Variante& w : varianti) {
        const DatiSisma sito{0.15, 2.45, CategoriaSuolo::C, CategoriaTopografica::T1, w.q, 1.1, 1};
        const EsitoSisma r = analizzasisma(sabbia(w.ngamma, w.profondita), sito, psi2Q, {});
        // The first variant has every figure, the others their results.
        std::vector<ValoreValidazione> valori;
        if (w.EdRd == nullptr) {
            valori = sismico(r);
        }
        if (w.qlim != nullptr) {
            valori.push_back(stampato("qlim", "kPa", w.qlim, r.portanza.qlim));
        }
        if (w.EdRd != nullptr) {
            valori.push_back(stampato("V/Rd", "", w.EdRd, r.EdRd));
        }
        casi.push_back({"3." + std::to_string(++n),
                        std::string("Verifica sismica (SLV), ") + w.titolo, fonte22,
                        std::string(datiesempio08) +
                            "; ag 0,15 g, F0 2,45, categoria di sottosuolo C, T1, q " +
                            (w.q == 2.5 ? "2,5" : "1,5") + ", γRd 1,1, αH 1; " + w.titolo,
                        "", std::move(valori), ""});
    }
}

void cedimenti(std::vector<CasoValidazione>& casi, int& n) {
    DatiCedimento d;
    d.B = 0.8;
    d.D = 1;
    d.gamma = 1800 * kN;
    d.carichi = sabbia(FormulaNgamma::brinchhansen, true).carichi;
    d.Qpiani = Qpiani;
    d.strati.strati = {{2, 6}, {3, 12}};
    const Cedimento r = cedimento(d);
    const CedimentoCombinazione& qp = r.quasipermanente;
    std::vector<ValoreValidazione> valori;
    if (qp.strati.size() == 2) {
        const double b = qp.Bp / 2;
        valori = {
            stampato("V", "kN/m", "82,08", qp.V),
            stampato("p", "kPa", "102,6", qp.p),
            stampato("σv0", "kPa", "17,65", r.sigmav0),
            stampato("p_net", "kPa", "84,95", qp.pnet),
            stampato("Δσ a z = 0,125 m", "kPa", "83,97", incrementotensione(qp.pnet, qp.Bp, 0.125)),
            stampato("Δσ a z = 1,125 m", "kPa", "35,55", incrementotensione(qp.pnet, qp.Bp, 1.125)),
            stampato("Δσ a z = 2,125 m", "kPa", "19,89", incrementotensione(qp.pnet, qp.Bp, 2.125)),
            stampato("Δσ a z = 4,875 m", "kPa", "8,835", incrementotensione(qp.pnet, qp.Bp, 4.875)),
            stampato("F(2) − F(0)", "m", "3,396",
                     integraleincremento(b, 2) - integraleincremento(b, 0)),
            stampato("s₁", "cm", "1,531", qp.strati[0].s),
            stampato("F(5) − F(2)", "m", "1,449",
                     integraleincremento(b, 5) - integraleincremento(b, 2)),
            stampato("s₂", "cm", "0,3264", qp.strati[1].s),
            stampato("s", "cm", "1,857", qp.s),
            verdetto("VERIFICATA", r.verificata ? testoverificatantc : testononverificatantc),
            stampato("s nella combinazione caratteristica", "cm", "2,120", r.caratteristica.s),
            stampato("z*", "m", "4,46", r.zinfluenza)};
    }
    casi.push_back({"3." + std::to_string(++n), "Cedimenti (SLE), combinazione quasi permanente",
                    "esempio svolto, ricalcolato in modo indipendente, con le cifre date quando fu "
                    "introdotta la verifica dei cedimenti",
                    std::string(datiesempio08) +
                        "; strati di 2,0 m con Eed 6 MPa e di 3,0 m con Eed 12 MPa, slim 2,5 cm",
                    "", std::move(valori), ""});
}

void esempisvolti(std::vector<CasoValidazione>& casi) {
    int n = 0;
    for (const Esempio& e : esempintc) {
        CasoValidazione c{"3." + std::to_string(++n),
                          e.titolo,
                          e.fonte,
                          fileinput(e.file, e.dati),
                          e.file,
                          {},
                          ""};
        if (const auto l = lavoro(e.file, c.errore)) {
            const VerificaNtc v = verificantc(l->dati, 1, l->ntc);
            if (v.calcolata) {
                c.valori = e.valori(v);
            } else {
                c.errore = v.nota;
            }
            if (c.errore.empty() && c.valori.empty()) {
                c.errore = "la verifica non ha dato i valori attesi";
            }
        }
        casi.push_back(std::move(c));
    }
    sismici(casi, n);
    cedimenti(casi, n);
}

// ---- 4. Allowable stresses --------------------------------------------------

struct Ammissibile {
    const char* file;
    const char* titolo;
    const char* dati;
    const char *carlim, *sigmat, *scater, *siglav, *coeff, *esito; // nullptr: not given
};

constexpr Ammissibile ammissibili[] = {
    {"Zocal-dati-esempio", "Tensioni ammissibili, terreno tipo 1 (sabbioso)",
     "terreno tipo 1, γ 1,8 t/mc, c 0, D 1,00 m, B 0,60 m", "50,04", "1,67", "8990", "1,49", "3,33",
     testoverificata},
    {"Zocal-dati-tipo2", "Tensioni ammissibili, terreno tipo 2 (compatto)",
     "terreno tipo 2, γ 1,9 t/mc, c 2 t/mq, D 1,20 m, B 0,60 m", "21,70", "0,72", "9206", "1,53",
     "1,41", testononverificata},
    {"Zocal-dati-tipo3", "Tensioni ammissibili, terreno tipo 3 (intermedio)",
     "terreno tipo 3, γ 1,8 t/mc, c 1 t/mq, D 1,00 m, B 0,60 m", "29,92", "1,00", nullptr, nullptr,
     "1,99", nullptr},
    {"Zocal-dati-tipo0", "Tensioni ammissibili, sigma assegnata (tipo 0)",
     "terreno tipo 0, sigma 1,5 kg/cmq, D 1,00 m, B 0,60 m", "45,00", "1,50", nullptr, nullptr,
     "3,00", testoverificata},
};

void tensioniammissibili(std::vector<CasoValidazione>& casi) {
    int n = 0;
    for (const Ammissibile& a : ammissibili) {
        CasoValidazione c{"4." + std::to_string(++n),
                          a.titolo,
                          "esempio svolto, ricalcolato in modo indipendente: gli esempi del metodo "
                          "originale delle tensioni ammissibili, con le cifre di sempre (carichi "
                          "in kg, t/mq, kg/cmq, arrotondati al centesimo come il metodo prescrive)",
                          fileinput(a.file, a.dati),
                          a.file,
                          {},
                          ""};
        if (auto l = lavoro(a.file, c.errore)) {
            DatiCalcolo& d = l->dati;
            calcola(d, 1);
            const auto numero = [](const Cella& x) {
                return leggidecimale(x).value_or(std::numeric_limits<double>::quiet_NaN());
            };
            // Only the first example gives the storey loads.
            if (n == 1) {
                c.valori = {stampato("scar piano 1", "kg", "4220", numero(d.scar(1, 1))),
                            stampato("scar piano 2", "kg", "3690", numero(d.scar(2, 1))),
                            stampato("scartot piano 1", "kg", "7910", numero(d.scartot(1, 1))),
                            stampato("scartot piano 2", "kg", "3690", numero(d.scartot(2, 1)))};
            }
            const std::pair<const char*, const char*> nomi[] = {{"carlim", "t/mq"},
                                                                {"sigmat", "kg/cmq"},
                                                                {"scater", "kg"},
                                                                {"siglav", "kg/cmq"},
                                                                {"coeff", ""}};
            const Cella* celle[] = {&d.carlim[1], &d.sigmat[1], &d.scater[1], &d.siglav[1],
                                    &d.coeff[1]};
            const char* attesi[] = {a.carlim, a.sigmat, a.scater, a.siglav, a.coeff};
            for (std::size_t k = 0; k < std::size(attesi); ++k) {
                if (attesi[k] != nullptr) {
                    c.valori.push_back(
                        stampato(nomi[k].first, nomi[k].second, attesi[k], numero(*celle[k])));
                }
            }
            if (a.esito != nullptr) {
                c.valori.push_back(verdetto(a.esito, d.verifica[1].testo()));
            }
        }
        casi.push_back(std::move(c));
    }
}

} // namespace

std::string testotolleranza(Tolleranza t) {
    switch (t) {
    case Tolleranza::relativa:
        return "relativa 10⁻⁶";
    case Tolleranza::mezzaunita:
        return "±½ unità dell'ultima cifra stampata";
    case Tolleranza::unaunita:
        return "±1 nell'ultima cifra mostrata";
    case Tolleranza::testo:
        return "stesso esito";
    }
    return "";
}

double ValoreValidazione::ammesso() const {
    switch (tolleranza) {
    case Tolleranza::relativa:
        return 1e-6 * std::abs(atteso);
    case Tolleranza::mezzaunita:
        return 0.5 * std::pow(10.0, -decimali(testoatteso));
    case Tolleranza::unaunita:
        return std::pow(10.0, -decimali(testoatteso));
    case Tolleranza::testo:
        return 0;
    }
    return 0;
}

bool ValoreValidazione::entro() const {
    if (tolleranza == Tolleranza::testo) {
        return testocalcolato == testoatteso;
    }
    // A hair over the bound for the binary representation of the decimal
    // figures; anything not a number fails.
    return std::abs(calcolato - atteso) <= ammesso() * (1 + 1e-9);
}

std::string ValoreValidazione::mostrato() const {
    if (tolleranza == Tolleranza::testo) {
        return testocalcolato;
    }
    if (!std::isfinite(calcolato)) {
        return "—";
    }
    if (tolleranza == Tolleranza::relativa) {
        char testo[32];
        std::snprintf(testo, sizeof testo, "%.10g", calcolato);
        std::string t = testo;
        std::replace(t.begin(), t.end(), '.', ',');
        return t;
    }
    return scrividecimali(calcolato, decimali(testoatteso) + 2);
}

bool CasoValidazione::superato() const {
    return errore.empty() && !valori.empty() &&
           std::all_of(valori.begin(), valori.end(),
                       [](const ValoreValidazione& v) { return v.entro(); });
}

std::vector<CasoValidazione> casivalidazione() {
    std::vector<CasoValidazione> casi;
    fattoritabella(casi);
    formechiuse(casi);
    esempisvolti(casi);
    tensioniammissibili(casi);
    return casi;
}

std::vector<std::string_view> filevalidazione() {
    std::vector<std::string_view> nomi;
    for (const FileIncorporato& f : fileincorporati()) {
        nomi.push_back(f.nome);
    }
    return nomi;
}

} // namespace zocal
