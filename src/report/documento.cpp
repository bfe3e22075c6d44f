#include "zocal/report/documento.h"

#include "caratteri.h"
#include "docx.h"
#include "pagine.h"
#include "salvataggio.h"
#include "statodocumento.h"
#include "zocal/report/percorsi.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <future>
#include <system_error>

#include <zlib.h>

// Qt's PDF writer deflates its pages and fonts at zlib's default level and
// has no setting for it: nearly a third of the time a long report's PDF
// takes. What it deflates is drawing markup, as the DOCX's parts are, and
// those are deflated at the fastest level: the PDF comes out a fifth
// larger, its pages deflated in a third of the time. The program's own
// definition of the call comes before zlib's for every library the program
// loads; a level asked for by name is kept.
extern "C" int deflateInit_(z_streamp z, int livello, const char* versione, int dimensione) {
    if (livello == Z_DEFAULT_COMPRESSION) {
        livello = Z_BEST_SPEED;
    }
    return deflateInit2_(z, livello, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY, versione,
                         dimensione);
}

namespace zocal {

namespace {

// The colours of table look 9.
const QColor colorebordo(0x1F, 0x4E, 0x79);
const QColor coloreintestazione(0x1F, 0x4E, 0x79);
const QColor coloretestointestazione(Qt::white);
const QColor colorerighe(0xDE, 0xEA, 0xF6);

} // namespace

ScrittoreDocumento::ScrittoreDocumento() : s_(std::make_unique<Stato>()) {
    sostituiscicaratteri();
    s_->bufferlayout = std::make_unique<QBuffer>(&s_->scarto);
    s_->bufferlayout->open(QIODevice::WriteOnly);
    s_->layout = std::make_unique<QPdfWriter>(s_->bufferlayout.get());
    s_->layout->setResolution(static_cast<int>(ip::dpi));
    s_->layout->setPageSize(QPageSize(QPageSize::A4));
    s_->layout->setPageMargins(QMarginsF(0, 0, 0, 0));
    s_->nuovo();
}

ScrittoreDocumento::~ScrittoreDocumento() {
    s_->scarta();
}

void ScrittoreDocumento::avvia() {
    s_->nuovo();
}

void ScrittoreDocumento::carattere(const std::string& nome) {
    s_->cambiato = true;
    s_->assesta();
    s_->famiglia = QString::fromStdString(nome);
    // Before any text the face becomes the document's own.
    if (s_->doc->isEmpty() && s_->tabelle.empty()) {
        s_->doc->setDefaultFont(fontbase(s_->famiglia, s_->layout.get()));
        s_->interlinee.clear();
        s_->selezione.setBlockCharFormat(s_->formato(s_->corposelezione));
    }
}

void ScrittoreDocumento::corpo(double punti) {
    if (punti > 0) {
        s_->corposelezione = punti;
    }
}

void ScrittoreDocumento::scrivi(const std::string& testo) {
    s_->cambiato = true;
    s_->materializza();
    s_->inserisci(s_->selezione, QString::fromStdString(testo), s_->formato(s_->corposelezione),
                  false);
}

void ScrittoreDocumento::nuovoparagrafo() {
    s_->cambiato = true;
    s_->materializza();
    s_->corpoparagrafo = puntidi(s_->fine().block().charFormat(), s_->corpoparagrafo);
    s_->pendente = true;
}

void ScrittoreDocumento::corpoparagrafo(double punti) {
    s_->cambiato = true;
    s_->assesta();
    if (punti <= 0) {
        return;
    }
    s_->corpoparagrafo = punti;
    QTextCursor c = s_->fine();
    if (!s_->pendente && vuoto(c.block())) {
        c.mergeBlockCharFormat(s_->formato(punti));
    }
}

void ScrittoreDocumento::testoparagrafo(const std::string& testo) {
    s_->cambiato = true;
    s_->materializza();
    QTextCursor c = s_->fine();
    s_->inserisci(c, QString::fromStdString(testo), s_->formato(s_->corpoparagrafo), false);
}

void ScrittoreDocumento::testograssetto(const std::string& testo) {
    s_->cambiato = true;
    s_->materializza();
    QTextCursor c = s_->fine();
    QTextCharFormat f = s_->formato(s_->corpoparagrafo);
    f.setFontWeight(QFont::Bold);
    s_->inserisci(c, QString::fromStdString(testo), f, false);
}

void ScrittoreDocumento::nuovatabella(int righe, int colonne) {
    s_->cambiato = true;
    s_->assesta();
    righe = std::max(1, righe);
    colonne = std::max(1, colonne);
    const bool alposto = s_->pendente;
    s_->pendente = false;
    if (s_->interruzione && alposto) {
        // The table opens the new page: its paragraph goes there first.
        s_->pendente = true;
        s_->materializza();
    }
    QTextCursor c = s_->fine();
    const double punti = puntidi(c.block().charFormat(), s_->corpoparagrafo);
    if (s_->interruzione) {
        s_->applicainterruzione(c);
    } else if ((alposto || c.blockFormat().hasProperty(seguetabella)) && vuoto(c.block()) &&
               c.block().position() > 0) {
        // The table took the new paragraph's place (or follows another
        // table): the empty one before it is a paragraph of the text, not the
        // filler Qt keeps before tables.
        QTextBlockFormat visibile;
        visibile.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        c.mergeBlockFormat(visibile);
    }
    QTextTableFormat tf;
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setCellSpacing(0);
    tf.setCellPadding(ip::spaziocellapunti * ip::logicopunto);
    tf.setMargin(0);
    // Separate borders: each line is a cell's edge beside its neighbour's (or
    // the table's), so each draws half the width.
    tf.setBorder(ip::bordopunti / 2 * ip::logicopunto);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderBrush(QBrush(Qt::black));
    // Collapsed borders cost a look at the neighbours of every cell on
    // every drawing; separate ones meet edge to edge with no spacing.
    tf.setBorderCollapse(false);
    QList<QTextLength> larghezze;
    for (int i = 0; i < colonne; ++i) {
        larghezze.append(QTextLength(QTextLength::PercentageLength, 100.0 / colonne));
    }
    tf.setColumnWidthConstraints(larghezze);
    QTextTable* t = c.insertTable(righe, colonne, tf);
    s_->tabella = t;
    s_->tabelle.push_back(t);
    s_->corpotabella = punti;
    s_->dimensionesospesa = punti;
    // Qt keeps an empty, invisible block after every table; the paragraph
    // that follows the table in the text is a new one after it.
    QTextBlockFormat seguito;
    seguito.setProperty(seguetabella, true);
    s_->fine().insertBlock(seguito, s_->formato(punti));
}

void ScrittoreDocumento::corpotabella(double punti) {
    s_->cambiato = true;
    QTextTable* t = s_->tabella;
    if (t == nullptr || punti <= 0) {
        return;
    }
    if (s_->dimensionesospesa > 0) {
        s_->dimensionesospesa = punti;
        s_->corpotabella = punti;
        return;
    }
    s_->dimensiona(t, punti);
}

void ScrittoreDocumento::cella(int riga, int colonna, const std::string& testo) {
    s_->cambiato = true;
    s_->assesta();
    const int r = s_->rigadi(s_->tabella, riga, colonna);
    if (r < 0) {
        return;
    }
    s_->svuotaseguito(s_->tabella, riga, colonna);
    QTextCursor c = Stato::contenuto(s_->tabella, r, colonna - 1);
    c.removeSelectedText();
    s_->inserisci(c, QString::fromStdString(testo), s_->formato(s_->corpotabella), true);
}

void ScrittoreDocumento::disegno(std::shared_ptr<const Disegno> disegno, double larghezza,
                                 double altezza) {
    if (!disegno || larghezza <= 0 || altezza <= 0) {
        return;
    }
    s_->cambiato = true;
    s_->materializza();
    QTextCursor c = s_->fine();
    const QTextCharFormat f = s_->formato(s_->corpoparagrafo);
    if (c.positionInBlock() > 0) {
        s_->inserisci(c, QStringLiteral("\r"), f, false);
    }
    s_->applicainterruzione(c);
    if (s_->tieni && !c.blockFormat().hasProperty(tienisegue)) {
        QTextBlockFormat k;
        k.setProperty(tienisegue, true);
        c.mergeBlockFormat(k);
    }
    QTextCharFormat fd = s_->gestore.aggiungi(std::move(disegno), larghezza, altezza);
    fd.merge(f);
    c.insertText(QString(QChar::ObjectReplacementCharacter), fd);
    s_->altezzaminima += altezza * ip::pxpunto;
    s_->inserisci(c, QStringLiteral("\r"), f, false);
}

void ScrittoreDocumento::formatotabella(int formato) {
    s_->cambiato = true;
    s_->assesta();
    QTextTable* t = s_->tabella;
    if (t == nullptr || formato != 9) {
        return;
    }
    QTextTableFormat tf = t->format();
    tf.setBorderBrush(QBrush(colorebordo));

    // Columns as wide as their longest text asks, as an automatic format fits them;
    // never narrower than their longest word and its padding, which a word processor
    // would otherwise break inside the word, a line taller than ours.
    std::vector<double> pesi(static_cast<std::size_t>(t->columns()), 0);
    for (int r = 0; r < t->rows(); ++r) {
        for (int k = 0; k < t->columns(); ++k) {
            // The cell's text as a selection of it reads it, its paragraphs
            // joined by a separator, and its longest run without a blank.
            qsizetype caratteri = 0;
            qsizetype parola = 0;
            qsizetype corsa = 0;
            bool primo = true;
            blocchidi(*t, r, k, [&](const QTextBlock& b) {
                if (!primo) {
                    ++caratteri;
                    ++corsa;
                }
                primo = false;
                const QString testo = b.text();
                caratteri += testo.size();
                for (const QChar ch : testo) {
                    if (ch == QLatin1Char(' ')) {
                        parola = std::max(parola, corsa);
                        corsa = 0;
                    } else {
                        ++corsa;
                    }
                }
            });
            parola = std::max(parola, corsa);
            const double lunghezza = std::max<double>(caratteri, parola > 0 ? parola + 2.0 : 0.0);
            pesi[static_cast<std::size_t>(k)] =
                std::max(pesi[static_cast<std::size_t>(k)], lunghezza);
        }
    }
    double somma = 0;
    for (double& p : pesi) {
        p = std::clamp(p, 4.0, 60.0);
        somma += p;
    }
    QList<QTextLength> larghezze;
    for (double p : pesi) {
        larghezze.append(QTextLength(QTextLength::PercentageLength, 100.0 * p / somma));
    }
    tf.setColumnWidthConstraints(larghezze);
    t->setFormat(tf);

    // One selection a row band: one format change each, not one a cell.
    QTextCharFormat testa;
    testa.setBackground(QBrush(coloreintestazione));
    testa.setForeground(QBrush(coloretestointestazione));
    QTextCursor intestazione = Stato::zona(t, 0, 0, 0, t->columns() - 1);
    intestazione.mergeBlockCharFormat(testa);
    // The cell carries the colour; the text only its own.
    QTextCharFormat chiaro;
    chiaro.setForeground(testa.foreground());
    intestazione.mergeCharFormat(chiaro);
    if (t->rows() > 1) {
        QTextCharFormat righe;
        righe.setBackground(QBrush(colorerighe));
        Stato::zona(t, 1, 0, t->rows() - 1, t->columns() - 1).mergeBlockCharFormat(righe);
    }
}

void ScrittoreDocumento::righeintestazione(int righe) {
    s_->cambiato = true;
    s_->assesta();
    QTextTable* t = s_->tabella;
    if (t == nullptr || righe < 1) {
        return;
    }
    righe = std::min(righe, t->rows());
    QTextTableFormat tf = t->format();
    tf.setHeaderRowCount(righe);
    t->setFormat(tf);
    QTextBlockFormat tieni;
    tieni.setProperty(tienisegue, true);
    Stato::zona(t, 0, 0, righe - 1, t->columns() - 1).mergeBlockFormat(tieni);
}

void ScrittoreDocumento::tieniinsieme(bool conprecedente) {
    s_->cambiato = true;
    s_->assesta();
    s_->tieni = true;
    if (conprecedente) {
        s_->legaprecedente();
    }
}

void ScrittoreDocumento::lasciascorrere() {
    s_->tieni = false;
}

void ScrittoreDocumento::campopagine() {
    s_->cambiato = true;
    s_->materializza();
    QTextCursor c = s_->fine();
    QTextCharFormat f = s_->formato(s_->corpoparagrafo);
    f.setProperty(campoconteggio, true);
    // The count of the last layout stands in until the document is laid out.
    const QString testo = QString::number(std::max(1, s_->pagine));
    s_->inserisci(c, testo, f, false);
    QTextCursor inizio(s_->doc.get());
    inizio.setPosition(c.position() - static_cast<int>(testo.size()));
    s_->campi.push_back(inizio);
}

void ScrittoreDocumento::numerapagine() {
    s_->numerate = true;
}

void ScrittoreDocumento::proprieta(const std::string& titolo, const std::string& autore) {
    s_->titolo = QString::fromStdString(titolo);
    s_->autore = QString::fromStdString(autore);
}

int ScrittoreDocumento::contapagine() {
    s_->completa();
    s_->apriblocco();
    return s_->pagine;
}

void ScrittoreDocumento::giustificatutto() {
    // The drawings are all in: their pictures for the DOCX need no layout.
    if (!s_->anticipo.valid() && !s_->gestore.voci().empty()) {
        try {
            s_->anticipo = std::async(std::launch::async,
                                      [voci = s_->gestore.voci()] { return disegni::pngdi(voci); });
        } catch (const std::system_error&) {
            // Drawn with the rest of the DOCX, then.
        }
    }
    s_->primadiallineare();
    QTextBlockFormat bf;
    bf.setAlignment(Qt::AlignJustify);
    QTextCursor tutto(s_->doc.get());
    tutto.select(QTextCursor::Document);
    tutto.mergeBlockFormat(bf);
    // Qt spreads a justified line without blanks letter by letter (a label
    // before a word too long for the rest of its line, or a piece of such a
    // word): such a paragraph stays left-aligned.
    QTextBlockFormat sinistra;
    sinistra.setAlignment(Qt::AlignLeft);
    for (QTextBlock b = s_->doc->begin(); b.isValid(); b = b.next()) {
        if (unaparolaariga(b)) {
            QTextCursor(b).mergeBlockFormat(sinistra);
        }
    }
    s_->allineamenti = true;
    s_->riallineate = false;
}

void ScrittoreDocumento::allineadestra(int tabella, int colonna) {
    if (tabella < 1 || tabella > static_cast<int>(s_->tabelle.size())) {
        return;
    }
    QTextTable* t = s_->tabelle[static_cast<std::size_t>(tabella - 1)];
    if (colonna < 1 || colonna > t->columns()) {
        return;
    }
    s_->primadiallineare();
    QTextBlockFormat bf;
    bf.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    // Cell by cell: a column is no run of text, and while the edit block is
    // open Qt cannot tell a selection of cells from one of text.
    for (int r = 0; r < t->rows(); ++r) {
        blocchidi(*t, r, colonna - 1,
                  [&](const QTextBlock& b) { QTextCursor(b).mergeBlockFormat(bf); });
    }
    s_->allineamenti = true;
    s_->riallineate = false;
}

std::optional<std::string> ScrittoreDocumento::salvacome(const std::string& percorso) {
    s_->completa();
    if (s_->troppolungo) {
        s_->apriblocco();
        return "Impossibile salvare il file \"" + percorso +
               "\": il documento supererebbe le 2.000 pagine che si possono comporre; "
               "accorciare i testi più lunghi";
    }
    // The DOCX is written, its pictures drawn and the whole zipped on the
    // other processor while this one draws the PDF. Both only read the
    // finished document, and nothing edits it till both are done: the PDF's
    // own completion finds nothing left to do. A table's grid of cells Qt
    // makes again at the first read after an edit, so it is made here.
    for (QTextTable* t : s_->tabelle) {
        t->rows();
    }
    const QTextDocument& finito = *s_->doc;
    std::future<disegni::Pronte> anticipo = std::move(s_->anticipo);
    const auto docx = [&finito, proprieta = s_->proprieta(), &anticipo] {
        std::vector<FiguraDocx> figure;
        auto parti = partidocx(finito, proprieta, &figure);
        const disegni::Pronte pronte = anticipo.valid() ? anticipo.get() : disegni::Pronte{};
        figuredocx(figure, parti, &pronte);
        return comprimi(parti);
    };
    std::future<std::optional<QByteArray>> zip;
    try {
        zip = std::async(std::launch::async, docx);
    } catch (const std::system_error&) {
        zip = std::async(std::launch::deferred, docx);
    }
    const QByteArray p = pdf();
    const QByteArray d = zip.get().value_or(QByteArray());
    if (d.isEmpty() || p.isEmpty()) {
        return "Impossibile salvare il file \"" + percorso +
               "\": il documento non si è potuto comporre";
    }
    // A pair: neither replaces its old file unless both are whole.
    return salvainsieme({{percorso, vista(d)}, {percorsopdf(percorso), vista(p)}});
}

std::optional<std::string> ScrittoreDocumento::salvapdf(const std::string& percorso) {
    // Nothing is drawn for a document too long to lay out.
    const QByteArray p = pdf();
    if (p.isEmpty()) {
        return "Impossibile salvare il file \"" + percorso +
               "\": il documento non si è potuto comporre";
    }
    return salvabyte(percorso, vista(p));
}

QTextDocument* ScrittoreDocumento::documento() {
    s_->completa(true);
    s_->apriblocco();
    return s_->doc.get();
}

const std::vector<QTextTable*>& ScrittoreDocumento::tabelle() const {
    s_->assesta();
    return s_->tabelle;
}

QByteArray ScrittoreDocumento::docx() {
    s_->completa();
    if (s_->troppolungo) {
        s_->apriblocco();
        return {};
    }
    const QByteArray out = creadocx(*s_->doc, s_->proprieta());
    s_->apriblocco();
    return out;
}

QByteArray ScrittoreDocumento::pdf() {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter scrittore(&buffer);
        // What filing portals ask of attachments to be signed.
        scrittore.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        scrittore.setCreator("Zocal");
        // The title goes into the XMP metadata too, which Qt escapes but
        // does not clean: a control character would make it broken XML.
        scrittore.setTitle(ammessoxml(s_->proprieta().titolo));
        disegnapagine(scrittore);
    }
    return out;
}

void ScrittoreDocumento::disegnapagine(QPagedPaintDevice& dispositivo) {
    s_->completa();
    if (s_->troppolungo) {
        s_->apriblocco();
        return;
    }
    const Pagine disegno(*s_->doc, s_->pagine, s_->numerate);
    dispositivo.setPageSize(QPageSize(QPageSize::A4));
    dispositivo.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (p.begin(&dispositivo)) {
        const double sx = dispositivo.logicalDpiX() / ip::dpi;
        const double sy = dispositivo.logicalDpiY() / ip::dpi;
        for (int i = 0; i < s_->pagine; ++i) {
            if (i > 0) {
                dispositivo.newPage();
            }
            p.save();
            p.scale(sx, sy);
            disegno.disegna(p, i);
            p.restore();
        }
        p.end();
    }
    s_->apriblocco();
}

void ScrittoreDocumento::disegnapagina(QPainter& pittore, int pagina) {
    s_->completa();
    if (!s_->troppolungo && pagina >= 0 && pagina < s_->pagine) {
        Pagine(*s_->doc, s_->pagine, s_->numerate).disegna(pittore, pagina);
    }
    s_->apriblocco();
}

bool apridocumento(const std::string& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

} // namespace zocal
