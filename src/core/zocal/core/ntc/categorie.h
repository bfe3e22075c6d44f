#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// Use categories of the storeys' variable loads (NTC 2018 Tab. 2.5.I) and
// their quasi-permanent factor psi2, shared by the seismic and the
// settlement checks.

struct CategoriaUso {
    std::string_view nome; // "A"..."H", "N1", "N2": the text stored in the job file
    double psi2;
    std::string_view descrizione;
};

inline constexpr std::array<CategoriaUso, 10> categorieuso{{
    {"A", 0.3, "ambienti ad uso residenziale"},
    {"B", 0.3, "uffici"},
    {"C", 0.6, "ambienti suscettibili di affollamento"},
    {"D", 0.6, "ambienti ad uso commerciale"},
    {"E", 0.8, "aree per immagazzinamento, uso commerciale e industriale"},
    {"F", 0.6, "rimesse e parcheggi per veicoli fino a 30 kN"},
    {"G", 0.3, "aree per veicoli da 30 a 160 kN"},
    {"H", 0.0, "coperture accessibili per sola manutenzione"},
    {"N1", 0.0, "neve, quota fino a 1000 m s.l.m."},
    {"N2", 0.2, "neve, quota oltre 1000 m s.l.m."},
}};

// The category a storey has when none is given.
inline constexpr std::string_view categoriapredefinita = "A";

// psi2 of a category, an empty text meaning "A"; nullopt for an unknown one.
std::optional<double> psi2(std::string_view categoria);

// psi2 of each of n storeys, storey i taking categorie[i] (a storey beyond
// the list is "A"); nullopt with a note naming the first storey whose
// category is unknown.
std::optional<std::vector<double>> psi2piani(std::span<const std::string> categorie, std::size_t n,
                                             std::string& nota);

} // namespace zocal
