#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zocal {

// One cell of the verification data: nothing, a text or a number.
// Entries hold the texts typed, results hold numbers; every reader converts
// with the reading rules, so which of the two a cell holds never matters.
class Cella {
  public:
    Cella() = default;
    Cella(std::string testo) : valore_(std::move(testo)) {}
    Cella(const char* testo) : valore_(std::string(testo)) {}
    Cella(double numero) : valore_(numero) {}
    Cella(int numero) : valore_(static_cast<double>(numero)) {}

    // Nothing and the empty text are both empty.
    bool vuota() const;
    bool eTesto() const { return std::holds_alternative<std::string>(valore_); }
    bool eNumero() const { return std::holds_alternative<double>(valore_); }

    // The text held, or the number written by the writing rule, or "".
    std::string testo() const;
    // Only meaningful when eNumero().
    double numero() const;
    // The raw text when eTesto(), else empty.
    const std::string* testoGrezzo() const { return std::get_if<std::string>(&valore_); }

    void svuota() { valore_ = std::monostate{}; }
    // Holds `testo` from now on, copied straight into the cell. An entry is
    // a few characters: they go in one by one, cheaper than a call to copy.
    void impostatesto(std::string_view testo) {
        std::string& t = valore_.emplace<std::string>();
        if (testo.size() < 16) {
            for (char c : testo) {
                t.push_back(c);
            }
        } else {
            t.assign(testo);
        }
    }

    // Compares as the window would: a cell equals a text when its shown text is that text.
    bool operator==(std::string_view t) const { return testo() == t; }
    // Same kind and same content.
    bool identica(const Cella& altra) const { return valore_ == altra.valore_; }

  private:
    std::variant<std::monostate, std::string, double> valore_;
};

} // namespace zocal
