#include "zocal/core/prospetto.h"

#include "zocal/core/regole.h"
#include "zocal/core/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

namespace zocal {

std::vector<FondazioneCalcolata> calcolatutte(DatiCalcolo& dati) {
    std::vector<FondazioneCalcolata> fondazioni;
    fondazioni.reserve(static_cast<std::size_t>(std::max(dati.nfond, 0)));
    for (int f = 1; f <= dati.nfond; ++f) {
        fondazioni.push_back({f, calcola(dati, f)});
    }
    return fondazioni;
}

void aggiungijson(std::string& out, std::string_view testo) {
    out += '"';
    std::size_t da = 0;
    for (std::size_t p = 0; p < testo.size(); ++p) {
        const auto c = static_cast<unsigned char>(testo[p]);
        if (c >= 0x80) {
            // Strict parsers refuse a string that is not UTF-8: a stray byte
            // becomes U+FFFD.
            if (const std::size_t n = sequenzautf8(testo, p); n > 0) {
                p += n - 1;
                continue;
            }
            out.append(testo.substr(da, p - da));
            da = p + 1;
            out += "\uFFFD";
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        // Runs of plain characters go in whole.
        out.append(testo.substr(da, p - da));
        da = p + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default: {
            static constexpr char esadecimali[] = "0123456789abcdef";
            out += "\\u00";
            out += esadecimali[c >> 4];
            out += esadecimali[c & 0xF];
        }
        }
    }
    out.append(testo.substr(da));
    out += '"';
}

std::string testojson(const std::string& testo) {
    std::string t;
    t.reserve(testo.size() + 2);
    aggiungijson(t, testo);
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

// A cell as the window shows it, as a JSON string; a number needs no escapes.
void cellajson(std::string& out, const Cella& cella) {
    if (cella.eNumero()) {
        out += '"';
        aggiunginumero(out, cella.numero());
        out += '"';
    } else if (const std::string* testo = cella.testoGrezzo()) {
        aggiungijson(out, *testo);
    } else {
        out += "\"\"";
    }
}

// A piece of text whose length is known when compiling, at p.
template <std::size_t N> char* copia(char* p, const char (&testo)[N]) {
    std::memcpy(p, testo, N - 1);
    return p + N - 1;
}

void intero(std::string& out, int n) {
    char buf[16];
    const auto fine = std::to_chars(buf, buf + sizeof buf, n).ptr;
    out.append(buf, fine);
}

void righentc(std::ostream& out, const std::vector<RigaNtc>& righe) {
    for (const RigaNtc& r : righe) {
        const std::string nome = r.unita.empty() ? r.nome : r.nome + " (" + r.unita + ")";
        out << "    " << asinistra(nome, 24) << r.valore << "\n";
    }
}

void bloccontc(std::ostream& out, const VerificaNtc& v) {
    out << "  verifica NTC 2018\n";
    righentc(out, righeazioni(v));
    righentc(out, righecombinazione(v));
    righentc(out, righeresistenza(v));
    out << "    " << asinistra("esito", 24) << (v.calcolata ? v.esito() : "non calcolata") << "\n";
    // Every combination and the sliding check when something beyond the
    // centred vertical load is in play.
    if (v.estesa) {
        for (const std::string& r : sintesiverifiche(v)) {
            out << "    " << r << "\n";
        }
    }
    if (v.calcolata && v.brevetermine) {
        out << "  verifica NTC 2018 a breve termine (condizioni non drenate)\n";
        righentc(out, righeresistenza(v, *v.brevetermine));
        out << "    " << asinistra("esito", 24)
            << (v.brevetermine->verificata ? testoverificatantc : testononverificatantc) << "\n";
        out << "    " << asinistra("esito complessivo", 24) << v.esitocomplessivo() << "\n";
    }
    if (v.calcolata && v.sisma) {
        out << "  verifica NTC 2018 in condizioni sismiche (SLV)\n";
        for (const std::string& r : sintesisisma(v)) {
            out << "    " << r << "\n";
        }
        out << "    " << asinistra("esito complessivo", 24) << v.esitocomplessivo() << "\n";
        if (v.liquefazione) {
            out << "    " << testoliquefazione << "\n";
        }
    }
    if (v.calcolata && v.cedimento) {
        out << "  verifica NTC 2018 dei cedimenti (SLE)\n";
        for (const std::string& r : sintesicedimenti(v)) {
            out << "    " << r << "\n";
        }
        out << "    " << asinistra("esito complessivo", 24) << v.esitocomplessivo() << "\n";
    }
    if (!v.nota.empty()) {
        out << "    note: " << v.nota << "\n";
    }
}

// Shortest text that reads back to the same double; null when not finite.
void numerojson(std::string& out, double valore) {
    if (!std::isfinite(valore)) {
        out += "null";
        return;
    }
    char buf[32];
    const auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, valore);
    out += ec == std::errc() ? std::string_view(buf, static_cast<std::size_t>(fine - buf))
                             : std::string_view("null");
}

// One analysis: the inputs as used, the actions, the resistance, its verdict.
void analisijson(std::string& out, const VerificaNtc& v, const AnalisiNtc& a) {
    const std::pair<const char*, double> numeri[] = {
        {"B", v.B},
        {"D", v.D},
        {"phi", a.phi},
        {"gamma", v.gamma},
        {"c", a.c},
        {"G1k", v.G1k},
        {"G2k", v.G2k},
        {"Qk", v.Qk},
        {"Ed", a.V},
        {"Nc", a.Nc},
        {"Nq", a.Nq},
        {"Ngamma", a.Ngamma},
        {"k", a.k},
        {"dc", a.dc},
        {"dq", a.dq},
        {"q", a.q},
        {"termine_c", a.terminec},
        {"termine_q", a.termineq},
        {"termine_gamma", a.terminegamma},
        {"qlim", a.qlim},
        {"Rd", a.Rd},
        {"EdRd", a.EdRd},
    };
    out += '{';
    bool primo = true;
    for (const auto& [nome, valore] : numeri) {
        out += primo ? "\"" : ", \"";
        out += nome;
        out += "\": ";
        primo = false;
        if (v.calcolata) {
            numerojson(out, valore);
        } else {
            out += "null";
        }
    }
    out += ", \"esito\": ";
    aggiungijson(out, !v.calcolata   ? ""
                      : a.verificata ? testoverificatantc
                                     : testononverificatantc);
    out += ", \"nota\": ";
    aggiungijson(out, v.nota);
    // The governing combination beyond the centred vertical load.
    out += ", \"combinazione\": ";
    if (v.calcolata) {
        aggiungijson(out, nomecombinazione(a.combinazione));
    } else {
        out += "null";
    }
    const std::pair<const char*, double> governo[] = {
        {"Hd", a.Hd}, {"e", a.e},           {"Bp", a.Bp}, {"ic", a.ic},
        {"iq", a.iq}, {"igamma", a.igamma}, {"U", a.U},   {"gamma_ngamma", a.gamma2},
    };
    for (const auto& [nome, valore] : governo) {
        out += ", \"";
        out += nome;
        out += "\": ";
        numerojson(out, v.calcolata ? valore : NAN);
    }
    out += ", \"scorrimento\": ";
    if (v.calcolata && a.analisi.scorrimento) {
        const Scorrimento& s = *a.analisi.scorrimento;
        out += "{\"Vd\": ";
        numerojson(out, s.Vd);
        out += ", \"Hd\": ";
        numerojson(out, s.Hd);
        out += ", \"tan_delta\": ";
        numerojson(out, s.tandelta ? *s.tandelta : NAN);
        out += ", \"Rd\": ";
        numerojson(out, s.Rd);
        out += ", \"HdRd\": ";
        numerojson(out, s.HdRd);
        out += ", \"esito\": ";
        aggiungijson(out, s.verificata ? testoverificatantc : testononverificatantc);
        out += '}';
    } else {
        out += "null";
    }
}

// The governing seismic analysis, null when not requested or not computed.
void sismajson(std::string& out, const VerificaNtc& v) {
    if (!v.calcolata || !v.sisma) {
        out += "null";
        return;
    }
    const EsitoSisma& s = v.sisma->governa();
    const Portanza& p = s.portanza;
    const double nd = NAN;
    const std::pair<const char*, double> numeri[] = {
        {"SS", s.spettro.SS},
        {"S", s.spettro.S},
        {"Se", s.spettro.Se},
        {"Sd", s.spettro.Sd},
        {"Ww", s.Ww},
        {"V", s.V},
        {"H", s.H},
        {"khk", s.khk},
        {"zc", s.zc},
        {"zq", s.zq},
        {"e", s.e},
        {"Bp", s.eccessiva ? nd : s.Bp},
        {"ic", s.eccessiva ? nd : p.ic},
        {"iq", s.eccessiva ? nd : p.iq},
        {"igamma", s.eccessiva ? nd : p.igamma},
        {"qlim", s.eccessiva ? nd : p.qlim},
        {"Rd", s.eccessiva ? 0 : p.Rd},
        {"EdRd", s.eccessiva ? nd : s.EdRd},
    };
    char separatore = '{';
    for (const auto& [nome, valore] : numeri) {
        out += separatore;
        out += separatore == '{' ? "\"" : " \"";
        separatore = ',';
        out += nome;
        out += "\": ";
        numerojson(out, valore);
    }
    const auto esito = [](bool si) { return si ? testoverificatantc : testononverificatantc; };
    out += ", \"esito\": ";
    aggiungijson(out, esito(s.portanzaverificata()));
    out += ", \"scorrimento\": {\"Rd\": ";
    numerojson(out, s.scorrimento.Rd);
    out += ", \"HdRd\": ";
    numerojson(out, s.scorrimento.HdRd);
    out += ", \"esito\": ";
    aggiungijson(out, esito(s.scorrimento.verificata));
    out += "}}";
}

// The settlement check, null when not requested or not computed.
void cedimentijson(std::string& out, const VerificaNtc& v) {
    if (!v.calcolata || !v.cedimento) {
        out += "null";
        return;
    }
    const Cedimento& c = *v.cedimento;
    const CedimentoCombinazione& q = c.quasipermanente;
    const double nd = NAN;
    const auto numeri = [&](std::initializer_list<std::pair<const char*, double>> valori) {
        for (const auto& [nome, valore] : valori) {
            out += out.back() == '{' ? "\"" : ", \"";
            out += nome;
            out += "\": ";
            numerojson(out, valore);
        }
    };
    out += '{';
    numeri({{"V", q.V},
            {"Bp", q.calcolato ? q.Bp : nd},
            {"p", q.calcolato ? q.p : nd},
            {"pnet", q.calcolato ? q.pnet : nd}});
    out += ", \"strati\": [";
    for (const CedimentoStrato& t : q.strati) {
        out += out.back() == '[' ? "{" : ", {";
        numeri({{"h", t.h}, {"Eed", t.Eed}, {"s", t.s}});
        out += '}';
    }
    out += ']';
    numeri({{"s", q.calcolato ? q.s : nd},
            {"s_caratteristica", c.caratteristica.calcolato ? c.caratteristica.s : nd},
            {"slim", c.slim},
            {"zinfluenza", q.calcolato ? c.zinfluenza : nd}});
    out += ", \"esito\": ";
    aggiungijson(out, c.verificata ? testoverificatantc : testononverificatantc);
    out += ", \"nota\": ";
    aggiungijson(out, c.nota);
    out += '}';
}

// The long-term analysis with its keys; with the job's extra soil data, also
// the short-term one (null when not run); with seismic data, the seismic
// check (null when not requested); with layers, the settlement check (null
// when not requested); and then the verdict of record.
void oggettontc(std::string& out, const VerificaNtc& v, bool terreno, bool sismico,
                bool cedimenti) {
    analisijson(out, v, v);
    if (terreno) {
        out += ", \"breve_termine\": ";
        if (v.calcolata && v.brevetermine) {
            analisijson(out, v, *v.brevetermine);
            out += '}';
        } else {
            out += "null";
        }
    }
    if (sismico) {
        out += ", \"sisma\": ";
        sismajson(out, v);
    }
    if (cedimenti) {
        out += ", \"cedimenti\": ";
        cedimentijson(out, v);
    }
    // With the job's extra data, the verdict of record over every check run.
    if (terreno || v.estesa || sismico || cedimenti) {
        out += ", \"esito_complessivo\": ";
        aggiungijson(out, v.esitocomplessivo());
    }
    out += '}';
}

} // namespace

