#pragma once

// Running the batch tool from the tests.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace cli {

struct Uscita {
    std::string testo;
    int stato = -1;
};

// Runs a shell command line; what it prints and its exit status.
inline Uscita shell(const std::string& comando) {
    Uscita u;
    FILE* p = popen(comando.c_str(), "r");
    if (p == nullptr) {
        return u;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
        u.testo.append(buf.data(), n);
    }
    const int s = pclose(p);
    u.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return u;
}

// Runs the batch tool with a shell command line tail; stderr joins stdout when
// asked. `davanti` goes before the tool (another user, another environment).
inline Uscita esegui(const std::string& argomenti, bool conerrori = false,
                     const std::string& davanti = "") {
    return shell(davanti + std::string(ZOCAL_CLI) + " " + argomenti +
                 (conerrori ? " 2>&1" : " 2>/dev/null"));
}

inline std::string esempio(const char* nome) {
    return std::string(ZOCAL_ESEMPI) + "/" + nome;
}

} // namespace cli
