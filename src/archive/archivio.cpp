#include "zocal/archive/archivio.h"

#include "descrittore.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace zocal {

namespace {

// A job file is a few kilobytes; anything this large was chosen by mistake.
constexpr off_t massimafile = 16 * 1024 * 1024;

std::string mostra(const std::filesystem::path& p) {
    return p.string();
}

} // namespace

EsitoSalvataggio salvalavoro(const std::filesystem::path& percorso, const Lavoro& lavoro) {
    EsitoSalvataggio esito;
    EsitoScrittura testo = scrivilavoro(lavoro);
    if (!testo.riuscita()) {
        esito.errore = "Impossibile salvare il file \"" + mostra(percorso) + "\": " + testo.errore;
        return esito;
    }
    if (auto errore = salvabyte(percorso, testo.byte)) {
        esito.errore = std::move(*errore);
        return esito;
    }
    esito.sostituzioni = std::move(testo.sostituzioni);
    return esito;
}

EsitoLettura aprilavoro(const std::filesystem::path& percorso, Lavoro& lavoro) {
    EsitoLettura esito;
    auto guasto = [&](const std::string& perche) {
        esito.errore = "Impossibile aprire il file " + mostra(percorso) + ": " + perche;
        return esito;
    };

    // Non-blocking, so a named pipe chosen by mistake cannot hang the program.
    Descrittore fd(::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        return guasto(errno == ENOENT ? std::string("file inesistente") : descrivierrore(errno));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return guasto(descrivierrore(errno));
    }
    if (S_ISDIR(st.st_mode)) {
        return guasto(descrivierrore(EISDIR));
    }
    if (!S_ISREG(st.st_mode)) {
        return guasto("non è un file ordinario");
    }
    if (st.st_size > massimafile) {
        return guasto("file troppo grande per essere un file di dati Zocal");
    }

    std::string byte;
    byte.reserve(static_cast<std::size_t>(st.st_size));
    char blocco[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), blocco, sizeof blocco);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return guasto(descrivierrore(errno));
        }
        if (n == 0) {
            break;
        }
        byte.append(blocco, static_cast<std::size_t>(n));
        if (byte.size() > static_cast<std::size_t>(massimafile)) {
            return guasto("file troppo grande per essere un file di dati Zocal");
        }
    }
    fd.chiudi();

    esito = leggilavoro(byte, lavoro);
    if (!esito.riuscita()) {
        esito.errore =
            "Il file " + mostra(percorso) + " non è un file di dati Zocal valido: " + esito.errore;
    }
    return esito;
}

} // namespace zocal
