#include "zocal/windows/calcolo.h"

#include "campitesto.h"

#include "zocal/core/calcola.h"
#include "zocal/core/guida.h"
#include "zocal/core/immissione.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"
#include "zocal/report/sezionentc.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <initializer_list>

namespace zocal {

namespace {

using campitesto::bianco;
using campitesto::colora;
using campitesto::giallo;
using campitesto::grigio;
using campitesto::nuovotasto;
using campitesto::posa;
using campitesto::preparasuperficie;
using campitesto::qs;
using campitesto::ss;

const QColor azzurro(0, 255, 255);
const QColor giallino(255, 255, 192);
const QColor blu(0, 0, 255);

constexpr const char* suggerimentonum = "cliccare per copiare tutti i dati del piano precedente";
constexpr const char* notainiziale = "Non sono stati inseriti dati per il calcolo.";
constexpr const char* notacancellati =
    "I dati sono stati cancellati: richiamare un file archiviato o reinserirli.";

// Sets a text only when it differs: an equal text is no change, and setting
// it anyway would move the user's cursor and drop the field's undo history.
// A shortened text keeps the cursor where the dropped characters were.
void imposta(QLineEdit* e, const QString& testo) {
    const QString attuale = e->text();
    if (attuale == testo) {
        return;
    }
    const int cursore = e->cursorPosition();
    const int diff = static_cast<int>(attuale.size() - testo.size());
    e->setText(testo);
    if (diff >= 0 && cursore < attuale.size()) {
        e->setCursorPosition(std::clamp(cursore - diff, 0, static_cast<int>(testo.size())));
    }
}

void imposta(QLabel* l, const QString& testo) {
    if (l->text() != testo) {
        l->setText(testo);
    }
}

struct Colonna {
    Voce voce;
    int left;
    const char* intestazione;
    const char* unita;
    const char* suggerimento;
};

constexpr Colonna colonne[] = {
    {Voce::pesol, 1320, "peso solaio", "kg/mq", "peso proprio del solaio"},
    {Voce::sovr, 1920, "sovr. accid.", "kg/mq", "sovraccarico accidentale sul solaio"},
    {Voce::lungh, 2520, "lungh. solaio", "m", "lunghezza del solaio che grava sul muro"},
    {Voce::pepav, 3120, "peso pavim.", "kg/mq", "peso del pavimento o delle tegole"},
    {Voce::tram, 3720, "tot. tramezzi", "kg/m", "peso totale di competenza dei tramezzi del piano"},
    {Voce::spess, 4320, "spess. muro", "m", "spessore del muro al pianto sottostante"},
    {Voce::interas, 4920, "interasse piano", "m",
     "interasse del piano (altezza piano sottostante l'impalcato + spessore solaio)"},
    {Voce::spem, 5520, "peso sp.muro", "kg/mc", "peso specifico del muro"},
    {Voce::scar, 7080, "scarico piano", "kg/m", "scarico del singolo piano"},
    {Voce::scartot, 7680, "scarico totale", "kg/m", "scarico totale fino al piano"},
};

constexpr int righe[] = {0, 1080, 1320, 1560, 1800, 2040};

// Weights in kg are read as whole numbers.
bool leggeintero(Voce v) {
    return v == Voce::pesol || v == Voce::sovr || v == Voce::pepav || v == Voce::tram ||
           v == Voce::spem;
}

} // namespace

calcolo::calcolo(DatiCalcolo& dati, Dialoghi& dialoghi, QWidget* parent)
    : FinestraLavoro(dialoghi, 1, "Zocal: finestra di calcolo", parent), dati_(dati) {
    costruisci();
    ordinetab();
    Form_Load();
}

calcolo::~calcolo() = default;

QLineEdit* calcolo::campo(Voce v, int k) const {
    const auto c = static_cast<std::size_t>(v);
    if (c >= campi_.size() || k < 1 || k > 5) {
        return nullptr;
    }
    return campi_[c][static_cast<std::size_t>(k)];
}

void calcolo::costruisci() {
    superficie->setMouseTracking(true);
    superficie->installEventFilter(this);

    auto etichetta = [](QWidget* genitore, const char* testo, int left, int top, int width,
                        int height, const char* suggerimento = nullptr) {
        auto* l = new QLabel(QString::fromUtf8(testo), genitore);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        posa(l, left, top, width, height);
        if (suggerimento) {
            l->setToolTip(QString::fromUtf8(suggerimento));
        }
        return l;
    };
    auto valore = [](QWidget* genitore, const char* nome, int left, int top, int width, int height,
                     const QColor& sfondo) {
        auto* l = new QLabel(genitore);
        l->setObjectName(QString::fromUtf8(nome));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        colora(l, sfondo);
        posa(l, left, top, width, height);
        return l;
    };
    auto casella = [](QWidget* genitore, const char* nome, int left, int top, int width, int height,
                      const char* suggerimento) {
        auto* e = new QLineEdit(genitore);
        e->setObjectName(QString::fromUtf8(nome));
        QPalette p = e->palette();
        p.setColor(QPalette::Base, bianco);
        e->setPalette(p);
        e->setTextMargins(0, 0, 0, 0);
        posa(e, left, top, width, height);
        if (suggerimento) {
            e->setToolTip(QString::fromUtf8(suggerimento));
        }
        return e;
    };
    auto tasto = [this](const char* nome, const char* testo, int left, int top, int width,
                        int height, const char* suggerimento) {
        return nuovotasto(superficie, nome, testo, left, suggerimento, top, width, height);
    };

    // Top line: foundation selector, depth, width, verdict.
    HScroll1 = new QScrollBar(Qt::Horizontal, superficie);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(1, maxfond);
    HScroll1->setPageStep(1);
    posa(HScroll1, 120, 600, 1670, 255);
    etichetta(superficie, "N.fondazione", 1800, 555, 1815, 375,
              "il numero della fondazione da verificare");
    Label1 = valore(superficie, "Label1", 3600, 555, 615, 375, grigio);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(QStringLiteral("1"));
    Label1->setToolTip(QStringLiteral("il numero della fondazione da verificare"));
    etichetta(superficie, "prof.metri", 4440, 600, 855, 255,
              "la profondità di posa della fondazione");
    prof =
        casella(superficie, "prof", 5400, 600, 615, 285, "la profondità di posa della fondazione");
    etichetta(superficie, "largh.metri", 6240, 600, 855, 255, "la larghezza della fondazione");
    largh = casella(superficie, "largh", 7200, 600, 615, 285, "la larghezza della fondazione");
    // The width the calculation takes while none is typed, in grey; the field stays empty.
    largh->setPlaceholderText(QStringLiteral("0,50"));
    Text1 = casella(superficie, "Text1", 8040, 600, 1335, 285, nullptr);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::ClickFocus);
    // The limit-state verdict in the free band above the top line.
    ntc = new QLabel(superficie);
    ntc->setObjectName(QStringLiteral("ntc"));
    ntc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ntc->setToolTip(QString::fromUtf8(
        "verifica agli stati limite ultimi (NTC 2018, A1+M1+R3) della fondazione visualizzata: "
        "menu Visualizza, \"Verifica agli stati limite (NTC 2018)\""));
    posa(ntc, 3600, 150, 5775, 345);

