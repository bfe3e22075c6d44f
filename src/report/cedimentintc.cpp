#include "zocal/report/cedimentintc.h"

#include "zocal/core/ntc/righecedimenti.h"
#include "zocal/core/regole.h"
#include "zocal/report/sezionentc.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

QString numero(double valore, int decimali) {
    return QString::fromStdString(scrividecimali(valore, decimali));
}

} // namespace

void disegnacedimenti(QPainter& p, const QRectF& area, const VerificaNtc& v) {
    const double corpo = std::clamp(area.height() * 0.04, 7.0, 16.0);
    const double riga = corpo * 1.5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(corpo))));
    p.setFont(f);
    const QColor nero(30, 30, 30);
    const double tratto = std::max(1.0, corpo / 10);
    const CurvaCedimento curva = curvacedimento(v, 60);
    if (curva.punti.empty() || !(curva.profondita > 0)) {
        p.setPen(nero);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromStdString(v.calcolata && v.cedimento ? v.cedimento->nota
                                                                     : "Cedimenti non calcolati"));
        p.restore();
        return;
    }
    const Cedimento& c = *v.cedimento;
    const QColor colore = c.verificata ? coloreverificata : colorenonverificata;
    // The layers on the left, the curve on the right, one depth scale for both.
    const double cima = area.top() + riga * 2;
    const double fondo = area.bottom() - riga * 2;
    const double scala = (fondo - cima) / curva.profondita;
    const auto y = [&](double z) { return cima + z * scala; };
    const QRectF colonna(area.left() + area.width() * 0.02, cima, area.width() * 0.40,
                         fondo - cima);
    const QRectF grafico(area.left() + area.width() * 0.55, cima, area.width() * 0.40,
                         fondo - cima);

    p.setPen(QPen(nero, tratto));
    const auto& strati = c.quasipermanente.strati;
    for (std::size_t i = 0; i < strati.size(); ++i) {
        const CedimentoStrato& s = strati[i];
        const QRectF r(colonna.left(), y(s.ztop), colonna.width(), y(s.zbottom) - y(s.ztop));
        p.setBrush(i % 2 ? QColor(225, 205, 170) : QColor(205, 180, 140));
        p.drawRect(r);
        p.drawText(r.adjusted(corpo * 0.3, 0, -corpo * 0.3, 0),
                   Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                   QStringLiteral("%1: Eed %2 MPa, s %3 cm")
                       .arg(i + 1)
                       .arg(QString::fromStdString(scrivinumero(s.Eed)))
                       .arg(numero(s.s, decimalicedimenti)));
    }
    p.setBrush(Qt::NoBrush);

    // Axes: depth down from the base, the stress increase across.
    p.drawLine(grafico.topLeft(), grafico.bottomLeft());
    p.drawLine(grafico.topLeft(), grafico.topRight());
    p.drawText(QRectF(grafico.left(), area.top(), grafico.width(), riga * 1.8),
               Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Δσ (kPa), pnet = %1").arg(numero(curva.massimo, decimalikPa)));
    const double base = curva.massimo > 0 ? curva.massimo : 1;
    QPainterPath linea;
    for (std::size_t i = 0; i < curva.punti.size(); ++i) {
        const auto [z, ds] = curva.punti[i];
        const QPointF q(grafico.left() + ds / base * grafico.width(), y(z));
        i == 0 ? linea.moveTo(q) : linea.lineTo(q);
    }
    p.setPen(QPen(colore, tratto * 2));
    p.drawPath(linea);
    // A tenth of the effective overburden: z* is where the curve meets it.
    QPainterPath soglia;
    bool dentro = false;
    for (std::size_t i = 0; i < curva.soglia.size(); ++i) {
        if (curva.soglia[i] > base) {
            break; // past the right of the drawing
        }
        const QPointF q(grafico.left() + curva.soglia[i] / base * grafico.width(),
                        y(curva.punti[i].first));
        dentro ? soglia.lineTo(q) : soglia.moveTo(q);
        dentro = true;
    }
    if (dentro) {
        p.setPen(QPen(nero, tratto, Qt::DotLine));
        p.drawPath(soglia);
        // Named at its deep end, on the side with room.
        const QPointF fine = soglia.currentPosition();
        const bool destra = area.right() - fine.x() > corpo * 6;
        const QRectF posto = destra ? QRectF(fine.x() + corpo * 0.3, fine.y() - riga * 2,
                                             area.right() - fine.x(), riga)
                                    : QRectF(grafico.left(), fine.y() - riga * 2,
                                             fine.x() - grafico.left() - corpo * 0.3, riga);
        p.drawText(posto, (destra ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom,
                   QStringLiteral("0,1·σ′v0"));
    }

    // The depth of influence across both.
    if (std::isfinite(c.zinfluenza) && c.zinfluenza > 0) {
        p.setPen(QPen(QColor(40, 90, 200), tratto, Qt::DashLine));
        p.drawLine(QPointF(colonna.left(), y(c.zinfluenza)),
                   QPointF(grafico.right(), y(c.zinfluenza)));
        p.drawText(QRectF(grafico.left() + corpo * 0.3, y(c.zinfluenza), grafico.width(), riga),
                   Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("z* = %1 m").arg(numero(c.zinfluenza, decimalimetri)));
    }

    QFont g = f;
    g.setBold(true);
    p.setFont(g);
    p.setPen(colore);
    p.drawText(
        QRectF(area.left(), fondo + riga * 0.3, area.width(), riga * 1.5), Qt::AlignCenter,
        QStringLiteral("s = %1 cm, slim = %2 cm: %3")
            .arg(numero(c.quasipermanente.s, decimalicedimenti))
            .arg(QString::fromStdString(scrivinumero(c.slim)))
            .arg(QString::fromUtf8(c.verificata ? testoverificatantc : testononverificatantc)));
    p.restore();
}

} // namespace zocal
