#pragma once

#include "zocal/core/messaggio.h"

#include <array>
#include <optional>
#include <string>

namespace zocal {

enum class Risposta { ok, si, no, annulla };

// What the file dialog is asked: the filter is the program's own "description |
// pattern" pairs separated by "|"; the preselected filter is 1-based.
struct RichiestaFile {
    std::string titolo;
    std::string nomefile;
    std::string filtro;
    int indicefiltro = 1;
};

// Every modal question the program asks goes through here, so tests can
// script the answers and no test ever waits on a box.
class Dialoghi {
  public:
    virtual ~Dialoghi() = default;

    // A box with an OK button.
    virtual void avvisa(const Messaggio& messaggio) = 0;
    // A Yes/No box; predefinitoNo makes No the default button.
    virtual Risposta chiedi(const Messaggio& messaggio, bool predefinitoNo) = 0;
    // A Yes/No/Cancel box, Yes the default and Escape cancelling; one that
    // cannot offer Cancel asks Yes/No.
    virtual Risposta chiediannulla(const Messaggio& messaggio) { return chiedi(messaggio, false); }
    // The open and save dialogs: the chosen path, or nullopt when cancelled.
    virtual std::optional<std::string> apriFile(const RichiestaFile& richiesta) = 0;
    virtual std::optional<std::string> salvaFile(const RichiestaFile& richiesta) = 0;
    // A small form of two text fields under a title: the texts confirmed,
    // or nullopt when cancelled (also where no such form can be shown).
    struct Modulo {
        std::string titolo;
        std::array<std::string, 2> etichette;
        std::array<std::string, 2> valori;
    };
    virtual std::optional<std::array<std::string, 2>> compila(const Modulo&) {
        return std::nullopt;
    }
    // The colour dialog: 0xRRGGBB, or nullopt when cancelled.
    virtual std::optional<unsigned> scegliColore(unsigned iniziale) = 0;
};

} // namespace zocal
