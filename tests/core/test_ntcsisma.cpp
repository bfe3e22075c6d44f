#include "esempio.h"
#include "zocal/core/calcola.h"
#include "zocal/core/ntc.h"
#include "zocal/core/ntc/categorie.h"
#include "zocal/core/ntc/cedimenti.h"
#include "zocal/core/ntc/sisma.h"
#include "zocal/core/prospetto.h"
#include "zocal/core/regole.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zocal;

namespace {

constexpr double kN = 9.80665 / 1000; // per kg

// Within one unit of the last digit of the figure shown, e.g. "0,5437".
void cifre(double valore, std::string_view mostrato) {
    const auto virgola = mostrato.find(',');
    const auto decimali = virgola == mostrato.npos ? 0 : mostrato.size() - virgola - 1;
    EXPECT_NEAR(valore, *leggidecimale(mostrato), std::pow(10.0, -double(decimali))) << mostrato;
}

// The worked example's two storeys (live loads 800 and 600 kg/m) on a
// footing 0,80 m wide, 1,00 m deep, in sand.
const std::vector<double> Qpiani = {800 * kN, 600 * kN};

DatiAnalisi sabbia(FormulaNgamma ngamma = FormulaNgamma::brinchhansen, bool profondita = true) {
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

DatiSisma sito(const char* q = "2,5", const char* alfaH = "") {
    std::string nota;
    return *leggisisma({"0,15", "2,45", "C", "", q, "", alfaH}, nota);
}

double psi2Q(std::span<const std::string> categorie = {}) {
    std::string nota;
    return caricoquasipermanente(Qpiani, *psi2piani(categorie, Qpiani.size(), nota));
}

} // namespace

TEST(NtcSisma, WorkedExample) {
    const EsitoSisma r = analizzasisma(sabbia(), sito(), psi2Q(), {});
    const Portanza& p = r.portanza;
    const std::pair<double, const char*> attesi[] = {{r.spettro.SS, "1,480"},
                                                     {r.spettro.S, "1,480"},
                                                     {r.spettro.Se, "0,5437"},
                                                     {r.spettro.Sd, "0,2175"},
                                                     {r.Ww, "67,96"},
                                                     {r.V, "82,08"},
                                                     {r.H, "16,26"},
                                                     {r.Hmassima, "36,95"},
                                                     {r.khk, "0,08433"},
                                                     {r.zq, "0,9462"},
                                                     {r.zc, "0,9730"},
                                                     {p.iq, "0,5937"},
                                                     {p.igamma, "0,4741"},
                                                     {p.termineq, "229,7"},
                                                     {p.terminegamma, "47,74"},
                                                     {p.qlim, "277,4"},
                                                     {p.Rd, "96,48"},
                                                     {r.EdRd, "0,8507"},
                                                     {r.scorrimento.Rd, "43,08"},
                                                     {r.scorrimento.HdRd, "0,3774"}};
    for (const auto& [valore, mostrato] : attesi) {
        cifre(valore, mostrato);
    }
    EXPECT_FALSE(r.dalmodello);
    EXPECT_EQ(r.e, 0);
    EXPECT_TRUE(r.verificata());
}

TEST(NtcSisma, FamiliesAndBehaviourFactor) {
    const struct {
        FormulaNgamma ngamma;
        bool profondita;
        const char *q, *qlim, *EdRd;
    } casi[] = {
        {FormulaNgamma::vesic, true, "2,5", "326,0", "0,7240"},
        {FormulaNgamma::ec7, false, "2,5", "266,9", "0,8842"},
        {FormulaNgamma::brinchhansen, true, "1,5", "184,0", "1,282"},
    };
    for (const auto& c : casi) {
        const EsitoSisma r = analizzasisma(sabbia(c.ngamma, c.profondita), sito(c.q), psi2Q(), {});
        cifre(r.portanza.qlim, c.qlim);
        cifre(r.EdRd, c.EdRd);
        EXPECT_EQ(r.verificata(), *leggidecimale(c.EdRd) <= 1);
    }
}

TEST(NtcSisma, SubsoilClampsAndTopography) {
    // F0 ag = 0,2 (upper clamp), 0,7 (the line), 2,1 (lower clamp).
    const struct {
        const char* suolo;
        double SS[3];
    } casi[] = {{"A", {1, 1, 1}},
                {"B", {1.2, 1.12, 1.0}},
                {"C", {1.5, 1.28, 1.0}},
                {"D", {1.8, 1.35, 0.9}},
                {"E", {1.6, 1.23, 1.0}}};
    const char* agF0[3][2] = {{"0,1", "2"}, {"0,25", "2,8"}, {"0,6", "3,5"}};
    for (const auto& c : casi) {
        for (int i = 0; i < 3; ++i) {
            std::string nota;
            const SismaNtc t{agF0[i][0], agF0[i][1], c.suolo, "", "2", "", ""};
            const auto s = leggisisma(t, nota);
            ASSERT_TRUE(s) << nota;
            EXPECT_NEAR(spettro(*s).SS, c.SS[i], 1e-9) << c.suolo << i;
        }
    }
    // Category C of the example: S = 1,4795 ST, khk = 0,38 S ag.
    const struct {
        const char* topo;
        const char *S, *khk;
    } topo[] = {{"T1", "1,4795", "0,08433"},
                {"T2", "1,7754", "0,10120"},
                {"T3", "1,7754", "0,10120"},
                {"T4", "2,0713", "0,11806"}};
    for (const auto& c : topo) {
        std::string nota;
        const auto s = leggisisma({"0,15", "2,45", "C", c.topo, "2,5", "", ""}, nota);
        const EsitoSisma r = analizzasisma(sabbia(), *s, psi2Q(), {});
        cifre(r.spettro.S, c.S);
        cifre(r.khk, c.khk);
        EXPECT_NEAR(r.spettro.Se, 0.15 * 2.45 * r.spettro.S, 1e-12);
    }
}

TEST(NtcSisma, ForceOriginCategoriesAndOffset) {
    const std::string EN2[] = {"E", "N2"};
    const double psiEN2 = psi2Q(EN2);
    DatiAnalisi spinta = sabbia();
    spinta.fondazione = {0.05, 3, 0, 1, 0.5}; // offset, HGk at 1 m, delta = phi/2
    DatiAnalisi fuori = sabbia();
    fuori.fondazione.eccmuro = 0.35;
    const struct {
        const char* caso;
        DatiAnalisi analisi;
        DatiSisma sito;
        double psi2Q;
        std::optional<double> HE;
        const char *Ww, *H, *e;
    } casi[] = {
        {"model", sabbia(), sito(), psi2Q(), 10, "67,96", "10,00", "0,00000"},
        {"model, HGk", spinta, sito(), psi2Q(), 10, "67,96", "13,00", "0,07795"},
        {"estimate, HGk", spinta, sito(), psi2Q(), {}, "67,96", "19,26", "0,07795"},
        {"elastic cap, q 1", sabbia(), sito("1"), psi2Q(), {}, "67,96", "36,95", "0,00000"},
        {"elastic cap, alfaH 3",
         sabbia(),
         sito("2,5", "3"),
         psi2Q(),
         {},
         "67,96",
         "36,95",
         "0,00000"},
        {"alfaH 0", sabbia(), sito("2,5", "0"), psi2Q(), {}, "67,96", "0,00", "0,00000"},
        {"categories E, N2", sabbia(), sito(), psiEN2, {}, "71,29", "17,06", "0,00000"},
    };
    for (const auto& c : casi) {
        const EsitoSisma r = analizzasisma(c.analisi, c.sito, c.psi2Q, {c.HE});
        SCOPED_TRACE(c.caso);
        cifre(r.Ww, c.Ww);
        cifre(r.H, c.H);
        cifre(r.e, c.e);
        EXPECT_EQ(r.dalmodello, c.HE.has_value());
        EXPECT_NEAR(r.scorrimento.Rd,
                    r.V * std::tan(c.analisi.fondazione.deltaphi * M_PI / 6) / 1.1, 1e-9);
    }
    // e = Ww 0,35 / V = 0,290 > B/3: no resistance.
    const EsitoSisma r = analizzasisma(fuori, sito(), psi2Q(), {});
    EXPECT_TRUE(r.eccessiva);
    EXPECT_TRUE(std::isinf(r.EdRd));
    EXPECT_FALSE(r.verificata());
}

TEST(NtcSisma, ShortTermGovernsWhenWorse) {
    DatiAnalisi argilla = sabbia();
    argilla.phi = 0;
    argilla.c = 3000 * kN; // cu 3 t/mq
    argilla.falda.zw = 0.5;
    argilla.falda.gammasat = 2000 * kN;
    DatiAnalisi asciutta = argilla;
    asciutta.falda = {};
    const VerificaSismica v = verificasismica(sabbia(), &asciutta, sito(), psi2Q(), {});
    ASSERT_TRUE(v.breve);
    const EsitoSisma& b = *v.breve;
    const std::pair<double, const char*> attesi[] = {{b.zq, "1,000000"},
                                                     {b.zc, "0,9730"},
                                                     {b.portanza.ic, "0,7780"},
                                                     {b.portanza.qlim, "173,2"},
                                                     {b.EdRd, "1,362"},
                                                     {b.scorrimento.Rd, "21,40"},
                                                     {b.scorrimento.HdRd, "0,7599"}};
    for (const auto& [valore, mostrato] : attesi) {
        cifre(valore, mostrato);
    }
    EXPECT_EQ(&v.governa(), &*v.breve);
    EXPECT_FALSE(v.verificata());
    EXPECT_TRUE(v.lungo.verificata());
    // Undrained: total stresses, no uplift.
    EXPECT_EQ(analizzasisma(argilla, sito(), psi2Q(), {}).U, 0);
    DatiAnalisi falda = sabbia();
    falda.falda = argilla.falda;
    EXPECT_NEAR(analizzasisma(falda, sito(), psi2Q(), {}).U, 9.80665 * 0.5 * 0.8, 1e-12);
    // The liquefaction reminder: granular soil, water within D + B.
    EXPECT_TRUE(ricordaliquefazione(falda, false));
    EXPECT_FALSE(ricordaliquefazione(falda, true));
    EXPECT_FALSE(ricordaliquefazione(sabbia(), false));
    falda.falda.zw = 1.81;
    EXPECT_FALSE(ricordaliquefazione(falda, false));
}

TEST(NtcSisma, EntriesRefusedWithTheirName) {
    // One entry changed from a sound site.
    const struct {
        std::string SismaNtc::*voce;
        const char* testo;
        const char* nota;
    } casi[] = {
        {&SismaNtc::ag, "0,61", "L'accelerazione ag deve essere compresa tra 0 e 0,6 g."},
        {&SismaNtc::F0, "", "Manca il fattore di amplificazione F0 del sito."},
        {&SismaNtc::F0, "3,6",
         "Il fattore di amplificazione F0 deve essere compreso tra 1,8 e 3,5."},
        {&SismaNtc::q, "",
         "Manca il fattore di comportamento q: prenderlo dalla relazione di calcolo della "
         "struttura."},
        {&SismaNtc::q, "0,9", "Il fattore di comportamento q deve essere compreso tra 1 e 5."},
        {&SismaNtc::gammaRd, "1,31",
         "Il fattore di sovraresistenza γRd deve essere compreso tra 1 e 1,3."},
        {&SismaNtc::alfaH, "-0,1",
         "La quota αH dell'azione sismica deve essere compresa tra 0 e 3."},
        {&SismaNtc::catsuolo, "", "Manca la categoria di sottosuolo."},
        {&SismaNtc::catsuolo, "S1", "La categoria di sottosuolo deve essere A, B, C, D o E."},
        {&SismaNtc::cattopo, "T5", "La categoria topografica deve essere T1, T2, T3 o T4."},
        {&SismaNtc::F0, "2,,4",
         "Dato non leggibile come numero: \"2,,4\" (fattore di amplificazione F0). Correggere il "
         "valore."},
    };
    for (const auto& c : casi) {
        SismaNtc t{"0,1", "2,4", "C", "", "2", "", ""};
        t.*c.voce = c.testo;
        std::string nota;
        EXPECT_FALSE(leggisisma(t, nota));
        EXPECT_EQ(nota, c.nota);
    }
    std::string nota;
    // Not requested: nothing else needed.
    EXPECT_FALSE(leggisisma({"0", "", "", "", "", "", ""}, nota)->richiesta());
    EXPECT_FALSE(leggisisma({}, nota)->richiesta());
    EXPECT_TRUE(leggisisma({"0,6", "1,8", "A", "T4", "5", "1,3", "3"}, nota)) << nota;
    EXPECT_FALSE(leggisismafondazione({"-1"}, nota));
    EXPECT_EQ(nota, "La forza sismica HE non può essere negativa.");
    EXPECT_EQ(leggisismafondazione({"12,5"}, nota)->HE, 12.5);

    // psi2 of Tab. 2.5.I, "" as "A".
    const std::pair<const char*, double> psi[] = {{"", 0.3},  {"A", 0.3}, {"B", 0.3}, {"C", 0.6},
                                                  {"D", 0.6}, {"E", 0.8}, {"F", 0.6}, {"G", 0.3},
                                                  {"H", 0},   {"N1", 0},  {"N2", 0.2}};
    for (const auto& [nome, valore] : psi) {
        EXPECT_EQ(psi2(nome), valore) << nome;
    }
    const std::string errata[] = {"A", "a"};
    EXPECT_FALSE(psi2piani(errata, 2, nota));
    EXPECT_EQ(nota, "Categoria d'uso del piano n. 2 non valida: \"a\" (ammesse A, B, C, D, E, F, "
                    "G, H, N1, N2).");
}

// The whole job: the seismic check beside the static ones, in every display.
namespace {

OpzioniNtc consisma(const char* ag = "0,15", const char* q = "2,5") {
    OpzioniNtc o;
    o.sisma = {ag, "2,45", "C", "", q, "", ""};
    return o;
}

// The example job on the worked example's footing, 0,80 m wide.
DatiCalcolo largo() {
    DatiCalcolo d = esempiolavorato();
    d.largh[1] = "0,8";
    return d;
}

} // namespace

TEST(NtcSismaLavoro, WorkedExampleInTheVerdictOfRecordAndItsTexts) {
    const VerificaNtc v = verificantc(largo(), 1, consisma());
    ASSERT_TRUE(v.calcolata) << v.nota;
    ASSERT_TRUE(v.sisma);
    cifre(v.sisma->lungo.EdRd, "0,8507");
    cifre(v.psi2Q, "4,12"); // 0,3 of 13,73
    EXPECT_EQ(v.categorie, (std::vector<std::string>{"A", "A"}));
    EXPECT_TRUE(v.verificatacomplessiva());
    EXPECT_EQ(sintesintc(v), "NTC 2018: VERIFICATA, Ed/Rd = 0,692, sisma (SLV) V/Rd = 0,851, "
                             "H/Rd = 0,377, VERIFICATA");
    EXPECT_EQ(sintesisisma(v)[1], "SLV: V = 82,08 kN/m, H = 16,26 kN/m, e = 0,000 m, B′ = 0,800 m, "
                                  "qlim = 277,4 kPa, Rd = 96,48 kN/m, V/Rd = 0,851, VERIFICATA");
    EXPECT_FALSE(v.liquefazione);

    // q 1,5 fails the seismic check alone: the verdict of record follows it.
    const VerificaNtc f = verificantc(largo(), 1, consisma("0,15", "1,5"));
    EXPECT_TRUE(f.verificata);
    EXPECT_FALSE(f.verificatacomplessiva());
    cifre(f.EdRdcomplessivo(), "1,282");
    EXPECT_EQ(rigantc(f).back(), "sisma (SLV) V/Rd = 1,282, H/Rd = 0,629, NON VERIFICATA");

    // Not requested (ag 0 or empty) changes nothing; a missing q stops the check.
    const VerificaNtc zero = verificantc(largo(), 1, consisma("0"));
    EXPECT_FALSE(zero.sisma);
    EXPECT_EQ(sintesintc(zero), "NTC 2018: VERIFICATA, Ed/Rd = 0,692");
    const VerificaNtc manca = verificantc(largo(), 1, consisma("0,15", ""));
    EXPECT_FALSE(manca.calcolata);
    EXPECT_NE(manca.nota.find("fattore di comportamento q"), std::string::npos);

    // The storey categories and the model's force reach the check.
    OpzioniNtc o = consisma();
    o.categorie[1][0] = "E";
    o.sismafondazioni[1].HE = "30";
    const VerificaNtc c = verificantc(largo(), 1, o);
    EXPECT_EQ(c.categorie[0], "E");
    EXPECT_NEAR(c.psi2Q, (0.8 * 800 + 0.3 * 600) * kN, 1e-9);
    EXPECT_TRUE(c.sisma->lungo.dalmodello);
    EXPECT_EQ(c.sisma->lungo.H, 30);
    o.categorie[1][1] = "Z";
    EXPECT_NE(verificantc(largo(), 1, o).nota.find("piano n. 2"), std::string::npos);
}

TEST(NtcSismaLavoro, JsonKeysOnlyWithTheSiteDataAndTextLines) {
    DatiCalcolo d = largo();
    const auto fondazioni = calcolatutte(d);
    const OpzioniNtc senza;
    const std::string prima = prospettojson(d, fondazioni, &senza);
    EXPECT_EQ(prima.find("sisma"), std::string::npos);

    // The record without ag: the key, null.
    OpzioniNtc o;
    o.sisma.F0 = "2,45";
    const std::string nullo = prospettojson(d, fondazioni, &o);
    EXPECT_NE(nullo.find("\"sisma\": null, \"esito_complessivo\": \"VERIFICATA\"}"),
              std::string::npos)
        << nullo;

    o = consisma("0,15", "1,5");
    const std::string j = prospettojson(d, fondazioni, &o);
    const auto inizio = j.find("\"sisma\": {\"SS\": ");
    ASSERT_NE(inizio, std::string::npos) << j;
    std::size_t dopo = inizio;
    for (const char* chiave :
         {"\"S\"",
          "\"Se\"",
          "\"Sd\"",
          "\"Ww\"",
          "\"V\"",
          "\"H\"",
          "\"khk\"",
          "\"zc\"",
          "\"zq\"",
          "\"e\"",
          "\"Bp\"",
          "\"ic\"",
          "\"iq\"",
          "\"igamma\"",
          "\"qlim\"",
          "\"Rd\"",
          "\"EdRd\"",
          "\"esito\": \"NON VERIFICATA\"",
          "\"scorrimento\": {\"Rd\"",
          "\"HdRd\"",
          "\"esito\": \"VERIFICATA\"}}, \"esito_complessivo\": \"NON VERIFICATA\""}) {
        const auto k = j.find(chiave, dopo);
        EXPECT_NE(k, std::string::npos) << chiave;
        dopo = k;
    }

    const std::string t = prospetto(d, fondazioni, &o);
    for (const char* riga :
         {"Verifica in condizioni sismiche (SLV): ag = 0,15 g, F0 = 2,45, sottosuolo C, "
          "categoria topografica T1, q = 1,5 (come da relazione di calcolo della struttura), "
          "γRd = 1,1, αH = 1.\n",
          "  verifica NTC 2018 in condizioni sismiche (SLV)\n",
          "    scorrimento SLV: H = 27,10 kN/m, Rd = 43,08 kN/m, H/Rd = 0,629, VERIFICATA\n",
          "    esito complessivo       NON VERIFICATA\n"}) {
        EXPECT_NE(t.find(riga), std::string::npos) << riga << t;
    }
}
