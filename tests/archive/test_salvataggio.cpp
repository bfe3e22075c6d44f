#include "zocal/archive/salvataggio.h"

#include "cartellaprova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zocal {
namespace {

namespace fs = std::filesystem;

using Salvataggi = CartellaProva;

TEST_F(Salvataggi, FilesThatBelongTogetherAreReplacedAllOrNone) {
    const fs::path a = cartella_ / "a.docx";
    const fs::path b = cartella_ / "a.pdf";
    scrivi(a, "vecchio a");
    scrivi(b, "vecchio b");
    ASSERT_FALSE(salvainsieme({{a, "nuovo a"}, {b, "nuovo b"}}).has_value());
    EXPECT_EQ(contenuto(a), "nuovo a");
    EXPECT_EQ(contenuto(b), "nuovo b");

    // The second cannot be written: the first keeps its old bytes.
    ASSERT_EQ(::chmod(b.c_str(), 0444), 0);
    const auto errore = salvainsieme({{a, "terzo a"}, {b, "terzo b"}});
    ASSERT_TRUE(errore.has_value());
    EXPECT_EQ(*errore,
              "Impossibile salvare il file \"" + b.string() + "\": il file è in sola lettura");
    EXPECT_EQ(contenuto(a), "nuovo a");
    EXPECT_EQ(contenuto(b), "nuovo b");
    EXPECT_EQ(nomi(), (std::vector<std::string>{"a.docx", "a.pdf"}));
}

TEST_F(Salvataggi, AFileWrittenByAnotherWriterIsCheckedBeforeItTakesThePlace) {
    const fs::path p = cartella_ / "p.pdf";
    scrivi(p, "vecchio");
    {
        // The other writer stopped short (a full disk it did not report).
        SalvataggioSicuro s(p);
        ASSERT_TRUE(s.riuscito()) << s.errore();
        scrivi(s.temporaneo(), "%PDF-1.4\ntroncato");
        EXPECT_FALSE(s.verifica("%%EOF\n"));
        EXPECT_FALSE(s.sostituisci());
        EXPECT_EQ(s.motivo(), "il documento non è stato scritto per intero (disco pieno?)");
    }
    EXPECT_EQ(contenuto(p), "vecchio");
    EXPECT_EQ(nomi(), std::vector<std::string>{"p.pdf"});
    {
        SalvataggioSicuro s(p);
        EXPECT_FALSE(s.verifica("%%EOF\n")) << "an empty file is no document";
    }
    {
        SalvataggioSicuro s(p);
        scrivi(s.temporaneo(), "%PDF-1.4\n%%EOF\n");
        EXPECT_TRUE(s.verifica("%%EOF\n"));
        EXPECT_TRUE(s.sostituisci()) << s.errore();
    }
    EXPECT_EQ(contenuto(p), "%PDF-1.4\n%%EOF\n");
    EXPECT_EQ(nomi(), std::vector<std::string>{"p.pdf"});
}

TEST_F(Salvataggi, AReadOnlyFileStaysEvenForTheAdministrator) {
    const fs::path p = cartella_ / "sola";
    scrivi(p, "vecchio");
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    const auto errore = salvabyte(p, "nuovo");
    ASSERT_TRUE(errore.has_value());
    EXPECT_NE(errore->find("il file è in sola lettura"), std::string::npos) << *errore;
    EXPECT_EQ(contenuto(p), "vecchio");
}

TEST_F(Salvataggi, LeftoversOfAKilledSaveGoAtTheNextSave) {
    using namespace std::chrono_literals;
    const auto vecchia = fs::file_time_type::clock::now() - 2h;
    scrivi(cartella_ / ".zocal-abc123", "rimasuglio");
    fs::last_write_time(cartella_ / ".zocal-abc123", vecchia);
    // A save still running elsewhere, and files that are not ours, stay.
    scrivi(cartella_ / ".zocal-def456", "in corso");
    scrivi(cartella_ / ".zocal-abc1234", "non nostro");
    fs::last_write_time(cartella_ / ".zocal-abc1234", vecchia);
    scrivi(cartella_ / "zocal-abc123", "non nostro");
    fs::last_write_time(cartella_ / "zocal-abc123", vecchia);

    ASSERT_FALSE(salvabyte(cartella_ / "nuovo.pdf", "dati").has_value());
    EXPECT_EQ(nomi(), (std::vector<std::string>{".zocal-abc1234", ".zocal-def456", "nuovo.pdf",
                                                "zocal-abc123"}));
}

TEST_F(Salvataggi, TheTemporaryNameIsShortWhateverTheTarget) {
    const fs::path p = cartella_ / std::string(255, 'n');
    SalvataggioSicuro s(p);
    ASSERT_TRUE(s.riuscito()) << s.errore();
    EXPECT_EQ(s.temporaneo().parent_path(), cartella_);
    EXPECT_LE(s.temporaneo().filename().string().size(), 13u);
    EXPECT_TRUE(s.scrivi("x"));
    EXPECT_TRUE(s.sostituisci()) << s.errore();
    EXPECT_EQ(contenuto(p), "x");
}

TEST_F(Salvataggi, TheSameFileThroughLinks) {
    const fs::path a = cartella_ / "lavoro";
    scrivi(a, "x");
    fs::create_hard_link(a, cartella_ / "fisso");
    fs::create_symlink(a, cartella_ / "simbolico");
    scrivi(cartella_ / "altro", "x");
    EXPECT_TRUE(stessofile(a, cartella_ / "fisso"));
    EXPECT_TRUE(stessofile(cartella_ / "simbolico", a));
    EXPECT_TRUE(stessofile(cartella_ / "." / "lavoro", a));
    EXPECT_FALSE(stessofile(a, cartella_ / "altro"));
    EXPECT_FALSE(stessofile(a, cartella_ / "manca"));
}

} // namespace
} // namespace zocal
