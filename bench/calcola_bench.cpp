#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"
#include "zocal/core/prospetto.h"

#include <benchmark/benchmark.h>

namespace {

// A full job: ten foundations of ten storeys each.
zocal::Lavoro lavoropieno() {
    zocal::Lavoro l;
    zocal::DatiCalcolo& d = l.dati;
    const char* valori[8] = {"300", "200", "4,5", "100", "200", "0,30", "3,1", "1800"};
    for (int f = 1; f <= zocal::maxfond; ++f) {
        d.prof[f] = "1,2";
        d.largh[f] = "0,8";
        for (int i = 1; i <= zocal::maxpiani; ++i) {
            for (int k = 0; k < 8; ++k) {
                d.piano(zocal::vociingresso[k], i, f) = valori[k];
            }
        }
    }
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0,5";
    d.attr = "30";
    d.contadati();
    for (auto& t : l.descrizione) {
        t = "una descrizione di media lunghezza con qualche lettera accentata: è così";
    }
    for (auto& t : l.frontespizio) {
        t = "un testo del frontespizio";
    }
    return l;
}

void CalcolaLavoroPieno(benchmark::State& state) {
    zocal::DatiCalcolo d = lavoropieno().dati;
    for (auto _ : state) {
        auto esiti = zocal::calcolatutte(d);
        benchmark::DoNotOptimize(esiti);
    }
}
BENCHMARK(CalcolaLavoroPieno);

void LeggiECalcolaFile(benchmark::State& state) {
    const std::string byte = zocal::scrivilavoro(lavoropieno()).byte;
    for (auto _ : state) {
        zocal::Lavoro l;
        auto esito = zocal::leggilavoro(byte, l);
        l.dati.contadati();
        auto esiti = zocal::calcolatutte(l.dati);
        benchmark::DoNotOptimize(esito);
        benchmark::DoNotOptimize(esiti);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * byte.size()));
}
BENCHMARK(LeggiECalcolaFile);

} // namespace

BENCHMARK_MAIN();
