#pragma once

#include <QByteArray>
#include <QString>

#include "disegni.h"
#include "zocal/report/scrittore.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QTextDocument;

namespace zocal {

// What the document's own text does not say.
struct ProprietaDocx {
    int pagine = 1;        // of our layout, the stored value of the count fields
    bool numerate = false; // "pag. N di M" at the foot of every page but the first
    QString titolo;        // empty: the first paragraph
    QString autore;
};

// The document as Office Open XML: one run per fragment with its face, size
// and colour, paragraphs with their alignment, page breaks and keep rules,
// tables with their column widths, cell colours, borders and heading rows,
// an A4 page with 2 cm margins.
QByteArray creadocx(const QTextDocument& documento, const ProprietaDocx& proprieta);

// A picture of the archive still to be drawn: its part and its drawing,
// which stays the document's.
struct FiguraDocx {
    std::string nome;
    const Disegno* disegno = nullptr;
    double larghezza = 0; // points
    double altezza = 0;
};

// The parts of that archive, by name, before zipping: plain bytes, which
// another thread may zip while this one goes on with the document. Given
// `figure`, the pictures are listed there to be drawn (figuredocx) on that
// thread too; otherwise they are among the parts.
std::vector<std::pair<std::string, QByteArray>>
partidocx(const QTextDocument& documento, const ProprietaDocx& proprieta,
          std::vector<FiguraDocx>* figure = nullptr);

// The listed pictures drawn, as PNG parts added to `parti`; those in
// `pronte` are taken from there.
void figuredocx(const std::vector<FiguraDocx>& figure,
                std::vector<std::pair<std::string, QByteArray>>& parti,
                const disegni::Pronte* pronte = nullptr);

// The text without the characters XML cannot carry (controls but tab and
// line ends, U+FFFE, U+FFFF, unpaired surrogates), for metadata others
// write as XML.
QString ammessoxml(const QString& s);

// A zip archive of the named parts, in memory; nullopt with the reason when
// it cannot be made.
std::optional<QByteArray> comprimi(const std::vector<std::pair<std::string, QByteArray>>& parti,
                                   std::string* errore = nullptr);

} // namespace zocal
