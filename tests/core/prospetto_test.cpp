#include "zocal/core/prospetto.h"

#include "esempio.h"
#include "zocal/core/citazione.h"

#include <gtest/gtest.h>

using namespace zocal;

TEST(Prospetto, EveryFoundationComputedInOrder) {
    DatiCalcolo d = esempiolavorato();
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 1, 2) = d.piano(vociingresso[k], 1, 1);
    }
    d.prof[2] = "1";
    d.largh[2] = "0,4";
    d.contadati();
    const auto fondazioni = calcolatutte(d);
    ASSERT_EQ(fondazioni.size(), 2u);
    EXPECT_EQ(fondazioni[1].numero, 2);
    EXPECT_EQ(d.verifica[1].testo(), "verificata");
    EXPECT_FALSE(d.verifica[2].vuota());
}

TEST(Prospetto, EmptyJob) {
    DatiCalcolo d;
    EXPECT_EQ(prospettojson(d, calcolatutte(d)), "{\"nfond\": 0, \"fondazioni\": []}");
    EXPECT_NE(prospetto(d, {}).find("Nessuna fondazione"), std::string::npos);
}

TEST(Prospetto, JsonEscapesTheNote) {
    DatiCalcolo d = esempiolavorato();
    d.spess(2, 1) = "1,2,3";
    const std::string j = prospettojson(d, calcolatutte(d));
    EXPECT_NE(j.find("\"note\": \"Dato non leggibile come numero: \\\"1,2,3\\\""),
              std::string::npos)
        << j;
    EXPECT_NE(j.find("\"scar\": \"4220\", \"scartot\": \"\""), std::string::npos) << j;
}

// File content in messages: at most 80 characters, control characters and
// stray bytes as \xNN, so no terminal escape and no 10 MB line reach the user.
TEST(Citazione, CutAndControlCharactersShown) {
    const struct {
        std::string testo;
        std::string citato;
    } casi[] = {
        {"Vesic", "Vesic"},
        {"\x1B[31mrosso\x07", "\\x1B[31mrosso\\x07"},
        {"a\r\nb\tc\x7F", "a\\x0D\\x0Ab\\x09c\\x7F"},
        {"\xC2\x9B"
         "2J",
         "\\x9B2J"},
        {"citt\xE0 \xC0\xAF", "citt\\xE0 \\xC0\\xAF"},
        {"città è", "città è"},
        {std::string(80, 'x'), std::string(80, 'x')},
        {std::string(10'000'000, '9'), std::string(80, '9') + "…"},
        {std::string(79, 'x') + "àè", std::string(79, 'x') + "à…"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(citazione(c.testo), c.citato) << c.testo.substr(0, 20);
    }
}

// Strict JSON parsers refuse a string that is not UTF-8.
TEST(Json, StrayBytesBecomeTheReplacementCharacter) {
    EXPECT_EQ(testojson("Zocal-dati-citt\xE0"), "\"Zocal-dati-citt\uFFFD\"");
    EXPECT_EQ(testojson("a\xED\xA0\x80z"), "\"a\uFFFD\uFFFD\uFFFDz\"");
    EXPECT_EQ(testojson("città \"€\"\n"), "\"città \\\"€\\\"\\n\"");
}
