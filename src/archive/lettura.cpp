#include "zocal/archive/lettura.h"

#include "valori.h"
#include "zocal/archive/cp1252.h"
#include "zocal/core/citazione.h"
#include "zocal/core/regole.h"
#include "zocal/core/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <set>
#include <type_traits>

namespace zocal {

namespace {

struct Valore {
    enum class Tipo { niente, testo, nudo };
    enum class Fine { virgola, riga, file };
    Tipo tipo = Tipo::niente;
    std::string_view contenuto; // bytes as in the file, quotes removed
    Fine fine = Fine::file;
};

struct Guasto {
    int riga;
    std::string messaggio;
};

bool spazio(char c) {
    return c == ' ' || c == '\t';
}

class Lettore {
  public:
    explicit Lettore(std::string_view s) : s_(s) {}

    int riga() const { return riga_; }

    // Skips lines holding nothing but blanks. False when the file has
    // nothing more.
    bool avanzaarecord() {
        for (;;) {
            std::size_t p = pos_;
            while (p < s_.size() && spazio(s_[p])) {
                ++p;
            }
            if (p == s_.size()) {
                pos_ = p;
                return false;
            }
            if (s_[p] != '\r' && s_[p] != '\n') {
                return true;
            }
            pos_ = p;
            finediriga();
        }
    }

    // Whether only blanks and line ends are left.
    bool soloSpazi() const {
        for (std::size_t p = pos_; p < s_.size(); ++p) {
            if (!spazio(s_[p]) && s_[p] != '\r' && s_[p] != '\n') {
                return false;
            }
        }
        return true;
    }

    // The next value and what ended it, in `v`; false when the file ends
    // inside a quoted text.
    bool leggi(Valore& v) {
        while (pos_ < s_.size() && spazio(s_[pos_])) {
            ++pos_;
        }
        if (pos_ < s_.size() && s_[pos_] == '"') {
            // To the closing quote; a text may hold line ends, and the count
            // of lines must stay right.
            std::size_t chiusura = pos_ + 1;
            int righe = 0;
            for (; chiusura < s_.size() && s_[chiusura] != '"'; ++chiusura) {
                const char c = s_[chiusura];
                if (c == '\n' ||
                    (c == '\r' && (chiusura + 1 == s_.size() || s_[chiusura + 1] != '\n'))) {
                    ++righe;
                }
            }
            if (chiusura == s_.size()) {
                return false;
            }
            riga_ += righe;
            v.tipo = Valore::Tipo::testo;
            v.contenuto = s_.substr(pos_ + 1, chiusura - pos_ - 1);
            pos_ = chiusura + 1;
            while (pos_ < s_.size() && spazio(s_[pos_])) {
                ++pos_;
            }
            if (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n') {
                throw Guasto{riga_,
                             "dopo il testo tra virgolette è atteso \",\" o la fine della riga"};
            }
        } else {
            std::size_t p = pos_;
            while (p < s_.size() && s_[p] != ',' && s_[p] != '\r' && s_[p] != '\n') {
                ++p;
            }
            std::size_t fine = p;
            while (fine > pos_ && spazio(s_[fine - 1])) {
                --fine;
            }
            v.contenuto = s_.substr(pos_, fine - pos_);
            v.tipo = v.contenuto.empty() ? Valore::Tipo::niente : Valore::Tipo::nudo;
            pos_ = p;
        }
        if (pos_ >= s_.size()) {
            v.fine = Valore::Fine::file;
        } else if (s_[pos_] == ',') {
            v.fine = Valore::Fine::virgola;
            ++pos_;
        } else {
            v.fine = Valore::Fine::riga;
            finediriga();
        }
        return true;
    }

