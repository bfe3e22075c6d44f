#pragma once

#include "zocal/archive/studio.h"
#include "zocal/core/daticalcolo.h"
#include "zocal/core/lavoro.h"
#include "zocal/core/messaggio.h"
#include "zocal/core/modzocal.h"
#include "zocal/printouts/foglio.h"
#include "zocal/printouts/stampante.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zocal {

inline constexpr const char* caratterestampa = "Courier New";

// How a printout ended.
struct EsitoStampa {
    enum class Stato { stampata, annullata, guasto };
    Stato stato = Stato::stampata;
    // Why the printout stopped, in Italian; empty unless guasto.
    std::string errore;

    bool stampata() const { return stato == Stato::stampata; }
};

// The message box for a printout that stopped on a fault; nothing to show
// for a printout that came out or that the user cancelled.
std::optional<Messaggio> avvisostampa(const EsitoStampa& esito, const ModZocal& mod);

// Brings the results of every foundation up to date before the listing.
using Aggiornamento = std::function<void(DatiCalcolo&)>;
// Without the calculation window: computes foundations 1..nfond.
void aggiornasenzafinestra(DatiCalcolo& dati);

// The four documents, written on a printer already chosen; the document is
// ended. A printer fault comes out as GuastoStampante.
void scrivimodello(Foglio& foglio);
void scrividati(Foglio& foglio, const DatiCalcolo& dati, std::string_view progetto);
void scrivifrontespizio(Foglio& foglio, const std::array<std::string, nfrontespizio>& testi,
                        const StudioTecnico& studio);
void scrividescrizione(Foglio& foglio, const std::array<std::string, ndescrizione>& testi,
                       std::string_view progetto);

// The print commands: ask for the printer, then print. A cancelled dialog
// prints nothing; a fault stops the printout and says why.

// The blank data-acquisition sheet; reads nothing of the job.
EsitoStampa stampamodello(SceltaStampante& scelta);
// The data and results: first the results are brought up to date (also when
// the dialog is then cancelled), then the listing is printed.
EsitoStampa stampadati(DatiCalcolo& dati, std::string_view progetto, SceltaStampante& scelta,
                       const Aggiornamento& aggiorna = aggiornasenzafinestra);
// The title-page data, one page.
EsitoStampa stampafrontespizio(const std::array<std::string, nfrontespizio>& testi,
                               const StudioTecnico& studio, SceltaStampante& scelta);
// The description page; `progetto` is the title-page project.
EsitoStampa stampadescrizione(const std::array<std::string, ndescrizione>& testi,
                              std::string_view progetto, SceltaStampante& scelta);

} // namespace zocal
