#include "zocal/help/finestreaiuto.h"

#include "finti.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/paginaguida.h"
#include "zocal/help/prodotti.h"
#include "zocal/help/sommario.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

void eliminazioni() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Finestre : public ::testing::Test {
  protected:
    void SetUp() override {
        modzocal().inizializza();
        aiuto.impostafilesuggerimenti(dati.percorso() / "SuggerimentiZocal.TXT");
        aiuto.impostafilelistino(dati.percorso() / "listino.txt");
    }

    Cartella dati;
    DialoghiFinti dialoghi;
    UscitaFinta uscita;
    IndirizziFinti indirizzi;
    FinestreAiuto aiuto{dialoghi, uscita, indirizzi};
};

} // namespace

TEST_F(Finestre, OneOfEachNamedWindowMadeOnFirstUse) {
    for (const std::string& nome : FinestreAiuto::nomi()) {
        EXPECT_EQ(aiuto.esistente(nome), nullptr) << nome;
        QWidget* w = aiuto.finestra(nome);
        ASSERT_NE(w, nullptr) << nome;
        EXPECT_FALSE(w->isVisible()) << nome;
        EXPECT_EQ(aiuto.finestra(nome), w) << nome;
        EXPECT_EQ(w->objectName().toStdString(), nome);
    }
    EXPECT_EQ(FinestreAiuto::nomi().size(), 14u);
    EXPECT_EQ(aiuto.finestra("calcolo"), nullptr);
    EXPECT_EQ(aiuto.finestra(""), nullptr);
}

TEST_F(Finestre, ClosedPagesAreRebuiltHiddenWindowsKept) {
    aiuto.mostra("guidacalcolo");
    aiuto.mostra("licenza");
    aiuto.mostra("prodotti");
    QPointer<QWidget> pagina = aiuto.esistente("guidacalcolo");
    QWidget* licenza = aiuto.esistente("licenza");
    QWidget* prodotti = aiuto.esistente("prodotti");
    ASSERT_TRUE(pagina && pagina->isVisible());
    pagina->close();
    licenza->close();
    prodotti->close();
    eliminazioni();
    EXPECT_TRUE(pagina.isNull());
    EXPECT_EQ(aiuto.esistente("guidacalcolo"), nullptr);
    EXPECT_EQ(aiuto.esistente("licenza"), licenza);
    EXPECT_FALSE(licenza->isVisible());
    aiuto.mostra("guidacalcolo");
    ASSERT_NE(aiuto.esistente("guidacalcolo"), nullptr);
    EXPECT_TRUE(aiuto.esistente("guidacalcolo")->isVisible());
}

TEST_F(Finestre, ShowingGoesThroughTheProgramWhenItAsks) {
    std::vector<std::string> richieste;
    aiuto.impostamostra([&](const std::string& nome) { richieste.push_back(nome); });
    auto* pagina = qobject_cast<PaginaGuida*>(aiuto.finestra("guidaarchivio"));
    QTest::mouseClick(pagina->cmdSommario, Qt::LeftButton);
    auto* s = qobject_cast<sommario*>(aiuto.finestra("sommario"));
    QTest::mouseClick(s->puls[2], Qt::LeftButton);
    auto* p = qobject_cast<prodotti*>(aiuto.finestra("prodotti"));
    QTest::mouseClick(p->cmdSommario, Qt::LeftButton);
    EXPECT_EQ(richieste, (std::vector<std::string>{"sommario", "guidafunzionamento", "sommario"}));
    // The program routed them elsewhere: nothing was shown here.
    EXPECT_FALSE(s->isVisible());
    EXPECT_EQ(aiuto.esistente("guidafunzionamento"), nullptr);
}

TEST_F(Finestre, WindowsDestroyedByOthersAreNotDeletedTwice) {
    auto* a = new FinestreAiuto(dialoghi, uscita, indirizzi);
    QWidget* w = a->finestra("informa");
    QPointer<QWidget> s = a->finestra("supportoclienti");
    delete w;
    EXPECT_EQ(a->esistente("informa"), nullptr);
    delete a;
    EXPECT_TRUE(s.isNull());
}