    // The storey grid.
    griglia = new QGroupBox(QStringLiteral("Dati e risultati sui muri portanti "), superficie);
    griglia->setObjectName(QStringLiteral("griglia"));
    posa(griglia, 480, 960, 9255, 2415);
    griglia->setMouseTracking(true);
    VScroll1 = new QScrollBar(Qt::Vertical, griglia);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(1, maxpiani - 4);
    VScroll1->setPageStep(1);
    posa(VScroll1, 240, 1080, 345, 1215);
    etichetta(griglia, "piano", 720, 240, 615, 495, "numero d'ordine del piano/impalcato");
    for (int k = 1; k <= 5; ++k) {
        QLabel* n = valore(griglia, "", 720, righe[k], 615, 255, azzurro);
        n->setObjectName(QStringLiteral("num%1").arg(k));
        n->setText(QString::number(k));
        n->setAlignment(Qt::AlignCenter);
        n->setMouseTracking(true);
        n->setCursor(Qt::PointingHandCursor);
        n->installEventFilter(this);
        num[static_cast<std::size_t>(k)] = n;
    }
    for (const Colonna& c : colonne) {
        etichetta(griglia, c.intestazione, c.left, 240, 615, 495, c.suggerimento);
        etichetta(griglia, c.unita, c.left, 720, 615, 255, c.suggerimento);
        for (int k = 1; k <= 5; ++k) {
            const QString nome = QString::fromUtf8(nomevoce(c.voce).data()) + QString::number(k);
            const auto r = static_cast<std::size_t>(k);
            if (c.voce == Voce::scar || c.voce == Voce::scartot) {
                QLabel* l = valore(griglia, "", c.left, righe[k], 615, 255, azzurro);
                l->setObjectName(nome);
                l->setToolTip(QString::fromUtf8(c.suggerimento));
                (c.voce == Voce::scar ? scar : scartot)[r] = l;
            } else {
                QLineEdit* e = casella(griglia, "", c.left, righe[k], 615, 285, c.suggerimento);
                e->setObjectName(nome);
                campi_[static_cast<std::size_t>(c.voce)][r] = e;
            }
        }
    }

