#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// The solved cases that document the program's reliability (NTC 2018
// §10.2): each formula against numbers that do not come from the program
// (published tables, closed forms, worked examples recomputed by hand). One
// list, read by the validation document and by the test suite alike. The
// cases that a job file can hold read it, as shipped, through the job-file
// reader; the others call the check's functions with their arguments.

inline constexpr const char* titolovalidazione = "Documento di validazione di Zocal";

// How near a computed value must come to the expected one.
enum class Tolleranza {
    relativa,   // closed forms: 1e-6 of the value
    mezzaunita, // published tables: half a unit of the last printed digit
    unaunita,   // worked examples: one unit of the last digit shown
    testo,      // a verdict: the same words
};

// "relativa 10⁻⁶", "±½ dell'ultima cifra", ...
std::string testotolleranza(Tolleranza t);

struct ValoreValidazione {
    std::string nome;  // "Nq", "Ed/Rd", "esito"
    std::string unita; // "kPa", "" for a pure number
    // As printed by the source (decimal comma), or for a closed form the
    // value of the expression; `atteso` is its number.
    std::string testoatteso;
    double atteso = 0;
    double calcolato = 0;
    std::string testocalcolato; // the verdict, for Tolleranza::testo
    Tolleranza tolleranza = Tolleranza::unaunita;

    // The largest difference allowed, in the value's unit.
    double ammesso() const;
    bool entro() const;
    // Zocal's value as shown in the document: the decimals of the expected
    // one and two more, or the verdict.
    std::string mostrato() const;
};

struct CasoValidazione {
    std::string numero; // "1.1"
    std::string titolo;
    std::string fonte; // a published table, a closed form with its derivation, or a worked example
    std::string dati;  // the input: a shipped job file or the function's arguments
    std::string file;  // the job file's name under examples/validazione, "" for arguments
    std::vector<ValoreValidazione> valori;
    std::string errore; // the input could not be read: the case fails

    bool superato() const;
};

// Every case, computed now.
std::vector<CasoValidazione> casivalidazione();

// The names of the shipped job files the cases read, as built into the
// program.
std::vector<std::string_view> filevalidazione();

} // namespace zocal
