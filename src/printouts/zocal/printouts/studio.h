#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zocal {

// The user's technical office: name and address, shown on the title-page data.
struct Studio {
    std::string nome;
    std::string indirizzo;
};

inline constexpr const char* filestudio = "StudioZocal.TXT";

// The two lines of a "StudioZocal.TXT" text: name, then address. UTF-8 when
// the bytes are valid UTF-8, else Windows-1252; CR LF or LF line ends.
Studio leggistudio(std::string_view byte);
// Reads the file; a missing or unreadable one gives an empty office.
Studio leggistudio(const std::filesystem::path& file);
// Looks for the file in the user's configuration folder, then beside the
// program; needs the Qt application object.
Studio cercastudio();

} // namespace zocal
