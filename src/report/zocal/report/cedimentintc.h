#pragma once

#include "zocal/core/ntc.h"
#include "zocal/report/sezionentc.h"

#include <QRectF>

#include <utility>

class QPainter;

namespace zocal {

// The settlement check of one foundation as the window, the PDF and the DOCX
// show it: the layers below the base, each with its modulus and settlement,
// beside the stress increase under the centre against depth, with the depth
// of influence; a foundation without the check has only a text saying why.
void disegnacedimenti(QPainter& pittore, const QRectF& area, const VerificaNtc& v);

// The drawing as a drawing of a document.
class FiguraCedimenti : public FiguraNtc {
  public:
    FiguraCedimenti(VerificaNtc v, double larghezza, double altezza)
        : FiguraNtc(disegnacedimenti, std::move(v), larghezza, altezza) {}
};

} // namespace zocal
