#include "zocal/core/frontespizio.h"

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

DatiFrontespizio con(std::initializer_list<Frontespizio> pieni, const std::string& testo = "x") {
    DatiFrontespizio t;
    for (Frontespizio f : pieni) {
        t[static_cast<std::size_t>(f)] = testo;
    }
    return t;
}

using F = Frontespizio;

} // namespace

TEST(Frontespizio, WarnsFromThe61stCharacter) {
    const ModZocal mod = modulo();
    EXPECT_FALSE(lunghezzafrontespizio(std::string(60, 'a'), mod));
    std::string accentate;
    for (int i = 0; i < 60; ++i) {
        accentate += "à";
    }
    EXPECT_FALSE(lunghezzafrontespizio(accentate, mod));
    const auto avviso = lunghezzafrontespizio(accentate + "a", mod);
    ASSERT_TRUE(avviso);
    EXPECT_EQ(*avviso, (Messaggio{"Per una stampa corretta non digitare dati lunghi più di 60 "
                                  "spazi.",
                                  Icona::esclamazione, titolocontrollo}));
    EXPECT_TRUE(lunghezzafrontespizio(std::string(62, 'a'), mod));
}

TEST(Frontespizio, CheckHasThreeOutcomes) {
    const ModZocal mod = modulo();
    const Messaggio nessuno{"Non è stato immesso alcun dato.", Icona::domanda, titolocontrollo};
    const Messaggio incompleti{"Inserire dati per ogni campo.", Icona::esclamazione,
                               titolocontrollo};
    const Messaggio corretti{"I dati sono stati immessi correttamente.", Icona::informazione,
                             titolocontrollo};

    EXPECT_EQ(controllafrontespizio({}, mod), nessuno);
    // Place and date alone, as a fresh window has them, are nothing typed.
    EXPECT_EQ(controllafrontespizio(con({F::luogo, F::data}), mod), nessuno);
    EXPECT_EQ(controllafrontespizio(con({F::progetto}), mod), incompleti);
    EXPECT_EQ(controllafrontespizio(con({F::allegati}), mod), incompleti);
    EXPECT_EQ(controllafrontespizio(
                  con({F::progetto, F::localita, F::committente, F::data, F::allegati}), mod),
              incompleti);
    EXPECT_EQ(controllafrontespizio(
                  con({F::progetto, F::localita, F::committente, F::luogo, F::allegati}), mod),
              incompleti);
    EXPECT_EQ(
        controllafrontespizio(
            con({F::progetto, F::localita, F::committente, F::luogo, F::data, F::allegati}, " "),
            mod),
        corretti);
}

TEST(Frontespizio, HelpHasFiveLines) {
    const Messaggio aiuto = aiutofrontespizio(modulo());
    EXPECT_EQ(aiuto.titolo, "Zocal: aiuto in linea");
    EXPECT_EQ(aiuto.icona, Icona::informazione);
    EXPECT_EQ(std::count(aiuto.testo.begin(), aiuto.testo.end(), '\r'), 4);
    EXPECT_TRUE(aiuto.testo.starts_with("- Digitare o correggere i dati spostandosi con il tasto "
                                        "TAB, o con il mouse, nei campi;\r"));
    EXPECT_NE(aiuto.testo.find("\r- la data viene impostata in automatico, ma è modificabile;\r"),
              std::string::npos);
    const std::string ultima = aiuto.testo.substr(aiuto.testo.rfind('\r') + 1);
    EXPECT_NE(ultima.find("studio tecnico"), std::string::npos);
    EXPECT_NE(ultima.find("non si modificano in questa finestra"), std::string::npos);
}

TEST(Frontespizio, OfficeTooltipsSayWhereTheValuesComeFrom) {
    const std::string letto =
        suggerimentostudio(false, "/home/ing/.config/Zocal/StudioZocal.TXT", "/home/ing/.config");
    EXPECT_EQ(letto, "nome dello studio tecnico, non modificabile in questa finestra: letto "
                     "all'avvio dal file /home/ing/.config/Zocal/StudioZocal.TXT");
    EXPECT_TRUE(suggerimentostudio(true, "/opt/zocal/StudioZocal.TXT", "")
                    .starts_with("indirizzo dello studio tecnico, non modificabile"));

    const std::string mancante = suggerimentostudio(false, "", "/home/ing/.config/Zocal");
    EXPECT_NE(mancante.find("non modificabile in questa finestra"), std::string::npos);
    EXPECT_NE(mancante.find("StudioZocal.TXT"), std::string::npos);
    EXPECT_NE(mancante.find("alla prima riga"), std::string::npos);
    EXPECT_NE(mancante.find("nella cartella /home/ing/.config/Zocal"), std::string::npos);
    const std::string indirizzo = suggerimentostudio(true, "", "");
    EXPECT_NE(indirizzo.find("alla seconda riga"), std::string::npos);
    EXPECT_NE(indirizzo.find("accanto al programma"), std::string::npos);
}
