#pragma once

#include "zocal/archive/studio.h"
#include "zocal/core/daticalcolo.h"
#include "zocal/core/lavoro.h"
#include "zocal/report/scrittore.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zocal {

inline constexpr const char* carattererelazione = "Century Gothic";
// The status line of the title-page window while the report is written.
inline constexpr const char* passoincorso = "sto caricando WORD";

// The status line after the report: saved, and where; opened with the
// desktop's program for it, or shown in the program's own preview.
std::string passofinito(const std::string& docx, bool aperta);

// Without the technical office's name the report prints "progettista:" and
// "il progettista ()" with nothing: what the user is told, with how to set
// the name (`configurazione` is the folder of StudioZocal.TXT); nullopt
// when the name is there.
std::optional<std::string> avvisosenzastudio(const StudioTecnico& studio,
                                             const std::filesystem::path& configurazione);

// Results of every foundation 1..nfond recomputed by the engine, as the
// calculation window's walk through its foundations leaves them.
void aggiornarisultati(DatiCalcolo& dati);

// The project's title as the title page prints it, with its type size: 14
// points while it fits, smaller down to 8, then cut with "…".
struct TitoloFrontespizio {
    double corpo = 14;
    std::string testo;
};
TitoloFrontespizio titolofrontespizio(const std::string& progetto);

// The allowable-stress method as the report states it: the formula of the
// job's soil type, the allowable and working pressures, the criterion.
std::string metodotensioniammissibili(const DatiCalcolo& dati);

// Size of the section drawing in the report, in pixels of a 96 dpi screen.
inline constexpr int larghezzasezione = 560;
inline constexpr int altezzasezione = 320;

// The whole content, title page to signature line, through an open writer;
// with `conntc` the limit-state section follows the foundations' tables.
void componirelazione(ScrittoreRelazione& scrittore, const Lavoro& lavoro,
                      const StudioTecnico& studio, bool conntc = true);

// Right-aligns the soil data columns, every column of every foundation table
// and, given the options of the limit-state section, its value columns.
void allineacolonne(ScrittoreRelazione& scrittore, const DatiCalcolo& dati,
                    const OpzioniNtc* ntc = nullptr);

struct EsitoRelazione {
    std::string errore; // Italian, naming the file; empty on success
    std::string avviso; // Italian: what the user should know of a written report
    std::string docx;
    std::string pdf;
    int pagine = 0; // pages of the finished document
    // What the job file lacks (its description or title page), in Italian;
    // the report is written all the same.
    std::string avvisolavoro;

    bool riuscita() const { return errore.empty(); }
};

// Writes the report of a job whose results are current into a fresh document
// and saves it at `percorso` (the PDF beside it). The saved files carry the
// right-aligned columns too: here the saved file is what the user sees.
EsitoRelazione scrivirelazione(ScrittoreRelazione& scrittore, const Lavoro& lavoro,
                               const StudioTecnico& studio, const std::string& percorso,
                               bool conntc = true);

} // namespace zocal
