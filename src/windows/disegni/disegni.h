#pragma once

#include <QImage>

namespace zocal::disegni {

// The picture of toolbar position 1..21 on a 64-pixel square; a null image
// for the positions that are separators.
QImage iconabarra(int posizione);

// The arrows of the toolbar's overflow button, 64 pixels square.
QImage estensione(bool orizzontale);

// The start-up screen's sunflower, `lato` pixels square.
QImage girasole(int lato);

} // namespace zocal::disegni
