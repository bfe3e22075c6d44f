#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// One help page: the window's name, its title and its whole text, whose
// paragraphs are separated by an empty line.
struct PaginaTesto {
    std::string nome;
    std::string titolo;
    std::string testo;
};

// The manual and the six help pages, in the order of the contents window:
// manuale, guidafunzionamento, guidaarchivio, guidastampa, guidacalcolo,
// guidadescrizione, guidafrontespizio.
const std::vector<PaginaTesto>& pagineguida();

// One of them by window name; null for any other name.
const PaginaTesto* paginaguida(std::string_view nome);

// The terms-of-use page.
const PaginaTesto& paginalicenza();

// A text written in lines of source: a single line end joins two lines with
// a blank, and one or more empty lines become one empty line between
// paragraphs. Nothing before the first paragraph or after the last.
std::string paragrafi(std::string_view righe);

} // namespace zocal
