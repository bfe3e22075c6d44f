// Thousands of random user actions on the calculation window: the window must
// never crash nor recurse without end, and every field shown must read what
// the data hold for the shown foundation and storeys.
#include "zocal/windows/calcolo.h"

#include "dialoghifinti.h"
#include "lavori.h"
#include "zocal/core/regole.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

using zocal::Voce;

namespace {

std::string testo(const QLineEdit* e) {
    return e->text().toStdString();
}

// Every disagreement between the screen and the data, as readable lines.
std::vector<std::string> differenze(const zocal::calcolo& w) {
    std::vector<std::string> d;
    const zocal::DatiCalcolo& dati = w.dati();
    const int f = w.fondcorrente();
    auto verifica = [&](const std::string& nome, const std::string& mostrato,
                        const std::string& dato) {
        if (mostrato != dato) {
            d.push_back(nome + ": mostrato \"" + mostrato + "\", nei dati \"" + dato + "\"");
        }
    };
    verifica("fondazione", std::to_string(f), std::to_string(w.HScroll1->value()));
    verifica("primo piano", std::to_string(w.primopiano()), std::to_string(w.VScroll1->value()));
    verifica("Label1", w.Label1->text().toStdString(), std::to_string(f));
    verifica("prof", testo(w.prof), dati.prof[f].testo());
    verifica("largh", testo(w.largh), dati.largh[f].testo());
    verifica("Combo1", w.Combo1->currentText().toStdString(), dati.tiposuolo.testo());
    verifica("pesos", testo(w.pesos), dati.pesos.testo());
    verifica("coes", testo(w.coes), dati.coes.testo());
    verifica("attr", testo(w.attr), dati.attr.testo());
    // While the user types in it, the sigma box may read as the same number
    // in an untidy form ("1," for 1).
    const std::string sigma = testo(w.sigmat);
    const std::string sigmadati = dati.sigmat[f].testo();
    if (sigma != sigmadati) {
        const auto a = zocal::leggidecimale(sigma);
        const auto b = zocal::leggidecimale(dati.sigmat[f]);
        if (!w.sigmat->hasFocus() || !a || !b || *a != *b) {
            verifica("sigmat", sigma, sigmadati);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        const int i = w.primopiano() + k - 1;
        verifica("num" + std::to_string(k), w.num[k]->text().toStdString(), std::to_string(i));
        for (Voce v : zocal::vociingresso) {
            verifica(std::string(nomevoce(v)) + std::to_string(k), testo(w.campo(v, k)),
                     dati.piano(v, i, f).testo());
        }
    }
    // Slot 0 is never written.
    for (int g = 0; g <= 10; ++g) {
        for (Voce v : zocal::vociingresso) {
            if (!dati.piano(v, 0, g).vuota()) {
                d.push_back("piano 0 scritto");
            }
        }
    }
    if (!dati.prof[0].vuota() || !dati.largh[0].vuota() || !dati.sigmat[0].vuota()) {
        d.push_back("fondazione 0 scritta");
    }
    return d;
}

class Casuale : public ::testing::TestWithParam<unsigned> {};

} // namespace

TEST_P(Casuale, MigliaiaDiTastiLascianoSchermoEDatiConcordi) {
    std::mt19937 caso(GetParam());
    auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };

    zocal::DatiCalcolo dati;
    DialoghiFinti dialoghi;
    zocal::calcolo w(dati, dialoghi);
    if (GetParam() % 2 == 0) {
        esempio(dati);
        esempio(dati, 2);
        mostralavoro(w);
    }
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    std::vector<QWidget*> campi{w.prof, w.largh, w.Combo1, w.pesos, w.coes, w.attr, w.sigmat};
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : zocal::vociingresso) {
            campi.push_back(w.campo(v, k));
        }
    }
    const std::string tasti = "0123456789012345678901234567890123456789,,,,----++++abx. ";
    w.prof->setFocus();

    const int passi = 3000;
    for (int n = 0; n < passi; ++n) {
        QWidget* fuoco = QApplication::focusWidget();
        if (!fuoco || fuoco->window() != &w) {
            campi[static_cast<std::size_t>(tra(0, int(campi.size()) - 1))]->setFocus();
            fuoco = QApplication::focusWidget();
        }
        QWidget* bersaglio = fuoco == w.Combo1 ? w.Combo1->lineEdit() : fuoco;
        const int r = tra(0, 99);
        std::string azione;
        if (r < 55) {
            const char t = tasti[static_cast<std::size_t>(tra(0, int(tasti.size()) - 1))];
            azione = std::string("tasto ") + t;
            QTest::keyClick(bersaglio, t);
        } else if (r < 63) {
            azione = "cancella carattere";
            QTest::keyClick(bersaglio, Qt::Key_Backspace);
        } else if (r < 70) {
            azione = "tab";
            QTest::keyClick(bersaglio, Qt::Key_Tab);
        } else if (r < 75) {
            azione = "clic su un campo";
            campi[static_cast<std::size_t>(tra(0, int(campi.size()) - 1))]->setFocus();
        } else if (r < 79) {
            azione = "sostituzione";
            if (auto* e = qobject_cast<QLineEdit*>(bersaglio)) {
                e->selectAll();
                QTest::keyClick(e, tra(0, 1) ? '+' : '1');
            }
        } else if (r < 84) {
            azione = "fondazione";
            w.HScroll1->setValue(tra(1, 10));
        } else if (r < 89) {
            azione = "piani";
            w.VScroll1->setValue(tra(1, 6));
        } else if (r < 93) {
            azione = "copia piano";
            QTest::mouseClick(w.num[static_cast<std::size_t>(tra(1, 5))], Qt::LeftButton);
        } else if (r < 96) {
            azione = "incrementa";
            QTest::mouseClick(w.incrementa, Qt::LeftButton);
        } else if (r < 97) {
            azione = "tipo di suolo";
            w.Combo1->setCurrentIndex(tra(0, 3));
        } else if (r < 98) {
            azione = "controllo";
            w.controlla_click();
        } else if (tra(0, 3) == 0) {
            azione = "cancella tutto";
            w.cancella_click();
        }
        const auto d = differenze(w);
        ASSERT_TRUE(d.empty()) << "passo " << n << " (" << azione << "): " << d.front();
    }
    // The copy sign and the entry rule did their work along the way.
    EXPECT_FALSE(dialoghi.mostrati.empty());
}

INSTANTIATE_TEST_SUITE_P(Semi, Casuale, ::testing::Values(1u, 2u, 7u, 12u));
