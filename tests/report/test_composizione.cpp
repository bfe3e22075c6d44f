#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"
#include "zocal/report/composizione.h"
#include "zocal/report/registratore.h"
#include "zocal/report/sezionentc.h"

#include "esempi.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

using namespace zocal;
using T = Chiamata::Tipo;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

std::string righe(const std::vector<Chiamata>& chiamate) {
    std::string out;
    for (const Chiamata& c : chiamate) {
        out += c.descrizione() + "\n";
    }
    return out;
}

Chiamata fai(T tipo, std::string testo = {}, double punti = 0, int a = 0, int b = 0) {
    Chiamata c;
    c.tipo = tipo;
    c.testo = std::move(testo);
    c.punti = punti;
    c.a = a;
    c.b = b;
    return c;
}

ScrittoreRegistratore componi(const Lavoro& l, int pagine = 1) {
    ScrittoreRegistratore w;
    w.pagine = pagine;
    componirelazione(w, l, studio);
    return w;
}

// A job whose results are set by hand, so every cell can be traced.
Lavoro lavoroconrisultati() {
    Lavoro l = esempi::lavoroesempio();
    DatiCalcolo& d = l.dati;
    d.scar(1, 1) = 4220.4;
    d.scar(2, 1) = 3690.0;
    d.scartot(1, 1) = 7910.5;
    d.scartot(2, 1) = 3690.0;
    d.carlim[1] = 50.04;
    d.sigmat[1] = 1.668;
    d.scater[1] = 8990.0;
    d.siglav[1] = 1.4916;
    d.coeff[1] = 3.3349;
    d.verifica[1] = "verificata";
    return l;
}

} // namespace

TEST(Frontespizio, CallsAndTextsInOrder) {
    const ScrittoreRegistratore w = componi(esempi::lavoroesempio());
    Chiamata proprieta = fai(T::proprieta, "Relazione sulla fondazione - Costruzione di un "
                                           "fabbricato per civile abitazione");
    proprieta.autore = "Studio Tecnico Bianchi";
    std::vector<Chiamata> attese{
        proprieta,
        fai(T::numerapagine),
        fai(T::carattere, "Century Gothic"),
        fai(T::corpo, {}, 20),
        fai(T::scrivi, "RELAZIONE SULLA FONDAZIONE\r"),
        fai(T::corpo, {}, 16),
        fai(T::scrivi, "(per un edificio in muratura)\r\r"),
        fai(T::corpo, {}, 14),
        fai(T::scrivi, "progetto: Costruzione di un fabbricato per civile abitazione\r\r"),
        fai(T::scrivi, "in località: contrada Santa Lucia\r\r"),
    };
    for (int i = 0; i < 6; ++i) {
        attese.push_back(fai(T::scrivi, "\r"));
    }
    attese.push_back(fai(T::scrivi, "progettista: Studio Tecnico Bianchi\r"));
    attese.push_back(fai(T::scrivi, "committente: Rossi Mario\r\r"));
    attese.push_back(fai(T::scrivi, "Potenza: martedì, 6 mar 2001\r"));
    attese.push_back(fai(T::corpo, {}, 16));
    for (int i = 0; i < 18; ++i) {
        attese.push_back(fai(T::scrivi, "\r"));
    }
    attese.push_back(fai(T::scrivi, "Studio Tecnico Bianchi\r"));
    attese.push_back(fai(T::scrivi, "via Appia 12, Potenza\r"));
    attese.push_back(fai(T::nuovoparagrafo));
    const std::vector<Chiamata> prime(w.chiamate.begin(),
                                      w.chiamate.begin() + static_cast<long>(attese.size()));
    EXPECT_EQ(righe(prime), righe(attese));
    // The font is set once, for the whole report.
    EXPECT_EQ(w.solo(T::carattere).size(), 1u);
}

TEST(Frontespizio, EmptyFieldsLeaveTheirLabelsOut) {
    struct Caso {
        const char* luogo;
        const char* data;
        const char* riga; // place and date on the title page and at the close
    };
    for (const Caso& c :
         {Caso{"", "", ""}, Caso{"Potenza", "", "Potenza"}, Caso{"", "6 mar 2001", "6 mar 2001"}}) {
        Lavoro l;
        l[Frontespizio::luogo] = c.luogo;
        l[Frontespizio::data] = c.data;
        ScrittoreRegistratore w;
        componirelazione(w, l, StudioTecnico{});
        const std::string t = w.testo();
        for (const char* etichetta : {"progetto:", "località:", "progettista:", "committente:",
                                      "Si allegano:", ": \r", "()"}) {
            EXPECT_EQ(t.find(etichetta), std::string::npos) << etichetta << " " << c.riga;
        }
        // The title page keeps its lines, empty.
        EXPECT_NE(t.find("(per un edificio in muratura)\r\r\r\r\r\r"), std::string::npos);
        if (*c.riga != 0) {
            EXPECT_NE(t.find(std::string("\r") + c.riga + "\r"), std::string::npos) << c.riga;
        }
        EXPECT_NE(t.find("Il progettista\r"), std::string::npos);
    }
}