    // Soil data.
    etichetta(superficie, "Dati sul terreno di fondazione", 1200, 3480, 2415, 255);
    etichetta(superficie, "tipo suolo", 1200, 3840, 615, 495,
              "il tipo di suolo da scegliere (vedasi didascalia in basso)");
    etichetta(superficie, "1/2/3", 1200, 4320, 615, 255,
              "il tipo di suolo da scegliere (vedasi didascalia in basso)");
    Combo1 = new QComboBox(superficie);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("0")});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Combo1->setToolTip(
        QStringLiteral("il tipo di suolo da scegliere (vedasi didascalia in basso)"));
    posa(Combo1, 1200, 4680, 615, 315);
    struct Terreno {
        QLineEdit** campo;
        const char* nome;
        int left;
        const char* intestazione;
        const char* unita;
        const char* suggerimento;
    };
    const Terreno terreno[] = {
        {&pesos, "pesos", 1800, "peso specif.", "t/mc", "il peso specifico del terreno"},
        {&coes, "coes", 2400, "valore coes.", "t/mq", "il valore della coesione nel terreno"},
        {&attr, "attr", 3000, "angolo attrito", "gradi", "l'angolo d'attrito nel terreno"},
    };
    for (const Terreno& t : terreno) {
        etichetta(superficie, t.intestazione, t.left, 3840, 615, 495, t.suggerimento);
        etichetta(superficie, t.unita, t.left, 4320, 615, 255, t.suggerimento);
        *t.campo = casella(superficie, t.nome, t.left, 4680, 615, 285, t.suggerimento);
    }

    // Results.
    etichetta(superficie, "Risultati", 4080, 3480, 3015, 255);
    struct Risultato {
        QLabel** etichetta;
        const char* nome;
        int left;
        const char* intestazione;
        const char* unita;
        const char* suggerimento;
    };
    const Risultato risultati[] = {
        {&carlim, "carlim", 4080, "carico limite", "t/mq", "il carico limite nel terreno di posa"},
        {nullptr, "sigmat", 4680, "sigma terreno", "kg/cmq", "il sigma ammissibile nel terreno"},
        {&scater, "scater", 5280, "scarico a terra", "kg/m", "lo scarico totale sul terreno"},
        {&siglav, "siglav", 5880, "sigma lavoro", "kg/cmq", "il sigma di lavoro del terreno"},
        {&coeff, "coeff", 6480, "coeff. sicur.", "valore",
         "il coefficiente effettivo di sicurezza"},
    };
    for (const Risultato& r : risultati) {
        etichetta(superficie, r.intestazione, r.left, 3840, 615, 495, r.suggerimento);
        etichetta(superficie, r.unita, r.left, 4320, 615, 255, r.suggerimento);
        if (r.etichetta) {
            *r.etichetta = valore(superficie, r.nome, r.left, 4680, 615, 255, azzurro);
            (*r.etichetta)->setToolTip(QString::fromUtf8(r.suggerimento));
        } else {
            sigmat = casella(superficie, r.nome, r.left, 4680, 615, 285, r.suggerimento);
            sigmat->installEventFilter(this);
        }
    }

    // Notes, legend, guidance and buttons.
    etichetta(superficie, "Note sul calcolo:", 7320, 3480, 1815, 255,
              "commento sulla elaborazione");
    note = valore(superficie, "note", 7320, 3840, 1815, 1095, giallino);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setWordWrap(true);
    note->setToolTip(QStringLiteral("commento sulla elaborazione"));
    {
        QPalette p = note->palette();
        p.setColor(QPalette::WindowText, blu);
        note->setPalette(p);
    }
    incrementa = tasto("incrementa", "&Incrementa larghezza", 7320, 5040, 1815, 375,
                       "cliccare per aumentare di 5 cm. la larghezza della fondazione");
    legenda =
        etichetta(superficie,
                  "Tipo di suolo: 1=sabbioso; 2=compatto; 3=intermedio; 0=indicare sigma terreno.",
                  1200, 5160, 5895, 255);
    legenda->setObjectName(QStringLiteral("legenda"));
    passo = valore(superficie, "passo", 2400, 5640, 4695, 450, giallo);
    passo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    passo->setWordWrap(true);
    passo->setToolTip(
        QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    tastiguida("cliccare per visualizzare l'aiuto in linea",
               "cliccare per visualizzare gli Argomenti della guida");
    cmdavanti = tasto("cmdavanti", "Avan&ti", 7200, 5760, 1095, 375,
                      "cliccare per visualizzare la finestra Descrizione");
    esco = tastouscita("esco");

    // The widest value each box shows whole, however small the window: five
    // digits (a total load of 11600 kg/m), a verdict.
    const auto campione = [](QWidget* w, const char* testo) {
        w->setProperty(campitesto::proprietacampione, QString::fromUtf8(testo));
    };
    for (QWidget* w : std::initializer_list<QWidget*>{prof, largh, pesos, coes, attr, sigmat,
                                                      carlim, scater, siglav}) {
        campione(w, "00000");
    }
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : vociingresso) {
            campione(campo(v, k), "00000");
        }
        campione(scar[static_cast<std::size_t>(k)], "00000");
        campione(scartot[static_cast<std::size_t>(k)], "00000");
    }
    campione(coeff, "000,00");
    campione(Label1, "10");
    campione(Text1, testononverificata);

    // The window's own commands; the shell's shared menus take the same actions.
    comandi("Controllo &dati immessi");
    QMenu* modifica = menuBar()->addMenu(QStringLiteral("&Modifica"));
    modifica->addAction(azionecontrolla);
    modifica->addSeparator();
    modifica->addAction(azionecancella);

    // Wiring: every entry field runs its handling on every change of its text.
    for (const Colonna& c : colonne) {
        if (c.voce == Voce::scar || c.voce == Voce::scartot) {
            continue;
        }
        for (int k = 1; k <= 5; ++k) {
            const Voce v = c.voce;
            campo(v, k)->installEventFilter(this);
            connect(campo(v, k), &QLineEdit::textChanged, this,
                    [this, v, k] { immissione(Campo::piano, v, k); });
        }
    }
    for (QLineEdit* e : {prof, largh, Combo1->lineEdit(), pesos, coes, attr}) {
        e->installEventFilter(this);
    }
    connect(prof, &QLineEdit::textChanged, this, [this] { immissione(Campo::prof); });
    connect(largh, &QLineEdit::textChanged, this, [this] { immissione(Campo::largh); });
    connect(Combo1, &QComboBox::editTextChanged, this, [this] { immissione(Campo::Combo1); });
    connect(pesos, &QLineEdit::textChanged, this, [this] { immissione(Campo::pesos); });
    connect(coes, &QLineEdit::textChanged, this, [this] { immissione(Campo::coes); });
    connect(attr, &QLineEdit::textChanged, this, [this] { immissione(Campo::attr); });
    connect(sigmat, &QLineEdit::textChanged, this, [this] { immissione(Campo::sigmat); });
    connect(HScroll1, &QScrollBar::valueChanged, this, &calcolo::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &calcolo::VScroll1_Change);
    connect(incrementa, &QPushButton::clicked, this, &calcolo::incrementa_Click);
    connect(aiuto, &QPushButton::clicked, this, &calcolo::aiuto_Click);
    connect(cmdavanti, &QPushButton::clicked, this, &calcolo::avantiRichiesto);
    connect(azionecontrolla, &QAction::triggered, this, &calcolo::controlla_click);
}

