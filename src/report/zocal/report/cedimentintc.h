#pragma once

#include "zocal/core/ntc.h"
#include "zocal/report/scrittore.h"

#include <QRectF>

#include <utility>

class QPainter;

namespace zocal {

// The settlement check of one foundation as the window, the PDF and the DOCX
// show it: the layers below the base, each with its modulus and settlement,
// beside the stress increase under the centre against depth, with the depth
// of influence; a foundation without the check has only a text saying why.
void disegnacedimenti(QPainter& pittore, const QRectF& area, const VerificaNtc& v);

// The drawing laid out as in an area of `larghezza` x `altezza` pixels, then
// scaled to its place in a document.
class FiguraCedimenti : public Disegno {
  public:
    FiguraCedimenti(VerificaNtc v, double larghezza, double altezza)
        : v_(std::move(v)), larghezza_(larghezza), altezza_(altezza) {}
    void disegna(QPainter& pittore, const QRectF& area) const override;

  private:
    VerificaNtc v_;
    double larghezza_;
    double altezza_;
};

} // namespace zocal
