// The settlements at the serviceability limit state: the job's layers and
// admissible settlements, the shown foundation's settlement and drawing, and
// the differential check between foundations.

#include "zocal/windows/statilimite.h"

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

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void testo(QLineEdit* e, const std::string& t) {
    if (e->text() != qs(t)) {
        e->setText(qs(t));
    }
}

} // namespace

DisegnoCedimenti::DisegnoCedimenti(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 180);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void DisegnoCedimenti::imposta(const VerificaNtc& v) {
    v_ = v;
    update();
}

void DisegnoCedimenti::paintEvent(QPaintEvent*) {
    QPainter p(this);
    disegnacedimenti(p, QRectF(rect()), v_);
}

QGroupBox* statilimite::creacedimenti() {
    auto* gruppo = new QGroupBox(QString::fromUtf8("Cedimenti (SLE), per il lavoro"));
    auto* riga = new QHBoxLayout(gruppo);
    auto* griglia = new QGridLayout;
    // Decimal-comma numbers only: anything else could not be stored.
    auto* numeri = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*(,[0-9]*)?")), this);
    const auto campo = [&](const QString& nome, const char* suggerimento) {
        auto* e = new QLineEdit;
        e->setObjectName(nome);
        e->setToolTip(QString::fromUtf8(suggerimento));
        e->setValidator(numeri);
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
    std::vector<RigaNtc> righe;
    for (const auto& r : righestrati(v)) {
        righe.push_back({"s strato n. " + r[0], "cm", r.back()});
    }
    for (RigaNtc& r : righecedimento(v)) {
        righe.push_back(std::move(r));
    }
    const int n = static_cast<int>(righe.size());
    if (cedimento->rowCount() != n) {
        cedimento->setRowCount(n);
    }
    for (int r = 0; r < n; ++r) {
        const RigaNtc& riga = righe[static_cast<std::size_t>(r)];
        const QString testi[] = {qs(riga.nome), qs(riga.valore), qs(riga.unita)};
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* it = cedimento->item(r, c);
            if (it == nullptr) {
                it = new QTableWidgetItem;
                it->setTextAlignment(c == 1 ? (Qt::AlignRight | Qt::AlignVCenter)
                                            : (Qt::AlignLeft | Qt::AlignVCenter));
                cedimento->setItem(r, c, it);
            }
            if (it->text() != testi[c]) {
                it->setText(testi[c]);
            }
        }
    }
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
