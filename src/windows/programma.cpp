#include "zocal/windows/programma.h"

#include "campitesto.h"
#include "zocal/archive/archivio.h"
#include "zocal/archive/recupero.h"
#include "zocal/archive/studio.h"
#include "zocal/core/domande.h"
#include "zocal/core/guida.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/finestreaiuto.h"
#include "zocal/printouts/documenti.h"
#include "zocal/report/documento.h"
#include "zocal/report/percorsi.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/descrizione.h"
#include "zocal/windows/frontespizio.h"
#include "zocal/windows/lettore.h"
#include "zocal/windows/splash.h"
#include "zocal/windows/statilimite.h"
#include "zocal/windows/visore.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

namespace zocal {

namespace {

constexpr const char* guidefinestre[] = {"", "guidacalcolo", "guidadescrizione",
                                         "guidafrontespizio"};
constexpr const char* nomifinestre[] = {"", "Calcolo", "Descrizione", "Frontespizio"};
// A crash loses at most a minute of typing.
constexpr int intervallorecupero = 60 * 1000;

QAction* azione(QMainWindow& w, const char* testo) {
    return new QAction(QString::fromUtf8(testo), &w);
}

} // namespace

Programma::Programma(Dialoghi& dialoghi, SceltaStampante& stampante, LettoreMusica& lettore,
                     Visore& visore, QObject* parent)
    : QObject(parent), dialoghi_(dialoghi), stampante_(stampante), lettore_(lettore),
      visore_(visore), archivio_(dialoghi, *this) {
    modzocal().inizializza();
    firma_ = firma();
    timerrecupero_ = new QTimer(this);
    timerrecupero_->setInterval(intervallorecupero);
    connect(timerrecupero_, &QTimer::timeout, this, &Programma::salvarecupero);
}

// The help windows belong to their maker.
Programma::~Programma() = default;

const std::vector<std::string>& Programma::nomiausiliarie() {
    return FinestreAiuto::nomi();
}

frmSplash* Programma::splash() {
    if (!splash_) {
        splash_ = std::make_unique<frmSplash>(lettore_);
        connect(splash_.get(), &frmSplash::clic, this, &Programma::mostracalcolo);
        // The key that ends the program asks first for unsaved changes.
        splash_->impostaconferma([this] {
            if (firma() != firmarinuncia_ && !chiedisalvataggio()) {
                return false;
            }
            if (recupero_) {
                recupero_->rimuovi();
            }
            return true;
        });
        connect(splash_.get(), &frmSplash::tasto, this, [this] {
            if (QWidget* prodotti = ausiliaria("prodotti")) {
                prodotti->close();
            }
        });
    }
    return splash_.get();
}

calcolo* Programma::finestracalcolo() {
    if (!calcolo_) {
        calcolo_ = std::make_unique<calcolo>(dati_, dialoghi_);
        calcolo& w = *calcolo_;
        QAction* modello = azione(w, "&Modello acquisizione dati");
        QAction* listato = azione(w, "&Dati finestra");
        connect(modello, &QAction::triggered, this, &Programma::stampamodello);
        connect(listato, &QAction::triggered, this, &Programma::stampadati);
        ComandiFinestra comandi;
        comandi.stampe = {modello, listato};
        comandi.stampabarra = listato;
        comandi.esci = QStringLiteral("Es&ci");
        preparafinestra(w, comandi);
        connect(&w, &calcolo::avantiRichiesto, this, &Programma::mostradescrizione);
        w.impostaopzionintc(ntc_);
        // Every trace of the job goes with its data: the limit-state choices too.
        connect(&w, &calcolo::datiCancellati, this, [this] {
            ntc_ = OpzioniNtc{};
            if (statilimite_) {
                statilimite_->mostraopzioni();
            }
        });
    }
    return calcolo_.get();
}

descrizione* Programma::finestradescrizione() {
    if (!descrizione_) {
        descrizione_ = std::make_unique<descrizione>(dialoghi_);
        descrizione& w = *descrizione_;
        QAction* stampa = azione(w, "S&tampa");
        connect(stampa, &QAction::triggered, this, &Programma::stampadescrizione);
        ComandiFinestra comandi;
        comandi.stampe = {stampa};
        comandi.stampabarra = stampa;
        comandi.esci = QStringLiteral("Es&ci");
        preparafinestra(w, comandi);
        connect(&w, &descrizione::indietroRichiesto, this, &Programma::mostracalcolo);
        connect(&w, &descrizione::avantiRichiesto, this, &Programma::mostrafrontespizio);
    }
    return descrizione_.get();
}

frontespizio* Programma::finestrafrontespizio() {
    if (!frontespizio_) {
        frontespizio_ = std::make_unique<frontespizio>(dialoghi_);
        frontespizio& w = *frontespizio_;
        w.impostastudio(studio_.nome, studio_.indirizzo, provenienzastudio_);
        QAction* solodati = azione(w, "&Dati finestra");
        QAction* stampatutto = azione(w, "&Stampa completa");
        connect(solodati, &QAction::triggered, this, &Programma::stampafrontespizio);
        connect(stampatutto, &QAction::triggered, this, &Programma::relazione);
        ComandiFinestra comandi;
        comandi.stampe = {solodati, stampatutto};
        // The toolbar's print button gives the full report, not the one page.
        comandi.stampabarra = stampatutto;
        comandi.esci = QStringLiteral("&Esci");
        preparafinestra(w, comandi);
        connect(&w, &frontespizio::stampaRichiesta, this, &Programma::relazione);
    }
    return frontespizio_.get();
}

statilimite* Programma::finestrantc() {
    if (!statilimite_) {
        calcolo* c = finestracalcolo();
        statilimite_ = std::make_unique<statilimite>(dati_, ntc_);
        statilimite* w = statilimite_.get();
        // Every change in the calculation window reaches the open window at once.
        connect(c, &calcolo::risultatiCambiati, w, [c, w] { w->aggiorna(c->fondcorrente()); });
        connect(w, &statilimite::opzioniCambiate, c, &calcolo::aggiornantc);
        connect(w, &statilimite::opzioniCambiate, this, &Programma::aggiornastato);
        connect(w, &statilimite::guidaRichiesta, this, [this] { mostraausiliaria("guidantc"); });
    }
    return statilimite_.get();
}

void Programma::mostrantc() {
    statilimite* w = finestrantc();
    w->aggiorna(std::max(finestracalcolo()->fondcorrente(), 1));
    if (!w->isVisible()) {
        // Beside the calculation window, whose fields it follows.
        campitesto::accosta(*w, calcolo_.get());
    }
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

QMainWindow* Programma::finestra(int numero) {
    switch (numero) {
    case 1:
        return finestracalcolo();
    case 2:
        return finestradescrizione();
    case 3:
        return finestrafrontespizio();
    default:
        return nullptr;
    }
}

QMainWindow* Programma::finestraesistente(int numero) const {
    switch (numero) {
    case 1:
        return calcolo_.get();
    case 2:
        return descrizione_.get();
    case 3:
        return frontespizio_.get();
    default:
        return nullptr;
    }
}

const BarraComune* Programma::barra(int numero) const {
    if (numero < 1 || numero > 3 || finestraesistente(numero) == nullptr) {
        return nullptr;
    }
    return &barre_[static_cast<std::size_t>(numero)];
}

QWidget* Programma::ausiliaria(const std::string& nome) const {
    const auto i = ausiliarie_.find(nome);
    return i == ausiliarie_.end() ? nullptr : i->second.data();
}

void Programma::preparafinestra(FinestraLavoro& w, ComandiFinestra comandi) {
    const int numero = w.numero();
    comandi.numero = numero;
    comandi.controlla = w.azionecontrolla;
    comandi.cancella = w.azionecancella;
    BarraComune b = installabarra(w, comandi);
    w.installEventFilter(this);
    connect(&w, &FinestraLavoro::guidainlineaRichiesta, this,
            [this] { mostraausiliaria("sommario"); });
    connect(&w, &FinestraLavoro::uscitaRichiesta, this, &Programma::uscita);
    connect(&w, &FinestraLavoro::datiCambiati, this, &Programma::aggiornastato);
    connect(b.nuovo, &QAction::triggered, this, &Programma::nuovo);
    connect(b.studio, &QAction::triggered, this, &Programma::datistudio);
    connect(&w, &FinestraLavoro::fileTrascinato, this, &Programma::aprifile);
    for (std::size_t k = 0; k < b.recenti.size(); ++k) {
        connect(b.recenti[k], &QAction::triggered, this, [this, k] {
            if (k < recenti_.size()) {
                aprifile(recenti_[k]);
            }
        });
    }
    connect(b.apri, &QAction::triggered, this, &Programma::apri);
    connect(b.salva, &QAction::triggered, this, &Programma::salva);
    connect(b.salvanome, &QAction::triggered, this, &Programma::salvanome);
    connect(b.elimina, &QAction::triggered, this, &Programma::elimina);
    connect(b.esci, &QAction::triggered, this, &Programma::uscita);
    connect(b.colore, &QAction::triggered, this, [this, numero] { colore(numero); });
    for (int k = 1; k <= 3; ++k) {
        connect(b.finestre[static_cast<std::size_t>(k)], &QAction::triggered, this,
                [this, k, numero] { visualizza(k, numero); });
    }
    connect(b.guida, &QAction::triggered, this, [this] { mostraausiliaria("sommario"); });
    connect(b.suggerimenti, &QAction::triggered, this, [this] { mostraausiliaria("frmTip"); });
    connect(b.validazione, &QAction::triggered, this,
            [this, numero] { validazione(finestraesistente(numero)); });
    connect(b.supporto, &QAction::triggered, this, [this] { mostraausiliaria("supportoclienti"); });
    connect(b.informazioni, &QAction::triggered, this, [this] { mostraausiliaria("informa"); });
    connect(b.finestra, &QAction::triggered, this, [this, numero] { guidafinestra(numero); });
    connect(b.ntc, &QAction::triggered, this, &Programma::mostrantc);
    barre_[static_cast<std::size_t>(numero)] = b;
    mostrarecenti();
    // The three working windows start light grey.
    impostasfondo(w, grigiochiaro);
    w.impostastato(filedati(), modificato());
}

void Programma::impostastudio(const StudioTecnico& studio, const std::string& provenienza) {
    studio_ = studio;
    provenienzastudio_ = provenienza;
    if (frontespizio_) {
        frontespizio_->impostastudio(studio_.nome, studio_.indirizzo, provenienzastudio_);
    }
}

void Programma::porta(QMainWindow* w) {
    if (w == nullptr) {
        return;
    }
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

void Programma::avvia() {
    frmSplash* s = splash();
    s->show();
    s->raise();
    s->activateWindow();
    s->setFocus();
}

void Programma::mostracalcolo() {
    calcolo* c = finestracalcolo();
    porta(c);
    if (!recuperoofferto_) {
        recuperoofferto_ = true;
        if (genitore_) {
            genitore_(c);
        }
        offrirecupero();
    }
    if (!fileiniziale_.empty()) {
        const std::string percorso = std::exchange(fileiniziale_, {});
        // The start-up screen still has the focus: a box over it would hand
        // the focus back to it, and the user's next key would end the program.
        if (genitore_) {
            genitore_(c);
        }
        if (archivio_.apri(percorso)) {
            segnasalvato();
        }
        if (splash_) {
            splash_->hide();
        }
        porta(c);
        c->prof->setFocus(Qt::OtherFocusReason);
    }
}

bool Programma::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Close && (!splash_ || !splash_->isVisible())) {
        bool altre = false;
        for (int k = 1; k <= 3; ++k) {
            const QMainWindow* w = finestraesistente(k);
            altre = altre || (w != nullptr && w != oggetto && w->isVisible());
        }
        if (!altre) {
            // The last window closing leads to the end: unsaved changes are asked for.
            if (!chiedisalvataggio()) {
                evento->ignore();
                return true;
            }
            firmarinuncia_ = firma();
            splash()->mostrachiusura();
            splash()->show();
        }
    }
    return QObject::eventFilter(oggetto, evento);
}

void Programma::mostradescrizione() {
    porta(finestradescrizione());
}

void Programma::mostrafrontespizio() {
    porta(finestrafrontespizio());
}

void Programma::visualizza(int numero, int da) {
    if (numero < 1 || numero > 3) {
        return;
    }
    if (numero != da) {
        porta(finestra(numero));
        return;
    }
    const std::string domanda = std::string("E' questa la finestra '") + nomifinestre[numero] +
                                "': si vuole la guida della finestra?";
    if (dialoghi_.chiedi({domanda, Icona::domanda, modzocal().titoloaiuto}, false) !=
        Risposta::no) {
        guidafinestra(numero);
    }
}

void Programma::guidafinestra(int numero) {
    if (numero >= 1 && numero <= 3) {
        mostraausiliaria(guidefinestre[numero]);
    }
}

void Programma::mostraausiliaria(const std::string& nome) {
    QPointer<QWidget>& w = ausiliarie_[nome];
    if (w.isNull() && fabbrica_) {
        w = fabbrica_(nome);
    }
    if (w != nullptr) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void Programma::colore(int numero) {
    QMainWindow* w = finestra(numero);
    if (w == nullptr) {
        return;
    }
    if (numero == 1 && sfondo(*w) != grigiochiaro) {
        if (dialoghi_.chiedi({domandagrigio, Icona::domanda, titolocolore}, false) ==
            Risposta::si) {
            for (int k = 1; k <= 3; ++k) {
                impostasfondo(*finestra(k), grigiochiaro);
            }
            return;
        }
    }
    const auto scelto = dialoghi_.scegliColore(sfondo(*w));
    if (!scelto) {
        return;
    }
    ultimocolore_ = *scelto & 0xFFFFFFu;
    impostasfondo(*w, ultimocolore_);
}

void Programma::uscita() {
    const ModZocal& mod = modzocal();
    const Messaggio domanda{"Vuoi uscire da " + mod.nomeprogramma + "?", Icona::domanda,
                            titolouscita};
    // With unsaved changes the one question offers to save them.
    if (modificato() ? !chiedisalvataggio() : dialoghi_.chiedi(domanda, true) != Risposta::si) {
        return;
    }
    firmarinuncia_ = firma();
    if (recupero_) {
        recupero_->rimuovi();
    }
    // The closing screen comes up first, so the program never finds itself
    // without a window (which would end it) while the others close.
    frmSplash* s = splash();
    s->mostrachiusura();
    s->show();
    s->raise();
    for (int k = 1; k <= 3; ++k) {
        if (QMainWindow* w = finestraesistente(k)) {
            w->close();
        }
    }
    if (statilimite_) {
        statilimite_->close();
    }
    for (const std::string& nome : nomiausiliarie()) {
        if (QWidget* w = ausiliaria(nome)) {
            w->close();
        }
    }
    // The job stays in memory: a click on the closing screen brings it back.
    lettore_.suona();
    s->activateWindow();
    s->setFocus();
}

std::optional<Messaggio> Programma::datiincompleti() {
    int silenzioso = 1;
    return zocal::controlla(dati_, silenzioso, modzocal());
}

Lavoro Programma::lavoroattuale() const {
    Lavoro l;
    l.dati = dati_;
    l.ntc = ntc_;
    if (descrizione_) {
        l.descrizione = descrizione_->testi();
    }
    if (frontespizio_) {
        l.frontespizio = frontespizio_->testi();
    } else {
        l[Frontespizio::data] = frontespizio::datainchiaro(QDate::currentDate()).toStdString();
    }
    return l;
}

std::string Programma::firma() const {
    EsitoScrittura e = scrivilavoro(lavoroattuale());
    // A job that cannot be written differs from every file.
    return e.riuscita() ? std::move(e.byte) : "\n" + e.errore;
}

bool Programma::modificato() const {
    return firma() != firma_;
}

void Programma::aggiornastato() {
    const bool cambiato = modificato();
    for (int k = 1; k <= 3; ++k) {
        if (auto* w = static_cast<FinestraLavoro*>(finestraesistente(k))) {
            w->impostastato(filedati(), cambiato);
        }
    }
    if (timerrecupero_ && recupero_ && cambiato && !timerrecupero_->isActive()) {
        timerrecupero_->start();
    }
}

void Programma::segnasalvato() {
    aggiornarecenti();
    firma_ = firma();
    firmarinuncia_.clear();
    firmarecupero_.clear();
    if (recupero_) {
        recupero_->rimuovi();
    }
    aggiornastato();
}

bool Programma::chiedisalvataggio() {
    if (!modificato()) {
        return true;
    }
    switch (dialoghi_.chiediannulla(domandamodifiche(filedati()))) {
    case Risposta::si:
        if (!archivio_.salva_Click()) {
            return false;
        }
        segnasalvato();
        return true;
    case Risposta::no:
        return true;
    default:
        return false;
    }
}

void Programma::impostarecupero(const std::filesystem::path& cartella) {
    recupero_ =
        std::make_unique<Recupero>(cartella, static_cast<long>(QCoreApplication::applicationPid()));
}

void Programma::salvarecupero() {
    if (!recupero_) {
        return;
    }
    const std::string attuale = firma();
    if (attuale == firma_) {
        timerrecupero_->stop();
        return;
    }
    if (attuale == firmarecupero_ || attuale.front() == '\n') {
        return;
    }
    // A failed copy is tried again at the next tick; the user's work is
    // never interrupted for it.
    if (!recupero_->scrivi(attuale, filedati())) {
        firmarecupero_ = attuale;
    }
}

void Programma::offrirecupero() {
    if (!recupero_) {
        return;
    }
    const auto avanzo = recupero_->avanzo();
    if (!avanzo) {
        return;
    }
    const std::string nome =
        avanzo->filedati.empty() ? "un lavoro mai salvato" : "il file " + avanzo->filedati;
    const Messaggio domanda{"Zocal non è stato chiuso correttamente: è rimasta una copia delle "
                            "modifiche non salvate (" +
                                nome + ").\rRecuperarla?",
                            Icona::domanda, modzocal().titolocontrollo};
    if (dialoghi_.chiedi(domanda, false) == Risposta::si) {
        Lavoro l = lavoro();
        const EsitoLettura esito = aprilavoro(avanzo->file, l);
        if (!esito.riuscita()) {
            dialoghi_.avvisa({esito.errore, Icona::stop, modzocal().titolocontrollo});
            return; // the copy stays for another try
        }
        mostralavoro(l);
        archivio_.impostafiledati(avanzo->filedati);
        // Recovered, not saved: the changes show until the user saves them.
        firma_.clear();
        fileiniziale_.clear();
        aggiornastato();
        salvarecupero();
    }
    Recupero::scarta(*avanzo);
}

Lavoro Programma::lavoro() {
    Lavoro l;
    l.dati = dati_;
    l.descrizione = finestradescrizione()->testi();
    l.frontespizio = finestrafrontespizio()->testi();
    l.ntc = ntc_;
    return l;
}

void Programma::mostralavoro(const Lavoro& l) {
    calcolo* c = finestracalcolo();
    c->cancella_click();
    dati_ = l.dati;
    ntc_ = l.ntc;
    if (statilimite_) {
        statilimite_->mostraopzioni();
    }
    // The soil fields as typed: each stores its text and recalculates.
    c->Combo1->setEditText(QString::fromStdString(dati_.tiposuolo.testo()));
    c->pesos->setText(QString::fromStdString(dati_.pesos.testo()));
    c->coes->setText(QString::fromStdString(dati_.coes.testo()));
    c->attr->setText(QString::fromStdString(dati_.attr.testo()));
    finestradescrizione()->impostatesti(l.descrizione);
    finestrafrontespizio()->impostatesti(l.frontespizio);
    // The grid from storey 1, then the foundation the scroll bar selects.
    c->VScroll1_Change();
    c->HScroll1_Change();
    // Every foundation's results, not only the shown one's: a sigma the
    // calculation fills would otherwise look missing to the check before
    // the next save. The window ends on the foundation it showed.
    const int mostrata = c->fondcorrente();
    if (dati_.nfond > 0) {
        c->aggiornarisultati();
        c->mostrafondazione(mostrata);
    }
}

void Programma::impostarecenti(const std::filesystem::path& file) {
    filerecenti_ = file;
    recenti_ = leggirecenti(file);
    mostrarecenti();
}

void Programma::aggiornarecenti() {
    if (filedati().empty()) {
        return;
    }
    const auto nuovi = conrecente(recenti_, filedati());
    if (nuovi == recenti_) {
        return;
    }
    recenti_ = nuovi;
    // The list is a convenience: a fault writing it bothers no one.
    if (!filerecenti_.empty()) {
        salvarecenti(filerecenti_, recenti_);
    }
    mostrarecenti();
}

void Programma::mostrarecenti() {
    for (const BarraComune& b : barre_) {
        for (std::size_t k = 0; k < b.recenti.size(); ++k) {
            QAction* a = b.recenti[k];
            if (a == nullptr) {
                continue;
            }
            a->setVisible(k < recenti_.size());
            if (k < recenti_.size()) {
                const QString percorso = QString::fromStdString(recenti_[k]);
                a->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(
                    percorso.section(QLatin1Char('/'), -1)
                        .replace(QLatin1Char('&'), QStringLiteral("&&"))));
                a->setToolTip(percorso);
            }
        }
    }
}

void Programma::aprifile(const std::string& percorso) {
    if (chiedisalvataggio() && archivio_.apri(percorso)) {
        segnasalvato();
    }
}

void Programma::datistudio() {
    const Dialoghi::Modulo modulo{"Zocal: dati dello studio",
                                  {"Nome dello studio:", "Indirizzo:"},
                                  {studio_.nome, studio_.indirizzo}};
    const auto scelti = dialoghi_.compila(modulo);
    if (!scelti) {
        return;
    }
    const StudioTecnico studio{(*scelti)[0], (*scelti)[1]};
    std::filesystem::path file = filestudio_;
    if (file.empty()) {
        file = cartellaconfigurazione() / filestudiotecnico;
    }
    if (const auto errore = salvastudio(file, studio)) {
        dialoghi_.avvisa({*errore, Icona::stop, modzocal().titolocontrollo});
        return;
    }
    // What the file now holds, as the next start will read it.
    impostastudio(studiodatesto(testostudio(studio)), file.string());
}

void Programma::apri() {
    if (chiedisalvataggio() && archivio_.apri_Click()) {
        segnasalvato();
    }
}

void Programma::nuovo() {
    if (!chiedisalvataggio()) {
        return;
    }
    calcolo* c = finestracalcolo();
    c->cancella_click();
    c->mostrafondazione(1);
    if (descrizione_) {
        descrizione_->impostatesti({});
    }
    if (frontespizio_) {
        DatiFrontespizio testi;
        testi[static_cast<std::size_t>(Frontespizio::data)] =
            frontespizio::datainchiaro(QDate::currentDate()).toStdString();
        frontespizio_->impostatesti(testi);
    }
    archivio_.nuovo();
    segnasalvato();
}

void Programma::salva() {
    if (archivio_.salva_Click()) {
        segnasalvato();
    }
}

void Programma::salvanome() {
    if (archivio_.salvanome_Click()) {
        segnasalvato();
    }
}

void Programma::elimina() {
    archivio_.eliminare_click();
}

void Programma::esitostampa(const EsitoStampa& esito) {
    if (const auto messaggio = avvisostampa(esito, modzocal())) {
        dialoghi_.avvisa(*messaggio);
    }
}

void Programma::stampamodello() {
    esitostampa(zocal::stampamodello(stampante_));
}

void Programma::stampadati() {
    calcolo* c = finestracalcolo();
    const std::string progetto =
        finestrafrontespizio()->testi()[static_cast<std::size_t>(Frontespizio::progetto)];
    // The results are brought up to date through the window, as it shows them.
    esitostampa(zocal::stampadati(dati_, progetto, stampante_,
                                  [c](DatiCalcolo&) { c->aggiornarisultati(); }));
}

void Programma::stampadescrizione() {
    const std::string progetto =
        finestrafrontespizio()->testi()[static_cast<std::size_t>(Frontespizio::progetto)];
    esitostampa(zocal::stampadescrizione(finestradescrizione()->testi(), progetto, stampante_));
}

void Programma::stampafrontespizio() {
    esitostampa(zocal::stampafrontespizio(finestrafrontespizio()->testi(), studio_, stampante_));
}

void Programma::passorelazione(const char* testo) {
    const QString t = QString::fromUtf8(testo);
    frontespizio* f = finestrafrontespizio();
    f->passo->setText(t);
    // The status shows while the report is being written, not after.
    f->passo->repaint();
    emit statorelazione(t);
}

void Programma::relazione() {
    frontespizio* f = finestrafrontespizio();
    // Nothing to report is refused; a failing foundation is asked for.
    finestracalcolo()->aggiornarisultati();
    if (dati_.nfond == 0) {
        dialoghi_.avvisa({relazionesenzadati, Icona::stop, modzocal().titolocontrollo});
        return;
    }
    if (const std::string non = fondazioninonverificate(dati_, &ntc_); !non.empty()) {
        const Messaggio domanda{non + "\rProdurre comunque la relazione?", Icona::domanda,
                                modzocal().titolocontrollo};
        if (dialoghi_.chiedi(domanda, true) != Risposta::si) {
            return;
        }
    }
    // A report signed by nobody is asked for, never made unawares.
    if (const auto avviso = avvisosenzastudio(studio_, cartellaconfigurazione())) {
        const Messaggio domanda{*avviso + "\rProdurre comunque la relazione?", Icona::domanda,
                                modzocal().titolocontrollo};
        if (dialoghi_.chiedi(domanda, true) != Risposta::si) {
            return;
        }
    }
    passorelazione(passoincorso);
    finestracalcolo()->aggiornarisultati();
    const Lavoro l = lavoro();
    auto documento = std::make_unique<ScrittoreDocumento>();
    EsitoRelazione esito;
    std::string avvisocartella;
    try {
        const std::string percorso = percorsorelazione(
            filedati(), l.frontespizio[static_cast<std::size_t>(Frontespizio::committente)],
            &avvisocartella);
        esito = scrivirelazione(*documento, l, studio_, percorso);
    } catch (const std::exception& e) {
        esito.errore = std::string("Impossibile produrre la relazione: ") + e.what();
    }
    if (!esito.riuscita()) {
        passorelazione(relazionemancata);
        dialoghi_.avvisa({esito.errore, Icona::stop, modzocal().titolocontrollo});
        return;
    }
    if (!avvisocartella.empty()) {
        dialoghi_.avvisa({avvisocartella, Icona::informazione, modzocal().titolocontrollo});
    }
    const bool aperta = visore_.apri(esito.docx);
    passorelazione(passofinito(esito.docx, aperta).c_str());
    if (!aperta) {
        visore_.anteprima(std::move(documento), f, titoloanteprimarelazione);
    }
}

void identitaapplicazione() {
    QCoreApplication::setApplicationName(QStringLiteral("Zocal"));
}

void collegaaiuto(Programma& programma, FinestreAiuto& aiuto) {
    programma.impostafabbrica([&aiuto](const std::string& nome) { return aiuto.finestra(nome); });
    aiuto.impostamostra(
        [&programma](const std::string& nome) { programma.mostraausiliaria(nome); });
    aiuto.impostauscita([&programma] { programma.uscita(); });
}

} // namespace zocal
