#include "zocal/core/domande.h"

#include "zocal/core/modzocal.h"

namespace zocal {

Messaggio domandacancella(int finestra, const ModZocal& mod) {
    std::string cosa;
    switch (finestra) {
    case 1:
        cosa = "Cancellare tutti i dati di calcolo: le dieci fondazioni con i loro piani e i dati "
               "sul terreno?";
        break;
    case 2:
        cosa = "Cancellare tutte le descrizioni dei luoghi e del fabbricato?";
        break;
    default:
        cosa = "Cancellare tutti i dati del frontespizio, data compresa?";
        break;
    }
    return {cosa + "\rI dati non archiviati andranno persi.", Icona::domanda, mod.titolocontrollo};
}

Messaggio domandaelimina(const std::string& file, bool aperto, const ModZocal& mod) {
    std::string testo = "Eliminare definitivamente il file\r" + file + " ?";
    if (aperto) {
        testo += "\rAttenzione: è il file del lavoro aperto ora.";
    }
    return {testo, Icona::domanda, mod.titolocontrollo};
}

Messaggio domandasostituisci(const std::string& file, const ModZocal& mod) {
    return {"Il file\r" + file + "\resiste già: sostituirlo con i dati di questo lavoro?",
            Icona::domanda, mod.titolocontrollo};
}

} // namespace zocal

namespace zocal {

Messaggio domandamodifiche(const std::string& filedati) {
    // The file's own name: the folder would push the question off the box.
    const auto barra = filedati.find_last_of('/');
    const std::string nome = barra == std::string::npos ? filedati : filedati.substr(barra + 1);
    const std::string lavoro = nome.empty() ? "al nuovo lavoro" : "a " + nome;
    return {"Salvare le modifiche " + lavoro + "?", Icona::domanda, "Zocal: modifiche non salvate"};
}

} // namespace zocal
