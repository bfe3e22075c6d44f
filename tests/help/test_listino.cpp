#include "zocal/help/listino.h"

#include "finti.h"

#include <gtest/gtest.h>

using namespace zocal;

namespace {

// A list of n products: "prodotto i","argomento i",i*10.5,i*9
std::string listino(int dichiarati, int scritti, const std::string& fine = "\r\n") {
    std::string t = "\"Listino 2025\"\r\n" + std::to_string(dichiarati) + "\r\n";
    for (int i = 1; i <= scritti; ++i) {
        t += "\"prodotto " + std::to_string(i) + "\",\"argomento " + std::to_string(i) + "\"," +
             std::to_string(i * 10) + ".5," + std::to_string(i * 9) + fine;
    }
    return t;
}

} // namespace

TEST(Listino, ReadsHeadingCountAndFourValuesPerProduct) {
    const Listino l = leggilistino(listino(23, 23));
    EXPECT_TRUE(l.avviso.empty()) << l.avviso;
    EXPECT_EQ(l.intestazione, "Listino 2025");
    ASSERT_EQ(l.numeroprodotti(), 23);
    EXPECT_EQ(l.prodotto(1)->nome, "prodotto 1");
    EXPECT_EQ(l.prodotto(23)->argomento, "argomento 23");
    EXPECT_EQ(l.prodotto(23)->listino, 230.5);
    EXPECT_EQ(l.prodotto(23)->internet, 207.0);
    EXPECT_EQ(l.prodotto(0), nullptr);
    EXPECT_EQ(l.prodotto(24), nullptr);
}

TEST(Listino, ValuesMaySpreadOverLinesAndQuotesKeepCommas) {
    const Listino l = leggilistino("Listino senza virgolette , 2\n"
                                   "\"Zocal, edizione 3\"\n"
                                   "  fondazioni  ,  1234.5\n"
                                   "\n"
                                   "1000\r"
                                   "\"B\",\"\", .5 , -2\n");
    EXPECT_TRUE(l.avviso.empty()) << l.avviso;
    EXPECT_EQ(l.intestazione, "Listino senza virgolette");
    ASSERT_EQ(l.numeroprodotti(), 2);
    EXPECT_EQ(l.prodotto(1)->nome, "Zocal, edizione 3");
    EXPECT_EQ(l.prodotto(1)->argomento, "fondazioni");
    EXPECT_EQ(l.prodotto(1)->listino, 1234.5);
    EXPECT_EQ(l.prodotto(1)->internet, 1000.0);
    EXPECT_EQ(l.prodotto(2)->argomento, "");
    EXPECT_EQ(l.prodotto(2)->listino, 0.5);
    EXPECT_EQ(l.prodotto(2)->internet, -2.0);
}

TEST(Listino, MoreThanAHundredShowsTheFirstHundredAndSaysSo) {
    const Listino l = leggilistino(listino(150, 150));
    EXPECT_EQ(l.numeroprodotti(), massimoprodotti);
    EXPECT_EQ(l.prodotto(100)->nome, "prodotto 100");
    EXPECT_EQ(l.avviso, "Il file \"listino.txt\" elenca 150 prodotti, ma se ne possono mostrare "
                        "al massimo 100: sono mostrati i primi 100.");
    // A hundred exactly is no problem.
    EXPECT_TRUE(leggilistino(listino(100, 100)).avviso.empty());
}

