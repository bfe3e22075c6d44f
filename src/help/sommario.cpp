#include "zocal/help/sommario.h"

#include "disegno.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/documenti.h"
#include "zocal/help/testi.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace zocal {

using namespace disegno;

namespace {

constexpr const char* finestre[] = {"",
                                    "manuale",
                                    "guidafunzionamento",
                                    "guidaarchivio",
                                    "guidastampa",
                                    "guidacalcolo",
                                    "guidadescrizione",
                                    "guidafrontespizio",
                                    "frmTip",
                                    "licenza",
                                    "prodotti"};

constexpr int cime[] = {0, 960, 1320, 1680, 2040, 2640, 3000, 3360, 4320, 4920, 5280};

} // namespace

std::string sommario::finestravoce(int k) {
    if (k < 1 || k > voci) {
        return finestre[1];
    }
    return finestre[k];
}

QString sommario::didascalia(int k) {
    switch (k) {
    case 1:
        return QStringLiteral("  Manuale d'uso rapido");
    case 2:
        return QStringLiteral("  Funzionamento del programma");
    case 3:
        return QStringLiteral("  Archivio dati");
    case 4:
        return QStringLiteral(" Come stampare");
    case 5:
        return QStringLiteral(" Finestra 'Calcolo'");
    case 6:
        return QStringLiteral(" Finestra 'Descrizione'");
    case 7:
        return QStringLiteral(" Finestra 'Frontespizio'");
    case 8:
        return QStringLiteral("  Suggerimento del giorno");
    case 9:
        return QStringLiteral("  Licenza d'uso di \"") + qs(modzocal().nomeprogramma) +
               QStringLiteral("\"");
    case 10:
        return QStringLiteral("  altri prodotti Software Girasole");
    default:
        return {};
    }
}

sommario::sommario(Dialoghi& dialoghi, UscitaDocumenti& uscita,
                   std::function<std::string()> filedati, QWidget* parent)
    : QWidget(parent, Qt::Window), dialoghi_(dialoghi), uscita_(uscita),
      filedati_(std::move(filedati)) {
    setObjectName(QStringLiteral("sommario"));
    setWindowTitle(QStringLiteral("Zocal: guida in linea"));
    colora(this, grigio);
    carattere(this, 8);
    setMouseTracking(true);

    intestazione = etichetta(this, QStringLiteral("Argomenti della guida"), 240, 240, 3375, 375);
    intestazione->setObjectName(QStringLiteral("intestazione"));
    intestazione->setAlignment(Qt::AlignCenter);
    intestazione->setFrameStyle(QFrame::Box | QFrame::Plain);
    carattere(intestazione, 10, true);
    colora(intestazione, azzurro);

    for (int k = 1; k <= voci; ++k) {
        const auto i = static_cast<std::size_t>(k);
        puls[i] = tasto(this, "", QStringLiteral("--->"), 240, cime[k], 375, 255);
        puls[i]->setObjectName(QStringLiteral("puls%1").arg(k));
        QLabel* l = etichetta(this, didascalia(k), 720, cime[k], 2895, 255);
        l->setObjectName(QStringLiteral("lbl%1").arg(k));
        l->setWordWrap(false);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        if (k == 9) {
            colora(l, rosso, giallo);
        } else if (k == 10) {
            colora(l, giallo);
        } else {
            colora(l, azzurro);
        }
        lbl[i] = l;
        connect(puls[i], &QPushButton::clicked, this, [this, k] { puls_Click(k); });
    }

    cmdstampa = tasto(this, "cmdstampa", QStringLiteral("&Stampa"), 240, 5880, 1095, 375,
                      "cliccare per avere la copia su carta del sommario");
    cmdchiudi = tasto(this, "cmdchiudi", QStringLiteral("&Chiudi"), 1440, 5880, 1095, 375,
                      "cliccare per chiudere la finestra");
    esco = tasto(this, "esco", QStringLiteral("&USCITA"), 2640, 5880, 1095, 375,
                 "cliccare per uscire da Zocal");
    connect(cmdstampa, &QPushButton::clicked, this, &sommario::cmdstampa_Click);
    connect(cmdchiudi, &QPushButton::clicked, this, &sommario::cmdchiudi_Click);
    connect(esco, &QPushButton::clicked, this, &sommario::esco_Click);

    ridimensiona = dimensiona(this, larghezzaprogetto, altezzaprogetto);
}

void sommario::puls_Click(int k) {
    emit apriRichiesta(QString::fromStdString(finestravoce(k)));
}

void sommario::azzeravoci() {
    for (int k = 1; k <= voci; ++k) {
        QLabel* l = lbl[static_cast<std::size_t>(k)];
        if (l->font().bold()) {
            QFont f = l->font();
            f.setBold(false);
            l->setFont(f);
        }
    }
}

void sommario::lbl_MouseMove(int k) {
    azzeravoci();
    QLabel* l = lbl[static_cast<std::size_t>(k)];
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
}

void sommario::lbl_Mousedown(int k) {
    // The pressed look, and the page opens at once, not on release.
    lbl[static_cast<std::size_t>(k)]->setFrameStyle(QFrame::NoFrame);
    puls_Click(k);
}

void sommario::lbl_MouseUp(int k) {
    lbl[static_cast<std::size_t>(k)]->setFrameStyle(QFrame::Box | QFrame::Plain);
}

int sommario::voce(const QObject* oggetto) const {
    for (int k = 1; k <= voci; ++k) {
        if (lbl[static_cast<std::size_t>(k)] == oggetto) {
            return k;
        }
    }
    return 0;
}

bool sommario::eventFilter(QObject* oggetto, QEvent* evento) {
    if (const int k = voce(oggetto); k != 0) {
        switch (evento->type()) {
        case QEvent::MouseMove:
            lbl_MouseMove(k);
            break;
        case QEvent::MouseButtonPress:
            lbl_Mousedown(k);
            break;
        case QEvent::MouseButtonRelease:
            lbl_MouseUp(k);
            break;
        default:
            return QWidget::eventFilter(oggetto, evento);
        }
        // Handled here: passed on, a move would reach the window's own
        // background handling and clear the bold caption again.
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void sommario::mouseMoveEvent(QMouseEvent* evento) {
    azzeravoci();
    QWidget::mouseMoveEvent(evento);
}

void sommario::leaveEvent(QEvent* evento) {
    azzeravoci();
    QWidget::leaveEvent(evento);
}

void sommario::cmdstampa_Click() {
    const std::string percorso = percorsoguida(filedati_ ? filedati_() : std::string());
    pubblica(uscita_, dialoghi_, this, percorso, "guida in linea",
             [](ScrittoreRelazione& s) { guidacompleta(s, pagineguida()); });
}

void sommario::cmdchiudi_Click() {
    hide();
}

void sommario::esco_Click() {
    emit uscitaRichiesta();
}

} // namespace zocal
