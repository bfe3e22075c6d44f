#include "zocal/report/documento.h"

#include "docx.h"
#include "impaginazione.h"
#include "salvataggio.h"
#include "zocal/report/percorsi.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDesktopServices>
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <system_error>

namespace zocal {

namespace ip = impaginazione;

namespace {

// The colours of table look 9.
const QColor colorebordo(0x1F, 0x4E, 0x79);
const QColor coloreintestazione(0x1F, 0x4E, 0x79);
const QColor coloretestointestazione(Qt::white);
const QColor colorerighe(0xDE, 0xEA, 0xF6);

// Faces that Debian ships for fonts that only Windows has; the document keeps
// the original name.
void sostituiscicaratteri() {
    static const bool fatto = [] {
        // The installed families, looked up by name: asking the font database
        // about one name makes fontconfig resolve it as an alias first, which
        // costs more than listing them all.
        QSet<QString> installate;
        for (const QString& f : QFontDatabase::families()) {
            const qsizetype fonderia = f.indexOf(QLatin1String(" ["));
            installate.insert((fonderia < 0 ? f : f.left(fonderia)).toCaseFolded());
        }
        auto sostituisci = [&](const QString& nome, const QStringList& candidati) {
            for (const QString& c : candidati) {
                if (installate.contains(c.toCaseFolded())) {
                    QFont::insertSubstitution(nome, c);
                    return;
                }
            }
        };
        sostituisci("Century Gothic", {"URW Gothic", "TeX Gyre Adventor", "DejaVu Sans"});
        sostituisci("Times New Roman", {"Liberation Serif", "Nimbus Roman", "DejaVu Serif"});
        return true;
    }();
    (void)fatto;
}

// Marks the paragraph that follows a table in the text.
constexpr int seguetabella = QTextFormat::UserProperty + 1;

bool vuoto(const QTextBlock& b) {
    return b.length() <= 1;
}

bool dentrotabella(const QTextBlock& b) {
    return QTextCursor(b).currentTable() != nullptr;
}

// The block Qt puts right after a table.
bool dopotabella(const QTextBlock& b) {
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

double puntidi(const QTextCharFormat& f, double predefinito) {
    const double p = f.fontPointSize();
    return p > 0 ? p : predefinito;
}

} // namespace

// The pages of a laid-out document, drawn from its layout: each block's
// lines as laid out, and the tables' cell colours and lines gathered a page
// at a time, one fill a colour. Drawing through the document's own layout
// costs a state change on the device for every edge of every cell.
class Pagine {
  public:
    Pagine(QTextDocument& doc, int pagine)
        : l_(*doc.documentLayout()), altezza_(doc.pageSize().height()),
          larghezza_(doc.pageSize().width()),
          pagine_(static_cast<std::size_t>(std::max(0, pagine))) {
        const QTextFrame* radice = doc.rootFrame();
        for (auto it = radice->begin(); !it.atEnd(); ++it) {
            if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
                griglia(*t);
            } else if (const QTextBlock b = it.currentBlock(); b.isValid() && b.layout()) {
                aggiungi(b, l_.blockBoundingRect(b).topLeft() - b.layout()->position());
            }
        }
    }

    // Page `i` (from 0) in the layout's coordinates, its top at 0.
    void disegna(QPainter& p, int i) const {
        const QRectF vista(0, i * altezza_, larghezza_, altezza_);
        p.save();
        p.translate(0, -vista.top());
        p.setClipRect(vista);
        p.setPen(Qt::NoPen);
        if (static_cast<std::size_t>(i) < pagine_.size()) {
            for (const auto* strato : {&pagine_[static_cast<std::size_t>(i)].sfondi,
                                       &pagine_[static_cast<std::size_t>(i)].linee}) {
                for (const auto& [colore, rettangoli] : *strato) {
                    p.setBrush(QColor::fromRgba(colore));
                    p.drawRects(rettangoli.data(), static_cast<int>(rettangoli.size()));
                }
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black));
        for (const Blocco& b : blocchi_) {
            if (b.basso <= vista.top() || b.alto >= vista.bottom()) {
                continue;
            }
            if (b.sfondo) {
                const QRectF r = b.layout->boundingRect();
                p.fillRect(QRectF(b.origine + b.layout->position(), r.size()),
                           b.blocco.blockFormat().background());
            }
            b.layout->draw(&p, b.origine, {}, vista);
        }
        p.restore();
    }

