// The documents of the batch tool (the report's DOCX and PDF, the four
// printouts) meet the faults of the disk as a job file does: a non-zero
// exit, an Italian message naming the file, the old file as it was and
// nothing left behind.
#include "cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

#ifdef ZOCAL_CON_DOCUMENTI

namespace {

namespace fs = std::filesystem;
using cli::esegui;
using cli::esempio;
using cli::Uscita;

// A document of the batch tool: the command that writes it to `uscita`.
struct Documento {
    const char* nome;
    const char* comando; // %s stands for the output file
};

const std::vector<Documento>& documenti() {
    static const std::vector<Documento> tutti = {
        {"relazione", "relazione JOB -o %s --studio Prova --indirizzo Qui"},
        {"dati", "stampa --dati JOB -o %s"},
        {"modello", "stampa --modello -o %s"},
        {"descrizione", "stampa --descrizione JOB -o %s"},
        {"frontespizio", "stampa --frontespizio JOB -o %s --studio Prova --indirizzo Qui"},
    };
    return tutti;
}

std::string comando(const Documento& d, const fs::path& lavoro, const fs::path& uscita) {
    std::string c = d.comando;
    c.replace(c.find("%s"), 2, "'" + uscita.string() + "'");
    if (const auto p = c.find("JOB"); p != std::string::npos) {
        c.replace(p, 3, lavoro.string());
    }
    return c;
}

std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void scrivi(const fs::path& p, const std::string& byte) {
    std::ofstream(p, std::ios::binary) << byte;
}

class DocumentiSicuri : public ::testing::Test {
  protected:
    void SetUp() override {
        cartella_ = nuova();
        // The job in a folder of its own that every user may read.
        lavori_ = nuova();
        fs::permissions(lavori_, fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);
        fs::copy_file(esempio("Zocal-dati-esempio"), lavori_ / "Zocal-dati-esempio");
        fs::permissions(lavori_ / "Zocal-dati-esempio",
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(cartella_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(cartella_, ec);
        fs::remove_all(lavori_, ec);
    }
    static fs::path nuova() {
        std::string modello = (fs::temp_directory_path() / "zocal-documenti-XXXXXX").string();
        EXPECT_NE(::mkdtemp(modello.data()), nullptr);
        return modello;
    }
    std::string comando(const Documento& d, const fs::path& uscita) const {
        return ::comando(d, lavori_ / "Zocal-dati-esempio", uscita);
    }
    // The names in the folder: a temporary file left behind shows.
    std::vector<std::string> nomi() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(cartella_)) {
            out.push_back(e.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    // The file the document goes to, in a folder of its own.
    fs::path uscita(const Documento& d) const {
        return cartella_ /
               (std::string(d.nome) + (d.nome == std::string("relazione") ? ".docx" : ".pdf"));
    }
    // Runs the document and expects it refused: status 2, the message
    // naming the file and telling `perche`.
    void rifiutato(const Documento& d, const fs::path& bersaglio, const std::string& perche,
                   const std::string& davanti = "") {
        const Uscita u = esegui(comando(d, bersaglio), true, davanti);
        EXPECT_EQ(u.stato, 2) << d.nome << ": " << u.testo;
        EXPECT_NE(u.testo.find(bersaglio.string()), std::string::npos) << u.testo;
        EXPECT_NE(u.testo.find(perche), std::string::npos) << d.nome << ": " << u.testo;
    }

    fs::path cartella_;
    fs::path lavori_;
};

TEST_F(DocumentiSicuri, NoWriterReplacesAPipeADeviceAFolderOrAReadOnlyFile) {
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const fs::path p = uscita(d);

        ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
        rifiutato(d, p, "non è un file ordinario");
        EXPECT_TRUE(fs::is_fifo(p));
        fs::remove(p);

        if (::geteuid() == 0) {
            // The node of /dev/null, made here: a wrong replacement hits only this.
            ASSERT_EQ(::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
            rifiutato(d, p, "non è un file ordinario");
            EXPECT_TRUE(fs::is_character_file(p));
            fs::remove(p);
        }

        fs::create_directory(p);
        rifiutato(d, p, "il percorso indica una cartella");
        EXPECT_TRUE(fs::is_directory(p));
        fs::remove(p);

        // Read-only: refused even by the administrator, who could write it.
        scrivi(p, "vecchio");
        ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
        rifiutato(d, p, "il file è in sola lettura");
        EXPECT_EQ(leggi(p), "vecchio");
        struct stat st {};
        ::stat(p.c_str(), &st);
        EXPECT_EQ(st.st_mode & 0777, 0444u);
        EXPECT_EQ(nomi(), std::vector<std::string>{p.filename().string()});
        fs::remove(p);
    }
}

TEST_F(DocumentiSicuri, ALinkKeepsPointingAtTheSavedFile) {
    fs::create_directory(cartella_ / "veri");
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const fs::path vero = cartella_ / "veri" / uscita(d).filename();
        scrivi(vero, "vecchio");
        fs::create_symlink(vero, uscita(d));
        const Uscita u = esegui(comando(d, uscita(d)), true);
        EXPECT_EQ(u.stato, 0) << u.testo;
        EXPECT_TRUE(fs::is_symlink(uscita(d)));
        const std::string nuovo = leggi(vero);
        EXPECT_TRUE(nuovo.rfind("%PDF-", 0) == 0 || nuovo.rfind("PK", 0) == 0) << d.nome;
    }
}

// A file size limit binds the administrator too; the tool does not die of
// it but reports it.
TEST_F(DocumentiSicuri, AFileSizeLimitLeavesTheOldFile) {
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const fs::path p = uscita(d);
        scrivi(p, "vecchio");
        const Uscita u = esegui(comando(d, p), true, "ulimit -f 4; ");
        EXPECT_EQ(u.stato, 2) << u.testo;
        EXPECT_NE(u.testo.find(p.string()), std::string::npos) << u.testo;
        EXPECT_TRUE(u.testo.find("file troppo grande") != std::string::npos ||
                    u.testo.find("non è stato scritto per intero") != std::string::npos)
            << u.testo;
        EXPECT_EQ(leggi(p), "vecchio");
        EXPECT_EQ(nomi(), std::vector<std::string>{p.filename().string()});
        fs::remove(p);
    }
}

// A full disk: a small file system of its own, in a private mount
// namespace, nearly filled before the document is written.
TEST_F(DocumentiSicuri, AFullDiskLeavesTheOldFile) {
    if (std::system("unshare -m true 2>/dev/null") != 0) {
        GTEST_SKIP() << "no private mount namespace here";
    }
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const fs::path p = uscita(d);
        const std::string c = cartella_.string();
        const std::string script =
            "mount -t tmpfs -o size=256k tmpfs '" + c + "' || exit 9; printf vecchio > '" +
            p.string() + "'; head -c 250000 /dev/zero > '" + c + "/pieno'; " + ZOCAL_CLI + " " +
            comando(d, p) + " 2>&1; echo \"STATO=$?\"; echo \"VECCHIO=$(cat '" + p.string() +
            "')\"; echo \"NOMI=$(ls -A '" + c + "' | wc -l)\"";
        std::string quotato;
        for (const char ch : script) {
            quotato += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        }
        const Uscita u = cli::shell("unshare -m sh -c '" + quotato + "' 2>&1");
        if (u.testo.find("STATO=") == std::string::npos) {
            GTEST_SKIP() << "cannot mount a small file system: " << u.testo;
        }
        EXPECT_NE(u.testo.find("STATO=2"), std::string::npos) << u.testo;
        EXPECT_NE(u.testo.find("disco pieno"), std::string::npos) << u.testo;
        EXPECT_NE(u.testo.find("VECCHIO=vecchio\n"), std::string::npos) << u.testo;
        EXPECT_NE(u.testo.find("NOMI=2\n"), std::string::npos) << u.testo;
    }
}

// Another user, where the administrator would be let through: nothing of
// the administrator's is replaced.
TEST_F(DocumentiSicuri, AnotherUserCannotReplaceWhatIsNotTheirs) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs the administrator to become another user";
    }
    const std::string davanti = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    if (std::system((davanti + "test -x " + ZOCAL_CLI).c_str()) != 0) {
        GTEST_SKIP() << "the user nobody cannot run " << ZOCAL_CLI << " (or no setpriv)";
    }
    fs::permissions(cartella_, fs::perms::owner_all | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const fs::path p = uscita(d);
        scrivi(p, "vecchio");
        ::chmod(p.c_str(), 0644);
        rifiutato(d, p, "il file è in sola lettura", davanti);
        EXPECT_EQ(leggi(p), "vecchio");
        fs::remove(p);
        // A new file in a folder they may not write.
        rifiutato(d, p, "permesso negato", davanti);
        EXPECT_FALSE(fs::exists(p));
        EXPECT_TRUE(nomi().empty());
    }
}

