#include "zocal/core/prospetto.h"

#include "zocal/core/regole.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace zocal {

std::vector<FondazioneCalcolata> calcolatutte(DatiCalcolo& dati) {
    std::vector<FondazioneCalcolata> fondazioni;
    for (int f = 1; f <= dati.nfond; ++f) {
        fondazioni.push_back({f, calcola(dati, f)});
    }
    return fondazioni;
}

// Escaped into one string: the stream's per-character path is slow.
std::string testojson(const std::string& testo) {
    std::string t;
    t.reserve(testo.size() + 2);
    t += '"';
    for (unsigned char c : testo) {
        switch (c) {
        case '"':
            t += "\\\"";
            break;
        case '\\':
            t += "\\\\";
            break;
        case '\n':
            t += "\\n";
            break;
        case '\r':
            t += "\\r";
            break;
        case '\t':
            t += "\\t";
            break;
        default:
            if (c < 0x20) {
                static constexpr char esadecimali[] = "0123456789abcdef";
                t += "\\u00";
                t += esadecimali[c >> 4];
                t += esadecimali[c & 0xF];
            } else {
                t += static_cast<char>(c);
            }
        }
    }
    t += '"';
    return t;
}

namespace {

std::string nota(const FondazioneCalcolata& fc) {
    return fc.esito.note.value_or("");
}

// Column widths count characters, not UTF-8 bytes.
std::size_t caratteri(const std::string& testo) {
    std::size_t n = 0;
    for (unsigned char c : testo) {
        n += (c & 0xC0) != 0x80;
    }
    return n;
}

std::string adestra(const std::string& testo, std::size_t larghezza) {
    const std::size_t n = caratteri(testo);
    return n >= larghezza ? testo : std::string(larghezza - n, ' ') + testo;
}

std::string asinistra(const std::string& testo, std::size_t larghezza) {
    const std::size_t n = caratteri(testo);
    return n >= larghezza ? testo + ' ' : testo + std::string(larghezza - n, ' ');
}

void json(std::ostream& out, const std::string& testo) {
    out << testojson(testo);
}

void bloccontc(std::ostream& out, const VerificaNtc& v) {
    out << "  verifica NTC 2018\n";
    for (const auto& righe : {righeazioni(v), righeresistenza(v)}) {
        for (const RigaNtc& r : righe) {
            const std::string nome = r.unita.empty() ? r.nome : r.nome + " (" + r.unita + ")";
            out << "    " << asinistra(nome, 24) << r.valore << "\n";
        }
    }
    out << "    " << asinistra("esito", 24) << (v.calcolata ? v.esito() : "non calcolata") << "\n";
    if (!v.nota.empty()) {
        out << "    note: " << v.nota << "\n";
    }
}

// Shortest text that reads back to the same double; null when not finite.
void numerojson(std::ostream& out, double valore) {
    if (!std::isfinite(valore)) {
        out << "null";
        return;
    }
    char buf[32];
    const auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, valore);
    out << (ec == std::errc() ? std::string_view(buf, static_cast<std::size_t>(fine - buf))
                              : std::string_view("null"));
}

void oggettontc(std::ostream& out, const VerificaNtc& v) {
    const std::pair<const char*, double> numeri[] = {
        {"G1k", v.G1k},
        {"G2k", v.G2k},
        {"Qk", v.Qk},
        {"Ed", v.Ed},
        {"Nc", v.Nc},
        {"Nq", v.Nq},
        {"Ngamma", v.Ngamma},
        {"k", v.k},
        {"dc", v.dc},
        {"dq", v.dq},
        {"q", v.q},
        {"termine_c", v.terminec},
        {"termine_q", v.termineq},
        {"termine_gamma", v.terminegamma},
        {"qlim", v.qlim},
        {"Rd", v.Rd},
        {"EdRd", v.EdRd},
    };
    out << "{";
    bool primo = true;
    for (const auto& [nome, valore] : numeri) {
        out << (primo ? "\"" : ", \"") << nome << "\": ";
        primo = false;
        if (v.calcolata) {
            numerojson(out, valore);
        } else {
            out << "null";
        }
    }
    out << ", \"esito\": ";
    json(out, v.esito());
    out << ", \"nota\": ";
    json(out, v.nota);
    out << "}";
}

} // namespace

