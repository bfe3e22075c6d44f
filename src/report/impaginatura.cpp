#include "statodocumento.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

// What the keep rules look at: a paragraph with text, or a table row. Its
// place on the page is measured only when a rule asks for it.
struct Unita {
    QTextBlock blocco;
    QTextTable* tabella = nullptr;
    int riga = 0;
    bool tenuta = false; // stays with the next one
    bool misurata = false;
    double alto = 0;  // top of the first line
    double basso = 0; // bottom of the last line
};

// Top of a block's first line and bottom of its last, as laid out.
std::pair<double, double> righedi(QAbstractTextDocumentLayout* l, const QTextBlock& b) {
    const QRectF r = l->blockBoundingRect(b);
    const QTextLayout* tl = b.layout();
    if (tl == nullptr || tl->lineCount() == 0) {
        return {r.top(), r.bottom()};
    }
    const QTextLine prima = tl->lineAt(0);
    const QTextLine ultima = tl->lineAt(tl->lineCount() - 1);
    return {r.top() + prima.y(), r.top() + ultima.y() + ultima.height()};
}

void misura(QAbstractTextDocumentLayout* l, Unita& u) {
    if (u.misurata) {
        return;
    }
    u.misurata = true;
    if (u.tabella == nullptr) {
        std::tie(u.alto, u.basso) = righedi(l, u.blocco);
        return;
    }
    u.alto = l->blockBoundingRect(u.blocco).top();
    u.basso = u.alto;
    for (int c = 0; c < u.tabella->columns(); ++c) {
        const QTextBlock ultimo = ultimodi(*u.tabella, u.riga, c);
        u.basso = std::max(u.basso, righedi(l, ultimo).second);
    }
}

// The bottom of a table's last row. (Qt's rectangle of the table itself
// would have the whole document laid out first.) The row's cell padding and
// border below it fall within the page's margin, on the same page.
double fondotabella(QAbstractTextDocumentLayout* l, QTextTable* t) {
    Unita u;
    u.tabella = t;
    u.riga = t->rows() - 1;
    u.blocco = primodi(t->cellAt(u.riga, 0), *t->document());
    misura(l, u);
    return u.basso;
}

// The height a block takes in the flow: its lines' spacing and its margins.
double altezzadi(QAbstractTextDocumentLayout* l, const QTextBlock& b) {
    l->blockBoundingRect(b); // laid out so far, at least
    const QTextBlockFormat bf = b.blockFormat();
    double h = bf.topMargin() + bf.bottomMargin();
    if (const QTextLayout* tl = b.layout()) {
        for (int i = 0; i < tl->lineCount(); ++i) {
            h += bf.lineHeight(tl->lineAt(i).height(), 1.0);
        }
    }
    return h;
}

bool forzata(const QTextBlock& b) {
    return (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) &&
           !b.blockFormat().hasProperty(interruzionemobile);
}

std::vector<Unita> unita(QTextDocument& doc) {
    std::vector<Unita> out;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
            for (int r = 0; r < t->rows(); ++r) {
                Unita u;
                u.tabella = t;
                u.riga = r;
                u.blocco = primodi(t->cellAt(r, 0), doc);
                u.tenuta = u.blocco.blockFormat().boolProperty(tienisegue);
                out.push_back(u);
            }
        } else if (const QTextBlock b = it.currentBlock(); b.isValid() && !vuoto(b)) {
            Unita u;
            u.blocco = b;
            u.tenuta = b.blockFormat().boolProperty(tienisegue);
            out.push_back(u);
        }
    }
    return out;
}

} // namespace

