#include "zocal/windows/statilimite.h"

#include "campitesto.h"
#include "statilimitecomuni.h"
#include "zocal/report/sezionentc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zocal {

namespace {

constexpr FormulaNgamma formule[] = {FormulaNgamma::brinchhansen, FormulaNgamma::vesic,
                                     FormulaNgamma::ec7};

} // namespace

namespace finestrantc {

void cella(QTableWidget* t, int riga, int colonna, const QString& testo, bool destra) {
    QTableWidgetItem* it = t->item(riga, colonna);
    if (it == nullptr) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(destra ? (Qt::AlignRight | Qt::AlignVCenter)
                                    : (Qt::AlignLeft | Qt::AlignVCenter));
        t->setItem(riga, colonna, it);
    }
    if (it->text() != testo) {
        it->setText(testo);
    }
}

void righe(QTableWidget* t, int n) {
    if (t->rowCount() != n) {
        t->setRowCount(n);
    }
}

void testo(QLineEdit* e, const std::string& t) {
    if (const QString q = qs(t); e->text() != q) {
        e->setText(q);
    }
}

void tabellarighe(QTableWidget* t, const std::vector<RigaNtc>& voci) {
    righe(t, static_cast<int>(voci.size()));
    for (int r = 0; r < static_cast<int>(voci.size()); ++r) {
        const RigaNtc& riga = voci[static_cast<std::size_t>(r)];
        cella(t, r, 0, qs(riga.nome), false);
        cella(t, r, 1, qs(riga.valore));
        cella(t, r, 2, qs(riga.unita), false);
    }
}

QRegularExpressionValidator* numeri(QObject* padre) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*(,[0-9]*)?")),
                                           padre);
}

} // namespace finestrantc

using namespace finestrantc;

DisegnoNtc::DisegnoNtc(Disegnatore disegnatore, QSize minima, QWidget* parent)
    : QWidget(parent), disegnatore_(disegnatore) {
    setMinimumSize(minima);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void DisegnoNtc::imposta(const VerificaNtc& v) {
    v_ = v;
    update();
}

void DisegnoNtc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    disegnatore_(p, QRectF(rect()), v_);
}

DisegnoSezione::DisegnoSezione(QWidget* parent)
    : DisegnoNtc(disegnasezione, QSize(320, 220), parent) {}

