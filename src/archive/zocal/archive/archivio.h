#pragma once

#include "zocal/archive/lettura.h"
#include "zocal/archive/salvataggio.h"
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

// Saves the job by salvabyte: the previous file is never destroyed, and on
// any fault it is as it was and nothing is left behind.
EsitoSalvataggio salvalavoro(const std::filesystem::path& percorso, const Lavoro& lavoro);

// Reads a job file into `lavoro` by leggilavoro's rules; a file that cannot
// be opened or read leaves `lavoro` untouched, with the reason in Italian.
EsitoLettura aprilavoro(const std::filesystem::path& percorso, Lavoro& lavoro);

} // namespace zocal
