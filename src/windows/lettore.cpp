#include "zocal/windows/lettore.h"

#include "zocal/archive/datiprogramma.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <dlfcn.h>
#include <fluidsynth.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <system_error>
#include <type_traits>
#include <utility>

namespace zocal {

namespace {

bool esiste(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// FluidSynth and the sound servers it drags in are loaded only when music
// is really wanted, so that the windows come up without them.
struct Libreria {
#define ZOCAL_FUNZIONE(nome) decltype(&::nome) nome = nullptr
    ZOCAL_FUNZIONE(fluid_set_log_function);
    ZOCAL_FUNZIONE(new_fluid_settings);
    ZOCAL_FUNZIONE(delete_fluid_settings);
    ZOCAL_FUNZIONE(fluid_settings_setstr);
    ZOCAL_FUNZIONE(new_fluid_synth);
    ZOCAL_FUNZIONE(delete_fluid_synth);
    ZOCAL_FUNZIONE(fluid_synth_sfload);
    ZOCAL_FUNZIONE(fluid_synth_all_notes_off);
    ZOCAL_FUNZIONE(new_fluid_audio_driver);
    ZOCAL_FUNZIONE(delete_fluid_audio_driver);
    ZOCAL_FUNZIONE(new_fluid_player);
    ZOCAL_FUNZIONE(delete_fluid_player);
    ZOCAL_FUNZIONE(fluid_player_add);
    ZOCAL_FUNZIONE(fluid_player_play);
    ZOCAL_FUNZIONE(fluid_player_stop);
    ZOCAL_FUNZIONE(fluid_player_get_status);
#undef ZOCAL_FUNZIONE
};

// Loaded once and kept for the whole run: its device threads may outlive a
// player by a moment. Null when the library or one of its functions is missing.
const Libreria* libreria(const std::string& nome) {
    static std::map<std::string, std::unique_ptr<Libreria>> caricate;
    static std::mutex guardia;
    const std::lock_guard<std::mutex> chiave(guardia);
    if (const auto trovata = caricate.find(nome); trovata != caricate.end()) {
        return trovata->second.get();
    }
    std::unique_ptr<Libreria> l;
    if (void* h = dlopen(nome.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        l = std::make_unique<Libreria>();
        bool completa = true;
        auto prendi = [&](auto& funzione, const char* simbolo) {
            funzione =
                reinterpret_cast<std::remove_reference_t<decltype(funzione)>>(dlsym(h, simbolo));
            completa = completa && funzione != nullptr;
        };
#define ZOCAL_PRENDI(nome) prendi(l->nome, #nome)
        ZOCAL_PRENDI(fluid_set_log_function);
        ZOCAL_PRENDI(new_fluid_settings);
        ZOCAL_PRENDI(delete_fluid_settings);
        ZOCAL_PRENDI(fluid_settings_setstr);
        ZOCAL_PRENDI(new_fluid_synth);
        ZOCAL_PRENDI(delete_fluid_synth);
        ZOCAL_PRENDI(fluid_synth_sfload);
        ZOCAL_PRENDI(fluid_synth_all_notes_off);
        ZOCAL_PRENDI(new_fluid_audio_driver);
        ZOCAL_PRENDI(delete_fluid_audio_driver);
        ZOCAL_PRENDI(new_fluid_player);
        ZOCAL_PRENDI(delete_fluid_player);
        ZOCAL_PRENDI(fluid_player_add);
        ZOCAL_PRENDI(fluid_player_play);
        ZOCAL_PRENDI(fluid_player_stop);
        ZOCAL_PRENDI(fluid_player_get_status);
#undef ZOCAL_PRENDI
        if (completa) {
            // FluidSynth would write its complaints on the terminal; the program stays quiet.
            for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
                l->fluid_set_log_function(livello, nullptr, nullptr);
            }
        } else {
            l.reset();
        }
    }
    return caricate.emplace(nome, std::move(l)).first->second.get();
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

namespace {

// Calls back once, at the first picture drawn by any window of the program.
class DopoIlDisegno : public QObject {
  public:
    explicit DopoIlDisegno(std::function<void()> poi) : poi_(std::move(poi)) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && poi_) {
            std::exchange(poi_, {})();
        }
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    std::function<void()> poi_;
};

} // namespace

struct LettoreFluidSynth::Stato {
    const Libreria& f;
    fluid_settings_t* impostazioni = nullptr;
    fluid_synth_t* sintetizzatore = nullptr;
    fluid_player_t* riproduttore = nullptr;
    fluid_audio_driver_t* uscita = nullptr;

    explicit Stato(const Libreria& libreria) : f(libreria) {}
    Stato(const Stato&) = delete;
    Stato& operator=(const Stato&) = delete;

    ~Stato() {
        // The device thread goes first: it is the one that drives the player.
        if (uscita != nullptr) {
            f.delete_fluid_audio_driver(uscita);
        }
        if (riproduttore != nullptr) {
            f.fluid_player_stop(riproduttore);
            f.delete_fluid_player(riproduttore);
        }
        if (sintetizzatore != nullptr) {
            f.delete_fluid_synth(sintetizzatore);
        }
        if (impostazioni != nullptr) {
            f.delete_fluid_settings(impostazioni);
        }
    }
};

LettoreFluidSynth::LettoreFluidSynth(std::vector<std::filesystem::path> fonti,
                                     std::vector<std::string> uscite, std::string libreria)
    : fonti_(std::move(fonti)), uscite_(std::move(uscite)), libreria_(std::move(libreria)),
      contesto_(std::make_unique<QObject>()) {}

LettoreFluidSynth::~LettoreFluidSynth() = default;

std::vector<std::string> LettoreFluidSynth::uscitepredefinite() {
    std::vector<std::string> uscite{"pulseaudio", "pipewire"};
    if (schedaaudio()) {
        uscite.emplace_back("alsa");
    }
    return uscite;
}

bool LettoreFluidSynth::pronto() {
    carica();
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
    // The library, the device and the sounds are taken on the first need.
    file_ = percorso;
    fonte_ = fonte;
}

void LettoreFluidSynth::carica() {
    if (file_.empty()) {
        return;
    }
    const std::filesystem::path percorso = std::exchange(file_, {});
    const std::filesystem::path fonte = std::exchange(fonte_, {});
    const Libreria* f = libreria(libreria_);
    if (f == nullptr) {
        return;
    }
    auto s = std::make_unique<Stato>(*f);
    s->impostazioni = f->new_fluid_settings();
    if (s->impostazioni == nullptr) {
        return;
    }
    s->sintetizzatore = f->new_fluid_synth(s->impostazioni);
    if (s->sintetizzatore == nullptr) {
        return;
    }
    // The device first: without one there is no point in loading the sounds.
    for (const std::string& nome : uscite_) {
        if (f->fluid_settings_setstr(s->impostazioni, "audio.driver", nome.c_str()) != FLUID_OK) {
            continue;
        }
        s->uscita = f->new_fluid_audio_driver(s->impostazioni, s->sintetizzatore);
        if (s->uscita != nullptr) {
            break;
        }
    }
    if (s->uscita == nullptr ||
        f->fluid_synth_sfload(s->sintetizzatore, fonte.string().c_str(), 1) == FLUID_FAILED) {
        return;
    }
    s->riproduttore = f->new_fluid_player(s->sintetizzatore);
    if (s->riproduttore == nullptr ||
        f->fluid_player_add(s->riproduttore, percorso.string().c_str()) != FLUID_OK) {
        return;
    }
    s_ = std::move(s);
}

void LettoreFluidSynth::suona() {
    suonare_ = true;
    QCoreApplication* app = QCoreApplication::instance();
    if (file_.empty() || app == nullptr) {
        avvia();
        return;
    }
    // Loading takes a while: the windows being shown are drawn first, and
    // the music follows them by a moment.
    if (attesa_ != nullptr) {
        return;
    }
    auto parti = [this] {
        if (attesa_ == nullptr) {
            return;
        }
        attesa_.reset();
        if (suonare_) {
            avvia();
        }
    };
    attesa_ = std::make_unique<DopoIlDisegno>(
        [this, parti] { QTimer::singleShot(ritardodopodisegno, contesto_.get(), parti); });
    app->installEventFilter(attesa_.get());
    // Nothing may be drawn at all (no window shown): the music comes anyway.
    QTimer::singleShot(attesamassima, contesto_.get(), parti);
}

void LettoreFluidSynth::avvia() {
    carica();
    if (s_ != nullptr && s_->f.fluid_player_get_status(s_->riproduttore) != FLUID_PLAYER_PLAYING) {
        s_->f.fluid_player_play(s_->riproduttore);
    }
}

void LettoreFluidSynth::pausa() {
    suonare_ = false;
    if (s_ != nullptr) {
        // Stopping keeps the player's place; the notes sounding are let go.
        s_->f.fluid_player_stop(s_->riproduttore);
        s_->f.fluid_synth_all_notes_off(s_->sintetizzatore, -1);
    }
}

void LettoreFluidSynth::chiudi() {
    suonare_ = false;
    attesa_.reset();
    file_.clear();
    fonte_.clear();
    s_.reset();
}

} // namespace zocal
