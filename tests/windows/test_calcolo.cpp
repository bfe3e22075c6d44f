#include "zocal/windows/calcolo.h"

#include "dialoghifinti.h"
#include "lavori.h"
#include "zocal/core/calcola.h"
#include "zocal/core/guida.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/prospetto.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using zocal::Voce;

namespace {

const char* const notaverificata = zocal::notaverificata;
const std::string titolocontrollo = "Zocal: controllo dati immessi nella finestra attiva";

class Calcolo : public ::testing::Test {
  protected:
    zocal::DatiCalcolo dati;
    DialoghiFinti dialoghi;
    std::unique_ptr<zocal::calcolo> w;

    void SetUp() override { w = std::make_unique<zocal::calcolo>(dati, dialoghi); }

    QLineEdit* c(Voce v, int k) const { return w->campo(v, k); }
    std::string passo() const { return w->passo->text().toStdString(); }
    std::string note() const { return w->note->text().toStdString(); }
    // Types into a field after emptying it, as a user replacing its text.
    static void sostituisci(QLineEdit* e, const char* testo) {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(testo));
    }
    void attiva() {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void apriesempio() {
        esempio(dati);
        mostralavoro(*w);
    }
    void ultimo(const std::string& testo, zocal::Icona icona = zocal::Icona::stop) {
        ASSERT_FALSE(dialoghi.mostrati.empty()) << "atteso: " << testo;
        EXPECT_EQ(dialoghi.mostrati.back().testo, testo);
        EXPECT_EQ(dialoghi.mostrati.back().icona, icona);
        EXPECT_EQ(dialoghi.mostrati.back().titolo, titolocontrollo);
    }
};

} // namespace

TEST_F(Calcolo, AllAperturaInvitaAdAprireUnFileOADigitareLaProfondita) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zocal: finestra di calcolo"));
    EXPECT_EQ(passo(), zocal::promptapertura);
    EXPECT_EQ(note(), "Non sono stati inseriti dati per il calcolo.");
    EXPECT_EQ(w->fondcorrente(), 1);
    EXPECT_EQ(w->primopiano(), 1);
    EXPECT_EQ(zocal::modzocal().titolocontrollo, titolocontrollo);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_TRUE(dati.identici(zocal::DatiCalcolo{}));
}

