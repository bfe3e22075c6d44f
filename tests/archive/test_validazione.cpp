#include "zocal/archive/validazione.h"
#include "zocal/core/regole.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

using namespace zocal;

// The case list the validation document is made of: a change that moves a
// published number out of its tolerance fails here.
TEST(Validazione, EveryCaseWithinItsTolerance) {
    const auto casi = casivalidazione();
    EXPECT_GE(casi.size(), 37u);
    for (const CasoValidazione& c : casi) {
        EXPECT_EQ(c.errore, "") << c.numero;
        EXPECT_FALSE(c.valori.empty()) << c.numero;
        for (const ValoreValidazione& v : c.valori) {
            EXPECT_TRUE(v.entro()) << c.numero << " " << c.titolo << ": " << v.nome << " atteso "
                                   << v.testoatteso << ", calcolato " << v.mostrato();
        }
        EXPECT_TRUE(c.superato()) << c.numero;
    }
}

TEST(Validazione, ToleranceOfEachKind) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double R = 385.6194490192345;
    const struct {
        Tolleranza t;
        const char* atteso;
        double valoreatteso, calcolato;
        bool entro;
    } casi[] = {
        {Tolleranza::mezzaunita, "14,8", 14.8, 14.849, true},
        {Tolleranza::mezzaunita, "14,8", 14.8, 14.751, true},
        {Tolleranza::mezzaunita, "14,8", 14.8, 14.851, false},
        {Tolleranza::mezzaunita, "80", 80, 79.54, true},
        {Tolleranza::mezzaunita, "80", 80, 79.49, false},
        {Tolleranza::unaunita, "0,914", 0.914, 0.9149, true},
        {Tolleranza::unaunita, "0,914", 0.914, 0.9151, false},
        {Tolleranza::unaunita, "4220", 4220, 4221, true},
        {Tolleranza::unaunita, "4220", 4220, 4218.9, false},
        {Tolleranza::unaunita, "4220", 4220, nan, false},
        {Tolleranza::relativa, "385,6194", R, R * (1 + 0.9e-6), true},
        {Tolleranza::relativa, "385,6194", R, R * (1 - 1.1e-6), false},
    };
    for (const auto& c : casi) {
        ValoreValidazione v;
        v.tolleranza = c.t;
        v.testoatteso = c.atteso;
        v.atteso = c.valoreatteso;
        v.calcolato = c.calcolato;
        EXPECT_EQ(v.entro(), c.entro) << c.atteso << " " << c.calcolato;
    }
    ValoreValidazione esito;
    esito.tolleranza = Tolleranza::testo;
    esito.testoatteso = "VERIFICATA";
    esito.testocalcolato = "NON VERIFICATA";
    EXPECT_FALSE(esito.entro());
    esito.testocalcolato = "VERIFICATA";
    EXPECT_TRUE(esito.entro());
}

// The closed forms are evaluated by the case list itself: each must give the
// figure printed with it where one was printed.
TEST(Validazione, ClosedFormsGiveTheirPrintedFigures) {
    const std::pair<const char*, const char*> stampati[] = {
        {"R = (π + 2)·cu·(B − 2e)", "385,62"},
        {"ic EC7, H/(B′·cu) = 0,5", "0,8536"},
        {"ic Brinch Hansen, H/(B′·cu) = 1", "0,5"},
        {"Δσ/p a z = B/2: (π/2 + 1)/π", "0,8183"},
        {"Δσ/p a z = B: (2·atan ½ + 0,8)/π", "0,5498"},
        {"qlim Vesic = 18·0,729·2·(Nq + 1)/√3", "293,97"},
        {"iq Brinch Hansen = 0,95⁵", "0,7738"},
        {"iγ Brinch Hansen = 0,93⁵", "0,6957"},
        {"qlim Brinch Hansen = 18·0,93⁵·1,5·(Nq − 1)/√3", "188,71"},
        {"qlim EC7 = (π + 2)·cu·ic", "219,43"},
        {"qlim Vesic = (π + 1)·cu", "207,08"},
        {"Nq = 3·e^(π/√3)", "18,40"},
        {"Nc = (Nq − 1)·√3", "30,14"},
    };
    const auto casi = casivalidazione();
    for (const auto& [nome, figura] : stampati) {
        // Rounded to the figure's decimals, the closed form gives the figure.
        ValoreValidazione stampato;
        stampato.tolleranza = Tolleranza::mezzaunita;
        stampato.testoatteso = figura;
        stampato.atteso = *leggidecimale(figura);
        int trovati = 0;
        for (const CasoValidazione& c : casi) {
            for (const ValoreValidazione& v : c.valori) {
                if (v.nome == nome) {
                    ++trovati;
                    EXPECT_EQ(v.tolleranza, Tolleranza::relativa) << nome;
                    stampato.calcolato = v.atteso;
                    EXPECT_TRUE(stampato.entro()) << nome << ": " << v.testoatteso;
                }
            }
        }
        EXPECT_EQ(trovati, 1) << nome;
    }
}

TEST(Validazione, EveryShippedJobFileIsACase) {
    std::set<std::string> usati;
    for (const CasoValidazione& c : casivalidazione()) {
        if (!c.file.empty()) {
            usati.insert(c.file);
        }
    }
    std::set<std::string> spediti;
    for (const std::string_view f : filevalidazione()) {
        spediti.insert(std::string(f));
    }
    EXPECT_EQ(usati, spediti);
}
