#pragma once

// A zip archive written in memory: what a DOCX is made of. Each part is
// deflated (or stored, when that is smaller) with its CRC, and the archive
// ends with its central directory, as every zip reader expects.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

struct ParteZip {
    std::string nome; // UTF-8, with "/" between folders
    std::string_view dati;
};

// The archive's bytes, or nullopt with the reason in `errore` (an archive
// past 4 GiB or 65,535 parts, or a fault of the compressor).
std::optional<std::string> creazip(const std::vector<ParteZip>& parti,
                                   std::string* errore = nullptr);

} // namespace zocal
