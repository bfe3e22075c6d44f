// The settlements at the serviceability limit state: the job's layers and
// admissible settlements, the shown foundation's settlement and drawing, and
// the differential check between foundations.

#include "zocal/windows/statilimite.h"

#include "statilimitecomuni.h"

#include "zocal/core/ntc/righecedimenti.h"
#include "zocal/report/cedimentintc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTableWidget>

namespace zocal {

using namespace finestrantc;

DisegnoCedimenti::DisegnoCedimenti(QWidget* parent)
    : DisegnoNtc(disegnacedimenti, QSize(260, 180), parent) {}

QGroupBox* statilimite::creacedimenti() {
    auto* gruppo = new QGroupBox(QString::fromUtf8("Cedimenti (SLE), per il lavoro"));
    auto* riga = new QHBoxLayout(gruppo);
    auto* griglia = new QGridLayout;
    auto* decimali = numeri(this);
    const auto campo = [&](const QString& nome, const char* suggerimento) {
        auto* e = new QLineEdit;
        e->setObjectName(nome);
        e->setToolTip(QString::fromUtf8(suggerimento));
        e->setValidator(decimali);
        e->setMaximumWidth(64);
        connect(e, &QLineEdit::textEdited, this, &statilimite::leggicedimenti);
        return e;
    };
    griglia->addWidget(new QLabel(QString::fromUtf8("slim (cm):")), 0, 0);
    slim = campo(QStringLiteral("slim"), "cedimento ammissibile, da 0,5 a 10 cm; vuoto: 2,5");
    griglia->addWidget(slim, 0, 1);
    griglia->addWidget(new QLabel(QString::fromUtf8("Δslim (cm):")), 0, 2);
    dslim = campo(QStringLiteral("dslim"),
                  "differenza di cedimento ammissibile tra le fondazioni, da 0,2 a 5 cm; "
                  "vuoto: non verificata");
    griglia->addWidget(dslim, 0, 3);
    griglia->addWidget(new QLabel(QString::fromUtf8("strato")), 1, 0);
    griglia->addWidget(new QLabel(QString::fromUtf8("h (m)")), 1, 1);
    griglia->addWidget(new QLabel(QString::fromUtf8("Eed (MPa)")), 1, 2);
    for (int i = 1; i <= maxstrati; ++i) {
        griglia->addWidget(new QLabel(QStringLiteral("n. %1").arg(i)), i + 1, 0);
        QLineEdit* h = campo(QStringLiteral("h%1").arg(i),
                             "spessore dello strato sotto il piano di posa, da 0,1 a 50 m");
        QLineEdit* E = campo(QStringLiteral("E%1").arg(i),
                             "modulo edometrico dello strato, da 0,5 a 500 MPa (relazione "
                             "geologica o geotecnica)");
        griglia->addWidget(h, i + 1, 1);
        griglia->addWidget(E, i + 1, 2);
        strati.emplace_back(h, E);
    }
    riga->addLayout(griglia);

    auto* risultati = new QVBoxLayout;
    cedimento = new QTableWidget(0, 3);
    cedimento->setObjectName(QStringLiteral("cedimento"));
    cedimento->setHorizontalHeaderLabels(
        {QStringLiteral("grandezza"), QStringLiteral("valore"), QStringLiteral("unità")});
    cedimento->verticalHeader()->hide();
    cedimento->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cedimento->setSelectionMode(QAbstractItemView::NoSelection);
    cedimento->horizontalHeader()->setStretchLastSection(true);
    cedimento->horizontalHeader()->resizeSection(0, 200);
    differenziali = new QLabel;
    differenziali->setObjectName(QStringLiteral("differenziali"));
    differenziali->setWordWrap(true);
    risultati->addWidget(cedimento);
    risultati->addWidget(differenziali);
    riga->addLayout(risultati, 2);
    diagramma = new DisegnoCedimenti;
    diagramma->setObjectName(QStringLiteral("diagramma"));
    riga->addWidget(diagramma, 2);
    return gruppo;
}

void statilimite::mostracedimenti(const VerificaNtc& v) {
    const StratiNtc& t = opzioni_.strati;
    testo(slim, t.slim);
    testo(dslim, t.dslim);
    for (std::size_t i = 0; i < strati.size(); ++i) {
        const StratoNtc vuoto;
        const StratoNtc& s = i < t.strati.size() ? t.strati[i] : vuoto;
        testo(strati[i].first, s.h);
        testo(strati[i].second, s.Eed);
    }
    std::vector<RigaNtc> voci;
    for (const auto& r : righestrati(v)) {
        voci.push_back({"s strato n. " + r[0], "cm", r.back()});
    }
    for (RigaNtc& r : righecedimento(v)) {
        voci.push_back(std::move(r));
    }
    tabellarighe(cedimento, voci);
    const QString d = t.richiesta()
                          ? qs(testodifferenziali(differenzialintc(verifiche_, opzioni_), t))
                          : QString::fromUtf8("Indicare gli strati sotto il piano di posa per "
                                              "stimare i cedimenti.");
    if (differenziali->text() != d) {
        differenziali->setText(d);
    }
    diagramma->imposta(v);
}

void statilimite::leggicedimenti() {
    StratiNtc& t = opzioni_.strati;
    t.slim = slim->text().toStdString();
    t.dslim = dslim->text().toStdString();
    t.strati.clear();
    for (const auto& [h, E] : strati) {
        t.strati.push_back({h->text().toStdString(), E->text().toStdString()});
    }
    // As a job file gives them back: without the empty rows after the last.
    while (!t.strati.empty() && t.strati.back().vuoto()) {
        t.strati.pop_back();
    }
    aggiorna(fondazione_);
    emit opzioniCambiate();
}

} // namespace zocal