  private:
    void finediriga() {
        if (s_[pos_] == '\r') {
            ++pos_;
            if (pos_ < s_.size() && s_[pos_] == '\n') {
                ++pos_;
            }
        } else {
            ++pos_;
        }
        ++riga_;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int riga_ = 1;
};

// The values of one record, read in place from the file's bytes.
struct Record {
    std::array<Valore, 16> valori;
    int riga = 0;
    int n = 0; // values read
};
static_assert(ndescrizione <= 16 && nfrontespizio <= 16 && 3 + 2 * maxstrati <= 16);

// The words of a message are put together only when there is a message to
// give: `nome` is a text or a function that makes it.
template <typename Nome> std::string testodi(const Nome& nome) {
    if constexpr (std::is_invocable_v<const Nome&>) {
        return nome();
    } else {
        return std::string(nome);
    }
}

// How a record ended: whole, not there at all (nothing but blanks up to
// the end of the file), or cut short by the end of the file.
enum class Letto { completo, assente, troncato };

// One record: n values on one line (a quoted text may span lines), in `r`;
// a record of variable length may end after `minimo` values or more, and
// `r.n` says how many were read.
template <typename Perche>
Letto leggirecord(Lettore& l, int n, const Perche& perche, Record& r, int minimo = 0) {
    if (!l.avanzaarecord()) {
        return Letto::assente;
    }
    r.riga = l.riga();
    r.n = n;
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
        if (k > 0 && r.valori[k - 1].fine != Valore::Fine::virgola) {
            if (minimo > 0 && k >= static_cast<std::size_t>(minimo)) {
                r.n = static_cast<int>(k);
                break;
            }
            if (r.valori[k - 1].fine == Valore::Fine::file || l.soloSpazi()) {
                return Letto::troncato;
            }
            // Taking the next line's values would shift every later record.
            throw Guasto{r.riga, "mancano valori " + testodi(perche) + " (ne sono attesi " +
                                     std::to_string(minimo > 0 ? minimo : n) + ", trovati " +
                                     std::to_string(k) + ")"};
        }
        if (!l.leggi(r.valori[k])) {
            return Letto::troncato;
        }
    }
    const Valore& ultimo = r.valori[static_cast<std::size_t>(r.n) - 1];
    if (ultimo.fine == Valore::Fine::virgola) {
        throw Guasto{r.riga, "troppi valori " + testodi(perche) + " (ne sono attesi " +
                                 (minimo > 0 ? "al massimo " : "") + std::to_string(n) + ")"};
    }
    // A file that ends right after a comma was cut there: the writer ends
    // every record with a line end.
    if (r.n > 1 && ultimo.tipo == Valore::Tipo::niente && ultimo.fine == Valore::Fine::file) {
        return Letto::troncato;
    }
    return Letto::completo;
}

std::optional<int> conteggio(const Valore& v) {
    if (v.tipo != Valore::Tipo::nudo) {
        return std::nullopt;
    }
    const std::string_view t = v.contenuto;
    int n = 0;
    auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec != std::errc() || fine != t.data() + t.size() || n < 0 || n > 10) {
        return std::nullopt;
    }
    return n;
}

// The value into `cella` (built in place: a text is copied once).
template <typename Dato> void ingresso(Cella& cella, const Valore& v, int riga, const Dato& dato) {
    switch (v.tipo) {
    case Valore::Tipo::niente:
        cella.svuota();
        return;
    case Valore::Tipo::testo:
        if (!archivio::testoingresso(v.contenuto)) {
            throw Guasto{riga, "il dato " + testodi(dato) +
                                   " deve contenere solo cifre, la virgola e il segno meno"};
        }
        cella.impostatesto(v.contenuto);
        return;
    case Valore::Tipo::nudo:
        break;
    }
    const auto numero = leggipunto(v.contenuto);
    if (!numero) {
        throw Guasto{riga, "il dato " + testodi(dato) + " non è un numero valido"};
    }
    if (!archivio::numeroarchiviabile(*numero)) {
        throw Guasto{riga,
                     "il dato " + testodi(dato) + " è un numero fuori dall'intervallo ammesso"};
    }
    cella = Cella(*numero);
}

template <typename Campo>
std::string testo(const Valore& v, int riga, bool utf8, const Campo& campo) {
    if (v.tipo == Valore::Tipo::nudo) {
        throw Guasto{riga, "il testo " + campo() + " deve essere tra virgolette"};
    }
    return utf8 ? std::string(v.contenuto) : dacp1252(v.contenuto);
}

// Line (from 1) of the byte at `pos`, counting line ends as the reader does.
int rigadi(std::string_view byte, std::size_t pos) {
    int riga = 1;
    for (std::size_t p = 0; p < pos; ++p) {
        if (byte[p] == '\n' || (byte[p] == '\r' && (p + 1 == byte.size() || byte[p + 1] != '\n'))) {
            ++riga;
        }
    }
    return riga;
}

// How the file's texts are encoded. A file saved as UTF-8 by another editor
// is well-formed UTF-8 holding at least one multi-byte sequence; accented
// Windows-1252 text almost never forms one, and plain ASCII reads the same
// either way. A file with both UTF-8 and bytes that are not is read as
// Windows-1252, with a word about the first stray byte.
struct Codifica {
    bool utf8 = false;
    std::string avviso;
};

Codifica codificadi(std::string_view byte) {
    // Eight bytes at a time: most files are plain ASCII.
    std::size_t p = 0;
    std::uint64_t alti = 0;
    for (; p + 8 <= byte.size(); p += 8) {
        std::uint64_t otto = 0;
        std::memcpy(&otto, byte.data() + p, 8);
        alti |= otto;
    }
    for (; p < byte.size(); ++p) {
        alti |= static_cast<unsigned char>(byte[p]);
    }
    Codifica c;
    if ((alti & 0x8080808080808080ULL) == 0) {
        return c;
    }
    bool multibyte = false;
    std::optional<std::size_t> estraneo;
    for (p = 0; p < byte.size();) {
        const std::size_t n = sequenzautf8(byte, p);
        if (n == 0) {
            estraneo = estraneo.value_or(p);
            ++p;
        } else {
            multibyte = multibyte || n > 1;
            p += n;
        }
    }
    c.utf8 = multibyte && !estraneo;
    if (multibyte && estraneo) {
        static constexpr char cifre[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(byte[*estraneo]);
        c.avviso = "riga " + std::to_string(rigadi(byte, *estraneo)) +
                   ": il file contiene testo UTF-8 ma anche byte che non lo sono (il primo è "
                   "0x" +
                   cifre[b >> 4] + cifre[b & 0xF] +
                   "): è stato letto come Windows-1252; controllare le lettere accentate.";
    }
    return c;
}

template <typename Perche> void necessario(Lettore& l, int n, const Perche& perche, Record& r) {
    if (leggirecord(l, n, perche, r) != Letto::completo) {
        throw Guasto{l.riga(), "il file termina prima della fine dei dati di calcolo (mancano i "
                               "valori " +
                                   testodi(perche) + ")"};
    }
}

void leggidati(Lettore& l, DatiCalcolo& d) {
    Record r1;
    necessario(l, 1, "per il numero delle fondazioni", r1);
    const auto nfond = conteggio(r1.valori[0]);
    if (!nfond) {
        throw Guasto{r1.riga, "il numero delle fondazioni deve essere un numero intero da 0 a 10"};
    }
    d.nfond = *nfond;

    Record r2;
    Record r3;
    for (int f = 1; f <= d.nfond; ++f) {
        const auto fond = [f] { return "della fondazione " + std::to_string(f); };
        necessario(
            l, 4, [f] { return "per la fondazione " + std::to_string(f); }, r2);
        const auto npiani = conteggio(r2.valori[2]);
        if (!npiani) {
            throw Guasto{r2.riga, "il numero dei piani deve essere un numero intero da 0 a 10"};
        }
        ingresso(d.prof[f], r2.valori[0], r2.riga, [&] { return "prof " + fond(); });
        ingresso(d.largh[f], r2.valori[1], r2.riga, [&] { return "largh " + fond(); });
        d.npiani[f] = *npiani;
        ingresso(d.sigmat[f], r2.valori[3], r2.riga, [&] { return "sigmat " + fond(); });

        for (int i = 1; i <= d.npiani[f]; ++i) {
            necessario(
                l, 8, [&] { return "per il piano " + std::to_string(i) + " " + fond(); }, r3);
            for (std::size_t k = 0; k < vociingresso.size(); ++k) {
                const Voce v = vociingresso[k];
                ingresso(d.piano(v, i, f), r3.valori[k], r3.riga, [&] {
                    return std::string(nomevoce(v)) + " del piano " + std::to_string(i) + " " +
                           fond();
                });
            }
        }
    }

    necessario(l, 4, "per il terreno", r2);
    ingresso(d.tiposuolo, r2.valori[0], r2.riga, "tiposuolo del terreno");
    ingresso(d.pesos, r2.valori[1], r2.riga, "pesos del terreno");
    ingresso(d.coes, r2.valori[2], r2.riga, "coes del terreno");
    ingresso(d.attr, r2.valori[3], r2.riga, "attr del terreno");
}

// "1" or "0", quoted or bare.
bool scelta(const Valore& v, int riga, const char* cosa) {
    if (v.contenuto == "1" || v.contenuto == "0") {
        return v.contenuto == "1";
    }
    throw Guasto{riga, std::string("il valore ") + cosa +
                           " delle opzioni NTC 2018 deve essere "
                           "\"1\" o \"0\""};
}

void leggiopzioni(const Record& r, bool, Lavoro& lavoro) {
    OpzioniNtc& o = lavoro.ntc;
    const auto formula = formulafile(r.valori[1].contenuto);
    if (!formula) {
        throw Guasto{r.riga, "formula di Nγ sconosciuta nelle opzioni NTC 2018 (\"" +
                                 citazione(dacp1252(r.valori[1].contenuto)) +
                                 "\"; sono ammesse Brinch-Hansen, Vesic, EC7)"};
    }
    o.ngamma = *formula;
    o.profondita = scelta(r.valori[2], r.riga, "dei fattori di profondità");
    o.g2definiti = scelta(r.valori[3], r.riga, "dei carichi non strutturali definiti");
}

void leggiterreno(const Record& r, bool utf8, Lavoro& lavoro) {
    TerrenoNtc& t = lavoro.ntc.terreno;
    const std::pair<std::string*, const char*> numeri[] = {
        {&t.cu, "la coesione non drenata"}, {&t.pesofond, "il peso specifico della fondazione"}};
    for (std::size_t k = 0; k < 2; ++k) {
        const Valore& v = r.valori[k + 1];
        if (v.tipo == Valore::Tipo::nudo || !archivio::numeroaggiunto(v.contenuto)) {
            throw Guasto{r.riga, std::string(numeri[k].second) +
                                     " dei dati del terreno NTC 2018 deve essere un numero tra "
                                     "virgolette, con la virgola decimale, o vuota"};
        }
        numeri[k].first->assign(v.contenuto);
    }
    t.fonte = testo(r.valori[3], r.riga, utf8,
                    [] { return std::string("della fonte dei dati del terreno NTC 2018"); });
    if (archivio::caratteri(t.fonte) > lunghezzafonte) {
        throw Guasto{r.riga, "la fonte dei dati del terreno NTC 2018 supera i " +
                                 std::to_string(lunghezzafonte) + " caratteri"};
    }
}

// A number of an optional record: a quoted decimal-comma text or nothing.
void numeroaggiunto(const Valore& v, int riga, const char* nome, const char* record,
                    std::string& dove) {
    if (v.tipo == Valore::Tipo::nudo || !archivio::numeroaggiunto(v.contenuto)) {
        throw Guasto{riga, std::string("il dato ") + nome + " del record " + record +
                               " deve essere un numero tra virgolette, con la virgola decimale, "
                               "o vuoto"};
    }
    dove.assign(v.contenuto);
}

// A foundation's or storey's number, value k of the record: "1" to "10".
int numeroaggiunto(const Record& r, std::size_t k, const char* cosa, const char* record) {
    static_assert(maxfond == 10 && maxpiani == 10);
    const std::string_view n = r.valori[k].contenuto;
    int f = 0;
    const auto [fine, ec] = std::from_chars(n.data(), n.data() + n.size(), f);
    if (r.valori[k].tipo != Valore::Tipo::testo || ec != std::errc() ||
        fine != n.data() + n.size() || f < 1 || f > 10) {
        throw Guasto{r.riga, std::string("il numero ") + cosa + " del record " + record +
                                 " deve essere tra virgolette, da \"1\" a \"10\""};
    }
    return f;
}

// The foundation a record is about: its second value.
int numerofondazione(const Record& r, const char* record) {
    return numeroaggiunto(r, 1, "della fondazione", record);
}

// A category of a seismic record: quoted, one of its kind's names, or nothing.
void categoriaaggiunta(const Valore& v, int riga, const char* nome, const char* record,
                       archivio::TipoCategoria tipo, const char* ammesse, std::string& dove) {
    if (v.tipo == Valore::Tipo::nudo || !archivio::categoriaaggiunta(v.contenuto, tipo)) {
        throw Guasto{riga, std::string("il dato ") + nome + " del record " + record +
                               " deve essere tra virgolette, " + ammesse};
    }
    dove.assign(v.contenuto);
}

// "NTC2018-SISMA",ag,F0,catsuolo,cattopo,q,gammaRd,alfaH.
void leggisisma(const Record& r, bool, Lavoro& lavoro) {
    SismaNtc& z = lavoro.ntc.sisma;
    const char* record = archivio::recordsisma;
    const std::pair<std::string*, const char*> numeri[] = {
        {&z.ag, "ag"}, {&z.F0, "F0"},           {nullptr, nullptr}, {nullptr, nullptr},
        {&z.q, "q"},   {&z.gammaRd, "gammaRd"}, {&z.alfaH, "alfaH"}};
    for (std::size_t i = 0; i < std::size(numeri); ++i) {
        if (numeri[i].first) {
            numeroaggiunto(r.valori[i + 1], r.riga, numeri[i].second, record, *numeri[i].first);
        }
    }
    categoriaaggiunta(r.valori[3], r.riga, "catsuolo", record, archivio::TipoCategoria::suolo,
                      "da \"A\" a \"E\", o vuoto", z.catsuolo);
    categoriaaggiunta(r.valori[4], r.riga, "cattopo", record, archivio::TipoCategoria::topografia,
                      "da \"T1\" a \"T4\", o vuoto", z.cattopo);
}

// "NTC2018-SISMA-FOND",f,HE.
void leggisismafondazione(const Record& r, bool, Lavoro& lavoro) {
    const char* record = archivio::recordsismafondazione;
    const auto f = static_cast<std::size_t>(numerofondazione(r, record));
    numeroaggiunto(r.valori[2], r.riga, "HE", record, lavoro.ntc.sismafondazioni[f].HE);
}

// "NTC2018-CATEGORIA",f,i,cat; "A", the default, is kept as nothing.
void leggicategoria(const Record& r, bool, Lavoro& lavoro) {
    const char* record = archivio::recordcategoria;
    const auto f = static_cast<std::size_t>(numerofondazione(r, record));
    const auto i = static_cast<std::size_t>(numeroaggiunto(r, 2, "del piano", record));
    std::string& c = lavoro.ntc.categorie[f][i - 1];
    categoriaaggiunta(r.valori[3], r.riga, "cat", record, archivio::TipoCategoria::uso,
                      "da \"A\" a \"H\", \"N1\" o \"N2\"", c);
    if (c == categoriapredefinita) {
        c.clear();
    }
}

// "NTC2018-FOND",f,eccmuro,HGk,HQk,zH,deltaphi.
void leggifondazione(const Record& r, bool, Lavoro& lavoro) {
    const char* record = archivio::recordfondazione;
    FondazioneNtc& d = lavoro.ntc.fondazioni[static_cast<std::size_t>(numerofondazione(r, record))];
    const std::pair<std::string*, const char*> campi[] = {{&d.eccmuro, "eccmuro"},
                                                          {&d.HGk, "HGk"},
                                                          {&d.HQk, "HQk"},
                                                          {&d.zH, "zH"},
                                                          {&d.deltaphi, "deltaphi"}};
    for (std::size_t i = 0; i < std::size(campi); ++i) {
        numeroaggiunto(r.valori[i + 2], r.riga, campi[i].second, record, *campi[i].first);
    }
}

// "NTC2018-FALDA",zw,pesosat.
void leggifalda(const Record& r, bool, Lavoro& lavoro) {
    FaldaNtc& a = lavoro.ntc.falda;
    numeroaggiunto(r.valori[1], r.riga, "zw", archivio::recordfalda, a.zw);
    numeroaggiunto(r.valori[2], r.riga, "pesosat", archivio::recordfalda, a.pesosat);
}

// "NTC2018-STRATI",slim,dslim,h1,E1,...: the layers come in pairs.
void leggistrati(const Record& r, bool, Lavoro& lavoro) {
    const char* record = archivio::recordstrati;
    if (r.n % 2 == 0) {
        throw Guasto{r.riga, std::string("lo strato n. ") + std::to_string((r.n - 3) / 2 + 1) +
                                 " del record " + record +
                                 " è incompleto (sono attesi spessore e modulo edometrico)"};
    }
    StratiNtc& t = lavoro.ntc.strati;
    numeroaggiunto(r.valori[1], r.riga, "slim", record, t.slim);
    numeroaggiunto(r.valori[2], r.riga, "dslim", record, t.dslim);
    t.strati.assign(static_cast<std::size_t>((r.n - 3) / 2), {});
    for (std::size_t i = 0; i < t.strati.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        numeroaggiunto(r.valori[3 + 2 * i], r.riga, ("h" + n).c_str(), record, t.strati[i].h);
        numeroaggiunto(r.valori[4 + 2 * i], r.riga, ("E" + n).c_str(), record, t.strati[i].Eed);
    }
}

// The records that may follow the title page, each at most once (once a
// foundation for those about one) and in any order; a new one is added here
// and nowhere else in the reader.
struct Facoltativo {
    std::string_view nome; // the first value
    int valori;            // how many, the name included
    const char* perche;    // for the messages: "per le opzioni NTC 2018"
    const char* del;       // and "delle opzioni NTC 2018"
    void (*leggi)(const Record& r, bool utf8, Lavoro& lavoro);
    // How many numbers after the name say what the record is about: 1 for
    // a foundation's, 2 for a foundation's storey's.
    int chiavi = 0;
    // For a record of variable length, the fewest values, the name included;
    // `valori` is then the most.
    int minimo = 0;
};
constexpr Facoltativo facoltativi[] = {
    {archivio::recordntc, 4, "per le opzioni NTC 2018", "delle opzioni NTC 2018", leggiopzioni},
    {archivio::recordterreno, 4, "per i dati del terreno NTC 2018", "dei dati del terreno NTC 2018",
     leggiterreno},
    {archivio::recordfondazione, 7, "per il record NTC2018-FOND", "NTC2018-FOND", leggifondazione,
     true},
    {archivio::recordfalda, 3, "per il record NTC2018-FALDA", "NTC2018-FALDA", leggifalda},
    {archivio::recordsisma, 8, "per il record NTC2018-SISMA", "NTC2018-SISMA", leggisisma},
    {archivio::recordsismafondazione, 3, "per il record NTC2018-SISMA-FOND", "NTC2018-SISMA-FOND",
     leggisismafondazione, 1},
    {archivio::recordcategoria, 4, "per il record NTC2018-CATEGORIA", "NTC2018-CATEGORIA",
     leggicategoria, 2},
    {archivio::recordstrati, 3 + 2 * maxstrati, "per il record NTC2018-STRATI", "NTC2018-STRATI",
     leggistrati, 0, 3},
};

// Everything after the title page: known records, read whole, or nothing
// at all (as earlier versions wrote the file); anything else is damage.
void leggifacoltativi(Lettore& l, bool utf8, Lavoro& lavoro) {
    // Each record, or each of its foundations or storeys, read once.
    std::set<std::array<int, 3>> letti;
    while (l.avanzaarecord()) {
        const int riga = l.riga();
        Valore primo;
        bool leggibile = false;
        try {
            Lettore prova = l;
            leggibile = prova.leggi(primo);
        } catch (const Guasto&) {
        }
        const Facoltativo* f = nullptr;
        for (const Facoltativo& candidato : facoltativi) {
            if (leggibile && primo.tipo != Valore::Tipo::niente &&
                primo.contenuto == candidato.nome) {
                f = &candidato;
            }
        }
        if (f == nullptr) {
            throw Guasto{riga, "record non riconosciuto dopo il frontespizio"};
        }
        const int indice = static_cast<int>(f - facoltativi);
        if (f->chiavi == 0 && !letti.insert({indice, 0, 0}).second) {
            throw Guasto{riga, "il record " + std::string(f->nome) + " è ripetuto"};
        }
        Record r;
        if (leggirecord(l, f->valori, f->perche, r, f->minimo) != Letto::completo) {
            throw Guasto{riga, "il record " + std::string(f->del) + " è incompleto (sono attesi " +
                                   std::to_string(f->minimo > 0 ? f->minimo : f->valori) +
                                   " valori)"};
        }
        if (f->chiavi > 0) {
            const int n = numerofondazione(r, f->del);
            const int i = f->chiavi > 1 ? numeroaggiunto(r, 2, "del piano", f->del) : 0;
            if (!letti.insert({indice, n, i}).second) {
                throw Guasto{riga, "il record " + std::string(f->nome) + " della fondazione n. " +
                                       std::to_string(n) +
                                       (i > 0 ? ", piano n. " + std::to_string(i) : "") +
                                       " è ripetuto"};
            }
        }
        f->leggi(r, utf8, lavoro);
    }
}

} // namespace

std::string EsitoLettura::avviso() const {
    std::string testo;
    if (!guasto.empty()) {
        testo = guasto;
    } else if (descrizioneassente && frontespizioassente) {
        testo = "Il file non contiene la descrizione e il frontespizio: sono stati caricati solo "
                "i dati di calcolo.";
    } else if (descrizioneassente) {
        testo = "Il file non contiene la descrizione: i testi della descrizione non sono stati "
                "cambiati.";
    } else if (frontespizioassente) {
        testo = "Il file non contiene il frontespizio: i testi del frontespizio non sono stati "
                "cambiati.";
    }
    if (!codifica.empty()) {
        testo += (testo.empty() ? "" : "\n") + codifica;
    }
    return testo;
}

EsitoLettura leggilavoro(std::string_view byte, Lavoro& lavoro) {
    EsitoLettura esito;
    if (byte.substr(0, 3) == "\xEF\xBB\xBF") {
        byte.remove_prefix(3); // the mark some editors put first
    }
    const Codifica codifica = codificadi(byte);
    const bool utf8 = codifica.utf8;
    Lettore l(byte);
    Lavoro nuovo;
    try {
        if (l.soloSpazi()) {
            throw Guasto{1, "il file è vuoto"};
        }
        // No text file holds one; the writer never puts one in.
        if (const auto nullo = byte.find('\0'); nullo != std::string_view::npos) {
            throw Guasto{rigadi(byte, nullo), "il file contiene un byte nullo (0x00)"};
        }
        leggidati(l, nuovo.dati);

        // A record cut short by the end of the file leaves its texts, and
        // those of the records after it, as they were: the calculation data
        // are loaded, and the user is told where the file ends.
        const auto troncato = [&](int riga, const char* cosa, const char* caricato) {
            esito.guasto = "riga " + std::to_string(riga) + ": il file è danneggiato, " + cosa +
                           " perché il file termina prima della sua fine; " + caricato;
        };
        Record r;
        const Letto descrizione = leggirecord(l, ndescrizione, "per la descrizione", r);
        if (descrizione == Letto::completo) {
            for (int k = 0; k < ndescrizione; ++k) {
                nuovo.descrizione[k] = testo(r.valori[k], r.riga, utf8, [k] {
                    return std::string(nomedescrizione(static_cast<Descrizione>(k))) +
                           " della descrizione";
                });
            }
            const Letto frontespizio = leggirecord(l, nfrontespizio, "per il frontespizio", r);
            if (frontespizio == Letto::completo) {
                for (int k = 0; k < nfrontespizio; ++k) {
                    nuovo.frontespizio[k] = testo(r.valori[k], r.riga, utf8, [k] {
                        return std::string(nomefrontespizio(static_cast<Frontespizio>(k))) +
                               " del frontespizio";
                    });
                }
                leggifacoltativi(l, utf8, nuovo);
            } else {
                esito.frontespizioassente = true;
                if (frontespizio == Letto::troncato) {
                    troncato(r.riga, "il frontespizio è incompleto",
                             "i testi del frontespizio non sono stati cambiati.");
                }
            }
        } else {
            esito.descrizioneassente = true;
            esito.frontespizioassente = true;
            if (descrizione == Letto::troncato) {
                troncato(r.riga, "la descrizione è incompleta",
                         "sono stati caricati solo i dati di calcolo.");
            }
        }
    } catch (const Guasto& g) {
        esito = EsitoLettura{};
        esito.riga = g.riga;
        esito.errore = "riga " + std::to_string(g.riga) + ": " + g.messaggio;
        return esito;
    }
    esito.codifica = codifica.avviso;

    lavoro.dati = std::move(nuovo.dati);
    // A file without the record means the default choices.
    lavoro.ntc = nuovo.ntc;
    if (!esito.descrizioneassente) {
        lavoro.descrizione = std::move(nuovo.descrizione);
    }
    if (!esito.frontespizioassente) {
        lavoro.frontespizio = std::move(nuovo.frontespizio);
    }
    return esito;
}

} // namespace zocal
