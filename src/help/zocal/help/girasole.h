#pragma once

namespace zocal::girasole {

// The maker of Zocal, as its information windows and price list show it.
inline constexpr const char* marchio = "software GIRASOLE";
inline constexpr const char* indirizzo = "via dei Girasoli 12 - 00000 Campobello (XX)";
inline constexpr const char* telefono = "tel. 000 0000000";
inline constexpr const char* fax = "fax 000 0000001";
inline constexpr const char* email = "assistenza@girasole.example.org";
inline constexpr const char* emailvendite = "vendite@girasole.example.org";
inline constexpr const char* sito = "https://girasole.example.org";
inline constexpr const char* catalogo = "https://girasole.example.org/prodotti";
inline constexpr const char* acquisti = "https://girasole.example.org/acquista";

} // namespace zocal::girasole
