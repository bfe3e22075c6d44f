#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zocal {

// A file that takes the place of `percorso` only once it is whole: it is
// written to a new file in the same folder (a short name of our own prefix,
// whatever the target's name), every write and the close checked, brought
// to the disk, and only then renamed over the target, whose permissions it
// keeps but for setuid and setgid. A symbolic link is followed, so the link
// stays and points at the new file; a link to nothing, a folder, a device,
// a pipe, a read-only file and another user's file in a shared folder are
// never replaced. Temporary files of an earlier save that was killed (ours,
// our prefix, mode 0600, older than an hour) are removed from the folder.
// Until the new file is delivered, the old one is untouched; an undelivered
// new file is removed, also when SIGTERM, SIGINT or SIGHUP end the program.
// A save never dies of SIGXFSZ: past a file size limit it reports the fault.
class SalvataggioSicuro {
  public:
    explicit SalvataggioSicuro(const std::filesystem::path& percorso);
    ~SalvataggioSicuro();
    SalvataggioSicuro(const SalvataggioSicuro&) = delete;
    SalvataggioSicuro& operator=(const SalvataggioSicuro&) = delete;

    // False once anything failed; errore() then tells why.
    bool riuscito() const { return errore_.empty(); }
    // In Italian, naming the file: "Impossibile salvare il file "…": …".
    const std::string& errore() const { return errore_; }
    // Only the reason ("disco pieno"...).
    const std::string& motivo() const { return motivo_; }

    // The file the data go to, for a writer that opens it by name.
    const std::filesystem::path& temporaneo() const { return temporaneo_; }

    // Appends bytes to the new file.
    bool scrivi(std::string_view byte);
    // For a file another writer filled through temporaneo(): it must not be
    // empty and must end with `coda` (a writer that met a full disk and
    // went on silently leaves it short).
    bool verifica(std::string_view coda);
    // The data on the disk: permissions, fsync, close.
    bool chiudi();
    // The new file takes the target's place (closing it first if needed).
    bool sostituisci();
    // Undoes a delivery: `copia` (a second name of the old file) takes the
    // target's place again, or the target goes if there was no old file.
    bool ripristina(const std::filesystem::path& copia);

    // The file replaced, links followed.
    const std::filesystem::path& bersaglio() const { return bersaglio_; }

  private:
    bool guasto(std::string motivo);

    std::filesystem::path percorso_;  // as given, for the messages
    std::filesystem::path bersaglio_; // the file replaced, links followed
    std::filesystem::path temporaneo_;
    int fd_ = -1;
    unsigned modo_ = 0;
    bool consegnato_ = false;
    int posto_ = -1; // slot of the temporary file for the signal handler
    std::string errore_;
    std::string motivo_;
};

// Writes the bytes to `percorso` the safe way above. The reason of a fault,
// in Italian and naming the file; nullopt on success.
std::optional<std::string> salvabyte(const std::filesystem::path& percorso, std::string_view byte);

// Several files that belong together (a report's DOCX and PDF): replaced
// all or none. All are checked, written and brought to the disk before any
// replaces its old file; if a replacement fails, those already made are
// undone; if the program is killed between them, a journal left in the
// folder lets the next save there complete them.
std::optional<std::string>
salvainsieme(const std::vector<std::pair<std::filesystem::path, std::string_view>>& file);

// Whether two paths name the same file (same device and inode, links
// followed); false when either does not exist.
bool stessofile(const std::filesystem::path& a, const std::filesystem::path& b);

// The refusal to save a document over the job file it is made from (the
// same file, also through links); nullopt when `uscita` is another file.
std::optional<std::string> sullavoro(const std::filesystem::path& uscita,
                                     const std::filesystem::path& lavoro);

// Past a file size limit a write fails instead of ending the program
// (SIGXFSZ ignored), so the fault is reported; SIGTERM, SIGINT and SIGHUP
// first remove the temporary files being written. A disposition the program
// set itself is kept. Every save calls it; programs call it at the start.
void proteggiscritture();

namespace prova {
// The rename of the saves, for the tests to inject a fault.
inline int (*rinomina)(const char*, const char*) = ::rename;
} // namespace prova

// Italian words for a system error number ("permesso negato", "disco pieno"...).
std::string descrivierrore(int numero);

} // namespace zocal
