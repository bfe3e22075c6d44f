#pragma once

#include <string>
#include <string_view>

namespace zocal {

// Longest piece of a file quoted in a message, in characters.
inline constexpr std::size_t lunghezzacitazione = 80;

// A piece of a file or of typed data as a message quotes it: cut to 80
// characters (then ending with "…"), and every control character, and every
// byte that is not UTF-8, shown as \xNN, so that a huge value or a terminal's
// escape sequence never reaches the user as it is.
std::string citazione(std::string_view testo);

} // namespace zocal