TEST(Dichiarazioni, HeadingAndFiveStatementsVerbatim) {
    const ScrittoreRegistratore w = componi(esempi::lavoroesempio());
    const auto it = std::find(w.chiamate.begin(), w.chiamate.end(), fai(T::nuovoparagrafo));
    ASSERT_NE(it, w.chiamate.end());
    const std::vector<Chiamata> attese{
        fai(T::nuovoparagrafo),
        fai(T::corpoparagrafo, {}, 18),
        fai(T::testoparagrafo, "\fRelazione di calcolo\r\r\r\r"),
        fai(T::corpoparagrafo, {}, 12),
        fai(T::testoparagrafo,
            "La verifica della fondazione dell'edificio in oggetto è stata eseguita "
            "considerando una porzione di muro portante lunga un metro. Tutti i dati di calcolo "
            "sono pertanto riferiti all'area data dallo spessore moltiplicata per 100 "
            "centimetri. Allo stesso modo si è, quindi, considerata la base fondale. Sono state "
            "analizzate le situazioni più gravose per il fabbricato in modo da avere un quadro "
            "il più completo possibile della statica delle fondazioni.\r"),
        fai(T::testoparagrafo,
            "Le varie misure delle parti strutturali e i valori riferiti al terreno fondale "
            "sono stati inseriti in un programma di calcolo automatico deducendoli direttamente "
            "dal progetto della costruzione, dall'esame dei luoghi o da appropriate analisi "
            "geologiche della zona.\r"),
        fai(T::testoparagrafo, "I risultati riportati mostrano i carichi, le dimensioni dei muri "
                               "portanti, le altezze dei piani ed i parametri geometrici e "
                               "geotecnici della fondazione.\r"),
        fai(T::testoparagrafo, "Il coefficiente di sicurezza certifica le reali condizioni del "
                               "sigma di lavoro del terreno.\r"),
        fai(T::testoparagrafo,
            "Si riportano nella pagina seguente le descrizioni sia della zona che del fabbricato "
            "utili alla conoscenza dell'insieme terreno-manufatto, mentre nelle pagine "
            "successive sono elencati tutti i dati e i risultati della verifica eseguita.\r"),
        fai(T::corpoparagrafo, {}, 16),
        fai(T::testoparagrafo, "\fDescrizione del fabbricato\r"),
        fai(T::nuovoparagrafo),
        fai(T::nuovatabella, {}, 0, 14, 2),
        fai(T::corpotabella, {}, 10),
    };
    const std::vector<Chiamata> trovate(it, it + static_cast<long>(attese.size()));
    EXPECT_EQ(righe(trovate), righe(attese));
}

TEST(Tabelle, SizesFontSizesAndFormatInOrder) {
    Lavoro l = esempi::lavoropieno(3, 4);
    l.dati.npiani[2] = 7;
    const auto tabelle = componi(l).tabelle();
    // Then the limit-state factors, and actions and resistance of the two
    // foundations with every storey filled (the second one lacks storeys 5-7).
    // The summary of both verdicts follows the description; last, the frame
    // for stamp and signature.
    ASSERT_EQ(tabelle.size(), 14u);
    const int attese[14][3] = {{14, 2, 10}, {4, 5, 10}, {5, 3, 10},  {3, 4, 10}, {19, 2, 10},
                               {6, 18, 6},  {9, 18, 6}, {6, 18, 6},  {9, 3, 10}, {8, 3, 10},
                               {17, 3, 10}, {8, 3, 10}, {17, 3, 10}, {1, 1, 10}};
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        SCOPED_TRACE("tabella " + std::to_string(i + 1));
        EXPECT_EQ(tabelle[i].righe, attese[i][0]);
        EXPECT_EQ(tabelle[i].colonne, attese[i][1]);
        EXPECT_EQ(tabelle[i].punti, attese[i][2]);
        // The frame is plain: the table look would fill it as a heading row.
        EXPECT_EQ(tabelle[i].formato, i + 1 < tabelle.size() ? 9 : 0);
    }
}

TEST(Metodo, TheFormulaOfTheJobsSoilTypeAndTheCriterion) {
    struct Caso {
        const char* tipo;
        const char* formula;
    };
    for (const Caso& c :
         {Caso{"1", "lim. = 17·γ·D + 18·γ·B"}, Caso{"2", "lim. = 2·γ·D + 8·c + γ·B"},
          Caso{"3", "lim. = 9·γ·D + 4·c + 9·γ·B"}, Caso{"0", "lim. = 30·sigma"},
          Caso{"", "non è indicato"}}) {
        Lavoro l = esempi::lavoroesempio();
        l.dati.tiposuolo = c.tipo;
        const std::string t = componi(l).testo();
        const auto titolo = t.find("\rMetodo delle tensioni ammissibili\r");
        ASSERT_NE(titolo, std::string::npos) << c.tipo;
        // Before the foundations' tables, after the legend.
        EXPECT_LT(titolo, t.find("Fondazione n. 1"));
        EXPECT_GT(titolo, t.find("coefficiente di sicurezza"));
        const std::string paragrafo = t.substr(titolo, t.find('\r', titolo + 40) - titolo);
        EXPECT_NE(paragrafo.find(c.formula), std::string::npos) << c.tipo << paragrafo;
        for (const char* altra : {"17·γ·D", "2·γ·D", "9·γ·D", "30·sigma"}) {
            EXPECT_EQ(paragrafo.find(altra) != std::string::npos,
                      std::string(c.formula).find(altra) != std::string::npos)
                << c.tipo << " " << altra;
        }
        EXPECT_NE(paragrafo.find("verificata quando il coefficiente di sicurezza è almeno 3"),
                  std::string::npos);
    }
}

TEST(Testi, NoDoubleBlanksNorInstructionsInTheFixedTexts) {
    // Fields of single words, so that only the report's own texts can hold them.
    Lavoro l = esempi::lavoropieno(3, 2);
    for (int k = 0; k < 13; ++k) {
        l[static_cast<Descrizione>(k)] = "x";
    }
    aggiornarisultati(l.dati);
    l.dati.npiani[2] = 0;
    l.dati.attr = "3,,5";
    l.dati.pesol(1, 3) = "-300";
    const std::string t = componi(l).testo();
    for (const char* vietato : {"  ", "()", "digitare", "Correggere"}) {
        EXPECT_EQ(t.find(vietato), std::string::npos)
            << vietato << " in: " << t.substr(t.find(vietato) > 80 ? t.find(vietato) - 80 : 0, 160);
    }
}

TEST(Tabelle, DescriptionRowsTakeTheirOwnField) {
    Lavoro l = esempi::lavoroesempio();
    const auto t = componi(l).tabelle().at(0);
    const std::vector<std::pair<std::string, Descrizione>> attese{
        {"tipo di fabbricato", Descrizione::fabbricato},
        {"tipo di muratura", Descrizione::muratura},
        {"consistenza", Descrizione::consistenza},
        {"tipo di solai", Descrizione::solai},
        {"dati della zona", Descrizione::zona},
        {"lotto", Descrizione::lotto},
        {"acque superficiali", Descrizione::acque},
        {"vicinanze", Descrizione::vicinanze},
        {"canali di scolo", Descrizione::canali},
        {"frane in atto", Descrizione::frane},
        {"altezza massima dei fronti di scavo m.", Descrizione::altezza},
        {"classificazione e natura del terreno", Descrizione::natura},
        {"giudizio sulla stabilità terreno-fondazione", Descrizione::giudizio},
    };
    EXPECT_EQ(t.celle[0][0], "tipologia");
    EXPECT_EQ(t.celle[0][1], "valore");
    for (std::size_t r = 0; r < attese.size(); ++r) {
        EXPECT_EQ(t.celle[r + 1][0], attese[r].first);
        EXPECT_EQ(t.celle[r + 1][1], l[attese[r].second]) << attese[r].first;
    }
}

