#include "zocal/archive/scrittura.h"

#include "valori.h"
#include "zocal/archive/cp1252.h"
#include "zocal/core/citazione.h"
#include "zocal/core/regole.h"

#include <cmath>

namespace zocal {

namespace archivio {

bool numeroarchiviabile(double valore) {
    if (!std::isfinite(valore)) {
        return false;
    }
    const std::string scritto = scrivipunto(valore);
    const auto riletto = leggipunto(scritto);
    return riletto && scrivipunto(*riletto) == scritto;
}

bool numeroaggiunto(std::string_view t) {
    return testoingresso(t) && leggidecimale(t).has_value();
}

bool categoriaaggiunta(std::string_view t, TipoCategoria tipo) {
    if (t.empty()) {
        return true;
    }
    switch (tipo) {
    case TipoCategoria::suolo:
        for (int i = 0; i <= static_cast<int>(CategoriaSuolo::E); ++i) {
            if (nomecategoriasuolo(static_cast<CategoriaSuolo>(i)) == t) {
                return true;
            }
        }
        return false;
    case TipoCategoria::topografia:
        for (int i = 0; i <= static_cast<int>(CategoriaTopografica::T4); ++i) {
            if (nomecategoriatopografica(static_cast<CategoriaTopografica>(i)) == t) {
                return true;
            }
        }
        return false;
    case TipoCategoria::uso:
        break;
    }
    return psi2(t).has_value();
}

std::size_t caratteri(std::string_view t) {
    std::size_t n = 0;
    for (char c : t) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return n;
}

} // namespace archivio

namespace {

std::string elenco(const std::vector<std::string>& nomi) {
    std::string out;
    for (const auto& n : nomi) {
        if (!out.empty()) {
            out += ", ";
        }
        out += n;
    }
    return out;
}

class Scrittore {
  public:
    explicit Scrittore(EsitoScrittura& esito) : esito_(esito) {}

    void conteggio(int n) { valore(std::to_string(n)); }

    // False, with the reason, when the cell could not be read back.
    bool ingresso(const Cella& cella, const std::string& dove) {
        if (cella.eNumero()) {
            if (!archivio::numeroarchiviabile(cella.numero())) {
                esito_.errore = "il valore numerico di " + dove + " non è archiviabile";
                return false;
            }
            valore(scrivipunto(cella.numero()));
        } else if (const std::string* t = cella.testoGrezzo()) {
            if (!archivio::testoingresso(*t)) {
                esito_.errore = "il dato " + dove + " (\"" + citazione(*t) +
                                "\") contiene caratteri diversi da cifre, virgola e segno meno";
                return false;
            }
            valore('"' + *t + '"');
        } else {
            valore("");
        }
        return true;
    }

    void testo(const std::string& t, std::string_view campo) {
        std::string senzavirgolette;
        senzavirgolette.reserve(t.size());
        bool virgolette = false;
        for (char c : t) {
            if (c == '"') {
                senzavirgolette += "\u201D";
                virgolette = true;
            } else {
                senzavirgolette += c;
            }
        }
        bool perdite = false;
        std::string byte = acp1252(senzavirgolette, &perdite);
        // The reader refuses a file with a null byte.
        for (char& c : byte) {
            if (c == '\0') {
                c = '?';
                perdite = true;
            }
        }
        if (perdite) {
            esito_.sostituzioni.caratteriperduti.emplace_back(campo);
        }
        if (virgolette) {
            esito_.sostituzioni.virgolette.emplace_back(campo);
        }
        valore('"' + byte + '"');
    }

    void finerecord() {
        esito_.byte += archivio::fineriga;
        primo_ = true;
    }

  private:
    void valore(const std::string& v) {
        if (!primo_) {
            esito_.byte += ',';
        }
        esito_.byte += v;
        primo_ = false;
    }

