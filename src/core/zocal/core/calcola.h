#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/ntc.h"

#include <optional>
#include <string>
#include <string_view>

namespace zocal {

inline constexpr const char* notaterreno = "Mancano i dati completi relativi al terreno.";
inline constexpr const char* notainsufficiente =
    "Fondazione insufficiente: allargare la base fondale (il tasto sottostante l'allarga di cm.5).";
inline constexpr const char* notaverificata =
    "Il calcolo mostra una fondazione ben dimensionata ed "
    "un coefficiente di sicurezza uguale almeno a 3.";
inline constexpr const char* testoverificata = "verificata";
inline constexpr const char* testononverificata = "non verificata";

// What one run of the calculation leaves for the window to show. A display
// the run leaves alone is nullopt: the window keeps what it shows. A run that
// stops before the verdict empties the results it did not recompute, and
// their displays are the empty text.
struct EsitoCalcolo {
    std::optional<std::string> note;
    std::optional<std::string> text1;
    std::optional<std::string> sigmat; // the sigma box
    std::optional<std::string> carlim;
    std::optional<std::string> scater;
    std::optional<std::string> siglav;
    std::optional<std::string> coeff;
    bool indicazioni = false;     // the guidance prompt must run
    bool aggiornagriglia = false; // the storey grid must show the new loads
    int passo = 0;                // the step the run ended on; 18 when complete
    bool completo() const { return passo == 18; }
};

// Whether a note is the comment of a verdict, which must go when the verdict does.
bool notadiverdetto(std::string_view nota);

// Load take-down and bearing-capacity check of foundation f (1..10): reads the
// entries of the data, writes the results into it, and says what to show.
EsitoCalcolo calcola(DatiCalcolo& dati, int f);

// The eight entries of storey i of foundation f as the load take-down reads
// them: weights in whole kg (P, S, F, T, G), lengths in whole cm (L, H, W).
struct PianoLetto {
    double P, S, F, T, G, L, H, W;
};
// nullopt, with the note naming the first entry that cannot be read.
std::optional<PianoLetto> leggipiano(const DatiCalcolo& dati, int i, int f, std::string& nota);

// Whether foundation f holds: the allowable-stress verdict, and the
// limit-state one when `ntc` is given and the check can be made.
bool fondazioneregge(const DatiCalcolo& dati, int f, const OpzioniNtc* ntc);

// The width the widen button gives a foundation that does not hold: the
// first in 5 cm steps above the present one (0 when empty) at which it holds;
// nullopt when none up to the usual 5 m does, or it already holds.
std::optional<double> larghezzasufficiente(const DatiCalcolo& dati, int f, const OpzioniNtc* ntc);

// The note for an entry that cannot be read as a number; `dove` names it.
std::string notaillegibile(const Cella& cella, const std::string& dove);
// The note for a negative value where none has a meaning (weights, lengths,
// soil weight, cohesion, depth, width); the data check, the calculation and
// the limit-state check all use it.
std::string notanegativo(const Cella& cella, const std::string& dove);
// How the notes name entry v of storey i: "peso del solaio del piano n. 2".
std::string dovepiano(Voce v, int i);

} // namespace zocal
