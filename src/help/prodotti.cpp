#include "zocal/help/prodotti.h"

#include "disegno.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"
#include "zocal/help/documenti.h"
#include "zocal/help/girasole.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zocal {

using namespace disegno;

namespace {

constexpr int primariga = 900;
constexpr int passoriga = 300;

struct Colonna {
    int left;
    int width;
    const char* intestazione;
    const char* suggerimento;
};

constexpr Colonna colonne[] = {
    {600, 495, "num.", nullptr},
    {1140, 2415, "nome programma", nullptr},
    {3600, 3315, "argomento trattato ", nullptr},
    {6960, 1155, "costo netto in euro",
     "al costo netto bisogna aggiungere l'IVA e le eventuali spese di trasporto"},
    {8160, 1155, "via internet a euro", "per chi acquista via internet"},
};

QString prezzo(const std::optional<double>& v) {
    return v ? QString::fromStdString(scrivinumero(*v)) : QString();
}

} // namespace

prodotti::prodotti(const std::filesystem::path& filelistino, Dialoghi& dialoghi,
                   UscitaDocumenti& uscita, ApriIndirizzo& indirizzi, QWidget* parent)
    : QWidget(parent, Qt::Window), dialoghi_(dialoghi), uscita_(uscita), indirizzi_(indirizzi) {
    setObjectName(QStringLiteral("prodotti"));
    setWindowTitle(QStringLiteral("prodotti ") + QString::fromUtf8(girasole::marchio));
    colora(this, grigio);
    carattere(this, 8);

    lblintestazione = etichetta(this, QString(), 600, 120, 8715, 255);
    lblintestazione->setObjectName(QStringLiteral("lblintestazione"));
    carattere(lblintestazione, 7);
    lblintestazione->setWordWrap(false);

    for (const Colonna& c : colonne) {
        QLabel* l = etichetta(this, QString::fromUtf8(c.intestazione), c.left, 480, c.width, 375);
        carattere(l, 8, true);
        if (c.suggerimento != nullptr) {
            l->setToolTip(QString::fromUtf8(c.suggerimento));
        }
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setPageStep(righe);
    posa(VScroll1, 120, primariga, 375, righe * passoriga - 15);

    for (int k = 1; k <= righe; ++k) {
        const auto r = static_cast<std::size_t>(k);
        const int top = primariga + (k - 1) * passoriga;
        std::array<QLabel*, righe + 1>* celle[] = {&num, &nome, &argomento, &costo, &internet};
        for (std::size_t c = 0; c < std::size(celle); ++c) {
            QLabel* l = etichetta(this, QString(), colonne[c].left, top, colonne[c].width, 285);
            l->setWordWrap(false);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAlignment((c == 0 || c >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            colora(l, c == 0 ? azzurro : bianco);
            if (colonne[c].suggerimento != nullptr) {
                l->setToolTip(QString::fromUtf8(colonne[c].suggerimento));
            }
            (*celle[c])[r] = l;
        }
        num[r]->setObjectName(QStringLiteral("num%1").arg(k));
    }

    lblavviso = etichetta(this, QString(), 120, 3960, 9195, 375);
    lblavviso->setObjectName(QStringLiteral("lblavviso"));
    colora(lblavviso, giallo, rosso);
    lblavviso->hide();

    lblnote = etichetta(
        this,
        QString::fromUtf8(
            "I prezzi sono in euro, IVA esclusa; le spese di trasporto sono a carico "
            "dell'acquirente. Dalla seconda copia dello stesso programma si applica lo sconto del "
            "30%. Il pagamento si effettua con bonifico bancario anticipato o in contrassegno; chi "
            "acquista via internet paga con carta di credito e scarica il programma subito. Ogni "
            "programma comprende un anno di aggiornamenti gratuiti. Il catalogo completo, con le "
            "schede e le prove dei programmi, è in rete all'indirizzo ") +
            QString::fromUtf8(girasole::catalogo) + QStringLiteral("."),
        120, 4440, 9195, 1215);
    lblnote->setObjectName(QStringLiteral("lblnote"));
    lblnote->setFrameStyle(QFrame::Box | QFrame::Plain);

    cmdSommario = tasto(this, "cmdSommario", QStringLiteral("&Sommario"), 120, 5880, 1215, 375,
                        "cliccare per visualizzare il sommario della guida");
    cmdstampa = tasto(this, "cmdstampa", QStringLiteral("S&tampa"), 1440, 5880, 1215, 375,
                      "cliccare per stampare il listino");
    cmdchiudi = tasto(this, "cmdchiudi", QStringLiteral("&Chiudi"), 2760, 5880, 1215, 375,
                      "cliccare per chiudere la finestra sui prodotti");
    Command1 = tasto(this, "Command1", QString::fromUtf8(girasole::sito), 4200, 5880, 2535, 375,
                     "clicca per accedere al sito");
    Command2 = tasto(this, "Command2", QString::fromUtf8(girasole::emailvendite), 6840, 5880, 2475,
                     375, "clicca per inviare un'email");

    connect(VScroll1, &QScrollBar::valueChanged, this, &prodotti::VScroll1_Change);
    connect(cmdSommario, &QPushButton::clicked, this, &prodotti::cmdSommario_Click);
    connect(cmdstampa, &QPushButton::clicked, this, &prodotti::cmdstampa_Click);
    connect(cmdchiudi, &QPushButton::clicked, this, &prodotti::cmdchiudi_Click);
    connect(Command1, &QPushButton::clicked, this, &prodotti::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &prodotti::Command2_Click);

    ridimensiona = dimensiona(this, larghezzaprogetto, altezzaprogetto);
    Form_Load(filelistino);
}

void prodotti::Form_Load(const std::filesystem::path& filelistino) {
    listino_ = caricalistino(filelistino);
    lblintestazione->setText(QString::fromStdString(listino_.intestazione));
    if (!listino_.avviso.empty()) {
        lblavviso->setText(QString::fromStdString(listino_.avviso));
        lblavviso->show();
    }
    // With fewer than ten products there is nothing to scroll to.
    const int n = listino_.numeroprodotti();
    const QSignalBlocker quieto(VScroll1);
    VScroll1->setRange(1, std::max(1, n - (righe - 1)));
    VScroll1->setValue(1);
    VScroll1->setEnabled(n > righe);
    VScroll1_Change();
}

void prodotti::VScroll1_Change() {
    const int p = VScroll1->value();
    for (int k = 1; k <= righe; ++k) {
        const auto r = static_cast<std::size_t>(k);
        const int i = p + k - 1;
        num[r]->setText(QString::number(i));
        const Prodotto* prodotto = listino_.prodotto(i);
        nome[r]->setText(prodotto ? QString::fromStdString(prodotto->nome) : QString());
        argomento[r]->setText(prodotto ? QString::fromStdString(prodotto->argomento) : QString());
        costo[r]->setText(prodotto ? prezzo(prodotto->listino) : QString());
        internet[r]->setText(prodotto ? prezzo(prodotto->internet) : QString());
    }
}

void prodotti::cmdstampa_Click() {
    if (listino_.numeroprodotti() == 0) {
        dialoghi_.avvisa({"Il listino non contiene prodotti: non c'è nulla da stampare.",
                          Icona::informazione, modzocal().titoloaiuto});
        return;
    }
    pubblica(uscita_, dialoghi_, this,
             uscita_.provvisorio(modzocal().nomeprogramma + "-listino.docx"), "listino prezzi",
             [this](ScrittoreRelazione& s) { stampalistino(s, listino_); });
}

bool prodotti::Link(const std::string& destinazione) {
    return indirizzi_.apri(destinazione);
}

void prodotti::indirizzo(const std::string& destinazione) {
    if (!Link(destinazione)) {
        dialoghi_.avvisa({"Impossibile aprire " + destinazione +
                              ": nessun programma del sistema è in grado di farlo.",
                          Icona::esclamazione, modzocal().titoloaiuto});
    }
}

void prodotti::Command1_Click() {
    indirizzo(girasole::catalogo);
}

void prodotti::Command2_Click() {
    indirizzo(std::string("mailto:") + girasole::emailvendite);
}

void prodotti::cmdchiudi_Click() {
    hide();
}

void prodotti::cmdSommario_Click() {
    emit sommarioRichiesto();
}

} // namespace zocal
