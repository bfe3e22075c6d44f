#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/help/indirizzi.h"
#include "zocal/help/uscita.h"
#include "zocal/report/registratore.h"

#include <QTemporaryDir>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Dialogs that answer from a script and remember every message shown.
class DialoghiFinti : public zocal::Dialoghi {
  public:
    std::vector<zocal::Messaggio> mostrati;
    std::deque<zocal::Risposta> risposte;

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
    std::optional<std::string> apriFile(const zocal::RichiestaFile&) override {
        return std::nullopt;
    }
    std::optional<std::string> salvaFile(const zocal::RichiestaFile&) override {
        return std::nullopt;
    }
    std::optional<unsigned> scegliColore(unsigned) override { return std::nullopt; }
};

// Documents recorded instead of written; what was shown, and where it was saved.
class UscitaFinta : public zocal::UscitaDocumenti {
  public:
    struct Mostrato {
        std::unique_ptr<zocal::ScrittoreRelazione> documento;
        std::string percorso;
        std::string titolo;

        const zocal::ScrittoreRegistratore& registro() const {
            return static_cast<const zocal::ScrittoreRegistratore&>(*documento);
        }
    };

    // What salvacome of the next documents answers.
    std::optional<std::string> erroresalvataggio;
    // Whether something can show a saved document.
    bool mostrabile = true;
    std::vector<Mostrato> mostrati;
    std::vector<std::string> provvisori;
    int creati = 0;

    std::unique_ptr<zocal::ScrittoreRelazione> nuovo() override {
        ++creati;
        auto r = std::make_unique<zocal::ScrittoreRegistratore>();
        r->erroresalvataggio = erroresalvataggio;
        return r;
    }
    std::string provvisorio(const std::string& nome) override {
        provvisori.push_back("/provvisoria/" + std::to_string(provvisori.size() + 1) + "/" + nome);
        return provvisori.back();
    }
    bool mostra(std::unique_ptr<zocal::ScrittoreRelazione> documento, const std::string& percorso,
                QWidget*, const std::string& titolo) override {
        mostrati.push_back({std::move(documento), percorso, titolo});
        return mostrabile;
    }
};

// A desktop that opens addresses, or not, as the test says.
class IndirizziFinti : public zocal::ApriIndirizzo {
  public:
    bool riesce = true;
    std::vector<std::string> aperti;
    bool apri(const std::string& indirizzo) override {
        aperti.push_back(indirizzo);
        return riesce;
    }
};

// A scratch folder with files written byte for byte.
class Cartella {
  public:
    std::filesystem::path percorso() const { return dir_.path().toStdString(); }
    std::filesystem::path scrivi(const std::string& nome, const std::string& byte) const {
        const std::filesystem::path p = percorso() / nome;
        std::ofstream(p, std::ios::binary) << byte;
        return p;
    }

  private:
    QTemporaryDir dir_;
};
