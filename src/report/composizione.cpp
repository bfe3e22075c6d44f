#include "zocal/report/composizione.h"

#include "zocal/core/calcola.h"
#include "zocal/core/modzocal.h"
#include "zocal/core/ntc.h"
#include "zocal/core/ntc/righecedimenti.h"
#include "zocal/core/regole.h"
#include "zocal/report/cedimentintc.h"
#include "zocal/report/numeri.h"
#include "zocal/report/percorsi.h"
#include "zocal/report/sezionentc.h"
#include "zocal/report/validazione.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

namespace zocal {

namespace {

const std::string cr(1, CR);
const std::string ff(1, FF);

std::string crx(int n) {
    return std::string(static_cast<std::size_t>(n), CR);
}

constexpr std::array<std::string_view, 5> dichiarazioni{
    "La verifica della fondazione dell'edificio in oggetto è stata eseguita considerando una "
    "porzione di muro portante lunga un metro. Tutti i dati di calcolo sono pertanto riferiti "
    "all'area data dallo spessore moltiplicata per 100 centimetri. Allo stesso modo si è, quindi, "
    "considerata la base fondale. Sono state analizzate le situazioni più gravose per il "
    "fabbricato in modo da avere un quadro il più completo possibile della statica delle "
    "fondazioni.",
    "Le varie misure delle parti strutturali e i valori riferiti al terreno fondale sono stati "
    "inseriti in un programma di calcolo automatico deducendoli direttamente dal progetto della "
    "costruzione, dall'esame dei luoghi o da appropriate analisi geologiche della zona.",
    "I risultati riportati mostrano i carichi, le dimensioni dei muri portanti, le altezze dei "
    "piani ed i parametri geometrici e geotecnici della fondazione.",
    "Il coefficiente di sicurezza certifica le reali condizioni del sigma di lavoro del terreno.",
    "Si riportano nella pagina seguente le descrizioni sia della zona che del fabbricato utili "
    "alla conoscenza dell'insieme terreno-manufatto, mentre nelle pagine successive sono elencati "
    "tutti i dati e i risultati della verifica eseguita.",
};

struct RigaDescrizione {
    std::string_view voce;
    Descrizione campo;
};

constexpr std::array<RigaDescrizione, 13> righedescrizione{{
    {"tipo di fabbricato", Descrizione::fabbricato},
    {"tipo di muratura", Descrizione::muratura},
    {"consistenza", Descrizione::consistenza},
    {"tipo di solai", Descrizione::solai},
    {"dati della zona", Descrizione::zona},
    {"lotto", Descrizione::lotto},
    {"acque superficiali", Descrizione::acque},
    {"vicinanze", Descrizione::vicinanze},
    {"canali di scolo", Descrizione::canali},
    {"frane in atto", Descrizione::frane},
    {"altezza massima dei fronti di scavo m.", Descrizione::altezza},
    {"classificazione e natura del terreno", Descrizione::natura},
    {"giudizio sulla stabilità terreno-fondazione", Descrizione::giudizio},
}};

constexpr std::array<std::array<std::string_view, 3>, 5> tipisuolo{{
    {"numero", "tipo", "calcolo"},
    {"1", "sabbioso", "sigma del terreno calcolato automaticamente"},
    {"2", "compatto", "sigma del terreno calcolato automaticamente"},
    {"3", "intermedio", "sigma del terreno calcolato automaticamente"},
    {"0", "", "sigma del terreno indicato in fase di input"},
}};

constexpr std::array<std::array<std::string_view, 2>, 19> legenda{{
    {"simbolo", "significato"},
    {"pia.", "numero del piano (impalcato)"},
    {"sol.", "peso proprio del solaio"},
    {"sovr.", "sovraccarico accidentale"},
    {"lungh.", "lunghezza del solaio che grava sul muro"},
    {"pavim.", "peso del pavimento"},
    {"tram.", "peso totale dei tramezzi che gravano sul muro"},
    {"spe.", "spessore del muro al piano sottostante"},
    {"inter.", "interasse del piano sottostante"},
    {"spec.", "peso specifico del muro"},
    {"scar.", "scarico del piano"},
    {"totale", "scarico totale fino al piano"},
    {"prof.", "profondità della fondazione"},
    {"largh.", "larghezza della base fondale"},
    {"lim.", "carico di rottura del terreno"},
    {"sigma", "sigma ammissibile del terreno"},
    {"terra", "peso totale gravante sul terreno"},
    {"lav.", "sigma di lavoro del terreno"},
    {"coeff.", "coefficiente di sicurezza"},
}};

constexpr int colonnefondazione = 18;

// Symbol, unit and, for columns 2-11, the storey value and its pattern.
struct ColonnaFondazione {
    std::string_view simbolo;
    std::string_view unita;
    Voce voce;
    std::string_view modello;
};

constexpr std::array<ColonnaFondazione, 10> colonnepiano{{
    {"sol.", "kg/mq", Voce::pesol, "###0"},
    {"sovr.", "kg/mq", Voce::sovr, "###0"},
    {"lungh.", "m", Voce::lungh, "###0.00"},
    {"pavim.", "kg/mq", Voce::pepav, "###0"},
    {"tram.", "kg/m", Voce::tram, "###0"},
    {"spe.", "m", Voce::spess, "###0.00"},
    {"inter.", "m", Voce::interas, "###0.00"},
    {"spec.", "kg/mc", Voce::spem, "###0"},
    {"scar.", "kg/m", Voce::scar, "###0"},
    {"totale", "kg/m", Voce::scartot, "###0"},
}};

constexpr std::string_view larghezzaassunta = "0,50 (*)";
constexpr std::string_view notalarghezzaassunta = "(*) larghezza non indicata: assunta 0,50 m";

struct ColonnaBase {
    std::string_view simbolo;
    std::string_view unita;
    DatiCalcolo::Fondazioni DatiCalcolo::*cella;
    std::string_view modello;
};

const std::array<ColonnaBase, 7> colonnebase{{
    {"prof.", "m", &DatiCalcolo::prof, "###0.00"},
    {"largh.", "m", &DatiCalcolo::largh, "###0.00"},
    {"lim.", "t/mq", &DatiCalcolo::carlim, "###0.0"},
    {"sigma", "kg/cmq", &DatiCalcolo::sigmat, "###0.00"},
    {"terra", "kg/m", &DatiCalcolo::scater, "###0"},
    {"lav.", "kg/cmq", &DatiCalcolo::siglav, "###0.00"},
    {"coeff.", "", &DatiCalcolo::coeff, "###0.00"},
}};

void cella(ScrittoreRelazione& w, int r, int c, std::string_view testo) {
    w.cella(r, c, std::string(testo));
}

// A label with what it introduces, or nothing at all when that is empty: a
// bare label in a signed report reads as something left out.
std::string voce(std::string_view etichetta, const std::string& valore) {
    return valore.empty() ? std::string() : std::string(etichetta) + valore;
}

// "luogo: data", or whichever of the two there is.
std::string luogoedata(const Lavoro& l) {
    const std::string& luogo = l[Frontespizio::luogo];
    const std::string& data = l[Frontespizio::data];
    return luogo.empty() || data.empty() ? luogo + data : luogo + ": " + data;
}

// Foundations with storeys get a table; one without is a line of text.
int pianidi(const DatiCalcolo& d, int f) {
    const int n = d.npiani[static_cast<std::size_t>(f)];
    return n < 0 ? 0 : (n > maxpiani ? maxpiani : n);
}

} // namespace

TitoloFrontespizio titolofrontespizio(const std::string& progetto) {
    // The room the title page leaves the title, in points: its text height
    // less one line each of the other texts; a character as wide as 0.6 of
    // the size, wider than the report's face on average, so the estimate errs
    // towards a smaller type.
    constexpr double altezza = 728.0 - 152.0;
    constexpr double larghezza = 482.0;
    std::vector<std::string> caratteri;
    for (const char c : "progetto: " + progetto) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !caratteri.empty()) {
            caratteri.back() += c;
        } else {
            caratteri.emplace_back(1, c);
        }
    }
    // The characters that fit in the room at `corpo`, all of them when they do.
    const auto entrano = [&](double corpo) {
        const auto righe = static_cast<long>(altezza / (corpo * 1.225));
        const auto colonne = static_cast<long>(larghezza / (corpo * 0.6));
        long riga = 1;
        long colonna = 0;
        for (std::size_t i = 0; i < caratteri.size(); ++i) {
            if (caratteri[i] == "\r" || caratteri[i] == "\n" || ++colonna > colonne) {
                ++riga;
                colonna = caratteri[i] == "\r" || caratteri[i] == "\n" ? 0 : 1;
            }
            if (riga > righe) {
                return i;
            }
        }
        return caratteri.size();
    };
    for (double corpo = 14; corpo >= 8; --corpo) {
        if (entrano(corpo) == caratteri.size()) {
            return {corpo, progetto};
        }
    }
    // One character less for the ellipsis, then the label taken off again.
    const std::size_t n = entrano(8) - 1;
    std::string testo;
    for (std::size_t i = 10; i < n; ++i) {
        testo += caratteri[i];
    }
    return {8, testo + "…"};
}

