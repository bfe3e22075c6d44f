#include "zocal/windows/comandiarchivio.h"

#include "lavori.h"
#include "shellfinti.h"
#include "zocal/archive/archivio.h"
#include "zocal/core/modzocal.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using zocal::ComandiArchivio;
using zocal::Frontespizio;
using zocal::Icona;

namespace {

class SportelloFinto : public zocal::SportelloLavoro {
  public:
    zocal::Lavoro job;
    bool accetta = true;
    int controlli = 0;
    int mostrati = 0;

    std::optional<zocal::Messaggio> datiincompleti() override {
        ++controlli;
        if (accetta) {
            return std::nullopt;
        }
        return zocal::Messaggio{"Scegliere il tipo di suolo di fondazione.", Icona::stop, ""};
    }
    zocal::Lavoro lavoro() override { return job; }
    void mostralavoro(const zocal::Lavoro& l) override {
        ++mostrati;
        job = l;
    }
};

std::string leggi(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Archivio : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    SportelloFinto sportello;
    ComandiArchivio comandi{dialoghi, sportello};
    QTemporaryDir cartella;

    void SetUp() override {
        zocal::modzocal().inizializza();
        ASSERT_TRUE(cartella.isValid());
        esempio(sportello.job.dati);
        sportello.job[Frontespizio::committente] = "Rossi Mario";
        sportello.job[zocal::Descrizione::giudizio] = "buono";
    }
    std::string percorso(const char* nome) const {
        return (std::filesystem::path(cartella.path().toStdString()) / nome).string();
    }
    const zocal::Messaggio& ultimo() const { return dialoghi.mostrati.back(); }
};

TEST_F(Archivio, FirstSaveAsksForANameThenSavesSilentlyToTheSameFile) {
    const std::string file = percorso("Zocal-dati-rossi");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    ASSERT_EQ(dialoghi.richieste.size(), 1u);
    const auto& r = dialoghi.richieste[0];
    EXPECT_TRUE(r.salva);
    EXPECT_EQ(r.file.titolo, "Salva file con nome");
    EXPECT_EQ(r.file.nomefile, "Zocal-dati-");
    EXPECT_EQ(r.file.filtro, "File Zocal-dati- | Zocal-dati-*");
    EXPECT_EQ(r.file.indicefiltro, 1);
    EXPECT_EQ(comandi.filedati(), file);
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "no message confirms a save";
    EXPECT_NE(leggi(file).find("\"Rossi Mario\""), std::string::npos);

    sportello.job[Frontespizio::committente] = "Bianchi Anna";
    ASSERT_TRUE(comandi.salva_Click());
    EXPECT_EQ(dialoghi.richieste.size(), 1u) << "a current file is saved without a dialog";
    EXPECT_NE(leggi(file).find("\"Bianchi Anna\""), std::string::npos);
    EXPECT_EQ(sportello.controlli, 2) << "every save checks the data first";
}

TEST_F(Archivio, SaveAsAlwaysAsksAndStartsOnTheLastChosenName) {
    const std::string primo = percorso("Zocal-dati-uno");
    const std::string secondo = percorso("Zocal-dati-due");
    dialoghi.file = {primo, secondo};
    ASSERT_TRUE(comandi.salvanome_Click());
    ASSERT_TRUE(comandi.salvanome_Click());
    ASSERT_EQ(dialoghi.richieste.size(), 2u);
    EXPECT_EQ(dialoghi.richieste[1].file.nomefile, primo);
    EXPECT_EQ(comandi.filedati(), secondo);
    EXPECT_TRUE(std::filesystem::exists(primo));
    EXPECT_TRUE(std::filesystem::exists(secondo));
}

TEST_F(Archivio, CancelledSaveDialogsWriteNothingAndKeepTheCurrentFile) {
    ASSERT_FALSE(comandi.salva_Click()); // no scripted name: cancelled
    EXPECT_TRUE(comandi.filedati().empty());
    EXPECT_TRUE(std::filesystem::is_empty(cartella.path().toStdString()));

    const std::string file = percorso("Zocal-dati-a");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    const std::string prima = leggi(file);
    sportello.job[Frontespizio::committente] = "cambiato";
    EXPECT_FALSE(comandi.salvanome_Click());
    EXPECT_EQ(comandi.filedati(), file);
    EXPECT_EQ(leggi(file), prima);
    EXPECT_EQ(comandi.nomedialogo(), file) << "a cancel chooses no name";
}

// Half a job typed is kept, with a word on what it lacks.
TEST_F(Archivio, AnIncompleteJobIsSavedAndToldIncomplete) {
    sportello.accetta = false;
    sportello.job.dati.tiposuolo = "";
    sportello.job.dati.sovr(2, 1) = "";
    const std::string file = percorso("Zocal-dati-x");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    EXPECT_EQ(comandi.filedati(), file);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().testo, "Il lavoro è stato salvato, ma è incompleto:\rScegliere il tipo "
                              "di suolo di fondazione.");
    EXPECT_EQ(ultimo().icona, Icona::esclamazione);
    zocal::Lavoro letto;
    ASSERT_TRUE(zocal::aprilavoro(file, letto).riuscita());
    EXPECT_TRUE(letto.dati.sovr(2, 1).vuota());
    EXPECT_EQ(letto.dati.npiani[1], 2);
    EXPECT_TRUE(letto.dati.tiposuolo.vuota());
}

