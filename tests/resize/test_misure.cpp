#include "zocal/resize/misure.h"

#include <gtest/gtest.h>

#include <cmath>

using zocal::accanto;
using zocal::Ingombro;
using zocal::misuraminima;
using zocal::nelloschermo;

TEST(MisuraMinima, OgniControlloConservaLoSpazioDelSuoTestoPiuLargo) {
    struct Caso {
        const char* nome;
        QSize progetto;
        std::vector<Ingombro> controlli;
        QSize attesa;
    };
    const Caso casi[] = {
        {"un campo di 41 px che chiede 35", {632, 409}, {{{41, 19}, {35, 15}}}, {540, 323}},
        {"il più stretto decide, per ciascuna direzione",
         {632, 409},
         {{{41, 19}, {20, 19}}, {{89, 25}, {80, 10}}},
         {569, 409}},
        {"un testo che non entra nemmeno al progetto allarga la finestra",
         {600, 400},
         {{{40, 20}, {44, 20}}},
         {660, 400}},
        {"un controllo senza misura non pone limiti", {600, 400}, {{{0, 0}, {30, 12}}}, {0, 0}},
        {"nessun controllo", {600, 400}, {}, {0, 0}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QSize m = misuraminima(c.progetto, c.controlli);
        EXPECT_EQ(m, c.attesa);
        // As the resizer scales it, to the nearest pixel, each control keeps its room.
        for (const Ingombro& i : c.controlli) {
            if (i.progetto.width() > 0) {
                EXPECT_GE(std::lround(double(i.progetto.width()) * m.width() / c.progetto.width()),
                          i.necessario.width());
            }
        }
    }
}

TEST(NelloSchermo, LaCorniceEntraNellAreaDisponibileSpostandosiIlMenoPossibile) {
    // A panel 30 px high at the top of an 800 x 500 screen.
    const QRect area(0, 30, 800, 470);
    struct Caso {
        const char* nome;
        QRect cornice;
        QRect attesa;
    };
    const Caso casi[] = {
        {"già dentro", {100, 62, 636, 430}, {100, 62, 636, 430}},
        {"esce in basso: sale", {100, 62, 636, 494}, {100, 30, 636, 470}},
        {"esce a destra: torna a sinistra", {300, 40, 636, 200}, {164, 40, 636, 200}},
        {"sopra il pannello: scende", {10, 0, 200, 100}, {10, 30, 200, 100}},
        {"più grande dello schermo: ridotta all'area", {-50, -50, 1200, 900}, {0, 30, 800, 470}},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(nelloschermo(c.cornice, area), c.attesa) << c.nome;
    }
    // No screen known: left alone.
    EXPECT_EQ(nelloschermo({5, 5, 10, 10}, QRect()), QRect(5, 5, 10, 10));
}

TEST(Accanto, LaSecondaFinestraSiAprePressoLaPrimaNonSopra) {
    const QRect schermo(0, 0, 1920, 1050);
    const QSize ntc(1044, 714);
    const QSize minimantc(400, 300);
    struct Caso {
        const char* nome;
        QSize voluta;
        QRect altra;
        QRect disponibile;
        QRect attuale;
        QRect attesa;
    };
    const Caso casi[] = {
        {"a destra, alla stessa altezza",
         {500, 400},
         {240, 131, 636, 494},
         schermo,
         {},
         {876, 131, 500, 400}},
        {"a sinistra quando a destra non c'è posto",
         {500, 400},
         {1200, 131, 636, 494},
         schermo,
         {},
         {700, 131, 500, 400}},
        {"sotto quando non c'è posto ai lati",
         {1000, 300},
         {460, 100, 1000, 494},
         schermo,
         {},
         {460, 594, 1000, 300}},
        {"alta più del posto rimasto: risale restando accanto",
         {500, 600},
         {240, 700, 636, 300},
         schermo,
         {},
         {876, 450, 500, 600}},
        {"entra appena a destra", ntc, {240, 131, 636, 494}, schermo, {}, {876, 131, 1044, 714}},
        {"ridotta al lato più ampio quando nessuno la contiene intera",
         ntc,
         {500, 131, 636, 494},
         schermo,
         {},
         {1136, 131, 784, 714}},
        // 1600 x 1000 at 200 %: 800 x 500 logical pixels.
        {"schermo troppo piccolo: contro il bordo del lato più ampio",
         ntc,
         {100, 62, 636, 430},
         {0, 0, 800, 500},
         {},
         {0, 0, 800, 500}},
        {"mai più piccola del minimo",
         {300, 200},
         {240, 131, 636, 494},
         schermo,
         {},
         {876, 131, 400, 300}},
        {"dove l'utente l'ha lasciata, se è libera",
         ntc,
         {240, 131, 636, 494},
         schermo,
         {900, 20, 1000, 700},
         {900, 20, 1000, 700}},
        {"sopra l'altra: spostata accanto",
         ntc,
         {240, 131, 636, 494},
         schermo,
         {0, 0, 1044, 714},
         {876, 131, 1044, 714}},
        {"fuori dallo schermo: spostata accanto",
         ntc,
         {240, 131, 636, 494},
         schermo,
         {1500, 20, 1044, 714},
         {876, 131, 1044, 714}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QRect r = accanto(c.voluta, minimantc, c.altra, c.disponibile, c.attuale);
        EXPECT_EQ(r, c.attesa);
        EXPECT_TRUE(c.disponibile.contains(r));
    }
    // Only the room left of a window at 300 holds the minimum: the window
    // stands there, shrunk, without covering the other.
    const QRect r = accanto(ntc, {250, 400}, {300, 50, 636, 494}, {0, 0, 1000, 600});
    EXPECT_EQ(r, QRect(0, 0, 300, 600));
    EXPECT_FALSE(r.intersects({300, 50, 636, 494}));
}
