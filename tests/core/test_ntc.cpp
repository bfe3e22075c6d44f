#include "zocal/core/ntc.h"

#include "esempio.h"
#include "zocal/core/calcola.h"
#include "zocal/core/prospetto.h"
#include "zocal/core/regole.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zocal;

namespace {

// Values are pinned to the precision they are shown with.
#define VICINO(valore, atteso) EXPECT_NEAR(valore, atteso, 0.01)
#define VICINO3(valore, atteso) EXPECT_NEAR(valore, atteso, 0.0015)

VerificaNtc esempio(const OpzioniNtc& o = {}) {
    return verificantc(esempiolavorato(), 1, o);
}

OpzioniNtc vesic() {
    OpzioniNtc o;
    o.ngamma = FormulaNgamma::vesic;
    return o;
}

} // namespace

TEST(Ntc, WorkedExampleActionsResistanceAndVerdict) {
    const VerificaNtc v = esempio();
    ASSERT_TRUE(v.calcolata) << v.nota;
    VICINO(v.G1k, 63.94);
    VICINO(v.G2k, 10.49);
    VICINO(v.Qk, 13.73);
    VICINO(v.Ed, 119.45);
    VICINO(v.Nq, 18.40);
    VICINO(v.Nc, 30.14);
    VICINO(v.Ngamma, 15.07);
    EXPECT_NEAR(v.k, 1.0304, 0.00005); // D/B = 1/0,6 > 1: arctan
    VICINO3(v.dq, 1.297);
    VICINO3(v.dc, 1.412);
    VICINO(v.q, 17.65);
    VICINO(v.terminec, 0);
    VICINO(v.termineq, 421.43);
    VICINO(v.terminegamma, 79.80);
    VICINO(v.qlim, 501.23);
    VICINO(v.Rd, 130.76);
    VICINO3(v.EdRd, 0.914);
    EXPECT_TRUE(v.verificata);
    EXPECT_EQ(v.esito(), "VERIFICATA");
    EXPECT_EQ(v.nota, "");
    EXPECT_EQ(testoEdRd(v), "0,914");
    EXPECT_DOUBLE_EQ(v.gG1, 1.3);
    EXPECT_DOUBLE_EQ(v.gG2, 1.5);
    EXPECT_DOUBLE_EQ(v.gQ, 1.5);
    EXPECT_DOUBLE_EQ(v.gR, 2.3);
    EXPECT_DOUBLE_EQ(v.spessoremuro, 0.3);
}

TEST(Ntc, WorkedExampleShownTexts) {
    const VerificaNtc v = esempio();
    const auto res = righeresistenza(v);
    ASSERT_EQ(res.size(), 15u);
    const std::pair<const char*, const char*> attesi[] = {
        {"Nc", "30,14"},         {"Nq", "18,40"},
        {"Nγ", "15,07"},         {"k", "1,0304"},
        {"dc", "1,412"},         {"dq", "1,297"},
        {"dγ", "1,000"},         {"q = γ·D", "17,7"},
        {"c·Nc·dc", "0,0"},      {"q·Nq·dq", "421,4"},
        {"½·γ·B·Nγ·dγ", "79,8"}, {"qlim", "501,2"},
        {"γR", "2,3"},           {"Rd = qlim·B/γR", "130,76"},
        {"Ed/Rd", "0,914"}};
    for (std::size_t i = 0; i < res.size(); ++i) {
        EXPECT_EQ(res[i].nome, attesi[i].first);
        EXPECT_EQ(res[i].valore, attesi[i].second) << res[i].nome;
    }
    EXPECT_EQ(res[11].unita, "kPa");
    EXPECT_EQ(res[13].unita, "kN/m");
    const auto az = righeazioni(v);
    ASSERT_EQ(az.size(), 7u);
    EXPECT_EQ(az[0].valore, "63,94");
    EXPECT_EQ(az[3].valore, "1,50");
    EXPECT_EQ(az[6].nome, "Ed");
    EXPECT_EQ(az[6].valore, "119,45");
}