  private:
    struct Blocco {
        QTextBlock blocco;
        QTextLayout* layout;
        QPointF origine; // where the layout's own position counts from
        double alto;
        double basso;
        bool sfondo;
    };

    // A block with text (or a colour) to draw, its layout placed at `origine`.
    void aggiungi(const QTextBlock& b, const QPointF& origine) {
        QTextLayout* l = b.layout();
        const bool sfondo = b.blockFormat().hasProperty(QTextFormat::BackgroundBrush);
        if (l == nullptr || (vuoto(b) && !sfondo) || !b.isVisible()) {
            return;
        }
        const QRectF r = l->boundingRect();
        const double alto = origine.y() + l->position().y() + r.top();
        blocchi_.push_back({b, l, origine, alto, alto + r.height(), sfondo});
    }
    using Strato = std::map<QRgb, std::vector<QRectF>>;
    struct Pagina {
        Strato sfondi;
        Strato linee;
    };

    int pagina(double y) const {
        return std::clamp(static_cast<int>(std::floor(y / altezza_)), 0,
                          static_cast<int>(pagine_.size()) - 1);
    }

    // The width of a cell's text area, from its first line and the margins
    // around it (the line starts after the left margin, in the layout's units).
    static double larghezza(const QTextBlock& b) {
        const QTextLayout* l = b.layout();
        if (l == nullptr || l->lineCount() == 0) {
            return 0;
        }
        const QTextLine riga = l->lineAt(0);
        const QTextBlockFormat bf = b.blockFormat();
        const double scala = bf.leftMargin() > 0 ? riga.x() / bf.leftMargin() : 1.0;
        return riga.x() + riga.width() + bf.rightMargin() * scala;
    }

    // Where the text of a cell ends, as the layout advanced through its lines.
    double fondo(const QTextTableCell& c) const {
        const QTextBlock b = c.lastCursorPosition().block();
        const QTextLayout* l = b.layout();
        const double alto = l_.blockBoundingRect(b).top();
        if (l == nullptr || l->lineCount() == 0) {
            return alto;
        }
        const QTextLine riga = l->lineAt(l->lineCount() - 1);
        const QTextBlockFormat bf = b.blockFormat();
        return alto + riga.y() + bf.lineHeight(riga.height(), 1.0) + bf.bottomMargin();
    }

