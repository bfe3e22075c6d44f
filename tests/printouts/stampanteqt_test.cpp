#include "esempio.h"
#include "zocal/printouts/documenti.h"
#include "zocal/printouts/registratore.h"
#include "zocal/printouts/stampanteqt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zocal {
namespace {

namespace fs = std::filesystem;

bool pdftotextpresente() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// The PDF read back as text, one character every `passo` points.
std::vector<std::string> leggipdf(const fs::path& pdf, const char* passo) {
    const std::string comando =
        std::string("pdftotext -layout -fixed ") + passo + " '" + pdf.string() + "' - 2>/dev/null";
    std::string testo;
    if (FILE* p = popen(comando.c_str(), "r")) {
        std::array<char, 4096> buf{};
        std::size_t n = 0;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
            testo.append(buf.data(), n);
        }
        pclose(p);
    }
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);) {
        righe.push_back(r);
    }
    return righe;
}

// The line holding `cercato`, shifted so that `cercato` starts at column
// `colonna`: the reading of a page does not know where the margin is.
std::string allineata(const std::vector<std::string>& righe, const std::string& cercato,
                      int colonna) {
    for (std::size_t n = 0; n < righe.size(); ++n) {
        const auto pos = righe[n].find(cercato);
        if (pos != std::string::npos) {
            const int margine = static_cast<int>(pos) - (colonna - 1);
            return margine >= 0 ? righe[n].substr(static_cast<std::size_t>(margine))
                                : std::string(static_cast<std::size_t>(-margine), ' ') + righe[n];
        }
    }
    return {};
}

