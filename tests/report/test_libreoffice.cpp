// LibreOffice lays out the saved DOCX, with the installed font alias, in as
// many pages as our PDF has, over the sweep of jobs. Runs where soffice is.
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "esempi.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

using namespace zocal;

TEST(LibreOffice, SamePageCountAsOurPdf) {
    if (!esempi::disponibile("soffice") || !esempi::disponibile("pdfinfo")) {
        GTEST_SKIP() << "soffice or pdfinfo missing";
    }
    esempi::Cartella c;
    // The system's fonts with the alias the package installs.
    {
        std::ofstream conf(c / "fonts.conf");
        conf << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                "<fontconfig>\n<include>" ZOCAL_ALIAS_CARATTERI "</include>\n"
                "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                "</fontconfig>\n";
    }
    std::vector<std::pair<std::string, int>> nostre;
    const auto casi = esempi::sweep();
    for (std::size_t i = 0; i < casi.size(); ++i) {
        Lavoro l = casi[i].lavoro;
        aggiornarisultati(l.dati);
        ScrittoreDocumento w;
        const std::string nome = "r" + std::to_string(i);
        const EsitoRelazione esito = scrivirelazione(w, l, casi[i].studio, c / (nome + ".docx"));
        ASSERT_TRUE(esito.riuscita()) << esito.errore;
        nostre.emplace_back(nome, esito.pagine);
    }
    // One soffice for every file: starting it costs more than a conversion.
    std::filesystem::create_directory(c.percorso() / "lo");
    const std::string comando = "cd " + esempi::virgolette(c.percorso().string()) +
                                " && FONTCONFIG_FILE=" + esempi::virgolette(c / "fonts.conf") +
                                " soffice -env:UserInstallation=file://" + c / "profilo" +
                                " --headless --convert-to pdf --outdir lo r*.docx >/dev/null 2>&1";
    int stato = 0;
    esempi::esegui(comando, &stato);
    ASSERT_EQ(stato, 0) << comando;
    for (std::size_t i = 0; i < nostre.size(); ++i) {
        const auto& [nome, pagine] = nostre[i];
        EXPECT_EQ(esempi::paginepdf(c / ("lo/" + nome + ".pdf")), pagine) << casi[i].nome;
    }
}