TEST_F(Calcolo, DigitandoLEsempioCampoPerCampoLaGuidaSegueFinoAlRisultato) {
    struct Passo {
        QLineEdit* campo;
        const char* testo;
        const char* guida;
    };
    const std::string A1 = "impalcato n. 1";
    const std::string A2 = "impalcato n. 2";
    auto piano = [&](int k, const std::string& A, const char* const valori[8]) {
        const char* guide[] = {
            "digitare il valore del sovraccarico accidentale sull'",
            "digitare la lunghezza del solaio (gravante sul muro) dell'",
            "digitare il peso del pavimento (gravante sul muro) dell'",
            "digitare il totale del peso dei tramezzi (gravanti sul muro) dell'",
            "digitare il valore dello spessore murario del piano sottostante l'",
            "digitare l'interasse del piano sottostante l'",
            "digitare il valore del peso specifico del muro sottostante l'",
        };
        for (std::size_t j = 0; j < 8; ++j) {
            QTest::keyClicks(c(zocal::vociingresso[j], k), valori[j]);
            const std::string atteso =
                j < 7 ? guide[j] + A : std::string("digitare il peso specifico del terreno");
            EXPECT_EQ(passo(), atteso) << "piano " << k << " campo " << j;
        }
    };
    QTest::keyClicks(w->prof, "1");
    EXPECT_EQ(passo(), "digitare la larghezza della fondazione n. 1");
    QTest::keyClicks(w->largh, "0,6");
    EXPECT_EQ(passo(), "digitare il peso del solaio dell'" + A1);
    const char* const piano1[] = {"300", "200", "4", "100", "200", "0,30", "3", "1800"};
    const char* const piano2[] = {"250", "150", "4", "80", "150", "0,30", "3", "1800"};
    piano(1, A1, piano1);
    EXPECT_EQ(note(), "Mancano i dati completi relativi al terreno.");
    piano(2, A2, piano2);
    QTest::keyClicks(w->Combo1->lineEdit(), "1");
    EXPECT_EQ(passo(), "digitare il peso specifico del terreno");
    QTest::keyClicks(w->pesos, "1,8");
    EXPECT_EQ(passo(), "digitare il valore della coesione");
    QTest::keyClicks(w->coes, "0");
    EXPECT_EQ(passo(), "digitare l'angolo di attrito");
    QTest::keyClicks(w->attr, "30");
    EXPECT_EQ(passo(), "correggere, archiviare quanto immesso, digitare ulteriori dati, andare "
                       "oltre (stampa, altro tipo di calcolo)");

    EXPECT_EQ(w->scar[1]->text(), "4220");
    EXPECT_EQ(w->scar[2]->text(), "3690");
    EXPECT_EQ(w->scartot[1]->text(), "7910");
    EXPECT_EQ(w->scartot[2]->text(), "3690");
    EXPECT_EQ(w->carlim->text(), "50,04");
    EXPECT_EQ(w->sigmat->text(), "1,67");
    EXPECT_EQ(w->scater->text(), "8990");
    EXPECT_EQ(w->siglav->text(), "1,49");
    EXPECT_EQ(w->coeff->text(), "3,33");
    EXPECT_EQ(w->Text1->text(), "verificata");
    EXPECT_EQ(note(), notaverificata);
    EXPECT_EQ(dati.verifica[1].testo(), "verificata");
    EXPECT_EQ(dati.npiani[1], 2);
    EXPECT_EQ(dati.nfond, 1);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Calcolo, IlSegnoPiuCopiaIlDatoDelPianoPrecedente) {
    dati.spess(2, 1) = "0,40";
    dati.spess(3, 1) = "0,25";
    w->mostrapiani(3);
    ASSERT_EQ(w->num[1]->text(), "3");
    ASSERT_EQ(c(Voce::spess, 1)->text(), "0,25");
    sostituisci(c(Voce::spess, 1), "+");
    EXPECT_EQ(c(Voce::spess, 1)->text(), "0,40");
    EXPECT_EQ(dati.spess(3, 1).testo(), "0,40");
    // In a lower row the previous storey is the row above.
    QTest::keyClicks(c(Voce::spess, 2), "+");
    EXPECT_EQ(dati.spess(4, 1).testo(), "0,40");
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Calcolo, IlSegnoPiuNellaProfonditaCopiaLaFondazionePrecedente) {
    dati.prof[3] = "1,5";
    dati.largh[3] = "0,7";
    w->mostrafondazione(4);
    ASSERT_EQ(w->Label1->text(), "4");
    QTest::keyClicks(w->prof, "+");
    QTest::keyClicks(w->largh, "+");
    EXPECT_EQ(w->prof->text(), "1,5");
    EXPECT_EQ(dati.prof[4].testo(), "1,5");
    EXPECT_EQ(dati.largh[4].testo(), "0,7");
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Calcolo, IlSegnoPiuSenzaPrecedenteSvuotaSoloIlCampoSenzaMessaggi) {
    apriesempio();
    sostituisci(c(Voce::tram, 1), "+");
    sostituisci(w->prof, "+");
    EXPECT_EQ(c(Voce::tram, 1)->text(), "");
    EXPECT_TRUE(dati.tram(1, 1).vuota());
    EXPECT_EQ(w->prof->text(), "");
    EXPECT_TRUE(dati.prof[1].vuota());
    EXPECT_EQ(dati.sovr(1, 1).testo(), "200"); // only the one field
    EXPECT_TRUE(dialoghi.mostrati.empty());
    for (Voce v : zocal::vociingresso) {
        EXPECT_TRUE(dati.piano(v, 0, 1).vuota());
    }
    EXPECT_TRUE(dati.prof[0].vuota());
}

TEST_F(Calcolo, IlSegnoPiuAltroveERifiutato) {
    QTest::keyClicks(w->pesos, "+");
    ultimo("Attenzione! il dato digitato non è corretto: usare solo numeri e la virgola per i "
           "decimali.");
    EXPECT_EQ(w->pesos->text(), "");
    // Inside a value it is simply dropped.
    QTest::keyClicks(w->coes, "2+5");
    EXPECT_EQ(w->coes->text(), "25");
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
}

TEST_F(Calcolo, UnTestoRifiutatoMostraIlMessaggioESvuotaIlCampo) {
    w->attr->setText("abc");
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    ultimo("Attenzione! il dato digitato non è corretto: usare solo numeri e la virgola per i "
           "decimali.");
    EXPECT_EQ(w->attr->text(), "");
    EXPECT_TRUE(dati.attr.vuota());

    QTest::keyClicks(c(Voce::pesol, 1), "12a,5");
    EXPECT_EQ(c(Voce::pesol, 1)->text(), "12,5");
    EXPECT_EQ(dati.pesol(1, 1).testo(), "12,5");
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    // A lone minus is refused too: a negative is typed after its digits.
    QTest::keyClicks(c(Voce::tram, 1), "-");
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(c(Voce::tram, 1)->text(), "");
}

