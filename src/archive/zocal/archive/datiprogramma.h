#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zocal {

// The folders that hold the program's own data files, given the folder of the
// executable: that folder (a build tree), then ../share/zocal from it (an
// installed program). None for an empty folder.
std::vector<std::filesystem::path> cartelleprogramma(const std::filesystem::path& programma);

// The first regular file of that name in the folders; empty when none.
std::filesystem::path cercafile(std::string_view nome,
                                const std::vector<std::filesystem::path>& cartelle);

// A text file's bytes as UTF-8: the files are Windows-1252, but one saved
// as UTF-8 by a modern editor (with or without its mark) is taken as it is.
std::string testodafile(std::string_view byte);

// The whole content of a file; false when it cannot be read, with the
// reason (Italian) in `errore` when given.
bool leggifile(const std::filesystem::path& file, std::string& byte, std::string* errore = nullptr);

} // namespace zocal
