#include "esempio.h"
#include "zocal/core/calcola.h"
#include "zocal/core/ntc.h"
#include "zocal/core/ntc/cedimenti.h"
#include "zocal/core/ntc/righecedimenti.h"
#include "zocal/core/prospetto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace zocal;

namespace {

constexpr double g = 9.80665;

// Within one unit of the last digit shown.
void vicino(double valore, double mostrato, int decimali, const char* nome) {
    EXPECT_NEAR(valore, mostrato, std::pow(10.0, -decimali)) << nome;
}

// The worked example's two storeys on a footing 0,80 m wide, 1,00 m deep,
// over 2 m at 6 MPa and 3 m at 12 MPa.
DatiCedimento esempio() {
    DatiCedimento d;
    d.B = 0.8;
    d.D = 1;
    d.gamma = 1.8 * g;
    d.carichi = {(5440 + 1440) * g / 1000, 1440 * g / 1000, 1070 * g / 1000, 1400 * g / 1000};
    d.Qpiani = {800 * g / 1000, 600 * g / 1000};
    d.strati.strati = {{2, 6}, {3, 12}};
    return d;
}

} // namespace

TEST(NtcCedimenti, WorkedExample) {
    const Cedimento r = cedimento(esempio());
    const CedimentoCombinazione& qp = r.quasipermanente;
    ASSERT_TRUE(qp.calcolato);
    ASSERT_EQ(qp.strati.size(), 2u);
    const double b = qp.Bp / 2;
    const struct {
        const char* nome;
        double valore, mostrato;
        int decimali;
    } casi[] = {
        {"V", qp.V, 82.08, 2},
        {"B'", qp.Bp, 0.8, 4},
        {"p", qp.p, 102.6, 1},
        {"sigmav0", r.sigmav0, 17.65, 2},
        {"pnet", qp.pnet, 84.95, 2},
        {"ds 0,125", incrementotensione(qp.pnet, qp.Bp, 0.125), 83.97, 2},
        {"ds 1,125", incrementotensione(qp.pnet, qp.Bp, 1.125), 35.55, 2},
        {"ds 2,125", incrementotensione(qp.pnet, qp.Bp, 2.125), 19.89, 2},
        {"ds 4,875", incrementotensione(qp.pnet, qp.Bp, 4.875), 8.835, 3},
        {"F(2) - F(0)", integraleincremento(b, 2) - integraleincremento(b, 0), 3.396, 3},
        {"F(5) - F(2)", integraleincremento(b, 5) - integraleincremento(b, 2), 1.449, 3},
        {"s1", qp.strati[0].s, 1.531, 3},
        {"s2", qp.strati[1].s, 0.3264, 4},
        {"s", qp.s, 1.857, 3},
        {"s caratteristica", r.caratteristica.s, 2.120, 3},
        {"z*", r.zinfluenza, 4.46, 2},
    };
    for (const auto& c : casi) {
        vicino(c.valore, c.mostrato, c.decimali, c.nome);
    }
    EXPECT_TRUE(r.verificata);
    EXPECT_EQ(r.nota, "");
}

TEST(NtcCedimenti, ClosedFormsAndExactIntegral) {
    for (double B : {0.5, 0.8, 2.0}) {
        vicino(incrementotensione(1, B, 0), 1, 12, "z = 0");
        vicino(incrementotensione(1, B, B / 2), 0.8183, 4, "z = B/2");
        vicino(incrementotensione(1, B, B), 0.5498, 4, "z = B");
        // The exact integral against a midpoint sum of the stress increase.
        for (const auto& [z1, z2] : {std::pair{0.0, 2.0}, {2.0, 5.0}, {0.3, 40.0}}) {
            constexpr int n = 200000;
            const double dz = (z2 - z1) / n;
            double somma = 0;
            for (int i = 0; i < n; ++i) {
                somma += incrementotensione(std::numbers::pi, B, z1 + (i + 0.5) * dz) * dz;
            }
            const double esatto = integraleincremento(B / 2, z2) - integraleincremento(B / 2, z1);
            EXPECT_NEAR(somma, esatto, 1e-6 * esatto) << B << " " << z1 << " " << z2;
        }
    }
}

