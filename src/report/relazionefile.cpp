#include "zocal/report/relazionefile.h"

#include "zocal/core/guida.h"

#include "zocal/archive/archivio.h"
#include "zocal/report/documento.h"
#include "zocal/report/percorsi.h"

#include <QGuiApplication>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>

namespace zocal {

const char* const usorelazione =
    "Uso: zocal-cli relazione FILE [-o OUT.docx] [--studio NOME] [--indirizzo INDIRIZZO]\n"
    "                         [--senza-ntc]\n"
    "  Scrive la relazione sulla fondazione del lavoro FILE (Zocal-dati-...)\n"
    "  in formato DOCX e, accanto, in PDF.\n"
    "  -o OUT.docx             file della relazione; senza, nella cartella di FILE\n"
    "                          con il nome Zocal-RelazioneZocal-<committente>.docx\n"
    "  --studio NOME           nome dello studio tecnico; senza, da StudioZocal.TXT\n"
    "  --indirizzo INDIRIZZO   indirizzo dello studio tecnico; senza, da StudioZocal.TXT\n"
    "  --senza-ntc             senza la verifica agli stati limite ultimi (NTC 2018)\n";

EsitoRelazione relazionedafile(const std::string& filelavoro, const std::string& docx,
                               const std::optional<std::string>& studio,
                               const std::optional<std::string>& indirizzo, bool conntc) {
    Lavoro lavoro;
    const EsitoLettura lettura = aprilavoro(filelavoro, lavoro);
    if (!lettura.riuscita()) {
        EsitoRelazione esito;
        esito.errore = lettura.errore;
        return esito;
    }
    // What showing the loaded job in the calculation window leaves behind.
    lavoro.dati.contadati();
    aggiornarisultati(lavoro.dati);
    if (lavoro.dati.nfond == 0) {
        EsitoRelazione esito;
        esito.errore = relazionesenzadati;
        return esito;
    }

    StudioTecnico s = (studio && indirizzo) ? StudioTecnico{} : caricastudio(percorsistudio());
    if (studio) {
        s.nome = *studio;
    }
    if (indirizzo) {
        s.indirizzo = *indirizzo;
    }
    const std::string percorso =
        docx.empty() ? percorsorelazione(filelavoro, lavoro[Frontespizio::committente]) : docx;
    for (const std::string& uscita : {percorso, percorsopdf(percorso)}) {
        if (auto errore = sullavoro(uscita, filelavoro)) {
            EsitoRelazione esito;
            esito.errore = std::move(*errore);
            return esito;
        }
    }
    ScrittoreDocumento scrittore;
    EsitoRelazione esito = scrivirelazione(scrittore, lavoro, s, percorso, conntc);
    // A failing foundation is reported, and said.
    esito.avviso = fondazioninonverificate(lavoro.dati, conntc ? &lavoro.ntc : nullptr);
    if (auto avviso = avvisosenzastudio(s, cartellaconfigurazione())) {
        std::replace(avviso->begin(), avviso->end(), CR, '\n');
        esito.avviso += (esito.avviso.empty() ? "" : "\n") + *avviso +
                        "\nIn alternativa indicarlo con --studio.";
    }
    esito.avvisolavoro = lettura.avviso();
    return esito;
}

int comandorelazione(const std::vector<std::string>& argomenti, std::ostream& out,
                     std::ostream& err) {
    std::optional<std::string> file, uscita, studio, indirizzo;
    bool conntc = true;
    auto sbagliato = [&](const std::string& perche) {
        err << "zocal-cli: " << perche << "\n" << usorelazione;
        return 1;
    };
    bool finopzioni = false;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (!finopzioni && a == "--") {
            finopzioni = true;
            continue;
        }
        auto valore = [&](const std::string& nome,
                          std::optional<std::string>& dove) -> std::optional<int> {
            if (dove) {
                return sbagliato("opzione ripetuta: " + nome);
            }
            if (a.size() > nome.size() && a.compare(0, nome.size() + 1, nome + "=") == 0) {
                dove = a.substr(nome.size() + 1);
                return std::nullopt;
            }
            if (i + 1 >= argomenti.size()) {
                return sbagliato("manca il valore dell'opzione " + nome);
            }
            dove = argomenti[++i];
            return std::nullopt;
        };
        auto eopzione = [&](const std::string& nome) {
            return a == nome || a.compare(0, nome.size() + 1, nome + "=") == 0;
        };
        std::optional<int> esito;
        if (finopzioni) {
            if (file) {
                return sbagliato("indicare un solo file dati: " + a);
            }
            file = a;
        } else if (a == "-h" || a == "--help" || a == "--aiuto") {
            out << usorelazione;
            return 0;
        } else if (a == "-o" || eopzione("--output")) {
            esito = valore(a == "-o" ? "-o" : "--output", uscita);
        } else if (eopzione("--studio")) {
            esito = valore("--studio", studio);
        } else if (eopzione("--indirizzo")) {
            esito = valore("--indirizzo", indirizzo);
        } else if (a == "--senza-ntc") {
            conntc = false;
        } else if (a.size() > 1 && a[0] == '-') {
            return sbagliato("opzione sconosciuta: " + a);
        } else if (file) {
            return sbagliato("indicare un solo file dati: " + a);
        } else {
            file = a;
        }
        if (esito) {
            return *esito;
        }
    }
    if (!file) {
        return sbagliato("manca il file del lavoro");
    }
    if (uscita && uscita->empty()) {
        return sbagliato("il file della relazione non può avere un nome vuoto");
    }
    if (!uscita && ::access(file->c_str(), R_OK) == 0) {
        // Without -o the report goes beside the job file, which may sit in a
        // folder the user cannot write (the installed examples, a colleague's
        // share): say how to put it elsewhere instead of a bare refusal.
        const std::filesystem::path genitore = std::filesystem::path(*file).parent_path();
        const std::string cartella = genitore.empty() ? std::string(".") : genitore.string();
        const int motivo = ::access(cartella.c_str(), W_OK) == 0 ? 0 : errno;
        if (motivo == EACCES || motivo == EPERM || motivo == EROFS) {
            err << "zocal-cli: non si può scrivere la relazione nella cartella \"" << cartella
                << "\" del file dati (" << descrivierrore(motivo) << ").\n"
                << "Indicare dove salvarla con l'opzione -o, per esempio:\n"
                << "  zocal-cli relazione " << *file << " -o ~/relazione.docx\n";
            return 2;
        }
    }
    const EsitoRelazione esito =
        relazionedafile(*file, uscita.value_or(""), studio, indirizzo, conntc);
    if (!esito.avvisolavoro.empty()) {
        err << "zocal-cli: " << *file << ": " << esito.avvisolavoro << "\n";
    }
    if (!esito.riuscita()) {
        err << "zocal-cli: " << esito.errore << "\n";
        return 2;
    }
    if (!esito.avviso.empty()) {
        err << "zocal-cli: attenzione: " << esito.avviso << "\n";
    }
    out << "relazione: " << esito.docx << "\n"
        << "PDF: " << esito.pdf << "\n"
        << "pagine: " << esito.pagine << "\n";
    return 0;
}

namespace {

// Qt's own notices are English and meant for developers; the tool's user
// gets the tool's Italian messages only.
void taci(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
        std::cerr << testo.toStdString() << "\n";
    }
}

struct SilenzioQt {
    QtMessageHandler precedente = qInstallMessageHandler(taci);
    ~SilenzioQt() { qInstallMessageHandler(precedente); }
};

} // namespace

int comandodariga(int argc, char** argv,
                  int (*comando)(const std::vector<std::string>&, std::ostream&, std::ostream&)) {
    const SilenzioQt silenzio;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt reads no option of ours: it gets the program's name only.
    int qargc = 1;
    char* qargv[] = {argv[0], nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app = std::make_unique<QGuiApplication>(qargc, qargv);
        // The program's name, so that "StudioZocal.TXT" is looked for in the
        // same configuration folder as the windows use.
        QCoreApplication::setApplicationName(QStringLiteral("Zocal"));
    }
    std::vector<std::string> argomenti;
    for (int i = 2; i < argc; ++i) {
        argomenti.emplace_back(argv[i]);
    }
    return comando(argomenti, std::cout, std::cerr);
}

int relazionedariga(int argc, char** argv) {
    return comandodariga(argc, argv, comandorelazione);
}

} // namespace zocal
