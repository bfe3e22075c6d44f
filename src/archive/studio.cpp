#include "zocal/archive/studio.h"

#include "zocal/archive/cp1252.h"

#include <fstream>
#include <sstream>

namespace zocal {

StudioTecnico studiodatesto(std::string_view byte) {
    if (byte.substr(0, 3) == "\xEF\xBB\xBF") {
        byte.remove_prefix(3);
    }
    const std::string testo = utf8valido(byte) ? std::string(byte) : dacp1252(byte);
    std::string righe[2];
    std::size_t i = 0;
    for (std::string& riga : righe) {
        const std::size_t fine = testo.find_first_of("\r\n", i);
        riga = testo.substr(i, fine == std::string::npos ? std::string::npos : fine - i);
        if (fine == std::string::npos) {
            break;
        }
        i = fine +
            ((testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n') ? 2 : 1);
    }
    return {righe[0], righe[1]};
}

std::vector<std::filesystem::path> percorsistudio(const std::filesystem::path& configurazione,
                                                  const std::filesystem::path& programma) {
    std::vector<std::filesystem::path> out;
    if (!configurazione.empty()) {
        out.push_back(configurazione / filestudio);
    }
    if (!programma.empty()) {
        out.push_back(programma / filestudio);
        out.push_back(programma.parent_path() / "share" / "zocal" / filestudio);
    }
    return out;
}

StudioTecnico caricastudio(const std::vector<std::filesystem::path>& percorsi,
                           std::filesystem::path* trovato) {
    for (const auto& p : percorsi) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(p, ec)) {
            continue;
        }
        std::ifstream in(p, std::ios::binary);
        if (!in) {
            continue;
        }
        std::ostringstream contenuto;
        contenuto << in.rdbuf();
        if (trovato != nullptr) {
            *trovato = p;
        }
        return studiodatesto(contenuto.str());
    }
    return {};
}

} // namespace zocal
