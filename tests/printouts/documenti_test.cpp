#include "esempio.h"
#include "zocal/printouts/documenti.h"
#include "zocal/printouts/registratore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zocal {
namespace {

// A line built from texts at columns, to compare with what was printed.
std::string riga(std::initializer_list<std::pair<int, std::string>> pezzi) {
    std::u32string celle;
    for (const auto& [colonna, testo] : pezzi) {
        const std::u32string t = caratteristampabili(testo);
        const auto inizio = static_cast<std::size_t>(colonna - 1);
        if (celle.size() < inizio + t.size()) {
            celle.resize(inizio + t.size(), U' ');
        }
        celle.replace(inizio, t.size(), t);
    }
    return utf8(celle);
}

std::size_t caratteri(const std::string& s) {
    return caratteristampabili(s).size();
}

const Aggiornamento nessunaggiornamento = [](DatiCalcolo&) {};

// Rows of the listing before the first foundation.
constexpr std::size_t righeintestazione = 43;

struct Documenti : ::testing::Test {
    SceltaRegistrata scelta;
    RegistratoreStampa& carta = scelta.registratore;

    void stampa(DatiCalcolo& d, const Aggiornamento& aggiorna = nessunaggiornamento) {
        const EsitoStampa e = stampadati(d, "Casa Rossi", scelta, aggiorna);
        ASSERT_TRUE(e.stampata()) << e.errore;
    }
    // The line of storey i of the only foundation.
    std::string piano(int i) const { return carta.testo(righeintestazione + 5 + i); }
};

TEST_F(Documenti, ModelloRigaPerRiga) {
    ASSERT_TRUE(stampamodello(scelta).stampata());
    ASSERT_EQ(carta.nrighe(), 82u);
    EXPECT_EQ(carta.documenti(), 1);
    const auto& r = carta.righe();
    EXPECT_DOUBLE_EQ(r[0].twip, 800);
    for (std::size_t n = 0; n < 82; ++n) {
        EXPECT_EQ(r[n].carattere, "Courier New") << n;
        EXPECT_EQ(r[n].punti, n == 0 ? 18 : n < 34 ? 12 : 8) << "riga " << n + 1;
    }
    EXPECT_EQ(carta.testo(0), riga({{7, "ZOCAL - verifica di fondazioni in muratura"}}));
    EXPECT_EQ(carta.testo(2), riga({{10, "MODULO PER L'ACQUISIZIONE DEI DATI"}}));
    EXPECT_EQ(carta.colonnadi(6, "1 = sabbioso"), 14);
    EXPECT_EQ(carta.colonnadi(17, "sigma max......= sigma ammissibile nel terreno"), 14);
    EXPECT_EQ(carta.colonnadi(30, "largh. = larghezza della base fondale"), 14);
    EXPECT_EQ(carta.testo(32), riga({{10, "Progetto: ___________________________________"}}));
    // The stated widths of the small-print lines.
    const std::pair<std::size_t, std::size_t> larghezze[] = {
        {34, 56}, {35, 54}, {37, 56}, {39, 106}, {40, 103}};
    for (const auto& [n, lunghezza] : larghezze) {
        EXPECT_EQ(carta.colonnadi(n, carta.testo(n).substr(6)), 7) << n;
        EXPECT_EQ(caratteri(carta.testo(n)) - 6, lunghezza) << "riga " << n + 1;
    }
    EXPECT_EQ(carta.testo(37).substr(6, 12), "________    ");
    // The floor weight has its column, under the legend's "pavim.".
    EXPECT_EQ(carta.testo(39).substr(6 + 45, 6), "pavim.");
    EXPECT_EQ(carta.testo(40).substr(6 + 46, 5), "kg/mq");
    // Twenty empty rows of twelve boxes, each followed by a blank line.
    const std::string vuota = carta.testo(42);
    EXPECT_EQ(caratteri(vuota), 6u + 106u);
    EXPECT_EQ(vuota.substr(6, 9), "_______  ");
    for (std::size_t n = 42; n < 82; n += 2) {
        EXPECT_EQ(carta.testo(n), vuota) << n;
        EXPECT_EQ(carta.testo(n + 1), "") << n + 1;
    }
    // Every blank line of the table.
    for (std::size_t n : {1u, 3u, 5u, 10u, 12u, 18u, 31u, 33u, 36u, 38u, 41u}) {
        EXPECT_EQ(carta.testo(n), "") << "riga " << n + 1;
    }
}

TEST_F(Documenti, ModelloUgualeAOgniChiamata) {
    ASSERT_TRUE(stampamodello(scelta).stampata());
    const std::string primo = carta.tutto();
    const auto righe = carta.righe();
    ASSERT_TRUE(stampamodello(scelta).stampata());
    EXPECT_EQ(carta.tutto(), primo);
    ASSERT_EQ(carta.righe().size(), righe.size());
    for (std::size_t n = 0; n < righe.size(); ++n) {
        EXPECT_EQ(carta.righe()[n].punti, righe[n].punti);
        EXPECT_DOUBLE_EQ(carta.righe()[n].twip, righe[n].twip);
    }
    EXPECT_EQ(carta.documenti(), 2);
}

TEST_F(Documenti, DatiSenzaFondazioniSoloIntestazioneLegendaTerreno) {
    DatiCalcolo d;
    stampa(d);
    ASSERT_EQ(carta.nrighe(), righeintestazione);
    EXPECT_EQ(carta.rigadi("Fondazione"), -1);
    EXPECT_EQ(carta.documenti(), 1);
    EXPECT_EQ(carta.testo(0), riga({{7, "ZOCAL - verifica di fondazioni in muratura"}}));
    EXPECT_EQ(carta.righe()[0].punti, 18);
    EXPECT_EQ(carta.testo(2), riga({{10, "Progetto: Casa Rossi"}}));
    EXPECT_EQ(carta.testo(5), riga({{10, "Tipo di suolo:"}}));
    EXPECT_EQ(carta.colonnadi(19, "pia.   = numero del piano (impalcato)"), 14);
    EXPECT_EQ(carta.colonnadi(36, "coeff. = coefficiente di sicurezza"), 14);
    EXPECT_EQ(carta.testo(38), riga({{10, "DATI E RISULTATI"}}));
    EXPECT_EQ(caratteri(carta.testo(40)), 13u + 42u);
    EXPECT_EQ(caratteri(carta.testo(41)), 13u + 41u);
    // Nothing typed for the soil: an empty line.
    EXPECT_EQ(carta.testo(42), "");
    EXPECT_EQ(carta.righe()[42].punti, 12);
}

TEST_F(Documenti, EsempioCompleto) {
    DatiCalcolo d = esempio();
    stampa(d, aggiornasenzafinestra);
    ASSERT_EQ(carta.nrighe(), righeintestazione + 8);
    EXPECT_EQ(carta.testo(42), riga({{15, "1"}, {28, "1,8"}, {39, "0"}, {51, "30"}}));
    EXPECT_EQ(carta.testo(43), "");
    EXPECT_EQ(carta.testo(44), riga({{10, "Fondazione n. 1"}}));
    EXPECT_EQ(carta.righe()[44].punti, 12);
    const std::string testata = carta.testo(46);
    EXPECT_EQ(carta.colonnadi(46, "pia. sol."), 3);
    EXPECT_EQ(caratteri(testata), 2u + 118u);
    EXPECT_EQ(carta.colonnadi(47, " n. kg/mq"), 3);
    EXPECT_EQ(caratteri(carta.testo(47)), 2u + 111u);
    EXPECT_EQ(carta.righe()[46].punti, 8);
    // Texts typed sit on their decimal column; results, held as numbers, one
    // column further right. The first line carries the foundation's items.
    EXPECT_EQ(piano(1), riga({{4, "1"},
                              {8, "300"},
                              {15, "200"},
                              {21, "4"},
                              {28, "100"},
                              {35, "200"},
                              {40, "0,30"},
                              {46, "3"},
                              {52, "1800"},
                              {60, "4220"},
                              {68, "7910"},
                              {75, "1"},
                              {81, "0,6"},
                              {89, "50,04"},
                              {95, "1,67"},
                              {103, "8990"},
                              {109, "1,49"},
                              {116, "3,33"}}));
    EXPECT_EQ(piano(2), riga({{4, "2"},
                              {8, "250"},
                              {15, "150"},
                              {21, "4"},
                              {29, "80"},
                              {35, "150"},
                              {40, "0,30"},
                              {46, "3"},
                              {52, "1800"},
                              {60, "3690"},
                              {68, "3690"}}));
}

TEST_F(Documenti, ValoriSolaioSullaColonnaDecimale) {
    DatiCalcolo d = esempio();
    d.pesol(1, 1) = "450";
    d.pesol(2, 1) = "1200,5";
    stampa(d);
    EXPECT_EQ(carta.colonnadi(righeintestazione + 6, "450"), 8);
    EXPECT_EQ(carta.colonnadi(righeintestazione + 7, "1200,5"), 7);
}

TEST_F(Documenti, NumeroDelPianoFinisceInColonnaQuattro) {
    DatiCalcolo d;
    d.prof[1] = "1";
    for (int i = 1; i <= 10; ++i) {
        d.pesol(i, 1) = "100";
    }
    d.contadati();
    stampa(d);
    ASSERT_EQ(carta.nrighe(), righeintestazione + 6 + 10);
    EXPECT_EQ(piano(9).substr(0, 4), "   9");
    EXPECT_EQ(piano(10).substr(0, 4), "  10");
    EXPECT_EQ(carta.colonnadi(righeintestazione + 15, "10"), 3);
}

TEST_F(Documenti, TestoNegativoPerLeCifreDelValoreAssoluto) {
    DatiCalcolo d = esempio();
    d.sovr(1, 1) = "-5";
    d.tram(1, 1) = "-12,5";
    stampa(d);
    EXPECT_EQ(carta.colonnadi(righeintestazione + 6, "-5"), 17);
    EXPECT_EQ(carta.colonnadi(righeintestazione + 6, "-12,5"), 36);
}

TEST_F(Documenti, RisultatoNumericoUnaColonnaPiuADestraDelTesto) {
    DatiCalcolo d = esempio();
    d.coeff[1] = 3.4;
    stampa(d);
    const int numero = carta.colonnadi(righeintestazione + 6, "3,4");
    d.coeff[1] = "3,4";
    stampa(d);
    const int testo = carta.colonnadi(righeintestazione + 6, "3,4");
    EXPECT_EQ(testo, 115);
    EXPECT_EQ(numero, testo + 1);
}

TEST_F(Documenti, ValoreTroppoLargoSpingeIlSeguenteAllaRigaDopo) {
    DatiCalcolo d = esempio();
    // Seven integer digits start left of where the storey number ends.
    d.pesol(1, 1) = "1234567";
    // Its decimals reach past column 21, where "lungh." starts.
    d.sovr(1, 1) = "200,123456";
    stampa(d);
    const std::size_t r = righeintestazione + 6;
    EXPECT_EQ(carta.testo(r), riga({{4, "1"}}));
    EXPECT_EQ(carta.testo(r + 1), riga({{4, "1234567"}, {15, "200,123456"}}));
    EXPECT_EQ(carta.colonnadi(r + 2, "4"), 21);
    EXPECT_EQ(carta.colonnadi(r + 2, "100"), 28);
    EXPECT_EQ(carta.colonnadi(r + 2, "0,6"), 81);
    EXPECT_EQ(carta.testo(r + 3).substr(0, 4), "   2");
    EXPECT_EQ(carta.nrighe(), r + 4);
}

TEST_F(Documenti, CellaVuotaNonStampaNulla) {
    DatiCalcolo d = esempio();
    d.tram(2, 1) = "";
    d.largh[1] = Cella();
    stampa(d);
    EXPECT_EQ(piano(2), riga({{4, "2"},
                              {8, "250"},
                              {15, "150"},
                              {21, "4"},
                              {29, "80"},
                              {40, "0,30"},
                              {46, "3"},
                              {52, "1800"}}));
    EXPECT_EQ(carta.colonnadi(righeintestazione + 6, "0,6"), 0);
}

TEST_F(Documenti, OgniFondazioneConIlSuoNumero) {
    DatiCalcolo d = esempio();
    for (int k = 0; k < 8; ++k) {
        d.piano(vociingresso[k], 1, 2) = d.piano(vociingresso[k], 1, 1).testo();
    }
    d.prof[2] = "1,5";
    d.contadati();
    ASSERT_EQ(d.nfond, 2);
    stampa(d, aggiornasenzafinestra);
    const int seconda = carta.rigadi("Fondazione n. 2");
    ASSERT_EQ(seconda, static_cast<int>(righeintestazione) + 8 + 1);
    EXPECT_EQ(carta.colonnadi(static_cast<std::size_t>(seconda), "Fondazione n. 2"), 10);
    EXPECT_EQ(carta.colonnadi(static_cast<std::size_t>(seconda) + 5, "1,5"), 75);
    EXPECT_EQ(carta.nrighe(), righeintestazione + 8 + 7);
}

TEST_F(Documenti, ConteggiFuoriMisuraNonEsconoDalleTabelle) {
    DatiCalcolo d = esempio();
    d.nfond = 14;
    d.npiani[1] = 40;
    stampa(d);
    EXPECT_EQ(carta.rigadi("Fondazione n. 11"), -1);
    EXPECT_NE(carta.rigadi("Fondazione n. 10"), -1);
}

TEST_F(Documenti, RisultatiAggiornatiPrimaDelDialogo) {
    DatiCalcolo d = esempio();
    ASSERT_TRUE(d.coeff[1].vuota());
    int chiamate = 0;
    int richiesteprima = -1;
    const Aggiornamento aggiorna = [&](DatiCalcolo& dati) {
        ++chiamate;
        richiesteprima = scelta.richieste;
        aggiornasenzafinestra(dati);
    };
    scelta.annulla = true;
    const EsitoStampa e = stampadati(d, "", scelta, aggiorna);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::annullata);
    EXPECT_EQ(chiamate, 1);
    EXPECT_EQ(richiesteprima, 0);
    EXPECT_EQ(d.coeff[1].testo(), "3,33");
    // Nothing reaches the printer and there is nothing to tell.
    EXPECT_EQ(carta.operazioni(), 0);
    EXPECT_FALSE(avvisostampa(e, modzocal()).has_value());
}

