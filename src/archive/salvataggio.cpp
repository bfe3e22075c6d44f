#include "zocal/archive/salvataggio.h"

#include "descrittore.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace zocal {

namespace {

// The temporary files of a save: ".zocal-" and six characters of mkstemp.
constexpr std::string_view prefisso = ".zocal-";
constexpr std::size_t lunghezzatemporaneo = prefisso.size() + 6;
// A temporary file this old belongs to a save that was killed.
constexpr std::time_t abbandonato = 3600;

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

// Removes the temporary files a killed save left in `cartella`.
void pulisci(const std::filesystem::path& cartella) {
    DIR* d = ::opendir(cartella.c_str());
    if (d == nullptr) {
        return;
    }
    const std::time_t ora = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view nome(e->d_name);
        if (nome.size() != lunghezzatemporaneo || nome.substr(0, prefisso.size()) != prefisso) {
            continue;
        }
        struct stat st {};
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_mtime + abbandonato < ora) {
            ::unlinkat(::dirfd(d), e->d_name, 0);
        }
    }
    ::closedir(d);
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

SalvataggioSicuro::SalvataggioSicuro(const std::filesystem::path& percorso)
    : percorso_(percorso), bersaglio_(destinazione(percorso)) {
    if (bersaglio_.filename().empty()) {
        guasto("manca il nome del file");
        return;
    }
    const std::filesystem::path cartella =
        bersaglio_.parent_path().empty() ? std::filesystem::path(".") : bersaglio_.parent_path();

    modo_ = modonuovo();
    struct stat st {};
    if (::stat(bersaglio_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            guasto(descrivierrore(EISDIR));
            return;
        }
        // A device or a pipe is never replaced by a file.
        if (!S_ISREG(st.st_mode)) {
            guasto("non è un file ordinario");
            return;
        }
        // A file the user made read-only stays as it is, though the folder
        // (or the administrator's rights) would let us replace it.
        if ((st.st_mode & 0222) == 0) {
            guasto("il file è in sola lettura");
            return;
        }
        if (::access(bersaglio_.c_str(), W_OK) != 0) {
            guasto(errno == EACCES ? std::string("il file è in sola lettura")
                                   : descrivierrore(errno));
            return;
        }
        modo_ = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        guasto(descrivierrore(errno));
        return;
    }
    struct stat sc {};
    if (::stat(cartella.c_str(), &sc) != 0) {
        guasto(errno == ENOENT ? std::string("cartella inesistente") : descrivierrore(errno));
        return;
    }
    if (!S_ISDIR(sc.st_mode)) {
        guasto(descrivierrore(ENOTDIR));
        return;
    }
    pulisci(cartella);

    std::string nome = (cartella / (std::string(prefisso) + "XXXXXX")).string();
    fd_ = ::mkostemp(nome.data(), O_CLOEXEC);
    if (fd_ < 0) {
        guasto(descrivierrore(errno));
        return;
    }
    temporaneo_ = nome;
}

SalvataggioSicuro::~SalvataggioSicuro() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!consegnato_ && !temporaneo_.empty()) {
        ::unlink(temporaneo_.c_str());
    }
}

bool SalvataggioSicuro::guasto(std::string motivo) {
    if (errore_.empty()) {
        errore_ = "Impossibile salvare il file \"" + percorso_.string() + "\": " + motivo;
        motivo_ = std::move(motivo);
    }
    return false;
}

bool SalvataggioSicuro::scrivi(std::string_view byte) {
    if (!riuscito() || fd_ < 0) {
        return false;
    }
    return scrivitutto(fd_, byte) || guasto(descrivierrore(errno));
}

bool SalvataggioSicuro::verifica(std::string_view coda) {
    if (!riuscito() || fd_ < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        return guasto(descrivierrore(errno));
    }
    const auto dimensione = static_cast<std::size_t>(st.st_size);
    std::string fine(coda.size(), '\0');
    if (dimensione == 0 || dimensione < coda.size() ||
        ::pread(fd_, fine.data(), fine.size(), static_cast<off_t>(dimensione - coda.size())) !=
            static_cast<ssize_t>(fine.size()) ||
        fine != coda) {
        return guasto("il documento non è stato scritto per intero (disco pieno?)");
    }
    return true;
}

bool SalvataggioSicuro::chiudi() {
    if (!riuscito() || fd_ < 0) {
        return riuscito() && consegnato_;
    }
    int errore = 0;
    if (::fchmod(fd_, static_cast<mode_t>(modo_)) != 0 || ::fsync(fd_) != 0) {
        errore = errno;
    }
    if (::close(fd_) != 0 && errore == 0) {
        errore = errno;
    }
    fd_ = -1;
    return errore == 0 || guasto(descrivierrore(errore));
}

bool SalvataggioSicuro::sostituisci() {
    if (!riuscito() || consegnato_) {
        return riuscito();
    }
    if (fd_ >= 0 && !chiudi()) {
        return false;
    }
    if (::rename(temporaneo_.c_str(), bersaglio_.c_str()) != 0) {
        return guasto(descrivierrore(errno));
    }
    consegnato_ = true;
    // The new name must reach the disk too; the data are safe already, so a
    // folder that refuses is no failure of the save.
    const std::filesystem::path cartella =
        bersaglio_.parent_path().empty() ? std::filesystem::path(".") : bersaglio_.parent_path();
    Descrittore dir(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return true;
}

std::optional<std::string> salvabyte(const std::filesystem::path& percorso, std::string_view byte) {
    return salvainsieme({{percorso, byte}});
}

std::optional<std::string>
salvainsieme(const std::vector<std::pair<std::filesystem::path, std::string_view>>& file) {
    std::vector<std::unique_ptr<SalvataggioSicuro>> salvataggi;
    for (const auto& [percorso, byte] : file) {
        auto& s = salvataggi.emplace_back(std::make_unique<SalvataggioSicuro>(percorso));
        if (!s->scrivi(byte) || !s->chiudi()) {
            return s->errore();
        }
    }
    for (const auto& s : salvataggi) {
        if (!s->sostituisci()) {
            return s->errore();
        }
    }
    return std::nullopt;
}

bool stessofile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::optional<std::string> sullavoro(const std::filesystem::path& uscita,
                                     const std::filesystem::path& lavoro) {
    if (!stessofile(uscita, lavoro)) {
        return std::nullopt;
    }
    return "Impossibile salvare il file \"" + uscita.string() +
           "\": è il file dei dati del lavoro " +
           "da cui si scrive il documento, che non va sostituito; indicare un altro nome";
}

} // namespace zocal
