#include "zocal/help/paginaguida.h"

#include "finti.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/documenti.h"
#include "zocal/resize/clsresize.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

class Pagine : public ::testing::Test {
  protected:
    void SetUp() override { modzocal().inizializza(); }

    // Pages delete themselves when closed: the test holds them loosely.
    QPointer<PaginaGuida> crea(const std::string& nome) {
        const PaginaTesto& p = nome == "licenza" ? paginalicenza() : *paginaguida(nome);
        return new PaginaGuida(p, dialoghi, uscita);
    }

    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    DialoghiFinti dialoghi;
    UscitaFinta uscita;
};

} // namespace

TEST_F(Pagine, TheWholeTextReadOnlyTheTermsNamedTheManualWide) {
    QPointer<PaginaGuida> w = crea("guidacalcolo");
    EXPECT_EQ(w->titolo->text(), "FINESTRA CALCOLO");
    EXPECT_EQ(w->testo->toPlainText().toStdString(), paginaguida("guidacalcolo")->testo);
    EXPECT_TRUE(w->testo->isReadOnly());
    EXPECT_EQ(w->nomeprogramma, nullptr);
    QPointer<PaginaGuida> l = crea("licenza");
    ASSERT_NE(l->nomeprogramma, nullptr);
    EXPECT_EQ(l->nomeprogramma->text(), "Zocal");
    // The manual is the wide page, its text a little higher up.
    QPointer<PaginaGuida> m = crea("manuale");
    EXPECT_EQ(m->testo->geometry(), QRect(pixel(120), pixel(840), pixel(9135), pixel(5520)));
    delete w;
    delete l;
    delete m;
}

TEST_F(Pagine, PagesStandBesideTheContentsAtTheDesignSize) {
    QPointer<PaginaGuida> w = crea("guidaarchivio");
    EXPECT_EQ(w->x(), pixel(PaginaGuida::sinistrapagina));
    EXPECT_EQ(w->size(),
              QSize(pixel(PaginaGuida::larghezzapagina), pixel(PaginaGuida::altezzapagina)));
    // Twice the size, twice every place: the resizer keeps the page proportional.
    const QRect prima = w->testo->geometry();
    w->show();
    w->resize(2 * w->width(), 2 * w->height());
    EXPECT_NEAR(w->testo->x(), 2 * prima.x(), 1);
    EXPECT_NEAR(w->testo->width(), 2 * prima.width(), 1);
    delete w;
}

TEST_F(Pagine, CloseDestroysAPageButOnlyHidesTheTerms) {
    QPointer<PaginaGuida> w = crea("guidastampa");
    QPointer<PaginaGuida> l = crea("licenza");
    w->show();
    l->show();
    QTest::mouseClick(w->cmdchiudi, Qt::LeftButton);
    QTest::mouseClick(l->cmdchiudi, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    ASSERT_FALSE(l.isNull());
    EXPECT_FALSE(l->isVisible());
    delete l;
}

TEST_F(Pagine, PrintWritesThePageIntoAFreshDocument) {
    QPointer<PaginaGuida> w = crea("guidafrontespizio");
    QTest::mouseClick(w->cmdstampa, Qt::LeftButton);
    QTest::mouseClick(w->cmdstampa, Qt::LeftButton);
    ASSERT_EQ(uscita.mostrati.size(), 2u);
    EXPECT_EQ(uscita.mostrati[0].percorso, "/provvisoria/1/Zocal-guidafrontespizio.docx");
    // A preview of it is titled after the page, not after the report.
    EXPECT_EQ(uscita.mostrati[0].titolo, "Zocal: anteprima - FINESTRA FRONTESPIZIO");
    // Each print is a new document of its own.
    EXPECT_EQ(uscita.mostrati[1].percorso, "/provvisoria/2/Zocal-guidafrontespizio.docx");

    ScrittoreRegistratore atteso;
    stampaguida(atteso, "FINESTRA FRONTESPIZIO", paginaguida("guidafrontespizio")->testo);
    atteso.salvacome(uscita.mostrati[0].percorso);
    EXPECT_EQ(uscita.mostrati[0].registro().chiamate, atteso.chiamate);

    QPointer<PaginaGuida> l = crea("licenza");
    l->cmdstampa_Click();
    ASSERT_EQ(uscita.mostrati.size(), 3u);
    EXPECT_EQ(uscita.mostrati[2].registro().solo(Chiamata::Tipo::scrivi)[2].testo,
              "LICENZA D'USO\r\r");
    delete w;
    delete l;
}

TEST_F(Pagine, ContentsButtonAsksForTheContents) {
    QPointer<PaginaGuida> w = crea("manuale");
    QSignalSpy richieste(w.data(), &PaginaGuida::sommarioRichiesto);
    QTest::mouseClick(w->cmdSommario, Qt::LeftButton);
    EXPECT_EQ(richieste.count(), 1);
    delete w;
}
