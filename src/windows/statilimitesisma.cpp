// The seismic part: the site data of the job, the shown foundation's force
// from the structural model and its storeys' use categories.

#include "zocal/windows/statilimite.h"

#include "statilimitecomuni.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zocal {

using namespace finestrantc;

namespace {

// The combo's entry for a stored text; the first when none matches.
void mostra(QComboBox* c, const std::string& testo) {
    const int i = std::max(0, c->findText(qs(testo)));
    if (c->currentIndex() != i) {
        c->setCurrentIndex(i);
    }
}

} // namespace

QGroupBox* statilimite::creasisma() {
    auto* gruppo = new QGroupBox(QString::fromUtf8(
        "Sisma, stato limite di salvaguardia della vita (SLV): dati del sito (per il lavoro), "
        "forza e categorie d'uso (per fondazione)"));
    auto* griglia = new QGridLayout(gruppo);
    auto* decimali = numeri(this);
    int colonna = 0;
    const auto etichetta = [&](int riga, const char* testo) {
        griglia->addWidget(new QLabel(QString::fromUtf8(testo)), riga, colonna++);
    };
    const auto campo = [&](int riga, QLineEdit*& e, const char* nome, const char* testo,
                           const char* suggerimento) {
        etichetta(riga, testo);
        e = new QLineEdit;
        e->setObjectName(QString::fromUtf8(nome));
        e->setToolTip(QString::fromUtf8(suggerimento));
        e->setValidator(decimali);
        e->setMaximumWidth(60);
        griglia->addWidget(e, riga, colonna++);
        connect(e, &QLineEdit::textEdited, this, &statilimite::leggidatisisma);
    };
    const auto scelta = [&](int riga, QComboBox*& c, const char* nome, const char* testo,
                            const QStringList& voci, const char* suggerimento) {
        if (testo) {
            etichetta(riga, testo);
        }
        c = new QComboBox;
        c->setObjectName(QString::fromUtf8(nome));
        c->addItems(voci);
        c->setToolTip(QString::fromUtf8(suggerimento));
        griglia->addWidget(c, riga, colonna++);
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!mostrando_) {
                leggidatisisma();
            }
        });
    };
    campo(0, ag, "ag", "ag (g):",
          "accelerazione massima su roccia allo SLV, da 0 a 0,6 (pericolosità sismica del "
          "sito per il periodo di ritorno dello SLV); vuoto o 0: verifica non richiesta");
    campo(0, F0, "F0", "F0:", "fattore di amplificazione spettrale del sito, da 1,8 a 3,5");
    scelta(0, catsuolo, "catsuolo", "sottosuolo:", {QString(), "A", "B", "C", "D", "E"},
           "categoria di sottosuolo (Tab. 3.2.II), dalla relazione geologica");
    scelta(0, cattopo, "cattopo", "topografia:", {"T1", "T2", "T3", "T4"},
           "categoria topografica (Tab. 3.2.III)");
    campo(0, q, "q", "q:",
          "fattore di comportamento adottato nell'analisi della struttura, da 1 a 5, come da "
          "relazione di calcolo della struttura");
    campo(0, gammaRd, "gammaRd", "γRd:",
          "fattore di sovraresistenza delle azioni sulle fondazioni, da 1 a 1,3; vuoto: 1,1");
    campo(0, alfaH, "alfaH", "αH:",
          "quota dell'azione sismica attribuita al metro di questo muro, da 0 a 3; vuoto: 1");
    colonna = 0;
    etichettasisma = new QLabel;
    griglia->addWidget(etichettasisma, 1, colonna++);
    campo(1, HE, "HE", "HE (kN/m):",
          "forza orizzontale sismica sul metro di muro dal modello strutturale; vuoto: stimata");
    etichetta(1, "categorie d'uso dei piani:");
    QStringList nomi;
    for (const CategoriaUso& c : categorieuso) {
        nomi << qs(c.nome);
    }
    for (std::size_t i = 0; i < categoriepiani.size(); ++i) {
        const std::string nome = "categoria" + std::to_string(i + 1);
        const std::string suggerimento =
            "piano n. " + std::to_string(i + 1) +
            ": categoria d'uso del carico variabile (Tab. 2.5.I), per ψ2; N1 e N2 neve fino a o "
            "oltre 1000 m s.l.m.";
        scelta(1, categoriepiani[i], nome.c_str(), nullptr, nomi, suggerimento.c_str());
    }
    griglia->setColumnStretch(colonna, 1);
    return gruppo;
}

std::array<std::pair<QLineEdit*, std::string*>, 6> statilimite::campisisma() {
    SismaNtc& s = opzioni_.sisma;
    return {{{ag, &s.ag},
             {F0, &s.F0},
             {q, &s.q},
             {gammaRd, &s.gammaRd},
             {alfaH, &s.alfaH},
             {HE, &opzioni_.sismafondazioni[static_cast<std::size_t>(fondazione_)].HE}}};
}

void statilimite::mostrasisma() {
    const bool prima = mostrando_;
    mostrando_ = true;
    const SismaNtc& s = opzioni_.sisma;
    for (const auto& [e, t] : campisisma()) {
        testo(e, *t);
    }
    mostra(catsuolo, s.catsuolo);
    mostra(cattopo, s.cattopo);
    const auto& categorie = opzioni_.categorie[static_cast<std::size_t>(fondazione_)];
    const int n = dati_.npiani[fondazione_];
    for (std::size_t i = 0; i < categoriepiani.size(); ++i) {
        mostra(categoriepiani[i], categorie[i]);
        categoriepiani[i]->setVisible(static_cast<int>(i) < n);
    }
    const QString etichetta = QStringLiteral("fondazione n. %1:").arg(fondazione_);
    if (etichettasisma->text() != etichetta) {
        etichettasisma->setText(etichetta);
    }
    mostrando_ = prima;
}

void statilimite::leggidatisisma() {
    SismaNtc& s = opzioni_.sisma;
    for (const auto& [e, testo] : campisisma()) {
        *testo = e->text().toStdString();
    }
    s.catsuolo = catsuolo->currentText().toStdString();
    // The defaults are kept as nothing, so that the job file stays as it was.
    s.cattopo = cattopo->currentIndex() > 0 ? cattopo->currentText().toStdString() : "";
    auto& categorie = opzioni_.categorie[static_cast<std::size_t>(fondazione_)];
    for (std::size_t i = 0; i < categoriepiani.size(); ++i) {
        const std::string c = categoriepiani[i]->currentText().toStdString();
        categorie[i] = c == categoriapredefinita ? "" : c;
    }
    aggiorna(fondazione_);
    emit opzioniCambiate();
}

} // namespace zocal
