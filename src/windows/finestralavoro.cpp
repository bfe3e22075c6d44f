#include "zocal/windows/finestralavoro.h"

#include "campitesto.h"
#include "zocal/core/domande.h"
#include "zocal/core/modzocal.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace zocal {

FinestraLavoro::FinestraLavoro(Dialoghi& dialoghi, int numero, const char* titolo, QWidget* parent)
    : QMainWindow(parent), dialoghi_(dialoghi), numero_(numero) {
    superficie = campitesto::preparasuperficie(*this, titolo);
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
    for (QLabel* l : superficie->findChildren<QLabel*>()) {
        campitesto::adattadidascalia(l);
    }
    ridimensiona = new clsResize(this);
    ridimensiona->setSourceForm(superficie);
    ridimensiona->SizeFormToScreen(75);
    dimensionaprogetto();
    // The message titles, whichever window the program opened first.
    modzocal().inizializza();
}

void FinestraLavoro::dimensionaprogetto() {
    // The platform draws the frame outside the size set here; the bars
    // inside it take their height from the inner area's.
    int bars = menuBar()->actions().isEmpty() ? 0 : menuBar()->sizeHint().height();
    for (const QToolBar* t : findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        bars += t->sizeHint().height();
    }
    resize(pixel(larghezzaprogetto), pixel(altezzaprogetto) + bars);
}

} // namespace zocal
