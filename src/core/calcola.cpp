#include "zocal/core/calcola.h"

#include "zocal/core/citazione.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

// A run stops early: the window keeps showing what the run did not reach.
struct Arresto {
    int passo;
};

class Calcolo {
  public:
    Calcolo(DatiCalcolo& d, int f) : d_(d), f_(f) {}

    EsitoCalcolo esegui() {
        try {
            passi();
            esito_.passo = 18;
        } catch (const Arresto& a) {
            esito_.passo = a.passo;
            svuota();
        }
        svuotapianisopra();
        return esito_;
    }

  private:
    // A run that stops before the verdict empties every result it did not
    // recompute, in the data and on screen: results of earlier data must
    // not stand as if the current data gave them. Typed values stay; the
    // sigma is the calculation's only while it holds the number it wrote,
    // and never with soil type 0, where the user gives it.
    void svuota() {
        const int f = f_;
        for (int i = pianicalcolati_ + 1; i <= maxpiani; ++i) {
            d_.scar(i, f) = Cella();
        }
        if (!totali_) {
            for (int i = 1; i <= maxpiani; ++i) {
                d_.scartot(i, f) = Cella();
            }
        }
        auto togli = [](Cella& cella, std::optional<std::string>& mostra, bool fatto) {
            if (!fatto) {
                cella = Cella();
                mostra = std::string();
            }
        };
        togli(d_.carlim[f], esito_.carlim, carlim_);
        if (!sigma_ && d_.sigmat[f].eNumero() && !tipozero()) {
            d_.sigmat[f] = Cella();
            esito_.sigmat = std::string();
        }
        togli(d_.scater[f], esito_.scater, scater_);
        togli(d_.siglav[f], esito_.siglav, siglav_);
        togli(d_.coeff[f], esito_.coeff, false);
        d_.verifica[f] = Cella();
        esito_.text1 = std::string();
        esito_.aggiornagriglia = true;
    }

    // Loads of storeys above the highest one in use belong to no storey.
    void svuotapianisopra() {
        const int n = std::clamp(d_.npiani[f_], 0, maxpiani);
        for (int i = std::max(n, pianicalcolati_) + 1; i <= maxpiani; ++i) {
            if (!d_.scar(i, f_).vuota() || !d_.scartot(i, f_).vuota()) {
                d_.scar(i, f_) = Cella();
                d_.scartot(i, f_) = Cella();
                esito_.aggiornagriglia = true;
            }
        }
    }

    bool tipozero() const { return !d_.tiposuolo.vuota() && leggidecimale(d_.tiposuolo) == 0.0; }

    [[noreturn]] void illeggibile(const Cella& c, const char* dove, int passo) {
        esito_.note = notaillegibile(c, dove);
        throw Arresto{passo};
    }

    // Values beyond what a double can carry would show as nonsense: stop with a word.
    double finito(double valore, int passo) {
        if (!std::isfinite(valore)) {
            esito_.note = "Valori troppo grandi: il calcolo della fondazione n. " +
                          std::to_string(f_) + " non è possibile.";
            throw Arresto{passo};
        }
        return valore;
    }

    double decimale(const Cella& c, const char* dove, int passo) {
        const auto v = leggidecimale(c);
        if (!v) {
            illeggibile(c, dove, passo);
        }
        return *v;
    }

    // A measure that cannot be negative: the run stops naming it.
    double misura(const Cella& c, const char* dove, int passo) {
        const double v = decimale(c, dove, passo);
        if (v < 0) {
            esito_.note = notanegativo(c, dove);
            throw Arresto{passo};
        }
        return v;
    }

