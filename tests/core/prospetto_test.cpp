#include "zocal/core/prospetto.h"

#include "esempio.h"

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
