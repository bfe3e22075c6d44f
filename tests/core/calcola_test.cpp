#include "zocal/core/calcola.h"
#include "zocal/core/guida.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/ntc.h"

#include "esempio.h"
#include "zocal/core/ntc.h"
#include "zocal/core/regole.h"

#include <gtest/gtest.h>

using namespace zocal;

namespace {

struct Risultati {
    std::string carlim, sigmat, scater, siglav, coeff, verifica;
};

Risultati risultati(const DatiCalcolo& d, int f) {
    return {d.carlim[f].testo(), d.sigmat[f].testo(), d.scater[f].testo(),
            d.siglav[f].testo(), d.coeff[f].testo(),  d.verifica[f].testo()};
}

} // namespace

TEST(Calcola, WorkedExample) {
    DatiCalcolo d = esempiolavorato();
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_TRUE(e.completo());
    EXPECT_EQ(d.scar(1, 1).testo(), "4220");
    EXPECT_EQ(d.scar(2, 1).testo(), "3690");
    EXPECT_EQ(d.scartot(1, 1).testo(), "7910");
    EXPECT_EQ(d.scartot(2, 1).testo(), "3690");
    const Risultati r = risultati(d, 1);
    EXPECT_EQ(r.carlim, "50,04");
    EXPECT_EQ(r.sigmat, "1,67");
    EXPECT_EQ(r.scater, "8990");
    EXPECT_EQ(r.siglav, "1,49");
    EXPECT_EQ(r.coeff, "3,33");
    EXPECT_EQ(r.verifica, "verificata");
    EXPECT_EQ(e.text1, "verificata");
    EXPECT_EQ(e.note, notaverificata);
    EXPECT_EQ(e.sigmat, "1,67");
    EXPECT_EQ(e.carlim, "50,04");
    EXPECT_EQ(e.coeff, "3,33");
    EXPECT_TRUE(e.aggiornagriglia);
    EXPECT_FALSE(e.indicazioni);
}

TEST(Calcola, CompactSoilFails) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "2";
    d.pesos = "1,9";
    d.coes = "2";
    d.prof[1] = "1,2";
    const EsitoCalcolo e = calcola(d, 1);
    const Risultati r = risultati(d, 1);
    EXPECT_EQ(r.carlim, "21,7");
    EXPECT_EQ(r.sigmat, "0,72");
    EXPECT_EQ(r.scater, "9206");
    EXPECT_EQ(r.siglav, "1,53");
    EXPECT_EQ(r.coeff, "1,41");
    EXPECT_EQ(r.verifica, "non verificata");
    EXPECT_EQ(e.note, notainsufficiente);
}

TEST(Calcola, IntermediateSoil) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "3";
    d.coes = "1";
    calcola(d, 1);
    const Risultati r = risultati(d, 1);
    EXPECT_EQ(r.carlim, "29,92");
    EXPECT_EQ(r.sigmat, "1");
    EXPECT_EQ(r.coeff, "1,99");
    EXPECT_EQ(r.verifica, "non verificata");
}

TEST(Calcola, GivenSigmaExactlyThreeIsVerified) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "0";
    d.sigmat[1] = "1,5";
    const EsitoCalcolo e = calcola(d, 1);
    const Risultati r = risultati(d, 1);
    EXPECT_EQ(r.carlim, "45");
    EXPECT_EQ(r.sigmat, "1,5");
    EXPECT_EQ(r.coeff, "3");
    EXPECT_EQ(r.verifica, "verificata");
    EXPECT_EQ(e.sigmat, "1,5");
}

TEST(Calcola, GivenSigmaWithoutCohesionStopsOnSoilData) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "0";
    d.sigmat[1] = "1,5";
    d.coes = "";
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 5);
    EXPECT_EQ(e.note, notaterreno);
    EXPECT_FALSE(e.sigmat.has_value());
    EXPECT_EQ(d.scartot(1, 1).testo(), "7910"); // loads computed before the stop
    EXPECT_TRUE(d.carlim[1].vuota());
}