void calcolo::ordinetab() {
    std::vector<QWidget*> ordine{prof, largh};
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : vociingresso) {
            ordine.push_back(campo(v, k));
        }
    }
    ordine.insert(ordine.end(), {Combo1, pesos, coes, attr, sigmat, incrementa, aiuto, guidainlinea,
                                 cmdavanti, esco});
    for (std::size_t i = 1; i < ordine.size(); ++i) {
        setTabOrder(ordine[i - 1], ordine[i]);
    }
}

void calcolo::Form_Load() {
    // 1. Proportional layout at the design size, the window's place and size.
    FinestraLavoro::Form_Load();
    // 2.
    for (int k = 1; k <= 5; ++k) {
        num[static_cast<std::size_t>(k)]->setToolTip(QString::fromUtf8(suggerimentonum));
    }
    // 3.
    modzocal().inizializza();
    // 4. Still no foundation: the opening prompt.
    fondcorrente_ = 0;
    indicazioni();
    // 5.
    primopiano_ = 1;
    fondcorrente_ = 1;
    // 6.
    imposta(note, QString::fromUtf8(notainiziale));
}

QLineEdit* calcolo::casella(Campo c, Voce v, int k) const {
    switch (c) {
    case Campo::piano:
        return campo(v, k);
    case Campo::prof:
        return prof;
    case Campo::largh:
        return largh;
    case Campo::Combo1:
        return Combo1->lineEdit();
    case Campo::pesos:
        return pesos;
    case Campo::coes:
        return coes;
    case Campo::attr:
        return attr;
    case Campo::sigmat:
        return sigmat;
    }
    return nullptr;
}

