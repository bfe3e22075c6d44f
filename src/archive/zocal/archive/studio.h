#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// The user's technical office, which signs the report and heads the title-page data.
struct StudioTecnico {
    std::string nome;
    std::string indirizzo;
};

inline constexpr const char* filestudio = "StudioZocal.TXT";

// The two lines (name, then address) of a "StudioZocal.TXT": UTF-8, or
// Windows-1252 when it is not UTF-8; CR LF or LF line ends.
StudioTecnico studiodatesto(std::string_view byte);

// Where the file is looked for, in order: the user's configuration folder,
// then the program's folder and the data folder of an installed program.
std::vector<std::filesystem::path> percorsistudio(const std::filesystem::path& configurazione,
                                                  const std::filesystem::path& programma);

// The first of those files that can be read; both texts empty when none.
// `trovato` (when given) receives its path, or stays empty.
StudioTecnico caricastudio(const std::vector<std::filesystem::path>& percorsi,
                           std::filesystem::path* trovato = nullptr);

} // namespace zocal