std::string prospetto(const DatiCalcolo& d, const std::vector<FondazioneCalcolata>& fondazioni,
                      const OpzioniNtc* ntc) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    if (ntc) {
        out << "Verifica agli stati limite (NTC 2018), approccio 2 (A1+M1+R3): "
            << descriviopzioni(*ntc) << ".\n\n";
    }
    if (fondazioni.empty()) {
        out << "Nessuna fondazione: non sono stati inseriti dati per il calcolo.\n";
        return out.str();
    }
    for (const FondazioneCalcolata& fc : fondazioni) {
        const int f = fc.numero;
        out << "Fondazione n. " << f << " - profondità " << d.prof[f].testo() << " m, larghezza "
            << (d.largh[f].vuota() ? "non indicata" : d.largh[f].testo() + " m") << ", piani "
            << d.npiani[f] << "\n";
        if (d.npiani[f] > 0) {
            out << "  piano  scarico piano (kg)  scarico totale (kg)\n";
            for (int i = 1; i <= d.npiani[f]; ++i) {
                out << adestra(std::to_string(i), 7) << adestra(d.scar(i, f).testo(), 20)
                    << adestra(d.scartot(i, f).testo(), 21) << "\n";
            }
        }
        const std::pair<const char*, std::string> righe[] = {
            {"carico limite (t/mq)", d.carlim[f].testo()},
            {"sigma terreno (kg/cmq)", d.sigmat[f].testo()},
            {"scarico a terra (kg)", d.scater[f].testo()},
            {"sigma lavoro (kg/cmq)", d.siglav[f].testo()},
            {"coeff. sicurezza", d.coeff[f].testo()},
            {"esito", d.verifica[f].vuota() ? "non calcolata" : d.verifica[f].testo()},
        };
        for (const auto& [nome, valore] : righe) {
            out << "  " << nome << std::string(26 - std::string_view(nome).size(), ' ') << valore
                << "\n";
        }
        if (!nota(fc).empty()) {
            out << "  note: " << nota(fc) << "\n";
        }
        if (ntc) {
            bloccontc(out, verificantc(d, f, *ntc));
        }
        out << "\n";
    }
    return out.str();
}

std::string prospettojson(const DatiCalcolo& d, const std::vector<FondazioneCalcolata>& fondazioni,
                          const OpzioniNtc* ntc) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "{\"nfond\": " << d.nfond;
    if (ntc) {
        out << ", \"opzioni_ntc\": {\"ngamma\": ";
        json(out, std::string(chiavengamma(ntc->ngamma)));
        out << ", \"profondita\": " << (ntc->profondita ? "true" : "false")
            << ", \"g2_definiti\": " << (ntc->g2definiti ? "true" : "false") << "}";
    }
    out << ", \"fondazioni\": [";
    bool prima = true;
    for (const FondazioneCalcolata& fc : fondazioni) {
        const int f = fc.numero;
        out << (prima ? "" : ", ") << "{\"numero\": " << f << ", \"npiani\": " << d.npiani[f]
            << ", \"piani\": [";
        prima = false;
        for (int i = 1; i <= d.npiani[f]; ++i) {
            out << (i > 1 ? ", " : "") << "{\"numero\": " << i << ", \"scar\": ";
            json(out, d.scar(i, f).testo());
            out << ", \"scartot\": ";
            json(out, d.scartot(i, f).testo());
            out << "}";
        }
        out << "]";
        const std::pair<const char*, std::string> valori[] = {
            {"carlim", d.carlim[f].testo()},
            {"sigmat", d.sigmat[f].testo()},
            {"scater", d.scater[f].testo()},
            {"siglav", d.siglav[f].testo()},
            {"coeff", d.coeff[f].testo()},
            {"verifica", d.verifica[f].testo()},
            {"note", nota(fc)},
        };
        for (const auto& [nome, valore] : valori) {
            out << ", \"" << nome << "\": ";
            json(out, valore);
        }
        if (ntc) {
            out << ", \"ntc\": ";
            oggettontc(out, verificantc(d, f, *ntc));
        }
        out << "}";
    }
    out << "]}";
    return out.str();
}

} // namespace zocal