TEST(Ntc, NgammaFormulas) {
    const VerificaNtc v = esempio(vesic());
    VICINO(v.Ngamma, 22.40);
    VICINO(v.terminegamma, 118.63);
    VICINO(v.qlim, 540.07);
    VICINO(v.Rd, 140.89);
    VICINO3(v.EdRd, 0.848);

    OpzioniNtc ec7;
    ec7.ngamma = FormulaNgamma::ec7;
    const VerificaNtc e = esempio(ec7);
    VICINO(e.Ngamma, 20.09);
    VICINO(e.qlim, 527.84);
    VICINO3(e.EdRd, 0.868);
    // Nc and Nq do not depend on the choice.
    EXPECT_DOUBLE_EQ(e.Nc, v.Nc);
    EXPECT_DOUBLE_EQ(e.Nq, v.Nq);
}

TEST(Ntc, SummaryRows) {
    EXPECT_EQ(intestazionintc().size(), 12u);
    EXPECT_EQ(rigantc(esempio()),
              (std::vector<std::string>{"1", "0,60", "1,00", "63,94", "10,49", "13,73", "119,45",
                                        "501,2", "130,76", "0,914", "VERIFICATA", ""}));
    DatiCalcolo d = esempiolavorato();
    d.attr = "";
    EXPECT_EQ(rigantc(verificantc(d, 1, {})),
              (std::vector<std::string>{"1", "", "", "", "", "", "", "", "", "", "",
                                        "Manca l'angolo di attrito del terreno."}));
}

TEST(Ntc, OneLineForTheCalculationWindow) {
    EXPECT_EQ(sintesintc(esempio()), "NTC 2018: VERIFICATA, Ed/Rd = 0,914");
    OpzioniNtc senza = vesic();
    senza.profondita = false;
    EXPECT_EQ(sintesintc(esempio(senza)), "NTC 2018: NON VERIFICATA, Ed/Rd = 1,033");
    DatiCalcolo d = esempiolavorato();
    d.attr = "";
    EXPECT_EQ(sintesintc(verificantc(d, 1, {})),
              "NTC 2018: Manca l'angolo di attrito del terreno.");
}

TEST(Ntc, OtherSoilsFromTheSameLoads) {
    DatiCalcolo d = esempiolavorato();
    d.attr = "20";
    d.coes = "2";
    const VerificaNtc a = verificantc(d, 1, vesic());
    VICINO(a.qlim, 589.04);
    VICINO3(a.EdRd, 0.777);
    EXPECT_TRUE(a.verificata);

    // Undrained: c is cu, Nc = 2 + pi, Nq = 1, Ngamma = 0.
    d.attr = "0";
    d.coes = "5";
    const VerificaNtc u = verificantc(d, 1, {});
    ASSERT_TRUE(u.calcolata);
    VICINO(u.Nc, 5.14);
    EXPECT_DOUBLE_EQ(u.Nq, 1);
    EXPECT_DOUBLE_EQ(u.Ngamma, 0);
    EXPECT_DOUBLE_EQ(u.dq, 1);
    VICINO3(u.dc, 1.412);
    VICINO(u.qlim, 373.67);
    VICINO(u.Rd, 97.48);
    VICINO3(u.EdRd, 1.225);
    EXPECT_FALSE(u.verificata);
    EXPECT_EQ(u.esito(), "NON VERIFICATA");
}

TEST(Ntc, Options) {
    OpzioniNtc senza = vesic();
    senza.profondita = false;
    const VerificaNtc v = esempio(senza);
    EXPECT_DOUBLE_EQ(v.dc, 1);
    EXPECT_DOUBLE_EQ(v.dq, 1);
    VICINO(v.qlim, 443.45);
    VICINO3(v.EdRd, 1.033);
    EXPECT_EQ(v.esito(), "NON VERIFICATA");

    OpzioniNtc g2;
    g2.g2definiti = true;
    const VerificaNtc w = esempio(g2);
    EXPECT_DOUBLE_EQ(w.gG2, 1.3);
    VICINO(w.Ed, 117.36);
    VICINO(w.Rd, 130.76);
    VICINO3(w.EdRd, 0.898);

    EXPECT_TRUE(OpzioniNtc{}.predefinite());
    EXPECT_FALSE(senza.predefinite());
    EXPECT_FALSE(g2.predefinite());
    EXPECT_EQ(descriviopzioni({}), "Nγ di Brinch Hansen, con fattori di profondità, γG2 = 1,5");
    EXPECT_EQ(descriviopzioni(senza), "Nγ di Vesic, senza fattori di profondità, γG2 = 1,5");
    EXPECT_EQ(descriviopzioni(g2), "Nγ di Brinch Hansen, con fattori di profondità, γG2 = 1,3 "
                                   "(carichi non strutturali compiutamente definiti)");
}

