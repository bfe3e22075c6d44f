#include "zocal/core/ntc/categorie.h"

namespace zocal {

std::optional<double> psi2(std::string_view categoria) {
    if (categoria.empty()) {
        categoria = categoriapredefinita;
    }
    for (const CategoriaUso& c : categorieuso) {
        if (c.nome == categoria) {
            return c.psi2;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<double>> psi2piani(std::span<const std::string> categorie, std::size_t n,
                                             std::string& nota) {
    std::vector<double> psi(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view nome = i < categorie.size() ? categorie[i] : std::string_view();
        const auto p = psi2(nome);
        if (!p) {
            nota = "Categoria d'uso del piano n. " + std::to_string(i + 1) + " non valida: \"" +
                   std::string(nome) + "\" (ammesse A, B, C, D, E, F, G, H, N1, N2).";
            return std::nullopt;
        }
        psi[i] = *p;
    }
    return psi;
}

} // namespace zocal
