#include "zocal/core/regole.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

using namespace zocal;

TEST(Scrittura, DecimalCommaFifteenDigitsNoTrailingZeros) {
    EXPECT_EQ(scrivinumero(0.5), "0,5");
    EXPECT_EQ(scrivinumero(1234.0), "1234");
    EXPECT_EQ(scrivinumero(0.1 + 0.2), "0,3");
    EXPECT_EQ(scrivinumero(1.23), "1,23");
    EXPECT_EQ(scrivinumero(0.65), "0,65");
    EXPECT_EQ(scrivinumero(-3.0), "-3");
    EXPECT_EQ(scrivinumero(0.0), "0");
    EXPECT_EQ(scrivinumero(-0.0), "0");
    EXPECT_EQ(scrivinumero(354.99999999999994), "355");
    EXPECT_EQ(scrivinumero(1.0 / 3.0), "0,333333333333333");
}

TEST(Scrittura, NeverAnExponent) {
    EXPECT_EQ(scrivinumero(1e20), "100000000000000000000");
    EXPECT_EQ(scrivinumero(0.00001), "0,00001");
    EXPECT_EQ(scrivinumero(-1.5e-7), "-0,00000015");
    EXPECT_EQ(scrivipunto(1.25), "1.25");
    EXPECT_EQ(scrivipunto(-0.5), "-0.5");
}

TEST(LetturaIntera, LeadingIntegerPart) {
    EXPECT_EQ(leggiintero("2,5"), 2);
    EXPECT_EQ(leggiintero("2,9"), 2);
    EXPECT_EQ(leggiintero("1800"), 1800);
    EXPECT_EQ(leggiintero("-12,7"), -12);
    EXPECT_EQ(leggiintero(""), 0);
    EXPECT_EQ(leggiintero("-"), 0);
    EXPECT_EQ(leggiintero(",5"), 0);
    EXPECT_EQ(leggiintero("5-3"), 5);
    EXPECT_EQ(leggiintero(Cella(2.9)), 2);
    EXPECT_EQ(leggiintero(Cella()), 0);
}

TEST(LetturaDecimale, FullPrecisionWithComma) {
    EXPECT_DOUBLE_EQ(*leggidecimale("0,65"), 0.65);
    EXPECT_DOUBLE_EQ(*leggidecimale("1,8"), 1.8);
    EXPECT_DOUBLE_EQ(*leggidecimale("2,999"), 2.999);
    EXPECT_DOUBLE_EQ(*leggidecimale("-,5"), -0.5);
    EXPECT_DOUBLE_EQ(*leggidecimale("5,"), 5.0);
    EXPECT_DOUBLE_EQ(*leggidecimale(""), 0.0);
    EXPECT_DOUBLE_EQ(*leggidecimale(Cella(1.25)), 1.25);
}

TEST(LetturaDecimale, MalformedTextsCannotBeRead) {
    for (const char* t : {"1,2,3", "5-", "-", ",", "1-2", "abc", "1.5", "--1"}) {
        EXPECT_FALSE(leggidecimale(t).has_value()) << t;
        EXPECT_FALSE(benformato(t)) << t;
    }
    EXPECT_FALSE(leggidecimale(std::string(400, '9')).has_value());
}

TEST(LetturaCentimetri, CutToWholeCentimetres) {
    EXPECT_DOUBLE_EQ(*leggicm(Cella("3,55")), 3.55);
    EXPECT_DOUBLE_EQ(*leggicm(Cella("3,555")), 3.55);
    EXPECT_DOUBLE_EQ(*leggicm(Cella("2,999")), 2.99);
    EXPECT_DOUBLE_EQ(*leggicm(Cella("0,005")), 0.0);
    EXPECT_DOUBLE_EQ(*leggicm(Cella("0,30")), 0.3);
    EXPECT_DOUBLE_EQ(*leggicm(Cella(1.1)), 1.1);
    EXPECT_FALSE(leggicm(Cella("1,2,3")).has_value());
}

TEST(LetturaPunto, FileNumbers) {
    EXPECT_DOUBLE_EQ(*leggipunto(".5"), 0.5);
    EXPECT_DOUBLE_EQ(*leggipunto("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(*leggipunto("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(*leggipunto("1E+20"), 1e20);
    EXPECT_DOUBLE_EQ(*leggipunto("2.5e-3"), 0.0025);
    EXPECT_DOUBLE_EQ(*leggipunto("+3"), 3.0);
    for (const char* t : {"", ".", "-", "1,5", "1e", "1e+", "abc", "1.2.3", "1e5x"}) {
        EXPECT_FALSE(leggipunto(t).has_value()) << t;
    }
}

// The rules must not follow the process locale, whatever LC_ALL says.
TEST(Locale, SameResultsUnderAnItalianOrGermanLocale) {
    for (const char* nome : {"it_IT.UTF-8", "de_DE.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, nome) == nullptr) {
            continue;
        }
        EXPECT_EQ(scrivinumero(1.25), "1,25");
        EXPECT_EQ(scrivipunto(1.25), "1.25");
        EXPECT_DOUBLE_EQ(*leggidecimale("1,25"), 1.25);
        EXPECT_DOUBLE_EQ(*leggipunto("1.25"), 1.25);
    }
    std::setlocale(LC_ALL, "C");
}

TEST(Cella, EmptyTextAndNothingAreBothEmpty) {
    EXPECT_TRUE(Cella().vuota());
    EXPECT_TRUE(Cella("").vuota());
    EXPECT_TRUE(Cella() == "");
    EXPECT_FALSE(Cella(0.0).vuota());
    EXPECT_TRUE(Cella(0.0) == "0");
    EXPECT_TRUE(Cella(1.5) == "1,5");
    EXPECT_FALSE(Cella("1,5").identica(Cella(1.5)));
}
