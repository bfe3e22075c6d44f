#include "campitesto.h"

#include "zocal/resize/clsresize.h"
#include "zocal/resize/misure.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zocal::campitesto {

void senzalimite(QLineEdit* campo) {
    // A job file is at most 16 MB, so no text of it is longer.
    campo->setMaxLength(16 * 1024 * 1024);
}

void posa(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(pixel(left), pixel(top), pixel(width), pixel(height));
}

void colora(QWidget* w, const QColor& sfondo) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, sfondo);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

namespace {

QScrollArea* nuovoscorrimento(QWidget* genitore, QWidget* contenuto) {
    auto* scorrimento = new QScrollArea(genitore);
    scorrimento->setObjectName(QStringLiteral("scorrimento"));
    scorrimento->setFrameShape(QFrame::NoFrame);
    // Not a stop of the tab order: the keys go from field to field.
    scorrimento->setFocusPolicy(Qt::NoFocus);
    scorrimento->setWidgetResizable(true);
    scorrimento->setWidget(contenuto);
    return scorrimento;
}

} // namespace

QWidget* scorrevole(QWidget* finestra) {
    auto* contenuto = new QWidget;
    contenuto->setObjectName(QStringLiteral("contenuto"));
    auto* tutto = new QVBoxLayout(finestra);
    tutto->setContentsMargins(0, 0, 0, 0);
    tutto->addWidget(nuovoscorrimento(finestra, contenuto));
    return contenuto;
}

QWidget* preparasuperficie(QMainWindow& finestra, const char* titolo) {
    finestra.setWindowTitle(QString::fromUtf8(titolo));
    auto* superficie = new QWidget;
    superficie->setObjectName(QStringLiteral("superficie"));
    finestra.setCentralWidget(nuovoscorrimento(&finestra, superficie));
    colora(&finestra, grigio);
    colora(superficie, grigio);
    // A narrow sans-serif of the designed metrics: the captions were laid
    // out for it and a wider face would spill out of their cells.
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPointSizeF(7.5);
    carattere.setHintingPreference(QFont::PreferFullHinting);
    finestra.setFont(carattere);
    return superficie;
}

QPushButton* nuovotasto(QWidget* superficie, const char* nome, const char* testo, int left,
                        const char* suggerimento, int top, int width, int height) {
    auto* b = new QPushButton(QString::fromUtf8(testo), superficie);
    b->setObjectName(QString::fromUtf8(nome));
    b->setToolTip(QString::fromUtf8(suggerimento));
    posa(b, left, top, width, height);
    return b;
}

QLabel* nuovopasso(QWidget* superficie, int left, int width) {
    auto* passo = new QLabel(superficie);
    passo->setObjectName(QStringLiteral("passo"));
    passo->setTextFormat(Qt::PlainText);
    passo->setWordWrap(true);
    passo->setFrameStyle(QFrame::Box | QFrame::Plain);
    passo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    passo->setToolTip(
        QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    colora(passo, giallo);
    posa(passo, left, 5640, width, 450);
    return passo;
}

namespace {

constexpr int liberi = 4;         // pixels kept free across each line
constexpr double minimopunti = 6; // smaller is not readable on a screen

QRect spaziotesto(const QLabel* l) {
    const int m = l->margin();
    return l->contentsRect().adjusted(m + std::max(0, l->indent()), m, -m, -m);
}

// The widest line and the height of a label's text as the label breaks it
// at its present width.
QSize misuratesto(const QLabel* l, const QString& testo) {
    const QFontMetrics fm(l->font());
    if (!l->wordWrap()) {
        return {fm.horizontalAdvance(testo), fm.height()};
    }
    QTextLayout righe(testo, l->font());
    QTextOption a;
    a.setWrapMode(QTextOption::WordWrap);
    righe.setTextOption(a);
    righe.beginLayout();
    qreal largo = 0;
    qreal alto = 0;
    for (QTextLine riga = righe.createLine(); riga.isValid(); riga = righe.createLine()) {
        riga.setLineWidth(spaziotesto(l).width());
        largo = std::max(largo, riga.naturalTextWidth());
        alto += riga.height();
    }
    righe.endLayout();
    return {static_cast<int>(std::ceil(largo)), static_cast<int>(std::ceil(alto))};
}

} // namespace

bool stanelriquadro(const QLabel* l) {
    const QRect r = spaziotesto(l);
    const QSize t = misuratesto(l, l->text());
    return t.width() <= r.width() - liberi && (!l->wordWrap() || t.height() <= r.height());
}

QSize necessario(const QWidget* c) {
    const QString campione = c->property(proprietacampione).toString();
    const QFontMetrics fm(c->font());
    if (const auto* l = qobject_cast<const QLabel*>(c)) {
        const QString testo = campione.isEmpty() ? l->text() : campione;
        if (testo.isEmpty()) {
            return {};
        }
        // Greedy breaking at the widest line's width breaks where it did:
        // the label may narrow to it and keep its height.
        const QRect r = spaziotesto(l);
        const QSize t = misuratesto(l, testo);
        return {t.width() + liberi + l->width() - r.width(), t.height() + l->height() - r.height()};
    }
    if (const auto* e = qobject_cast<const QLineEdit*>(c)) {
        if (campione.isEmpty()) {
            return {}; // a text field scrolls its text by design
        }
        QStyleOptionFrame o;
        o.initFrom(e);
        o.rect = e->rect();
        o.lineWidth =
            e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
        const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e);
        // The field's own margins around the text (2 a side, 1 above and
        // below) and the cursor after the last digit.
        const QMargins m = e->textMargins();
        return {fm.horizontalAdvance(campione) + 2 * 2 + 1 + m.left() + m.right() + e->width() -
                    r.width(),
                fm.height() + 2 + m.top() + m.bottom() + e->height() - r.height()};
    }
    if (const auto* b = qobject_cast<const QPushButton*>(c)) {
        QStyleOptionButton o;
        o.initFrom(b);
        QString testo = b->text();
        testo.remove(QLatin1Char('&'));
        return {fm.horizontalAdvance(testo) +
                    b->style()->pixelMetric(QStyle::PM_ButtonMargin, &o, b),
                fm.height()};
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(c)) {
        // The title with the frame's corner on each side; the height is the contents'.
        return {QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16, 0};
    }
    return {};
}

