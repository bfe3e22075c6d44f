#include "zocal/report/registratore.h"

#include <charconv>

namespace zocal {

namespace {

std::string numero(double v) {
    char buf[32];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    return std::string(buf, fine);
}

// Control characters shown visibly, so a failing comparison reads well.
std::string visibile(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == CR) {
            out += "<CR>";
        } else if (c == FF) {
            out += "<FF>";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

Chiamata chiamata(Chiamata::Tipo tipo, std::string testo = {}, double punti = 0, int a = 0,
                  int b = 0) {
    Chiamata c;
    c.tipo = tipo;
    c.testo = std::move(testo);
    c.punti = punti;
    c.a = a;
    c.b = b;
    return c;
}

} // namespace

std::string Chiamata::descrizione() const {
    using T = Tipo;
    switch (tipo) {
    case T::avvia:
        return "avvia()";
    case T::carattere:
        return "carattere(" + visibile(testo) + ")";
    case T::corpo:
        return "corpo(" + numero(punti) + ")";
    case T::scrivi:
        return "scrivi(" + visibile(testo) + ")";
    case T::nuovoparagrafo:
        return "nuovoparagrafo()";
    case T::corpoparagrafo:
        return "corpoparagrafo(" + numero(punti) + ")";
    case T::testoparagrafo:
        return "testoparagrafo(" + visibile(testo) + ")";
    case T::testograssetto:
        return "testograssetto(" + visibile(testo) + ")";
    case T::nuovatabella:
        return "nuovatabella(" + std::to_string(a) + ", " + std::to_string(b) + ")";
    case T::corpotabella:
        return "corpotabella(" + numero(punti) + ")";
    case T::cella:
        return "cella(" + std::to_string(a) + ", " + std::to_string(b) + ", " + visibile(testo) +
               ")";
    case T::disegno:
        return "disegno(" + numero(punti) + ", " + numero(altezza) + ")";
    case T::formatotabella:
        return "formatotabella(" + std::to_string(a) + ")";
    case T::righeintestazione:
        return "righeintestazione(" + std::to_string(a) + ")";
    case T::tieniinsieme:
        return std::string("tieniinsieme(") + (a != 0 ? "true" : "false") + ")";
    case T::lasciascorrere:
        return "lasciascorrere()";
    case T::campopagine:
        return "campopagine()";
    case T::numerapagine:
        return "numerapagine()";
    case T::proprieta:
        return "proprieta(" + visibile(testo) + ", " + visibile(autore) + ")";
    case T::contapagine:
        return "contapagine()";
    case T::giustificatutto:
        return "giustificatutto()";
    case T::allineadestra:
        return "allineadestra(" + std::to_string(a) + ", " + std::to_string(b) + ")";
    case T::salvacome:
        return "salvacome(" + visibile(testo) + ")";
    }
    return "?";
}

void ScrittoreRegistratore::avvia() {
    chiamate.push_back(chiamata(Chiamata::Tipo::avvia));
}
void ScrittoreRegistratore::carattere(const std::string& nome) {
    chiamate.push_back(chiamata(Chiamata::Tipo::carattere, nome));
}
void ScrittoreRegistratore::corpo(double punti) {
    chiamate.push_back(chiamata(Chiamata::Tipo::corpo, std::string(), punti));
}
void ScrittoreRegistratore::scrivi(const std::string& testo) {
    chiamate.push_back(chiamata(Chiamata::Tipo::scrivi, testo));
}
void ScrittoreRegistratore::nuovoparagrafo() {
    chiamate.push_back(chiamata(Chiamata::Tipo::nuovoparagrafo));
}
void ScrittoreRegistratore::corpoparagrafo(double punti) {
    chiamate.push_back(chiamata(Chiamata::Tipo::corpoparagrafo, std::string(), punti));
}
void ScrittoreRegistratore::testoparagrafo(const std::string& testo) {
    chiamate.push_back(chiamata(Chiamata::Tipo::testoparagrafo, testo));
}

void ScrittoreRegistratore::testograssetto(const std::string& testo) {
    chiamate.push_back(chiamata(Chiamata::Tipo::testograssetto, testo));
}
void ScrittoreRegistratore::nuovatabella(int righe, int colonne) {
    chiamate.push_back(chiamata(Chiamata::Tipo::nuovatabella, std::string(), 0, righe, colonne));
}
void ScrittoreRegistratore::corpotabella(double punti) {
    chiamate.push_back(chiamata(Chiamata::Tipo::corpotabella, std::string(), punti));
}
void ScrittoreRegistratore::cella(int riga, int colonna, const std::string& testo) {
    chiamate.push_back(chiamata(Chiamata::Tipo::cella, testo, 0, riga, colonna));
}
void ScrittoreRegistratore::disegno(std::shared_ptr<const Disegno> disegno, double larghezza,
                                    double altezza) {
    Chiamata c = chiamata(Chiamata::Tipo::disegno, std::string(), larghezza);
    c.altezza = altezza;
    c.figura = std::move(disegno);
    chiamate.push_back(std::move(c));
}
void ScrittoreRegistratore::formatotabella(int formato) {
    chiamate.push_back(chiamata(Chiamata::Tipo::formatotabella, std::string(), 0, formato));
}
void ScrittoreRegistratore::righeintestazione(int righe) {
    chiamate.push_back(chiamata(Chiamata::Tipo::righeintestazione, std::string(), 0, righe));
}
void ScrittoreRegistratore::tieniinsieme(bool conprecedente) {
    chiamate.push_back(
        chiamata(Chiamata::Tipo::tieniinsieme, std::string(), 0, conprecedente ? 1 : 0));
}
void ScrittoreRegistratore::lasciascorrere() {
    chiamate.push_back(chiamata(Chiamata::Tipo::lasciascorrere));
}
void ScrittoreRegistratore::campopagine() {
    chiamate.push_back(chiamata(Chiamata::Tipo::campopagine));
}
void ScrittoreRegistratore::numerapagine() {
    chiamate.push_back(chiamata(Chiamata::Tipo::numerapagine));
}
void ScrittoreRegistratore::proprieta(const std::string& titolo, const std::string& autore) {
    Chiamata c = chiamata(Chiamata::Tipo::proprieta, titolo);
    c.autore = autore;
    chiamate.push_back(std::move(c));
}
int ScrittoreRegistratore::contapagine() {
    chiamate.push_back(chiamata(Chiamata::Tipo::contapagine));
    return pagine;
}
void ScrittoreRegistratore::giustificatutto() {
    chiamate.push_back(chiamata(Chiamata::Tipo::giustificatutto));
}
void ScrittoreRegistratore::allineadestra(int tabella, int colonna) {
    chiamate.push_back(chiamata(Chiamata::Tipo::allineadestra, std::string(), 0, tabella, colonna));
}
std::optional<std::string> ScrittoreRegistratore::salvacome(const std::string& percorso) {
    chiamate.push_back(chiamata(Chiamata::Tipo::salvacome, percorso));
    return erroresalvataggio;
}

std::vector<ScrittoreRegistratore::Tabella> ScrittoreRegistratore::tabelle() const {
    std::vector<Tabella> out;
    for (const Chiamata& c : chiamate) {
        switch (c.tipo) {
        case Chiamata::Tipo::avvia:
            out.clear();
            break;
        case Chiamata::Tipo::nuovatabella: {
            Tabella t;
            t.righe = c.a;
            t.colonne = c.b;
            if (c.a > 0 && c.b > 0) {
                t.celle.assign(static_cast<std::size_t>(c.a),
                               std::vector<std::string>(static_cast<std::size_t>(c.b)));
            }
            out.push_back(std::move(t));
            break;
        }
        case Chiamata::Tipo::corpotabella:
            if (!out.empty()) {
                out.back().punti = c.punti;
            }
            break;
        case Chiamata::Tipo::formatotabella:
            if (!out.empty()) {
                out.back().formato = c.a;
            }
            break;
        case Chiamata::Tipo::righeintestazione:
            if (!out.empty()) {
                out.back().intestazione = c.a;
            }
            break;
        case Chiamata::Tipo::cella:
            if (!out.empty() && c.a >= 1 && c.a <= out.back().righe && c.b >= 1 &&
                c.b <= out.back().colonne) {
                out.back()
                    .celle[static_cast<std::size_t>(c.a - 1)][static_cast<std::size_t>(c.b - 1)] =
                    c.testo;
            }
            break;
        default:
            break;
        }
    }
    return out;
}

std::string ScrittoreRegistratore::testo() const {
    std::string out;
    for (const Chiamata& c : chiamate) {
        if (c.tipo == Chiamata::Tipo::scrivi || c.tipo == Chiamata::Tipo::testoparagrafo ||
            c.tipo == Chiamata::Tipo::testograssetto) {
            out += c.testo;
        } else if (c.tipo == Chiamata::Tipo::campopagine) {
            out += std::to_string(pagine);
        }
    }
    return out;
}

std::vector<Chiamata> ScrittoreRegistratore::solo(Chiamata::Tipo tipo) const {
    std::vector<Chiamata> out;
    for (const Chiamata& c : chiamate) {
        if (c.tipo == tipo) {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace zocal