Cella& calcolo::cella(Campo c, Voce v, int k) {
    const int f = fondcorrente_;
    switch (c) {
    case Campo::piano:
        return dati_.piano(v, primopiano_ + k - 1, f);
    case Campo::prof:
        return dati_.prof[static_cast<std::size_t>(f)];
    case Campo::largh:
        return dati_.largh[static_cast<std::size_t>(f)];
    case Campo::Combo1:
        return dati_.tiposuolo;
    case Campo::pesos:
        return dati_.pesos;
    case Campo::coes:
        return dati_.coes;
    case Campo::attr:
        return dati_.attr;
    case Campo::sigmat:
        return dati_.sigmat[static_cast<std::size_t>(f)];
    }
    return dati_.pesos;
}

void calcolo::immissione(Campo c, Voce v, int k) {
    if (fondcorrente_ < 1) {
        return; // still loading: nothing is shown yet
    }
    QLineEdit* e = casella(c, v, k);
    const auto f = static_cast<std::size_t>(fondcorrente_);

    // 1. Copy sign: the same value of the previous storey or foundation. The
    // replacement is handled at once; then this handling goes on with it.
    if (e->text() == QLatin1String("+")) {
        if (c == Campo::piano) {
            imposta(e, qs(dati_.piano(v, primopiano_ + k - 2, fondcorrente_).testo()));
        } else if (c == Campo::prof) {
            imposta(e, qs(dati_.prof[f - 1].testo()));
        } else if (c == Campo::largh) {
            imposta(e, qs(dati_.largh[f - 1].testo()));
        }
    }

    // 2. Validation. Weights and the soil type are whole numbers.
    const bool intero = c == Campo::Combo1 || (c == Campo::piano && leggeintero(v));
    const EsitoValidazione esito =
        validadato(ss(e->text()), modzocal(), intero ? TipoDato::intero : TipoDato::decimale,
                   cella(c, v, k).testo());
    if (esito.rifiuto) {
        dialoghi_.avvisa(*esito.rifiuto);
    }
    imposta(e, qs(esito.datocorretto));
    // After the nested handling of the cleaned text, which clears it.
    notacampo_ = esito.nota;

    // 3. Store. A cell that already holds this text (or the number it
    // writes) is left as it is, so displaying a value never changes its kind.
    const std::string testo = ss(e->text());
    if (c == Campo::largh && dati_.npiani[f] == 0) {
        dati_.npiani[f] = 1;
    }
    Cella& destinazione = cella(c, v, k);
    if (!(destinazione == testo)) {
        destinazione = testo;
    }

    // 4. Follow-up.
    if (c == Campo::piano || c == Campo::prof) {
        dati_.contadati();
    }
    indicazioni();
    calcola();
    emit datiCambiati();
}

