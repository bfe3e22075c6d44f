#include "zocal/core/guida.h"

#include "zocal/core/calcola.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zocal {

namespace {

// Numbers in prompts and messages carry one leading blank.
std::string n(int valore) {
    return " " + std::to_string(valore);
}

// The storey the prompt is about: the lowest one in use with an entry
// missing, otherwise the highest in use.
int pianorichiesto(const DatiCalcolo& d, int f) {
    if (const auto mancante = datomancante(d, f)) {
        return mancante->piano;
    }
    return std::clamp(d.npiani[f], 0, maxpiani);
}

bool negativa(const Cella& c) {
    return leggidecimale(c).value_or(0.0) < 0;
}

bool pianovuoto(const DatiCalcolo& d, int i, int f) {
    return std::all_of(vociingresso.begin(), vociingresso.end(),
                       [&](Voce v) { return d.piano(v, i, f).vuota(); });
}

} // namespace

int fondazionevuota(const DatiCalcolo& d) {
    const int nfond = std::clamp(d.nfond, 0, maxfond);
    for (int f = 1; f < nfond; ++f) {
        if (d.prof[f].vuota()) {
            return f;
        }
    }
    return 0;
}

std::string indicazioni(const DatiCalcolo& d, int fondcorrente, const CampiTerreno& campi) {
    if (fondcorrente == 0) {
        return promptapertura;
    }
    const int f = fondcorrente;
    const int s = pianorichiesto(d, f);
    const std::string A = "impalcato n." + n(s);
    const std::string B = " della fondazione n." + n(f);

    if (d.prof[f].vuota()) {
        return "digitare la profondità" + B;
    }
    if (d.largh[f].vuota()) {
        return "digitare la larghezza" + B;
    }
    static const std::pair<Voce, const char*> piano[] = {
        {Voce::pesol, "digitare il peso del solaio dell'"},
        {Voce::sovr, "digitare il valore del sovraccarico accidentale sull'"},
        {Voce::lungh, "digitare la lunghezza del solaio (gravante sul muro) dell'"},
        {Voce::pepav, "digitare il peso del pavimento (gravante sul muro) dell'"},
        {Voce::tram, "digitare il totale del peso dei tramezzi (gravanti sul muro) dell'"},
        {Voce::spess, "digitare il valore dello spessore murario del piano sottostante l'"},
        {Voce::interas, "digitare l'interasse del piano sottostante l'"},
        {Voce::spem, "digitare il valore del peso specifico del muro sottostante l'"},
    };
    for (const auto& [voce, testo] : piano) {
        if (d.piano(voce, s, f).vuota()) {
            return testo + A;
        }
    }
    if (const int g = fondazionevuota(d); g != 0 && g != f) {
        return "digitare la profondità della fondazione n." + n(g);
    }
    if ((d.sigmat[f].vuota() || d.sigmat[f] == "0") && d.tiposuolo == "0") {
        return "scegliere il tipo di suolo o digitare il sigma massimo del terreno di fondazione";
    }
    if (campi.pesos.empty()) {
        return "digitare il peso specifico del terreno";
    }
    if (campi.coes.empty()) {
        return "digitare il valore della coesione";
    }
    if (campi.attr.empty()) {
        return "digitare l'angolo di attrito";
    }
    return "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, "
           "altro tipo di calcolo)";
}

