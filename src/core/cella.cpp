#include "zocal/core/cella.h"

#include "zocal/core/regole.h"

namespace zocal {

bool Cella::vuota() const {
    if (std::holds_alternative<std::monostate>(valore_)) {
        return true;
    }
    const auto* t = std::get_if<std::string>(&valore_);
    return t != nullptr && t->empty();
}

std::string Cella::testo() const {
    if (const auto* t = std::get_if<std::string>(&valore_)) {
        return *t;
    }
    if (const auto* n = std::get_if<double>(&valore_)) {
        return scrivinumero(*n);
    }
    return {};
}

double Cella::numero() const {
    const auto* n = std::get_if<double>(&valore_);
    return n != nullptr ? *n : 0.0;
}

} // namespace zocal
