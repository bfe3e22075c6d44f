#include "zocal/help/documenti.h"

#include "zocal/core/modzocal.h"
#include "zocal/help/girasole.h"
#include "zocal/report/composizione.h"
#include "zocal/report/numeri.h"
#include "zocal/report/percorsi.h"

namespace zocal {

namespace {

const std::string cr(1, CR);
const std::string ff(1, FF);

// Program name and subtitle, the head of every help document.
void testata(ScrittoreRelazione& s) {
    const ModZocal& mod = modzocal();
    s.avvia();
    s.carattere(carattererelazione);
    s.corpo(20);
    s.scrivi(mod.nomeprogramma + cr);
    s.corpo(16);
    s.scrivi(mod.sottotitolo + cr + cr + cr);
}

std::string prezzo(const std::optional<double>& v) {
    return v ? formatta(*v, "##,##0.00") : std::string();
}

} // namespace

std::string testodocumento(std::string_view testo) {
    std::string out(testo);
    for (char& c : out) {
        if (c == '\n') {
            c = CR;
        }
    }
    return out;
}

void stampaguida(ScrittoreRelazione& s, const std::string& titolo, const std::string& testo) {
    testata(s);
    s.scrivi("Guida: " + titolo + cr + cr);
    s.corpo(12);
    s.scrivi(testodocumento(testo) + cr);
    s.giustificatutto();
}

void stampalicenza(ScrittoreRelazione& s, const PaginaTesto& pagina) {
    testata(s);
    s.scrivi(pagina.titolo + cr + cr);
    s.corpo(12);
    s.scrivi(testodocumento(pagina.testo) + cr);
    s.giustificatutto();
}

void guidacompleta(ScrittoreRelazione& s, const std::vector<PaginaTesto>& pagine) {
    testata(s);
    for (std::size_t i = 0; i < pagine.size(); ++i) {
        s.scrivi("Guida: " + pagine[i].titolo + cr + cr);
        if (i == 0) {
            s.corpo(12);
        }
        const bool ultima = i + 1 == pagine.size();
        s.scrivi(testodocumento(pagine[i].testo) + cr + (ultima ? std::string() : ff));
    }
    s.giustificatutto();
}

void stampalistino(ScrittoreRelazione& s, const Listino& l) {
    s.avvia();
    s.carattere(carattererelazione);
    s.corpo(20);
    s.scrivi(std::string("prodotti ") + girasole::marchio + cr + cr);
    s.corpo(12);
    s.scrivi(std::string("acquistabili dalla pagina ") + girasole::acquisti + cr + cr);
    s.nuovoparagrafo();
    const int n = l.numeroprodotti();
    s.nuovatabella(n + 1, 5);
    s.corpotabella(8);
    s.cella(1, 1, "numero");
    s.cella(1, 2, "nome del software");
    s.cella(1, 3, "argomento trattato" + std::string(20, ' '));
    s.cella(1, 4, "listino in euro");
    s.cella(1, 5, "in offerta ad euro");
    for (int i = 1; i <= n; ++i) {
        const Prodotto& p = *l.prodotto(i);
        s.cella(i + 1, 1, numeroinchiaro(i));
        s.cella(i + 1, 2, p.nome);
        s.cella(i + 1, 3, p.argomento);
        s.cella(i + 1, 4, prezzo(p.listino));
        s.cella(i + 1, 5, prezzo(p.internet));
    }
    s.formatotabella(9);
    s.allineadestra(1, 4);
    s.allineadestra(1, 5);
}

std::string nomeguida() {
    return modzocal().nomeprogramma + "-guida.docx";
}

std::string percorsoguida(const std::string& filedati) {
    return (cartelladocumenti(filedati) / nomeguida()).string();
}

} // namespace zocal
