// zocal: the desktop program. For now it opens the calculation window.
#include "zocal/core/daticalcolo.h"
#include "zocal/core/modzocal.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/dialoghiqt.h"

#include <QApplication>

#ifdef ZOCAL_MISURA_AVVIO
#include "primodisegno.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zocal"));

    // The verification data of the open job, one for the whole run.
    static zocal::DatiCalcolo dati;
    zocal::DialoghiQt dialoghi;
    zocal::calcolo finestra(dati, dialoghi);
    dialoghi.impostaGenitore(&finestra);

    // Leaving asks first: data not archived are lost.
    QObject::connect(&finestra, &zocal::calcolo::uscitaRichiesta, &finestra, [&] {
        const zocal::ModZocal& mod = zocal::modzocal();
        const zocal::Messaggio domanda{"Vuoi uscire da " + mod.nomeprogramma + "?",
                                       zocal::Icona::domanda,
                                       "Attenzione: i dati non archiviati andranno persi !"};
        if (dialoghi.chiedi(domanda, true) == zocal::Risposta::si) {
            QApplication::quit();
        }
    });

#ifdef ZOCAL_MISURA_AVVIO
    misura::esciDopoIlPrimoDisegno(finestra);
#endif
    finestra.show();
    return QApplication::exec();
}
