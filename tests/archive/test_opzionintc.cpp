#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"

#include "lavori.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal {
namespace {

using prova::scritto;

OpzioniNtc opzioni(FormulaNgamma f, bool profondita, bool g2) {
    OpzioniNtc o;
    o.ngamma = f;
    o.profondita = profondita;
    o.g2definiti = g2;
    return o;
}

// A job whose choices differ from the defaults, to show what a read replaced.
Lavoro conopzioni() {
    Lavoro l = prova::lavoropiccolo();
    l.ntc = opzioni(FormulaNgamma::ec7, false, true);
    return l;
}

TEST(OpzioniNtcArchivio, DefaultChoicesLeaveTheFileAsBefore) {
    Lavoro l = prova::lavoropiccolo();
    const std::string base = scritto(l);
    EXPECT_EQ(base.find("NTC"), std::string::npos);
    // Seven lines: header, foundation, two storeys, soil, description, title page.
    EXPECT_EQ(base.substr(base.size() - 2), "\r\n");

    l.ntc.ngamma = FormulaNgamma::vesic;
    EXPECT_EQ(scritto(l), base + "\"NTC2018\",\"Vesic\",\"1\",\"0\"\r\n");
    l.ntc = opzioni(FormulaNgamma::brinchhansen, false, false);
    EXPECT_EQ(scritto(l), base + "\"NTC2018\",\"Brinch-Hansen\",\"0\",\"0\"\r\n");
    l.ntc = opzioni(FormulaNgamma::brinchhansen, true, true);
    EXPECT_EQ(scritto(l), base + "\"NTC2018\",\"Brinch-Hansen\",\"1\",\"1\"\r\n");
}

TEST(OpzioniNtcArchivio, EveryCombinationReadsBack) {
    for (FormulaNgamma f :
         {FormulaNgamma::brinchhansen, FormulaNgamma::vesic, FormulaNgamma::ec7}) {
        for (bool p : {true, false}) {
            for (bool g : {true, false}) {
                Lavoro originale = prova::lavorocompleto();
                originale.ntc = opzioni(f, p, g);
                const std::string byte = scritto(originale);
                EXPECT_EQ(byte.find("NTC2018") != std::string::npos, !originale.ntc.predefinite());
                Lavoro letto = conopzioni();
                if (originale.ntc == letto.ntc) {
                    letto.ntc = {};
                }
                const EsitoLettura e = leggilavoro(byte, letto);
                ASSERT_TRUE(e.riuscita()) << e.errore;
                prova::attendiuguali(originale, letto);
                // And written again, byte for byte.
                EXPECT_EQ(scritto(letto), byte);
            }
        }
    }
}

TEST(OpzioniNtcArchivio, AFileWithoutTheRecordMeansTheDefaults) {
    Lavoro l = conopzioni();
    ASSERT_TRUE(leggilavoro(scritto(prova::lavoropiccolo()), l).riuscita());
    EXPECT_TRUE(l.ntc.predefinite());

    // A file that ends after the soil has no record either.
    l = conopzioni();
    ASSERT_TRUE(leggilavoro("0\r\n\"1\",\"1,8\",\"0\",\"30\"\r\n", l).riuscita());
    EXPECT_TRUE(l.ntc.predefinite());
}

TEST(OpzioniNtcArchivio, TolerantOfBareFlagsAndBlankLines) {
    const std::string base = scritto(prova::lavoropiccolo());
    Lavoro l;
    ASSERT_TRUE(leggilavoro(base + "\r\n  \r\nNTC2018,\"Vesic\",0,1\r\n\r\n", l).riuscita());
    EXPECT_TRUE(l.ntc == opzioni(FormulaNgamma::vesic, false, true));
}

TEST(OpzioniNtcArchivio, ADamagedRecordIsRefusedNamingItsLine) {
    const std::string base = scritto(prova::lavoropiccolo());
    struct Caso {
        const char* nome;
        std::string coda;
        int riga;
        const char* parola;
    };
    const Caso casi[] = {
        {"formula", "\"NTC2018\",\"Terzaghi\",\"1\",\"0\"\r\n", 8,
         "formula di Nγ sconosciuta nelle opzioni NTC 2018 (\"Terzaghi\"; sono ammesse "
         "Brinch-Hansen, Vesic, EC7)"},
        {"maiuscole", "\"NTC2018\",\"vesic\",\"1\",\"0\"\r\n", 8, "formula di Nγ"},
        {"profondità", "\"NTC2018\",\"Vesic\",\"2\",\"0\"\r\n", 8,
         "il valore dei fattori di profondità delle opzioni NTC 2018 deve essere \"1\" o \"0\""},
        {"g2", "\"NTC2018\",\"Vesic\",\"1\",\"\"\r\n", 8, "carichi non strutturali"},
        {"corto a fine file", "\"NTC2018\",\"Vesic\"\r\n", 8, "incompleto"},
        {"troncato", "\"NTC2018\",\"Ves", 8, "incompleto"},
        {"corto seguito da altro", "\"NTC2018\",\"Vesic\"\r\n\"1\",\"0\"\r\n", 8,
         "mancano valori per le opzioni NTC 2018 (ne sono attesi 4, trovati 2)"},
        {"lungo", "\"NTC2018\",\"Vesic\",\"1\",\"0\",\"1\"\r\n", 8,
         "troppi valori per le opzioni NTC 2018"},
        {"dopo righe vuote", "\r\n\r\n\"NTC2018\",\"EC8\",\"1\",\"0\"\r\n", 10, "formula"},
    };
    for (const Caso& c : casi) {
        Lavoro l = conopzioni();
        l[Frontespizio::committente] = "Bianchi";
        const EsitoLettura e = leggilavoro(base + c.coda, l);
        EXPECT_FALSE(e.riuscita()) << c.nome;
        EXPECT_EQ(e.riga, c.riga) << c.nome << ": " << e.errore;
        EXPECT_EQ(e.errore.rfind("riga " + std::to_string(c.riga) + ": ", 0), 0u)
            << c.nome << ": " << e.errore;
        EXPECT_NE(e.errore.find(c.parola), std::string::npos) << c.nome << ": " << e.errore;
        // Nothing of the job was replaced.
        EXPECT_TRUE(l.ntc == conopzioni().ntc) << c.nome;
        EXPECT_EQ(l[Frontespizio::committente], "Bianchi") << c.nome;
    }
}

} // namespace
} // namespace zocal