void calcolo::indicazioni() {
    const CampiTerreno campi{ss(pesos->text()), ss(coes->text()), ss(attr->text())};
    // What became of a typed point and a value out of its usual range come
    // before the next value to type.
    QStringList righe;
    for (const std::string& riga : {notacampo_, fuoriintervallo(dati_, fondcorrente_),
                                    zocal::indicazioni(dati_, fondcorrente_, campi)}) {
        if (!riga.empty()) {
            righe << qs(riga);
        }
    }
    imposta(passo, righe.join(QLatin1Char('\n')));
}

void calcolo::calcola() {
    if (fondcorrente_ < 1) {
        return;
    }
    const EsitoCalcolo esito = zocal::calcola(dati_, fondcorrente_);
    if (esito.indicazioni) {
        indicazioni();
    }
    if (esito.sigmat) {
        mostrasigma(qs(*esito.sigmat));
    }
    if (esito.carlim) {
        imposta(carlim, qs(*esito.carlim));
    }
    if (esito.scater) {
        imposta(scater, qs(*esito.scater));
    }
    if (esito.siglav) {
        imposta(siglav, qs(*esito.siglav));
    }
    if (esito.coeff) {
        imposta(coeff, qs(*esito.coeff));
    }
    if (esito.text1) {
        imposta(Text1, qs(*esito.text1));
    }
    if (esito.note) {
        imposta(note, qs(*esito.note));
    } else if (!esito.completo() && notadiverdetto(ss(note->text()))) {
        // The verdict went with the results: its comment goes too.
        imposta(note, QString());
    }
    if (esito.aggiornagriglia) {
        VScroll1_Change();
    }
    aggiornantc();
}

void calcolo::aggiornantc() {
    const int f = std::max(fondcorrente_, 1);
    const VerificaNtc v = verificantc(dati_, f, *opzionintc_);
    imposta(ntc, qs(sintesintc(v)));
    imposta(note,
            qs(notaconverdetti(ss(note->text()), dati_.verifica[static_cast<std::size_t>(f)], v)));
    const QColor colore = !v.calcolata                ? QColor(90, 90, 90)
                          : v.verificatacomplessiva() ? coloreverificata
                                                      : colorenonverificata;
    if (ntc->palette().color(QPalette::WindowText) != colore) {
        QPalette p = ntc->palette();
        p.setColor(QPalette::WindowText, colore);
        ntc->setPalette(p);
    }
    emit risultatiCambiati();
}

// While the user is typing a sigma ("1," on the way to "1,5") the box is not
// rewritten with the same number in its tidy form; that happens on leaving it.
void calcolo::mostrasigma(const QString& testo) {
    if (sigmat->hasFocus()) {
        const auto scritto = leggidecimale(ss(sigmat->text()));
        const auto nuovo = leggidecimale(ss(testo));
        if (scritto && nuovo && *scritto == *nuovo) {
            return;
        }
    }
    imposta(sigmat, testo);
}

void calcolo::sigmat_LostFocus() {
    if (fondcorrente_ >= 1) {
        imposta(sigmat, qs(dati_.sigmat[static_cast<std::size_t>(fondcorrente_)].testo()));
    }
}

