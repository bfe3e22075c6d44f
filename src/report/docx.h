#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QTextDocument;

namespace zocal {

// The document as Office Open XML: one run per fragment with its face, size
// and colour, paragraphs with their alignment and page breaks, tables with
// their column widths, cell colours and borders, an A4 page with 2 cm margins.
QByteArray creadocx(const QTextDocument& documento, int pagine);

// The parts of that archive, by name, before zipping: plain bytes, which
// another thread may zip while this one goes on with the document.
std::vector<std::pair<std::string, QByteArray>> partidocx(const QTextDocument& documento,
                                                          int pagine);

// A zip archive of the named parts, in memory; nullopt with the reason when
// it cannot be made.
std::optional<QByteArray> comprimi(const std::vector<std::pair<std::string, QByteArray>>& parti,
                                   std::string* errore = nullptr);

} // namespace zocal
