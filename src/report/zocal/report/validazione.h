#pragma once

#include "zocal/archive/validazione.h"
#include "zocal/report/scrittore.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zocal {

class ScrittoreDocumento;

// "Documento di validazione di Zocal, versione 3.04.05": how the report
// cites it.
std::string citazionevalidazione();

// What the report's automatic-calculation paragraph says of the validation:
// the document by title and version, where it is, and how many of its cases
// hold, computed now.
std::string validazionecitata();

// The file the command writes without -o, and the name it is installed with.
inline constexpr const char* filevalidazionepdf = "Zocal-validazione.pdf";

// The whole document through an open writer: title and version, how to read
// it, the summary table, then each case with its source, input, expected and
// computed values, tolerance and outcome.
void componivalidazione(ScrittoreRelazione& scrittore, const std::vector<CasoValidazione>& casi);

struct EsitoDocumentoValidazione {
    std::string errore; // Italian, naming the file; empty when saved
    std::vector<CasoValidazione> casi;
    int pagine = 0;

    bool riuscita() const { return errore.empty(); }
    // The cases outside their tolerance.
    std::vector<const CasoValidazione*> falliti() const;
};

// Computes every case and saves the document as PDF/A at `percorso`, the
// safe way. Needs a QGuiApplication.
EsitoDocumentoValidazione scrivivalidazione(ScrittoreDocumento& scrittore,
                                            const std::string& percorso);

extern const char* const usovalidazione;

// "zocal-cli validazione" with the arguments after it: writes the document,
// prints where and the count of cases, each case outside its tolerance on
// `err`. Exit status 0 every case within its tolerance, 1 wrong arguments,
// 2 the document not written, 3 some case outside its tolerance (the
// document is written all the same and says which).
int comandovalidazione(const std::vector<std::string>& argomenti, std::ostream& out,
                       std::ostream& err);

} // namespace zocal
