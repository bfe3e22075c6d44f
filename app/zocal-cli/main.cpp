// zocal-cli: Zocal's batch tool. A thin front: it reads arguments and hands
// the work to the libraries.
#include "zocal/archive/archivio.h"
#include "zocal/archive/cp1252.h"
#include "zocal/core/prospetto.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* uso =
    "Uso: zocal-cli COMANDO [OPZIONI] FILE...\n"
    "\n"
    "Zocal - verifica di fondazioni in muratura, strumento a riga di comando.\n"
    "\n"
    "Comandi:\n"
    "  verifica [--json] [--ntc] FILE...\n"
    "                              legge ogni file dati (Zocal-dati-...), calcola tutte le\n"
    "                              fondazioni e stampa carichi, sigma, coefficiente di\n"
    "                              sicurezza ed esito della verifica; con --json stampa un\n"
    "                              oggetto JSON; con più file un solo documento JSON,\n"
    "                              {\"file\": [{\"nome\": ..., \"verifica\": {...}}, ...]},\n"
    "                              con \"errore\" al posto di \"verifica\" per un file\n"
    "                              che non si è potuto leggere e, per un nome che non è\n"
    "                              UTF-8, \"nome_byte\" con i suoi byte in esadecimale\n"
    "      --ntc                   aggiunge la verifica agli stati limite NTC 2018\n"
    "                              (approccio 2, A1+M1+R3) con le opzioni del lavoro\n"
    "      --ngamma brinch-hansen|vesic|ec7\n"
    "                              formula di Ngamma (implica --ntc)\n"
    "                              (ec7: metodo dell'Annesso D della UNI EN 1997-1,\n"
    "                              senza fattori di profondità salvo --profondita)\n"
    "      --senza-profondita      senza fattori di profondità (implica --ntc)\n"
    "      --profondita            con i fattori di profondità di Brinch Hansen\n"
    "                              (implica --ntc)\n"
    "      --g2-definiti           carichi permanenti non strutturali compiutamente\n"
    "                              definiti, gammaG2 = 1,3 (implica --ntc)\n"
    "  relazione FILE [-o OUT.docx] [--studio NOME] [--indirizzo INDIRIZZO]\n"
    "                              scrive la relazione sulla fondazione in DOCX e in PDF\n"
    "  stampa --modello|--dati|--frontespizio|--descrizione FILE -o OUT.pdf\n"
    "                              stampa in un file PDF uno dei documenti del lavoro\n"
    "                              ('zocal-cli relazione --help' e 'zocal-cli stampa --help'\n"
    "                              ne descrivono le opzioni)\n"
    "  validazione [-o FILE.pdf]   ricalcola i casi di validazione e scrive il \"Documento\n"
    "                              di validazione di Zocal\" in PDF (senza -o,\n"
    "                              Zocal-validazione.pdf); stato di uscita 3 se un caso\n"
    "                              è fuori tolleranza\n"
    "  --help, -h                  mostra questo aiuto\n"
    "  --                          termina le opzioni: quel che segue sono file, anche se\n"
    "                              il nome comincia con \"-\"\n"
    "\n"
    "Stato di uscita: 0 se tutti i file sono stati letti, 2 se un file non è leggibile,\n"
    "1 per un comando o un'opzione non validi.\n";

void mostrauso(std::ostream& out) {
    out << uso;
}

// The report and the printouts run in zocal-documenti, beside this program
// in a build tree, in libexec/zocal when installed.
int documenti(char** argv) {
    std::error_code ec;
    const std::filesystem::path qui =
        std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    if (!ec) {
        for (const std::filesystem::path& p :
             {qui / "zocal-documenti", qui.parent_path() / ZOCAL_LIBEXEC / "zocal-documenti"}) {
            if (::access(p.c_str(), X_OK) == 0) {
                ::execv(p.c_str(), argv);
                std::cerr << "zocal-cli: impossibile avviare " << p.string() << ": "
                          << zocal::descrivierrore(errno) << "\n";
                return 2;
            }
        }
    }
    std::cerr << "zocal-cli: il comando " << argv[1]
              << " richiede il programma zocal-documenti, che non è installato\n";
    return 2;
}

int errore_uso(const std::string& messaggio) {
    std::cerr << "zocal-cli: " << messaggio << "\n"
              << "Digitare 'zocal-cli --help' per l'elenco dei comandi.\n";
    return 1;
}

// The command line's choices for the limit-state check, laid over the job's own.
struct SceltaNtc {
    bool richiesta = false;
    std::optional<zocal::FormulaNgamma> ngamma;
    bool senzaprofondita = false;
    bool conprofondita = false;
    bool g2definiti = false;

    zocal::OpzioniNtc applica(zocal::OpzioniNtc o) const {
        if (ngamma) {
            o.ngamma = *ngamma;
            // EC7 is the Annex D method, which has no depth factors.
            if (*ngamma == zocal::FormulaNgamma::ec7) {
                o.profondita = false;
            }
        }
        if (conprofondita) {
            o.profondita = true;
        }
        if (senzaprofondita) {
            o.profondita = false;
        }
        if (g2definiti) {
            o.g2definiti = true;
        }
        return o;
    }
};