TEST(Tabelle, SoilTypesAndLegend) {
    const auto tabelle = componi(esempi::lavoroesempio()).tabelle();
    const auto& tipi = tabelle.at(2);
    EXPECT_EQ(tipi.celle[0], (std::vector<std::string>{"numero", "tipo", "calcolo"}));
    EXPECT_EQ(tipi.celle[3],
              (std::vector<std::string>{"3", "intermedio",
                                        "sigma del terreno calcolato automaticamente"}));
    EXPECT_EQ(tipi.celle[4],
              (std::vector<std::string>{"0", "", "sigma del terreno indicato in fase di input"}));
    const auto& legenda = tabelle.at(4);
    EXPECT_EQ(legenda.celle[0], (std::vector<std::string>{"simbolo", "significato"}));
    EXPECT_EQ(legenda.celle[1], (std::vector<std::string>{"pia.", "numero del piano (impalcato)"}));
    EXPECT_EQ(legenda.celle[6],
              (std::vector<std::string>{"tram.", "peso totale dei tramezzi che gravano sul muro"}));
    EXPECT_EQ(legenda.celle[12],
              (std::vector<std::string>{"prof.", "profondità della fondazione"}));
    EXPECT_EQ(legenda.celle[18], (std::vector<std::string>{"coeff.", "coefficiente di sicurezza"}));
}

TEST(Tabelle, SoilDataTwoNumberRules) {
    Lavoro l = esempi::lavoroesempio();
    l.dati.attr = "27,5";
    l.dati.pesos = "1,8";
    l.dati.coes = "0,125";
    const auto t = componi(l).tabelle().at(3);
    EXPECT_EQ(t.celle[0], (std::vector<std::string>{"tipo di suolo", "peso specifico del terreno",
                                                    "coesione", "angolo di attrito"}));
    EXPECT_EQ(t.celle[1], (std::vector<std::string>{"n.", "t/mc", "t/mq", "gradi"}));
    EXPECT_EQ(t.celle[2], (std::vector<std::string>{" 1", "1,80", "0,13", " 27.5"}));

    l.dati.tiposuolo = "";
    l.dati.attr = "";
    l.dati.pesos = "";
    const auto vuota = componi(l).tabelle().at(2); // no limit-state result: no summary
    EXPECT_EQ(vuota.celle[2], (std::vector<std::string>{"", "", "0,13", ""}));
}

TEST(Fondazioni, HeadingAndCellsOfAKnownJob) {
    const ScrittoreRegistratore w = componi(lavoroconrisultati());
    const auto intestazioni = w.solo(T::testoparagrafo);
    EXPECT_NE(std::find(intestazioni.begin(), intestazioni.end(),
                        fai(T::testoparagrafo, "\rFondazione n. 1 (tensioni ammissibili: "
                                               "verificata; NTC 2018: VERIFICATA)\r")),
              intestazioni.end());
    const auto t = w.tabelle().at(5);
    ASSERT_EQ(t.righe, 4);
    EXPECT_EQ(t.celle[0],
              (std::vector<std::string>{"pia.", "sol.", "sovr.", "lungh.", "pavim.", "tram.",
                                        "spe.", "inter.", "spec.", "scar.", "totale", "prof.",
                                        "largh.", "lim.", "sigma", "terra", "lav.", "coeff."}));
    EXPECT_EQ(t.celle[1], (std::vector<std::string>{"n.", "kg/mq", "kg/mq", "m", "kg/mq", "kg/m",
                                                    "m", "m", "kg/mc", "kg/m", "kg/m", "m", "m",
                                                    "t/mq", "kg/cmq", "kg/m", "kg/cmq", ""}));
    EXPECT_EQ(t.celle[2],
              (std::vector<std::string>{" 1", "300", "200", "4,00", "100", "200", "0,30", "3,00",
                                        "1800", "4220", "7911", "1,00", "0,60", "50,0", "1,67",
                                        "8990", "1,49", "3,33"}));
    // Foundation values only in the row of storey 1.
    EXPECT_EQ(t.celle[3],
              (std::vector<std::string>{" 2", "250", "150", "4,00", "80", "150", "0,30", "3,00",
                                        "1800", "3690", "3690", "", "", "", "", "", "", ""}));
}

// The results of an empty width are computed with 0,50 m: the cell says so.
TEST(Fondazioni, AnEmptyWidthPrintsTheAssumedOneWithItsFootnote) {
    for (const bool vuota : {true, false}) {
        Lavoro l = lavoroconrisultati();
        if (vuota) {
            l.dati.largh[1] = "";
        }
        const ScrittoreRegistratore w = componi(l);
        EXPECT_EQ(w.tabelle().at(5).celle[2][12], vuota ? "0,50 (*)" : "0,60");
        const auto testi = w.solo(T::testoparagrafo);
        const bool nota =
            std::find(testi.begin(), testi.end(),
                      fai(T::testoparagrafo, "(*) larghezza non indicata: assunta 0,50 m\r")) !=
            testi.end();
        EXPECT_EQ(nota, vuota);
    }
}

