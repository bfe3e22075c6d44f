#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "esempi.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

// Page (from 0) on which the first line of a block lies.
int pagina(QTextDocument* d, const QTextBlock& b) {
    double y = d->documentLayout()->blockBoundingRect(b).top();
    if (b.layout() != nullptr && b.layout()->lineCount() > 0) {
        y += b.layout()->lineAt(0).y();
    }
    return static_cast<int>(y / d->pageSize().height());
}

QTextBlock blocco(QTextDocument* d, const QString& testo) {
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        if (b.text() == testo) {
            return b;
        }
    }
    return {};
}

// Where the first row of a table is drawn.
double inizio(QTextDocument* d, QTextTable* t) {
    return d->documentLayout()->frameBoundingRect(t).top();
}

double punti(const QTextBlock& b) {
    return b.begin().fragment().charFormat().fontPointSize();
}

QString testocella(QTextTable* t, int r, int c) {
    QTextTableCell cl = t->cellAt(r, c);
    QTextCursor cur = cl.firstCursorPosition();
    cur.setPosition(cl.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cur.selectedText();
}

} // namespace

TEST(Documento, ParagraphsAndDroppedControlCharacters) {
    ScrittoreDocumento w;
    w.scrivi("uno\r\rdue\x01\x1b tre\r\nquattro\ncinque");
    QTextDocument* d = w.documento();
    QStringList righe;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        righe << b.text();
    }
    EXPECT_EQ(righe, (QStringList{"uno", "", "due tre", "quattro", "cinque"}));
}

TEST(Documento, FormFeedBreaksThePageOnlyWhenTextFollows) {
    ScrittoreDocumento w;
    w.scrivi("a\f");
    EXPECT_EQ(w.contapagine(), 1);
    w.scrivi("\r");
    EXPECT_EQ(w.contapagine(), 2) << "a paragraph end after the break is text on the new page";

    ScrittoreDocumento v;
    v.scrivi("a\f");
    v.nuovoparagrafo();
    v.testoparagrafo("b");
    EXPECT_EQ(v.contapagine(), 2);
    QTextDocument* d = v.documento();
    EXPECT_EQ(pagina(d, blocco(d, "b")), 1);
    EXPECT_EQ(pagina(d, blocco(d, "a")), 0);

    ScrittoreDocumento inizio;
    inizio.testoparagrafo("\fprimo");
    EXPECT_EQ(inizio.contapagine(), 1) << "no empty page before the first line";
}

TEST(Documento, SizesFollowTheirOwnOperations) {
    ScrittoreDocumento w;
    w.carattere("Century Gothic");
    w.corpo(20);
    w.scrivi("titolo\r");
    w.nuovoparagrafo();
    w.corpoparagrafo(18);
    w.testoparagrafo("\fcapitolo\r\r");
    w.corpoparagrafo(12);
    w.testoparagrafo("corpo del testo\r");
    QTextDocument* d = w.documento();
    EXPECT_EQ(punti(blocco(d, "titolo")), 20);
    EXPECT_EQ(punti(blocco(d, "capitolo")), 18);
    EXPECT_EQ(punti(blocco(d, "corpo del testo")), 12);
    // The face named before any text is the document's own.
    EXPECT_EQ(d->defaultFont().family(), "Century Gothic");
    // The empty paragraph ended after the heading keeps the heading's size.
    EXPECT_EQ(blocco(d, "capitolo").next().charFormat().fontPointSize(), 18);
}

TEST(Documento, AFaceNamedLaterHoldsForTheTextAfter) {
    ScrittoreDocumento w;
    w.scrivi("prima ");
    w.carattere("Century Gothic");
    w.scrivi("dopo");
    QTextDocument* d = w.documento();
    EXPECT_EQ(d->defaultFont().family(), "Times New Roman");
    QStringList famiglie;
    for (auto it = d->begin().begin(); !it.atEnd(); ++it) {
        famiglie << it.fragment().charFormat().fontFamilies().toStringList().value(0, "-");
    }
    EXPECT_EQ(famiglie, (QStringList{"-", "Century Gothic"}));
}

