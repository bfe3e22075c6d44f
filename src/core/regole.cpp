#include "zocal/core/regole.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace zocal {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

namespace {

// Exact powers of ten as doubles (10^22 is the last one a double holds exactly).
constexpr double potenze[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Cifre15 without a string, for the writing rule's own use.
struct Cifre {
    bool negativo = false;
    char cifre[16] = {};
    int n = 0; // 0 for zero and for no finite value
    int esponente = 0;

    std::string_view testo() const { return {cifre, static_cast<std::size_t>(n)}; }
};

// The digits of r (1 <= r <= 10^15), trailing zeros removed; the count of
// digits before the removal.
int cifredi(std::uint64_t r, Cifre& d) {
    char buf[16];
    char* fine = buf + sizeof buf;
    char* p = fine;
    do {
        *--p = static_cast<char>('0' + r % 10);
        r /= 10;
    } while (r != 0);
    const int n = static_cast<int>(fine - p);
    while (fine > p && fine[-1] == '0') {
        --fine;
    }
    d.n = static_cast<int>(fine - p);
    std::copy(p, fine, d.cifre);
    return n;
}

// A value that is the double nearest to a decimal of at most 15 significant
// digits, r / 10^k: the decimal is its rounding to 15 digits, since the
// double lies within half a unit of its last place of it, far closer than
// half a step of the 15th digit. Most values the program meets are such
// decimals (typed entries, results rounded to cents), and finding r costs
// less than the exact conversion below.
bool cifrebrevi(double assoluto, Cifre& d) {
    // A whole number below 10^15 is its own 15 digits.
    if (assoluto < 1e15 && assoluto == std::trunc(assoluto)) {
        const int n = cifredi(static_cast<std::uint64_t>(assoluto), d);
        d.esponente = n - 1;
        return true;
    }
    for (int k = 0; k < static_cast<int>(std::size(potenze)); ++k) {
        const double scalato = assoluto * potenze[k];
        if (scalato >= 1e15) {
            return false;
        }
        const double r = std::nearbyint(scalato);
        if (r >= 1 && r / potenze[k] == assoluto) {
            const int n = cifredi(static_cast<std::uint64_t>(r), d);
            d.esponente = n - 1 - k;
            return true;
        }
    }
    return false;
}

Cifre cifre(double valore) {
    Cifre d;
    if (!std::isfinite(valore) || valore == 0.0) {
        return d;
    }
    d.negativo = std::signbit(valore);
    if (cifrebrevi(std::fabs(valore), d)) {
        return d;
    }
    // Any other value: the exact decimal expansion, rounded to 15 digits.
    char buf[64];
    auto [fine, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valore), std::chars_format::scientific, 14);
    (void)ec;
    const std::string_view s(buf, static_cast<std::size_t>(fine - buf));
    const auto e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (cifra(c)) {
            d.cifre[d.n++] = c;
        }
    }
    while (d.n > 0 && d.cifre[d.n - 1] == '0') {
        --d.n;
    }
    std::string_view esp = s.substr(e + 1);
    if (!esp.empty() && esp.front() == '+') {
        esp.remove_prefix(1);
    }
    std::from_chars(esp.data(), esp.data() + esp.size(), d.esponente);
    return d;
}

} // namespace

Cifre15 cifre15(double valore) {
    const Cifre d = cifre(valore);
    Cifre15 c;
    if (d.n > 0) {
        c.negativo = d.negativo;
        c.cifre = d.testo();
        c.esponente = d.esponente;
    }
    return c;
}

