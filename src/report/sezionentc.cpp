#include "zocal/report/sezionentc.h"

#include "zocal/core/regole.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

QString metri(const char* nome, double valore) {
    return QString::fromUtf8(nome) + QStringLiteral(" = ") +
           QString::fromStdString(scrividecimali(valore, decimalimetri)) + QStringLiteral(" m");
}

QString kpa(double valore) {
    return QString::fromStdString(scrividecimali(valore, decimalikPa)) + QStringLiteral(" kPa");
}

} // namespace

SezioneNtc geometriasezione(const VerificaNtc& v, const QRectF& area) {
    SezioneNtc s;
    const double w = area.width();
    const double h = area.height();
    s.corpo = std::clamp(h * 0.045, 7.0, 18.0);
    const double riga = s.corpo * 1.5;
    if (!v.calcolata) {
        s.colore = QColor(90, 90, 90);
        s.testi.push_back({QRectF(area.left(), area.top() + h * 0.35, w, riga),
                           QStringLiteral("Verifica NTC 2018 non eseguita"), Qt::AlignCenter});
        s.testi.push_back(
            {QRectF(area.left() + w * 0.05, area.top() + h * 0.35 + riga, w * 0.9, riga * 3),
             QString::fromStdString(v.nota), Qt::AlignHCenter | Qt::AlignTop});
        return s;
    }
    s.calcolata = true;
    s.fondazionecls = v.fondazionecls;
    s.colore = v.tutteverificate() ? coloreverificata : colorenonverificata;

    // The section takes the left 60%, the bars the right, the verdict the bottom line.
    const QRectF sezione(area.left() + w * 0.03, area.top() + h * 0.04, w * 0.57, h * 0.80);
    const double suolo = sezione.top() + sezione.height() * 0.45;
    const bool conBp = v.estesa && std::isfinite(v.Bp) && v.Bp < v.B;
    // Room for the width's dimensions.
    const double sotto = sezione.bottom() - riga * (conBp ? 3.4 : 2);
    const double B = v.B;
    const double D = v.D;
    // One scale both ways, so that the footing keeps its proportions; a wall
    // wider than the footing is drawn as it is, and said.
    const bool murolargo = v.spessoremuro > B;
    double scala = sezione.width() * 0.55 / std::max(B, v.spessoremuro);
    if (D > 0) {
        scala = std::min(scala, (sotto - suolo) / D);
    }
    const double larga = B * scala;
    const double alta = std::max(D * scala, 2.0);
    const double centro = sezione.left() + sezione.width() * 0.42;
    s.fondazione = QRectF(centro - larga / 2, suolo, larga, alta);
    const double spessore =
        std::max(v.spessoremuro > 0 ? v.spessoremuro * scala : larga * 0.5, 2.0);
    const double cima = sezione.top() + sezione.height() * 0.18;
    const double asse = centro + std::clamp(v.eccmuro * scala, 0.0, larga / 2);
    s.muro = QRectF(asse - spessore / 2, cima, spessore, suolo - cima);
    s.terreno = QLineF(sezione.left(), suolo, sezione.right(), suolo);
    if (murolargo) {
        s.testi.push_back(
            {QRectF(sezione.left(), sezione.top(), centro - sezione.left() - riga * 0.5, riga * 2),
             QStringLiteral("muro più largo della fondazione"), Qt::AlignRight | Qt::AlignTop});
    }
    s.freccia = QLineF(asse, sezione.top(), asse, cima);
    if (v.Hd > 0) {
        // Across the wall at its height above the base, kept on the drawing.
        const double y = std::clamp(s.fondazione.bottom() - v.zH * scala, cima + riga, suolo);
        s.forza = QLineF(s.muro.left() - riga * 3, y, s.muro.left(), y);
        s.testi.push_back(
            {QRectF(sezione.left(), y - riga * 1.2, s.muro.left() - sezione.left(), riga),
             QStringLiteral("Hd = ") + QString::fromStdString(scrividecimali(v.Hd, decimalikN)) +
                 QStringLiteral(" kN/m"),
             Qt::AlignRight | Qt::AlignBottom});
    }
    if (v.zw && suolo + *v.zw * scala <= sotto) {
        const double y = suolo + *v.zw * scala;
        s.falda = QLineF(sezione.left(), y, sezione.right(), y);
        s.testi.push_back({QRectF(sezione.left(), y - riga, sezione.width() * 0.3, riga),
                           QStringLiteral("falda"), Qt::AlignLeft | Qt::AlignBottom});
    }
    s.testi.push_back({QRectF(asse + riga * 0.5, sezione.top(), sezione.right() - asse, riga),
                       QStringLiteral("Ed = ") +
                           QString::fromStdString(scrividecimali(v.Ed, decimalikN)) +
                           QStringLiteral(" kN/m"),
                       Qt::AlignLeft | Qt::AlignVCenter});

    const double yB = s.fondazione.bottom() + riga * 0.6;
    s.quotaB = QLineF(s.fondazione.left(), yB, s.fondazione.right(), yB);
    s.testi.push_back(
        {QRectF(centro - sezione.width() / 2, yB + riga * 0.15, sezione.width(), riga),
         metri("B", B), Qt::AlignHCenter | Qt::AlignTop});
    if (conBp) {
        // The resultant lies e to the side of the offset and the force.
        const double yBp = yB + riga * 1.4;
        s.quotaBp = QLineF(s.fondazione.right() - v.Bp * scala, yBp, s.fondazione.right(), yBp);
        s.testi.push_back(
            {QRectF(centro - sezione.width() / 2, yBp + riga * 0.15, sezione.width(), riga),
             metri("B′", v.Bp), Qt::AlignHCenter | Qt::AlignTop});
    }
    const double xD = s.fondazione.right() + riga * 0.6;
    s.quotaD = QLineF(xD, suolo, xD, s.fondazione.bottom());
    s.testi.push_back(
        {QRectF(xD + riga * 0.3, suolo, sezione.right() - xD, alta).adjusted(0, -riga, 0, riga),
         metri("D", D), Qt::AlignLeft | Qt::AlignVCenter});

    // The bars: the design pressure against the design resistance, one scale.
    const double Ed = v.Ed / B;
    const double Rd = v.Rd / B;
    const double massimo = std::max({Ed, Rd, 1e-12});
    const double base = area.top() + h * 0.78;
    const double tetto = area.top() + h * 0.10 + riga;
    const double larghezzabarra = w * 0.10;
    const double x1 = area.left() + w * 0.66;
    const double x2 = area.left() + w * 0.83;
    auto barra = [&](double x, double valore) {
        const double altezza = std::max(0.0, valore) / massimo * (base - tetto);
        return QRectF(x, base - altezza, larghezzabarra, altezza);
    };
    s.barraEd = barra(x1, Ed);
    s.barraRd = barra(x2, Rd);
    const auto etichette = [&](const QRectF& b, const char* nome, double valore) {
        s.testi.push_back({QRectF(b.center().x() - w * 0.09, b.top() - riga, w * 0.18, riga),
                           kpa(valore), Qt::AlignHCenter | Qt::AlignBottom});
        s.testi.push_back({QRectF(b.center().x() - w * 0.09, base, w * 0.18, riga),
                           QString::fromUtf8(nome), Qt::AlignHCenter | Qt::AlignTop});
    };
    etichette(s.barraEd, "Ed/B", Ed);
    etichette(s.barraRd, "Rd/B", Rd);

    s.testi.push_back(
        {QRectF(area.left(), area.bottom() - riga * 1.2, w, riga),
         QString::fromUtf8(v.tutteverificate() ? testoverificatantc : testononverificatantc) +
             QStringLiteral("   Ed/Rd = ") + QString::fromStdString(testoEdRd(v)),
         Qt::AlignCenter});
    return s;
}

