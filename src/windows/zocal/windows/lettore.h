#pragma once

#include <QObject>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zocal {

// The start-up music player: the four commands the splash screen and the
// exit send. Nothing here ever reports a fault: music is a courtesy, so a
// player that cannot play simply stays silent.
class LettoreMusica {
  public:
    virtual ~LettoreMusica() = default;
    // "open": prepares the file; a missing or unreadable one leaves the player silent.
    virtual void apri(const std::string& file) = 0;
    // "play": from where the music stood.
    virtual void suona() = 0;
    // "pause": keeps the place, so a later "play" goes on from there.
    virtual void pausa() = 0;
    // "close": stops and lets go of the sound device.
    virtual void chiudi() = 0;
};

inline constexpr const char* filemusica = "Internet.mid";

// Milliseconds from the first picture drawn to the start of the music, and
// the longest wait for that picture.
inline constexpr int ritardodopodisegno = 150;
inline constexpr int attesamassima = 1000;

// Where the program's own data files are looked for, in order: the current
// folder, the program's folder, and share/zocal of an installed program.
std::vector<std::filesystem::path> cartelledati();
// The first file of that name in those folders, or an empty path.
std::filesystem::path cercadato(const std::string& nome);

// The General MIDI sound fonts the player tries, in order.
std::vector<std::filesystem::path> fontsonori();

// The player on FluidSynth: a General MIDI sound font and the first sound
// server or device that opens. No sound font, no device or no file: silent.
class LettoreFluidSynth : public LettoreMusica {
  public:
    // `uscite` are FluidSynth audio driver names, tried in order; by default
    // the sound servers, then ALSA when the machine has a sound card.
    // `libreria` is the FluidSynth shared library, loaded on the first need.
    explicit LettoreFluidSynth(std::vector<std::filesystem::path> fonti = fontsonori(),
                               std::vector<std::string> uscite = uscitepredefinite(),
                               std::string libreria = "libfluidsynth.so.3");
    ~LettoreFluidSynth() override;
    LettoreFluidSynth(const LettoreFluidSynth&) = delete;
    LettoreFluidSynth& operator=(const LettoreFluidSynth&) = delete;

    void apri(const std::string& file) override;
    void suona() override;
    void pausa() override;
    void chiudi() override;

    // True while a file is open on a working sound device; a file just
    // opened is loaded here if it was not yet.
    bool pronto();

    static std::vector<std::string> uscitepredefinite();

  private:
    struct Stato;
    void carica();
    void avvia();

    std::vector<std::filesystem::path> fonti_;
    std::vector<std::string> uscite_;
    std::string libreria_;
    // The file and sound font opened but not loaded yet.
    std::filesystem::path file_;
    std::filesystem::path fonte_;
    bool suonare_ = false;
    // Cancels a start still waiting when the player goes.
    std::unique_ptr<QObject> contesto_;
    // Watches for the first picture drawn, while a start waits for it.
    std::unique_ptr<QObject> attesa_;
    std::unique_ptr<Stato> s_;
};

} // namespace zocal
