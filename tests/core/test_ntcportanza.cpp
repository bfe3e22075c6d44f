#include "zocal/core/ntc/analisi.h"

#include "esempio.h"
#include "zocal/core/ntc.h"
#include "zocal/core/prospetto.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zocal;

namespace {

constexpr double g = 9.80665;

// A value against its shown figure: within half a unit of the last digit.
struct Atteso {
    const char* nome;
    double valore;
    double mostrato;
    int decimali;
};
void confronta(std::initializer_list<Atteso> attesi) {
    for (const Atteso& a : attesi) {
        EXPECT_NEAR(a.valore, a.mostrato, 0.5 * std::pow(10.0, -a.decimali)) << a.nome;
    }
}

// The worked example's storeys on a footing 0,80 m wide, 1,00 m deep: loads
// from their kilograms per metre.
DatiAnalisi esempio() {
    DatiAnalisi d;
    d.phi = 30;
    d.gamma = 1.8 * g;
    d.B = 0.8;
    d.D = 1.0;
    d.carichi = {(5440 + 1440) * g / 1000, 1440 * g / 1000, 1070 * g / 1000, 1400 * g / 1000};
    return d;
}

DatiAnalisi eccentrico() {
    DatiAnalisi d = esempio();
    d.fondazione.eccmuro = 0.05;
    d.fondazione.HGk = 3;
    d.fondazione.zH = 1;
    return d;
}

DatiAnalisi confalda(double zw) {
    DatiAnalisi d = esempio();
    d.falda.zw = zw;
    d.falda.gammasat = 2.0 * g;
    return d;
}

} // namespace

TEST(NtcPortanza, EccentricInclinedWorkedExample) {
    const EsitoAnalisi r = analizza(eccentrico());
    ASSERT_EQ(r.combinazioni.size(), 2u); // no variable horizontal force: no C1v
    const auto& c1 = r.combinazioni[0];
    const auto& c2 = r.combinazioni[1];
    EXPECT_EQ(c1.azione.nome, Combinazione::C1);
    EXPECT_EQ(c2.azione.nome, Combinazione::C2);
    confronta({{"G1w", c1.azione.Vw - 1.5 * (10.49 + 13.73), 1.3 * 53.35, 1},
               {"V C1", c1.azione.V, 124.0, 1},
               {"H C1", c1.azione.H, 3.900, 3},
               {"M C1", c1.azione.M, 9.184, 3},
               {"e C1", c1.azione.e, 0.07404, 5},
               {"B' C1", c1.azione.Bp, 0.6519, 4},
               {"iq C1", c1.portanza.iq, 0.9238, 4},
               {"igamma C1", c1.portanza.igamma, 0.8947, 4},
               {"qlim C1", c1.portanza.qlim, 455.3, 1},
               {"Rd C1", c1.portanza.Rd, 129.0, 1},
               {"V/Rd C1", c1.EdRd, 0.9613, 4},
               {"V C2", c2.azione.V, 75.86, 2},
               {"H C2", c2.azione.H, 3.900, 3},
               {"e C2", c2.azione.e, 0.09210, 5},
               {"B' C2", c2.azione.Bp, 0.6158, 4},
               {"qlim C2", c2.portanza.qlim, 427.1, 1},
               {"Rd C2", c2.portanza.Rd, 114.4, 1},
               {"V/Rd C2", c2.EdRd, 0.6634, 4}});
    EXPECT_EQ(r.governante, 0u);
    EXPECT_TRUE(c1.verificata);
    ASSERT_TRUE(r.scorrimento);
    confronta({{"Vd", r.scorrimento->Vd, 75.86, 2},
               {"Rd,s", r.scorrimento->Rd, 39.82, 2},
               {"Hd/Rd,s", r.scorrimento->HdRd, 0.09794, 5}});
    EXPECT_TRUE(r.scorrimento->verificata);
    EXPECT_TRUE(r.verificata());
}

