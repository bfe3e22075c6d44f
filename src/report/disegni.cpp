#include "disegni.h"

#include "impaginazione.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <zlib.h>

namespace zocal::disegni {

namespace ip = impaginazione;

QSizeF Gestore::intrinsicSize(QTextDocument*, int, const QTextFormat& f) {
    // In the pixels of the layout's device, as every other length there.
    return {f.doubleProperty(larghezza) * ip::pxpunto, f.doubleProperty(altezza) * ip::pxpunto};
}

void Gestore::drawObject(QPainter* pittore, const QRectF& dove, QTextDocument*, int,
                         const QTextFormat& f) {
    if (const Disegno* d = disegno(f); d != nullptr && pittore != nullptr) {
        pittore->save();
        d->disegna(*pittore, dove);
        pittore->restore();
    }
}

QTextCharFormat Gestore::aggiungi(std::shared_ptr<const Disegno> d, double l, double a) {
    disegni_.push_back({std::move(d), l, a});
    QTextCharFormat f;
    f.setObjectType(tipo);
    f.setProperty(numero, static_cast<int>(disegni_.size()) - 1);
    f.setProperty(larghezza, l);
    f.setProperty(altezza, a);
    return f;
}

const Disegno* Gestore::disegno(const QTextFormat& f) const {
    const int n = f.intProperty(numero);
    if (!edisegno(f) || n < 0 || static_cast<std::size_t>(n) >= disegni_.size()) {
        return nullptr;
    }
    return disegni_[static_cast<std::size_t>(n)].disegno.get();
}

const Gestore* gestore(const QTextDocument& doc) {
    return dynamic_cast<const Gestore*>(doc.documentLayout()->handlerForObject(tipo));
}

QByteArray png(const QImage& im) {
    const int w = im.width();
    const int h = im.height();
    const auto riga = static_cast<std::size_t>(w) * 3;
    // Each row filtered "up", as its difference from the row above: the
    // plain areas of a drawing become runs of zeros, and a row equal to the
    // one above (most of a drawing's) is left as the zeros it starts as.
    std::vector<unsigned char> grezzi(static_cast<std::size_t>(h) * (riga + 1));
    unsigned char* o = grezzi.data();
    const QRgb* sopra = nullptr;
    for (int y = 0; y < h; ++y) {
        const auto* px = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        *o++ = 2; // filter "up"
        if (sopra != nullptr &&
            std::memcmp(px, sopra, static_cast<std::size_t>(w) * sizeof(QRgb)) == 0) {
            o += riga;
        } else {
            for (int x = 0; x < w; ++x) {
                const QRgb su = sopra != nullptr ? sopra[x] : 0;
                *o++ = static_cast<unsigned char>(qRed(px[x]) - qRed(su));
                *o++ = static_cast<unsigned char>(qGreen(px[x]) - qGreen(su));
                *o++ = static_cast<unsigned char>(qBlue(px[x]) - qBlue(su));
            }
        }
        sopra = px;
    }
    // zlib's fastest level with its default strategy: about as quick here
    // as its run-length one, and a fifth smaller.
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return {};
    }
    QByteArray compressi(
        static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(grezzi.size()))),
        Qt::Uninitialized);
    z.next_in = grezzi.data();
    z.avail_in = static_cast<uInt>(grezzi.size());
    z.next_out = reinterpret_cast<Bytef*>(compressi.data());
    z.avail_out = static_cast<uInt>(compressi.size());
    const int esito = deflate(&z, Z_FINISH);
    compressi.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    if (esito != Z_STREAM_END) {
        return {};
    }

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    const auto numero = [](QByteArray& b, std::uint32_t v) {
        for (int s = 24; s >= 0; s -= 8) {
            b += static_cast<char>((v >> s) & 0xff);
        }
    };
    const auto blocco = [&](const char* tipo, const QByteArray& dati) {
        numero(out, static_cast<std::uint32_t>(dati.size()));
        const qsizetype inizio = out.size();
        out += tipo;
        out += dati;
        numero(out, static_cast<std::uint32_t>(
                        crc32_z(0, reinterpret_cast<const Bytef*>(out.constData() + inizio),
                                static_cast<std::size_t>(out.size() - inizio))));
    };
    QByteArray testa;
    numero(testa, static_cast<std::uint32_t>(w));
    numero(testa, static_cast<std::uint32_t>(h));
    testa += QByteArray("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no interlace
    blocco("IHDR", testa);
    blocco("IDAT", compressi);
    blocco("IEND", QByteArray());
    return out;
}

QByteArray png(const Disegno& d, double larghezza, double altezza) {
    constexpr double pixelpunto = 144.0 / 72.0;
    QImage im(std::max(1, static_cast<int>(std::lround(larghezza * pixelpunto))),
              std::max(1, static_cast<int>(std::lround(altezza * pixelpunto))),
              QImage::Format_RGB32);
    im.fill(Qt::white);
    {
        QPainter p(&im);
        d.disegna(p, QRectF(0, 0, im.width(), im.height()));
    }
    return png(im);
}

Pronte pngdi(const std::vector<Gestore::Voce>& voci) {
    Pronte out;
    for (const Gestore::Voce& v : voci) {
        out.try_emplace({v.disegno.get(), v.larghezza, v.altezza},
                        png(*v.disegno, v.larghezza, v.altezza));
    }
    return out;
}

} // namespace zocal::disegni
