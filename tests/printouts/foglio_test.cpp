#include "zocal/printouts/foglio.h"
#include "zocal/printouts/registratore.h"

#include <gtest/gtest.h>

namespace zocal {
namespace {

struct FoglioTest : ::testing::Test {
    RegistratoreStampa carta;
    Foglio foglio{carta};
};

TEST(Elemento, StampatoSecondoIlTipo) {
    EXPECT_EQ(Elemento::testo("1200,5").stampato(), "1200,5");
    EXPECT_EQ(Elemento::numero(1200.5).stampato(), " 1200,5 ");
    // The minus takes the sign position.
    EXPECT_EQ(Elemento::numero(-5).stampato(), "-5 ");
    EXPECT_EQ(Elemento::numero(0.1 + 0.2).stampato(), " 0,3 ");
    EXPECT_EQ(Elemento::da(Cella()).stampato(), "");
    EXPECT_TRUE(Elemento::da(Cella("")).vuoto());
    EXPECT_TRUE(Elemento::testo("").vuoto());
    EXPECT_TRUE(Elemento::da(Cella(3.4)).eNumero());
    EXPECT_FALSE(Elemento::da(Cella("3,4")).eNumero());
}

TEST(Elemento, ColonnaDecimale) {
    EXPECT_EQ(colonnadecimale(11, Elemento::testo("450")), 8);
    EXPECT_EQ(colonnadecimale(11, Elemento::testo("1200,5")), 7);
    EXPECT_EQ(colonnadecimale(11, Elemento::testo(",5")), 11);
    // A negative value is placed by the digits of its absolute value.
    EXPECT_EQ(colonnadecimale(18, Elemento::testo("-5")), 17);
    EXPECT_EQ(colonnadecimale(18, Elemento::numero(-12.5)), 16);
    EXPECT_EQ(colonnadecimale(116, Elemento::numero(3.4)), 115);
    // Too many digits for the room on the left: from the margin.
    EXPECT_EQ(colonnadecimale(11, Elemento::testo("123456789012345")), 1);
}

TEST_F(FoglioTest, ColonnaSullaRigaOSullaSuccessiva) {
    foglio.a(10, "abc").a(20, "def");
    foglio.acapo();
    foglio.a(5, "123456").a(8, "x");
    foglio.acapo();
    ASSERT_EQ(carta.nrighe(), 3u);
    EXPECT_EQ(carta.testo(0), "         abc       def");
    EXPECT_EQ(carta.testo(1), "    123456");
    // Already past column 8: column 8 of the next line.
    EXPECT_EQ(carta.testo(2), "       x");
}

TEST_F(FoglioTest, ColonnaAppenaRaggiuntaRestaSullaRiga) {
    foglio.a(1, "abcd").a(5, "e");
    foglio.acapo();
    EXPECT_EQ(carta.testo(0), "abcde");
    EXPECT_EQ(carta.nrighe(), 1u);
}

TEST_F(FoglioTest, ElementoVuotoNonStampaNeSposta) {
    foglio.a(1, "abcdefghij").a(3, Elemento()).a(12, "z");
    foglio.acapo();
    EXPECT_EQ(carta.testo(0), "abcdefghij z");
    EXPECT_EQ(carta.nrighe(), 1u);
}

TEST_F(FoglioTest, RigaVuotaEdEsecuzioneSenzaColonna) {
    foglio.acapo();
    foglio.a(10, "Fondazione n.").scrivi(Elemento::numero(3));
    foglio.acapo();
    EXPECT_EQ(carta.testo(0), "");
    EXPECT_EQ(carta.testo(1), "         Fondazione n. 3");
    EXPECT_EQ(carta.colonnadi(1, "3"), 24);
}

TEST_F(FoglioTest, IlBiancoDopoUnNumeroCedeIlPosto) {
    // " 50,04 " from 88 ends with its blank in 94; sigma's sign blank wants 94.
    foglio.a(88, Elemento::numero(50.04)).a(94, Elemento::numero(1.67));
    foglio.acapo();
    EXPECT_EQ(carta.nrighe(), 1u);
    EXPECT_EQ(carta.colonnadi(0, "50,04 1,67"), 89);
    // A text's last character is never given up.
    foglio.a(1, "abc").a(3, "x");
    foglio.acapo();
    EXPECT_EQ(carta.testo(1), "abc");
    EXPECT_EQ(carta.testo(2), "  x");
    // Nor is a number's digit.
    foglio.a(1, Elemento::numero(123)).a(4, Elemento::numero(4));
    foglio.acapo();
    EXPECT_EQ(carta.testo(3), " 123");
    EXPECT_EQ(carta.testo(4), "    4");
    // A text or a negative number would touch the digits: next line.
    foglio.a(1, Elemento::numero(7)).a(3, "z");
    foglio.acapo();
    foglio.a(1, Elemento::numero(7)).a(3, Elemento::numero(-8));
    foglio.acapo();
    EXPECT_EQ(carta.testo(5), " 7");
    EXPECT_EQ(carta.testo(6), "  z");
    EXPECT_EQ(carta.testo(7), " 7");
    EXPECT_EQ(carta.testo(8), "  -8");
}

TEST_F(FoglioTest, CambioDiDimensioneContaLeColonneNelNuovoCarattere) {
    foglio.dimensione(12);
    foglio.a(1, "0123456789");
    // Ten 12-point cells are fifteen 8-point cells.
    foglio.dimensione(8);
    EXPECT_DOUBLE_EQ(foglio.colonnacorrente(), 16);
    foglio.a(16, "x");
    foglio.acapo();
    EXPECT_EQ(carta.testo(0), "0123456789     x");
    EXPECT_EQ(carta.righe()[0].punti, 8);
}

TEST_F(FoglioTest, SoloCaratteriStampabili) {
    foglio.a(1, "a\tb\nc\x7F"
                "d");
    foglio.a(10, "pi\xC3\xB9 \xFF!");
    foglio.acapo();
    // Accented letters take one cell; control characters become blanks;
    // broken UTF-8 a replacement mark.
    EXPECT_EQ(carta.testo(0), "a b c d  pi\xC3\xB9 \xEF\xBF\xBD!");
    EXPECT_EQ(carta.colonnadi(0, "!"), 15);
}

TEST(CaratteriStampabili, SequenzeMalformate) {
    EXPECT_EQ(caratteristampabili("\xC3"), U"\uFFFD");
    EXPECT_EQ(caratteristampabili("\xC0\xAF"), U"\uFFFD\uFFFD");
    EXPECT_EQ(caratteristampabili("\xED\xA0\x80x"), U"\uFFFDx");
    EXPECT_EQ(caratteristampabili("\xF0\x9F\x98\x80"), U"\U0001F600");
    EXPECT_EQ(utf8(caratteristampabili("\xE2\x82\xAC 5")), "\xE2\x82\xAC 5");
}

// A page 30 cells wide at 12 points.
struct FoglioStrettoTest : FoglioTest {
    void SetUp() override { carta.larghezzapunti = 30 * 0.6 * 12; }
};

TEST_F(FoglioStrettoTest, TestoLungoProsegueSottoSeStesso) {
    foglio.a(10, "uno due tre quattro cinque sei");
    foglio.acapo();
    ASSERT_EQ(carta.nrighe(), 2u);
    EXPECT_EQ(carta.testo(0), "         uno due tre quattro");
    EXPECT_EQ(carta.testo(1), "         cinque sei");
}

TEST_F(FoglioStrettoTest, NumeroSenzaSpazioScendeIntero) {
    foglio.a(1, "abcdefghijklmnopqrstuvwxy").a(26, Elemento::numero(1234.5));
    foglio.acapo();
    ASSERT_EQ(carta.nrighe(), 2u);
    // Its own column is too near the edge, so it starts again at the margin.
    EXPECT_EQ(carta.testo(1), " 1234,5");
}

TEST_F(FoglioStrettoTest, ParolaPiuLargaDellaPaginaTagliata) {
    foglio.a(25, std::string(40, 'x'));
    foglio.acapo();
    // Column 25 leaves too little room: the rest goes on from the margin.
    ASSERT_EQ(carta.nrighe(), 3u);
    EXPECT_EQ(carta.testo(0), std::string(24, ' ') + std::string(6, 'x'));
    EXPECT_EQ(carta.testo(1), std::string(30, 'x'));
    EXPECT_EQ(carta.testo(2), std::string(4, 'x'));
}

TEST_F(FoglioStrettoTest, TestoMoltoLungoSuMigliaiaDiRigheSenzaPerdite) {
    // Thousands of lines from one text: each starts where the one before
    // stopped, none longer than the page, no word lost or cut.
    std::string lungo;
    for (int i = 0; i < 5000; ++i) {
        lungo += "parola" + std::to_string(i) + " ";
    }
    foglio.a(1, lungo);
    foglio.acapo();
    ASSERT_GT(carta.nrighe(), 1000u);
    std::string letto;
    for (std::size_t n = 0; n < carta.nrighe(); ++n) {
        const std::string riga = carta.testo(n);
        EXPECT_LE(riga.size(), 30u) << n;
        EXPECT_NE(riga.front(), ' ') << n;
        letto += riga + " ";
    }
    EXPECT_EQ(letto, lungo);
}

TEST_F(FoglioStrettoTest, BiancoFinaleOltreIlBordoNonVaACapo) {
    foglio.a(26, Elemento::numero(3.33));
    foglio.acapo();
    EXPECT_EQ(carta.nrighe(), 1u);
    EXPECT_EQ(carta.colonnadi(0, "3,33"), 27);
}

} // namespace
} // namespace zocal