// "1.5" typed for 1,5 m once became 15 m and turned a failing foundation
// into a verified one. Each case: the field, what is typed over its text,
// what it shows after, and the start of the guidance box.
TEST_F(Calcolo, IlPuntoELaVirgolaDecimaleOSeparaLeMigliaiaOVieneRifiutato) {
    apriesempio();
    struct Caso {
        QLineEdit* campo;
        const char* digitato;
        bool sostituisce;
        const char* testo;
        const char* guida;
    };
    const Caso casi[] = {
        {w->prof, "1.5", true, "1,5", "Il punto è stato letto come virgola decimale: 1,5."},
        {w->coes, "0.5", true, "0,5", "Il punto è stato letto come virgola decimale: 0,5."},
        {c(Voce::spem, 1), "1.800", true, "1800",
         "Il punto è stato letto come separatore delle migliaia: 1800."},
        {c(Voce::tram, 2), ".", false, "150",
         "Punto non accettato: in questo campo (numero intero) il punto separa solo le "
         "migliaia, come in 1.800. Il dato resta 150."},
        {c(Voce::sovr, 1), "2.5", true, "200", "Punto non accettato"},
    };
    for (const Caso& k : casi) {
        if (k.sostituisce) {
            k.campo->setText(QString::fromUtf8(k.digitato));
        } else {
            k.campo->setFocus();
            k.campo->end(false);
            QTest::keyClicks(k.campo, QString::fromUtf8(k.digitato));
        }
        EXPECT_EQ(k.campo->text().toStdString(), k.testo) << k.digitato;
        EXPECT_EQ(passo().rfind(k.guida, 0), 0u) << passo();
    }
    EXPECT_EQ(dati.prof[1].testo(), "1,5");
    EXPECT_EQ(dati.spem(1, 1).testo(), "1800");
    EXPECT_EQ(dati.tram(2, 1).testo(), "150");
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "no box interrupts the typing";

    // The keypad's decimal key is the comma, whatever the layout gives.
    sostituisci(w->largh, "0");
    QTest::keyClick(w->largh, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(w->largh, Qt::Key_8);
    EXPECT_EQ(w->largh->text(), "0,8");
    EXPECT_EQ(dati.largh[1].testo(), "0,8");
}

// A value outside its usual range is warned of in yellow, and kept.
TEST_F(Calcolo, UnValoreFuoriIntervalloVieneSegnalatoNellaGuidaENonRifiutato) {
    apriesempio();
    sostituisci(w->largh, "15");
    EXPECT_EQ(passo(), "Attenzione: larghezza della fondazione n. 1 15 m, fuori dall'intervallo "
                       "usuale 0,2–5 m: controllare il dato.\n" +
                           zocal::indicazioni(dati, 1, {"1,8", "0", "30"}));
    EXPECT_EQ(dati.largh[1].testo(), "15");
    EXPECT_EQ(w->Text1->text(), "verificata");
    sostituisci(w->largh, "1,5");
    EXPECT_EQ(passo().find("Attenzione"), std::string::npos);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// Results that the data no longer give go from the window and from the data.
TEST_F(Calcolo, UnCalcoloInterrottoNonLasciaRisultatiVecchi) {
    apriesempio();
    ASSERT_EQ(w->Text1->text(), "verificata");
    ASSERT_EQ(note(), notaverificata);
    sostituisci(c(Voce::tram, 2), "");
    EXPECT_EQ(w->Text1->text(), "");
    EXPECT_EQ(note(), "Manca il dato del peso dei tramezzi del piano n. 2.");
    for (QLabel* l :
         {w->carlim, w->scater, w->siglav, w->coeff, w->scar[2], w->scartot[1], w->scartot[2]}) {
        EXPECT_EQ(l->text(), "") << l->objectName().toStdString();
    }
    EXPECT_EQ(w->scar[1]->text(), "4220");
    EXPECT_EQ(w->sigmat->text(), "");
    EXPECT_TRUE(dati.verifica[1].vuota());
    EXPECT_TRUE(dati.coeff[1].vuota());
    EXPECT_TRUE(dati.scartot(1, 1).vuota());
    EXPECT_TRUE(dialoghi.mostrati.empty());
    // Typed again: everything comes back.
    QTest::keyClicks(c(Voce::tram, 2), "150");
    EXPECT_EQ(w->Text1->text(), "verificata");
    EXPECT_EQ(w->coeff->text(), "3,33");

    // A width of 0 keeps the loads and the capacity, not the old verdict.
    sostituisci(w->largh, "0");
    EXPECT_EQ(w->Text1->text(), "");
    EXPECT_EQ(w->coeff->text(), "");
    EXPECT_EQ(w->siglav->text(), "");
    EXPECT_EQ(w->carlim->text(), "30,6");
    EXPECT_EQ(w->scater->text(), "7910");
    EXPECT_EQ(w->largh->text(), "0");
    EXPECT_TRUE(dati.verifica[1].vuota());
}

TEST_F(Calcolo, UnPesoSolaioVuotoSottoUnPianoInUsoVieneChiestoENonContaZero) {
    apriesempio();
    w->VScroll1->setValue(3);
    const char* const piano3[] = {"300", "200", "4", "100", "200", "0,30", "3", "1800"};
    for (std::size_t j = 0; j < 8; ++j) {
        QTest::keyClicks(c(zocal::vociingresso[j], 1), piano3[j]);
    }
    w->VScroll1->setValue(1);
    EXPECT_EQ(dati.npiani[1], 3);
    EXPECT_EQ(w->scartot[1]->text(), "12130");
    sostituisci(c(Voce::pesol, 2), "");
    // Storey 2 without slab weight still lies below storey 3, and is asked
    // for instead of being taken as 0.
    EXPECT_EQ(dati.npiani[1], 3);
    EXPECT_EQ(passo(), "digitare il peso del solaio dell'impalcato n. 2");
    EXPECT_EQ(note(), "Manca il dato del peso del solaio del piano n. 2.");
    EXPECT_EQ(w->scartot[1]->text(), "");
    EXPECT_EQ(w->Text1->text(), "");
    // A top storey whose slab weight alone is empty is counted too.
    sostituisci(c(Voce::pesol, 2), "250");
    w->VScroll1->setValue(3);
    sostituisci(c(Voce::pesol, 1), "");
    EXPECT_EQ(dati.npiani[1], 3);
    EXPECT_EQ(note(), "Manca il dato del peso del solaio del piano n. 3.");
    EXPECT_EQ(w->Text1->text(), "");
}

TEST_F(Calcolo, CliccareIlNumeroDelPianoCopiaIlPianoPrecedente) {
    apriesempio();
    for (Voce v : zocal::vociingresso) {
        dati.piano(v, 2, 1).svuota();
    }
    dati.contadati();
    w->mostrapiani(1);
    ASSERT_EQ(dati.npiani[1], 1);
    QTest::mouseClick(w->num[2], Qt::LeftButton);
    for (Voce v : zocal::vociingresso) {
        EXPECT_EQ(dati.piano(v, 2, 1).testo(), dati.piano(v, 1, 1).testo()) << nomevoce(v);
        EXPECT_EQ(c(v, 2)->text(), c(v, 1)->text());
    }
    EXPECT_EQ(dati.npiani[1], 2);
    EXPECT_EQ(dati.scar(2, 1).testo(), "4220"); // recomputed through the shown fields
    EXPECT_EQ(w->scartot[1]->text(), "8440");
}

TEST_F(Calcolo, IlNumeroDelPrimoPianoNonCancellaNulla) {
    apriesempio();
    QTest::mouseClick(w->num[1], Qt::LeftButton);
    EXPECT_EQ(dati.pesol(1, 1).testo(), "300");
    EXPECT_EQ(c(Voce::pesol, 1)->text(), "300");
    EXPECT_EQ(w->Text1->text(), "verificata");
    // From storey 2 down the top row copies: row 1 with the grid at 2.
    w->mostrapiani(2);
    QTest::mouseClick(w->num[1], Qt::LeftButton);
    EXPECT_EQ(dati.pesol(2, 1).testo(), "300");
}

TEST_F(Calcolo, SenzaPianiContatiIlClicNonFaNulla) {
    dati.pesol(1, 1) = "0";
    dati.sovr(1, 1) = "200";
    w->mostrapiani(1);
    QTest::mouseClick(w->num[2], Qt::LeftButton);
    EXPECT_TRUE(dati.sovr(2, 1).vuota());
    EXPECT_EQ(c(Voce::sovr, 2)->text(), "");
}

TEST_F(Calcolo, IlPassaggioDelMouseEvidenziaIlNumero) {
    auto muovi = [](QWidget* su) {
        QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), su->mapToGlobal(QPointF(3, 3)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(su, &e);
    };
    auto sfondo = [&](int k) { return w->num[k]->palette().color(QPalette::Window); };
    muovi(w->num[3]);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(sfondo(k), k == 3 ? QColor(255, 255, 0) : QColor(0, 255, 255)) << k;
    }
    muovi(w->num[5]);
    EXPECT_EQ(sfondo(3), QColor(0, 255, 255));
    EXPECT_EQ(sfondo(5), QColor(255, 255, 0));
    muovi(w->superficie);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(sfondo(k), QColor(0, 255, 255)) << k;
    }
}

