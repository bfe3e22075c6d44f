// One keystroke in the wall-thickness field of a full job (ten foundations of
// ten storeys): entry handling, calculation and the window's refresh; also
// with the limit-state window open, which follows every keystroke.
#include "zocal/core/daticalcolo.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/statilimite.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

class Muti : public zocal::Dialoghi {
  public:
    void avvisa(const zocal::Messaggio&) override { std::abort(); }
    zocal::Risposta chiedi(const zocal::Messaggio&, bool) override { std::abort(); }
    std::optional<std::string> apriFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<unsigned> scegliColore(unsigned) override { return {}; }
};

void riempi(zocal::DatiCalcolo& d) {
    for (int f = 1; f <= 10; ++f) {
        d.prof[f] = "1," + std::to_string(f % 10);
        d.largh[f] = "0," + std::to_string(40 + 5 * f);
        for (int i = 1; i <= 10; ++i) {
            d.pesol(i, f) = std::to_string(250 + 10 * i);
            d.sovr(i, f) = "200";
            d.lungh(i, f) = "4";
            d.pepav(i, f) = "80";
            d.tram(i, f) = "150";
            d.spess(i, f) = "0,3";
            d.interas(i, f) = "3";
            d.spem(i, f) = "1800";
        }
    }
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    d.contadati();
}

struct Banco {
    zocal::DatiCalcolo dati;
    Muti dialoghi;
    zocal::OpzioniNtc opzioni;
    zocal::calcolo* w = nullptr;
    zocal::statilimite* ntc = nullptr;
    QLineEdit* spess = nullptr;

    explicit Banco(bool conntc, bool estesa = false, bool sismica = false) {
        riempi(dati);
        if (sismica) {
            // The seismic check (long and short term) and the settlements too.
            opzioni.terreno.cu = "3";
            opzioni.sisma = {"0,15", "2,45", "C", "", "2,5", "", ""};
            opzioni.strati.strati = {{"3", "10"}, {"5", "20"}};
        }
        if (estesa) {
            // Every foundation eccentric and pushed, over a water table: C1, C1v, C2 and sliding.
            for (int f = 1; f <= zocal::maxfond; ++f) {
                opzioni.fondazioni[static_cast<std::size_t>(f)] = {"0,05", "3", "2", "1", "0,8"};
            }
            opzioni.falda = {"0,8", "2"};
        }
        w = new zocal::calcolo(dati, dialoghi);
        w->impostaopzionintc(opzioni);
        w->show();
        (void)QTest::qWaitForWindowExposed(w);
        if (conntc) {
            // Wired as the program wires it.
            ntc = new zocal::statilimite(dati, opzioni);
            QObject::connect(w, &zocal::calcolo::risultatiCambiati, ntc,
                             [this] { ntc->aggiorna(w->fondcorrente()); });
            ntc->show();
            (void)QTest::qWaitForWindowExposed(ntc);
        }
        w->Combo1->setEditText("1");
        w->pesos->setText("1,8");
        w->coes->setText("0");
        w->attr->setText("30");
        w->mostrafondazione(5);
        spess = w->campo(zocal::Voce::spess, 3);
        spess->setFocus();
        spess->end(false);
    }
    ~Banco() {
        delete ntc;
        delete w;
    }
};

// A digit typed at the end of "0,3", then taken back: one keystroke an
// iteration, the two kinds in turn.
void tasto(benchmark::State& stato, bool disegna, bool conntc = false, bool estesa = false,
           bool sismica = false) {
    Banco b(conntc, estesa, sismica);
    bool cifra = true;
    for (auto _ : stato) {
        if (cifra) {
            QTest::keyClick(b.spess, '5');
        } else {
            QTest::keyClick(b.spess, Qt::Key_Backspace);
        }
        cifra = !cifra;
        if (disegna) {
            QApplication::processEvents();
        }
    }
    if (!cifra) {
        QTest::keyClick(b.spess, Qt::Key_Backspace);
    }
    if (b.dati.spess(3, 5).testo() != "0,3" || b.dati.verifica[5].vuota()) {
        stato.SkipWithError("il tasto non ha raggiunto i dati");
    }
    if (conntc && (b.ntc->verifiche().size() != 10 || b.ntc->fondazione() != 5 ||
                   !b.ntc->verifiche()[4].calcolata)) {
        stato.SkipWithError("la finestra NTC non ha seguito il tasto");
    }
    if (sismica && (!b.ntc->verifiche()[4].sisma || !b.ntc->verifiche()[4].cedimento)) {
        stato.SkipWithError("verifica sismica o cedimenti non calcolati");
    }
}

void BM_TastoSpessore(benchmark::State& stato) {
    tasto(stato, false);
}
void BM_TastoSpessoreConDisegno(benchmark::State& stato) {
    tasto(stato, true);
}

void BM_TastoSpessoreConNtc(benchmark::State& stato) {
    tasto(stato, false, true);
}
void BM_TastoSpessoreConNtcEDisegno(benchmark::State& stato) {
    tasto(stato, true, true);
}

void BM_TastoSpessoreConNtcEstesa(benchmark::State& stato) {
    tasto(stato, false, true, true);
}
void BM_TastoSpessoreConNtcEstesaEDisegno(benchmark::State& stato) {
    tasto(stato, true, true, true);
}

void BM_TastoSpessoreConNtcSismaECedimenti(benchmark::State& stato) {
    tasto(stato, false, true, true, true);
}
void BM_TastoSpessoreConNtcSismaECedimentiEDisegno(benchmark::State& stato) {
    tasto(stato, true, true, true, true);
}

BENCHMARK(BM_TastoSpessore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConDisegno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtc)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtcEDisegno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtcEstesa)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtcEstesaEDisegno)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtcSismaECedimenti)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoSpessoreConNtcSismaECedimentiEDisegno)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