TEST(Ntc, DepthAndWidthBoundaries) {
    // D = 0: no embedment, no depth factors, no overburden, no footing weight.
    DatiCalcolo d = esempiolavorato();
    d.prof[1] = "0";
    VerificaNtc v = verificantc(d, 1, {});
    ASSERT_TRUE(v.calcolata);
    EXPECT_DOUBLE_EQ(v.k, 0);
    EXPECT_DOUBLE_EQ(v.dq, 1);
    EXPECT_DOUBLE_EQ(v.dc, 1);
    EXPECT_DOUBLE_EQ(v.q, 0);
    EXPECT_DOUBLE_EQ(v.termineq, 0);
    VICINO(v.G1k, 53.35);
    VICINO(v.qlim, 79.80);
    VICINO3(v.EdRd, 5.077);

    // D = B: both branches of k meet at 1.
    d = esempiolavorato();
    d.attr = "25";
    d.coes = "1";
    d.largh[1] = "1";
    v = verificantc(d, 1, {});
    EXPECT_DOUBLE_EQ(v.k, 1);
    VICINO(v.G1k, 71.00);
    VICINO(v.qlim, 590.85);
    VICINO3(v.EdRd, 0.501);

    // Empty width: 0,5 m, as the allowable-stress run takes it, also in the footing weight.
    d = esempiolavorato();
    d.coes = "1";
    d.largh[1] = "";
    v = verificantc(d, 1, {});
    ASSERT_TRUE(v.calcolata);
    EXPECT_DOUBLE_EQ(v.B, 0.5);
    EXPECT_NEAR(v.k, std::atan(2.0), 1e-12);
    VICINO(v.G1k, 62.17);
    VICINO(v.qlim, 921.60);
    VICINO3(v.EdRd, 0.585);
}

TEST(Ntc, FrictionAngleRange) {
    DatiCalcolo d = esempiolavorato();
    d.attr = "50";
    const VerificaNtc v = verificantc(d, 1, {});
    ASSERT_TRUE(v.calcolata);
    VICINO(v.Nq, 319.06);
    VICINO(v.Nc, 266.88);
    VICINO(v.Ngamma, 568.57);
    VICINO3(v.dq, 1.134);
    VICINO(v.qlim, 9399.98);
    VICINO3(v.EdRd, 0.049);

    for (const char* fuori : {"50,01", "-1", "90"}) {
        d.attr = fuori;
        const VerificaNtc f = verificantc(d, 1, {});
        EXPECT_FALSE(f.calcolata) << fuori;
        EXPECT_EQ(f.nota, "L'angolo di attrito deve essere compreso tra 0 e 50 gradi.");
        EXPECT_EQ(f.esito(), "");
    }

    // A tiny angle lands next to the undrained factors, not on a cancelled difference.
    d.attr = "0,0000001";
    const VerificaNtc t = verificantc(d, 1, {});
    EXPECT_NEAR(t.Nc, 2 + 3.14159265358979, 1e-6);
    EXPECT_NEAR(t.Nq, 1, 1e-6);
}

