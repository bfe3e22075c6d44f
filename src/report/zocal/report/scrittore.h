#pragma once

#include <memory>
#include <optional>
#include <string>

class QPainter;
class QRectF;

namespace zocal {

// Paragraph end and page break inside the texts handed to a writer.
inline constexpr char CR = '\r';
inline constexpr char FF = '\f';

// A picture the writer draws itself on whatever it writes: paths and text
// on a PDF, pixels only where a format can hold nothing else.
class Disegno {
  public:
    virtual ~Disegno() = default;
    // Draws the picture filling `area`, in the painter's coordinates.
    virtual void disegna(QPainter& pittore, const QRectF& area) const = 0;
};

// The document writer behind the report, the help document and the price
// list. Texts are UTF-8; sizes are typographic points; rows, columns and
// table numbers count from 1.
class ScrittoreRelazione {
  public:
    virtual ~ScrittoreRelazione() = default;

    // A fresh, empty document; the insertion point is at its start.
    virtual void avvia() = 0;

    // Font and size of the text typed from now on at the insertion point.
    virtual void carattere(const std::string& nome) = 0;
    virtual void corpo(double punti) = 0;
    // Types at the insertion point: CR ends a paragraph, FF breaks the page.
    virtual void scrivi(const std::string& testo) = 0;

    // A new empty paragraph at the end of the document becomes the current one.
    virtual void nuovoparagrafo() = 0;
    // Size of the current paragraph and of the text later appended through it.
    virtual void corpoparagrafo(double punti) = 0;
    // Appends at the end of the document through the current paragraph.
    virtual void testoparagrafo(const std::string& testo) = 0;
    // The same, in bold.
    virtual void testograssetto(const std::string& testo) = 0;

    // Appends a table at the end of the document; it becomes the current one.
    virtual void nuovatabella(int righe, int colonne) = 0;
    virtual void corpotabella(double punti) = 0;
    virtual void cella(int riga, int colonna, const std::string& testo) = 0;
    // Appends at the end of the document, as a paragraph of its own, a
    // drawing shown `larghezza` x `altezza` points; the text typed or
    // appended after it starts a new paragraph.
    virtual void disegno(std::shared_ptr<const Disegno> disegno, double larghezza,
                         double altezza) = 0;
    // Predefined table look; the report always asks for 9.
    virtual void formatotabella(int formato) = 0;
    // The first `righe` rows of the current table are its heading: repeated
    // at the top of every page the table runs onto, and never left at the
    // foot of a page without the row after them.
    virtual void righeintestazione(int righe) = 0;

    // Paragraphs appended from now on stay on one page with the paragraph
    // or table row that follows them (a heading with its table) and are not
    // split. With `conprecedente` the last lines, or the whole table, before
    // them go with them too, so that they never stand alone on a page.
    virtual void tieniinsieme(bool conprecedente) = 0;
    // Paragraphs appended from now on flow freely again.
    virtual void lasciascorrere() = 0;
    // Appends through the current paragraph the number of pages of the
    // finished document, as a field that the writer keeps true.
    virtual void campopagine() = 0;
    // Every page but the first carries "pag. N di M" at its foot.
    virtual void numerapagine() = 0;
    // Title and author kept in the saved files' properties.
    virtual void proprieta(const std::string& titolo, const std::string& autore) = 0;

    // Pages of the document as it stands.
    virtual int contapagine() = 0;
    // Justifies every paragraph, table cells included.
    virtual void giustificatutto() = 0;
    // Right-aligns one column of the n-th table of the document.
    virtual void allineadestra(int tabella, int colonna) = 0;

    // Saves the document; on failure the reason, in Italian, naming the file.
    virtual std::optional<std::string> salvacome(const std::string& percorso) = 0;
};

} // namespace zocal