TEST_F(Calcolo, IncrementaAllargaDiCinqueCentimetri) {
    apriesempio();
    sostituisci(w->largh, "0,60");
    QTest::mouseClick(w->incrementa, Qt::LeftButton);
    EXPECT_EQ(w->largh->text(), "0,65");
    EXPECT_EQ(dati.largh[1].testo(), "0,65");
    EXPECT_EQ(w->siglav->text(), "1,39"); // recomputed with the new width

    // A foundation that does not hold (0,5 m while the width is empty) goes
    // at once to the first 5 cm step where it does.
    sostituisci(w->largh, "");
    EXPECT_EQ(w->coeff->text(), "2,65");
    QTest::mouseClick(w->incrementa, Qt::LeftButton);
    EXPECT_EQ(w->largh->text(), "0,6");
    EXPECT_EQ(dati.largh[1].testo(), "0,6");
    EXPECT_EQ(w->coeff->text(), "3,33");
    EXPECT_EQ(w->Text1->text(), "verificata");
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Calcolo, IncrementaSuUnaLarghezzaIlleggibileAvvisaENonCambiaNulla) {
    QTest::keyClicks(w->largh, "1,2,3");
    QTest::mouseClick(w->incrementa, Qt::LeftButton);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    ultimo("Attenzione! la larghezza della fondazione non è un numero: correggerla prima di "
           "incrementarla.");
    EXPECT_EQ(w->largh->text(), "1,2,3");
    EXPECT_EQ(dati.largh[1].testo(), "1,2,3");
}

