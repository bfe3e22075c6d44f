#include "cli.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using cli::esegui;
using cli::esempio;
using cli::Uscita;

std::filesystem::path scrivi(const std::string& nome, const std::string& byte) {
    const auto cartella = std::filesystem::temp_directory_path() / "zocal-cli-test";
    std::filesystem::create_directories(cartella);
    const auto p = cartella / nome;
    std::ofstream(p, std::ios::binary) << byte;
    return p;
}

const char* const piani = "\"300\",\"200\",\"4\",\"100\",\"200\",\"0,30\",\"3\",\"1800\"\r\n"
                          "\"250\",\"150\",\"4\",\"80\",\"150\",\"0,30\",\"3\",\"1800\"\r\n";
const char* const testi = "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
                          "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

std::string lavoro(const std::string& fondazione, const std::string& terreno) {
    return "1\r\n" + fondazione + "\r\n" + piani + terreno + "\r\n" + testi;
}

} // namespace

TEST(Verifica, WorkedExampleAsJson) {
    const Uscita u = esegui("verifica --json " + esempio("Zocal-dati-esempio"));
    EXPECT_EQ(u.stato, 0);
    EXPECT_EQ(u.testo,
              "{\"nfond\": 1, \"fondazioni\": [{\"numero\": 1, \"npiani\": 2, \"piani\": "
              "[{\"numero\": 1, \"scar\": \"4220\", \"scartot\": \"7910\"}, {\"numero\": 2, "
              "\"scar\": \"3690\", \"scartot\": \"3690\"}], \"carlim\": \"50,04\", \"sigmat\": "
              "\"1,67\", \"scater\": \"8990\", \"siglav\": \"1,49\", \"coeff\": \"3,33\", "
              "\"verifica\": \"verificata\", \"note\": \"Il calcolo mostra una fondazione ben "
              "dimensionata ed un coefficiente di sicurezza uguale almeno a 3.\"}]}\n");
}

// The four variants of the worked example, through the whole program.
TEST(Verifica, VariantsThroughTheTool) {
    struct Caso {
        std::string fondazione, terreno;
        std::vector<std::string> attesi;
    };
    const Caso casi[] = {
        {"\"1,2\",\"0,6\",2,",
         "\"2\",\"1,9\",\"2\",\"30\"",
         {"\"carlim\": \"21,7\"", "\"sigmat\": \"0,72\"", "\"scater\": \"9206\"",
          "\"siglav\": \"1,53\"", "\"coeff\": \"1,41\"", "\"verifica\": \"non verificata\""}},
        {"\"1\",\"0,6\",2,",
         "\"3\",\"1,8\",\"1\",\"30\"",
         {"\"carlim\": \"29,92\"", "\"sigmat\": \"1\"", "\"coeff\": \"1,99\""}},
        {"\"1\",\"0,6\",2,\"1,5\"",
         "\"0\",\"1,8\",\"0\",\"30\"",
         {"\"carlim\": \"45\"", "\"sigmat\": \"1,5\"", "\"coeff\": \"3\"",
          "\"verifica\": \"verificata\""}},
        {"\"1\",\"0,6\",2,1.5",
         "\"0\",\"1,8\",\"\",\"30\"",
         {"\"carlim\": \"\"", "\"verifica\": \"\"",
          "\"note\": \"Mancano i dati completi relativi al terreno.\""}},
    };
    int n = 0;
    for (const Caso& c : casi) {
        const auto p = scrivi("variante" + std::to_string(++n), lavoro(c.fondazione, c.terreno));
        const Uscita u = esegui("verifica --json " + p.string());
        EXPECT_EQ(u.stato, 0);
        for (const std::string& atteso : c.attesi) {
            EXPECT_NE(u.testo.find(atteso), std::string::npos) << atteso << "\n" << u.testo;
        }
    }
}

TEST(Verifica, ReadableTableInItalian) {
    const Uscita u = esegui("verifica " + esempio("Zocal-dati-due-fondazioni"));
    EXPECT_EQ(u.stato, 0);
    for (const char* atteso : {"Fondazione n. 1", "Fondazione n. 2", "4220", "7910",
                               "carico limite (t/mq)", "non verificata",
                               "Fondazione "
                               "insufficiente"}) {
        EXPECT_NE(u.testo.find(atteso), std::string::npos) << atteso;
    }
}