TEST(NtcCedimenti, OffsetWaterTableAndDepthOfInfluence) {
    const struct {
        double eccmuro, HGk, zw, hprimo;
        double Bp, s, zinfluenza;
        const char* nota;
    } casi[] = {
        {0, 0, 1.5, 2, 0.8, 1.857, 5.622,
         "strati dichiarati fino a 5,00 m: estenderli almeno fino a 5,63 m"},
        {0, 0, 0.5, 2, 0.8, 1.835, 5.931,
         "strati dichiarati fino a 5,00 m: estenderli almeno fino a 5,94 m"},
        {0.05, 3, -1, 2, 0.6441, 2.093, 4.566, ""},
        {0.05, 10, -1, 2, 0.4735, 2.421, 4.676, "base parzializzata in esercizio"},
        {0, 0, -1, 1, 0.8, 1.540, 4.463,
         "strati dichiarati fino a 4,00 m: estenderli almeno fino a 4,47 m"},
    };
    for (const auto& c : casi) {
        DatiCedimento d = esempio();
        d.fondazione.eccmuro = c.eccmuro;
        d.fondazione.HGk = c.HGk;
        d.fondazione.zH = 1;
        if (c.zw >= 0) {
            d.falda = {c.zw, 2.0 * g};
        }
        d.strati.strati[0].h = c.hprimo;
        const Cedimento r = cedimento(d);
        SCOPED_TRACE(std::to_string(c.eccmuro) + " " + std::to_string(c.HGk) + " " +
                     std::to_string(c.zw));
        vicino(r.quasipermanente.Bp, c.Bp, 4, "B'");
        vicino(r.quasipermanente.s, c.s, 3, "s");
        vicino(r.zinfluenza, c.zinfluenza, 3, "z*");
        EXPECT_EQ(r.nota, c.nota);
    }
    // Nothing of the base stays loaded; a lighter load than the soil dug out.
    DatiCedimento d = esempio();
    d.fondazione = {0.05, 40, 0, 1, 1};
    EXPECT_FALSE(cedimento(d).quasipermanente.calcolato || cedimento(d).verificata);
    d = esempio();
    d.D = 8;
    const Cedimento leggero = cedimento(d);
    EXPECT_EQ(leggero.quasipermanente.s, 0);
    EXPECT_EQ(leggero.zinfluenza, 0);
    EXPECT_TRUE(leggero.verificata);
    // Wind counts in the characteristic combination only.
    d = esempio();
    d.fondazione.HQk = 2;
    d.fondazione.zH = 1;
    const Cedimento vento = cedimento(d);
    EXPECT_EQ(vento.quasipermanente.e, 0);
    vicino(vento.caratteristica.e, 2 / 91.69, 4, "e caratteristica");
    // A deep water table without its saturated weight still gives a depth.
    d = esempio();
    d.falda.zw = 2;
    EXPECT_TRUE(std::isfinite(cedimento(d).zinfluenza));
}

TEST(NtcCedimenti, QuasiPermanentLoadAndVerdicts) {
    EXPECT_NEAR(caricoquasipermanente({10, 20, 5}, {0.6, 0}), 6 + 0 + 1.5, 1e-12);
    DatiCedimento d = esempio();
    d.psi2 = {0.6, 0.8};
    vicino(cedimento(d).quasipermanente.V, 67.47 + 10.49 + (0.6 * 800 + 0.8 * 600) * g / 1000, 2,
           "V");
    d.strati.slim = 1.8;
    EXPECT_FALSE(cedimento(d).verificata);

    const std::vector<CedimentoFondazione> fondazioni = {
        {1, 1.2}, {2, std::nullopt}, {3, 2.0}, {4, 1.5}};
    const auto r = cedimentidifferenziali(fondazioni, 0.5);
    ASSERT_TRUE(r);
    vicino(r->massimo, 0.8, 12, "massimo");
    EXPECT_EQ(r->fondazionemassimo, 3);
    EXPECT_EQ(r->fondazioneminimo, 1);
    EXPECT_FALSE(r->verificata);
    EXPECT_TRUE(cedimentidifferenziali(fondazioni, 0.8)->verificata);
    EXPECT_FALSE(cedimentidifferenziali(fondazioni, std::nullopt));
    EXPECT_FALSE(cedimentidifferenziali({{1, 1.2}, {2, std::nullopt}}, 0.5));
}

