#include "zocal/archive/studio.h"

#include "zocal/archive/datiprogramma.h"

namespace zocal {

StudioTecnico studiodatesto(std::string_view byte) {
    const std::string testo = testodafile(byte);
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
    for (const auto& cartella : cartelleprogramma(programma)) {
        out.push_back(cartella / filestudio);
    }
    return out;
}

StudioTecnico caricastudio(const std::vector<std::filesystem::path>& percorsi,
                           std::filesystem::path* trovato) {
    for (const auto& p : percorsi) {
        std::string byte;
        if (!leggifile(p, byte)) {
            continue;
        }
        if (trovato != nullptr) {
            *trovato = p;
        }
        return studiodatesto(byte);
    }
    return {};
}

} // namespace zocal
