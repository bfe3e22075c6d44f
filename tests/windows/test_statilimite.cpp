#include "zocal/windows/statilimite.h"

#include "lavori.h"
#include "shellfinti.h"
#include "zocal/core/regole.h"
#include "zocal/printouts/registratore.h"
#include "zocal/report/sezionentc.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/programma.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

class StatiLimite : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    zocal::SceltaRegistrata stampante;
    LettoreFinto lettore;
    VisoreFinto visore;
    std::unique_ptr<zocal::Programma> p;

    void SetUp() override {
        p = std::make_unique<zocal::Programma>(dialoghi, stampante, lettore, visore);
        esempio(p->dati());
        mostralavoro(calc());
    }
    zocal::calcolo& calc() { return *p->finestracalcolo(); }
    zocal::statilimite& ntc() {
        p->mostrantc();
        return *p->finestrantcesistente();
    }
    std::string cella(int riga, int colonna) {
        const QTableWidgetItem* it = p->finestrantcesistente()->tabella->item(riga, colonna);
        return it == nullptr ? "" : it->text().toStdString();
    }
    static void sostituisci(QLineEdit* e, const char* testo) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(testo));
    }
    std::string etichetta() const { return p->finestracalcolo()->ntc->text().toStdString(); }
};

TEST_F(StatiLimite, TheWindowFollowsTypingInTheCalculationWindow) {
    zocal::statilimite& w = ntc();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Verifica agli stati limite (NTC 2018)"));
    ASSERT_EQ(w.tabella->rowCount(), 1);
    EXPECT_EQ(cella(0, 6), "119,45");
    EXPECT_EQ(cella(0, 7), "501,2");
    EXPECT_EQ(cella(0, 9), "0,914");
    EXPECT_EQ(cella(0, 10), "VERIFICATA");
    EXPECT_TRUE(w.sezione->verifica().verificata);
    EXPECT_EQ(w.titolofondazione->text().toStdString(), "Fondazione n. 1: VERIFICATA");

    // An undrained soil with a small cohesion fails; the table, the details
    // and the drawing change with each key.
    sostituisci(calc().attr, "0");
    sostituisci(calc().coes, "5");
    EXPECT_EQ(cella(0, 7), "373,7");
    EXPECT_EQ(cella(0, 9), "1,225");
    EXPECT_EQ(cella(0, 10), "NON VERIFICATA");
    EXPECT_FALSE(w.sezione->verifica().verificata);
    EXPECT_NEAR(w.sezione->verifica().qlim, 373.67, 0.005);
    bool trovato = false;
    for (int r = 0; r < w.fattori->rowCount(); ++r) {
        if (w.fattori->item(r, 0)->text() == QStringLiteral("Nc")) {
            EXPECT_EQ(w.fattori->item(r, 1)->text(), QStringLiteral("5,14"));
            trovato = true;
        }
    }
    EXPECT_TRUE(trovato);

    // A missing value: no verdict, and the note says which.
    calc().attr->clear();
    EXPECT_EQ(cella(0, 10), "");
    EXPECT_EQ(cella(0, 11), "Manca l'angolo di attrito del terreno.");
    EXPECT_FALSE(w.sezione->verifica().calcolata);

    // Widening the footing in the calculation window reaches the width column.
    QTest::keyClicks(calc().attr, "30");
    calc().incrementa_Click();
    EXPECT_EQ(cella(0, 1), "0,65");
}

TEST_F(StatiLimite, DetailsFollowTheFoundationShownAndANewOneJoinsTheTable) {
    zocal::statilimite& w = ntc();
    calc().HScroll1->setValue(2);
    EXPECT_EQ(w.fondazione(), 2);
    EXPECT_EQ(w.titolofondazione->text().toStdString(),
              "Fondazione n. 2: Manca la profondità della fondazione.");
    EXPECT_EQ(w.fattori->rowCount(), 0);
    // Typing foundation 2 like 1 (the copy sign) adds its row.
    QTest::keyClicks(calc().prof, "+");
    QTest::keyClicks(calc().largh, "1");
    EXPECT_EQ(w.tabella->rowCount(), 2);
    EXPECT_EQ(cella(1, 0), "2");
    // The width counts storey 1, whose values are still to come.
    EXPECT_EQ(cella(1, 11), "Mancano i dati del piano n. 1.");
    EXPECT_EQ(w.tabella->currentRow(), 1);
    calc().HScroll1->setValue(1);
    EXPECT_EQ(w.fondazione(), 1);
    EXPECT_EQ(w.tabella->currentRow(), 0);
}

