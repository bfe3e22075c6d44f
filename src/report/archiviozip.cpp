#include "archiviozip.h"

#include <zlib.h>

#include <limits>

namespace zocal {

namespace {

void scrivi16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}

void scrivi32(std::string& s, std::uint32_t v) {
    scrivi16(s, v & 0xffff);
    scrivi16(s, v >> 16);
}

constexpr std::uint32_t firmalocale = 0x04034b50;
constexpr std::uint32_t firmacentrale = 0x02014b50;
constexpr std::uint32_t firmafine = 0x06054b50;
constexpr unsigned versione = 20;       // 2.0: deflate and folders
constexpr unsigned nomiutf8 = 1u << 11; // the names are UTF-8
constexpr unsigned memorizzato = 0;
constexpr unsigned compresso = 8;
// 1 January 1980, 00:00, the earliest date a zip can hold: the same
// document always gives the same bytes.
constexpr unsigned ora = 0;
constexpr unsigned data = (0u << 9) | (1u << 5) | 1u;

// Raw deflate at the fastest level: the parts are markup that repeats
// itself and shrinks nearly as much as at the default level in a fraction
// of the time.
std::optional<std::string> deflate(std::string_view dati) {
    z_stream z{};
    if (deflateInit2(&z, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        return std::nullopt;
    }
    std::string uscita(deflateBound(&z, static_cast<uLong>(dati.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dati.data()));
    z.avail_in = static_cast<uInt>(dati.size());
    z.next_out = reinterpret_cast<Bytef*>(uscita.data());
    z.avail_out = static_cast<uInt>(uscita.size());
    const int esito = ::deflate(&z, Z_FINISH);
    const auto scritti = z.total_out;
    deflateEnd(&z);
    if (esito != Z_STREAM_END) {
        return std::nullopt;
    }
    uscita.resize(scritti);
    return uscita;
}

} // namespace

std::optional<std::string> creazip(const std::vector<ParteZip>& parti, std::string* errore) {
    const auto guasto = [errore](const char* perche) -> std::optional<std::string> {
        if (errore != nullptr) {
            *errore = perche;
        }
        return std::nullopt;
    };
    constexpr std::uint64_t limite = std::numeric_limits<std::uint32_t>::max();
    if (parti.size() > 0xffff) {
        return guasto("troppe parti per un archivio zip");
    }
    std::string archivio;
    std::string centrale;
    for (const ParteZip& p : parti) {
        if (p.nome.empty() || p.nome.size() > 0xffff || p.dati.size() >= limite) {
            return guasto("parte dell'archivio zip non valida");
        }
        const std::uint32_t crc = static_cast<std::uint32_t>(crc32_z(
            crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(p.dati.data()), p.dati.size()));
        std::optional<std::string> ristretti = deflate(p.dati);
        if (!ristretti) {
            return guasto("errore del compressore zlib");
        }
        const bool comprimere = ristretti->size() < p.dati.size();
        const std::string_view corpo = comprimere ? std::string_view(*ristretti) : p.dati;
        const std::uint64_t posizione = archivio.size();
        if (posizione + 30 + p.nome.size() + corpo.size() >= limite) {
            return guasto("archivio zip oltre i 4 GiB");
        }
        const auto intestazione = [&](std::string& s, bool locale) {
            scrivi32(s, locale ? firmalocale : firmacentrale);
            if (!locale) {
                scrivi16(s, versione); // made by: MS-DOS attributes
            }
            scrivi16(s, versione);
            scrivi16(s, nomiutf8);
            scrivi16(s, comprimere ? compresso : memorizzato);
            scrivi16(s, ora);
            scrivi16(s, data);
            scrivi32(s, crc);
            scrivi32(s, static_cast<std::uint32_t>(corpo.size()));
            scrivi32(s, static_cast<std::uint32_t>(p.dati.size()));
            scrivi16(s, static_cast<unsigned>(p.nome.size()));
            scrivi16(s, 0); // extra field
            if (!locale) {
                scrivi16(s, 0); // comment
                scrivi16(s, 0); // disk
                scrivi16(s, 0); // internal attributes
                scrivi32(s, 0); // external attributes
                scrivi32(s, static_cast<std::uint32_t>(posizione));
            }
            s += p.nome;
        };
        intestazione(archivio, true);
        archivio += corpo;
        intestazione(centrale, false);
    }
    const std::uint64_t inizio = archivio.size();
    if (inizio + centrale.size() >= limite) {
        return guasto("archivio zip oltre i 4 GiB");
    }
    archivio += centrale;
    scrivi32(archivio, firmafine);
    scrivi16(archivio, 0); // this disk
    scrivi16(archivio, 0); // disk of the directory
    scrivi16(archivio, static_cast<unsigned>(parti.size()));
    scrivi16(archivio, static_cast<unsigned>(parti.size()));
    scrivi32(archivio, static_cast<std::uint32_t>(centrale.size()));
    scrivi32(archivio, static_cast<std::uint32_t>(inizio));
    scrivi16(archivio, 0); // comment
    return archivio;
}

} // namespace zocal