void calcolo::HScroll1_Change() {
    fondcorrente_ = HScroll1->value();
    const auto f = static_cast<std::size_t>(fondcorrente_);
    imposta(Text1, QString());
    imposta(note, QString());
    imposta(Label1, QString::number(fondcorrente_));
    imposta(prof, qs(dati_.prof[f].testo()));
    imposta(largh, qs(dati_.largh[f].testo()));
    imposta(carlim, qs(dati_.carlim[f].testo()));
    imposta(scater, qs(dati_.scater[f].testo()));
    imposta(siglav, qs(dati_.siglav[f].testo()));
    imposta(coeff, qs(dati_.coeff[f].testo()));
    // The sigma of the foundation now shown, not the one of the foundation
    // left: a calculation that stops early would never replace it.
    imposta(sigmat, qs(dati_.sigmat[f].testo()));
    mostrapiani(1);
    // A foundation whose fields read as those of the previous one changed no
    // field: its verdict is shown all the same.
    calcola();
}

void calcolo::VScroll1_Change() {
    primopiano_ = VScroll1->value();
    for (int k = 1; k <= 5; ++k) {
        const int i = primopiano_ + k - 1;
        const auto r = static_cast<std::size_t>(k);
        imposta(num[r], QString::number(i));
        for (Voce v : vociingresso) {
            imposta(campo(v, k), qs(dati_.piano(v, primopiano_ + k - 1, fondcorrente_).testo()));
        }
        imposta(scar[r], qs(dati_.scar(primopiano_ + k - 1, fondcorrente_).testo()));
        imposta(scartot[r], qs(dati_.scartot(primopiano_ + k - 1, fondcorrente_).testo()));
    }
}

void calcolo::mostrafondazione(int f) {
    f = std::clamp(f, HScroll1->minimum(), HScroll1->maximum());
    if (HScroll1->value() != f) {
        HScroll1->setValue(f);
    } else {
        HScroll1_Change();
    }
}

void calcolo::mostrapiani(int p) {
    p = std::clamp(p, VScroll1->minimum(), VScroll1->maximum());
    if (VScroll1->value() != p) {
        VScroll1->setValue(p);
    } else {
        VScroll1_Change();
    }
}

void calcolo::aggiornarisultati() {
    const int nfond = dati_.nfond;
    for (int f = 1; f <= nfond; ++f) {
        mostrafondazione(f);
        const int npiani = dati_.npiani[static_cast<std::size_t>(f)];
        for (int p = 6; p <= npiani; p += 5) {
            mostrapiani(p);
        }
    }
}

void calcolo::num_Click(int k) {
    if (k < 1 || k > 5 || fondcorrente_ < 1) {
        return;
    }
    const int i = primopiano_ + k - 1;
    const int f = fondcorrente_;
    // Storey 1 has no previous storey: copying the empty slot would erase
    // the storey's data on an accidental click.
    if (dati_.npiani[static_cast<std::size_t>(f)] == 0 || i < 2) {
        return;
    }
    for (Voce v : vociingresso) {
        dati_.piano(v, i, f) = dati_.piano(v, i - 1, f);
    }
    VScroll1_Change();
    emit datiCambiati();
}

void calcolo::coloranumeri() {
    for (int k = 1; k <= 5; ++k) {
        colora(num[static_cast<std::size_t>(k)], azzurro);
    }
}

void calcolo::evidenzianumero(int k) {
    coloranumeri();
    colora(num[static_cast<std::size_t>(k)], giallo);
}

void calcolo::incrementa_Click() {
    if (fondcorrente_ < 1) {
        return;
    }
    const auto f = static_cast<std::size_t>(fondcorrente_);
    if (dati_.largh[f].vuota()) {
        dati_.largh[f] = 0.0;
    }
    const auto larghezza = leggidecimale(dati_.largh[f]);
    if (!larghezza) {
        dialoghi_.avvisa({"Attenzione! la larghezza della fondazione non è un numero: correggerla "
                          "prima di incrementarla.",
                          Icona::stop, modzocal().titolocontrollo});
        return;
    }
    // A foundation that does not hold by its verdict of record is widened
    // at once to where it does; one that holds, by 5 cm.
    const auto sufficiente = larghezzasufficiente(dati_, fondcorrente_, opzionintc_);
    dati_.largh[f] = sufficiente.value_or(*larghezza + 0.05);
    imposta(largh, qs(dati_.largh[f].testo()));
}