statilimite::statilimite(const DatiCalcolo& dati, OpzioniNtc& opzioni, QWidget* parent)
    : QWidget(parent, Qt::Window), dati_(dati), opzioni_(opzioni) {
    setWindowTitle(QString::fromUtf8(titolo));
    setObjectName(QStringLiteral("statilimite"));

    auto* scelte = new QGroupBox(QStringLiteral("Opzioni della verifica (approccio 2: A1+M1+R3)"));
    auto* rigascelte = new QHBoxLayout(scelte);
    rigascelte->addWidget(new QLabel(QString::fromUtf8("formula di Nγ:")));
    ngamma = new QComboBox;
    ngamma->setObjectName(QStringLiteral("ngamma"));
    for (FormulaNgamma f : formule) {
        ngamma->addItem(qs(std::string(nomengamma(f))));
    }
    ngamma->setToolTip(QString::fromUtf8("Brinch Hansen 1,5·(Nq−1)·tanφ; Vesic 2·(Nq+1)·tanφ; "
                                         "EC7 2·(Nq−1)·tanφ, metodo dell'Annesso D della "
                                         "UNI EN 1997-1, senza fattori di profondità"));
    rigascelte->addWidget(ngamma);
    profondita = new QCheckBox(QString::fromUtf8("fattori di profondità dc, dq"));
    profondita->setObjectName(QStringLiteral("profondita"));
    rigascelte->addWidget(profondita);
    g2definiti = new QCheckBox(
        QString::fromUtf8("carichi permanenti non strutturali compiutamente definiti (γG2 = 1,3)"));
    g2definiti->setObjectName(QStringLiteral("g2definiti"));
    rigascelte->addWidget(g2definiti);
    rigascelte->addStretch();

    auto* datiterreno = new QGroupBox(QStringLiteral("Dati del terreno per la verifica"));
    auto* rigadati = new QHBoxLayout(datiterreno);
    auto* decimali = numeri(this);
    const auto campo = [&](QLineEdit*& e, const char* nome, const char* etichetta,
                           const char* suggerimento) {
        rigadati->addWidget(new QLabel(QString::fromUtf8(etichetta)));
        e = new QLineEdit;
        e->setObjectName(QString::fromUtf8(nome));
        e->setToolTip(QString::fromUtf8(suggerimento));
        rigadati->addWidget(e);
    };
    campo(cu, "cu", "cu (t/mq):",
          "coesione non drenata: indicata, ogni fondazione è verificata anche a breve termine "
          "(condizioni non drenate, φ = 0)");
    campo(pesofond, "pesofond", "peso specifico della fondazione (kg/mc):",
          "vuoto: quello del muro del piano n. 1; per una fondazione in calcestruzzo 2500");
    campo(fonte, "fonte", "fonte dei parametri:",
          "da dove vengono i parametri del terreno, per esempio la relazione geologica");
    for (QLineEdit* e : {cu, pesofond}) {
        e->setValidator(decimali);
        e->setMaximumWidth(80);
    }
    fonte->setMaxLength(static_cast<int>(lunghezzafonte));

    tabella = new QTableWidget(0, static_cast<int>(intestazionintc().size()));
    tabella->setObjectName(QStringLiteral("tabella"));
    QStringList intestazioni;
    for (const std::string& t : intestazionintc()) {
        intestazioni << qs(t);
    }
    tabella->setHorizontalHeaderLabels(intestazioni);
    tabella->verticalHeader()->hide();
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Eleven narrow columns of numbers; the note takes what is left.
    tabella->horizontalHeader()->setDefaultSectionSize(78);
    tabella->horizontalHeader()->resizeSection(10, 118);
    tabella->horizontalHeader()->setStretchLastSection(true);
    tabella->setMinimumHeight(160);

    titolofondazione = new QLabel;
    titolofondazione->setObjectName(QStringLiteral("titolofondazione"));
    QFont grassetto = titolofondazione->font();
    grassetto.setBold(true);
    titolofondazione->setFont(grassetto);
    fattori = new QTableWidget(0, 3);
    fattori->setObjectName(QStringLiteral("fattori"));
    fattori->setHorizontalHeaderLabels(
        {QStringLiteral("grandezza"), QStringLiteral("valore"), QStringLiteral("unità")});
    fattori->verticalHeader()->hide();
    fattori->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fattori->setSelectionMode(QAbstractItemView::NoSelection);
    fattori->horizontalHeader()->setStretchLastSection(true);
    fattori->setMinimumWidth(300);
    sezione = new DisegnoSezione;
    sezione->setObjectName(QStringLiteral("sezione"));
    QGroupBox* azioni = creaazioni();
    QGroupBox* sisma = creasisma();
    combinazioni = creacombinazioni();
    QGroupBox* cedimenti = creacedimenti();

    auto* dettagli = new QVBoxLayout;
    dettagli->addWidget(titolofondazione);
    dettagli->addWidget(combinazioni);
    dettagli->addWidget(fattori);
    auto* sotto = new QHBoxLayout;
    sotto->addLayout(dettagli, 2);
    sotto->addWidget(sezione, 3);

    guida = new QPushButton(QStringLiteral("&Guida"));
    guida->setToolTip(QStringLiteral("il metodo, le formule e i coefficienti della verifica"));
    chiudi = new QPushButton(QStringLiteral("&Chiudi"));
    auto* tasti = new QHBoxLayout;
    tasti->addWidget(new QLabel(QString::fromUtf8(
        "Non verificati: stabilità globale, verifica strutturale della fondazione, "
        "liquefazione.")));
    tasti->addStretch();
    tasti->addWidget(guida);
    tasti->addWidget(chiudi);

    // On a screen too small for it the window scrolls rather than cut its texts.
    auto* tutto = new QVBoxLayout(campitesto::scorrevole(this));
    tutto->addWidget(scelte);
    tutto->addWidget(datiterreno);
    tutto->addWidget(azioni);
    tutto->addWidget(sisma);
    tutto->addWidget(tabella, 2);
    tutto->addLayout(sotto, 3);
    tutto->addWidget(cedimenti, 2);
    tutto->addLayout(tasti);
    resize(1040, 940);

    mostraopzioni();
    // EC7 is the Annex D method, which has no depth factors; the user may tick them again.
    connect(ngamma, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!mostrando_ && i >= 0 && formule[std::clamp(i, 0, 2)] == FormulaNgamma::ec7) {
            const bool prima = mostrando_;
            mostrando_ = true;
            profondita->setChecked(false);
            mostrando_ = prima;
        }
        leggiopzioni();
    });
    for (QLineEdit* e : {cu, pesofond, fonte}) {
        connect(e, &QLineEdit::textEdited, this, &statilimite::leggiopzioni);
    }
    connect(profondita, &QCheckBox::toggled, this, &statilimite::leggiopzioni);
    connect(g2definiti, &QCheckBox::toggled, this, &statilimite::leggiopzioni);
    connect(guida, &QPushButton::clicked, this, &statilimite::guidaRichiesta);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
}