std::string prospetto(const DatiCalcolo& d, const std::vector<FondazioneCalcolata>& fondazioni,
                      const OpzioniNtc* ntc) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    if (ntc) {
        out << "Verifica agli stati limite (NTC 2018), approccio 2 (A1+M1+R3): "
            << descriviopzioni(*ntc) << ".\n";
        const TerrenoNtc& t = ntc->terreno;
        if (!t.cu.empty()) {
            out << "Coesione non drenata cu = " << t.cu
                << " t/mq: verifica anche a breve termine.\n";
        }
        if (!t.pesofond.empty()) {
            out << "Peso specifico della fondazione " << t.pesofond << " kg/mc.\n";
        }
        if (!t.fonte.empty()) {
            out << "Fonte dei parametri del terreno: " << t.fonte << "\n";
        }
        std::string nota;
        if (const auto sito = leggisisma(ntc->sisma, nota); sito && sito->richiesta()) {
            out << "Verifica in condizioni sismiche (SLV): " << descrivisisma(*sito) << ".\n";
        }
        out << "\n";
    }
    if (fondazioni.empty()) {
        out << "Nessuna fondazione: non sono stati inseriti dati per il calcolo.\n";
        return out.str();
    }
    std::vector<VerificaNtc> verifiche;
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
            verifiche.push_back(verificantc(d, f, *ntc));
            bloccontc(out, verifiche.back());
        }
        out << "\n";
    }
    if (ntc && !ntc->strati.predefinita()) {
        const auto differenziali = differenzialintc(verifiche, *ntc);
        if (differenziali) {
            out << "Cedimenti differenziali (SLE): " << sintesidifferenziali(*differenziali)
                << "\n";
        }
        const std::string esito = esitolavoro(verifiche, differenziali);
        out << "Esito complessivo NTC 2018: " << (esito.empty() ? "non calcolato" : esito) << "\n";
    }
    return out.str();
}

