#include "zocal/archive/scrittura.h"

#include "lavori.h"
#include "zocal/archive/lettura.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace zocal {
namespace {

using prova::scritto;

int righe(const std::string& s) {
    int n = 0;
    for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2)) {
        ++n;
    }
    return n;
}

TEST(Scrittura, ByteEsattiDiUnLavoroPiccolo) {
    const std::string atteso = "1\r\n"
                               "\"0,80\",\"0,60\",2,\"1,5\"\r\n"
                               "\"300\",\"200\",\"4,5\",\"80\",\"\",\"0,40\",\"3,20\",\"1600\"\r\n"
                               "\"300\",\"200\",\"4,5\",\"80\",\"\",\"0,40\",\"3,20\",\"1600\"\r\n"
                               "\"0\",\"1,8\",\"0\",\"30\"\r\n"
                               "\"edificio a due piani\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                               "\"\",\"\",\"\",\"\"\r\n"
                               "\"\",\"Forl\xEC\",\"Rossi\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(scritto(prova::lavoropiccolo()), atteso);
}

TEST(Scrittura, UnaRigaPerRecordInterpolandoFondazioniEPiani) {
    Lavoro l;
    l.dati.nfond = 2;
    l.dati.npiani[1] = 3;
    l.dati.npiani[2] = 2;
    for (int f = 1; f <= 2; ++f) {
        l.dati.prof[f] = "1";
        for (int i = 1; i <= l.dati.npiani[f]; ++i) {
            l.dati.pesol(i, f) = std::to_string(f * 100 + i);
        }
    }
    const std::string s = scritto(l);
    EXPECT_EQ(righe(s), 1 + (1 + 3) + (1 + 2) + 3);
    // No bare LF anywhere: every line ends with CR LF.
    std::size_t lf = 0;
    for (std::size_t p = 0; p < s.size(); ++p) {
        if (s[p] == '\n') {
            ++lf;
            EXPECT_EQ(s[p - 1], '\r');
        }
    }
    EXPECT_EQ(lf, 11u);
    // Storeys follow their own foundation.
    const auto f1 = s.find("\"1\",,3,");
    const auto p13 = s.find("\"103\"");
    const auto f2 = s.find("\"1\",,2,");
    const auto p21 = s.find("\"201\"");
    ASSERT_NE(f1, std::string::npos);
    EXPECT_LT(f1, p13);
    EXPECT_LT(p13, f2);
    EXPECT_LT(f2, p21);
}

TEST(Scrittura, NumeriNudiConIlPuntoCelleVuoteETestiVuoti) {
    Lavoro l = prova::lavoropiccolo();
    l.dati.sigmat[1] = Cella(1.25);
    l.dati.largh[1] = Cella();
    l.dati.prof[1] = Cella(0.5);
    const std::string s = scritto(l);
    EXPECT_NE(s.find("\r\n0.5,,2,1.25\r\n"), std::string::npos) << s;

    l.dati.sigmat[1] = Cella(-3.0);
    l.dati.largh[1] = Cella("");
    EXPECT_NE(scritto(l).find("\r\n0.5,\"\",2,-3\r\n"), std::string::npos);

    l.dati.sigmat[1] = Cella(0.1 + 0.2);
    EXPECT_NE(scritto(l).find(",2,0.3\r\n"), std::string::npos);
}

TEST(Scrittura, ScriveIConteggiComeSonoEnonOltre) {
    Lavoro l = prova::lavoropiccolo();
    // Foundation 2 without depth still counts as written; foundation 3 lies beyond nfond.
    l.dati.nfond = 2;
    l.dati.npiani[2] = 0;
    l.dati.prof[3] = "9,99";
    l.dati.pesol(3, 1) = "777"; // beyond npiani(1)
    const std::string s = scritto(l);
    EXPECT_EQ(s.substr(0, 3), "2\r\n");
    EXPECT_NE(s.find("\r\n,,0,\r\n"), std::string::npos);
    EXPECT_EQ(s.find("9,99"), std::string::npos);
    EXPECT_EQ(s.find("777"), std::string::npos);
    EXPECT_EQ(righe(s), 1 + 3 + 1 + 3);
}

// Storeys 1 and 3 typed, storey 2 not; foundations 1 and 3 with a depth,
// foundation 2 without: recounted, saved and read back, nothing typed is lost.
TEST(Scrittura, UnLavoroConDeiVuotiTornaIntero) {
    Lavoro l = prova::lavoropiccolo();
    l.dati.pesol(3, 1) = "777";
    l.dati.spem(3, 1) = "1900";
    l.dati.pesol(2, 1) = "";
    l.dati.prof[3] = "9,99";
    l.dati.pesol(1, 3) = "555";
    l.dati.contadati();
    const std::string s = scritto(l);
    EXPECT_EQ(s.substr(0, 3), "3\r\n");
    EXPECT_NE(s.find("777"), std::string::npos);
    EXPECT_NE(s.find("9,99"), std::string::npos);
    EXPECT_NE(s.find("555"), std::string::npos);
    EXPECT_EQ(righe(s), 1 + (1 + 3) + 1 + (1 + 1) + 3);
    Lavoro letto;
    ASSERT_TRUE(leggilavoro(s, letto).riuscita());
    EXPECT_EQ(letto.dati.pesol(3, 1).testo(), "777");
    EXPECT_EQ(letto.dati.spem(3, 1).testo(), "1900");
    EXPECT_EQ(letto.dati.prof[3].testo(), "9,99");
    EXPECT_EQ(letto.dati.pesol(1, 3).testo(), "555");
    letto.dati.contadati();
    EXPECT_EQ(letto.dati.nfond, 3);
    EXPECT_EQ(letto.dati.npiani[1], 3);
}

