// The report's phases for a full job (10 foundations of 10 storeys): the
// composition alone, the document built and laid out, its finishing
// (justification and column alignment), its DOCX and PDF, and the save of
// both files.
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"
#include "zocal/report/percorsi.h"
#include "zocal/report/registratore.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

zocal::Lavoro lavoropieno() {
    zocal::Lavoro l;
    zocal::DatiCalcolo& d = l.dati;
    const char* valori[8] = {"300", "200", "4,5", "100", "200", "0,40", "3,2", "1800"};
    for (int f = 1; f <= 10; ++f) {
        for (int i = 1; i <= 10; ++i) {
            for (std::size_t k = 0; k < 8; ++k) {
                d.piano(zocal::vociingresso[k], i, f) = valori[k];
            }
        }
        d.prof[static_cast<std::size_t>(f)] = "1,5";
        d.largh[static_cast<std::size_t>(f)] = "1,2";
    }
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    d.contadati();
    zocal::aggiornarisultati(d);
    l[zocal::Frontespizio::progetto] = "Edificio residenziale";
    l[zocal::Frontespizio::committente] = "Impresa Rossi";
    return l;
}

const zocal::StudioTecnico studio{"Studio Tecnico", "via Roma 1"};

void Composizione(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    for (auto _ : state) {
        zocal::ScrittoreRegistratore w;
        zocal::componirelazione(w, l, studio);
        benchmark::DoNotOptimize(w.chiamate.data());
    }
}
BENCHMARK(Composizione)->Unit(benchmark::kMillisecond);

// The calls of the composition made again on a writer, page count left out.
void ripeti(const std::vector<zocal::Chiamata>& chiamate, zocal::ScrittoreRelazione& w) {
    using T = zocal::Chiamata::Tipo;
    for (const zocal::Chiamata& c : chiamate) {
        switch (c.tipo) {
        case T::avvia:
            w.avvia();
            break;
        case T::carattere:
            w.carattere(c.testo);
            break;
        case T::corpo:
            w.corpo(c.punti);
            break;
        case T::scrivi:
            w.scrivi(c.testo);
            break;
        case T::nuovoparagrafo:
            w.nuovoparagrafo();
            break;
        case T::corpoparagrafo:
            w.corpoparagrafo(c.punti);
            break;
        case T::testoparagrafo:
            w.testoparagrafo(c.testo);
            break;
        case T::testograssetto:
            w.testograssetto(c.testo);
            break;
        case T::nuovatabella:
            w.nuovatabella(c.a, c.b);
            break;
        case T::corpotabella:
            w.corpotabella(c.punti);
            break;
        case T::cella:
            w.cella(c.a, c.b, c.testo);
            break;
        case T::formatotabella:
            w.formatotabella(c.a);
            break;
        case T::righeintestazione:
            w.righeintestazione(c.a);
            break;
        case T::tieniinsieme:
            w.tieniinsieme(c.a != 0);
            break;
        case T::lasciascorrere:
            w.lasciascorrere();
            break;
        case T::campopagine:
            w.campopagine();
            break;
        case T::numerapagine:
            w.numerapagine();
            break;
        case T::proprieta:
            w.proprieta(c.testo, c.autore);
            break;
        case T::giustificatutto:
            w.giustificatutto();
            break;
        case T::allineadestra:
            w.allineadestra(c.a, c.b);
            break;
        case T::disegno:
            w.disegno(c.figura, c.punti, c.altezza);
            break;
        case T::contapagine:
            break;
        case T::salvacome:
            break;
        }
    }
}

void DocumentoCostruito(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreRegistratore r;
    zocal::componirelazione(r, l, studio);
    zocal::ScrittoreDocumento w;
    for (auto _ : state) {
        w.avvia();
        ripeti(r.chiamate, w);
    }
}
BENCHMARK(DocumentoCostruito)->Unit(benchmark::kMillisecond);