TEST(Fondazioni, NeverEmptyParenthesesNorATableWithoutStoreys) {
    struct Caso {
        const char* verdetto;
        int piani;
        const char* intestazione;
    };
    for (const Caso& c :
         {Caso{"", 2, "\rFondazione n. 1 (non calcolata)\r"},
          Caso{"non verificata", 2, "\rFondazione n. 1 (non verificata)\r"},
          Caso{"verificata", 0, "\rFondazione n. 1: nessun piano immesso, non calcolata\r"}}) {
        Lavoro l = esempi::lavoropieno(2, 3);
        aggiornarisultati(l.dati);
        l.dati.verifica[1] = c.verdetto;
        l.dati.npiani[1] = c.piani;
        ScrittoreRegistratore w;
        componirelazione(w, l, studio, false);
        const auto testi = w.solo(T::testoparagrafo);
        EXPECT_NE(std::find(testi.begin(), testi.end(), fai(T::testoparagrafo, c.intestazione)),
                  testi.end())
            << c.intestazione;
        EXPECT_EQ(w.testo().find("()"), std::string::npos);
        // Without storeys, no table: the next foundation's is the fifth and is aligned.
        const auto tabelle = w.tabelle();
        EXPECT_EQ(tabelle.at(4).righe, 2 + (c.piani == 0 ? 3 : c.piani));
        allineacolonne(w, l.dati);
        const auto allineate = w.solo(T::allineadestra);
        EXPECT_EQ(allineate.back().a, c.piani == 0 ? 5 : 6);
    }
    Lavoro l = lavoroconrisultati();
    l.dati.verifica[1] = "";
    EXPECT_NE(componi(l).testo().find("Fondazione n. 1 (tensioni ammissibili: non calcolata; "
                                      "NTC 2018: VERIFICATA)"),
              std::string::npos);
}

TEST(Fondazioni, TenFoundationsTenStoreys) {
    Lavoro l = esempi::lavoropieno(10, 10);
    aggiornarisultati(l.dati);
    const ScrittoreRegistratore w = componi(l);
    const auto tabelle = w.tabelle();
    // 5 + 10 foundations, then the limit-state factors and 2 a foundation,
    // and the signature's frame.
    ASSERT_EQ(tabelle.size(), 37u);
    EXPECT_EQ(tabelle.at(14).righe, 12);
    EXPECT_EQ(tabelle.at(14).celle[11][0], " 10");
    const std::string t = w.testo();
    EXPECT_NE(t.find("\rFondazione n. 10 ("), std::string::npos);
    EXPECT_EQ(t.find("Fondazione n. 11"), std::string::npos);
}

TEST(Fondazioni, NoneStillWritesTheLegend) {
    Lavoro l;
    ScrittoreRegistratore w = componi(l);
    // And the limit-state factors and the signature's frame.
    EXPECT_EQ(w.tabelle().size(), 6u);
    EXPECT_EQ(w.testo().find("Fondazione n."), std::string::npos);
    allineacolonne(w, l.dati);
    const auto allineate = w.solo(T::allineadestra);
    ASSERT_EQ(allineate.size(), 4u);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(allineate[static_cast<std::size_t>(c)], fai(T::allineadestra, {}, 0, 3, c + 1));
    }
}

TEST(Fondazioni, DamagedCountsStayInsideTheTables) {
    Lavoro l = esempi::lavoropieno(10, 10);
    l.dati.nfond = 40;
    l.dati.npiani[1] = 25;
    const auto tabelle = componi(l).tabelle();
    EXPECT_EQ(tabelle.size(), 15u + 1u + 20u + 1u);
    EXPECT_EQ(tabelle.at(5).righe, 12);
}

TEST(Chiusura, HeldTogetherWithTheCountOfTheFinishedDocument) {
    const ScrittoreRegistratore w = componi(lavoroconrisultati(), 7);
    const auto& c = w.chiamate;
    // No count taken while composing: the writer keeps the field true.
    EXPECT_TRUE(w.solo(T::contapagine).empty());
    const auto tieni = std::find(c.begin(), c.end(), fai(T::tieniinsieme, {}, 0, 1));
    ASSERT_NE(tieni, c.end());
    EXPECT_EQ(*(tieni - 1), fai(T::corpoparagrafo, {}, 12));
    const std::vector<Chiamata> attese{
        fai(T::tieniinsieme, {}, 0, 1),
        fai(T::testoparagrafo, "\r\rLa presente relazione è composta di n. "),
        fai(T::campopagine),
        fai(T::testoparagrafo, " pagine.\r"),
        fai(T::testoparagrafo, "Si allegano: tavole da 1 a 5\r\r"),
        fai(T::testoparagrafo, "Potenza: martedì, 6 mar 2001\r\r"),
        fai(T::testoparagrafo, "Il progettista\r"),
        fai(T::testoparagrafo, "(Studio Tecnico Bianchi)\r"),
        // The framed room for stamp and signature.
        fai(T::nuovatabella, {}, 0, 1, 1),
        fai(T::corpotabella, {}, 10),
        fai(T::cella, "timbro e firma\r\r\r\r\r\r\r", 0, 1, 1),
        fai(T::lasciascorrere),
    };
    EXPECT_EQ(righe(std::vector<Chiamata>(tieni, c.end())), righe(attese));
    EXPECT_NE(w.testo().find("La presente relazione è composta di n. 7 pagine.\r"),
              std::string::npos);
}

TEST(Chiusura, HeadingsKeepWithTablesAndTablesRepeatTheirHeadingRows) {
    Lavoro l = esempi::lavoropieno(3, 2);
    aggiornarisultati(l.dati);
    const ScrittoreRegistratore w = componi(l);
    const auto& c = w.chiamate;
    // Every page numbered but the title page; title and author for the files.
    EXPECT_EQ(w.solo(T::numerapagine).size(), 1u);
    ASSERT_EQ(w.solo(T::proprieta).size(), 1u);
    EXPECT_EQ(w.solo(T::proprieta)[0].testo,
              "Relazione sulla fondazione - Costruzione di un fabbricato per civile abitazione");
    EXPECT_EQ(w.solo(T::proprieta)[0].autore, "Studio Tecnico Bianchi");
    std::vector<int> intestazioni;
    for (const auto& t : w.tabelle()) {
        intestazioni.push_back(t.intestazione);
    }
    EXPECT_EQ(intestazioni, (std::vector<int>{1, 1, 1, 2, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0}));
    for (int f = 1; f <= 3; ++f) {
        const Chiamata titolo =
            fai(T::testoparagrafo, "\rFondazione n. " + std::to_string(f) +
                                       " (tensioni ammissibili: verificata; NTC 2018: "
                                       "VERIFICATA)\r");
        const auto it = std::find(c.begin(), c.end(), titolo);
        ASSERT_NE(it, c.end()) << f;
        EXPECT_EQ(*(it - 1), fai(T::tieniinsieme, {}, 0, 0));
        EXPECT_EQ(*(it + 1), fai(T::lasciascorrere));
        EXPECT_EQ(*(it + 2), fai(T::nuovatabella, {}, 0, 4, 18));
    }
}

