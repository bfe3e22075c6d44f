#include "zocal/report/percorsi.h"

#include "zocal/archive/cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <fstream>
#include <iterator>
#include <sstream>

namespace zocal {

namespace {

constexpr std::string_view nomefilestudio = "StudioZocal.TXT";

std::filesystem::path percorsoda(const QString& s) {
    return std::filesystem::path(s.toStdString());
}

// Length of the UTF-8 sequence starting at byte `c`, 0 when it is no lead byte.
std::size_t lunghezzautf8(unsigned char c) {
    if (c < 0x80) {
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        return 2;
    }
    if ((c & 0xF0) == 0xE0) {
        return 3;
    }
    if ((c & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

bool utf8valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = lunghezzautf8(static_cast<unsigned char>(s[i]));
        if (n == 0 || i + n > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

} // namespace

std::string nomesicuro(std::string_view testo, std::size_t massimo) {
    std::string out;
    for (std::size_t i = 0; i < testo.size();) {
        const unsigned char c = static_cast<unsigned char>(testo[i]);
        std::size_t n = lunghezzautf8(c);
        if (n == 0 || i + n > testo.size()) {
            n = 1; // a stray byte is not a character
            if (out.size() + 1 > massimo) {
                break;
            }
            out += '_';
            ++i;
            continue;
        }
        if (out.size() + n > massimo) {
            break;
        }
        if (n == 1 && (c < 0x20 || c == 0x7F ||
                       std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) !=
                           std::string_view::npos)) {
            out += '_';
        } else {
            out.append(testo.substr(i, n));
        }
        i += n;
    }
    return out;
}

std::string nomerelazione(std::string_view committente) {
    return "Zocal-RelazioneZocal-" + nomesicuro(committente) + ".docx";
}

std::filesystem::path cartelladocumenti(const std::string& filedati) {
    if (!filedati.empty()) {
        std::filesystem::path p(filedati);
        std::error_code ec;
        const std::filesystem::path assoluto = std::filesystem::absolute(p, ec);
        return (ec ? p : assoluto).parent_path();
    }
    QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documenti.isEmpty()) {
        documenti = QDir::homePath();
    }
    return percorsoda(documenti);
}

std::string percorsorelazione(const std::string& filedati, std::string_view committente) {
    return (cartelladocumenti(filedati) / nomerelazione(committente)).string();
}

std::string percorsopdf(const std::string& docx) {
    constexpr std::string_view estensione = ".docx";
    if (docx.size() > estensione.size()) {
        std::string coda = docx.substr(docx.size() - estensione.size());
        for (char& c : coda) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        if (coda == estensione) {
            return docx.substr(0, docx.size() - estensione.size()) + ".pdf";
        }
    }
    return docx + ".pdf";
}

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
            i = testo.size();
            break;
        }
        i = fine +
            ((testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n') ? 2 : 1);
    }
    return {righe[0], righe[1]};
}

std::vector<std::filesystem::path> percorsistudio() {
    std::vector<std::filesystem::path> out;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!config.isEmpty()) {
        out.push_back(percorsoda(config) / nomefilestudio);
    }
    if (QCoreApplication::instance() != nullptr) {
        const std::filesystem::path programma = percorsoda(QCoreApplication::applicationDirPath());
        out.push_back(programma / nomefilestudio);
        out.push_back(programma.parent_path() / "share" / "zocal" / nomefilestudio);
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