TEST(Verifica, SoilTypeZeroExample) {
    const Uscita u = esegui("verifica --json " + esempio("Zocal-dati-sigma"));
    EXPECT_EQ(u.stato, 0);
    EXPECT_NE(u.testo.find("\"nfond\": 2"), std::string::npos);
    EXPECT_NE(u.testo.find("\"carlim\": \"45\""), std::string::npos);
    EXPECT_NE(u.testo.find("\"carlim\": \"60\""), std::string::npos);
}

TEST(Verifica, UnreadableFileGivesStatusTwoAndNamesFileAndLine) {
    const auto cattivo = scrivi("cattivo", "1\r\n\"1\",\"0,6\",x,\"\"\r\n");
    const Uscita u =
        esegui("verifica " + esempio("Zocal-dati-esempio") + " " + cattivo.string(), true);
    EXPECT_EQ(u.stato, 2);
    EXPECT_NE(u.testo.find(cattivo.string()), std::string::npos);
    EXPECT_NE(u.testo.find("riga 2"), std::string::npos);
    EXPECT_NE(u.testo.find("Fondazione n. 1"), std::string::npos); // the good file still runs

    const Uscita mancante = esegui("verifica /nonesiste/Zocal-dati-x", true);
    EXPECT_EQ(mancante.stato, 2);
    EXPECT_NE(mancante.testo.find("/nonesiste/Zocal-dati-x"), std::string::npos);
}

// Several files give one JSON document naming each file, in the order
// given, with the error of the one that could not be read; one file keeps
// its bare object.
TEST(Verifica, SeveralFilesAsOneJsonDocument) {
    const auto cattivo = scrivi("cattivo \"q\"", "1\r\n\"1\",\"0,6\",x,\"\"\r\n");
    const std::string buono = esempio("Zocal-dati-esempio");
    const Uscita solo = esegui("verifica --json " + buono);
    const std::string oggetto = solo.testo.substr(0, solo.testo.size() - 1);

    const Uscita u = esegui("verifica --json " + buono + " '" + cattivo.string() + "' " + buono);
    EXPECT_EQ(u.stato, 2);
    std::string atteso = "{\"file\": [{\"nome\": \"" + buono + "\", \"verifica\": " + oggetto +
                         "}, {\"nome\": \"" + cattivo.parent_path().string() +
                         "/cattivo \\\"q\\\"\", \"errore\": \"";
    EXPECT_EQ(u.testo.substr(0, atteso.size()), atteso) << u.testo;
    EXPECT_NE(u.testo.find("riga 2"), std::string::npos);
    EXPECT_EQ(u.testo.substr(u.testo.size() - oggetto.size() - 4), oggetto + "}]}\n");
    EXPECT_EQ(std::count(u.testo.begin(), u.testo.end(), '\n'), 1);
}

// A damaged file never passes for a whole one: a damaged NTC record once
// flipped the verdict without a word, a cut title page said nothing.
TEST(Verifica, DamagedFilesAreRefusedOrToldNamingTheLine) {
    std::ifstream in(esempio("Zocal-dati-esempio"), std::ios::binary);
    const std::string esempio_((std::istreambuf_iterator<char>(in)), {});
    const std::string senzafrontespizio =
        esempio_.substr(0, esempio_.rfind("\"", esempio_.size() - 4));
    const struct {
        std::string byte;
        int stato;
        const char* parola;
    } casi[] = {
        {esempio_ + "\"NTC2018 \",\"Vesic\",\"0\",\"1\"\r\n", 2,
         "riga 8: record non riconosciuto dopo il frontespizio"},
        {senzafrontespizio, 0, "riga 7: il file è danneggiato, il frontespizio è incompleto"},
    };
    for (const auto& c : casi) {
        for (const char* ntc : {"", "--ntc "}) {
            const Uscita u =
                esegui(std::string("verifica ") + ntc + scrivi("guasto", c.byte).string(), true);
            EXPECT_EQ(u.stato, c.stato) << u.testo;
            EXPECT_NE(u.testo.find(c.parola), std::string::npos) << u.testo;
        }
    }
}

