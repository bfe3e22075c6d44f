// The description and title-page windows: how long each takes to open, and
// one keystroke in a description field, with and without the length warning.
#include "zocal/windows/descrizione.h"
#include "zocal/windows/frontespizio.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Counts the warnings instead of showing them.
class Contati : public zocal::Dialoghi {
  public:
    int avvisi = 0;
    void avvisa(const zocal::Messaggio&) override { ++avvisi; }
    zocal::Risposta chiedi(const zocal::Messaggio&, bool) override { return zocal::Risposta::no; }
    std::optional<std::string> apriFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<unsigned> scegliColore(unsigned) override { return {}; }
};

template <class Finestra> void BM_Apertura(benchmark::State& stato) {
    Contati dialoghi;
    for (auto _ : stato) {
        Finestra w(dialoghi);
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.passo);
    }
}

// A letter typed at the end of a phrase of the given length, then taken back.
void tasto(benchmark::State& stato, int lunghezza) {
    Contati dialoghi;
    zocal::descrizione w(dialoghi);
    w.show();
    (void)QTest::qWaitForWindowExposed(&w);
    QComboBox* campo = w.giudizio;
    campo->setFocus();
    campo->setEditText(QString(lunghezza, 'a'));
    const int prima = dialoghi.avvisi;
    bool lettera = true;
    for (auto _ : stato) {
        QTest::keyClick(campo, lettera ? Qt::Key_B : Qt::Key_Backspace);
        lettera = !lettera;
    }
    const bool lungo = lunghezza >= 65;
    if ((dialoghi.avvisi > prima) != lungo) {
        stato.SkipWithError("l'avviso di lunghezza non segue il testo");
    }
}

void BM_TastoDescrizione(benchmark::State& stato) {
    tasto(stato, 20);
}
void BM_TastoDescrizioneTroppoLunga(benchmark::State& stato) {
    tasto(stato, 80);
}

BENCHMARK(BM_Apertura<zocal::descrizione>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apertura<zocal::frontespizio>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TastoDescrizione)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoDescrizioneTroppoLunga)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
