#include "zocal/windows/stile.h"

#include "immagini.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

namespace zocal {

StileZocal::StileZocal(QStyle* base) : QProxyStyle(base) {}

QIcon StileZocal::standardIcon(StandardPixmap quale, const QStyleOption* opzione,
                               const QWidget* widget) const {
    const auto carica = [](QIcon& icona, const char* nome) {
        if (icona.isNull()) {
            icona = QIcon(QPixmap::fromImage(immagini::immagine(nome)));
        }
        return icona;
    };
    switch (quale) {
    case SP_ToolBarHorizontalExtensionButton:
        return carica(orizzontale_, "estensione-o");
    case SP_ToolBarVerticalExtensionButton:
        return carica(verticale_, "estensione-v");
    default:
        return QProxyStyle::standardIcon(quale, opzione, widget);
    }
}

void StileZocal::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione,
                               QPainter* pittore, const QWidget* widget) const {
    if (elemento != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
        QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
        return;
    }
    if (!cornicecercata_) {
        cornicecercata_ = true;
        QImageReader lettore(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        lettore.setAutoDetectImageFormat(false);
        cornice_ = QPixmap::fromImage(lettore.read());
    }
    if (cornice_.isNull()) {
        QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
        return;
    }
    // The frame starts below the title, where the fusion style puts it.
    constexpr int sopra = 3;
    int margine = sopra;
    const auto* gruppo = qobject_cast<const QGroupBox*>(widget);
    if (gruppo == nullptr || gruppo->isCheckable() || !gruppo->title().isEmpty()) {
        margine += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), opzione->fontMetrics.height());
    }
    qDrawBorderPixmap(pittore, opzione->rect.adjusted(0, margine, 0, 0), QMargins(6, 6, 6, 6),
                      cornice_);
}

} // namespace zocal
