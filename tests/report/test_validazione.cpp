#include "zocal/report/validazione.h"

#include "zocal/report/documento.h"
#include "zocal/report/registratore.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zocal;

namespace {

ValoreValidazione valore(const char* atteso, double a, double calcolato) {
    ValoreValidazione v;
    v.nome = "Nq";
    v.testoatteso = atteso;
    v.atteso = a;
    v.calcolato = calcolato;
    return v;
}

std::vector<CasoValidazione> duecasi() {
    return {{"1.1",
             "Buono",
             "tabella pubblicata: Look",
             "φ 30°",
             "",
             {valore("18,4", 18.4, 18.41)},
             ""},
            {"3.1",
             "Cattivo",
             "esempio svolto, ricalcolato in modo indipendente",
             "file",
             "Zocal-dati-x",
             {valore("0,914", 0.914, 0.914), valore("1,062", 1.062, 0.99)},
             ""},
            {"3.2", "Illeggibile", "esempio svolto", "file", "Zocal-dati-y", {}, "riga 2: guasto"}};
}

} // namespace

TEST(Validazione, SummaryFirstThenEachCaseWithItsOutcome) {
    ScrittoreRegistratore w;
    componivalidazione(w, duecasi());
    const std::string t = w.testo();
    EXPECT_EQ(t.find(titolovalidazione), 0u);
    EXPECT_NE(t.find("Esito complessivo: 2 casi su 3 sono FUORI TOLLERANZA."), std::string::npos);
    EXPECT_NE(t.find("Il caso non si è potuto calcolare: riga 2: guasto"), std::string::npos);
    const auto tabelle = w.tabelle();
    // The summary, then a table for each case with values.
    ASSERT_EQ(tabelle.size(), 3u);
    const std::vector<std::vector<std::string>> sintesi = {
        {"n.", "caso", "fonte", "valori", "esito"},
        {"1.1", "Buono", "tabella pubblicata", "1", "entro la tolleranza"},
        {"3.1", "Cattivo", "esempio svolto", "2", "FUORI TOLLERANZA"},
        {"3.2", "Illeggibile", "esempio svolto", "0", "FUORI TOLLERANZA"}};
    EXPECT_EQ(tabelle[0].celle, sintesi);
    EXPECT_EQ(tabelle[1].celle[1],
              (std::vector<std::string>{"Nq", "", "18,4", "18,410", "±0,1", "entro"}));
    EXPECT_EQ(tabelle[2].celle[2],
              (std::vector<std::string>{"Nq", "", "1,062", "0,99000", "±0,001", "FUORI"}));
    EXPECT_NE(t.find("Fonte: esempio svolto, ricalcolato in modo indipendente."),
              std::string::npos);
}

TEST(Validazione, ReportCitesTheDocumentByTitleAndVersion) {
    EXPECT_EQ(validazionecitata().find("il \"" + citazionevalidazione() + "\""), 0u);
    EXPECT_NE(validazionecitata().find("casi risultano entro la tolleranza."), std::string::npos);
    EXPECT_EQ(citazionevalidazione().rfind("Documento di validazione di Zocal, versione ", 0), 0u);
}

TEST(Validazione, SavedAsPdfOrTheReason) {
    const auto cartella = std::filesystem::temp_directory_path() / "zocal-validazione-test";
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    ScrittoreDocumento w;
    const EsitoDocumentoValidazione e = scrivivalidazione(w, (cartella / "v.pdf").string());
    EXPECT_TRUE(e.riuscita()) << e.errore;
    EXPECT_TRUE(e.falliti().empty());
    EXPECT_GT(e.pagine, 1);
    EXPECT_GT(std::filesystem::file_size(cartella / "v.pdf"), 10000u);
    ScrittoreDocumento altro;
    const EsitoDocumentoValidazione no =
        scrivivalidazione(altro, (cartella / "manca" / "v.pdf").string());
    EXPECT_FALSE(no.riuscita());
    EXPECT_NE(no.errore.find("v.pdf"), std::string::npos) << no.errore;
    std::filesystem::remove_all(cartella);
}
