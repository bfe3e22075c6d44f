#include "zocal/printouts/foglio.h"

#include "zocal/core/immissione.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

// Columns are compared with a little slack: after a size change they are
// the quotient of two widths, not whole numbers.
constexpr double tolleranza = 1e-6;

// Where an item cut at the right edge goes on: under itself while that
// leaves room for a few characters, else from the margin.
constexpr int spaziominimo = 10;

bool controllo(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::u32string caratteristampabili(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int seguito = 0;
        char32_t c = 0;
        char32_t minimo = 0;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            seguito = 1;
            c = b & 0x1F;
            minimo = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            seguito = 2;
            c = b & 0x0F;
            minimo = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            seguito = 3;
            c = b & 0x07;
            minimo = 0x10000;
        } else {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        bool valido = i + static_cast<std::size_t>(seguito) < s.size();
        std::size_t j = 1;
        for (; valido && j <= static_cast<std::size_t>(seguito); ++j) {
            const auto t = static_cast<unsigned char>(s[i + j]);
            if ((t & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            c = (c << 6) | (t & 0x3F);
        }
        if (!valido || c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(U'\uFFFD');
            i += std::max<std::size_t>(1, j);
            continue;
        }
        out.push_back(controllo(c) ? U' ' : c);
        i += static_cast<std::size_t>(seguito) + 1;
    }
    return out;
}

std::string utf8(std::u32string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (char32_t c : testo) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

Elemento Elemento::testo(std::string testo) {
    Elemento e;
    e.tipo_ = testo.empty() ? Tipo::vuoto : Tipo::testo;
    e.testo_ = std::move(testo);
    return e;
}

Elemento Elemento::numero(double valore) {
    Elemento e;
    e.tipo_ = Tipo::numero;
    e.numero_ = valore;
    return e;
}

Elemento Elemento::da(const Cella& cella) {
    if (cella.vuota()) {
        return {};
    }
    if (cella.eNumero()) {
        return numero(cella.numero());
    }
    return testo(cella.testo());
}

bool Elemento::vuoto() const {
    return tipo_ == Tipo::vuoto;
}

bool Elemento::eNumero() const {
    return tipo_ == Tipo::numero;
}

std::string Elemento::cometesto() const {
    switch (tipo_) {
    case Tipo::testo:
        return testo_;
    case Tipo::numero:
        return scrivinumero(numero_);
    case Tipo::vuoto:
        break;
    }
    return {};
}

std::string Elemento::stampato() const {
    if (tipo_ != Tipo::numero) {
        return cometesto();
    }
    const std::string cifre = scrivinumero(numero_);
    // The sign position holds the minus of a negative number.
    return (cifre.front() == '-' ? "" : " ") + cifre + " ";
}

int colonnadecimale(int decimale, const Elemento& elemento) {
    const EsitoCifre cifre = cifreintere(elemento.cometesto());
    return std::max(1, decimale - cifre.ncifre.value_or(0));
}

void Foglio::carattere(std::string_view nome) {
    stampante_.carattere(nome);
}

void Foglio::dimensione(double punti) {
    if (punti <= 0) {
        return;
    }
    stampante_.dimensione(punti);
    colonna_ = 1 + (colonna_ - 1) * punti_ / punti;
    bianco_ = 0;
    punti_ = punti;
}

void Foglio::posizioneverticale(double twip) {
    stampante_.posizioneverticale(twip);
}

Foglio& Foglio::colonna(int n) {
    return sposta(n, false);
}

Foglio& Foglio::sposta(int n, bool separato) {
    n = std::max(n, 1);
    if (colonna_ > n + tolleranza) {
        // The blank after a number is only a separator: an item that brings
        // its own blank in front may take its place instead of going to the
        // next line.
        if (separato && bianco_ > 0 && std::abs(bianco_ - n) < tolleranza) {
            colonna_ = n;
        } else {
            acapo();
        }
    }
    bianco_ = 0;
    colonna_ = std::max(colonna_, static_cast<double>(n));
    return *this;
}

Foglio& Foglio::scrivi(const Elemento& elemento) {
    if (!elemento.vuoto()) {
        emetti(caratteristampabili(elemento.stampato()));
        bianco_ = elemento.eNumero() ? colonna_ - 1 : 0;
    }
    return *this;
}

Foglio& Foglio::scrivi(std::string_view testo) {
    return scrivi(Elemento::testo(std::string(testo)));
}

Foglio& Foglio::a(int n, const Elemento& elemento) {
    if (elemento.vuoto()) {
        return *this;
    }
    sposta(n, elemento.stampato().front() == ' ');
    return scrivi(elemento);
}

Foglio& Foglio::a(int n, std::string_view testo) {
    return a(n, Elemento::testo(std::string(testo)));
}

Foglio& Foglio::allinea(int decimale, const Cella& cella) {
    const Elemento e = Elemento::da(cella);
    return a(colonnadecimale(decimale, e), e);
}

void Foglio::acapo() {
    stampante_.nuovalinea();
    colonna_ = 1;
    bianco_ = 0;
}

void Foglio::fine() {
    stampante_.fine();
    colonna_ = 1;
    bianco_ = 0;
}

void Foglio::emetti(std::u32string_view testo) {
    const double inizio = colonna_;
    // The text is consumed from the front by a view: a long text broken
    // into many lines is never copied again for each of them.
    while (!testo.empty()) {
        const double limite = stampante_.colonne();
        const auto lunghezza = static_cast<double>(testo.size());
        // Blanks at the end are not seen, so they may fall beyond the edge.
        const auto visibili = testo.find_last_not_of(U' ') + 1;
        if (limite < 1 || colonna_ - 1 + static_cast<double>(visibili) <= limite + tolleranza) {
            stampante_.scrivi(colonna_, utf8(testo));
            colonna_ += lunghezza;
            return;
        }
        const double ripresa = inizio - 1 + spaziominimo <= limite ? inizio : 1;
        const auto spazio = static_cast<std::size_t>(
            std::max(0.0, std::floor(limite - (colonna_ - 1) + tolleranza)));
        // Cut after the last blank that follows a word; a value with no such
        // blank that fits whole further down goes down whole.
        std::size_t taglio = 0;
        for (std::size_t k = std::min(spazio + 1, testo.size()); k > 1; --k) {
            if (testo[k - 1] == U' ' && testo[k - 2] != U' ') {
                taglio = k;
                break;
            }
        }
        if (taglio == 0) {
            const bool staintero =
                ripresa - 1 + static_cast<double>(visibili) <= limite + tolleranza;
            taglio = staintero && colonna_ > ripresa + tolleranza ? 0 : spazio;
        }
        if (taglio > 0) {
            stampante_.scrivi(colonna_, utf8(testo.substr(0, taglio)));
            testo.remove_prefix(taglio);
            // Blanks at the cut are not carried to the new line.
            testo.remove_prefix(std::min(testo.find_first_not_of(U' '), testo.size()));
        }
        acapo();
        colonna_ = ripresa;
    }
}

} // namespace zocal
