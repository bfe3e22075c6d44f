#include "zocal/help/testi.h"

#include <gtest/gtest.h>

#include <set>

using namespace zocal;

TEST(Testi, SourceLinesJoinIntoParagraphsSeparatedByOneEmptyLine) {
    EXPECT_EQ(paragrafi("\nuna riga\ne la seguente  \n\n\n\naltro\n"),
              "una riga e la seguente\n\naltro");
    EXPECT_EQ(paragrafi("sola"), "sola");
    EXPECT_EQ(paragrafi("\r\n  \n"), "");
    EXPECT_EQ(paragrafi(""), "");
}

TEST(Testi, EightPagesInContentsOrderEachARealPage) {
    const auto& pagine = pagineguida();
    const std::vector<std::string> nomi{
        "manuale",      "guidafunzionamento", "guidaarchivio",     "guidastampa",
        "guidacalcolo", "guidadescrizione",   "guidafrontespizio", "guidantc"};
    ASSERT_EQ(pagine.size(), nomi.size());
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        EXPECT_EQ(pagine[i].nome, nomi[i]);
        EXPECT_EQ(paginaguida(nomi[i]), &pagine[i]);
        // Several paragraphs, no stray line breaks inside them.
        const std::string& t = pagine[i].testo;
        std::size_t paragrafi = 1;
        for (std::size_t p = t.find("\n\n"); p != std::string::npos; p = t.find("\n\n", p + 2)) {
            ++paragrafi;
        }
        EXPECT_GE(paragrafi, 4u) << nomi[i];
        EXPECT_EQ(t.find("\n\n\n"), std::string::npos) << nomi[i];
        EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 2 * static_cast<long>(paragrafi - 1))
            << nomi[i];
    }
    EXPECT_EQ(paginaguida("licenza"), nullptr);
    EXPECT_EQ(paginaguida("sommario"), nullptr);
    EXPECT_EQ(paginalicenza().titolo, "LICENZA D'USO");
}

TEST(Testi, WorkingPageStatesTheThreeFormulasAsComputed) {
    const std::string& t = paginaguida("guidafunzionamento")->testo;
    for (const char* formula :
         {"carico limite = 17 · ps · pf + 18 · ps · bf",
          "carico limite = 2 · ps · pf + 8 · cs + ps · bf",
          "carico limite = 9 · ps · pf + 4 · cs + 9 · ps · bf", "carico limite diviso 30",
          "almeno 3", "10 fondazioni", "10 piani"}) {
        EXPECT_NE(t.find(formula), std::string::npos) << formula;
    }
}

TEST(Testi, LimitStatePageStatesTheMethodItsFactorsAndWhatItLeavesOut) {
    const PaginaTesto* p = paginaguida("guidantc");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->titolo, "VERIFICA NTC 2018");
    for (const char* parte : {"A1+M1+R3",
                              "Tab. 6.2.I",
                              "Tab. 6.4.I",
                              "Ed = 1,3 · G1 + 1,5 · G2 + 1,5 · Q",
                              "Nq = e^(π · tanφ) · tan²(45° + φ/2)",
                              "Nc = (Nq − 1) · cotφ",
                              "Nc = 2 + π",
                              "Brinch Hansen 1,5 · (Nq − 1)",
                              "1 kgf = 9,80665 N",
                              "Annesso D",
                              "cu",
                              "liquefazione",
                              "Vesic 2 · (Nq + 1)",
                              "EC7 2 · (Nq − 1)",
                              "dc = 1 + 0,4 · k",
                              "arctan(D/B)",
                              "Rd = qlim · B / 2,3",
                              "9,80665",
                              "tra 0 e 50 gradi",
                              "scorrimento",
                              "stabilità globale",
                              "Cedimenti (SLE)",
                              "modulo edometrico Eed",
                              "Δσ(z) = (pnet/π) · (α + sin α)",
                              "sismica",
                              "falda",
                              "eccentrici"}) {
        EXPECT_NE(p->testo.find(parte), std::string::npos) << parte;
    }
}