TEST(Ntc, MissingOrWrongDataGivesANoteAndNoVerdict) {
    struct Caso {
        const char* nome;
        void (*guasta)(DatiCalcolo&);
        const char* nota;
    };
    const Caso casi[] = {
        {"attr", [](DatiCalcolo& d) { d.attr = ""; }, "Manca l'angolo di attrito del terreno."},
        {"coes", [](DatiCalcolo& d) { d.coes = ""; }, "Manca la coesione del terreno."},
        {"pesos", [](DatiCalcolo& d) { d.pesos.svuota(); }, "Manca il peso specifico del terreno."},
        {"prof", [](DatiCalcolo& d) { d.prof[1] = ""; }, "Manca la profondità della fondazione."},
        {"tram", [](DatiCalcolo& d) { d.tram(2, 1) = ""; },
         "Manca il dato del peso dei tramezzi del piano n. 2."},
        {"piani", [](DatiCalcolo& d) { d.npiani[1] = 0; }, "Dato mancante: nessun piano immesso."},
        {"largh 0", [](DatiCalcolo& d) { d.largh[1] = "0"; },
         "La larghezza della fondazione deve essere maggiore di zero."},
        {"largh -", [](DatiCalcolo& d) { d.largh[1] = "-0,6"; },
         "La larghezza della fondazione deve essere maggiore di zero."},
        {"prof -", [](DatiCalcolo& d) { d.prof[1] = "-1"; },
         "La profondità della fondazione non può essere negativa."},
        {"pesos 0", [](DatiCalcolo& d) { d.pesos = "0"; },
         "Il peso specifico del terreno deve essere maggiore di zero."},
        {"coes -", [](DatiCalcolo& d) { d.coes = "-1"; },
         "La coesione del terreno non può essere negativa."},
        {"attr 2 virgole", [](DatiCalcolo& d) { d.attr = "3,0,1"; },
         "Dato non leggibile come numero: \"3,0,1\" (angolo di attrito del terreno). Correggere "
         "il valore."},
        {"lungh", [](DatiCalcolo& d) { d.lungh(1, 1) = "4-"; },
         "Dato non leggibile come numero: \"4-\" (lunghezza del solaio del piano n. 1). "
         "Correggere il valore."},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        c.guasta(d);
        const VerificaNtc v = verificantc(d, 1, {});
        EXPECT_FALSE(v.calcolata) << c.nome;
        EXPECT_EQ(v.nota, c.nota) << c.nome;
        EXPECT_EQ(v.esito(), "") << c.nome;
        EXPECT_EQ(testoEdRd(v), "") << c.nome;
        EXPECT_TRUE(righeresistenza(v).empty()) << c.nome;
        EXPECT_EQ(v.Ed, 0) << c.nome; // no half-computed numbers are left behind
    }
    // The legacy soil type plays no part.
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "";
    EXPECT_TRUE(verificantc(d, 1, {}).calcolata);
}

TEST(Ntc, NilResistanceIsNotVerified) {
    DatiCalcolo d = esempiolavorato();
    d.attr = "0";
    d.coes = "0";
    d.prof[1] = "0";
    const VerificaNtc v = verificantc(d, 1, {});
    ASSERT_TRUE(v.calcolata);
    EXPECT_DOUBLE_EQ(v.Rd, 0);
    EXPECT_FALSE(v.verificata);
    EXPECT_TRUE(std::isinf(v.EdRd));
    EXPECT_EQ(testoEdRd(v), "∞");
    EXPECT_FALSE(v.nota.empty());
}

TEST(Ntc, EveryFoundationAndTheLegacyResultsUntouched) {
    DatiCalcolo d = esempiolavorato();
    calcola(d, 1);
    const DatiCalcolo prima = d;
    // Foundation 2: a copy of 1, wider.
    secondafondazione(d, "1,2");
    const auto tutte = verificatutte(d, {});
    ASSERT_EQ(tutte.size(), 2u);
    EXPECT_EQ(tutte[0].numero, 1);
    EXPECT_EQ(tutte[1].numero, 2);
    EXPECT_TRUE(tutte[1].calcolata);
    EXPECT_GT(tutte[1].Rd, tutte[0].Rd);
    EXPECT_GT(tutte[1].G1k, tutte[0].G1k); // the wider footing weighs more
    EXPECT_EQ(d.carlim[1].testo(), prima.carlim[1].testo());
    EXPECT_EQ(d.coeff[1].testo(), "3,33");
    EXPECT_FALSE(verificantc(d, 0, {}).calcolata);
    EXPECT_FALSE(verificantc(d, 11, {}).calcolata);
}

TEST(Ntc, FormulaNames) {
    for (FormulaNgamma f :
         {FormulaNgamma::brinchhansen, FormulaNgamma::vesic, FormulaNgamma::ec7}) {
        EXPECT_EQ(formulafile(nomefilengamma(f)), f);
        EXPECT_EQ(formulachiave(chiavengamma(f)), f);
    }
    EXPECT_EQ(nomengamma(FormulaNgamma::brinchhansen), "Brinch Hansen");
    EXPECT_EQ(nomefilengamma(FormulaNgamma::brinchhansen), "Brinch-Hansen");
    EXPECT_EQ(chiavengamma(FormulaNgamma::brinchhansen), "brinch-hansen");
    EXPECT_FALSE(formulafile("vesic").has_value());
    EXPECT_FALSE(formulafile("Brinch Hansen").has_value());
    EXPECT_FALSE(formulachiave("Vesic").has_value());
    EXPECT_FALSE(formulachiave("").has_value());
}

