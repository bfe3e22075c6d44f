#pragma once

#include "zocal/core/cella.h"
#include "zocal/printouts/stampante.h"

#include <string>
#include <string_view>

namespace zocal {

// One item of a print statement, as it comes out on paper.
class Elemento {
  public:
    Elemento() = default;
    static Elemento testo(std::string testo);
    static Elemento numero(double valore);
    // Nothing, a text or a number, as the cell holds it.
    static Elemento da(const Cella& cella);

    bool vuoto() const;
    bool eNumero() const;
    // The characters printed: a text as it is; a number with its sign
    // position (a blank, or the minus) before it and a blank after it,
    // written with a decimal comma; nothing for an empty item.
    std::string stampato() const;
    // The value as text, a number by the writing rule: what its integer
    // digits are counted on.
    std::string cometesto() const;

  private:
    enum class Tipo { vuoto, testo, numero };
    Tipo tipo_ = Tipo::vuoto;
    std::string testo_;
    double numero_ = 0;
};

// The column an item starts at so that its decimal separator falls in
// column `decimale`: the integer digits go just before it, a minus and a
// number's sign position one further left. Never left of column 1.
int colonnadecimale(int decimale, const Elemento& elemento);

// Print statements on a printer: items placed at character columns of the
// current font, a line ended by each statement. An item placed at a column
// the line has already passed goes to that column of the next line, except
// that the blank ending a number may be taken by a number after it, whose
// own sign blank keeps them apart: results that touch stay on their line. Text wider than the
// printable area goes on below rather than off the paper.
class Foglio {
  public:
    explicit Foglio(Stampante& stampante) : stampante_(stampante) {}

    void carattere(std::string_view nome);
    // A size change keeps the position on the line: the column is counted
    // again in cells of the new size.
    void dimensione(double punti);
    void posizioneverticale(double twip);

    // Moves to column n of this line, or of the next one when the line is
    // already past it.
    Foglio& colonna(int n);
    // Prints at the current position.
    Foglio& scrivi(const Elemento& elemento);
    Foglio& scrivi(std::string_view testo);
    // Moves to column n and prints there. An empty item prints nothing and
    // does not move, so it can never push what follows to the next line.
    Foglio& a(int n, const Elemento& elemento);
    Foglio& a(int n, std::string_view testo);
    // Places a value by its integer digits on decimal column c.
    Foglio& allinea(int decimale, const Cella& cella);
    // Ends the statement: a line with nothing on it is a blank line.
    void acapo();
    // Ends the document.
    void fine();

    // The next character's column, in cells of the current font.
    double colonnacorrente() const { return colonna_; }

  private:
    Foglio& sposta(int n, bool separato);
    void emetti(std::u32string_view testo);

    Stampante& stampante_;
    double punti_ = 12;
    double colonna_ = 1;
    // Column of the blank that ends the number just printed; 0 when none.
    double bianco_ = 0;
};

// UTF-8 to code points; a malformed sequence becomes U+FFFD and a control
// character a blank, so nothing can break the grid.
std::u32string caratteristampabili(std::string_view utf8);
std::string utf8(std::u32string_view testo);

} // namespace zocal