TEST(Allineamento, SoilColumnsThenEveryFoundationColumn) {
    ScrittoreRegistratore w;
    DatiCalcolo d = esempi::lavoropieno(2, 1).dati;
    allineacolonne(w, d);
    std::vector<Chiamata> attese;
    for (int c = 1; c <= 4; ++c) {
        attese.push_back(fai(T::allineadestra, {}, 0, 3, c));
    }
    for (int t = 5; t <= 6; ++t) {
        for (int c = 1; c <= 18; ++c) {
            attese.push_back(fai(T::allineadestra, {}, 0, t, c));
        }
    }
    EXPECT_EQ(righe(w.chiamate), righe(attese));
}

TEST(Aggiornamento, EveryFoundationInUseIsComputed) {
    Lavoro l = esempi::lavoropieno(2, 2);
    DatiCalcolo& d = l.dati;
    // Stale results from an earlier run, and a third foundation not counted.
    d.scar(1, 1) = 1.0;
    d.verifica[2] = "non verificata";
    d.piano(Voce::pesol, 1, 3) = "300";
    aggiornarisultati(d);
    EXPECT_NE(d.scar(1, 1).testo(), "1");
    EXPECT_FALSE(d.coeff[1].vuota());
    EXPECT_FALSE(d.coeff[2].vuota());
    EXPECT_TRUE(d.scar(1, 3).vuota());
}

TEST(Aggiornamento, WorkedExampleReachesTheReport) {
    Lavoro l = esempi::lavoroesempio();
    aggiornarisultati(l.dati);
    const ScrittoreRegistratore w = componi(l);
    const auto t = w.tabelle().at(5);
    EXPECT_EQ(t.celle[2],
              (std::vector<std::string>{" 1", "300", "200", "4,00", "100", "200", "0,30", "3,00",
                                        "1800", "4220", "7910", "1,00", "0,60", "50,0", "1,67",
                                        "8990", "1,49", "3,33"}));
    EXPECT_EQ(t.celle[3][9], "3690");
    EXPECT_NE(w.testo().find("Fondazione n. 1 (tensioni ammissibili: verificata; NTC 2018: "
                             "VERIFICATA)"),
              std::string::npos);
}

TEST(Scrittura, OrderAroundTheSave) {
    ScrittoreRegistratore w;
    w.pagine = 4;
    const Lavoro l = lavoroconrisultati();
    const EsitoRelazione esito = scrivirelazione(w, l, studio, "/tmp/x/rel.docx");
    ASSERT_TRUE(esito.riuscita());
    EXPECT_EQ(esito.docx, "/tmp/x/rel.docx");
    EXPECT_EQ(esito.pdf, "/tmp/x/rel.pdf");
    EXPECT_EQ(esito.pagine, 4);

    const auto& c = w.chiamate;
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(c.front(), fai(T::avvia));
    const auto giustifica = std::find(c.begin(), c.end(), fai(T::giustificatutto));
    ASSERT_NE(giustifica, c.end());
    // Justified after the last text, aligned, then saved once with the alignment.
    EXPECT_EQ(*(giustifica - 2), fai(T::cella, "timbro e firma\r\r\r\r\r\r\r", 0, 1, 1));
    EXPECT_EQ(*(giustifica + 1), fai(T::allineadestra, {}, 0, 2, 1));
    EXPECT_EQ(c[c.size() - 4], fai(T::allineadestra, {}, 0, 8, 3));
    EXPECT_EQ(c[c.size() - 3], fai(T::allineadestra, {}, 0, 9, 3));
    EXPECT_EQ(c[c.size() - 2], fai(T::salvacome, "/tmp/x/rel.docx"));
    EXPECT_EQ(w.solo(T::salvacome).size(), 1u);
    EXPECT_EQ(c.back(), fai(T::contapagine));
}

TEST(Scrittura, StatusAfterTheReportSaysWhereItWent) {
    EXPECT_EQ(passofinito("/home/anna/lavori/Zocal-RelazioneZocal-Rossi.docx", true),
              "relazione salvata e aperta: Zocal-RelazioneZocal-Rossi.docx nella cartella "
              "/home/anna/lavori");
    EXPECT_EQ(passofinito("/tmp/r.docx", false),
              "relazione salvata: r.docx nella cartella /tmp (mostrata in anteprima)");
}

TEST(Scrittura, MissingStudioNameIsToldWithHowToSetIt) {
    EXPECT_FALSE(avvisosenzastudio(studio, "/home/anna/.config/Zocal").has_value());
    for (const StudioTecnico& vuoto : {StudioTecnico{}, StudioTecnico{"  ", "via Roma 1"}}) {
        const auto avviso = avvisosenzastudio(vuoto, "/home/anna/.config/Zocal");
        ASSERT_TRUE(avviso.has_value());
        EXPECT_NE(avviso->find("StudioZocal.TXT"), std::string::npos);
        EXPECT_NE(avviso->find("/home/anna/.config/Zocal"), std::string::npos);
        EXPECT_NE(avviso->find("la firma resteranno senza il nome del progettista"),
                  std::string::npos);
    }
}

TEST(Scrittura, AFailedSaveIsReported) {
    ScrittoreRegistratore w;
    w.erroresalvataggio = "Impossibile salvare il file \"/x/y.docx\": permesso negato";
    const EsitoRelazione esito = scrivirelazione(w, esempi::lavoroesempio(), studio, "/x/y.docx");
    EXPECT_FALSE(esito.riuscita());
    EXPECT_EQ(esito.errore, *w.erroresalvataggio);
    EXPECT_TRUE(esito.docx.empty());
    EXPECT_EQ(w.solo(T::salvacome).size(), 1u);
}

