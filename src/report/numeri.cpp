#include "zocal/report/numeri.h"

#include "zocal/core/regole.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace zocal {

namespace {

std::optional<double> valoredi(const Cella& cella) {
    if (cella.vuota()) {
        return std::nullopt;
    }
    std::optional<double> v =
        cella.eNumero() ? std::optional<double>(cella.numero()) : leggidecimale(cella.testo());
    if (!v || !std::isfinite(*v)) {
        return std::nullopt;
    }
    return v;
}

// Integer and fraction digits of |valore| rounded to 15 significant digits,
// so that 2.675 rounds as the 2,675 the user typed, not as its binary neighbour.
struct Cifre {
    bool negativo = false;
    std::string intere;
    std::string decimali;
};

Cifre cifredi(double valore) {
    Cifre c;
    c.intere = "0";
    const Cifre15 d = cifre15(valore);
    if (d.cifre.empty()) {
        return c;
    }
    c.negativo = d.negativo;
    std::string cifre = d.cifre;
    const int esponente = d.esponente;
    if (esponente >= 0) {
        const auto n = static_cast<std::size_t>(esponente) + 1;
        if (cifre.size() < n) {
            cifre.append(n - cifre.size(), '0');
        }
        c.intere = cifre.substr(0, n);
        c.decimali = cifre.substr(n);
    } else {
        c.decimali = std::string(static_cast<std::size_t>(-esponente - 1), '0') + cifre;
    }
    return c;
}

// Rounds half away from zero to `n` decimals, on the decimal digits.
void arrotonda(Cifre& c, std::size_t n) {
    if (c.decimali.size() <= n) {
        c.decimali.append(n - c.decimali.size(), '0');
        return;
    }
    const bool su = c.decimali[n] >= '5';
    c.decimali.resize(n);
    if (!su) {
        return;
    }
    std::string tutte = c.intere + c.decimali;
    int i = static_cast<int>(tutte.size()) - 1;
    while (i >= 0 && tutte[static_cast<std::size_t>(i)] == '9') {
        tutte[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i < 0) {
        tutte.insert(tutte.begin(), '1');
    } else {
        ++tutte[static_cast<std::size_t>(i)];
    }
    c.intere = tutte.substr(0, tutte.size() - n);
    c.decimali = tutte.substr(tutte.size() - n);
}

std::string raggruppa(const std::string& intere) {
    std::string out;
    const std::size_t n = intere.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += '.';
        }
        out += intere[i];
    }
    return out;
}

} // namespace

std::string numeroinchiaro(double valore) {
    if (!std::isfinite(valore)) {
        return {};
    }
    if (valore == 0.0) {
        return " 0";
    }
    std::string s = scrivinumero(valore);
    for (char& ch : s) {
        if (ch == ',') {
            ch = '.';
        }
    }
    const bool negativo = s.front() == '-';
    std::string corpo = negativo ? s.substr(1) : s;
    if (corpo.size() > 1 && corpo[0] == '0' && corpo[1] == '.') {
        corpo.erase(0, 1);
    }
    return (negativo ? "-" : " ") + corpo;
}

std::string numeroinchiaro(int valore) {
    return (valore < 0 ? "" : " ") + std::to_string(valore);
}

std::string numeroinchiaro(const Cella& cella) {
    const auto v = valoredi(cella);
    return v ? numeroinchiaro(*v) : std::string();
}

std::string formatta(double valore, std::string_view modello) {
    if (!std::isfinite(valore)) {
        return {};
    }
    const auto punto = modello.find('.');
    const std::string_view parteintera = modello.substr(0, punto);
    std::size_t obbligatori = 0;
    std::size_t facoltativi = 0;
    if (punto != std::string_view::npos) {
        for (char ch : modello.substr(punto + 1)) {
            if (ch == '0') {
                ++obbligatori;
            } else if (ch == '#') {
                ++facoltativi;
            }
        }
    }
    Cifre c = cifredi(valore);
    arrotonda(c, obbligatori + facoltativi);
    while (c.decimali.size() > obbligatori && c.decimali.back() == '0') {
        c.decimali.pop_back();
    }
    const auto primo = c.intere.find_first_not_of('0');
    c.intere = primo == std::string::npos ? "0" : c.intere.substr(primo);

    const bool zero = c.intere == "0" && c.decimali.find_first_not_of('0') == std::string::npos;
    std::string out = c.negativo && !zero ? "-" : "";
    out += parteintera.find(',') != std::string_view::npos ? raggruppa(c.intere) : c.intere;
    if (!c.decimali.empty()) {
        out += ',';
        out += c.decimali;
    }
    return out;
}

std::string formatta(const Cella& cella, std::string_view modello) {
    const auto v = valoredi(cella);
    return v ? formatta(*v, modello) : std::string();
}

} // namespace zocal
