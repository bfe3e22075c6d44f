#include "salvataggio.h"

#include "zocal/archive/archivio.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zocal {

namespace {

class Descrittore {
  public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int get() const { return fd_; }
    int chiudi() {
        const int r = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return r;
    }

  private:
    int fd_;
};

bool scrivitutto(int fd, const char* dati, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(fd, dati, n);
        if (k < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        dati += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

mode_t modopredefinito() {
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    return 0666 & ~maschera;
}

} // namespace

std::optional<std::string> scrivifile(const std::string& percorso, const QByteArray& byte) {
    const std::string prefisso = "Impossibile salvare il file \"" + percorso + "\": ";
    std::filesystem::path bersaglio(percorso);
    if (bersaglio.filename().empty()) {
        return prefisso + "manca il nome del file";
    }
    // Through a symbolic link the file it points to is replaced, not the link.
    std::error_code ec;
    if (std::filesystem::is_symlink(bersaglio, ec)) {
        const auto vero = std::filesystem::weakly_canonical(bersaglio, ec);
        if (!ec) {
            bersaglio = vero;
        }
    }
    const std::filesystem::path cartella =
        bersaglio.parent_path().empty() ? std::filesystem::path(".") : bersaglio.parent_path();

    mode_t modo = modopredefinito();
    struct stat st {};
    if (::stat(bersaglio.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            return prefisso + descrivierrore(EISDIR);
        }
        // A device or a pipe is never replaced by a file.
        if (!S_ISREG(st.st_mode)) {
            return prefisso + "non è un file ordinario";
        }
        modo = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return prefisso + descrivierrore(errno);
    }
    struct stat sc {};
    if (::stat(cartella.c_str(), &sc) != 0) {
        return prefisso +
               (errno == ENOENT ? std::string("cartella inesistente") : descrivierrore(errno));
    }
    if (!S_ISDIR(sc.st_mode)) {
        return prefisso + descrivierrore(ENOTDIR);
    }

    std::string modello = (cartella / ".zocal-XXXXXX").string();
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    Descrittore fd(::mkostemp(nome.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        return prefisso + descrivierrore(errno);
    }
    const std::string temporaneo(nome.data());
    int errore = 0;
    if (::fchmod(fd.get(), modo) != 0 ||
        !scrivitutto(fd.get(), byte.constData(), static_cast<std::size_t>(byte.size())) ||
        ::fsync(fd.get()) != 0) {
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
        return prefisso + descrivierrore(errore);
    }
    Descrittore dir(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return std::nullopt;
}

} // namespace zocal