double ScrittoreDocumento::Stato::spaziatura(const QTextCharFormat& f, double punti) {
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

QString ScrittoreDocumento::Stato::famiglia_predefinita() const {
    return doc->defaultFont().family();
}

void ScrittoreDocumento::Stato::interlinea() {
    const double predefinito = doc->defaultFont().pointSizeF();
    QTextBlockFormat nuovo; // made again for another spacing only
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        // The largest text of the block sets its lines; an empty block
        // takes its own format's.
        const Interlinea* scelta = nullptr;
        bool figura = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const Interlinea& candidata =
                interlineadi(fr.charFormatIndex(), predefinito, [&] { return fr.charFormat(); });
            figura = figura || candidata.disegno;
            if (scelta == nullptr || candidata.punti > scelta->punti) {
                scelta = &candidata;
            }
        }
        if (scelta == nullptr) {
            scelta =
                &interlineadi(b.charFormatIndex(), predefinito, [&] { return b.charFormat(); });
        }
        // A picture's line is as tall as the picture: neither cut nor spaced.
        const double percento = figura ? 100.0 : scelta->percento;
        const QTextBlockFormat bf = b.blockFormat();
        if (bf.lineHeightType() != QTextBlockFormat::ProportionalHeight ||
            std::abs(bf.lineHeight() - percento) > 1e-6) {
            if (!nuovo.hasProperty(QTextFormat::LineHeight) || nuovo.lineHeight() != percento) {
                nuovo.setLineHeight(percento, QTextBlockFormat::ProportionalHeight);
            }
            QTextCursor(b).mergeBlockFormat(nuovo);
        }
    }
    // Qt draws no empty block right before a table, but keeps its top
    // margin: a paragraph of the text standing there becomes that room above
    // the table. (A margin of the table itself Qt would also take off the
    // foot of every page the table reaches, and add at the head of each.)
    for (QTextTable* t : tabelle) {
        const QTextBlock prima = doc->findBlock(t->firstPosition() - 1);
        if (!prima.isValid() || !vuoto(prima)) {
            continue;
        }
        double spazio = 0;
        if (prima.blockFormat().hasProperty(QTextFormat::PageBreakPolicy)) {
            // In whole device pixels, as Qt rounds a table's own lengths.
            spazio = std::round(puntidi(prima.charFormat(), doc->defaultFont().pointSizeF()) *
                                ip::interlinea * ip::pxpunto);
        }
        if (std::abs(prima.blockFormat().topMargin() - spazio) > 1e-6) {
            QTextBlockFormat bf;
            bf.setTopMargin(spazio);
            QTextCursor(prima).mergeBlockFormat(bf);
        }
    }
}

QTextTable* ScrittoreDocumento::Stato::tabellaprima(const QTextBlock& b) const {
    return tabelladi(b.previous());
}

void ScrittoreDocumento::Stato::togliblanchi() {
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
            fondo = fondotabella(l, tabelladi(p));
        } else if (dopotabella(p)) {
            fondo = fondotabella(l, tabellaprima(p));
        } else {
            fondo = righedi(l, p).second;
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
    togliparagrafi(posizioni);
}

void ScrittoreDocumento::Stato::togliparagrafi(std::vector<int> posizioni) {
    if (posizioni.empty()) {
        return;
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
    daccapodopo(posizioni.front() - 1);
}

void ScrittoreDocumento::Stato::toglimobili() {
    if (mobili == 0) {
        return;
    }
    mobili = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().hasProperty(interruzionemobile)) {
            QTextBlockFormat bf = b.blockFormat();
            bf.clearProperty(interruzionemobile);
            bf.clearProperty(QTextFormat::PageBreakPolicy);
            QTextCursor(b).setBlockFormat(bf);
        }
    }
    for (QTextTable* t : tabelle) {
        if (t->format().hasProperty(interruzionemobile)) {
            QTextTableFormat tf = t->format();
            tf.clearProperty(interruzionemobile);
            tf.clearProperty(QTextFormat::PageBreakPolicy);
            t->setFormat(tf);
        }
    }
}

