#include "zocal/report/numeri.h"

#include <gtest/gtest.h>

#include <limits>

using zocal::Cella;
using zocal::formatta;
using zocal::numeroinchiaro;

TEST(NumeroInChiaro, BlankBeforeNonNegativePointNoLeadingZero) {
    EXPECT_EQ(numeroinchiaro(3.0), " 3");
    EXPECT_EQ(numeroinchiaro(0.5), " .5");
    EXPECT_EQ(numeroinchiaro(-0.5), "-.5");
    EXPECT_EQ(numeroinchiaro(-12.25), "-12.25");
    EXPECT_EQ(numeroinchiaro(0.0), " 0");
    EXPECT_EQ(numeroinchiaro(-0.0), " 0");
    EXPECT_EQ(numeroinchiaro(10), " 10");
    EXPECT_EQ(numeroinchiaro(-4), "-4");
}

TEST(NumeroInChiaro, FifteenDigitsAndNeverAnExponent) {
    EXPECT_EQ(numeroinchiaro(0.1 + 0.2), " .3");
    EXPECT_EQ(numeroinchiaro(1e20), " 100000000000000000000");
    EXPECT_EQ(numeroinchiaro(0.000012), " .000012");
    EXPECT_EQ(numeroinchiaro(std::numeric_limits<double>::infinity()), "");
}

TEST(NumeroInChiaro, CellsAreReadWithTheDecimalComma) {
    EXPECT_EQ(numeroinchiaro(Cella("27,5")), " 27.5");
    EXPECT_EQ(numeroinchiaro(Cella("1")), " 1");
    EXPECT_EQ(numeroinchiaro(Cella("0,5")), " .5");
    EXPECT_EQ(numeroinchiaro(Cella(30.0)), " 30");
    EXPECT_EQ(numeroinchiaro(Cella()), "");
    EXPECT_EQ(numeroinchiaro(Cella("")), "");
    // Not a number: nothing is shown rather than a wrong value.
    EXPECT_EQ(numeroinchiaro(Cella("1,2,3")), "");
    EXPECT_EQ(numeroinchiaro(Cella("3-")), "");
}

TEST(Formatta, DecimalsOfThePatternWithComma) {
    EXPECT_EQ(formatta(1.8, "##0.00"), "1,80");
    EXPECT_EQ(formatta(4.0, "###0.00"), "4,00");
    EXPECT_EQ(formatta(50.04, "###0.0"), "50,0");
    EXPECT_EQ(formatta(1800.0, "###0"), "1800");
    EXPECT_EQ(formatta(0.6, "###0.00"), "0,60");
    EXPECT_EQ(formatta(123456789.0, "###0"), "123456789");
}

TEST(Formatta, RoundsHalfAwayFromZeroOnTheTypedDigits) {
    EXPECT_EQ(formatta(2.5, "###0"), "3");
    EXPECT_EQ(formatta(-2.5, "###0"), "-3");
    EXPECT_EQ(formatta(0.125, "##0.00"), "0,13");
    // 2.675 is stored just below 2.675; the value typed was 2,675.
    EXPECT_EQ(formatta(2.675, "##0.00"), "2,68");
    EXPECT_EQ(formatta(1.005, "##0.00"), "1,01");
    EXPECT_EQ(formatta(9.995, "##0.00"), "10,00");
    EXPECT_EQ(formatta(999.96, "###0.0"), "1000,0");
    EXPECT_EQ(formatta(0.04, "###0.0"), "0,0");
    EXPECT_EQ(formatta(2.4999, "###0"), "2");
}

TEST(Formatta, NoMinusOnAValueThatRoundsToZero) {
    EXPECT_EQ(formatta(-0.004, "##0.00"), "0,00");
    EXPECT_EQ(formatta(-0.4, "###0"), "0");
    EXPECT_EQ(formatta(-0.006, "##0.00"), "-0,01");
}

TEST(Formatta, GroupsThousandsWhenThePatternAsks) {
    EXPECT_EQ(formatta(1234.5, "##,##0.00"), "1.234,50");
    EXPECT_EQ(formatta(1234567.891, "##,##0.00"), "1.234.567,89");
    EXPECT_EQ(formatta(999.999, "##,##0.00"), "1.000,00");
    EXPECT_EQ(formatta(12.0, "##,##0.00"), "12,00");
    EXPECT_EQ(formatta(-1234.0, "##,##0"), "-1.234");
}

TEST(Formatta, OptionalDecimals) {
    EXPECT_EQ(formatta(1.5, "0.##"), "1,5");
    EXPECT_EQ(formatta(2.0, "0.##"), "2");
    EXPECT_EQ(formatta(2.006, "0.##"), "2,01");
}

TEST(Formatta, CellsEmptyOrUnreadableGiveEmptyText) {
    EXPECT_EQ(formatta(Cella("1,8"), "##0.00"), "1,80");
    EXPECT_EQ(formatta(Cella(4220.4), "###0"), "4220");
    EXPECT_EQ(formatta(Cella("-12,5"), "###0"), "-13");
    EXPECT_EQ(formatta(Cella(), "###0"), "");
    EXPECT_EQ(formatta(Cella(""), "###0.00"), "");
    EXPECT_EQ(formatta(Cella("1.5"), "###0.00"), "");
    EXPECT_EQ(formatta(std::numeric_limits<double>::quiet_NaN(), "###0"), "");
}
