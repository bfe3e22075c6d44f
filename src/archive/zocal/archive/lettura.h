#pragma once

#include "zocal/core/lavoro.h"

#include <string>
#include <string_view>

namespace zocal {

struct EsitoLettura {
    // Why the file was refused, in Italian, naming the line ("riga 3: ...");
    // empty when the job was read.
    std::string errore;
    // Line of the fault, counted from 1; 0 when there is none.
    int riga = 0;
    // The file ended after the soil or after the description: those texts
    // were not in the file and the job kept its own.
    bool descrizioneassente = false;
    bool frontespizioassente = false;
    // The description or title-page record the end of the file cut short
    // ("riga 9: il file è danneggiato, ..."); its texts count as absent.
    std::string guasto;
    // A file of UTF-8 with stray bytes, read as Windows-1252: the warning
    // naming the first stray byte's line.
    std::string codifica;

    bool riuscita() const { return errore.empty(); }
    // The notice for the user about damaged, absent parts and the encoding,
    // empty when there is nothing to tell.
    std::string avviso() const;
};

// Reads a job file: Windows-1252 bytes, or UTF-8 when the file is
// well-formed UTF-8 with accented letters (another editor saved it so).
// After the title page only known records may follow, each whole.
// Only a file read to the end of the soil record replaces anything: then the calculation data are
// replaced whole (results empty, counts as written), and the description and title page each when
// their record is complete. On error `lavoro` is untouched.
EsitoLettura leggilavoro(std::string_view byte, Lavoro& lavoro);

} // namespace zocal
