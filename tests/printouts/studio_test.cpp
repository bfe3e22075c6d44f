#include "zocal/printouts/studio.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zocal {
namespace {

namespace fs = std::filesystem;

TEST(Studio, NomeEIndirizzoSuDueRighe) {
    const Studio s = leggistudio(std::string_view("Studio Bianchi\r\nvia Roma 1, Potenza\r\n"));
    EXPECT_EQ(s.nome, "Studio Bianchi");
    EXPECT_EQ(s.indirizzo, "via Roma 1, Potenza");
    const Studio lf = leggistudio(std::string_view("Ing. Verdi\nPiazza Duomo"));
    EXPECT_EQ(lf.nome, "Ing. Verdi");
    EXPECT_EQ(lf.indirizzo, "Piazza Duomo");
    const Studio una = leggistudio(std::string_view("Solo nome"));
    EXPECT_EQ(una.nome, "Solo nome");
    EXPECT_EQ(una.indirizzo, "");
    EXPECT_EQ(leggistudio(std::string_view("")).nome, "");
}

TEST(Studio, CodificaRiconosciuta) {
    // Windows-1252, as the program's other text files.
    EXPECT_EQ(leggistudio(std::string_view("Studio Citt\xE0\r\nvia Sant\x92"
                                           "Anna"))
                  .indirizzo,
              "via Sant\xE2\x80\x99"
              "Anna");
    EXPECT_EQ(leggistudio(std::string_view("Studio Citt\xE0")).nome, "Studio Citt\xC3\xA0");
    // UTF-8, with or without its mark, stays as it is.
    EXPECT_EQ(leggistudio(std::string_view("Studio Citt\xC3\xA0")).nome, "Studio Citt\xC3\xA0");
    EXPECT_EQ(leggistudio(std::string_view("\xEF\xBB\xBFStudio Citt\xC3\xA0\n")).nome,
              "Studio Citt\xC3\xA0");
}

TEST(Studio, FileAssenteStudioVuoto) {
    const Studio s = leggistudio(fs::path("/percorso/che/non/esiste/StudioZocal.TXT"));
    EXPECT_EQ(s.nome, "");
    EXPECT_EQ(s.indirizzo, "");
}

TEST(Studio, CercatoNellaConfigurazioneDellUtente) {
    const fs::path base = fs::temp_directory_path() / "zocal-studio-test";
    fs::remove_all(base);
    fs::create_directories(base / "Zocal");
    std::ofstream(base / "Zocal" / filestudio, std::ios::binary) << "Studio Neri\r\nvia Po 3\r\n";
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    const QString nome = QCoreApplication::applicationName();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(base.string()));
    QCoreApplication::setApplicationName(QStringLiteral("Zocal"));
    const Studio trovato = cercastudio();
    fs::remove(base / "Zocal" / filestudio);
    const Studio assente = cercastudio();
    QCoreApplication::setApplicationName(nome);
    if (prima.isEmpty()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", prima);
    }
    fs::remove_all(base);
    EXPECT_EQ(trovato.nome, "Studio Neri");
    EXPECT_EQ(trovato.indirizzo, "via Po 3");
    EXPECT_EQ(assente.nome, "");
}

} // namespace
} // namespace zocal