TEST(NtcPortanza, WaterTableDepths) {
    const struct {
        double zw;
        double EdRd;
    } casi[] = {{0.6, 0.8794}, {0, 1.167},    {1.0, 0.7621},
                {1.4, 0.7254}, {1.8, 0.6922}, {5, 0.6922}};
    for (const auto& c : casi) {
        const EsitoAnalisi r = analizza(confalda(c.zw));
        SCOPED_TRACE(c.zw);
        EXPECT_EQ(r.governa().azione.nome, Combinazione::C1);
        confronta({{"Ed/Rd", r.governa().EdRd, c.EdRd, c.EdRd > 1 ? 3 : 4}});
        EXPECT_EQ(r.governa().verificata, c.EdRd <= 1);
    }
    const EsitoAnalisi r = analizza(confalda(0.6));
    const auto& c1 = r.governa();
    confronta({{"q", c1.portanza.q, 14.51, 2},
               {"gamma2", c1.portanza.gamma2, 9.807, 3},
               {"U", c1.azione.U, 3.138, 3},
               {"qlim", c1.portanza.qlim, 395.3, 1}});
    confronta({{"dry", analizza(esempio()).governa().EdRd, 0.6922, 4}});
    // Total stresses when undrained: the water's weight is overburden, not uplift.
    DatiAnalisi u = confalda(0.6);
    u.phi = 0;
    u.c = 30;
    const EsitoAnalisi ru = analizza(u);
    const auto& cu = ru.governa();
    EXPECT_EQ(cu.azione.U, 0);
    confronta({{"q total", cu.portanza.q, 1.8 * g * 0.6 + 2.0 * g * 0.4, 3}});
}

TEST(NtcPortanza, InclinationFactorsOfEachFamily) {
    // phi 30, c 10 kPa, V 100, H 10 on B' 0,80: A = 113,86; phi 0, cu 20, H 8: H/(B'cu) = 0,5.
    const struct {
        FormulaNgamma ngamma;
        double phi, c, H;
        double ic, iq, igamma;
    } casi[] = {
        {FormulaNgamma::brinchhansen, 30, 10, 10, 0.7873, 0.7989, 0.7281},
        {FormulaNgamma::vesic, 30, 10, 10, 0.8224, 0.8321, 0.7590},
        {FormulaNgamma::ec7, 30, 10, 10, 0.8224, 0.8321, 0.7590},
        {FormulaNgamma::brinchhansen, 0, 20, 8, 0.8536, 1, 1},
        {FormulaNgamma::ec7, 0, 20, 8, 0.8536, 1, 1},
        {FormulaNgamma::vesic, 0, 20, 8, 0.8055, 1, 1},
        {FormulaNgamma::brinchhansen, 0, 20, 17, 0, 1, 1}, // H > B'cu
        {FormulaNgamma::vesic, 0, 20, 50, 0, 1, 1},        // negative taken as 0
        {FormulaNgamma::vesic, 30, 0, 150, 0, 0, 0},       // H > A
        {FormulaNgamma::brinchhansen, 30, 10, 0, 1, 1, 1},
    };
    for (const auto& c : casi) {
        DatiPortanza d;
        d.phi = c.phi;
        d.c = c.c;
        d.gamma = 18;
        d.B = d.Bp = 0.8;
        d.D = 1;
        d.V = 100;
        d.H = c.H;
        d.ngamma = c.ngamma;
        const Portanza p = portanza(d);
        SCOPED_TRACE(std::to_string(static_cast<int>(c.ngamma)) + " phi " + std::to_string(c.phi) +
                     " H " + std::to_string(c.H));
        confronta(
            {{"ic", p.ic, c.ic, 4}, {"iq", p.iq, c.iq, 4}, {"igamma", p.igamma, c.igamma, 4}});
    }
}

