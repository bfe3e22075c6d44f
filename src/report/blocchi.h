#pragma once

// Small questions about the blocks of a document, shared by its writer,
// its page logic and its drawing.

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>

namespace zocal::blocchi {

// Marks the paragraph that follows a table in the text.
constexpr int seguetabella = QTextFormat::UserProperty + 1;
// A paragraph, or a table row through its cells' paragraphs, that stays on
// one page with what follows it.
constexpr int tienisegue = QTextFormat::UserProperty + 2;
// Text that stands for the document's page count.
constexpr int campoconteggio = QTextFormat::UserProperty + 3;
// A page break the keep rules put before a paragraph or a table: taken away
// and placed again at every layout.
constexpr int interruzionemobile = QTextFormat::UserProperty + 4;

inline bool vuoto(const QTextBlock& b) {
    return b.length() <= 1;
}

// The table a block stands in, if any: found through the frames, since a
// cursor lays out its block, and with it all the text before.
inline QTextTable* tabelladi(const QTextBlock& b) {
    if (!b.isValid()) {
        return nullptr;
    }
    for (QTextFrame* f = b.document()->frameAt(b.position()); f != nullptr; f = f->parentFrame()) {
        if (auto* t = qobject_cast<QTextTable*>(f)) {
            return t;
        }
    }
    return nullptr;
}

inline bool dentrotabella(const QTextBlock& b) {
    return tabelladi(b) != nullptr;
}

// The first and the last block of a cell, without a cursor either.
inline QTextBlock primodi(const QTextTableCell& c, const QTextDocument& d) {
    return d.findBlock(c.firstPosition());
}

// The last position of cell (r, c): the one before the next cell's text.
// Qt's own answer, and its iterator over a cell, look the cell up among all
// the table's cells at every call. The tables here join no cells, so the
// next cell in reading order is the next in the text.
inline int finedi(const QTextTable& t, int r, int c) {
    if (c + 1 < t.columns()) {
        return t.cellAt(r, c + 1).firstPosition() - 1;
    }
    if (r + 1 < t.rows()) {
        return t.cellAt(r + 1, 0).firstPosition() - 1;
    }
    return t.lastPosition();
}

inline QTextBlock ultimodi(const QTextTable& t, int r, int c) {
    return t.document()->findBlock(finedi(t, r, c));
}

// The block Qt puts right after a table.
inline bool dopotabella(const QTextBlock& b) {
    const QTextBlock prima = b.previous();
    return prima.isValid() && !dentrotabella(b) && dentrotabella(prima);
}

// Every block of cell (r, c). No frame stands inside a cell here.
template <typename F> void blocchidi(const QTextTable& t, int r, int c, F&& fn) {
    const int fine = finedi(t, r, c);
    for (QTextBlock b = t.document()->findBlock(t.cellAt(r, c).firstPosition());
         b.isValid() && b.position() <= fine; b = b.next()) {
        fn(b);
    }
}

// Every block of the table's cells in reading order, with its cell's row
// and column: one walk through the table's paragraphs, each cell's ending
// where the next one's starts.
template <typename F> void blocchitabella(const QTextTable& t, F&& fn) {
    QTextBlock b = primodi(t.cellAt(0, 0), *t.document());
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) {
            for (const int fine = finedi(t, r, c); b.isValid() && b.position() <= fine;
                 b = b.next()) {
                fn(r, c, b);
            }
        }
    }
}

// Whether a line of the block, but its last, holds no blank between its
// words: justified, it would be spread letter by letter.
inline bool unaparolaariga(const QTextBlock& b) {
    const QTextLayout* l = b.layout();
    // A block of one line is never spread (the last line of a justified
    // paragraph stays as it is): its text need not be read.
    if (l == nullptr || l->lineCount() < 2) {
        return false;
    }
    const QString testo = b.text();
    for (int i = 0; i + 1 < l->lineCount(); ++i) {
        const QTextLine riga = l->lineAt(i);
        const QString parte = testo.mid(riga.textStart(), riga.textLength()).trimmed();
        if (!parte.isEmpty() &&
            std::none_of(parte.begin(), parte.end(), [](QChar c) { return c.isSpace(); })) {
            return true;
        }
    }
    return false;
}

inline double puntidi(const QTextCharFormat& f, double predefinito) {
    const double p = f.fontPointSize();
    return p > 0 ? p : predefinito;
}

} // namespace zocal::blocchi
