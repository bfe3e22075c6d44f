#pragma once

#include "zocal/core/messaggio.h"

#include <string>

namespace zocal {

struct ModZocal;

// The questions asked before a command throws work away. Each is a Yes/No
// box whose default answer is No, so that Enter loses nothing.

// Before the clear command of working window `finestra` (1 calculation,
// 2 description, 3 title page) empties it.
Messaggio domandacancella(int finestra, const ModZocal& mod);

// Before a chosen file is deleted; `aperto` when it is the job now open.
Messaggio domandaelimina(const std::string& file, bool aperto, const ModZocal& mod);

// Before a save replaces an existing file other than the job's own.
Messaggio domandasostituisci(const std::string& file, const ModZocal& mod);

// Before a command leaves a job changed since it was last saved: "Salvare le
// modifiche a Zocal-dati-rossi?" (Yes / No / Cancel); `filedati` empty for a
// job never saved.
Messaggio domandamodifiche(const std::string& filedati);

} // namespace zocal
