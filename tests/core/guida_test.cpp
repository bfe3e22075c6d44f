#include "zocal/core/guida.h"

#include "esempio.h"
#include "zocal/core/modzocal.h"

#include <gtest/gtest.h>

using namespace zocal;

namespace {

CampiTerreno campi(const DatiCalcolo& d) {
    return {d.pesos.testo(), d.coes.testo(), d.attr.testo()};
}

const char* const finale = "correggere, archiviare quanto immesso, digitare ulteriori dati, "
                           "andare oltre (stampa, altro tipo di calcolo)";

} // namespace

TEST(Indicazioni, OpeningPromptWhileLoading) {
    EXPECT_EQ(indicazioni(DatiCalcolo{}, 0, {}),
              "aprire un file con i dati archiviati o iniziare l'immissione digitando la "
              "profondità della prima fondazione");
}

TEST(Indicazioni, PromptsFollowTheOrderOfEntry) {
    DatiCalcolo d;
    EXPECT_EQ(indicazioni(d, 1, {}), "digitare la profondità della fondazione n. 1");
    d.prof[1] = "1";
    d.contadati();
    EXPECT_EQ(indicazioni(d, 1, {}), "digitare la larghezza della fondazione n. 1");
    d.largh[1] = "0,6";
    d.npiani[1] = 1; // the width raises the count to 1
    EXPECT_EQ(indicazioni(d, 1, {}), "digitare il peso del solaio dell'impalcato n. 1");

    const std::pair<Voce, const char*> passi[] = {
        {Voce::pesol, "digitare il valore del sovraccarico accidentale sull'impalcato n. 1"},
        {Voce::sovr, "digitare la lunghezza del solaio (gravante sul muro) dell'impalcato n. 1"},
        {Voce::lungh, "digitare il peso del pavimento (gravante sul muro) dell'impalcato n. 1"},
        {Voce::pepav,
         "digitare il totale del peso dei tramezzi (gravanti sul muro) dell'impalcato n. 1"},
        {Voce::tram,
         "digitare il valore dello spessore murario del piano sottostante l'impalcato n. 1"},
        {Voce::spess, "digitare l'interasse del piano sottostante l'impalcato n. 1"},
        {Voce::interas,
         "digitare il valore del peso specifico del muro sottostante l'impalcato n. 1"},
        {Voce::spem, "digitare il peso specifico del terreno"},
    };
    for (const auto& [voce, atteso] : passi) {
        d.piano(voce, 1, 1) = "1";
        EXPECT_EQ(indicazioni(d, 1, campi(d)), atteso) << nomevoce(voce);
    }
    d.pesos = "1,8";
    EXPECT_EQ(indicazioni(d, 1, campi(d)), "digitare il valore della coesione");
    d.coes = "0";
    EXPECT_EQ(indicazioni(d, 1, campi(d)), "digitare l'angolo di attrito");
    d.attr = "30";
    EXPECT_EQ(indicazioni(d, 1, campi(d)), finale);
}

TEST(Indicazioni, GivenSigmaPromptOnlyForSoilTypeZero) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "0";
    EXPECT_EQ(indicazioni(d, 1, campi(d)),
              "scegliere il tipo di suolo o digitare il sigma massimo del terreno di fondazione");
    d.sigmat[1] = 0.0; // the calculation stores a number 0
    EXPECT_EQ(indicazioni(d, 1, campi(d)),
              "scegliere il tipo di suolo o digitare il sigma massimo del terreno di fondazione");
    d.sigmat[1] = "1,5";
    EXPECT_EQ(indicazioni(d, 1, campi(d)), finale);
    d.coes = "";
    EXPECT_EQ(indicazioni(d, 1, campi(d)), "digitare il valore della coesione");
}

TEST(Indicazioni, NamesTheLowestStoreyMissingAnEntryAndReadsTheFieldTexts) {
    DatiCalcolo d = esempiolavorato();
    d.tram(1, 1) = ""; // never the closing prompt while an entry is empty
    d.spem(2, 1) = "";
    EXPECT_EQ(indicazioni(d, 1, campi(d)),
              "digitare il totale del peso dei tramezzi (gravanti sul muro) dell'impalcato n. 1");
    d.tram(1, 1) = "200";
    EXPECT_EQ(indicazioni(d, 1, campi(d)),
              "digitare il valore del peso specifico del muro sottostante l'impalcato n. 2");
    d.spem(2, 1) = "1800";
    EXPECT_EQ(indicazioni(d, 1, {"1,8", "", "30"}), "digitare il valore della coesione");
    EXPECT_EQ(indicazioni(d, 2, campi(d)), "digitare la profondità della fondazione n. 2");
}

