#include "zocal/windows/descrizione.h"

#include "dialoghifinti.h"
#include "tastiera.h"
#include "zocal/core/modzocal.h"
#include "zocal/windows/dialoghiqt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using zocal::Descrizione;
using zocal::Icona;

namespace {

const std::string titolocontrollo = "Zocal: controllo dati immessi nella finestra attiva";
const std::string avviso65 = "Per una stampa corretta non digitare dati lunghi più di 65 spazi.";
const char* const vuota = "inserire tutti i dati necessari per la relazione";
const char* const piena =
    "archiviare i dati o passare alla stampa della relazione cliccando sul tasto Avanti";

template <class D> class Finestra : public ::testing::Test {
  protected:
    D dialoghi;
    std::unique_ptr<zocal::descrizione> w;

    void SetUp() override {
        zocal::modzocal().inizializza();
        w = std::make_unique<zocal::descrizione>(dialoghi);
    }
    QComboBox* c(Descrizione d) const { return w->campo(d); }
    std::string passo() const { return w->passo->text().toStdString(); }
    void attiva() {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
};

using Descrizione_ = Finestra<DialoghiFinti>;

zocal::DatiDescrizione tutti(const std::string& testo) {
    zocal::DatiDescrizione t;
    t.fill(testo);
    return t;
}

} // namespace

TEST_F(Descrizione_, SiApreVuotaConLeListeEDidascalie) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zocal: descrizione dei luoghi e del fabbricato"));
    EXPECT_EQ(w->Frame1->title(),
              "Scegli le descrizioni preimpostate per la relazione sulla fondazione");
    EXPECT_EQ(w->testi(), zocal::DatiDescrizione{});
    EXPECT_EQ(passo(), vuota);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(w->fabbricato->count(), 2);
    EXPECT_EQ(w->altezza->count(), 11);
    EXPECT_EQ(w->altezza->itemText(1), "1,5");
    EXPECT_EQ(w->giudizio->itemText(3), "scadente (occorrerebbero opere di consolidamento)");
    EXPECT_EQ(w->acque->toolTip(),
              "cliccare sulla freccia per visualizzare una lista di opzioni tra cui scegliere");
    EXPECT_EQ(w->didascalie[7]->text(), "acque superficiali");
    EXPECT_EQ(w->didascalie[7]->toolTip(), "se sono o saranno incanalate");
    EXPECT_EQ(w->didascalie[0]->text(), "tipo di fabbricato");
    EXPECT_EQ(w->passo->toolTip(), "indicazioni sulla corretta procedura di immissione dei dati");
    EXPECT_EQ(w->indietro->text(), "&Indietro");
    EXPECT_EQ(w->indietro->toolTip(), "cliccare per visualizzare la finestra Calcolo");
    EXPECT_EQ(w->avanti->text(), "Avan&ti");
    EXPECT_EQ(w->avanti->toolTip(), "cliccare per visualizzare la finestra Frontespizio");
    EXPECT_EQ(w->guidainlinea->toolTip(), "cliccare per visualizzare gli Argomenti della guida");
    EXPECT_EQ(w->aiuto->text(), "&AIUTO");
    EXPECT_EQ(w->cmdesci->toolTip(), "cliccare per uscire da Zocal");
    EXPECT_EQ(w->azionecontrolla->text(), "Controlla &dati immessi");
    EXPECT_EQ(w->azionecancella->text(), "C&ancella dati finestra");
}

TEST_F(Descrizione_, RigheAlleQuoteDiProgettoEOrdineDiTabulazione) {
    using zocal::pixel;
    EXPECT_EQ(w->superficie->size(), QSize(pixel(9480), pixel(6135)));
    EXPECT_EQ(w->didascalie[0]->geometry(), QRect(pixel(360), pixel(600), pixel(3015), pixel(255)));
    EXPECT_EQ(w->didascalie[12]->y(), pixel(3480));
    EXPECT_EQ(w->giudizio->geometry().topLeft(), QPoint(pixel(3360), pixel(3480)));
    EXPECT_EQ(w->giudizio->width(), pixel(5535));
    EXPECT_EQ(w->altezza->width(), pixel(855));
    // Rows never cover one another.
    for (std::size_t i = 1; i < zocal::ndescrizione; ++i) {
        const QComboBox* sopra = c(static_cast<Descrizione>(i - 1));
        EXPECT_LE(sopra->geometry().bottom(), c(static_cast<Descrizione>(i))->y()) << i;
    }
    EXPECT_EQ(w->passo->geometry(), QRect(pixel(3480), pixel(5640), pixel(3615), pixel(450)));
    EXPECT_EQ(w->avanti->geometry(), QRect(pixel(7200), pixel(5760), pixel(1095), pixel(375)));

    std::vector<QWidget*> atteso;
    for (std::size_t i = 0; i < zocal::ndescrizione; ++i) {
        atteso.push_back(c(static_cast<Descrizione>(i)));
    }
    atteso.insert(atteso.end(), {w->aiuto, w->guidainlinea, w->indietro, w->avanti, w->cmdesci});
    attiva();
    EXPECT_EQ(QApplication::focusWidget(), w->fabbricato);
    for (std::size_t i = 1; i < atteso.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), atteso[i]) << i;
    }
}

