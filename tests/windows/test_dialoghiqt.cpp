#include "zocal/windows/dialoghiqt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <type_traits>

using zocal::DialoghiQt;

namespace {

// Acts on the modal box as soon as it is up, then lets the call return.
template <class Finestra = QMessageBox>
void quandoAperta(std::type_identity_t<std::function<void(Finestra*)>> azione) {
    auto* attesa = new QTimer;
    attesa->setInterval(5);
    QObject::connect(attesa, &QTimer::timeout, attesa, [attesa, azione] {
        if (auto* box = qobject_cast<Finestra*>(QApplication::activeModalWidget())) {
            attesa->stop();
            attesa->deleteLater();
            azione(box);
        }
    });
    attesa->start();
}

} // namespace

TEST(Filtri, LeCoppieDiventanoFiltriQt) {
    EXPECT_EQ(zocal::filtriqt("Tutti i file (*.*) | *.*|File Zocal-dati- | Zocal-dati-*"),
              QStringList({"Tutti i file (*.*) (*)", "File Zocal-dati- (Zocal-dati-*)"}));
    EXPECT_EQ(zocal::filtriqt("File Zocal-dati- | Zocal-dati-*"),
              QStringList({"File Zocal-dati- (Zocal-dati-*)"}));
    EXPECT_TRUE(zocal::filtriqt("").isEmpty());
    // A description without its pattern is not a filter.
    EXPECT_EQ(zocal::filtriqt("Documenti | *.docx|Incompleto"),
              QStringList({"Documenti (*.docx)"}));
}

TEST(Messaggi, IlRitornoACapoSeparaLeRighe) {
    EXPECT_EQ(zocal::testomessaggio("Fondazione n. 1- piano n. 2:\r- digitare il dato"),
              QStringLiteral("Fondazione n. 1- piano n. 2:\n- digitare il dato"));
    EXPECT_EQ(zocal::testomessaggio("a\r\nb"), QStringLiteral("a\nb"));
    EXPECT_EQ(zocal::testomessaggio("è"), QStringLiteral("è"));
}

TEST(Messaggi, AvvisoConTitoloIconaETesto) {
    DialoghiQt dialoghi;
    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    quandoAperta([&](QMessageBox* box) {
        titolo = box->windowTitle();
        testo = box->text();
        icona = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    dialoghi.avvisa({"riga uno\rriga due", zocal::Icona::esclamazione, "Zocal: titolo"});
    EXPECT_EQ(titolo, "Zocal: titolo");
    EXPECT_EQ(testo, "riga uno\nriga due");
    EXPECT_EQ(icona, QMessageBox::Warning);
}

// The exit question's title is its warning: the box is wide enough that
// the whole title shows, whatever the text below it.
TEST(Messaggi, LaScatolaELargaQuantoIlTitolo) {
    DialoghiQt dialoghi;
    const QString titolo = QStringLiteral("Attenzione: i dati non archiviati andranno persi !");
    int larghezza = 0;
    int necessaria = 0;
    quandoAperta([&](QMessageBox* box) {
        larghezza = box->width();
        QFont f = box->font();
        f.setBold(true);
        necessaria = QFontMetrics(f).horizontalAdvance(titolo) + 100;
        QTest::keyClick(box, Qt::Key_Return);
    });
    dialoghi.chiedi({"Vuoi uscire da Zocal?", zocal::Icona::domanda, titolo.toStdString()}, true);
    EXPECT_GE(larghezza, necessaria);

    quandoAperta([&](QMessageBox* box) {
        larghezza = box->width();
        box->button(QMessageBox::Ok)->click();
    });
    dialoghi.avvisa({"Fatto.", zocal::Icona::informazione, titolo.toStdString()});
    EXPECT_GE(larghezza, necessaria);
}

TEST(Messaggi, LaDomandaConNoPredefinitoRispondeNoAInvio) {
    DialoghiQt dialoghi;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    quandoAperta([&](QMessageBox* box) {
        icona = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialoghi.chiedi({"Vuoi uscire da Zocal?", zocal::Icona::domanda, "Attenzione"}, true),
              zocal::Risposta::no);
    EXPECT_EQ(icona, QMessageBox::Question);

    quandoAperta([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(dialoghi.chiedi({"Procedere?", zocal::Icona::domanda, "Zocal"}, false),
              zocal::Risposta::si);

    quandoAperta([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(dialoghi.chiedi({"Procedere?", zocal::Icona::stop, "Zocal"}, true),
              zocal::Risposta::si);
}

// A message quotes files and typed data: markup shows as it is, and there
// is no link to follow.
TEST(Messaggi, IlTestoNonVieneMaiInterpretatoComeHtml) {
    DialoghiQt dialoghi;
    const std::string trappola =
        "<font color=red><b>ATTENZIONE</b></font> <a href=\"http://esempio.invalid\">clic</a>";
    for (const bool domanda : {false, true}) {
        Qt::TextFormat formato = Qt::AutoText;
        QString mostrato;
        bool collegamenti = true;
        quandoAperta([&](QMessageBox* box) {
            formato = box->textFormat();
            if (auto* etichetta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                mostrato = etichetta->text();
                collegamenti = etichetta->openExternalLinks() ||
                               (etichetta->textInteractionFlags() & Qt::LinksAccessibleByMouse);
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const zocal::Messaggio m{"Formula sconosciuta: " + trappola, zocal::Icona::stop, "Zocal"};
        if (domanda) {
            dialoghi.chiedi(m, true);
        } else {
            dialoghi.avvisa(m);
        }
        EXPECT_EQ(formato, Qt::PlainText) << domanda;
        EXPECT_EQ(mostrato.toStdString(), m.testo) << domanda;
        EXPECT_FALSE(collegamenti) << domanda;
    }
}

// The office's data: the two fields start on what the office has now; OK
// gives what was typed, Annulla nothing at all.
TEST(Moduli, IlModuloParteDaiDatiAttualiERestituisceIlTestoScritto) {
    DialoghiQt dialoghi;
    const zocal::Dialoghi::Modulo modulo{"Zocal: dati dello studio",
                                         {"Nome dello studio:", "Indirizzo:"},
                                         {"Studio Città", "via Roma 1"}};
    for (const bool conferma : {true, false}) {
        QString titolo;
        QStringList valori;
        QStringList etichette;
        QString annulla;
        quandoAperta<QDialog>([&](QDialog* d) {
            titolo = d->windowTitle();
            const auto campi = d->findChildren<QLineEdit*>();
            for (const QLineEdit* e : campi) {
                valori << e->text();
            }
            for (const QLabel* l : d->findChildren<QLabel*>()) {
                etichette << l->text();
            }
            auto* tasti = d->findChild<QDialogButtonBox*>();
            annulla = tasti->button(QDialogButtonBox::Cancel)->text();
            QTest::keyClicks(campi.at(1), " bis");
            tasti->button(conferma ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        const auto scelti = dialoghi.compila(modulo);
        EXPECT_EQ(titolo, "Zocal: dati dello studio");
        EXPECT_EQ(valori, QStringList({"Studio Città", "via Roma 1"}));
        EXPECT_EQ(etichette, QStringList({"Nome dello studio:", "Indirizzo:"}));
        EXPECT_EQ(annulla, "Annulla");
        if (conferma) {
            EXPECT_EQ(scelti, (std::array<std::string, 2>{"Studio Città", "via Roma 1 bis"}));
        } else {
            EXPECT_EQ(scelti, std::nullopt);
        }
    }
}
