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
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QMainWindow;
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
struct EsitoStampa;

// The whole program: the job's verification data, the start-up screen, the
// three working windows (each made on first use and kept for the run) with
// their shared bar, the archive commands, the printouts, the report and the
// exit. Every question and dialog goes through the interfaces it is given.
class Programma : public QObject, public SportelloLavoro {
    Q_OBJECT
  public:
    static constexpr const char* titolocolore = "Rivolo: colore di sfondo";
    static constexpr const char* domandagrigio =
        "Colori uguali e riposanti (grigio) per tutte le finestre?";
    static constexpr const char* titolouscita =
        "Attenzione: i dati non archiviati andranno persi !";
    static constexpr const char* relazionemancata = "la relazione non è stata prodotta";
    static constexpr const char* titoloanteprimarelazione = "Zocal: anteprima della relazione";

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

    bool datiaccettati() override;
    Lavoro lavoro() override;
    void mostralavoro(const Lavoro& lavoro) override;

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

    void apri();
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
