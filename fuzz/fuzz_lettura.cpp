// Any bytes may reach the reader. A job it accepts must write without
// refusal and read back as the same job, and the second writing must give
// the same bytes; a refused file must leave the job alone. Only a file taken
// as UTF-8 may hold characters the code page lacks (written as "?" and
// told); and Windows-1252 bytes that happen to form UTF-8 are read as UTF-8,
// so those files are only required to write without refusal.

#include "zocal/archive/cp1252.h"
#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"
#include "zocal/core/regole.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace zocal;

void controlla(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

// The file holds numbers by the writing rule, so a number read at full
// precision comes back as the number of its written form.
bool stessacella(const Cella& a, const Cella& b) {
    if (a.eNumero() && b.eNumero()) {
        return scrivipunto(a.numero()) == scrivipunto(b.numero());
    }
    return a.identica(b);
}

// Read as UTF-8: well-formed (strictly), with at least one multi-byte sequence.
bool inutf8(std::string_view byte) {
    return std::any_of(byte.begin(), byte.end(), [](char c) { return (c & 0x80) != 0; }) &&
           utf8valido(byte);
}

bool stessolavoro(const Lavoro& a, const Lavoro& b) {
    const DatiCalcolo& x = a.dati;
    const DatiCalcolo& y = b.dati;
    if (x.nfond != y.nfond || x.npiani != y.npiani || a.descrizione != b.descrizione ||
        a.frontespizio != b.frontespizio || !(a.ntc == b.ntc)) {
        return false;
    }
    for (int f = 0; f <= maxfond; ++f) {
        if (!stessacella(x.prof[f], y.prof[f]) || !stessacella(x.largh[f], y.largh[f]) ||
            !stessacella(x.sigmat[f], y.sigmat[f])) {
            return false;
        }
        for (int i = 0; i <= maxpiani; ++i) {
            for (Voce v : vociingresso) {
                if (!stessacella(x.piano(v, i, f), y.piano(v, i, f))) {
                    return false;
                }
            }
        }
    }
    return stessacella(x.tiposuolo, y.tiposuolo) && stessacella(x.pesos, y.pesos) &&
           stessacella(x.coes, y.coes) && stessacella(x.attr, y.attr);
}

Lavoro sentinella() {
    Lavoro l;
    l.dati.nfond = 1;
    l.dati.prof[1] = "0,80";
    l.dati.carlim[1] = Cella(12.5);
    l[Descrizione::giudizio] = "buono";
    l[Frontespizio::committente] = "Rossi";
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    static const Lavoro prima = sentinella();
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);

    Lavoro letto = prima;
    const EsitoLettura esito = leggilavoro(byte, letto);
    if (!esito.riuscita()) {
        controlla(esito.riga >= 1);
        controlla(letto.dati.identici(prima.dati) && letto.descrizione == prima.descrizione &&
                  letto.frontespizio == prima.frontespizio);
        return 0;
    }
    controlla(esito.riga == 0);
    if (esito.descrizioneassente) {
        controlla(esito.frontespizioassente && letto.descrizione == prima.descrizione);
    }
    if (esito.frontespizioassente) {
        controlla(letto.frontespizio == prima.frontespizio);
    }
    // A record cut short is told, and counts as absent.
    controlla(esito.guasto.empty() || esito.frontespizioassente);
    controlla(letto.dati.carlim[1].vuota());

    const EsitoScrittura scritto = scrivilavoro(letto);
    controlla(scritto.riuscita());
    controlla(scritto.sostituzioni.nessuna() || inutf8(byte));
    if (!scritto.sostituzioni.nessuna() || inutf8(scritto.byte)) {
        return 0;
    }

    Lavoro riletto;
    const EsitoLettura di_nuovo = leggilavoro(scritto.byte, riletto);
    controlla(di_nuovo.riuscita());
    controlla(!di_nuovo.descrizioneassente && !di_nuovo.frontespizioassente &&
              di_nuovo.guasto.empty());
    controlla(stessolavoro(letto, riletto));

    const EsitoScrittura ancora = scrivilavoro(riletto);
    controlla(ancora.riuscita() && ancora.byte == scritto.byte);
    return 0;
}
