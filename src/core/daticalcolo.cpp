#include "zocal/core/daticalcolo.h"

#include "zocal/core/regole.h"

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

Cella& DatiCalcolo::piano(Voce v, int i, int f) {
    return piani_.at(static_cast<std::size_t>(v))
        .at(static_cast<std::size_t>(f))
        .at(static_cast<std::size_t>(i));
}

const Cella& DatiCalcolo::piano(Voce v, int i, int f) const {
    return piani_.at(static_cast<std::size_t>(v))
        .at(static_cast<std::size_t>(f))
        .at(static_cast<std::size_t>(i));
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
    for (int f = 1; f <= nfond; ++f) {
        for (int i = 1; i <= maxpiani; ++i) {
            if (leggiintero(pesol(i, f)) > 0) {
                npiani[f] = i;
            }
        }
    }
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
    for (std::size_t v = 0; v < piani_.size(); ++v) {
        for (std::size_t f = 0; f < piani_[v].size(); ++f) {
            if (!uguali(piani_[v][f], altri.piani_[v][f])) {
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