void disegnasezione(QPainter& p, const QRectF& area, const VerificaNtc& v) {
    const SezioneNtc s = geometriasezione(v, area);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(s.corpo))));
    p.setFont(f);
    const QColor nero(30, 30, 30);
    const double tratto = std::max(1.0, s.corpo / 10);

    if (s.calcolata) {
        // Ground: the line and its hatching on the soil side, broken by the wall.
        p.setPen(QPen(QColor(120, 80, 40), tratto * 1.5));
        p.drawLine(s.terreno);
        p.setPen(QPen(QColor(150, 110, 70), tratto * 0.8));
        const double passo = s.corpo * 0.8;
        for (double x = s.terreno.x1(); x + passo < s.terreno.x2(); x += passo) {
            if (x + passo > s.fondazione.left() && x < s.fondazione.right()) {
                continue;
            }
            p.drawLine(QPointF(x + passo, s.terreno.y1()), QPointF(x, s.terreno.y1() + passo));
        }
        // The wall in brick; the footing in concrete grey when it has a
        // weight of its own, else of the wall's masonry.
        const QColor mattone(200, 110, 80);
        p.setPen(QPen(nero, tratto));
        p.setBrush(s.fondazionecls ? QColor(190, 190, 190) : mattone);
        p.drawRect(s.fondazione);
        p.setBrush(mattone);
        p.drawRect(s.muro);

        // Dimensions.
        p.setPen(QPen(nero, tratto * 0.8));
        p.drawLine(s.quotaD);
        const double t = s.corpo * 0.3;
        for (const QLineF& quota : {s.quotaB, s.quotaBp}) {
            if (quota.isNull()) {
                continue;
            }
            p.drawLine(quota);
            for (const QPointF& q : {quota.p1(), quota.p2()}) {
                p.drawLine(q + QPointF(0, -t), q + QPointF(0, t));
            }
        }
        for (const QPointF& q : {s.quotaD.p1(), s.quotaD.p2()}) {
            p.drawLine(q + QPointF(-t, 0), q + QPointF(t, 0));
        }

        if (!s.falda.isNull()) {
            p.setPen(QPen(QColor(40, 90, 200), tratto, Qt::DashLine));
            p.drawLine(s.falda);
        }

        // The design loads.
        const double testa = s.corpo * 0.8;
        for (const QLineF& f : {s.freccia, s.forza}) {
            if (f.isNull()) {
                continue;
            }
            // Drawn along the arrow's own direction, tip last.
            const QPointF punta = f.p2();
            const QPointF verso = (f.p2() - f.p1()) / f.length();
            const QPointF lato(-verso.y(), verso.x());
            p.setPen(QPen(s.colore, tratto * 2.5, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(f.p1(), punta - verso * testa * 0.8);
            QPainterPath triangolo;
            triangolo.moveTo(punta);
            triangolo.lineTo(punta - verso * testa + lato * testa * 0.5);
            triangolo.lineTo(punta - verso * testa - lato * testa * 0.5);
            triangolo.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(s.colore);
            p.drawPath(triangolo);
        }

        // The bars: the pressure solid, the resistance lighter, both in the verdict's colour.
        p.setPen(QPen(nero, tratto * 0.8));
        p.setBrush(s.colore);
        p.drawRect(s.barraEd);
        // Lighter by mixing with white, not by transparency, which PDF/A-1 forbids.
        const auto schiarito = [](int c) { return 255 - (255 - c) * 90 / 255; };
        p.setBrush(QColor(schiarito(s.colore.red()), schiarito(s.colore.green()),
                          schiarito(s.colore.blue())));
        p.drawRect(s.barraRd);
        p.drawLine(QPointF(s.barraEd.left() - t, s.barraEd.bottom()),
                   QPointF(s.barraRd.right() + t, s.barraRd.bottom()));
    }

    p.setBrush(Qt::NoBrush);
    for (std::size_t k = 0; k < s.testi.size(); ++k) {
        const TestoSezione& ts = s.testi[k];
        // The last line of a computed section is the verdict.
        const bool esito = s.calcolata && k + 1 == s.testi.size();
        QFont g = f;
        g.setBold(esito || !s.calcolata);
        p.setFont(g);
        p.setPen(esito || !s.calcolata ? s.colore : nero);
        p.drawText(ts.dove, ts.allineamento | Qt::TextWordWrap, ts.testo);
    }
    p.restore();
}

QImage immaginesezione(const VerificaNtc& v, int larghezza, int altezza, double scala) {
    QImage im(std::max(1, larghezza), std::max(1, altezza), QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    if (scala <= 0) {
        scala = 1;
    }
    p.scale(scala, scala);
    disegnasezione(p, QRectF(0, 0, im.width() / scala, im.height() / scala), v);
    p.end();
    return im;
}

void FiguraNtc::disegna(QPainter& p, const QRectF& area) const {
    if (larghezza_ <= 0 || altezza_ <= 0) {
        return;
    }
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / larghezza_, area.height() / altezza_);
    disegnatore_(p, QRectF(0, 0, larghezza_, altezza_), v_);
    p.restore();
}

} // namespace zocal
