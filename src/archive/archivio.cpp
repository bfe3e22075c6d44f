#include "zocal/archive/archivio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace zocal {

namespace {

// A job file is a few kilobytes; anything this large was chosen by mistake.
constexpr off_t massimafile = 16 * 1024 * 1024;

std::string mostra(const std::filesystem::path& p) {
    return p.string();
}

class Descrittore {
  public:
    explicit Descrittore(int fd = -1) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int get() const { return fd_; }
    // Closes and reports the outcome: some file systems report write
    // faults only here.
    int chiudi() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

  private:
    int fd_;
};

// The file a save must replace: a symbolic link is followed, so the link
// stays and its target gets the new data.
std::filesystem::path destinazione(std::filesystem::path p) {
    for (int k = 0; k < 40; ++k) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(p, ec)) {
            break;
        }
        std::filesystem::path t = std::filesystem::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = t.is_absolute() ? t : p.parent_path() / t;
    }
    return p;
}

mode_t modonuovo() {
    // Linux shows the umask here; reading it by setting it would leave a
    // window in which another thread could create files with the wrong one.
    std::ifstream stato("/proc/self/status");
    for (std::string riga; std::getline(stato, riga);) {
        if (riga.rfind("Umask:", 0) == 0) {
            std::size_t p = 6;
            while (p < riga.size() && (riga[p] == ' ' || riga[p] == '\t')) {
                ++p;
            }
            unsigned maschera = 0;
            const auto [fine, ec] =
                std::from_chars(riga.data() + p, riga.data() + riga.size(), maschera, 8);
            (void)fine;
            if (ec == std::errc()) {
                return 0666 & ~static_cast<mode_t>(maschera);
            }
        }
    }
    const mode_t m = ::umask(0);
    ::umask(m);
    return 0666 & ~m;
}

bool scrivitutto(int fd, std::string_view byte) {
    std::size_t fatto = 0;
    while (fatto < byte.size()) {
        const ssize_t n = ::write(fd, byte.data() + fatto, byte.size() - fatto);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        fatto += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string descrivierrore(int numero) {
    switch (numero) {
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOENT:
        return "file o cartella inesistente";
    case ENOSPC:
        return "disco pieno";
    case EDQUOT:
        return "spazio disco esaurito (quota superata)";
    case EROFS:
        return "file system in sola lettura";
    case EISDIR:
        return "il percorso indica una cartella";
    case ENOTDIR:
        return "una parte del percorso non è una cartella";
    case ENAMETOOLONG:
        return "nome del file troppo lungo";
    case ELOOP:
        return "troppi collegamenti simbolici nel percorso";
    case EFBIG:
        return "file troppo grande";
    case EIO:
        return "errore di lettura o scrittura sul dispositivo";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case EBUSY:
    case ETXTBSY:
        return "file in uso";
    case ENOMEM:
        return "memoria insufficiente";
    default:
        return "errore di sistema n. " + std::to_string(numero);
    }
}

std::optional<std::string> salvabyte(const std::filesystem::path& percorso, std::string_view byte) {
    const std::string prefisso = "Impossibile salvare il file \"" + mostra(percorso) + "\": ";
    auto guasto = [&](const std::string& perche) { return prefisso + perche; };

    const std::filesystem::path bersaglio = destinazione(percorso);
    if (bersaglio.filename().empty()) {
        return guasto("manca il nome del file");
    }
    const std::filesystem::path cartella =
        bersaglio.parent_path().empty() ? std::filesystem::path(".") : bersaglio.parent_path();

    mode_t modo = modonuovo();
    struct stat st {};
    if (::stat(bersaglio.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            return guasto(descrivierrore(EISDIR));
        }
        // A device or a pipe is never replaced by a file.
        if (!S_ISREG(st.st_mode)) {
            return guasto("non è un file ordinario");
        }
        // A file the user made read-only stays as it is, though the folder
        // would let us replace it.
        if (::access(bersaglio.c_str(), W_OK) != 0) {
            return guasto(errno == EACCES ? std::string("il file è in sola lettura")
                                          : descrivierrore(errno));
        }
        modo = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return guasto(descrivierrore(errno));
    }
    struct stat sc {};
    if (::stat(cartella.c_str(), &sc) != 0) {
        return guasto(errno == ENOENT ? std::string("cartella inesistente")
                                      : descrivierrore(errno));
    }
    if (!S_ISDIR(sc.st_mode)) {
        return guasto(descrivierrore(ENOTDIR));
    }

    std::string modello = (cartella / ".zocal-XXXXXX").string();
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    Descrittore fd(::mkostemp(nome.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        return guasto(descrivierrore(errno));
    }
    const std::string temporaneo(nome.data());

    int errore = 0;
    if (::fchmod(fd.get(), modo) != 0 || !scrivitutto(fd.get(), byte) || ::fsync(fd.get()) != 0) {
        errore = errno;
    }
    if (fd.chiudi() != 0 && errore == 0) {
        errore = errno;
    }
    if (errore == 0 && ::rename(temporaneo.c_str(), bersaglio.c_str()) != 0) {
        errore = errno;
    }
    if (errore != 0) {
        ::unlink(temporaneo.c_str());
        return guasto(descrivierrore(errore));
    }

    // The new name must reach the disk too; the data are safe already, so a
    // folder that refuses is no failure of the save.
    Descrittore dir(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return std::nullopt;
}

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