TEST_F(Documenti, PerDifettoCalcolaTutteLeFondazioni) {
    DatiCalcolo d = esempio();
    ASSERT_TRUE(stampadati(d, "", scelta).stampata());
    EXPECT_EQ(carta.colonnadi(righeintestazione + 6, "3,33"), 116);
    EXPECT_EQ(d.verifica[1].testo(), "verificata");
}

TEST_F(Documenti, GuastoInterrompeEDiceIlPerche) {
    DatiCalcolo d = esempio();
    carta.guastoallaoperazione = 30;
    const EsitoStampa e = stampadati(d, "", scelta);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::guasto);
    EXPECT_FALSE(e.errore.empty());
    EXPECT_EQ(carta.operazioni(), 30);
    EXPECT_EQ(carta.documenti(), 0);
    ModZocal mod;
    mod.inizializza();
    const auto avviso = avvisostampa(e, mod);
    ASSERT_TRUE(avviso.has_value());
    EXPECT_EQ(avviso->icona, Icona::stop);
    EXPECT_EQ(avviso->testo, e.errore);
    EXPECT_EQ(avviso->titolo, "Zocal: stampa non riuscita");
}

TEST_F(Documenti, DialogoSenzaStampante) {
    scelta.guasto = "Stampa non riuscita: non è disponibile alcuna stampante.";
    const EsitoStampa e = stampamodello(scelta);
    EXPECT_EQ(e.stato, EsitoStampa::Stato::guasto);
    EXPECT_EQ(e.errore, *scelta.guasto);
}

