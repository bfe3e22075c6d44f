#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"

#include "lavori.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal {
namespace {

using prova::scritto;

// The records as written and in another order read back to l, then are
// written again byte for byte.
void rilegge(const Lavoro& l, const std::string& byte, const std::string& disordinato) {
    for (const std::string& testo : {byte, disordinato}) {
        Lavoro letto;
        const EsitoLettura e = leggilavoro(testo, letto);
        ASSERT_TRUE(e.riuscita()) << e.errore;
        prova::attendiuguali(l, letto);
        EXPECT_EQ(scritto(letto), byte);
    }
}

TEST(RecordNtcAggiunti, WrittenOnlyWhenGivenInTheirOrderAndReadBack) {
    Lavoro l = prova::lavorocompleto();
    const std::string base = scritto(l);
    l.ntc.fondazioni[3] = {"0,05", "3", "", "1", ""};
    l.ntc.fondazioni[1] = {"", "", "2,5", "", "0,8"};
    l.ntc.falda = {"0,6", "2"};
    l.ntc.ngamma = FormulaNgamma::vesic;
    const std::string byte = scritto(l);
    EXPECT_EQ(byte, base + "\"NTC2018\",\"Vesic\",\"1\",\"0\"\r\n"
                           "\"NTC2018-FOND\",\"1\",\"\",\"\",\"2,5\",\"\",\"0,8\"\r\n"
                           "\"NTC2018-FOND\",\"3\",\"0,05\",\"3\",\"\",\"1\",\"\"\r\n"
                           "\"NTC2018-FALDA\",\"0,6\",\"2\"\r\n");
    // Read in any order, then written again byte for byte.
    const auto fine = byte.find("\"NTC2018-FOND\"");
    const std::string disordinato = base + byte.substr(byte.find("\"NTC2018-FALDA\"")) +
                                    byte.substr(fine, byte.find("\"NTC2018-FALDA\"") - fine) +
                                    "\"NTC2018\",\"Vesic\",\"1\",\"0\"\r\n";
    rilegge(l, byte, disordinato);
}

TEST(RecordNtcAggiunti, DamagedRecordsRefusedWithTheirLine) {
    const std::string base = scritto(prova::lavorocompleto());
    const int riga = static_cast<int>(std::count(base.begin(), base.end(), '\n')) + 1;
    const struct {
        const char* record;
        const char* errore;
    } casi[] = {
        {"\"NTC2018-FOND\",\"1\",\"0,05\",\"3\"", "il record NTC2018-FOND è incompleto"},
        {"\"NTC2018-FOND\",\"11\",\"\",\"\",\"\",\"\",\"\"",
         "il numero della fondazione del record NTC2018-FOND deve essere tra virgolette"},
        {"\"NTC2018-FOND\",1,\"\",\"\",\"\",\"\",\"\"", "il numero della fondazione"},
        {"\"NTC2018-FOND\",\"1\",\"0.05\",\"\",\"\",\"\",\"\"",
         "il dato eccmuro del record NTC2018-FOND deve essere un numero"},
        {"\"NTC2018-FOND\",\"1\",\"\",\"\",\"\",\"\",1",
         "il dato deltaphi del record NTC2018-FOND"},
        {"\"NTC2018-FOND\",\"2\",\"\",\"1\",\"\",\"\",\"\"\r\n"
         "\"NTC2018-FOND\",\"2\",\"\",\"2\",\"\",\"\",\"\"",
         "il record NTC2018-FOND della fondazione n. 2 è ripetuto"},
        {"\"NTC2018-FALDA\",\"a\",\"2\"", "il dato zw del record NTC2018-FALDA"},
        {"\"NTC2018-FALDA\",\"1\",\"2\",\"3\"", "troppi valori per il record NTC2018-FALDA"},
        {"\"NTC2018-FALDA\",\"1\",\"2\"\r\n\"NTC2018-FALDA\",\"1\",\"2\"",
         "il record NTC2018-FALDA è ripetuto"},
        {"\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"C\",\"\",\"2,5\",\"\"",
         "il record NTC2018-SISMA è incompleto"},
        {"\"NTC2018-SISMA\",\"0.15\",\"2,45\",\"C\",\"\",\"2,5\",\"\",\"\"",
         "il dato ag del record NTC2018-SISMA deve essere un numero"},
        {"\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"F\",\"\",\"2,5\",\"\",\"\"",
         "il dato catsuolo del record NTC2018-SISMA deve essere tra virgolette, da \"A\""},
        {"\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"C\",T2,\"2,5\",\"\",\"\"",
         "il dato cattopo del record NTC2018-SISMA"},
        {"\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"C\",\"\",\"2,5\",\"\",\"x\"",
         "il dato alfaH del record NTC2018-SISMA"},
        {"\"NTC2018-SISMA\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
         "\"NTC2018-SISMA\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"",
         "il record NTC2018-SISMA è ripetuto"},
        {"\"NTC2018-SISMA-FOND\",\"0\",\"3\"",
         "il numero della fondazione del record NTC2018-SISMA-FOND"},
        {"\"NTC2018-SISMA-FOND\",\"1\",\"-\"", "il dato HE del record NTC2018-SISMA-FOND"},
        {"\"NTC2018-SISMA-FOND\",\"1\",\"3\"\r\n\"NTC2018-SISMA-FOND\",\"1\",\"4\"",
         "il record NTC2018-SISMA-FOND della fondazione n. 1 è ripetuto"},
        {"\"NTC2018-CATEGORIA\",\"1\",\"11\",\"B\"",
         "il numero del piano del record NTC2018-CATEGORIA"},
        {"\"NTC2018-CATEGORIA\",\"1\",\"2\",\"N3\"",
         "il dato cat del record NTC2018-CATEGORIA deve essere tra virgolette"},
        {"\"NTC2018-CATEGORIA\",\"1\",\"2\",\"B\"\r\n\"NTC2018-CATEGORIA\",\"1\",\"2\",\"C\"",
         "il record NTC2018-CATEGORIA della fondazione n. 1, piano n. 2 è ripetuto"},
        {"\"NTC2018-STRATI\",\"2,5\"", "il record NTC2018-STRATI è incompleto (sono attesi 3"},
        {"\"NTC2018-STRATI\",\"\",\"\",\"2\",\"6\",\"3\"",
         "lo strato n. 2 del record NTC2018-STRATI è incompleto"},
        {"\"NTC2018-STRATI\",\"\",\"\",\"1\",\"6\",\"1\",\"6\",\"1\",\"6\",\"1\",\"6\",\"1\","
         "\"6\",\"1\",\"6\",\"1\",\"6\"",
         "troppi valori per il record NTC2018-STRATI (ne sono attesi al massimo 15)"},
        {"\"NTC2018-STRATI\",\"\",\"\",\"2\",6", "il dato E1 del record NTC2018-STRATI"},
        {"\"NTC2018-STRATI\",\"2,5\",\"1.0\",\"2\",\"6\"",
         "il dato dslim del record NTC2018-STRATI"},
        {"\"NTC2018-STRATI\",\"\",\"\",\"2\",\"6\"\r\n\"NTC2018-STRATI\",\"\",\"\",\"2\",\"6\"",
         "il record NTC2018-STRATI è ripetuto"},
    };
    for (const auto& c : casi) {
        Lavoro l;
        const EsitoLettura e = leggilavoro(base + c.record + "\r\n", l);
        EXPECT_FALSE(e.riuscita()) << c.record;
        EXPECT_NE(e.errore.find(c.errore), std::string::npos) << e.errore;
        const int attesa =
            std::string(c.record).find("\r\n") != std::string::npos ? riga + 1 : riga;
        EXPECT_EQ(e.riga, attesa) << c.record;
    }
    // The same storey of two foundations is no repetition.
    Lavoro due;
    EXPECT_TRUE(leggilavoro(base + "\"NTC2018-CATEGORIA\",\"1\",\"2\",\"B\"\r\n"
                                   "\"NTC2018-CATEGORIA\",\"2\",\"2\",\"B\"\r\n",
                            due)
                    .riuscita());
    // A value the reader would refuse is not written either.
    const auto rifiuta = [](auto cambia) {
        Lavoro l = prova::lavorocompleto();
        cambia(l.ntc);
        return !scrivilavoro(l).riuscita();
    };
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.falda.pesosat = "2;0"; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.sisma.catsuolo = "c"; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.sisma.q = "2.5"; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.sismafondazioni[2].HE = "x"; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.categorie[3][4] = "Z"; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.strati.strati = {{"2", "6,0,1"}}; }));
    EXPECT_TRUE(rifiuta([](OpzioniNtc& o) { o.strati.strati.assign(7, {"1", "5"}); }));
}

