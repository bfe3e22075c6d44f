#include "pagine.h"

#include "blocchi.h"
#include "impaginazione.h"

#include <QAbstractTextDocumentLayout>

#include <algorithm>
#include <cmath>

namespace zocal {

namespace ip = impaginazione;
using namespace blocchi;

Pagine::Pagine(QTextDocument& doc, int pagine, bool numerate)
    : l_(*doc.documentLayout()), numerate_(numerate), carattere_(doc.defaultFont()),
      altezza_(doc.pageSize().height()), larghezza_(doc.pageSize().width()),
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

void Pagine::piede(QPainter& p, int i) const {
    const double basso = (i + 1) * altezza_ - ip::piedetw / 1440.0 * ip::dpi;
    const QString testo = QString("pag. %1 di %2").arg(i + 1).arg(pagine_.size());
    // In the layout's pixels: a size in points would follow the device's
    // resolution, not the layout's.
    QFont f = carattere_;
    f.setPixelSize(static_cast<int>(std::lround(ip::piedepunti * ip::pxpunto)));
    p.setFont(f);
    p.setPen(QPen(Qt::black));
    const double alto = basso - 2 * ip::piedepunti * ip::pxpunto;
    p.drawText(QRectF(0, alto, larghezza_, basso - alto), Qt::AlignHCenter | Qt::AlignBottom,
               testo);
}

void Pagine::disegna(QPainter& p, int i) const {
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
    const std::vector<std::size_t> nessuno;
    const std::vector<std::size_t>& suquesta = static_cast<std::size_t>(i) < pagine_.size()
                                                   ? pagine_[static_cast<std::size_t>(i)].blocchi
                                                   : nessuno;
    for (const std::size_t k : suquesta) {
        const Blocco& b = blocchi_[k];
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
    if (numerate_ && i > 0 && static_cast<std::size_t>(i) < pagine_.size()) {
        piede(p, i);
    }
    p.restore();
}

void Pagine::aggiungi(const QTextBlock& b, const QPointF& origine) {
    QTextLayout* l = b.layout();
    const bool sfondo = b.blockFormat().hasProperty(QTextFormat::BackgroundBrush);
    if (l == nullptr || (vuoto(b) && !sfondo) || !b.isVisible()) {
        return;
    }
    const QRectF r = l->boundingRect();
    const double alto = origine.y() + l->position().y() + r.top();
    if (pagine_.empty()) {
        return;
    }
    // A block over several pages is drawn once a page; without its cache,
    // each drawing breaks its whole text into runs again, which makes a
    // long paragraph cost its length times its pages.
    if (pagina(alto) != pagina(alto + r.height())) {
        l->setCacheEnabled(true);
    }
    // Each page draws its own blocks only: a look at every block of the
    // document for every page would cost blocks times pages.
    for (int p = pagina(alto); p <= pagina(alto + r.height()); ++p) {
        pagine_[static_cast<std::size_t>(p)].blocchi.push_back(blocchi_.size());
    }
    blocchi_.push_back({b, l, origine, alto, alto + r.height(), sfondo});
}

int Pagine::pagina(double y) const {
    return std::clamp(static_cast<int>(std::floor(y / altezza_)), 0,
                      static_cast<int>(pagine_.size()) - 1);
}

double Pagine::larghezza(const QTextBlock& b) {
    const QTextLayout* l = b.layout();
    if (l == nullptr || l->lineCount() == 0) {
        return 0;
    }
    const QTextLine riga = l->lineAt(0);
    const QTextBlockFormat bf = b.blockFormat();
    const double scala = bf.leftMargin() > 0 ? riga.x() / bf.leftMargin() : 1.0;
    return riga.x() + riga.width() + bf.rightMargin() * scala;
}

double Pagine::fondo(const QTextTable& t, int r, int c) const {
    const QTextBlock b = ultimodi(t, r, c);
    const QTextLayout* l = b.layout();
    const double alto = l_.blockBoundingRect(b).top();
    if (l == nullptr || l->lineCount() == 0) {
        return alto;
    }
    const QTextLine riga = l->lineAt(l->lineCount() - 1);
    const QTextBlockFormat bf = b.blockFormat();
    return alto + riga.y() + bf.lineHeight(riga.height(), 1.0) + bf.bottomMargin();
}

void Pagine::griglia(QTextTable& t) {
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
    // The text stands inside each cell by the table's padding.
    const QTextTableFormat tf = t.format();
    const double spazio = tf.cellPadding() * ip::dpi / 96.0;
    std::vector<double> origx(static_cast<std::size_t>(colonne));
    std::vector<double> origy(static_cast<std::size_t>(righe));
    for (int c = 0; c < colonne; ++c) {
        const QTextBlock b = primodi(t.cellAt(0, c), *t.document());
        const double x = l_.blockBoundingRect(b).left();
        sinistra[static_cast<std::size_t>(c)] = x - spazio;
        destra[static_cast<std::size_t>(c)] = x + larghezza(b) + spazio;
        origx[static_cast<std::size_t>(c)] = x - (b.layout() ? b.layout()->position().x() : 0);
    }
    for (int r = 0; r < righe; ++r) {
        const QTextBlock b = primodi(t.cellAt(r, 0), *t.document());
        const double y = l_.blockBoundingRect(b).top();
        alto[static_cast<std::size_t>(r)] = y - spazio;
        origy[static_cast<std::size_t>(r)] = y - (b.layout() ? b.layout()->position().y() : 0);
    }
    blocchitabella(t, [&](int r, int c, const QTextBlock& b) {
        aggiungi(b,
                 QPointF(origx[static_cast<std::size_t>(c)], origy[static_cast<std::size_t>(r)]));
    });
    // Each cell's edge and its neighbour's (or the table's) between two
    // cells; they are equal when there is no spacing.
    const double g = colonne > 1 ? sinistra[1] - destra[0]
                                 : (2 * tf.border() + tf.cellSpacing()) * ip::dpi / 96.0;
    for (int r = 0; r < righe; ++r) {
        const auto k = static_cast<std::size_t>(r);
        if (r + 1 < righe && pagina(alto[k + 1]) == pagina(alto[k])) {
            basso[k] = alto[k + 1] - g;
        } else {
            // The last row, or the next one went over to the next page.
            double b = alto[k] + spazio;
            for (int c = 0; c < colonne; ++c) {
                b = std::max(b, fondo(t, r, c));
            }
            basso[k] = b + spazio;
        }
    }

    // The rows drawn on each page. A row taller than what is left of its
    // page goes on over the next ones: it is drawn in pieces, each closed at
    // the bottom margin, the next starting at its first line there. A table
    // that runs onto a page draws its heading rows again above the first
    // row, or piece of a row, there, in the room the layout left for them.
    struct Disegnata {
        int r;
        double alto;
        double basso;
    };
    const double margine = ip::marginemm * ip::pxmm;
    std::vector<std::vector<Disegnata>> gruppi;
    int paginagruppo = -1;
    const auto pezzo = [&](int p, const Disegnata& d) {
        if (p != paginagruppo) {
            gruppi.emplace_back();
            paginagruppo = p;
        }
        gruppi.back().push_back(d);
    };
    for (int r = 0; r < righe; ++r) {
        const auto k = static_cast<std::size_t>(r);
        const int p0 = pagina(alto[k]);
        const int p1 = pagina(basso[k] - 0.5);
        if (p1 <= p0) {
            pezzo(p0, {r, alto[k], basso[k]});
            continue;
        }
        // Where the row's lines begin on each page it reaches.
        std::map<int, double> inizio;
        for (int c = 0; c < colonne; ++c) {
            blocchidi(t, r, c, [&](const QTextBlock& b) {
                const QTextLayout* l = b.layout();
                if (l == nullptr) {
                    return;
                }
                const double y = l_.blockBoundingRect(b).top();
                for (int i = 0; i < l->lineCount(); ++i) {
                    const double riga = y + l->lineAt(i).y();
                    auto [it, nuovo] = inizio.emplace(pagina(riga + 0.5), riga);
                    if (!nuovo) {
                        it->second = std::min(it->second, riga);
                    }
                }
            });
        }
        for (const auto& [p, riga] : inizio) {
            const double su = p == p0 ? alto[k] : riga - spazio;
            const double giu = p == p1 ? basso[k] : (p + 1) * altezza_ - margine;
            if (giu > su) {
                pezzo(p, {r, su, giu});
            }
        }
    }
    const int intestazione = std::min(tf.headerRowCount(), righe);
    if (intestazione > 0) {
        for (auto& gruppo : gruppi) {
            const Disegnata primo = gruppo.front();
            if (primo.r < intestazione && primo.alto == alto[static_cast<std::size_t>(primo.r)]) {
                continue; // the table starts here, with its own heading
            }
            const double dy = primo.alto - alto[static_cast<std::size_t>(intestazione)];
            std::vector<Disegnata> testa;
            for (int r = 0; r < intestazione; ++r) {
                const auto k = static_cast<std::size_t>(r);
                testa.push_back({r, alto[k] + dy, basso[k] + dy});
                for (int c = 0; c < colonne; ++c) {
                    const QPointF origine(origx[static_cast<std::size_t>(c)], origy[k] + dy);
                    blocchidi(t, r, c, [&](const QTextBlock& b) { aggiungi(b, origine); });
                }
            }
            gruppo.insert(gruppo.begin(), testa.begin(), testa.end());
        }
    }

    // Cell colours, a run of equal neighbours in one rectangle. Cells
    // of one format share their colour.
    std::map<int, QBrush> pennelli;
    auto pennello = [&](int r, int c) -> const QBrush& {
        const QTextTableCell cella = t.cellAt(r, c);
        auto it = pennelli.find(cella.tableCellFormatIndex());
        if (it == pennelli.end()) {
            it = pennelli.emplace(cella.tableCellFormatIndex(), cella.format().background()).first;
        }
        return it->second;
    };
    // A rectangle goes to every page it reaches: a row taller than what is
    // left of its page goes on over the next ones.
    auto metti = [&](Strato Pagina::*strato, QRgb colore, const QRectF& r) {
        for (int p = pagina(r.top()); p <= pagina(r.bottom()); ++p) {
            (pagine_[static_cast<std::size_t>(p)].*strato)[colore].push_back(r);
        }
    };
    for (const auto& gruppo : gruppi) {
        for (const Disegnata& d : gruppo) {
            int c = 0;
            while (c < colonne) {
                const QBrush& colore = pennello(d.r, c);
                int fine = c + 1;
                while (fine < colonne && pennello(d.r, fine) == colore) {
                    ++fine;
                }
                if (colore.style() != Qt::NoBrush) {
                    const double x0 = sinistra[static_cast<std::size_t>(c)];
                    const double x1 = destra[static_cast<std::size_t>(fine) - 1];
                    metti(&Pagina::sfondi, colore.color().rgba(),
                          QRectF(x0, d.alto, x1 - x0, d.basso - d.alto));
                }
                c = fine;
            }
        }
    }

    if (tf.border() <= 0 || tf.borderStyle() == QTextFrameFormat::BorderStyle_None || g <= 0) {
        return;
    }
    const QRgb colore = tf.borderBrush().style() != Qt::NoBrush ? tf.borderBrush().color().rgba()
                                                                : QColor(Qt::darkGray).rgba();
    // The rows of each page, with their lines.
    for (const auto& gruppo : gruppi) {
        auto linea = [&](double x, double y, double w, double h) {
            metti(&Pagina::linee, colore, QRectF(x, y, w, h));
        };
        const double x0 = sinistra[0] - g;
        const double x1 = destra[static_cast<std::size_t>(colonne) - 1] + g;
        const double y0 = gruppo.front().alto - g;
        const double y1 = gruppo.back().basso + g;
        linea(x0, y0, x1 - x0, g);
        for (std::size_t i = 0; i + 1 < gruppo.size(); ++i) {
            linea(x0, gruppo[i].basso, x1 - x0, gruppo[i + 1].alto - gruppo[i].basso);
        }
        linea(x0, gruppo.back().basso, x1 - x0, g);
        linea(x0, y0, g, y1 - y0);
        for (int c = 0; c + 1 < colonne; ++c) {
            const auto k = static_cast<std::size_t>(c);
            linea(destra[k], y0, sinistra[k + 1] - destra[k], y1 - y0);
        }
        linea(x1 - g, y0, g, y1 - y0);
    }
}

} // namespace zocal