std::array<std::string, nfrontespizio> frontespizio() {
    return {"Costruzione di un fabbricato", "contrada Santa Lucia", "Rossi Mario", "Potenza",
            "lunedì, 7 dic 2026",           "tavole da 1 a 5"};
}

TEST_F(Documenti, FrontespizioEtichetteInDieciValoriInQuaranta) {
    ASSERT_TRUE(
        stampafrontespizio(frontespizio(), {"Studio Bianchi", "via Roma 1, Potenza"}, scelta)
            .stampata());
    ASSERT_EQ(carta.nrighe(), 11u);
    EXPECT_DOUBLE_EQ(carta.righe()[0].twip, 1000);
    EXPECT_EQ(carta.righe()[0].punti, 18);
    EXPECT_EQ(carta.testo(0), riga({{5, "ZOCAL - verifica di fondazioni in muratura"}}));
    EXPECT_EQ(carta.testo(1), "");
    EXPECT_EQ(carta.righe()[1].punti, 12);
    EXPECT_EQ(carta.testo(2), riga({{10, "progetto:"}, {40, "Costruzione di un fabbricato"}}));
    EXPECT_EQ(carta.testo(3), riga({{10, "località:"}, {40, "contrada Santa Lucia"}}));
    EXPECT_EQ(carta.testo(4), riga({{10, "committente:"}, {40, "Rossi Mario"}}));
    EXPECT_EQ(carta.testo(5), riga({{10, "luogo della elaborazione:"}, {40, "Potenza"}}));
    EXPECT_EQ(carta.testo(6), riga({{10, "data della elaborazione:"}, {40, "lunedì, 7 dic 2026"}}));
    EXPECT_EQ(carta.testo(7), riga({{10, "allegati alla relazione:"}, {40, "tavole da 1 a 5"}}));
    EXPECT_EQ(carta.testo(8), "");
    EXPECT_EQ(carta.testo(9), riga({{10, "studio tecnico:"}, {40, "Studio Bianchi"}}));
    EXPECT_EQ(carta.testo(10), riga({{40, "via Roma 1, Potenza"}}));
    EXPECT_EQ(carta.documenti(), 1);
}

