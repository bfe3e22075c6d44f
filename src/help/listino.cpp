#include "zocal/help/listino.h"

#include "zocal/core/regole.h"
#include "zocal/archive/datiprogramma.h"

#include <cmath>

namespace zocal {

namespace {

struct Campo {
    std::string testo;
    int riga = 0;
};

std::string_view senzaspazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// The values of one line: a comma always opens one more value, so "a," is
// two values, the second empty. A quoted value runs to the next quote;
// anything after it up to the comma is dropped.
void campiriga(std::string_view riga, int numero, std::vector<Campo>& campi) {
    while (true) {
        std::string_view resto = riga;
        while (!resto.empty() && (resto.front() == ' ' || resto.front() == '\t')) {
            resto.remove_prefix(1);
        }
        std::string valore;
        std::size_t virgola;
        if (!resto.empty() && resto.front() == '"') {
            const std::size_t chiusa = resto.find('"', 1);
            valore = std::string(resto.substr(
                1, chiusa == std::string_view::npos ? std::string_view::npos : chiusa - 1));
            virgola = chiusa == std::string_view::npos ? std::string_view::npos
                                                       : resto.find(',', chiusa + 1);
        } else {
            virgola = resto.find(',');
            valore = std::string(senzaspazi(resto.substr(0, virgola)));
        }
        campi.push_back({std::move(valore), numero});
        if (virgola == std::string_view::npos) {
            return;
        }
        riga = resto.substr(virgola + 1);
    }
}

std::vector<Campo> campi(std::string_view testo) {
    std::vector<Campo> out;
    int numero = 0;
    while (!testo.empty()) {
        const std::size_t fine = testo.find_first_of("\r\n");
        const std::string_view riga = testo.substr(0, fine);
        ++numero;
        if (fine == std::string_view::npos) {
            testo = {};
        } else {
            const bool crlf =
                testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n';
            testo.remove_prefix(fine + (crlf ? 2 : 1));
        }
        if (senzaspazi(riga).empty()) {
            continue;
        }
        campiriga(riga, numero, out);
    }
    return out;
}

std::string tra(const std::string& s) {
    return "\"" + s + "\"";
}

const std::string file = tra(nomelistino);

} // namespace

const Prodotto* Listino::prodotto(int i) const {
    if (i < 1 || i > numeroprodotti()) {
        return nullptr;
    }
    return &prodotti[static_cast<std::size_t>(i - 1)];
}

Listino leggilistino(std::string_view testo) {
    Listino l;
    const std::vector<Campo> c = campi(testo);
    if (c.empty()) {
        l.avviso = "Il file " + file + " è vuoto: il listino dei prodotti non è disponibile.";
        return l;
    }
    l.intestazione = c[0].testo;
    if (c.size() < 2) {
        l.avviso = "Il file " + file + " finisce prima del previsto: manca il numero dei prodotti.";
        return l;
    }
    const auto n = leggipunto(senzaspazi(c[1].testo));
    if (!n || *n < 0 || *n != std::floor(*n) || !std::isfinite(*n)) {
        l.avviso = "Il file " + file + " non indica un numero di prodotti valido (riga " +
                   std::to_string(c[1].riga) + ": " + tra(c[1].testo) + ").";
        return l;
    }
    const std::string dichiarati = scrivinumero(*n);
    const int dalegger = *n > massimoprodotti ? massimoprodotti : static_cast<int>(*n);
    std::size_t k = 2;
    int interi = 0; // products with all four values
    bool finito = false;
    for (int i = 1; i <= dalegger && !finito; ++i) {
        if (k >= c.size()) {
            finito = true;
            break;
        }
        Prodotto p;
        int letti = 1;
        p.nome = c[k++].testo;
        if (k < c.size()) {
            p.argomento = c[k++].testo;
            ++letti;
        }
        for (std::optional<double>* prezzo : {&p.listino, &p.internet}) {
            if (k >= c.size()) {
                break;
            }
            const Campo& campo = c[k++];
            ++letti;
            const std::string_view valore = senzaspazi(campo.testo);
            if (valore.empty()) {
                continue;
            }
            const auto v = leggipunto(valore);
            if (!v || !std::isfinite(*v)) {
                l.prodotti.push_back(std::move(p));
                l.avviso = "Nel file " + file + " un prezzo del prodotto n. " + std::to_string(i) +
                           " non è un numero (riga " + std::to_string(campo.riga) + ": " +
                           tra(campo.testo) + "): i prodotti seguenti non sono stati letti.";
                return l;
            }
            *prezzo = *v;
        }
        l.prodotti.push_back(std::move(p));
        if (letti < 4) {
            finito = true;
        } else {
            ++interi;
        }
    }
    if (finito) {
        l.avviso = "Il file " + file + " finisce prima del previsto: letti per intero " +
                   std::to_string(interi) + " prodotti su " + dichiarati + ".";
    } else if (*n > massimoprodotti) {
        l.avviso = "Il file " + file + " elenca " + dichiarati + " prodotti, ma se ne possono " +
                   "mostrare al massimo " + std::to_string(massimoprodotti) + ": sono mostrati i " +
                   "primi " + std::to_string(massimoprodotti) + ".";
    }
    return l;
}

Listino caricalistino(const std::filesystem::path& percorso) {
    std::error_code ec;
    if (percorso.empty() || !std::filesystem::exists(percorso, ec)) {
        Listino l;
        l.avviso =
            "Impossibile trovare il file " + file + ": il listino dei prodotti non è disponibile.";
        return l;
    }
    std::string byte;
    std::string errore;
    if (!leggifile(percorso, byte, &errore)) {
        Listino l;
        l.avviso = "Impossibile leggere il file " + file + ": " + errore + ".";
        return l;
    }
    return leggilistino(testodafile(byte));
}

} // namespace zocal
