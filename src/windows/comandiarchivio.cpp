#include "zocal/windows/comandiarchivio.h"

#include "zocal/archive/archivio.h"
#include "zocal/core/domande.h"
#include "zocal/core/modzocal.h"

#include <filesystem>
#include <system_error>

namespace zocal {

namespace {

// Whether two paths name the same file (a link, a relative path); false
// when either does not exist.
bool stessofile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    std::error_code ec;
    const bool uguali = std::filesystem::equivalent(a, b, ec);
    return !ec && uguali;
}

} // namespace

ComandiArchivio::ComandiArchivio(Dialoghi& dialoghi, SportelloLavoro& sportello)
    : dialoghi_(dialoghi), sportello_(sportello) {}

void ComandiArchivio::errore(const std::string& testo) {
    dialoghi_.avvisa({testo, Icona::stop, modzocal().titolocontrollo});
}

bool ComandiArchivio::salva_Click() {
    return salvadati(false);
}

bool ComandiArchivio::salvanome_Click() {
    return salvadati(true);
}

bool ComandiArchivio::salvadati(bool chiedinome) {
    // Half a job typed is kept too; what it lacks is told once it is saved.
    const std::optional<Messaggio> incompleto = sportello_.datiincompleti();
    std::string percorso = chiedinome ? std::string() : filedati_;
    if (percorso.empty()) {
        const auto scelto = dialoghi_.salvaFile({titolosalva, nomedialogo_, filtrosalva, 1});
        if (!scelto || scelto->empty()) {
            return false;
        }
        nomedialogo_ = *scelto;
        // Another job's file is replaced only when the user says so.
        std::error_code ec;
        if (std::filesystem::exists(*scelto, ec) && !stessofile(*scelto, filedati_) &&
            dialoghi_.chiedi(domandasostituisci(*scelto, modzocal()), true) != Risposta::si) {
            return false;
        }
        percorso = *scelto;
    }
    const EsitoSalvataggio esito = salvalavoro(percorso, sportello_.lavoro());
    if (!esito.riuscito()) {
        errore(esito.errore);
        return false;
    }
    filedati_ = percorso;
    if (!esito.sostituzioni.nessuna()) {
        dialoghi_.avvisa(
            {esito.sostituzioni.avviso(), Icona::esclamazione, modzocal().titolocontrollo});
    }
    if (incompleto) {
        dialoghi_.avvisa({std::string(salvatoincompleto) + "\r" + incompleto->testo,
                          Icona::esclamazione, modzocal().titolocontrollo});
    }
    return true;
}

bool ComandiArchivio::apri_Click() {
    const auto scelto = dialoghi_.apriFile({titoloapri, "", filtroapri, 2});
    if (!scelto || scelto->empty()) {
        return false;
    }
    nomedialogo_ = *scelto;
    return apri(*scelto);
}

bool ComandiArchivio::apri(const std::string& percorso) {
    // The job as it stands is the base: parts the file lacks keep their texts.
    Lavoro lavoro = sportello_.lavoro();
    const EsitoLettura esito = aprilavoro(percorso, lavoro);
    if (!esito.riuscita()) {
        // The job in memory and the current file stay: saving now must not
        // overwrite the file that could not be read.
        errore(esito.errore);
        return false;
    }
    sportello_.mostralavoro(lavoro);
    filedati_ = percorso;
    if (const std::string avviso = esito.avviso(); !avviso.empty()) {
        dialoghi_.avvisa({avviso, Icona::esclamazione, modzocal().titolocontrollo});
    }
    return true;
}

bool ComandiArchivio::eliminare_click() {
    const auto scelto =
        dialoghi_.apriFile({modzocal().titoloelimina, nomedialogo_, filtroelimina, 2});
    if (!scelto || scelto->empty()) {
        return false;
    }
    nomedialogo_ = *scelto;
    const std::filesystem::path file = *scelto;
    std::error_code ec;
    const auto stato = std::filesystem::symlink_status(file, ec);
    if (ec || !std::filesystem::exists(stato)) {
        errore("Impossibile eliminare il file " + *scelto + ": file inesistente");
        return false;
    }
    if (std::filesystem::is_directory(stato)) {
        errore("Impossibile eliminare " + *scelto + ": è una cartella, non un file");
        return false;
    }
    if (dialoghi_.chiedi(domandaelimina(*scelto, stessofile(*scelto, filedati_), modzocal()),
                         true) != Risposta::si) {
        return false;
    }
    if (!std::filesystem::remove(file, ec) || ec) {
        errore("Impossibile eliminare il file " + *scelto + ": " +
               (ec ? descrivierrore(ec.value()) : std::string("file inesistente")));
        return false;
    }
    return true;
}

} // namespace zocal
