#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"

#include "lavori.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal {
namespace {

using prova::scritto;

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
    for (const std::string& testo : {byte, disordinato}) {
        Lavoro letto;
        const EsitoLettura e = leggilavoro(testo, letto);
        ASSERT_TRUE(e.riuscita()) << e.errore;
        prova::attendiuguali(l, letto);
        EXPECT_EQ(scritto(letto), byte);
    }
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
    // A value the reader would refuse is not written either.
    Lavoro l = prova::lavorocompleto();
    l.ntc.falda.pesosat = "2;0";
    EXPECT_FALSE(scrivilavoro(l).riuscita());
}

} // namespace
} // namespace zocal
