// Pictures of the start-up screen, of the three working windows and of the
// limit-state window with the worked example, for the documentation: zocal_fotografie OUT_DIR JOB_FILE.
// Run under a real display (xvfb-run), so the windows are drawn as users see them.
#include "shellfinti.h"
#include "zocal/printouts/registratore.h"
#include "zocal/windows/programma.h"
#include "zocal/windows/splash.h"
#include "zocal/windows/statilimite.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QTest>

#include <iostream>

namespace {

bool fotografa(QWidget* w, const QString& file) {
    w->show();
    w->raise();
    if (!QTest::qWaitForWindowExposed(w)) {
        return false;
    }
    QTest::qWait(400);
    return w->grab().save(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: zocal_fotografie CARTELLA FILE_DATI\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zocal"));
    const QDir cartella(QString::fromLocal8Bit(argv[1]));

    DialoghiFinti dialoghi;
    zocal::SceltaRegistrata stampante;
    LettoreFinto lettore;
    VisoreFinto visore;
    zocal::Programma programma(dialoghi, stampante, lettore, visore);
    programma.impostastudio({"Studio tecnico Ing. Mario Bianchi", "via Roma 12, 85100 Potenza"},
                            "/home/utente/.config/Zocal/StudioZocal.TXT");

    programma.avvia();
    bool riuscito = fotografa(programma.splash(), cartella.filePath("zocal-avvio.png"));
    programma.splash()->hide();

    dialoghi.file.push_back(std::string(argv[2]));
    programma.apri();
    if (programma.filedati().empty()) {
        std::cerr << "impossibile aprire " << argv[2] << "\n";
        return 2;
    }
    const char* nomi[] = {"", "zocal-calcolo.png", "zocal-descrizione.png",
                          "zocal-frontespizio.png"};
    for (int n = 1; n <= 3; ++n) {
        QMainWindow* w = programma.finestra(n);
        w->move(20, 20);
        riuscito = fotografa(w, cartella.filePath(QString::fromLatin1(nomi[n]))) && riuscito;
        w->hide();
    }
    programma.mostrantc();
    zocal::statilimite* ntc = programma.finestrantcesistente();
    ntc->move(20, 20);
    riuscito = fotografa(ntc, cartella.filePath(QStringLiteral("zocal-ntc.png"))) && riuscito;
    ntc->hide();
    if (!riuscito) {
        std::cerr << "non tutte le immagini sono state salvate\n";
        return 2;
    }
    return 0;
}
