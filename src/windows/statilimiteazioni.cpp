// The entries beyond the centred vertical load: the shown foundation's wall
// offset and horizontal forces, the job's water table, and the table of the
// combinations.

#include "zocal/windows/statilimite.h"

#include "statilimitecomuni.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include <array>
#include <utility>

namespace zocal {

using namespace finestrantc;

QGroupBox* statilimite::creaazioni() {
    auto* gruppo = new QGroupBox(QString::fromUtf8(
        "Carichi eccentrici o inclinati (per fondazione) e falda (per il lavoro)"));
    auto* griglia = new QGridLayout(gruppo);
    auto* decimali = numeri(this);
    int colonna = 0;
    const auto campo = [&](int riga, QLineEdit*& e, const char* nome, const char* etichetta,
                           const char* suggerimento) {
        griglia->addWidget(new QLabel(QString::fromUtf8(etichetta)), riga, colonna++);
        e = new QLineEdit;
        e->setObjectName(QString::fromUtf8(nome));
        e->setToolTip(QString::fromUtf8(suggerimento));
        e->setValidator(decimali);
        e->setMaximumWidth(70);
        griglia->addWidget(e, riga, colonna++);
        connect(e, &QLineEdit::textEdited, this, &statilimite::leggiazioni);
    };
    etichettafondazione = new QLabel;
    griglia->addWidget(etichettafondazione, 0, colonna++);
    campo(0, eccmuro, "eccmuro", "eccentricità del muro (m):",
          "distanza dell'asse del muro dall'asse della fondazione; vuoto: 0, minore di B/2");
    campo(0, HGk, "HGk", "HGk (kN/m):",
          "forza orizzontale permanente trasversale al muro (spinta di una volta, spinta delle "
          "terre); vuoto: 0");
    campo(0, HQk, "HQk",
          "HQk (kN/m):", "forza orizzontale variabile trasversale al muro (vento); vuoto: 0");
    campo(0, zH, "zH", "zH (m):", "altezza delle forze orizzontali sul piano di posa; vuoto: 0");
    campo(0, deltaphi, "deltaphi",
          "δ/φ:", "rapporto tra l'angolo di attrito terreno-fondazione e φ, da 0,5 a 1; vuoto: 1");
    colonna = 1;
    campo(1, zw, "zw",
          "falda a (m):", "profondità della falda dal piano campagna; vuoto: nessuna falda");
    campo(1, pesosat, "pesosat", "peso specifico saturo (t/mc):",
          "del terreno sotto falda; necessario quando la falda è a meno di D + B");
    griglia->setColumnStretch(11, 1);
    return gruppo;
}

QTableWidget* statilimite::creacombinazioni() {
    const auto& intestazioni = intestazionicombinazioni();
    auto* t = new QTableWidget(0, static_cast<int>(intestazioni.size()));
    t->setObjectName(QStringLiteral("combinazioni"));
    QStringList testi;
    for (const std::string& i : intestazioni) {
        testi << qs(i);
    }
    t->setHorizontalHeaderLabels(testi);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->horizontalHeader()->setDefaultSectionSize(64);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setMaximumHeight(118);
    return t;
}

std::array<std::pair<QLineEdit*, std::string*>, 7> statilimite::campiazioni() {
    FondazioneNtc& f = opzioni_.fondazioni[static_cast<std::size_t>(fondazione_)];
    return {{{eccmuro, &f.eccmuro},
             {HGk, &f.HGk},
             {HQk, &f.HQk},
             {zH, &f.zH},
             {deltaphi, &f.deltaphi},
             {zw, &opzioni_.falda.zw},
             {pesosat, &opzioni_.falda.pesosat}}};
}

void statilimite::mostraazioni() {
    // Only changed texts are set: this runs on every keystroke of the job.
    for (const auto& [e, t] : campiazioni()) {
        testo(e, *t);
    }
    const QString etichetta = QStringLiteral("fondazione n. %1:").arg(fondazione_);
    if (etichettafondazione->text() != etichetta) {
        etichettafondazione->setText(etichetta);
    }
}

void statilimite::leggiazioni() {
    for (const auto& [e, testo] : campiazioni()) {
        *testo = e->text().toStdString();
    }
    aggiorna(fondazione_);
    emit opzioniCambiate();
}

void statilimite::riempicombinazioni(const VerificaNtc& v) {
    const auto voci = righecombinazioni(v);
    righe(combinazioni, static_cast<int>(voci.size()));
    for (int r = 0; r < static_cast<int>(voci.size()); ++r) {
        const auto& testi = voci[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(testi.size()); ++c) {
            cella(combinazioni, r, c, qs(testi[static_cast<std::size_t>(c)]));
        }
    }
}

} // namespace zocal