// The look's columns are as wide as their longest text asks, and never
// narrower than their longest word: a cell's paragraphs read as one text,
// so a word ends only at a blank.
TEST(Documento, LookColumnsShareTheWidthByTheirLongestText) {
    ScrittoreDocumento w;
    w.nuovatabella(2, 3);
    w.corpotabella(10);
    w.cella(1, 1, "ab cd");      // 5 characters
    w.cella(1, 2, "abcd\refgh"); // 9 characters, a word of 9 and its room
    w.formatotabella(9);         // the empty column gets the least, 4
    const QList<QTextLength> l = w.tabelle().at(0)->format().columnWidthConstraints();
    ASSERT_EQ(l.size(), 3);
    EXPECT_NEAR(l[0].rawValue(), 25.0, 1e-9);
    EXPECT_NEAR(l[1].rawValue(), 55.0, 1e-9);
    EXPECT_NEAR(l[2].rawValue(), 20.0, 1e-9);
}

TEST(Documento, TablesInOrderWithCellsSizesAndLook) {
    ScrittoreDocumento w;
    w.testoparagrafo("prima\r");
    w.nuovoparagrafo();
    w.nuovatabella(3, 2);
    w.corpotabella(10);
    w.cella(1, 1, "simbolo");
    w.cella(2, 2, "significato");
    w.cella(3, 1, "vecchio");
    w.cella(3, 1, "nuovo");
    w.cella(4, 1, "fuori");
    w.cella(0, 1, "fuori");
    w.formatotabella(9);
    w.nuovoparagrafo();
    w.nuovatabella(2, 18);
    w.corpotabella(6);
    w.cella(2, 18, "3,33");
    w.allineadestra(2, 18);
    w.allineadestra(3, 1);
    w.allineadestra(2, 19);
    ASSERT_EQ(w.tabelle().size(), 2u);
    QTextTable* a = w.tabelle()[0];
    QTextTable* b = w.tabelle()[1];
    EXPECT_EQ(a->rows(), 3);
    EXPECT_EQ(a->columns(), 2);
    EXPECT_EQ(testocella(a, 0, 0), "simbolo");
    EXPECT_EQ(testocella(a, 1, 1), "significato");
    EXPECT_EQ(testocella(a, 2, 0), "nuovo");
    EXPECT_EQ(a->cellAt(1, 1).firstCursorPosition().charFormat().fontPointSize(), 10);
    EXPECT_EQ(b->cellAt(1, 17).firstCursorPosition().block().charFormat().fontPointSize(), 6);
    // Every cell takes the table's size, the empty ones and the first too.
    for (const auto& [t, punti] : {std::pair{a, 10}, std::pair{b, 6}}) {
        for (int r = 0; r < t->rows(); ++r) {
            for (int c = 0; c < t->columns(); ++c) {
                EXPECT_EQ(t->cellAt(r, c).format().fontPointSize(), punti) << r << "," << c;
            }
        }
    }
    EXPECT_LT(a->firstPosition(), b->firstPosition());

    // Look 9: a dark heading row with light text, tinted rows, borders.
    const QTextTableCellFormat testa = a->cellAt(0, 0).format().toTableCellFormat();
    const QTextTableCellFormat riga = a->cellAt(1, 0).format().toTableCellFormat();
    EXPECT_LT(testa.background().color().lightness(), 100);
    EXPECT_GT(riga.background().color().lightness(), 200);
    EXPECT_GT(a->cellAt(0, 0)
                  .firstCursorPosition()
                  .block()
                  .begin()
                  .fragment()
                  .charFormat()
                  .foreground()
                  .color()
                  .lightness(),
              200);
    EXPECT_GT(a->format().border(), 0);
    // The table without the look keeps plain cells.
    EXPECT_EQ(b->cellAt(1, 0).format().background().style(), Qt::NoBrush);

    const Qt::Alignment destra =
        b->cellAt(1, 17).firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    EXPECT_TRUE(destra & Qt::AlignRight);
    EXPECT_FALSE(b->cellAt(1, 16).firstCursorPosition().blockFormat().alignment() & Qt::AlignRight);
}

TEST(Documento, JustifiesEveryParagraphTableCellsIncluded) {
    ScrittoreDocumento w;
    w.scrivi("titolo\r");
    w.nuovoparagrafo();
    w.nuovatabella(2, 2);
    w.cella(1, 1, "x");
    w.testoparagrafo("dopo");
    w.giustificatutto();
    QTextDocument* d = w.documento();
    int blocchi = 0;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next(), ++blocchi) {
        EXPECT_TRUE(b.blockFormat().alignment() & Qt::AlignJustify) << b.blockNumber();
    }
    EXPECT_GT(blocchi, 5);
}

