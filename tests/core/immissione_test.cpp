#include "zocal/core/immissione.h"

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
    for (const auto& [dentro, fuori] : casi) {
        const EsitoValidazione e = validadato(dentro, mod);
        EXPECT_EQ(e.datocorretto, fuori) << dentro;
        EXPECT_FALSE(e.rifiuto.has_value()) << dentro;
        EXPECT_FALSE(e.avviso.has_value()) << dentro;
        EXPECT_FALSE(e.puntoscartato) << dentro;
        EXPECT_EQ(e.datoimmesso, dentro);
    }
}

// A point typed as decimal separator changes the number by a power of ten:
// the cleaned text is kept, but never silently.
TEST(Validadato, DroppedPointKeepsTheCleanedTextWithTheMessage) {
    const ModZocal mod = inizializzato();
    const std::pair<const char*, const char*> casi[] = {
        {"1.5", "15"}, {"0.30", "030"}, {"1.800", "1800"}, {"1.", "1"}, {"a.5", "5"}, {"-.5", "-5"},
    };
    for (const auto& [dentro, fuori] : casi) {
        const EsitoValidazione e = validadato(dentro, mod);
        EXPECT_EQ(e.datocorretto, fuori) << dentro;
        EXPECT_TRUE(e.puntoscartato) << dentro;
        EXPECT_FALSE(e.rifiuto.has_value()) << dentro;
        ASSERT_TRUE(e.avviso.has_value()) << dentro;
        EXPECT_EQ(e.avviso->testo, "Attenzione! il dato digitato non è corretto: usare solo "
                                   "numeri e la virgola per i decimali.");
        EXPECT_EQ(e.avviso->icona, Icona::stop);
        EXPECT_EQ(e.avviso->titolo, "Zocal: controllo dati immessi nella finestra attiva");
    }
    // Nothing left: a refusal, with the message given once.
    const EsitoValidazione solo = validadato(".", mod);
    EXPECT_TRUE(solo.rifiuto.has_value());
    EXPECT_FALSE(solo.avviso.has_value());
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