TEST_F(StatiLimite, ChoicesChangeBothWindowsAndGoWithTheJob) {
    zocal::statilimite& w = ntc();
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,914");
    w.ngamma->setCurrentIndex(1); // Vesic
    EXPECT_EQ(cella(0, 9), "0,848");
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,848");
    w.profondita->setChecked(false);
    EXPECT_EQ(cella(0, 9), "1,033");
    EXPECT_EQ(etichetta(), "NTC 2018: NON VERIFICATA, Ed/Rd = 1,033");
    EXPECT_EQ(calc().ntc->palette().color(QPalette::WindowText), zocal::colorenonverificata);
    w.g2definiti->setChecked(true);
    EXPECT_EQ(p->opzionintc().ngamma, zocal::FormulaNgamma::vesic);
    EXPECT_FALSE(p->opzionintc().profondita);
    EXPECT_TRUE(p->opzionintc().g2definiti);
    EXPECT_TRUE(p->lavoro().ntc == p->opzionintc());

    // Opening a job brings its own choices, the defaults when it has none.
    zocal::Lavoro l = p->lavoro();
    l.ntc = {};
    l.ntc.ngamma = zocal::FormulaNgamma::ec7;
    p->mostralavoro(l);
    EXPECT_EQ(w.ngamma->currentText(), QStringLiteral("EC7"));
    EXPECT_TRUE(w.profondita->isChecked());
    EXPECT_FALSE(w.g2definiti->isChecked());
    EXPECT_EQ(cella(0, 9), "0,868");
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,868");
}

TEST_F(StatiLimite, EC7DropsTheDepthFactorsAndTheSoilDataGoWithTheJob) {
    zocal::statilimite& w = ntc();
    w.ngamma->setCurrentIndex(2); // EC7: the Annex D method
    EXPECT_FALSE(w.profondita->isChecked());
    EXPECT_EQ(cella(0, 9), "1,062");
    w.profondita->setChecked(true); // the user may have them back
    EXPECT_EQ(cella(0, 9), "0,868");
    w.ngamma->setCurrentIndex(0);
    EXPECT_TRUE(w.profondita->isChecked());

    QTest::keyClicks(w.cu, "3x");
    EXPECT_EQ(w.cu->text(), QStringLiteral("3"));
    EXPECT_EQ(etichetta(),
              "NTC 2018: NON VERIFICATA, Ed/Rd = 0,914 a lungo termine, 1,980 a breve termine");
    EXPECT_EQ(calc().ntc->palette().color(QPalette::WindowText), zocal::colorenonverificata);
    QTest::keyClicks(w.fonte, "relazione geologica");
    EXPECT_EQ(p->lavoro().ntc.terreno, (zocal::TerrenoNtc{"3", "", "relazione geologica"}));

    zocal::Lavoro l = p->lavoro();
    l.ntc.terreno = {"", "2500", ""};
    p->mostralavoro(l);
    EXPECT_EQ(w.cu->text(), QString());
    EXPECT_EQ(w.pesofond->text(), QStringLiteral("2500"));
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,955");
    EXPECT_TRUE(w.sezione->verifica().fondazionecls);
}

TEST_F(StatiLimite, CalculationWindowShowsTheVerdictAsTheUserTypes) {
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,914");
    EXPECT_EQ(calc().ntc->palette().color(QPalette::WindowText), zocal::coloreverificata);
    sostituisci(calc().largh, "0,4");
    EXPECT_EQ(etichetta().substr(0, 25), "NTC 2018: NON VERIFICATA,");
    calc().pesos->clear();
    EXPECT_EQ(etichetta(), "NTC 2018: Manca il peso specifico del terreno.");
    // The legacy verdict stands beside it, untouched by the second check.
    sostituisci(calc().pesos, "1,8");
    sostituisci(calc().largh, "0,6");
    EXPECT_EQ(calc().Text1->text(), QStringLiteral("verificata"));
    EXPECT_EQ(etichetta(), "NTC 2018: VERIFICATA, Ed/Rd = 0,914");
    calc().cancella_click();
    EXPECT_EQ(etichetta(), "NTC 2018: Manca la profondità della fondazione.");
}