// A name that is not UTF-8 stays valid JSON, its bytes given apart.
TEST(Verifica, ANameThatIsNotUtf8IsValidJson) {
    std::ifstream in(esempio("Zocal-dati-esempio"), std::ios::binary);
    const auto p =
        scrivi("Zocal-dati-citt\xE0", std::string((std::istreambuf_iterator<char>(in)), {}));
    const Uscita u =
        esegui("verifica --json '" + p.string() + "' " + esempio("Zocal-dati-esempio"));
    EXPECT_EQ(u.stato, 0);
    EXPECT_NE(u.testo.find("Zocal-dati-citt\uFFFD\", \"nome_byte\": \""), std::string::npos)
        << u.testo;
    EXPECT_NE(u.testo.find("5a6f63616c2d646174692d63697474e0\""), std::string::npos);
    EXPECT_EQ(u.testo.find("\xE0"), std::string::npos);
    // Only there.
    EXPECT_EQ(u.testo.find("nome_byte"), u.testo.rfind("nome_byte"));
}

// After "--" every argument is a file, even one named like an option.
TEST(Verifica, DoubleDashEndsTheOptions) {
    const auto cartella = std::filesystem::temp_directory_path() / "zocal-cli-trattino";
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    std::filesystem::copy_file(esempio("Zocal-dati-esempio"), cartella / "-h");
    const std::string qui = "cd " + cartella.string() + " && ";

    const Uscita v = esegui("verifica --json -- -h", false, qui);
    EXPECT_EQ(v.stato, 0);
    EXPECT_EQ(v.testo, esegui("verifica --json " + esempio("Zocal-dati-esempio")).testo);
    EXPECT_EQ(esegui("verifica -h", false, qui).testo.substr(0, 4), "Uso:");

    const Uscita r = esegui("relazione --studio Prova -o r.docx -- -h", false, qui);
    EXPECT_EQ(r.stato, 0) << r.testo;
    EXPECT_TRUE(std::filesystem::is_regular_file(cartella / "r.pdf"));
    const Uscita s = esegui("stampa --dati -o d.pdf -- -h", false, qui);
    EXPECT_EQ(s.stato, 0) << s.testo;
    EXPECT_TRUE(std::filesystem::is_regular_file(cartella / "d.pdf"));
    std::filesystem::remove_all(cartella);
}

// The value after "nome": in a JSON listing, as text.
std::string valore(const std::string& testo, const std::string& nome) {
    const auto p = testo.find("\"" + nome + "\": ");
    if (p == std::string::npos) {
        return "<assente>";
    }
    const auto inizio = p + nome.size() + 4;
    return testo.substr(inizio, testo.find_first_of(",}", inizio) - inizio);
}

TEST(VerificaNtc, LimitStateCheckOnRequestOnly) {
    const std::string file = esempio("Zocal-dati-esempio");
    const Uscita semplice = esegui("verifica " + file);
    const Uscita json = esegui("verifica --json " + file);
    EXPECT_EQ(semplice.testo.find("NTC"), std::string::npos);
    EXPECT_EQ(json.testo.find("ntc"), std::string::npos);

    const Uscita con = esegui("verifica --ntc " + file);
    EXPECT_EQ(con.stato, 0);
    EXPECT_NE(con.testo.find("Nγ di Brinch Hansen"), std::string::npos) << con.testo;
    EXPECT_NE(con.testo.find("0,914"), std::string::npos) << con.testo;
    EXPECT_NE(con.testo.find("VERIFICATA"), std::string::npos) << con.testo;

    const Uscita j = esegui("verifica --json --ntc " + file);
    EXPECT_EQ(j.stato, 0);
    EXPECT_NEAR(std::stod(valore(j.testo, "EdRd")), 0.914, 0.0005) << j.testo;
    EXPECT_NEAR(std::stod(valore(j.testo, "qlim")), 501.23, 0.005);
    EXPECT_EQ(valore(j.testo, "esito"), "\"VERIFICATA\"");
    // The legacy part of the object is what it was.
    EXPECT_EQ(j.testo.substr(0, 12), json.testo.substr(0, 12));
    EXPECT_NE(j.testo.find(json.testo.substr(json.testo.find("\"numero\""), 200)),
              std::string::npos);
}

