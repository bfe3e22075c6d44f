// Texts taller than the text layout can place: cells continued in rows of
// their own, documents refused, and nothing lost or hung on the way.
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "divisione.h"
#include "esempi.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

// The paragraphs of a cell.
QStringList paragrafi(QTextTable* t, int r, int c) {
    QStringList out;
    const QTextTableCell cella = t->cellAt(r, c);
    for (auto it = cella.begin(); !it.atEnd(); ++it) {
        if (it.currentBlock().isValid()) {
            out << it.currentBlock().text();
        }
    }
    return out;
}

QString testo(QTextTable* t, int r, int c) {
    return paragrafi(t, r, c).join(u'\n');
}

} // namespace

TEST(Divisione, A44000LineDescriptionGivesTheWholeReport) {
    Lavoro l = esempi::lavoroesempio();
    l.descrizione[0] = "inizio" + std::string(44000, '\n') + "fine";
    esempi::Cartella cartella;
    ScrittoreDocumento w;
    const EsitoRelazione esito = scrivirelazione(w, l, studio, cartella / "r.docx");
    ASSERT_TRUE(esito.riuscita()) << esito.errore;
    EXPECT_GT(esito.pagine, 700);
    EXPECT_GT(std::filesystem::file_size(cartella / "r.pdf"), 100000u);

    // The text goes on in rows below its own, its label column empty; the
    // rows after it keep their labels, and every line break is there.
    // The legacy tables, the summary of both verdicts, the limit-state
    // factors, actions and resistance, and the signature's frame.
    ASSERT_EQ(w.tabelle().size(), 10u);
    QTextTable* t = w.tabelle()[0];
    ASSERT_GT(t->rows(), 14);
    const int seguito = t->rows() - 14;
    EXPECT_EQ(testo(t, 1, 0), "tipo di fabbricato");
    QStringList descrizione;
    for (int r = 1; r <= 1 + seguito; ++r) {
        if (r > 1) {
            EXPECT_EQ(testo(t, r, 0), "") << r;
        }
        descrizione << paragrafi(t, r, 1);
    }
    EXPECT_EQ(testo(t, 2 + seguito, 0), "tipo di muratura");
    EXPECT_EQ(testo(t, 2 + seguito, 1), "descrizione 2");
    ASSERT_EQ(descrizione.size(), 44001);
    EXPECT_EQ(descrizione.front(), "inizio");
    EXPECT_EQ(descrizione.back(), "fine");
    EXPECT_EQ(descrizione.join("").size(), 10);
    // The continuing rows have the look of the rows of the table.
    EXPECT_EQ(t->cellAt(2, 1).format().background(), t->cellAt(1, 1).format().background());
}

TEST(Divisione, CellsWrittenAfterASplitFindTheirRows) {
    ScrittoreDocumento w;
    w.nuovatabella(3, 2);
    w.corpotabella(10);
    std::string lungo;
    for (int i = 0; i < 30000; ++i) {
        lungo += "a\r";
    }
    w.cella(2, 2, lungo);
    ASSERT_GT(w.contapagine(), 500);
    QTextTable* t = w.tabelle()[0];
    ASSERT_GT(t->rows(), 3) << "the cell was not split: the case is not tested";
    const int ultima = t->rows() - 1;

    // The caller's rows are where they were for the caller.
    w.cella(2, 1, "etichetta");
    w.cella(3, 1, "dopo");
    w.cella(1, 2, "prima");
    EXPECT_EQ(testo(t, 1, 0), "etichetta");
    EXPECT_EQ(testo(t, ultima, 0), "dopo");
    EXPECT_EQ(testo(t, 0, 1), "prima");
    for (int r = 2; r < ultima; ++r) {
        EXPECT_EQ(testo(t, r, 0), "") << r;
    }

    // A shorter text in the cell leaves nothing of the old one below it.
    w.cella(2, 2, "breve");
    EXPECT_EQ(testo(t, 1, 1), "breve");
    for (int r = 2; r < ultima; ++r) {
        EXPECT_EQ(testo(t, r, 1), "") << r;
    }
    EXPECT_LT(w.contapagine(), 3);
}