namespace {

void frontespizio(ScrittoreRelazione& w, const Lavoro& l, const StudioTecnico& studio) {
    w.carattere(carattererelazione);
    w.corpo(20);
    w.scrivi("RELAZIONE SULLA FONDAZIONE" + cr);
    w.corpo(16);
    w.scrivi("(per un edificio in muratura)" + crx(2));
    w.corpo(14);
    // An empty field leaves its line empty: the page keeps its spacing.
    // The title page stays one page: a long title takes a smaller type, and
    // past the smallest it is cut here (the files' properties keep it whole).
    const TitoloFrontespizio titolo = titolofrontespizio(l[Frontespizio::progetto]);
    if (titolo.corpo != 14) {
        w.corpo(titolo.corpo);
    }
    w.scrivi(voce("progetto: ", titolo.testo) + crx(2));
    if (titolo.corpo != 14) {
        w.corpo(14);
    }
    w.scrivi(voce("in località: ", l[Frontespizio::localita]) + crx(2));
    for (int i = 0; i < 6; ++i) {
        w.scrivi(cr);
    }
    w.scrivi(voce("progettista: ", studio.nome) + cr);
    w.scrivi(voce("committente: ", l[Frontespizio::committente]) + crx(2));
    w.scrivi(luogoedata(l) + cr);
    w.corpo(16);
    for (int i = 0; i < 18; ++i) {
        w.scrivi(cr);
    }
    w.scrivi(studio.nome + cr);
    w.scrivi(studio.indirizzo + cr);
}

void paginadichiarazioni(ScrittoreRelazione& w) {
    w.nuovoparagrafo();
    w.corpoparagrafo(18);
    w.testoparagrafo(ff + "Relazione di calcolo" + crx(4));
    w.corpoparagrafo(12);
    for (std::string_view testo : dichiarazioni) {
        w.testoparagrafo(std::string(testo) + cr);
    }
}

void paginadescrizione(ScrittoreRelazione& w, const Lavoro& l) {
    w.corpoparagrafo(16);
    w.testoparagrafo(ff + "Descrizione del fabbricato" + cr);
    w.nuovoparagrafo();
    w.nuovatabella(14, 2);
    w.corpotabella(10);
    cella(w, 1, 1, "tipologia");
    cella(w, 1, 2, "valore");
    int r = 2;
    for (const RigaDescrizione& riga : righedescrizione) {
        cella(w, r, 1, riga.voce);
        cella(w, r, 2, l[riga.campo]);
        ++r;
    }
    w.formatotabella(9);
    w.righeintestazione(1);
}

// Whether the report carries the summary of both verdicts: some foundation
// has a limit-state result.
bool conesito(const std::vector<VerificaNtc>& ntc) {
    return std::any_of(ntc.begin(), ntc.end(), [](const VerificaNtc& v) { return v.calcolata; });
}

// Both verdicts of every foundation, and which one counts.
void esitoverifiche(ScrittoreRelazione& w, const DatiCalcolo& d,
                    const std::vector<VerificaNtc>& ntc) {
    w.tieniinsieme(false);
    w.testoparagrafo("Esito delle verifiche:" + cr);
    w.lasciascorrere();
    const auto& intestazioni = intestazioniesito();
    w.nuovatabella(static_cast<int>(ntc.size()) + 1, static_cast<int>(intestazioni.size()));
    w.corpotabella(10);
    for (std::size_t c = 0; c < intestazioni.size(); ++c) {
        cella(w, 1, static_cast<int>(c) + 1, intestazioni[c]);
    }
    for (std::size_t r = 0; r < ntc.size(); ++r) {
        const std::size_t f = static_cast<std::size_t>(ntc[r].numero);
        const auto riga = rigaesito(formatta(d.coeff[f], "###0.00"), d.verifica[f], ntc[r]);
        for (std::size_t c = 0; c < riga.size(); ++c) {
            cella(w, static_cast<int>(r) + 2, static_cast<int>(c) + 1, riga[c]);
        }
    }
    w.formatotabella(9);
    w.righeintestazione(1);
    w.nuovoparagrafo();
    w.corpoparagrafo(12);
    w.testoparagrafo(notaesito + cr);
}

void terreno(ScrittoreRelazione& w, const DatiCalcolo& d, const std::vector<VerificaNtc>& ntc) {
    w.nuovoparagrafo();
    w.corpoparagrafo(16);
    w.testoparagrafo(ff + "Dati e risultati" + crx(4));
    w.corpoparagrafo(12);
    if (conesito(ntc)) {
        esitoverifiche(w, d, ntc);
        // A paragraph of its own: the note does not keep with the soil tables.
        w.nuovoparagrafo();
        w.corpoparagrafo(12);
    }
    w.tieniinsieme(false);
    w.testoparagrafo("Tipo di suolo:" + cr);
    w.lasciascorrere();

    w.nuovatabella(5, 3);
    w.corpotabella(10);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            cella(w, r + 1, c + 1,
                  tipisuolo[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    w.formatotabella(9);
    w.righeintestazione(1);

    w.nuovoparagrafo();
    w.corpoparagrafo(12);
    w.tieniinsieme(false);
    w.testoparagrafo(cr + "Terreno:");
    w.lasciascorrere();
    w.nuovatabella(3, 4);
    w.corpotabella(10);
    cella(w, 1, 1, "tipo di suolo");
    cella(w, 1, 2, "peso specifico del terreno");
    cella(w, 1, 3, "coesione");
    cella(w, 1, 4, "angolo di attrito");
    cella(w, 2, 1, "n.");
    cella(w, 2, 2, "t/mc");
    cella(w, 2, 3, "t/mq");
    cella(w, 2, 4, "gradi");
    cella(w, 3, 1, numeroinchiaro(d.tiposuolo));
    cella(w, 3, 2, formatta(d.pesos, "##0.00"));
    cella(w, 3, 3, formatta(d.coes, "##0.00"));
    cella(w, 3, 4, numeroinchiaro(d.attr));
    w.formatotabella(9);
    w.righeintestazione(2);
}

void tabellalegenda(ScrittoreRelazione& w) {
    w.nuovoparagrafo();
    w.nuovatabella(19, 2);
    w.corpotabella(10);
    for (int r = 0; r < 19; ++r) {
        cella(w, r + 1, 1, legenda[static_cast<std::size_t>(r)][0]);
        cella(w, r + 1, 2, legenda[static_cast<std::size_t>(r)][1]);
    }
    w.formatotabella(9);
    w.righeintestazione(1);
}

} // namespace

std::string metodotensioniammissibili(const DatiCalcolo& d) {
    // An empty cell reads as 0, which is a soil type of its own.
    const std::optional<double> tipo =
        d.tiposuolo.vuota() ? std::nullopt : leggidecimale(d.tiposuolo);
    std::string formula;
    if (tipo == 1.0) {
        formula = "per il terreno di tipo 1 (sabbioso) con la formula lim. = 17·γ·D + 18·γ·B";
    } else if (tipo == 2.0) {
        formula = "per il terreno di tipo 2 (compatto) con la formula lim. = 2·γ·D + 8·c + γ·B";
    } else if (tipo == 3.0) {
        formula = "per il terreno di tipo 3 (intermedio) con la formula lim. = 9·γ·D + 4·c + "
                  "9·γ·B";
    } else if (tipo == 0.0) {
        formula =
            "dalla sigma ammissibile indicata in fase di input (tipo 0), come lim. = 30·sigma";
    } else {
        formula = "con la formula del tipo di suolo, che in questo lavoro non è indicato";
    }
    return "Il carico di rottura del terreno (lim., in t/mq) è calcolato " + formula +
           ", dove γ è il peso specifico del terreno (t/mc), c la coesione (t/mq), D la "
           "profondità e B la larghezza della base fondale (m). La sigma ammissibile è un terzo "
           "del carico di rottura (sigma = lim./30, in kg/cmq). La sigma di lavoro è il peso "
           "totale gravante sul terreno, base fondale compresa, diviso per l'area della base "
           "fondale su un metro di muro (lav. = terra/(B·10000), in kg/cmq). Il coefficiente di "
           "sicurezza è il rapporto tra il carico di rottura e la sigma di lavoro (coeff. = "
           "lim./(10·lav.)); la fondazione è verificata quando il coefficiente di sicurezza è "
           "almeno 3.";
}

namespace {

// The allowable-stress method, stated before the foundations' tables.
void metodo(ScrittoreRelazione& w, const DatiCalcolo& d) {
    w.nuovoparagrafo();
    w.corpoparagrafo(12);
    w.tieniinsieme(false);
    w.testoparagrafo(cr + "Metodo delle tensioni ammissibili" + cr);
    w.lasciascorrere();
    w.testoparagrafo(metodotensioniammissibili(d) + cr);
}

void fondazione(ScrittoreRelazione& w, const DatiCalcolo& d, int f, const VerificaNtc* ntc) {
    const std::size_t fi = static_cast<std::size_t>(f);
    const int npiani = pianidi(d, f);
    if (npiani == 0) {
        w.testoparagrafo(cr + "Fondazione n. " + std::to_string(f) +
                         ": nessun piano immesso, non calcolata" + cr);
        return;
    }
    // The heading never stays at the foot of a page without its table.
    w.tieniinsieme(false);
    w.testoparagrafo(cr + titolofondazione(f, d.verifica[fi], ntc) + cr);
    w.lasciascorrere();
    w.nuovatabella(npiani + 2, colonnefondazione);
    w.corpotabella(6);

    cella(w, 1, 1, "pia.");
    cella(w, 2, 1, "n.");
    for (std::size_t k = 0; k < colonnepiano.size(); ++k) {
        const int c = static_cast<int>(k) + 2;
        cella(w, 1, c, colonnepiano[k].simbolo);
        cella(w, 2, c, colonnepiano[k].unita);
    }
    for (std::size_t k = 0; k < colonnebase.size(); ++k) {
        const int c = static_cast<int>(k) + 12;
        cella(w, 1, c, colonnebase[k].simbolo);
        cella(w, 2, c, colonnebase[k].unita);
    }
    for (int s = 1; s <= npiani; ++s) {
        const int r = s + 2;
        cella(w, r, 1, numeroinchiaro(s));
        for (std::size_t k = 0; k < colonnepiano.size(); ++k) {
            cella(w, r, static_cast<int>(k) + 2,
                  formatta(d.piano(colonnepiano[k].voce, s, f), colonnepiano[k].modello));
        }
        if (s == 1) {
            for (std::size_t k = 0; k < colonnebase.size(); ++k) {
                const Cella& valore = (d.*colonnebase[k].cella)[fi];
                // The width the results were computed with, never a blank cell.
                const bool assunta = colonnebase[k].cella == &DatiCalcolo::largh && valore.vuota();
                cella(w, r, static_cast<int>(k) + 12,
                      assunta ? std::string(larghezzaassunta)
                              : formatta(valore, colonnebase[k].modello));
            }
        }
    }
    w.formatotabella(9);
    // Symbols and units head the table on every page it runs onto.
    w.righeintestazione(2);
    if (npiani > 0 && d.largh[fi].vuota()) {
        w.nuovoparagrafo();
        w.testoparagrafo(std::string(notalarghezzaassunta) + cr);
    }
}

// The limit-state section: method, partial factors, then each foundation's
// actions, resistance and section drawing, the note on automatic calculation
// and what the check leaves out.
constexpr int colonnentc = 3;

template <typename Righe> void tabellantc(ScrittoreRelazione& w, const Righe& righe) {
    w.nuovatabella(static_cast<int>(righe.size()), static_cast<int>(righe.front().size()));
    w.corpotabella(10);
    for (std::size_t r = 0; r < righe.size(); ++r) {
        for (std::size_t c = 0; c < righe[r].size(); ++c) {
            w.cella(static_cast<int>(r) + 1, static_cast<int>(c) + 1, righe[r][c]);
        }
    }
    w.formatotabella(9);
    w.righeintestazione(1);
}

// The checks' notes also speak to the user at the keyboard: the signed
// report keeps the finding, not the instruction.
std::string constatazione(std::string nota) {
    const std::string istruzione = " Correggere il valore.";
    if (nota.ends_with(istruzione)) {
        nota.erase(nota.size() - istruzione.size());
    }
    return nota;
}

void titolontc(ScrittoreRelazione& w, const std::string& titolo) {
    w.nuovoparagrafo();
    w.corpoparagrafo(12);
    w.tieniinsieme(false);
    w.testoparagrafo(cr + titolo + cr);
    w.lasciascorrere();
}

std::vector<std::array<std::string, 3>> righefattori(const OpzioniNtc& o) {
    auto f = [](double v) { return scrividecimali(v, decimalifattori); };
    return {
        {"coefficiente parziale", "simbolo", "valore"},
        {"azioni permanenti strutturali (A1)", "γG1", f(gammaG1)},
        {std::string("azioni permanenti non strutturali (A1") +
             (o.g2definiti ? ", compiutamente definite)" : ")"),
         "γG2", f(o.g2definiti ? gammaG2definiti : gammaG2)},
        {"azioni variabili (A1)", "γQ", f(gammaQ)},
        {"tangente dell'angolo di resistenza al taglio (M1)", "γφ′", f(1)},
        {"coesione efficace (M1)", "γc′", f(1)},
        {"resistenza non drenata (M1)", "γcu", f(1)},
        {"peso dell'unità di volume (M1)", "γγ", f(1)},
        {"carico limite (R3)", "γR", f(gammaR)},
    };
}

std::vector<std::array<std::string, 3>> righedi(const std::vector<RigaNtc>& righe) {
    std::vector<std::array<std::string, 3>> out{{"grandezza", "unità", "valore"}};
    for (const RigaNtc& r : righe) {
        out.push_back({r.nome, r.unita, r.valore});
    }
    return out;
}

// Where the soil data come from, what they are, the combination and what D
// is: what a reviewer asks for first.
void modellogeotecnico(ScrittoreRelazione& w, const OpzioniNtc& o,
                       const std::vector<VerificaNtc>& verifiche) {
    titolontc(w, "Modello geotecnico e azioni");
    const TerrenoNtc& t = o.terreno;
    w.testoparagrafo("Fonte dei parametri geotecnici: ");
    if (t.fonte.empty()) {
        // Missing data a reviewer must not overlook.
        w.testograssetto("non indicata");
    } else {
        w.testoparagrafo(t.fonte);
    }
    w.testoparagrafo("." + cr);
    w.testoparagrafo(
        "I parametri del terreno (γ, c′, φ′" + std::string(t.cu.empty() ? "" : ", cu") +
        ") sono valori caratteristici, scelti come stima cautelativa del valore che influenza "
        "lo stato limite considerato (NTC 2018, §6.2.2); i coefficienti M1 valgono 1, perciò "
        "i valori di progetto coincidono con quelli caratteristici." +
        cr);
    const auto calcolata = std::find_if(verifiche.begin(), verifiche.end(),
                                        [](const VerificaNtc& v) { return v.calcolata; });
    if (calcolata != verifiche.end()) {
        std::string valori = "Valori usati nel calcolo, in unità SI:";
        for (const RigaNtc& r : righeterreno(*calcolata)) {
            valori += (valori.back() == ':' ? " " : ", ") + r.nome + " = " + r.valore +
                      (r.unita == "°" ? "" : " ") + r.unita;
        }
        w.testoparagrafo(valori + "." + cr);
    }
    w.testoparagrafo(
        "Combinazione: SLU fondamentale (NTC 2018, §2.5.3, formula 2.5.1), "
        "Ed = γG1·G1k + γG2·G2k + γQ·Qk; ogni azione variabile è assunta come principale "
        "(ψ0 = 1), a favore di sicurezza. D è la profondità del piano di posa dal piano "
        "campagna sul lato meno favorevole; " +
        std::string(t.pesofond.empty()
                        ? "la base fondale ha il peso specifico del muro del piano n. 1."
                        : "la base fondale ha il peso specifico di " + t.pesofond + " kg/mc.") +
        cr);
    w.testoparagrafo("Riferimenti delle formule: J. Brinch Hansen, A revised and extended "
                     "formula for bearing capacity, Danish Geotechnical Institute, Bulletin "
                     "n. 28, 1970; A. S. Vesic, Bearing capacity of shallow foundations, in "
                     "Foundation Engineering Handbook, 1975; UNI EN 1997-1, Annesso D." +
                     cr);
}

// The resistance table of one analysis, titled when there are two.
void resistenza(ScrittoreRelazione& w, const VerificaNtc& v, const AnalisiNtc& a,
                const std::string& nome, const char* condizioni) {
    const bool lungo = &a == static_cast<const AnalisiNtc*>(&v);
    titolontc(w, "Resistenza di progetto" + std::string(condizioni) +
                     (v.estesa ? " nella combinazione più gravosa (" +
                                     std::string(nomecombinazione(a.combinazione)) + ")"
                               : "") +
                     ", " + nome + ":");
    // The governing combination's own values, for the long-term analysis.
    auto righe = righedi(lungo ? righecombinazione(v) : std::vector<RigaNtc>{});
    for (auto& r : righedi(righeresistenza(v, a))) {
        if (r[0] != "grandezza") {
            righe.push_back(std::move(r));
        }
    }
    righe.push_back({"esito", "", a.verificata ? testoverificatantc : testononverificatantc});
    tabellantc(w, righe);
}

bool consisma(const std::vector<VerificaNtc>& verifiche) {
    return std::any_of(verifiche.begin(), verifiche.end(),
                       [](const VerificaNtc& v) { return v.calcolata && v.sisma; });
}

// The analyses of a seismic check: the long-term one, and the short-term one
// when run, with the words of their titles.
std::vector<std::pair<const EsitoSisma*, const char*>> analisisismiche(const VerificaSismica& s) {
    if (!s.breve) {
        return {{&s.lungo, ""}};
    }
    return {{&s.lungo, " a lungo termine"}, {&*s.breve, " a breve termine"}};
}

// The seismic combination at the SLV: method and assumptions, the site data,
// then each foundation's weights and force, kinematic factors, bearing and
// sliding, and its section under the seismic force.
void sezionesismica(ScrittoreRelazione& w, const std::vector<VerificaNtc>& verifiche) {
    if (!consisma(verifiche)) {
        return;
    }
    const VerificaNtc& primo =
        *std::find_if(verifiche.begin(), verifiche.end(),
                      [](const VerificaNtc& v) { return v.calcolata && v.sisma; });
    w.nuovoparagrafo();
    w.corpoparagrafo(14);
    w.tieniinsieme(false);
    w.testoparagrafo(cr + "Verifica in condizioni sismiche (SLV)" + cr);
    w.lasciascorrere();
    w.corpoparagrafo(12);
    w.testoparagrafo(
        "Le verifiche di capacità portante e di scorrimento delle fondazioni superficiali in "
        "condizioni sismiche (NTC 2018, §7.11.5.3.1) si eseguono allo stato limite di "
        "salvaguardia della vita (SLV) con il metodo pseudostatico, con tutti i coefficienti "
        "parziali delle azioni pari a 1. Il coefficiente di amplificazione è S = SS·ST (Tab. "
        "3.2.IV e 3.2.V); l'accelerazione spettrale elastica è quella del tratto costante dello "
        "spettro, Se = ag·S·F0, a favore di sicurezza per edifici in muratura bassi senza "
        "calcolarne il periodo, e quella di progetto Sd = Se/q. Il peso sismico portato dal "
        "metro di muro è Ww = G1w + G2k + Σ ψ2,i·Qk,i (Tab. 2.5.I, con la categoria d'uso di "
        "ogni piano); il carico verticale è V = Ww + Gf − U." +
        cr);
    w.testoparagrafo(
        "La forza orizzontale alla base della fondazione è quella HE del modello strutturale, "
        "quando indicata; altrimenti è stimata come H = min(γRd·αH·Sd·Ww; Se·Ww), cioè "
        "l'azione di progetto amplificata dal fattore di sovraresistenza γRd, mai maggiore di "
        "quella elastica (§7.2.5); vi si somma la forza orizzontale permanente HGk. La forza "
        "agisce trasversalmente al muro, alla base, senza momento proprio: si assume il "
        "comportamento scatolare dell'edificio, con i solai che portano le forze di piano nel "
        "piano dei muri. La stima non è a favore di sicurezza per un muro lungo e rigido che "
        "richiama più della sua quota del taglio alla base: per questo si possono indicare la "
        "quota αH dell'azione sismica attribuita al metro di muro e la forza HE del modello "
        "strutturale. Si trascura la componente verticale dell'azione sismica (§7.2.2). Il "
        "fattore di comportamento adottato è q = " +
        scrivinumero(primo.sito.q) + ", " + testoqrelazione + "." + cr);
    w.testoparagrafo(
        "L'effetto inerziale è dato dai fattori di inclinazione del carico (H, V) della formula "
        "scelta; l'effetto cinematico dai coefficienti di Paolucci e Pecker: khk = 0,38·S·ag, "
        "zq = zγ = (1 − khk/tanφ)^0,35 (0 quando khk ≥ tanφ; 1 con φ = 0), zc = 1 − 0,32·khk. "
        "Con M = Ww·eccmuro + HGk·zH, e = M/V (con e > B/3 la verifica non è soddisfatta) e "
        "B′ = B − 2e: qlim,E = c·Nc·dc·ic·zc + q·Nq·dq·iq·zq + ½·γ₂·B′·Nγ·iγ·zγ, Rd = "
        "qlim,E·B′/2,3 (Tab. 7.11.II), verificata quando V ≤ Rd. Scorrimento: Rd = "
        "V·tan(δ)/1,1 (in condizioni non drenate B′·cu/1,1), verificato quando H ≤ Rd. Con la "
        "coesione non drenata si eseguono le due analisi e vale la peggiore." +
        cr);
    titolontc(w, "Dati del sito e spettro (SLV):");
    tabellantc(w, righedi(righespettro(primo)));

    for (const VerificaNtc& v : verifiche) {
        if (!v.calcolata || !v.sisma) {
            continue;
        }
        const std::string nome = "fondazione n." + numeroinchiaro(v.numero);
        for (const auto& [s, condizioni] : analisisismiche(*v.sisma)) {
            titolontc(w, "Pesi sismici e azione orizzontale" + std::string(condizioni) + ", " +
                             nome + ":");
            tabellantc(w, righedi(righeazionisismiche(v, *s)));
            titolontc(w, "Fattori cinematici e resistenza (SLV)" + std::string(condizioni) + ", " +
                             nome + ":");
            tabellantc(w, righedi(righeresistenzasismica(v, *s)));
            titolontc(w, "Scorrimento sul piano di posa (SLV, γR = 1,1)" + std::string(condizioni) +
                             ", " + nome + ":");
            tabellantc(w, righedi(righescorrimentosismico(v, *s)));
        }
        w.nuovoparagrafo();
        w.corpoparagrafo(12);
        w.testoparagrafo("Esito della verifica in condizioni sismiche, " + nome + ": " +
                         (v.sisma->verificata() ? testoverificatantc : testononverificatantc) +
                         "." + cr);
        titolontc(w, "Sezione della " + nome + " in condizioni sismiche:");
        w.disegno(std::make_shared<FiguraSezione>(vistasismica(v, v.sisma->governa()),
                                                  larghezzasezione, altezzasezione),
                  larghezzasezione * 0.75, altezzasezione * 0.75);
    }
    if (std::any_of(verifiche.begin(), verifiche.end(),
                    [](const VerificaNtc& v) { return v.calcolata && v.liquefazione; })) {
        w.nuovoparagrafo();
        w.corpoparagrafo(12);
        w.testoparagrafo(std::string(testoliquefazione) + cr);
    }
}

// The settlements at the serviceability limit state, when the job gives
// layers: the method, the layers, each foundation's table and drawing, the
// differential check.
void cedimentintc(ScrittoreRelazione& w, const OpzioniNtc& o,
                  const std::vector<VerificaNtc>& verifiche) {
    const auto con = std::find_if(verifiche.begin(), verifiche.end(),
                                  [](const VerificaNtc& v) { return v.calcolata && v.cedimento; });
    if (con == verifiche.end()) {
        return;
    }
    w.nuovoparagrafo();
    w.corpoparagrafo(16);
    w.testoparagrafo(cr + "Verifica dei cedimenti (SLE)" + crx(2));
    w.corpoparagrafo(12);
    w.testoparagrafo(
        "Lo spostamento della fondazione deve essere compatibile con la costruzione (NTC 2018, "
        "§6.4.2.2): per ogni muro si stima il cedimento edometrico nella combinazione quasi "
        "permanente (§2.5.3, formula 2.5.4, ogni γ = 1), V = G1 + G2 + Σ ψ2,i·Qk,i con ψ2 "
        "secondo la categoria d'uso di ogni piano (Tab. 2.5.I). Con l'eccentricità del muro o "
        "una forza orizzontale permanente il carico agisce sulla larghezza B′ = B − 2e, con "
        "e = (V − Gf)·eccmuro/V + HGk·zH/V. La pressione netta pnet = V/B′ − σv0, con σv0 la "
        "tensione verticale totale alla quota di posa, produce sotto il centro di una striscia "
        "flessibile su semispazio elastico l'incremento Δσ(z) = (pnet/π)·(α + sin α), con "
        "α = 2·arctan(B′/(2z)); il cedimento di ogni strato è l'integrale esatto di Δσ/Eed sul "
        "suo spessore. La profondità d'influenza z* è quella in cui Δσ scende a 0,1 della "
        "tensione verticale efficace. La verifica è soddisfatta quando s ≤ slim; per "
        "informazione si riporta anche il cedimento nella combinazione caratteristica (ogni "
        "ψ = 1)." +
        cr);
    titolontc(w, "Strati sotto il piano di posa e moduli edometrici:");
    std::vector<std::vector<std::string>> strati{{"strato", "da (m)", "a (m)", "Eed (MPa)"}};
    for (auto& r : righestrati(*con)) {
        r.pop_back(); // the settlement is each foundation's
        strati.push_back(std::move(r));
    }
    tabellantc(w, strati);
    for (const VerificaNtc& v : verifiche) {
        const std::string nome = "fondazione n." + numeroinchiaro(v.numero);
        if (!v.calcolata || !v.cedimento) {
            continue;
        }
        titolontc(w, "Cedimento della " + nome + ":");
        std::vector<std::vector<std::string>> righe{intestazionistrati()};
        for (auto& r : righestrati(v)) {
            righe.push_back(std::move(r));
        }
        tabellantc(w, righe);
        tabellantc(w, righedi(righecedimento(v)));
        if (!v.cedimento->nota.empty()) {
            w.nuovoparagrafo();
            w.corpoparagrafo(12);
            w.testoparagrafo("Note: " + v.cedimento->nota + "." + cr);
        }
        w.nuovoparagrafo();
        w.disegno(std::make_shared<FiguraCedimenti>(v, larghezzasezione, altezzasezione),
                  larghezzasezione * 0.75, altezzasezione * 0.75);
    }
    titolontc(w, "Cedimenti differenziali:");
    w.testoparagrafo(testodifferenziali(differenzialintc(verifiche, o), o.strati) + cr);
}

void sezionentc(ScrittoreRelazione& w, const Lavoro& l, const std::vector<VerificaNtc>& verifiche) {
    const OpzioniNtc& o = l.ntc;
    w.nuovoparagrafo();
    w.corpoparagrafo(16);
    w.testoparagrafo(ff + "Verifica agli stati limite ultimi (NTC 2018)" + crx(2));
    w.corpoparagrafo(12);
    w.testoparagrafo(
        "Oltre alla verifica alle tensioni ammissibili riportata nelle pagine precedenti, per "
        "ogni fondazione si esegue la verifica allo stato limite ultimo di collasso per carico "
        "limite dell'insieme fondazione-terreno (GEO) secondo le Norme Tecniche per le "
        "Costruzioni (D.M. 17/01/2018, §6.4.2.1), con l'Approccio 2: combinazione A1+M1+R3. "
        "La fondazione è trattata come nastro di lunghezza unitaria; la verifica è soddisfatta "
        "quando Ed ≤ Rd." +
        cr);
    w.testoparagrafo(
        "Dove il lavoro indica l'eccentricità del muro, forze orizzontali o la falda, si "
        "verificano le combinazioni C1 (massimo carico verticale: V = 1,3·(G1w + Gf) + γG2·G2 + "
        "1,5·Q, H = 1,3·HGk + 1,5·0,6·HQk), C1v (vento dominante, con HQk: 1,5·0,7·Q e "
        "H = 1,3·HGk + 1,5·HQk) e C2 (minimo carico verticale: V = G1w + Gf + 0,8·G2, con la "
        "H maggiore). In ciascuna, U = γw·(D − zw)·B è la sottospinta della falda sopra il "
        "piano di posa (solo in condizioni drenate), M = Vw·eccmuro + H·zH il momento rispetto "
        "al centro della fondazione, e = M/V l'eccentricità e B′ = B − 2e la larghezza "
        "efficace (con e > B/3 la verifica non è soddisfatta); qlim si calcola su B′ con i "
        "fattori di inclinazione del carico ic, iq, iγ della formula scelta, e sotto falda con "
        "il peso efficace γ′ = γsat − γw; vale la combinazione con il rapporto V/Rd maggiore. "
        "Lo scorrimento sul piano di posa si verifica con Hd ≤ Rd = V·tan(δ)/1,1 (C2; in "
        "condizioni non drenate Rd = B′·cu/1,1), senza contare la resistenza passiva del "
        "terreno sul fianco della fondazione." +
        cr);
    w.testoparagrafo(
        "Le azioni per metro di muro sono i pesi propri strutturali G1k (solai, muri e base "
        "fondale), i permanenti non strutturali G2k (pavimenti e tramezzi) e le azioni "
        "variabili Qk (sovraccarichi), con Ed = γG1·G1k + γG2·G2k + γQ·Qk; 1 kgf = 9,80665 N." +
        cr);
    w.testoparagrafo(
        "La resistenza è Rd = qlim·B/γR con qlim = c·Nc·dc + q·Nq·dq + ½·γ·B·Nγ·dγ, dove "
        "Nq = e^(π·tanφ)·tan²(45° + φ/2), Nc = (Nq − 1)·cotφ (con φ = 0: Nc = 2 + π, Nq = 1, "
        "Nγ = 0, analisi non drenata) e q = γ·D; dc = 1 + 0,4·k, dq = 1 + 2·tanφ·(1 − "
        "sinφ)²·k, dγ = 1, con k = D/B, o arctan(D/B) quando D/B > 1. Nγ secondo "
        "Brinch Hansen: 1,5·(Nq − 1)·tanφ; Vesic: 2·(Nq + 1)·tanφ; EC7 (UNI EN 1997-1, "
        "Annesso D, senza fattori di profondità): 2·(Nq − 1)·tanφ. " +
        std::string(o.terreno.cu.empty()
                        ? ""
                        : "Ogni fondazione è verificata a lungo termine (condizioni drenate, "
                          "c′ e φ′) e a breve termine (condizioni non drenate, tensioni totali, "
                          "c = cu e φ = 0); l'esito è il peggiore dei due. ") +
        "Opzioni di questo lavoro: " + descriviopzioni(o) + "." + cr);
    modellogeotecnico(w, o, verifiche);
    titolontc(w, "Coefficienti parziali (Tab. 6.2.I, 6.2.II e 6.4.I):");
    tabellantc(w, righefattori(o));

    for (const VerificaNtc& v : verifiche) {
        const std::string nome = "fondazione n." + numeroinchiaro(v.numero);
        if (!v.calcolata) {
            titolontc(w, "Verifica NTC 2018 non eseguita per la " + nome + ":");
            w.testoparagrafo(constatazione(v.nota) + cr);
            continue;
        }
        titolontc(w, "Azioni di progetto, " + nome + ":");
        tabellantc(w, righedi(righeazioni(v)));
        if (v.estesa) {
            titolontc(w, "Combinazioni di carico (A1), " + nome + ":");
            std::vector<std::vector<std::string>> combinazioni{intestazionicombinazioni()};
            for (auto& r : righecombinazioni(v)) {
                combinazioni.push_back(std::move(r));
            }
            tabellantc(w, combinazioni);
        }
        if (v.brevetermine) {
            resistenza(w, v, v, nome, " a lungo termine (condizioni drenate)");
            resistenza(w, v, *v.brevetermine, nome, " a breve termine (condizioni non drenate)");
            w.nuovoparagrafo();
            w.corpoparagrafo(12);
            w.testoparagrafo("Esito della verifica NTC 2018, il peggiore delle due analisi: " +
                             v.esitocomplessivo() + "." + cr);
        } else {
            resistenza(w, v, v, nome, "");
        }
        if (const auto scorrimento = righescorrimento(v); !scorrimento.empty()) {
            titolontc(w, "Scorrimento sul piano di posa (§6.4.2.1, γR = 1,1), " + nome + ":");
            tabellantc(w, righedi(scorrimento));
        }
        if (!v.nota.empty()) {
            w.nuovoparagrafo();
            w.corpoparagrafo(12);
            w.testoparagrafo("Note: " + v.nota + "." + cr);
        }
        titolontc(w, "Sezione della " + nome + ":");
        w.disegno(std::make_shared<FiguraSezione>(v, larghezzasezione, altezzasezione),
                  larghezzasezione * 0.75, altezzasezione * 0.75);
    }

    sezionesismica(w, verifiche);
    const bool sismica = consisma(verifiche);
    cedimentintc(w, o, verifiche);

    ModZocal& m = modzocal();
    m.inizializza();
    std::string nota;
    const auto strati = leggistrati(o.strati, nota);
    const bool cedimenti = strati && !strati->strati.empty();
    titolontc(w, "Elaborazione automatica (NTC 2018, §10.2)");
    w.testoparagrafo(
        "Programma di calcolo: " + m.nomeprogramma + ", versione " + m.versione +
        ". Tipo di analisi: verifica allo stato limite ultimo di carico limite di fondazioni "
        "nastriformi sotto carichi verticali, anche eccentrici o inclinati, e di scorrimento" +
        std::string(sismica ? ", anche in condizioni sismiche con il metodo pseudostatico" : "") +
        ", in forma chiusa (formula trinomia del carico limite)" +
        std::string(cedimenti ? ", e stima dei cedimenti allo stato limite di esercizio "
                                "(striscia flessibile su semispazio elastico, moduli "
                                "edometrici degli strati)"
                              : "") +
        ", senza analisi numeriche del terreno. Validazione del codice: " + validazionecitata() +
        cr);
    // The label and each ruled line a paragraph of one line: a justified
    // line before a long rule would spread its words across the page.
    w.testoparagrafo("Giudizio motivato del progettista sull'accettabilità dei risultati:" + cr);
    const std::string riga(60, '_');
    w.testoparagrafo(riga + cr + riga + cr);
    titolontc(w, "Limiti della verifica");
    w.testoparagrafo(
        std::string("Questa verifica non comprende: la stabilità globale (A2+M2+R2), ") +
        (cedimenti ? "" : "i cedimenti (SLE), ") + (sismica ? "" : "la combinazione sismica, ") +
        "la resistenza passiva sul fianco della fondazione, la verifica strutturale della "
        "fondazione (STR), la liquefazione" +
        (o.terreno.cu.empty() ? ", la verifica a breve termine in condizioni non drenate" : "") +
        ". Tali verifiche, dove richieste, vanno svolte a parte." + cr);
}

void chiusura(ScrittoreRelazione& w, const Lavoro& l, const StudioTecnico& studio) {
    w.corpoparagrafo(12);
    // On one page, with the end of the table before it; the count is that of
    // the finished document, closing lines included.
    w.tieniinsieme(true);
    w.testoparagrafo(crx(2) + "La presente relazione è composta di n. ");
    w.campopagine();
    w.testoparagrafo(" pagine." + cr);
    if (const std::string& allegati = l[Frontespizio::allegati]; !allegati.empty()) {
        w.testoparagrafo("Si allegano: " + allegati + crx(2));
    } else {
        w.testoparagrafo(cr);
    }
    if (const std::string quando = luogoedata(l); !quando.empty()) {
        w.testoparagrafo(quando + crx(2));
    }
    w.testoparagrafo("Il progettista" + cr);
    if (!studio.nome.empty()) {
        w.testoparagrafo("(" + studio.nome + ")" + cr);
    }
    // The room for stamp and signature, framed.
    w.nuovatabella(1, 1);
    w.corpotabella(10);
    w.cella(1, 1, "timbro e firma" + crx(7));
    w.lasciascorrere();
}

// Foundations the tables can hold: a count read from a damaged file must not
// index past the tables.
int fondazioniinuso(const DatiCalcolo& d) {
    return d.nfond < 0 ? 0 : (d.nfond > maxfond ? maxfond : d.nfond);
}

} // namespace

std::string passofinito(const std::string& docx, bool aperta) {
    const std::filesystem::path p(docx);
    return std::string(aperta ? "relazione salvata e aperta: " : "relazione salvata: ") +
           p.filename().string() + " nella cartella " + p.parent_path().string() +
           (aperta ? "" : " (mostrata in anteprima)");
}

std::optional<std::string> avvisosenzastudio(const StudioTecnico& studio,
                                             const std::filesystem::path& configurazione) {
    if (studio.nome.find_first_not_of(" \t") != std::string::npos) {
        return std::nullopt;
    }
    return "Il nome dello studio tecnico non è impostato: nella relazione il frontespizio e la "
           "firma resteranno senza il nome del progettista." +
           cr +
           "Per impostarlo scrivere il file di testo StudioZocal.TXT, di due righe (il nome "
           "dello studio, poi l'indirizzo), nella cartella " +
           configurazione.string() + ".";
}

void aggiornarisultati(DatiCalcolo& dati) {
    const int n = fondazioniinuso(dati);
    for (int f = 1; f <= n; ++f) {
        calcola(dati, f);
    }
}

void componirelazione(ScrittoreRelazione& w, const Lavoro& lavoro, const StudioTecnico& studio,
                      bool conntc) {
    const std::string& progetto = lavoro[Frontespizio::progetto];
    w.proprieta("Relazione sulla fondazione" + (progetto.empty() ? "" : " - " + progetto),
                studio.nome);
    w.numerapagine();
    frontespizio(w, lavoro, studio);
    paginadichiarazioni(w);
    paginadescrizione(w, lavoro);
    // Computed once: the summary, the headings and the section agree.
    const std::vector<VerificaNtc> ntc =
        conntc ? verificatutte(lavoro.dati, lavoro.ntc) : std::vector<VerificaNtc>{};
    terreno(w, lavoro.dati, ntc);
    tabellalegenda(w);
    metodo(w, lavoro.dati);
    w.nuovoparagrafo();
    const int n = fondazioniinuso(lavoro.dati);
    for (int f = 1; f <= n; ++f) {
        const VerificaNtc* v =
            f <= static_cast<int>(ntc.size()) ? &ntc[static_cast<std::size_t>(f - 1)] : nullptr;
        fondazione(w, lavoro.dati, f, v);
    }
    if (conntc) {
        sezionentc(w, lavoro, ntc);
    }
    chiusura(w, lavoro, studio);
}

void allineacolonne(ScrittoreRelazione& w, const DatiCalcolo& dati, const OpzioniNtc* ntc) {
    const std::vector<VerificaNtc> verifiche =
        ntc ? verificatutte(dati, *ntc) : std::vector<VerificaNtc>{};
    // The description is table 1; the summary of both verdicts, when there
    // is one, comes before the soil tables.
    int tabella = 2;
    if (conesito(verifiche)) {
        for (int c : {1, 2, 4}) {
            w.allineadestra(tabella, c);
        }
        ++tabella;
    }
    const int terreno = tabella + 1;
    for (int c = 1; c <= 4; ++c) {
        w.allineadestra(terreno, c);
    }
    const int n = fondazioniinuso(dati);
    // The legend, then a table a foundation with storeys.
    tabella = terreno + 1;
    for (int f = 1; f <= n; ++f) {
        if (pianidi(dati, f) == 0) {
            continue;
        }
        ++tabella;
        for (int c = 1; c <= colonnefondazione; ++c) {
            w.allineadestra(tabella, c);
        }
    }
    if (ntc == nullptr) {
        return;
    }
    // The values of the limit-state tables: the factors, then for a computed
    // foundation its actions, combinations (every column after the first),
    // resistances and sliding, as it has them.
    int tabelle = 0;
    const auto valori = [&] { w.allineadestra(tabella + ++tabelle, colonnentc); };
    valori();
    for (const VerificaNtc& v : verifiche) {
        if (!v.calcolata) {
            continue;
        }
        valori();
        if (v.estesa) {
            ++tabelle;
            for (int c = 2; c <= static_cast<int>(intestazionicombinazioni().size()); ++c) {
                w.allineadestra(tabella + tabelle, c);
            }
        }
        valori();
        if (v.brevetermine) {
            valori();
        }
        if (v.analisi.scorrimento) {
            valori();
        }
    }
    // The seismic tables: the site's, then three an analysis.
    if (consisma(verifiche)) {
        valori();
    }
    for (const VerificaNtc& v : verifiche) {
        if (v.calcolata && v.sisma) {
            for (std::size_t k = 0; k < 3 * analisisismiche(*v.sisma).size(); ++k) {
                valori();
            }
        }
    }
}

EsitoRelazione scrivirelazione(ScrittoreRelazione& w, const Lavoro& lavoro,
                               const StudioTecnico& studio, const std::string& percorso,
                               bool conntc) {
    EsitoRelazione esito;
    w.avvia();
    componirelazione(w, lavoro, studio, conntc);
    w.giustificatutto();
    allineacolonne(w, lavoro.dati, conntc ? &lavoro.ntc : nullptr);
    // One save, of the finished document: the file is what the user sees.
    const auto errore = w.salvacome(percorso);
    esito.pagine = w.contapagine();
    if (errore) {
        esito.errore = *errore;
        return esito;
    }
    esito.docx = percorso;
    esito.pdf = percorsopdf(percorso);
    return esito;
}

} // namespace zocal
