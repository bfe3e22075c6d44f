#pragma once

#include <span>
#include <string_view>

namespace zocal {

// A job file of the validation cases as built into the program.
struct FileIncorporato {
    std::string_view nome; // "Zocal-dati-esempio"
    std::string_view byte;
};

// Every file under examples/validazione, in name order.
std::span<const FileIncorporato> fileincorporati();

} // namespace zocal
