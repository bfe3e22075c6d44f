#include "zocal/help/documenti.h"

#include "zocal/core/modzocal.h"
#include "zocal/report/registratore.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace zocal;
using T = Chiamata::Tipo;

namespace {

Chiamata scrivi(const std::string& testo) {
    return {T::scrivi, testo};
}
Chiamata corpo(double punti) {
    return {T::corpo, "", punti};
}

class Documenti : public ::testing::Test {
  protected:
    void SetUp() override { modzocal().inizializza(); }
};

} // namespace

TEST_F(Documenti, OnePageHeadedByProgramSubtitleAndTitleThenJustified) {
    ScrittoreRegistratore r;
    stampaguida(r, "COME STAMPARE", "primo paragrafo\n\nsecondo");
    const std::vector<Chiamata> attese{
        {T::avvia, ""},
        {T::carattere, "Century Gothic"},
        corpo(20),
        scrivi("Zocal\r"),
        corpo(16),
        scrivi("verifica di fondazioni in muratura\r\r\r"),
        scrivi("Guida: COME STAMPARE\r\r"),
        corpo(12),
        scrivi("primo paragrafo\r\rsecondo\r"),
        {T::giustificatutto, ""},
    };
    ASSERT_EQ(r.chiamate.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        EXPECT_EQ(r.chiamate[i], attese[i]) << i << ": " << r.chiamate[i].descrizione();
    }
    EXPECT_TRUE(r.solo(T::salvacome).empty());
}

TEST_F(Documenti, TermsPageUsesItsOwnTitleInTheSameLayout) {
    ScrittoreRegistratore r;
    stampalicenza(r, paginalicenza());
    ASSERT_EQ(r.chiamate.size(), 10u);
    EXPECT_EQ(r.chiamate[6], scrivi("LICENZA D'USO\r\r"));
    EXPECT_EQ(r.chiamate[7], corpo(12));
    EXPECT_EQ(r.chiamate[8].testo, testodocumento(paginalicenza().testo) + "\r");
    EXPECT_EQ(r.chiamate[9].tipo, T::giustificatutto);
}

TEST_F(Documenti, AllPagesInContentsOrderEachButTheLastEndingInAPageBreak) {
    ScrittoreRegistratore r;
    const std::vector<PaginaTesto>& pagine = pagineguida();
    ASSERT_EQ(pagine.size(), 8u);
    guidacompleta(r, pagine);

    const std::vector<Chiamata> scritte = r.solo(T::scrivi);
    // Program name and subtitle, then a heading and a text for each page.
    ASSERT_EQ(scritte.size(), 2 + 2 * pagine.size());
    const char* titoli[] = {"MANUALE D'USO RAPIDO",  "FUNZIONAMENTO DEL PROGRAMMA",
                            "ARCHIVIO DATI",         "COME STAMPARE",
                            "FINESTRA CALCOLO",      "DESCRIZIONE DEL FABBRICATO",
                            "FINESTRA FRONTESPIZIO", "VERIFICA NTC 2018"};
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        EXPECT_EQ(scritte[2 + 2 * i].testo, std::string("Guida: ") + titoli[i] + "\r\r");
        const std::string& testo = scritte[3 + 2 * i].testo;
        const bool ultima = i + 1 == pagine.size();
        EXPECT_EQ(testo, testodocumento(pagine[i].testo) + (ultima ? "\r" : "\r\f")) << i;
    }
    // The size drops to 12 once, right after the first heading: every later
    // heading stays at 12.
    const std::vector<Chiamata> corpi = r.solo(T::corpo);
    ASSERT_EQ(corpi.size(), 3u);
    EXPECT_EQ(corpi[2].punti, 12);
    const auto primo = std::find(r.chiamate.begin(), r.chiamate.end(),
                                 scrivi(std::string("Guida: ") + titoli[0] + "\r\r"));
    ASSERT_NE(primo, r.chiamate.end());
    EXPECT_EQ(*(primo + 1), corpo(12));
    EXPECT_EQ(r.chiamate.back().tipo, T::giustificatutto);
    // Exactly one page break between pages.
    const std::string tutto = r.testo();
    EXPECT_EQ(std::count(tutto.begin(), tutto.end(), '\f'), 7);
}

TEST_F(Documenti, PriceListTableWithGroupedPricesRightAligned) {
    Listino l;
    l.prodotti = {{"Zocal", "fondazioni", 1234.5, 1000},
                  {"Rivolo", "fognature", 0.5, std::nullopt},
                  {"Grande", "tutto", 1234567.891, -12.5}};
    ScrittoreRegistratore r;
    stampalistino(r, l);

    EXPECT_EQ(r.chiamate[0].tipo, T::avvia);
    EXPECT_EQ(r.chiamate[1], (Chiamata{T::carattere, "Century Gothic"}));
    EXPECT_EQ(r.chiamate[2], corpo(20));
    EXPECT_EQ(r.chiamate[3], scrivi("prodotti software GIRASOLE\r\r"));
    EXPECT_EQ(r.chiamate[4], corpo(12));
    EXPECT_EQ(r.chiamate[5].testo.rfind("acquistabili dalla pagina https://", 0), 0u);
    EXPECT_EQ(r.chiamate[5].testo.substr(r.chiamate[5].testo.size() - 2), "\r\r");

    const auto tabelle = r.tabelle();
    ASSERT_EQ(tabelle.size(), 1u);
    const auto& t = tabelle[0];
    EXPECT_EQ(t.righe, 4);
    EXPECT_EQ(t.colonne, 5);
    EXPECT_EQ(t.punti, 8);
    EXPECT_EQ(t.formato, 9);
    const std::vector<std::string> testata{"numero", "nome del software",
                                           "argomento trattato" + std::string(20, ' '),
                                           "listino in euro", "in offerta ad euro"};
    EXPECT_EQ(t.celle[0], testata);
    EXPECT_EQ(t.celle[1],
              (std::vector<std::string>{" 1", "Zocal", "fondazioni", "1.234,50", "1.000,00"}));
    EXPECT_EQ(t.celle[2], (std::vector<std::string>{" 2", "Rivolo", "fognature", "0,50", ""}));
    EXPECT_EQ(t.celle[3][3], "1.234.567,89");
    EXPECT_EQ(t.celle[3][4], "-12,50");

    const auto allineate = r.solo(T::allineadestra);
    ASSERT_EQ(allineate.size(), 2u);
    EXPECT_EQ(allineate[0].a, 1);
    EXPECT_EQ(allineate[0].b, 4);
    EXPECT_EQ(allineate[1].b, 5);
    // Neither justified nor saved here.
    EXPECT_TRUE(r.solo(T::giustificatutto).empty());
    EXPECT_TRUE(r.solo(T::salvacome).empty());
}

TEST_F(Documenti, GuideSavedBesideTheJobFileElseInDocuments) {
    EXPECT_EQ(nomeguida(), "Zocal-guida.docx");
    EXPECT_EQ(percorsoguida("/lavori/2025/Zocal-dati-Rossi"), "/lavori/2025/Zocal-guida.docx");
    const std::string documenti =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    EXPECT_EQ(percorsoguida(""), documenti + "/Zocal-guida.docx");
}