TEST(Ntc, FixedDecimalsText) {
    EXPECT_EQ(scrividecimali(0.9144, 3), "0,914");
    EXPECT_EQ(scrividecimali(501.2349, 1), "501,2");
    EXPECT_EQ(scrividecimali(18.4, 2), "18,40");
    EXPECT_EQ(scrividecimali(2.5, 0), "2");
    EXPECT_EQ(scrividecimali(-0.0001, 2), "0,00");
    EXPECT_EQ(scrividecimali(-1.25, 1), "-1,2");
    EXPECT_EQ(scrividecimali(1e20, 1), "100000000000000000000,0");
    EXPECT_EQ(scrividecimali(NAN, 2), "");
}

namespace {

// The JSON number after "nome": in the text, read back.
double numerodopo(const std::string& testo, const std::string& nome) {
    const auto p = testo.find("\"" + nome + "\": ");
    EXPECT_NE(p, std::string::npos) << nome;
    return std::stod(testo.substr(p + nome.size() + 4));
}

} // namespace

TEST(NtcProspetto, ListingWithAndWithoutTheCheck) {
    DatiCalcolo d = esempiolavorato();
    const auto fondazioni = calcolatutte(d);
    const std::string senza = prospetto(d, fondazioni);
    EXPECT_EQ(senza.find("NTC"), std::string::npos);
    EXPECT_EQ(prospetto(d, fondazioni, nullptr), senza);

    const OpzioniNtc o;
    const std::string con = prospetto(d, fondazioni, &o);
    EXPECT_EQ(con.rfind("Verifica agli stati limite (NTC 2018), approccio 2 (A1+M1+R3): Nγ di "
                        "Brinch Hansen, con fattori di profondità, γG2 = 1,5.\n\n",
                        0),
              0u);
    for (const char* riga :
         {"    Ed (kN/m)               119,45\n", "    qlim (kPa)              501,2\n",
          "    Nγ                      15,07\n", "    Ed/Rd                   0,914\n",
          "    esito                   VERIFICATA\n"}) {
        EXPECT_NE(con.find(riga), std::string::npos) << riga << con;
    }
    // The legacy block comes first and is unchanged.
    EXPECT_NE(con.find(senza.substr(0, senza.size() - 1)), std::string::npos);

    d.attr = "";
    const std::string manca = prospetto(d, fondazioni, &o);
    EXPECT_NE(manca.find("    esito                   non calcolata\n"
                         "    note: Manca l'angolo di attrito del terreno.\n"),
              std::string::npos)
        << manca;
}

