#include "zocal/archive/datiprogramma.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zocal;

namespace {

// A fresh folder for one test, removed after it.
class Cartella {
  public:
    Cartella() {
        std::string modello =
            (std::filesystem::temp_directory_path() / "zocal-dati-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    ~Cartella() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& percorso() const { return percorso_; }
    std::filesystem::path scrivi(const std::string& nome, const std::string& byte) const {
        std::ofstream(percorso_ / nome, std::ios::binary) << byte;
        return percorso_ / nome;
    }

  private:
    std::filesystem::path percorso_;
};

} // namespace

TEST(DatiProgramma, BuildTreeThenInstalledData) {
    const auto c = cartelleprogramma("/opt/zocal/bin");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0], std::filesystem::path("/opt/zocal/bin"));
    EXPECT_EQ(c[1], std::filesystem::path("/opt/zocal/share/zocal"));
    EXPECT_TRUE(cartelleprogramma("").empty());
}

TEST(DatiProgramma, FirstFolderHoldingAFileWins) {
    Cartella a;
    Cartella b;
    b.scrivi("listino.txt", "b");
    EXPECT_EQ(cercafile("listino.txt", {a.percorso(), b.percorso()}), b.percorso() / "listino.txt");
    a.scrivi("listino.txt", "a");
    EXPECT_EQ(cercafile("listino.txt", {a.percorso(), b.percorso()}), a.percorso() / "listino.txt");
    // A folder of that name is no file.
    std::filesystem::create_directory(a.percorso() / "SuggerimentiZocal.TXT");
    EXPECT_TRUE(cercafile("SuggerimentiZocal.TXT", {a.percorso(), b.percorso()}).empty());
    EXPECT_TRUE(cercafile("listino.txt", {}).empty());
}

TEST(DatiProgramma, Windows1252TextUnlessItIsUtf8) {
    EXPECT_EQ(testodafile("Citt\xE0 \x80 5"), "Città € 5");
    EXPECT_EQ(testodafile("Città € 5"), "Città € 5");
    EXPECT_EQ(testodafile("\xEF\xBB\xBFgià"), "già");
    EXPECT_EQ(testodafile(""), "");
}

TEST(DatiProgramma, ReadingTellsWhyItFailed) {
    Cartella c;
    std::string byte;
    std::string errore;
    ASSERT_TRUE(leggifile(c.scrivi("a.txt", std::string("x\0y", 3)), byte, &errore));
    EXPECT_EQ(byte, std::string("x\0y", 3));
    EXPECT_FALSE(leggifile(c.percorso() / "no.txt", byte, &errore));
    EXPECT_EQ(errore, "file inesistente");
    EXPECT_FALSE(leggifile(c.percorso(), byte, &errore));
    EXPECT_EQ(errore, "è una cartella, non un file");
    if (geteuid() != 0) {
        const auto chiuso = c.scrivi("chiuso.txt", "segreto");
        chmod(chiuso.c_str(), 0);
        EXPECT_FALSE(leggifile(chiuso, byte, &errore));
        EXPECT_EQ(errore, "permesso negato");
    }
}