    // A table's cells as laid out: the text area of cell (r, c) runs from
    // column c's left to its right and from row r's top to its bottom; the
    // lines fill the gaps between the areas and around them.
    void griglia(QTextTable& t) {
        const int righe = t.rows();
        const int colonne = t.columns();
        if (pagine_.empty() || righe < 1 || colonne < 1) {
            return;
        }
        std::vector<double> sinistra(static_cast<std::size_t>(colonne));
        std::vector<double> destra(static_cast<std::size_t>(colonne));
        std::vector<double> alto(static_cast<std::size_t>(righe));
        std::vector<double> basso(static_cast<std::size_t>(righe));
        // The cells of a column share their left, those of a row their top:
        // one lookup of the layout each, the other blocks placed from them.
        std::vector<double> origx(static_cast<std::size_t>(colonne));
        std::vector<double> origy(static_cast<std::size_t>(righe));
        for (int c = 0; c < colonne; ++c) {
            const QTextBlock b = t.cellAt(0, c).begin().currentBlock();
            const double x = l_.blockBoundingRect(b).left();
            sinistra[static_cast<std::size_t>(c)] = x;
            destra[static_cast<std::size_t>(c)] = x + larghezza(b);
            origx[static_cast<std::size_t>(c)] = x - (b.layout() ? b.layout()->position().x() : 0);
        }
        for (int r = 0; r < righe; ++r) {
            const QTextBlock b = t.cellAt(r, 0).begin().currentBlock();
            const double y = l_.blockBoundingRect(b).top();
            alto[static_cast<std::size_t>(r)] = y;
            origy[static_cast<std::size_t>(r)] = y - (b.layout() ? b.layout()->position().y() : 0);
        }
        for (int r = 0; r < righe; ++r) {
            for (int c = 0; c < colonne; ++c) {
                const QPointF origine(origx[static_cast<std::size_t>(c)],
                                      origy[static_cast<std::size_t>(r)]);
                blocchidi(t.cellAt(r, c), [&](const QTextBlock& b) { aggiungi(b, origine); });
            }
        }
        // Each cell's edge and its neighbour's (or the table's) between two
        // text areas; they are equal when there is no spacing.
        const QTextTableFormat tf = t.format();
        const double g = colonne > 1 ? sinistra[1] - destra[0]
                                     : (2 * tf.border() + tf.cellSpacing()) * ip::dpi / 96.0;
        for (int r = 0; r < righe; ++r) {
            const auto k = static_cast<std::size_t>(r);
            if (r + 1 < righe && pagina(alto[k + 1]) == pagina(alto[k])) {
                basso[k] = alto[k + 1] - g;
            } else {
                // The last row, or the next one went over to the next page.
                double b = alto[k];
                for (int c = 0; c < colonne; ++c) {
                    b = std::max(b, fondo(t.cellAt(r, c)));
                }
                basso[k] = b;
            }
        }

        // Cell colours, a run of equal neighbours in one rectangle. Cells
        // of one format share their colour.
        std::map<int, QBrush> pennelli;
        auto pennello = [&](int r, int c) -> const QBrush& {
            const QTextTableCell cella = t.cellAt(r, c);
            auto it = pennelli.find(cella.tableCellFormatIndex());
            if (it == pennelli.end()) {
                it = pennelli.emplace(cella.tableCellFormatIndex(), cella.format().background())
                         .first;
            }
            return it->second;
        };
        for (int r = 0; r < righe; ++r) {
            const auto k = static_cast<std::size_t>(r);
            Strato& sfondi = pagine_[static_cast<std::size_t>(pagina(alto[k]))].sfondi;
            int c = 0;
            while (c < colonne) {
                const QBrush& colore = pennello(r, c);
                int fine = c + 1;
                while (fine < colonne && pennello(r, fine) == colore) {
                    ++fine;
                }
                if (colore.style() != Qt::NoBrush) {
                    const double x0 = sinistra[static_cast<std::size_t>(c)];
                    const double x1 = destra[static_cast<std::size_t>(fine) - 1];
                    sfondi[colore.color().rgba()].emplace_back(x0, alto[k], x1 - x0,
                                                               basso[k] - alto[k]);
                }
                c = fine;
            }
        }

        if (tf.border() <= 0 || tf.borderStyle() == QTextFrameFormat::BorderStyle_None || g <= 0) {
            return;
        }
        const QRgb colore = tf.borderBrush().style() != Qt::NoBrush
                                ? tf.borderBrush().color().rgba()
                                : QColor(Qt::darkGray).rgba();
        // The rows of each page, with their lines.
        int primo = 0;
        while (primo < righe) {
            const int p = pagina(alto[static_cast<std::size_t>(primo)]);
            int ultimo = primo;
            while (ultimo + 1 < righe && pagina(alto[static_cast<std::size_t>(ultimo) + 1]) == p) {
                ++ultimo;
            }
            std::vector<QRectF>& linee = pagine_[static_cast<std::size_t>(p)].linee[colore];
            const double x0 = sinistra[0] - g;
            const double x1 = destra[static_cast<std::size_t>(colonne) - 1] + g;
            const double y0 = alto[static_cast<std::size_t>(primo)] - g;
            const double y1 = basso[static_cast<std::size_t>(ultimo)] + g;
            linee.emplace_back(x0, y0, x1 - x0, g);
            for (int r = primo; r < ultimo; ++r) {
                const auto k = static_cast<std::size_t>(r);
                linee.emplace_back(x0, basso[k], x1 - x0, alto[k + 1] - basso[k]);
            }
            linee.emplace_back(x0, basso[static_cast<std::size_t>(ultimo)], x1 - x0, g);
            linee.emplace_back(x0, y0, g, y1 - y0);
            for (int c = 0; c + 1 < colonne; ++c) {
                const auto k = static_cast<std::size_t>(c);
                linee.emplace_back(destra[k], y0, sinistra[k + 1] - destra[k], y1 - y0);
            }
            linee.emplace_back(x1 - g, y0, g, y1 - y0);
            primo = ultimo + 1;
        }
    }

    QAbstractTextDocumentLayout& l_;
    double altezza_;
    double larghezza_;
    std::vector<Blocco> blocchi_;
    std::vector<Pagina> pagine_;
};

struct ScrittoreDocumento::Stato {
    // The layout device: a PDF device at a fixed resolution, so that the
    // page count is the same on every screen and matches the PDF.
    QByteArray scarto;
    std::unique_ptr<QBuffer> bufferlayout;
    std::unique_ptr<QPdfWriter> layout;