TEST_F(DocumentiSicuri, TheReportsTwoFilesAreReplacedBothOrNeither) {
    const Documento& relazione = documenti().front();
    const fs::path docx = cartella_ / "r.docx";
    const fs::path pdf = cartella_ / "r.pdf";
    // The PDF cannot be written: the message names it, and the DOCX, which
    // could, is not replaced either.
    const auto nessuno = [&](const std::string& perche) {
        const Uscita u = esegui(comando(relazione, docx), true);
        EXPECT_EQ(u.stato, 2) << u.testo;
        EXPECT_NE(u.testo.find("\"" + pdf.string() + "\": " + perche), std::string::npos)
            << u.testo;
        EXPECT_EQ(leggi(docx), "vecchio docx");
    };
    scrivi(docx, "vecchio docx");
    ASSERT_EQ(::mkfifo(pdf.c_str(), 0600), 0);
    nessuno("non è un file ordinario");
    fs::remove(pdf);

    scrivi(pdf, "vecchio pdf");
    ASSERT_EQ(::chmod(pdf.c_str(), 0444), 0);
    nessuno("il file è in sola lettura");
    EXPECT_EQ(leggi(pdf), "vecchio pdf");
    EXPECT_EQ(nomi(), (std::vector<std::string>{"r.docx", "r.pdf"}));
}

