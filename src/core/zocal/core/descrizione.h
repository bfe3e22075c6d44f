#pragma once

#include "zocal/core/lavoro.h"
#include "zocal/core/messaggio.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zocal {

struct ModZocal;

// The 13 description texts of a job, in record order.
using DatiDescrizione = std::array<std::string, ndescrizione>;

// Longest text that prints well on the description page.
inline constexpr std::size_t maxdescrizione = 65;

inline constexpr const char* passodescrizionevuota =
    "inserire tutti i dati necessari per la relazione";
inline constexpr const char* passodescrizionepiena =
    "archiviare i dati o passare alla stampa della relazione cliccando sul tasto Avanti";

inline constexpr const char* suggerimentolista =
    "cliccare sulla freccia per visualizzare una lista di opzioni tra cui scegliere";
inline constexpr const char* titolocornice =
    "Scegli le descrizioni preimpostate per la relazione sulla fondazione";

// One field of the description window: its caption, the caption's tooltip
// and the phrases its list offers, in list order.
struct CampoDescrizione {
    Descrizione campo;
    std::string_view didascalia;
    std::string_view suggerimento;
    std::span<const std::string_view> frasi;
};

// The 13 fields, top to bottom, which is also record and tab order.
const std::array<CampoDescrizione, ndescrizione>& campidescrizione();

// The warning for a text too long for the description page, if it is.
std::optional<Messaggio> lunghezzadescrizione(std::string_view testo, const ModZocal& mod);

// The guidance line: what is left to do with the description.
std::string aggiornapasso(const DatiDescrizione& testi);

// The data check: a text counts as typed when it is not empty, blanks included.
Messaggio controlladescrizione(const DatiDescrizione& testi, const ModZocal& mod);

// The short help of the window.
Messaggio aiutodescrizione(const ModZocal& mod);

} // namespace zocal