TEST_F(Archivio, FailedSaveIsToldAndLeavesThePreviousFileAndName) {
    const std::string file = percorso("Zocal-dati-buono");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    const std::string prima = leggi(file);

    // An entry that could not be read back is refused before the disk is touched.
    sportello.job.dati.prof[1] = "abc";
    EXPECT_FALSE(comandi.salva_Click());
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::stop);
    EXPECT_EQ(ultimo().titolo, zocal::modzocal().titolocontrollo);
    EXPECT_NE(ultimo().testo.find("Impossibile salvare"), std::string::npos) << ultimo().testo;
    EXPECT_EQ(leggi(file), prima);

    // A folder that does not exist: the name chosen does not become current.
    sportello.job.dati.prof[1] = "1";
    const std::string altrove = percorso("manca/Zocal-dati-x");
    dialoghi.file.push_back(altrove);
    EXPECT_FALSE(comandi.salvanome_Click());
    EXPECT_EQ(comandi.filedati(), file);
    EXPECT_NE(ultimo().testo.find("manca"), std::string::npos) << ultimo().testo;
}

TEST_F(Archivio, ReplacedCharactersAreSavedAndNamed) {
    sportello.job[Frontespizio::progetto] = "casa \"Le Rose\"";
    dialoghi.file.push_back(percorso("Zocal-dati-q"));
    ASSERT_TRUE(comandi.salva_Click());
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::esclamazione);
    EXPECT_NE(ultimo().testo.find("progetto"), std::string::npos) << ultimo().testo;

    zocal::Lavoro letto;
    ASSERT_TRUE(zocal::aprilavoro(comandi.filedati(), letto).riuscita());
    EXPECT_EQ(letto[Frontespizio::committente], "Rossi Mario") << "the record ends where it should";
}

