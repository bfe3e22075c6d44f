#include "zocal/printouts/stampafile.h"

#include "zocal/archive/archivio.h"
#include "zocal/archive/studio.h"
#include "zocal/printouts/documenti.h"
#include "zocal/printouts/stampanteqt.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStandardPaths>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace zocal {

const char* const usostampa =
    "  stampa --modello [FILE] -o OUT.pdf\n"
    "                              stampa in PDF il modulo per l'acquisizione dei dati\n"
    "                              (non legge alcun file dati)\n"
    "  stampa --dati FILE -o OUT.pdf\n"
    "                              stampa in PDF i dati e i risultati del calcolo, con i\n"
    "                              risultati ricalcolati per ogni fondazione\n"
    "  stampa --frontespizio FILE -o OUT.pdf [--studio NOME] [--indirizzo INDIRIZZO]\n"
    "                              stampa in PDF i dati del frontespizio; lo studio tecnico\n"
    "                              viene da StudioZocal.TXT se non indicato\n"
    "  stampa --descrizione FILE -o OUT.pdf\n"
    "                              stampa in PDF la descrizione dei luoghi e del fabbricato\n";

namespace {

enum class Documento { modello, dati, frontespizio, descrizione };

struct Richiesta {
    std::optional<Documento> documento;
    std::optional<std::string> file;
    std::optional<std::string> uscita;
    std::optional<std::string> studio;
    std::optional<std::string> indirizzo;
    bool aiuto = false;
};

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

int erroreuso(const std::string& messaggio) {
    std::cerr << "zocal-cli: stampa: " << messaggio << "\n"
              << "Uso:\n"
              << usostampa;
    return 1;
}

// The argument after an option, or nullopt when it is missing.
std::optional<std::string> valore(int argc, char** argv, int& i) {
    if (i + 1 >= argc) {
        return std::nullopt;
    }
    return std::string(argv[++i]);
}

// An empty text when the command line is right, else why it is not.
std::string leggiriga(int argc, char** argv, Richiesta& r) {
    bool finopzioni = false;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        std::optional<Documento> documento;
        if (finopzioni) {
            if (r.file) {
                return "indicare un solo file dati (in più: " + a + ")";
            }
            r.file = a;
        } else if (a == "--") {
            finopzioni = true;
        } else if (a == "--help" || a == "-h") {
            r.aiuto = true;
            return {};
        } else if (a == "--modello") {
            documento = Documento::modello;
        } else if (a == "--dati") {
            documento = Documento::dati;
        } else if (a == "--frontespizio") {
            documento = Documento::frontespizio;
        } else if (a == "--descrizione") {
            documento = Documento::descrizione;
        } else if (a == "-o" || a == "--studio" || a == "--indirizzo") {
            auto v = valore(argc, argv, i);
            if (!v) {
                return "manca il valore dopo " + a;
            }
            auto& dove = a == "-o" ? r.uscita : a == "--studio" ? r.studio : r.indirizzo;
            if (dove) {
                return "l'opzione " + a + " è ripetuta";
            }
            dove = std::move(v);
        } else if (a.size() > 1 && a[0] == '-') {
            return "opzione sconosciuta: " + a;
        } else if (r.file) {
            return "indicare un solo file dati (in più: " + a + ")";
        } else {
            r.file = a;
        }
        if (documento) {
            if (r.documento) {
                return "indicare un solo documento tra --modello, --dati, --frontespizio e "
                       "--descrizione";
            }
            r.documento = documento;
        }
    }
    if (!r.documento) {
        return "indicare il documento: --modello, --dati, --frontespizio o --descrizione";
    }
    if (!r.uscita || r.uscita->empty()) {
        return "indicare il file PDF da scrivere con -o";
    }
    if (*r.documento != Documento::modello && !r.file) {
        return "indicare il file dati da stampare";
    }
    if ((r.studio || r.indirizzo) && *r.documento != Documento::frontespizio) {
        return "--studio e --indirizzo valgono solo con --frontespizio";
    }
    return {};
}

} // namespace

int stampadariga(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) != "stampa") {
        return erroreuso("comando non valido");
    }
    Richiesta r;
    if (const std::string errore = leggiriga(argc, argv, r); !errore.empty()) {
        return erroreuso(errore);
    }
    if (r.aiuto) {
        std::cout << "Uso:\n" << usostampa;
        return 0;
    }

    Lavoro lavoro;
    if (*r.documento != Documento::modello) {
        const EsitoLettura letto = aprilavoro(*r.file, lavoro);
        if (!letto.riuscita()) {
            std::cerr << "zocal-cli: " << *r.file << ": " << letto.errore << "\n";
            return 2;
        }
        if (const std::string avviso = letto.avviso(); !avviso.empty()) {
            std::cerr << "zocal-cli: " << *r.file << ": " << avviso << "\n";
        }
        if (const auto errore = sullavoro(*r.uscita, *r.file)) {
            std::cerr << "zocal-cli: " << *errore << "\n";
            return 2;
        }
    }

    // Fonts and the PDF printer need the Qt application object.
    const SilenzioQt silenzio;
    std::unique_ptr<QGuiApplication> applicazione;
    int qargc = 1;
    char* qargv[] = {argv[0], nullptr};
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        applicazione = std::make_unique<QGuiApplication>(qargc, qargv);
        QCoreApplication::setApplicationName(QStringLiteral("Zocal"));
    }

    SceltaPdf pdf(*r.uscita);
    EsitoStampa esito;
    switch (*r.documento) {
    case Documento::modello:
        esito = stampamodello(pdf);
        break;
    case Documento::dati:
        // As on loading a job: the counts from the entries, then every result.
        lavoro.dati.contadati();
        esito = stampadati(lavoro.dati, lavoro[Frontespizio::progetto], pdf);
        break;
    case Documento::frontespizio: {
        StudioTecnico studio = caricastudio(percorsistudio(
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString(),
            QCoreApplication::applicationDirPath().toStdString()));
        if (r.studio) {
            studio.nome = *r.studio;
        }
        if (r.indirizzo) {
            studio.indirizzo = *r.indirizzo;
        }
        esito = stampafrontespizio(lavoro.frontespizio, studio, pdf);
        break;
    }
    case Documento::descrizione:
        esito = stampadescrizione(lavoro.descrizione, lavoro[Frontespizio::progetto], pdf);
        break;
    }
    if (!esito.stampata()) {
        std::cerr << "zocal-cli: " << esito.errore << "\n";
        return 2;
    }
    return 0;
}

} // namespace zocal