struct CartellaProvvisoria {
    fs::path percorso;
    CartellaProvvisoria() {
        percorso = fs::temp_directory_path() /
                   ("zocal-stampe-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(percorso);
        fs::create_directories(percorso);
    }
    ~CartellaProvvisoria() { fs::remove_all(percorso); }
    std::vector<fs::path> file() const {
        std::vector<fs::path> v;
        for (const auto& e : fs::directory_iterator(percorso)) {
            v.push_back(e.path().filename());
        }
        return v;
    }
};

TEST(StampantePdf, ListinoLettoDalPdfComeSullaGriglia) {
    if (!pdftotextpresente()) {
        GTEST_SKIP() << "pdftotext non installato";
    }
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "dati.pdf";
    DatiCalcolo d = esempio();
    SceltaPdf scelta(pdf);
    const EsitoStampa e = stampadati(d, "Casa Rossi", scelta);
    ASSERT_TRUE(e.stampata()) << e.errore;
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_EQ(cartella.file().size(), 1u);

    // The same listing on the grid, to compare the 8-point lines with.
    SceltaRegistrata griglia;
    DatiCalcolo d2 = esempio();
    ASSERT_TRUE(stampadati(d2, "Casa Rossi", griglia).stampata());
    const RegistratoreStampa& carta = griglia.registratore;
    const int testata = carta.rigadi("pia. sol.");
    ASSERT_GT(testata, 0);

    const auto letto = leggipdf(pdf, "4.8");
    const std::string pia = allineata(letto, "pia. sol.", 3);
    EXPECT_EQ(pia, carta.testo(static_cast<std::size_t>(testata)));
    // Find the storey lines by where the header puts the margin.
    std::size_t n = 0;
    while (n < letto.size() && letto[n].find("pia. sol.") == std::string::npos) {
        ++n;
    }
    ASSERT_LT(n + 4, letto.size());
    const auto margine = letto[n].find("pia. sol.") - 2;
    const auto senzamargine = [&](const std::string& r) {
        return r.size() > margine ? r.substr(margine) : std::string();
    };
    EXPECT_EQ(senzamargine(letto[n + 1]), carta.testo(static_cast<std::size_t>(testata) + 1));
    EXPECT_EQ(senzamargine(letto[n + 3]), carta.testo(static_cast<std::size_t>(testata) + 3));
    EXPECT_EQ(senzamargine(letto[n + 4]), carta.testo(static_cast<std::size_t>(testata) + 4));
    // The storey line, with the foundation's results on it.
    EXPECT_NE(letto[n + 3].find("50,04 1,67"), std::string::npos) << letto[n + 3];
    EXPECT_NE(letto[n + 3].find("3,33"), std::string::npos);
}

TEST(StampantePdf, ModelloLettoAlPassoDelCorpoDodici) {
    if (!pdftotextpresente()) {
        GTEST_SKIP() << "pdftotext non installato";
    }
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "modello.pdf";
    SceltaPdf scelta(pdf);
    ASSERT_TRUE(stampamodello(scelta).stampata());
    const auto letto = leggipdf(pdf, "7.2");
    EXPECT_EQ(allineata(letto, "MODULO PER", 10), "         MODULO PER L'ACQUISIZIONE DEI DATI");
    EXPECT_EQ(allineata(letto, "Legenda:", 10), "         Legenda:");
    // Column 14 against column 10, on the same reading.
    const std::string tipo = allineata(letto, "Tipo di suolo:", 10);
    std::size_t margine = 0;
    for (const auto& r : letto) {
        if (const auto p = r.find("Tipo di suolo:"); p != std::string::npos) {
            margine = p - 9;
        }
    }
    ASSERT_EQ(tipo, "         Tipo di suolo:");
    bool trovata = false;
    for (const auto& r : letto) {
        if (const auto p = r.find("1 = sabbioso"); p != std::string::npos) {
            EXPECT_EQ(p - margine + 1, 14u);
            trovata = true;
        }
    }
    EXPECT_TRUE(trovata);
    const auto sottile = leggipdf(pdf, "4.8");
    int vuote = 0;
    for (const auto& r : sottile) {
        vuote += r.find("_______  _______  _______  _______") != std::string::npos;
    }
    EXPECT_EQ(vuote, 20);
}

TEST(StampantePdf, ListinoLungoSuPiuPagineSenzaPerdereRighe) {
    if (!pdftotextpresente()) {
        GTEST_SKIP() << "pdftotext non installato";
    }
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "lungo.pdf";
    DatiCalcolo d;
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    for (int f = 1; f <= 10; ++f) {
        d.prof[f] = "1";
        d.largh[f] = "0,6";
        for (int i = 1; i <= 10; ++i) {
            const char* voci[8] = {"300", "200", "4", "100", "200", "0,30", "3", "1800"};
            for (int k = 0; k < 8; ++k) {
                d.piano(vociingresso[k], i, f) = voci[k];
            }
        }
    }
    d.contadati();
    SceltaPdf scelta(pdf);
    ASSERT_TRUE(stampadati(d, "", scelta).stampata());
    ASSERT_NE(scelta.ultima(), nullptr);
    EXPECT_GT(scelta.ultima()->pagine(), 1);

    const auto letto = leggipdf(pdf, "4.8");
    int piani = 0;
    int fondazioni = 0;
    int pagine = 1;
    for (const auto& r : letto) {
        piani += r.find("1800") != std::string::npos;
        fondazioni += r.find("pia. sol.") != std::string::npos;
        pagine += static_cast<int>(std::count(r.begin(), r.end(), '\f'));
    }
    EXPECT_EQ(piani, 100);
    EXPECT_EQ(fondazioni, 10);
    EXPECT_EQ(pagine - 1, scelta.ultima()->pagine());
}

TEST(StampantePdf, CentoVentiColonneInCorpoOtto) {
    CartellaProvvisoria cartella;
    StampantePdf pdf(cartella.percorso / "x.pdf");
    pdf.dimensione(8);
    EXPECT_GE(pdf.colonne(), 120);
    EXPECT_LT(pdf.colonne(), 125);
    pdf.dimensione(12);
    EXPECT_GE(pdf.colonne(), 80);
}

TEST(StampantePdf, BianchiFinaliNonLascianoSegnoNeTolgonoTesto) {
    if (!pdftotextpresente()) {
        GTEST_SKIP() << "pdftotext non installato";
    }
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "bianchi.pdf";
    {
        StampantePdf stampante(pdf);
        stampante.dimensione(12);
        // A million blanks after a word, then a line of blanks alone.
        stampante.scrivi(1, "inizio" + std::string(1000000, ' '));
        stampante.scrivi(20, "dopo");
        stampante.nuovalinea();
        stampante.scrivi(1, std::string(1000, ' '));
        stampante.nuovalinea();
        stampante.scrivi(3, "fine");
        stampante.nuovalinea();
        stampante.fine();
    }
    const auto righe = leggipdf(pdf, "7.2");
    EXPECT_EQ(allineata(righe, "inizio", 1), "inizio             dopo");
    EXPECT_EQ(allineata(righe, "fine", 3), "  fine");
}

TEST(StampantePdf, CartellaInesistenteGuastoSenzaResidui) {
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "manca" / "dati.pdf";
    SceltaPdf scelta(pdf);
    const EsitoStampa e = stampamodello(scelta);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::guasto);
    EXPECT_NE(e.errore.find(pdf.string()), std::string::npos) << e.errore;
    EXPECT_NE(e.errore.find("cartella inesistente"), std::string::npos) << e.errore;
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_TRUE(cartella.file().empty());
}