TEST(NtcCedimenti, EntriesRefusedWithTheirName) {
    const struct {
        StratiNtc t;
        const char* nota;
    } casi[] = {
        {{"0,4", "", {{"2", "6"}}},
         "Il cedimento ammissibile deve essere compreso tra 0,5 e 10 cm."},
        {{"", "5,5", {{"2", "6"}}},
         "La differenza di cedimento ammissibile deve essere compresa tra 0,2 e 5 cm."},
        {{"", "", {{"2", "6"}, {"0,05", "6"}}},
         "Lo spessore dello strato n. 2 deve essere compreso tra 0,1 e 50 m."},
        {{"", "", {{"2", "501"}}},
         "Il modulo edometrico dello strato n. 1 deve essere compreso tra 0,5 e 500 MPa."},
        {{"", "", {{"2", ""}}}, "Manca il modulo edometrico dello strato n. 1."},
        {{"", "", {{"", ""}, {"2", "6"}}}, "Manca lo spessore dello strato n. 1."},
        {{"", "", {{"2", "6,,1"}}},
         "Dato non leggibile come numero: \"6,,1\" (modulo edometrico dello strato n. 1). "
         "Correggere il valore."},
        {{"", "", std::vector<StratoNtc>(7, {"1", "5"})},
         "Si possono dichiarare al massimo 6 strati."},
    };
    for (const auto& c : casi) {
        std::string nota;
        EXPECT_FALSE(leggistrati(c.t, nota));
        EXPECT_EQ(nota, c.nota);
    }
    std::string nota;
    const auto s = leggistrati({"", "0,2", {{"0,1", "0,5"}, {"50", "500"}, {"", ""}}}, nota);
    ASSERT_TRUE(s) << nota;
    EXPECT_EQ(s->slim, 2.5);
    EXPECT_EQ(s->dslim, 0.2);
    EXPECT_EQ(s->strati.size(), 2u);
    EXPECT_FALSE(leggistrati({}, nota)->dslim);
    EXPECT_FALSE((StratiNtc{"3", "", {{"", ""}}}.richiesta()));
}

namespace {

// The example job on the worked example's footing, 0,80 m wide, and a
// second foundation like it but 1,20 m wide.
DatiCalcolo duefondazioni() {
    DatiCalcolo d = esempiolavorato();
    d.largh[1] = "0,8";
    secondafondazione(d, "1,2");
    return d;
}

OpzioniNtc constrati(const char* slim = "", const char* dslim = "") {
    OpzioniNtc o;
    o.strati = {slim, dslim, {{"2", "6"}, {"3", "12"}}};
    return o;
}

// The record with a limit but no layer: no check.
OpzioniNtc senzastrati() {
    OpzioniNtc o;
    o.strati.slim = "3";
    return o;
}

} // namespace