std::optional<Messaggio> controlla(const DatiCalcolo& d, int& controllosilenzioso,
                                   const ModZocal& mod) {
    auto errore = [&](std::string testo) {
        return Messaggio{std::move(testo), Icona::stop, mod.titolocontrollo};
    };
    if (d.nfond == 0) {
        return Messaggio{"Non esistono dati riconosciuti:\r- per procedere è necessario digitare "
                         "almeno profondità e larghezza della fondazione n.1;\r- il controllo "
                         "viene effettuato solo per i piani per i quali esistono i dati sulle "
                         "fondazioni.",
                         Icona::esclamazione, mod.titolocontrollo};
    }
    static const std::pair<Voce, const char*> dati[] = {
        {Voce::pesol, "del peso solaio."},
        {Voce::sovr, "del sovraccarico."},
        {Voce::lungh, "della lunghezza del solaio."},
        {Voce::pepav, "del peso del pavimento."},
        {Voce::tram, "del peso dei tramezzi."},
        {Voce::spess, "dello spessore del muro."},
        {Voce::interas, "dell'interasse del piano."},
        {Voce::spem, "del peso specifico del muro."},
    };
    const int nfond = std::clamp(d.nfond, 0, maxfond);
    for (int f = 1; f <= nfond; ++f) {
        // Below a foundation in use: it would go into the file without a depth.
        if (d.prof[f].vuota()) {
            return errore("Fondazione n." + n(f) +
                          ":\r- manca la profondità, ma una fondazione successiva è in uso: "
                          "digitare la profondità della fondazione n." +
                          n(f) + ".");
        }
        if (d.npiani[f] == 0) {
            return errore("Attenzione: non ancora vengono inseriti dati per controllare i piani!");
        }
        const int npiani = std::clamp(d.npiani[f], 0, maxpiani);
        for (int i = 1; i <= npiani; ++i) {
            if (i < npiani && pianovuoto(d, i, f)) {
                return errore("Fondazione n." + n(f) + "- piano n." + n(i) +
                              ":\r- il piano è vuoto, ma un piano superiore è in uso: digitare "
                              "i dati del piano n." +
                              n(i) + ".");
            }
            for (const auto& [voce, testo] : dati) {
                if (d.piano(voce, i, f).vuota()) {
                    return errore("Fondazione n." + n(f) + "- piano n." + n(i) +
                                  ":\r- digitare il dato " + testo);
                }
            }
            for (const auto& voce : dati) {
                const Cella& c = d.piano(voce.first, i, f);
                if (negativa(c)) {
                    return errore("Fondazione n." + n(f) + "- piano n." + n(i) + ":\r- " +
                                  notanegativo(c, dovepiano(voce.first, i)));
                }
            }
        }
    }
    if (d.tiposuolo.vuota()) {
        return errore("Scegliere il tipo di suolo di fondazione.");
    }
    if (d.pesos.vuota()) {
        return errore("Digitare il valore del peso specifico del terreno.");
    }
    if (d.coes.vuota() && !(d.tiposuolo == "0")) {
        return errore("Digitare il valore della coesione.");
    }
    if (d.attr.vuota()) {
        return errore("Digitare il valore dell'angolo d'attrito.");
    }
    for (int f = 1; f <= nfond; ++f) {
        if (d.sigmat[f].vuota()) {
            return errore("Digitare il valore del sigma del terreno della fondazione n." + n(f));
        }
    }
    // Negative measures: the calculations would take them as they are.
    for (int f = 1; f <= nfond; ++f) {
        for (const auto& [cella, dove] :
             {std::pair<const Cella&, const char*>{d.prof[f], "profondità della fondazione"},
              {d.largh[f], "larghezza della fondazione"},
              {d.sigmat[f], "sigma terreno"}}) {
            if (negativa(cella)) {
                return errore("Fondazione n." + n(f) + ":\r- " + notanegativo(cella, dove));
            }
        }
    }
    for (const auto& [cella, dove] :
         {std::pair<const Cella&, const char*>{d.pesos, "peso specifico del terreno"},
          {d.coes, "coesione del terreno"},
          {d.attr, "angolo di attrito del terreno"}}) {
        if (negativa(cella)) {
            return errore(notanegativo(cella, dove));
        }
    }
    if (controllosilenzioso == 1) {
        controllosilenzioso = 0;
        return std::nullopt;
    }
    return Messaggio{"I dati sono stati immessi correttamente.", Icona::informazione,
                     mod.titolocontrollo};
}

std::string fondazioninonverificate(const DatiCalcolo& d, const OpzioniNtc* ntc) {
    std::vector<int> non;
    const int nfond = std::clamp(d.nfond, 0, maxfond);
    for (int f = 1; f <= nfond; ++f) {
        bool regge = d.verifica[f] == "verificata";
        if (regge && ntc != nullptr) {
            const VerificaNtc v = verificantc(d, f, *ntc);
            regge = !v.calcolata || v.verificata;
        }
        if (!regge) {
            non.push_back(f);
        }
    }
    if (non.empty()) {
        return {};
    }
    if (non.size() == 1) {
        return "La fondazione n." + n(non.front()) + " non è verificata.";
    }
    std::string elenco;
    for (int f : non) {
        elenco += (elenco.empty() ? "" : ",") + n(f);
    }
    return "Le fondazioni n." + elenco + " non sono verificate.";
}

} // namespace zocal
