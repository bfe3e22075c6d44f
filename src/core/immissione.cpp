#include "zocal/core/immissione.h"

#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cmath>

namespace zocal {

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// Every point stands after a digit and before exactly three digits: "1.800",
// "12.500.000", "1.800,5".
bool migliaia(std::string_view t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '.') {
            continue;
        }
        if (i == 0 || !cifra(t[i - 1]) || i + 3 >= t.size() || !cifra(t[i + 1]) ||
            !cifra(t[i + 2]) || !cifra(t[i + 3]) || (i + 4 < t.size() && cifra(t[i + 4]))) {
            return false;
        }
    }
    return true;
}

} // namespace

EsitoValidazione validadato(std::string_view datoimmesso, const ModZocal& mod, TipoDato tipo,
                            std::string_view precedente) {
    EsitoValidazione esito;
    esito.datoimmesso = std::string(datoimmesso);
    if (datoimmesso.empty() || datoimmesso == ",") {
        return esito;
    }
    const bool punto = datoimmesso.find('.') != std::string_view::npos;
    if (punto && tipo == TipoDato::intero && !migliaia(datoimmesso)) {
        esito.datocorretto = std::string(precedente);
        esito.nota = "Punto non accettato: in questo campo (numero intero) il punto separa solo "
                     "le migliaia, come in 1.800. Il dato resta " +
                     (precedente.empty() ? std::string("vuoto") : std::string(precedente)) + ".";
        return esito;
    }
    for (char c : datoimmesso) {
        if (c == ',' || c == '-' || cifra(c)) {
            esito.datocorretto += c;
        } else if (c == '.' && tipo == TipoDato::decimale) {
            esito.datocorretto += ',';
        }
    }
    if (datoimmesso == "-" || esito.datocorretto.empty() || esito.datocorretto == ",") {
        esito.rifiuto = Messaggio{"Attenzione! il dato digitato non è corretto: usare solo numeri "
                                  "e la virgola per i decimali.",
                                  Icona::stop, mod.titolocontrollo};
        esito.datocorretto.clear();
        esito.datoimmesso.clear();
    } else if (punto) {
        esito.nota =
            tipo == TipoDato::decimale
                ? "Il punto è stato letto come virgola decimale: " + esito.datocorretto + "."
                : "Il punto è stato letto come separatore delle migliaia: " + esito.datocorretto +
                      ".";
    }
    return esito;
}

Intervallo intervallo(Voce voce) {
    switch (voce) {
    case Voce::pesol:
        return {0, 1500, "kg/mq"};
    case Voce::sovr:
        return {0, 2000, "kg/mq"};
    case Voce::lungh:
        return {0, 15, "m"};
    case Voce::pepav:
        return {0, 500, "kg/mq"};
    case Voce::tram:
        return {0, 5000, "kg/m"};
    case Voce::spess:
        return {0.1, 2, "m"};
    case Voce::interas:
        return {2, 8, "m"};
    case Voce::spem:
        return {1000, 3000, "kg/mc"};
    default:
        return {0, 0, ""};
    }
}

namespace {

// "0,2-5 m" as the warning writes a range.
std::string scriviintervallo(const Intervallo& r) {
    return scrivinumero(r.minimo) + "–" + scrivinumero(r.massimo) + " " + r.unita;
}

std::string avviso(const Cella& cella, const Intervallo& r, const std::string& nome) {
    if (cella.vuota()) {
        return {};
    }
    const auto valore = leggidecimale(cella);
    if (!valore || (*valore >= r.minimo && *valore <= r.massimo)) {
        return {}; // an unreadable value has its own note
    }
    return "Attenzione: " + nome + " " + cella.testo() + " " + r.unita +
           ", fuori dall'intervallo usuale " + scriviintervallo(r) + ": controllare il dato.";
}

} // namespace

std::string fuoriintervallo(const DatiCalcolo& d, int f) {
    if (f < 1 || f > maxfond) {
        return {};
    }
    const std::string fondazione = " della fondazione n. " + std::to_string(f);
    std::string a = avviso(d.prof[f], intervalloprof, "profondità" + fondazione);
    if (a.empty()) {
        a = avviso(d.largh[f], intervallolargh, "larghezza" + fondazione);
    }
    const int n = std::clamp(d.npiani[f], 0, maxpiani);
    for (int i = 1; i <= n && a.empty(); ++i) {
        for (Voce v : vociingresso) {
            a = avviso(d.piano(v, i, f), intervallo(v),
                       descrizionevoce(v) + " del piano n. " + std::to_string(i));
            if (!a.empty()) {
                break;
            }
        }
    }
    if (a.empty()) {
        a = avviso(d.pesos, intervallopesos, "peso specifico del terreno");
    }
    if (a.empty()) {
        a = avviso(d.coes, intervallocoes, "coesione");
    }
    if (a.empty()) {
        a = avviso(d.attr, intervalloattr, "angolo di attrito");
    }
    return a;
}

EsitoCifre cifreintere(std::string_view testonumero) {
    EsitoCifre esito;
    esito.testonumero = std::string(testonumero);
    const double valore = leggiintero(testonumero);
    if (valore < 0) {
        esito.testonumero = scrivinumero(std::fabs(valore));
    }
    const std::string& t = esito.testonumero;
    for (std::size_t i = 1; i <= t.size(); ++i) {
        esito.ncifre = static_cast<int>(i);
        if (t[i - 1] == ',' || t[i - 1] == '.') {
            esito.ncifre = static_cast<int>(i - 1);
            break;
        }
    }
    return esito;
}

} // namespace zocal
