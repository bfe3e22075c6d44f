#include "zocal/core/regole.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zocal {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Cifre15 cifre15(double valore) {
    Cifre15 d;
    if (!std::isfinite(valore) || valore == 0.0) {
        return d;
    }
    char buf[64];
    auto [fine, ec] =
        std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::scientific, 14);
    (void)ec;
    std::string_view s(buf, static_cast<std::size_t>(fine - buf));
    if (s.front() == '-') {
        d.negativo = true;
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (cifra(c)) {
            d.cifre.push_back(c);
        }
    }
    std::string_view esp = s.substr(e + 1);
    if (!esp.empty() && esp.front() == '+') {
        esp.remove_prefix(1);
    }
    std::from_chars(esp.data(), esp.data() + esp.size(), d.esponente);
    while (!d.cifre.empty() && d.cifre.back() == '0') {
        d.cifre.pop_back();
    }
    return d;
}

namespace {

std::string scrivi(double valore, char separatore) {
    const Cifre15 d = cifre15(valore);
    if (d.cifre.empty()) {
        return "0";
    }
    std::string out = d.negativo ? "-" : "";
    const int n = static_cast<int>(d.cifre.size());
    if (d.esponente < 0) {
        out += '0';
        out += separatore;
        out.append(static_cast<std::size_t>(-d.esponente - 1), '0');
        out += d.cifre;
        return out;
    }
    const int intere = d.esponente + 1;
    if (n <= intere) {
        out += d.cifre;
        out.append(static_cast<std::size_t>(intere - n), '0');
    } else {
        out += d.cifre.substr(0, static_cast<std::size_t>(intere));
        out += separatore;
        out += d.cifre.substr(static_cast<std::size_t>(intere));
    }
    return out;
}

std::optional<double> converti(std::string testo) {
    double valore = 0;
    const char* inizio = testo.data();
    const char* fine = inizio + testo.size();
    auto [ptr, ec] = std::from_chars(inizio, fine, valore, std::chars_format::general);
    if (ec != std::errc() || ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

} // namespace

std::string scrivinumero(double valore) {
    return scrivi(valore, ',');
}

std::string scrividecimali(double valore, int decimali) {
    if (!std::isfinite(valore)) {
        return "";
    }
    char buf[400];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::fixed,
                                    std::clamp(decimali, 0, 17));
    if (ec != std::errc()) {
        return "";
    }
    std::string out(buf, fine);
    if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) {
        out.erase(0, 1);
    }
    if (const auto punto = out.find('.'); punto != std::string::npos) {
        out[punto] = ',';
    }
    return out;
}

std::string scrivipunto(double valore) {
    return scrivi(valore, '.');
}

double leggiintero(std::string_view testo) {
    std::size_t pos = 0;
    bool negativo = false;
    if (!testo.empty() && testo.front() == '-') {
        negativo = true;
        pos = 1;
    }
    double valore = 0;
    for (; pos < testo.size() && cifra(testo[pos]); ++pos) {
        valore = valore * 10 + (testo[pos] - '0');
    }
    return negativo ? -valore : valore;
}

double leggiintero(const Cella& cella) {
    return leggiintero(cella.testo());
}

bool benformato(std::string_view testo) {
    return leggidecimale(testo).has_value();
}

std::optional<double> leggidecimale(std::string_view testo) {
    if (testo.empty()) {
        return 0.0;
    }
    std::size_t pos = 0;
    if (testo.front() == '-') {
        pos = 1;
    }
    std::size_t cifre = 0;
    bool virgola = false;
    std::string normale(testo.substr(0, pos));
    for (; pos < testo.size(); ++pos) {
        const char c = testo[pos];
        if (cifra(c)) {
            ++cifre;
            normale += c;
        } else if (c == ',' && !virgola) {
            virgola = true;
            normale += '.';
        } else {
            return std::nullopt;
        }
    }
    if (cifre == 0) {
        return std::nullopt;
    }
    return converti(std::move(normale));
}

std::optional<double> leggidecimale(const Cella& cella) {
    if (cella.eNumero()) {
        return cella.numero();
    }
    return leggidecimale(cella.testo());
}

std::optional<double> leggicm(const Cella& cella) {
    const auto metri = leggidecimale(cella);
    if (!metri) {
        return std::nullopt;
    }
    return leggiintero(scrivinumero(*metri * 100)) / 100;
}

std::optional<double> leggipunto(std::string_view testo) {
    std::size_t pos = 0;
    std::string normale;
    if (!testo.empty() && (testo.front() == '-' || testo.front() == '+')) {
        if (testo.front() == '-') {
            normale += '-';
        }
        pos = 1;
    }
    std::size_t cifre = 0;
    bool punto = false;
    for (; pos < testo.size(); ++pos) {
        const char c = testo[pos];
        if (cifra(c)) {
            ++cifre;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            break;
        }
        normale += c;
    }
    if (cifre == 0) {
        return std::nullopt;
    }
    if (pos < testo.size()) {
        if (testo[pos] != 'e' && testo[pos] != 'E') {
            return std::nullopt;
        }
        normale += 'e';
        ++pos;
        if (pos < testo.size() && (testo[pos] == '-' || testo[pos] == '+')) {
            normale += testo[pos];
            ++pos;
        }
        std::size_t cifreesp = 0;
        for (; pos < testo.size() && cifra(testo[pos]); ++pos) {
            normale += testo[pos];
            ++cifreesp;
        }
        if (cifreesp == 0 || pos != testo.size()) {
            return std::nullopt;
        }
    }
    return converti(std::move(normale));
}

} // namespace zocal
