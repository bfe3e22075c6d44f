#include "zocal/core/frontespizio.h"

#include "zocal/core/lunghezza.h"
#include "zocal/core/modzocal.h"

#include <algorithm>

namespace zocal {

const std::array<CampoFrontespizio, nfrontespizio>& campifrontespizio() {
    static const std::array<CampoFrontespizio, nfrontespizio> campi{{
        {Frontespizio::progetto,
         " progetto....................:", "il progetto a cui si riferisce la relazione"},
        {Frontespizio::localita,
         " località......................:", "denominazione dei luoghi oggetto della relazione"},
        {Frontespizio::committente,
         " committente..............:", "chi ha commissionato la relazione"},
        {Frontespizio::luogo,
         " luogo elaborazione...:", "località in cui viene redatta la relazione"},
        {Frontespizio::data, " data elaborazione.....:",
         "la data della relazione (impostata in automatico, ma modificabile)"},
        {Frontespizio::allegati, " allegati alla relazione:",
         "grafici, disegni, planimetrie, foto, relazione geologica e/o geotecnica, ecc."},
    }};
    return campi;
}

std::optional<Messaggio> lunghezzafrontespizio(std::string_view testo, const ModZocal& mod) {
    return avvisolunghezza(testo, maxfrontespizio, mod);
}

Messaggio controllafrontespizio(const DatiFrontespizio& testi, const ModZocal& mod) {
    auto vuoto = [&](Frontespizio t) { return testi[static_cast<std::size_t>(t)].empty(); };
    if (vuoto(Frontespizio::progetto) && vuoto(Frontespizio::localita) &&
        vuoto(Frontespizio::committente) && vuoto(Frontespizio::allegati)) {
        return {"Non è stato immesso alcun dato.", Icona::domanda, mod.titolocontrollo};
    }
    if (std::any_of(testi.begin(), testi.end(), [](const std::string& t) { return t.empty(); })) {
        return {"Inserire dati per ogni campo.", Icona::esclamazione, mod.titolocontrollo};
    }
    return {"I dati sono stati immessi correttamente.", Icona::informazione, mod.titolocontrollo};
}

Messaggio aiutofrontespizio(const ModZocal& mod) {
    return {"- Digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei "
            "campi;\r"
            "- non digitare dati più lunghi di 60 caratteri;\r"
            "- o aprire un file archiviato per prelevare i dati registrati (Zocal-dati-...);\r"
            "- la data viene impostata in automatico, ma è modificabile;\r"
            "- il nome e l'indirizzo dello studio tecnico non si modificano in questa finestra: "
            "si leggono all'avvio dal file StudioZocal.TXT.",
            Icona::informazione, mod.titoloaiuto};
}

std::string suggerimentostudio(bool indirizzo, std::string_view provenienza,
                               std::string_view cartella) {
    std::string testo = indirizzo ? "indirizzo dello studio tecnico" : "nome dello studio tecnico";
    testo += ", non modificabile in questa finestra";
    if (!provenienza.empty()) {
        testo += ": letto all'avvio dal file ";
        testo += provenienza;
        return testo;
    }
    testo += ": per indicarlo scrivere nel file ";
    testo += filestudiotecnico;
    testo += indirizzo ? ", alla seconda riga (alla prima il nome dello studio),"
                       : ", alla prima riga (alla seconda l'indirizzo),";
    if (cartella.empty()) {
        testo += " accanto al programma";
    } else {
        testo += " nella cartella ";
        testo += cartella;
    }
    testo += ", e riavviare Zocal";
    return testo;
}

} // namespace zocal
