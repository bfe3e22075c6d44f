#pragma once

#include "zocal/printouts/stampante.h"

#include <optional>
#include <string>
#include <vector>

namespace zocal {

// A printer that keeps what it is given as a grid of characters, one row a
// line, so a printout can be checked column by column.
class RegistratoreStampa : public Stampante {
  public:
    struct Riga {
        std::u32string celle; // cell k-1 holds column k; blank where nothing went
        double punti = 0;     // font size when the line was ended (or is current)
        std::string carattere;
        double twip = 0; // distance from the top of the printable area
    };

    // Cells a line holds before text goes on below; 0 means no limit.
    double larghezzapunti = 0;
    // The operation (counted from 1) that fails, to stand for a printer that
    // breaks down half way.
    std::optional<int> guastoallaoperazione;

    void carattere(std::string_view nome) override;
    void dimensione(double punti) override;
    void posizioneverticale(double twip) override;
    void scrivi(double colonna, std::string_view testo) override;
    void nuovalinea() override;
    double colonne() const override;
    void fine() override;

    // Every line of the document in progress, or of the last one ended when
    // nothing came after it; the last may be the empty line in progress.
    const std::vector<Riga>& righe() const { return righe_; }
    // Lines, not counting an empty line in progress at the end.
    std::size_t nrighe() const;
    // The documents ended before the one righe() shows.
    const std::vector<std::vector<Riga>>& precedenti() const { return precedenti_; }
    // Row n (from 0) as UTF-8, without the blanks at its end.
    std::string testo(std::size_t n) const;
    // The whole printout, one line each, blanks at the ends removed.
    std::string tutto() const;
    // The column (from 1) where `cercato` starts in row n, or 0.
    int colonnadi(std::size_t n, std::string_view cercato) const;
    // The first row (from 0) holding `cercato`, or -1.
    int rigadi(std::string_view cercato) const;
    // Documents ended.
    int documenti() const { return documenti_; }
    // Operations received, including the one that failed.
    int operazioni() const { return operazioni_; }

  private:
    Riga& corrente();
    void conta();

    std::vector<Riga> righe_;
    std::vector<std::vector<Riga>> precedenti_;
    bool finito_ = false;
    double punti_ = 12;
    std::string carattere_;
    double twip_ = 0;
    int documenti_ = 0;
    int operazioni_ = 0;
};

// A printer dialog answered by the test: a recorder, or a cancel.
class SceltaRegistrata : public SceltaStampante {
  public:
    RegistratoreStampa registratore;
    bool annulla = false;
    // Text of a GuastoStampante thrown by the dialog itself.
    std::optional<std::string> guasto;
    int richieste = 0;

    Stampante* scegli() override;
};

// Height of a line of "Courier New" at the given size, in twips.
double altezzariga(double punti);

} // namespace zocal
