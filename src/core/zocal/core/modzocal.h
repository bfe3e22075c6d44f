#pragma once

#include <string>

namespace zocal {

// The program's identity texts and the fixed titles of its message boxes and
// of the delete dialog. Empty until inizializza runs; running it again changes nothing.
struct ModZocal {
    std::string nomeprogramma;
    std::string sottotitolo;
    std::string versione;
    std::string dataversione;
    std::string titolocontrollo;
    std::string titoloaiuto;
    std::string titoloelimina;

    void inizializza();
};

// The one shared module of the program.
ModZocal& modzocal();

} // namespace zocal
