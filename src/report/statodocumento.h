#pragma once

#include "blocchi.h"
#include "disegni.h"
#include "docx.h"
#include "impaginazione.h"
#include "zocal/report/documento.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <future>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace zocal {

namespace ip = impaginazione;
using namespace blocchi;

// The title the saved files carry: on one line, and within what PDF/A-1
// lets a string hold.
QString titolodocumento(const QString& titolo);

// The document being built and what the writer remembers between calls.
// Its editing is in statodocumento.cpp, its page logic in impaginatura.cpp.
struct ScrittoreDocumento::Stato {
    // The layout device: a PDF device at a fixed resolution, so that the
    // page count is the same on every screen and matches the PDF.
    QByteArray scarto;
    std::unique_ptr<QBuffer> bufferlayout;
    std::unique_ptr<QPdfWriter> layout;

    std::unique_ptr<QTextDocument> doc;
    QTextCursor selezione;
    QString famiglia = "Times New Roman";
    double corposelezione = 12;
    double corpoparagrafo = 12;
    double corpotabella = 12;
    QTextTable* tabella = nullptr;
    std::vector<QTextTable*> tabelle;
    bool interruzione = false; // a form feed waits for text to follow
    // A new paragraph is made when something goes into it: a table put in
    // its place takes it over, as in the word processor.
    bool pendente = false;
    bool cambiato = true; // text, sizes or widths changed since the last layout
    bool blocco = false;  // one edit block is open while building
    // Only alignments changed since the last layout: they move no line, so
    // the layout stands and the edit block stays open (closing it would lay
    // out the whole document again).
    bool allineamenti = false;
    bool riallineate = false; // the layout already shows those alignments
    int pagine = 1;           // of the last layout
    // The size a new table's cells take, applied when the table is next
    // touched: the report sizes each table again at once.
    double dimensionesospesa = 0;
    // Rows added to continue a cell too tall for the layout, after each row
    // the caller numbers (divisione::dividi).
    std::map<const QTextTable*, std::vector<int>> aggiunte;
    // Too long to be laid out: nothing is counted, drawn or saved.
    bool troppolungo = false;
    // The paragraphs typed, one line each at least: once they alone are
    // too tall, the rest of the text is not even kept.
    double altezzaminima = 0;
    bool rifiutato = false;
    // Paragraphs appended now stay with what follows them.
    bool tieni = false;
    // "pag. N di M" at the foot of every page but the first.
    bool numerate = false;
    // Where each page count field starts; cursors follow the edits before them.
    std::vector<QTextCursor> campi;
    // Page breaks placed by the keep rules at the last layout.
    int mobili = 0;
    // The drawings of the document, drawn by the layout through it.
    disegni::Gestore gestore;
    // The DOCX's pictures of those drawings, made on the other processor
    // while this one lays the document out; after the handler, so that it
    // is waited for before the drawings go.
    std::future<disegni::Pronte> anticipo;
    QString titolo;
    QString autore;

    // Formats carry only what differs from the document's font: every
    // property is copied again and again while laying out and drawing.
    QTextCharFormat formato(double punti) const;

    // Drops the document as it is: closing its edit block first would lay
    // it all out for nothing.
    void scarta();

    void nuovo();

    void apriblocco();
    void chiudiblocco();

    void assesta();

    void materializza();

    QTextCursor fine() const;

    // A waiting form feed takes effect where text follows: the paragraph
    // that receives it starts a new page. Nothing before the first line.
    void applicainterruzione(QTextCursor& c);

    // Types text: CR (or LF, or CR LF) ends a paragraph, FF breaks the page
    // before the text that follows (not inside tables), other control
    // characters have no place in a document and are dropped.
    void inserisci(QTextCursor& c, const QString& testo, const QTextCharFormat& f, bool incella);

    // The last lines, or the whole table, before the end of the document
    // stay with what is appended next.
    void legaprecedente();

    // The table row, from 0, of the caller's cell (r, c), from 1, wherever
    // rows added before it put it; -1 when there is no such cell.
    int rigadi(QTextTable* t, int r, int c) const;