namespace {

// The cell of `t` whose first column reads `nome`, column `c`; "" when none.
std::string valore(const ScrittoreRegistratore::Tabella& t, const std::string& nome, int c = 3) {
    for (const auto& riga : t.celle) {
        if (!riga.empty() && riga[0] == nome) {
            return riga[static_cast<std::size_t>(c - 1)];
        }
    }
    return {};
}

} // namespace

TEST(SezioneNtc, OwnPageAfterTheFoundationsAndBeforeTheClosing) {
    const std::string t = componi(esempi::lavoroesempio()).testo();
    const auto sezione = t.find("\fVerifica agli stati limite ultimi (NTC 2018)");
    ASSERT_NE(sezione, std::string::npos);
    EXPECT_GT(sezione, t.find("Fondazione n. 1 ("));
    EXPECT_LT(sezione, t.find("La presente relazione è composta di n."));
    for (const char* atteso : {"Approccio 2", "A1+M1+R3", "Nγ di Brinch Hansen",
                               "con fattori di profondità", "γG2 = 1,5"}) {
        EXPECT_NE(t.find(atteso, sezione), std::string::npos) << atteso;
    }
}

TEST(SezioneNtc, WorkedExampleTablesShowTheRoundedValues) {
    Lavoro l = esempi::lavoroesempio();
    aggiornarisultati(l.dati);
    const auto tabelle = componi(l).tabelle();
    // Legacy tables (4 + 1 foundation), the summary, the factors, then actions
    // and resistance.
    ASSERT_EQ(tabelle.size(), 10u);
    const auto& fattori = tabelle[6];
    EXPECT_EQ(valore(fattori, "azioni permanenti strutturali (A1)"), "1,30");
    EXPECT_EQ(valore(fattori, "azioni permanenti non strutturali (A1)"), "1,50");
    EXPECT_EQ(valore(fattori, "azioni variabili (A1)"), "1,50");
    EXPECT_EQ(valore(fattori, "carico limite (R3)"), "2,30");
    EXPECT_EQ(valore(fattori, "tangente dell'angolo di resistenza al taglio (M1)"), "1,00");
    EXPECT_EQ(valore(fattori, "coesione efficace (M1)"), "1,00");
    const auto& azioni = tabelle[7];
    EXPECT_EQ(valore(azioni, "G1k"), "63,94");
    EXPECT_EQ(valore(azioni, "G2k"), "10,49");
    EXPECT_EQ(valore(azioni, "Qk"), "13,73");
    EXPECT_EQ(valore(azioni, "Ed"), "119,45");
    EXPECT_EQ(valore(azioni, "Ed", 2), "kN/m");
    const auto& resistenza = tabelle[8];
    EXPECT_EQ(valore(resistenza, "Nc"), "30,14");
    EXPECT_EQ(valore(resistenza, "Nq"), "18,40");
    EXPECT_EQ(valore(resistenza, "Nγ"), "15,07");
    EXPECT_EQ(valore(resistenza, "dc"), "1,412");
    EXPECT_EQ(valore(resistenza, "dq"), "1,297");
    EXPECT_EQ(valore(resistenza, "q·Nq·dq"), "421,4");
    EXPECT_EQ(valore(resistenza, "½·γ·B·Nγ·dγ"), "79,8");
    EXPECT_EQ(valore(resistenza, "qlim"), "501,2");
    EXPECT_EQ(valore(resistenza, "Rd = qlim·B/γR"), "130,76");
    EXPECT_EQ(valore(resistenza, "Ed/Rd"), "0,914");
    EXPECT_EQ(valore(resistenza, "esito"), "VERIFICATA");
    for (std::size_t i = 6; i < 9; ++i) {
        EXPECT_EQ(tabelle[i].formato, 9);
        EXPECT_EQ(tabelle[i].intestazione, 1);
        EXPECT_EQ(tabelle[i].celle[0][0], i == 6 ? "coefficiente parziale" : "grandezza");
    }
}

TEST(SezioneNtc, SectionDrawingInTheVerdictsColour) {
    const ScrittoreRegistratore w = componi(esempi::lavoroesempio());
    const auto figure = w.solo(T::disegno);
    ASSERT_EQ(figure.size(), 1u);
    EXPECT_DOUBLE_EQ(figure[0].punti, larghezzasezione * 0.75);
    EXPECT_DOUBLE_EQ(figure[0].altezza, altezzasezione * 0.75);
    ASSERT_NE(figure[0].figura, nullptr);
    QImage im(2 * larghezzasezione, 2 * altezzasezione, QImage::Format_RGB32);
    im.fill(Qt::white);
    {
        QPainter p(&im);
        figure[0].figura->disegna(p, QRectF(0, 0, im.width(), im.height()));
    }
    int verdi = 0;
    for (int y = 0; y < im.height(); y += 2) {
        for (int x = 0; x < im.width(); x += 2) {
            verdi += QColor(im.pixel(x, y)) == coloreverificata ? 1 : 0;
        }
    }
    EXPECT_GT(verdi, 100);
    // The heading before it stays with it.
    const auto it = std::find(w.chiamate.begin(), w.chiamate.end(), figure[0]);
    const std::string prima = (it - 2)->testo;
    EXPECT_NE(prima.find("Sezione della fondazione n. 1:"), std::string::npos) << prima;
}

TEST(SezioneNtc, AFoundationWithoutVerdictShowsItsNoteInstead) {
    Lavoro l = esempi::lavoropieno(2, 1);
    aggiornarisultati(l.dati);
    l.dati.attr = "";
    const ScrittoreRegistratore w = componi(l);
    // Only the factors: no foundation has a verdict.
    EXPECT_EQ(w.tabelle().size(), 4u + 2u + 1u + 1u);
    EXPECT_TRUE(w.solo(T::disegno).empty());
    const std::string t = w.testo();
    const std::string nota = verificantc(l.dati, 2, l.ntc).nota;
    ASSERT_FALSE(nota.empty());
    EXPECT_NE(t.find("Verifica NTC 2018 non eseguita per la fondazione n. 2:"), std::string::npos);
    EXPECT_NE(t.find(nota), std::string::npos);
}

