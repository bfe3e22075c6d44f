// A cell's end and blocks found from the next cell's start agree with Qt's
// own answers, whatever the cells hold and after rows are added.
#include "blocchi.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace zocal::blocchi;

TEST(Blocchi, ACellsEndAndBlocksAreQtsOwn) {
    // Cell texts in turn: empty, one paragraph, several, blank paragraphs.
    const QStringList testi{"", "uno", "a\nb\nc", "\n\n", "ultima"};
    for (int righe : {1, 2, 3}) {
        for (int colonne : {1, 2, 5}) {
            QTextDocument doc;
            QTextCursor c(&doc);
            c.insertText("prima");
            QTextTable* t = c.insertTable(righe, colonne);
            for (int k = 0; k < righe * colonne; ++k) {
                QString testo = testi[k % testi.size()];
                t->cellAt(k / colonne, k % colonne)
                    .firstCursorPosition()
                    .insertText(testo.replace(u'\n', QChar::ParagraphSeparator));
            }
            for (bool aggiunte : {false, true}) {
                if (aggiunte) { // rows added in the middle and at the end, as long cells are split
                    t->insertRows(righe > 1 ? 1 : 0, 2);
                    t->appendRows(1);
                    t->cellAt(t->rows() - 1, colonne - 1).firstCursorPosition().insertText("fine");
                }
                QList<QList<int>> attesi, percella, inunpasso;
                for (int r = 0; r < t->rows(); ++r) {
                    for (int k = 0; k < colonne; ++k) {
                        const QTextTableCell cella = t->cellAt(r, k);
                        EXPECT_EQ(finedi(*t, r, k), cella.lastPosition()) << r << "," << k;
                        for (auto it = cella.begin(); !it.atEnd(); ++it) {
                            attesi << QList<int>{r, k, it.currentBlock().position()};
                        }
                        blocchidi(*t, r, k, [&](const QTextBlock& b) {
                            percella << QList<int>{r, k, b.position()};
                        });
                    }
                }
                blocchitabella(*t, [&](int r, int k, const QTextBlock& b) {
                    inunpasso << QList<int>{r, k, b.position()};
                });
                EXPECT_EQ(percella, attesi);
                EXPECT_EQ(inunpasso, attesi);
            }
        }
    }
}