TEST(NtcPortanza, WindLeadingAndLargeEccentricity) {
    DatiAnalisi d = esempio();
    d.fondazione.HQk = 2;
    const EsitoAnalisi r = analizza(d);
    ASSERT_EQ(r.combinazioni.size(), 3u);
    EXPECT_EQ(nomecombinazione(r.combinazioni[1].azione.nome), "C1v");
    confronta({{"H C1", r.combinazioni[0].azione.H, 1.8, 3},
               {"V C1v", r.combinazioni[1].azione.V, 117.87, 2},
               {"H C1v", r.combinazioni[1].azione.H, 3.0, 3},
               {"H C2", r.combinazioni[2].azione.H, 3.0, 3}});

    // A thrust high above the base: e > B/3 in C2 only, which governs unverified.
    d.fondazione.HGk = 10;
    d.fondazione.zH = 1.5;
    const EsitoAnalisi x = analizza(d);
    const auto& c2 = x.combinazioni.back();
    EXPECT_FALSE(x.combinazioni[0].azione.eccessiva);
    EXPECT_FALSE(x.combinazioni[1].azione.eccessiva);
    EXPECT_TRUE(c2.azione.eccessiva);
    EXPECT_TRUE(std::isnan(c2.azione.Bp));
    EXPECT_EQ(c2.portanza.Rd, 0);
    EXPECT_TRUE(std::isinf(c2.EdRd));
    EXPECT_EQ(x.governante, 2u);
    EXPECT_FALSE(x.verificata());
}

TEST(NtcPortanza, SlidingDrainedAndUndrained) {
    const struct {
        double Vd, Hd, phi, deltaphi, c, Bp;
        double Rd, HdRd;
        bool tandelta, verificata;
    } casi[] = {
        {100, 10, 30, 1, 0, 0.8, 52.49, 0.1905, true, true},
        {100, 10, 30, 0.5, 50, 0.8, 24.36, 0.4105, true, true}, // cohesion not counted
        {100, 30, 0, 1, 30, 0.6, 16.36, 1.833, false, false},   // B' cu / 1,1
        {100, 5, 0, 1, 30, NAN, 0, INFINITY, false, false},     // no width left
    };
    for (const auto& c : casi) {
        const Scorrimento s = scorrimento(c.Vd, c.Hd, c.phi, c.deltaphi, c.c, c.Bp);
        SCOPED_TRACE(c.Hd);
        EXPECT_NEAR(s.Rd, c.Rd, 0.005);
        if (std::isinf(c.HdRd)) {
            EXPECT_TRUE(std::isinf(s.HdRd));
        } else {
            EXPECT_NEAR(s.HdRd, c.HdRd, 0.0005);
        }
        EXPECT_EQ(s.tandelta.has_value(), c.tandelta);
        EXPECT_EQ(s.verificata, c.verificata);
    }
    EXPECT_FALSE(analizza(esempio()).scorrimento); // no horizontal force
}

TEST(NtcPortanza, NewEntriesRefusedWithTheirName) {
    const struct {
        FondazioneNtc f;
        const char* nota;
    } fondazioni[] = {
        {{"-0,01", "", "", "", ""}, "L'eccentricità del muro non può essere negativa."},
        {{"0,4", "", "", "", ""}, "L'eccentricità del muro deve essere minore di B/2 = 0,40 m."},
        {{"", "-1", "", "", ""}, "La forza orizzontale permanente HGk non può essere negativa."},
        {{"", "", "-1", "", ""}, "La forza orizzontale variabile HQk non può essere negativa."},
        {{"", "", "", "-0,5", ""}, "L'altezza zH delle forze orizzontali non può essere negativa."},
        {{"", "", "", "", "0,4"}, "Il rapporto δ/φ deve essere compreso tra 0,5 e 1."},
        {{"", "", "", "", "1,1"}, "Il rapporto δ/φ deve essere compreso tra 0,5 e 1."},
        {{"", "3,,5", "", "", ""},
         "Dato non leggibile come numero: \"3,,5\" (forza orizzontale permanente HGk). "
         "Correggere il valore."},
    };
    for (const auto& c : fondazioni) {
        std::string nota;
        EXPECT_FALSE(leggifondazionentc(c.f, 0.8, nota));
        EXPECT_EQ(nota, c.nota);
    }
    std::string nota;
    const auto d = leggifondazionentc({"0,39", "3", "", "1", "0,5"}, 0.8, nota);
    ASSERT_TRUE(d) << nota;
    EXPECT_EQ(d->deltaphi, 0.5);
    EXPECT_EQ(leggifondazionentc({}, 0.8, nota)->deltaphi, 1);

    const struct {
        FaldaNtc f;
        const char* nota;
    } falde[] = {
        {{"-1", "2"}, "La profondità della falda non può essere negativa."},
        {{"1,7", ""},
         "Manca il peso specifico saturo del terreno: la falda è a meno di D + B dal piano "
         "campagna."},
        {{"0,5", "1"}, "Il peso specifico saturo del terreno deve essere maggiore di 1 t/mc."},
    };
    for (const auto& c : falde) {
        std::string n;
        EXPECT_FALSE(leggifalda(c.f, 0.8, 1, n));
        EXPECT_EQ(n, c.nota);
    }
    EXPECT_TRUE(leggifalda({"1,8", ""}, 0.8, 1, nota)); // below D + B: no weight needed
    EXPECT_FALSE(leggifalda({}, 0.8, 1, nota)->zw);
}

