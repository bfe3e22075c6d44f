#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <map>
#include <vector>

class QAbstractTextDocumentLayout;

namespace zocal {

// The pages of a laid-out document, drawn from its layout: each block's
// lines as laid out, and the tables' cell colours and lines gathered a page
// at a time, one fill a colour. Drawing through the document's own layout
// costs a state change on the device for every edge of every cell.
class Pagine {
  public:
    // With `numerate`, every page but the first carries "pag. N di M" at its
    // foot, as the DOCX's footer does.
    Pagine(QTextDocument& doc, int pagine, bool numerate = false);

    // Page `i` (from 0) in the layout's coordinates, its top at 0.
    void disegna(QPainter& p, int i) const;

  private:
    struct Blocco {
        QTextBlock blocco;
        QTextLayout* layout;
        QPointF origine; // where the layout's own position counts from
        double alto;
        double basso;
        bool sfondo;
    };

    // A block with text (or a colour) to draw, its layout placed at `origine`.
    void aggiungi(const QTextBlock& b, const QPointF& origine);
    using Strato = std::map<QRgb, std::vector<QRectF>>;
    struct Pagina {
        Strato sfondi;
        Strato linee;
        std::vector<std::size_t> blocchi; // in blocchi_, in document order
    };

    int pagina(double y) const;

    // The width of a cell's text area, from its first line and the margins
    // around it (the line starts after the left margin, in the layout's units).
    static double larghezza(const QTextBlock& b);

    // Where the text of a cell ends, as the layout advanced through its lines.
    double fondo(const QTextTable& t, int r, int c) const;

    // A table's cells as laid out: the text area of cell (r, c) runs from
    // column c's left to its right and from row r's top to its bottom; the
    // lines fill the gaps between the areas and around them.
    void griglia(QTextTable& t);

    // "pag. N di M" at the foot of page `i`.
    void piede(QPainter& p, int i) const;

    QAbstractTextDocumentLayout& l_;
    bool numerate_;
    QFont carattere_;
    double altezza_;
    double larghezza_;
    std::vector<Blocco> blocchi_;
    std::vector<Pagina> pagine_;
};

} // namespace zocal