    void passi() {
        const int f = f_;
        // A damaged count never reads past the storey table.
        const int n = std::clamp(d_.npiani[f], 0, maxpiani);

        // 1. Storey loads, up to the first storey with an entry missing, the
        // slab weight included: the note names it.
        const auto mancante = datomancante(d_, f);
        for (int i = 1; i <= n; ++i) {
            if (mancante && mancante->piano == i) {
                esito_.note = notamancante(*mancante);
                throw Arresto{1};
            }
            std::string nota;
            const auto p = leggipiano(d_, i, f, nota);
            if (!p) {
                esito_.note = nota;
                throw Arresto{1};
            }
            d_.scar(i, f) =
                finito(std::floor(((p->P + p->S + p->F) * p->L + p->T) + (p->H * p->W * p->G)), 1);
            pianicalcolati_ = i;
        }

        // 2. Cumulative loads, from the top storey down.
        double somma = 0;
        for (int i = n; i >= 1; --i) {
            somma += leggiintero(d_.scar(i, f));
            d_.scartot(i, f) = finito(std::floor(somma), 2);
        }
        totali_ = true;

        // 3. Width: 0.5 m for this run when none is typed; nothing is stored.
        const double B =
            d_.largh[f].vuota() ? 0.5 : misura(d_.largh[f], "larghezza della fondazione", 3);

        // 4. Depth.
        if (d_.prof[f].vuota()) {
            esito_.indicazioni = true;
            throw Arresto{4};
        }
        const double D = misura(d_.prof[f], "profondità della fondazione", 4);

        // 5. Soil data; cohesion is demanded for every soil type.
        if (d_.tiposuolo.vuota() || d_.pesos.vuota() || d_.coes.vuota()) {
            esito_.note = notaterreno;
            throw Arresto{5};
        }
        const double tipo = decimale(d_.tiposuolo, "tipo di suolo", 5);
        const double gamma = misura(d_.pesos, "peso specifico del terreno", 5);
        const double c = misura(d_.coes, "coesione del terreno", 5);

        // 6. Bearing capacity in t/mq; an unknown type keeps the previous value.
        double carlim = d_.carlim[f].vuota() ? 0.0 : leggidecimale(d_.carlim[f]).value_or(0.0);
        if (tipo == 1) {
            carlim = 17 * gamma * D + 18 * gamma * B;
        }
        if (tipo == 2) {
            carlim = 2 * gamma * D + 8 * c + gamma * B;
        }
        if (tipo == 3) {
            carlim = 9 * gamma * D + 4 * c + 9 * gamma * B;
        }

        // 7. Given sigma.
        if (d_.sigmat[f].vuota()) {
            d_.sigmat[f] = 0.0;
        }
        if (tipo == 0) {
            carlim = 30 * misura(d_.sigmat[f], "sigma terreno", 7);
        }

        // 8. and 9. Allowable pressure from the unrounded capacity, both rounded half up.
        double sigma = carlim / 30;
        carlim = finito(std::floor(carlim * 100 + 0.5) / 100, 9);
        sigma = finito(std::floor(sigma * 100 + 0.5) / 100, 9);
        d_.carlim[f] = carlim;
        d_.sigmat[f] = sigma;
        carlim_ = sigma_ = true;

        // 10.
        esito_.sigmat = scrivinumero(sigma);
        esito_.carlim = scrivinumero(carlim);

        // 11. Load on the ground: the building plus a footing of the storey-1 wall material.
        const double totale = decimale(d_.scartot(1, f), "scarico totale del piano n. 1", 11);
        const double G1 = decimale(d_.spem(1, f), "peso specifico del muro del piano n. 1", 11);
        const double scater = finito(std::floor(totale + G1 * B * D), 11);
        d_.scater[f] = scater;
        scater_ = true;
        // Shown at once, so a run stopping below does not leave an older one on show.
        esito_.scater = scrivinumero(scater);

        // 12.
        if (B == 0) {
            throw Arresto{12};
        }

        // 13. Working pressure, cut to two decimals.
        const double siglav = finito(std::floor(100 * scater / (B * 10000)) / 100, 13);
        d_.siglav[f] = siglav;
        siglav_ = true;
        esito_.siglav = scrivinumero(siglav);

        // 14.
        if (scater == 0) {
            throw Arresto{14};
        }

        // 15. Safety coefficient, cut to two decimals.
        const double coeff = finito(std::floor(10 * carlim / (scater / (B * 10000))) / 100, 15);
        d_.coeff[f] = coeff;

        // 16. (scater and siglav are already shown.)
        esito_.coeff = scrivinumero(coeff);

        // 17. The verdict on the value as shown.
        const double mostrato = leggidecimale(*esito_.coeff).value_or(0.0);
        if (mostrato < 3) {
            esito_.text1 = testononverificata;
            esito_.note = notainsufficiente;
        } else {
            esito_.text1 = testoverificata;
            esito_.note = notaverificata;
        }

        // 18.
        d_.verifica[f] = *esito_.text1;
        esito_.aggiornagriglia = true;
    }