TEST_F(StatiLimite, ReachedFromEveryWorkingWindowsMenuAndToolbar) {
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        p->finestra(n);
        const zocal::BarraComune* b = p->barra(n);
        ASSERT_NE(b->ntc, nullptr);
        EXPECT_TRUE(b->visualizza->actions().contains(b->ntc));
        EXPECT_EQ(b->strumenti->actions().at(10), b->ntc);
        EXPECT_FALSE(b->ntc->icon().isNull());
    }
    EXPECT_EQ(p->finestrantcesistente(), nullptr);
    p->barra(3)->ntc->trigger();
    ASSERT_NE(p->finestrantcesistente(), nullptr);
    EXPECT_TRUE(p->finestrantcesistente()->isVisible());
    p->finestrantcesistente()->close();
    p->barra(2)->strumenti->actions().at(10)->trigger();
    EXPECT_TRUE(p->finestrantcesistente()->isVisible());
}

TEST_F(StatiLimite, AHiddenWindowCatchesUpWhenShown) {
    zocal::statilimite& w = ntc();
    w.close();
    sostituisci(calc().attr, "20");
    EXPECT_EQ(cella(0, 9), "0,914"); // not recomputed while hidden
    p->mostrantc();
    EXPECT_NE(cella(0, 9), "0,914");
    EXPECT_EQ(cella(0, 9), zocal::testoEdRd(zocal::verificantc(p->dati(), 1, p->opzionintc())));
}

} // namespace

TEST_F(StatiLimite, OffsetForcesAndWaterTableTypedInTheWindow) {
    zocal::statilimite& w = ntc();
    sostituisci(calc().largh, "0,8");
    EXPECT_EQ(w.combinazioni->rowCount(), 2); // C1 and C2 even for a centred load
    sostituisci(w.eccmuro, "0,05");
    sostituisci(w.HGk, "3");
    sostituisci(w.zH, "1");
    const zocal::FondazioneNtc& f = p->opzionintc().fondazioni[1];
    EXPECT_EQ(f.eccmuro, "0,05");
    EXPECT_EQ(f.zH, "1");
    const auto riga = [&](int r) {
        std::vector<std::string> testi;
        for (int c = 0; c < w.combinazioni->columnCount(); ++c) {
            testi.push_back(w.combinazioni->item(r, c)->text().toStdString());
        }
        return testi;
    };
    EXPECT_EQ(riga(0), (std::vector<std::string>{"C1", "124,04", "3,90", "0,074", "0,652", "455,3",
                                                 "129,04", "0,961", "VERIFICATA"}));
    EXPECT_EQ(riga(1)[0], "C2");
    EXPECT_NEAR(w.sezione->verifica().Hd, 3.9, 1e-9);
    EXPECT_TRUE(w.sezione->verifica().analisi.scorrimento->verificata);

    // The water table is the job's; a missing saturated weight stops the check.
    sostituisci(w.zw, "0,6");
    EXPECT_EQ(w.titolofondazione->text().toStdString(),
              "Fondazione n. 1: Manca il peso specifico saturo del terreno: la falda è a meno di "
              "D + B dal piano campagna.");
    sostituisci(w.pesosat, "2");
    EXPECT_EQ(p->opzionintc().falda.pesosat, "2");
    EXPECT_TRUE(w.sezione->verifica().calcolata);
    EXPECT_FALSE(
        zocal::geometriasezione(w.sezione->verifica(), QRectF(0, 0, 600, 400)).falda.isNull());
}

