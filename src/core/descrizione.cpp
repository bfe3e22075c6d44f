#include "zocal/core/descrizione.h"

#include "zocal/core/lunghezza.h"
#include "zocal/core/modzocal.h"

#include <algorithm>

namespace zocal {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view fabbricato[] = {"edificio esistente"sv,
                                           "fabbricato di nuova costruzione"sv};
constexpr std::string_view muratura[] = {"in pietrame squadrato"sv, "in pietrame misto"sv,
                                         "in pietrame a sacco"sv,   "in mattoni di cemento"sv,
                                         "in mattoni di argilla"sv, "in tufo"sv};
constexpr std::string_view consistenza[] = {"ottima"sv, "buona"sv, "accettabile"sv, "scadente"sv};
constexpr std::string_view solai[] = {
    "in travi di legno e tavole"sv, "in travi di ferro e voltine"sv,
    "in travi di ferro e tavelloni"sv, "in travi di cls e pignatte"sv, "in lastre prefabbricate"sv};
constexpr std::string_view zona[] = {"il fabbricato è modesto e ricade in zone già note"sv,
                                     "sono stati eseguiti rilievi geognostici"sv};
constexpr std::string_view lotto[] = {
    "il lotto è pianeggiante"sv, "il lotto è in leggero declivio"sv,
    "il lotto verrà sbancato e saranno costruiti muri di sostegno"sv,
    "il lotto sarà interessato da modeste opere di scavo"sv};
// Metres with the decimal comma, as the report writes every number; a job
// saved with "1.5" keeps its own text.
constexpr std::string_view altezza[] = {"1"sv, "1,5"sv, "2"sv, "2,5"sv, "3"sv, "3,5"sv,
                                        "4"sv, "4,5"sv, "5"sv, "5,5"sv, "6"sv};
constexpr std::string_view acque[] = {
    "saranno opportunamente incanalate"sv, "già sono in massima parte incanalate"sv,
    "scorrono in luoghi lontani dalle fondazioni"sv, "saranno oggetto di opere di drenaggio"sv};
constexpr std::string_view vicinanze[] = {
    "esistono altri edifici in buone condizioni statiche"sv, "non esistono altri edifici"sv,
    "esistono altri edifici in condizioni statiche scadenti"sv};
constexpr std::string_view canali[] = {
    "non esistono canali di scolo naturali"sv,
    "i canali di scolo esistenti scorrono in alvei naturali"sv,
    "i canali naturali sono stati oggetto di sistemazione idraulica"sv};
constexpr std::string_view frane[] = {
    "non esistono frane in atto"sv,
    "sono presenti modeste frane in luoghi distanti dalle fondazioni"sv,
    "vi sono stati interventi di consolidamento sulle frane presenti"sv};
constexpr std::string_view natura[] = {"sabbioso"sv, "sabbioso-argilloso"sv, "calcareo"sv,
                                       "vulcanico"sv, "roccioso"sv};
constexpr std::string_view giudizio[] = {"ottimo"sv, "buono"sv, "accettabile"sv,
                                         "scadente (occorrerebbero opere di consolidamento)"sv};

constexpr const char* nondati = "Non è stato immesso alcun dato.";
constexpr const char* datiincompleti = "Inserire i dati in ogni campo.";
constexpr const char* daticorretti = "I dati sono stati immessi correttamente.";

} // namespace

const std::array<CampoDescrizione, ndescrizione>& campidescrizione() {
    static const std::array<CampoDescrizione, ndescrizione> campi{{
        {Descrizione::fabbricato, "tipo di fabbricato", "esistente, nuovo, da sistemare, ecc.",
         fabbricato},
        {Descrizione::muratura, "tipo di muratura", "in pietrame, in mattoni, in altri materiali",
         muratura},
        {Descrizione::consistenza, "consistenza", "la qualità della muratura", consistenza},
        {Descrizione::solai, "tipo di solai",
         "in travi di ferro e tavelloni, in travetti precompressi e pignatte, in legno, ecc.",
         solai},
        {Descrizione::zona, "zona", "pianeggiante o da sbancare", zona},
        {Descrizione::lotto, "lotto", "pianeggiante o da sbancare", lotto},
        {Descrizione::altezza, "altezza massima dei fronti di scavo m.",
         "l'altezza massima dello sbancamento", altezza},
        {Descrizione::acque, "acque superficiali", "se sono o saranno incanalate", acque},
        {Descrizione::vicinanze, "vicinanze", "se vi sono altri edifici e in quali condizioni",
         vicinanze},
        {Descrizione::canali, "canali di scolo", "se vi sono o meno", canali},
        {Descrizione::frane, "frane in atto", "se vi sono o meno", frane},
        {Descrizione::natura, "classificazione e natura del terreno",
         "tipologia geologica del terreno", natura},
        {Descrizione::giudizio, "giudizio sulla stabilità terreno-fondazione",
         "un giudizio che riassuma il complesso dell'opera di fondazione", giudizio},
    }};
    return campi;
}

std::optional<Messaggio> lunghezzadescrizione(std::string_view testo, const ModZocal& mod) {
    return avvisolunghezza(testo, maxdescrizione, mod);
}

std::string aggiornapasso(const DatiDescrizione& testi) {
    const bool vuoti =
        std::all_of(testi.begin(), testi.end(), [](const std::string& t) { return t.empty(); });
    return vuoti ? passodescrizionevuota : passodescrizionepiena;
}

Messaggio controlladescrizione(const DatiDescrizione& testi, const ModZocal& mod) {
    const auto pieni =
        std::count_if(testi.begin(), testi.end(), [](const std::string& t) { return !t.empty(); });
    if (pieni == 0) {
        return {nondati, Icona::domanda, mod.titolocontrollo};
    }
    if (pieni < ndescrizione) {
        return {datiincompleti, Icona::domanda, mod.titolocontrollo};
    }
    return {daticorretti, Icona::informazione, mod.titolocontrollo};
}

Messaggio aiutodescrizione(const ModZocal& mod) {
    return {"- Immettere i dati utilizzando le voci indicate nella lista o digitandoli con la "
            "tastiera;\r"
            "- spostarsi con il tasto TAB tra i campi e con le frecce per scegliere nella lista;\r"
            "- non digitare dati più lunghi di 65 caratteri;\r"
            "- o aprire un file archiviato per prelevare i dati registrati (Zocal-dati-...)",
            Icona::informazione, mod.titoloaiuto};
}

} // namespace zocal