TEST(VerificaNtc, OptionsOverrideTheJobs) {
    const std::string file = esempio("Zocal-dati-esempio");
    struct Caso {
        const char* opzioni;
        double EdRd;
        const char* esito;
    };
    const Caso casi[] = {
        {"--ngamma vesic", 0.848, "\"VERIFICATA\""},
        {"--ngamma=ec7", 1.062, "\"NON VERIFICATA\""}, // Annex D: no depth factors
        {"--ngamma ec7 --profondita", 0.868, "\"VERIFICATA\""},
        {"--ngamma vesic --senza-profondita", 1.033, "\"NON VERIFICATA\""},
        {"--g2-definiti", 0.898, "\"VERIFICATA\""},
    };
    for (const Caso& c : casi) {
        const Uscita u = esegui("verifica --json " + std::string(c.opzioni) + " " + file);
        EXPECT_EQ(u.stato, 0) << c.opzioni;
        EXPECT_NEAR(std::stod(valore(u.testo, "EdRd")), c.EdRd, 0.0005) << c.opzioni;
        EXPECT_EQ(valore(u.testo, "esito"), c.esito) << c.opzioni;
    }

    // A job saved with Vesic and no depth factors: its own choices, unless overridden.
    const auto p = scrivi("conopzioni", lavoro("\"1\",\"0,6\",2,", "\"1\",\"1,8\",\"0\",\"30\"") +
                                            "\"NTC2018\",\"Vesic\",\"0\",\"0\"\r\n");
    const Uscita propria = esegui("verifica --json --ntc " + p.string());
    EXPECT_NEAR(std::stod(valore(propria.testo, "EdRd")), 1.033, 0.0005) << propria.testo;
    EXPECT_EQ(valore(propria.testo, "ngamma"), "\"vesic\"");
    const Uscita altra = esegui("verifica --json --ngamma brinch-hansen " + p.string());
    EXPECT_EQ(valore(altra.testo, "ngamma"), "\"brinch-hansen\"");
    EXPECT_EQ(valore(altra.testo, "profondita"), "false");
    EXPECT_GT(std::stod(valore(altra.testo, "EdRd")), 1.033);

    const Uscita sbagliata = esegui("verifica --ngamma terzaghi " + file, true);
    EXPECT_EQ(sbagliata.stato, 1);
    EXPECT_NE(sbagliata.testo.find("formula di Ngamma sconosciuta: terzaghi"), std::string::npos);
    const Uscita senzanome = esegui("verifica " + file + " --ngamma", true);
    EXPECT_EQ(senzanome.stato, 1);
    EXPECT_NE(senzanome.testo.find("--ngamma richiede"), std::string::npos);
}

TEST(VerificaNtc, TheJobsSoilDataAddTheShortTermCheck) {
    const auto p = scrivi("conterreno", lavoro("\"1\",\"0,6\",2,", "\"1\",\"1,8\",\"0\",\"30\"") +
                                            "\"NTC2018-TERRENO\",\"3\",\"\",\"prove in sito\"\r\n");
    const Uscita u = esegui("verifica --json --ntc " + p.string());
    EXPECT_EQ(u.stato, 0);
    EXPECT_NEAR(std::stod(valore(u.testo, "EdRd")), 0.914, 0.0005) << u.testo;
    const std::string breve = u.testo.substr(u.testo.find("\"breve_termine\""));
    EXPECT_NEAR(std::stod(valore(breve, "EdRd")), 1.980, 0.0005) << u.testo;
    EXPECT_EQ(valore(u.testo, "esito_complessivo"), "\"NON VERIFICATA\"");
}

// The worked examples the report refers to give the results listed beside them.
TEST(VerificaNtc, ShippedExamplesGiveTheirExpectedResults) {
    std::ifstream elenco(esempio("RISULTATI-ATTESI.txt"));
    ASSERT_TRUE(elenco);
    int righe = 0;
    for (std::string riga; std::getline(elenco, riga);) {
        if (riga.rfind("Zocal-dati-", 0) != 0) {
            continue;
        }
        std::vector<std::string> campi;
        std::istringstream in(riga);
        for (std::string c; std::getline(in, c, '|');) {
            const auto inizio = c.find_first_not_of(' ');
            campi.push_back(inizio == std::string::npos
                                ? ""
                                : c.substr(inizio, c.find_last_not_of(' ') - inizio + 1));
        }
        if (campi.size() != 5) {
            continue;
        }
        ++righe;
        const Uscita u = esegui("verifica --ntc " + campi[1] + " " + esempio(campi[0].c_str()));
        SCOPED_TRACE(riga);
        EXPECT_EQ(u.stato, 0);
        EXPECT_NE(u.testo.find("Ed (kN/m)               " + campi[2] + "\n"), std::string::npos);
        EXPECT_NE(u.testo.find("Ed/Rd                   " + campi[3] + "\n"), std::string::npos);
        const bool due = u.testo.find("esito complessivo") != std::string::npos;
        EXPECT_NE(u.testo.find((due ? "esito complessivo       " : "esito                   ") +
                               campi[4] + "\n"),
                  std::string::npos)
            << u.testo;
    }
    EXPECT_EQ(righe, 7);
}

