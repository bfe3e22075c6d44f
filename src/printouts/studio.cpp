#include "zocal/printouts/studio.h"

#include "zocal/archive/cp1252.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <fstream>
#include <iterator>

namespace zocal {

namespace {

bool utf8valido(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t seguito = 0;
        if (b < 0x80) {
            seguito = 0;
        } else if (b >= 0xC2 && b <= 0xDF) {
            seguito = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            seguito = 2;
        } else if (b >= 0xF0 && b <= 0xF4) {
            seguito = 3;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= seguito; ++k) {
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += seguito + 1;
    }
    return true;
}

std::string riga(std::string_view& resto) {
    const auto fine = resto.find('\n');
    std::string_view r = resto.substr(0, fine);
    resto = fine == std::string_view::npos ? std::string_view{} : resto.substr(fine + 1);
    if (!r.empty() && r.back() == '\r') {
        r.remove_suffix(1);
    }
    return std::string(r);
}

} // namespace

Studio leggistudio(std::string_view byte) {
    if (byte.substr(0, 3) == "\xEF\xBB\xBF") {
        byte.remove_prefix(3);
    }
    const std::string testo = utf8valido(byte) ? std::string(byte) : dacp1252(byte);
    std::string_view resto = testo;
    Studio studio;
    studio.nome = riga(resto);
    studio.indirizzo = riga(resto);
    return studio;
}

Studio leggistudio(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    const std::string byte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return leggistudio(std::string_view(byte));
}

Studio cercastudio() {
    const QString configurazione =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString programma = QCoreApplication::applicationDirPath();
    for (const QString& cartella : {configurazione, programma}) {
        if (cartella.isEmpty()) {
            continue;
        }
        const std::filesystem::path file =
            std::filesystem::path(cartella.toStdString()) / filestudio;
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            return leggistudio(file);
        }
    }
    return {};
}

} // namespace zocal
