#pragma once

#include "zocal/report/scrittore.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;
class QTextTable;

namespace zocal {

// The writer that builds the document itself: an A4 page with 2 cm margins,
// laid out at a fixed resolution, saved as DOCX with a PDF beside it.
// Needs a QGuiApplication for its fonts.
class ScrittoreDocumento : public ScrittoreRelazione {
  public:
    ScrittoreDocumento();
    ~ScrittoreDocumento() override;
    ScrittoreDocumento(const ScrittoreDocumento&) = delete;
    ScrittoreDocumento& operator=(const ScrittoreDocumento&) = delete;

    void avvia() override;
    void carattere(const std::string& nome) override;
    void corpo(double punti) override;
    void scrivi(const std::string& testo) override;
    void nuovoparagrafo() override;
    void corpoparagrafo(double punti) override;
    void testoparagrafo(const std::string& testo) override;
    void testograssetto(const std::string& testo) override;
    void nuovatabella(int righe, int colonne) override;
    void corpotabella(double punti) override;
    void cella(int riga, int colonna, const std::string& testo) override;
    void disegno(std::shared_ptr<const Disegno> disegno, double larghezza, double altezza) override;
    void formatotabella(int formato) override;
    void righeintestazione(int righe) override;
    void tieniinsieme(bool conprecedente) override;
    void lasciascorrere() override;
    void campopagine() override;
    void numerapagine() override;
    void proprieta(const std::string& titolo, const std::string& autore) override;
    int contapagine() override;
    void giustificatutto() override;
    void allineadestra(int tabella, int colonna) override;
    // Writes the DOCX at `percorso` and the PDF beside it (percorsopdf); each
    // file replaces an older one only once it is complete.
    std::optional<std::string> salvacome(const std::string& percorso) override;
    // Only the PDF, at `percorso`, saved the same safe way.
    std::optional<std::string> salvapdf(const std::string& percorso);

    // The document as it stands, laid out; owned by the writer until the next avvia.
    QTextDocument* documento();
    // Its tables in document order.
    const std::vector<QTextTable*>& tabelle() const;

    QByteArray docx();
    // PDF/A-1b: fonts embedded, title and dates in its metadata.
    QByteArray pdf();
    // Draws every page on a printer or a PDF, scaled to its resolution.
    void disegnapagine(QPagedPaintDevice& dispositivo);
    // Draws one page (from 0) in the layout's pixels (288 an inch), its
    // top left corner at the painter's origin.
    void disegnapagina(QPainter& pittore, int pagina);

  private:
    struct Stato;
    std::unique_ptr<Stato> s_;
};

// Opens a saved document with the user's default application; false when
// there is none.
bool apridocumento(const std::string& percorso);

} // namespace zocal
