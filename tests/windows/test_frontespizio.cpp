#include "zocal/windows/frontespizio.h"

#include "dialoghifinti.h"
#include "tastiera.h"
#include "zocal/core/modzocal.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using zocal::Frontespizio;
using zocal::Icona;

namespace {

const std::string titolocontrollo = "Zocal: controllo dati immessi nella finestra attiva";
const std::string avviso60 = "Per una stampa corretta non digitare dati lunghi più di 60 spazi.";

template <class D> class Finestra : public ::testing::Test {
  protected:
    D dialoghi;
    std::unique_ptr<zocal::frontespizio> w;

    void SetUp() override {
        zocal::modzocal().inizializza();
        w = std::make_unique<zocal::frontespizio>(dialoghi);
    }
    QLineEdit* c(Frontespizio t) const { return w->campo(t); }
    void attiva() {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    std::string ultimo() const {
        return dialoghi.mostrati.empty() ? std::string() : dialoghi.mostrati.back().testo;
    }
};

using Frontespizio_ = Finestra<DialoghiFinti>;

std::string oggi() {
    return QLocale(QLocale::Italian)
        .toString(QDate::currentDate(), QStringLiteral("dddd, d MMM yyyy"))
        .toStdString();
}

} // namespace

TEST(DataInChiaro, GiornoMeseAbbreviatoEAnnoInItaliano) {
    EXPECT_EQ(zocal::frontespizio::datainchiaro(QDate(2001, 3, 6)).toStdString(),
              "martedì, 6 mar 2001");
    EXPECT_EQ(zocal::frontespizio::datainchiaro(QDate(2024, 12, 29)).toStdString(),
              "domenica, 29 dic 2024");
}

TEST_F(Frontespizio_, SiApreConLaDataDiOggiEIlFuocoSuAiuto) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zocal: frontespizio per la relazione"));
    const std::string data = w->testi()[static_cast<std::size_t>(Frontespizio::data)];
    // Around midnight the day may turn between the two readings.
    if (data != oggi()) {
        EXPECT_EQ(
            data,
            zocal::frontespizio::datainchiaro(QDate::currentDate().addDays(-1)).toStdString());
    }
    zocal::DatiFrontespizio resto = w->testi();
    resto[static_cast<std::size_t>(Frontespizio::data)].clear();
    EXPECT_EQ(resto, zocal::DatiFrontespizio{});
    EXPECT_TRUE(dialoghi.mostrati.empty());

    EXPECT_EQ(w->Label1->text().toStdString(), "DATI PER LA  RELAZIONE SULLA FONDAZIONE");
    EXPECT_EQ(w->Label1->toolTip().toStdString(),
              "i dati della finestra occorrono per il frontespizio della relazione");
    EXPECT_EQ(w->passo->text().toStdString(),
              "digitare tutti i dati necessari per la stampa della relazione sulla fondazione");
    EXPECT_EQ(w->didascalie[1]->text().toStdString(), " località......................:");
    EXPECT_EQ(w->didascalie[3]->toolTip().toStdString(),
              "località in cui viene redatta la relazione");
    EXPECT_EQ(w->didascaliastudio->text().toStdString(), " studio tecnico...........:");
    EXPECT_EQ(w->didascaliastudio->toolTip().toStdString(),
              "lo studio che ha effettuato la elaborazione");
    // Some tooltips end with a blank of their own.
    EXPECT_EQ(w->aiuto->toolTip().toStdString(), "cliccare per visualizzare l'aiuto in linea ");
    EXPECT_EQ(w->guidainlinea->toolTip().toStdString(),
              "cliccare per visualizzare gli Argomenti della guida ");
    EXPECT_EQ(w->stampa->text(), "&Stampa");
    EXPECT_EQ(w->stampa->toolTip().toStdString(),
              "cliccare per avere la stampa completa della relazione");
    EXPECT_EQ(w->cmdesci->text(), "&USCITA");
    EXPECT_EQ(w->azionecontrolla->text(), "Controllo &dati immessi");

    attiva();
    EXPECT_EQ(QApplication::focusWidget(), w->aiuto);
    QWidget* const ordine[] = {w->aiuto, w->progetto, w->localita, w->committente,
                               w->luogo, w->stampa,   w->cmdesci,  w->guidainlinea,
                               w->data,  w->allegati};
    for (std::size_t i = 1; i < std::size(ordine); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), ordine[i]) << i;
    }
}

