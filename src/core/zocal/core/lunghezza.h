#pragma once

#include "zocal/core/messaggio.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace zocal {

struct ModZocal;

// Characters of a UTF-8 text, as the user sees them typed: one for every
// code point, so an accented letter counts once.
std::size_t contacaratteri(std::string_view testo);

// The warning for a text longer than limite characters, which would not fit
// the printed page; nothing for a text that fits. It says nothing of how the
// text got long, so every further change of a text still too long warns again.
std::optional<Messaggio> avvisolunghezza(std::string_view testo, std::size_t limite,
                                         const ModZocal& mod);

} // namespace zocal