TEST(NtcProspetto, JsonNumbersAreUnroundedAndNullWhenNotComputed) {
    DatiCalcolo d = esempiolavorato();
    const auto fondazioni = calcolatutte(d);
    EXPECT_EQ(prospettojson(d, fondazioni).find("ntc"), std::string::npos);

    OpzioniNtc o;
    o.ngamma = FormulaNgamma::vesic;
    const std::string j = prospettojson(d, fondazioni, &o);
    EXPECT_NE(j.find("{\"nfond\": 1, \"opzioni_ntc\": {\"ngamma\": \"vesic\", \"profondita\": "
                     "true, \"g2_definiti\": false}, \"fondazioni\": [{"),
              std::string::npos)
        << j;
    const VerificaNtc v = verificantc(d, 1, o);
    EXPECT_EQ(numerodopo(j, "G1k"), v.G1k);
    EXPECT_EQ(numerodopo(j, "Ed"), v.Ed);
    EXPECT_EQ(numerodopo(j, "Ngamma"), v.Ngamma);
    EXPECT_EQ(numerodopo(j, "termine_gamma"), v.terminegamma);
    EXPECT_EQ(numerodopo(j, "qlim"), v.qlim);
    EXPECT_EQ(numerodopo(j, "EdRd"), v.EdRd);
    EXPECT_NE(j.find("\"esito\": \"VERIFICATA\", \"nota\": \"\", \"combinazione\": \"C1\""),
              std::string::npos)
        << j;
    // Every key, in order.
    std::size_t p = j.find("\"ntc\": {");
    for (const char* k : {"B",
                          "D",
                          "phi",
                          "gamma",
                          "c",
                          "G1k",
                          "G2k",
                          "Qk",
                          "Ed",
                          "Nc",
                          "Nq",
                          "Ngamma",
                          "k",
                          "dc",
                          "dq",
                          "q",
                          "termine_c",
                          "termine_q",
                          "termine_gamma",
                          "qlim",
                          "Rd",
                          "EdRd",
                          "esito",
                          "nota"}) {
        const auto q = j.find("\"" + std::string(k) + "\": ", p);
        ASSERT_NE(q, std::string::npos) << k;
        p = q;
    }

    d.attr = "60";
    const std::string fuori = prospettojson(d, fondazioni, &o);
    EXPECT_NE(fuori.find("\"ntc\": {\"B\": null, \"D\": null"), std::string::npos) << fuori;
    EXPECT_NE(fuori.find("\"EdRd\": null, \"esito\": \"\", \"nota\": \"L'angolo di attrito deve "
                         "essere compreso tra 0 e 50 gradi.\", \"combinazione\": null"),
              std::string::npos)
        << fuori;

    // A nil resistance: the ratio is not a JSON number.
    d.attr = "0";
    d.coes = "0";
    d.prof[1] = "0";
    const std::string nulla = prospettojson(d, fondazioni, &o);
    EXPECT_NE(nulla.find("\"Rd\": 0, \"EdRd\": null, \"esito\": \"NON VERIFICATA\""),
              std::string::npos)
        << nulla;
}

namespace {

OpzioniNtc conterreno(const char* cu, const char* pesofond, FormulaNgamma ngamma = {},
                      bool profondita = true) {
    OpzioniNtc o;
    o.ngamma = ngamma;
    o.profondita = profondita;
    o.terreno.cu = cu;
    o.terreno.pesofond = pesofond;
    return o;
}

} // namespace

// Recomputed by hand from the worked example's data.
TEST(NtcTerreno, WorkedExamplesWithTheJobsSoilDataAndTheAnnexDMethod) {
    struct Caso {
        const char* nome;
        OpzioniNtc opzioni;
        double Ed, EdRd;
        const char* esitocomplessivo;
    };
    const Caso casi[] = {
        {"cu 3 t/mq", conterreno("3", ""), 119.45, 0.914, "NON VERIFICATA"},
        {"calcestruzzo", conterreno("", "2500"), 124.81, 0.955, "VERIFICATA"},
        {"EC7 Annesso D", conterreno("", "", FormulaNgamma::ec7, false), 119.45, 1.062,
         "NON VERIFICATA"},
    };
    for (const Caso& c : casi) {
        const VerificaNtc v = esempio(c.opzioni);
        ASSERT_TRUE(v.calcolata) << c.nome << v.nota;
        VICINO(v.Ed, c.Ed);
        VICINO3(v.EdRd, c.EdRd);
        EXPECT_EQ(v.esitocomplessivo(), c.esitocomplessivo) << c.nome;
        EXPECT_EQ(v.fondazionecls, c.opzioni.terreno.pesofond[0] != '\0') << c.nome;
    }

    // Short term: cu in total stresses, phi = 0, the same depth factors.
    const VerificaNtc v = esempio(conterreno("3", ""));
    ASSERT_TRUE(v.brevetermine.has_value());
    const AnalisiNtc& b = *v.brevetermine;
    EXPECT_NEAR(b.Nc, 5.142, 0.0005);
    EXPECT_DOUBLE_EQ(b.Nq, 1);
    EXPECT_DOUBLE_EQ(b.Ngamma, 0);
    VICINO3(b.dc, 1.412);
    VICINO(b.q, 17.65);
    EXPECT_NEAR(b.qlim, 231.3, 0.05);
    VICINO(b.Rd, 60.33);
    VICINO3(b.EdRd, 1.980);
    EXPECT_FALSE(b.verificata);
    EXPECT_TRUE(v.verificata); // the long-term analysis holds on its own
    VICINO3(v.EdRdcomplessivo(), 1.980);
    EXPECT_EQ(sintesintc(v),
              "NTC 2018: NON VERIFICATA, Ed/Rd = 0,914 a lungo termine, 1,980 a breve termine");
    EXPECT_EQ(rigantc(v)[10], "NON VERIFICATA");
    EXPECT_EQ(rigantc(v)[11], "a breve termine Ed/Rd = 1,980, NON VERIFICATA");
    EXPECT_FALSE(esempio().brevetermine.has_value());

    // On the command line and in the window EC7 means no depth factors; a
    // job that keeps them is told they are not the Annex D method's.
    EXPECT_NE(descriviopzioni(conterreno("", "", FormulaNgamma::ec7))
                  .find("non previsti "
                        "dall'Annesso D "
                        "della UNI EN 1997-1"),
              std::string::npos);
    EXPECT_EQ(descriviopzioni(conterreno("", "", FormulaNgamma::ec7, false)).find("Annesso D"),
              std::string::npos);
}