TEST(RecordNtcSismici, WrittenAfterTheOthersInTheirOrderAndReadBackInAnyOrder) {
    Lavoro l = prova::lavorocompleto();
    const std::string base = scritto(l);
    l.ntc.falda = {"0,6", "2"};
    l.ntc.categorie[2][0] = "N2";
    l.ntc.categorie[1][9] = "E";
    l.ntc.categorie[1][1] = "A"; // the default: not written
    l.ntc.sismafondazioni[4].HE = "12,5";
    l.ntc.sisma = {"0,15", "2,45", "C", "", "2,5", "", "1,2"};
    const std::string byte = scritto(l);
    const std::string righe[] = {
        "\"NTC2018-FALDA\",\"0,6\",\"2\"\r\n",
        "\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"C\",\"\",\"2,5\",\"\",\"1,2\"\r\n",
        "\"NTC2018-SISMA-FOND\",\"4\",\"12,5\"\r\n",
        "\"NTC2018-CATEGORIA\",\"1\",\"10\",\"E\"\r\n",
        "\"NTC2018-CATEGORIA\",\"2\",\"1\",\"N2\"\r\n",
    };
    std::string attesi = base, rovescio = base;
    for (const std::string& r : righe) {
        attesi += r;
        rovescio.insert(base.size(), r);
    }
    EXPECT_EQ(byte, attesi);
    l.ntc.categorie[1][1].clear();
    rilegge(l, byte, rovescio);
    // An explicit "A" reads as the default.
    Lavoro letto;
    ASSERT_TRUE(
        leggilavoro(base + "\"NTC2018-CATEGORIA\",\"3\",\"2\",\"A\"\r\n", letto).riuscita());
    EXPECT_EQ(scritto(letto), base);
}