TEST(Divisione, AParagraphTooTallIsCutBetweenWords) {
    ScrittoreDocumento w;
    w.nuovatabella(1, 2);
    w.corpotabella(40);
    QString parole;
    for (int i = 0; parole.size() < 60000; ++i) {
        parole += QString("parola%1 ").arg(i);
    }
    w.cella(1, 1, "tipo");
    w.cella(1, 2, parole.toStdString());
    w.formatotabella(9);
    ASSERT_GT(w.contapagine(), 100);
    QTextTable* t = w.tabelle()[0];
    ASSERT_GT(t->rows(), 1) << "the paragraph was not cut: the case is not tested";
    QString insieme;
    for (int r = 0; r < t->rows(); ++r) {
        const QString pezzo = testo(t, r, 1);
        ASSERT_FALSE(pezzo.isEmpty()) << r;
        EXPECT_TRUE(pezzo.startsWith("parola")) << r; // no word cut in two
        insieme += pezzo;
    }
    EXPECT_EQ(insieme, parole);
}

TEST(Divisione, ADocumentTooTallIsRefusedWithoutLayingItOut) {
    esempi::Cartella cartella;
    // Some 3,000 pages of empty paragraphs: past what the layout can count.
    ScrittoreDocumento w;
    w.scrivi(std::string(160000, '\r'));
    EXPECT_EQ(w.contapagine(), 0);
    const auto errore = w.salvacome(cartella / "r.docx");
    ASSERT_TRUE(errore.has_value());
    EXPECT_NE(errore->find("2.000 pagine"), std::string::npos) << *errore;
    EXPECT_FALSE(std::filesystem::exists(cartella / "r.docx"));
    EXPECT_FALSE(std::filesystem::exists(cartella / "r.pdf"));
    EXPECT_TRUE(w.docx().isEmpty());

    // Ten million line breaks are not even kept: the refusal comes from
    // the first that do not fit.
    ScrittoreDocumento v;
    v.scrivi("prima\r" + std::string(10000000, '\r') + "dopo");
    EXPECT_EQ(v.contapagine(), 0);
    EXPECT_LT(v.documento()->blockCount(), 200000);
    EXPECT_TRUE(v.salvacome(cartella / "v.docx").has_value());

    // A fresh document after the refusal is laid out again.
    v.avvia();
    v.scrivi("testo\r");
    EXPECT_EQ(v.contapagine(), 1);
    EXPECT_FALSE(v.salvacome(cartella / "v.docx").has_value());
}

// The bound that lets a table go unsplit is above the estimate of any of
// its cells, whatever the cell holds and however narrow its column.
TEST(Divisione, NoCellIsEstimatedAboveTheBoundOfItsCharacters) {
    const QString lunga(5000, u'W');
    const QStringList testi{"",
                            "uno due tre",
                            lunga,
                            QString(300, QChar::LineSeparator),
                            QString(200, QChar::ParagraphSeparator),
                            "a" + QString(QChar::ParagraphSeparator) + lunga + " fine"};
    QTextCharFormat grande;
    grande.setFontPointSize(40);
    for (const QString& testo : testi) {
        for (bool misto : {false, true}) {
            // Each cell a document of its own, so that the document's faces
            // are the cell's: with one face only the bound is at its tightest.
            QTextDocument doc;
            QTextTable* t = QTextCursor(&doc).insertTable(1, 1);
            QTextCursor dentro = t->cellAt(0, 0).firstCursorPosition();
            dentro.insertText(testo);
            if (misto) {
                dentro.insertText("Gg", grande);
            }
            divisione::Stima stima(nullptr, doc.defaultFont());
            const QTextTableCell cella = t->cellAt(0, 0);
            for (double larghezza : {1.0, 100.0, 10000.0}) {
                double stimata = 0;
                for (auto it = cella.begin(); !it.atEnd(); ++it) {
                    stimata += stima.altezza(it.currentBlock(), larghezza);
                }
                EXPECT_LE(stimata, stima.tetto(cella.lastPosition() - cella.firstPosition()))
                    << testo.size() << " caratteri, larghezza " << larghezza;
            }
        }
    }
}