TEST_F(Calcolo, LaLarghezzaAvviaIlConteggioDeiPiani) {
    QTest::keyClicks(w->largh, "0,6");
    EXPECT_EQ(dati.npiani[1], 1);
    QTest::keyClicks(w->prof, "1"); // the depth recounts: no storey typed yet
    EXPECT_EQ(dati.npiani[1], 0);
    EXPECT_EQ(dati.nfond, 1);
}

TEST_F(Calcolo, IlControlloDeiDatiDiceLaPrimaMancanzaInOrdine) {
    const auto controlla = [&] { w->azionecontrolla->trigger(); };
    controlla();
    ultimo("Non esistono dati riconosciuti:\r- per procedere è necessario digitare almeno "
           "profondità e larghezza della fondazione n.1;\r- il controllo viene effettuato solo "
           "per i piani per i quali esistono i dati sulle fondazioni.",
           zocal::Icona::esclamazione);
    QTest::keyClicks(w->prof, "1");
    controlla();
    ultimo("Attenzione: non ancora vengono inseriti dati per controllare i piani!");

    apriesempio();
    controlla();
    ultimo("I dati sono stati immessi correttamente.", zocal::Icona::informazione);

    w->attr->clear();
    controlla();
    ultimo("Digitare il valore dell'angolo d'attrito.");
    w->coes->clear();
    controlla();
    ultimo("Digitare il valore della coesione.");
    w->Combo1->setEditText("0"); // the given sigma needs no cohesion
    controlla();
    ultimo("Digitare il valore dell'angolo d'attrito.");
    w->pesos->clear();
    controlla();
    ultimo("Digitare il valore del peso specifico del terreno.");
    w->Combo1->setEditText("");
    controlla();
    ultimo("Scegliere il tipo di suolo di fondazione.");
    c(Voce::tram, 2)->clear();
    controlla();
    ultimo("Fondazione n. 1- piano n. 2:\r- digitare il dato del peso dei tramezzi.");
    const std::size_t mostrati = dialoghi.mostrati.size();
    EXPECT_EQ(mostrati, 9u);
}

TEST_F(Calcolo, IlControlloChiedeIlSigmaDiOgniFondazione) {
    apriesempio();
    esempio(dati, 2); // typed elsewhere, never shown: no sigma computed
    w->controlla_click();
    ultimo("Digitare il valore del sigma del terreno della fondazione n. 2");
}

TEST_F(Calcolo, IlControlloSilenziosoTaceSeTuttoVaBene) {
    apriesempio();
    w->controllosilenzioso = 1;
    w->controlla_click();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(w->controllosilenzioso, 0);
    // The next check speaks again.
    w->controlla_click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);

    c(Voce::spem, 1)->clear();
    w->controllosilenzioso = 1;
    w->controlla_click();
    ultimo("Fondazione n. 1- piano n. 1:\r- digitare il dato del peso specifico del muro.");
    EXPECT_EQ(w->controllosilenzioso, 1);
}

TEST_F(Calcolo, CambiareFondazioneSvuotaPrimaVerdettoENote) {
    apriesempio();
    ASSERT_EQ(w->Text1->text(), "verificata");
    dati.prof[2] = "2";
    dati.contadati();
    QStringList profAlloSvuotamento;
    QStringList numeroAlloSvuotamento;
    QObject::connect(w->Text1, &QLineEdit::textChanged, [&](const QString& t) {
        if (t.isEmpty()) {
            profAlloSvuotamento << w->prof->text();
            numeroAlloSvuotamento << w->Label1->text();
        }
    });
    w->HScroll1->setValue(2);
    ASSERT_EQ(profAlloSvuotamento.size(), 1);
    EXPECT_EQ(profAlloSvuotamento[0], "1"); // still foundation 1 on screen
    EXPECT_EQ(numeroAlloSvuotamento[0], "1");
    // Foundation 2 has no storey typed: no verdict, and the note says so.
    EXPECT_EQ(w->Text1->text(), "");
    EXPECT_EQ(note(), "Mancano i dati del piano n. 1.");
    EXPECT_EQ(w->Label1->text(), "2");
    EXPECT_EQ(w->prof->text(), "2");
    EXPECT_EQ(c(Voce::pesol, 1)->text(), "");
    EXPECT_EQ(w->primopiano(), 1);
}

