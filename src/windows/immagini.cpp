#include "immagini.h"

namespace zocal::immagini {

QImage immagine(std::string_view nome) {
    for (std::size_t k = 0; k < numero; ++k) {
        if (nome == tabella[k].nome) {
            const Incorporata& i = tabella[k];
            // The pixels are used where they lie, read-only: nothing to decode.
            return QImage(reinterpret_cast<const uchar*>(i.pixel), i.larghezza, i.altezza,
                          i.larghezza * 4, QImage::Format_ARGB32_Premultiplied);
        }
    }
    return {};
}

} // namespace zocal::immagini