TEST(SezioneNtc, TheJobsOptionsAreNamedAndApplied) {
    Lavoro l = esempi::lavoroesempio();
    l.ntc.ngamma = FormulaNgamma::vesic;
    l.ntc.g2definiti = true;
    const ScrittoreRegistratore w = componi(l);
    const auto tabelle = w.tabelle();
    ASSERT_EQ(tabelle.size(), 10u);
    EXPECT_EQ(valore(tabelle[6], "azioni permanenti non strutturali (A1, compiutamente definite)"),
              "1,30");
    EXPECT_EQ(valore(tabelle[7], "γG2"), "1,30");
    EXPECT_EQ(valore(tabelle[8], "qlim"), "540,1");
    EXPECT_NE(w.testo().find("Nγ di Vesic"), std::string::npos);
}

TEST(SezioneNtc, AutomaticCalculationParagraphAndWhatIsNotChecked) {
    const std::string t = componi(esempi::lavoroesempio()).testo();
    const auto p = t.find("Elaborazione automatica (NTC 2018, §10.2)");
    ASSERT_NE(p, std::string::npos);
    modzocal().inizializza();
    for (const std::string& atteso :
         {"versione " + modzocal().versione, std::string("Tipo di analisi"),
          "Validazione del codice: il \"Documento di validazione di Zocal, versione " +
              modzocal().versione + "\"",
          std::string("casi risultano entro la tolleranza"), std::string("Giudizio motivato")}) {
        EXPECT_NE(t.find(atteso, p), std::string::npos) << atteso;
    }
    const auto limiti = t.find("Limiti della verifica", p);
    ASSERT_NE(limiti, std::string::npos);
    for (const char* atteso :
         {"stabilità globale", "A2+M2+R2", "cedimenti (SLE)", "combinazione sismica"}) {
        EXPECT_NE(t.find(atteso, limiti), std::string::npos) << atteso;
    }
    // Checked now, so no longer listed.
    for (const char* tolto : {"scorrimento", "falda", "eccentrici"}) {
        EXPECT_EQ(t.find(tolto, limiti), std::string::npos) << tolto;
    }
}

TEST(SezioneNtc, SettlementsWithTheLayersAndNoLongerAmongTheLimits) {
    Lavoro l = esempi::lavoroesempio();
    const std::size_t disegni = componi(l).solo(T::disegno).size();
    l.ntc.strati = {"", "", {{"2", "6"}, {"3", "12"}}};
    const ScrittoreRegistratore w = componi(l);
    const std::string t = w.testo();
    const auto sezione = t.find("Verifica dei cedimenti (SLE)");
    ASSERT_NE(sezione, std::string::npos);
    // Each foundation's settlement in a table of its own.
    std::vector<std::string> tabelle;
    for (const auto& tabella : w.tabelle()) {
        tabelle.push_back(valore(tabella, "s"));
    }
    std::size_t con = 0;
    for (const VerificaNtc& v : verificatutte(l.dati, l.ntc)) {
        if (v.calcolata && v.cedimento) {
            ++con;
            const std::string s = scrividecimali(v.cedimento->quasipermanente.s, 3);
            EXPECT_NE(std::find(tabelle.begin(), tabelle.end(), s), tabelle.end()) << s;
        }
    }
    ASSERT_GT(con, 0u);
    EXPECT_EQ(w.solo(T::disegno).size(), disegni + con);
    EXPECT_NE(t.find("cedimenti differenziali non verificati", sezione), std::string::npos);
    const auto limiti = t.find("Limiti della verifica", sezione);
    ASSERT_NE(limiti, std::string::npos);
    EXPECT_EQ(t.find("cedimenti (SLE)", limiti), std::string::npos);
}

TEST(SezioneNtc, LeftOutOnRequest) {
    ScrittoreRegistratore w;
    componirelazione(w, esempi::lavoroesempio(), studio, false);
    EXPECT_EQ(w.testo().find("NTC 2018"), std::string::npos);
    EXPECT_TRUE(w.solo(T::disegno).empty());
    EXPECT_EQ(w.tabelle().size(), 6u);
    EXPECT_NE(w.testo().find("La presente relazione è composta di n."), std::string::npos);
}

TEST(SezioneNtc, ValueColumnsRightAlignedAfterTheFoundations) {
    Lavoro l = esempi::lavoropieno(2, 1);
    l.dati.prof[2] = "";
    ASSERT_FALSE(verificantc(l.dati, 2, l.ntc).calcolata);
    ScrittoreRegistratore w;
    allineacolonne(w, l.dati, &l.ntc);
    auto allineate = w.solo(T::allineadestra);
    // The summary's numbers 3, soil 4, foundations 2 x 18, then the factors
    // and the two tables of the one foundation with a verdict.
    ASSERT_EQ(allineate.size(), 3u + 4u + 36u + 3u);
    EXPECT_EQ(allineate[0], fai(T::allineadestra, {}, 0, 2, 1));
    EXPECT_EQ(allineate[3], fai(T::allineadestra, {}, 0, 4, 1));
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(allineate[static_cast<std::size_t>(43 + t)],
                  fai(T::allineadestra, {}, 0, 8 + t, 3));
    }
}

TEST(SezioneNtc, BothVerdictsSummarizedAndTheWorseGoverns) {
    Lavoro l = lavoroconrisultati();
    l.ntc.terreno.cu = "3";
    const ScrittoreRegistratore w = componi(l);
    const auto tabelle = w.tabelle();
    // The summary, and a third table: the short-term resistance.
    ASSERT_EQ(tabelle.size(), 11u);
    EXPECT_EQ(tabelle[1].celle[0], intestazioniesito());
    EXPECT_EQ(tabelle[1].celle[1],
              (std::vector<std::string>{"1", "3,33", "verificata", "1,980", "NON VERIFICATA"}));
    EXPECT_EQ(valore(tabelle[8], "Ed/Rd"), "0,914");
    EXPECT_EQ(valore(tabelle[9], "Ed/Rd"), "1,980");
    EXPECT_EQ(valore(tabelle[9], "esito"), "NON VERIFICATA");
    const std::string t = w.testo();
    const std::string ordine[] = {
        "Dati e risultati",
        "Esito delle verifiche:",
        notaesito,
        "Fondazione n. 1 (tensioni ammissibili: verificata; NTC 2018: NON VERIFICATA)",
        "Modello geotecnico e azioni",
        "Coefficienti parziali",
        "Resistenza di progetto a lungo termine (condizioni drenate), fondazione n. 1:",
        "Resistenza di progetto a breve termine (condizioni non drenate), fondazione n. 1:",
        "il peggiore delle due analisi: NON VERIFICATA",
    };
    std::size_t p = 0;
    for (const std::string& atteso : ordine) {
        p = t.find(atteso, p);
        ASSERT_NE(p, std::string::npos) << atteso;
    }
}