TEST(Calcola, EmptyWidthComputesWithHalfMetreAndStoresNothing) {
    DatiCalcolo d = esempiolavorato();
    d.largh[1] = "";
    calcola(d, 1);
    EXPECT_TRUE(d.largh[1].vuota());
    // 17*1.8*1 + 18*1.8*0.5 = 46.8; 7910 + 1800*0.5 = 8810
    EXPECT_EQ(d.carlim[1].testo(), "46,8");
    EXPECT_EQ(d.scater[1].testo(), "8810");
}

// A run that stops early must not leave the verdict of earlier data.
TEST(Calcola, ZeroWidthStopsAfterGroundLoadEmptyingTheOldVerdict) {
    DatiCalcolo d = esempiolavorato();
    calcola(d, 1);
    d.largh[1] = "0";
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 12);
    EXPECT_EQ(d.carlim[1].testo(), "30,6");
    EXPECT_EQ(d.scater[1].testo(), "7910");
    EXPECT_EQ(d.scartot(1, 1).testo(), "7910");
    EXPECT_TRUE(d.siglav[1].vuota());
    EXPECT_TRUE(d.coeff[1].vuota());
    EXPECT_TRUE(d.verifica[1].vuota());
    EXPECT_EQ(e.coeff, "");
    EXPECT_EQ(e.siglav, "");
    EXPECT_EQ(e.text1, "");
    EXPECT_EQ(e.carlim, "30,6");
    EXPECT_EQ(e.scater, "7910");
    EXPECT_EQ(d.largh[1].testo(), "0");
}

TEST(Calcola, StoppedRunEmptiesEveryResultItDidNotRecompute) {
    DatiCalcolo d = esempiolavorato();
    ASSERT_TRUE(calcola(d, 1).completo());
    d.tram(2, 1) = "";
    const DatiCalcolo prima = d;
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 1);
    EXPECT_EQ(d.scar(1, 1).testo(), "4220");
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(d.scartot(i, 1).vuota()) << i;
    }
    EXPECT_TRUE(d.scar(2, 1).vuota());
    const Risultati r = risultati(d, 1);
    for (const std::string& valore :
         {r.carlim, r.sigmat, r.scater, r.siglav, r.coeff, r.verifica}) {
        EXPECT_EQ(valore, "");
    }
    for (const auto& mostrato : {e.carlim, e.sigmat, e.scater, e.siglav, e.coeff, e.text1}) {
        EXPECT_EQ(mostrato, "");
    }
    EXPECT_TRUE(e.aggiornagriglia);
    // Every typed value stays.
    for (int i = 1; i <= 2; ++i) {
        for (Voce v : vociingresso) {
            EXPECT_TRUE(d.piano(v, i, 1).identica(prima.piano(v, i, 1)));
        }
    }
    EXPECT_EQ(d.prof[1].testo(), "1");
    EXPECT_EQ(d.largh[1].testo(), "0,6");
    EXPECT_EQ(d.pesos.testo(), "1,8");
}

TEST(Calcola, StoppedRunKeepsTheSigmaTheUserTyped) {
    // Soil type 0: the sigma is the user's, even after a run stored it back.
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "0";
    d.sigmat[1] = "1,5";
    ASSERT_TRUE(calcola(d, 1).completo());
    d.prof[1] = "";
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 4);
    EXPECT_EQ(d.sigmat[1].testo(), "1,5");
    EXPECT_FALSE(e.sigmat.has_value());
    EXPECT_TRUE(d.carlim[1].vuota());

    // Another type with a sigma typed as text: never emptied either.
    DatiCalcolo t = esempiolavorato();
    t.sigmat[1] = "2";
    t.pesos = "";
    calcola(t, 1);
    EXPECT_EQ(t.sigmat[1].testo(), "2");
}

TEST(Calcola, LoadsAboveTheHighestStoreyInUseAreEmptied) {
    DatiCalcolo d = esempiolavorato();
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 3, 1) = d.piano(vociingresso[k], 2, 1);
    }
    d.contadati();
    ASSERT_TRUE(calcola(d, 1).completo());
    ASSERT_FALSE(d.scar(3, 1).vuota());
    for (Voce v : vociingresso) {
        d.piano(v, 3, 1) = "";
    }
    d.contadati();
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_TRUE(e.completo());
    EXPECT_TRUE(d.scar(3, 1).vuota());
    EXPECT_TRUE(d.scartot(3, 1).vuota());
    EXPECT_EQ(d.scartot(1, 1).testo(), "7910");
}