QSize minimocontenuto(const QWidget& finestra) {
    const auto* s = finestra.findChild<QScrollArea*>(QStringLiteral("scorrimento"));
    if (s == nullptr || s->widget() == nullptr) {
        return finestra.minimumSizeHint();
    }
    const QWidget* c = s->widget();
    const auto* principale = qobject_cast<const QMainWindow*>(&finestra);
    return c->minimumSize().expandedTo(c->minimumSizeHint()) +
           QSize(0, principale != nullptr ? barre(*principale) : 0);
}

int barre(const QMainWindow& finestra) {
    int alto =
        finestra.menuBar()->actions().isEmpty() ? 0 : finestra.menuBar()->sizeHint().height();
    for (const QToolBar* t :
         finestra.findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        alto += t->sizeHint().height();
    }
    return alto;
}

namespace {

void applica(QWidget& finestra, QRect r, QMargins m, QRect area) {
    QSize minima = minimocontenuto(finestra);
    if (!area.isEmpty()) {
        minima = minima.boundedTo(area.size().shrunkBy(m));
    }
    finestra.setMinimumSize(minima);
    finestra.move(r.topLeft());
    finestra.resize(r.size().shrunkBy(m).expandedTo(minima));
}

} // namespace

void portanelloschermo(QWidget& finestra) {
    const QRect area = areadisponibile(finestra);
    const QMargins m = cornice(finestra);
    applica(finestra, nelloschermo(QRect(finestra.pos(), finestra.size().grownBy(m)), area), m,
            area);
}

void accosta(QWidget& finestra, const QWidget* altra) {
    const QMargins m = cornice(finestra);
    if (altra == nullptr || !altra->isVisible()) {
        portanelloschermo(finestra);
        return;
    }
    const QRect area = areadisponibile(*altra);
    // Where the user left it, once it has been shown.
    const QRect attuale = finestra.property("collocata").toBool()
                              ? QRect(finestra.pos(), finestra.size().grownBy(m))
                              : QRect();
    finestra.setProperty("collocata", true);
    const QRect r = accanto(finestra.size().grownBy(m), minimocontenuto(finestra).grownBy(m),
                            altra->frameGeometry(), area, attuale);
    applica(finestra, r, m, area);
}

void adattadidascalia(QLabel* l) {
    if (l->text().isEmpty() || stanelriquadro(l)) {
        return;
    }
    QFont f = l->font();
    f.setFamily(f.family() + QStringLiteral(" Narrow"));
    l->setFont(f);
    for (double punti = f.pointSizeF() - 0.25; !stanelriquadro(l) && punti >= minimopunti;
         punti -= 0.25) {
        f.setPointSizeF(punti);
        l->setFont(f);
    }
}

void imposta(QLabel* l, const QString& testo) {
    if (l->text() != testo) {
        l->setText(testo);
    }
}

} // namespace zocal::campitesto
