#include "zocal/core/regole.h"

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

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

namespace {

// The digits as the exact decimal expansion rounded to 15 digits gives them.
Cifre15 cifreesatte(double v) {
    Cifre15 d;
    if (!std::isfinite(v) || v == 0.0) {
        return d;
    }
    char buf[64];
    const auto fine =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
    std::string s(buf, fine);
    if (s[0] == '-') {
        d.negativo = true;
        s.erase(0, 1);
    }
    const auto e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (c != '.') {
            d.cifre += c;
        }
    }
    d.cifre.erase(d.cifre.find_last_not_of('0') + 1);
    d.esponente = std::stoi(s.substr(e + 1));
    return d;
}

} // namespace

TEST(Scrittura, CifreQuindiciComeLaConversioneEsatta) {
    std::vector<double> valori = {0.1,
                                  0.3,
                                  0.1 + 0.2,
                                  1.67,
                                  4220,
                                  1e15,
                                  1e15 - 1,
                                  999999999999999.5,
                                  999999999999999.9,
                                  1e15 + 2,
                                  1e22,
                                  1e23,
                                  1e-7,
                                  1e-22,
                                  1e-23,
                                  123456789012345.6,
                                  0.000123456789012345,
                                  9.999999999999995,
                                  9.9999999999999995,
                                  2.675,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::epsilon(),
                                  std::nextafter(1.0, 2.0),
                                  std::nextafter(1.0, 0.0),
                                  std::nextafter(0.3, 1.0),
                                  0.0,
                                  -0.0,
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 caso(15);
    for (int n = 0; n < 200000; ++n) {
        // Short decimals as typed and computed, their neighbours, and any bits.
        const double decimale = static_cast<double>(caso() % 100000000) /
                                std::pow(10.0, static_cast<double>(caso() % 12));
        valori.push_back(decimale);
        valori.push_back(std::nextafter(decimale, 1e300));
        valori.push_back(decimale * 100);
        const std::uint64_t bit = caso();
        double qualsiasi = 0;
        std::memcpy(&qualsiasi, &bit, sizeof qualsiasi);
        valori.push_back(qualsiasi);
    }
    for (double v : {1.0, -1.0}) {
        for (std::size_t k = 0, n = valori.size(); k < n; ++k) {
            const double x = v * valori[k];
            const Cifre15 atteso = cifreesatte(x);
            const Cifre15 d = cifre15(x);
            ASSERT_EQ(d.cifre, atteso.cifre) << x;
            if (!atteso.cifre.empty()) {
                ASSERT_EQ(d.esponente, atteso.esponente) << x;
                ASSERT_EQ(d.negativo, atteso.negativo) << x;
            }
        }
    }
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

TEST(LetturaDecimale, ComeLaConversioneCompletaBitPerBit) {
    // The texts read with the comma made a point and converted in full.
    const auto esatta = [](std::string t) -> std::optional<double> {
        for (char& c : t) {
            c = c == ',' ? '.' : c;
        }
        double v = 0;
        const auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (ec != std::errc() || fine != t.data() + t.size() || !std::isfinite(v)) {
            return std::nullopt;
        }
        return v;
    };
    std::vector<std::string> testi = {"-",
                                      ",",
                                      "1,2,3",
                                      "1-",
                                      "0",
                                      "-0",
                                      "-0,0",
                                      "0,",
                                      ",0",
                                      "-,5",
                                      "5,",
                                      "000000000000001",
                                      "999999999999999",
                                      "9999999999999999",
                                      "0,1",
                                      "0,3",
                                      "123456789012345",
                                      "1234567890123456",
                                      "0,000000000000001",
                                      "2,675",
                                      "1,005",
                                      "-1,005"};
    std::mt19937_64 caso(7);
    for (int n = 0; n < 200000; ++n) {
        std::string t = caso() % 4 == 0 ? "-" : "";
        const std::size_t cifre = 1 + caso() % 20;
        const std::size_t virgola = caso() % (cifre + 2);
        for (std::size_t k = 0; k < cifre; ++k) {
            if (k == virgola) {
                t += ',';
            }
            t += static_cast<char>('0' + caso() % 10);
        }
        if (virgola == cifre) {
            t += ',';
        }
        testi.push_back(t);
    }
    for (const std::string& t : testi) {
        const auto atteso = esatta(t);
        const auto letto = leggidecimale(t);
        ASSERT_EQ(letto.has_value(), atteso.has_value()) << t;
        // Lengths in whole centimetres, through the writing rule.
        const auto cm = leggicm(Cella(t));
        ASSERT_EQ(cm.has_value(), atteso.has_value()) << t;
        if (cm) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*cm),
                      std::bit_cast<std::uint64_t>(interoscritto(*letto * 100) / 100))
                << t;
        }
        // A weight reads the integer part of what can be read.
        const auto peso = leggipeso(Cella(t));
        ASSERT_EQ(peso.has_value(), atteso.has_value()) << t;
        if (peso) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*peso),
                      std::bit_cast<std::uint64_t>(leggiintero(t)))
                << t;
        }
        if (atteso) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*letto), std::bit_cast<std::uint64_t>(*atteso))
                << t;
        }
    }
}

TEST(LetturaIntera, DelNumeroComeDelTestoScritto) {
    std::vector<double> valori = {
        0.0,         -0.0,      0.3,         0.9999999999999999, 1 - 1e-15,
        3.555 * 100, 0.3 * 100, 2.999 * 100, 999999999999999.9,  1e15,
        1e300,       5e-324};
    std::mt19937_64 caso(3);
    for (int n = 0; n < 100000; ++n) {
        const double intero = static_cast<double>(caso() % 10000000000ULL);
        // Integers and values just below and above them, and any fraction.
        for (double passo : {1e-15, 1e-14, 1e-13, 1e-12}) {
            valori.push_back(intero - intero * passo);
            valori.push_back(intero + intero * passo);
        }
        valori.push_back(std::nextafter(intero, 0.0));
        valori.push_back(intero / std::pow(10.0, static_cast<double>(caso() % 8)));
    }
    for (double v : valori) {
        for (double x : {v, -v}) {
            const double atteso = leggiintero(scrivinumero(x));
            ASSERT_EQ(std::bit_cast<std::uint64_t>(interoscritto(x)),
                      std::bit_cast<std::uint64_t>(atteso))
                << x;
        }
    }
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