// A top storey whose slab weight alone is empty is counted and asked for:
// the calculation, the limit-state check, the guidance and the data check
// all name it, instead of dropping it (a failing job read as verified).
TEST(Calcola, EmptyEntryOfACountedStoreyStopsEveryCheckNamingIt) {
    struct Caso {
        Voce voce;
        int piano;
        const char* nota;
        const char* guida;
        const char* controllo;
    };
    const Caso casi[] = {
        {Voce::pesol, 3, "Manca il dato del peso del solaio del piano n. 3.",
         "digitare il peso del solaio dell'impalcato n. 3",
         "Fondazione n. 1- piano n. 3:\r- digitare il dato del peso solaio."},
        {Voce::tram, 2, "Manca il dato del peso dei tramezzi del piano n. 2.",
         "digitare il totale del peso dei tramezzi (gravanti sul muro) dell'impalcato n. 2",
         "Fondazione n. 1- piano n. 2:\r- digitare il dato del peso dei tramezzi."},
        {Voce::sovr, 1, "Manca il dato del sovraccarico accidentale del piano n. 1.",
         "digitare il valore del sovraccarico accidentale sull'impalcato n. 1",
         "Fondazione n. 1- piano n. 1:\r- digitare il dato del sovraccarico."},
    };
    ModZocal mod;
    mod.inizializza();
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        d.sigmat[1] = "1,5";
        for (Voce v : vociingresso) {
            d.piano(v, 3, 1) = d.piano(v, 2, 1);
        }
        d.piano(c.voce, c.piano, 1) = "";
        d.contadati();
        ASSERT_EQ(d.npiani[1], 3) << c.nota;
        const EsitoCalcolo e = calcola(d, 1);
        EXPECT_EQ(e.passo, 1) << c.nota;
        EXPECT_EQ(e.note.value_or(""), c.nota);
        EXPECT_TRUE(d.verifica[1].vuota()) << c.nota;
        EXPECT_EQ(verificantc(d, 1, OpzioniNtc{}).nota, c.nota);
        EXPECT_EQ(indicazioni(d, 1, {"1,8", "0", "30"}), c.guida);
        int silenzioso = 0;
        EXPECT_EQ(controlla(d, silenzioso, mod).value_or(Messaggio{}).testo, c.controllo);
    }
}

TEST(Calcola, MissingStoreyValueStopsKeepingLowerLoads) {
    DatiCalcolo d = esempiolavorato();
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 3, 1) = d.piano(vociingresso[k], 1, 1);
    }
    d.tram(2, 1) = "";
    d.contadati();
    ASSERT_EQ(d.npiani[1], 3);
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 1);
    EXPECT_EQ(d.scar(1, 1).testo(), "4220");
    EXPECT_TRUE(d.scar(2, 1).vuota());
    EXPECT_TRUE(d.scartot(1, 1).vuota());
    EXPECT_TRUE(d.carlim[1].vuota());
}

TEST(Calcola, MissingDepthAsksForGuidance) {
    DatiCalcolo d = esempiolavorato();
    d.prof[1] = "";
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 4);
    EXPECT_TRUE(e.indicazioni);
    EXPECT_FALSE(e.note.has_value());
}

TEST(Calcola, CumulativeLoadsSumFromTheTop) {
    DatiCalcolo d = esempiolavorato();
    for (int i = 3; i <= 10; ++i) {
        for (int k = 0; k < 8; ++k) {
            d.piano(vociingresso[k], i, 1) = d.piano(vociingresso[k], 2, 1);
        }
    }
    d.contadati();
    calcola(d, 1);
    EXPECT_EQ(d.scartot(10, 1).testo(), d.scar(10, 1).testo());
    double somma = 0;
    for (int i = 1; i <= 10; ++i) {
        somma += leggiintero(d.scar(i, 1));
    }
    EXPECT_EQ(leggiintero(d.scartot(1, 1)), somma);
}

