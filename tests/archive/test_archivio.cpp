#include "zocal/archive/archivio.h"

#include "lavori.h"

#include "cartellaprova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zocal {
namespace {

namespace fs = std::filesystem;

using Archivio = CartellaProva;

TEST_F(Archivio, SalvaERiapre) {
    const fs::path p = cartella_ / "Zocal-dati-Rossi";
    const Lavoro originale = prova::lavorocompleto();
    const EsitoSalvataggio s = salvalavoro(p, originale);
    ASSERT_TRUE(s.riuscito()) << s.errore;
    EXPECT_TRUE(s.sostituzioni.nessuna());
    EXPECT_EQ(contenuto(p), scrivilavoro(originale).byte);
    EXPECT_EQ(nomi(), std::vector<std::string>{"Zocal-dati-Rossi"});

    Lavoro letto;
    const EsitoLettura e = aprilavoro(p, letto);
    ASSERT_TRUE(e.riuscita()) << e.errore;
    prova::attendiuguali(originale, letto);
}

TEST_F(Archivio, SostituisceIlFileEneConservaIPermessi) {
    const fs::path p = cartella_ / "Zocal-dati-x";
    scrivi(p, "vecchio contenuto più lungo del nuovo? no, ma diverso");
    ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
    ASSERT_TRUE(salvalavoro(p, prova::lavoropiccolo()).riuscito());
    EXPECT_EQ(contenuto(p), scrivilavoro(prova::lavoropiccolo()).byte);
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A new file gets the usual permissions, not the private ones of a temporary file.
    const mode_t prima = ::umask(022);
    const fs::path nuovo = cartella_ / "Zocal-dati-nuovo";
    const bool ok = salvalavoro(nuovo, prova::lavoropiccolo()).riuscito();
    ::umask(prima);
    ASSERT_TRUE(ok);
    ASSERT_EQ(::stat(nuovo.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(Archivio, UnCollegamentoSimbolicoRestaTale) {
    const fs::path vero = cartella_ / "vero";
    const fs::path link = cartella_ / "Zocal-dati-link";
    scrivi(vero, "vecchio");
    fs::create_symlink("vero", link);
    ASSERT_TRUE(salvalavoro(link, prova::lavoropiccolo()).riuscito());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contenuto(vero), scrivilavoro(prova::lavoropiccolo()).byte);
}

TEST_F(Archivio, CartellaInesistente) {
    const fs::path p = cartella_ / "manca" / "Zocal-dati-x";
    const EsitoSalvataggio s = salvalavoro(p, prova::lavoropiccolo());
    EXPECT_FALSE(s.riuscito());
    EXPECT_EQ(s.errore, "Impossibile salvare il file \"" + p.string() + "\": cartella inesistente");
    EXPECT_TRUE(nomi().empty());
}

// The administrator writes into read-only folders and files, so these saves
// run in a child process that gives up those rights first. Returns the error.
std::string salvasenzaprivilegi(const fs::path& p, const Lavoro& l) {
    int tubo[2];
    if (::pipe(tubo) != 0) {
        ADD_FAILURE() << "pipe";
        return {};
    }
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        const std::string errore = salvalavoro(p, l).errore;
        const bool scritto =
            ::write(tubo[1], errore.data(), errore.size()) == static_cast<ssize_t>(errore.size());
        ::_exit(scritto ? 0 : 3);
    }
    ::close(tubo[1]);
    std::string errore;
    char blocco[256];
    for (ssize_t n; (n = ::read(tubo[0], blocco, sizeof blocco)) > 0;) {
        errore.append(blocco, static_cast<std::size_t>(n));
    }
    ::close(tubo[0]);
    int stato = 0;
    EXPECT_EQ(::waitpid(figlio, &stato, 0), figlio);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << stato;
    return errore;
}

TEST_F(Archivio, CartellaInSolaLetturaLasciaIlFilePrecedente) {
    const fs::path p = cartella_ / "Zocal-dati-x";
    scrivi(p, "precedente\r\n");
    ASSERT_EQ(::chmod(p.c_str(), 0666), 0); // only the folder stands in the way
    ASSERT_EQ(::chmod(cartella_.c_str(), 0555), 0);
    const std::string errore = salvasenzaprivilegi(p, prova::lavoropiccolo());
    ::chmod(cartella_.c_str(), 0700);
    EXPECT_EQ(errore, "Impossibile salvare il file \"" + p.string() + "\": permesso negato");
    EXPECT_EQ(contenuto(p), "precedente\r\n");
    EXPECT_EQ(nomi(), std::vector<std::string>{"Zocal-dati-x"});
}

TEST_F(Archivio, UnFileInSolaLetturaNonVieneSostituito) {
    const fs::path p = cartella_ / "Zocal-dati-x";
    scrivi(p, "precedente\r\n");
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(cartella_.c_str(), 0777), 0);
    const std::string errore = salvasenzaprivilegi(p, prova::lavoropiccolo());
    ::chmod(cartella_.c_str(), 0700);
    EXPECT_EQ(errore,
              "Impossibile salvare il file \"" + p.string() + "\": il file è in sola lettura");
    EXPECT_EQ(contenuto(p), "precedente\r\n");
    EXPECT_EQ(nomi(), std::vector<std::string>{"Zocal-dati-x"});
}

// A write that fails half way (here the file size limit, which binds the
// administrator too) must leave the previous file whole and no temporary file.
TEST_F(Archivio, ScritturaInterrottaLasciaIlFilePrecedente) {
    const fs::path p = cartella_ / "Zocal-dati-x";
    const std::string precedente = "1\r\n\"0,80\",\"0,60\",0,\"1,5\"\r\n";
    scrivi(p, precedente);
    const Lavoro grande = prova::lavorocompleto();
    ASSERT_GT(scrivilavoro(grande).byte.size(), 1000u);

    rlimit vecchio{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vecchio), 0);
    auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit piccolo = vecchio;
    piccolo.rlim_cur = 512;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const EsitoSalvataggio s = salvalavoro(p, grande);
    ::setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, gestore);

    EXPECT_FALSE(s.riuscito());
    EXPECT_NE(s.errore.find("file troppo grande"), std::string::npos) << s.errore;
    EXPECT_EQ(contenuto(p), precedente);
    EXPECT_EQ(nomi(), std::vector<std::string>{"Zocal-dati-x"});
}