    std::unique_ptr<QTextDocument> doc;
    QTextCursor selezione;
    QString famiglia = "Times New Roman";
    double corposelezione = 12;
    double corpoparagrafo = 12;
    double corpotabella = 12;
    QTextTable* tabella = nullptr;
    std::vector<QTextTable*> tabelle;
    bool interruzione = false; // a form feed waits for text to follow
    // A new paragraph is made when something goes into it: a table put in
    // its place takes it over, as in the word processor.
    bool pendente = false;
    bool cambiato = true; // text, sizes or widths changed since the last layout
    bool blocco = false;  // one edit block is open while building
    // Only alignments changed since the last layout: they move no line, so
    // the layout stands and the edit block stays open (closing it would lay
    // out the whole document again).
    bool allineamenti = false;
    int pagine = 1; // of the last layout
    // The size a new table's cells take, applied when the table is next
    // touched: the report sizes each table again at once.
    double dimensionesospesa = 0;

    // Formats carry only what differs from the document's font: every
    // property is copied again and again while laying out and drawing.
    QTextCharFormat formato(double punti) const {
        QTextCharFormat f;
        if (famiglia != doc->defaultFont().family()) {
            f.setFontFamilies(QStringList{famiglia});
        }
        f.setFontPointSize(punti);
        return f;
    }

    static QFont fontbase(const QString& famiglia) {
        QFont base(famiglia);
        base.setPointSizeF(12);
        base.setHintingPreference(QFont::PreferNoHinting);
        // No ligatures: the PDF's text must read back letter by letter.
        base.setStyleStrategy(QFont::PreferNoShaping);
        return base;
    }

    // Drops the document as it is: closing its edit block first would lay
    // it all out for nothing.
    void scarta() {
        blocco = false;
        dimensionesospesa = 0;
        allineamenti = false;
        tabella = nullptr;
        tabelle.clear();
        selezione = QTextCursor();
        doc.reset();
    }

    void nuovo() {
        scarta();
        doc = std::make_unique<QTextDocument>();
        doc->setUndoRedoEnabled(false);
        doc->setUseDesignMetrics(true);
        doc->setDefaultFont(fontbase("Times New Roman"));
        doc->documentLayout()->setPaintDevice(layout.get());
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
        selezione = QTextCursor(doc.get());
        selezione.setBlockCharFormat(formato(corposelezione));
        apriblocco();
    }

    void apriblocco() {
        if (!blocco) {
            selezione.beginEditBlock();
            blocco = true;
        }
    }
    void chiudiblocco() {
        if (blocco && doc) {
            selezione.endEditBlock();
        }
        blocco = false;
    }

    void assesta() {
        if (dimensionesospesa > 0 && tabella != nullptr) {
            const double punti = dimensionesospesa;
            dimensionesospesa = 0;
            dimensiona(tabella, punti);
        }
    }

    void materializza() {
        assesta();
        if (pendente) {
            pendente = false;
            cambiato = true;
            fine().insertBlock(QTextBlockFormat(), formato(corpoparagrafo));
        }
    }

    QTextCursor fine() const {
        QTextCursor c(doc.get());
        c.movePosition(QTextCursor::End);
        return c;
    }

