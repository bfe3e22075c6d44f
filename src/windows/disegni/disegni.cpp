// The program's pictures: the toolbar's, the toolbar's overflow arrows and
// the sunflower of the start-up screen. They are drawn once, when the
// program is built, and the program carries the finished images.
#include "disegni.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace zocal::disegni {

namespace {

// The toolbar's pictures, drawn on a 32-unit square.
using Disegno = std::function<void(QPainter&)>;

QImage disegna(const Disegno& disegno) {
    QImage immagine(64, 64, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    disegno(p);
    p.end();
    return immagine;
}

const QColor contorno(40, 40, 40);

// Every caption is drawn with one font, scaled to its size: each further
// font size would cost a font lookup of its own at start.
void scritta(QPainter& p, const QRectF& r, const QString& testo, double punti, const QColor& c) {
    constexpr double base = 20;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(base));
    f.setBold(true);
    const double k = punti / base;
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.translate(r.center());
    p.scale(k, k);
    p.drawText(QRectF(-r.width() / (2 * k), -r.height() / (2 * k), r.width() / k, r.height() / k),
               Qt::AlignCenter, testo);
    p.restore();
}

void dischetto(QPainter& p, const QColor& corpo) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(corpo);
    QPainterPath d;
    d.moveTo(4, 4);
    d.lineTo(24, 4);
    d.lineTo(28, 8);
    d.lineTo(28, 28);
    d.lineTo(4, 28);
    d.closeSubpath();
    p.drawPath(d);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(8, 17, 16, 11));
}

void foglio(QPainter& p) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(Qt::white);
    QPainterPath f;
    f.moveTo(7, 3);
    f.lineTo(20, 3);
    f.lineTo(26, 9);
    f.lineTo(26, 29);
    f.lineTo(7, 29);
    f.closeSubpath();
    p.drawPath(f);
}

void finestrina(QPainter& p, const QString& numero) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(3, 5, 26, 6));
    scritta(p, QRectF(3, 11, 26, 16), numero, 14, QColor(0, 0, 128));
}

} // namespace

QImage iconabarra(int posizione) {
    switch (posizione) {
    case 1: // open: a folder
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(230, 180, 40));
            p.drawRect(QRectF(3, 9, 24, 18));
            p.drawRect(QRectF(3, 6, 10, 4));
            p.setBrush(QColor(255, 214, 90));
            QPainterPath aperta;
            aperta.moveTo(7, 14);
            aperta.lineTo(30, 14);
            aperta.lineTo(26, 27);
            aperta.lineTo(3, 27);
            aperta.closeSubpath();
            p.drawPath(aperta);
        });
    case 2: // save under the current name: the green disk
        return disegna([](QPainter& p) { dischetto(p, QColor(46, 139, 87)); });
    case 3: // save under a new name: the black disk
        return disegna([](QPainter& p) {
            dischetto(p, QColor(45, 45, 45));
            scritta(p, QRectF(8, 17, 16, 11), QStringLiteral("..."), 9, contorno);
        });
    case 4: // delete: a sheet struck out
        return disegna([](QPainter& p) {
            foglio(p);
            p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 11), QPointF(23, 24));
            p.drawLine(QPointF(23, 11), QPointF(10, 24));
        });
    case 6: // print: a printer
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(170, 170, 170));
            p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 20, 14, 9));
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.drawLine(QPointF(11, 24), QPointF(21, 24));
            p.drawLine(QPointF(11, 27), QPointF(19, 27));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 180, 60));
            p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
        });
    case 8:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("1")); });
    case 9:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("2")); });
    case 10:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("3")); });
    case 12: // background colour: a palette
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(222, 184, 135));
            p.drawEllipse(QRectF(3, 5, 26, 22));
            p.setPen(Qt::NoPen);
            const QColor colori[] = {QColor(220, 40, 40), QColor(40, 160, 40), QColor(40, 80, 220),
                                     QColor(250, 210, 40)};
            const QPointF posti[] = {{10, 11}, {17, 9}, {23, 13}, {22, 20}};
            for (int k = 0; k < 4; ++k) {
                p.setBrush(colori[k]);
                p.drawEllipse(posti[k], 3, 3);
            }
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(11, 20), 3, 3);
        });
    case 14: // help contents: a book with a question mark
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(30, 90, 180));
            p.drawRoundedRect(QRectF(6, 3, 21, 26), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 25, 21, 4));
            scritta(p, QRectF(6, 3, 21, 22), QStringLiteral("?"), 18, Qt::white);
        });
    case 15: // tips: a light bulb
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(255, 230, 80));
            p.drawEllipse(QRectF(7, 2, 18, 18));
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(QRectF(12, 19, 8, 7));
            p.drawLine(QPointF(12, 22), QPointF(20, 22));
            p.drawRoundedRect(QRectF(13, 26, 6, 3), 1, 1);
        });
    case 16: // product support: a life buoy
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 16), 13, 13);
            p.setBrush(QColor(220, 40, 40));
            for (int k = 0; k < 4; ++k) {
                p.drawPie(QRectF(3, 3, 26, 26), (k * 90 + 20) * 16, 50 * 16);
            }
            p.setBrush(QColor(240, 240, 240));
            p.drawEllipse(QPointF(16, 16), 6, 6);
        });
    case 17: // about: the information sign
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(30, 90, 180));
            p.drawEllipse(QPointF(16, 16), 13, 13);
            scritta(p, QRectF(3, 3, 26, 26), QStringLiteral("i"), 20, Qt::white);
        });
    case 19: // data check: the "ABC" button
        return disegna([](QPainter& p) {
            scritta(p, QRectF(0, 2, 32, 18), QStringLiteral("ABC"), 12, QColor(0, 0, 128));
            p.setPen(QPen(QColor(30, 150, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            QPainterPath spunta;
            spunta.moveTo(9, 22);
            spunta.lineTo(14, 28);
            spunta.lineTo(25, 17);
            p.drawPath(spunta);
        });
    case 20: // clear: an eraser
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.translate(16, 16);
            p.rotate(-35);
            p.setBrush(QColor(240, 128, 160));
            p.drawRoundedRect(QRectF(-13, -6, 16, 12), 2, 2);
            p.setBrush(QColor(70, 110, 200));
            p.drawRoundedRect(QRectF(3, -6, 10, 12), 2, 2);
        });
    case 21: // exit: a door and an arrow
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(150, 90, 40));
            p.drawRect(QRectF(4, 3, 15, 26));
            p.setBrush(QColor(250, 210, 40));
            p.drawEllipse(QPointF(16, 16), 1.5, 1.5);
            p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(17, 16), QPointF(29, 16));
            p.drawLine(QPointF(24, 11), QPointF(29, 16));
            p.drawLine(QPointF(24, 21), QPointF(29, 16));
        });
    case 22: // the limit-state check: a footing under a load, and "NTC"
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(190, 190, 190));
            p.drawRect(QRectF(8, 19, 16, 6));
            p.setBrush(QColor(200, 110, 80));
            p.drawRect(QRectF(13, 12, 6, 7));
            p.setPen(QPen(QColor(150, 110, 70), 1.5));
            p.drawLine(QPointF(2, 19), QPointF(30, 19));
            p.setPen(QPen(QColor(0, 140, 60), 2.5, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(16, 1), QPointF(16, 8));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 140, 60));
            QPainterPath punta;
            punta.moveTo(16, 12);
            punta.lineTo(12, 7);
            punta.lineTo(20, 7);
            punta.closeSubpath();
            p.drawPath(punta);
            scritta(p, QRectF(0, 24, 32, 8), QStringLiteral("NTC"), 8, QColor(0, 0, 128));
        });
    default:
        return {};
    }
}

