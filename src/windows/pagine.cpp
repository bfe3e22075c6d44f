#include "zocal/windows/pagine.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zocal {

const std::vector<std::string>& finestreausiliarie() {
    static const std::vector<std::string> nomi{"sommario",
                                               "manuale",
                                               "guidacalcolo",
                                               "guidadescrizione",
                                               "guidafrontespizio",
                                               "guidastampa",
                                               "guidaarchivio",
                                               "guidafunzionamento",
                                               "frmTip",
                                               "licenza",
                                               "prodotti",
                                               "supportoclienti",
                                               "informa"};
    return nomi;
}

QString titoloausiliaria(const std::string& nome) {
    if (nome == "sommario") {
        return QStringLiteral("Zocal: guida in linea");
    }
    if (nome == "licenza") {
        return QStringLiteral("LICENZA D'USO");
    }
    if (nome == "frmTip") {
        return QStringLiteral("Suggerimento del giorno");
    }
    if (nome == "informa") {
        return QStringLiteral("Informazioni su Zocal");
    }
    if (nome == "supportoclienti") {
        return QStringLiteral("Servizi di supporto ai clienti");
    }
    if (nome == "prodotti") {
        return QStringLiteral("prodotti software GIRASOLE");
    }
    return QStringLiteral("Guida in linea");
}

PaginaProvvisoria::PaginaProvvisoria(const std::string& nome, QWidget* parent)
    : QWidget(parent, Qt::Window), nome_(nome) {
    setObjectName(QString::fromStdString(nome));
    setWindowTitle(titoloausiliaria(nome));
    auto* colonna = new QVBoxLayout(this);
    auto* testo = new QLabel(
        QString::fromUtf8("Questa pagina non è ancora disponibile in questa versione di Zocal."),
        this);
    testo->setWordWrap(true);
    testo->setAlignment(Qt::AlignCenter);
    colonna->addWidget(testo);
    auto* chiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    chiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
    colonna->addWidget(chiudi, 0, Qt::AlignHCenter);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    resize(376, 300);
}

} // namespace zocal
