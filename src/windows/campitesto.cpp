#include "campitesto.h"

#include "zocal/resize/clsresize.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTextLayout>

#include <algorithm>

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

QWidget* preparasuperficie(QMainWindow& finestra, const char* titolo) {
    finestra.setWindowTitle(QString::fromUtf8(titolo));
    auto* superficie = new QWidget(&finestra);
    superficie->setObjectName(QStringLiteral("superficie"));
    finestra.setCentralWidget(superficie);
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

} // namespace

bool stanelriquadro(const QLabel* l) {
    const QRect r = spaziotesto(l);
    if (!l->wordWrap()) {
        return QFontMetrics(l->font()).horizontalAdvance(l->text()) <= r.width() - liberi;
    }
    // The lines as the label breaks them, at its whole width.
    QTextLayout righe(l->text(), l->font());
    QTextOption a;
    a.setWrapMode(QTextOption::WordWrap);
    righe.setTextOption(a);
    righe.beginLayout();
    qreal alto = 0;
    bool entra = true;
    for (QTextLine riga = righe.createLine(); riga.isValid(); riga = righe.createLine()) {
        riga.setLineWidth(r.width());
        entra = entra && riga.naturalTextWidth() <= r.width() - liberi;
        alto += riga.height();
    }
    righe.endLayout();
    return entra && alto <= r.height();
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
