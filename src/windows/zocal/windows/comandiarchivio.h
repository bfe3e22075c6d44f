#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/core/lavoro.h"

#include <optional>
#include <string>

namespace zocal {

// What the archive commands need of the program: the job as the windows hold it.
class SportelloLavoro {
  public:
    virtual ~SportelloLavoro() = default;
    // The calculation window's data check, shown to no one: the message
    // telling what the job still lacks, nullopt when it is complete.
    virtual std::optional<Messaggio> datiincompleti() = 0;
    // The whole job as the windows hold it; a window not opened yet is
    // created for it, not shown.
    virtual Lavoro lavoro() = 0;
    // Puts a job read from a file into the windows, as if it were typed.
    virtual void mostralavoro(const Lavoro& lavoro) = 0;
};

// Open, save, save as and delete, the same from every working window: one
// current file and one file dialog for the whole program. A save never
// destroys the previous file; a fault is told in Italian and leaves the job
// and the current file as they were.
class ComandiArchivio {
  public:
    static constexpr const char* titolosalva = "Salva file con nome";
    static constexpr const char* filtrosalva = "File Zocal-dati- | Zocal-dati-*";
    static constexpr const char* titoloapri = "Apri file";
    static constexpr const char* filtroapri =
        "Tutti i file (*.*) | *.*|File Zocal-dati- | Zocal-dati-*";
    static constexpr const char* filtroelimina =
        "Tutti i file (*.*)|*.*|File Zocal-dati- | Zocal-dati-*";
    // The name the dialog starts with, for the user to complete.
    static constexpr const char* nomeiniziale = "Zocal-dati-";

    ComandiArchivio(Dialoghi& dialoghi, SportelloLavoro& sportello);

    // Full path of the current job file; empty when there is none.
    const std::string& filedati() const { return filedati_; }
    // The name the file dialog holds: the last one chosen in it.
    const std::string& nomedialogo() const { return nomedialogo_; }

    static constexpr const char* salvatoincompleto = "Il lavoro è stato salvato, ma è incompleto:";

    // Each returns true when it did its work.
    // Saves to the current file, asking for a name only when there is none.
    // An incomplete job is saved too, its empty cells as they are, and the
    // user is told what it lacks.
    bool salva_Click();
    // Always asks for a name. A chosen file that exists and is not the
    // job's own is replaced only when the user confirms.
    bool salvanome_Click();
    // Replaces the job with a file's contents.
    bool apri_Click();
    // The same for a file already chosen (the one the program was started with).
    bool apri(const std::string& percorso);
    // Deletes a chosen file once the user confirms; the job and the current
    // file stay.
    bool eliminare_click();
    // A new job has no file yet.
    void nuovo() { filedati_.clear(); }
    // A job recovered after a crash belongs to the file it was typed for.
    void impostafiledati(std::string percorso) { filedati_ = std::move(percorso); }

  private:
    bool salvadati(bool chiedinome);
    void errore(const std::string& testo);

    Dialoghi& dialoghi_;
    SportelloLavoro& sportello_;
    std::string filedati_;
    std::string nomedialogo_ = nomeiniziale;
};

} // namespace zocal