// Storeys 1 and 3 typed, storey 2 forgotten: the prompt asks for storey 2
// before anything else, and for an empty foundation below one in use.
TEST(Indicazioni, AsksForWhatIsEmptyBelowOneInUse) {
    DatiCalcolo d = esempiolavorato();
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 3, 1) = d.piano(vociingresso[k], 1, 1);
        d.piano(vociingresso[k], 2, 1) = "";
    }
    d.contadati();
    EXPECT_EQ(indicazioni(d, 1, campi(d)), "digitare il peso del solaio dell'impalcato n. 2");
    d.pesol(2, 1) = "250";
    d.contadati();
    EXPECT_EQ(indicazioni(d, 1, campi(d)),
              "digitare il valore del sovraccarico accidentale sull'impalcato n. 2");
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 2, 1) = d.piano(vociingresso[k], 1, 1);
    }
    EXPECT_EQ(indicazioni(d, 1, campi(d)), finale);

    d.prof[3] = "1";
    d.largh[3] = "0,6";
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 1, 3) = d.piano(vociingresso[k], 1, 1);
    }
    d.contadati();
    EXPECT_EQ(indicazioni(d, 1, campi(d)), "digitare la profondità della fondazione n. 2");
    EXPECT_EQ(indicazioni(d, 3, campi(d)), "digitare la profondità della fondazione n. 2");
    EXPECT_EQ(indicazioni(d, 2, campi(d)), "digitare la profondità della fondazione n. 2");
    d.prof[2] = "1";
    d.contadati();
    EXPECT_EQ(indicazioni(d, 3, campi(d)), finale);
}

TEST(Indicazioni, NoStoreyCountedNamesStoreyZero) {
    DatiCalcolo d;
    d.prof[1] = "1";
    d.largh[1] = "0,6";
    d.contadati();
    EXPECT_EQ(indicazioni(d, 1, {}), "digitare il peso del solaio dell'impalcato n. 0");
}

class Controllo : public ::testing::Test {
  protected:
    void SetUp() override { mod.inizializza(); }
    std::optional<Messaggio> esegui(const DatiCalcolo& d) { return controlla(d, silenzioso, mod); }
    ModZocal mod;
    int silenzioso = 0;
};

TEST_F(Controllo, NoDataWarns) {
    const auto m = esegui(DatiCalcolo{});
    ASSERT_TRUE(m);
    EXPECT_EQ(m->icona, Icona::esclamazione);
    EXPECT_EQ(m->titolo, "Zocal: controllo dati immessi nella finestra attiva");
    EXPECT_EQ(m->testo, "Non esistono dati riconosciuti:\r- per procedere è necessario digitare "
                        "almeno profondità e larghezza della fondazione n.1;\r- il controllo "
                        "viene effettuato solo per i piani per i quali esistono i dati sulle "
                        "fondazioni.");
}

TEST_F(Controllo, MessagesInOrder) {
    DatiCalcolo d;
    d.prof[1] = "1";
    d.contadati();
    auto m = esegui(d);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->icona, Icona::stop);
    EXPECT_EQ(m->testo, "Attenzione: non ancora vengono inseriti dati per controllare i piani!");

    d = esempiolavorato();
    d.tram(2, 1) = "";
    EXPECT_EQ(esegui(d)->testo,
              "Fondazione n. 1- piano n. 2:\r- digitare il dato del peso dei tramezzi.");
    d.tram(2, 1) = "150";
    d.sovr(1, 1) = "";
    d.spem(1, 1) = "";
    EXPECT_EQ(esegui(d)->testo,
              "Fondazione n. 1- piano n. 1:\r- digitare il dato del sovraccarico.");
    d.sovr(1, 1) = "200";
    EXPECT_EQ(esegui(d)->testo,
              "Fondazione n. 1- piano n. 1:\r- digitare il dato del peso specifico del muro.");
    d.spem(1, 1) = "1800";

    d.tiposuolo = "";
    EXPECT_EQ(esegui(d)->testo, "Scegliere il tipo di suolo di fondazione.");
    d.tiposuolo = "1";
    d.pesos = "";
    EXPECT_EQ(esegui(d)->testo, "Digitare il valore del peso specifico del terreno.");
    d.pesos = "1,8";
    d.coes = "";
    EXPECT_EQ(esegui(d)->testo, "Digitare il valore della coesione.");
    d.tiposuolo = "0";
    d.attr = "";
    EXPECT_EQ(esegui(d)->testo, "Digitare il valore dell'angolo d'attrito.");
    d.attr = "30";
    EXPECT_EQ(esegui(d)->testo, "Digitare il valore del sigma del terreno della fondazione n. 1");
    d.sigmat[1] = "1,5";
    m = esegui(d);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->icona, Icona::informazione);
    EXPECT_EQ(m->testo, "I dati sono stati immessi correttamente.");
}