TEST(VerificaNtc, MissingFrictionAngleGivesNullsAndANote) {
    const auto p = scrivi("senzaattrito", lavoro("\"1\",\"0,6\",2,", "\"1\",\"1,8\",\"0\",\"\""));
    const Uscita u = esegui("verifica --json --ntc " + p.string());
    EXPECT_EQ(u.stato, 0);
    EXPECT_EQ(valore(u.testo, "Ed"), "null");
    EXPECT_EQ(valore(u.testo, "esito"), "\"\"");
    EXPECT_EQ(valore(u.testo, "nota"), "\"Manca l'angolo di attrito del terreno.\"");
    EXPECT_EQ(valore(u.testo, "verifica"), "\"verificata\""); // the legacy verdict stands
}

TEST(Verifica, UsageInItalian) {
    const Uscita aiuto = esegui("--help");
    EXPECT_EQ(aiuto.stato, 0);
    EXPECT_NE(aiuto.testo.find("Uso: zocal-cli"), std::string::npos);
    EXPECT_EQ(esegui("verifica").stato, 1);
    EXPECT_EQ(esegui("sconosciuto").stato, 1);
    EXPECT_EQ(esegui("verifica --xyz file").stato, 1);
}

#ifdef ZOCAL_CON_DOCUMENTI
// The document commands run in their own program; the batch tool hands them
// over with their arguments, their output and their exit status.
TEST(Documenti, ReportAndPrintoutThroughTheBatchTool) {
    const auto cartella = std::filesystem::temp_directory_path() / "zocal-cli-documenti";
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    const std::string docx = (cartella / "relazione.docx").string();
    const Uscita r = esegui("relazione " + esempio("Zocal-dati-esempio") + " -o " + docx +
                            " --studio Prova --indirizzo Qui");
    EXPECT_EQ(r.stato, 0) << r.testo;
    EXPECT_NE(r.testo.find(docx), std::string::npos) << r.testo;
    EXPECT_TRUE(std::filesystem::is_regular_file(docx));
    EXPECT_TRUE(std::filesystem::is_regular_file(cartella / "relazione.pdf"));

    // A failing foundation is written with a warning; a job without data is refused.
    std::ifstream in(esempio("Zocal-dati-esempio"), std::ios::binary);
    std::string lavoro{std::istreambuf_iterator<char>(in), {}};
    lavoro.replace(lavoro.find("\"0,6\""), 5, "\"0,4\"");
    const auto stretta = cartella / "Zocal-dati-stretta";
    std::ofstream(stretta, std::ios::binary) << lavoro;
    const Uscita f =
        esegui("relazione " + stretta.string() + " --studio Prova --indirizzo Qui", true);
    EXPECT_EQ(f.stato, 0) << f.testo;
    EXPECT_NE(f.testo.find("zocal-cli: attenzione: La fondazione n. 1 non è verificata."),
              std::string::npos)
        << f.testo;
    const auto vuota = cartella / "Zocal-dati-vuota";
    std::ofstream(vuota, std::ios::binary) << "0\r\n\"\",,,\r\n";
    const Uscita v =
        esegui("relazione " + vuota.string() + " --studio Prova --indirizzo Qui", true);
    EXPECT_EQ(v.stato, 2);
    EXPECT_NE(v.testo.find("Non esistono dati: la relazione non viene prodotta."),
              std::string::npos)
        << v.testo;

    const std::string pdf = (cartella / "dati.pdf").string();
    const Uscita s = esegui("stampa --dati " + esempio("Zocal-dati-esempio") + " -o " + pdf);
    EXPECT_EQ(s.stato, 0) << s.testo;
    EXPECT_TRUE(std::filesystem::is_regular_file(pdf));

    const Uscita male = esegui("stampa --dati /nonesiste/Zocal-dati-x -o " + pdf, true);
    EXPECT_EQ(male.stato, 2);
    EXPECT_EQ(esegui("relazione").stato, 1);
    std::filesystem::remove_all(cartella);
}

