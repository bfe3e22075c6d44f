#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace zocal {

// Faces that Debian ships for fonts that only Windows has; the document keeps
// the original name. Once a program.
void sostituiscicaratteri();

// The document's own font at 12 points, as the layout and the PDF want it,
// made for the layout's device: the fonts of the text's formats follow it,
// so the layout finds the glyphs of each once instead of at every paragraph.
QFont fontbase(const QString& famiglia, const QPaintDevice* layout);

} // namespace zocal
