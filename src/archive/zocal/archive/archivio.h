#pragma once

#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"
#include "zocal/core/lavoro.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zocal {

struct EsitoSalvataggio {
    // Why nothing was saved, in Italian, with the path; empty on success.
    std::string errore;
    // Texts stored differently from how they were typed.
    Sostituzioni sostituzioni;

    bool riuscito() const { return errore.empty(); }
};

// Saves the job. The previous file is never destroyed: the data go to a new
// file in the same folder, reach the disk, and only then take the place of
// the old one, which keeps its permissions. On any fault the previous file
// is as it was and nothing is left behind.
EsitoSalvataggio salvalavoro(const std::filesystem::path& percorso, const Lavoro& lavoro);

// Writes the bytes to `percorso` the same safe way: a new file beside it that
// reaches the disk before it takes the old one's place. A symbolic link is
// followed; a folder, a device, a pipe or a read-only file is never replaced.
// The reason of a fault, in Italian and naming the file; nullopt on success.
std::optional<std::string> salvabyte(const std::filesystem::path& percorso, std::string_view byte);

// Reads a job file into `lavoro` by leggilavoro's rules; a file that cannot
// be opened or read leaves `lavoro` untouched, with the reason in Italian.
EsitoLettura aprilavoro(const std::filesystem::path& percorso, Lavoro& lavoro);

// Italian words for a system error number ("permesso negato", "disco pieno"...).
std::string descrivierrore(int numero);

} // namespace zocal
