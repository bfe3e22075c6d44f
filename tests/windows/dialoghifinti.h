#pragma once

#include "zocal/core/dialoghi.h"

#include <deque>
#include <vector>

// Dialogs that answer from a script and remember every message shown.
class DialoghiFinti : public zocal::Dialoghi {
  public:
    std::vector<zocal::Messaggio> mostrati;
    std::deque<zocal::Risposta> risposte;
    std::deque<std::optional<std::string>> file;
    std::deque<std::optional<unsigned>> colori;

    void avvisa(const zocal::Messaggio& m) override { mostrati.push_back(m); }
    zocal::Risposta chiedi(const zocal::Messaggio& m, bool predefinitoNo) override {
        mostrati.push_back(m);
        if (risposte.empty()) {
            return predefinitoNo ? zocal::Risposta::no : zocal::Risposta::si;
        }
        const zocal::Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    std::optional<std::string> apriFile(const zocal::RichiestaFile&) override { return prossimo(); }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile&) override {
        return prossimo();
    }
    std::optional<unsigned> scegliColore(unsigned) override {
        if (colori.empty()) {
            return std::nullopt;
        }
        const auto c = colori.front();
        colori.pop_front();
        return c;
    }

  private:
    std::optional<std::string> prossimo() {
        if (file.empty()) {
            return std::nullopt;
        }
        const auto f = file.front();
        file.pop_front();
        return f;
    }
};
