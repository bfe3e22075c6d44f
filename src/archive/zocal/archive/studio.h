#pragma once

#include <filesystem>
#include <optional>
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

namespace zocal {

// The file's bytes for an office: two UTF-8 lines, line ends inside a text
// made blanks so that the address stays on the second line.
std::string testostudio(const StudioTecnico& studio);
// Writes the file by the safe save, making its folder; the reason of a
// fault in Italian, nullopt when written.
std::optional<std::string> salvastudio(const std::filesystem::path& file,
                                       const StudioTecnico& studio);

// The job files last opened or saved, most recent first, one UTF-8 path a
// line in the user's configuration folder.
inline constexpr std::size_t maxrecenti = 5;
inline constexpr const char* filerecenti = "recenti";
std::vector<std::string> leggirecenti(const std::filesystem::path& file);
// `file` first, without repeating it, at most maxrecenti.
std::vector<std::string> conrecente(std::vector<std::string> recenti, const std::string& file);
std::optional<std::string> salvarecenti(const std::filesystem::path& file,
                                        const std::vector<std::string>& recenti);

} // namespace zocal