TEST(Listino, AFileEndingEarlyKeepsWhatItHas) {
    const Listino intero = leggilistino(listino(5, 3));
    EXPECT_EQ(intero.numeroprodotti(), 3);
    EXPECT_EQ(
        intero.avviso,
        "Il file \"listino.txt\" finisce prima del previsto: letti per intero 3 prodotti su 5.");

    // Cut inside product 3: its name and topic are kept, its prices are not there.
    const std::string testo = listino(3, 3);
    const Listino tagliato = leggilistino(testo.substr(0, testo.find("30.5")));
    ASSERT_EQ(tagliato.numeroprodotti(), 3);
    EXPECT_EQ(tagliato.prodotto(3)->argomento, "argomento 3");
    EXPECT_FALSE(tagliato.prodotto(3)->listino);
    EXPECT_FALSE(tagliato.prodotto(3)->internet);
    EXPECT_NE(tagliato.avviso.find("letti per intero 2 prodotti su 3"), std::string::npos)
        << tagliato.avviso;

    const Listino senzanumero = leggilistino("\"solo il titolo\"\r\n");
    EXPECT_EQ(senzanumero.intestazione, "solo il titolo");
    EXPECT_EQ(senzanumero.numeroprodotti(), 0);
    EXPECT_FALSE(senzanumero.avviso.empty());
}

TEST(Listino, ABadCountOrPriceStopsWithTheLineNamed) {
    for (const char* conteggio : {"dodici", "-3", "2.5", ""}) {
        const Listino l =
            leggilistino(std::string("\"t\"\r\n") + conteggio + ",\r\n\"a\",\"b\",1,2");
        EXPECT_EQ(l.numeroprodotti(), 0) << conteggio;
        EXPECT_NE(l.avviso.find("numero di prodotti valido (riga 2"), std::string::npos)
            << l.avviso;
    }
    // A price that is no number ends the reading: the products before it
    // stay, and so do the faulty product's name and topic.
    const Listino l =
        leggilistino("\"t\"\n3\n\"a\",\"b\",1,2\n\"c\",\"d\",x1,4\n\"e\",\"f\",5,6\n");
    ASSERT_EQ(l.numeroprodotti(), 2);
    EXPECT_EQ(l.prodotto(2)->nome, "c");
    EXPECT_FALSE(l.prodotto(2)->listino);
    EXPECT_EQ(l.avviso, "Nel file \"listino.txt\" un prezzo del prodotto n. 2 non è un numero "
                        "(riga 4: \"x1\"): i prodotti seguenti non sono stati letti.");
}

TEST(Listino, EmptyFileAndEmptyPrices) {
    EXPECT_EQ(leggilistino("").avviso,
              "Il file \"listino.txt\" è vuoto: il listino dei prodotti non è disponibile.");
    EXPECT_EQ(leggilistino("\r\n\r\n").numeroprodotti(), 0);
    const Listino l = leggilistino("t\n1\nnome,argomento,,\n");
    ASSERT_EQ(l.numeroprodotti(), 1);
    EXPECT_TRUE(l.avviso.empty()) << l.avviso;
    EXPECT_FALSE(l.prodotto(1)->listino);
    EXPECT_FALSE(l.prodotto(1)->internet);
}

TEST(Listino, FileInWindows1252OrUtf8MissingOrUnreadable) {
    Cartella c;
    const Listino cp =
        caricalistino(c.scrivi("listino.txt", "\"Citt\xE0\"\r\n1\r\n\"Pi\xF9\",\"x\",1,2\r\n"));
    EXPECT_EQ(cp.intestazione, "Città");
    EXPECT_EQ(cp.prodotto(1)->nome, "Più");
    const Listino utf = caricalistino(c.scrivi("u.txt", "\"Città\"\r\n0\r\n"));
    EXPECT_EQ(utf.intestazione, "Città");

    const Listino mancante = caricalistino(c.percorso() / "nessuno.txt");
    EXPECT_EQ(mancante.numeroprodotti(), 0);
    EXPECT_EQ(mancante.avviso, "Impossibile trovare il file \"listino.txt\": il listino dei "
                               "prodotti non è disponibile.");
    EXPECT_EQ(caricalistino({}).avviso, mancante.avviso);

    const Listino cartella = caricalistino(c.percorso());
    EXPECT_EQ(cartella.avviso,
              "Impossibile leggere il file \"listino.txt\": è una cartella, non un file.");
}