TEST(NtcCedimentiLavoro, WorkedExampleInTheVerdictOfRecordAndTheJobsVerdict) {
    const DatiCalcolo d = duefondazioni();
    const VerificaNtc v = verificantc(d, 1, constrati());
    ASSERT_TRUE(v.calcolata) << v.nota;
    ASSERT_TRUE(v.cedimento);
    vicino(v.cedimento->quasipermanente.s, 1.857, 3, "s");
    vicino(v.cedimento->caratteristica.s, 2.120, 3, "s caratteristica");
    EXPECT_EQ(sintesintc(v), "NTC 2018: VERIFICATA, Ed/Rd = 0,692, cedimento (SLE) s = 1,857 cm, "
                             "VERIFICATA");
    EXPECT_EQ(v.nota, ""); // z* 4,46 m is within the layers

    // The settlement alone fails: the verdict of record follows it, not Ed/Rd.
    const VerificaNtc f = verificantc(d, 1, constrati("1,8"));
    EXPECT_TRUE(f.verificata);
    EXPECT_FALSE(f.verificatacomplessiva());
    EXPECT_EQ(rigantc(f).back(), "cedimento (SLE) s = 1,857 cm, NON VERIFICATA");

    // The storeys' categories of the seismic records give psi2.
    OpzioniNtc o = constrati();
    o.categorie[1][0] = "E";
    vicino(verificantc(d, 1, o).cedimento->quasipermanente.V, 82.08 + 0.5 * 800 * g / 1000, 2,
           "V categoria E");
    // A range refused stops the check with its note; no layer, no check.
    EXPECT_EQ(verificantc(d, 1, constrati("11")).nota,
              "Il cedimento ammissibile deve essere compreso tra 0,5 e 10 cm.");
    EXPECT_FALSE(verificantc(d, 1, senzastrati()).cedimento);

    // Job level: the wider footing settles less.
    const struct {
        const char *slim, *dslim;
        bool differenziali;
        const char* esito;
    } casi[] = {
        {"", "", false, "VERIFICATA"},
        {"", "0,5", true, "VERIFICATA"},
        {"", "0,2", true, "NON VERIFICATA"},
        {"1,8", "0,5", true, "NON VERIFICATA"},
    };
    const std::vector<VerificaNtc> tutte0 = verificatutte(d, constrati());
    ASSERT_EQ(tutte0.size(), 2u);
    const double s1 = tutte0[0].cedimento->quasipermanente.s;
    const double s2 = tutte0[1].cedimento->quasipermanente.s;
    EXPECT_LT(s2, 1.857 - 0.2);
    EXPECT_GT(s2, 1.857 - 0.5);
    for (const auto& c : casi) {
        const OpzioniNtc o = constrati(c.slim, c.dslim);
        const std::vector<VerificaNtc> tutte = verificatutte(d, o);
        const auto r = differenzialintc(tutte, o);
        EXPECT_EQ(r.has_value(), c.differenziali) << c.dslim;
        if (r) {
            vicino(r->massimo, s1 - s2, 12, "massimo");
            EXPECT_EQ(r->fondazionemassimo, 1);
            EXPECT_EQ(r->fondazioneminimo, 2);
        }
        EXPECT_EQ(esitolavoro(tutte, r), c.esito) << c.slim << c.dslim;
    }
    // A foundation not computed leaves the job without a verdict.
    DatiCalcolo manca = d;
    manca.prof[2] = "";
    EXPECT_EQ(esitolavoro(verificatutte(manca, constrati()), std::nullopt), "");
}