TEST_F(Archivio, OpenReplacesTheJobAndMakesTheFileCurrent) {
    const std::string file = percorso("Zocal-dati-rossi");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    const zocal::Lavoro salvato = sportello.job;
    sportello.job = zocal::Lavoro{};
    sportello.job[Frontespizio::luogo] = "altro";

    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.apri_Click());
    const auto& r = dialoghi.richieste.back();
    EXPECT_FALSE(r.salva);
    EXPECT_EQ(r.file.titolo, "Apri file");
    EXPECT_EQ(r.file.nomefile, "");
    EXPECT_EQ(r.file.filtro, "Tutti i file (*.*) | *.*|File Zocal-dati- | Zocal-dati-*");
    EXPECT_EQ(r.file.indicefiltro, 2);
    EXPECT_EQ(sportello.mostrati, 1);
    EXPECT_EQ(sportello.job.frontespizio, salvato.frontespizio);
    EXPECT_EQ(sportello.job.descrizione, salvato.descrizione);
    EXPECT_EQ(sportello.job.dati.nfond, 1);
    EXPECT_EQ(sportello.job.dati.pesol(2, 1).testo(), "250");
    EXPECT_EQ(comandi.filedati(), file);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Archivio, CancelledOpenChangesNothing) {
    const std::string file = percorso("Zocal-dati-a");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());
    EXPECT_FALSE(comandi.apri_Click());
    EXPECT_EQ(sportello.mostrati, 0);
    EXPECT_EQ(comandi.filedati(), file);
}

TEST_F(Archivio, MalformedFileKeepsTheJobAndTheCurrentFile) {
    const std::string buono = percorso("Zocal-dati-buono");
    dialoghi.file.push_back(buono);
    ASSERT_TRUE(comandi.salva_Click());
    const std::string rotto = percorso("Zocal-dati-rotto");
    std::ofstream(rotto, std::ios::binary) << "1\r\n\"1\",\"0,6\",xyz,\"1\"\r\n";

    dialoghi.file.push_back(rotto);
    EXPECT_FALSE(comandi.apri_Click());
    EXPECT_EQ(sportello.mostrati, 0);
    EXPECT_EQ(comandi.filedati(), buono) << "a save now must not overwrite the broken file";
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::stop);
    EXPECT_NE(ultimo().testo.find("Zocal-dati-rotto"), std::string::npos) << ultimo().testo;

    dialoghi.file.push_back(percorso("Zocal-dati-inesistente"));
    EXPECT_FALSE(comandi.apri_Click());
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(comandi.filedati(), buono);
}

TEST_F(Archivio, FileWithoutDescriptionKeepsTheTextsShownAndSaysSo) {
    const std::string file = percorso("Zocal-dati-corto");
    std::ofstream(file, std::ios::binary) << "0\r\n\"1\",\"1,8\",\"0\",\"30\"\r\n";
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.apri_Click());
    EXPECT_EQ(sportello.job[zocal::Descrizione::giudizio], "buono");
    EXPECT_EQ(sportello.job[Frontespizio::committente], "Rossi Mario");
    EXPECT_EQ(sportello.job.dati.nfond, 0);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::esclamazione);
    EXPECT_NE(ultimo().testo.find("descrizione"), std::string::npos);
}

