#pragma once

#include <string>

namespace zocal {

enum class Icona { stop, esclamazione, informazione, domanda };

// A message box the window must show: the rules return it, the window shows it.
struct Messaggio {
    std::string testo;
    Icona icona = Icona::informazione;
    std::string titolo;

    bool operator==(const Messaggio&) const = default;
};

} // namespace zocal
