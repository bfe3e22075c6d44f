#include "zocal/windows/frontespizio.h"

#include "campitesto.h"
#include "zocal/core/modzocal.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>

namespace zocal {

using namespace campitesto;

namespace {

// Design rows: the first at 1800, one every 240 twips.
constexpr int primariga = 1800;
constexpr int passoriga = 240;
constexpr int altezzadidascalia = 255;
// A field as tall as its row, so none hides the lower border of the one above.
constexpr int altezzacampo = passoriga;

const QColor grigioscuro(128, 128, 128);

QString qsv(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

frontespizio::frontespizio(Dialoghi& dialoghi, QWidget* parent)
    : FinestraLavoro(dialoghi, 3, "Zocal: frontespizio per la relazione", parent) {
    costruisci();
    ordinetab();
    Form_Load();
}

frontespizio::~frontespizio() = default;

QString frontespizio::datainchiaro(const QDate& giorno) {
    return QLocale(QLocale::Italian).toString(giorno, QStringLiteral("dddd, d MMM yyyy"));
}

QLineEdit* frontespizio::campo(Frontespizio t) const {
    const auto i = static_cast<std::size_t>(t);
    return i < campi_.size() ? campi_[i] : nullptr;
}

DatiFrontespizio frontespizio::testi() const {
    DatiFrontespizio t;
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        t[i] = ss(campi_[i]->text());
    }
    return t;
}

void frontespizio::impostatesti(const DatiFrontespizio& t) {
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        // An equal text is no change and runs nothing.
        campi_[i]->setText(qs(t[i]));
    }
}

void frontespizio::impostastudio(const std::string& nome, const std::string& indirizzo,
                                 const std::string& provenienza) {
    imposta(Labelstudio, qs(nome));
    imposta(labelindirizzo, qs(indirizzo));
    const std::string cartella =
        ss(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    Labelstudio->setToolTip(qs(suggerimentostudio(false, provenienza, cartella)));
    labelindirizzo->setToolTip(qs(suggerimentostudio(true, provenienza, cartella)));
}

void frontespizio::costruisci() {
    Label1 = new QLabel(QString::fromUtf8(intestazionefrontespizio), superficie);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setToolTip(QString::fromUtf8(suggerimentointestazione));
    Label1->setAlignment(Qt::AlignCenter);
    {
        QFont f = Label1->font();
        f.setPointSizeF(11);
        f.setBold(true);
        Label1->setFont(f);
        QPalette p = Label1->palette();
        p.setColor(QPalette::WindowText, giallo);
        Label1->setPalette(p);
    }
    colora(Label1, grigioscuro);
    posa(Label1, 720, 960, 6975, 495);

    auto didascalia = [this](const QString& nome, std::string_view testo,
                             std::string_view suggerimento, int top) {
        auto* l = new QLabel(qsv(testo), superficie);
        l->setObjectName(nome);
        l->setToolTip(qsv(suggerimento));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        colora(l, giallo);
        posa(l, 720, top, 1695, altezzadidascalia);
        return l;
    };
    QLineEdit** nominati[] = {&progetto, &localita, &committente, &luogo, &data, &allegati};
    for (const CampoFrontespizio& c : campifrontespizio()) {
        const auto i = static_cast<std::size_t>(c.campo);
        const int top = primariga + passoriga * static_cast<int>(i);
        const QString nome = qsv(nomefrontespizio(c.campo));
        didascalie[i] =
            didascalia(QStringLiteral("didascalia_") + nome, c.didascalia, c.suggerimento, top);
        auto* e = new QLineEdit(superficie);
        e->setObjectName(nome);
        senzalimite(e);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, bianco);
        e->setPalette(p);
        e->setTextMargins(0, 0, 0, 0);
        posa(e, 2520, top, 5175, altezzacampo);
        campi_[i] = e;
        *nominati[i] = e;
    }

    didascaliastudio = didascalia(QStringLiteral("didascaliastudio"), didascaliastudiotecnico,
                                  suggerimentodidascaliastudio, 3480);
    auto sola = [this](const char* nome, int top) {
        auto* l = new QLabel(superficie);
        l->setObjectName(QString::fromUtf8(nome));
        // The office's name is the user's text, never markup.
        l->setTextFormat(Qt::PlainText);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        colora(l, bianco);
        posa(l, 2520, top, 5175, 255);
        return l;
    };
    Labelstudio = sola("Labelstudio", 3480);
    labelindirizzo = sola("labelindirizzo", 3840);

    passo = nuovopasso(superficie, 2520, 4575);
    passo->setText(QString::fromUtf8(passofrontespizio));

    tastiguida("cliccare per visualizzare l'aiuto in linea ",
               "cliccare per visualizzare gli Argomenti della guida ");
    stampa = nuovotasto(superficie, "stampa", "&Stampa", 7200,
                        "cliccare per avere la stampa completa della relazione");
    cmdesci = tastouscita("cmdesci");
    comandi("Controllo &dati immessi");

    for (const CampoFrontespizio& c : campifrontespizio()) {
        const Frontespizio t = c.campo;
        connect(campo(t), &QLineEdit::textChanged, this, [this, t] { cambiato(t); });
    }
    connect(aiuto, &QPushButton::clicked, this, &frontespizio::aiuto_Click);
    connect(stampa, &QPushButton::clicked, this, &frontespizio::stampaRichiesta);
    connect(azionecontrolla, &QAction::triggered, this, &frontespizio::controllodati_Click);
}

void frontespizio::ordinetab() {
    QWidget* const ordine[] = {aiuto,  progetto, localita,     committente, luogo,
                               stampa, cmdesci,  guidainlinea, data,        allegati};
    for (std::size_t i = 1; i < std::size(ordine); ++i) {
        setTabOrder(ordine[i - 1], ordine[i]);
    }
    aiuto->setFocus();
}

void frontespizio::Form_Load() {
    FinestraLavoro::Form_Load();
    // Today, once: a job opened later brings its own date.
    data->setText(datainchiaro(QDate::currentDate()));
    impostastudio({}, {}, {});
}

void frontespizio::cambiato(Frontespizio t) {
    QLineEdit* e = campo(t);
    // Read the field now: a nested change may have replaced the text since
    // the notification was sent.
    // Told in the guidance box, never in a box that would take the keys
    // the user goes on typing.
    const auto avviso = lunghezzafrontespizio(ss(e->text()), modzocal());
    imposta(passo, qs(avviso ? avviso->testo : passofrontespizio));
    emit datiCambiati();
}

void frontespizio::controllodati_Click() {
    dialoghi_.avvisa(controllafrontespizio(testi(), modzocal()));
}

void frontespizio::cancella_click() {
    // The date goes too: a cleared window is an empty one.
    for (QLineEdit* e : campi_) {
        e->setText(QString());
    }
}

void frontespizio::aiuto_Click() {
    dialoghi_.avvisa(aiutofrontespizio(modzocal()));
}

} // namespace zocal
