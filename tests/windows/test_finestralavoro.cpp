#include "zocal/windows/finestralavoro.h"

#include "dialoghifinti.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/descrizione.h"
#include "zocal/windows/frontespizio.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The room a label gives its text: the contents less the margin and indent.
QRect spazio(const QLabel* l) {
    QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    if (l->indent() > 0) {
        r.adjust(l->indent(), 0, 0, 0);
    }
    return r;
}

// What of a caption does not fit its box, empty when all of it does. A
// caption that fills its box to the last pixel reads as one word with its
// neighbour, so one pixel stays free on each side.
std::string eccesso(const QLabel* l) {
    const QString testo = l->text();
    const QRect r = spazio(l);
    const int largo = r.width() - 4;
    if (!l->wordWrap()) {
        const int w = QFontMetrics(l->font()).horizontalAdvance(testo);
        return w > largo ? "larga " + std::to_string(w) + " > " + std::to_string(largo) : "";
    }
    // Broken into lines at the label's whole width, as it draws them.
    QTextDocument documento;
    documento.setDefaultFont(l->font());
    documento.setDocumentMargin(0);
    QTextOption a = documento.defaultTextOption();
    a.setWrapMode(QTextOption::WordWrap); // a word too long stays whole, as in a label
    documento.setDefaultTextOption(a);
    documento.setPlainText(testo);
    documento.setTextWidth(r.width());
    const int alto = static_cast<int>(documento.size().height()); // lays the text out
    std::string fuori;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* righe = b.layout();
        for (int k = 0; k < righe->lineCount(); ++k) {
            const QTextLine riga = righe->lineAt(k);
            const QString pezzo = testo.mid(riga.textStart(), riga.textLength()).trimmed();
            const int w = QFontMetrics(l->font()).horizontalAdvance(pezzo);
            if (w > largo) {
                fuori += "riga \"" + pezzo.toStdString() + "\" larga " + std::to_string(w) + " > " +
                         std::to_string(largo) + "; ";
            }
        }
    }
    if (alto > r.height()) {
        fuori += "alta " + std::to_string(alto) + " > " + std::to_string(r.height());
    }
    return fuori;
}

std::string eccesso(const QPushButton* b) {
    QStyleOptionButton o;
    o.initFrom(b);
    const int bordo = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &o, b);
    QString testo = b->text();
    testo.remove(QLatin1Char('&'));
    const int w = QFontMetrics(b->font()).horizontalAdvance(testo);
    const int largo = b->width() - bordo;
    return w > largo ? "larga " + std::to_string(w) + " > " + std::to_string(largo) : "";
}

std::string eccesso(const QGroupBox* g) {
    const int w = QFontMetrics(g->font()).horizontalAdvance(g->title());
    const int largo = g->width() - 16;
    return w > largo ? "larga " + std::to_string(w) + " > " + std::to_string(largo) : "";
}

// Every caption, button and frame title of a working window at its design
// size (or shrunk as far as it goes), with what spills out of its box.
void verifica(zocal::FinestraLavoro& w, bool ristretta = false) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    if (ristretta) {
        w.resize(1, 1);
        ASSERT_EQ(w.superficie->size(), w.superficie->minimumSize());
    } else {
        ASSERT_EQ(w.superficie->size(),
                  QSize(zocal::pixel(zocal::FinestraLavoro::larghezzaprogetto),
                        zocal::pixel(zocal::FinestraLavoro::altezzaprogetto)))
            << "not at its design size";
    }
    const std::string finestra = w.windowTitle().toStdString();
    // Numbers as wide as each box is meant for, shown whole: a field that
    // scrolls hides the leading digits ("1600" for 11600).
    for (QWidget* c : w.superficie->findChildren<QWidget*>()) {
        const QString campione = c->property("testopiulargo").toString();
        if (campione.isEmpty()) {
            continue;
        }
        if (auto* l = qobject_cast<QLabel*>(c)) {
            l->setText(campione);
        } else if (auto* e = qobject_cast<QLineEdit*>(c)) {
            const QSignalBlocker fermo(e);
            e->setText(campione);
            e->setCursorPosition(0);
            const int inizio = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            e->end(false);
            const int fine = e->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            EXPECT_EQ(fine - inizio, QFontMetrics(e->font()).horizontalAdvance(campione))
                << finestra << ": " << e->objectName().toStdString() << " scrolls its text";
        }
    }
    int contati = 0;
    for (const QLabel* l : w.superficie->findChildren<QLabel*>()) {
        // The guidance and the notes are messages in boxes of their own, not captions.
        const bool messaggio =
            l->objectName() == QLatin1String("passo") || l->objectName() == QLatin1String("note");
        if (l->text().isEmpty() || !l->isVisibleTo(&w) || messaggio) {
            continue;
        }
        ++contati;
        EXPECT_EQ(eccesso(l), "") << finestra << ": \"" << l->text().toStdString() << "\"";
    }
    for (const QPushButton* b : w.superficie->findChildren<QPushButton*>()) {
        EXPECT_EQ(eccesso(b), "") << finestra << ": \"" << b->text().toStdString() << "\"";
    }
    for (const QGroupBox* g : w.superficie->findChildren<QGroupBox*>()) {
        EXPECT_EQ(eccesso(g), "") << finestra << ": \"" << g->title().toStdString() << "\"";
    }
    EXPECT_GT(contati, 5) << finestra;
}

} // namespace

TEST(Didascalie, OgniDidascaliaStaNelSuoRiquadro) {
    DialoghiFinti dialoghi;
    zocal::DatiCalcolo dati;
    zocal::calcolo c(dati, dialoghi);
    verifica(c);
    zocal::descrizione d(dialoghi);
    verifica(d);
    zocal::frontespizio f(dialoghi);
    verifica(f);
}

// A window shrunk by the user stops where a text or a number would be cut.
TEST(Didascalie, OgniTestoStaAncheNellaFinestraPiuPiccola) {
    DialoghiFinti dialoghi;
    zocal::DatiCalcolo dati;
    zocal::calcolo c(dati, dialoghi);
    verifica(c, true);
    zocal::descrizione d(dialoghi);
    verifica(d, true);
    zocal::frontespizio f(dialoghi);
    verifica(f, true);
}