TEST_F(Archivio, DeleteRemovesTheChosenFileAndNothingElse) {
    const std::string file = percorso("Zocal-dati-via");
    dialoghi.file.push_back(file);
    ASSERT_TRUE(comandi.salva_Click());

    EXPECT_FALSE(comandi.eliminare_click()); // cancelled
    EXPECT_TRUE(std::filesystem::exists(file));

    dialoghi.file.push_back(file);
    dialoghi.risposte.push_back(zocal::Risposta::si);
    ASSERT_TRUE(comandi.eliminare_click());
    const auto& r = dialoghi.richieste.back();
    EXPECT_FALSE(r.salva);
    EXPECT_EQ(r.file.titolo,
              "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(r.file.nomefile, file) << "the dialog starts on the last name chosen";
    EXPECT_EQ(r.file.filtro, "Tutti i file (*.*)|*.*|File Zocal-dati- | Zocal-dati-*");
    EXPECT_EQ(r.file.indicefiltro, 2);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(comandi.filedati(), file) << "the current file stays, a save recreates it";
    EXPECT_EQ(sportello.mostrati, 0);

    ASSERT_TRUE(comandi.salva_Click());
    EXPECT_TRUE(std::filesystem::exists(file));
}

// Enter on the delete dialog must not lose a job: the file is named, the
// open job's file is pointed out, and No is the default answer.
TEST_F(Archivio, DeleteAsksNamingTheFileAndNoKeepsIt) {
    const std::string aperto = percorso("Zocal-dati-aperto");
    const std::string altro = percorso("Zocal-dati-altro");
    dialoghi.file = {aperto};
    ASSERT_TRUE(comandi.salva_Click());
    ASSERT_EQ(comandi.filedati(), aperto);
    { std::ofstream(altro, std::ios::binary) << "un altro lavoro"; }

    dialoghi.file.push_back(aperto); // no answer scripted: the default
    EXPECT_FALSE(comandi.eliminare_click());
    EXPECT_TRUE(std::filesystem::exists(aperto));
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::domanda);
    EXPECT_EQ(ultimo().titolo, zocal::modzocal().titolocontrollo);
    EXPECT_NE(ultimo().testo.find(aperto), std::string::npos) << ultimo().testo;
    EXPECT_NE(ultimo().testo.find("lavoro aperto"), std::string::npos) << ultimo().testo;
    ASSERT_EQ(dialoghi.nopredefinito.size(), 1u);
    EXPECT_TRUE(dialoghi.nopredefinito[0]);

    dialoghi.file.push_back(altro);
    dialoghi.risposte.push_back(zocal::Risposta::no);
    EXPECT_FALSE(comandi.eliminare_click());
    EXPECT_TRUE(std::filesystem::exists(altro));
    EXPECT_NE(ultimo().testo.find(altro), std::string::npos);
    EXPECT_EQ(ultimo().testo.find("lavoro aperto"), std::string::npos) << ultimo().testo;

    dialoghi.file.push_back(altro);
    dialoghi.risposte.push_back(zocal::Risposta::si);
    EXPECT_TRUE(comandi.eliminare_click());
    EXPECT_FALSE(std::filesystem::exists(altro));
}

// Save as never silently replaces another job's file; the job's own file
// is saved again without a question.
TEST_F(Archivio, SaveAsAsksBeforeReplacingAnotherFile) {
    const std::string mio = percorso("Zocal-dati-mio");
    const std::string altrui = percorso("Zocal-dati-altrui");
    { std::ofstream(altrui, std::ios::binary) << "il lavoro di un altro"; }
    dialoghi.file = {mio};
    ASSERT_TRUE(comandi.salvanome_Click());
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "a new file needs no question";

    dialoghi.file = {mio};
    ASSERT_TRUE(comandi.salvanome_Click());
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "the job's own file needs no question";

    dialoghi.file = {altrui}; // no answer scripted: the default, No
    EXPECT_FALSE(comandi.salvanome_Click());
    EXPECT_EQ(leggi(altrui), "il lavoro di un altro");
    EXPECT_EQ(comandi.filedati(), mio);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ultimo().icona, Icona::domanda);
    EXPECT_NE(ultimo().testo.find(altrui), std::string::npos) << ultimo().testo;
    EXPECT_TRUE(dialoghi.nopredefinito.back());

    dialoghi.file = {altrui};
    dialoghi.risposte.push_back(zocal::Risposta::si);
    ASSERT_TRUE(comandi.salvanome_Click());
    EXPECT_NE(leggi(altrui).find("\"Rossi Mario\""), std::string::npos);
    EXPECT_EQ(comandi.filedati(), altrui);
}

TEST_F(Archivio, DeleteThatCannotBeDoneIsTold) {
    dialoghi.file.push_back(percorso("Zocal-dati-mai"));
    EXPECT_FALSE(comandi.eliminare_click());
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NE(ultimo().testo.find("Impossibile eliminare"), std::string::npos);

    std::filesystem::create_directory(percorso("cartella"));
    dialoghi.file.push_back(percorso("cartella"));
    EXPECT_FALSE(comandi.eliminare_click());
    EXPECT_TRUE(std::filesystem::is_directory(percorso("cartella")));
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
}

} // namespace