TEST_F(Frontespizio_, RigheAlleQuoteDiProgetto) {
    using zocal::pixel;
    EXPECT_EQ(w->superficie->size(), QSize(pixel(9480), pixel(6135)));
    EXPECT_EQ(w->Label1->geometry(), QRect(pixel(720), pixel(960), pixel(6975), pixel(495)));
    EXPECT_EQ(w->progetto->geometry().topLeft(), QPoint(pixel(2520), pixel(1800)));
    EXPECT_EQ(w->allegati->y(), pixel(3000));
    EXPECT_EQ(w->didascalie[5]->geometry(),
              QRect(pixel(720), pixel(3000), pixel(1695), pixel(255)));
    for (std::size_t i = 1; i < zocal::nfrontespizio; ++i) {
        EXPECT_LE(c(static_cast<Frontespizio>(i - 1))->geometry().bottom(),
                  c(static_cast<Frontespizio>(i))->y());
    }
    EXPECT_EQ(w->labelindirizzo->geometry(),
              QRect(pixel(2520), pixel(3840), pixel(5175), pixel(255)));
    EXPECT_EQ(w->passo->geometry(), QRect(pixel(2520), pixel(5640), pixel(4575), pixel(450)));
    EXPECT_EQ(w->stampa->geometry(), QRect(pixel(7200), pixel(5760), pixel(1095), pixel(375)));
}

// Past 60 characters the guidance box warns; no box takes the keys the
// user goes on typing ("nuovo corpo di fabbrica" once came out "nuocdf").
TEST_F(Frontespizio_, OltreIl60esimoCarattereAvvisaLaGuidaSenzaMessaggiENonTaglia) {
    attiva();
    QLineEdit* campo = w->committente;
    campo->setFocus();
    QTest::keyClicks(campo, QString(59, 'a'));
    digita(campo, QStringLiteral("à"));
    EXPECT_EQ(w->passo->text().toStdString(), zocal::passofrontespizio);
    QTest::keyClicks(campo, QStringLiteral("nuovo corpo di fabbrica"));
    EXPECT_EQ(w->passo->text().toStdString(), avviso60);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(campo->text(), QString(59, 'a') + QStringLiteral("ànuovo corpo di fabbrica"));
    // Another field within the length takes the guidance back.
    QTest::keyClicks(w->allegati, QString(60, 'x'));
    EXPECT_EQ(w->passo->text().toStdString(), zocal::passofrontespizio);
}

TEST_F(Frontespizio_, IlControlloHaTreEsiti) {
    attiva();
    w->luogo->setFocus();
    // A fresh window holds only the date.
    w->controllodati_Click();
    EXPECT_EQ(dialoghi.mostrati.back(), (zocal::Messaggio{"Non è stato immesso alcun dato.",
                                                          Icona::domanda, titolocontrollo}));
    w->luogo->setText(QStringLiteral("Roma"));
    w->controllodati_Click();
    EXPECT_EQ(ultimo(), "Non è stato immesso alcun dato.");

    w->luogo->clear();
    QTest::keyClicks(w->progetto, QStringLiteral("ampliamento"));
    w->azionecontrolla->trigger();
    EXPECT_EQ(dialoghi.mostrati.back(), (zocal::Messaggio{"Inserire dati per ogni campo.",
                                                          Icona::esclamazione, titolocontrollo}));

    zocal::DatiFrontespizio t;
    t.fill(" ");
    w->impostatesti(t);
    w->controllodati_Click();
    EXPECT_EQ(dialoghi.mostrati.back(),
              (zocal::Messaggio{"I dati sono stati immessi correttamente.", Icona::informazione,
                                titolocontrollo}));
    EXPECT_EQ(w->testi(), t);
    EXPECT_EQ(QApplication::focusWidget(), w->luogo);
}

TEST_F(Frontespizio_, CancellaSvuotaAncheLaDataMaNonLoStudio) {
    w->impostastudio("Studio Tecnico Rossi", "via Roma 1, Bari", "/etc/StudioZocal.TXT");
    zocal::DatiFrontespizio t{"p", "l", "c", "Bari", "lunedì, 1 gen 2001", "tavole"};
    w->impostatesti(t);
    w->azionecancella->trigger(); // asks; the default answer keeps everything
    EXPECT_EQ(w->testi(), t);
    dialoghi.risposte.push_back(zocal::Risposta::si);
    w->azionecancella->trigger();
    EXPECT_EQ(w->testi(), zocal::DatiFrontespizio{});
    EXPECT_EQ(w->Labelstudio->text().toStdString(), "Studio Tecnico Rossi");
    EXPECT_EQ(w->labelindirizzo->text().toStdString(), "via Roma 1, Bari");
    w->controllodati_Click();
    EXPECT_EQ(ultimo(), "Non è stato immesso alcun dato.");
    w->impostatesti(t);
    w->cancella_click();
    EXPECT_EQ(w->testi(), zocal::DatiFrontespizio{});
}