    // A waiting form feed takes effect where text follows: the paragraph
    // that receives it starts a new page. Nothing before the first line.
    void applicainterruzione(QTextCursor& c) {
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

    // Types text: CR (or LF, or CR LF) ends a paragraph, FF breaks the page
    // before the text that follows (not inside tables), other control
    // characters have no place in a document and are dropped.
    void inserisci(QTextCursor& c, const QString& testo, const QTextCharFormat& f, bool incella) {
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
                if (!incella) {
                    applicainterruzione(c);
                }
                // Merged: the first block of a cell also carries the cell's own format.
                c.mergeBlockCharFormat(f);
                QTextBlockFormat bf = c.blockFormat();
                bf.clearProperty(QTextFormat::PageBreakPolicy);
                bf.clearProperty(seguetabella);
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

    QTextTableCell cella(QTextTable* t, int r, int c) const {
        if (t == nullptr || r < 1 || c < 1 || r > t->rows() || c > t->columns()) {
            return {};
        }
        return t->cellAt(r - 1, c - 1);
    }

    // The text from cell (r0, c0) to cell (r1, c1), counted from 0: whole
    // rows only, since Qt may take it for a run of text or for a block of cells.
    static QTextCursor zona(QTextTable* t, int r0, int c0, int r1, int c1) {
        QTextCursor c = t->cellAt(r0, c0).firstCursorPosition();
        c.setPosition(t->cellAt(r1, c1).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c;
    }

    static QTextCursor contenuto(const QTextTableCell& cella) {
        QTextCursor c = cella.firstCursorPosition();
        c.setPosition(cella.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c;
    }

    // Size (and face) of every text of a table, empty cells included.
    void dimensiona(QTextTable* t, double punti) {
        corpotabella = punti;
        QTextCursor tutto = zona(t, 0, 0, t->rows() - 1, t->columns() - 1);
        const QTextCharFormat f = formato(punti);
        tutto.mergeCharFormat(f);
        tutto.mergeBlockCharFormat(f);
        // A little room left and right of the text in every cell.
        QTextBlockFormat spazio;
        spazio.setLeftMargin(ip::spaziocellapx);
        spazio.setRightMargin(ip::spaziocellapx);
        tutto.mergeBlockFormat(spazio);
    }

    // Lines as tall as the report's face would make them, whichever face is
    // drawn: the baseline stays where the face puts it, the spacing is scaled.
    std::map<std::pair<QString, double>, double> spaziature;

    // The natural line height the layout gives a face and size, from a
    // one-line probe laid out on the same device.
    double spaziatura(const QTextCharFormat& f, double punti) {
        const QString famiglia = f.fontFamilies().toStringList().value(0, famiglia_predefinita());
        const auto chiave = std::make_pair(famiglia, punti);
        auto it = spaziature.find(chiave);
        if (it == spaziature.end()) {
            QTextDocument prova;
            prova.setUseDesignMetrics(true);
            prova.documentLayout()->setPaintDevice(layout.get());
            QTextCharFormat cf;
            cf.setFontFamilies(QStringList{famiglia});
            cf.setFontPointSize(punti);
            cf.setFontHintingPreference(QFont::PreferNoHinting);
            cf.setFontStyleStrategy(QFont::PreferNoShaping);
            QTextCursor(&prova).insertText("Hg", cf);
            prova.documentLayout()->documentSize();
            const QTextLayout* l = prova.begin().layout();
            const double h = l != nullptr && l->lineCount() > 0 ? l->lineAt(0).height() : 0;
            it = spaziature.emplace(chiave, h).first;
        }
        return it->second;
    }

    QString famiglia_predefinita() const { return doc->defaultFont().family(); }

    // The line spacing each character format asks for, by its index in the
    // document: a report has thousands of blocks and a handful of formats.
    std::map<int, std::pair<double, double>> interlinee; // punti, percento

    template <typename F>
    const std::pair<double, double>& interlineadi(int indice, double predefinito, F&& formato) {
        auto it = interlinee.find(indice);
        if (it == interlinee.end()) {
            const QTextCharFormat f = formato();
            const double punti = puntidi(f, predefinito);
            const double naturale = spaziatura(f, punti);
            const double percento =
                naturale > 0 ? 100.0 * punti * ip::interlinea * ip::pxpunto / naturale : 100.0;
            it = interlinee.emplace(indice, std::make_pair(punti, percento)).first;
        }
        return it->second;
    }

    void interlinea() {
        const double predefinito = doc->defaultFont().pointSizeF();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            // The largest text of the block sets its lines; an empty block
            // takes its own format's.
            const std::pair<double, double>* scelta = nullptr;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment fr = it.fragment();
                const auto& candidata = interlineadi(fr.charFormatIndex(), predefinito,
                                                     [&] { return fr.charFormat(); });
                if (scelta == nullptr || candidata.first > scelta->first) {
                    scelta = &candidata;
                }
            }
            if (scelta == nullptr) {
                scelta =
                    &interlineadi(b.charFormatIndex(), predefinito, [&] { return b.charFormat(); });
            }
            const double percento = scelta->second;
            const QTextBlockFormat bf = b.blockFormat();
            if (bf.lineHeightType() != QTextBlockFormat::ProportionalHeight ||
                std::abs(bf.lineHeight() - percento) > 1e-6) {
                QTextBlockFormat nuovo;
                nuovo.setLineHeight(percento, QTextBlockFormat::ProportionalHeight);
                QTextCursor(b).mergeBlockFormat(nuovo);
            }
        }
        // Qt draws no empty block right before a table; a paragraph of the
        // text standing there becomes room above the table.
        for (QTextTable* t : tabelle) {
            const QTextBlock prima = doc->findBlock(t->firstPosition() - 1);
            double spazio = 0;
            if (prima.isValid() && vuoto(prima) &&
                prima.blockFormat().hasProperty(QTextFormat::PageBreakPolicy)) {
                spazio = puntidi(prima.charFormat(), doc->defaultFont().pointSizeF()) *
                         ip::interlinea * ip::logicopunto;
            }
            QTextTableFormat tf = t->format();
            if (std::abs(tf.topMargin() - spazio) > 1e-6) {
                tf.setTopMargin(spazio);
                t->setFormat(tf);
            }
        }
    }

    QTextTable* tabellaprima(const QTextBlock& b) const {
        return QTextCursor(b.previous()).currentTable();
    }

    // Empty paragraphs that a page break would leave alone on a page of their
    // own (a long title-page text pushes the last ones over) are dropped: a
    // blank page in a report is never wanted. Needs a laid-out document.
    bool togliblanchi() {
        QAbstractTextDocumentLayout* l = doc->documentLayout();
        const double h = doc->pageSize().height();
        std::vector<int> posizioni;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (dentrotabella(b) ||
                !(b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
                continue;
            }
            std::vector<QTextBlock> vuoti;
            QTextBlock p = b.previous();
            while (p.isValid() && !dentrotabella(p) && vuoto(p) && !dopotabella(p) &&
                   !(p.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
                vuoti.push_back(p);
                p = p.previous();
            }
            if (vuoti.empty() || !p.isValid()) {
                continue;
            }
            double fondo = 0;
            if (dentrotabella(p)) {
                fondo = l->frameBoundingRect(QTextCursor(p).currentTable()).bottom();
            } else if (dopotabella(p)) {
                fondo = l->frameBoundingRect(tabellaprima(p)).bottom();
            } else {
                fondo = l->blockBoundingRect(p).top();
                if (p.layout() != nullptr && p.layout()->lineCount() > 0) {
                    const QTextLine ultimariga = p.layout()->lineAt(p.layout()->lineCount() - 1);
                    fondo += ultimariga.y() + ultimariga.height();
                } else {
                    fondo = l->blockBoundingRect(p).bottom();
                }
            }
            const auto pagina = [h](double y) { return static_cast<int>(std::floor(y / h)); };
            const int ultima = pagina(fondo - 0.5);
            for (const QTextBlock& e : vuoti) {
                // A line pushed over the page bottom moves inside its block.
                double alto = l->blockBoundingRect(e).top();
                if (e.layout() != nullptr && e.layout()->lineCount() > 0) {
                    alto += e.layout()->lineAt(0).y();
                }
                if (pagina(alto + 0.5) > ultima) {
                    posizioni.push_back(e.position());
                }
            }
        }
        if (posizioni.empty()) {
            return false;
        }
        std::sort(posizioni.begin(), posizioni.end());
        apriblocco();
        for (auto it = posizioni.rbegin(); it != posizioni.rend(); ++it) {
            QTextCursor c(doc.get());
            c.setPosition(*it - 1);
            c.setPosition(*it, QTextCursor::KeepAnchor);
            c.removeSelectedText();
        }
        chiudiblocco();
        return true;
    }

    // The document ready for counting or output, laid out; the caller
    // reopens the edit block. After alignments alone the layout stands and
    // only its lines take the new alignment, unless `definitivo` asks for the
    // document's own layout (to be looked at from outside).
    void completa(bool definitivo = false) {
        materializza();
        if (!cambiato && allineamenti && !definitivo) {
            riallinea();
            return;
        }
        const bool passi = cambiato;
        cambiato = false;
        allineamenti = false;
        if (passi) {
            interlinea();
        }
        chiudiblocco();
        doc->pageCount();
        if (passi && togliblanchi()) {
            doc->pageCount();
        }
        pagine = doc->pageCount();
    }

    // Alignments are applied to a laid-out document: text changed before
    // them is laid out first, so that they stay the only change pending.
    void primadiallineare() {
        materializza();
        if (cambiato) {
            completa();
        }
        apriblocco();
    }

    // Each block's lines take its format's alignment, as the layout would
    // give them: alignment only shifts lines and spreads justified ones.
    void riallinea() {
        const Qt::Alignment predefinito = doc->defaultTextOption().alignment();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            QTextLayout* l = b.layout();
            if (l == nullptr) {
                continue;
            }
            const QTextBlockFormat bf = b.blockFormat();
            Qt::Alignment a =
                bf.hasProperty(QTextFormat::BlockAlignment) ? bf.alignment() : predefinito;
            if (!(a & Qt::AlignHorizontal_Mask)) {
                a |= Qt::AlignLeft;
            }
            if (!(a & Qt::AlignAbsolute) && (a & (Qt::AlignLeft | Qt::AlignRight))) {
                if (b.textDirection() == Qt::RightToLeft) {
                    a ^= Qt::AlignLeft | Qt::AlignRight;
                }
                a |= Qt::AlignAbsolute;
            }
            QTextOption o = l->textOption();
            if (o.alignment() != a) {
                o.setAlignment(a);
                l->setTextOption(o);
            }
        }
    }
};

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
        s_->doc->setDefaultFont(Stato::fontbase(s_->famiglia));
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
    tf.setCellPadding(0);
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
    QTextTableCell cl = s_->cella(s_->tabella, riga, colonna);
    if (!cl.isValid()) {
        return;
    }
    QTextCursor c = Stato::contenuto(cl);
    c.removeSelectedText();
    s_->inserisci(c, QString::fromStdString(testo), s_->formato(s_->corpotabella), true);
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

    // Columns as wide as their longest text asks, as an automatic format fits them.
    std::vector<double> pesi(static_cast<std::size_t>(t->columns()), 0);
    for (int r = 0; r < t->rows(); ++r) {
        for (int k = 0; k < t->columns(); ++k) {
            const QTextTableCell cella = t->cellAt(r, k);
            const int lunghezza = cella.lastPosition() - cella.firstPosition();
            pesi[static_cast<std::size_t>(k)] =
                std::max(pesi[static_cast<std::size_t>(k)], static_cast<double>(lunghezza));
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

int ScrittoreDocumento::contapagine() {
    s_->completa();
    s_->apriblocco();
    return s_->pagine;
}

void ScrittoreDocumento::giustificatutto() {
    s_->primadiallineare();
    QTextBlockFormat bf;
    bf.setAlignment(Qt::AlignJustify);
    QTextCursor tutto(s_->doc.get());
    tutto.select(QTextCursor::Document);
    tutto.mergeBlockFormat(bf);
    s_->allineamenti = true;
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
        blocchidi(t->cellAt(r, colonna - 1),
                  [&](const QTextBlock& b) { QTextCursor(b).mergeBlockFormat(bf); });
    }
    s_->allineamenti = true;
}

std::optional<std::string> ScrittoreDocumento::salvacome(const std::string& percorso) {
    s_->completa();
    auto parti = partidocx(*s_->doc, s_->pagine);
    s_->apriblocco();
    // The DOCX is zipped on the other processor while this one draws the PDF.
    std::future<std::optional<QByteArray>> zip;
    try {
        zip = std::async(std::launch::async, [&parti] { return comprimi(parti); });
    } catch (const std::system_error&) {
        zip = std::async(std::launch::deferred, [&parti] { return comprimi(parti); });
    }
    const QByteArray p = pdf();
    const QByteArray d = zip.get().value_or(QByteArray());
    if (d.isEmpty() || p.isEmpty()) {
        return "Impossibile salvare il file \"" + percorso +
               "\": il documento non si è potuto comporre";
    }
    if (auto errore = scrivifile(percorso, d)) {
        return errore;
    }
    return scrivifile(percorsopdf(percorso), p);
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
    const QByteArray out = creadocx(*s_->doc, s_->pagine);
    s_->apriblocco();
    return out;
}

QByteArray ScrittoreDocumento::pdf() {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter scrittore(&buffer);
        scrittore.setCreator("Zocal");
        scrittore.setTitle(s_->doc->begin().text());
        disegnapagine(scrittore);
    }
    return out;
}

void ScrittoreDocumento::disegnapagine(QPagedPaintDevice& dispositivo) {
    s_->completa();
    const Pagine disegno(*s_->doc, s_->pagine);
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
    if (pagina >= 0 && pagina < s_->pagine) {
        Pagine(*s_->doc, s_->pagine).disegna(pittore, pagina);
    }
    s_->apriblocco();
}

bool apridocumento(const std::string& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

} // namespace zocal