TEST_F(Calcolo, LaFondazioneMostrataHaIlSuoSigmaEIlSuoVerdetto) {
    apriesempio();
    w->HScroll1->setValue(3); // empty foundation: no calculation reaches the sigma box
    EXPECT_EQ(w->sigmat->text(), "");
    EXPECT_EQ(w->carlim->text(), "");
    esempio(dati, 2); // the same texts as foundation 1
    w->HScroll1->setValue(1);
    w->HScroll1->setValue(2);
    EXPECT_EQ(w->Text1->text(), "verificata");
    EXPECT_EQ(w->sigmat->text(), "1,67");
}

TEST_F(Calcolo, LaGrigliaMostraICinquePianiDallaBarra) {
    for (int i = 1; i <= 10; ++i) {
        dati.pesol(i, 1) = std::to_string(100 * i);
    }
    w->VScroll1->setValue(6);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(w->num[k]->text(), QString::number(5 + k));
        EXPECT_EQ(c(Voce::pesol, k)->text(), QString::number(100 * (5 + k)));
    }
    EXPECT_EQ(w->VScroll1->maximum(), 6);
    EXPECT_EQ(w->HScroll1->maximum(), 10);
}

TEST_F(Calcolo, CancellaChiedePrimaESoloUnSiSvuotaDatiECampi) {
    apriesempio();
    w->HScroll1->setValue(2);
    w->HScroll1->setValue(1);
    const zocal::DatiCalcolo prima = dati;
    w->azionecancella->trigger(); // no answer scripted: the default, No
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    ultimo(dialoghi.mostrati.back().testo, zocal::Icona::domanda);
    EXPECT_NE(dialoghi.mostrati.back().testo.find("dieci fondazioni"), std::string::npos);
    EXPECT_TRUE(dati.identici(prima));
    EXPECT_EQ(w->Text1->text(), "verificata");

    dialoghi.risposte.push_back(zocal::Risposta::si);
    w->azionecancella->trigger();
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_TRUE(dati.identici(zocal::DatiCalcolo{}));
    for (QLineEdit* e : {w->prof, w->largh, w->Text1, w->pesos, w->coes, w->attr, w->sigmat}) {
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
    }
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : zocal::vociingresso) {
            EXPECT_EQ(c(v, k)->text(), "");
        }
        EXPECT_EQ(w->scar[k]->text(), "");
        EXPECT_EQ(w->scartot[k]->text(), "");
    }
    EXPECT_EQ(w->Combo1->currentText(), "");
    for (QLabel* l : {w->carlim, w->scater, w->siglav, w->coeff}) {
        EXPECT_EQ(l->text(), "");
    }
    EXPECT_EQ(note(), "I dati sono stati cancellati: richiamare un file archiviato o reinserirli.");
    EXPECT_EQ(passo(), "digitare la profondità della fondazione n. 1");
}

TEST_F(Calcolo, AiutoMostraLeSetteRighe) {
    QTest::mouseClick(w->aiuto, Qt::LeftButton);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    const zocal::Messaggio& m = dialoghi.mostrati[0];
    EXPECT_EQ(m.titolo, "Zocal: aiuto in linea");
    EXPECT_EQ(m.icona, zocal::Icona::informazione);
    EXPECT_EQ(std::count(m.testo.begin(), m.testo.end(), '\r'), 6);
    EXPECT_EQ(m.testo.substr(0, 63),
              "- Digitare i dati spostandosi con il tasto TAB nei vari campi;\r");
    EXPECT_TRUE(m.testo.ends_with("\r- effettuare il controllo dei dati immessi cliccando sul "
                                  "tasto ABC."));
}

TEST_F(Calcolo, IPulsantiDelleAltreFinestreChiedonoAlGuscio) {
    int guida = 0, avanti = 0, uscita = 0;
    QObject::connect(w.get(), &zocal::calcolo::guidainlineaRichiesta, [&] { ++guida; });
    QObject::connect(w.get(), &zocal::calcolo::avantiRichiesto, [&] { ++avanti; });
    QObject::connect(w.get(), &zocal::calcolo::uscitaRichiesta, [&] { ++uscita; });
    QTest::mouseClick(w->guidainlinea, Qt::LeftButton);
    QTest::mouseClick(w->cmdavanti, Qt::LeftButton);
    QTest::mouseClick(w->esco, Qt::LeftButton);
    EXPECT_EQ(guida + avanti + uscita, 3);
    EXPECT_EQ(guida * avanti * uscita, 1);
}