void ScrittoreDocumento::Stato::adattapagine() {
    QAbstractTextDocumentLayout* l = doc->documentLayout();
    const double h = doc->pageSize().height();
    const double utile = h - 2 * ip::marginelogico * ip::dpi / 96.0;
    const auto pagina = [h](double y) { return static_cast<int>(std::floor(y / h)); };
    std::vector<int> posizioni;
    // One page at a time: the paragraphs from a forced break to the next;
    // pages with tables are left as they are.
    const QTextFrame* radice = doc->rootFrame();
    auto it = radice->begin();
    while (!it.atEnd()) {
        std::vector<QTextBlock> foglio;
        bool tabella = false;
        do {
            if (it.currentFrame() != nullptr) {
                tabella = true;
            } else if (it.currentBlock().isValid()) {
                foglio.push_back(it.currentBlock());
            }
            ++it;
        } while (!it.atEnd() && !(it.currentFrame() == nullptr && it.currentBlock().isValid() &&
                                  forzata(it.currentBlock())));
        if (tabella || foglio.empty()) {
            continue;
        }
        double totale = 0;
        const QTextBlock* primo = nullptr;
        const QTextBlock* ultimo = nullptr;
        for (const QTextBlock& p : foglio) {
            totale += altezzadi(l, p);
            if (!vuoto(p)) {
                primo = primo != nullptr ? primo : &p;
                ultimo = &p;
            }
        }
        if (primo == nullptr ||
            pagina(righedi(l, *primo).first + 0.5) == pagina(righedi(l, *ultimo).second - 0.5)) {
            continue;
        }
        // Runs of empty paragraphs; the first paragraph of the page carries
        // its break and stays.
        std::vector<std::vector<const QTextBlock*>> serie;
        bool inserie = false;
        for (std::size_t i = 1; i < foglio.size(); ++i) {
            if (vuoto(foglio[i])) {
                if (!inserie) {
                    serie.emplace_back();
                }
                serie.back().push_back(&foglio[i]);
                inserie = true;
            } else {
                inserie = false;
            }
        }
        double disponibile = 0;
        for (const auto& s : serie) {
            for (const QTextBlock* e : s) {
                disponibile += altezzadi(l, *e);
            }
        }
        const double eccesso = totale - utile;
        if (eccesso <= 0 || disponibile < eccesso) {
            continue;
        }
        double tolto = 0;
        while (tolto < eccesso) {
            // The longest run gives first; of two alike, the later.
            std::vector<const QTextBlock*>* piulunga = nullptr;
            for (auto& s : serie) {
                if (!s.empty() && (piulunga == nullptr || s.size() >= piulunga->size())) {
                    piulunga = &s;
                }
            }
            if (piulunga == nullptr) {
                break;
            }
            const QTextBlock* e = piulunga->back();
            piulunga->pop_back();
            tolto += altezzadi(l, *e);
            posizioni.push_back(e->position());
        }
    }
    togliparagrafi(posizioni);
}

