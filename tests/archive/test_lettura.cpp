#include "zocal/archive/lettura.h"

#include "lavori.h"
#include "zocal/archive/scrittura.h"

#include <gtest/gtest.h>

#include <string>

namespace zocal {
namespace {

const std::string soloterreno = "\"1\",\"1,8\",\"0\",\"30\"\r\n";
const std::string descrizione13 =
    "\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"l\",\"m\","
    "\"n\",\"o\"\r\n";
const std::string frontespizio6 = "\"p\",\"q\",\"r\",\"s\",\"t\",\"u\"\r\n";

// A job whose every part differs from what the files below hold, so that
// a file that should leave it alone shows it did.
Lavoro lavoroattuale() {
    Lavoro l = prova::lavoropiccolo();
    l.dati.scar(1, 1) = Cella(1234.5);
    l.dati.verifica[1] = "verificata";
    l[Descrizione::giudizio] = "giudizio attuale";
    l[Frontespizio::data] = "1 gennaio 2001";
    return l;
}

using prova::scritto;

TEST(Lettura, AndataERitornoDiUnLavoroCompleto) {
    const Lavoro originale = prova::lavorocompleto();
    Lavoro letto;
    const EsitoLettura e = leggilavoro(scritto(originale), letto);
    ASSERT_TRUE(e.riuscita()) << e.errore;
    EXPECT_FALSE(e.descrizioneassente);
    EXPECT_FALSE(e.frontespizioassente);
    EXPECT_EQ(e.avviso(), "");
    prova::attendiuguali(originale, letto);
    // Kinds survive: numbers stay numbers, texts (the empty one too) stay texts.
    EXPECT_TRUE(letto.dati.sigmat[2].eNumero());
    EXPECT_EQ(letto.dati.sigmat[2].numero(), 1.25);
    EXPECT_TRUE(letto.dati.sigmat[5].eTesto());
    EXPECT_FALSE(letto.dati.largh[3].eTesto());
    EXPECT_FALSE(letto.dati.largh[3].eNumero());
    EXPECT_EQ(letto[Descrizione::fabbricato], "città è più ò ù ì n.0");
}

TEST(Lettura, IRisultatiNonVengonoDalFileESonoVuoti) {
    Lavoro l = lavoroattuale();
    ASSERT_TRUE(leggilavoro(scritto(prova::lavoropiccolo()), l).riuscita());
    EXPECT_TRUE(l.dati.scar(1, 1).vuota());
    EXPECT_TRUE(l.dati.verifica[1].vuota());
    prova::attendiuguali(prova::lavoropiccolo(), l);
}

TEST(Lettura, NumeriNudiInOgniForma) {
    const std::string file = "1\r\n.5,-.5,1,1.25\r\n"
                             "1E+2,\"3,50\",+7,-0.125,1e-3,2.,,\"\"\r\n" +
                             soloterreno + descrizione13 + frontespizio6;
    Lavoro l;
    const EsitoLettura e = leggilavoro(file, l);
    ASSERT_TRUE(e.riuscita()) << e.errore;
    const DatiCalcolo& d = l.dati;
    ASSERT_TRUE(d.prof[1].eNumero());
    EXPECT_EQ(d.prof[1].numero(), 0.5);
    EXPECT_EQ(d.largh[1].numero(), -0.5);
    EXPECT_EQ(d.npiani[1], 1);
    EXPECT_EQ(d.sigmat[1].numero(), 1.25);
    EXPECT_EQ(d.piano(Voce::pesol, 1, 1).numero(), 100.0);
    EXPECT_TRUE(d.piano(Voce::sovr, 1, 1).eTesto());
    EXPECT_EQ(d.piano(Voce::sovr, 1, 1).testo(), "3,50");
    EXPECT_EQ(d.piano(Voce::lungh, 1, 1).numero(), 7.0);
    EXPECT_EQ(d.piano(Voce::pepav, 1, 1).numero(), -0.125);
    EXPECT_EQ(d.piano(Voce::tram, 1, 1).numero(), 0.001);
    EXPECT_EQ(d.piano(Voce::spess, 1, 1).numero(), 2.0);
    EXPECT_FALSE(d.piano(Voce::interas, 1, 1).eTesto());
    EXPECT_FALSE(d.piano(Voce::interas, 1, 1).eNumero());
    EXPECT_TRUE(d.piano(Voce::spem, 1, 1).eTesto());
    EXPECT_EQ(d.tiposuolo.testo(), "1");
    EXPECT_EQ(l[Descrizione::giudizio], "o");
    EXPECT_EQ(l[Frontespizio::allegati], "u");
}

TEST(Lettura, FineRigaSoloLfSpaziIniziali) {
    std::string crlf = scritto(prova::lavorocompleto());
    std::string lf;
    for (char c : crlf) {
        if (c != '\r') {
            lf += c;
        }
    }
    Lavoro l;
    ASSERT_TRUE(leggilavoro(lf, l).riuscita());
    prova::attendiuguali(prova::lavorocompleto(), l);

    const std::string spaziato = "  1 \n \"0,80\", \"0,60\" ,\t2 , 1.5\n" +
                                 std::string("300,,,,,,,\n 400 ,,,,,,,\n") + soloterreno;
    Lavoro s;
    const EsitoLettura e = leggilavoro(spaziato, s);
    ASSERT_TRUE(e.riuscita()) << e.errore;
    EXPECT_EQ(s.dati.largh[1].testo(), "0,60");
    EXPECT_EQ(s.dati.npiani[1], 2);
    EXPECT_EQ(s.dati.sigmat[1].numero(), 1.5);
    EXPECT_EQ(s.dati.piano(Voce::pesol, 2, 1).numero(), 400.0);
}

TEST(Lettura, TestiSuPiuRigheERigheVuoteTraIRecord) {
    Lavoro originale = prova::lavoropiccolo();
    originale[Frontespizio::allegati] = "tavola 1\r\ntavola 2\nfoto";
    originale[Descrizione::natura] = "argilla\r\nlimo";
    Lavoro l;
    ASSERT_TRUE(leggilavoro(scritto(originale), l).riuscita());
    prova::attendiuguali(originale, l);

    // Lines are still counted right after a text spanning two of them.
    std::string file = "0\r\n\r\n" + soloterreno + "\"x\r\ny\"," + descrizione13.substr(4) +
                       "\"p\",\"q\",\"r\",\"s\",\"t\",12\r\n";
    const EsitoLettura e = leggilavoro(file, l);
    EXPECT_EQ(e.riga, 6) << e.errore;
    EXPECT_NE(e.errore.find("allegati"), std::string::npos) << e.errore;
}

TEST(Lettura, FileCheFinisceDopoIlTerreno) {
    const std::string calcolo = "1\r\n\"0,80\",\"0,60\",0,\"2\"\r\n" + soloterreno;
    const Lavoro prima = lavoroattuale();

    Lavoro l = prima;
    EsitoLettura e = leggilavoro(calcolo, l);
    ASSERT_TRUE(e.riuscita()) << e.errore;
    EXPECT_TRUE(e.descrizioneassente);
    EXPECT_TRUE(e.frontespizioassente);
    EXPECT_NE(e.avviso().find("descrizione"), std::string::npos);
    EXPECT_EQ(l.dati.prof[1].testo(), "0,80");
    EXPECT_EQ(l.dati.npiani[1], 0);
    EXPECT_TRUE(l.dati.pesol(1, 1).vuota());
    EXPECT_EQ(l.dati.pesos.testo(), "1,8");
    EXPECT_EQ(l.descrizione, prima.descrizione);
    EXPECT_EQ(l.frontespizio, prima.frontespizio);

    // Trailing blank lines change nothing.
    l = prima;
    e = leggilavoro(calcolo + "\r\n  \r\n", l);
    EXPECT_TRUE(e.riuscita() && e.descrizioneassente);

    // With the description there, only the title page is kept.
    l = prima;
    e = leggilavoro(calcolo + descrizione13, l);
    ASSERT_TRUE(e.riuscita());
    EXPECT_FALSE(e.descrizioneassente);
    EXPECT_TRUE(e.frontespizioassente);
    EXPECT_EQ(l[Descrizione::fabbricato], "a");
    EXPECT_EQ(l[Descrizione::giudizio], "o");
    EXPECT_EQ(l.frontespizio, prima.frontespizio);
}

// A text record the end of the file cut short is damage, told with its
// line; the calculation data still load, and the texts of that record and
// of those after it stay as they were.
TEST(Lettura, UnRecordDiTestiTroncatoENominatoConLaSuaRiga) {
    const std::string calcolo = "1\r\n\"0,80\",\"0,60\",0,\"2\"\r\n" + soloterreno;
    const struct {
        std::string coda;
        int riga;
        bool descrizione; // whether the description was loaded
    } casi[] = {
        {"\"a\",\"b\",\"c\"\r\n", 4, false},
        {"\"a\",\"b\",\"incomple", 4, false},
        {"\"a\",\"b\",", 4, false},
        {descrizione13.substr(0, descrizione13.size() - 5), 4, false},
        {descrizione13 + "\"p\",\"q\"", 5, true},
        {descrizione13 + "\"p\",\"q\",\"r\",\"s\",\"t\",", 5, true},
        {descrizione13 + "\r\n\"p\",\"q\",\"r\",\"s\",\"t\",\"u", 6, true},
    };
    for (const auto& c : casi) {
        Lavoro l = lavoroattuale();
        const EsitoLettura e = leggilavoro(calcolo + c.coda, l);
        ASSERT_TRUE(e.riuscita()) << c.coda << ": " << e.errore;
        EXPECT_EQ(
            e.avviso().rfind("riga " + std::to_string(c.riga) + ": il file è danneggiato, ", 0), 0u)
            << c.coda << ": " << e.avviso();
        EXPECT_NE(e.avviso().find(c.descrizione ? "il frontespizio è incompleto"
                                                : "la descrizione è incompleta"),
                  std::string::npos)
            << e.avviso();
        EXPECT_EQ(l.dati.prof[1].testo(), "0,80");
        if (c.descrizione) {
            EXPECT_EQ(l[Descrizione::giudizio], "o");
        } else {
            EXPECT_EQ(l.descrizione, lavoroattuale().descrizione);
        }
        EXPECT_EQ(l.frontespizio, lavoroattuale().frontespizio);
    }
}

// After the title page: nothing at all, as earlier versions wrote the
// file, or known records, each whole; anything else is refused.
TEST(Lettura, DopoIlFrontespizioSoloRecordConosciuti) {
    const std::string base = scritto(prova::lavoropiccolo());
    const std::string ntc = "\"NTC2018\",\"Vesic\",\"0\",\"1\"\r\n";
    for (const std::string& coda : {std::string(), std::string("\r\n  \r\n"), ntc,
                                    "\r\n" + ntc + "\r\n", std::string("NTC2018,Vesic,0,1")}) {
        Lavoro l;
        const EsitoLettura e = leggilavoro(base + coda, l);
        ASSERT_TRUE(e.riuscita()) << coda << ": " << e.errore;
        EXPECT_EQ(e.avviso(), "");
        EXPECT_EQ(l.ntc.profondita, coda.find("NTC") == std::string::npos);
    }
    const struct {
        const char* nome;
        std::string coda;
        const char* perche;
        int riga = 8;
    } casi[] = {
        {"testo qualsiasi", "qualsiasi cosa,\"\r\n", "record non riconosciuto"},
        {"virgolette aperte", "\"abc", "record non riconosciuto"},
        {"spazio nel nome", "\"NTC2018 \",\"Vesic\",\"0\",\"1\"\r\n", "record non riconosciuto"},
        {"nome troncato", "\"NTC20", "record non riconosciuto"},
        {"nome nudo troncato", "NTC20", "record non riconosciuto"},
        {"nome vuoto", ",\"Vesic\",\"0\",\"1\"\r\n", "record non riconosciuto"},
        {"byte nullo", std::string("\0", 1), "byte nullo"},
        {"rumore", "\x1B[31m\r\n", "record non riconosciuto"},
        {"il file due volte", base, "record non riconosciuto"},
        {"record ripetuto", ntc + ntc, "il record NTC2018 è ripetuto", 9},
        {"record noto poi altro", ntc + "x\r\n", "record non riconosciuto", 9},
    };
    for (const auto& c : casi) {
        Lavoro l = lavoroattuale();
        const EsitoLettura e = leggilavoro(base + c.coda, l);
        EXPECT_FALSE(e.riuscita()) << c.nome;
        EXPECT_EQ(e.errore.rfind("riga " + std::to_string(c.riga) + ": ", 0), 0u)
            << c.nome << ": " << e.errore;
        EXPECT_NE(e.errore.find(c.perche), std::string::npos) << c.nome << ": " << e.errore;
        EXPECT_EQ(l.frontespizio, lavoroattuale().frontespizio) << c.nome;
    }
}

struct FileGuasto {
    const char* nome;
    std::string byte;
    int riga;
    const char* parola;
};

TEST(Lettura, FileGuastiNominanoLaRigaELasciamoIlLavoro) {
    const std::string fond = "\"0,80\",\"0,60\",1,\"1,5\"\r\n";
    const std::string piano = "\"300\",\"200\",\"4,5\",\"80\",\"\",\"0,40\",\"3,20\",\"1600\"\r\n";
    const std::string coda = soloterreno + descrizione13 + frontespizio6;
    const FileGuasto casi[] = {
        {"vuoto", "", 1, "vuoto"},
        {"solo spazi", " \r\n\r\n", 1, "vuoto"},
        {"nfond testo", "\"1\"\r\n" + fond + piano + coda, 1,
         "il numero delle fondazioni deve essere un numero intero da 0 a 10"},
        {"nfond lettere", "uno\r\n" + fond + piano + coda, 1, "numero delle fondazioni"},
        {"nfond 11", "11\r\n" + coda, 1, "numero delle fondazioni"},
        {"nfond -1", "-1\r\n" + coda, 1, "numero delle fondazioni"},
        {"nfond decimale", "1.0\r\n" + fond + piano + coda, 1, "numero delle fondazioni"},
        {"nfond vuoto", ",\r\n" + coda, 1, "troppi valori"},
        {"npiani testo", "1\r\n\"0,80\",\"0,60\",\"1\",\"1,5\"\r\n" + piano + coda, 2,
         "il numero dei piani deve essere un numero intero da 0 a 10"},
        {"npiani 11", "1\r\n\"0,80\",\"0,60\",11,\"1,5\"\r\n" + piano + coda, 2,
         "numero dei piani"},
        {"npiani decimale", "1\r\n\"0,80\",\"0,60\",1.5,\"1,5\"\r\n" + piano + coda, 2,
         "numero dei piani"},
        {"npiani vuoto", "1\r\n\"0,80\",\"0,60\",,\"1,5\"\r\n" + coda, 2, "numero dei piani"},
        {"punto in un testo", "1\r\n\"0.80\",\"0,60\",1,\"1,5\"\r\n" + piano + coda, 2,
         "prof della fondazione 1"},
        {"lettere in un testo",
         "1\r\n" + fond + "\"300\",\"200\",\"4,5\",\"80\",\"x\",\"0,40\",\"3,20\",\"1600\"\r\n" +
             coda,
         3, "tram del piano 1 della fondazione 1"},
        {"nudo non numerico",
         "1\r\n" + fond + "\"300\",\"200\",\"4,5\",\"80\",\"\",\"0,40\",\"3,20\",abc\r\n" + coda, 3,
         "spem del piano 1 della fondazione 1 non è un numero"},
        {"virgola decimale nuda", "1\r\n\"0,80\",0,60,1,\"1,5\"\r\n" + piano + coda, 2,
         "troppi valori"},
        {"fuori intervallo", "1\r\n\"0,80\",\"0,60\",1,1E+400\r\n" + piano + coda, 2,
         "sigmat della fondazione 1"},
        {"massimo double", "1\r\n\"0,80\",\"0,60\",1,1.7976931348623157E+308\r\n" + piano + coda, 2,
         "fuori dall'intervallo"},
        {"terreno non numerico", "0\r\n\"1\",x,\"0\",\"30\"\r\n" + descrizione13, 2,
         "pesos del terreno"},
        {"numero nella descrizione",
         "0\r\n" + soloterreno +
             "\"a\",\"b\",\"c\",\"d\",5,\"f\",\"g\",\"h\",\"i\",\"l\",\"m\","
             "\"n\",\"o\"\r\n",
         3, "zona della descrizione"},
        {"numero nel frontespizio",
         "0\r\n" + soloterreno + descrizione13 + "\"p\",\"q\",2024,\"s\",\"t\",\"u\"\r\n", 4,
         "committente del frontespizio"},
        {"testo nudo nel frontespizio",
         "0\r\n" + soloterreno + descrizione13 + "\"p\",\"q\",Rossi,\"s\",\"t\",\"u\"\r\n", 4,
         "committente del frontespizio"},
        {"finisce dopo nfond", "2\r\n", 2, "termina prima"},
        {"finisce tra i piani", "1\r\n\"0,80\",\"0,60\",3,\"1,5\"\r\n" + piano + piano, 5,
         "piano 3 della fondazione 1"},
        {"finisce prima del terreno", "1\r\n" + fond + piano, 4, "terreno"},
        {"finisce dentro un testo", "1\r\n" + fond + "\"300\",\"2", 3, "termina prima"},
        {"finisce a metà record", "1\r\n\"0,80\",\"0,60\"", 2, "termina prima"},
        // The soil record taken for a storey would shift everything after it.
        {"mancano piani", "1\r\n\"0,80\",\"0,60\",2,\"1,5\"\r\n" + piano + coda, 4,
         "mancano valori per il piano 2 della fondazione 1 (ne sono attesi 8, trovati 4)"},
        {"troppi valori", "1\r\n\"0,80\",\"0,60\",1,\"1,5\",\"9\"\r\n" + piano + coda, 2,
         "troppi valori per la fondazione 1"},
        {"dopo le virgolette", "1\r\n\"0,80\"x,\"0,60\",1,\"1,5\"\r\n" + piano + coda, 2,
         "dopo il testo tra virgolette"},
        {"descrizione corta seguita da altro",
         "0\r\n" + soloterreno + "\"a\",\"b\"\r\n" + frontespizio6, 3, "descrizione"},
    };
    for (const FileGuasto& c : casi) {
        Lavoro l = lavoroattuale();
        const EsitoLettura e = leggilavoro(c.byte, l);
        EXPECT_FALSE(e.riuscita()) << c.nome;
        EXPECT_EQ(e.riga, c.riga) << c.nome << ": " << e.errore;
        EXPECT_EQ(e.errore.rfind("riga " + std::to_string(c.riga) + ": ", 0), 0u)
            << c.nome << ": " << e.errore;
        EXPECT_NE(e.errore.find(c.parola), std::string::npos) << c.nome << ": " << e.errore;
        const Lavoro atteso = lavoroattuale();
        EXPECT_TRUE(l.dati.identici(atteso.dati)) << c.nome;
        EXPECT_EQ(l.descrizione, atteso.descrizione) << c.nome;
        EXPECT_EQ(l.frontespizio, atteso.frontespizio) << c.nome;
    }
}

TEST(Lettura, ByteNonAsciiDiventanoIlCarattereGiusto) {
    const std::string file = "0\r\n" + soloterreno +
                             "\"citt\xE0\",\"\x80 5\",\"\x93x\x94\",\"\x81\",\"\",\"\",\"\",\"\","
                             "\"\",\"\",\"\",\"\",\"\"\r\n" +
                             frontespizio6;
    Lavoro l;
    ASSERT_TRUE(leggilavoro(file, l).riuscita());
    EXPECT_EQ(l[Descrizione::fabbricato], "città");
    EXPECT_EQ(l[Descrizione::muratura], "€ 5");
    EXPECT_EQ(l[Descrizione::consistenza], "\u201Cx\u201D");
    EXPECT_EQ(l[Descrizione::solai], "\u0081");
    // And back to the same bytes.
    EXPECT_EQ(scritto(l).substr(0, file.size()), file);
}

// A job file another editor saved as UTF-8 keeps its accents; one in the
// program's own code page reads as before, also when it holds bytes that
// happen to form UTF-8 nowhere.
TEST(Lettura, UnFileSalvatoInUtf8MantieneGliAccenti) {
    const std::string descrizione = "\"città\",\"più € 5\",\"\",\"\",\"\",\"\",\"\",\"\","
                                    "\"\",\"\",\"\",\"\",\"\"\r\n";
    const std::string frontespizio = "\"Forlì\",\"q\",\"r\",\"s\",\"lunedì, 6 mar 2001\",\"u\"\r\n";
    for (const std::string marca : {"", "\xEF\xBB\xBF"}) {
        const std::string file = marca + "0\r\n" + soloterreno + descrizione + frontespizio;
        Lavoro l;
        const EsitoLettura e = leggilavoro(file, l);
        ASSERT_TRUE(e.riuscita()) << e.errore;
        EXPECT_EQ(l[Descrizione::fabbricato], "città");
        EXPECT_EQ(l[Descrizione::muratura], "più € 5");
        EXPECT_EQ(l[Frontespizio::progetto], "Forlì");
        EXPECT_EQ(l[Frontespizio::data], "lunedì, 6 mar 2001");
        EXPECT_EQ(l.dati.tiposuolo.testo(), "1");
        // Saved again, as always, in Windows-1252.
        const std::string salvato = scritto(l);
        EXPECT_NE(salvato.find("\"citt\xE0\""), std::string::npos);
        EXPECT_NE(salvato.find("\"Forl\xEC\""), std::string::npos);
    }
    // Windows-1252 throughout: read as before, without a word.
    Lavoro l;
    const std::string cp1252 = "0\r\n" + soloterreno +
                               "\"citt\xE0\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                               "\"\",\"\",\"\",\"\",\"\"\r\n" +
                               frontespizio6;
    EsitoLettura e = leggilavoro(cp1252, l);
    ASSERT_TRUE(e.riuscita());
    EXPECT_EQ(e.avviso(), "");
    EXPECT_EQ(l[Descrizione::fabbricato], "città");
}

// UTF-8 with stray bytes, and sequences that only look like UTF-8 (overlong,
// surrogate, beyond U+10FFFF): read as Windows-1252, telling the line of
// the first byte that is not UTF-8.
TEST(Lettura, Utf8ConByteEstraneiVieneLettoComeWindows1252ConAvviso) {
    const struct {
        const char* estraneo;
        const char* byte; // as the warning names it
    } casi[] = {
        {"\xE0", "0xE0"},         {"\xC0\xA8", "0xC0"},         {"\xE0\x80\xA8", "0xE0"},
        {"\xED\xA0\x80", "0xED"}, {"\xF4\x90\x80\x80", "0xF4"}, {"\xF8\x88\x80\x80\x80", "0xF8"},
    };
    for (const auto& c : casi) {
        const std::string file = "0\r\n" + soloterreno +
                                 "\"più\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                                 "\"\",\"\",\"\",\"\",\"\"\r\n\"p\",\"q\",\"r\",\"s\",\"t\",\"" +
                                 std::string(c.estraneo) + "\"\r\n";
        Lavoro l;
        const EsitoLettura e = leggilavoro(file, l);
        ASSERT_TRUE(e.riuscita()) << c.byte << ": " << e.errore;
        EXPECT_EQ(e.avviso().rfind("riga 4: ", 0), 0u) << e.avviso();
        EXPECT_NE(e.avviso().find(std::string("(il primo è ") + c.byte + ")"), std::string::npos)
            << e.avviso();
        EXPECT_EQ(l[Descrizione::fabbricato], "piÃ¹");
    }
}

TEST(Lettura, UnaVirgolettaScrittaTornaComeVirgolettaTipografica) {
    Lavoro originale = prova::lavoropiccolo();
    originale[Frontespizio::progetto] = "ampliamento \"casa Rossi\", lotto 2";
    Lavoro l;
    ASSERT_TRUE(leggilavoro(scritto(originale), l).riuscita());
    EXPECT_EQ(l[Frontespizio::progetto], "ampliamento \u201Dcasa Rossi\u201D, lotto 2");
    // Nothing shifted: the next field is where it was.
    EXPECT_EQ(l[Frontespizio::localita], "Forlì");
}

} // namespace
} // namespace zocal
