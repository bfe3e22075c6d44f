#include "zocal/archive/studio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace zocal {
namespace {

TEST(Studio, TwoLinesInUtf8OrWindows1252) {
    StudioTecnico s = studiodatesto("Studio Tecnico Verdi\r\nvia Roma 3, Matera\r\n");
    EXPECT_EQ(s.nome, "Studio Tecnico Verdi");
    EXPECT_EQ(s.indirizzo, "via Roma 3, Matera");
    s = studiodatesto("\xEF\xBB\xBFStudio Città\nPiazza Unità 1");
    EXPECT_EQ(s.nome, "Studio Città");
    EXPECT_EQ(s.indirizzo, "Piazza Unità 1");
    s = studiodatesto("Studio Citt\xE0\r\nVia Libert\xE0 \x92"
                      "5\x92");
    EXPECT_EQ(s.nome, "Studio Città");
    EXPECT_EQ(s.indirizzo, "Via Libertà ’5’");
    s = studiodatesto("Solo nome");
    EXPECT_EQ(s.nome, "Solo nome");
    EXPECT_EQ(s.indirizzo, "");
    s = studiodatesto("");
    EXPECT_EQ(s.nome, "");
    EXPECT_EQ(s.indirizzo, "");
    s = studiodatesto("\nsolo indirizzo\naltro");
    EXPECT_EQ(s.nome, "");
    EXPECT_EQ(s.indirizzo, "solo indirizzo");
}

TEST(Studio, ConfigurationFirstThenProgramThenInstalledData) {
    const auto p = percorsistudio("/home/u/.config/Zocal", "/opt/zocal/bin");
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0], fs::path("/home/u/.config/Zocal/StudioZocal.TXT"));
    EXPECT_EQ(p[1], fs::path("/opt/zocal/bin/StudioZocal.TXT"));
    EXPECT_EQ(p[2], fs::path("/opt/zocal/share/zocal/StudioZocal.TXT"));
    EXPECT_EQ(percorsistudio("", "/opt/zocal/bin").size(), 2u);
}

TEST(Studio, FirstFileFoundWins) {
    const fs::path base = fs::temp_directory_path() / "zocal-test-studio";
    fs::remove_all(base);
    fs::create_directories(base / "config");
    const fs::path primo = base / "config" / filestudio;
    const fs::path secondo = base / filestudio;
    std::ofstream(secondo, std::ios::binary) << "Secondo\r\nvia B\r\n";
    fs::path trovato;
    StudioTecnico s = caricastudio({primo, secondo}, &trovato);
    EXPECT_EQ(s.nome, "Secondo");
    EXPECT_EQ(trovato, secondo);
    std::ofstream(primo, std::ios::binary) << "Primo\r\nvia A\r\n";
    s = caricastudio({primo, secondo}, &trovato);
    EXPECT_EQ(s.nome, "Primo");
    EXPECT_EQ(s.indirizzo, "via A");
    EXPECT_EQ(trovato, primo);
    trovato.clear();
    // A folder with the name, or nothing at all, is passed over.
    s = caricastudio({base / "manca.TXT", base / "config"}, &trovato);
    EXPECT_EQ(s.nome, "");
    EXPECT_TRUE(trovato.empty());
    fs::remove_all(base);
}

TEST(Recenti, IlFileAppenaUsatoVaInCimaUnaVoltaSolaECinqueAlPiu) {
    using Lista = std::vector<std::string>;
    struct Caso {
        const char* nome;
        Lista prima;
        std::string file;
        Lista dopo;
    };
    const Caso casi[] = {
        {"lista vuota", {}, "/l/a", {"/l/a"}},
        {"già in lista: sale in cima", {"/l/a", "/l/b", "/l/c"}, "/l/c", {"/l/c", "/l/a", "/l/b"}},
        {"già in cima", {"/l/a", "/l/b"}, "/l/a", {"/l/a", "/l/b"}},
        {"il sesto fa uscire il più vecchio",
         {"/1", "/2", "/3", "/4", "/5"},
         "/6",
         {"/6", "/1", "/2", "/3", "/4"}},
        {"nessun nome", {"/l/a"}, "", {"/l/a"}},
        {"un a capo spezzerebbe la lista", {"/l/a"}, "/l/x\ny", {"/l/a"}},
        {"un ritorno a capo anche", {"/l/a"}, "/l/x\ry", {"/l/a"}},
        {"spazi e accenti restano", {}, "/lavori/Città nuova", {"/lavori/Città nuova"}},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(conrecente(c.prima, c.file), c.dopo) << c.nome;
    }
}

TEST(Recenti, LaListaSalvataSiRilegge) {
    const fs::path base = fs::temp_directory_path() / "zocal-test-recenti";
    fs::remove_all(base);
    const fs::path file = base / "config" / filerecenti;
    EXPECT_TRUE(leggirecenti(file).empty()) << "no file yet";
    const std::vector<std::string> lista{"/lavori/Zocal-dati-a", "/lavori/Città/Zocal-dati-b"};
    ASSERT_EQ(salvarecenti(file, lista), std::nullopt);
    EXPECT_EQ(leggirecenti(file), lista);
    // A list edited by hand: CR LF, blank lines, more names than are shown.
    std::ofstream(file, std::ios::binary) << "/a\r\n\r\n/b\n\n/c\n/d\n/e\n/f\n/g";
    EXPECT_EQ(leggirecenti(file), (std::vector<std::string>{"/a", "/b", "/c", "/d", "/e"}));
    fs::remove_all(base);
}

} // namespace
} // namespace zocal
