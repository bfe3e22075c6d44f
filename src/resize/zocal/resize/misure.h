#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace zocal {

// Window sizes and places, worked out from numbers alone so that the rules
// hold whatever the screen and however the windows draw.

// A control of a scaled window: its size at the window's design size, and
// the size its widest text needs.
struct Ingombro {
    QSize progetto;
    QSize necessario;
};

// The smallest inner size, the design size scaled down in each direction,
// at which every control still has the room its widest text needs; larger
// than the design when a text does not fit even there. The resizer rounds
// each control to the nearest pixel, so a control scaled by this ratio
// never comes out a pixel short.
QSize misuraminima(QSize progetto, const std::vector<Ingombro>& controlli);

// A window's frame brought onto the screen's available area: no larger than
// the area, moved in only as far as needed.
QRect nelloschermo(QRect cornice, QRect disponibile);

// Where a window of frame size `voluta` (at least `minima` to be of use) goes
// beside the frame `altra` of another window on the available area: right of
// it, else left, else below, else above, as large as wanted where that fits,
// else on the side with most room, shrunk to that room. Where no side holds
// even `minima`, the window goes against the screen's edge on the side with
// most room, over as little of the other as it can. A frame `attuale` that
// is valid, on the area and clear of the other window is left where it is.
QRect accanto(QSize voluta, QSize minima, QRect altra, QRect disponibile, QRect attuale = {});

// The screen's area free of panels where a window stands, and its frame
// (estimated before the desktop has drawn it).
QRect areadisponibile(const QWidget& finestra);
QMargins cornice(const QWidget& finestra);
// Moves a window, shrinking it only where it must, so that all of it,
// frame included, stands on that area.
void nelloschermo(QWidget& finestra);

} // namespace zocal
