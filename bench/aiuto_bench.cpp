// The help and information windows: opening the contents, a help page and
// the full price list, and the whole guide as a document, laid out and saved.
#include "zocal/core/modzocal.h"
#include "zocal/help/documenti.h"
#include "zocal/help/finestreaiuto.h"
#include "zocal/report/documento.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

class Muti : public zocal::Dialoghi {
  public:
    void avvisa(const zocal::Messaggio&) override {}
    zocal::Risposta chiedi(const zocal::Messaggio&, bool) override { return zocal::Risposta::no; }
    std::optional<std::string> apriFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile&) override { return {}; }
    std::optional<unsigned> scegliColore(unsigned) override { return {}; }
};

class Ciechi : public zocal::ApriIndirizzo {
  public:
    bool apri(const std::string&) override { return false; }
};

// A window made and shown from nothing, as at its first opening.
void apertura(benchmark::State& stato, const std::string& nome) {
    QTemporaryDir cartella;
    const std::string listino = cartella.path().toStdString() + "/listino.txt";
    {
        std::ofstream out(listino, std::ios::binary);
        out << "\"Listino\"\r\n100\r\n";
        for (int i = 1; i <= 100; ++i) {
            out << "\"prodotto " << i << "\",\"argomento del prodotto\"," << i * 10 << ".5,"
                << i * 9 << "\r\n";
        }
    }
    Muti dialoghi;
    zocal::UscitaDocumentiQt uscita;
    Ciechi indirizzi;
    for (auto _ : stato) {
        zocal::FinestreAiuto aiuto(dialoghi, uscita, indirizzi);
        aiuto.impostafilelistino(listino);
        aiuto.mostra(nome);
        QApplication::processEvents();
        benchmark::DoNotOptimize(aiuto.esistente(nome));
    }
}

void BM_ApriSommario(benchmark::State& stato) {
    apertura(stato, "sommario");
}
void BM_ApriManuale(benchmark::State& stato) {
    apertura(stato, "manuale");
}
void BM_ApriListinoCento(benchmark::State& stato) {
    apertura(stato, "prodotti");
}

void BM_GuidaCompletaImpaginata(benchmark::State& stato) {
    for (auto _ : stato) {
        zocal::ScrittoreDocumento d;
        zocal::guidacompleta(d, zocal::pagineguida());
        benchmark::DoNotOptimize(d.contapagine());
    }
}

void BM_GuidaCompletaSalvata(benchmark::State& stato) {
    QTemporaryDir cartella;
    const std::string percorso = cartella.path().toStdString() + "/Zocal-guida.docx";
    for (auto _ : stato) {
        zocal::ScrittoreDocumento d;
        zocal::guidacompleta(d, zocal::pagineguida());
        benchmark::DoNotOptimize(d.salvacome(percorso));
    }
}

BENCHMARK(BM_ApriSommario)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApriManuale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApriListinoCento)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuidaCompletaImpaginata)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuidaCompletaSalvata)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zocal::modzocal().inizializza();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