TEST_F(StatiLimite, SeismicSiteForceAndCategoriesTypedInTheWindow) {
    zocal::statilimite& w = ntc();
    sostituisci(calc().largh, "0,8");
    sostituisci(w.ag, "0,15");
    sostituisci(w.F0, "2,45");
    w.catsuolo->setCurrentText(QStringLiteral("C"));
    // q is required: the note names it and where to take it from.
    EXPECT_NE(cella(0, 11).find("fattore di comportamento q"), std::string::npos) << cella(0, 11);
    sostituisci(w.q, "1,5");
    EXPECT_EQ(cella(0, 10), "NON VERIFICATA");
    EXPECT_EQ(cella(0, 11), "sisma (SLV) V/Rd = 1,282, H/Rd = 0,629, NON VERIFICATA");
    EXPECT_NE(etichetta().find("sisma (SLV) V/Rd = 1,282"), std::string::npos) << etichetta();
    bool trovato = false;
    for (int r = 0; r < w.fattori->rowCount(); ++r) {
        if (w.fattori->item(r, 0)->text() == QStringLiteral("Sd = Se/q")) {
            EXPECT_EQ(w.fattori->item(r, 1)->text(), QStringLiteral("0,3625"));
            trovato = true;
        }
    }
    EXPECT_TRUE(trovato);

    // Out of range: refused with a note naming the entry.
    sostituisci(w.alfaH, "4");
    EXPECT_EQ(cella(0, 11), "La quota αH dell'azione sismica deve essere compresa tra 0 e 3.");
    sostituisci(w.alfaH, "");

    // The model's force and the storeys' categories go with the shown foundation.
    sostituisci(w.HE, "10");
    w.categoriepiani[1]->setCurrentText(QStringLiteral("N2"));
    const zocal::OpzioniNtc& o = p->opzionintc();
    EXPECT_EQ(o.sismafondazioni[1].HE, "10");
    EXPECT_EQ(o.categorie[1][1], "N2");
    EXPECT_EQ(o.sisma, (zocal::SismaNtc{"0,15", "2,45", "C", "", "1,5", "", ""}));
    EXPECT_TRUE(w.categoriepiani[1]->isVisible());
    EXPECT_FALSE(w.categoriepiani[2]->isVisible());
    const zocal::VerificaNtc& v = w.verifiche()[0];
    ASSERT_TRUE(v.sisma);
    EXPECT_TRUE(v.sisma->lungo.dalmodello);
    EXPECT_EQ(v.categorie, (std::vector<std::string>{"A", "N2"}));
    // Back to A: the default, stored as nothing.
    w.categoriepiani[1]->setCurrentText(QStringLiteral("A"));
    EXPECT_EQ(o.categorie[1][1], "");
}

namespace {

TEST_F(StatiLimite, TypedLayersGiveTheSettlementInTheVerdictOfRecord) {
    zocal::statilimite& w = ntc();
    EXPECT_EQ(w.cedimento->rowCount(), 0);
    sostituisci(w.strati[0].first, "2");
    sostituisci(w.strati[0].second, "6");
    ASSERT_EQ(p->opzionintc().strati.strati.size(), 1u);
    EXPECT_EQ(p->opzionintc().strati.strati[0].Eed, "6");
    ASSERT_TRUE(w.verifiche()[0].cedimento);
    const std::string s = zocal::scrividecimali(w.verifiche()[0].cedimento->quasipermanente.s,
                                                zocal::decimalicedimenti);
    bool trovato = false;
    for (int r = 0; r < w.cedimento->rowCount(); ++r) {
        trovato = trovato || (w.cedimento->item(r, 0)->text() == QStringLiteral("s") &&
                              w.cedimento->item(r, 1)->text().toStdString() == s);
    }
    EXPECT_TRUE(trovato) << s;
    EXPECT_EQ(cella(0, 10), "VERIFICATA");
    // The smallest admissible settlement fails the foundation's verdict of record.
    sostituisci(w.slim, "0,5");
    EXPECT_EQ(cella(0, 10), "NON VERIFICATA");
    EXPECT_NE(cella(0, 11).find("cedimento (SLE)"), std::string::npos);
    // A range refused: the note names the entry.
    sostituisci(w.strati[0].second, "600");
    EXPECT_NE(cella(0, 11).find("modulo edometrico dello strato n. 1"), std::string::npos);
}

} // namespace