void ScrittoreDocumento::Stato::tienicatene() {
    const double h = doc->pageSize().height();
    const double utile = h - 2 * ip::marginelogico * ip::dpi / 96.0;
    const auto pagina = [h](double y) { return static_cast<int>(std::floor(y / h)); };
    QAbstractTextDocumentLayout* l = doc->documentLayout();
    std::vector<Unita> u = unita(*doc);
    const auto alto = [&](std::size_t k) {
        misura(l, u[k]);
        return u[k].alto;
    };
    const auto basso = [&](std::size_t k) {
        misura(l, u[k]);
        return u[k].basso;
    };
    const auto movibile = [](const Unita& x) { return x.tabella == nullptr || x.riga == 0; };
    // First on its page: a break before it would move nothing.
    const auto incima = [&](std::size_t k) {
        return k == 0 || pagina(basso(k - 1) - 0.5) < pagina(alto(k) + 0.5);
    };
    // A move lays out again only what follows it: the runs before it stand,
    // and the units before it keep their measures.
    int mosse = 0;
    for (std::size_t i = 0; i < u.size() && mosse < 200;) {
        if (!u[i].tenuta) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < u.size() && u[j].tenuta) {
            ++j;
        }
        const std::size_t fine = j < u.size() ? j : j - 1;
        const std::size_t inizio = i;
        i = j;
        bool mossa = false;
        // From the unit that moves: the first that can, with the rest of the
        // run still fitting on one page.
        for (std::size_t k = inizio; k < fine; ++k) {
            if (pagina(alto(k) + 0.5) == pagina(basso(fine) - 0.5)) {
                break; // from here on the run stands on one page
            }
            if (!movibile(u[k]) || incima(k)) {
                continue;
            }
            double altezza = basso(fine) - alto(k);
            for (std::size_t m = k + 1; m <= fine; ++m) {
                if (pagina(alto(m) + 0.5) > pagina(basso(m - 1) - 0.5)) {
                    altezza -= alto(m) - basso(m - 1);
                }
            }
            if (altezza > utile) {
                continue;
            }
            apriblocco();
            if (u[k].tabella != nullptr) {
                QTextTableFormat tf = u[k].tabella->format();
                tf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                tf.setProperty(interruzionemobile, true);
                u[k].tabella->setFormat(tf);
            } else {
                QTextBlockFormat bf;
                bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                bf.setProperty(interruzionemobile, true);
                QTextCursor(u[k].blocco).mergeBlockFormat(bf);
            }
            daccapodopo(u[k].blocco.position());
            chiudiblocco();
            ++mobili;
            ++mosse;
            for (std::size_t m = k; m < u.size(); ++m) {
                u[m].misurata = false;
            }
            mossa = true;
            break;
        }
        if (mossa) {
            i = inizio; // the run again, as it now stands
        }
    }
}

void ScrittoreDocumento::Stato::daccapodopo(int posizione) {
    doc->markContentsDirty(posizione, doc->characterCount() - posizione);
}

bool ScrittoreDocumento::Stato::aggiornacampi() {
    const QString testo = QString::number(pagine);
    bool cambiati = false;
    for (QTextCursor& c : campi) {
        const int inizio = c.position();
        const QTextBlock b = doc->findBlock(inizio);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            if (fr.position() != inizio) {
                continue;
            }
            if (fr.charFormat().hasProperty(campoconteggio) && fr.text() != testo) {
                apriblocco();
                QTextCursor s(doc.get());
                s.setPosition(inizio);
                s.setPosition(inizio + fr.length(), QTextCursor::KeepAnchor);
                s.insertText(testo, fr.charFormat());
                chiudiblocco();
                c.setPosition(inizio);
                cambiati = true;
            }
            break;
        }
    }
    return cambiati;
}

void ScrittoreDocumento::Stato::completa(bool definitivo) {
    materializza();
    if (troppolungo && !cambiato) {
        return;
    }
    if (!cambiato && allineamenti && !definitivo) {
        if (!riallineate) {
            riallinea();
            riallineate = true;
        }
        return;
    }
    if (!cambiato) {
        allineamenti = false;
        chiudiblocco();
        pagine = doc->pageCount();
        return;
    }
    cambiato = false;
    allineamenti = false;
    limita();
    if (troppolungo) {
        pagine = 0;
        return;
    }
    interlinea();
    toglimobili();
    // The page rules below measure front to back, and each of their edits
    // lays out again from where it is. Laid out lazily, as far as they have
    // measured, that is a few lines; laid out whole, it would be the whole
    // rest of the document at every edit.
    doc->setLayoutEnabled(false);
    chiudiblocco();
    doc->setLayoutEnabled(true);
    adattapagine();
    togliblanchi();
    // The keep rules, then the page count fields; a count that changes the
    // layout starts another round. It settles in one or two.
    for (int giro = 0; giro < 8; ++giro) {
        tienicatene();
        pagine = doc->pageCount();
        if (!aggiornacampi()) {
            break;
        }
    }
    pagine = doc->pageCount();
}

void ScrittoreDocumento::Stato::primadiallineare() {
    materializza();
    if (cambiato) {
        completa();
    }
    apriblocco();
}

void ScrittoreDocumento::Stato::riallinea() {
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

} // namespace zocal