TEST(NtcTerreno, EntriesThatWouldLowerEdOrHideDataStopTheCheck) {
    struct Caso {
        const char* nome;
        void (*guasta)(DatiCalcolo&, OpzioniNtc&);
        const char* nota;
    };
    const Caso casi[] = {
        {"pesol vuoto", [](DatiCalcolo& d, OpzioniNtc&) { d.pesol(1, 1) = ""; },
         "Manca il dato del peso del solaio del piano n. 1."},
        {"sovr -", [](DatiCalcolo& d, OpzioniNtc&) { d.sovr(1, 1) = "-2000"; },
         "Dato negativo: \"-2000\" (sovraccarico accidentale del piano n. 1), che non può esserlo. "
         "Correggere il valore."},
        {"spem -", [](DatiCalcolo& d, OpzioniNtc&) { d.spem(2, 1) = "-1800"; },
         "Dato negativo: \"-1800\" (peso specifico del muro del piano n. 2), che non può esserlo. "
         "Correggere il valore."},
        {"lungh -", [](DatiCalcolo& d, OpzioniNtc&) { d.lungh(2, 1) = "-4"; },
         "Dato negativo: \"-4\" (lunghezza del solaio del piano n. 2), che non può esserlo. "
         "Correggere il valore."},
        {"pesofond 0", [](DatiCalcolo&, OpzioniNtc& o) { o.terreno.pesofond = "0"; },
         "Il peso specifico della fondazione deve essere maggiore di zero."},
        {"cu -", [](DatiCalcolo&, OpzioniNtc& o) { o.terreno.cu = "-1"; },
         "La coesione non drenata non può essere negativa."},
        {"cu illeggibile", [](DatiCalcolo&, OpzioniNtc& o) { o.terreno.cu = "1,2,3"; },
         "Dato non leggibile come numero: \"1,2,3\" (coesione non drenata). Correggere il "
         "valore."},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        OpzioniNtc o;
        c.guasta(d, o);
        const VerificaNtc v = verificantc(d, 1, o);
        EXPECT_FALSE(v.calcolata) << c.nome;
        EXPECT_EQ(v.nota, c.nota) << c.nome;
        EXPECT_EQ(v.esitocomplessivo(), "") << c.nome;
    }
}

TEST(NtcTerreno, WhatWasAssumedIsNotedBesideTheVerdict) {
    struct Caso {
        const char* largh;
        const char* attr;
        const char* nota;
    };
    const Caso casi[] = {
        {"0,6", "30", ""},
        {"", "30", "larghezza non indicata: assunta 0,50 m"},
        {"0,6", "45", "angolo di attrito superiore a 40°: verificare il valore caratteristico"},
        {"", "40,5",
         "larghezza non indicata: assunta 0,50 m; angolo di attrito superiore a 40°: verificare "
         "il valore caratteristico"},
        {"0,6", "40", ""},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        d.largh[1] = c.largh;
        d.attr = c.attr;
        const VerificaNtc v = verificantc(d, 1, {});
        EXPECT_TRUE(v.calcolata) << c.largh << " " << c.attr;
        EXPECT_EQ(v.nota, c.nota);
    }
}

