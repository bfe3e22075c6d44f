#include "zocal/help/uscita.h"

#include "finti.h"
#include "zocal/core/modzocal.h"
#include "zocal/report/documento.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zocal;

namespace {

void unapagina(ScrittoreRelazione& s) {
    s.avvia();
    s.scrivi("testo\r");
}

} // namespace

TEST(Pubblica, SavesAtThePathThenShowsTheDocument) {
    modzocal().inizializza();
    DialoghiFinti dialoghi;
    UscitaFinta uscita;
    EXPECT_TRUE(pubblica(uscita, dialoghi, nullptr, "/x/Zocal-guida.docx", "guida", unapagina));
    ASSERT_EQ(uscita.mostrati.size(), 1u);
    EXPECT_EQ(uscita.mostrati[0].percorso, "/x/Zocal-guida.docx");
    const auto& chiamate = uscita.mostrati[0].registro().chiamate;
    ASSERT_EQ(chiamate.size(), 3u);
    EXPECT_EQ(chiamate.back(), (Chiamata{Chiamata::Tipo::salvacome, "/x/Zocal-guida.docx"}));
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST(Pubblica, EveryFailureIsToldAndNothingUnsavedIsShown) {
    modzocal().inizializza();
    DialoghiFinti dialoghi;
    UscitaFinta uscita;

    uscita.erroresalvataggio = "Impossibile salvare /x/a.docx: permesso negato";
    EXPECT_FALSE(pubblica(uscita, dialoghi, nullptr, "/x/a.docx", "guida", unapagina));
    EXPECT_TRUE(uscita.mostrati.empty());
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0], (Messaggio{"Impossibile salvare /x/a.docx: permesso negato",
                                               Icona::stop, "Zocal: aiuto in linea"}));

    uscita.erroresalvataggio.reset();
    EXPECT_FALSE(pubblica(uscita, dialoghi, nullptr, "/x/b.docx", "guida", [](ScrittoreRelazione&) {
        throw std::runtime_error("memoria esaurita");
    }));
    EXPECT_TRUE(uscita.mostrati.empty());
    EXPECT_EQ(dialoghi.mostrati.back().testo,
              "Impossibile produrre il documento /x/b.docx: memoria esaurita");

    // No folder for the document: nothing is written at all.
    const int creati = uscita.creati;
    EXPECT_FALSE(pubblica(uscita, dialoghi, nullptr, "", "guida", unapagina));
    EXPECT_EQ(uscita.creati, creati);
    EXPECT_EQ(dialoghi.mostrati.back().icona, Icona::stop);

    // Saved, but nothing on the desktop opens it: the user learns where it is.
    uscita.mostrabile = false;
    EXPECT_TRUE(pubblica(uscita, dialoghi, nullptr, "/x/c.docx", "guida", unapagina));
    EXPECT_EQ(dialoghi.mostrati.back(),
              (Messaggio{"Il documento è stato salvato in /x/c.docx, ma nessun programma del "
                         "sistema è in grado di aprirlo.",
                         Icona::informazione, "Zocal: aiuto in linea"}));
}

TEST(UscitaQt, OpensWithTheDesktopElseShowsItsOwnPreview) {
    std::vector<std::string> aperti;
    bool riesce = true;
    int anteprime = 0;
    std::vector<std::string> titoli;
    UscitaDocumentiQt uscita(
        [&](const std::string& p) {
            aperti.push_back(p);
            return riesce;
        },
        [&](std::unique_ptr<ScrittoreDocumento> d, QWidget*, const std::string& titolo) {
            anteprime += d != nullptr;
            titoli.push_back(titolo);
        });

    auto documento = uscita.nuovo();
    ASSERT_NE(dynamic_cast<ScrittoreDocumento*>(documento.get()), nullptr);
    EXPECT_TRUE(
        uscita.mostra(std::move(documento), "/x/a.docx", nullptr, "Zocal: anteprima - guida"));
    EXPECT_EQ(aperti, std::vector<std::string>{"/x/a.docx"});
    EXPECT_EQ(anteprime, 0);

    riesce = false;
    EXPECT_TRUE(
        uscita.mostra(uscita.nuovo(), "/x/b.docx", nullptr, "Zocal: anteprima - listino prezzi"));
    EXPECT_EQ(anteprime, 1);
    // The preview names what it shows.
    EXPECT_EQ(titoli, std::vector<std::string>{"Zocal: anteprima - listino prezzi"});

    // Without a preview, or with a writer it cannot preview, nothing shows it.
    UscitaDocumentiQt senza([](const std::string&) { return false; });
    EXPECT_FALSE(senza.mostra(senza.nuovo(), "/x/c.docx", nullptr, "Zocal: anteprima - guida"));
    EXPECT_FALSE(uscita.mostra(std::make_unique<ScrittoreRegistratore>(), "/x/d.docx", nullptr,
                               "Zocal: anteprima - guida"));
}

TEST(UscitaQt, EachReadOnlyDocumentGetsAFolderOfItsOwn) {
    UscitaDocumentiQt uscita;
    const std::filesystem::path a = uscita.provvisorio("Zocal-manuale.docx");
    const std::filesystem::path b = uscita.provvisorio("Zocal-manuale.docx");
    EXPECT_EQ(a.filename(), "Zocal-manuale.docx");
    EXPECT_NE(a.parent_path(), b.parent_path());
    EXPECT_TRUE(std::filesystem::is_directory(a.parent_path()));
    // Private to the user: others may not look into it.
    const auto permessi = std::filesystem::status(a.parent_path()).permissions();
    EXPECT_EQ(permessi & std::filesystem::perms::others_all, std::filesystem::perms::none);
    std::filesystem::remove_all(a.parent_path());
    std::filesystem::remove_all(b.parent_path());
}
