#pragma once

#include "zocal/core/cella.h"

#include <optional>
#include <string>
#include <string_view>

namespace zocal {

// Reading and writing rules for decimal-comma numbers. None of them goes
// through the process locale.

// The digits of a value rounded to 15 significant digits, the form every
// number text of the program starts from.
struct Cifre15 {
    bool negativo = false;
    std::string cifre; // without trailing zeros; empty for zero and for no finite value
    int esponente = 0; // decimal exponent of the first digit
};
Cifre15 cifre15(double valore);

// Writing rule: rounded to 15 significant digits, trailing zeros and a
// trailing comma removed, decimal comma, no grouping, never an exponent.
std::string scrivinumero(double valore);
// The same, added at the end of `out`.
void aggiunginumero(std::string& out, double valore);
// The same, written at `p`, which has room for spazionumero characters;
// returns the end.
inline constexpr std::size_t spazionumero = 400;
char* scrivinumero(char* p, double valore);

// A value as shown in fixed decimals, rounded to `decimali` places (an exact
// binary tie to even), decimal comma, no grouping ("0,914", "501,2"). Minus
// zero shows as zero; a value that is not finite shows as "".
std::string scrividecimali(double valore, int decimali);

// Leading integer part of a text: optional "-", then the digits up to the
// first other character; no digits reads 0. A number cell is written by the
// writing rule first.
double leggiintero(std::string_view testo);
double leggiintero(const Cella& cella);
// What leggiintero reads from the text scrivinumero writes for `valore`,
// without writing it.
double interoscritto(double valore);
inline double leggiintero(const std::string& testo) {
    return leggiintero(std::string_view(testo));
}
inline double leggiintero(const char* testo) {
    return leggiintero(std::string_view(testo));
}

// A decimal number with a decimal comma at full precision: optional "-",
// digits, optional "," and digits, at least one digit. Empty reads 0.
// Anything else (two commas, a "-" not in front, a value too large for a
// double) cannot be read: nullopt.
std::optional<double> leggidecimale(std::string_view testo);
std::optional<double> leggidecimale(const Cella& cella);
inline std::optional<double> leggidecimale(const std::string& testo) {
    return leggidecimale(std::string_view(testo));
}
inline std::optional<double> leggidecimale(const char* testo) {
    return leggidecimale(std::string_view(testo));
}

// Metres cut to whole centimetres toward zero, through the writing rule as
// the original does: 3,555 reads 3.55. nullopt when leggidecimale cannot read.
std::optional<double> leggicm(const Cella& cella);

// A weight: the leading integer part (leggiintero), but only of a text
// leggidecimale can read; nullopt otherwise.
std::optional<double> leggipeso(const Cella& cella);

// Whether leggidecimale can read the text (an empty text can).
bool benformato(std::string_view testo);
bool benformato(const Cella& cella);
inline bool benformato(const std::string& testo) {
    return benformato(std::string_view(testo));
}
inline bool benformato(const char* testo) {
    return benformato(std::string_view(testo));
}

// A job-file number with "." as separator: "2", ".5", "-.5", "1.25", "1E+20".
std::optional<double> leggipunto(std::string_view testo);
// A number for the job file: the writing rule with "." instead of ",".
std::string scrivipunto(double valore);

} // namespace zocal
