#include "zocal/help/frmtip.h"

#include "finti.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace zocal;

namespace {

QString mostrato(const frmTip& w) {
    return w.lblTipText->text();
}

} // namespace

TEST(Suggerimenti, LinesOfTheFile) {
    EXPECT_EQ(righesuggerimenti("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(righesuggerimenti("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(righesuggerimenti("a\r\n\r\nc\r"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(righesuggerimenti("\r\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(righesuggerimenti("").empty());
}

TEST(Suggerimenti, NextWrapsAroundPreviousStopsAtTheFirst) {
    Cartella c;
    frmTip w(c.scrivi("SuggerimentiZocal.TXT", "uno\r\ndue\r\ntre\r\n"));
    EXPECT_EQ(mostrato(w), "uno");
    EXPECT_EQ(w.TipIndex(), 1);

    QTest::mouseClick(w.cmdprecedente, Qt::LeftButton);
    EXPECT_EQ(mostrato(w), "uno");
    EXPECT_EQ(w.TipIndex(), 1);

    QTest::mouseClick(w.cmdNextTip, Qt::LeftButton);
    EXPECT_EQ(mostrato(w), "due");
    QTest::mouseClick(w.cmdNextTip, Qt::LeftButton);
    EXPECT_EQ(mostrato(w), "tre");
    QTest::mouseClick(w.cmdprecedente, Qt::LeftButton);
    EXPECT_EQ(mostrato(w), "due");
    QTest::mouseClick(w.cmdNextTip, Qt::LeftButton);
    QTest::mouseClick(w.cmdNextTip, Qt::LeftButton);
    EXPECT_EQ(mostrato(w), "uno");
    EXPECT_EQ(w.TipIndex(), 1);
}

TEST(Suggerimenti, EmptyLineIsAnEmptyTipAndAccentsComeThrough) {
    Cartella c;
    frmTip w(c.scrivi("s.txt", "primo\r\n\r\nperch\xE9 s\xEC\r\n"));
    ASSERT_EQ(w.TipList().size(), 3u);
    w.cmdNextTip_Click();
    EXPECT_EQ(mostrato(w), "");
    w.cmdNextTip_Click();
    EXPECT_EQ(mostrato(w), QString::fromUtf8("perché sì"));
}

TEST(Suggerimenti, MissingFileExplainsHowToCreateItAndNavigationDoesNothing) {
    Cartella c;
    const QString atteso = QString::fromUtf8(
        "Impossibile trovare il file SuggerimentiZocal.TXT\r\n\r\nCreare un file di testo "
        "denominato SuggerimentiZocal.TXT utilizzando il Blocco note e inserendo un "
        "suggerimento per ogni riga. Inserire il file nella stessa directory "
        "dell'applicazione. ");
    for (const std::filesystem::path& file :
         {c.percorso() / "SuggerimentiZocal.TXT", std::filesystem::path()}) {
        frmTip w(file);
        EXPECT_EQ(mostrato(w), atteso);
        EXPECT_EQ(frmTip::testomancante(), atteso);
        w.cmdNextTip_Click();
        w.cmdprecedente_Click();
        EXPECT_EQ(mostrato(w), atteso);
        EXPECT_FALSE(w.LoadTips(file));
    }
}

TEST(Suggerimenti, EmptyFileShowsNoTipAndButtonsChangeNothingVisible) {
    Cartella c;
    frmTip w(c.scrivi("vuoto.txt", ""));
    EXPECT_TRUE(w.TipList().empty());
    EXPECT_EQ(mostrato(w), "");
    w.cmdNextTip_Click();
    w.cmdprecedente_Click();
    EXPECT_EQ(mostrato(w), "");
}

TEST(Suggerimenti, AFileThatCannotBeReadIsNotCalledMissing) {
    Cartella c;
    std::filesystem::create_directory(c.percorso() / "SuggerimentiZocal.TXT");
    frmTip w(c.percorso() / "SuggerimentiZocal.TXT");
    EXPECT_EQ(mostrato(w), QString::fromUtf8("Impossibile leggere il file SuggerimentiZocal.TXT: "
                                             "è una cartella, non un file."));
}

TEST(Suggerimenti, ClosingHidesAndKeepsTheTipTheFileIsReadOnce) {
    Cartella c;
    const auto file = c.scrivi("s.txt", "uno\r\ndue\r\n");
    frmTip w(file);
    w.show();
    w.cmdNextTip_Click();
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    c.scrivi("s.txt", "cambiato\r\n");
    w.show();
    EXPECT_EQ(mostrato(w), "due");
    w.cmdNextTip_Click();
    EXPECT_EQ(mostrato(w), "uno");
}
