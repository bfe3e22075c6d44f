#include "zocal/printouts/documenti.h"

#include "zocal/core/prospetto.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <utility>

namespace zocal {

namespace {

constexpr const char* intestazione = "ZOCAL - verifica di fondazioni in muratura";

// Every document starts the same way: the position of the first line, the
// size of the heading, the face.
void avvia(Foglio& foglio, double twip) {
    foglio.posizioneverticale(twip);
    foglio.dimensione(18);
    foglio.carattere(caratterestampa);
}

void righe(Foglio& foglio, int colonna, std::initializer_list<const char*> testi) {
    for (const char* t : testi) {
        foglio.a(colonna, t);
        foglio.acapo();
    }
}

constexpr const char* legendaterreno[] = {
    "suolo..........= tipo di suolo (1/2/3/0)",
    "peso specifico = peso specifico del terreno di fondazione",
    "coesione.......= valore della coesione",
    "attrito........= angolo di attrito del terreno",
};

int limita(int n) {
    return std::clamp(n, 0, 10);
}

// Storey cells of a listing line with the decimal column each is aligned on.
constexpr std::pair<Voce, int> colonnepiano[] = {
    {Voce::pesol, 11}, {Voce::sovr, 18},    {Voce::lungh, 22},   {Voce::pepav, 31},
    {Voce::tram, 38},  {Voce::spess, 41},   {Voce::interas, 47}, {Voce::spem, 56},
    {Voce::scar, 63},  {Voce::scartot, 71},
};

} // namespace

void aggiornasenzafinestra(DatiCalcolo& dati) {
    calcolatutte(dati);
}

std::optional<Messaggio> avvisostampa(const EsitoStampa& esito, const ModZocal& mod) {
    if (esito.stato != EsitoStampa::Stato::guasto) {
        return std::nullopt;
    }
    const std::string nome = mod.nomeprogramma.empty() ? "Zocal" : mod.nomeprogramma;
    return Messaggio{esito.errore, Icona::stop, nome + ": stampa non riuscita"};
}

void scrivimodello(Foglio& f) {
    avvia(f, 800);
    f.a(7, intestazione);
    f.acapo();
    f.dimensione(12);
    f.acapo();
    f.a(10, "MODULO PER L'ACQUISIZIONE DEI DATI");
    f.acapo();
    f.acapo();
    f.a(10, "Tipo di suolo:");
    f.acapo();
    f.acapo();
    righe(f, 14,
          {"1 = sabbioso    (calcola automaticamente il sigma del terreno)",
           "2 = compatto       ''          ''             ''         ''",
           "3 = intermedio     ''          ''             ''         ''",
           "0 = indicare sigma terreno"});
    f.acapo();
    f.a(10, "Legenda:");
    f.acapo();
    f.acapo();
    for (const char* t : legendaterreno) {
        f.a(14, t);
        f.acapo();
    }
    f.a(14, "sigma max......= sigma ammissibile nel terreno");
    f.acapo();
    f.acapo();
    righe(f, 14,
          {"fond.  = numero della fondazione", "piano  = numero del piano",
           "solaio = peso proprio del solaio", "sovr.  = sovraccarico accidentale",
           "lungh. = lunghezza del solaio che grava sul muro", "pavim. = peso del pavimento",
           "tram.  = peso totale dei tramezzi che gravano sul muro",
           "spess. = spessore del muro al piano sottostante",
           "inter. = interasse del piano sottostante", "spec.  = peso specifico del muro",
           "prof.  = profondità della fondazione", "largh. = larghezza della base fondale"});
    f.acapo();
    f.a(10, "Progetto: ___________________________________");
    f.acapo();
    f.acapo();
    f.dimensione(8);
    righe(f, 7,
          {" suolo  peso specifico  coesione    attrito    sigma max",
           "   n.         t/mc        t/mq       gradi      kg/cmq"});
    f.acapo();
    f.a(7, "________    ________    ________    ________    ________");
    f.acapo();
    f.acapo();
    righe(f, 7,
          {" fond.    piano   solaio    sovr.   lungh.   pavim.    tram.    spess.   inter.   "
           "spec.    prof.    largh.",
           "  n.        n.     kg/mq    kg/mq     m       kg/mq    kg/m       m        m      "
           "kg/mc      m        m"});
    f.acapo();
    for (int k = 0; k < 20; ++k) {
        f.a(7, "_______  _______  _______  _______  _______  _______  _______  _______  "
               "_______  _______  _______  _______");
        f.acapo();
        f.acapo();
    }
    f.fine();
}

void scrividati(Foglio& f, const DatiCalcolo& dati, std::string_view progetto) {
    avvia(f, 800);
    f.a(7, intestazione);
    f.acapo();
    f.dimensione(12);
    f.acapo();
    f.a(10, "Progetto: " + std::string(progetto));
    f.acapo();
    f.acapo();
    f.acapo();
    f.a(10, "Tipo di suolo:");
    f.acapo();
    f.acapo();
    righe(f, 14,
          {"1 = sabbioso    (sigma del terreno calcolato automaticamente)",
           "2 = compatto       ''        ''       ''         ''",
           "3 = intermedio     ''        ''       ''         ''",
           "0 = sigma del terreno indicato in fase di input"});
    f.acapo();
    f.a(10, "Legenda:");
    f.acapo();
    f.acapo();
    for (const char* t : legendaterreno) {
        f.a(14, t);
        f.acapo();
    }
    f.acapo();
    righe(f, 14,
          {"pia.   = numero del piano (impalcato)", "sol.   = peso proprio del solaio",
           "sovr.  = sovraccarico accidentale", "lungh. = lunghezza del solaio che grava sul muro",
           "pavim. = peso del pavimento", "tram.  = peso totale dei tramezzi che gravano sul muro",
           "spe.   = spessore del muro al piano sottostante",
           "inter. = interasse del piano sottostante", "spec.  = peso specifico del muro",
           "scar.  = scarico del piano", "totale = scarico totale fino al piano",
           "prof.  = profondità della fondazione", "largh. = larghezza della base fondale",
           "lim.   = carico di rottura del terreno", "sigma  = sigma ammissibile nel terreno",
           "terra  = peso totale gravante sul terreno", "lav.   = sigma di lavoro del terreno",
           "coeff. = coefficiente di sicurezza"});
    f.acapo();
    f.a(10, "DATI E RISULTATI");
    f.acapo();
    f.acapo();
    righe(f, 14,
          {"suolo  peso specifico  coesione    attrito",
           "  n.         t/mc        t/mq       gradi"});
    f.allinea(16, dati.tiposuolo);
    f.allinea(29, dati.pesos);
    f.allinea(40, dati.coes);
    f.allinea(53, dati.attr);
    f.acapo();

    for (int fond = 1; fond <= limita(dati.nfond); ++fond) {
        f.acapo();
        f.dimensione(12);
        f.a(10, "Fondazione n.").scrivi(Elemento::numero(fond));
        f.acapo();
        f.acapo();
        f.dimensione(8);
        f.a(3, "pia. sol.  sovr. lungh. pavim. tram. spe. inter. spec.   scar. totale  prof. "
               "largh.  lim.   sigma  terra  lav.  coeff.");
        f.acapo();
        f.a(3, " n. kg/mq  kg/mq   m    kg/mq  kg/m   m     m    kg/mc   kg/m   kg/m     m     m "
               "    t/mq  kg/cmq  kg/m  kg/cmq");
        f.acapo();
        f.acapo();
        const std::pair<const Cella*, int> fondazione[] = {
            {&dati.prof[fond], 76},   {&dati.largh[fond], 82},   {&dati.carlim[fond], 90},
            {&dati.sigmat[fond], 95}, {&dati.scater[fond], 106}, {&dati.siglav[fond], 109},
            {&dati.coeff[fond], 116},
        };
        for (int i = 1; i <= limita(dati.npiani[fond]); ++i) {
            // The storey number's last digit falls in column 4, after its sign blank.
            const int cifre = static_cast<int>(scrivinumero(i).size());
            f.a(5 - (cifre + 1), Elemento::numero(i));
            for (const auto& [voce, colonna] : colonnepiano) {
                f.allinea(colonna, dati.piano(voce, i, fond));
            }
            if (i == 1) {
                for (const auto& [cella, colonna] : fondazione) {
                    f.allinea(colonna, *cella);
                }
            }
            f.acapo();
        }
    }
    f.fine();
}

void scrivifrontespizio(Foglio& f, const std::array<std::string, nfrontespizio>& testi,
                        const StudioTecnico& studio) {
    avvia(f, 1000);
    f.scrivi(std::string("    ") + intestazione);
    f.acapo();
    f.dimensione(12);
    f.acapo();
    constexpr std::pair<Frontespizio, const char*> campi[] = {
        {Frontespizio::progetto, "progetto:"},
        {Frontespizio::localita, "località:"},
        {Frontespizio::committente, "committente:"},
        {Frontespizio::luogo, "luogo della elaborazione:"},
        {Frontespizio::data, "data della elaborazione:"},
        {Frontespizio::allegati, "allegati alla relazione:"},
    };
    for (const auto& [campo, etichetta] : campi) {
        f.a(10, etichetta).a(40, testi[static_cast<std::size_t>(campo)]);
        f.acapo();
    }
    f.acapo();
    f.a(10, "studio tecnico:").a(40, studio.nome);
    f.acapo();
    f.a(40, studio.indirizzo);
    f.acapo();
    f.fine();
}

void scrividescrizione(Foglio& f, const std::array<std::string, ndescrizione>& testi,
                       std::string_view progetto) {
    const auto testo = [&](Descrizione d) -> const std::string& {
        return testi[static_cast<std::size_t>(d)];
    };
    avvia(f, 800);
    f.a(7, intestazione);
    f.acapo();
    f.dimensione(12);
    f.acapo();
    f.a(10, "Progetto: " + std::string(progetto));
    f.acapo();
    f.acapo();
    f.a(10, "DESCRIZIONE DEL FABBRICATO");
    f.acapo();
    f.acapo();
    constexpr std::pair<Descrizione, const char*> campi[] = {
        {Descrizione::fabbricato, "tipo di fabbricato "},
        {Descrizione::muratura, "tipo di muratura "},
        {Descrizione::consistenza, "consistenza "},
        {Descrizione::solai, "tipo di solai "},
        {Descrizione::zona, "dati sulla zona "},
        {Descrizione::lotto, "lotto "},
        {Descrizione::acque, "acque superficiali "},
        {Descrizione::vicinanze, "vicinanze "},
        {Descrizione::canali, "canali di scolo "},
        {Descrizione::frane, "frane in atto "},
    };
    for (const auto& [campo, etichetta] : campi) {
        f.a(6, etichetta).a(26, testo(campo));
        f.acapo();
    }
    f.acapo();
    f.a(6, "altezza massima dei fronti di scavo m. " + testo(Descrizione::altezza));
    f.acapo();
    f.a(6, "classificazione e natura del terreno.......: ").a(51, testo(Descrizione::natura));
    f.acapo();
    f.a(6, "giudizio sulla stabilità terreno-fondazione: ").a(51, testo(Descrizione::giudizio));
    f.acapo();
    f.fine();
}

namespace {

// Asks for the printer and prints; a fault anywhere stops the printout.
template <typename Scrivi> EsitoStampa stampa(SceltaStampante& scelta, Scrivi&& scrivi) {
    try {
        Stampante* stampante = scelta.scegli();
        if (stampante == nullptr) {
            return {EsitoStampa::Stato::annullata, {}};
        }
        Foglio foglio(*stampante);
        scrivi(foglio);
        return {};
    } catch (const GuastoStampante& g) {
        return {EsitoStampa::Stato::guasto, g.what()};
    }
}

} // namespace

EsitoStampa stampamodello(SceltaStampante& scelta) {
    return stampa(scelta, [](Foglio& f) { scrivimodello(f); });
}

EsitoStampa stampadati(DatiCalcolo& dati, std::string_view progetto, SceltaStampante& scelta,
                       const Aggiornamento& aggiorna) {
    if (aggiorna) {
        aggiorna(dati);
    }
    return stampa(scelta, [&](Foglio& f) { scrividati(f, dati, progetto); });
}

EsitoStampa stampafrontespizio(const std::array<std::string, nfrontespizio>& testi,
                               const StudioTecnico& studio, SceltaStampante& scelta) {
    return stampa(scelta, [&](Foglio& f) { scrivifrontespizio(f, testi, studio); });
}

EsitoStampa stampadescrizione(const std::array<std::string, ndescrizione>& testi,
                              std::string_view progetto, SceltaStampante& scelta) {
    return stampa(scelta, [&](Foglio& f) { scrividescrizione(f, testi, progetto); });
}

} // namespace zocal