TEST_F(Documenti, FrontespizioVuotoStampaComunqueLeEtichette) {
    ASSERT_TRUE(stampafrontespizio({}, {}, scelta).stampata());
    ASSERT_EQ(carta.nrighe(), 11u);
    EXPECT_EQ(carta.testo(2), riga({{10, "progetto:"}}));
    EXPECT_EQ(carta.testo(7), riga({{10, "allegati alla relazione:"}}));
    EXPECT_EQ(carta.testo(9), riga({{10, "studio tecnico:"}}));
}

TEST_F(Documenti, FrontespizioTestoLungoNonEsceDalFoglio) {
    auto testi = frontespizio();
    testi[0] = "Costruzione di un fabbricato per civile abitazione a due piani";
    carta.larghezzapunti = 80 * 0.6 * 12;
    ASSERT_TRUE(stampafrontespizio(testi, {}, scelta).stampata());
    EXPECT_EQ(carta.testo(2),
              riga({{10, "progetto:"}, {40, "Costruzione di un fabbricato per civile"}}));
    EXPECT_EQ(carta.testo(3), riga({{40, "abitazione a due piani"}}));
    EXPECT_EQ(carta.testo(4), riga({{10, "località:"}, {40, "contrada Santa Lucia"}}));
}

std::array<std::string, ndescrizione> descrizione() {
    return {"edificio esistente",
            "in tufo",
            "buona",
            "in lastre prefabbricate",
            "sono state eseguiti rilievi geognostici",
            "il lotto è pianeggiante",
            "2.5",
            "saranno opportunamente incanalate",
            "non esistono altri edifici",
            "non esistono canali di scolo naturali",
            "non esistono frane in atto",
            "calcareo",
            "buono"};
}

