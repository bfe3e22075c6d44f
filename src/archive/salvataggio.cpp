#include "zocal/archive/salvataggio.h"

#include "descrittore.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace zocal {

namespace {

// The temporary files of a save: ".zocal-" and six characters of mkstemp.
constexpr std::string_view prefisso = ".zocal-";
constexpr std::size_t lunghezzatemporaneo = prefisso.size() + 6;
// A temporary file this old belongs to a save that was killed.
constexpr std::time_t abbandonato = 3600;
// The journal of files replaced together, and the old files kept until
// all are replaced: names the clean-up of temporaries never matches.
constexpr std::string_view prefissogiornale = ".zocal=";
constexpr std::string_view prefissocopia = ".zocal~";

// The temporary files being written, for the signal handler: fixed slots,
// a path each, taken and freed through an atomic state, since a handler may
// not allocate or lock.
struct Posto {
    std::atomic<int> stato{0}; // 0 free, 1 being filled, 2 in use
    char nome[PATH_MAX];
};
Posto registro[8];

// While files that belong together are renamed, a terminating signal
// waits for the end (another thread may be the one that receives it).
std::atomic<bool> inpaio{false};
std::atomic<int> sospeso{0};

extern "C" void allasegnale(int segnale) {
    if (inpaio.load()) {
        sospeso.store(segnale);
        return;
    }
    for (Posto& p : registro) {
        if (p.stato.load() == 2) {
            ::unlink(p.nome);
        }
    }
    ::signal(segnale, SIG_DFL);
    ::raise(segnale);
}

} // namespace

void proteggiscritture() {
    static std::once_flag fatto;
    std::call_once(fatto, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        for (const int segnale : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction prima {};
            if (::sigaction(segnale, nullptr, &prima) == 0 && prima.sa_handler == SIG_DFL &&
                (prima.sa_flags & SA_SIGINFO) == 0) {
                struct sigaction a {};
                a.sa_handler = allasegnale;
                sigemptyset(&a.sa_mask);
                ::sigaction(segnale, &a, nullptr);
            }
        }
    });
}

namespace {

// The slot of a temporary file, or -1 when there is no room.
int registra(const std::filesystem::path& nome) {
    std::error_code ec;
    const std::string assoluto = std::filesystem::absolute(nome, ec).string();
    if (ec || assoluto.size() >= PATH_MAX) {
        return -1;
    }
    for (int k = 0; k < static_cast<int>(std::size(registro)); ++k) {
        int libero = 0;
        if (registro[k].stato.compare_exchange_strong(libero, 1)) {
            std::memcpy(registro[k].nome, assoluto.c_str(), assoluto.size() + 1);
            registro[k].stato.store(2);
            return k;
        }
    }
    return -1;
}

void libera(int& posto) {
    if (posto >= 0) {
        registro[posto].stato.store(0);
        posto = -1;
    }
}

// Terminating signals wait while files that belong together are renamed,
// so that a kill -TERM never leaves half a pair.
class SegnaliSospesi {
  public:
    SegnaliSospesi() {
        sigset_t s;
        sigemptyset(&s);
        for (const int segnale : {SIGTERM, SIGINT, SIGHUP}) {
            sigaddset(&s, segnale);
        }
        ::pthread_sigmask(SIG_BLOCK, &s, &prima_);
        inpaio.store(true);
    }
    ~SegnaliSospesi() {
        inpaio.store(false);
        ::pthread_sigmask(SIG_SETMASK, &prima_, nullptr);
        if (const int segnale = sospeso.exchange(0); segnale != 0) {
            allasegnale(segnale);
        }
    }
    SegnaliSospesi(const SegnaliSospesi&) = delete;
    SegnaliSospesi& operator=(const SegnaliSospesi&) = delete;

