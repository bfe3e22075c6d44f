// Build tool: draws the program's pictures and writes their pixels into a
// C++ source, so that the program shows them without drawing or decoding
// anything at start.
// Usage: genera_immagini OUTPUT.cpp
#include "disegni.h"

#include <QGuiApplication>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// One 32-bit premultiplied pixel per number; blank pixels are written short.
std::string pixel(QRgb valore) {
    if (valore == 0) {
        return "0";
    }
    char testo[16];
    std::snprintf(testo, sizeof testo, "0x%08x", static_cast<unsigned>(valore));
    return testo;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: genera_immagini FILE.cpp\n");
        return 1;
    }
    QGuiApplication app(argc, argv);

    std::vector<std::pair<std::string, QImage>> immagini;
    for (int n = 1; n <= 22; ++n) {
        QImage i = zocal::disegni::iconabarra(n);
        if (!i.isNull()) {
            char nome[16];
            std::snprintf(nome, sizeof nome, "barra%02d", n);
            immagini.emplace_back(nome, std::move(i));
        }
    }
    immagini.emplace_back("estensione-o", zocal::disegni::estensione(true));
    immagini.emplace_back("estensione-v", zocal::disegni::estensione(false));
    immagini.emplace_back("girasole", zocal::disegni::girasole(160));

    std::string testo = "// Written by genera_immagini when the program is built.\n"
                        "#include \"immagini.h\"\n\n"
                        "namespace zocal::immagini {\n\nnamespace {\n\n";
    for (std::size_t k = 0; k < immagini.size(); ++k) {
        const QImage i = immagini[k].second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        testo += "const std::uint32_t d" + std::to_string(k) + "[] = {";
        int n = 0;
        for (int y = 0; y < i.height(); ++y) {
            const auto* riga = reinterpret_cast<const QRgb*>(i.constScanLine(y));
            for (int x = 0; x < i.width(); ++x, ++n) {
                testo += (n % 12 == 0 ? "\n    " : " ");
                testo += pixel(riga[x]) + ",";
            }
        }
        testo += "\n};\n";
    }
    testo += "\n} // namespace\n\nconst Incorporata tabella[] = {\n";
    for (std::size_t k = 0; k < immagini.size(); ++k) {
        const std::string d = "d" + std::to_string(k);
        const QImage& i = immagini[k].second;
        testo += "    {\"" + immagini[k].first + "\", " + d + ", " + std::to_string(i.width()) +
                 ", " + std::to_string(i.height()) + "},\n";
    }
    testo += "};\n\nconst std::size_t numero = " + std::to_string(immagini.size()) +
             ";\n\n} // namespace zocal::immagini\n";

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << testo;
    file.close();
    if (!file) {
        std::fprintf(stderr, "genera_immagini: %s non scritto\n", argv[1]);
        return 1;
    }
    return 0;
}