TEST(Documento, AnEmptyParagraphBeforeATableTakesRoom) {
    // Heading, an empty paragraph, then the table: the table starts one
    // line below the heading, not right under it.
    ScrittoreDocumento w;
    w.corpoparagrafo(16);
    w.testoparagrafo("Descrizione\r");
    w.nuovoparagrafo();
    w.nuovatabella(2, 2);
    QTextDocument* d = w.documento();
    const QRectF titolo = d->documentLayout()->blockBoundingRect(blocco(d, "Descrizione"));
    const double tabella = inizio(d, w.tabelle()[0]);
    // One 16-point line, in the layout's pixels.
    const double riga = titolo.height() > 0 ? 16 * d->pageSize().width() / (210 / 25.4 * 72) : 0;
    EXPECT_GT(tabella - titolo.top(), 1.9 * riga);
    EXPECT_LT(tabella - titolo.top(), 3.1 * riga);
}

TEST(Documento, TablesOneAfterTheOtherStayApart) {
    ScrittoreDocumento w;
    w.nuovatabella(2, 2);
    w.nuovoparagrafo();
    w.nuovatabella(2, 2);
    w.nuovatabella(2, 2);
    QTextDocument* d = w.documento();
    const auto* l = d->documentLayout();
    const auto& t = w.tabelle();
    ASSERT_EQ(t.size(), 3u);
    auto basso = [&](QTextTable* x) {
        return l->blockBoundingRect(x->lastCursorPosition().block()).bottom();
    };
    EXPECT_GT(inizio(d, t[1]) - basso(t[0]), 10);
    EXPECT_GT(inizio(d, t[2]) - basso(t[1]), 10);
}

TEST(Documento, AvviaStartsAFreshDocument) {
    ScrittoreDocumento w;
    w.scrivi("vecchio\f\rtesto");
    w.nuovatabella(1, 1);
    w.avvia();
    EXPECT_TRUE(w.tabelle().empty());
    EXPECT_EQ(w.contapagine(), 1);
    EXPECT_EQ(w.documento()->toPlainText(), "");
}

TEST(Relazione, TitlePageFillsExactlyOnePage) {
    ScrittoreDocumento w;
    componirelazione(w, esempi::lavoroesempio(), studio);
    QTextDocument* d = w.documento();
    EXPECT_EQ(pagina(d, blocco(d, "via Appia 12, Potenza")), 0);
    EXPECT_EQ(pagina(d, blocco(d, "Relazione di calcolo")), 1);
    EXPECT_EQ(pagina(d, blocco(d, "Descrizione del fabbricato")), 2);
    EXPECT_EQ(pagina(d, blocco(d, "Dati e risultati")), 3);
    EXPECT_EQ(punti(blocco(d, "RELAZIONE SULLA FONDAZIONE")), 20);
    EXPECT_EQ(punti(blocco(d, "Relazione di calcolo")), 18);
    EXPECT_EQ(punti(blocco(d, "Descrizione del fabbricato")), 16);
    EXPECT_EQ(punti(blocco(d, "Terreno:")), 12);
    EXPECT_EQ(punti(blocco(d, "Fondazione n. 1 (tensioni ammissibili: non calcolata; NTC 2018: "
                              "VERIFICATA)")),
              12);
}

TEST(Relazione, ALongProjectNameLeavesNoBlankPage) {
    // Two lines of project push the last empty paragraphs of the title page
    // over its bottom; they must not make a page of their own.
    Lavoro l = esempi::lavoroesempio();
    l[Frontespizio::progetto] =
        "Costruzione di un fabbricato per civile abitazione a due piani fuori terra";
    ScrittoreDocumento w;
    componirelazione(w, l, studio);
    QTextDocument* d = w.documento();
    EXPECT_EQ(pagina(d, blocco(d, "via Appia 12, Potenza")), 0);
    EXPECT_EQ(pagina(d, blocco(d, "Relazione di calcolo")), 1);

    // Three lines, and wrapped place and client: the empty paragraphs give
    // up their room and the title page stays one page.
    l[Frontespizio::progetto] = std::string(40, 'x') + " " + std::string(40, 'y') + " " +
                                std::string(40, 'z') + " " + std::string(40, 'w');
    l[Frontespizio::committente] = std::string(30, 'M') + " " + std::string(29, 'W');
    ScrittoreDocumento v;
    componirelazione(v, l, studio);
    QTextDocument* e = v.documento();
    EXPECT_EQ(pagina(e, blocco(e, "via Appia 12, Potenza")), 0);
    EXPECT_EQ(pagina(e, blocco(e, "Relazione di calcolo")), 1);
}

