#include "zocal/core/lavoro.h"

namespace zocal {

std::string_view nomedescrizione(Descrizione d) {
    static constexpr std::string_view nomi[ndescrizione] = {
        "fabbricato", "muratura",  "consistenza", "solai", "zona",   "lotto",   "altezza",
        "acque",      "vicinanze", "canali",      "frane", "natura", "giudizio"};
    return nomi[static_cast<int>(d)];
}

std::string_view nomefrontespizio(Frontespizio t) {
    static constexpr std::string_view nomi[nfrontespizio] = {"progetto", "località", "committente",
                                                             "luogo",    "data",     "allegati"};
    return nomi[static_cast<int>(t)];
}

} // namespace zocal