TEST_F(Controllo, NegativeMeasuresAreRefusedNamingTheEntry) {
    const struct {
        void (*guasta)(DatiCalcolo&);
        const char* messaggio;
    } casi[] = {
        {[](DatiCalcolo& d) { d.pepav(2, 1) = "-80"; },
         "Fondazione n. 1- piano n. 2:\r- Dato negativo: \"-80\" (peso del pavimento del piano "
         "n. 2), che non può esserlo. Correggere il valore."},
        {[](DatiCalcolo& d) { d.interas(1, 1) = "-3"; }, "(interasse del piano del piano n. 1)"},
        {[](DatiCalcolo& d) { d.prof[1] = "-1"; },
         "Fondazione n. 1:\r- Dato negativo: \"-1\" (profondità della fondazione)"},
        {[](DatiCalcolo& d) { d.sigmat[1] = "-1"; }, "(sigma terreno)"},
        {[](DatiCalcolo& d) { d.pesos = "-1,8"; },
         "Dato negativo: \"-1,8\" (peso specifico del terreno)"},
        {[](DatiCalcolo& d) { d.attr = "-30"; }, "(angolo di attrito del terreno)"},
    };
    for (const auto& c : casi) {
        DatiCalcolo d = esempiolavorato();
        d.sigmat[1] = "1,5";
        c.guasta(d);
        silenzioso = 1;
        const auto m = esegui(d);
        ASSERT_TRUE(m.has_value()) << c.messaggio;
        EXPECT_EQ(m->icona, Icona::stop);
        EXPECT_NE(m->testo.find(c.messaggio), std::string::npos) << m->testo;
        EXPECT_EQ(silenzioso, 1) << "the save must stop";
    }
}

TEST_F(Controllo, SilentCheck) {
    DatiCalcolo d = esempiolavorato();
    d.sigmat[1] = 1.67;
    silenzioso = 1;
    EXPECT_FALSE(esegui(d).has_value());
    EXPECT_EQ(silenzioso, 0);

    silenzioso = 1;
    d.attr = "";
    EXPECT_TRUE(esegui(d).has_value());
    EXPECT_EQ(silenzioso, 1); // a failed check leaves the flag for the caller
}

TEST_F(Controllo, NamesAnEmptyStoreyOrFoundationBelowOneInUse) {
    DatiCalcolo d = esempiolavorato();
    d.sigmat[1] = "1,5";
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 3, 1) = d.piano(vociingresso[k], 2, 1);
        d.piano(vociingresso[k], 2, 1) = "";
    }
    d.contadati();
    EXPECT_EQ(esegui(d)->testo, "Fondazione n. 1- piano n. 2:\r- il piano è vuoto, ma un piano "
                                "superiore è in uso: digitare i dati del piano n. 2.");
    d.pesol(2, 1) = "250";
    EXPECT_EQ(esegui(d)->testo,
              "Fondazione n. 1- piano n. 2:\r- digitare il dato del sovraccarico.");
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 2, 1) = d.piano(vociingresso[k], 3, 1);
    }

    d.prof[3] = "1";
    d.sigmat[3] = "1,5";
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 1, 3) = d.piano(vociingresso[k], 1, 1);
    }
    d.contadati();
    const auto m = esegui(d);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->icona, Icona::stop);
    EXPECT_EQ(m->testo, "Fondazione n. 2:\r- manca la profondità, ma una fondazione successiva è "
                        "in uso: digitare la profondità della fondazione n. 2.");
    EXPECT_EQ(fondazionevuota(d), 2);
}

TEST_F(Controllo, SecondFoundationWithoutStoreys) {
    DatiCalcolo d = esempiolavorato();
    d.prof[2] = "1";
    d.contadati();
    EXPECT_EQ(esegui(d)->testo,
              "Attenzione: non ancora vengono inseriti dati per controllare i piani!");
}

TEST(Nonverificate, NamesEveryFoundationThatFailsEitherCheck) {
    struct Caso {
        const char* verdetti[3];
        bool ntc;
        const char* atteso;
    };
    const Caso casi[] = {
        {{"verificata", "verificata", ""}, false, ""},
        {{"verificata", "non verificata", ""}, false, "La fondazione n. 2 non è verificata."},
        {{"", "verificata", "non verificata"}, false, "Le fondazioni n. 1, 3 non sono verificate."},
        // The worked example holds by both checks.
        {{"verificata", "verificata", ""}, true, ""},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        d.nfond = c.verdetti[2][0] ? 3 : 2;
        for (int f = 1; f <= 3; ++f) {
            d.verifica[f] = c.verdetti[f - 1];
        }
        const OpzioniNtc opzioni;
        EXPECT_EQ(fondazioninonverificate(d, c.ntc ? &opzioni : nullptr), c.atteso);
    }
    DatiCalcolo d = esempiolavorato();
    d.verifica[1] = "verificata";
    d.attr = "5";
    const OpzioniNtc opzioni;
    ASSERT_FALSE(verificantc(d, 1, opzioni).verificata);
    EXPECT_EQ(fondazioninonverificate(d, &opzioni), "La fondazione n. 1 non è verificata.");
    EXPECT_EQ(fondazioninonverificate(d, nullptr), "");
}