TEST(Scrittura, TestiInWindows1252ConSostituzioniSegnalate) {
    Lavoro l = prova::lavoropiccolo();
    l[Descrizione::giudizio] = "terreno \"buono\" più che sufficiente";
    l[Frontespizio::committente] = "Wałęsa ✓";
    l[Frontespizio::localita] = "Forlì €";
    EsitoScrittura e = scrivilavoro(l);
    ASSERT_TRUE(e.riuscita());
    EXPECT_NE(e.byte.find("\"terreno \x94"
                          "buono\x94 pi\xF9 che sufficiente\"\r\n"),
              std::string::npos);
    EXPECT_NE(e.byte.find(",\"Forl\xEC \x80\",\"Wa??sa ?\","), std::string::npos);
    EXPECT_EQ(e.sostituzioni.caratteriperduti, std::vector<std::string>{"committente"});
    EXPECT_EQ(e.sostituzioni.virgolette, std::vector<std::string>{"giudizio"});
    EXPECT_FALSE(e.sostituzioni.nessuna());
    const std::string avviso = e.sostituzioni.avviso();
    EXPECT_NE(avviso.find("committente"), std::string::npos);
    EXPECT_NE(avviso.find("giudizio"), std::string::npos);

    e = scrivilavoro(prova::lavoropiccolo());
    EXPECT_TRUE(e.sostituzioni.nessuna());
    EXPECT_EQ(e.sostituzioni.avviso(), "");
}

TEST(Scrittura, RifiutaUnLavoroCheNonSiPotrebbeRileggere) {
    struct Caso {
        const char* nome;
        void (*guasta)(Lavoro&);
        const char* parola;
    };
    const Caso casi[] = {
        {"nfond", [](Lavoro& l) { l.dati.nfond = 11; }, "fondazioni"},
        {"nfond negativo", [](Lavoro& l) { l.dati.nfond = -1; }, "fondazioni"},
        {"npiani", [](Lavoro& l) { l.dati.npiani[1] = 12; }, "piani della fondazione 1"},
        {"testo", [](Lavoro& l) { l.dati.pesol(2, 1) = "3a"; }, "pesol del piano 2"},
        {"virgolette", [](Lavoro& l) { l.dati.prof[1] = "1\"2"; }, "prof della fondazione 1"},
        {"NaN", [](Lavoro& l) { l.dati.sigmat[1] = std::nan(""); }, "sigmat"},
        {"infinito", [](Lavoro& l) { l.dati.coes = std::numeric_limits<double>::infinity(); },
         "coes"},
        {"massimo", [](Lavoro& l) { l.dati.attr = std::numeric_limits<double>::max(); }, "attr"},
    };
    for (const Caso& c : casi) {
        Lavoro l = prova::lavoropiccolo();
        c.guasta(l);
        const EsitoScrittura e = scrivilavoro(l);
        EXPECT_FALSE(e.riuscita()) << c.nome;
        EXPECT_NE(e.errore.find(c.parola), std::string::npos) << c.nome << ": " << e.errore;
        EXPECT_TRUE(e.byte.empty()) << c.nome;
    }
}

// Writes the decimal comma and groups thousands, as an Italian locale would.
struct Virgola : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(Scrittura, GliStessiByteConUnLocaleGlobaleItaliano) {
    const Lavoro l = prova::lavorocompleto();
    const std::string atteso = scritto(l);
    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    const std::string conVirgola = scritto(l);
    std::locale::global(prima);
    EXPECT_EQ(conVirgola, atteso);
}

TEST(Scrittura, GliStessiByteConUnLocaleCItaliano) {
    const Lavoro l = prova::lavorocompleto();
    const std::string atteso = scritto(l);
    const std::string prima = std::setlocale(LC_ALL, nullptr);
    const char* trovato = nullptr;
    for (const char* nome : {"it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
        if (std::setlocale(LC_ALL, nome) != nullptr) {
            trovato = nome;
            break;
        }
    }
    if (trovato == nullptr) {
        GTEST_SKIP() << "nessun locale con la virgola decimale installato";
    }
    const std::string conLocale = scritto(l);
    std::setlocale(LC_ALL, prima.c_str());
    EXPECT_EQ(conLocale, atteso) << trovato;
}

} // namespace
} // namespace zocal