TEST(NtcCedimentiLavoro, JsonKeysAndTextLinesOnlyWithTheRecord) {
    DatiCalcolo d = duefondazioni();
    const auto fondazioni = calcolatutte(d);
    const OpzioniNtc senza;
    EXPECT_EQ(prospettojson(d, fondazioni, &senza).find("cedimenti"), std::string::npos);
    EXPECT_EQ(prospetto(d, fondazioni, &senza).find("cedimenti"), std::string::npos);

    // The record without layers: the keys, null.
    const OpzioniNtc vuoto = senzastrati();
    const std::string nullo = prospettojson(d, fondazioni, &vuoto);
    EXPECT_EQ(nullo.rfind("{\"nfond\": 2, \"esito_complessivo\": \"VERIFICATA\", "
                          "\"cedimenti_differenziali\": null, \"opzioni_ntc\": ",
                          0),
              0u)
        << nullo;
    EXPECT_NE(nullo.find("\"cedimenti\": null, \"esito_complessivo\": \"VERIFICATA\"}"),
              std::string::npos);

    const OpzioniNtc o = constrati("", "0,2");
    const std::string j = prospettojson(d, fondazioni, &o);
    std::size_t dopo = 0;
    for (const char* chiave :
         {"{\"nfond\": 2, \"esito_complessivo\": \"NON VERIFICATA\", "
          "\"cedimenti_differenziali\": {\"massimo\": ",
          "\"dslim\": 0.2, \"esito\": \"NON VERIFICATA\"}, \"opzioni_ntc\"",
          "\"cedimenti\": {\"V\": ", "\"Bp\": 0.8",
          "\"p\": ", "\"pnet\": ", "\"strati\": [{\"h\": 2, \"Eed\": 6, \"s\": 1.53",
          "}, {\"h\": 3, \"Eed\": 12, \"s\": 0.32", "}], \"s\": 1.85", "\"s_caratteristica\": 2.1",
          "\"slim\": 2.5", "\"zinfluenza\": 4.4",
          "\"esito\": \"VERIFICATA\", \"nota\": \"\"}, \"esito_complessivo\": \"VERIFICATA\"}",
          "\"cedimenti\": {\"V\": "}) {
        const auto k = j.find(chiave, dopo);
        EXPECT_NE(k, std::string::npos) << chiave << "\n" << j;
        dopo = k;
    }

    const std::string t = prospetto(d, fondazioni, &o);
    for (const char* riga :
         {"  verifica NTC 2018 dei cedimenti (SLE)\n"
          "    quasi permanente: V = 82,08 kN/m, B′ = 0,800 m, p = 102,6 kPa, σv0 = 17,7 kPa, "
          "pnet = 85,0 kPa\n"
          "    strato n. 1: da 0,00 a 2,00 m, Eed = 6 MPa, s = 1,531 cm\n"
          "    strato n. 2: da 2,00 a 5,00 m, Eed = 12 MPa, s = 0,326 cm\n"
          "    s = 1,857 cm, slim = 2,5 cm, VERIFICATA\n"
          "    combinazione caratteristica: s = 2,120 cm\n"
          "    profondità d'influenza z* = 4,46 m\n",
          "Cedimenti differenziali (SLE): massimo 0,",
          " cm (fondazioni n. 1 e n. 2), ammissibile 0,2 cm, NON VERIFICATA\n"
          "Esito complessivo NTC 2018: NON VERIFICATA\n"}) {
        EXPECT_NE(t.find(riga), std::string::npos) << riga << "\n" << t;
    }
}

TEST(NtcCedimenti, DrawingCurveMeetsATenthOfTheOverburdenAtTheDepthOfInfluence) {
    const struct {
        double zw; // below ground, m; negative: no water
        double soglia0;
    } casi[] = {{-1, 0.1 * 1.8 * g * 1},
                {0.5, 0.1 * (1.8 * g * 0.5 + (2.0 * g - gammaacqua) * 0.5)}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.zw);
        DatiCedimento d = esempio();
        if (c.zw >= 0) {
            d.falda = {c.zw, 2.0 * g};
        }
        VerificaNtc v;
        v.calcolata = true;
        v.cedimento = cedimento(d);
        const CurvaCedimento k = curvacedimento(v, 201);
        ASSERT_EQ(k.soglia.size(), k.punti.size());
        EXPECT_NEAR(k.soglia.front(), c.soglia0, 1e-9);
        // The stress increase stays above the tenth down to z*, below it after.
        const double zstar = v.cedimento->zinfluenza;
        for (std::size_t i = 0; i < k.punti.size(); ++i) {
            const auto [z, ds] = k.punti[i];
            if (std::abs(z - zstar) > 0.03) {
                EXPECT_EQ(ds > k.soglia[i], z < zstar) << z;
            }
        }
    }
}
