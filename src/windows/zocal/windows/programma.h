#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/dialoghi.h"
#include "zocal/report/composizione.h"
#include "zocal/windows/barra.h"
#include "zocal/windows/comandiarchivio.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMainWindow;
class QTimer;
class QWidget;

namespace zocal {

class FinestraLavoro;
class FinestreAiuto;
class LettoreMusica;
class SceltaStampante;
class Visore;
class calcolo;
class descrizione;
class frmSplash;
class frontespizio;
class statilimite;
class Recupero;
struct EsitoStampa;

// The whole program: the job's verification data, the start-up screen, the
// three working windows (each made on first use and kept for the run) with
// their shared bar, the archive commands, the printouts, the report and the
// exit. Every question and dialog goes through the interfaces it is given.
class Programma : public QObject, public SportelloLavoro {
    Q_OBJECT
  public:
    static constexpr const char* titolocolore = "Zocal: colore di sfondo";
    static constexpr const char* domandagrigio =
        "Colori uguali e riposanti (grigio) per tutte le finestre?";
    static constexpr const char* titolouscita =
        "Attenzione: i dati non archiviati andranno persi !";
    static constexpr const char* relazionemancata = "la relazione non è stata prodotta";
    static constexpr const char* titoloanteprimarelazione = "Zocal: anteprima della relazione";
    static constexpr const char* titoloanteprimavalidazione = "Zocal: documento di validazione";

    Programma(Dialoghi& dialoghi, SceltaStampante& stampante, LettoreMusica& lettore,
              Visore& visore, QObject* parent = nullptr);
    ~Programma() override;

    DatiCalcolo& dati() { return dati_; }
    ComandiArchivio& archivio() { return archivio_; }
    const std::string& filedati() const { return archivio_.filedati(); }
    unsigned ultimocolore() const { return ultimocolore_; }

    // The windows, made when first asked for (not shown).
    frmSplash* splash();
    calcolo* finestracalcolo();
    descrizione* finestradescrizione();
    frontespizio* finestrafrontespizio();
    // "Verifica agli stati limite (NTC 2018)", made when first asked for.
    statilimite* finestrantc();
    statilimite* finestrantcesistente() const { return statilimite_.get(); }
    // The job's choices for the limit-state check.
    const OpzioniNtc& opzionintc() const { return ntc_; }
    QMainWindow* finestra(int numero); // 1..3
    // Without making them: null when not made yet.
    QMainWindow* finestraesistente(int numero) const;
    const BarraComune* barra(int numero) const;
    // A help or information window opened so far, by name; null when not.
    QWidget* ausiliaria(const std::string& nome) const;

    // The technical office shown on the title page and signing the report.
    void impostastudio(const StudioTecnico& studio, const std::string& provenienza);
    const StudioTecnico& studio() const { return studio_; }

    // The help and information windows, in the order the exit closes them.
    static const std::vector<std::string>& nomiausiliarie();
    // Makes a help or information window by name (the maker keeps it);
    // without a maker those commands show nothing.
    using Fabbrica = std::function<QWidget*(const std::string& nome)>;
    void impostafabbrica(Fabbrica fabbrica) { fabbrica_ = std::move(fabbrica); }
    // Makes a window the parent of the message boxes and dialogs shown from
    // now on (the realizations of the dialog interfaces are the maker's).
    using Genitore = std::function<void(QWidget* finestra)>;
    void impostagenitore(Genitore genitore) { genitore_ = std::move(genitore); }

    std::optional<Messaggio> datiincompleti() override;
    Lavoro lavoro() override;
    void mostralavoro(const Lavoro& lavoro) override;

    // Whether the job differs from what was last saved, opened or begun.
    bool modificato() const;
    // Before a command leaves the job: with unsaved changes, asks whether
    // to save them. False when the user cancels or the save fails.
    bool chiedisalvataggio();
    // The recovery copy goes to this folder every minute while the job has
    // unsaved changes; the first calculation window offers to recover what
    // a run that did not end left there.
    void impostarecupero(const std::filesystem::path& cartella);
    // Writes the recovery copy now, when the job has changes it lacks.
    void salvarecupero();
    const Recupero* recupero() const { return recupero_.get(); }
    // The last job files opened or saved are kept in this file, listed under
    // "File" in every working window.
    void impostarecenti(const std::filesystem::path& file);
    const std::vector<std::string>& recenti() const { return recenti_; }
    // "Dati dello studio...": the office is written to this file and used at once.
    void impostafilestudio(const std::filesystem::path& file) { filestudio_ = file; }
    // Where "Documento di validazione" writes the document before opening it
    // (a temporary folder when not set).
    void impostafilevalidazione(const std::filesystem::path& file) { filevalidazione_ = file; }