// Past 65 characters the guidance box warns; no box takes the keys the
// user goes on typing, so the text is never garbled nor cut.
TEST_F(Descrizione_, OltreIl65esimoCarattereAvvisaLaGuidaSenzaMessaggiENonTaglia) {
    attiva();
    QComboBox* campo = w->solai;
    campo->setFocus();
    QTest::keyClicks(campo, QString(64, 'a'));
    // The 65th is an accented letter: one character, however many bytes.
    digita(campo, QStringLiteral("è"));
    EXPECT_EQ(passo(), piena);
    QTest::keyClicks(campo, QStringLiteral("nuovo corpo di fabbrica"));
    EXPECT_EQ(passo(), avviso65 + "\n" + piena);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(campo->currentText(), QString(64, 'a') + QStringLiteral("ènuovo corpo di fabbrica"));
    for (int i = 0; i < 23; ++i) {
        QTest::keyClick(campo, Qt::Key_Backspace);
    }
    EXPECT_EQ(passo(), piena);
}

TEST_F(Descrizione_, NessunaFrasePreimpostataAvvisa) {
    for (std::size_t i = 0; i < zocal::ndescrizione; ++i) {
        QComboBox* campo = c(static_cast<Descrizione>(i));
        for (int k = 0; k < campo->count(); ++k) {
            campo->setCurrentIndex(k);
            EXPECT_EQ(campo->currentText(), campo->itemText(k));
        }
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(passo(), piena);
    EXPECT_EQ(w->testi()[static_cast<std::size_t>(Descrizione::natura)], "roccioso");
}

TEST_F(Descrizione_, LaScrittaNonSiCompletaDallaLista) {
    // Typing the first letters of a phrase leaves them as typed.
    attiva();
    w->muratura->setFocus();
    QTest::keyClicks(w->muratura, QStringLiteral("in p"));
    EXPECT_EQ(w->muratura->currentText(), "in p");
    QTest::keyClick(w->muratura, Qt::Key_Return);
    EXPECT_EQ(w->muratura->currentText(), "in p");
    EXPECT_EQ(w->muratura->count(), 6);
}

TEST_F(Descrizione_, LaGuidaSegueICampi) {
    QTest::keyClicks(w->frane, QStringLiteral(" "));
    EXPECT_EQ(passo(), piena);
    QTest::keyClick(w->frane, Qt::Key_Backspace);
    EXPECT_EQ(passo(), vuota);
    w->lotto->setCurrentIndex(2);
    EXPECT_EQ(passo(), piena);
}

TEST_F(Descrizione_, IlControlloHaTreEsitiENonSpostaIlFuoco) {
    attiva();
    w->canali->setFocus();
    w->controlla_click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati.back(), (zocal::Messaggio{"Non è stato immesso alcun dato.",
                                                          Icona::domanda, titolocontrollo}));

    w->giudizio->setEditText(QStringLiteral("buono"));
    w->azionecontrolla->trigger();
    EXPECT_EQ(dialoghi.mostrati.back(), (zocal::Messaggio{"Inserire i dati in ogni campo.",
                                                          Icona::domanda, titolocontrollo}));

    w->impostatesti(tutti(" "));
    const zocal::DatiDescrizione prima = w->testi();
    w->controlla_click();
    EXPECT_EQ(dialoghi.mostrati.back(),
              (zocal::Messaggio{"I dati sono stati immessi correttamente.", Icona::informazione,
                                titolocontrollo}));
    EXPECT_EQ(w->testi(), prima);
    EXPECT_EQ(QApplication::focusWidget(), w->canali);
}