QImage estensione(bool orizzontale) {
    // Two arrows pointing where the hidden buttons are.
    return disegna([orizzontale](QPainter& p) {
        if (!orizzontale) {
            p.translate(32, 0);
            p.rotate(90);
        }
        p.setPen(QPen(contorno, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const double x : {8.0, 17.0}) {
            QPainterPath freccia;
            freccia.moveTo(x, 8);
            freccia.lineTo(x + 8, 16);
            freccia.lineTo(x, 24);
            p.drawPath(freccia);
        }
    });
}

QImage girasole(int lato) {
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 100.0;
    const QPointF centro(50 * u, 40 * u);

    // Stem and leaf first, so the flower covers their ends.
    p.setPen(QPen(QColor(46, 125, 50), 4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50 * u, 60 * u), QPointF(50 * u, 98 * u));
    QPainterPath foglia;
    foglia.moveTo(50 * u, 82 * u);
    foglia.quadTo(70 * u, 68 * u, 84 * u, 76 * u);
    foglia.quadTo(68 * u, 90 * u, 50 * u, 82 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(67, 160, 71));
    p.drawPath(foglia);

    for (int anello = 0; anello < 2; ++anello) {
        const int petali = 16;
        p.setBrush(anello == 0 ? QColor(249, 168, 37) : QColor(253, 216, 53));
        for (int k = 0; k < petali; ++k) {
            p.save();
            p.translate(centro);
            p.rotate(360.0 * k / petali + anello * 180.0 / petali);
            p.drawEllipse(QPointF(0, -(anello == 0 ? 24 : 21) * u), 5.5 * u, 13 * u);
            p.restore();
        }
    }
    p.setBrush(QColor(93, 64, 55));
    p.drawEllipse(centro, 15 * u, 15 * u);
    // The seeds on a golden-angle spiral.
    p.setBrush(QColor(62, 39, 35));
    const double aureo = std::numbers::pi * (3 - std::sqrt(5.0));
    for (int k = 1; k < 60; ++k) {
        const double r = 1.8 * u * std::sqrt(static_cast<double>(k));
        const QPointF seme(centro.x() + r * std::cos(k * aureo),
                           centro.y() + r * std::sin(k * aureo));
        p.drawEllipse(seme, 0.9 * u, 0.9 * u);
    }
    return immagine;
}

} // namespace zocal::disegni