void statilimite::mostraopzioni() {
    mostrando_ = true;
    const auto i = std::find(std::begin(formule), std::end(formule), opzioni_.ngamma);
    ngamma->setCurrentIndex(static_cast<int>(i - std::begin(formule)));
    profondita->setChecked(opzioni_.profondita);
    g2definiti->setChecked(opzioni_.g2definiti);
    const TerrenoNtc& t = opzioni_.terreno;
    for (const auto& [e, testo] :
         {std::pair{cu, &t.cu}, {pesofond, &t.pesofond}, {fonte, &t.fonte}}) {
        finestrantc::testo(e, *testo);
    }
    mostrando_ = false;
    aggiorna(fondazione_);
}

void statilimite::leggiopzioni() {
    if (mostrando_) {
        return;
    }
    const int i = std::clamp(ngamma->currentIndex(), 0, 2);
    opzioni_.ngamma = formule[i];
    opzioni_.profondita = profondita->isChecked();
    opzioni_.g2definiti = g2definiti->isChecked();
    opzioni_.terreno.cu = cu->text().toStdString();
    opzioni_.terreno.pesofond = pesofond->text().toStdString();
    opzioni_.terreno.fonte = fonte->text().toStdString();
    aggiorna(fondazione_);
    emit opzioniCambiate();
}

void statilimite::aggiorna(int f) {
    fondazione_ = std::clamp(f, 1, maxfond);
    if (!isVisible()) {
        return;
    }
    verifiche_ = verificatutte(dati_, opzioni_);
    riempi();
}

void statilimite::riempi() {
    const int n = static_cast<int>(verifiche_.size());
    righe(tabella, n);
    for (int r = 0; r < n; ++r) {
        const std::vector<std::string> testi = rigantc(verifiche_[static_cast<std::size_t>(r)]);
        for (int c = 0; c < static_cast<int>(testi.size()); ++c) {
            cella(tabella, r, c, qs(testi[static_cast<std::size_t>(c)]), c < 10);
        }
    }
    // The shown foundation may lie past the last one in use.
    const VerificaNtc v = fondazione_ <= n ? verifiche_[static_cast<std::size_t>(fondazione_ - 1)]
                                           : verificantc(dati_, fondazione_, opzioni_);
    if (fondazione_ <= n && tabella->currentRow() != fondazione_ - 1) {
        tabella->selectRow(fondazione_ - 1);
    }
    const QString intestazione = QStringLiteral("Fondazione n. %1: ").arg(fondazione_) +
                                 (v.calcolata ? qs(v.esitocomplessivo()) : qs(v.nota));
    if (titolofondazione->text() != intestazione) {
        titolofondazione->setText(intestazione);
    }
    std::vector<RigaNtc> tutte = righeazioni(v);
    for (auto&& righe : {righecombinazione(v), righeresistenza(v)}) {
        tutte.insert(tutte.end(), righe.begin(), righe.end());
    }
    if (const auto s = righescorrimento(v); !s.empty()) {
        tutte.push_back({"scorrimento sul piano di posa", "", ""});
        tutte.insert(tutte.end(), s.begin(), s.end());
    }
    if (v.calcolata && v.brevetermine) {
        tutte.push_back({"a breve termine (condizioni non drenate)", "", ""});
        for (RigaNtc& r : righeresistenza(v, *v.brevetermine)) {
            tutte.push_back(std::move(r));
        }
    }
    if (v.calcolata && v.sisma) {
        tutte.push_back({"in condizioni sismiche (SLV)", "", ""});
        const auto spettro = righespettro(v);
        tutte.insert(tutte.end(), spettro.begin(), spettro.end());
        for (const EsitoSisma* s : {&v.sisma->lungo, v.sisma->breve ? &*v.sisma->breve : nullptr}) {
            if (s == nullptr) {
                continue;
            }
            if (v.sisma->breve) {
                tutte.push_back(
                    {s == &v.sisma->lungo ? "SLV a lungo termine" : "SLV a breve termine", "", ""});
            }
            for (auto&& r : {righeazionisismiche(v, *s), righeresistenzasismica(v, *s)}) {
                tutte.insert(tutte.end(), r.begin(), r.end());
            }
            tutte.push_back({"scorrimento (SLV)", "", ""});
            const auto r = righescorrimentosismico(v, *s);
            tutte.insert(tutte.end(), r.begin(), r.end());
        }
        if (v.liquefazione) {
            tutte.push_back({testoliquefazione, "", ""});
        }
    }
    tabellarighe(fattori, tutte);
    mostraazioni();
    mostrasisma();
    riempicombinazioni(v);
    sezione->imposta(v);
    mostracedimenti(v);
}

void statilimite::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    aggiorna(fondazione_);
}

} // namespace zocal
