#include "zocal/help/informazioni.h"

#include "disegno.h"
#include "zocal/help/girasole.h"
#include "zocal/resize/clsresize.h"

#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

#include <charconv>
#include <cstring>

namespace zocal {

using namespace disegno;

namespace {

QString qs(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

int informa::annodata(std::string_view data) {
    const std::size_t barra = data.rfind('/');
    const std::string_view anno = barra == std::string_view::npos ? data : data.substr(barra + 1);
    int valore = 0;
    const auto [fine, errore] = std::from_chars(anno.data(), anno.data() + anno.size(), valore);
    if (errore != std::errc() || fine != anno.data() + anno.size() || valore < 0) {
        return 0;
    }
    if (anno.size() <= 2) {
        return valore < 30 ? 2000 + valore : 1900 + valore;
    }
    return valore;
}

std::string informa::rigaedizione(const ModZocal& mod, std::string_view codicedata) {
    const std::string_view anno =
        codicedata.size() > 2 ? codicedata.substr(codicedata.size() - 2) : codicedata;
    return "edizione professionale - versione " + mod.versione + "  " + " " +
           std::to_string(annodata(mod.dataversione)) + "- 20" + std::string(anno);
}

std::string informa::codicecompilazione() {
    // __DATE__ is "Mmm dd yyyy".
    constexpr const char data[] = __DATE__;
    constexpr const char mesi[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    int mese = 1;
    for (int m = 0; m < 12; ++m) {
        if (std::strncmp(data, mesi + 3 * m, 3) == 0) {
            mese = m + 1;
        }
    }
    std::string codice;
    codice += data[4] == ' ' ? '0' : data[4];
    codice += data[5];
    codice += static_cast<char>('0' + mese / 10);
    codice += static_cast<char>('0' + mese % 10);
    codice += data[9];
    codice += data[10];
    return codice;
}

informa::informa(std::string codicedata, QWidget* parent)
    : QWidget(parent, Qt::Window), codicedata_(std::move(codicedata)) {
    setObjectName(QStringLiteral("informa"));
    colora(this, grigio);
    carattere(this, 8);

    lblmarchio = etichetta(this, qs(girasole::marchio), 240, 240, 5520, 375);
    carattere(lblmarchio, 12, true);
    lblnome = etichetta(this, QString(), 240, 720, 5520, 615);
    carattere(lblnome, 24, true);
    colora(lblnome, grigio, blu);
    lblsottotitolo = etichetta(this, QString(), 240, 1380, 5520, 375);
    carattere(lblsottotitolo, 11);
    lbledizione = etichetta(this, QString(), 240, 1800, 5520, 255);
    lbledizione->setWordWrap(false);
    // The program runs where it was built: say which system that is.
    lblsistema =
        etichetta(this, QStringLiteral("per sistemi Linux a %1 bit ").arg(QSysInfo::WordSize), 240,
                  2100, 5520, 255);
    lblavviso = etichetta(
        this,
        qs("Avviso: questo programma è protetto dalle leggi sul diritto d'autore. La "
           "riproduzione, la distribuzione o la cessione non autorizzate, anche parziali, "
           "saranno perseguite a norma di legge."),
        240, 2520, 5520, 735);
    lblavviso->setFrameStyle(QFrame::Box | QFrame::Plain);
    cmdOK = tasto(this, "cmdOK", QStringLiteral("OK"), 4560, 3420, 1215, 375);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &informa::cmdOK_Click);

    setFixedSize(pixel(6000), pixel(3960));
    Form_Load();
}

void informa::Form_Load() {
    const ModZocal& mod = modzocal();
    setWindowTitle(QStringLiteral("Informazioni su ") + QString::fromStdString(mod.nomeprogramma));
    lblnome->setText(QString::fromStdString(mod.nomeprogramma));
    lblsottotitolo->setText(QString::fromStdString(mod.sottotitolo));
    lbledizione->setText(QString::fromStdString(rigaedizione(mod, codicedata_)));
}

void informa::cmdOK_Click() {
    hide();
}

supportoclienti::supportoclienti(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("supportoclienti"));
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));
    colora(this, grigio);
    carattere(this, 8);

    lblmarchio = etichetta(this, qs(girasole::marchio), 240, 240, 6720, 375);
    carattere(lblmarchio, 14, true);
    colora(lblmarchio, grigio, blu);
    lblcontatti = etichetta(this,
                            qs(girasole::indirizzo) + QLatin1Char('\n') + qs(girasole::telefono) +
                                QStringLiteral("  -  ") + qs(girasole::fax) + QLatin1Char('\n') +
                                QStringLiteral("e-mail: ") + qs(girasole::email),
                            240, 720, 6720, 735);
    lblcontatti->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblsito = etichetta(this, QStringLiteral("sito internet: ") + qs(girasole::sito), 240, 1560,
                        6720, 255);
    lblsito->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblservizio = etichetta(
        this,
        qs("Le richieste di assistenza si inviano per fax o per posta elettronica, indicando la "
           "versione del programma (finestra \"Informazioni su Zocal\") e allegando, se serve, il "
           "file dati \"Zocal-dati-...\" del lavoro: la risposta arriva entro due giorni "
           "lavorativi. Il servizio telefonico è riservato alle domande che si possono risolvere "
           "a voce ed è attivo dal lunedì al venerdì, dalle 9.00 alle 13.00 e dalle 15.00 alle "
           "18.00."),
        240, 1980, 6720, 1335);
    lblservizio->setFrameStyle(QFrame::Box | QFrame::Plain);
    lbladattamenti = etichetta(
        this,
        qs("Su richiesta, software GIRASOLE adatta il programma alle esigenze del singolo "
           "studio tecnico: stampe e relazioni personalizzate, calcoli aggiuntivi, "
           "collegamenti con altri programmi."),
        240, 3480, 6720, 615);
    Command1 = tasto(this, "Command1", QStringLiteral("OK"), 5760, 4260, 1215, 375);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &supportoclienti::Command1_Click);

    setFixedSize(pixel(7200), pixel(4800));
}

void supportoclienti::Command1_Click() {
    hide();
}

} // namespace zocal