TEST_F(Calcolo, ConSuoloZeroIlSigmaSiDigitaComodamente) {
    apriesempio();
    attiva();
    w->Combo1->setEditText("0");
    w->sigmat->setFocus();
    ASSERT_TRUE(w->sigmat->hasFocus());
    sostituisci(w->sigmat, "1");
    EXPECT_EQ(w->sigmat->text(), "1");
    QTest::keyClicks(w->sigmat, ",");
    EXPECT_EQ(w->sigmat->text(), "1,"); // not cut back to 1 while typing
    QTest::keyClicks(w->sigmat, "5");
    EXPECT_EQ(w->sigmat->text(), "1,5");
    EXPECT_EQ(w->carlim->text(), "45");
    EXPECT_EQ(w->coeff->text(), "3");
    EXPECT_EQ(w->Text1->text(), "verificata");

    sostituisci(w->sigmat, "2,");
    EXPECT_EQ(w->carlim->text(), "60");
    w->pesos->setFocus();
    EXPECT_EQ(w->sigmat->text(), "2"); // tidied on leaving
    EXPECT_EQ(dati.sigmat[1].testo(), "2");

    // A sigma that the rounding changes is written at once.
    w->sigmat->setFocus();
    sostituisci(w->sigmat, "1,555");
    EXPECT_EQ(w->sigmat->text(), "1,56");
}

TEST_F(Calcolo, SenzaFuocoIlSigmaScrittoDalProgrammaVieneRiordinato) {
    apriesempio();
    w->Combo1->setEditText("0");
    w->sigmat->setText("1,");
    EXPECT_EQ(w->sigmat->text(), "1");
    EXPECT_EQ(w->carlim->text(), "30");
}

TEST_F(Calcolo, LaCoesioneConSuoloZeroVieneChiestaDallaGuidaEDalCalcolo) {
    apriesempio();
    w->coes->clear();
    w->Combo1->setEditText("0");
    w->sigmat->setText("1,5");
    EXPECT_EQ(passo(), "digitare il valore della coesione");
    EXPECT_EQ(note(), "Mancano i dati completi relativi al terreno.");
    w->controlla_click();
    ultimo("I dati sono stati immessi correttamente.", zocal::Icona::informazione);
}

TEST_F(Calcolo, IlTastoTabSegueLOrdineDiImmissione) {
    attiva();
    std::vector<QWidget*> atteso{w->prof, w->largh};
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : zocal::vociingresso) {
            atteso.push_back(c(v, k));
        }
    }
    atteso.insert(atteso.end(), {w->Combo1, w->pesos, w->coes, w->attr, w->sigmat});
    w->prof->setFocus();
    for (std::size_t i = 1; i < atteso.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* fuoco = QApplication::focusWidget();
        if (fuoco == w->Combo1->lineEdit()) {
            fuoco = w->Combo1;
        }
        ASSERT_EQ(fuoco, atteso[i])
            << "passo " << i << ": " << (fuoco ? fuoco->objectName().toStdString() : "nessuno");
    }
}

TEST_F(Calcolo, IlDoppioDellaMisuraRaddoppiaOgniControllo) {
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    ASSERT_EQ(w->superficie->size(), QSize(632, 409));
    const auto controlli = zocal::clsResize::controlli(w->superficie);
    ASSERT_GT(controlli.size(), 100u);
    std::vector<QRect> prima;
    for (QWidget* c : controlli) {
        prima.push_back(c->geometry());
    }
    EXPECT_EQ(w->prof->geometry(), QRect(360, 40, 41, 19));
    EXPECT_EQ(w->campo(Voce::spem, 5)->geometry(), QRect(368, 136, 41, 19));

    w->resize(w->width() + 632, w->height() + 409);
    ASSERT_EQ(w->superficie->size(), QSize(1264, 818));
    for (std::size_t i = 0; i < controlli.size(); ++i) {
        const QRect& r = prima[i];
        EXPECT_EQ(controlli[i]->geometry(),
                  QRect(2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()))
            << controlli[i]->objectName().toStdString();
    }
    EXPECT_DOUBLE_EQ(w->prof->font().pointSizeF(), 7.5);

    w->resize(w->width() - 632, w->height() - 409);
    for (std::size_t i = 0; i < controlli.size(); ++i) {
        EXPECT_EQ(controlli[i]->geometry(), prima[i]);
    }
}

TEST_F(Calcolo, UnaFinestraRidottaAIconaELasciataStare) {
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const QRect prof = w->prof->geometry();
    w->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w->isMinimized());
    w->superficie->resize(1264, 818);
    EXPECT_EQ(w->prof->geometry(), prof);
}

