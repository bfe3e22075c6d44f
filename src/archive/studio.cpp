#include "zocal/archive/studio.h"

#include "zocal/archive/datiprogramma.h"
#include "zocal/archive/salvataggio.h"

#include <fstream>
#include <system_error>

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

namespace zocal {

namespace {

std::string suunariga(std::string testo) {
    for (char& c : testo) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return testo;
}

std::optional<std::string> salvaincartella(const std::filesystem::path& file,
                                           std::string_view byte) {
    std::error_code ec;
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec) {
            return "Impossibile creare la cartella " + file.parent_path().string() + ": " +
                   descrivierrore(ec.value());
        }
    }
    return salvabyte(file, byte);
}

} // namespace

std::string testostudio(const StudioTecnico& studio) {
    return suunariga(studio.nome) + "\n" + suunariga(studio.indirizzo) + "\n";
}

std::optional<std::string> salvastudio(const std::filesystem::path& file,
                                       const StudioTecnico& studio) {
    return salvaincartella(file, testostudio(studio));
}

std::vector<std::string> leggirecenti(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> recenti;
    std::string riga;
    while (recenti.size() < maxrecenti && std::getline(in, riga)) {
        if (!riga.empty() && riga.back() == '\r') {
            riga.pop_back();
        }
        if (!riga.empty()) {
            recenti.push_back(riga);
        }
    }
    return recenti;
}

std::vector<std::string> conrecente(std::vector<std::string> recenti, const std::string& file) {
    if (file.empty() || file.find_first_of("\r\n") != std::string::npos) {
        return recenti; // a name the list could not hold on one line
    }
    std::erase(recenti, file);
    recenti.insert(recenti.begin(), file);
    if (recenti.size() > maxrecenti) {
        recenti.resize(maxrecenti);
    }
    return recenti;
}

std::optional<std::string> salvarecenti(const std::filesystem::path& file,
                                        const std::vector<std::string>& recenti) {
    std::string byte;
    for (const std::string& r : recenti) {
        byte += r + "\n";
    }
    return salvaincartella(file, byte);
}

} // namespace zocal