TEST_F(Descrizione_, CancellaSvuotaICampiETieneLeListe) {
    w->impostatesti(tutti("in tufo"));
    EXPECT_EQ(passo(), piena);
    w->cancella_click();
    EXPECT_EQ(w->testi(), zocal::DatiDescrizione{});
    EXPECT_EQ(passo(), vuota);
    EXPECT_EQ(w->muratura->count(), 6);
    EXPECT_EQ(w->altezza->count(), 11);
    QTest::keyClicks(w->altezza, QStringLiteral("2"));
    EXPECT_EQ(passo(), piena);
    // The menu's command asks first; No keeps the texts.
    w->azionecancella->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati.back().icona, zocal::Icona::domanda);
    EXPECT_EQ(w->altezza->currentText(), "2");
    dialoghi.risposte.push_back(zocal::Risposta::si);
    w->azionecancella->trigger();
    EXPECT_EQ(w->testi(), zocal::DatiDescrizione{});
    EXPECT_EQ(passo(), vuota);
    // Clearing an empty window by itself shows nothing.
    dialoghi.mostrati.clear();
    w->cancella_click();
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Descrizione_, ITestiCaricatiPassanoPerLoStessoControllo) {
    zocal::DatiDescrizione t;
    t[0] = "edificio esistente";
    t[6] = "2.5";
    t[11] = std::string(70, 'z');
    w->impostatesti(t);
    EXPECT_EQ(w->testi(), t);
    EXPECT_EQ(w->altezza->currentText(), "2.5");
    // The over-long text is told in the guidance box, never in a box.
    EXPECT_EQ(passo(), avviso65 + "\n" + piena);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(w->testi(), t);
    w->impostatesti({});
    EXPECT_EQ(passo(), vuota);
}

TEST_F(Descrizione_, UnTestoLungoCaricatoResta) {
    // Past the toolkit's default limit of 32,767 characters: kept whole, so
    // saving gives back what was loaded.
    std::string lungo;
    while (lungo.size() < 100000) {
        lungo += "parola " + std::to_string(lungo.size()) + " ";
    }
    zocal::DatiDescrizione t = tutti(lungo);
    t[12] = lungo + "fine";
    w->impostatesti(t);
    EXPECT_EQ(w->testi(), t);
}

TEST_F(Descrizione_, FrasiCorretteEITestiArchiviatiComeErano) {
    EXPECT_EQ(w->zona->itemText(0), "il fabbricato è modesto e ricade in zone già note");
    EXPECT_EQ(w->zona->itemText(1), "sono stati eseguiti rilievi geognostici");
    // A job saved with an earlier phrase opens with it, word for word.
    zocal::DatiDescrizione t;
    t[4] = "il fabbricato è modesto è ricade in zona già note";
    t[7] = "sono state eseguiti rilievi geognostici";
    w->impostatesti(t);
    EXPECT_EQ(w->testi(), t);
    EXPECT_EQ(w->zona->count(), 2);
}

TEST_F(Descrizione_, AiutoETastiCheConduconoAltrove) {
    QTest::mouseClick(w->aiuto, Qt::LeftButton);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati.back(), zocal::aiutodescrizione(zocal::modzocal()));
    EXPECT_EQ(dialoghi.mostrati.back().titolo, "Zocal: aiuto in linea");

    QSignalSpy indietro(w.get(), &zocal::descrizione::indietroRichiesto);
    QSignalSpy avanti(w.get(), &zocal::descrizione::avantiRichiesto);
    QSignalSpy guida(w.get(), &zocal::descrizione::guidainlineaRichiesta);
    QSignalSpy uscita(w.get(), &zocal::descrizione::uscitaRichiesta);
    QTest::mouseClick(w->indietro, Qt::LeftButton);
    QTest::mouseClick(w->avanti, Qt::LeftButton);
    QTest::mouseClick(w->avanti, Qt::LeftButton);
    QTest::mouseClick(w->guidainlinea, Qt::LeftButton);
    QTest::mouseClick(w->cmdesci, Qt::LeftButton);
    EXPECT_EQ(indietro.count(), 1);
    EXPECT_EQ(avanti.count(), 2);
    EXPECT_EQ(guida.count(), 1);
    EXPECT_EQ(uscita.count(), 1);
}
