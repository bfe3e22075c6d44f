#pragma once

namespace zocal {

// The usage lines of "zocal-cli stampa", in the style of the tool's help.
extern const char* const usostampa;

// zocal-cli stampa --modello|--dati|--frontespizio|--descrizione FILE -o OUT.pdf:
// prints one of the documents into a PDF file. argv[1] is "stampa". Makes
// the Qt application object when there is none (offscreen unless
// QT_QPA_PLATFORM says otherwise). Messages in Italian on stderr; returns
// 0 when printed, 1 for a wrong command line, 2 for a job file that cannot
// be read or a printer fault.
int stampadariga(int argc, char** argv);

} // namespace zocal
