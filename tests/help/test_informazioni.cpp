#include "zocal/help/informazioni.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

TEST(Informazioni, EditionLineFromVersionYearAndBuildDate) {
    modzocal().inizializza();
    EXPECT_EQ(informa::rigaedizione(modzocal(), "251024"),
              "edizione professionale - versione 3.04.05   2000- 2024");
    // The last two characters of the code, whatever they are.
    EXPECT_EQ(informa::rigaedizione(modzocal(), "0101xy"),
              "edizione professionale - versione 3.04.05   2000- 20xy");
    ModZocal altro = modzocal();
    altro.dataversione = "01/02/99";
    EXPECT_EQ(informa::rigaedizione(altro, "7"),
              "edizione professionale - versione 3.04.05   1999- 207");
}

TEST(Informazioni, TwoDigitYearsAndTheBuildDateCode) {
    EXPECT_EQ(informa::annodata("25/10/00"), 2000);
    EXPECT_EQ(informa::annodata("25/10/29"), 2029);
    EXPECT_EQ(informa::annodata("25/10/30"), 1930);
    EXPECT_EQ(informa::annodata("25/10/2031"), 2031);
    EXPECT_EQ(informa::annodata("25/10/"), 0);
    EXPECT_EQ(informa::annodata("25/10/x0"), 0);

    const std::string codice = informa::codicecompilazione();
    ASSERT_EQ(codice.size(), 6u);
    EXPECT_EQ(codice.find_first_not_of("0123456789"), std::string::npos);
    const int giorno = std::stoi(codice.substr(0, 2));
    const int mese = std::stoi(codice.substr(2, 2));
    EXPECT_TRUE(giorno >= 1 && giorno <= 31) << codice;
    EXPECT_TRUE(mese >= 1 && mese <= 12) << codice;
    EXPECT_EQ(codice.substr(4), std::string(__DATE__).substr(9, 2));
}

TEST(Informazioni, AboutWindowTextsAndOk) {
    modzocal().inizializza();
    informa w("010203");
    EXPECT_EQ(w.windowTitle(), "Informazioni su Zocal");
    EXPECT_EQ(w.lblnome->text(), "Zocal");
    EXPECT_EQ(w.lblsottotitolo->text(), "verifica di fondazioni in muratura");
    EXPECT_EQ(w.lbledizione->text(), "edizione professionale - versione 3.04.05   2000- 2003");
    EXPECT_EQ(w.lblmarchio->text(), "software GIRASOLE");
    w.show();
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST(Informazioni, SupportWindowOkHides) {
    supportoclienti w;
    w.show();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}
