#include "zocal/archive/salvataggio.h"

#include "cartellaprova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
    const auto lascia = [&](const std::string& nome, mode_t modo) {
        scrivi(cartella_ / nome, "x");
        ASSERT_EQ(::chmod((cartella_ / nome).c_str(), modo), 0);
        fs::last_write_time(cartella_ / nome, vecchia);
    };
    lascia(".zocal-abc123", 0600);
    // A save still running elsewhere, and files that are not ours, stay.
    scrivi(cartella_ / ".zocal-def456", "in corso");
    lascia(".zocal-abc1234", 0600);
    lascia("zocal-abc123", 0600);
    lascia(".zocal-ab.123", 0600);
    lascia(".zocal-abc124", 0644);
    std::vector<std::string> restano = {".zocal-ab.123", ".zocal-abc1234", ".zocal-abc124",
                                        ".zocal-def456", "nuovo.pdf",      "zocal-abc123"};
    if (::geteuid() == 0) {
        lascia(".zocal-altrui", 0600);
        ASSERT_EQ(::chown((cartella_ / ".zocal-altrui").c_str(), 65534, 65534), 0);
        restano.insert(restano.begin() + 3, ".zocal-altrui");
    }

    ASSERT_FALSE(salvabyte(cartella_ / "nuovo.pdf", "dati").has_value());
    EXPECT_EQ(nomi(), restano);
}

TEST_F(Salvataggi, NoSetuidAndNoFileWhereADanglingLinkPoints) {
    const fs::path p = cartella_ / "programma";
    scrivi(p, "vecchio");
    ASSERT_EQ(::chmod(p.c_str(), 06755), 0);
    ASSERT_FALSE(salvabyte(p, "nuovo").has_value());
    EXPECT_EQ(fs::status(p).permissions(), static_cast<fs::perms>(0755));

    fs::create_symlink("altrove/manca", cartella_ / "collegamento");
    const auto errore = salvabyte(cartella_ / "collegamento", "nuovo");
    ASSERT_TRUE(errore.has_value());
    EXPECT_NE(errore->find("è un collegamento simbolico a un file inesistente"), std::string::npos)
        << *errore;
    fs::create_directory(cartella_ / "altrove");
    EXPECT_TRUE(salvabyte(cartella_ / "collegamento", "nuovo").has_value());
    EXPECT_EQ(nomi(), (std::vector<std::string>{"altrove", "collegamento", "programma"}));
    EXPECT_TRUE(fs::is_empty(cartella_ / "altrove"));
}

// Runs `figlio` in a child process; its wait status.
template <typename F> int inunfiglio(F figlio) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        figlio();
        ::_exit(0);
    }
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return stato;
}

TEST_F(Salvataggi, SignalsLeaveNoTemporaryAndAFileSizeLimitIsReported) {
    // Ended by a signal in the middle of a save.
    for (const int segnale : {SIGTERM, SIGINT, SIGHUP}) {
        const int stato = inunfiglio([&] {
            SalvataggioSicuro s(cartella_ / "a.pdf");
            s.scrivi("mezzo");
            ::raise(segnale);
        });
        EXPECT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == segnale) << segnale;
        EXPECT_TRUE(nomi().empty()) << segnale << ": " << nomi().front();
    }
    // Past the file size limit: a message, not the end of the program.
    scrivi(cartella_ / "a.pdf", "vecchio");
    const int stato = inunfiglio([&] {
        const rlimit limite{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        const auto errore = salvabyte(cartella_ / "a.pdf", std::string(10000, 'x'));
        ::_exit(errore && errore->find("file troppo grande") != std::string::npos ? 7 : 8);
    });
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 7) << stato;
    EXPECT_EQ(contenuto(cartella_ / "a.pdf"), "vecchio");
    EXPECT_EQ(nomi(), std::vector<std::string>{"a.pdf"});
}

// The second of two files cannot take its place: the first gets its old
// contents back, or goes if it is new. Killed between the two, the pair is
// completed by the next save in the folder.
TEST_F(Salvataggi, APairIsReplacedBothOrNeitherEvenWhenARenameFailsOrTheProgramDies) {
    const fs::path a = cartella_ / "r.docx";
    const fs::path b = cartella_ / "r.pdf";
    static int chiamate = 0;
    static bool uccidi = false;
    struct Ripristino {
        ~Ripristino() { prova::rinomina = ::rename; }
    } ripristino;
    prova::rinomina = [](const char* da, const char* a) {
        if (++chiamate == 2) {
            if (uccidi) {
                ::raise(SIGKILL);
            }
            errno = EIO;
            return -1;
        }
        return ::rename(da, a);
    };
    for (const bool vecchi : {true, false}) {
        SCOPED_TRACE(vecchi);
        fs::remove(a);
        fs::remove(b);
        if (vecchi) {
            scrivi(a, "vecchio a");
            scrivi(b, "vecchio b");
        }
        chiamate = 0;
        const auto errore = salvainsieme({{a, "nuovo a"}, {b, "nuovo b"}});
        ASSERT_TRUE(errore.has_value());
        EXPECT_EQ(*errore, "Impossibile salvare il file \"" + b.string() +
                               "\": errore di lettura o scrittura sul dispositivo");
        const std::vector<std::string> restano =
            vecchi ? std::vector<std::string>{"r.docx", "r.pdf"} : std::vector<std::string>{};
        EXPECT_EQ(nomi(), restano);
        if (vecchi) {
            EXPECT_EQ(contenuto(a), "vecchio a");
            EXPECT_EQ(contenuto(b), "vecchio b");
        }
    }

    // Killed between the two renames: completed; the second new file also
    // removed (as a signal handler would): undone.
    for (const bool perso : {false, true}) {
        scrivi(a, "vecchio a");
        scrivi(b, "vecchio b");
        chiamate = 0;
        uccidi = true;
        const int stato = inunfiglio([&] {
            if (perso) {
                prova::rinomina = [](const char* da, const char* a) {
                    if (++chiamate == 2) {
                        ::unlink(da);
                        ::raise(SIGKILL);
                    }
                    return ::rename(da, a);
                };
            }
            salvainsieme({{a, "nuovo a"}, {b, "nuovo b"}});
        });
        uccidi = false;
        ASSERT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == SIGKILL);
        EXPECT_EQ(contenuto(a), "nuovo a");
        EXPECT_EQ(contenuto(b), "vecchio b");
        // Any save in the folder takes the pair up first.
        ASSERT_FALSE(salvabyte(cartella_ / "altro", "x").has_value());
        EXPECT_EQ(contenuto(a), perso ? "vecchio a" : "nuovo a");
        EXPECT_EQ(contenuto(b), perso ? "vecchio b" : "nuovo b");
        EXPECT_EQ(nomi(), (std::vector<std::string>{"altro", "r.docx", "r.pdf"}));
    }
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
