#include "zocal/windows/lettore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string leggi(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned grande(const std::string& b, std::size_t da, int byte) {
    unsigned v = 0;
    for (int k = 0; k < byte; ++k) {
        v = (v << 8) | static_cast<unsigned char>(b.at(da + static_cast<std::size_t>(k)));
    }
    return v;
}

TEST(Lettore, SilentWhenAnythingIsMissing) {
    // No sound font, no device, no file: every command is harmless.
    zocal::LettoreFluidSynth senzafonte({"/nessuna/fonte.sf2"}, {"pulseaudio"});
    senzafonte.apri(ZOCAL_MUSICA);
    EXPECT_FALSE(senzafonte.pronto());
    senzafonte.suona();
    senzafonte.pausa();
    senzafonte.chiudi();

    zocal::LettoreFluidSynth senzauscita(zocal::fontsonori(), {});
    senzauscita.apri(ZOCAL_MUSICA);
    EXPECT_FALSE(senzauscita.pronto());

    zocal::LettoreFluidSynth senzafile(zocal::fontsonori(), {"pulseaudio"});
    senzafile.apri("/nessun/file/Internet.mid");
    EXPECT_FALSE(senzafile.pronto());
    senzafile.suona();
    senzafile.chiudi();
    senzafile.chiudi();
}

TEST(Lettore, SilentWithoutTheLibrary) {
    // Any existing file passes as sound font: the library is what is missing.
    zocal::LettoreFluidSynth l({ZOCAL_MUSICA}, {"file"}, "libnessuna-fluidsynth.so.3");
    l.apri(ZOCAL_MUSICA);
    l.suona();
    EXPECT_FALSE(l.pronto());
    l.pausa();
    l.chiudi();
}

TEST(Lettore, LoadsTheLibraryWhenNeededAndPlaysThroughIt) {
    std::filesystem::path fonte;
    for (const auto& f : zocal::fontsonori()) {
        if (std::filesystem::is_regular_file(f)) {
            fonte = f;
            break;
        }
    }
    if (fonte.empty()) {
        GTEST_SKIP() << "no General MIDI sound font installed";
    }
    // The file driver writes its sound where the program stands.
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const auto prima = std::filesystem::current_path();
    std::filesystem::current_path(cartella.path().toStdString());
    {
        zocal::LettoreFluidSynth l({fonte}, {"file"});
        l.apri(ZOCAL_MUSICA);
        l.suona();
        EXPECT_TRUE(l.pronto());
        l.pausa();
        l.chiudi();
        EXPECT_FALSE(l.pronto()) << "closed is closed";
        // A start still waiting for the first picture is dropped by a close.
        l.apri(ZOCAL_MUSICA);
        l.suona();
        l.chiudi();
        QCoreApplication::processEvents();
        EXPECT_FALSE(l.pronto());
    }
    std::filesystem::current_path(prima);
}

TEST(Jingle, IsAStandardMidiFileOfOurOwn) {
    const std::string b = leggi(ZOCAL_MUSICA);
    ASSERT_GE(b.size(), 14u);
    EXPECT_EQ(b.substr(0, 4), "MThd");
    EXPECT_EQ(grande(b, 4, 4), 6u);
    EXPECT_EQ(grande(b, 8, 2), 1u) << "type 1";
    const unsigned tracce = grande(b, 10, 2);
    EXPECT_GE(tracce, 2u);
    // Every track is whole and ends with its end-of-track event.
    std::size_t pos = 14;
    for (unsigned t = 0; t < tracce; ++t) {
        ASSERT_EQ(b.substr(pos, 4), "MTrk") << t;
        const std::size_t lunghezza = grande(b, pos + 4, 4);
        ASSERT_LE(pos + 8 + lunghezza, b.size());
        EXPECT_EQ(b.substr(pos + 8 + lunghezza - 3, 3), std::string("\xff\x2f\x00", 3)) << t;
        pos += 8 + lunghezza;
    }
    EXPECT_EQ(pos, b.size());
}

TEST(Jingle, FluidSynthPlaysItForAFewSeconds) {
    const auto fonti = zocal::fontsonori();
    const auto fonte = std::find_if(fonti.begin(), fonti.end(),
                                    [](const auto& f) { return std::filesystem::exists(f); });
    if (fonte == fonti.end()) {
        GTEST_SKIP() << "nessun font sonoro General MIDI installato";
    }
    fluid_settings_t* impostazioni = new_fluid_settings();
    fluid_settings_setstr(impostazioni, "player.timing-source", "sample");
    fluid_settings_setnum(impostazioni, "synth.sample-rate", 22050);
    fluid_synth_t* synth = new_fluid_synth(impostazioni);
    ASSERT_NE(fluid_synth_sfload(synth, fonte->string().c_str(), 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    ASSERT_EQ(fluid_player_add(player, ZOCAL_MUSICA), FLUID_OK);
    ASSERT_EQ(fluid_player_play(player), FLUID_OK);
    // Rendered without a device: loud enough to hear, short enough for a start-up.
    std::vector<float> blocco(2 * 1024);
    double picco = 0;
    int suonati = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && suonati < 22050 * 30) {
        fluid_synth_write_float(synth, 1024, blocco.data(), 0, 2, blocco.data(), 1, 2);
        for (float v : blocco) {
            picco = std::max(picco, static_cast<double>(std::fabs(v)));
        }
        suonati += 1024;
    }
    const double secondi = suonati / 22050.0;
    EXPECT_GT(picco, 0.02);
    EXPECT_GT(secondi, 6.0);
    EXPECT_LT(secondi, 20.0);
    EXPECT_EQ(fluid_player_get_total_ticks(player), 16 * 480) << "four bars of four beats";
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(impostazioni);
}

} // namespace
