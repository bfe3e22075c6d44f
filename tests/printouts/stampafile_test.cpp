#include "zocal/printouts/stampafile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace zocal {
namespace {

namespace fs = std::filesystem;

struct Esito {
    int stato = -1;
    std::string uscita;
    std::string errori;
};

Esito esegui(std::vector<std::string> argomenti) {
    argomenti.insert(argomenti.begin(), {"zocal-cli", "stampa"});
    std::vector<char*> argv;
    for (auto& a : argomenti) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    Esito e;
    e.stato = stampadariga(static_cast<int>(argomenti.size()), argv.data());
    e.errori = ::testing::internal::GetCapturedStderr();
    e.uscita = ::testing::internal::GetCapturedStdout();
    return e;
}

std::string testopdf(const fs::path& pdf) {
    const std::string comando = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    std::string testo;
    if (FILE* p = popen(comando.c_str(), "r")) {
        std::array<char, 4096> buf{};
        std::size_t n = 0;
        while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
            testo.append(buf.data(), n);
        }
        pclose(p);
    }
    return testo;
}

bool pdftotextpresente() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

const std::string esempio = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-esempio";

struct StampaDaRiga : ::testing::Test {
    fs::path cartella;
    void SetUp() override {
        cartella = fs::temp_directory_path() /
                   (std::string("zocal-stampa-riga-") + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(cartella);
        fs::create_directories(cartella);
    }
    void TearDown() override { fs::remove_all(cartella); }
    std::string pdf(const char* nome) const { return (cartella / nome).string(); }
};

TEST_F(StampaDaRiga, RigaDiComandoSbagliata) {
    const std::vector<std::vector<std::string>> sbagliate = {
        {},
        {"-o", pdf("a.pdf")},
        {"--dati", esempio},
        {"--dati", "-o", pdf("a.pdf")},
        {"--dati", esempio, "--modello", "-o", pdf("a.pdf")},
        {"--dati", esempio, "altro", "-o", pdf("a.pdf")},
        {"--dati", esempio, "-o"},
        {"--dati", esempio, "-o", pdf("a.pdf"), "-o", pdf("b.pdf")},
        {"--dati", esempio, "-o", pdf("a.pdf"), "--studio", "X"},
        {"--modello", "--colore", "-o", pdf("a.pdf")},
    };
    for (const auto& argomenti : sbagliate) {
        const Esito e = esegui(argomenti);
        EXPECT_EQ(e.stato, 1) << testing::PrintToString(argomenti);
        EXPECT_NE(e.errori.find("zocal-cli: stampa: "), std::string::npos);
        EXPECT_NE(e.errori.find(usostampa), std::string::npos);
    }
    EXPECT_TRUE(fs::is_empty(cartella));
}

TEST_F(StampaDaRiga, Aiuto) {
    const Esito e = esegui({"--help"});
    EXPECT_EQ(e.stato, 0);
    EXPECT_NE(e.uscita.find(usostampa), std::string::npos);
    EXPECT_EQ(e.errori, "");
}

TEST_F(StampaDaRiga, FileDatiIlleggibile) {
    const Esito e = esegui({"--dati", pdf("manca"), "-o", pdf("a.pdf")});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.errori.find(pdf("manca")), std::string::npos) << e.errori;
    EXPECT_FALSE(fs::exists(pdf("a.pdf")));
}

TEST_F(StampaDaRiga, CartellaDiUscitaInesistente) {
    const std::string uscita = (cartella / "manca" / "a.pdf").string();
    const Esito e = esegui({"--modello", "-o", uscita});
    EXPECT_EQ(e.stato, 2);
    EXPECT_NE(e.errori.find("impossibile salvare il file \"" + uscita + "\": cartella inesistente"),
              std::string::npos)
        << e.errori;
}

TEST_F(StampaDaRiga, IQuattroDocumenti) {
    ASSERT_EQ(esegui({"--modello", "-o", pdf("modello.pdf")}).stato, 0);
    // The sheet reads no job, but a file named with it is no mistake.
    ASSERT_EQ(esegui({"--modello", esempio, "-o", pdf("modello2.pdf")}).stato, 0);
    ASSERT_EQ(esegui({"--dati", esempio, "-o", pdf("dati.pdf")}).stato, 0);
    ASSERT_EQ(esegui({"--frontespizio", esempio, "--studio", "Studio Bianchi", "--indirizzo",
                      "via Roma 1", "-o", pdf("frontespizio.pdf")})
                  .stato,
              0);
    const Esito descrizione = esegui({"-o", pdf("descrizione.pdf"), "--descrizione", esempio});
    ASSERT_EQ(descrizione.stato, 0);
    EXPECT_EQ(descrizione.errori, "");
    if (!pdftotextpresente()) {
        GTEST_SKIP() << "pdftotext non installato";
    }
    EXPECT_NE(testopdf(pdf("modello.pdf")).find("MODULO PER L'ACQUISIZIONE DEI DATI"),
              std::string::npos);
    // The results are worked out before printing: the file holds none.
    const std::string dati = testopdf(pdf("dati.pdf"));
    EXPECT_NE(dati.find("Costruzione di un fabbricato"), std::string::npos);
    EXPECT_NE(dati.find("50,04 1,67"), std::string::npos) << dati;
    EXPECT_NE(dati.find("3,33"), std::string::npos);
    const std::string frontespizio = testopdf(pdf("frontespizio.pdf"));
    EXPECT_NE(frontespizio.find("Rossi Mario"), std::string::npos);
    EXPECT_NE(frontespizio.find("Studio Bianchi"), std::string::npos);
    EXPECT_NE(frontespizio.find("via Roma 1"), std::string::npos);
    const std::string testo = testopdf(pdf("descrizione.pdf"));
    EXPECT_NE(testo.find("DESCRIZIONE DEL FABBRICATO"), std::string::npos);
    EXPECT_NE(testo.find("il fabbricato \xC3\xA8 modesto"), std::string::npos) << testo;
}

} // namespace
} // namespace zocal
