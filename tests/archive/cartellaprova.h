#pragma once

// A test in a folder of its own, made fresh and removed afterwards, with the
// helpers the saving tests share.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace zocal {

class CartellaProva : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string modello =
            (std::filesystem::temp_directory_path() / "zocal-prova-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modello.data()), nullptr);
        cartella_ = modello;
    }
    void TearDown() override {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(cartella_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(cartella_, ec);
    }

    static std::string contenuto(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void scrivi(const std::filesystem::path& p, const std::string& byte) {
        std::ofstream(p, std::ios::binary) << byte;
    }
    // Every name in the folder, so a leftover temporary file shows.
    std::vector<std::string> nomi() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(cartella_)) {
            out.push_back(e.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    std::filesystem::path cartella_;
};

} // namespace zocal
