#include "zocal/core/ntc/cedimenti.h"

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
