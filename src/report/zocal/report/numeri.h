#pragma once

#include "zocal/core/cella.h"

#include <string>
#include <string_view>

namespace zocal {

// A number in plain decimal notation with a point, no leading zero before
// the point, and a blank in front when not negative: " 3", " 27.5", " .5",
// "-.5". Rounded to 15 significant digits, never an exponent.
std::string numeroinchiaro(double valore);
std::string numeroinchiaro(int valore);
// A cell read as a decimal-comma number; an empty cell, or a text that is no
// number, gives an empty text.
std::string numeroinchiaro(const Cella& cella);

// A number written with the decimals of a pattern such as "###0", "###0.0"
// or "##0.00", rounded half away from zero, with a decimal comma and at least
// one integer digit; a "," in the integer part of the pattern ("##,##0.00")
// groups thousands with ".". Trailing "#" decimals are optional digits.
std::string formatta(double valore, std::string_view modello);
// An empty cell, or a text that is no number, gives an empty text.
std::string formatta(const Cella& cella, std::string_view modello);

} // namespace zocal
