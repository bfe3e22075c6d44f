#include "zocal/windows/lettore.h"

#include "zocal/archive/datiprogramma.h"

#include <QCoreApplication>

#include <fluidsynth.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace zocal {

namespace {

bool esiste(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// FluidSynth would write its complaints on the terminal; the program stays quiet.
void zittisci() {
    static const bool fatto = [] {
        for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
            fluid_set_log_function(livello, nullptr, nullptr);
        }
        return true;
    }();
    (void)fatto;
}

// ALSA prints its own errors when there is no card, so it is tried only
// when the kernel lists one.
bool schedaaudio() {
    std::ifstream in("/proc/asound/cards");
    if (!in) {
        return false;
    }
    const std::string testo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return testo.find_first_not_of(" \t\r\n") != std::string::npos &&
           testo.find("no soundcards") == std::string::npos;
}

} // namespace

std::vector<std::filesystem::path> cartelledati() {
    std::vector<std::filesystem::path> cartelle{std::filesystem::path(".")};
    if (QCoreApplication::instance() != nullptr) {
        for (auto& c : cartelleprogramma(QCoreApplication::applicationDirPath().toStdString())) {
            cartelle.push_back(std::move(c));
        }
    }
    return cartelle;
}

std::filesystem::path cercadato(const std::string& nome) {
    return cercafile(nome, cartelledati());
}

std::vector<std::filesystem::path> fontsonori() {
    return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"};
}

struct LettoreFluidSynth::Stato {
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    fluid_player_t* riproduttore = nullptr;
    fluid_audio_driver_t* uscita = nullptr;

    ~Stato() {
        // The device thread goes first: it is the one that drives the player.
        if (uscita != nullptr) {
            delete_fluid_audio_driver(uscita);
        }
        if (riproduttore != nullptr) {
            fluid_player_stop(riproduttore);
            delete_fluid_player(riproduttore);
        }
        if (sintetizzatore != nullptr) {
            delete_fluid_synth(sintetizzatore);
        }
        if (impostazioni != nullptr) {
            delete_fluid_settings(impostazioni);
        }
    }
};

LettoreFluidSynth::LettoreFluidSynth(std::vector<std::filesystem::path> fonti,
                                     std::vector<std::string> uscite)
    : fonti_(std::move(fonti)), uscite_(std::move(uscite)) {
    zittisci();
}

LettoreFluidSynth::~LettoreFluidSynth() = default;

std::vector<std::string> LettoreFluidSynth::uscitepredefinite() {
    std::vector<std::string> uscite{"pulseaudio", "pipewire"};
    if (schedaaudio()) {
        uscite.emplace_back("alsa");
    }
    return uscite;
}

bool LettoreFluidSynth::pronto() const {
    return s_ != nullptr;
}

void LettoreFluidSynth::apri(const std::string& file) {
    chiudi();
    std::filesystem::path percorso = file;
    if (!esiste(percorso) && percorso.is_relative()) {
        percorso = cercadato(file);
    }
    if (percorso.empty() || !esiste(percorso)) {
        return;
    }
    std::filesystem::path fonte;
    for (const auto& f : fonti_) {
        if (esiste(f)) {
            fonte = f;
            break;
        }
    }
    if (fonte.empty() || uscite_.empty()) {
        return;
    }

    auto s = std::make_unique<Stato>();
    s->impostazioni = new_fluid_settings();
    if (s->impostazioni == nullptr) {
        return;
    }
    s->sintetizzatore = new_fluid_synth(s->impostazioni);
    if (s->sintetizzatore == nullptr) {
        return;
    }
    // The device first: without one there is no point in loading the sounds.
    for (const std::string& nome : uscite_) {
        if (fluid_settings_setstr(s->impostazioni, "audio.driver", nome.c_str()) != FLUID_OK) {
            continue;
        }
        s->uscita = new_fluid_audio_driver(s->impostazioni, s->sintetizzatore);
        if (s->uscita != nullptr) {
            break;
        }
    }
    if (s->uscita == nullptr ||
        fluid_synth_sfload(s->sintetizzatore, fonte.string().c_str(), 1) == FLUID_FAILED) {
        return;
    }
    s->riproduttore = new_fluid_player(s->sintetizzatore);
    if (s->riproduttore == nullptr ||
        fluid_player_add(s->riproduttore, percorso.string().c_str()) != FLUID_OK) {
        return;
    }
    s_ = std::move(s);
}

void LettoreFluidSynth::suona() {
    if (s_ != nullptr && fluid_player_get_status(s_->riproduttore) != FLUID_PLAYER_PLAYING) {
        fluid_player_play(s_->riproduttore);
    }
}

void LettoreFluidSynth::pausa() {
    if (s_ != nullptr) {
        // Stopping keeps the player's place; the notes sounding are let go.
        fluid_player_stop(s_->riproduttore);
        fluid_synth_all_notes_off(s_->sintetizzatore, -1);
    }
}

void LettoreFluidSynth::chiudi() {
    s_.reset();
}

} // namespace zocal