TEST_F(Frontespizio_, ITestiCaricatiSostituisconoLaDataEPassanoPerIlControllo) {
    zocal::DatiFrontespizio t{"Nuova scuola", "Contrada Lama",       "Comune di Bitonto",
                              "Bari",         "martedì, 6 mar 2001", std::string(61, 'g')};
    w->impostatesti(t);
    EXPECT_EQ(w->testi(), t);
    EXPECT_EQ(w->data->text().toStdString(), "martedì, 6 mar 2001");
    // The last text loaded is too long: the guidance box says so, no box.
    EXPECT_EQ(w->passo->text().toStdString(), avviso60);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Frontespizio_, UnTestoLungoCaricatoResta) {
    // Past the toolkit's default limit of 32,767 characters: kept whole, so
    // saving gives back what was loaded.
    zocal::DatiFrontespizio t{};
    std::string lungo;
    while (lungo.size() < 100000) {
        lungo += "tavola " + std::to_string(lungo.size()) + ", ";
    }
    t[0] = lungo;
    t[5] = lungo + "fine";
    w->impostatesti(t);
    EXPECT_EQ(w->testi(), t);
    // Typed at the end of it, too.
    w->allegati->setFocus();
    w->allegati->end(false);
    QTest::keyClicks(w->allegati, "X");
    EXPECT_EQ(w->testi()[5], lungo + "fineX");
}

TEST_F(Frontespizio_, LoStudioSiMostraSoltantoConLaSuaProvenienza) {
    // Before the program says anything: empty, and the tooltip says where
    // the file goes.
    EXPECT_TRUE(w->Labelstudio->text().isEmpty());
    EXPECT_NE(w->Labelstudio->toolTip().indexOf(QStringLiteral("StudioZocal.TXT")), -1);
    EXPECT_NE(w->Labelstudio->toolTip().indexOf(QStringLiteral("non modificabile")), -1);
    EXPECT_NE(w->labelindirizzo->toolTip().indexOf(QStringLiteral("seconda riga")), -1);

    w->impostastudio("Studio <b>Verdi</b> & Figli", "corso Italia 2", "/home/u/StudioZocal.TXT");
    EXPECT_EQ(w->Labelstudio->text().toStdString(), "Studio <b>Verdi</b> & Figli");
    // The user's text is shown as it is, never read as markup.
    EXPECT_EQ(w->Labelstudio->textFormat(), Qt::PlainText);
    EXPECT_EQ(w->labelindirizzo->textFormat(), Qt::PlainText);
    EXPECT_EQ(w->Labelstudio->toolTip().toStdString(),
              zocal::suggerimentostudio(false, "/home/u/StudioZocal.TXT", ""));
    EXPECT_EQ(w->labelindirizzo->toolTip().toStdString(),
              zocal::suggerimentostudio(true, "/home/u/StudioZocal.TXT", ""));
    // Shown, not typed into, and out of the tab order.
    EXPECT_FALSE(w->Labelstudio->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(w->Labelstudio->textInteractionFlags() & Qt::TextEditable);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Frontespizio_, AiutoETastiCheConduconoAltrove) {
    QTest::mouseClick(w->aiuto, Qt::LeftButton);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati.back(), zocal::aiutofrontespizio(zocal::modzocal()));
    EXPECT_EQ(dialoghi.mostrati.back().titolo, "Zocal: aiuto in linea");

    QSignalSpy stampa(w.get(), &zocal::frontespizio::stampaRichiesta);
    QSignalSpy guida(w.get(), &zocal::frontespizio::guidainlineaRichiesta);
    QSignalSpy uscita(w.get(), &zocal::frontespizio::uscitaRichiesta);
    QTest::mouseClick(w->stampa, Qt::LeftButton);
    QTest::mouseClick(w->guidainlinea, Qt::LeftButton);
    QTest::mouseClick(w->cmdesci, Qt::LeftButton);
    EXPECT_EQ(stampa.count(), 1);
    EXPECT_EQ(guida.count(), 1);
    EXPECT_EQ(uscita.count(), 1);
}