// A shared folder (sticky, as /tmp) where the old PDF is another user's:
// it cannot be replaced, so the DOCX is not either.
TEST_F(DocumentiSicuri, InASharedFolderTheReportIsBothOrNeither) {
    const std::string davanti = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    if (::geteuid() != 0 || std::system((davanti + "test -x " + ZOCAL_CLI).c_str()) != 0) {
        GTEST_SKIP() << "needs the administrator to become another user";
    }
    ASSERT_EQ(::chmod(cartella_.c_str(), 01777), 0);
    const fs::path docx = cartella_ / "r.docx";
    const fs::path pdf = cartella_ / "r.pdf";
    scrivi(pdf, "vecchio pdf");
    ASSERT_EQ(::chmod(pdf.c_str(), 0666), 0);
    const Uscita u = esegui(comando(documenti().front(), docx), true, davanti);
    EXPECT_EQ(u.stato, 2) << u.testo;
    EXPECT_NE(u.testo.find("\"" + pdf.string() + "\": il file appartiene a un altro utente"),
              std::string::npos)
        << u.testo;
    EXPECT_EQ(leggi(pdf), "vecchio pdf");
    EXPECT_EQ(nomi(), std::vector<std::string>{"r.pdf"});
}

TEST_F(DocumentiSicuri, TheJobFileIsNeverTheOutput) {
    const fs::path lavoro = lavori_ / "Zocal-dati-esempio";
    const std::string prima = leggi(lavoro);
    fs::create_symlink(lavoro, cartella_ / "collegamento");
    fs::create_hard_link(lavoro, lavori_ / "fisso.pdf");
    for (const Documento& d : documenti()) {
        if (d.nome == std::string("modello")) {
            continue; // made from no job
        }
        SCOPED_TRACE(d.nome);
        for (const fs::path& p : {lavoro, cartella_ / "collegamento", lavori_ / "fisso.pdf"}) {
            const Uscita u = esegui(comando(d, p), true);
            EXPECT_EQ(u.stato, 2) << u.testo;
            EXPECT_NE(u.testo.find("è il file dei dati del lavoro"), std::string::npos) << u.testo;
            EXPECT_EQ(leggi(lavoro), prima);
        }
    }
    // The report's PDF, beside the DOCX named, would be the job.
    const Uscita u = esegui(comando(documenti().front(), lavori_ / "fisso.docx"), true);
    EXPECT_EQ(u.stato, 2) << u.testo;
    EXPECT_NE(u.testo.find("fisso.pdf\": è il file dei dati del lavoro"), std::string::npos)
        << u.testo;
    EXPECT_FALSE(fs::exists(lavori_ / "fisso.docx"));
    EXPECT_EQ(leggi(lavoro), prima);
}

TEST_F(DocumentiSicuri, AJobWithoutDescriptionAndTitlePageIsToldAndStillPrinted) {
    // The calculation data only: the last two records are missing.
    std::string troncato = leggi(lavori_ / "Zocal-dati-esempio");
    for (int i = 0; i < 2; ++i) {
        troncato.erase(troncato.rfind("\r\n", troncato.size() - 3) + 2);
    }
    const fs::path lavoro = lavori_ / "Zocal-dati-troncato";
    scrivi(lavoro, troncato);
    for (const Documento& d : documenti()) {
        if (d.nome == std::string("modello")) {
            continue;
        }
        SCOPED_TRACE(d.nome);
        const Uscita u = esegui(::comando(d, lavoro, uscita(d)), true);
        EXPECT_EQ(u.stato, 0) << u.testo;
        EXPECT_NE(u.testo.find(lavoro.string() +
                               ": Il file non contiene la descrizione e il frontespizio"),
                  std::string::npos)
            << u.testo;
        EXPECT_TRUE(fs::is_regular_file(uscita(d)));
    }
}

TEST_F(DocumentiSicuri, ALongNameIsNoFault) {
    // 250 bytes: the longest a name may be, less the room ".pdf" needs.
    for (const Documento& d : documenti()) {
        SCOPED_TRACE(d.nome);
        const std::string estensione = uscita(d).extension().string();
        const fs::path p = cartella_ / (std::string(250 - estensione.size(), 'a') + estensione);
        const Uscita u = esegui(comando(d, p), true);
        EXPECT_EQ(u.stato, 0) << u.testo;
        EXPECT_TRUE(fs::is_regular_file(p));
        fs::remove(p);
        fs::remove(fs::path(p).replace_extension(".pdf"));
    }
}

} // namespace

#endif