namespace {

// A full job: ten foundations of ten storeys, values varying with f and i.
zocal::DatiCalcolo lavoropieno(const char* tiposuolo) {
    zocal::DatiCalcolo d;
    for (int f = 1; f <= 10; ++f) {
        d.prof[f] = "1," + std::to_string(f % 10);
        d.largh[f] = "0," + std::to_string(40 + 5 * f);
        d.sigmat[f] = std::to_string(1 + f % 3) + ",5";
        for (int i = 1; i <= 10; ++i) {
            d.pesol(i, f) = std::to_string(250 + 10 * i + f);
            d.sovr(i, f) = std::to_string(150 + 5 * f);
            d.lungh(i, f) = "4," + std::to_string(i % 10);
            d.pepav(i, f) = "80";
            d.tram(i, f) = std::to_string(100 + 7 * i);
            d.spess(i, f) = "0," + std::to_string(25 + i);
            d.interas(i, f) = "3,1";
            d.spem(i, f) = "1800";
        }
    }
    d.tiposuolo = tiposuolo;
    d.pesos = "1,9";
    d.coes = "2";
    d.attr = "28";
    d.contadati();
    return d;
}

// Foundations that stop at every early exit of the calculation.
zocal::DatiCalcolo lavoromisto() {
    zocal::DatiCalcolo d = lavoropieno("2");
    d.tram(2, 1).svuota();   // storey data missing
    d.largh[2] = "0";        // zero width
    d.largh[3].svuota();     // default width
    d.lungh(1, 4) = "1,2,3"; // not a number
    d.pesol(3, 5) = "0";     // storey 3 not counted: 4..10 ignored
    d.prof[7].svuota();      // foundations from 7 on are not counted
    d.contadati();
    return d;
}

void confronta(const zocal::DatiCalcolo& lavoro, bool mostrato) {
    zocal::DatiCalcolo lotto = lavoro;
    lotto.contadati();
    zocal::calcolatutte(lotto);

    zocal::DatiCalcolo inFinestra = lavoro;
    inFinestra.contadati();
    DialoghiFinti dialoghi;
    zocal::calcolo w(inFinestra, dialoghi);
    if (mostrato) {
        mostralavoro(w);
    }
    w.aggiornarisultati();
    EXPECT_TRUE(inFinestra.identici(lotto));
    for (int f = 1; f <= 10; ++f) {
        EXPECT_EQ(inFinestra.coeff[f].testo(), lotto.coeff[f].testo()) << f;
        EXPECT_EQ(inFinestra.sigmat[f].testo(), lotto.sigmat[f].testo()) << f;
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(inFinestra.scartot(i, f).testo(), lotto.scartot(i, f).testo()) << f << i;
        }
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
    // Afterwards: the last foundation and its last storey page.
    if (lavoro.nfond > 0) {
        EXPECT_EQ(w.fondcorrente(), lotto.nfond);
        EXPECT_EQ(w.primopiano(), lotto.npiani[lotto.nfond] > 5 ? 6 : 1);
    }
}

} // namespace

TEST(Aggiornamento, LaFinestraLasciaIDatiComeIlCalcoloInBlocco) {
    zocal::DatiCalcolo esempio1;
    esempio(esempio1);
    for (bool mostrato : {false, true}) {
        SCOPED_TRACE(mostrato ? "dopo l'apertura" : "a finestra vuota");
        confronta(esempio1, mostrato);
        confronta(lavoropieno("1"), mostrato);
        confronta(lavoropieno("3"), mostrato);
        confronta(lavoropieno("0"), mostrato);
        confronta(lavoropieno("5"), mostrato);
        confronta(lavoromisto(), mostrato);
        confronta(zocal::DatiCalcolo{}, mostrato);
    }
}

TEST(Aggiornamento, IRisultatiDelLavoroPienoSonoQuelliDelCalcolo) {
    // The window's refresh really computes: a job loaded without results
    // ends with every foundation's verdict.
    zocal::DatiCalcolo d = lavoropieno("1");
    DialoghiFinti dialoghi;
    zocal::calcolo w(d, dialoghi);
    w.aggiornarisultati();
    for (int f = 1; f <= 10; ++f) {
        EXPECT_FALSE(d.verifica[f].vuota()) << f;
        EXPECT_FALSE(d.scartot(10, f).vuota()) << f;
    }
    EXPECT_EQ(w.campo(Voce::pesol, 5)->text(), "360"); // storey 10 of foundation 10
}

#ifdef ZOCAL_CON_ARCHIVIO
#include "zocal/archive/archivio.h"

#include <filesystem>

TEST(Aggiornamento, GliEsempiDanoGliStessiRisultatiDelCalcoloInBlocco) {
    if (!std::filesystem::is_directory(ZOCAL_ESEMPI)) {
        GTEST_SKIP() << "nessuna cartella di esempi";
    }
    int letti = 0;
    for (const auto& voce : std::filesystem::directory_iterator(ZOCAL_ESEMPI)) {
        if (voce.path().filename().string().rfind("Zocal-dati-", 0) != 0) {
            continue;
        }
        SCOPED_TRACE(voce.path().string());
        zocal::Lavoro lavoro;
        ASSERT_TRUE(zocal::aprilavoro(voce.path(), lavoro).riuscita());
        confronta(lavoro.dati, true);
        confronta(lavoro.dati, false);
        ++letti;
    }
    EXPECT_GT(letti, 0);
}
#endif
