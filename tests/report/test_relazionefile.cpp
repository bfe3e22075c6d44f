#include "zocal/report/relazionefile.h"

#include "zocal/archive/archivio.h"
#include "zocal/report/percorsi.h"

#include "esempi.h"
#include "zipletto.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace zocal;

namespace {

struct Esito {
    int stato;
    std::string out;
    std::string err;
};

Esito esegui(const std::vector<std::string>& argomenti) {
    std::ostringstream out, err;
    const int stato = comandorelazione(argomenti, out, err);
    return {stato, out.str(), err.str()};
}

std::string salva(const esempi::Cartella& c, const Lavoro& l, const std::string& nome) {
    const std::string p = c / nome;
    const auto esito = salvalavoro(p, l);
    EXPECT_TRUE(esito.riuscito()) << esito.errore;
    return p;
}

} // namespace

TEST(Comando, ReportBesideTheJobNamedAfterTheClient) {
    esempi::Cartella c;
    Lavoro l = esempi::lavoroesempio();
    l[Frontespizio::committente] = "Rossi/Bianchi";
    const std::string lavoro = salva(c, l, "Zocal-dati-villa");
    const Esito e = esegui({lavoro, "--studio", "Studio Uno", "--indirizzo", "via Due 3"});
    ASSERT_EQ(e.stato, 0) << e.err;
    const std::string docx = c / "Zocal-RelazioneZocal-Rossi_Bianchi.docx";
    const std::string pdf = c / "Zocal-RelazioneZocal-Rossi_Bianchi.pdf";
    EXPECT_TRUE(std::filesystem::exists(docx));
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_NE(e.out.find("relazione: " + docx + "\n"), std::string::npos) << e.out;
    EXPECT_NE(e.out.find("PDF: " + pdf + "\n"), std::string::npos) << e.out;
    const auto p = e.out.find("pagine: ");
    ASSERT_NE(p, std::string::npos) << e.out;
    const int pagine = std::atoi(e.out.c_str() + p + 8);
    EXPECT_GE(pagine, 4);
    EXPECT_TRUE(e.err.empty()) << e.err;
    if (esempi::disponibile("pdftotext")) {
        const std::string testo = esempi::testopdf(pdf);
        EXPECT_NE(testo.find("progettista: Studio Uno"), std::string::npos);
        EXPECT_NE(testo.find("via Due 3"), std::string::npos);
        // Results were computed before writing: the job file holds none.
        EXPECT_NE(testo.find("Fondazione n. 1 (tensioni ammissibili: verificata; NTC 2018:"),
                  std::string::npos)
            << testo;
        EXPECT_NE(testo.find("Esito delle verifiche"), std::string::npos);
        EXPECT_NE(testo.find("8990"), std::string::npos);
        EXPECT_EQ(esempi::paginepdf(pdf), pagine);
    }
}