void prospettojson(std::string& out, const DatiCalcolo& d,
                   const std::vector<FondazioneCalcolata>& fondazioni, const OpzioniNtc* ntc) {
    out += "{\"nfond\": ";
    intero(out, d.nfond);
    std::vector<VerificaNtc> verifiche;
    if (ntc) {
        for (const FondazioneCalcolata& fc : fondazioni) {
            verifiche.push_back(verificantc(d, fc.numero, *ntc));
        }
    }
    const bool cedimenti = ntc && !ntc->strati.predefinita();
    if (cedimenti) {
        // The job's verdict of record, the differential settlements included.
        const auto differenziali = differenzialintc(verifiche, *ntc);
        out += ", \"esito_complessivo\": ";
        aggiungijson(out, esitolavoro(verifiche, differenziali));
        out += ", \"cedimenti_differenziali\": ";
        if (differenziali) {
            out += "{\"massimo\": ";
            numerojson(out, differenziali->massimo);
            out += ", \"dslim\": ";
            numerojson(out, differenziali->dslim);
            out += ", \"esito\": ";
            aggiungijson(out,
                         differenziali->verificata ? testoverificatantc : testononverificatantc);
            out += '}';
        } else {
            out += "null";
        }
    }
    if (ntc) {
        out += ", \"opzioni_ntc\": {\"ngamma\": ";
        aggiungijson(out, chiavengamma(ntc->ngamma));
        out += ", \"profondita\": ";
        out += ntc->profondita ? "true" : "false";
        out += ", \"g2_definiti\": ";
        out += ntc->g2definiti ? "true" : "false";
        out += '}';
    }
    out += ", \"fondazioni\": [";
    bool prima = true;
    std::size_t k = 0;
    for (const FondazioneCalcolata& fc : fondazioni) {
        const int f = fc.numero;
        out += prima ? "{\"numero\": " : ", {\"numero\": ";
        intero(out, f);
        out += ", \"npiani\": ";
        intero(out, d.npiani[f]);
        out += ", \"piani\": [";
        prima = false;
        for (int i = 1; i <= d.npiani[f]; ++i) {
            const Cella& scar = d.scar(i, f);
            const Cella& scartot = d.scartot(i, f);
            if (scar.eNumero() && scartot.eNumero()) {
                // The usual storey, composed on the stack and added at once.
                char riga[2 * spazionumero + 64];
                char* p = i > 1 ? copia(riga, ", {\"numero\": ") : copia(riga, "{\"numero\": ");
                p = std::to_chars(p, p + 16, i).ptr;
                p = copia(p, ", \"scar\": \"");
                p = scrivinumero(p, scar.numero());
                p = copia(p, "\", \"scartot\": \"");
                p = scrivinumero(p, scartot.numero());
                p = copia(p, "\"}");
                out.append(riga, p);
                continue;
            }
            out += i > 1 ? ", {\"numero\": " : "{\"numero\": ";
            intero(out, i);
            out += ", \"scar\": ";
            cellajson(out, scar);
            out += ", \"scartot\": ";
            cellajson(out, scartot);
            out += '}';
        }
        out += ']';
        const std::pair<const char*, const Cella*> celle[] = {
            {"carlim", &d.carlim[f]}, {"sigmat", &d.sigmat[f]}, {"scater", &d.scater[f]},
            {"siglav", &d.siglav[f]}, {"coeff", &d.coeff[f]},   {"verifica", &d.verifica[f]},
        };
        for (const auto& [nome, cella] : celle) {
            out += ", \"";
            out += nome;
            out += "\": ";
            cellajson(out, *cella);
        }
        out += ", \"note\": ";
        aggiungijson(out, fc.esito.note ? std::string_view(*fc.esito.note) : std::string_view());
        if (ntc) {
            out += ", \"ntc\": ";
            oggettontc(out, verifiche[k], !ntc->terreno.predefinito(), !ntc->sisma.predefinita(),
                       cedimenti);
        }
        ++k;
        out += '}';
    }
    out += "]}";
}

std::string prospettojson(const DatiCalcolo& d, const std::vector<FondazioneCalcolata>& fondazioni,
                          const OpzioniNtc* ntc) {
    std::string out;
    prospettojson(out, d, fondazioni, ntc);
    return out;
}

} // namespace zocal