TEST(StampantePdf, FileNonSostituibileLasciaTuttoComEra) {
    CartellaProvvisoria cartella;
    // A folder where the file should go: the finished pages cannot take its place.
    const fs::path pdf = cartella.percorso / "dati.pdf";
    fs::create_directory(pdf);
    std::ofstream(pdf / "dentro.txt") << "resta";
    SceltaPdf scelta(pdf);
    const EsitoStampa e = stampamodello(scelta);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::guasto);
    EXPECT_NE(e.errore.find("impossibile salvare il file"), std::string::npos) << e.errore;
    EXPECT_TRUE(fs::is_directory(pdf));
    EXPECT_TRUE(fs::exists(pdf / "dentro.txt"));
    EXPECT_EQ(cartella.file().size(), 1u);
}

TEST(StampantePdf, SostituisceUnFilePrecedenteSoloAStampaFinita) {
    CartellaProvvisoria cartella;
    const fs::path pdf = cartella.percorso / "dati.pdf";
    std::ofstream(pdf) << "vecchio";
    {
        StampantePdf stampante(pdf);
        stampante.scrivi(1, "a met\xC3\xA0");
        stampante.nuovalinea();
        // Abandoned half way: the old file stays, nothing else is left.
    }
    std::ifstream in(pdf);
    std::string contenuto;
    std::getline(in, contenuto);
    EXPECT_EQ(contenuto, "vecchio");
    EXPECT_EQ(cartella.file().size(), 1u);

    SceltaPdf scelta(pdf);
    ASSERT_TRUE(stampamodello(scelta).stampata());
    std::ifstream nuovo(pdf, std::ios::binary);
    std::string inizio(5, '\0');
    nuovo.read(inizio.data(), 5);
    EXPECT_EQ(inizio, "%PDF-");
    EXPECT_EQ(cartella.file().size(), 1u);
}

std::string contenuto(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The printer dialog as a user answers it when choosing to print to `file`.
DialogoStampa stampasufile(const fs::path& file) {
    return [file](QPrinter& p, QWidget*) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(file.string()));
        return true;
    };
}

TEST(SceltaStampanteQt, FilePdfSceltoNelDialogoSalvatoComeUnLavoro) {
    CartellaProvvisoria cartella;
    const fs::path nuovo = cartella.percorso / "nuovo.pdf";
    SceltaStampanteQt scelta(nullptr, stampasufile(nuovo));
    ASSERT_TRUE(stampamodello(scelta).stampata());
    const std::string pdf = contenuto(nuovo);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_TRUE(pdf.ends_with("%%EOF\n"));

    // A read-only file keeps its bytes, whatever the rights of the user.
    const fs::path bloccato = cartella.percorso / "bloccato.pdf";
    std::ofstream(bloccato) << "vecchio";
    fs::permissions(bloccato, fs::perms::owner_read | fs::perms::group_read);
    SceltaStampanteQt sola(nullptr, stampasufile(bloccato));
    EsitoStampa e = stampamodello(sola);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::guasto);
    EXPECT_EQ(e.errore, "Stampa non riuscita: impossibile salvare il file \"" + bloccato.string() +
                            "\": il file è in sola lettura.");
    EXPECT_EQ(contenuto(bloccato), "vecchio");

    // A pipe is never opened, so nothing waits for a reader, nor replaced.
    const fs::path tubo = cartella.percorso / "tubo.pdf";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0644), 0);
    SceltaStampanteQt fifo(nullptr, stampasufile(tubo));
    e = stampamodello(fifo);
    EXPECT_EQ(e.errore, "Stampa non riuscita: impossibile salvare il file \"" + tubo.string() +
                            "\": non è un file ordinario.");
    EXPECT_TRUE(fs::is_fifo(tubo));
    EXPECT_EQ(cartella.file().size(), 3u) << "no temporary file is left behind";

    SceltaStampanteQt annullata(nullptr, [](QPrinter&, QWidget*) { return false; });
    EXPECT_EQ(stampamodello(annullata).stato, EsitoStampa::Stato::annullata);
}

} // namespace
} // namespace zocal
