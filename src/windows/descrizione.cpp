#include "zocal/windows/descrizione.h"

#include "campitesto.h"
#include "zocal/core/modzocal.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zocal {

using namespace campitesto;

namespace {

// Design rows: the first at 600, one every 240 twips.
constexpr int primariga = 600;
constexpr int passoriga = 240;
constexpr int altezzadidascalia = 255;
// A field as tall as its row: taller ones would hide the lower border and
// the arrow of the field above them.
constexpr int altezzacampo = passoriga;

} // namespace

descrizione::descrizione(Dialoghi& dialoghi, QWidget* parent)
    : FinestraLavoro(dialoghi, 2, "Zocal: descrizione dei luoghi e del fabbricato", parent) {
    costruisci();
    ordinetab();
    Form_Load();
}

descrizione::~descrizione() = default;

QComboBox* descrizione::campo(Descrizione d) const {
    const auto i = static_cast<std::size_t>(d);
    return i < campi_.size() ? campi_[i] : nullptr;
}

DatiDescrizione descrizione::testi() const {
    DatiDescrizione t;
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        t[i] = ss(campi_[i]->lineEdit()->text());
    }
    return t;
}

void descrizione::impostatesti(const DatiDescrizione& t) {
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        const QString testo = qs(t[i]);
        if (campi_[i]->lineEdit()->text() != testo) {
            campi_[i]->setEditText(testo);
        }
    }
}

void descrizione::costruisci() {
    // The frame stands behind the rows; the rows keep window coordinates.
    Frame1 = new QGroupBox(QString::fromUtf8(titolocornice), superficie);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    posa(Frame1, 240, 300, 8880, 3720);

    QComboBox** nominati[] = {&fabbricato, &muratura, &consistenza, &solai,     &zona,
                              &lotto,      &altezza,  &acque,       &vicinanze, &canali,
                              &frane,      &natura,   &giudizio};
    for (const CampoDescrizione& c : campidescrizione()) {
        const auto i = static_cast<std::size_t>(c.campo);
        const int top = primariga + passoriga * static_cast<int>(i);
        const QString nome =
            QString::fromUtf8(nomedescrizione(c.campo).data(),
                              static_cast<qsizetype>(nomedescrizione(c.campo).size()));

        auto* l = new QLabel(
            QString::fromUtf8(c.didascalia.data(), static_cast<qsizetype>(c.didascalia.size())),
            superficie);
        l->setObjectName(QStringLiteral("didascalia_") + nome);
        l->setToolTip(QString::fromUtf8(c.suggerimento.data(),
                                        static_cast<qsizetype>(c.suggerimento.size())));
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        colora(l, giallo);
        posa(l, 360, top, 3015, altezzadidascalia);
        didascalie[i] = l;

        auto* e = new QComboBox(superficie);
        e->setObjectName(nome);
        e->setEditable(true);
        // What the user types stays as typed: no completion from the list,
        // no typed text added to it.
        e->setCompleter(nullptr);
        e->setInsertPolicy(QComboBox::NoInsert);
        senzalimite(e->lineEdit());
        e->setMaxVisibleItems(12);
        for (std::string_view f : c.frasi) {
            e->addItem(QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size())));
        }
        // Adding the first phrase picked it: every field starts empty.
        e->setCurrentIndex(-1);
        e->setEditText(QString());
        e->setToolTip(QString::fromUtf8(suggerimentolista));
        posa(e, 3360, top, c.campo == Descrizione::altezza ? 855 : 5535, altezzacampo);
        campi_[i] = e;
        *nominati[i] = e;
    }

    passo = nuovopasso(superficie, 3480, 3615);

    tastiguida("cliccare per visualizzare l'aiuto in linea",
               "cliccare per visualizzare gli Argomenti della guida");
    indietro = nuovotasto(superficie, "indietro", "&Indietro", 2280,
                          "cliccare per visualizzare la finestra Calcolo");
    avanti = nuovotasto(superficie, "avanti", "Avan&ti", 7200,
                        "cliccare per visualizzare la finestra Frontespizio");
    cmdesci = tastouscita("cmdesci");
    comandi("Controlla &dati immessi");

    for (const CampoDescrizione& c : campidescrizione()) {
        const Descrizione d = c.campo;
        connect(campo(d), &QComboBox::editTextChanged, this, [this, d] { cambiato(d); });
    }
    connect(aiuto, &QPushButton::clicked, this, &descrizione::aiuto_Click);
    connect(indietro, &QPushButton::clicked, this, &descrizione::indietroRichiesto);
    connect(avanti, &QPushButton::clicked, this, &descrizione::avantiRichiesto);
    connect(azionecontrolla, &QAction::triggered, this, &descrizione::controlla_click);
}

void descrizione::ordinetab() {
    std::vector<QWidget*> ordine(campi_.begin(), campi_.end());
    ordine.insert(ordine.end(), {aiuto, guidainlinea, indietro, avanti, cmdesci});
    for (std::size_t i = 1; i < ordine.size(); ++i) {
        setTabOrder(ordine[i - 1], ordine[i]);
    }
    fabbricato->setFocus();
}

void descrizione::Form_Load() {
    FinestraLavoro::Form_Load();
    aggiornapasso();
}

void descrizione::cambiato(Descrizione d) {
    QLineEdit* e = campo(d)->lineEdit();
    // Read the field now: a nested change may have replaced the text since
    // the notification was sent.
    // Told in the guidance box, never in a box that would take the keys
    // the user goes on typing.
    const auto avviso = lunghezzadescrizione(ss(e->text()), modzocal());
    avvisolunghezza_ = avviso ? qs(avviso->testo) : QString();
    aggiornapasso();
    emit datiCambiati();
}

void descrizione::aggiornapasso() {
    const QString guida = qs(zocal::aggiornapasso(testi()));
    imposta(passo, avvisolunghezza_.isEmpty() ? guida : avvisolunghezza_ + '\n' + guida);
}

void descrizione::controlla_click() {
    dialoghi_.avvisa(controlladescrizione(testi(), modzocal()));
}

void descrizione::cancella_click() {
    for (QComboBox* c : campi_) {
        if (!c->lineEdit()->text().isEmpty()) {
            c->setEditText(QString());
        }
    }
    // Already empty fields change nothing, so say it once more here.
    aggiornapasso();
}

void descrizione::aiuto_Click() {
    dialoghi_.avvisa(aiutodescrizione(modzocal()));
}

} // namespace zocal