TEST(Calcola, UnknownSoilTypeKeepsPreviousCapacity) {
    DatiCalcolo d = esempiolavorato();
    calcola(d, 1);
    d.tiposuolo = "7";
    calcola(d, 1);
    EXPECT_EQ(d.carlim[1].testo(), "50,04");
    DatiCalcolo nuovo = esempiolavorato();
    nuovo.tiposuolo = "5";
    calcola(nuovo, 1);
    EXPECT_EQ(nuovo.carlim[1].testo(), "0");
}

TEST(Calcola, SigmaStoredAsZeroWhenEmpty) {
    DatiCalcolo d = esempiolavorato();
    d.tiposuolo = "0";
    calcola(d, 1);
    EXPECT_EQ(d.sigmat[1].testo(), "0");
    EXPECT_EQ(d.carlim[1].testo(), "0");
    EXPECT_EQ(d.verifica[1].testo(), "non verificata");
}

// Texts that pass the entry rule but are no number never end the program.
TEST(Calcola, UnreadableValuesStopWithANote) {
    struct Caso {
        const char* nome;
        void (*guasta)(DatiCalcolo&);
        int passo;
        const char* valore;
    };
    const Caso casi[] = {
        {"spess", [](DatiCalcolo& d) { d.spess(2, 1) = "1,2,3"; }, 1, "1,2,3"},
        {"pesol", [](DatiCalcolo& d) { d.pesol(1, 1) = "5-"; }, 1, "5-"},
        {"largh", [](DatiCalcolo& d) { d.largh[1] = "0,6-"; }, 3, "0,6-"},
        {"prof", [](DatiCalcolo& d) { d.prof[1] = "1,,"; }, 4, "1,,"},
        {"pesos", [](DatiCalcolo& d) { d.pesos = std::string(400, '9'); }, 5, "999"},
        {"tipo", [](DatiCalcolo& d) { d.tiposuolo = "-"; }, 5, "-"},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        c.guasta(d);
        const EsitoCalcolo e = calcola(d, 1);
        EXPECT_EQ(e.passo, c.passo) << c.nome;
        ASSERT_TRUE(e.note.has_value()) << c.nome;
        EXPECT_NE(e.note->find("non leggibile"), std::string::npos) << c.nome;
        EXPECT_NE(e.note->find(c.valore), std::string::npos) << c.nome;
        EXPECT_TRUE(d.verifica[1].vuota()) << c.nome;
    }
}

// A negative measure stops both calculations, the note naming the entry:
// negative loads on a negative soil weight once gave "verificata".
TEST(Calcola, NegativeMeasuresStopBothCalculations) {
    struct Caso {
        void (*guasta)(DatiCalcolo&);
        const char* dove;
        // The limit-state check: 1 stops with the same note, 2 with its
        // own, 0 does not read the entry.
        int ntc;
    };
    const Caso casi[] = {
        {[](DatiCalcolo& d) { d.pesol(1, 1) = "-300"; }, "peso del solaio del piano n. 1", 1},
        {[](DatiCalcolo& d) { d.lungh(1, 1) = "-4"; }, "lunghezza del solaio del piano n. 1", 1},
        {[](DatiCalcolo& d) { d.spess(1, 1) = "-0,30"; }, "spessore del muro del piano n. 1", 1},
        {[](DatiCalcolo& d) { d.interas(2, 1) = "-3"; }, "interasse del piano del piano n. 2", 1},
        {[](DatiCalcolo& d) { d.spem(1, 1) = "-1800"; }, "peso specifico del muro del piano n. 1",
         1},
        {[](DatiCalcolo& d) { d.largh[1] = "-0,6"; }, "larghezza della fondazione", 2},
        {[](DatiCalcolo& d) { d.prof[1] = "-1"; }, "profondità della fondazione", 2},
        {[](DatiCalcolo& d) { d.pesos = "-1,8"; }, "peso specifico del terreno", 2},
        {[](DatiCalcolo& d) { d.coes = "-0,1"; }, "coesione del terreno", 2},
        {[](DatiCalcolo& d) {
             d.tiposuolo = "0";
             d.sigmat[1] = "-1,5";
         },
         "sigma terreno", 0},
    };
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        c.guasta(d);
        const EsitoCalcolo e = calcola(d, 1);
        ASSERT_TRUE(e.note.has_value()) << c.dove;
        EXPECT_NE(e.note->find("Dato negativo"), std::string::npos) << *e.note;
        EXPECT_NE(e.note->find(std::string("(") + c.dove + ")"), std::string::npos) << *e.note;
        EXPECT_FALSE(e.completo()) << c.dove;
        EXPECT_TRUE(d.verifica[1].vuota() && d.coeff[1].vuota()) << c.dove;
        const VerificaNtc v = verificantc(d, 1, OpzioniNtc{});
        EXPECT_EQ(v.calcolata, c.ntc == 0) << c.dove;
        if (c.ntc == 1) {
            EXPECT_EQ(v.nota, *e.note);
        }
    }
    // Every load and the soil weight negative at once.
    DatiCalcolo d = esempiolavorato();
    for (int i = 1; i <= 2; ++i) {
        for (Voce v : {Voce::pesol, Voce::sovr, Voce::pepav, Voce::tram, Voce::spem}) {
            d.piano(v, i, 1) = "-" + d.piano(v, i, 1).testo();
        }
    }
    d.pesos = "-1,8";
    EXPECT_FALSE(calcola(d, 1).completo());
    EXPECT_TRUE(d.verifica[1].vuota());
}

