#pragma once

#include "dialoghifinti.h"
#include "zocal/help/indirizzi.h"
#include "zocal/help/uscita.h"
#include "zocal/report/documento.h"
#include "zocal/report/registratore.h"
#include "zocal/windows/lettore.h"
#include "zocal/windows/visore.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// Scripted dialogs that also remember what each dialog was asked.
class DialoghiRegistrati : public DialoghiFinti {
  public:
    struct Richiesta {
        bool salva = false;
        zocal::RichiestaFile file;
    };
    std::vector<Richiesta> richieste;
    std::vector<bool> nopredefinito;
    std::vector<unsigned> coloriiniziali;

    zocal::Risposta chiedi(const zocal::Messaggio& m, bool predefinitoNo) override {
        nopredefinito.push_back(predefinitoNo);
        return DialoghiFinti::chiedi(m, predefinitoNo);
    }
    std::optional<std::string> apriFile(const zocal::RichiestaFile& r) override {
        richieste.push_back({false, r});
        return DialoghiFinti::apriFile(r);
    }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile& r) override {
        richieste.push_back({true, r});
        return DialoghiFinti::salvaFile(r);
    }
    std::optional<unsigned> scegliColore(unsigned iniziale) override {
        coloriiniziali.push_back(iniziale);
        return DialoghiFinti::scegliColore(iniziale);
    }
    // The forms asked for, and the answers to give (none: cancelled).
    std::vector<Modulo> moduli;
    std::deque<std::optional<std::array<std::string, 2>>> compilati;
    std::optional<std::array<std::string, 2>> compila(const Modulo& m) override {
        moduli.push_back(m);
        if (compilati.empty()) {
            return std::nullopt;
        }
        auto r = compilati.front();
        compilati.pop_front();
        return r;
    }
};

// A player that only keeps the commands it is sent.
class LettoreFinto : public zocal::LettoreMusica {
  public:
    std::vector<std::string> comandi;
    void apri(const std::string& file) override { comandi.push_back("open " + file); }
    void suona() override { comandi.emplace_back("play"); }
    void pausa() override { comandi.emplace_back("pause"); }
    void chiudi() override { comandi.emplace_back("close"); }
};

// A desktop that opens documents, or not, as the test says.
class VisoreFinto : public zocal::Visore {
  public:
    bool riesce = true;
    std::vector<std::string> aperti;
    int anteprime = 0;
    std::vector<std::string> titoli;
    int paginetemporanee = 0;

    bool apri(const std::string& percorso) override {
        aperti.push_back(percorso);
        return riesce;
    }
    void anteprima(std::unique_ptr<zocal::ScrittoreDocumento> documento, QWidget*,
                   const std::string& titolo) override {
        ++anteprime;
        titoli.push_back(titolo);
        paginetemporanee = documento ? documento->contapagine() : 0;
    }
};

// The help windows' documents, kept instead of saved and shown.
class DocumentiFinti : public zocal::UscitaDocumenti {
  public:
    std::vector<std::string> mostrati;
    std::unique_ptr<zocal::ScrittoreRelazione> nuovo() override {
        return std::make_unique<zocal::ScrittoreRegistratore>();
    }
    std::string provvisorio(const std::string& nome) override {
        return "/nessuna/cartella/" + nome;
    }
    bool mostra(std::unique_ptr<zocal::ScrittoreRelazione>, const std::string& percorso, QWidget*,
                const std::string&) override {
        mostrati.push_back(percorso);
        return true;
    }
};

class IndirizziFinti : public zocal::ApriIndirizzo {
  public:
    std::vector<std::string> aperti;
    bool apri(const std::string& indirizzo) override {
        aperti.push_back(indirizzo);
        return true;
    }
};
