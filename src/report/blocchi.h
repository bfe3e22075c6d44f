#pragma once

// Small questions about the blocks of a document, shared by its writer,
// its page logic and its drawing.

#include <QTextBlock>
#include <QTextCursor>
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

inline bool dentrotabella(const QTextBlock& b) {
    return QTextCursor(b).currentTable() != nullptr;
}

// The block Qt puts right after a table.
inline bool dopotabella(const QTextBlock& b) {
    const QTextBlock prima = b.previous();
    return prima.isValid() && !dentrotabella(b) && dentrotabella(prima);
}

// Every block of a table cell.
template <typename F> void blocchidi(const QTextTableCell& cella, F&& fn) {
    for (auto it = cella.begin(); !it.atEnd(); ++it) {
        if (const QTextBlock b = it.currentBlock(); b.isValid()) {
            fn(b);
        }
    }
}

// Whether a line of the block, but its last, holds no blank between its
// words: justified, it would be spread letter by letter.
inline bool unaparolaariga(const QTextBlock& b) {
    const QTextLayout* l = b.layout();
    if (l == nullptr) {
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
