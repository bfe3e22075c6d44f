#include "disegno.h"

#include "zocal/resize/clsresize.h"
#include "zocal/resize/misure.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace zocal::disegno {

void posa(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(pixel(left), pixel(top), pixel(width), pixel(height));
}

void colora(QWidget* w, const QColor& sfondo, const QColor& testo) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::Base, sfondo);
    if (testo.isValid()) {
        p.setColor(QPalette::WindowText, testo);
        p.setColor(QPalette::Text, testo);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void carattere(QWidget* w, double punti, bool grassetto) {
    // The narrow sans-serif of the working windows, whose metrics the
    // designs were laid out for.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    w->setFont(f);
}

QLabel* etichetta(QWidget* genitore, const QString& testo, int left, int top, int width,
                  int height) {
    auto* l = new QLabel(testo, genitore);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posa(l, left, top, width, height);
    return l;
}

QPushButton* tasto(QWidget* genitore, const char* nome, const QString& testo, int left, int top,
                   int width, int height, const char* suggerimento) {
    auto* b = new QPushButton(testo, genitore);
    b->setObjectName(QString::fromUtf8(nome));
    if (suggerimento != nullptr) {
        b->setToolTip(QString::fromUtf8(suggerimento));
    }
    posa(b, left, top, width, height);
    return b;
}

clsResize* dimensiona(QWidget* finestra, int larghezza, int altezza, int left) {
    finestra->resize(pixel(larghezza), pixel(altezza));
    auto* r = new clsResize(finestra);
    r->setSourceForm(finestra);
    r->SizeFormToScreen(75);
    // The platform draws the frame outside the size we set, so the size to
    // give is the designed inner one.
    finestra->resize(pixel(larghezza), pixel(altezza));
    // A hidden window gets its resize event only when shown: place the
    // controls now, so the window is right even before.
    r->ResizeControls();
    if (left >= 0) {
        finestra->move(pixel(left), finestra->y());
    }
    // At any scaling, on a screen with panels: all of it on the free area.
    nelloschermo(*finestra);
    return r;
}

} // namespace zocal::disegno
