#pragma once

// Jobs shared by the archive tests.

#include "zocal/archive/scrittura.h"
#include "zocal/core/lavoro.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal::prova {

// The bytes of a job as saved; the save must succeed.
inline std::string scritto(const Lavoro& l) {
    EsitoScrittura e = scrivilavoro(l);
    EXPECT_TRUE(e.riuscita()) << e.errore;
    return e.byte;
}

// Ten foundations of ten storeys with every kind of cell: texts typed with a
// comma, numbers the calculation left (1.25, 0.5), empty cells, empty texts,
// accented description texts.
inline Lavoro lavorocompleto() {
    Lavoro l;
    DatiCalcolo& d = l.dati;
    for (int f = 1; f <= maxfond; ++f) {
        d.prof[f] = "0," + std::to_string(60 + f);
        d.largh[f] = (f % 3 == 0) ? Cella() : Cella(std::to_string(f) + ",25");
        d.sigmat[f] = (f % 2 == 0) ? Cella(1.25) : (f % 5 == 0 ? Cella("") : Cella(0.5));
        d.npiani[f] = maxpiani;
        for (int i = 1; i <= maxpiani; ++i) {
            d.pesol(i, f) = std::to_string(200 + 10 * i + f);
            d.sovr(i, f) = (i == 3) ? Cella() : Cella("150");
            d.lungh(i, f) = "3,5" + std::to_string(i % 10);
            d.pepav(i, f) = (i == 4) ? Cella("") : Cella("-5");
            d.tram(i, f) = Cella(static_cast<double>(i * 100 + f));
            d.spess(i, f) = "0,30";
            d.interas(i, f) = "3,2,1"; // passes the entry rule, shape is not ours to judge
            d.spem(i, f) = "1800";
        }
    }
    d.nfond = maxfond;
    d.tiposuolo = "2";
    d.pesos = "1,8";
    d.coes = Cella(0.25);
    d.attr = Cella();
    for (int k = 0; k < ndescrizione; ++k) {
        l.descrizione[k] = "città è più ò ù ì n." + std::to_string(k);
    }
    l[Descrizione::zona] = "";
    for (int k = 0; k < nfrontespizio; ++k) {
        l.frontespizio[k] = "località n." + std::to_string(k) + " € 100";
    }
    l[Frontespizio::allegati] = "";
    return l;
}

// One foundation of two storeys, as the sample record line shows it.
inline Lavoro lavoropiccolo() {
    Lavoro l;
    DatiCalcolo& d = l.dati;
    d.nfond = 1;
    d.prof[1] = "0,80";
    d.largh[1] = "0,60";
    d.npiani[1] = 2;
    d.sigmat[1] = "1,5";
    for (int i = 1; i <= 2; ++i) {
        d.pesol(i, 1) = "300";
        d.sovr(i, 1) = "200";
        d.lungh(i, 1) = "4,5";
        d.pepav(i, 1) = "80";
        d.tram(i, 1) = "";
        d.spess(i, 1) = "0,40";
        d.interas(i, 1) = "3,20";
        d.spem(i, 1) = "1600";
    }
    d.tiposuolo = "0";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    l[Descrizione::fabbricato] = "edificio a due piani";
    l[Frontespizio::committente] = "Rossi";
    l[Frontespizio::localita] = "Forlì";
    return l;
}

inline void attendiuguali(const Lavoro& atteso, const Lavoro& letto) {
    EXPECT_TRUE(atteso.dati.identici(letto.dati));
    EXPECT_EQ(atteso.descrizione, letto.descrizione);
    EXPECT_EQ(atteso.frontespizio, letto.frontespizio);
    EXPECT_TRUE(atteso.ntc == letto.ntc);
}

} // namespace zocal::prova
