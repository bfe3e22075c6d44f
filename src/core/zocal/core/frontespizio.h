#pragma once

#include "zocal/core/lavoro.h"
#include "zocal/core/messaggio.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zocal {

struct ModZocal;

// The six title-page texts of a job, in record order.
using DatiFrontespizio = std::array<std::string, nfrontespizio>;

// Longest text that prints well on the title page.
inline constexpr std::size_t maxfrontespizio = 60;

inline constexpr const char* intestazionefrontespizio = "DATI PER LA  RELAZIONE SULLA FONDAZIONE";
inline constexpr const char* suggerimentointestazione =
    "i dati della finestra occorrono per il frontespizio della relazione";
inline constexpr const char* passofrontespizio =
    "digitare tutti i dati necessari per la stampa della relazione sulla fondazione";
inline constexpr const char* didascaliastudiotecnico = " studio tecnico...........:";
inline constexpr const char* suggerimentodidascaliastudio =
    "lo studio che ha effettuato la elaborazione";
// Where the technical office's name and address are read from at start-up.
inline constexpr const char* filestudiotecnico = "StudioZocal.TXT";

// One field of the title-page window: its caption and the caption's tooltip.
struct CampoFrontespizio {
    Frontespizio campo;
    std::string_view didascalia;
    std::string_view suggerimento;
};

// The six fields, top to bottom, in record order.
const std::array<CampoFrontespizio, nfrontespizio>& campifrontespizio();

// The warning for a text too long for the title page, if it is.
std::optional<Messaggio> lunghezzafrontespizio(std::string_view testo, const ModZocal& mod);

// The data check. Place and date alone do not make a title page: with the
// other four empty nothing counts as typed.
Messaggio controllafrontespizio(const DatiFrontespizio& testi, const ModZocal& mod);

// The short help of the window.
Messaggio aiutofrontespizio(const ModZocal& mod);

// The tooltip of the read-only label of the office's name (or, with
// indirizzo, of its address). provenienza is the file the two were read
// from, empty when none was found; cartella is where the user should put
// one, empty when the program knows no such place.
std::string suggerimentostudio(bool indirizzo, std::string_view provenienza,
                               std::string_view cartella);

} // namespace zocal