    // Empties the rows that continued the caller's cell (r, c) (from 1): its
    // text is being replaced.
    void svuotaseguito(QTextTable* t, int r, int c);

    // Cells too tall for the layout continue in rows of their own, and a
    // document too tall for it is not laid out at all.
    void limita();

    // The text from cell (r0, c0) to cell (r1, c1), counted from 0: whole
    // rows only, since Qt may take it for a run of text or for a block of cells.
    static QTextCursor zona(QTextTable* t, int r0, int c0, int r1, int c1);

    // The text of cell (r, c), counted from 0.
    static QTextCursor contenuto(QTextTable* t, int r, int c);

    // Size (and face) of every text of a table, empty cells included.
    void dimensiona(QTextTable* t, double punti);

    // Lines as tall as the report's face would make them, whichever face is
    // drawn: the baseline stays where the face puts it, the spacing is scaled.
    std::map<std::pair<QString, double>, double> spaziature;

    // The natural line height the layout gives a face and size, from a
    // one-line probe laid out on the same device.
    double spaziatura(const QTextCharFormat& f, double punti);

    QString famiglia_predefinita() const;

    // The line spacing each character format asks for, by its index in the
    // document: a report has thousands of blocks and a handful of formats.
    struct Interlinea {
        double punti;
        double percento;
        bool disegno; // the format of a picture
    };
    std::map<int, Interlinea> interlinee;

    // The proportional line height that gives text of this format and size
    // the report's spacing.
    double percentodi(const QTextCharFormat& f, double punti) {
        const double naturale = spaziatura(f, punti);
        return naturale > 0 ? 100.0 * punti * ip::interlinea * ip::pxpunto / naturale : 100.0;
    }

    template <typename F>
    const Interlinea& interlineadi(int indice, double predefinito, F&& formato) {
        auto it = interlinee.find(indice);
        if (it == interlinee.end()) {
            const QTextCharFormat f = formato();
            const double punti = puntidi(f, predefinito);
            it = interlinee
                     .emplace(indice, Interlinea{punti, percentodi(f, punti), disegni::edisegno(f)})
                     .first;
        }
        return it->second;
    }

    void interlinea();

    QTextTable* tabellaprima(const QTextBlock& b) const;

    // Empty paragraphs that a page break would leave alone on a page of their
    // own (a long title-page text pushes the last ones over) are dropped: a
    // blank page in a report is never wanted. Needs a laid-out document.
    void togliblanchi();

    // What the saved files carry beside the text.
    ProprietaDocx proprieta() const;

    // The empty paragraphs starting at those positions go.
    void togliparagrafi(std::vector<int> posizioni);

    // The keep rules' page breaks taken away, before a new layout.
    void toglimobili();

    // A page of paragraphs alone that runs over onto the next page by
    // lines its empty paragraphs can give up keeps to one page: they go,
    // the longest run of them first. Needs a laid-out document.
    void adattapagine();

    // Each run of paragraphs and table rows held together that a page
    // boundary cuts goes to the next page whole, by a page break before it,
    // from the first run to the last. Needs a laid-out document.
    void tienicatene();

    // The text from `posizione` on is laid out afresh. After an edit Qt lays
    // out again only the text it touched and moves what follows, which
    // during a lazy layout may not have been laid out yet: it would stay
    // empty.
    void daccapodopo(int posizione);

    // Every page count field takes the count of the last layout; true when
    // one changed.
    bool aggiornacampi();

    // The document ready for counting or output, laid out; the caller
    // reopens the edit block. After alignments alone the layout stands and
    // only its lines take the new alignment, unless `definitivo` asks for the
    // document's own layout (to be looked at from outside).
    void completa(bool definitivo = false);

    // Alignments are applied to a laid-out document: text changed before
    // them is laid out first, so that they stay the only change pending.
    void primadiallineare();

    // Each block's lines take its format's alignment, as the layout would
    // give them: alignment only shifts lines and spreads justified ones.
    void riallinea();
};

} // namespace zocal