int verifica(const std::vector<std::string>& argomenti) {
    bool json = false;
    SceltaNtc ntc;
    std::vector<std::string> file;
    bool finopzioni = false;
    for (std::size_t n = 0; n < argomenti.size(); ++n) {
        const std::string& a = argomenti[n];
        if (finopzioni) {
            file.push_back(a);
        } else if (a == "--") {
            finopzioni = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--ntc") {
            ntc.richiesta = true;
        } else if (a == "--ngamma" || a.starts_with("--ngamma=")) {
            std::string nome;
            if (a == "--ngamma") {
                if (n + 1 == argomenti.size()) {
                    return errore_uso("l'opzione --ngamma richiede brinch-hansen, vesic o ec7");
                }
                nome = argomenti[++n];
            } else {
                nome = a.substr(9);
            }
            ntc.ngamma = zocal::formulachiave(nome);
            if (!ntc.ngamma) {
                return errore_uso("formula di Ngamma sconosciuta: " + nome +
                                  " (ammesse brinch-hansen, vesic, ec7)");
            }
            ntc.richiesta = true;
        } else if (a == "--senza-profondita") {
            ntc.senzaprofondita = ntc.richiesta = true;
        } else if (a == "--profondita") {
            ntc.conprofondita = ntc.richiesta = true;
        } else if (a == "--g2-definiti") {
            ntc.g2definiti = ntc.richiesta = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return errore_uso("opzione sconosciuta per verifica: " + a);
        } else {
            file.push_back(a);
        }
    }
    if (file.empty()) {
        return errore_uso("verifica: indicare almeno un file dati");
    }
    // With several files the JSON is one document that names each file and
    // carries the error of a file that could not be read.
    const bool elenco = json && file.size() > 1;
    // The output is gathered in one buffer and written in large blocks.
    std::string out;
    const auto scarica = [&out](std::size_t soglia) {
        if (out.size() >= soglia) {
            std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    };
    if (elenco) {
        out += "{\"file\": [";
    }
    int stato = 0;
    // One job at a time; a file that cannot be read leaves it as it was,
    // and nothing of it is used then.
    zocal::Lavoro lavoro;
    for (std::size_t n = 0; n < file.size(); ++n) {
        const std::string& percorso = file[n];
        if (elenco) {
            out += n ? ", {\"nome\": " : "{\"nome\": ";
            zocal::aggiungijson(out, percorso);
            if (!zocal::utf8valido(percorso)) {
                // The name as JSON lost its stray bytes; these are the bytes.
                out += ", \"nome_byte\": \"";
                for (const char c : percorso) {
                    static constexpr char cifre[] = "0123456789abcdef";
                    out += cifre[static_cast<unsigned char>(c) >> 4];
                    out += cifre[static_cast<unsigned char>(c) & 0xF];
                }
                out += '"';
            }
            out += ", ";
        }
        const zocal::EsitoLettura letto = zocal::aprilavoro(percorso, lavoro);
        if (!letto.riuscita()) {
            // What came before reaches stdout before the message reaches stderr.
            scarica(0);
            std::cout.flush();
            std::cerr << "zocal-cli: " << percorso << ": " << letto.errore << "\n";
            if (elenco) {
                out += "\"errore\": ";
                zocal::aggiungijson(out, letto.errore);
                out += '}';
            }
            stato = 2;
            continue;
        }
        if (const std::string avviso = letto.avviso(); !avviso.empty()) {
            scarica(0);
            std::cout.flush();
            std::cerr << "zocal-cli: " << percorso << ": " << avviso << "\n";
        }
        // As the window does on loading: recount, then compute every foundation.
        lavoro.dati.contadati();
        const auto fondazioni = zocal::calcolatutte(lavoro.dati);
        const zocal::OpzioniNtc opzioni = ntc.applica(lavoro.ntc);
        const zocal::OpzioniNtc* conntc = ntc.richiesta ? &opzioni : nullptr;
        if (elenco) {
            out += "\"verifica\": ";
            zocal::prospettojson(out, lavoro.dati, fondazioni, conntc);
            out += '}';
        } else if (json) {
            zocal::prospettojson(out, lavoro.dati, fondazioni, conntc);
            out += '\n';
        } else {
            out += "File: " + percorso + "\n\n";
            out += zocal::prospetto(lavoro.dati, fondazioni, conntc);
        }
        scarica(1 << 16);
    }
    if (elenco) {
        out += "]}\n";
    }
    scarica(0);
    errno = 0;
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "zocal-cli: impossibile scrivere i risultati: "
                  << (errno != 0 ? zocal::descrivierrore(errno)
                                 : std::string("errore di scrittura"))
                  << "\n";
        return 2;
    }
    return stato;
}

} // namespace

int main(int argc, char** argv) {
    // Output past a file size limit fails and is told, not a silent death.
    zocal::proteggiscritture();
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (argomenti.empty()) {
        mostrauso(std::cerr);
        return 1;
    }
    const std::string comando = argomenti.front();
    argomenti.erase(argomenti.begin());
    if (comando == "--help" || comando == "-h" || comando == "aiuto") {
        mostrauso(std::cout);
        return 0;
    }
    if (comando == "relazione" || comando == "stampa" || comando == "validazione") {
        return documenti(argv);
    }
    for (const std::string& a : argomenti) {
        if (a == "--") {
            break;
        }
        if (a == "--help" || a == "-h") {
            mostrauso(std::cout);
            return 0;
        }
    }
    if (comando == "verifica") {
        return verifica(argomenti);
    }
    return errore_uso("comando sconosciuto: " + comando);
}
