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

TEST(Contadati, ZeroNegativeAndFractionalWeightsDoNotCount) {
    DatiCalcolo d;
    d.prof[1] = "1";
    d.pesol(1, 1) = "1";
    d.pesol(2, 1) = "0";
    d.pesol(3, 1) = "-300";
    d.pesol(4, 1) = "0,9";
    d.contadati();
    EXPECT_EQ(d.npiani[1], 1);
    // Above a storey in use they lie inside the count.
    d.pesol(5, 1) = "200";
    d.contadati();
    EXPECT_EQ(d.npiani[1], 5);
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
