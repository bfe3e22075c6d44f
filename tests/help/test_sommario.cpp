#include "zocal/help/sommario.h"

#include "finti.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/finestreaiuto.h"
#include "zocal/help/frmtip.h"
#include "zocal/help/paginaguida.h"
#include "zocal/help/prodotti.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

class Sommario : public ::testing::Test {
  protected:
    void SetUp() override {
        modzocal().inizializza();
        aiuto.impostafilesuggerimenti(dati.scrivi("SuggerimentiZocal.TXT", "uno\r\n"));
        aiuto.impostafilelistino(dati.scrivi("listino.txt", "\"t\"\r\n1\r\n\"a\",\"b\",1,2\r\n"));
        aiuto.impostauscita([this] { ++uscite; });
    }

    sommario& finestra() { return *qobject_cast<sommario*>(aiuto.finestra("sommario")); }

    void muovi(QWidget* w, QEvent::Type tipo) {
        const QPointF punto(2, 2);
        QMouseEvent e(tipo, punto, w->mapToGlobal(punto), Qt::LeftButton,
                      tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }

    Cartella dati;
    DialoghiFinti dialoghi;
    UscitaFinta uscita;
    IndirizziFinti indirizzi;
    std::string filedati = "/lavori/Zocal-dati-Rossi";
    FinestreAiuto aiuto{dialoghi, uscita, indirizzi, [this] { return filedati; }};
    int uscite = 0;
};

} // namespace

TEST_F(Sommario, TenEntriesInOrderWithTheirCaptions) {
    sommario& w = finestra();
    EXPECT_EQ(w.windowTitle(), "Zocal: guida in linea");
    EXPECT_EQ(w.intestazione->text(), "Argomenti della guida");
    EXPECT_EQ(w.lbl[9]->text(), QString::fromUtf8("  Licenza d'uso di \"Zocal\""));
    EXPECT_EQ(w.lbl[4]->text(), " Come stampare");
    for (int k = 2; k <= sommario::voci; ++k) {
        EXPECT_GT(w.lbl[k]->y(), w.lbl[k - 1]->y()) << k;
        EXPECT_EQ(w.puls[k]->y(), w.lbl[k]->y()) << k;
    }
    EXPECT_EQ(sommario::finestravoce(0), "manuale");
    EXPECT_EQ(sommario::finestravoce(11), "manuale");
}

TEST_F(Sommario, EachArrowOpensItsWindow) {
    const char* attese[] = {"",
                            "manuale",
                            "guidafunzionamento",
                            "guidaarchivio",
                            "guidastampa",
                            "guidacalcolo",
                            "guidadescrizione",
                            "guidafrontespizio",
                            "frmTip",
                            "licenza",
                            "prodotti"};
    sommario& w = finestra();
    for (int k = 1; k <= sommario::voci; ++k) {
        ASSERT_EQ(aiuto.esistente(attese[k]), nullptr) << k;
        QTest::mouseClick(w.puls[k], Qt::LeftButton);
        QWidget* aperta = aiuto.esistente(attese[k]);
        ASSERT_NE(aperta, nullptr) << k;
        EXPECT_TRUE(aperta->isVisible()) << k;
        EXPECT_EQ(aperta->objectName().toStdString(), attese[k]);
    }
    EXPECT_NE(qobject_cast<frmTip*>(aiuto.esistente("frmTip")), nullptr);
    EXPECT_NE(qobject_cast<PaginaGuida*>(aiuto.esistente("licenza")), nullptr);
    EXPECT_NE(qobject_cast<prodotti*>(aiuto.esistente("prodotti")), nullptr);
}

TEST_F(Sommario, PressingACaptionOpensAtOnceWithAPressedLook) {
    sommario& w = finestra();
    QLabel* l = w.lbl[9];
    muovi(l, QEvent::MouseButtonPress);
    ASSERT_NE(aiuto.esistente("licenza"), nullptr);
    EXPECT_TRUE(aiuto.esistente("licenza")->isVisible());
    EXPECT_EQ(l->frameShape(), QFrame::NoFrame);
    muovi(l, QEvent::MouseButtonRelease);
    EXPECT_EQ(l->frameShape(), QFrame::Box);
}

TEST_F(Sommario, CaptionUnderThePointerTurnsBoldTheBackgroundClearsIt) {
    sommario& w = finestra();
    muovi(w.lbl[3], QEvent::MouseMove);
    EXPECT_TRUE(w.lbl[3]->font().bold());
    muovi(w.lbl[5], QEvent::MouseMove);
    EXPECT_FALSE(w.lbl[3]->font().bold());
    EXPECT_TRUE(w.lbl[5]->font().bold());
    muovi(&w, QEvent::MouseMove);
    for (int k = 1; k <= sommario::voci; ++k) {
        EXPECT_FALSE(w.lbl[k]->font().bold()) << k;
    }
}

TEST_F(Sommario, CloseHidesExitAsksTheProgram) {
    sommario& w = finestra();
    w.show();
    QTest::mouseClick(w.cmdchiudi, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(aiuto.esistente("sommario"), &w);
    QTest::mouseClick(w.esco, Qt::LeftButton);
    EXPECT_EQ(uscite, 1);
}

TEST_F(Sommario, PrintGivesTheWholeGuideSavedBesideTheJobFile) {
    sommario& w = finestra();
    QTest::mouseClick(w.cmdstampa, Qt::LeftButton);
    ASSERT_EQ(uscita.mostrati.size(), 1u);
    EXPECT_EQ(uscita.mostrati[0].percorso, "/lavori/Zocal-guida.docx");
    const ScrittoreRegistratore& r = uscita.mostrati[0].registro();
    std::vector<std::string> titoli;
    for (const Chiamata& c : r.solo(Chiamata::Tipo::scrivi)) {
        if (c.testo.rfind("Guida: ", 0) == 0) {
            titoli.push_back(c.testo);
        }
    }
    EXPECT_EQ(titoli,
              (std::vector<std::string>{
                  "Guida: MANUALE D'USO RAPIDO\r\r", "Guida: FUNZIONAMENTO DEL PROGRAMMA\r\r",
                  "Guida: ARCHIVIO DATI\r\r", "Guida: COME STAMPARE\r\r",
                  "Guida: FINESTRA CALCOLO\r\r", "Guida: DESCRIZIONE DEL FABBRICATO\r\r",
                  "Guida: FINESTRA FRONTESPIZIO\r\r", "Guida: VERIFICA NTC 2018\r\r"}));
    EXPECT_EQ(r.chiamate.back(), (Chiamata{Chiamata::Tipo::salvacome, "/lavori/Zocal-guida.docx"}));
    // No page window is needed for the document.
    EXPECT_EQ(aiuto.esistente("manuale"), nullptr);
    EXPECT_TRUE(dialoghi.mostrati.empty());

    uscita.erroresalvataggio = "Impossibile salvare /lavori/Zocal-guida.docx: disco pieno";
    w.cmdstampa_Click();
    EXPECT_EQ(uscita.mostrati.size(), 1u);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, *uscita.erroresalvataggio);
}