TEST(NtcTerreno, BothVerdictsSideBySide) {
    const VerificaNtc regge = esempio();
    const VerificaNtc cede = esempio(conterreno("3", ""));
    const VerificaNtc manca = verificantc(DatiCalcolo{}, 1, {});
    struct Caso {
        const char* ta;
        const VerificaNtc* ntc;
        const char* titolo;
        const char* discordanza;
    };
    const Caso casi[] = {
        {"verificata", nullptr, "Fondazione n. 1 (verificata)", ""},
        {"verificata", &manca, "Fondazione n. 1 (verificata)", ""},
        {"", &manca, "Fondazione n. 1 (non calcolata)", ""},
        {"verificata", &regge,
         "Fondazione n. 1 (tensioni ammissibili: verificata; NTC 2018: VERIFICATA)", ""},
        {"verificata", &cede,
         "Fondazione n. 1 (tensioni ammissibili: verificata; NTC 2018: NON VERIFICATA)",
         "Le verifiche non concordano: tensioni ammissibili verificata, NTC 2018 NON "
         "VERIFICATA; vale la verifica NTC 2018."},
        {"non verificata", &regge,
         "Fondazione n. 1 (tensioni ammissibili: non verificata; NTC 2018: VERIFICATA)",
         "Le verifiche non concordano: tensioni ammissibili non verificata, NTC 2018 "
         "VERIFICATA; vale la verifica NTC 2018."},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(titolofondazione(1, Cella(c.ta), c.ntc), c.titolo);
        EXPECT_EQ(discordanza(Cella(c.ta), c.ntc ? *c.ntc : manca), c.discordanza) << c.titolo;
    }
    EXPECT_EQ(rigaesito("3,33", Cella("verificata"), cede),
              (std::vector<std::string>{"1", "3,33", "verificata", "1,980", "NON VERIFICATA"}));
    EXPECT_EQ(rigaesito("", Cella(), manca)[4], "non eseguita");
    // The guidance box: the line goes under the verdict's comment, and away again.
    const std::string riga = discordanza(Cella("verificata"), cede);
    const std::string con = std::string(notaverificata) + "\n" + riga;
    EXPECT_EQ(notaconverdetti(notaverificata, Cella("verificata"), cede), con);
    EXPECT_EQ(notaconverdetti(con, Cella("verificata"), cede), con);
    EXPECT_EQ(notaconverdetti(con, Cella("verificata"), regge), notaverificata);
    EXPECT_TRUE(notadiverdetto(con));
    EXPECT_EQ(notaconverdetti("Mancano i dati", Cella("verificata"), cede), "Mancano i dati");
}

TEST(NtcTerreno, JsonCarriesTheInputsAndTheShortTermOnlyWithTheJobsSoilData) {
    DatiCalcolo d = esempiolavorato();
    const auto fondazioni = calcolatutte(d);
    const OpzioniNtc senza;
    const std::string j = prospettojson(d, fondazioni, &senza);
    EXPECT_NE(j.find("\"ntc\": {\"B\": 0.6, \"D\": 1, \"phi\": 30, \"gamma\": "), std::string::npos)
        << j;
    EXPECT_EQ(j.find("breve_termine"), std::string::npos);
    EXPECT_EQ(j.find("esito_complessivo"), std::string::npos);

    const OpzioniNtc pesante = conterreno("", "2500");
    const std::string p = prospettojson(d, fondazioni, &pesante);
    EXPECT_NE(p.find("\"breve_termine\": null, \"esito_complessivo\": \"VERIFICATA\"}"),
              std::string::npos)
        << p;

    const OpzioniNtc breve = conterreno("3", "");
    const std::string b = prospettojson(d, fondazioni, &breve);
    const auto q = b.find("\"breve_termine\": {\"B\": 0.6, \"D\": 1, \"phi\": 0, ");
    ASSERT_NE(q, std::string::npos) << b;
    EXPECT_NE(b.find("\"esito\": \"NON VERIFICATA\"", q), std::string::npos);
    EXPECT_NE(b.find("\"esito_complessivo\": \"NON VERIFICATA\"}"), std::string::npos);
    EXPECT_NEAR(numerodopo(b.substr(q), "c"), 3 * accelerazionegravita, 1e-12);
}