    EsitoScrittura& esito_;
    bool primo_ = true;
};

bool contovalido(int n) {
    return n >= 0 && n <= 10;
}

} // namespace

std::string Sostituzioni::avviso() const {
    std::string out;
    if (!caratteriperduti.empty()) {
        out += "Alcuni caratteri non possono essere archiviati e sono stati sostituiti con \"?\" "
               "nei campi: " +
               elenco(caratteriperduti) + ".";
    }
    if (!virgolette.empty()) {
        if (!out.empty()) {
            out += '\n';
        }
        out +=
            "Le virgolette (\") non possono essere archiviate e sono state sostituite con \u201D "
            "nei campi: " +
            elenco(virgolette) + ".";
    }
    return out;
}

namespace {

void componi(const Lavoro& lavoro, EsitoScrittura& esito) {
    Scrittore s(esito);
    const DatiCalcolo& d = lavoro.dati;

    if (!contovalido(d.nfond)) {
        esito.errore = "il numero delle fondazioni (" + std::to_string(d.nfond) +
                       ") non è compreso fra 0 e 10";
        return;
    }
    s.conteggio(d.nfond);
    s.finerecord();

    for (int f = 1; f <= d.nfond; ++f) {
        const std::string fond = "della fondazione " + std::to_string(f);
        if (!contovalido(d.npiani[f])) {
            esito.errore = "il numero dei piani " + fond + " (" + std::to_string(d.npiani[f]) +
                           ") non è compreso fra 0 e 10";
            return;
        }
        if (!s.ingresso(d.prof[f], "prof " + fond) || !s.ingresso(d.largh[f], "largh " + fond)) {
            return;
        }
        s.conteggio(d.npiani[f]);
        if (!s.ingresso(d.sigmat[f], "sigmat " + fond)) {
            return;
        }
        s.finerecord();
        for (int i = 1; i <= d.npiani[f]; ++i) {
            for (Voce v : vociingresso) {
                const std::string dove =
                    std::string(nomevoce(v)) + " del piano " + std::to_string(i) + " " + fond;
                if (!s.ingresso(d.piano(v, i, f), dove)) {
                    return;
                }
            }
            s.finerecord();
        }
    }

    if (!s.ingresso(d.tiposuolo, "tiposuolo") || !s.ingresso(d.pesos, "pesos") ||
        !s.ingresso(d.coes, "coes") || !s.ingresso(d.attr, "attr")) {
        return;
    }
    s.finerecord();

    for (int k = 0; k < ndescrizione; ++k) {
        s.testo(lavoro.descrizione[k], nomedescrizione(static_cast<Descrizione>(k)));
    }
    s.finerecord();
    for (int k = 0; k < nfrontespizio; ++k) {
        s.testo(lavoro.frontespizio[k], nomefrontespizio(static_cast<Frontespizio>(k)));
    }
    s.finerecord();

    // Only a job that departs from the default choices carries the record,
    // so every other file stays as earlier versions wrote it.
    if (!lavoro.ntc.predefinite()) {
        const OpzioniNtc& o = lavoro.ntc;
        s.testo(archivio::recordntc, "NTC");
        s.testo(std::string(nomefilengamma(o.ngamma)), "NTC");
        s.testo(o.profondita ? "1" : "0", "NTC");
        s.testo(o.g2definiti ? "1" : "0", "NTC");
        s.finerecord();
    }
    if (const TerrenoNtc& t = lavoro.ntc.terreno; !t.predefinito()) {
        for (const auto& [valore, nome] : {std::pair{&t.cu, "cu"}, {&t.pesofond, "pesofond"}}) {
            if (!archivio::numeroaggiunto(*valore)) {
                esito.errore = "il dato " + std::string(nome) + " del terreno (\"" + *valore +
                               "\") non è un numero con la virgola decimale";
                return;
            }
        }
        if (archivio::caratteri(t.fonte) > lunghezzafonte) {
            esito.errore = "la fonte dei dati del terreno supera i " +
                           std::to_string(lunghezzafonte) + " caratteri";
            return;
        }
        s.testo(archivio::recordterreno, "NTC");
        s.testo(t.cu, "cu");
        s.testo(t.pesofond, "pesofond");
        s.testo(t.fonte, "fonte");
        s.finerecord();
    }
    // The values as typed: a text the reader would refuse must not be written.
    using Valori = std::initializer_list<std::pair<const std::string*, const char*>>;
    const auto validi = [&](const char* record, Valori v) {
        for (const auto& [valore, nome] : v) {
            if (!archivio::numeroaggiunto(*valore)) {
                esito.errore = "il dato " + std::string(nome) + " del record " + record + " (\"" +
                               *valore + "\") non è un numero con la virgola decimale";
                return false;
            }
        }
        return true;
    };
    const auto numeri = [&](const char* record, const std::string& prima, Valori v) {
        if (!validi(record, v)) {
            return false;
        }
        s.testo(record, "NTC");
        if (!prima.empty()) {
            s.testo(prima, "NTC");
        }
        for (const auto& [valore, nome] : v) {
            s.testo(*valore, nome);
        }
        s.finerecord();
        return true;
    };
    for (int f = 1; f <= maxfond; ++f) {
        const FondazioneNtc& n = lavoro.ntc.fondazioni[static_cast<std::size_t>(f)];
        if (!n.predefinita() && !numeri(archivio::recordfondazione, std::to_string(f),
                                        {{&n.eccmuro, "eccmuro"},
                                         {&n.HGk, "HGk"},
                                         {&n.HQk, "HQk"},
                                         {&n.zH, "zH"},
                                         {&n.deltaphi, "deltaphi"}})) {
            return;
        }
    }
    if (const FaldaNtc& a = lavoro.ntc.falda;
        !a.predefinita() &&
        !numeri(archivio::recordfalda, "", {{&a.zw, "zw"}, {&a.pesosat, "pesosat"}})) {
        return;
    }
    const auto categoria = [&](const char* record, const std::string& valore, const char* nome,
                               archivio::TipoCategoria tipo) {
        if (!archivio::categoriaaggiunta(valore, tipo)) {
            esito.errore = "il dato " + std::string(nome) + " del record " + record + " (\"" +
                           valore + "\") non è una categoria ammessa";
            return false;
        }
        return true;
    };
    if (const SismaNtc& z = lavoro.ntc.sisma; !z.predefinita()) {
        const char* record = archivio::recordsisma;
        if (!validi(record, {{&z.ag, "ag"},
                             {&z.F0, "F0"},
                             {&z.q, "q"},
                             {&z.gammaRd, "gammaRd"},
                             {&z.alfaH, "alfaH"}}) ||
            !categoria(record, z.catsuolo, "catsuolo", archivio::TipoCategoria::suolo) ||
            !categoria(record, z.cattopo, "cattopo", archivio::TipoCategoria::topografia)) {
            return;
        }
        s.testo(record, "NTC");
        for (const auto& [valore, nome] : {std::pair{&z.ag, "ag"},
                                           {&z.F0, "F0"},
                                           {&z.catsuolo, "catsuolo"},
                                           {&z.cattopo, "cattopo"},
                                           {&z.q, "q"},
                                           {&z.gammaRd, "gammaRd"},
                                           {&z.alfaH, "alfaH"}}) {
            s.testo(*valore, nome);
        }
        s.finerecord();
    }
    for (int f = 1; f <= maxfond; ++f) {
        const SismaFondazioneNtc& n = lavoro.ntc.sismafondazioni[static_cast<std::size_t>(f)];
        if (!n.predefinita() &&
            !numeri(archivio::recordsismafondazione, std::to_string(f), {{&n.HE, "HE"}})) {
            return;
        }
    }
    for (int f = 1; f <= maxfond; ++f) {
        const auto& categorie = lavoro.ntc.categorie[static_cast<std::size_t>(f)];
        for (int i = 1; i <= maxpiani; ++i) {
            const std::string& c = categorie[static_cast<std::size_t>(i - 1)];
            if (c.empty() || c == categoriapredefinita) {
                continue;
            }
            const char* record = archivio::recordcategoria;
            if (!categoria(record, c, "cat", archivio::TipoCategoria::uso)) {
                return;
            }
            s.testo(record, "NTC");
            s.testo(std::to_string(f), "NTC");
            s.testo(std::to_string(i), "NTC");
            s.testo(c, "cat");
            s.finerecord();
        }
    }
    if (const StratiNtc& t = lavoro.ntc.strati; !t.predefinita()) {
        // The layers up to the last one given, the empty ones before it kept.
        auto fine = t.strati.end();
        while (fine != t.strati.begin() && std::prev(fine)->vuoto()) {
            --fine;
        }
        const auto n = static_cast<std::size_t>(fine - t.strati.begin());
        if (n > static_cast<std::size_t>(maxstrati)) {
            esito.errore = "il record " + std::string(archivio::recordstrati) + " ha più di " +
                           std::to_string(maxstrati) + " strati";
            return;
        }
        std::vector<std::pair<const std::string*, std::string>> valori{{&t.slim, "slim"},
                                                                       {&t.dslim, "dslim"}};
        for (std::size_t i = 0; i < n; ++i) {
            valori.emplace_back(&t.strati[i].h, "h" + std::to_string(i + 1));
            valori.emplace_back(&t.strati[i].Eed, "E" + std::to_string(i + 1));
        }
        for (const auto& [valore, nome] : valori) {
            if (!validi(archivio::recordstrati, {{valore, nome.c_str()}})) {
                return;
            }
        }
        s.testo(archivio::recordstrati, "NTC");
        for (const auto& [valore, nome] : valori) {
            s.testo(*valore, nome.c_str());
        }
        s.finerecord();
    }
}

} // namespace

EsitoScrittura scrivilavoro(const Lavoro& lavoro) {
    EsitoScrittura esito;
    componi(lavoro, esito);
    if (!esito.riuscita()) {
        // Half a file must never reach a disk.
        esito.byte.clear();
        esito.sostituzioni = {};
    }
    return esito;
}

} // namespace zocal
