// A cell's end and blocks found from the next cell's start agree with Qt's
// own answers, whatever the cells hold and after rows are added.
#include "blocchi.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace zocal::blocchi;

namespace {

// Every cell's end and blocks, both ways.
void confronta(const QTextTable& t) {
    // The one walk through the table meets the cells' blocks in order.
    QList<QList<int>> inunpasso;
    blocchitabella(t, [&](int r, int c, const QTextBlock& b) {
        inunpasso << QList<int>{r, c, b.position()};
    });
    QList<QList<int>> percella;
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) {
            const QTextTableCell cella = t.cellAt(r, c);
            EXPECT_EQ(finedi(t, r, c), cella.lastPosition()) << r << "," << c;
            EXPECT_EQ(ultimodi(t, r, c).position(),
                      t.document()->findBlock(cella.lastPosition()).position());
            QList<int> attesi;
            for (auto it = cella.begin(); !it.atEnd(); ++it) {
                attesi << it.currentBlock().position();
            }
            QList<int> trovati;
            blocchidi(t, r, c, [&](const QTextBlock& b) { trovati << b.position(); });
            EXPECT_EQ(trovati, attesi) << r << "," << c;
            for (int p : attesi) {
                percella << QList<int>{r, c, p};
            }
        }
    }
    EXPECT_EQ(inunpasso, percella);
}

} // namespace

TEST(Blocchi, ACellsEndAndBlocksAreQtsOwn) {
    // Cell texts by row: empty, one paragraph, several, blank paragraphs.
    const QStringList testi{"", "uno", "a\nb\nc", "\n\n", "ultima"};
    for (int righe : {1, 2, 3}) {
        for (int colonne : {1, 2, 5}) {
            QTextDocument doc;
            QTextCursor c(&doc);
            c.insertText("prima");
            QTextTable* t = c.insertTable(righe, colonne);
            for (int r = 0; r < righe; ++r) {
                for (int k = 0; k < colonne; ++k) {
                    QString testo = testi[(r * colonne + k) % testi.size()];
                    t->cellAt(r, k).firstCursorPosition().insertText(
                        testo.replace(u'\n', QChar::ParagraphSeparator));
                }
            }
            confronta(*t);
            // Rows added in the middle and at the end, as long cells are split.
            t->insertRows(righe > 1 ? 1 : 0, 2);
            t->appendRows(1);
            t->cellAt(t->rows() - 1, colonne - 1).firstCursorPosition().insertText("fine");
            confronta(*t);
        }
    }
}
