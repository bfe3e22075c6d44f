#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zocal {

// The recovery copy of a job with unsaved changes: the job file's bytes and,
// beside them, the path of the file the job belongs to. Each running program
// keeps its own pair, named after its process, in the user's data folder,
// written by the safe save. A pair whose process is gone is what a crash or
// a power cut left behind.
class Recupero {
  public:
    Recupero(std::filesystem::path cartella, long processo);

    // The copy, replacing the previous one; the reason of a fault in
    // Italian, nullopt when written.
    std::optional<std::string> scrivi(std::string_view byte, const std::string& filedati);
    // The program's own copy goes (a save, a clean exit).
    void rimuovi() const;
    const std::filesystem::path& file() const { return file_; }

    // A copy left by a run that did not end: the newest of those whose
    // process no longer runs.
    struct Avanzo {
        std::filesystem::path file;
        std::string filedati; // empty for a job never saved
    };
    std::optional<Avanzo> avanzo() const;
    static void scarta(const Avanzo& avanzo);

  private:
    std::filesystem::path cartella_;
    std::filesystem::path file_;
};

// Whether a process of that number runs now.
bool processoattivo(long processo);

} // namespace zocal