TEST(Calcola, HugeButReadableValuesStopWithANote) {
    DatiCalcolo d = esempiolavorato();
    d.pesol(1, 1) = "1" + std::string(300, '0');
    d.lungh(1, 1) = "1" + std::string(300, '0');
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 1);
    ASSERT_TRUE(e.note.has_value());
    EXPECT_NE(e.note->find("troppo grandi"), std::string::npos);
}

TEST(Calcola, AWallWeightAloneCountsStoreyOneAndAsksForTheRest) {
    DatiCalcolo d;
    d.prof[1] = "1";
    d.largh[1] = "0,6";
    d.spem(1, 1) = "1800";
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.contadati();
    const EsitoCalcolo e = calcola(d, 1);
    EXPECT_EQ(e.passo, 1);
    EXPECT_EQ(e.note.value_or(""), "Manca il dato del peso del solaio del piano n. 1.");
}

TEST(Calcola, DamagedCountsNeverReadPastTheTables) {
    DatiCalcolo d = esempiolavorato();
    d.npiani[1] = 11;
    EXPECT_NO_THROW(calcola(d, 1));
    d.npiani[1] = -3;
    EXPECT_NO_THROW(calcola(d, 1));
    EXPECT_EQ(calcola(d, 0).passo, 0);
    EXPECT_EQ(calcola(d, 11).passo, 0);
}

// "Incrementa larghezza" on a foundation that does not hold goes straight to
// the first width, in 5 cm steps, where its verdict of record holds: the
// limit-state one too, not the allowable-stress one alone.
TEST(Calcola, SufficientWidthIsTheFirstStepWhereBothChecksHold) {
    const OpzioniNtc opzioni;
    struct Caso {
        const char* largh;
        const char* attr;
        bool conntc;
    };
    const Caso casi[] = {{"0,4", "30", false}, {"0,4", "30", true}, {"0,6", "26", true}};
    for (const Caso& c : casi) {
        DatiCalcolo d = esempiolavorato();
        d.largh[1] = c.largh;
        d.attr = c.attr;
        calcola(d, 1);
        const OpzioniNtc* ntc = c.conntc ? &opzioni : nullptr;
        ASSERT_FALSE(fondazioneregge(d, 1, ntc)) << c.largh << " " << c.attr;
        const auto B = larghezzasufficiente(d, 1, ntc);
        ASSERT_TRUE(B) << c.largh << " " << c.attr;
        DatiCalcolo prova = d;
        prova.largh[1] = *B;
        calcola(prova, 1);
        EXPECT_TRUE(fondazioneregge(prova, 1, ntc)) << *B;
        prova.largh[1] = *B - 0.05;
        calcola(prova, 1);
        EXPECT_FALSE(fondazioneregge(prova, 1, ntc)) << *B;
    }
    DatiCalcolo d = esempiolavorato();
    calcola(d, 1);
    EXPECT_FALSE(larghezzasufficiente(d, 1, &opzioni)) << "a foundation that holds: 5 cm";
}
