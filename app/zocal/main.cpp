// zocal: the desktop program. It opens on the start-up screen; a click leads
// to the calculation window, a key ends the program.
#include "zocal/archive/salvataggio.h"
#include "zocal/archive/studio.h"
#include "zocal/help/finestreaiuto.h"
#include "zocal/printouts/stampanteqt.h"
#include "zocal/report/documento.h"
#include "zocal/report/percorsi.h"
#include "zocal/report/validazione.h"
#include "zocal/windows/caratteri.h"
#include "zocal/windows/dialoghiqt.h"
#include "zocal/windows/lettore.h"
#include "zocal/windows/programma.h"
#include "zocal/windows/splash.h"
#include "zocal/windows/stile.h"
#include "zocal/windows/visore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QWindow>

#ifdef ZOCAL_MISURA_AVVIO
#include "primodisegno.h"
#include "zocal/windows/calcolo.h"
#endif

int main(int argc, char** argv) {
    // A save past a file size limit is reported, not the end of the program.
    zocal::proteggiscritture();
    // Fonts are made ready on a second thread while the display is reached.
    zocal::PreparazioneCaratteri caratteri;
    QApplication app(argc, argv);
    caratteri.applicazionepronta();
    struct Fine {
        zocal::PreparazioneCaratteri& c;
        ~Fine() { c.termina(); }
    } fine{caratteri};
    zocal::identitaapplicazione();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Over the style the user or the desktop chose (-style, QT_STYLE_OVERRIDE).
    QApplication::setStyle(
        new zocal::StileZocal(QStyleFactory::create(QApplication::style()->name())));

    // Qt's own dialogs (file, colour, printer) speak Italian too.
    QTranslator traduzione;
    if (traduzione.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduzione);
    }

    zocal::DialoghiQt dialoghi;
    zocal::SceltaStampanteQt stampante;
    zocal::LettoreFluidSynth lettore;
    zocal::VisoreQt visore(dialoghi);
    zocal::Programma programma(dialoghi, stampante, lettore, visore);

    // Help and information windows; their documents open like the report.
    zocal::UscitaDocumentiQt documenti(
        [&visore](const std::string& percorso) { return visore.apri(percorso); },
        [&visore](std::unique_ptr<zocal::ScrittoreDocumento> documento, QWidget* genitore,
                  const std::string& titolo) {
            visore.anteprima(std::move(documento), genitore, titolo);
        });
    zocal::ApriIndirizzoQt indirizzi;
    zocal::FinestreAiuto aiuto(dialoghi, documenti, indirizzi,
                               [&programma] { return programma.filedati(); });
    zocal::collegaaiuto(programma, aiuto);

    // The technical office, read once for the whole run.
    std::filesystem::path provenienza;
    const zocal::StudioTecnico studio = zocal::caricastudio(zocal::percorsistudio(), &provenienza);
    programma.impostastudio(studio, provenienza.string());

    // Boxes and dialogs stand over the window the user is working in.
    const auto genitore = [&dialoghi, &stampante](QWidget* finestra) {
        dialoghi.impostaGenitore(finestra);
        stampante.impostaGenitore(finestra);
    };
    programma.impostagenitore(genitore);
    QObject::connect(&app, &QApplication::focusWindowChanged, &app, [genitore] {
        if (QWidget* attiva = QApplication::activeWindow()) {
            genitore(attiva);
        }
    });

    // Unsaved changes are copied every minute to the user's data folder; the
    // recent files and the office live in the configuration folder.
    programma.impostarecupero(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    programma.impostarecenti(zocal::cartellaconfigurazione() / zocal::filerecenti);
    programma.impostafilestudio(zocal::cartellaconfigurazione() / zocal::filestudio);
    // The validation document is written afresh into the cache when asked for.
    programma.impostafilevalidazione(
        std::filesystem::path(
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString()) /
        zocal::filevalidazionepdf);

    // The one argument a desktop passes: the job file, opened at once without
    // the start-up screen. Qt has already taken its own options out of argv.
    const bool file = argc == 2;
    if (file) {
        programma.impostafileiniziale(QString::fromLocal8Bit(argv[1]).toStdString());
    }

    caratteri.attendiconfigurazione();
#ifndef ZOCAL_MISURA_AVVIO
    if (file) {
        programma.mostracalcolo();
    } else {
        programma.avvia();
    }
#else
    programma.avvia();
#endif
#if defined(ZOCAL_MISURA_AVVIO) && defined(ZOCAL_MISURA_SPLASH)
    // Start-up to the first window the user sees.
    misura::esciDopoIlPrimoDisegno(*programma.splash());
#elif defined(ZOCAL_MISURA_AVVIO)
    // Start-up to the calculation window, as with a user's first click.
    programma.mostracalcolo();
    misura::esciDopoIlPrimoDisegno(*programma.finestracalcolo());
#endif
    const int esito = QApplication::exec();
    lettore.chiudi();
    return esito;
}
