#pragma once

#include "zocal/archive/studio.h"
#include "zocal/core/lavoro.h"

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Jobs and helpers shared by the report tests.
namespace esempi {

// The worked example: one foundation with two storeys on sandy soil.
inline zocal::Lavoro lavoroesempio() {
    zocal::Lavoro l;
    zocal::DatiCalcolo& d = l.dati;
    const char* piani[2][8] = {{"300", "200", "4", "100", "200", "0,30", "3", "1800"},
                               {"250", "150", "4", "80", "150", "0,30", "3", "1800"}};
    for (int i = 1; i <= 2; ++i) {
        for (int k = 0; k < 8; ++k) {
            d.piano(zocal::vociingresso[static_cast<std::size_t>(k)], i, 1) = piani[i - 1][k];
        }
    }
    d.prof[1] = "1";
    d.largh[1] = "0,6";
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    d.contadati();
    using F = zocal::Frontespizio;
    l[F::progetto] = "Costruzione di un fabbricato per civile abitazione";
    l[F::localita] = "contrada Santa Lucia";
    l[F::committente] = "Rossi Mario";
    l[F::luogo] = "Potenza";
    l[F::data] = "martedì, 6 mar 2001";
    l[F::allegati] = "tavole da 1 a 5";
    for (int i = 0; i < zocal::ndescrizione; ++i) {
        l.descrizione[static_cast<std::size_t>(i)] = "descrizione " + std::to_string(i + 1);
    }
    return l;
}

// A full job: `fondazioni` foundations of `piani` storeys each.
inline zocal::Lavoro lavoropieno(int fondazioni, int piani) {
    zocal::Lavoro l = lavoroesempio();
    zocal::DatiCalcolo& d = l.dati;
    for (int f = 1; f <= fondazioni; ++f) {
        for (int i = 1; i <= piani; ++i) {
            const char* valori[8] = {"300", "200", "4,5", "100", "200", "0,40", "3,2", "1800"};
            for (int k = 0; k < 8; ++k) {
                d.piano(zocal::vociingresso[static_cast<std::size_t>(k)], i, f) = valori[k];
            }
        }
        d.prof[static_cast<std::size_t>(f)] = "1,5";
        d.largh[static_cast<std::size_t>(f)] = "1,2";
    }
    d.contadati();
    return l;
}

inline const zocal::StudioTecnico studiosweep{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

struct Lavorazione {
    std::string nome;
    zocal::Lavoro lavoro;
    zocal::StudioTecnico studio;
};

// `s` repeated to `lunghezza` characters (of UTF-8 text).
inline std::string ripeti(const std::string& s, std::size_t lunghezza) {
    std::vector<std::string> caratteri;
    for (unsigned char c : s) {
        // Continuation bytes belong to the character before them.
        if ((c & 0xC0) == 0x80 && !caratteri.empty()) {
            caratteri.back() += static_cast<char>(c);
        } else {
            caratteri.emplace_back(1, static_cast<char>(c));
        }
    }
    std::string out;
    for (std::size_t i = 0; i < lunghezza; ++i) {
        out += caratteri[i % caratteri.size()];
    }
    return out;
}

// 1 to 10 foundations of 1, 2, 3, 5 and 10 storeys, then jobs with texts at
// and beyond the recommended lengths, accents, no studio, soil type 0.
inline std::vector<Lavorazione> sweep() {
    std::vector<Lavorazione> out;
    for (int f = 1; f <= 10; ++f) {
        for (int p : {1, 2, 3, 5, 10}) {
            out.push_back(
                {std::to_string(f) + "x" + std::to_string(p), lavoropieno(f, p), studiosweep});
        }
    }
    using F = zocal::Frontespizio;
    auto lunghi = [](int f, int p) {
        zocal::Lavoro l = lavoropieno(f, p);
        // 60 characters each, wide letters: every title-page line wraps.
        for (F campo : {F::progetto, F::localita, F::committente, F::luogo, F::data}) {
            l[campo] = ripeti("Costruzione di un fabbricato MMWW à è ì ò ù ", 60);
        }
        l[F::allegati] = ripeti("tavole grafiche, relazione geologica, ", 300);
        for (auto& d : l.descrizione) {
            d = ripeti("il fabbricato è modesto e ricade in zone già note ", 65);
        }
        return l;
    };
    for (int f : {1, 3, 7, 10}) {
        for (int p : {2, 10}) {
            out.push_back({"lunghi " + std::to_string(f) + "x" + std::to_string(p),
                           lunghi(f, p),
                           {ripeti("Studio Tecnico Associato Ing. Bianchi ", 60),
                            ripeti("via Appia 12, 85100 Potenza ", 60)}});
        }
    }
    zocal::Lavoro zero = lavoropieno(4, 3);
    zero.dati.tiposuolo = "0";
    for (int f = 1; f <= 4; ++f) {
        zero.dati.sigmat[static_cast<std::size_t>(f)] = "2";
    }
    out.push_back({"suolo 0", zero, studiosweep});
    out.push_back({"senza studio", lavoropieno(6, 5), {}});
    out.push_back({"senza fondazioni", lavoroesempio(), studiosweep});
    out.back().lavoro.dati = zocal::DatiCalcolo{};
    return out;
}

// A fresh folder, removed with everything in it at the end of the test.
class Cartella {
  public:
    Cartella() {
        std::string modello =
            (std::filesystem::temp_directory_path() / "zocal-relazione-XXXXXX").string();
        percorso_ = ::mkdtemp(modello.data());
    }
    ~Cartella() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    Cartella(const Cartella&) = delete;
    Cartella& operator=(const Cartella&) = delete;
    const std::filesystem::path& percorso() const { return percorso_; }
    std::string operator/(const std::string& nome) const { return (percorso_ / nome).string(); }

  private:
    std::filesystem::path percorso_;
};

inline std::string leggi(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void scrivi(const std::filesystem::path& p, const std::string& byte) {
    std::ofstream out(p, std::ios::binary);
    out << byte;
}

// Whether a program is on the PATH.
inline bool disponibile(const std::string& programma) {
    return std::system(("command -v " + programma + " >/dev/null 2>&1").c_str()) == 0;
}

// Output of a shell command.
inline std::string esegui(const std::string& comando, int* stato = nullptr) {
    std::string out;
    if (FILE* p = ::popen(comando.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
            out.append(buf, n);
        }
        const int r = ::pclose(p);
        if (stato != nullptr) {
            *stato = r;
        }
    }
    return out;
}

inline std::string virgolette(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Text of a PDF as pdftotext reads it.
inline std::string testopdf(const std::string& pdf) {
    return esegui("pdftotext -enc UTF-8 " + virgolette(pdf) + " - 2>/dev/null");
}

inline int paginepdf(const std::string& pdf) {
    const std::string info = esegui("pdfinfo " + virgolette(pdf) + " 2>/dev/null");
    const auto p = info.find("Pages:");
    return p == std::string::npos ? -1 : std::atoi(info.c_str() + p + 6);
}

} // namespace esempi