TEST(RecordNtcStrati, WrittenLastUpToTheLastLayerAndReadBackInAnyOrder) {
    Lavoro l = prova::lavorocompleto();
    const std::string base = scritto(l);
    const std::string sisma =
        "\"NTC2018-SISMA\",\"0,15\",\"2,45\",\"C\",\"\",\"2,5\",\"\",\"\"\r\n";
    l.ntc.sisma = {"0,15", "2,45", "C", "", "2,5", "", ""};
    const struct {
        StratiNtc strati;
        const char* riga;
    } casi[] = {
        // An empty layer before the last one given stays, trailing ones go.
        {{"", "1", {{"2", "6"}, {"", ""}, {"3", "12"}, {"", ""}}},
         "\"NTC2018-STRATI\",\"\",\"1\",\"2\",\"6\",\"\",\"\",\"3\",\"12\"\r\n"},
        {{"3", "", {}}, "\"NTC2018-STRATI\",\"3\",\"\"\r\n"},
        {{"", "", std::vector<StratoNtc>(6, {"0,5", "250"})},
         "\"NTC2018-STRATI\",\"\",\"\",\"0,5\",\"250\",\"0,5\",\"250\",\"0,5\",\"250\",\"0,5\","
         "\"250\",\"0,5\",\"250\",\"0,5\",\"250\"\r\n"},
    };
    for (const auto& c : casi) {
        l.ntc.strati = c.strati;
        const std::string byte = scritto(l);
        EXPECT_EQ(byte, base + sisma + c.riga);
        while (!l.ntc.strati.strati.empty() && l.ntc.strati.strati.back().vuoto()) {
            l.ntc.strati.strati.pop_back();
        }
        rilegge(l, byte, base + c.riga + sisma);
    }
    // Without a line end after the last value, the record is whole.
    Lavoro letto;
    EXPECT_TRUE(leggilavoro(base + "\"NTC2018-STRATI\",\"\",\"\",\"2\",\"6\"", letto).riuscita());
    EXPECT_EQ(letto.ntc.strati.strati.size(), 1u);
}

} // namespace
} // namespace zocal
