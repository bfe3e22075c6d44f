#include "statodocumento.h"

#include "caratteri.h"
#include "divisione.h"

#include <QAbstractTextDocumentLayout>

#include <algorithm>

namespace zocal {

QTextCharFormat ScrittoreDocumento::Stato::formato(double punti) const {
    QTextCharFormat f;
    if (famiglia != doc->defaultFont().family()) {
        f.setFontFamilies(QStringList{famiglia});
    }
    f.setFontPointSize(punti);
    return f;
}

void ScrittoreDocumento::Stato::scarta() {
    anticipo = {};
    blocco = false;
    dimensionesospesa = 0;
    allineamenti = false;
    riallineate = false;
    tabella = nullptr;
    tabelle.clear();
    aggiunte.clear();
    troppolungo = false;
    altezzaminima = 0;
    rifiutato = false;
    campi.clear();
    selezione = QTextCursor();
    doc.reset();
}

void ScrittoreDocumento::Stato::nuovo() {
    scarta();
    doc = std::make_unique<QTextDocument>();
    // Laid out only once composed: an empty document laid out for every
    // change of its font would load faces the report may never use.
    doc->setLayoutEnabled(false);
    doc->setUndoRedoEnabled(false);
    doc->setUseDesignMetrics(true);
    doc->setDefaultFont(fontbase("Times New Roman", layout.get()));
    doc->documentLayout()->setPaintDevice(layout.get());
    gestore.svuota();
    doc->documentLayout()->registerHandler(disegni::tipo, &gestore);
    doc->setPageSize(QSizeF(ip::larghezzapx, ip::altezzapx));
    QTextFrameFormat radice = doc->rootFrame()->frameFormat();
    radice.setMargin(ip::marginelogico);
    radice.setPadding(0);
    radice.setBorder(0);
    doc->rootFrame()->setFrameFormat(radice);
    interlinee.clear();
    famiglia = "Times New Roman";
    corposelezione = corpoparagrafo = corpotabella = 12;
    interruzione = false;
    pendente = false;
    cambiato = true;
    tieni = false;
    numerate = false;
    mobili = 0;
    titolo.clear();
    autore.clear();
    selezione = QTextCursor(doc.get());
    selezione.setBlockCharFormat(formato(corposelezione));
    apriblocco();
}

void ScrittoreDocumento::Stato::apriblocco() {
    if (!blocco) {
        selezione.beginEditBlock();
        blocco = true;
    }
}

void ScrittoreDocumento::Stato::chiudiblocco() {
    if (blocco && doc) {
        selezione.endEditBlock();
    }
    blocco = false;
}

void ScrittoreDocumento::Stato::assesta() {
    if (dimensionesospesa > 0 && tabella != nullptr) {
        const double punti = dimensionesospesa;
        dimensionesospesa = 0;
        dimensiona(tabella, punti);
    }
}

void ScrittoreDocumento::Stato::materializza() {
    assesta();
    if (pendente) {
        pendente = false;
        cambiato = true;
        fine().insertBlock(QTextBlockFormat(), formato(corpoparagrafo));
    }
}

QTextCursor ScrittoreDocumento::Stato::fine() const {
    QTextCursor c(doc.get());
    c.movePosition(QTextCursor::End);
    return c;
}

void ScrittoreDocumento::Stato::applicainterruzione(QTextCursor& c) {
    if (!interruzione) {
        return;
    }
    interruzione = false;
    if (c.positionInBlock() > 0) {
        c.insertBlock(c.blockFormat(), c.charFormat());
    }
    if (c.block().position() == 0) {
        return;
    }
    QTextBlockFormat bf;
    bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.mergeBlockFormat(bf);
}

void ScrittoreDocumento::Stato::inserisci(QTextCursor& c, const QString& testo,
                                          const QTextCharFormat& f, bool incella) {
    if (rifiutato) {
        return;
    }
    const double riga = puntidi(f, doc->defaultFont().pointSizeF()) * ip::interlinea * ip::pxpunto;
    if (tieni && !incella && !c.blockFormat().hasProperty(tienisegue)) {
        QTextBlockFormat k;
        k.setProperty(tienisegue, true);
        c.mergeBlockFormat(k);
    }
    QString pezzo;
    auto scarica = [&] {
        if (!pezzo.isEmpty()) {
            applicainterruzione(c);
            c.insertText(pezzo, f);
            pezzo.clear();
        }
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t ch = testo[i].unicode();
        if (ch == u'\r' || ch == u'\n') {
            scarica();
            if (ch == u'\r' && i + 1 < testo.size() && testo[i + 1] == u'\n') {
                ++i;
            }
            altezzaminima += riga;
            if (altezzaminima > divisione::limitedocumento) {
                rifiutato = true;
                return;
            }
            if (!incella) {
                applicainterruzione(c);
            }
            // Merged: the first block of a cell also carries the cell's own format.
            c.mergeBlockCharFormat(f);
            QTextBlockFormat bf = c.blockFormat();
            bf.clearProperty(QTextFormat::PageBreakPolicy);
            bf.clearProperty(seguetabella);
            bf.clearProperty(interruzionemobile);
            if (!incella) {
                if (tieni) {
                    bf.setProperty(tienisegue, true);
                } else {
                    bf.clearProperty(tienisegue);
                }
            }
            c.insertBlock(bf, f);
        } else if (ch == u'\f') {
            scarica();
            if (!incella) {
                interruzione = true;
            }
        } else if (ch == u'\t' || (ch >= 0x20 && ch != 0x7F && ch != 0xFFFE && ch != 0xFFFF)) {
            pezzo += testo[i];
        }
    }
    scarica();
}

QString titolodocumento(const QString& titolo) {
    // PDF/A-1 strings hold at most 65,535 bytes: in UTF-16, with room for
    // the escapes of the writer.
    constexpr qsizetype massimo = 8000;
    QString out;
    out.reserve(std::min(titolo.size(), massimo + 1));
    bool bianco = false;
    for (const QChar ch : titolo) {
        if (out.size() >= massimo) {
            out += QChar(0x2026);
            break;
        }
        // Line breaks become one blank, the same in the information
        // dictionary and in the XMP (which drops other control characters).
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar::LineSeparator ||
            ch == QChar::ParagraphSeparator) {
            if (!bianco) {
                out += QLatin1Char(' ');
            }
            bianco = true;
            continue;
        }
        bianco = false;
        out += ch;
    }
    return out;
}

