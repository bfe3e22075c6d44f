#include "zocal/core/descrizione.h"

#include "zocal/core/lunghezza.h"
#include "zocal/core/modzocal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace zocal;

namespace {

const std::string titolocontrollo = "Zocal: controllo dati immessi nella finestra attiva";

ModZocal modulo() {
    ModZocal mod;
    mod.inizializza();
    return mod;
}

} // namespace

TEST(Descrizione, NoPhraseIsLongEnoughToWarn) {
    const ModZocal mod = modulo();
    std::size_t piulunga = 0;
    for (const CampoDescrizione& c : campidescrizione()) {
        for (std::string_view f : c.frasi) {
            EXPECT_FALSE(lunghezzadescrizione(f, mod)) << f;
            piulunga = std::max(piulunga, contacaratteri(f));
        }
    }
    EXPECT_EQ(piulunga, 63u);
}

TEST(Descrizione, WarnsFromThe66thCharacter) {
    const ModZocal mod = modulo();
    EXPECT_FALSE(lunghezzadescrizione(std::string(65, 'a'), mod));
    const auto avviso = lunghezzadescrizione(std::string(66, 'a'), mod);
    ASSERT_TRUE(avviso);
    EXPECT_EQ(*avviso, (Messaggio{"Per una stampa corretta non digitare dati lunghi più di 65 "
                                  "spazi.",
                                  Icona::esclamazione, titolocontrollo}));
    // Still too long after a further change: warns again.
    EXPECT_TRUE(lunghezzadescrizione(std::string(67, 'a'), mod));
    EXPECT_TRUE(lunghezzadescrizione(std::string(200, ' '), mod));
}

TEST(Descrizione, GuidanceFollowsWhetherAnythingIsTyped) {
    DatiDescrizione testi;
    EXPECT_EQ(aggiornapasso(testi), "inserire tutti i dati necessari per la relazione");
    testi[static_cast<std::size_t>(Descrizione::natura)] = " ";
    EXPECT_EQ(aggiornapasso(testi),
              "archiviare i dati o passare alla stampa della relazione cliccando sul tasto "
              "Avanti");
    testi = {};
    testi[0] = "edificio esistente";
    EXPECT_EQ(aggiornapasso(testi), passodescrizionepiena);
}

TEST(Descrizione, CheckHasThreeOutcomes) {
    const ModZocal mod = modulo();
    DatiDescrizione testi;
    EXPECT_EQ(controlladescrizione(testi, mod),
              (Messaggio{"Non è stato immesso alcun dato.", Icona::domanda, titolocontrollo}));

    testi[static_cast<std::size_t>(Descrizione::giudizio)] = "buono";
    EXPECT_EQ(controlladescrizione(testi, mod),
              (Messaggio{"Inserire i dati in ogni campo.", Icona::domanda, titolocontrollo}));

    // Twelve of thirteen is still incomplete, whichever is missing.
    for (std::size_t manca = 0; manca < testi.size(); ++manca) {
        testi.fill("x");
        testi[manca].clear();
        EXPECT_EQ(controlladescrizione(testi, mod).testo, "Inserire i dati in ogni campo.")
            << manca;
    }

    // Blanks count as typed.
    testi.fill(" ");
    EXPECT_EQ(controlladescrizione(testi, mod), (Messaggio{"I dati sono stati immessi "
                                                           "correttamente.",
                                                           Icona::informazione, titolocontrollo}));
}

TEST(Descrizione, HelpHasFourLines) {
    const Messaggio aiuto = aiutodescrizione(modulo());
    EXPECT_EQ(aiuto.titolo, "Zocal: aiuto in linea");
    EXPECT_EQ(aiuto.icona, Icona::informazione);
    EXPECT_EQ(std::count(aiuto.testo.begin(), aiuto.testo.end(), '\r'), 3);
    EXPECT_EQ(aiuto.testo.find("\n"), std::string::npos);
    EXPECT_NE(aiuto.testo.find("\r- non digitare dati più lunghi di 65 caratteri;\r"),
              std::string::npos);
    EXPECT_TRUE(aiuto.testo.ends_with(
        "- o aprire un file archiviato per prelevare i dati registrati (Zocal-dati-...)"));
}