TEST(Relazione, TheTitlePageStaysOnePageForAnyTitle) {
    // Longer titles take a smaller type, down to 8 points; past that they are
    // cut with an ellipsis, the files' title keeping them.
    for (const std::size_t lunghezza : {2000u, 2520u, 5000u, 40000u}) {
        Lavoro l = esempi::lavoroesempio();
        l[Frontespizio::progetto] = esempi::ripeti("fabbricato per civile abitazione ", lunghezza);
        ScrittoreDocumento w;
        componirelazione(w, l, studio);
        QTextDocument* d = w.documento();
        EXPECT_EQ(pagina(d, blocco(d, "via Appia 12, Potenza")), 0) << lunghezza;
        EXPECT_EQ(pagina(d, blocco(d, "Relazione di calcolo")), 1) << lunghezza;
        QTextBlock titolo = d->begin();
        while (titolo.isValid() && !titolo.text().startsWith("progetto: ")) {
            titolo = titolo.next();
        }
        ASSERT_TRUE(titolo.isValid()) << lunghezza;
        const double corpo = punti(titolo);
        EXPECT_GE(corpo, 8) << lunghezza;
        EXPECT_LE(corpo, lunghezza <= 2000 ? 14 : 13) << lunghezza;
        if (lunghezza == 40000u) {
            EXPECT_EQ(corpo, 8);
        }
        EXPECT_EQ(titolo.text().endsWith(QChar(0x2026)), lunghezza == 40000u) << lunghezza;
    }
}

TEST(Relazione, StatedPageCountIsThatOfTheFinishedDocument) {
    // Closing lines that spill onto a page of their own count it too.
    for (int piani : {2, 10}) {
        ScrittoreDocumento w;
        Lavoro l = esempi::lavoropieno(10, piani);
        aggiornarisultati(l.dati);
        componirelazione(w, l, studio);
        const int finale = w.contapagine();
        QTextDocument* d = w.documento();
        const QString testo = d->toPlainText();
        const QString frase = "La presente relazione è composta di n. ";
        const auto p = testo.indexOf(frase);
        ASSERT_GE(p, 0);
        const int dichiarate = testo.mid(p + frase.size()).section(' ', 0, 0).toInt();
        EXPECT_EQ(dichiarate, finale);
        EXPECT_EQ(d->pageCount(), finale);
        EXPECT_EQ(pagina(d, d->lastBlock()) + 1, finale);
    }
}

// The PDF/A metadata are XML: a title with markup, control characters and
// the non-characters U+FFFE and U+FFFF still gives an XMP packet that parses.
TEST(Documento, TheXmpOfATitleWithAnyCharactersParses) {
    ScrittoreDocumento w;
    w.proprieta("Relazione <Rossi> & \"figli\"\x01\x1B\xEF\xBF\xBE\xEF\xBF\xBF fine", "autore");
    w.scrivi("testo");
    const QByteArray pdf = w.pdf();
    const qsizetype inizio = pdf.indexOf("<x:xmpmeta");
    const qsizetype fine = pdf.indexOf("</x:xmpmeta>");
    ASSERT_GE(inizio, 0);
    ASSERT_GT(fine, inizio);
    QXmlStreamReader xml(pdf.mid(inizio, fine + 12 - inizio));
    QString titolo;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.qualifiedName() == QLatin1String("rdf:li") && titolo.isEmpty()) {
            titolo = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(titolo, QString::fromUtf8("Relazione <Rossi> & \"figli\" fine"));
}

// Every stream Qt deflates in the PDF (pages, fonts, colour profile) is
// deflated at the fastest level: zlib's header says so in its second byte.
TEST(Documento, ThePdfIsDeflatedAtTheFastestLevel) {
    ScrittoreDocumento w;
    w.scrivi("testo");
    const QByteArray pdf = w.pdf();
    int flussi = 0;
    for (qsizetype i = pdf.indexOf("/FlateDecode"); i >= 0;
         i = pdf.indexOf("/FlateDecode", i + 1)) {
        const qsizetype dati = pdf.indexOf("stream\n", i) + 7;
        ASSERT_GT(dati, 7);
        EXPECT_EQ(pdf.mid(dati, 2), QByteArray("\x78\x01")) << "flusso " << flussi;
        ++flussi;
    }
    EXPECT_GE(flussi, 3);
}
