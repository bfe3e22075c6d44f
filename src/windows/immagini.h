#pragma once

// The pictures drawn when the program was built (toolbar, overflow arrows,
// start-up sunflower), carried as premultiplied 32-bit pixels.
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zocal::immagini {

struct Incorporata {
    const char* nome;
    const std::uint32_t* pixel;
    int larghezza;
    int altezza;
};

extern const Incorporata tabella[];
extern const std::size_t numero;

// The picture named `nome` ("barra01".."barra21", "estensione-o",
// "estensione-v", "girasole"); a null image for any other name.
QImage immagine(std::string_view nome);

} // namespace zocal::immagini
