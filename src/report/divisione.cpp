#include "divisione.h"

#include "blocchi.h"
#include "impaginazione.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zocal::divisione {

namespace ip = impaginazione;

namespace {

// Width of the text of a page: A4 less its two margins.
constexpr double larghezzatesto = ip::larghezzapx - 2 * ip::marginemm * ip::pxmm;

double puntidi(const QTextCharFormat& f, double predefinito) {
    const double p = f.fontPointSize();
    return p > 0 ? p : predefinito;
}

// Where a cell's text may be cut: at the start of a paragraph, or inside one.
struct Taglio {
    int posizione;
    bool inizioblocco;
};

// The cuts that leave no piece of the cell taller than `limite`.
std::vector<Taglio> tagli(const QTextTable& t, int r, int c, double larghezza, Stima& stima,
                          double limite) {
    std::vector<Taglio> out;
    double accumulata = 0;
    auto aggiungi = [&](int posizione, bool inizio, double h) {
        if (accumulata > 0 && accumulata + h > limite) {
            out.push_back({posizione, inizio});
            accumulata = 0;
        }
        accumulata += h;
    };
    blocchi::blocchidi(t, r, c, [&](const QTextBlock& b) {
        const double h = stima.altezza(b, larghezza);
        const int lunghezza = b.length() - 1;
        if (h <= limite || lunghezza < 2) {
            aggiungi(b.position(), true, h);
            return;
        }
        // A paragraph taller than a cell may be: pieces of it, cut after a
        // blank when there is one near.
        const int pezzi = static_cast<int>(std::ceil(h / limite)) + 1;
        const int passo = std::max(1, lunghezza / pezzi);
        const QString testo = b.text();
        for (int inizio = 0; inizio < lunghezza;) {
            int fine = std::min(lunghezza, inizio + passo);
            if (fine < lunghezza) {
                for (int k = fine; k > std::max(inizio + 1, fine - 64); --k) {
                    if (testo[k - 1] == u' ') {
                        fine = k;
                        break;
                    }
                }
            }
            aggiungi(b.position() + inizio, inizio == 0,
                     h * (fine - inizio) / static_cast<double>(lunghezza));
            inizio = fine;
        }
    });
    return out;
}

} // namespace

double Stima::massima(const QString& famiglia, double punti) {
    const auto chiave = std::make_pair(famiglia, punti);
    auto it = massime_.find(chiave);
    if (it == massime_.end()) {
        QFont f(carattere_);
        f.setFamilies(QStringList{famiglia});
        f.setPointSizeF(punti);
        const double m = dispositivo_ != nullptr ? QFontMetricsF(f, dispositivo_).maxWidth()
                                                 : QFontMetricsF(f).maxWidth();
        // Characters of other faces (a fallback for a script the face lacks)
        // are taken as an em wide at least.
        it = massime_.emplace(chiave, std::max(m, punti * ip::pxpunto)).first;
    }
    return it->second;
}

QString Stima::famigliadi(const QTextCharFormat& f) const {
    return f.fontFamilies().toStringList().value(0, carattere_.family());
}

// A block is estimated at most (2 + separators + characters) lines of its
// largest size, each character as wide as the widest, on a line at least an
// em wide: summed over the blocks of a run, below (3 em + widest) a character.
double Stima::tetto(double caratteri) const {
    if (em_ <= 0) {
        return std::numeric_limits<double>::infinity();
    }
    return (3 * em_ + largo_) * ip::interlinea * (caratteri + 1);
}

double Stima::altezza(const QTextBlock& b, double larghezza) {
    double punti = 0;
    double ampiezza = 0;
    qsizetype separatori = 0;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fr = it.fragment();
        auto f = formati_.find(fr.charFormatIndex());
        if (f == formati_.end()) {
            const QTextCharFormat cf = fr.charFormat();
            const double p = puntidi(cf, carattere_.pointSizeF());
            f = formati_
                    .emplace(fr.charFormatIndex(), std::make_pair(p, massima(famigliadi(cf), p)))
                    .first;
            largo_ = std::max(largo_, f->second.second);
        }
        punti = std::max(punti, f->second.first);
        const QString testo = fr.text();
        ampiezza += static_cast<double>(testo.size()) * f->second.second;
        separatori += testo.count(QChar::LineSeparator);
    }
    if (punti <= 0) {
        punti = puntidi(b.charFormat(), carattere_.pointSizeF());
    }
    em_ = std::max(em_, punti * ip::pxpunto);
    const double righe = 1.0 + static_cast<double>(separatori) +
                         std::ceil(ampiezza / std::max(larghezza, punti * ip::pxpunto));
    return righe * punti * ip::interlinea * ip::pxpunto;
}

