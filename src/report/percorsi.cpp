#include "zocal/report/percorsi.h"

#include "zocal/archive/studio.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zocal {

namespace {

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

std::filesystem::path cartelladocumenti(const std::filesystem::path& documenti,
                                        const std::filesystem::path& casa, std::string* avviso) {
    if (!documenti.empty()) {
        // New accounts without the desktop's folders have none yet.
        std::error_code ec;
        std::filesystem::create_directories(documenti, ec);
        if (std::filesystem::is_directory(documenti, ec)) {
            return documenti;
        }
        if (avviso != nullptr) {
            *avviso = "La cartella \"" + documenti.string() +
                      "\" non esiste e non si è potuta creare: i documenti vanno nella cartella "
                      "personale \"" +
                      casa.string() + "\".";
        }
    }
    return casa;
}

std::filesystem::path cartelladocumenti(const std::string& filedati, std::string* avviso) {
    if (!filedati.empty()) {
        std::filesystem::path p(filedati);
        std::error_code ec;
        const std::filesystem::path assoluto = std::filesystem::absolute(p, ec);
        return (ec ? p : assoluto).parent_path();
    }
    return cartelladocumenti(
        percorsoda(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        percorsoda(QDir::homePath()), avviso);
}

std::string percorsorelazione(const std::string& filedati, std::string_view committente,
                              std::string* avviso) {
    return (cartelladocumenti(filedati, avviso) / nomerelazione(committente)).string();
}

std::filesystem::path cartellaconfigurazione() {
    return percorsoda(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
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

std::vector<std::filesystem::path> percorsistudio() {
    const std::filesystem::path programma = QCoreApplication::instance() != nullptr
                                                ? percorsoda(QCoreApplication::applicationDirPath())
                                                : std::filesystem::path();
    return zocal::percorsistudio(cartellaconfigurazione(), programma);
}

} // namespace zocal