// The check of a job: the example job on a footing 0,80 m wide.
namespace {

DatiCalcolo largo() {
    DatiCalcolo d = esempiolavorato();
    d.largh[1] = "0,8";
    return d;
}

} // namespace

TEST(NtcPortanza, JobCheckGivesTheGoverningCombinationEverywhere) {
    OpzioniNtc o;
    o.fondazioni[1] = {"0,05", "3", "", "1", ""};
    const VerificaNtc v = verificantc(largo(), 1, o);
    ASSERT_TRUE(v.calcolata) << v.nota;
    confronta({{"Ed", v.Ed, 124.0, 1}, {"Rd", v.Rd, 129.0, 1}, {"Ed/Rd", v.EdRd, 0.9613, 4}});
    EXPECT_TRUE(v.estesa);
    EXPECT_EQ(v.esitocomplessivo(), "VERIFICATA");

    DatiCalcolo d = largo();
    auto fondazioni = calcolatutte(d);
    const std::string json = prospettojson(d, fondazioni, &o);
    for (const char* atteso :
         {"\"combinazione\": \"C1\", \"Hd\": 3.9", "\"scorrimento\": {\"Vd\": 75.86",
          "\"tan_delta\": 0.577", "\"esito_complessivo\": \"VERIFICATA\""}) {
        EXPECT_NE(json.find(atteso), std::string::npos) << atteso;
    }
    const std::string testo = prospetto(d, fondazioni, &o);
    for (const char* atteso : {"    C2: V = 75,86 kN/m, H = 3,90 kN/m, e = 0,092 m, B′ = 0,616 m",
                               "    scorrimento: Hd = 3,90 kN/m, Rd = 39,82 kN/m, Hd/Rd = 0,098, "
                               "VERIFICATA"}) {
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
    }

    // A thrust that takes the load out of the middle third.
    o.fondazioni[1] = {"", "10", "", "3", ""};
    const VerificaNtc x = verificantc(largo(), 1, o);
    EXPECT_FALSE(x.verificata);
    EXPECT_EQ(x.nota, "eccentricità maggiore di B/3");
    EXPECT_NE(prospettojson(d, fondazioni, &o).find("\"Rd\": 0, \"EdRd\": null"),
              std::string::npos);

    // Damaged entries stop the check of that foundation only, with the note.
    o.fondazioni[1] = {"", "", "", "", "2"};
    EXPECT_EQ(verificantc(largo(), 1, o).nota, "Il rapporto δ/φ deve essere compreso tra 0,5 e 1.");
    o.fondazioni[1] = {};
    o.falda = {"0,5", ""};
    EXPECT_EQ(verificantc(largo(), 1, o).nota,
              "Manca il peso specifico saturo del terreno: la falda è a meno di D + B dal piano "
              "campagna.");
    o.falda = {"0,6", "2"};
    confronta({{"Ed/Rd falda", verificantc(largo(), 1, o).EdRd, 0.8794, 4}});
}