TEST_F(Archivio, UnLavoroNonArchiviabileNonToccaIlFile) {
    const fs::path p = cartella_ / "Zocal-dati-x";
    scrivi(p, "precedente");
    Lavoro l = prova::lavoropiccolo();
    l.dati.npiani[1] = 11;
    const EsitoSalvataggio s = salvalavoro(p, l);
    EXPECT_FALSE(s.riuscito());
    EXPECT_NE(s.errore.find("piani della fondazione 1"), std::string::npos) << s.errore;
    EXPECT_EQ(contenuto(p), "precedente");
    EXPECT_EQ(nomi(), std::vector<std::string>{"Zocal-dati-x"});
}

TEST_F(Archivio, IlNomeIndicaUnaCartella) {
    fs::create_directory(cartella_ / "dir");
    const EsitoSalvataggio s = salvalavoro(cartella_ / "dir", prova::lavoropiccolo());
    EXPECT_FALSE(s.riuscito());
    EXPECT_NE(s.errore.find("cartella"), std::string::npos) << s.errore;
    EXPECT_EQ(nomi(), std::vector<std::string>{"dir"});
    EXPECT_TRUE(fs::is_empty(cartella_ / "dir"));

    Lavoro l = prova::lavoropiccolo();
    const EsitoLettura e = aprilavoro(cartella_ / "dir", l);
    EXPECT_FALSE(e.riuscita());
    EXPECT_NE(e.errore.find("cartella"), std::string::npos) << e.errore;
}

TEST_F(Archivio, SegnalaICampiConCaratteriSostituiti) {
    Lavoro l = prova::lavoropiccolo();
    l[Frontespizio::committente] = "Wałęsa";
    l[Descrizione::giudizio] = "\"ottimo\"";
    const EsitoSalvataggio s = salvalavoro(cartella_ / "Zocal-dati-w", l);
    ASSERT_TRUE(s.riuscito());
    EXPECT_EQ(s.sostituzioni.caratteriperduti, std::vector<std::string>{"committente"});
    EXPECT_EQ(s.sostituzioni.virgolette, std::vector<std::string>{"giudizio"});
}

TEST_F(Archivio, AprireUnFileCheNonSiPuoLeggere) {
    Lavoro l = prova::lavoropiccolo();
    const fs::path manca = cartella_ / "Zocal-dati-manca";
    EsitoLettura e = aprilavoro(manca, l);
    EXPECT_EQ(e.errore, "Impossibile aprire il file " + manca.string() + ": file inesistente");

    // A named pipe would block a plain open for ever.
    const fs::path fifo = cartella_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    e = aprilavoro(fifo, l);
    EXPECT_NE(e.errore.find("non è un file ordinario"), std::string::npos) << e.errore;

    const fs::path guasto = cartella_ / "Zocal-dati-guasto";
    scrivi(guasto, "1\r\n\"0,80\",\"0,60\",12,\"1,5\"\r\n");
    e = aprilavoro(guasto, l);
    EXPECT_EQ(e.riga, 2);
    EXPECT_NE(e.errore.find(guasto.string()), std::string::npos) << e.errore;
    EXPECT_NE(e.errore.find("riga 2: il numero dei piani"), std::string::npos) << e.errore;
    prova::attendiuguali(prova::lavoropiccolo(), l);
}

TEST_F(Archivio, FileTroppoGrande) {
    const fs::path p = cartella_ / "grande";
    {
        std::ofstream out(p, std::ios::binary);
        out.seekp(17 * 1024 * 1024);
        out.put('x');
    }
    Lavoro l;
    const EsitoLettura e = aprilavoro(p, l);
    EXPECT_NE(e.errore.find("troppo grande"), std::string::npos) << e.errore;
}

} // namespace
} // namespace zocal
