#pragma once

// Drawings inside a document: inline objects of a type of their own, which
// the layout sizes and draws through a handler wherever it draws them, so a
// PDF gets their paths and text, not pixels.

#include "zocal/report/scrittore.h"

#include <QByteArray>
#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

class QImage;
class QTextDocument;

namespace zocal::disegni {

constexpr int tipo = QTextFormat::UserObject + 1;
// The drawing's number in its handler, and its size in points.
constexpr int numero = QTextFormat::UserProperty + 10;
constexpr int larghezza = QTextFormat::UserProperty + 11;
constexpr int altezza = QTextFormat::UserProperty + 12;

class Gestore : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    QSizeF intrinsicSize(QTextDocument* doc, int posizione, const QTextFormat& f) override;
    void drawObject(QPainter* pittore, const QRectF& dove, QTextDocument* doc, int posizione,
                    const QTextFormat& f) override;

    // The format of a new drawing `larghezza` x `altezza` points.
    QTextCharFormat aggiungi(std::shared_ptr<const Disegno> d, double larghezza, double altezza);
    const Disegno* disegno(const QTextFormat& f) const;
    void svuota() { disegni_.clear(); }

    struct Voce {
        std::shared_ptr<const Disegno> disegno;
        double larghezza, altezza;
    };
    const std::vector<Voce>& voci() const { return disegni_; }

  private:
    std::vector<Voce> disegni_;
};

inline bool edisegno(const QTextFormat& f) {
    return f.objectType() == tipo;
}

// The handler of a document's drawings; null when it has none.
const Gestore* gestore(const QTextDocument& doc);

// A picture as an RGB PNG, compressed at zlib's fastest: flat colours
// shrink well at any level, and Qt's encoder takes several times as long.
QByteArray png(const QImage& im);
// The drawing `larghezza` x `altezza` points as a PNG at 144 pixels an
// inch, on white.
QByteArray png(const Disegno& d, double larghezza, double altezza);

// Drawings already made into PNGs, by drawing and size in points.
using Pronte = std::map<std::tuple<const Disegno*, double, double>, QByteArray>;
Pronte pngdi(const std::vector<Gestore::Voce>& voci);

} // namespace zocal::disegni
