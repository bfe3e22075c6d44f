#include "zocal/report/percorsi.h"

#include "salvataggio.h"

#include "esempi.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zocal;

TEST(NomeFile, UnsafeCharactersBecomeUnderscores) {
    EXPECT_EQ(nomerelazione("Rossi Mario"), "Zocal-RelazioneZocal-Rossi Mario.docx");
    EXPECT_EQ(nomerelazione(""), "Zocal-RelazioneZocal-.docx");
    EXPECT_EQ(nomesicuro("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(nomesicuro(std::string("a\tb\nc\x7f") + "d"), "a_b_c_d");
    EXPECT_EQ(nomesicuro("Comune di Città Sant'Angelo"), "Comune di Città Sant'Angelo");
    EXPECT_EQ(nomesicuro("../../etc"), ".._.._etc");
    EXPECT_EQ(nomesicuro("a\xff"
                         "b"),
              "a_b");
}

TEST(NomeFile, LongNamesAreCutOnACharacterBoundary) {
    std::string lungo;
    for (int i = 0; i < 150; ++i) {
        lungo += "à"; // two bytes each
    }
    const std::string cut = nomesicuro(lungo);
    EXPECT_LE(cut.size(), 200u);
    EXPECT_EQ(cut.size() % 2, 0u);
    EXPECT_EQ(cut, lungo.substr(0, cut.size()));
    EXPECT_LE(nomerelazione(lungo + lungo).size(), 255u);
}

TEST(NomeFile, PdfBesideTheDocument) {
    EXPECT_EQ(percorsopdf("/a/Zocal-RelazioneZocal-X.docx"), "/a/Zocal-RelazioneZocal-X.pdf");
    EXPECT_EQ(percorsopdf("/a/REL.DOCX"), "/a/REL.pdf");
    EXPECT_EQ(percorsopdf("/a/relazione"), "/a/relazione.pdf");
    EXPECT_EQ(percorsopdf(".docx"), ".docx.pdf");
}

TEST(Cartella, JobFolderElseDocuments) {
    EXPECT_EQ(cartelladocumenti("/lavori/2024/Zocal-dati-villa"), "/lavori/2024");
    EXPECT_EQ(percorsorelazione("/lavori/Zocal-dati-villa", "Bianchi/Verdi"),
              "/lavori/Zocal-RelazioneZocal-Bianchi_Verdi.docx");
    const std::filesystem::path relativo = cartelladocumenti("Zocal-dati-villa");
    EXPECT_TRUE(relativo.is_absolute());
    EXPECT_EQ(relativo, std::filesystem::current_path());
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(cartelladocumenti("").string(), documenti.toStdString());
}

TEST(Cartella, MissingDocumentsFolderIsCreatedElseHomeAndSaid) {
    esempi::Cartella c;
    std::string avviso;
    // An account without the desktop's folders: made at the first report.
    const std::filesystem::path documenti = c.percorso() / "Documenti";
    EXPECT_EQ(cartelladocumenti(documenti, c.percorso(), &avviso), documenti);
    EXPECT_TRUE(std::filesystem::is_directory(documenti));
    EXPECT_TRUE(avviso.empty());
    EXPECT_EQ(cartelladocumenti(documenti, c.percorso(), &avviso), documenti);
    EXPECT_TRUE(avviso.empty());
    // A file stands where the folder should be: the home folder, and why.
    esempi::scrivi(c.percorso() / "file", "x");
    const std::filesystem::path impossibile = c.percorso() / "file" / "Documenti";
    EXPECT_EQ(cartelladocumenti(impossibile, c.percorso(), &avviso), c.percorso());
    EXPECT_NE(avviso.find(impossibile.string()), std::string::npos) << avviso;
    EXPECT_NE(avviso.find("\"" + c.percorso().string() + "\""), std::string::npos) << avviso;
    EXPECT_EQ(cartelladocumenti(impossibile, c.percorso()), c.percorso());
}

TEST(Studio, LookedUpInConfigurationThenProgramFolder) {
    const auto percorsi = percorsistudio();
    ASSERT_GE(percorsi.size(), 2u);
    EXPECT_EQ(percorsi[0].filename(), "StudioZocal.TXT");
    EXPECT_EQ(percorsi[0].parent_path().string(),
              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString());
    EXPECT_EQ(percorsi[1].parent_path().string(),
              QCoreApplication::applicationDirPath().toStdString());
}

TEST(Salvataggio, ReplacesWholeOrNotAtAll) {
    esempi::Cartella c;
    const std::string file = c / "relazione.docx";
    ASSERT_FALSE(salvabyte(file, "prima versione").has_value());
    EXPECT_EQ(esempi::leggi(file), "prima versione");
    ::chmod(file.c_str(), 0640);
    ASSERT_FALSE(salvabyte(file, "seconda").has_value());
    EXPECT_EQ(esempi::leggi(file), "seconda");
    struct stat st {};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the file keeps its permissions";
    std::size_t voci = 0;
    for ([[maybe_unused]] const auto& v : std::filesystem::directory_iterator(c.percorso())) {
        ++voci;
    }
    EXPECT_EQ(voci, 1u) << "no temporary file left behind";
}

TEST(Salvataggio, FailuresAreItalianAndNameTheFile) {
    esempi::Cartella c;
    const std::string mancante = c / "manca/relazione.docx";
    auto errore = salvabyte(mancante, "x");
    ASSERT_TRUE(errore.has_value());
    EXPECT_EQ(*errore, "Impossibile salvare il file \"" + mancante + "\": cartella inesistente");

    std::filesystem::create_directory(c / "cartella.docx");
    errore = salvabyte(c / "cartella.docx", "x");
    ASSERT_TRUE(errore.has_value());
    EXPECT_NE(errore->find("il percorso indica una cartella"), std::string::npos) << *errore;

    esempi::scrivi(c / "file", "x");
    errore = salvabyte(c / "file/relazione.docx", "x");
    ASSERT_TRUE(errore.has_value());
    EXPECT_NE(errore->find("non è una cartella"), std::string::npos) << *errore;
}

TEST(Salvataggio, NeverReplacesAPipeOrFollowsALinkAway) {
    esempi::Cartella c;
    const std::string tubo = c / "tubo.docx";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0600), 0);
    const auto errore = salvabyte(tubo, "dati");
    ASSERT_TRUE(errore.has_value());
    EXPECT_EQ(*errore, "Impossibile salvare il file \"" + tubo + "\": non è un file ordinario");
    struct stat st {};
    ::lstat(tubo.c_str(), &st);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A link keeps pointing at the file, which gets the new contents.
    std::filesystem::create_directory(c / "vera");
    esempi::scrivi(c / "vera/rel.docx", "vecchio");
    std::filesystem::create_symlink(c / "vera/rel.docx", c / "collegamento.docx");
    ASSERT_FALSE(salvabyte(c / "collegamento.docx", "nuovo").has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(c / "collegamento.docx"));
    EXPECT_EQ(esempi::leggi(c / "vera/rel.docx"), "nuovo");
}
