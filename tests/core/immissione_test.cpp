#include "zocal/core/immissione.h"

#include "esempio.h"
#include "zocal/core/modzocal.h"

#include <gtest/gtest.h>

using namespace zocal;

namespace {
ModZocal inizializzato() {
    ModZocal m;
    m.inizializza();
    return m;
}
} // namespace

TEST(Validadato, KeepsDigitsCommaAndMinusSilently) {
    const ModZocal mod = inizializzato();
    const std::pair<const char*, const char*> casi[] = {
        {"12a,5", "12,5"},  {"3 5", "35"}, {"-5", "-5"},     {"5-", "5-"},
        {"1,2,3", "1,2,3"}, {"+7", "7"},   {" 4 0 ", "40"},  {"à1", "1"},
        {"", ""},           {",", ""},     {"0,30", "0,30"},
    };
    for (TipoDato tipo : {TipoDato::decimale, TipoDato::intero}) {
        for (const auto& [dentro, fuori] : casi) {
            const EsitoValidazione e = validadato(dentro, mod, tipo, "9");
            EXPECT_EQ(e.datocorretto, fuori) << dentro;
            EXPECT_FALSE(e.rifiuto.has_value()) << dentro;
            EXPECT_EQ(e.nota, "") << dentro;
            EXPECT_EQ(e.datoimmesso, dentro);
        }
    }
}

// "1.5" must never become 15: a decimal field reads the point as the comma,
// a whole-number field as a thousands separator or not at all.
TEST(Validadato, APointIsTheCommaOrSeparatesThousandsOrKeepsThePreviousText) {
    const ModZocal mod = inizializzato();
    const auto decimale = TipoDato::decimale;
    const auto intero = TipoDato::intero;
    struct Caso {
        TipoDato tipo;
        const char* dentro;
        const char* fuori;
        const char* nota;
    };
    const std::string virgola = "Il punto è stato letto come virgola decimale: ";
    const std::string migliaia = "Il punto è stato letto come separatore delle migliaia: ";
    const std::string rifiuto = "Punto non accettato: in questo campo (numero intero) il punto "
                                "separa solo le migliaia, come in 1.800. Il dato resta ";
    const Caso casi[] = {
        {decimale, "1.5", "1,5", "1,5."},
        {decimale, "0.30", "0,30", "0,30."},
        {decimale, "1.800", "1,800", "1,800."},
        {decimale, "1.", "1,", "1,."},
        {decimale, "-.5", "-,5", "-,5."},
        {intero, "1.800", "1800", "1800."},
        {intero, "12.500.000", "12500000", "12500000."},
        {intero, "1.800,5", "1800,5", "1800,5."},
        {intero, "1.5", "30", "30."},
        {intero, "1.", "30", "30."},
        {intero, "1.8000", "30", "30."},
        {intero, ".800", "30", "30."},
        {intero, "1..800", "30", "30."},
    };
    for (const Caso& c : casi) {
        const EsitoValidazione e = validadato(c.dentro, mod, c.tipo, "30");
        EXPECT_EQ(e.datocorretto, c.fuori) << c.dentro;
        EXPECT_FALSE(e.rifiuto.has_value()) << c.dentro;
        const std::string& testa = c.tipo == decimale             ? virgola
                                   : std::string(c.fuori) == "30" ? rifiuto
                                                                  : migliaia;
        EXPECT_EQ(e.nota, testa + c.nota) << c.dentro;
    }
    EXPECT_EQ(validadato("2.5", mod, intero, "").nota, rifiuto + "vuoto.");
    // Nothing left but the comma: a refusal.
    EXPECT_TRUE(validadato(".", mod, decimale).rifiuto.has_value());
}

TEST(Fuoriintervallo, WarnsOfTheFirstEntryOutsideItsUsualRange) {
    struct Caso {
        void (*imposta)(DatiCalcolo&);
        const char* avviso;
    };
    const Caso casi[] = {
        {[](DatiCalcolo&) {}, ""},
        {[](DatiCalcolo& d) { d.largh[1] = "15"; },
         "Attenzione: larghezza della fondazione n. 1 15 m, fuori dall'intervallo usuale "
         "0,2–5 m: controllare il dato."},
        {[](DatiCalcolo& d) { d.prof[1] = "12"; }, "profondità della fondazione n. 1 12 m"},
        {[](DatiCalcolo& d) { d.spess(2, 1) = "3"; }, "spessore del muro del piano n. 2 3 m"},
        {[](DatiCalcolo& d) { d.interas(1, 1) = "1,5"; }, "interasse del piano del piano n. 1"},
        {[](DatiCalcolo& d) { d.lungh(1, 1) = "16"; }, "0–15 m"},
        {[](DatiCalcolo& d) { d.spem(1, 1) = "180"; }, "1000–3000 kg/mc"},
        {[](DatiCalcolo& d) { d.pesol(2, 1) = "1501"; }, "0–1500 kg/mq"},
        {[](DatiCalcolo& d) { d.sovr(2, 1) = "-1"; }, "0–2000 kg/mq"},
        {[](DatiCalcolo& d) { d.pepav(2, 1) = "600"; }, "0–500 kg/mq"},
        {[](DatiCalcolo& d) { d.tram(2, 1) = "6000"; }, "0–5000 kg/m"},
        {[](DatiCalcolo& d) { d.pesos = "18"; }, "peso specifico del terreno 18 t/mc"},
        {[](DatiCalcolo& d) { d.coes = "60"; }, "coesione 60 t/mq"},
        {[](DatiCalcolo& d) { d.attr = "55"; }, "angolo di attrito 55 gradi"},
        {[](DatiCalcolo& d) { d.largh[1] = "0,2"; }, ""},  // the bounds are inside
        {[](DatiCalcolo& d) { d.largh[1] = "1,,5"; }, ""}, // unreadable: its own note
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        c.imposta(d);
        const std::string a = fuoriintervallo(d, 1);
        if (std::string(c.avviso).empty()) {
            EXPECT_EQ(a, "");
        } else {
            EXPECT_NE(a.find(c.avviso), std::string::npos) << a;
        }
    }
}

TEST(Validadato, RefusesWithTheMessage) {
    const ModZocal mod = inizializzato();
    for (const char* t : {"abc", "-", "+", ".", "àè"}) {
        const EsitoValidazione e = validadato(t, mod);
        EXPECT_EQ(e.datocorretto, "") << t;
        EXPECT_EQ(e.datoimmesso, "") << t;
        ASSERT_TRUE(e.rifiuto.has_value()) << t;
        EXPECT_EQ(e.rifiuto->testo, "Attenzione! il dato digitato non è corretto: usare solo "
                                    "numeri e la virgola per i decimali.");
        EXPECT_EQ(e.rifiuto->icona, Icona::stop);
        EXPECT_EQ(e.rifiuto->titolo, "Zocal: controllo dati immessi nella finestra attiva");
    }
}

TEST(Cifreintere, DigitsBeforeTheSeparator) {
    const std::pair<const char*, int> casi[] = {
        {"12,5", 2}, {"12", 2}, {",5", 0}, {"-12,5", 2}, {"1234", 4}, {"1.5", 1}, {"0,65", 1},
    };
    for (const auto& [testo, cifre] : casi) {
        EXPECT_EQ(cifreintere(testo).ncifre, cifre) << testo;
    }
    EXPECT_EQ(cifreintere("-12,5").testonumero, "12");
    EXPECT_EQ(cifreintere("12,5").testonumero, "12,5");
}

TEST(Cifreintere, EmptyTextGivesNoValue) {
    EXPECT_FALSE(cifreintere("").ncifre.has_value());
}
