#include "zocal/report/sezionentc.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zocal {
namespace {

VerificaNtc verifica(double B, double D, double Ed, double Rd) {
    VerificaNtc v;
    v.numero = 1;
    v.calcolata = true;
    v.B = B;
    v.D = D;
    v.spessoremuro = 0.3;
    v.Ed = Ed;
    v.Rd = Rd;
    v.EdRd = Ed / Rd;
    v.verificata = Ed <= Rd;
    return v;
}

bool contiene(const std::vector<TestoSezione>& testi, const QString& t) {
    return std::any_of(testi.begin(), testi.end(),
                       [&](const TestoSezione& s) { return s.testo.contains(t); });
}

const QRectF area(0, 0, 600, 400);

TEST(SezioneNtc, FootingKeepsItsProportionsBelowGround) {
    for (const auto& [B, D] : {std::pair{0.6, 1.0}, {2.0, 0.5}, {1.2, 1.2}, {0.5, 3.0}}) {
        const SezioneNtc s = geometriasezione(verifica(B, D, 100, 150), area);
        ASSERT_TRUE(s.calcolata);
        EXPECT_NEAR(s.fondazione.width() / s.fondazione.height(), B / D, 1e-9) << B << " " << D;
        EXPECT_DOUBLE_EQ(s.fondazione.top(), s.terreno.y1()); // from ground level down
        EXPECT_TRUE(area.contains(s.fondazione)) << B << " " << D;
        // The wall stands on the footing, centred, as thick as drawn to the same scale.
        EXPECT_DOUBLE_EQ(s.muro.bottom(), s.fondazione.top());
        EXPECT_NEAR(s.muro.center().x(), s.fondazione.center().x(), 1e-9);
        EXPECT_NEAR(s.muro.width() / s.fondazione.width(), std::min(1.0, 0.3 / B), 1e-9);
        // The arrow ends on the wall's top.
        EXPECT_DOUBLE_EQ(s.freccia.p2().y(), s.muro.top());
        // Dimensions span what they measure.
        EXPECT_DOUBLE_EQ(s.quotaB.length(), s.fondazione.width());
        EXPECT_DOUBLE_EQ(s.quotaD.length(), s.fondazione.height());
    }
}

TEST(SezioneNtc, AWallWiderThanItsFootingIsDrawnAsItIsAndSaid) {
    for (const double muro : {0.3, 0.6, 0.9, 2.4}) {
        VerificaNtc v = verifica(0.6, 1.0, 100, 150);
        v.spessoremuro = muro;
        const SezioneNtc s = geometriasezione(v, area);
        EXPECT_NEAR(s.muro.width() / s.fondazione.width(), muro / 0.6, 1e-9) << muro;
        EXPECT_TRUE(area.contains(s.muro)) << muro;
        EXPECT_EQ(contiene(s.testi, "muro più largo della fondazione"), muro > 0.6) << muro;
    }
}

TEST(SezioneNtc, BarsCompareEdWithRdAndTakeTheVerdictsColour) {
    SezioneNtc s = geometriasezione(verifica(0.6, 1, 119.45, 130.76), area);
    EXPECT_NEAR(s.barraEd.height() / s.barraRd.height(), 119.45 / 130.76, 1e-9);
    EXPECT_DOUBLE_EQ(s.barraEd.bottom(), s.barraRd.bottom());
    EXPECT_EQ(s.colore, coloreverificata);
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("Ed = 119,45 kN/m")));
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("B = 0,60 m")));
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("D = 1,00 m")));
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("199,1 kPa"))); // Ed/B
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("217,9 kPa"))); // Rd/B
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("VERIFICATA   Ed/Rd = 0,914")));

    s = geometriasezione(verifica(0.6, 1, 119.45, 97.48), area);
    EXPECT_GT(s.barraEd.height(), s.barraRd.height());
    EXPECT_EQ(s.colore, colorenonverificata);
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("NON VERIFICATA")));
    EXPECT_TRUE(area.contains(s.barraEd));
}

TEST(SezioneNtc, ZeroDepthStillShowsTheFootingsWidth) {
    const SezioneNtc s = geometriasezione(verifica(0.6, 0, 100, 20), area);
    EXPECT_GT(s.fondazione.height(), 0);
    EXPECT_GT(s.fondazione.width(), 10);
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("D = 0,00 m")));
}

TEST(SezioneNtc, NotComputedShowsWhy) {
    VerificaNtc v;
    v.nota = "Manca l'angolo di attrito del terreno.";
    const SezioneNtc s = geometriasezione(v, area);
    EXPECT_FALSE(s.calcolata);
    EXPECT_TRUE(s.fondazione.isNull());
    EXPECT_TRUE(contiene(s.testi, QStringLiteral("non eseguita")));
    EXPECT_TRUE(contiene(s.testi, QString::fromUtf8("Manca l'angolo di attrito del terreno.")));
}

TEST(SezioneNtc, PictureCarriesTheVerdictsColour) {
    const auto conta = [](const QImage& im, const QColor& c) {
        int n = 0;
        for (int y = 0; y < im.height(); ++y) {
            for (int x = 0; x < im.width(); ++x) {
                n += im.pixelColor(x, y) == c;
            }
        }
        return n;
    };
    const QImage si = immaginesezione(verifica(0.6, 1, 119.45, 130.76), 500, 300);
    EXPECT_EQ(si.size(), QSize(500, 300));
    EXPECT_GT(conta(si, coloreverificata), 200);
    EXPECT_EQ(conta(si, colorenonverificata), 0);
    const QImage no = immaginesezione(verifica(0.6, 1, 119.45, 97.48), 500, 300);
    EXPECT_GT(conta(no, colorenonverificata), 200);
    EXPECT_EQ(conta(no, coloreverificata), 0);
}

} // namespace
} // namespace zocal
