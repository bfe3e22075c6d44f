#pragma once

#include "zocal/core/lavoro.h"

#include <string>
#include <vector>

namespace zocal {

// Texts the job file could not hold as typed, by field name ("committente",
// "località", "giudizio"...), so the window can tell the user.
struct Sostituzioni {
    // Characters outside Windows-1252, stored as "?".
    std::vector<std::string> caratteriperduti;
    // Double quotes, stored as the closing typographic quote, since the
    // format has no escaping.
    std::vector<std::string> virgolette;

    bool nessuna() const { return caratteriperduti.empty() && virgolette.empty(); }
    // The warning for the user, empty when nothing was replaced.
    std::string avviso() const;
};

struct EsitoScrittura {
    std::string byte;   // the whole file, Windows-1252, CR LF line ends
    std::string errore; // why the job cannot be written; empty on success
    Sostituzioni sostituzioni;

    bool riuscita() const { return errore.empty(); }
};

// The job as the records of a job file: the counts as they stand (the window
// keeps them current), the entries of foundations 1..nfond and their storeys
// 1..npiani, the soil, the 13 description texts, the 6 title-page texts.
// Refuses a job that would not read back: a count outside 0..10, an entry
// text with characters other than digits, "," and "-", a number that does
// not survive writing and reading.
EsitoScrittura scrivilavoro(const Lavoro& lavoro);

} // namespace zocal
