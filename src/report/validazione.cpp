#include "zocal/report/validazione.h"

#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include <ostream>
#include <utility>

namespace zocal {

namespace {

const std::string cr(1, CR);

std::string versione() {
    ModZocal& m = modzocal();
    m.inizializza();
    return m.versione;
}

// "tabella pubblicata", "forma chiusa", "esempio svolto".
std::string genere(const CasoValidazione& c) {
    for (const char* g : {"tabella pubblicata", "forma chiusa"}) {
        if (c.fonte.starts_with(g)) {
            return g;
        }
    }
    return "esempio svolto";
}

std::string esito(bool entro) {
    return entro ? "entro la tolleranza" : "FUORI TOLLERANZA";
}

std::string tolleranza(const ValoreValidazione& v) {
    switch (v.tolleranza) {
    case Tolleranza::relativa:
        return "rel. 10⁻⁶";
    case Tolleranza::testo:
        return "stesso esito";
    case Tolleranza::mezzaunita:
    case Tolleranza::unaunita:
        break;
    }
    const auto virgola = v.testoatteso.find(',');
    const int d =
        virgola == std::string::npos ? 0 : static_cast<int>(v.testoatteso.size() - virgola - 1);
    return "±" + scrividecimali(v.ammesso(), v.tolleranza == Tolleranza::mezzaunita ? d + 1 : d);
}

void paragrafo(ScrittoreRelazione& w, double corpo, const std::string& testo) {
    w.nuovoparagrafo();
    w.corpoparagrafo(corpo);
    w.testoparagrafo(testo + cr);
}

void tabella(ScrittoreRelazione& w, const std::vector<std::vector<std::string>>& righe) {
    w.nuovatabella(static_cast<int>(righe.size()), static_cast<int>(righe.front().size()));
    w.corpotabella(9);
    for (std::size_t r = 0; r < righe.size(); ++r) {
        for (std::size_t c = 0; c < righe[r].size(); ++c) {
            w.cella(static_cast<int>(r) + 1, static_cast<int>(c) + 1, righe[r][c]);
        }
    }
    w.formatotabella(9);
    w.righeintestazione(1);
}

int fuori(const std::vector<CasoValidazione>& casi) {
    int n = 0;
    for (const CasoValidazione& c : casi) {
        n += c.superato() ? 0 : 1;
    }
    return n;
}

} // namespace

std::string citazionevalidazione() {
    return std::string(titolovalidazione) + ", versione " + versione();
}

std::string validazionecitata() {
    // The cases cannot change while the program runs: computed once.
    static const std::pair<std::size_t, int> conto = [] {
        const auto tutti = casivalidazione();
        return std::pair{tutti.size(), fuori(tutti)};
    }();
    const auto [n, k] = conto;
    return "il \"" + citazionevalidazione() +
           "\" (tabelle pubblicate, forme chiuse, esempi svolti ricalcolati in modo "
           "indipendente; menu \"?\", comando zocal-cli validazione): " +
           (k == 0 ? "tutti i suoi " + std::to_string(n) + " casi risultano entro la tolleranza."
                   : std::to_string(k) + " dei suoi " + std::to_string(n) + " casi " +
                         (k == 1 ? "risulta" : "risultano") + " FUORI TOLLERANZA.");
}

void componivalidazione(ScrittoreRelazione& w, const std::vector<CasoValidazione>& casi) {
    w.proprieta(citazionevalidazione(), "Zocal");
    w.numerapagine();
    w.carattere(carattererelazione);
    w.corpo(20);
    w.scrivi(std::string(titolovalidazione) + cr);
    w.corpo(14);
    w.scrivi("versione " + versione() + cr + cr);
    paragrafo(w, 11,
              "Questo documento accompagna il programma di calcolo Zocal come chiede il §10.2 "
              "delle NTC 2018 al produttore di un codice di calcolo: ogni formula delle verifiche "
              "è confrontata con numeri che non vengono dal programma, cioè tabelle pubblicate, "
              "forme chiuse con la loro derivazione ed esempi svolti ricalcolati in modo "
              "indipendente. Per ogni caso sono riportati la fonte, i dati (un file dati fornito "
              "con il programma o gli argomenti della funzione di calcolo), i valori attesi, i "
              "valori calcolati da Zocal, la tolleranza e l'esito.");
    paragrafo(w, 11,
              "Tolleranze: relativa 10⁻⁶ per le forme chiuse; mezza unità dell'ultima cifra "
              "stampata per le tabelle pubblicate; ±1 nell'ultima cifra mostrata per gli esempi "
              "svolti; per gli esiti, le stesse parole.");
    paragrafo(w, 11,
              "Riproduzione: il comando zocal-cli validazione -o FILE.pdf ricalcola tutti i casi "
              "e scrive questo documento; termina con stato diverso da 0 se un caso è fuori "
              "tolleranza. I file dati dei casi sono nella cartella degli esempi, sottocartella "
              "validazione, e ciascuno si riproduce anche con zocal-cli verifica --ntc FILE.");
    const int n = static_cast<int>(casi.size());
    const int k = fuori(casi);
    paragrafo(
        w, 12,
        k == 0
            ? "Esito complessivo: tutti i " + std::to_string(n) + " casi sono entro la tolleranza."
            : "Esito complessivo: " + std::to_string(k) + (k == 1 ? " caso" : " casi") + " su " +
                  std::to_string(n) + (k == 1 ? " è" : " sono") + " FUORI TOLLERANZA.");

    paragrafo(w, 12, cr + "Sintesi dei casi");
    std::vector<std::vector<std::string>> sintesi{{"n.", "caso", "fonte", "valori", "esito"}};
    for (const CasoValidazione& c : casi) {
        sintesi.push_back(
            {c.numero, c.titolo, genere(c), std::to_string(c.valori.size()), esito(c.superato())});
    }
    tabella(w, sintesi);

    for (const CasoValidazione& c : casi) {
        w.nuovoparagrafo();
        w.corpoparagrafo(12);
        w.tieniinsieme(false);
        w.testoparagrafo(cr + "Caso " + c.numero + ". " + c.titolo + cr);
        w.corpoparagrafo(10);
        w.testoparagrafo("Fonte: " + c.fonte + "." + cr);
        w.testoparagrafo("Dati: " + c.dati + "." + cr);
        if (!c.errore.empty()) {
            w.testoparagrafo("Il caso non si è potuto calcolare: " + c.errore + cr);
        }
        w.testoparagrafo("Esito: " + esito(c.superato()) + "." + cr);
        w.lasciascorrere();
        if (c.valori.empty()) {
            continue;
        }
        std::vector<std::vector<std::string>> righe{
            {"grandezza", "unità", "atteso", "Zocal", "tolleranza", "esito"}};
        for (const ValoreValidazione& v : c.valori) {
            righe.push_back({v.nome, v.unita, v.testoatteso, v.mostrato(), tolleranza(v),
                             v.entro() ? "entro" : "FUORI"});
        }
        tabella(w, righe);
    }
}

std::vector<const CasoValidazione*> EsitoDocumentoValidazione::falliti() const {
    std::vector<const CasoValidazione*> f;
    for (const CasoValidazione& c : casi) {
        if (!c.superato()) {
            f.push_back(&c);
        }
    }
    return f;
}

EsitoDocumentoValidazione scrivivalidazione(ScrittoreDocumento& w, const std::string& percorso) {
    EsitoDocumentoValidazione esito;
    esito.casi = casivalidazione();
    w.avvia();
    componivalidazione(w, esito.casi);
    // The expected and computed values line up on the right.
    for (int t = 2; t <= static_cast<int>(esito.casi.size()) + 1; ++t) {
        w.allineadestra(t, 3);
        w.allineadestra(t, 4);
    }
    if (auto errore = w.salvapdf(percorso)) {
        esito.errore = *errore;
    }
    esito.pagine = w.contapagine();
    return esito;
}

const char* const usovalidazione =
    "Uso: zocal-cli validazione [-o FILE.pdf]\n"
    "  Ricalcola i casi di validazione (tabelle pubblicate, forme chiuse, esempi svolti)\n"
    "  e scrive il \"Documento di validazione di Zocal\" in PDF.\n"
    "  -o FILE.pdf             file del documento; senza, Zocal-validazione.pdf nella\n"
    "                          cartella corrente\n"
    "  Stato di uscita: 0 se tutti i casi sono entro la tolleranza, 3 se qualcuno non\n"
    "  lo è (il documento è scritto comunque), 2 se il documento non si è potuto\n"
    "  scrivere, 1 per un'opzione non valida.\n";

int comandovalidazione(const std::vector<std::string>& argomenti, std::ostream& out,
                       std::ostream& err) {
    std::string uscita = filevalidazionepdf;
    bool indicato = false;
    auto sbagliato = [&](const std::string& perche) {
        err << "zocal-cli: " << perche << "\n" << usovalidazione;
        return 1;
    };
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "-h" || a == "--help" || a == "--aiuto") {
            out << usovalidazione;
            return 0;
        }
        if (a == "-o" || a == "--output" || a.starts_with("--output=")) {
            if (indicato) {
                return sbagliato("opzione ripetuta: " + a);
            }
            if (a.starts_with("--output=")) {
                uscita = a.substr(9);
            } else if (i + 1 < argomenti.size()) {
                uscita = argomenti[++i];
            } else {
                return sbagliato("manca il valore dell'opzione " + a);
            }
            indicato = true;
            if (uscita.empty()) {
                return sbagliato("il file del documento non può avere un nome vuoto");
            }
        } else {
            return sbagliato("argomento non previsto: " + a);
        }
    }
    ScrittoreDocumento scrittore;
    const EsitoDocumentoValidazione esito = scrivivalidazione(scrittore, uscita);
    if (!esito.riuscita()) {
        err << "zocal-cli: " << esito.errore << "\n";
        return 2;
    }
    const auto falliti = esito.falliti();
    for (const CasoValidazione* c : falliti) {
        err << "zocal-cli: caso " << c->numero << " (" << c->titolo << ") fuori tolleranza";
        if (!c->errore.empty()) {
            err << ": " << c->errore;
        }
        for (const ValoreValidazione& v : c->valori) {
            if (!v.entro()) {
                err << "; " << v.nome << " atteso " << v.testoatteso << ", calcolato "
                    << v.mostrato();
            }
        }
        err << "\n";
    }
    out << "documento di validazione: " << uscita << "\n"
        << "casi: " << esito.casi.size()
        << ", entro la tolleranza: " << esito.casi.size() - falliti.size() << "\n"
        << "pagine: " << esito.pagine << "\n";
    return falliti.empty() ? 0 : 3;
}

} // namespace zocal