TEST(SezioneNtc, GeotechnicalModelSaysWhereTheDataComeFromAndWhatTheyAre) {
    struct Caso {
        TerrenoNtc terreno;
        std::vector<std::string> presenti, assenti;
    };
    const Caso casi[] = {
        {{},
         {"Fonte dei parametri geotecnici: non indicata.",
          "Valori usati nel calcolo, in unità SI: γ = 17,65 kN/mc, c′ = 0,00 kPa, φ′ = 30,00°.",
          "peso specifico del muro del piano n. 1", "breve termine in condizioni non drenate"},
         {"cu ="}},
        {{"3", "2500", "relazione geologica del dott. Verdi"},
         {"Fonte dei parametri geotecnici: relazione geologica del dott. Verdi.",
          "φ′ = 30,00°, cu = 29,42 kPa.", "peso specifico di 2500 kg/mc"},
         {"non indicata", "breve termine in condizioni non drenate"}},
    };
    for (const Caso& c : casi) {
        Lavoro l = esempi::lavoroesempio();
        l.ntc.terreno = c.terreno;
        const ScrittoreRegistratore w = componi(l);
        const std::string t = w.testo();
        // A missing source stands out in bold; a given one is plain text.
        const auto grassetti = w.solo(T::testograssetto);
        EXPECT_EQ(grassetti.size(), c.terreno.fonte.empty() ? 1u : 0u);
        const auto modello = t.find("Modello geotecnico e azioni");
        ASSERT_NE(modello, std::string::npos);
        for (const char* sempre :
             {"valori caratteristici", "§6.2.2", "§2.5.3, formula 2.5.1", "ψ0 = 1",
              "lato meno favorevole", "Brinch Hansen", "1970", "Vesic", "1975", "Annesso D",
              "verifica strutturale della fondazione (STR), la liquefazione"}) {
            EXPECT_NE(t.find(sempre, modello), std::string::npos) << sempre;
        }
        for (const std::string& atteso : c.presenti) {
            EXPECT_NE(t.find(atteso, modello), std::string::npos) << atteso;
        }
        for (const std::string& escluso : c.assenti) {
            EXPECT_EQ(t.find(escluso, modello), std::string::npos) << escluso;
        }
        // The paragraph on automatic calculation quotes no job's result.
        const auto elaborazione = t.find("Elaborazione automatica");
        EXPECT_EQ(
            t.substr(elaborazione, t.find("Giudizio", elaborazione) - elaborazione).find("0,914"),
            std::string::npos);
    }
}

TEST(SezioneNtc, SeismicSectionWithItsAssumptionsTablesAndDrawing) {
    Lavoro l = esempi::lavoroesempio();
    l.dati.largh[1] = "0,8";
    l.ntc.sisma = {"0,15", "2,45", "C", "", "1,5", "", ""};
    l.ntc.falda = {"1,8", "2"}; // within D + B, below the reach of the resistance
    const ScrittoreRegistratore w = componi(l);
    const std::string t = w.testo();
    const std::string ordine[] = {
        "Resistenza di progetto",
        "Verifica in condizioni sismiche (SLV)",
        "Se = ag·S·F0",
        "comportamento scatolare",
        "non è a favore di sicurezza per un muro lungo e rigido",
        "componente verticale dell'azione sismica (§7.2.2)",
        "q = 1,5, come da relazione di calcolo della struttura",
        "Dati del sito e spettro (SLV):",
        "Pesi sismici e azione orizzontale, fondazione n. 1:",
        "Fattori cinematici e resistenza (SLV), fondazione n. 1:",
        "Scorrimento sul piano di posa (SLV, γR = 1,1), fondazione n. 1:",
        "in condizioni sismiche, fondazione n. 1: NON VERIFICATA",
        "Sezione della fondazione n. 1 in condizioni sismiche:",
        testoliquefazione,
        "anche in condizioni sismiche",
        "Limiti della verifica",
    };
    std::size_t p = 0;
    for (const std::string& atteso : ordine) {
        p = t.find(atteso, p);
        ASSERT_NE(p, std::string::npos) << atteso;
    }
    EXPECT_EQ(t.find("combinazione sismica", p), std::string::npos);
    EXPECT_EQ(w.solo(T::disegno).size(), 2u);

    // After the static tables: the site's, then weights, resistance and sliding.
    const auto tabelle = w.tabelle();
    const auto sito = std::find_if(tabelle.begin(), tabelle.end(), [](const auto& t) {
        return valore(t, "categoria di sottosuolo") == "C";
    });
    ASSERT_LT(sito + 3, tabelle.end());
    const auto n = static_cast<std::size_t>(sito - tabelle.begin()) + 4;
    EXPECT_EQ(valore(tabelle[n - 4], "Sd = Se/q"), "0,3625");
    EXPECT_EQ(valore(tabelle[n - 3], "origine di H"), "stima");
    EXPECT_EQ(valore(tabelle[n - 3], "H"), "27,10");
    EXPECT_EQ(valore(tabelle[n - 2], "V/Rd"), "1,282");
    EXPECT_EQ(valore(tabelle[n - 1], "H/Rd"), "0,629");
    // Every value column of the tables right aligned, the seismic ones too.
    ScrittoreRegistratore a;
    allineacolonne(a, l.dati, &l.ntc);
    const auto allineate = a.solo(T::allineadestra);
    EXPECT_EQ(allineate.back(), fai(T::allineadestra, {}, 0, static_cast<int>(n), 3));
}