TEST(Comando, ExplicitOutputAndOptionForms) {
    esempi::Cartella c;
    const std::string lavoro = salva(c, esempi::lavoroesempio(), "Zocal-dati-esempio");
    const std::string docx = c / "uscita/rel.docx";
    std::filesystem::create_directory(c / "uscita");
    const Esito e = esegui({"--studio=S", lavoro, "-o", docx, "--indirizzo=I"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(std::filesystem::exists(docx));
    EXPECT_TRUE(std::filesystem::exists(c / "uscita/rel.pdf"));
}

TEST(Comando, MissingStudioNameIsWarnedAndTheReportStillWritten) {
    esempi::Cartella c;
    const std::string lavoro = salva(c, esempi::lavoroesempio(), "Zocal-dati-esempio");
    const Esito e = esegui({lavoro, "-o", c / "rel.docx", "--studio", " ", "--indirizzo", "I"});
    ASSERT_EQ(e.stato, 0) << e.err;
    EXPECT_TRUE(std::filesystem::exists(c / "rel.docx"));
    EXPECT_TRUE(std::filesystem::exists(c / "rel.pdf"));
    EXPECT_EQ(e.err.rfind("zocal-cli: attenzione: ", 0), 0u) << e.err;
    EXPECT_NE(e.err.find("StudioZocal.TXT"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find(cartellaconfigurazione().string()), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("--studio"), std::string::npos) << e.err;
    EXPECT_NE(e.out.find("relazione: "), std::string::npos);
}

TEST(Comando, ExamplesStateTheirTruePageCount) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdfinfo")) {
        GTEST_SKIP() << "pdftotext or pdfinfo missing";
    }
    esempi::Cartella c;
    for (const char* nome :
         {"Zocal-dati-esempio", "Zocal-dati-due-fondazioni", "Zocal-dati-sigma"}) {
        SCOPED_TRACE(nome);
        const std::string docx = c / (std::string(nome) + ".docx");
        const EsitoRelazione e = relazionedafile(ZOCAL_ESEMPI "/" + std::string(nome), docx,
                                                 "Studio Tecnico", "via Roma 1");
        ASSERT_TRUE(e.riuscita()) << e.errore;
        const int pagine = esempi::paginepdf(e.pdf);
        EXPECT_EQ(pagine, e.pagine);
        EXPECT_NE(
            esempi::testopdf(e.pdf).find("composta di n. " + std::to_string(pagine) + " pagine."),
            std::string::npos);
        // A phrase stored before its spelling was mended prints as stored.
        const std::string xml = leggizip(esempi::leggi(docx))["word/document.xml"].dati;
        EXPECT_NE(xml.find(std::string(nome) == "Zocal-dati-esempio"
                               ? ">il fabbricato è modesto e ricade in zone già note<"
                               : ">il fabbricato è modesto è ricade in zona già note<"),
                  std::string::npos);
    }
}

TEST(Comando, WrongArgumentsGiveUsage) {
    for (const auto& argomenti : std::vector<std::vector<std::string>>{{},
                                                                       {"--boh", "x"},
                                                                       {"a", "b"},
                                                                       {"x", "-o"},
                                                                       {"x", "-o", "a", "-o", "b"},
                                                                       {"x", "-o", ""}}) {
        const Esito e = esegui(argomenti);
        EXPECT_EQ(e.stato, 1);
        EXPECT_EQ(e.err.rfind("zocal-cli: ", 0), 0u) << e.err;
        EXPECT_NE(e.err.find("Uso: zocal-cli relazione FILE"), std::string::npos);
        EXPECT_TRUE(e.out.empty());
    }
    const Esito aiuto = esegui({"--help"});
    EXPECT_EQ(aiuto.stato, 0);
    EXPECT_EQ(aiuto.out, usorelazione);
}

TEST(Comando, UnreadableJobOrUnwritableFolder) {
    esempi::Cartella c;
    Esito e = esegui({c / "Zocal-dati-manca"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("Impossibile aprire il file"), std::string::npos) << e.err;

    esempi::scrivi(c / "Zocal-dati-rotto", "questo non è un lavoro\r\n");
    e = esegui({c / "Zocal-dati-rotto"});
    EXPECT_EQ(e.stato, 2);

    const std::string lavoro = salva(c, esempi::lavoroesempio(), "Zocal-dati-esempio");
    e = esegui({lavoro, "-o", c / "nessuna/cartella/rel.docx"});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.err.find("Impossibile salvare il file \"" + (c / "nessuna/cartella/rel.docx") +
                         "\": cartella inesistente"),
              std::string::npos)
        << e.err;
    EXPECT_TRUE(e.out.empty());
}

TEST(Comando, RelazioneDaFileCountsAsTheWindowDoes) {
    esempi::Cartella c;
    Lavoro l = esempi::lavoropieno(3, 2);
    const std::string lavoro = salva(c, l, "Zocal-dati-tre");
    const EsitoRelazione e = relazionedafile(lavoro, c / "r.docx", "S", "I");
    ASSERT_TRUE(e.riuscita()) << e.errore;
    EXPECT_EQ(e.docx, c / "r.docx");
    EXPECT_EQ(e.pdf, c / "r.pdf");
    EXPECT_GE(e.pagine, 4);
    if (esempi::disponibile("pdfinfo")) {
        EXPECT_EQ(esempi::paginepdf(e.pdf), e.pagine);
    }
}

TEST(Comando, SenzaNtcLeavesOutTheLimitStateSection) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdfinfo")) {
        GTEST_SKIP() << "pdftotext or pdfinfo missing";
    }
    esempi::Cartella c;
    const std::string lavoro = salva(c, esempi::lavoroesempio(), "Zocal-dati-esempio");
    auto pagine = [](const std::string& out) {
        const auto p = out.find("pagine: ");
        return p == std::string::npos ? -1 : std::atoi(out.c_str() + p + 8);
    };
    const Esito con = esegui({lavoro, "-o", c / "con.docx", "--studio", "S", "--indirizzo", "I"});
    ASSERT_EQ(con.stato, 0) << con.err;
    const Esito senza = esegui(
        {lavoro, "-o", c / "senza.docx", "--senza-ntc", "--studio", "S", "--indirizzo", "I"});
    ASSERT_EQ(senza.stato, 0) << senza.err;
    const std::string testocon = esempi::testopdf(c / "con.pdf");
    const std::string testosenza = esempi::testopdf(c / "senza.pdf");
    EXPECT_NE(testocon.find("Verifica agli stati limite ultimi (NTC 2018)"), std::string::npos);
    EXPECT_EQ(testosenza.find("NTC 2018"), std::string::npos);
    EXPECT_EQ(esempi::paginepdf(c / "con.pdf"), pagine(con.out));
    EXPECT_EQ(esempi::paginepdf(c / "senza.pdf"), pagine(senza.out));
    EXPECT_GT(pagine(con.out), pagine(senza.out));
    EXPECT_NE(testosenza.find("composta di n. " + std::to_string(pagine(senza.out))),
              std::string::npos);
    const auto zip = leggizip(esempi::leggi(c / "senza.docx"));
    EXPECT_EQ(zip.count("word/media/immagine1.png"), 0u);
    EXPECT_EQ(leggizip(esempi::leggi(c / "con.docx")).count("word/media/immagine1.png"), 1u);
    // The usage names the option.
    EXPECT_NE(std::string(usorelazione).find("--senza-ntc"), std::string::npos);
}
