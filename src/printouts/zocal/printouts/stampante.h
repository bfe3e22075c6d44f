#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zocal {

// A printer fault; what() is the Italian text for the user.
class GuastoStampante : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The printer as the printouts see it: lines of text at character columns
// of the current font, one document at a time. Any operation may throw
// GuastoStampante, which ends the printout.
class Stampante {
  public:
    virtual ~Stampante() = default;

    virtual void carattere(std::string_view nome) = 0;
    virtual void dimensione(double punti) = 0;
    // Distance of the current line from the top of the printable area.
    virtual void posizioneverticale(double twip) = 0;
    // Writes UTF-8 text on the current line from column `colonna` (1 is the
    // left margin; columns are cells of the current font). Never ends the line.
    virtual void scrivi(double colonna, std::string_view testo) = 0;
    // Ends the current line: the next one starts below it, at column 1.
    virtual void nuovalinea() = 0;
    // Cells of the current font that fit across the printable area; 0 when
    // there is no limit.
    virtual double colonne() const = 0;
    // Ends the document and releases it to the printer.
    virtual void fine() = 0;
};

// The printer dialog: which printer the next printout goes to.
class SceltaStampante {
  public:
    virtual ~SceltaStampante() = default;
    // The chosen printer, valid until the next call; nullptr when the user
    // cancelled. May throw GuastoStampante when no printer can be used.
    virtual Stampante* scegli() = 0;
};

} // namespace zocal
