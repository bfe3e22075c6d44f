// The zip writer, its archives read back by an independent reader.
#include "archiviozip.h"

#include "zipletto.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace zocal;

TEST(ArchivioZip, EveryPartReadsBackWhole) {
    std::string markup;
    for (int k = 0; k < 2000; ++k) {
        markup += "<w:p><w:r><w:t>fondazione n. " + std::to_string(k) + "</w:t></w:r></w:p>";
    }
    std::string rumore(5000, '\0');
    std::mt19937 caso(7);
    for (char& c : rumore) {
        c = static_cast<char>(caso());
    }
    const std::string nomeaccentato = "cartella/città è.xml";
    const auto zip = creazip({{"[Content_Types].xml", markup},
                              {"vuota", ""},
                              {"word/rumore.bin", rumore},
                              {nomeaccentato, "sì"}});
    ASSERT_TRUE(zip);
    const auto parti = leggizip(*zip);
    ASSERT_EQ(parti.size(), 4u);
    for (const auto& [nome, atteso] :
         std::map<std::string, std::string>{{"[Content_Types].xml", markup},
                                            {"vuota", ""},
                                            {"word/rumore.bin", rumore},
                                            {nomeaccentato, "sì"}}) {
        ASSERT_TRUE(parti.count(nome)) << nome;
        EXPECT_EQ(parti.at(nome).dati, atteso) << nome;
        EXPECT_TRUE(parti.at(nome).integra) << nome;
    }
    // Markup shrinks; noise would grow, so it is stored as it is.
    EXPECT_EQ(parti.at("[Content_Types].xml").metodo, ZIP_CM_DEFLATE);
    EXPECT_LT(zip->size(), markup.size() / 5);
    EXPECT_EQ(parti.at("word/rumore.bin").metodo, ZIP_CM_STORE);
}

TEST(ArchivioZip, SameDocumentSameBytes) {
    const std::vector<ParteZip> parti = {{"a.xml", "<a/>"}, {"b/c.xml", "<c>testo</c>"}};
    EXPECT_EQ(creazip(parti), creazip(parti));
    // An empty archive is still an archive.
    const auto vuoto = creazip({});
    ASSERT_TRUE(vuoto);
    EXPECT_EQ(vuoto->size(), 22u);
}

TEST(ArchivioZip, APartWithNoNameIsRefused) {
    std::string errore;
    EXPECT_FALSE(creazip({{"", "dati"}}, &errore));
    EXPECT_FALSE(errore.empty());
}
