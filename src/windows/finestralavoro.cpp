#include "zocal/windows/finestralavoro.h"

#include "campitesto.h"
#include "zocal/core/domande.h"
#include "zocal/core/modzocal.h"
#include "zocal/resize/misure.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <vector>

namespace zocal {

FinestraLavoro::FinestraLavoro(Dialoghi& dialoghi, int numero, const char* titolo, QWidget* parent)
    : QMainWindow(parent), dialoghi_(dialoghi), numero_(numero) {
    superficie = campitesto::preparasuperficie(*this, titolo);
    titolo_ = windowTitle();
    setAcceptDrops(true);
}

namespace {

// The one local file a drag carries; empty for anything else.
QString filetrascinato(const QMimeData* dati) {
    if (dati == nullptr || !dati->hasUrls() || dati->urls().size() != 1 ||
        !dati->urls().front().isLocalFile()) {
        return {};
    }
    return dati->urls().front().toLocalFile();
}

} // namespace

void FinestraLavoro::dragEnterEvent(QDragEnterEvent* evento) {
    if (!filetrascinato(evento->mimeData()).isEmpty()) {
        evento->acceptProposedAction();
    }
}

void FinestraLavoro::dropEvent(QDropEvent* evento) {
    const QString file = filetrascinato(evento->mimeData());
    if (!file.isEmpty()) {
        evento->acceptProposedAction();
        emit fileTrascinato(file.toStdString());
    }
}

bool FinestraLavoro::eventFilter(QObject* oggetto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if ((tipo == QEvent::DragEnter || tipo == QEvent::DragMove || tipo == QEvent::Drop) &&
        qobject_cast<QLineEdit*>(oggetto) != nullptr) {
        auto* trascina = static_cast<QDropEvent*>(evento);
        if (!filetrascinato(trascina->mimeData()).isEmpty()) {
            if (tipo == QEvent::Drop) {
                dropEvent(trascina);
            } else {
                trascina->acceptProposedAction();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void FinestraLavoro::impostastato(const std::string& filedati, bool modificato) {
    QString t = titolo_;
    if (!filedati.empty() || modificato) {
        const QString nome = QString::fromStdString(filedati).section(QLatin1Char('/'), -1);
        t += QStringLiteral(" - ") + (nome.isEmpty() ? QStringLiteral("nuovo lavoro") : nome);
    }
    if (modificato) {
        t += QLatin1Char('*');
    }
    if (windowTitle() != t) {
        setWindowTitle(t);
    }
}

FinestraLavoro::~FinestraLavoro() = default;

void FinestraLavoro::tastiguida(const char* suggerimentoaiuto, const char* suggerimentoguida) {
    aiuto = campitesto::nuovotasto(superficie, "aiuto", "&AIUTO", 120, suggerimentoaiuto);
    guidainlinea = campitesto::nuovotasto(superficie, "guidainlinea", "&Guida in linea", 1200,
                                          suggerimentoguida);
    connect(guidainlinea, &QPushButton::clicked, this, &FinestraLavoro::guidainlineaRichiesta);
}

QPushButton* FinestraLavoro::tastouscita(const char* nome) {
    QPushButton* b =
        campitesto::nuovotasto(superficie, nome, "&USCITA", 8280, "cliccare per uscire da Zocal");
    connect(b, &QPushButton::clicked, this, &FinestraLavoro::uscitaRichiesta);
    return b;
}

void FinestraLavoro::comandi(const char* controlla) {
    azionecontrolla = new QAction(QString::fromUtf8(controlla), this);
    azionecontrolla->setToolTip(QStringLiteral("controllo dati immessi"));
    azionecancella = new QAction(QStringLiteral("C&ancella dati finestra"), this);
    azionecancella->setToolTip(QStringLiteral("cancella dati finestra"));
    connect(azionecancella, &QAction::triggered, this, &FinestraLavoro::cancella_chiedi);
}

void FinestraLavoro::cancella_chiedi() {
    if (dialoghi_.chiedi(domandacancella(numero_, modzocal()), true) == Risposta::si) {
        cancella_click();
    }
}

void FinestraLavoro::Form_Load() {
    // Record the layout at the design size, place the window on the screen,
    // then give it its fixed size.
    superficie->resize(pixel(larghezzaprogetto), pixel(altezzaprogetto));
    // Captions measured at the design size, before anything scales them.
    std::vector<Ingombro> ingombri;
    for (QWidget* c : clsResize::controlli(superficie)) {
        if (auto* l = qobject_cast<QLabel*>(c)) {
            campitesto::adattadidascalia(l);
        }
        const QSize n = campitesto::necessario(c);
        if (n.width() > 0 || n.height() > 0) {
            ingombri.push_back({c->size(), n});
        }
    }
    for (QLineEdit* e : superficie->findChildren<QLineEdit*>()) {
        e->installEventFilter(this);
    }
    ridimensiona = new clsResize(this);
    ridimensiona->setSourceForm(superficie);
    ridimensiona->SizeFormToScreen(75);
    // Once the layout is recorded: below this size a text would be cut, and
    // the area scrolls instead.
    superficie->setMinimumSize(misuraminima(superficie->size(), ingombri));
    dimensionaprogetto();
    // The message titles, whichever window the program opened first.
    modzocal().inizializza();
}

void FinestraLavoro::dimensionaprogetto() {
    // The platform draws the frame outside the size set here; the bars
    // inside it take their height from the inner area's. A font wider than
    // designed makes the window as large as its texts need.
    const QSize interno = QSize(pixel(larghezzaprogetto), pixel(altezzaprogetto))
                              .expandedTo(superficie->minimumSize());
    resize(interno.width(), interno.height() + campitesto::barre(*this));
    campitesto::portanelloschermo(*this);
}

void FinestraLavoro::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    // The frame is known now: the whole window stays on the screen.
    campitesto::portanelloschermo(*this);
}

} // namespace zocal
