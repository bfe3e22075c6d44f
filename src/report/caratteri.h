#pragma once

#include <QFont>
#include <QString>

namespace zocal {

// Faces that Debian ships for fonts that only Windows has; the document keeps
// the original name. Once a program.
void sostituiscicaratteri();

// The document's own font at 12 points, as the layout and the PDF want it.
QFont fontbase(const QString& famiglia);

} // namespace zocal
