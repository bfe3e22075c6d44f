#include "zocal/core/lunghezza.h"

#include "zocal/core/modzocal.h"

#include <gtest/gtest.h>

#include <string>

using namespace zocal;

namespace {

std::string ripeti(const std::string& pezzo, int volte) {
    std::string s;
    for (int i = 0; i < volte; ++i) {
        s += pezzo;
    }
    return s;
}

} // namespace

TEST(Lunghezza, CountsCharactersNotBytes) {
    EXPECT_EQ(contacaratteri(""), 0u);
    EXPECT_EQ(contacaratteri("abc"), 3u);
    EXPECT_EQ(contacaratteri("località"), 8u);
    EXPECT_EQ(contacaratteri("€ è à"), 5u);
    EXPECT_EQ(contacaratteri("\xF0\x9F\x8F\xA0"), 1u); // one character outside the BMP
}

TEST(Lunghezza, WarnsOnlyPastTheLimit) {
    ModZocal mod;
    mod.inizializza();
    EXPECT_FALSE(avvisolunghezza(std::string(40, 'x'), 40, mod));
    // Accented letters count once each: 40 of them still fit.
    EXPECT_FALSE(avvisolunghezza(ripeti("è", 40), 40, mod));
    const auto avviso = avvisolunghezza(ripeti("è", 41), 40, mod);
    ASSERT_TRUE(avviso);
    EXPECT_EQ(avviso->testo, "Per una stampa corretta non digitare dati lunghi più di 40 spazi.");
    EXPECT_EQ(avviso->icona, Icona::esclamazione);
    EXPECT_EQ(avviso->titolo, "Zocal: controllo dati immessi nella finestra attiva");
}
