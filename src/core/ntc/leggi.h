#pragma once

#include "zocal/core/calcola.h"
#include "zocal/core/regole.h"

#include <optional>
#include <string>

namespace zocal::ntc {

// An optional entry of the limit-state records: its default when empty, or
// nullopt with the usual note when unreadable.
inline std::optional<double> leggivoce(const std::string& testo, double predefinito,
                                       const char* dove, std::string& nota) {
    if (testo.empty()) {
        return predefinito;
    }
    const auto v = leggidecimale(testo);
    if (!v) {
        nota = notaillegibile(Cella(testo), dove);
    }
    return v;
}

} // namespace zocal::ntc
