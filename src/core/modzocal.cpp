#include "zocal/core/modzocal.h"

namespace zocal {

void ModZocal::inizializza() {
    nomeprogramma = "Zocal";
    sottotitolo = "verifica di fondazioni in muratura";
    versione = "3.04.05";
    dataversione = "25/10/00";
    titolocontrollo = nomeprogramma + ": controllo dati immessi nella finestra attiva";
    titoloaiuto = "Zocal: aiuto in linea";
    titoloelimina = "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";
}

ModZocal& modzocal() {
    static ModZocal modulo;
    return modulo;
}

} // namespace zocal