  public slots:
    // The start-up screen with its music.
    void avvia();
    void mostracalcolo();
    // A job file to open once the calculation window first shows (the file
    // the program was started with, as a file manager does on a double click).
    // Its messages stand over the calculation window; once it is loaded the
    // start-up screen is gone and the first field has the focus.
    void impostafileiniziale(std::string percorso) { fileiniziale_ = std::move(percorso); }
    void mostradescrizione();
    void mostrafrontespizio();
    void mostrantc();
    // Window switching from window `da`: another window comes to the front;
    // the window itself asks whether its help page is wanted.
    void visualizza(int numero, int da);
    // The help page of a working window, at once.
    void guidafinestra(int numero);
    void mostraausiliaria(const std::string& nome);
    // The background colour command of a working window.
    void colore(int numero);
    // Asks, closes every window and shows the closing screen.
    void uscita();

    // An empty job, after asking for unsaved changes.
    void nuovo();
    // The titles follow the file name and the unsaved changes.
    void aggiornastato();
    void apri();
    // A job file chosen from the recent list or dropped on a window.
    void aprifile(const std::string& percorso);
    // Name and address of the technical office, asked in a small form.
    void datistudio();
    void salva();
    void salvanome();
    void elimina();

    // The printouts: the blank data sheet, the data and results, the
    // description page, the title-page data.
    void stampamodello();
    void stampadati();
    void stampadescrizione();
    void stampafrontespizio();
    // The full report of the title-page window.
    void relazione();
    // "Documento di validazione": the cases computed now, the document saved
    // and opened, or shown in the program's own preview over `genitore`.
    void validazione(QWidget* genitore = nullptr);

  signals:
    // Every text the report command puts in the title page's status line.
    void statorelazione(const QString& testo);

  protected:
    // A working window closed with its close box, the last one showing,
    // brings the start-up screen back, so the program never ends unasked.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    // The shared bar and the requests every working window makes.
    void preparafinestra(FinestraLavoro& w, ComandiFinestra comandi);
    void porta(QMainWindow* w);
    void esitostampa(const EsitoStampa& esito);
    // The job as it stands, without making a window: one not made yet holds
    // what it starts with.
    Lavoro lavoroattuale() const;
    // The job's file bytes, which tell whether it changed.
    std::string firma() const;
    // The job as it stands is saved: no changes, no recovery copy.
    void segnasalvato();
    // Offers, once, the copy a run that did not end left behind.
    void offrirecupero();
    // The current file goes to the top of the recent list.
    void aggiornarecenti();
    void mostrarecenti();
    void passorelazione(const char* testo);

    Dialoghi& dialoghi_;
    SceltaStampante& stampante_;
    LettoreMusica& lettore_;
    Visore& visore_;
    DatiCalcolo dati_;
    OpzioniNtc ntc_;
    ComandiArchivio archivio_;
    unsigned ultimocolore_ = 0;
    StudioTecnico studio_;
    std::string provenienzastudio_;
    Fabbrica fabbrica_;
    Genitore genitore_;
    std::string fileiniziale_;
    std::string firma_;         // of the job as last saved, opened or begun
    std::string firmarinuncia_; // of the job whose changes the user gave up
    std::string firmarecupero_; // of the job in the recovery copy
    std::unique_ptr<Recupero> recupero_;
    QTimer* timerrecupero_ = nullptr;
    bool recuperoofferto_ = false;
    std::filesystem::path filerecenti_;
    std::vector<std::string> recenti_;
    std::filesystem::path filestudio_;
    std::filesystem::path filevalidazione_;

    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<calcolo> calcolo_;
    std::unique_ptr<descrizione> descrizione_;
    std::unique_ptr<frontespizio> frontespizio_;
    std::unique_ptr<statilimite> statilimite_;
    std::array<BarraComune, 4> barre_{};
    std::map<std::string, QPointer<QWidget>> ausiliarie_;
};

// The program's name for the desktop. No display name is set: the platform
// would append it to every window and message-box title, which must read
// exactly as the program writes them.
void identitaapplicazione();

// The help windows shown and closed with the program's other windows, and
// the exit of the help contents window running the program's exit.
void collegaaiuto(Programma& programma, FinestreAiuto& aiuto);

} // namespace zocal