ProprietaDocx ScrittoreDocumento::Stato::proprieta() const {
    ProprietaDocx p;
    p.pagine = pagine;
    p.numerate = numerate;
    p.titolo = titolodocumento(titolo.isEmpty() ? doc->begin().text() : titolo);
    p.autore = autore;
    return p;
}

void ScrittoreDocumento::Stato::legaprecedente() {
    // The table a position lies in, from the writer's own list: while the
    // edit block is open Qt does not tell a cell's block from another.
    const auto tabelladi = [this](int posizione) -> QTextTable* {
        for (auto it = tabelle.rbegin(); it != tabelle.rend(); ++it) {
            if ((*it)->firstPosition() <= posizione && posizione <= (*it)->lastPosition()) {
                return *it;
            }
        }
        return nullptr;
    };
    QTextBlock b = doc->lastBlock();
    while (b.isValid() && vuoto(b) && tabelladi(b.position()) == nullptr) {
        b = b.previous();
    }
    if (!b.isValid()) {
        return;
    }
    QTextBlockFormat k;
    k.setProperty(tienisegue, true);
    if (QTextTable* t = tabelladi(b.position())) {
        zona(t, 0, 0, t->rows() - 1, t->columns() - 1).mergeBlockFormat(k);
    } else {
        QTextCursor(b).mergeBlockFormat(k);
    }
}

int ScrittoreDocumento::Stato::rigadi(QTextTable* t, int r, int c) const {
    if (t == nullptr || r < 1 || c < 1 || c > t->columns()) {
        return -1;
    }
    const auto a = aggiunte.find(t);
    const int riga = a == aggiunte.end() ? r - 1 : divisione::rigafisica(a->second, r - 1);
    return riga < t->rows() ? riga : -1;
}

void ScrittoreDocumento::Stato::svuotaseguito(QTextTable* t, int r, int c) {
    const auto a = aggiunte.find(t);
    if (a == aggiunte.end() || r > static_cast<int>(a->second.size())) {
        return;
    }
    const int prima = divisione::rigafisica(a->second, r - 1);
    for (int k = 1; k <= a->second[static_cast<std::size_t>(r) - 1]; ++k) {
        contenuto(t, prima + k, c - 1).removeSelectedText();
    }
}

void ScrittoreDocumento::Stato::limita() {
    if (rifiutato) {
        troppolungo = true;
        return;
    }
    // The whole first: its faces bound every table's cells, and a table
    // they show too short for a cell to outgrow goes unsearched.
    divisione::Stima stima(layout.get(), doc->defaultFont());
    double altezza = stima.altezza(*doc);
    bool diviso = false;
    for (QTextTable* t : tabelle) {
        diviso = divisione::dividi(*t, stima, divisione::limitecella, aggiunte[t]) || diviso;
    }
    if (diviso) {
        altezza = stima.altezza(*doc);
    }
    troppolungo = altezza > divisione::limitedocumento;
}

QTextCursor ScrittoreDocumento::Stato::zona(QTextTable* t, int r0, int c0, int r1, int c1) {
    QTextCursor c = t->cellAt(r0, c0).firstCursorPosition();
    c.setPosition(finedi(*t, r1, c1), QTextCursor::KeepAnchor);
    return c;
}

QTextCursor ScrittoreDocumento::Stato::contenuto(QTextTable* t, int r, int c) {
    return zona(t, r, c, r, c);
}

void ScrittoreDocumento::Stato::dimensiona(QTextTable* t, double punti) {
    corpotabella = punti;
    QTextCursor tutto = zona(t, 0, 0, t->rows() - 1, t->columns() - 1);
    const QTextCharFormat f = formato(punti);
    tutto.mergeCharFormat(f);
    if (tutto.selectionEnd() - tutto.selectionStart() == t->rows() * t->columns() - 1) {
        // No text yet: the run of cells holds only the marks that start
        // them, which the merge above reached, all but the first cell's.
        // (Had Qt taken the run cell by cell, it would have reached none.)
        QTextCursor(t->cellAt(0, 0).firstCursorPosition()).mergeBlockCharFormat(f);
        if (t->cellAt(t->rows() - 1, t->columns() - 1).format().fontPointSize() != punti) {
            tutto.mergeBlockCharFormat(f);
        }
        // The spacing of text this size, which the line spacing pass would
        // give each cell one by one.
        QTextBlockFormat righe;
        righe.setLineHeight(percentodi(f, punti), QTextBlockFormat::ProportionalHeight);
        tutto.mergeBlockFormat(righe);
        return;
    }
    tutto.mergeBlockCharFormat(f);
}

} // namespace zocal
