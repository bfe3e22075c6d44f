#include "zocal/help/paginaguida.h"

#include "disegno.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/documenti.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zocal {

using namespace disegno;

PaginaGuida::PaginaGuida(const PaginaTesto& pagina, Dialoghi& dialoghi, UscitaDocumenti& uscita,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), nomeprogramma(nullptr), pagina_(pagina), dialoghi_(dialoghi),
      uscita_(uscita) {
    const bool manuale = pagina_.nome == "manuale";
    const bool terms = licenza();
    setObjectName(qs(pagina_.nome));
    setWindowTitle(terms ? QStringLiteral("LICENZA D'USO") : QStringLiteral("Guida in linea"));
    // The pages are rebuilt at every opening; the terms page is kept.
    setAttribute(Qt::WA_DeleteOnClose, !terms);
    colora(this, giallino);
    carattere(this, 8);

    const int larghezza = manuale ? larghezzamanuale : terms ? larghezzalicenza : larghezzapagina;
    const int altezza = terms ? altezzalicenza : altezzapagina;
    const int larghezzatesto = manuale ? 9135 : 5175;

    cmdSommario = tasto(this, "cmdSommario", QStringLiteral("&Sommario"), 120, 120, 1215, 375,
                        "cliccare per visualizzare il sommario della guida");
    cmdstampa = tasto(this, "cmdstampa", QStringLiteral("S&tampa"), 1320, 120, 1215, 375,
                      manuale ? "cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"
                      : terms ? "cliccare per stampare la LICENZA D'USO"
                              : "cliccare per stampare la finestra");
    cmdchiudi = tasto(this, "cmdchiudi", QStringLiteral("&Chiudi"), 2520, 120, 1215, 375,
                      terms ? "cliccare per chiudere la finestra LICENZA D'USO"
                            : "cliccare per chiudere la finestra");
    if (terms) {
        nomeprogramma = etichetta(this, qs(modzocal().nomeprogramma), 3840, 120, 1455, 375);
        nomeprogramma->setObjectName(QStringLiteral("nomeprogramma"));
        nomeprogramma->setAlignment(Qt::AlignCenter);
        carattere(nomeprogramma, 14, true);
        colora(nomeprogramma, rosso, giallo);
    }
    titolo = etichetta(this, qs(pagina_.titolo), 120, 600, larghezzatesto, manuale ? 240 : 255);
    titolo->setObjectName(QStringLiteral("titolo"));
    carattere(titolo, 9, true);
    colora(titolo, giallino, blu);

    testo = new QPlainTextEdit(this);
    testo->setObjectName(QStringLiteral("testo"));
    testo->setReadOnly(true);
    testo->setPlainText(qs(pagina_.testo));
    carattere(testo, 9);
    colora(testo, bianco, QColor(Qt::black));
    posa(testo, 120, manuale ? 840 : 960, larghezzatesto, manuale ? 5520 : 5295);

    connect(cmdSommario, &QPushButton::clicked, this, &PaginaGuida::cmdSommario_Click);
    connect(cmdstampa, &QPushButton::clicked, this, &PaginaGuida::cmdstampa_Click);
    connect(cmdchiudi, &QPushButton::clicked, this, &PaginaGuida::cmdchiudi_Click);

    ridimensiona = dimensiona(this, larghezza, altezza, manuale ? -1 : sinistrapagina);
}

void PaginaGuida::cmdSommario_Click() {
    emit sommarioRichiesto();
}

void PaginaGuida::cmdstampa_Click() {
    const std::string nomefile = modzocal().nomeprogramma + "-" + pagina_.nome + ".docx";
    pubblica(uscita_, dialoghi_, this, uscita_.provvisorio(nomefile), pagina_.titolo,
             [this](ScrittoreRelazione& s) {
                 if (licenza()) {
                     stampalicenza(s, pagina_);
                 } else {
                     stampaguida(s, pagina_.titolo, pagina_.testo);
                 }
             });
}

void PaginaGuida::cmdchiudi_Click() {
    close();
}

} // namespace zocal