void calcolo::cancella_click() {
    // 1.
    imposta(prof, QString());
    imposta(largh, QString());
    // 2., 3. and the soil cells of 5.
    dati_.cancella();
    // 4.
    for (int k = 1; k <= 5; ++k) {
        for (Voce v : vociingresso) {
            imposta(campo(v, k), QString());
        }
        imposta(scar[static_cast<std::size_t>(k)], QString());
        imposta(scartot[static_cast<std::size_t>(k)], QString());
    }
    // 5.
    imposta(Text1, QString());
    imposta(Combo1->lineEdit(), QString());
    imposta(pesos, QString());
    imposta(coes, QString());
    imposta(attr, QString());
    imposta(carlim, QString());
    imposta(sigmat, QString());
    imposta(scater, QString());
    imposta(siglav, QString());
    imposta(coeff, QString());
    // 6.
    notacampo_.clear();
    imposta(note, QString::fromUtf8(notacancellati));
    // Foundation 1 from storey 1, no storey marked: as the window started.
    coloranumeri();
    mostrafondazione(1);
    imposta(note, QString::fromUtf8(notacancellati));
    emit datiCancellati();
    indicazioni();
    aggiornantc();
    emit datiCambiati();
}

void calcolo::aiuto_Click() {
    dialoghi_.avvisa(
        {"- Digitare i dati spostandosi con il tasto TAB nei vari campi;\r"
         "- o aprire un file archiviato per prelevare i dati (Zocal-dati-...);\r"
         "- cliccare sul numero d'ordine del piano per copiare i dati del piano precedente;\r"
         "- digitare il segno + per copiare il singolo dato del piano precedente;\r"
         "- visualizzare le fondazioni successive ed i piani successivi con le barre di "
         "scorrimento;\r"
         "- seguire le indicazioni in linea nella casella gialla e controllare le note sul "
         "calcolo;\r"
         "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.",
         Icona::informazione, modzocal().titoloaiuto});
}

void calcolo::controlla_click() {
    if (auto messaggio = zocal::controlla(dati_, controllosilenzioso, modzocal())) {
        dialoghi_.avvisa(*messaggio);
    }
}

bool calcolo::eventFilter(QObject* oggetto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::KeyPress) {
        // The keypad's decimal key is the decimal comma, whatever the layout.
        auto* tasto = static_cast<QKeyEvent*>(evento);
        auto* campo = qobject_cast<QLineEdit*>(oggetto);
        if (campo && (tasto->modifiers() & Qt::KeypadModifier) &&
            (tasto->key() == Qt::Key_Period || tasto->key() == Qt::Key_Comma)) {
            campo->insert(QStringLiteral(","));
            return true;
        }
    }
    if (oggetto == superficie) {
        if (tipo == QEvent::MouseMove) {
            coloranumeri();
        }
        return FinestraLavoro::eventFilter(oggetto, evento);
    }
    if (oggetto == sigmat) {
        if (tipo == QEvent::FocusOut) {
            sigmat_LostFocus();
        }
        return FinestraLavoro::eventFilter(oggetto, evento);
    }
    for (int k = 1; k <= 5; ++k) {
        if (oggetto != num[static_cast<std::size_t>(k)]) {
            continue;
        }
        if (tipo == QEvent::MouseMove || tipo == QEvent::Enter) {
            evidenzianumero(k);
            // Handled here: the window's background must not see it and
            // take the highlight away again.
            return tipo == QEvent::MouseMove;
        }
        if (tipo == QEvent::MouseButtonRelease) {
            auto* m = static_cast<QMouseEvent*>(evento);
            if (m->button() == Qt::LeftButton &&
                num[static_cast<std::size_t>(k)]->rect().contains(m->position().toPoint())) {
                num_Click(k);
            }
        }
        break;
    }
    return FinestraLavoro::eventFilter(oggetto, evento);
}

} // namespace zocal