TEST_F(Documenti, DescrizioneEtichetteInSeiValoriInVentisei) {
    ASSERT_TRUE(stampadescrizione(descrizione(), "Casa Rossi", scelta).stampata());
    ASSERT_EQ(carta.nrighe(), 20u);
    EXPECT_DOUBLE_EQ(carta.righe()[0].twip, 800);
    EXPECT_EQ(carta.testo(0), riga({{7, "ZOCAL - verifica di fondazioni in muratura"}}));
    EXPECT_EQ(carta.testo(2), riga({{10, "Progetto: Casa Rossi"}}));
    EXPECT_EQ(carta.testo(4), riga({{10, "DESCRIZIONE DEL FABBRICATO"}}));
    EXPECT_EQ(carta.testo(6), riga({{6, "tipo di fabbricato"}, {26, "edificio esistente"}}));
    EXPECT_EQ(carta.testo(10),
              riga({{6, "dati sulla zona"}, {26, "sono state eseguiti rilievi geognostici"}}));
    EXPECT_EQ(carta.testo(12),
              riga({{6, "acque superficiali"}, {26, "saranno opportunamente incanalate"}}));
    EXPECT_EQ(carta.testo(15), riga({{6, "frane in atto"}, {26, "non esistono frane in atto"}}));
    EXPECT_EQ(carta.testo(16), "");
    EXPECT_EQ(carta.testo(17), riga({{6, "altezza massima dei fronti di scavo m. 2.5"}}));
    EXPECT_EQ(carta.testo(18),
              riga({{6, "classificazione e natura del terreno.......:"}, {51, "calcareo"}}));
    EXPECT_EQ(carta.testo(19),
              riga({{6, "giudizio sulla stabilità terreno-fondazione:"}, {51, "buono"}}));
    for (std::size_t n = 1; n < 20; ++n) {
        EXPECT_EQ(carta.righe()[n].punti, 12) << n;
    }
}

TEST_F(Documenti, DescrizioneVuotaStampaIntestazioneEdEtichette) {
    ASSERT_TRUE(stampadescrizione({}, "", scelta).stampata());
    ASSERT_EQ(carta.nrighe(), 20u);
    EXPECT_EQ(carta.testo(2), riga({{10, "Progetto:"}}));
    EXPECT_EQ(carta.testo(6), riga({{6, "tipo di fabbricato"}}));
    EXPECT_EQ(carta.testo(15), riga({{6, "frane in atto"}}));
    EXPECT_EQ(carta.testo(17), riga({{6, "altezza massima dei fronti di scavo m."}}));
    EXPECT_EQ(carta.testo(19), riga({{6, "giudizio sulla stabilità terreno-fondazione:"}}));
}

} // namespace
} // namespace zocal
