// zocal-documenti: the documents of the batch tool (the report, the printouts
// to PDF), which need the Qt toolkit. zocal-cli hands these commands over
// here, so that checking job files never loads the toolkit.
#include "zocal/archive/salvataggio.h"
#include "zocal/printouts/stampafile.h"
#include "zocal/report/relazionefile.h"
#include "zocal/report/validazione.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    // Past a file size limit a write fails instead of ending the program:
    // the save reports it and leaves the old file as it was.
    zocal::proteggiscritture();
    const std::string_view comando = argc > 1 ? argv[1] : "";
    if (comando == "relazione") {
        return zocal::relazionedariga(argc, argv);
    }
    if (comando == "stampa") {
        return zocal::stampadariga(argc, argv);
    }
    if (comando == "validazione") {
        return zocal::comandodariga(argc, argv, zocal::comandovalidazione);
    }
    std::cerr << "zocal-documenti: usare zocal-cli relazione, stampa o validazione\n";
    return 1;
}
