#include "zocal/archive/recupero.h"

#include "zocal/archive/salvataggio.h"

#include <cerrno>
#include <csignal>

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zocal {

namespace {

constexpr std::string_view prefisso = "Zocal-recupero-";
constexpr std::string_view estensione = ".percorso";

std::filesystem::path percorsofile(const std::filesystem::path& file) {
    return file.string() + std::string(estensione);
}

// The process number of a copy's name; nullopt for another file.
std::optional<long> processodi(const std::string& nome) {
    if (nome.rfind(prefisso, 0) != 0) {
        return std::nullopt;
    }
    const char* inizio = nome.data() + prefisso.size();
    const char* fine = nome.data() + nome.size();
    long processo = 0;
    const auto [p, ec] = std::from_chars(inizio, fine, processo);
    if (ec != std::errc() || p != fine || processo <= 0) {
        return std::nullopt;
    }
    return processo;
}

} // namespace

bool processoattivo(long processo) {
    return processo > 0 && (::kill(static_cast<pid_t>(processo), 0) == 0 || errno == EPERM);
}

Recupero::Recupero(std::filesystem::path cartella, long processo)
    : cartella_(std::move(cartella)),
      file_(cartella_ / (std::string(prefisso) + std::to_string(processo))) {}

std::optional<std::string> Recupero::scrivi(std::string_view byte, const std::string& filedati) {
    std::error_code ec;
    std::filesystem::create_directories(cartella_, ec);
    if (ec) {
        return "Impossibile creare la cartella " + cartella_.string() + ": " + ec.message();
    }
    // The path first: a copy is complete once its job file is there.
    if (auto errore = salvabyte(percorsofile(file_), filedati)) {
        return errore;
    }
    return salvabyte(file_, byte);
}

void Recupero::rimuovi() const {
    std::error_code ec;
    std::filesystem::remove(file_, ec);
    std::filesystem::remove(percorsofile(file_), ec);
}

std::optional<Recupero::Avanzo> Recupero::avanzo() const {
    std::error_code ec;
    std::optional<Avanzo> scelto;
    std::filesystem::file_time_type piurecente{};
    for (const auto& voce : std::filesystem::directory_iterator(cartella_, ec)) {
        const auto processo = processodi(voce.path().filename().string());
        if (!processo || voce.path() == file_ || processoattivo(*processo) ||
            !voce.is_regular_file(ec)) {
            continue;
        }
        const auto quando = voce.last_write_time(ec);
        if (ec || (scelto && quando <= piurecente)) {
            continue;
        }
        std::ifstream in(percorsofile(voce.path()), std::ios::binary);
        scelto = Avanzo{voce.path(), {std::istreambuf_iterator<char>(in), {}}};
        piurecente = quando;
    }
    return scelto;
}

void Recupero::scarta(const Avanzo& avanzo) {
    std::error_code ec;
    std::filesystem::remove(avanzo.file, ec);
    std::filesystem::remove(percorsofile(avanzo.file), ec);
}

} // namespace zocal
