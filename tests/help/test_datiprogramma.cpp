#include "zocal/help/datiprogramma.h"

#include "finti.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zocal;

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
