#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

inline constexpr const char* nomelistino = "listino.txt";
inline constexpr int massimoprodotti = 100;

struct Prodotto {
    std::string nome;
    std::string argomento;
    // Euro; empty when the file ended, or held no number, before the price.
    std::optional<double> listino;
    std::optional<double> internet;
};

// The maker's price list: a heading, then the products 1..n.
struct Listino {
    std::string intestazione;
    std::vector<Prodotto> prodotti; // product i at [i - 1]
    // What went wrong, in Italian; empty when the whole list was read.
    std::string avviso;

    int numeroprodotti() const { return static_cast<int>(prodotti.size()); }
    // Product i (1-based); null outside 1..numeroprodotti.
    const Prodotto* prodotto(int i) const;
};

// Reads the text of a price list: values separated by commas or line ends,
// a text optionally in double quotes, numbers with "." as decimal point;
// the heading, the number of products (at most 100), then name, topic,
// list price and internet price of each. Empty lines are passed over.
// Whatever could be read is kept; `avviso` says what could not.
Listino leggilistino(std::string_view testo);

// The file: Windows-1252 (or UTF-8); missing or unreadable gives an empty
// list with the reason in `avviso`.
Listino caricalistino(const std::filesystem::path& file);

} // namespace zocal