// A job file in a folder the user cannot write, like the installed examples:
// without -o the tool says to use -o and writes nothing there; with -o, as
// it advises, the report is written. Root writes anywhere, so as root the
// tool runs as "nobody".
TEST(Documenti, ReportBesideAJobInAReadOnlyFolderAdvisesDashO) {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / "zocal-cli-solalettura";
    fs::remove_all(base);
    const fs::path chiusa = base / "esempi";
    const fs::path aperta = base / "relazioni";
    fs::create_directories(chiusa);
    fs::create_directories(aperta);
    const fs::path lavoro = chiusa / "Zocal-dati-esempio";
    fs::copy_file(esempio("Zocal-dati-esempio"), lavoro);
    fs::permissions(base, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(aperta, fs::perms::all);
    std::string davanti;
    if (geteuid() == 0) {
        davanti =
            "setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=" + aperta.string() + " ";
        if (std::system((davanti + "test -x " + ZOCAL_CLI).c_str()) != 0) {
            fs::remove_all(base);
            GTEST_SKIP() << "the user nobody cannot run " << ZOCAL_CLI << " (or no setpriv)";
        }
        fs::permissions(chiusa, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    } else {
        fs::permissions(chiusa, fs::perms::owner_read | fs::perms::owner_exec);
    }

    const Uscita no = esegui("relazione " + lavoro.string(), true, davanti);
    EXPECT_EQ(no.stato, 2) << no.testo;
    EXPECT_NE(no.testo.find("l'opzione -o"), std::string::npos) << no.testo;
    EXPECT_NE(no.testo.find(chiusa.string()), std::string::npos) << no.testo;
    EXPECT_EQ(std::distance(fs::directory_iterator(chiusa), fs::directory_iterator()), 1);
    // A job that cannot be read is reported as such, not as a folder matter.
    const Uscita manca =
        esegui("relazione " + (chiusa / "Zocal-dati-manca").string(), true, davanti);
    EXPECT_EQ(manca.stato, 2) << manca.testo;
    EXPECT_EQ(manca.testo.find("l'opzione -o"), std::string::npos) << manca.testo;
    EXPECT_NE(manca.testo.find("Zocal-dati-manca"), std::string::npos) << manca.testo;

    const fs::path docx = aperta / "relazione.docx";
    const Uscita si = esegui("relazione " + lavoro.string() + " -o " + docx.string() +
                                 " --studio Prova --indirizzo Qui",
                             true, davanti);
    EXPECT_EQ(si.stato, 0) << si.testo;
    EXPECT_TRUE(fs::is_regular_file(docx));
    EXPECT_TRUE(fs::is_regular_file(aperta / "relazione.pdf"));

    fs::permissions(chiusa, fs::perms::owner_all);
    fs::remove_all(base);
}

// The validation document: every case within its tolerance, the summary and
// each case's source readable in the PDF.
TEST(Documenti, ValidationDocument) {
    const auto cartella = std::filesystem::temp_directory_path() / "zocal-cli-validazione";
    std::filesystem::remove_all(cartella);
    std::filesystem::create_directories(cartella);
    const std::string pdf = (cartella / "v.pdf").string();
    const Uscita v = esegui("validazione -o " + pdf, true);
    EXPECT_EQ(v.stato, 0) << v.testo;
    EXPECT_NE(v.testo.find("documento di validazione: " + pdf), std::string::npos) << v.testo;
    ASSERT_TRUE(std::filesystem::is_regular_file(pdf));
    if (cli::shell("command -v pdftotext").stato == 0) {
        const std::string t = cli::shell("pdftotext " + pdf + " -").testo;
        for (const char* atteso :
             {"Documento di validazione di Zocal", "Sintesi dei casi",
              "Fonte: tabella pubblicata: B. Look", "Fonte: forma chiusa:",
              "Fonte: esempio svolto, ricalcolato in modo indipendente", "Zocal-dati-eccentrico"}) {
            EXPECT_NE(t.find(atteso), std::string::npos) << atteso;
        }
        EXPECT_EQ(t.find("FUORI"), std::string::npos);
    }
    EXPECT_EQ(esegui("validazione --xyz").stato, 1);
    EXPECT_EQ(esegui("validazione -o " + (cartella / "manca" / "v.pdf").string()).stato, 2);
    std::filesystem::remove_all(cartella);
}
#endif
