#include "zocal/core/modzocal.h"

#include <gtest/gtest.h>

using namespace zocal;

TEST(ModZocal, EmptyUntilInitialisedAndStableAfter) {
    ModZocal m;
    EXPECT_EQ(m.titolocontrollo, "");
    m.inizializza();
    EXPECT_EQ(m.titolocontrollo, "Zocal: controllo dati immessi nella finestra attiva");
    EXPECT_EQ(m.titoloaiuto, "Zocal: aiuto in linea");
    EXPECT_EQ(m.titoloelimina,
              "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
    EXPECT_EQ(m.versione, "3.04.05");
    EXPECT_EQ(m.dataversione, "25/10/00");
    EXPECT_EQ(m.sottotitolo, "verifica di fondazioni in muratura");
    const ModZocal prima = m;
    m.inizializza();
    EXPECT_EQ(m.titolocontrollo, prima.titolocontrollo);
    EXPECT_EQ(m.nomeprogramma, prima.nomeprogramma);
    EXPECT_EQ(m.titoloelimina, prima.titoloelimina);
}