void DocumentoImpaginato(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    for (auto _ : state) {
        w.avvia();
        zocal::componirelazione(w, l, studio);
        benchmark::DoNotOptimize(w.contapagine());
    }
}
BENCHMARK(DocumentoImpaginato)->Unit(benchmark::kMillisecond);

void Giustificazione(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    for (auto _ : state) {
        state.PauseTiming();
        w.avvia();
        zocal::componirelazione(w, l, studio);
        state.ResumeTiming();
        w.giustificatutto();
        benchmark::DoNotOptimize(w.contapagine());
    }
}
BENCHMARK(Giustificazione)->Unit(benchmark::kMillisecond);

// Justification and column alignment after the composition, up to the
// layout the output draws from.
void Finitura(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    for (auto _ : state) {
        state.PauseTiming();
        w.avvia();
        zocal::componirelazione(w, l, studio);
        state.ResumeTiming();
        w.giustificatutto();
        zocal::allineacolonne(w, l.dati);
        benchmark::DoNotOptimize(w.contapagine());
    }
}
BENCHMARK(Finitura)->Unit(benchmark::kMillisecond);

// The finished report, as the print command leaves it before saving.
void finisci(zocal::ScrittoreDocumento& w, const zocal::Lavoro& l) {
    zocal::componirelazione(w, l, studio);
    w.giustificatutto();
    zocal::allineacolonne(w, l.dati);
    w.contapagine();
}

void Docx(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    finisci(w, l);
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.docx().size());
    }
}
BENCHMARK(Docx)->Unit(benchmark::kMillisecond);

void Pdf(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    finisci(w, l);
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.pdf().size());
    }
}
BENCHMARK(Pdf)->Unit(benchmark::kMillisecond);

// Both files written, the DOCX zipped while the PDF is drawn.
void Salvataggio(benchmark::State& state) {
    const zocal::Lavoro l = lavoropieno();
    zocal::ScrittoreDocumento w;
    finisci(w, l);
    const std::string percorso =
        (std::filesystem::temp_directory_path() / "zocal-bench-relazione.docx").string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.salvacome(percorso));
    }
    std::filesystem::remove(percorso);
    std::filesystem::remove(zocal::percorsopdf(percorso));
}
BENCHMARK(Salvataggio)->Unit(benchmark::kMillisecond)->UseRealTime();

// Time of the whole report (composition, layout, DOCX and PDF) against the
// size of the description: many line breaks, and one long paragraph. Both
// grow linearly; Complexity() fits the curve.
void relazione(benchmark::State& state, const zocal::Lavoro& l) {
    int pagine = 0;
    for (auto _ : state) {
        zocal::ScrittoreDocumento w;
        zocal::componirelazione(w, l, studio);
        w.giustificatutto();
        zocal::allineacolonne(w, l.dati);
        pagine = w.contapagine();
        benchmark::DoNotOptimize(w.docx().size());
        benchmark::DoNotOptimize(w.pdf().size());
    }
    state.counters["pagine"] = pagine;
    state.SetComplexityN(state.range(0));
}

// A description of n line breaks (44,000 once hung the layout).
void RigheVuote(benchmark::State& state) {
    zocal::Lavoro l = lavoropieno();
    l.descrizione[0] = std::string(static_cast<std::size_t>(state.range(0)), '\n');
    relazione(state, l);
}
BENCHMARK(RigheVuote)
    ->RangeMultiplier(2)
    ->Range(4000, 64000)
    ->Arg(88000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Complexity(benchmark::oN);

// A description of one paragraph of n kilobytes.
void Paragrafo(benchmark::State& state) {
    std::string testo;
    while (testo.size() < static_cast<std::size_t>(state.range(0)) * 1024) {
        testo += "parola ";
    }
    zocal::Lavoro l = lavoropieno();
    l.descrizione[0] = std::move(testo);
    relazione(state, l);
}
BENCHMARK(Paragrafo)
    ->RangeMultiplier(2)
    ->Range(64, 2048)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
