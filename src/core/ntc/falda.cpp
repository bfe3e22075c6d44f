#include "zocal/core/ntc/falda.h"

#include "leggi.h"

namespace zocal {

std::optional<Falda> leggifalda(const FaldaNtc& testi, double B, double D, std::string& nota) {
    Falda falda;
    if (testi.zw.empty()) {
        return falda;
    }
    const auto zw = ntc::leggivoce(testi.zw, 0, "profondità della falda", nota);
    if (!zw) {
        return std::nullopt;
    }
    if (*zw < 0) {
        nota = "La profondità della falda non può essere negativa.";
        return std::nullopt;
    }
    falda.zw = *zw;
    if (testi.pesosat.empty()) {
        if (*zw < D + B) {
            nota = "Manca il peso specifico saturo del terreno: la falda è a meno di D + B dal "
                   "piano campagna.";
            return std::nullopt;
        }
        return falda;
    }
    const auto pesosat =
        ntc::leggivoce(testi.pesosat, 0, "peso specifico saturo del terreno", nota);
    if (!pesosat) {
        return std::nullopt;
    }
    // Lighter than water would make the submerged weight nil or negative.
    if (!(*pesosat > 1)) {
        nota = "Il peso specifico saturo del terreno deve essere maggiore di 1 t/mc.";
        return std::nullopt;
    }
    falda.gammasat = *pesosat * gammaacqua;
    return falda;
}

double sottospinta(const Falda& falda, double B, double D) {
    if (!falda.zw || *falda.zw >= D) {
        return 0;
    }
    return gammaacqua * (D - *falda.zw) * B;
}

Ricoprimento ricoprimento(const Falda& falda, double gamma, double D, double Bp, bool nondrenata) {
    Ricoprimento r{gamma * D, gamma};
    if (!falda.zw) {
        return r;
    }
    const double zw = *falda.zw;
    // Below the water: the submerged weight in effective stresses, the
    // saturated one in total stresses.
    const double sotto = nondrenata ? falda.gammasat : falda.gammasat - gammaacqua;
    if (zw <= D) {
        r.q = gamma * zw + sotto * (D - zw);
        r.gamma2 = sotto;
    } else if (zw < D + Bp) {
        r.gamma2 = sotto + (zw - D) / Bp * (gamma - sotto);
    }
    return r;
}

} // namespace zocal
