#include "zocal/archive/lettura.h"
#include "zocal/archive/scrittura.h"

#include "lavori.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

TEST(TerrenoNtcArchivio, WrittenOnlyWhenGivenAfterTheOptionsAndReadInAnyOrder) {
    Lavoro l = prova::lavoropiccolo();
    const std::string base = scritto(l);
    l.ntc.terreno = {"3", "", "relazione geologica del dott. Verdi, città"};
    const std::string terreno =
        "\"NTC2018-TERRENO\",\"3\",\"\",\"relazione geologica del dott. Verdi, citt\xE0\"\r\n";
    EXPECT_EQ(scritto(l), base + terreno);
    l.ntc.ngamma = FormulaNgamma::vesic;
    const std::string opzioni = "\"NTC2018\",\"Vesic\",\"1\",\"0\"\r\n";
    const std::string byte = scritto(l);
    EXPECT_EQ(byte, base + opzioni + terreno);

    for (const std::string& coda : {opzioni + terreno, terreno + "\r\n" + opzioni}) {
        Lavoro letto;
        ASSERT_TRUE(leggilavoro(base + coda, letto).riuscita());
        EXPECT_TRUE(letto.ntc == l.ntc);
        EXPECT_EQ(scritto(letto), byte);
    }
    // Values that are not numbers are not written, so that no saved file is refused.
    l.ntc.terreno.pesofond = "2,5,0";
    EXPECT_FALSE(scrivilavoro(l).riuscita());
}

TEST(TerrenoNtcArchivio, ADamagedRecordIsRefusedNamingItsLine) {
    const std::string base = scritto(prova::lavoropiccolo());
    const std::string lunga(201, 'a');
    const std::pair<std::string, const char*> casi[] = {
        {"\"NTC2018-TERRENO\",\"3\",\"\"\r\n", "incompleto"},
        {"\"NTC2018-TERRENO\",\"3\",\"\",\"\",\"\"\r\n", "troppi valori"},
        {"\"NTC2018-TERRENO\",\"3.5\",\"\",\"\"\r\n", "la coesione non drenata"},
        {"\"NTC2018-TERRENO\",3,\"\",\"\"\r\n", "la coesione non drenata"},
        {"\"NTC2018-TERRENO\",\"\",\"2500 kg\",\"\"\r\n", "il peso specifico"},
        {"\"NTC2018-TERRENO\",\"\",\"\",\"" + lunga + "\"\r\n", "supera i 200 caratteri"},
        {"\"NTC2018-TERRENO\",\"3\",\"\",\"\"\r\n\"NTC2018-TERRENO\",\"3\",\"\",\"\"\r\n",
         "ripetuto"},
    };
    for (const auto& [coda, parola] : casi) {
        Lavoro l = conopzioni();
        const EsitoLettura e = leggilavoro(base + coda, l);
        EXPECT_FALSE(e.riuscita()) << coda;
        const bool ripetuto = std::string_view(parola) == "ripetuto";
        EXPECT_EQ(e.errore.rfind(ripetuto ? "riga 9: " : "riga 8: ", 0), 0u) << e.errore;
        EXPECT_NE(e.errore.find(parola), std::string::npos) << e.errore;
        EXPECT_TRUE(l.ntc == conopzioni().ntc);
    }
}

TEST(TerrenoNtcArchivio, ShippedExamplesSaveBackByteForByte) {
    int letti = 0;
    for (const auto& voce : std::filesystem::directory_iterator(ZOCAL_ESEMPI)) {
        if (voce.path().filename().string().rfind("Zocal-dati-", 0) != 0) {
            continue;
        }
        std::ifstream in(voce.path(), std::ios::binary);
        const std::string byte((std::istreambuf_iterator<char>(in)), {});
        Lavoro l;
        ASSERT_TRUE(leggilavoro(byte, l).riuscita()) << voce.path();
        EXPECT_EQ(scritto(l), byte) << voce.path();
        ++letti;
    }
    EXPECT_GE(letti, 5);
}

} // namespace
} // namespace zocal
