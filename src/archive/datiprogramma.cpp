#include "zocal/archive/datiprogramma.h"

#include "zocal/archive/cp1252.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace zocal {

namespace {

constexpr std::uintmax_t massimofile = 16u << 20;

} // namespace

std::vector<std::filesystem::path> cartelleprogramma(const std::filesystem::path& programma) {
    if (programma.empty()) {
        return {};
    }
    return {programma, programma.parent_path() / "share" / "zocal"};
}

std::filesystem::path cercafile(std::string_view nome,
                                const std::vector<std::filesystem::path>& cartelle) {
    for (const auto& cartella : cartelle) {
        const std::filesystem::path file = cartella / nome;
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            return file;
        }
    }
    return {};
}

std::string testodafile(std::string_view byte) {
    if (byte.substr(0, 3) == "\xEF\xBB\xBF") {
        return std::string(byte.substr(3));
    }
    return utf8valido(byte) ? std::string(byte) : dacp1252(byte);
}

bool leggifile(const std::filesystem::path& file, std::string& byte, std::string* errore) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        if (errore != nullptr) {
            *errore = "è una cartella, non un file";
        }
        return false;
    }
    // A data file is a few kilobytes: anything huge is no file of ours, and
    // reading it whole would only stall the window.
    const auto dimensione = std::filesystem::file_size(file, ec);
    if (!ec && dimensione > massimofile) {
        if (errore != nullptr) {
            *errore = "file troppo grande";
        }
        return false;
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (errore != nullptr) {
            *errore = errno == ENOENT   ? "file inesistente"
                      : errno == EACCES ? "permesso negato"
                                        : "il file non si può aprire";
        }
        return false;
    }
    std::ostringstream contenuto;
    contenuto << in.rdbuf();
    if (in.bad()) {
        if (errore != nullptr) {
            *errore = "errore di lettura";
        }
        return false;
    }
    byte = std::move(contenuto).str();
    return true;
}

} // namespace zocal