    DatiCalcolo& d_;
    int f_;
    EsitoCalcolo esito_;
    // What this run has recomputed so far.
    int pianicalcolati_ = 0;
    bool totali_ = false;
    bool carlim_ = false;
    bool sigma_ = false;
    bool scater_ = false;
    bool siglav_ = false;
};

} // namespace

bool notadiverdetto(std::string_view nota) {
    // The comment may carry the line on the two verdicts below it.
    nota = nota.substr(0, nota.find('\n'));
    return nota == notaverificata || nota == notainsufficiente;
}

std::optional<PianoLetto> leggipiano(const DatiCalcolo& d, int i, int f, std::string& nota) {
    // The first entry that cannot be read names itself, weights first.
    const auto illeggibile = [&](Voce v) {
        nota = notaillegibile(d.piano(v, i, f), dovepiano(v, i));
        return std::nullopt;
    };
    // No weight or length of a storey can be negative: negative loads on
    // negative soil would pass the check.
    const auto negativo = [&](Voce v) {
        nota = notanegativo(d.piano(v, i, f), dovepiano(v, i));
        return std::nullopt;
    };
    double pesi[5];
    const Voce vocipesi[5] = {Voce::pesol, Voce::sovr, Voce::pepav, Voce::tram, Voce::spem};
    for (int k = 0; k < 5; ++k) {
        const auto peso = leggipeso(d.piano(vocipesi[k], i, f));
        if (!peso) {
            return illeggibile(vocipesi[k]);
        }
        if (*peso < 0) {
            return negativo(vocipesi[k]);
        }
        pesi[k] = *peso;
    }
    double lunghezze[3];
    const Voce vocilunghezze[3] = {Voce::lungh, Voce::interas, Voce::spess};
    for (int k = 0; k < 3; ++k) {
        const auto m = leggicm(d.piano(vocilunghezze[k], i, f));
        if (!m) {
            return illeggibile(vocilunghezze[k]);
        }
        if (*m < 0) {
            return negativo(vocilunghezze[k]);
        }
        lunghezze[k] = *m;
    }
    return PianoLetto{pesi[0], pesi[1],      pesi[2],      pesi[3],
                      pesi[4], lunghezze[0], lunghezze[1], lunghezze[2]};
}

std::string dovepiano(Voce v, int i) {
    return descrizionevoce(v) + " del piano n. " + std::to_string(i);
}

std::string notanegativo(const Cella& cella, const std::string& dove) {
    return "Dato negativo: \"" + citazione(cella.testo()) + "\" (" + dove +
           "), che non può esserlo. Correggere il valore.";
}

std::string notaillegibile(const Cella& cella, const std::string& dove) {
    return "Dato non leggibile come numero: \"" + citazione(cella.testo()) + "\" (" + dove +
           "). Correggere il valore.";
}

bool fondazioneregge(const DatiCalcolo& d, int f, const OpzioniNtc* ntc) {
    if (f < 1 || f > maxfond || !(d.verifica[f] == testoverificata)) {
        return false;
    }
    if (ntc == nullptr) {
        return true;
    }
    const VerificaNtc v = verificantc(d, f, *ntc);
    return !v.calcolata || v.verificatacomplessiva();
}

std::optional<double> larghezzasufficiente(const DatiCalcolo& dati, int f, const OpzioniNtc* ntc) {
    if (f < 1 || f > maxfond || fondazioneregge(dati, f, ntc)) {
        return std::nullopt;
    }
    const auto attuale =
        dati.largh[f].vuota() ? std::optional<double>(0.0) : leggidecimale(dati.largh[f]);
    if (!attuale) {
        return std::nullopt;
    }
    // Whole centimetres, so that the steps never drift.
    DatiCalcolo prova = dati;
    for (long cm = std::lround(*attuale * 100) + 5; cm <= 500; cm += 5) {
        prova.largh[f] = scrivinumero(static_cast<double>(cm) / 100);
        calcola(prova, f);
        if (fondazioneregge(prova, f, ntc)) {
            return static_cast<double>(cm) / 100;
        }
    }
    return std::nullopt;
}

EsitoCalcolo calcola(DatiCalcolo& dati, int f) {
    if (f < 1 || f > maxfond) {
        return {};
    }
    return Calcolo(dati, f).esegui();
}

} // namespace zocal
