#pragma once

// Keeping a document within what Qt's text layout can place.
//
// Qt keeps positions in 26.6 fixed point: past INT_MAX/64 device pixels
// (some 2,490 A4 pages at the layout's resolution) page numbers wrap round,
// and inside a table cell its pagination never ends once the cell's text is
// taller than INT_MAX/256 pixels (some 620 pages). A cell that tall is split
// into rows that continue it; a document that tall is refused. Heights are
// estimated from above before anything is laid out, so neither limit is met.

#include <QFont>
#include <QString>

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

class QPaintDevice;
class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextTable;

namespace zocal::divisione {

// Device pixels one table cell may fill, and the whole document, with room
// to spare for what the estimate leaves out.
inline constexpr double limitecella = 0.5 * (2147483647.0 / 256.0);
inline constexpr double limitedocumento = 0.8 * (2147483647.0 / 64.0);

// Upper bounds of the height a block takes when laid out: every character as
// wide as the widest of its face (which also covers words pushed whole to
// the next line), every line as tall as the largest text of the block.
class Stima {
  public:
    // `carattere`: the document's font, whose look the faces measured share.
    Stima(QPaintDevice* dispositivo, const QFont& carattere)
        : dispositivo_(dispositivo), carattere_(carattere) {}

    // The block laid out `larghezza` pixels wide.
    double altezza(const QTextBlock& b, double larghezza);
    // The whole document, each table cell at its column's share of the text
    // width, as if every cell stood under the one before.
    double altezza(QTextDocument& doc);
    // Width of the text of each of a table's columns, in pixels.
    static std::vector<double> larghezzecolonne(const QTextTable& t);
    // More than any run of `caratteri` characters (paragraph ends included)
    // of the blocks estimated so far is estimated to take, whatever its
    // width: every character on a line of its own, at the largest and widest
    // face met. Infinite before any block is estimated.
    double tetto(double caratteri) const;

  private:
    double massima(const QString& famiglia, double punti);
    QString famigliadi(const QTextCharFormat& f) const;

    QPaintDevice* dispositivo_;
    QFont carattere_;
    std::map<std::pair<QString, double>, double> massime_;
    // By the index of a character format of the one document estimated:
    // its size, and the width of the widest character of its face.
    std::unordered_map<int, std::pair<double, double>> formati_;
    // The largest em and the widest character of the blocks estimated.
    double em_ = 0;
    double largo_ = 0;
};

// Splits every cell of `t` that could be taller than `limite` into rows
// added below its own, the text following on in the same column; the
// added rows have the look of the row they continue. `aggiunte[k]` counts
// the rows added after the table's row k as the caller numbers them
// (from 0), and grows with the splits. True when a row was added.
bool dividi(QTextTable& t, Stima& stima, double limite, std::vector<int>& aggiunte);

// The table row where the caller's row `riga` (from 0) starts.
int rigafisica(const std::vector<int>& aggiunte, int riga);

} // namespace zocal::divisione