  private:
    sigset_t prima_;
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

bool esiste(const std::filesystem::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0;
}

// Device and inode of a file, "" when it does not exist.
std::string identita(const std::filesystem::path& p) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) {
        return {};
    }
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
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

// mkstemp's six characters.
bool casuale(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// Files of ours of the given prefix: our own regular files of the exact
// name pattern.
bool nostro(const dirent* e, int dir, std::string_view p, struct stat& st) {
    const std::string_view nome(e->d_name);
    return nome.size() == p.size() + 6 && nome.substr(0, p.size()) == p &&
           casuale(nome.substr(p.size())) &&
           ::fstatat(dir, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
           st.st_uid == ::geteuid();
}

// Files replaced together by a program that was killed half-way: the
// journal names each new file, the file it replaces and the copy of the
// old one. The new files were whole before the first was renamed, so the
// replacement is completed; if it cannot be (a new file was removed by a
// signal, a rename fails), the old files are put back.
void riprendi(int dir, const char* nome) {
    Descrittore fd(::openat(dir, nome, O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    // A journal its program still holds is no leftover.
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return;
    }
    std::string testo;
    char blocco[4096];
    for (ssize_t n; (n = ::read(fd.get(), blocco, sizeof blocco)) > 0;) {
        testo.append(blocco, static_cast<std::size_t>(n));
    }
    std::vector<std::string> voci;
    for (std::size_t da = 0, a; (a = testo.find('\0', da)) != std::string::npos; da = a + 1) {
        voci.push_back(testo.substr(da, a - da));
    }
    // Per file: the new file, the target, the copy of the old target (empty
    // when there was none) and the new file's identity, which tells whether
    // it took the target's place already or was lost (removed by a signal).
    struct Voce {
        std::string nuovo, bersaglio, copia, identita;
        bool fatto = false;
    };
    std::vector<Voce> file;
    for (std::size_t k = 0; k + 4 <= voci.size(); k += 4) {
        file.push_back({voci[k], voci[k + 1], voci[k + 2], voci[k + 3]});
    }
    // A journal without its end was being written: nothing was renamed yet.
    bool completa = voci.size() % 4 == 1 && voci.back() == ".";
    for (Voce& v : file) {
        v.fatto = !v.identita.empty() && identita(v.bersaglio) == v.identita;
        completa = completa && (v.fatto || esiste(v.nuovo));
    }
    for (Voce& v : file) {
        if (completa && !v.fatto) {
            v.fatto = ::rename(v.nuovo.c_str(), v.bersaglio.c_str()) == 0;
            completa = v.fatto;
        }
    }
    // What cannot be completed is undone: the old files come back.
    for (const Voce& v : file) {
        if (!completa && v.fatto) {
            if (v.copia.empty()) {
                ::unlink(v.bersaglio.c_str());
            } else {
                ::rename(v.copia.c_str(), v.bersaglio.c_str());
            }
        }
        ::unlink(v.nuovo.c_str());
        if (!v.copia.empty()) {
            ::unlink(v.copia.c_str());
        }
    }
    ::unlinkat(dir, nome, 0);
}

// Completes the replacements a killed program left in `cartella`, then
// removes its temporary files: ours, of the exact name, mode 0600 (a new
// file gets the target's mode only when whole) and over an hour old.
void pulisci(const std::filesystem::path& cartella) {
    DIR* d = ::opendir(cartella.c_str());
    if (d == nullptr) {
        return;
    }
    const std::time_t ora = std::time(nullptr);
    std::vector<std::string> giornali;
    std::vector<std::string> vecchi;
    while (const dirent* e = ::readdir(d)) {
        struct stat st {};
        if (nostro(e, ::dirfd(d), prefissogiornale, st)) {
            giornali.emplace_back(e->d_name);
        } else if (nostro(e, ::dirfd(d), prefisso, st) && (st.st_mode & 07777) == 0600 &&
                   st.st_mtime + abbandonato < ora) {
            vecchi.emplace_back(e->d_name);
        }
    }
    for (const std::string& g : giornali) {
        riprendi(::dirfd(d), g.c_str());
    }
    for (const std::string& v : vecchi) {
        ::unlinkat(::dirfd(d), v.c_str(), 0);
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
    proteggiscritture();
    if (bersaglio_.filename().empty()) {
        guasto("manca il nome del file");
        return;
    }
    const std::filesystem::path cartella =
        bersaglio_.parent_path().empty() ? std::filesystem::path(".") : bersaglio_.parent_path();

    modo_ = modonuovo();
    struct stat st {};
    const bool presente = ::stat(bersaglio_.c_str(), &st) == 0;
    if (presente) {
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
        // Never setuid or setgid: a new file must not gain rights.
        modo_ = st.st_mode & 0777;
    } else if (errno != ENOENT) {
        guasto(descrivierrore(errno));
        return;
    } else if (bersaglio_ != percorso_ || esiste(bersaglio_)) {
        // A link to nothing: saving would create a file where it points.
        guasto("è un collegamento simbolico a un file inesistente");
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
    // In a shared folder (sticky, as /tmp) only the owners may replace a
    // file: found out now, before any file of a pair is replaced.
    if (presente && (sc.st_mode & S_ISVTX) != 0 && ::geteuid() != 0 && st.st_uid != ::geteuid() &&
        sc.st_uid != ::geteuid()) {
        guasto("il file appartiene a un altro utente e la cartella condivisa non ne permette la "
               "sostituzione");
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
    posto_ = registra(temporaneo_);
}

SalvataggioSicuro::~SalvataggioSicuro() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!consegnato_ && !temporaneo_.empty()) {
        ::unlink(temporaneo_.c_str());
    }
    libera(posto_);
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
    if (prova::rinomina(temporaneo_.c_str(), bersaglio_.c_str()) != 0) {
        return guasto(descrivierrore(errno));
    }
    consegnato_ = true;
    libera(posto_);
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

bool SalvataggioSicuro::ripristina(const std::filesystem::path& copia) {
    if (!consegnato_) {
        return true;
    }
    const bool fatto = copia.empty() ? ::unlink(bersaglio_.c_str()) == 0
                                     : ::rename(copia.c_str(), bersaglio_.c_str()) == 0;
    consegnato_ = !fatto;
    return fatto;
}

std::optional<std::string> salvabyte(const std::filesystem::path& percorso, std::string_view byte) {
    SalvataggioSicuro s(percorso);
    if (!s.scrivi(byte) || !s.sostituisci()) {
        return s.errore();
    }
    return std::nullopt;
}

namespace {

// A copy of `da` at `a`, for a file system without hard links.
bool copiafile(const std::filesystem::path& da, const std::filesystem::path& a) {
    Descrittore in(::open(da.c_str(), O_RDONLY | O_CLOEXEC));
    Descrittore out(::open(a.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (in.get() < 0 || out.get() < 0) {
        return false;
    }
    char blocco[65536];
    ssize_t n = 0;
    while ((n = ::read(in.get(), blocco, sizeof blocco)) > 0) {
        if (!scrivitutto(out.get(), std::string_view(blocco, static_cast<std::size_t>(n)))) {
            break;
        }
    }
    const bool fatto = n == 0 && ::fsync(out.get()) == 0 && out.chiudi() == 0;
    if (!fatto) {
        ::unlink(a.c_str());
    }
    return fatto;
}

// The journal of a replacement of several files, in the first one's folder:
// held locked while the program lives, so that only a killed program's
// journal is taken up by the next save there.
class Giornale {
  public:
    explicit Giornale(const std::vector<std::unique_ptr<SalvataggioSicuro>>& file) {
        const std::filesystem::path& primo = file.front()->bersaglio();
        const std::filesystem::path cartella =
            primo.parent_path().empty() ? std::filesystem::path(".") : primo.parent_path();
        std::string nome = (cartella / (std::string(prefissogiornale) + "XXXXXX")).string();
        fd_ = ::mkostemp(nome.data(), O_CLOEXEC);
        if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) {
            return;
        }
        nome_ = nome;
        const std::string sigla =
            std::filesystem::path(nome).filename().string().substr(prefissogiornale.size());
        std::string testo;
        for (std::size_t k = 0; k < file.size(); ++k) {
            const SalvataggioSicuro& s = *file[k];
            std::filesystem::path copia;
            // The old file is kept under a second name (a hard link: the
            // target never goes missing), to be put back if a later one fails.
            if (k + 1 < file.size() && esiste(s.bersaglio())) {
                copia = cartella / (std::string(prefissocopia) + sigla + std::to_string(k));
                if (::link(s.bersaglio().c_str(), copia.c_str()) != 0 &&
                    !copiafile(s.bersaglio(), copia)) {
                    return;
                }
            }
            copie_.push_back(copia);
            for (const std::filesystem::path& p : {s.temporaneo(), s.bersaglio(), copia}) {
                std::error_code ec;
                testo += p.empty() ? std::string() : std::filesystem::absolute(p, ec).string();
                testo += '\0';
            }
            testo += identita(s.temporaneo()) + '\0';
        }
        testo += std::string(".") + '\0';
        pronto_ = scrivitutto(fd_, testo) && ::fsync(fd_) == 0;
    }
    ~Giornale() {
        for (const auto& c : copie_) {
            if (!c.empty()) {
                ::unlink(c.c_str());
            }
        }
        if (!nome_.empty()) {
            ::unlink(nome_.c_str());
        }
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Giornale(const Giornale&) = delete;
    Giornale& operator=(const Giornale&) = delete;

    bool pronto() const { return pronto_; }
    const std::filesystem::path& copia(std::size_t k) const { return copie_[k]; }

  private:
    int fd_ = -1;
    std::string nome_;
    std::vector<std::filesystem::path> copie_;
    bool pronto_ = false;
};

} // namespace

std::optional<std::string>
salvainsieme(const std::vector<std::pair<std::filesystem::path, std::string_view>>& file) {
    std::vector<std::unique_ptr<SalvataggioSicuro>> salvataggi;
    // Every target is checked (and every new file written) before any is
    // replaced.
    for (const auto& [percorso, byte] : file) {
        auto& s = salvataggi.emplace_back(std::make_unique<SalvataggioSicuro>(percorso));
        if (!s->scrivi(byte) || !s->chiudi()) {
            return s->errore();
        }
    }
    if (salvataggi.size() == 1) {
        return salvataggi.front()->sostituisci() ? std::nullopt
                                                 : std::optional(salvataggi.front()->errore());
    }
    const SegnaliSospesi sospesi;
    const Giornale giornale(salvataggi);
    if (!giornale.pronto()) {
        return "Impossibile salvare il file \"" + file.front().first.string() +
               "\": impossibile preparare la sostituzione dei file";
    }
    for (std::size_t k = 0; k < salvataggi.size(); ++k) {
        if (!salvataggi[k]->sostituisci()) {
            // The files already replaced get their old contents back.
            for (std::size_t j = 0; j < k; ++j) {
                salvataggi[j]->ripristina(giornale.copia(j));
            }
            return salvataggi[k]->errore();
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
