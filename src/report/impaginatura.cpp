#include "statodocumento.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace zocal {

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
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        // The largest text of the block sets its lines; an empty block
        // takes its own format's.
        const std::pair<double, double>* scelta = nullptr;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const auto& candidata =
                interlineadi(fr.charFormatIndex(), predefinito, [&] { return fr.charFormat(); });
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
            spazio = puntidi(prima.charFormat(), doc->defaultFont().pointSizeF()) * ip::interlinea *
                     ip::logicopunto;
        }
        QTextTableFormat tf = t->format();
        if (std::abs(tf.topMargin() - spazio) > 1e-6) {
            tf.setTopMargin(spazio);
            t->setFormat(tf);
        }
    }
}

QTextTable* ScrittoreDocumento::Stato::tabellaprima(const QTextBlock& b) const {
    return QTextCursor(b.previous()).currentTable();
}

bool ScrittoreDocumento::Stato::togliblanchi() {
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

void ScrittoreDocumento::Stato::completa(bool definitivo) {
    materializza();
    if (troppolungo && !cambiato) {
        return;
    }
    if (!cambiato && allineamenti && !definitivo) {
        riallinea();
        return;
    }
    const bool passi = cambiato;
    cambiato = false;
    allineamenti = false;
    if (passi) {
        limita();
        if (troppolungo) {
            pagine = 0;
            return;
        }
        interlinea();
    }
    chiudiblocco();
    doc->pageCount();
    if (passi && togliblanchi()) {
        doc->pageCount();
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
