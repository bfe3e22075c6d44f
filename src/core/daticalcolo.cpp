#include "zocal/core/daticalcolo.h"

#include "zocal/core/regole.h"

#include <algorithm>
#include <stdexcept>

namespace zocal {

std::string descrizionevoce(Voce v) {
    switch (v) {
    case Voce::pesol:
        return "peso del solaio";
    case Voce::sovr:
        return "sovraccarico accidentale";
    case Voce::lungh:
        return "lunghezza del solaio";
    case Voce::pepav:
        return "peso del pavimento";
    case Voce::tram:
        return "peso dei tramezzi";
    case Voce::spess:
        return "spessore del muro";
    case Voce::interas:
        return "interasse del piano";
    case Voce::spem:
        return "peso specifico del muro";
    default:
        return std::string(nomevoce(v));
    }
}

std::string_view nomevoce(Voce v) {
    static constexpr std::string_view nomi[] = {"pesol", "sovr",    "lungh", "pepav", "tram",
                                                "spess", "interas", "spem",  "scar",  "scartot"};
    return nomi[static_cast<int>(v)];
}

DatiCalcolo::DatiCalcolo() : piani_(std::make_unique<Tabella>()) {}

DatiCalcolo::~DatiCalcolo() = default;

DatiCalcolo::DatiCalcolo(const DatiCalcolo& altri)
    : prof(altri.prof), largh(altri.largh), verifica(altri.verifica), sigmat(altri.sigmat),
      carlim(altri.carlim), scater(altri.scater), siglav(altri.siglav), coeff(altri.coeff),
      npiani(altri.npiani), nfond(altri.nfond), tiposuolo(altri.tiposuolo), pesos(altri.pesos),
      coes(altri.coes), attr(altri.attr), piani_(std::make_unique<Tabella>(*altri.piani_)) {}

DatiCalcolo& DatiCalcolo::operator=(const DatiCalcolo& altri) {
    if (this != &altri) {
        DatiCalcolo copia(altri);
        *this = std::move(copia);
    }
    return *this;
}

DatiCalcolo::DatiCalcolo(DatiCalcolo&& altri) : DatiCalcolo() {
    *this = std::move(altri);
}

DatiCalcolo& DatiCalcolo::operator=(DatiCalcolo&& altri) noexcept {
    if (this != &altri) {
        prof = std::move(altri.prof);
        largh = std::move(altri.largh);
        verifica = std::move(altri.verifica);
        sigmat = std::move(altri.sigmat);
        carlim = std::move(altri.carlim);
        scater = std::move(altri.scater);
        siglav = std::move(altri.siglav);
        coeff = std::move(altri.coeff);
        npiani = altri.npiani;
        nfond = altri.nfond;
        tiposuolo = std::move(altri.tiposuolo);
        pesos = std::move(altri.pesos);
        coes = std::move(altri.coes);
        attr = std::move(altri.attr);
        piani_.swap(altri.piani_);
    }
    return *this;
}

void DatiCalcolo::fuoritabella() {
    throw std::out_of_range("DatiCalcolo::piano: voce, piano o fondazione fuori tabella");
}

void DatiCalcolo::contadati() {
    // The highest index in use, not a count: a storey or foundation typed
    // after an empty one must still reach the calculation and the file.
    nfond = 0;
    for (int f = 1; f <= maxfond; ++f) {
        npiani[f] = 0;
        if (!prof[f].vuota()) {
            nfond = f;
        }
    }
    // A storey counts with any of its entries typed: one whose slab weight
    // is still empty must be asked for, not dropped from the calculation.
    for (int f = 1; f <= nfond; ++f) {
        for (int i = 1; i <= maxpiani; ++i) {
            for (Voce v : vociingresso) {
                if (!piano(v, i, f).vuota()) {
                    npiani[f] = i;
                    break;
                }
            }
        }
    }
}

std::optional<DatoMancante> datomancante(const DatiCalcolo& d, int f) {
    if (f < 1 || f > maxfond) {
        return std::nullopt;
    }
    const int n = std::clamp(d.npiani[f], 0, maxpiani);
    for (int i = 1; i <= n; ++i) {
        int vuote = 0;
        std::optional<Voce> prima;
        for (Voce v : vociingresso) {
            if (d.piano(v, i, f).vuota()) {
                ++vuote;
                prima = prima.value_or(v);
            }
        }
        if (prima) {
            return DatoMancante{i, *prima, vuote == static_cast<int>(vociingresso.size())};
        }
    }
    return std::nullopt;
}

std::string notamancante(const DatoMancante& m) {
    if (m.pianovuoto) {
        return "Mancano i dati del piano n. " + std::to_string(m.piano) + ".";
    }
    return "Manca il dato del " + descrizionevoce(m.voce) + " del piano n. " +
           std::to_string(m.piano) + ".";
}

void DatiCalcolo::cancella() {
    *this = DatiCalcolo{};
}

bool DatiCalcolo::identici(const DatiCalcolo& altri) const {
    auto uguali = [](const Fondazioni& a, const Fondazioni& b) {
        for (std::size_t f = 0; f < a.size(); ++f) {
            if (!a[f].identica(b[f])) {
                return false;
            }
        }
        return true;
    };
    const Tabella& mia = *piani_;
    const Tabella& altra = *altri.piani_;
    for (std::size_t v = 0; v < mia.size(); ++v) {
        for (std::size_t f = 0; f < mia[v].size(); ++f) {
            if (!uguali(mia[v][f], altra[v][f])) {
                return false;
            }
        }
    }
    return uguali(prof, altri.prof) && uguali(largh, altri.largh) &&
           uguali(verifica, altri.verifica) && uguali(sigmat, altri.sigmat) &&
           uguali(carlim, altri.carlim) && uguali(scater, altri.scater) &&
           uguali(siglav, altri.siglav) && uguali(coeff, altri.coeff) && npiani == altri.npiani &&
           nfond == altri.nfond && tiposuolo.identica(altri.tiposuolo) &&
           pesos.identica(altri.pesos) && coes.identica(altri.coes) && attr.identica(altri.attr);
}

} // namespace zocal
