// The program's style must look exactly like the system's where it only
// spares the toolkit its slow picture loading.
#include "zocal/windows/stile.h"

#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage disegna(QStyle* stile, const QString& titolo, bool spunta, double punti) {
    QGroupBox g(titolo);
    g.setStyle(stile);
    g.setCheckable(spunta);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punti);
    g.setFont(f);
    g.resize(300, 120);
    QImage im(g.size(), QImage::Format_ARGB32);
    im.fill(Qt::gray);
    g.render(&im);
    return im;
}

void confronta(const char* base) {
    std::unique_ptr<QStyle> sistema(QStyleFactory::create(QString::fromLatin1(base)));
    ASSERT_TRUE(sistema) << base;
    zocal::StileZocal nostro(QStyleFactory::create(QString::fromLatin1(base)));
    for (const QString& titolo :
         {QStringLiteral("Dati e risultati sui muri portanti "), QString()}) {
        for (const bool spunta : {false, true}) {
            for (const double punti : {7.5, 9.0, 20.0}) {
                EXPECT_EQ(disegna(sistema.get(), titolo, spunta, punti),
                          disegna(&nostro, titolo, spunta, punti))
                    << base << " \"" << titolo.toStdString() << "\" " << spunta << " " << punti;
            }
        }
    }
}

} // namespace

TEST(StileZocal, GroupBoxesLookAsTheFusionStyleDrawsThem) {
    confronta("fusion");
}

TEST(StileZocal, OtherStylesDrawTheirOwnGroupBoxes) {
    confronta("windows");
}

TEST(StileZocal, OverflowArrowsAreThePrograms) {
    zocal::StileZocal stile;
    for (const auto quale :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icona = stile.standardIcon(quale);
        ASSERT_FALSE(icona.isNull());
        const QImage im = icona.pixmap(QSize(16, 16)).toImage();
        bool disegnata = false;
        for (int y = 0; y < im.height(); ++y) {
            for (int x = 0; x < im.width(); ++x) {
                disegnata = disegnata || qAlpha(im.pixel(x, y)) > 128;
            }
        }
        EXPECT_TRUE(disegnata) << quale;
    }
    // The two arrows point different ways.
    EXPECT_NE(stile.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                  .pixmap(QSize(16, 16))
                  .toImage(),
              stile.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton)
                  .pixmap(QSize(16, 16))
                  .toImage());
    // Every other picture is the system's.
    EXPECT_FALSE(stile.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}
