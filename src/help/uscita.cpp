#include "zocal/help/uscita.h"

#include "zocal/core/modzocal.h"
#include "zocal/report/documento.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <exception>

namespace zocal {

UscitaDocumentiQt::UscitaDocumentiQt(Apri apri, Anteprima anteprima)
    : apri_(apri ? std::move(apri) : Apri(apridocumento)), anteprima_(std::move(anteprima)) {}

std::unique_ptr<ScrittoreRelazione> UscitaDocumentiQt::nuovo() {
    return std::make_unique<ScrittoreDocumento>();
}

std::string UscitaDocumentiQt::provvisorio(const std::string& nome) {
    // A fresh private folder each time, left in place: the user's
    // application reads the file after we return, and may save it again.
    QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (base.isEmpty()) {
        base = QDir::tempPath();
    }
    QTemporaryDir cartella(base + QStringLiteral("/Zocal-XXXXXX"));
    if (!cartella.isValid()) {
        return {};
    }
    cartella.setAutoRemove(false);
    return (cartella.path() + QLatin1Char('/') + QString::fromStdString(nome)).toStdString();
}

std::string titoloanteprima(const std::string& cosa) {
    return modzocal().nomeprogramma + ": anteprima - " + cosa;
}

bool UscitaDocumentiQt::mostra(std::unique_ptr<ScrittoreRelazione> documento,
                               const std::string& percorso, QWidget* genitore,
                               const std::string& titolo) {
    if (apri_(percorso)) {
        return true;
    }
    auto* proprio = dynamic_cast<ScrittoreDocumento*>(documento.get());
    if (proprio == nullptr || !anteprima_) {
        return false;
    }
    documento.release();
    anteprima_(std::unique_ptr<ScrittoreDocumento>(proprio), genitore, titolo);
    return true;
}

bool pubblica(UscitaDocumenti& uscita, Dialoghi& dialoghi, QWidget* genitore,
              const std::string& percorso, const std::string& cosa,
              const std::function<void(ScrittoreRelazione&)>& scrivi) {
    const std::string titolo = modzocal().titoloaiuto;
    if (percorso.empty()) {
        dialoghi.avvisa({"Impossibile preparare il documento: non c'è una cartella in cui "
                         "scriverlo.",
                         Icona::stop, titolo});
        return false;
    }
    std::unique_ptr<ScrittoreRelazione> documento = uscita.nuovo();
    std::optional<std::string> errore;
    try {
        scrivi(*documento);
        errore = documento->salvacome(percorso);
    } catch (const std::exception& e) {
        errore = std::string("Impossibile produrre il documento ") + percorso + ": " + e.what();
    }
    if (errore) {
        dialoghi.avvisa({*errore, Icona::stop, titolo});
        return false;
    }
    if (!uscita.mostra(std::move(documento), percorso, genitore, titoloanteprima(cosa))) {
        dialoghi.avvisa({"Il documento è stato salvato in " + percorso +
                             ", ma nessun programma del sistema è in grado di aprirlo.",
                         Icona::informazione, titolo});
    }
    return true;
}

} // namespace zocal
