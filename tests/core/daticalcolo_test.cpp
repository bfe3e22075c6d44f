#include "zocal/core/daticalcolo.h"

#include <gtest/gtest.h>

using namespace zocal;

TEST(Contadati, CountsAreTheHighestIndexInUse) {
    DatiCalcolo d;
    d.prof[1] = "1";
    d.prof[3] = "1,2"; // foundation 2 without depth: still below one in use
    d.pesol(1, 1) = "300";
    d.pesol(3, 1) = "250"; // storey 2 empty: storey 3 must not be left out
    d.pesol(1, 3) = "300";
    d.pesol(2, 4) = "300"; // no depth beyond nfond: no storeys counted
    d.contadati();
    EXPECT_EQ(d.nfond, 3);
    EXPECT_EQ(d.npiani[1], 3);
    EXPECT_EQ(d.npiani[2], 0);
    EXPECT_EQ(d.npiani[3], 1);
    EXPECT_EQ(d.npiani[4], 0);
}

TEST(Contadati, WithoutGapsTheCountsAreTheNumbersInUse) {
    DatiCalcolo d;
    for (int f = 1; f <= 4; ++f) {
        d.prof[f] = "1";
        for (int i = 1; i <= f + 1; ++i) {
            d.pesol(i, f) = "300";
        }
    }
    d.contadati();
    EXPECT_EQ(d.nfond, 4);
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(d.npiani[f], f + 1) << f;
    }
}

// A storey counts with any entry typed, whatever its slab weight reads.
TEST(Contadati, AnyEntryTypedCountsTheStorey) {
    const std::pair<Voce, const char*> casi[] = {
        {Voce::pesol, "0"},   {Voce::pesol, "-300"}, {Voce::sovr, "200"},
        {Voce::spem, "1800"}, {Voce::lungh, "4"},    {Voce::pesol, "0,9"},
    };
    for (const auto& [voce, testo] : casi) {
        DatiCalcolo d;
        d.prof[1] = "1";
        d.pesol(1, 1) = "300";
        d.piano(voce, 3, 1) = testo;
        d.contadati();
        EXPECT_EQ(d.npiani[1], 3) << nomevoce(voce) << " " << testo;
        d.piano(voce, 3, 1) = "";
        d.contadati();
        EXPECT_EQ(d.npiani[1], 1) << nomevoce(voce);
    }
}

TEST(Datomancante, NamesTheLowestStoreyAndEntry) {
    DatiCalcolo d;
    d.prof[1] = "1";
    for (Voce v : vociingresso) {
        d.piano(v, 1, 1) = "1";
        d.piano(v, 3, 1) = "1";
    }
    d.contadati();
    auto m = datomancante(d, 1);
    ASSERT_TRUE(m);
    EXPECT_EQ(notamancante(*m), "Mancano i dati del piano n. 2.");
    d.tram(2, 1) = "1";
    d.pesol(3, 1) = "";
    d.contadati();
    m = datomancante(d, 1);
    ASSERT_TRUE(m);
    EXPECT_EQ(notamancante(*m), "Manca il dato del peso del solaio del piano n. 2.");
    for (Voce v : vociingresso) {
        d.piano(v, 2, 1) = "1";
    }
    EXPECT_EQ(notamancante(*datomancante(d, 1)),
              "Manca il dato del peso del solaio del piano n. 3.");
    d.pesol(3, 1) = "1";
    EXPECT_FALSE(datomancante(d, 1));
    EXPECT_FALSE(datomancante(d, 0));
}

TEST(Contadati, RecountResetsStaleCounts) {
    DatiCalcolo d;
    d.prof[2] = "1";
    d.npiani[5] = 7;
    d.contadati();
    EXPECT_EQ(d.nfond, 2);
    EXPECT_EQ(d.npiani[5], 0);
}

TEST(Cancella, EmptiesEverything) {
    DatiCalcolo d;
    d.prof[10] = "1";
    d.pesol(10, 10) = "300";
    d.scar(4, 2) = 100.0;
    d.coeff[3] = 3.0;
    d.tiposuolo = "1";
    d.attr = "30";
    d.contadati();
    d.cancella();
    EXPECT_TRUE(d.identici(DatiCalcolo{}));
    EXPECT_EQ(d.nfond, 0);
}

TEST(Celle, SlotBoundsAreChecked) {
    DatiCalcolo d;
    EXPECT_THROW(d.pesol(11, 1), std::out_of_range);
    EXPECT_THROW(d.pesol(1, 11), std::out_of_range);
    EXPECT_NO_THROW(d.pesol(0, 0));
}

TEST(Copia, EveryCellAndCountTravelsAndCopiesAreApart) {
    // Something in every kind of slot: a copy that forgot one would differ.
    DatiCalcolo d;
    d.nfond = 2;
    d.npiani[2] = 3;
    d.pesol(3, 2) = "300";
    d.scartot(1, 10) = 4220.0;
    for (DatiCalcolo::Fondazioni* f :
         {&d.prof, &d.largh, &d.verifica, &d.sigmat, &d.carlim, &d.scater, &d.siglav, &d.coeff}) {
        (*f)[2] = "1,5";
    }
    d.tiposuolo = "1";
    d.pesos = 1.8;
    d.coes = "0";
    d.attr = "30";

    DatiCalcolo copia(d);
    EXPECT_TRUE(copia.identici(d));
    copia.pesol(3, 2) = "250";
    EXPECT_EQ(d.pesol(3, 2).testo(), "300") << "a copy has a table of its own";

    DatiCalcolo assegnata;
    assegnata = d;
    EXPECT_TRUE(assegnata.identici(d));

    DatiCalcolo presa;
    presa.pesol(1, 1) = "9";
    presa = std::move(assegnata);
    EXPECT_TRUE(presa.identici(d));
    // What is left behind is still a whole set of data.
    assegnata.pesol(1, 1) = "1";
    assegnata.cancella();
    EXPECT_TRUE(assegnata.identici(DatiCalcolo{}));

    DatiCalcolo costruita(std::move(presa));
    EXPECT_TRUE(costruita.identici(d));
    presa.scar(2, 2) = 1.0;
    presa.cancella();
    EXPECT_TRUE(presa.identici(DatiCalcolo{}));
}
