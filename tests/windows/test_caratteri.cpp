// The fonts made ready on a second thread while the program starts.
#include "zocal/windows/caratteri.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

TEST(PreparazioneCaratteri, TheFontListIsReadyForTheMainThread) {
    zocal::PreparazioneCaratteri caratteri;
    caratteri.applicazionepronta();
    caratteri.attendiconfigurazione();
    // A font used at once, while the thread may still fill the list.
    const QFont f(QStringLiteral("Liberation Sans"), 9);
    EXPECT_GT(QFontMetrics(f).horizontalAdvance(QStringLiteral("verificata")), 0);
    caratteri.termina();
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
}

TEST(PreparazioneCaratteri, EndsEvenWhenTheApplicationNeverCame) {
    // A program that stops before its application exists must not hang.
    zocal::PreparazioneCaratteri caratteri;
    caratteri.attendiconfigurazione();
}