namespace {

// At p: a sign, "0," and up to 323 zeros before 15 digits, or up to 309
// integer digits, within spazionumero.
char* scrivi(char* p, double valore, char separatore) {
    const Cifre d = cifre(valore);
    if (d.n == 0) {
        *p++ = '0';
        return p;
    }
    if (d.negativo) {
        *p++ = '-';
    }
    const int n = d.n;
    if (d.esponente < 0) {
        *p++ = '0';
        *p++ = separatore;
        p = std::fill_n(p, -d.esponente - 1, '0');
        p = std::copy(d.cifre, d.cifre + n, p);
    } else if (const int intere = d.esponente + 1; n <= intere) {
        p = std::copy(d.cifre, d.cifre + n, p);
        p = std::fill_n(p, intere - n, '0');
    } else {
        p = std::copy(d.cifre, d.cifre + intere, p);
        *p++ = separatore;
        p = std::copy(d.cifre + intere, d.cifre + n, p);
    }
    return p;
}

void scrivi(std::string& out, double valore, char separatore) {
    // Composed on the stack and added at once.
    char buf[spazionumero];
    out.append(buf, scrivi(buf, valore, separatore));
}

std::string scrivi(double valore, char separatore) {
    std::string out;
    scrivi(out, valore, separatore);
    return out;
}

std::optional<double> converti(std::string_view testo) {
    double valore = 0;
    const char* inizio = testo.data();
    const char* fine = inizio + testo.size();
    auto [ptr, ec] = std::from_chars(inizio, fine, valore, std::chars_format::general);
    if (ec != std::errc() || ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

// What leggiintero reads from the text scrivinumero writes, without the text.
double parteintera(const Cifre& d) {
    double valore = 0;
    const int intere = d.esponente + 1;
    if (d.n > 0) {
        for (int k = 0; k < intere; ++k) {
            valore = valore * 10 + (k < d.n ? d.cifre[k] - '0' : 0);
        }
    }
    return d.negativo ? -valore : valore;
}

} // namespace

std::string scrivinumero(double valore) {
    return scrivi(valore, ',');
}

void aggiunginumero(std::string& out, double valore) {
    scrivi(out, valore, ',');
}

char* scrivinumero(char* p, double valore) {
    return scrivi(p, valore, ',');
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
    if (cella.eNumero()) {
        return interoscritto(cella.numero());
    }
    const std::string* testo = cella.testoGrezzo();
    return testo != nullptr ? leggiintero(std::string_view(*testo)) : 0.0;
}

namespace {

// The form of a decimal-comma text: optional "-", digits, at most one ",".
struct FormaDecimale {
    bool valida = false;
    bool negativo = false;
    std::size_t cifre = 0;
    std::size_t virgola = std::string_view::npos;
    std::uint64_t mantissa = 0; // the digits, while there are at most 15
    double intera = 0;          // the digits before the comma, as leggiintero adds them
};

FormaDecimale forma(std::string_view testo) {
    FormaDecimale f;
    std::size_t p = 0;
    if (!testo.empty() && testo.front() == '-') {
        f.negativo = true;
        p = 1;
    }
    for (; p < testo.size(); ++p) {
        const char c = testo[p];
        if (cifra(c)) {
            ++f.cifre;
            f.mantissa = f.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            if (f.virgola == std::string_view::npos) {
                f.intera = f.intera * 10 + (c - '0');
            }
        } else if (c == ',' && f.virgola == std::string_view::npos) {
            f.virgola = p;
        } else {
            return f;
        }
    }
    f.valida = f.cifre > 0;
    return f;
}

} // namespace

bool benformato(std::string_view testo) {
    if (testo.empty()) {
        return true;
    }
    // Only a long number can be too large for a double.
    const FormaDecimale f = forma(testo);
    return f.valida && (f.cifre <= 15 || leggidecimale(testo).has_value());
}

std::optional<double> leggipeso(const Cella& cella) {
    const std::string* testo = cella.testoGrezzo();
    if (testo == nullptr) {
        return leggiintero(cella);
    }
    if (testo->empty()) {
        return 0.0;
    }
    const FormaDecimale f = forma(*testo);
    if (!f.valida || (f.cifre > 15 && !leggidecimale(std::string_view(*testo)))) {
        return std::nullopt;
    }
    return f.negativo ? -f.intera : f.intera;
}

bool benformato(const Cella& cella) {
    // The writing rule always gives a readable text.
    const std::string* testo = cella.testoGrezzo();
    return testo == nullptr || benformato(std::string_view(*testo));
}

double interoscritto(double valore) {
    // Far enough below the next integer that rounding to 15 digits cannot
    // reach it, the integer part is the value's own; the margin is ten
    // times the largest half step of the 15th digit.
    const double assoluto = std::fabs(valore);
    if (valore != 0 && assoluto < 1e15) {
        const double intero = std::trunc(assoluto);
        if (intero + 1 - assoluto > assoluto * 1e-13) {
            return std::signbit(valore) ? -intero : intero;
        }
    }
    return parteintera(cifre(valore));
}

std::optional<double> leggidecimale(std::string_view testo) {
    if (testo.empty()) {
        return 0.0;
    }
    const FormaDecimale f = forma(testo);
    if (!f.valida) {
        return std::nullopt;
    }
    const std::size_t virgola = f.virgola;
    // Up to 15 digits the digits and the power of ten are exact doubles, so
    // one division rounds the decimal to the nearest double, which is what
    // the full conversion gives too.
    if (f.cifre <= 15) {
        const std::size_t decimali =
            virgola == std::string_view::npos ? 0 : testo.size() - virgola - 1;
        const double valore = static_cast<double>(f.mantissa) / potenze[decimali];
        return f.negativo ? -valore : valore;
    }
    if (virgola == std::string_view::npos) {
        return converti(testo);
    }
    // The conversion reads a point; a short text is copied on the stack.
    char breve[64];
    std::string lungo;
    char* normale = breve;
    if (testo.size() > sizeof breve) {
        lungo.assign(testo);
        normale = lungo.data();
    } else {
        testo.copy(breve, testo.size());
    }
    normale[virgola] = '.';
    return converti(std::string_view(normale, testo.size()));
}

std::optional<double> leggidecimale(const Cella& cella) {
    if (cella.eNumero()) {
        return cella.numero();
    }
    const std::string* testo = cella.testoGrezzo();
    return testo != nullptr ? leggidecimale(std::string_view(*testo)) : 0.0;
}

std::optional<double> leggicm(const Cella& cella) {
    // A text of at most two decimals holds whole centimetres, C: its double
    // times 100 lies within a few units of the last place of C, so the
    // writing rule gives C back and the conversion is not needed.
    if (const std::string* testo = cella.testoGrezzo(); testo != nullptr && !testo->empty()) {
        const FormaDecimale f = forma(*testo);
        const std::size_t decimali =
            f.virgola == std::string_view::npos ? 0 : testo->size() - f.virgola - 1;
        if (f.valida && f.cifre <= 13 && decimali <= 2) {
            const double cm = static_cast<double>(f.mantissa) * (decimali == 0   ? 100
                                                                 : decimali == 1 ? 10
                                                                                 : 1);
            return (f.negativo && cm != 0 ? -cm : cm) / 100;
        }
    }
    const auto metri = leggidecimale(cella);
    if (!metri) {
        return std::nullopt;
    }
    return interoscritto(*metri * 100) / 100;
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
    return converti(normale);
}

} // namespace zocal