std::vector<double> Stima::larghezzecolonne(const QTextTable& t) {
    const QList<QTextLength> vincoli = t.format().columnWidthConstraints();
    std::vector<double> out;
    for (int colonna = 0; colonna < t.columns(); ++colonna) {
        double quota = 1.0 / std::max(1, t.columns());
        if (colonna < vincoli.size() && vincoli[colonna].type() == QTextLength::PercentageLength) {
            quota = vincoli[colonna].rawValue() / 100.0;
        }
        out.push_back(std::max(0.0, quota * larghezzatesto -
                                        2 * ip::spaziocellapunti * ip::pxpunto -
                                        2 * ip::bordopunti * ip::pxpunto));
    }
    return out;
}

double Stima::altezza(QTextDocument& doc) {
    double totale = 0;
    auto blocco = [&](const QTextBlock& b, double larghezza) {
        if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            totale += ip::altezzapx;
        }
        totale += altezza(b, larghezza);
    };
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
            const std::vector<double> larghezze = larghezzecolonne(*t);
            blocchi::blocchitabella(*t, [&](int, int c, const QTextBlock& b) {
                blocco(b, larghezze[static_cast<std::size_t>(c)]);
            });
        } else if (it.currentBlock().isValid()) {
            blocco(it.currentBlock(), larghezzatesto);
        }
    }
    return totale;
}

int rigafisica(const std::vector<int>& aggiunte, int riga) {
    int fisica = riga;
    for (int k = 0; k < riga && k < static_cast<int>(aggiunte.size()); ++k) {
        fisica += aggiunte[static_cast<std::size_t>(k)];
    }
    return fisica;
}

bool dividi(QTextTable& t, Stima& stima, double limite, std::vector<int>& aggiunte) {
    bool diviso = false;
    QTextDocument* doc = t.document();
    // Whole, the table's text could not fill a cell: nothing to split.
    if (stima.tetto(t.lastPosition() - t.firstPosition()) <= limite) {
        return false;
    }
    auto aggiuntedi = [&](int logica) {
        return logica < static_cast<int>(aggiunte.size())
                   ? aggiunte[static_cast<std::size_t>(logica)]
                   : 0;
    };
    // The caller's row that physical row r belongs to, where it starts and
    // how many rows it has.
    const std::vector<double> larghezze = Stima::larghezzecolonne(t);
    int logica = 0;
    int inizio = 0;
    for (int r = 0; r < t.rows(); ++r) {
        if (r > inizio + aggiuntedi(logica)) {
            ++logica;
            inizio = r;
        }
        for (int c = 0; c < t.columns(); ++c) {
            const std::vector<Taglio> taglio =
                tagli(t, r, c, larghezze[static_cast<std::size_t>(c)], stima, limite);
            if (taglio.empty()) {
                continue;
            }
            const int k = static_cast<int>(taglio.size());
            // Rows that already continue this one (another column was split)
            // take the pieces first: this column is empty in them.
            const int esistenti = inizio + aggiuntedi(logica) - r;
            const int nuove = std::max(0, k - esistenti);
            if (nuove > 0) {
                const int dove = r + 1 + esistenti;
                t.insertRows(dove, nuove);
                // The new rows look like the one they continue.
                for (int j = dove; j < dove + nuove; ++j) {
                    for (int cc = 0; cc < t.columns(); ++cc) {
                        const QTextTableCell fonte = t.cellAt(r, cc);
                        QTextTableCell nuova = t.cellAt(j, cc);
                        nuova.setFormat(fonte.format());
                        QTextCursor cur = nuova.firstCursorPosition();
                        const QTextBlock primo = fonte.firstCursorPosition().block();
                        cur.setBlockFormat(primo.blockFormat());
                        cur.setBlockCharFormat(primo.charFormat());
                    }
                }
                if (static_cast<int>(aggiunte.size()) <= logica) {
                    aggiunte.resize(static_cast<std::size_t>(logica) + 1, 0);
                }
                aggiunte[static_cast<std::size_t>(logica)] += nuove;
            }
            // The pieces move from the last: the cuts before stay where they are.
            for (int j = k - 1; j >= 0; --j) {
                QTextCursor sel(doc);
                sel.setPosition(taglio[static_cast<std::size_t>(j)].posizione);
                sel.setPosition(blocchi::finedi(t, r, c), QTextCursor::KeepAnchor);
                const QTextDocumentFragment pezzo = sel.selection();
                sel.removeSelectedText();
                if (taglio[static_cast<std::size_t>(j)].inizioblocco) {
                    sel.deletePreviousChar(); // the paragraph end left alone
                }
                QTextCursor dove = t.cellAt(r + 1 + j, c).firstCursorPosition();
                dove.insertFragment(pezzo);
            }
            diviso = true;
        }
    }
    return diviso;
}

} // namespace zocal::divisione
