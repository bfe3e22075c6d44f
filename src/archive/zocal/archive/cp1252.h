#pragma once

#include <string>
#include <string_view>

namespace zocal {

// Job files are Windows-1252, one byte a character; the program's texts are UTF-8.

// Every byte has a character: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own code points, so any file reads.
std::string dacp1252(std::string_view byte);

// A character the code page cannot hold, and any malformed UTF-8 sequence,
// becomes "?"; *perdite (when given) is set if that happened at least once.
std::string acp1252(std::string_view utf8, bool* perdite = nullptr);

// Whether the bytes are well-formed UTF-8 (strictly: no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool utf8valido(std::string_view byte);

} // namespace zocal
