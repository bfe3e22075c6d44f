#include "zocal/core/immissione.h"

#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"

#include <cmath>

namespace zocal {

EsitoValidazione validadato(std::string_view datoimmesso, const ModZocal& mod) {
    EsitoValidazione esito;
    esito.datoimmesso = std::string(datoimmesso);
    if (datoimmesso.empty() || datoimmesso == ",") {
        return esito;
    }
    for (char c : datoimmesso) {
        if (c == ',' || c == '-' || (c >= '0' && c <= '9')) {
            esito.datocorretto += c;
        } else if (c == '.') {
            esito.puntoscartato = true;
        }
    }
    const Messaggio messaggio{"Attenzione! il dato digitato non è corretto: usare solo numeri "
                              "e la virgola per i decimali.",
                              Icona::stop, mod.titolocontrollo};
    if (datoimmesso == "-" || esito.datocorretto.empty()) {
        esito.rifiuto = messaggio;
        esito.puntoscartato = false;
        esito.datocorretto.clear();
        esito.datoimmesso.clear();
    } else if (esito.puntoscartato) {
        esito.avviso = messaggio;
    }
    return esito;
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
