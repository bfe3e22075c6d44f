#include "zocal/help/prodotti.h"

#include "finti.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/girasole.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

std::string listino(int dichiarati, int scritti) {
    std::string t = "\"Listino di prova\"\r\n" + std::to_string(dichiarati) + "\r\n";
    for (int i = 1; i <= scritti; ++i) {
        t += "\"prodotto " + std::to_string(i) + "\",\"argomento " + std::to_string(i) + "\"," +
             std::to_string(i * 100) + ".5," + std::to_string(i * 90) + "\r\n";
    }
    return t;
}

class Prodotti : public ::testing::Test {
  protected:
    void SetUp() override { modzocal().inizializza(); }

    std::unique_ptr<prodotti> apri(const std::string& testo) {
        return std::make_unique<prodotti>(dati.scrivi("listino.txt", testo), dialoghi, uscita,
                                          indirizzi);
    }

    static std::vector<QString> riga(const prodotti& w, int k) {
        const auto r = static_cast<std::size_t>(k);
        return {w.num[r]->text(), w.nome[r]->text(), w.argomento[r]->text(), w.costo[r]->text(),
                w.internet[r]->text()};
    }

    Cartella dati;
    DialoghiFinti dialoghi;
    UscitaFinta uscita;
    IndirizziFinti indirizzi;
};

} // namespace

TEST_F(Prodotti, TwentyThreeProductsScrollToFourteenThroughTwentyThree) {
    auto w = apri(listino(23, 23));
    EXPECT_EQ(w->lblintestazione->text(), "Listino di prova");
    EXPECT_FALSE(w->lblavviso->isVisibleTo(w.get()));
    EXPECT_EQ(w->VScroll1->minimum(), 1);
    EXPECT_EQ(w->VScroll1->maximum(), 14);
    EXPECT_TRUE(w->VScroll1->isEnabled());
    EXPECT_EQ(riga(*w, 1), (std::vector<QString>{"1", "prodotto 1", "argomento 1", "100,5", "90"}));
    w->VScroll1->setValue(14);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(w->num[k]->text(), QString::number(13 + k));
        EXPECT_EQ(w->nome[k]->text(), QStringLiteral("prodotto %1").arg(13 + k));
    }
    EXPECT_EQ(riga(*w, 10),
              (std::vector<QString>{"23", "prodotto 23", "argomento 23", "2300,5", "2070"}));
    // Beyond the end the bar does not go.
    w->VScroll1->setValue(20);
    EXPECT_EQ(w->num[10]->text(), "23");
}

TEST_F(Prodotti, FewerThanTenShowAllNumbersAndEmptyRowsWithoutScrolling) {
    auto w = apri(listino(4, 4));
    EXPECT_FALSE(w->VScroll1->isEnabled());
    EXPECT_EQ(w->VScroll1->maximum(), 1);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(w->num[k]->text(), QString::number(k));
    }
    EXPECT_EQ(w->nome[4]->text(), "prodotto 4");
    EXPECT_EQ(riga(*w, 5), (std::vector<QString>{"5", "", "", "", ""}));
    EXPECT_EQ(riga(*w, 10), (std::vector<QString>{"10", "", "", "", ""}));
    // Ten exactly: one page, nothing to scroll either.
    EXPECT_FALSE(apri(listino(10, 10))->VScroll1->isEnabled());
}

TEST_F(Prodotti, TooManyOrTooFewProductsAreToldInTheWindow) {
    auto molti = apri(listino(150, 150));
    EXPECT_EQ(molti->listino().numeroprodotti(), 100);
    EXPECT_EQ(molti->VScroll1->maximum(), 91);
    EXPECT_TRUE(molti->lblavviso->isVisibleTo(molti.get()));
    EXPECT_EQ(molti->lblavviso->text().toStdString(), molti->listino().avviso);
    EXPECT_NE(molti->listino().avviso.find("150"), std::string::npos);

    auto pochi = apri(listino(12, 11));
    EXPECT_EQ(pochi->listino().numeroprodotti(), 11);
    EXPECT_EQ(pochi->VScroll1->maximum(), 2);
    EXPECT_TRUE(pochi->lblavviso->isVisibleTo(pochi.get()));
    EXPECT_NE(pochi->lblavviso->text().indexOf("prima del previsto"), -1);
}

TEST_F(Prodotti, MissingFileLeavesAnEmptyListAndSaysWhy) {
    prodotti w(dati.percorso() / "listino.txt", dialoghi, uscita, indirizzi);
    EXPECT_EQ(w.lblavviso->text(),
              QString::fromUtf8("Impossibile trovare il file \"listino.txt\": il listino dei "
                                "prodotti non è disponibile."));
    EXPECT_TRUE(w.lblavviso->isVisibleTo(&w));
    EXPECT_EQ(w.nome[1]->text(), "");
    EXPECT_FALSE(w.VScroll1->isEnabled());

    w.cmdstampa_Click();
    EXPECT_TRUE(uscita.mostrati.empty());
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              "Il listino non contiene prodotti: non c'è nulla da stampare.");
}

TEST_F(Prodotti, PrintWritesTheWholeListNotJustTheRowsShown) {
    auto w = apri(listino(23, 23));
    w->VScroll1->setValue(7);
    QTest::mouseClick(w->cmdstampa, Qt::LeftButton);
    ASSERT_EQ(uscita.mostrati.size(), 1u);
    EXPECT_EQ(uscita.mostrati[0].percorso, "/provvisoria/1/Zocal-listino.docx");
    EXPECT_EQ(uscita.mostrati[0].titolo, "Zocal: anteprima - listino prezzi");
    const auto tabelle = uscita.mostrati[0].registro().tabelle();
    ASSERT_EQ(tabelle.size(), 1u);
    EXPECT_EQ(tabelle[0].righe, 24);
    EXPECT_EQ(tabelle[0].celle[1][1], "prodotto 1");
    EXPECT_EQ(tabelle[0].celle[12][3], "1.200,50");
    EXPECT_EQ(tabelle[0].celle[23][4], "2.070,00");
}

TEST_F(Prodotti, WebAndMailButtonsOpenTheMakersAddresses) {
    auto w = apri(listino(1, 1));
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    EXPECT_EQ(indirizzi.aperti,
              (std::vector<std::string>{girasole::catalogo,
                                        std::string("mailto:") + girasole::emailvendite}));
    EXPECT_TRUE(dialoghi.mostrati.empty());

    indirizzi.riesce = false;
    EXPECT_FALSE(w->Link("https://example.org"));
    w->Command2_Click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              std::string("Impossibile aprire mailto:") + girasole::emailvendite +
                  ": nessun programma del sistema è in grado di farlo.");
}

TEST_F(Prodotti, ClosingOnlyHides) {
    auto w = apri(listino(1, 1));
    w->show();
    QTest::mouseClick(w->cmdchiudi, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
}

TEST(ApriIndirizzoQt, RefusesWhatIsNoAddress) {
    ApriIndirizzoQt a;
    EXPECT_FALSE(a.apri(""));
    EXPECT_FALSE(a.apri("non un indirizzo"));
}
