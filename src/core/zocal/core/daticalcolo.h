#pragma once

#include "zocal/core/cella.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zocal {

inline constexpr int maxfond = 10;
inline constexpr int maxpiani = 10;

// The ten cells of a storey row, in declaration order: eight entries, two results.
enum class Voce { pesol, sovr, lungh, pepav, tram, spess, interas, spem, scar, scartot };

inline constexpr std::array<Voce, 8> vociingresso{Voce::pesol,   Voce::sovr, Voce::lungh,
                                                  Voce::pepav,   Voce::tram, Voce::spess,
                                                  Voce::interas, Voce::spem};

std::string_view nomevoce(Voce v);
// The entry in words, for messages: "peso dei tramezzi".
std::string descrizionevoce(Voce v);

// The verification data of the open job. Slot 0 of every table exists and
// stays empty; foundations and storeys are numbered 1..10.
class DatiCalcolo {
  public:
    using Fondazioni = std::array<Cella, maxfond + 1>;

    DatiCalcolo();
    ~DatiCalcolo();
    DatiCalcolo(const DatiCalcolo& altri);
    DatiCalcolo& operator=(const DatiCalcolo& altri);
    // The storey table changes hands, which makes reading a job file into
    // a new set of data and then taking it cheap; the moved-from data stay
    // whole (holding the other's old table, or an empty one).
    DatiCalcolo(DatiCalcolo&& altri);
    DatiCalcolo& operator=(DatiCalcolo&& altri) noexcept;

    // Storey cells by (storey i, foundation f); std::out_of_range outside
    // the table. Read for every cell of every job, so inline.
    Cella& piano(Voce v, int i, int f) {
        return const_cast<Cella&>(std::as_const(*this).piano(v, i, f));
    }
    const Cella& piano(Voce v, int i, int f) const {
        const auto voce = static_cast<std::size_t>(v);
        const auto fondazione = static_cast<std::size_t>(f);
        const auto numero = static_cast<std::size_t>(i);
        if (voce >= piani_->size() || fondazione > maxfond || numero > maxpiani) {
            fuoritabella();
        }
        return (*piani_)[voce][fondazione][numero];
    }

    Cella& pesol(int i, int f) { return piano(Voce::pesol, i, f); }
    Cella& sovr(int i, int f) { return piano(Voce::sovr, i, f); }
    Cella& lungh(int i, int f) { return piano(Voce::lungh, i, f); }
    Cella& pepav(int i, int f) { return piano(Voce::pepav, i, f); }
    Cella& tram(int i, int f) { return piano(Voce::tram, i, f); }
    Cella& spess(int i, int f) { return piano(Voce::spess, i, f); }
    Cella& interas(int i, int f) { return piano(Voce::interas, i, f); }
    Cella& spem(int i, int f) { return piano(Voce::spem, i, f); }
    Cella& scar(int i, int f) { return piano(Voce::scar, i, f); }
    Cella& scartot(int i, int f) { return piano(Voce::scartot, i, f); }
    const Cella& pesol(int i, int f) const { return piano(Voce::pesol, i, f); }
    const Cella& scar(int i, int f) const { return piano(Voce::scar, i, f); }
    const Cella& scartot(int i, int f) const { return piano(Voce::scartot, i, f); }
    const Cella& spem(int i, int f) const { return piano(Voce::spem, i, f); }

    // Foundation cells, indexed by f.
    Fondazioni prof, largh, verifica, sigmat, carlim, scater, siglav, coeff;
    std::array<int, maxfond + 1> npiani{};

    // Job-wide cells.
    int nfond = 0;
    Cella tiposuolo, pesos, coes, attr;

    // Recounts nfond and every npiani: nfond is the highest foundation with
    // a depth, npiani(f) the highest storey with any entry typed; storeys
    // only for foundations 1..nfond. Without gaps these are the numbers of
    // foundations and storeys in use.
    void contadati();

    // Empties every entry and result, zeroes the counts, empties the soil.
    void cancella();

    // Every cell and count equal, kind included.
    bool identici(const DatiCalcolo& altri) const;

  private:
    [[noreturn]] static void fuoritabella();

    // [voce][foundation][storey]; never null.
    using Tabella = std::array<std::array<std::array<Cella, maxpiani + 1>, maxfond + 1>, 10>;
    std::unique_ptr<Tabella> piani_;
};

// The first empty entry of storeys 1..npiani(f), lowest storey first.
struct DatoMancante {
    int piano = 0;
    Voce voce = Voce::pesol;
    bool pianovuoto = false; // all eight entries empty
};
std::optional<DatoMancante> datomancante(const DatiCalcolo& dati, int f);
// "Manca il dato del peso del solaio del piano n. 3." or, for a storey with
// nothing typed, "Mancano i dati del piano n. 2."
std::string notamancante(const DatoMancante& mancante);

} // namespace zocal
