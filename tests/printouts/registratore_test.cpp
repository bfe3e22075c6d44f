#include "zocal/printouts/registratore.h"

#include <gtest/gtest.h>

namespace zocal {
namespace {

TEST(Registratore, GrigliaDiCaratteri) {
    RegistratoreStampa r;
    r.scrivi(5, "abc");
    r.scrivi(2, "xy");
    r.scrivi(6, "Z");
    r.nuovalinea();
    r.scrivi(1, "profondit\xC3\xA0");
    EXPECT_EQ(r.testo(0), " xy aZc");
    EXPECT_EQ(r.testo(1), "profondit\xC3\xA0");
    EXPECT_EQ(r.colonnadi(0, "Zc"), 6);
    EXPECT_EQ(r.colonnadi(0, "q"), 0);
    EXPECT_EQ(r.rigadi("\xC3\xA0"), 1);
    EXPECT_EQ(r.rigadi("assente"), -1);
    EXPECT_EQ(r.tutto(), " xy aZc\nprofondit\xC3\xA0\n");
}

TEST(Registratore, PosizioneVerticaleEDimensioni) {
    RegistratoreStampa r;
    r.posizioneverticale(800);
    r.dimensione(18);
    r.carattere("Courier New");
    r.scrivi(7, "titolo");
    r.nuovalinea();
    r.dimensione(12);
    r.nuovalinea();
    ASSERT_EQ(r.righe().size(), 3u);
    EXPECT_EQ(r.righe()[0].punti, 18);
    EXPECT_EQ(r.righe()[0].carattere, "Courier New");
    EXPECT_DOUBLE_EQ(r.righe()[0].twip, 800);
    EXPECT_DOUBLE_EQ(r.righe()[1].twip, 800 + altezzariga(18));
    EXPECT_EQ(r.righe()[1].punti, 12);
    EXPECT_DOUBLE_EQ(r.righe()[2].twip, 800 + altezzariga(18) + altezzariga(12));
    // The empty line in progress is not a line of the printout.
    EXPECT_EQ(r.nrighe(), 2u);
}

TEST(Registratore, OgniDocumentoSuUnFoglioNuovo) {
    RegistratoreStampa r;
    r.scrivi(1, "primo");
    r.fine();
    EXPECT_EQ(r.testo(0), "primo");
    r.posizioneverticale(1000);
    r.scrivi(1, "secondo");
    r.fine();
    EXPECT_EQ(r.documenti(), 2);
    ASSERT_EQ(r.precedenti().size(), 1u);
    EXPECT_EQ(r.nrighe(), 1u);
    EXPECT_EQ(r.testo(0), "secondo");
    EXPECT_DOUBLE_EQ(r.righe()[0].twip, 1000);
}

TEST(Registratore, GuastoAllaOperazioneStabilita) {
    RegistratoreStampa r;
    r.guastoallaoperazione = 3;
    r.scrivi(1, "a");
    r.nuovalinea();
    EXPECT_THROW(r.scrivi(1, "b"), GuastoStampante);
    EXPECT_EQ(r.operazioni(), 3);
    EXPECT_EQ(r.testo(1), "");
}

TEST(Registratore, LarghezzaInCelleDelCarattereCorrente) {
    RegistratoreStampa r;
    EXPECT_EQ(r.colonne(), 0);
    r.larghezzapunti = 576;
    r.dimensione(8);
    EXPECT_NEAR(r.colonne(), 120, 1e-9);
    r.dimensione(12);
    EXPECT_NEAR(r.colonne(), 80, 1e-9);
}

TEST(SceltaRegistrata, RisposteDelDialogo) {
    SceltaRegistrata s;
    EXPECT_EQ(s.scegli(), &s.registratore);
    s.annulla = true;
    EXPECT_EQ(s.scegli(), nullptr);
    s.guasto = "nessuna stampante";
    EXPECT_THROW(s.scegli(), GuastoStampante);
    EXPECT_EQ(s.richieste, 3);
}

} // namespace
} // namespace zocal
