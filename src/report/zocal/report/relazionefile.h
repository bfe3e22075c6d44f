#pragma once

#include "zocal/report/composizione.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zocal {

// The usage lines of "zocal-cli relazione".
extern const char* const usorelazione;

// The report of a job file, as the title-page window's print command makes
// it: counts and results refreshed first, then the DOCX at `docx` (empty:
// beside the job file, named after the committente) and the PDF beside it.
// The technical office is read from "StudioZocal.TXT" unless given; without
// `conntc` the report leaves out the limit-state section.
// Needs a QGuiApplication.
EsitoRelazione relazionedafile(const std::string& filelavoro, const std::string& docx = {},
                               const std::optional<std::string>& studio = std::nullopt,
                               const std::optional<std::string>& indirizzo = std::nullopt,
                               bool conntc = true);

// "zocal-cli relazione" with its arguments (those after "relazione"): prints
// the two paths and the page count, or the reason on `err`. Returns the exit
// status: 0 done, 1 wrong arguments, 2 the job could not be read or the
// report not written. Needs a QGuiApplication.
int comandorelazione(const std::vector<std::string>& argomenti, std::ostream& out,
                     std::ostream& err);

// The whole subcommand for a main(): argv[1] is "relazione". Creates the
// QGuiApplication the fonts need, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise, so it runs without a display.
int relazionedariga(int argc, char** argv);

// The same for any document command: argv[1] names it, `comando` gets the
// arguments after it.
int comandodariga(int argc, char** argv,
                  int (*comando)(const std::vector<std::string>&, std::ostream&, std::ostream&));

} // namespace zocal
