#include "zocal/resize/misure.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace zocal {

QSize misuraminima(QSize progetto, const std::vector<Ingombro>& controlli) {
    double rx = 0;
    double ry = 0;
    for (const Ingombro& c : controlli) {
        // A control drawn with no width or height at the design size cannot
        // be scaled up to any: it sets no bound.
        if (c.progetto.width() > 0) {
            rx = std::max(rx, double(c.necessario.width()) / c.progetto.width());
        }
        if (c.progetto.height() > 0) {
            ry = std::max(ry, double(c.necessario.height()) / c.progetto.height());
        }
    }
    return {static_cast<int>(std::ceil(rx * progetto.width())),
            static_cast<int>(std::ceil(ry * progetto.height()))};
}

QRect nelloschermo(QRect cornice, QRect disponibile) {
    if (disponibile.isEmpty()) {
        return cornice;
    }
    cornice.setSize(cornice.size().boundedTo(disponibile.size()));
    cornice.moveLeft(
        std::clamp(cornice.left(), disponibile.left(), disponibile.right() - cornice.width() + 1));
    cornice.moveTop(
        std::clamp(cornice.top(), disponibile.top(), disponibile.bottom() - cornice.height() + 1));
    return cornice;
}

namespace {

enum class Lato { destra, sinistra, sotto, sopra };

// The free part of the area on one side of the other window.
QRect spazio(Lato lato, QRect altra, QRect d) {
    QRect r;
    switch (lato) {
    case Lato::destra:
        r = QRect(QPoint(altra.right() + 1, d.top()), d.bottomRight());
        break;
    case Lato::sinistra:
        r = QRect(d.topLeft(), QPoint(altra.left() - 1, d.bottom()));
        break;
    case Lato::sotto:
        r = QRect(QPoint(d.left(), altra.bottom() + 1), d.bottomRight());
        break;
    case Lato::sopra:
        r = QRect(d.topLeft(), QPoint(d.right(), altra.top() - 1));
        break;
    }
    // The other window may stand partly or wholly off the area.
    return r.intersected(d);
}

// A frame of size s in room r, against the other window and level with it.
QRect posa(Lato lato, QSize s, QRect r, QRect altra) {
    QRect f(QPoint(), s);
    switch (lato) {
    case Lato::destra:
        f.moveTopLeft({r.left(), altra.top()});
        break;
    case Lato::sinistra:
        f.moveTopLeft({r.right() - s.width() + 1, altra.top()});
        break;
    case Lato::sotto:
        f.moveTopLeft({altra.left(), r.top()});
        break;
    case Lato::sopra:
        f.moveTopLeft({altra.left(), r.bottom() - s.height() + 1});
        break;
    }
    return nelloschermo(f, r);
}

bool contiene(QSize spazio, QSize s) {
    return spazio.width() >= s.width() && spazio.height() >= s.height();
}

long long area(QSize s) {
    return static_cast<long long>(std::max(0, s.width())) * std::max(0, s.height());
}

} // namespace

QRect accanto(QSize voluta, QSize minima, QRect altra, QRect disponibile, QRect attuale) {
    if (disponibile.isEmpty()) {
        return QRect(attuale.isValid() ? attuale.topLeft() : QPoint(), voluta);
    }
    if (attuale.isValid() && disponibile.contains(attuale) && !attuale.intersects(altra)) {
        return attuale;
    }
    // No smaller than its minimum, no larger than the screen.
    voluta = voluta.expandedTo(minima).boundedTo(disponibile.size());
    minima = minima.boundedTo(voluta);
    constexpr std::array lati{Lato::destra, Lato::sinistra, Lato::sotto, Lato::sopra};
    for (Lato lato : lati) {
        const QRect r = spazio(lato, altra, disponibile);
        if (contiene(r.size(), voluta)) {
            return posa(lato, voluta, r, altra);
        }
    }
    // The side with most room: shrunk to it when it holds the minimum.
    Lato migliore = lati.front();
    long long piu = -1;
    for (Lato lato : lati) {
        const QRect r = spazio(lato, altra, disponibile);
        const long long a = area(voluta.boundedTo(r.size()));
        if (contiene(r.size(), minima) && a > piu) {
            piu = a;
            migliore = lato;
        }
    }
    if (piu >= 0) {
        const QRect r = spazio(migliore, altra, disponibile);
        return posa(migliore, voluta.boundedTo(r.size()), r, altra);
    }
    // Too small a screen to stand beside: against the edge with most room.
    for (Lato lato : lati) {
        const QRect r = spazio(lato, altra, disponibile);
        const long long a = area(r.size());
        if (r.isValid() && a > piu) {
            piu = a;
            migliore = lato;
        }
    }
    QRect f(QPoint(), voluta);
    switch (migliore) {
    case Lato::destra:
        f.moveTopLeft({disponibile.right() - voluta.width() + 1, altra.top()});
        break;
    case Lato::sinistra:
        f.moveTopLeft({disponibile.left(), altra.top()});
        break;
    case Lato::sotto:
        f.moveTopLeft({altra.left(), disponibile.bottom() - voluta.height() + 1});
        break;
    case Lato::sopra:
        f.moveTopLeft({altra.left(), disponibile.top()});
        break;
    }
    return nelloschermo(f, disponibile);
}

QRect areadisponibile(const QWidget& finestra) {
    const QWidget* w = finestra.window();
    QScreen* s = QGuiApplication::screenAt(w->frameGeometry().center());
    if (s == nullptr) {
        s = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    }
    return s != nullptr ? s->availableGeometry() : QRect();
}

QMargins cornice(const QWidget& finestra) {
    const QRect f = finestra.frameGeometry();
    const QRect g = finestra.geometry();
    if (f != g) {
        return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                f.bottom() - g.bottom()};
    }
    // Never drawn yet: a title bar as tall as two lines of the desktop's text.
    const int titolo = 2 * QFontMetrics(QApplication::font()).height() + 4;
    return {4, titolo, 4, 4};
}

void nelloschermo(QWidget& finestra) {
    const QMargins m = cornice(finestra);
    const QRect r =
        nelloschermo(QRect(finestra.pos(), finestra.size().grownBy(m)), areadisponibile(finestra));
    finestra.move(r.topLeft());
    finestra.resize(r.size().shrunkBy(m));
}

} // namespace zocal
