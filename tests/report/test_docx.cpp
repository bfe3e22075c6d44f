#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "disegni.h"
#include "esempi.h"

#include <QImage>
#include <QXmlStreamReader>

#include "zipletto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>
#include <sstream>

using namespace zocal;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

// Every part of a zip archive by name; empty when it is no archive.
std::map<std::string, std::string> parti(const QByteArray& byte) {
    std::map<std::string, std::string> out;
    for (auto& [nome, parte] :
         leggizip(std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())))) {
        out[nome] = std::move(parte.dati);
    }
    return out;
}

std::size_t conta(const std::string& testo, const std::string& cosa) {
    std::size_t n = 0;
    for (auto p = testo.find(cosa); p != std::string::npos; p = testo.find(cosa, p + 1)) {
        ++n;
    }
    return n;
}

bool benformato(const std::string& xml, std::string* errore = nullptr) {
    QXmlStreamReader r(QByteArray::fromStdString(xml));
    while (!r.atEnd()) {
        r.readNext();
    }
    if (r.hasError() && errore != nullptr) {
        *errore = r.errorString().toStdString();
    }
    return !r.hasError();
}

// Size in half points of the run that holds `testo`.
int mezzipunti(const std::string& xml, const std::string& testo) {
    const auto fine = xml.find(">" + testo + "</w:t>");
    if (fine == std::string::npos) {
        return -1;
    }
    const auto inizio = xml.rfind("<w:r>", fine);
    std::smatch m;
    const std::string run = xml.substr(inizio, fine - inizio);
    if (!std::regex_search(run, m, std::regex("<w:sz w:val=\"([0-9]+)\"/>"))) {
        return -1;
    }
    return std::stoi(m[1]);
}

// The finished report of a job, as the print command leaves it.
struct Relazione {
    ScrittoreDocumento scrittore;
    std::string xml;
    std::map<std::string, std::string> zip;
    QByteArray pdf;

    explicit Relazione(Lavoro l, bool conntc = true) {
        aggiornarisultati(l.dati);
        scrittore.avvia();
        componirelazione(scrittore, l, studio, conntc);
        scrittore.giustificatutto();
        allineacolonne(scrittore, l.dati, conntc ? &l.ntc : nullptr);
        zip = parti(scrittore.docx());
        xml = zip["word/document.xml"];
        pdf = scrittore.pdf();
    }
};

// LibreOffice makes relazione.pdf of the folder's relazione.docx; its output.
std::string inpdf(const esempi::Cartella& c, int* stato) {
    return esempi::esegui("cd " + esempi::virgolette(c.percorso().string()) +
                              " && timeout 180 soffice -env:UserInstallation=file://" +
                              c.percorso().string() + "/profilo --headless --convert-to pdf " +
                              "--outdir " + esempi::virgolette(c.percorso().string()) +
                              " relazione.docx 2>&1",
                          stato);
}

} // namespace

TEST(Docx, ZipWithTheOfficeOpenXmlParts) {
    Relazione r(esempi::lavoroesempio());
    for (const char* nome :
         {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
          "word/styles.xml", "word/settings.xml", "docProps/core.xml", "docProps/app.xml"}) {
        SCOPED_TRACE(nome);
        ASSERT_EQ(r.zip.count(nome), 1u);
        std::string errore;
        EXPECT_TRUE(benformato(r.zip[nome], &errore)) << errore;
    }
    EXPECT_NE(r.zip["[Content_Types].xml"].find("PartName=\"/word/document.xml\""),
              std::string::npos);
    EXPECT_NE(r.zip["_rels/.rels"].find("Target=\"word/document.xml\""), std::string::npos);
    EXPECT_NE(r.xml.find("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"), std::string::npos);
    EXPECT_NE(r.xml.find("w:top=\"1134\" w:right=\"1134\" w:bottom=\"1134\" w:left=\"1134\""),
              std::string::npos);
}

TEST(Docx, TablesRowsAndColumnsAsBuilt) {
    Relazione r(esempi::lavoropieno(3, 2));
    // 4 + 3 foundations and the summary of both verdicts, then the
    // limit-state factors and 2 a foundation, and the signature's frame.
    EXPECT_EQ(conta(r.xml, "<w:tbl>"), 16u);
    auto settima = r.xml.find("<w:tbl>");
    for (int i = 1; i < 8; ++i) {
        settima = r.xml.find("<w:tbl>", settima + 1);
    }
    const std::string ultima = r.xml.substr(settima, r.xml.find("</w:tbl>", settima) - settima);
    EXPECT_EQ(conta(ultima, "<w:tr>"), 4u);
    EXPECT_EQ(conta(ultima, "<w:gridCol "), 18u);
    EXPECT_EQ(conta(ultima, "<w:tc>"), 4u * 18u);
    // Column widths fill the text width.
    std::smatch m;
    long somma = 0;
    std::string resto = ultima.substr(0, ultima.find("</w:tblGrid>"));
    while (std::regex_search(resto, m, std::regex("<w:gridCol w:w=\"([0-9]+)\"/>"))) {
        somma += std::stol(m[1]);
        resto = m.suffix();
    }
    EXPECT_NEAR(somma, 11906 - 2 * 1134, 18);
}

TEST(Docx, FontSizesPageBreaksAndAlignment) {
    Relazione r(esempi::lavoroesempio());
    EXPECT_NE(r.xml.find("<w:rFonts w:ascii=\"Century Gothic\""), std::string::npos);
    EXPECT_EQ(r.xml.find("Times New Roman"), std::string::npos);
    EXPECT_EQ(mezzipunti(r.xml, "RELAZIONE SULLA FONDAZIONE"), 40);
    EXPECT_EQ(mezzipunti(r.xml, "(per un edificio in muratura)"), 32);
    EXPECT_EQ(mezzipunti(r.xml, "in località: contrada Santa Lucia"), 28);
    EXPECT_EQ(mezzipunti(r.xml, "Relazione di calcolo"), 36);
    EXPECT_EQ(mezzipunti(r.xml, "Descrizione del fabbricato"), 32);
    EXPECT_EQ(mezzipunti(r.xml, "Tipo di suolo:"), 24);
    EXPECT_EQ(mezzipunti(r.xml, "significato"), 20);
    EXPECT_EQ(mezzipunti(r.xml, "kg/cmq"), 12);
    EXPECT_EQ(mezzipunti(r.xml, "Il progettista"), 24);
    // Bold only where the report asks for it: the missing source of the soil data.
    EXPECT_EQ(conta(r.xml, "<w:b/>"), 1u);
    const auto grassetto = r.xml.find("<w:b/>");
    EXPECT_LT(grassetto, r.xml.find("non indicata"));
    EXPECT_GT(grassetto, r.xml.find("Fonte dei parametri geotecnici"));
    // Three pages opened by their headings, the limit-state section's, and
    // one the keep rules place: the heading of the check's limits goes over
    // with its paragraph.
    EXPECT_EQ(conta(r.xml, "<w:pageBreakBefore/>"), 5u);
    // Justified everywhere but in the right-aligned columns: three of the
    // summary (2 rows), the soil data (12 cells) and the foundation table (4
    // rows of 18); the value column of the limit-state factors (9 rows),
    // actions (8) and resistance (17).
    EXPECT_EQ(conta(r.xml, "<w:jc w:val=\"right\"/>"), 3u * 2u + 12u + 4u * 18u + 9u + 8u + 17u);
    EXPECT_EQ(conta(r.xml, "<w:jc w:val=\"both\"/>") + conta(r.xml, "<w:jc w:val=\"right\"/>"),
              conta(r.xml, "<w:p>"));
}

TEST(Docx, TableLookHeadingRowAndTint) {
    Relazione r(esempi::lavoroesempio());
    const std::string prima = r.xml.substr(r.xml.find("<w:tbl>"));
    const std::string rigatesta = prima.substr(0, prima.find("</w:tr>"));
    EXPECT_EQ(conta(rigatesta, "w:fill=\"1F4E79\""), 2u);
    EXPECT_GE(conta(rigatesta, "<w:color w:val=\"FFFFFF\"/>"), 2u);
    const std::string corpo =
        prima.substr(rigatesta.size(), prima.find("</w:tbl>") - rigatesta.size());
    EXPECT_EQ(conta(corpo, "<w:color "), 0u);
    EXPECT_EQ(conta(corpo, "w:fill=\"DEEAF6\""), 26u);
    EXPECT_NE(prima.find("<w:insideH w:val=\"single\" w:sz=\"8\""), std::string::npos);
}

TEST(Docx, OnlyTheParagraphsTheLayoutShows) {
    Relazione r(esempi::lavoroesempio());
    // "Tipo di suolo:" is followed by its table at once; the description
    // heading by one empty paragraph, then the table.
    const std::string tipo = ">Tipo di suolo:</w:t></w:r></w:p>";
    const auto p = r.xml.find(tipo);
    ASSERT_NE(p, std::string::npos);
    EXPECT_EQ(r.xml.compare(p + tipo.size(), 7, "<w:tbl>"), 0) << r.xml.substr(p, 200);
    const auto descr = r.xml.find(">Descrizione del fabbricato</w:t></w:r></w:p>");
    ASSERT_NE(descr, std::string::npos);
    const std::string tra = r.xml.substr(descr, r.xml.find("<w:tbl>", descr) - descr);
    EXPECT_EQ(conta(tra, "<w:p>"), 1u);
    EXPECT_EQ(conta(tra, "<w:r>"), 0u);
}

TEST(Docx, UnsafeTextsStayValidXml) {
    Lavoro l = esempi::lavoroesempio();
    l[Frontespizio::committente] = "Rossi & Figli <s.r.l.> \"Il Sole\"";
    l[Descrizione::giudizio] = std::string("buono\x07\x0b fine");
    Relazione r(l);
    std::string errore;
    EXPECT_TRUE(benformato(r.xml, &errore)) << errore;
    EXPECT_NE(r.xml.find("committente: Rossi &amp; Figli &lt;s.r.l.&gt; &quot;Il Sole&quot;"),
              std::string::npos);
    EXPECT_NE(r.xml.find(">buono fine<"), std::string::npos);
}

TEST(Pdf, PagesAndTextsAgreeWithTheDocument) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdfinfo")) {
        GTEST_SKIP() << "pdftotext/pdfinfo non disponibili";
    }
    Lavoro l = esempi::lavoropieno(4, 3);
    Relazione r(l);
    esempi::Cartella c;
    const std::string pdf = c / "relazione.pdf";
    esempi::scrivi(pdf, r.pdf.toStdString());
    EXPECT_EQ(esempi::paginepdf(pdf), r.scrittore.contapagine());
    const std::string testo = esempi::testopdf(pdf);
    for (const char* atteso : {"RELAZIONE SULLA FONDAZIONE",
                               "(per un edificio in muratura)",
                               "progetto: Costruzione di un fabbricato per civile abitazione",
                               "progettista: Studio Tecnico Bianchi",
                               "Relazione di calcolo",
                               "Descrizione del fabbricato",
                               "tipologia",
                               "giudizio sulla stabilità terreno-fondazione",
                               "Dati e risultati",
                               "numero",
                               "calcolo",
                               "peso specifico del terreno",
                               "angolo di attrito",
                               "simbolo",
                               "significato",
                               "coefficiente di sicurezza",
                               "Fondazione n. 4",
                               "kg/cmq",
                               "coeff.",
                               "La presente relazione è composta di n.",
                               "Si allegano: tavole da 1 a 5",
                               "Il progettista",
                               "(Studio Tecnico Bianchi)",
                               "timbro e firma"}) {
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
    }
    // Every page but the title page and the statements starts with a heading
    // where a form feed put it.
    EXPECT_NE(testo.find("\fRelazione di calcolo"), std::string::npos);
    EXPECT_NE(testo.find("\fDescrizione del fabbricato"), std::string::npos);
    EXPECT_NE(testo.find("\fDati e risultati"), std::string::npos);
    const std::string font = esempi::esegui("pdffonts " + esempi::virgolette(pdf));
    EXPECT_NE(font.find("URWGothic"), std::string::npos) << font;
}

TEST(LibreOffice, OpensTheDocxAndMakesAPdf) {
    if (!esempi::disponibile("soffice")) {
        GTEST_SKIP() << "soffice non disponibile";
    }
    Relazione r(esempi::lavoropieno(2, 3));
    esempi::Cartella c;
    const std::string docx = c / "relazione.docx";
    const QByteArray byte = r.scrittore.docx();
    esempi::scrivi(docx, byte.toStdString());
    int stato = -1;
    const std::string uscita = inpdf(c, &stato);
    EXPECT_EQ(stato, 0) << uscita;
    const std::string pdf = c / "relazione.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf)) << uscita;
    if (!esempi::disponibile("pdftotext")) {
        return;
    }
    const std::string testo = esempi::testopdf(pdf);
    for (const char* atteso :
         {"RELAZIONE SULLA FONDAZIONE", "Relazione di calcolo", "Descrizione del fabbricato",
          "peso specifico del terreno", "significato", "Fondazione n. 2", "kg/cmq",
          "(Studio Tecnico Bianchi)"}) {
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
    }
    EXPECT_GE(esempi::paginepdf(pdf), 4);
}

TEST(Docx, PageCountFieldFootersAndProperties) {
    Relazione r(esempi::lavoropieno(4, 5));
    const int pagine = r.scrittore.contapagine();
    // The count is a field whose stored result is our count.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.xml, m,
                                  std::regex("composta di n\\. </w:t></w:r><w:fldSimple "
                                             "w:instr=\" NUMPAGES [^\"]*\"><w:r>.*?<w:t>([0-9]+)"
                                             "</w:t></w:r></w:fldSimple>")));
    EXPECT_EQ(std::stoi(m[1]), pagine);
    // "pag. N di M" from the page's fields, the first page without it.
    ASSERT_EQ(r.zip.count("word/footer1.xml"), 1u);
    const std::string& piede = r.zip["word/footer1.xml"];
    EXPECT_TRUE(benformato(piede));
    EXPECT_NE(piede.find(">pag. </w:t>"), std::string::npos);
    EXPECT_NE(piede.find("w:instr=\" PAGE \""), std::string::npos);
    EXPECT_NE(piede.find("w:instr=\" NUMPAGES \""), std::string::npos);
    EXPECT_NE(r.xml.find("<w:footerReference w:type=\"default\" r:id=\"rId3\"/>"),
              std::string::npos);
    EXPECT_NE(r.xml.find("<w:titlePg/>"), std::string::npos);
    EXPECT_NE(r.zip["word/_rels/document.xml.rels"].find("Id=\"rId3\""), std::string::npos);
    EXPECT_NE(r.zip["word/_rels/document.xml.rels"].find("Target=\"footer1.xml\""),
              std::string::npos);
    EXPECT_NE(r.zip["[Content_Types].xml"].find("/word/footer1.xml"), std::string::npos);
    // Title, author and date of the document.
    const std::string& nucleo = r.zip["docProps/core.xml"];
    EXPECT_NE(nucleo.find("<dc:title>Relazione sulla fondazione - Costruzione di un fabbricato "
                          "per civile abitazione</dc:title>"),
              std::string::npos)
        << nucleo;
    EXPECT_NE(nucleo.find("<dc:creator>Studio Tecnico Bianchi</dc:creator>"), std::string::npos);
    EXPECT_TRUE(std::regex_search(nucleo, std::regex("<dcterms:created [^>]*>20[0-9]{2}-")));
    EXPECT_NE(r.zip["docProps/app.xml"].find("<Pages>" + std::to_string(pagine) + "</Pages>"),
              std::string::npos);
}

TEST(Docx, HeadingsKeepWithTablesWhoseHeadingRowsRepeat) {
    Relazione r(esempi::lavoropieno(3, 4));
    // Each foundation heading keeps with the next paragraph.
    for (int f = 1; f <= 3; ++f) {
        const std::string titolo = ">Fondazione n. " + std::to_string(f) + " (";
        const auto dove = r.xml.find(titolo);
        ASSERT_NE(dove, std::string::npos) << titolo;
        const auto p = r.xml.rfind("<w:p>", dove);
        EXPECT_NE(r.xml.substr(p, dove - p).find("<w:keepNext/>"), std::string::npos) << titolo;
    }
    // Two heading rows in each foundation table, one in the description,
    // soil type and legend tables, two in the soil data.
    std::vector<std::size_t> intestazioni;
    for (auto a = r.xml.find("<w:tbl>"); a != std::string::npos; a = r.xml.find("<w:tbl>", a + 1)) {
        const auto b = r.xml.find("</w:tbl>", a);
        intestazioni.push_back(conta(r.xml.substr(a, b - a), "<w:tblHeader/>"));
    }
    // One in each limit-state table, none in the signature's frame.
    EXPECT_EQ(intestazioni,
              (std::vector<std::size_t>{1, 1, 1, 2, 1, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 0}));
    // Without the limit-state section the closing keeps together with the
    // whole last foundation table before it.
    const Relazione senza(esempi::lavoropieno(3, 4), false);
    const std::string ultima =
        senza.xml.substr(senza.xml.rfind("<w:tbl>", senza.xml.rfind("<w:tbl>") - 1));
    EXPECT_EQ(conta(ultima.substr(0, ultima.find("</w:tbl>")), "<w:cantSplit/>"), 6u);
    const auto chiusura = r.xml.find(">La presente relazione");
    const auto firma = r.xml.find(">(Studio Tecnico Bianchi)");
    ASSERT_NE(chiusura, std::string::npos);
    const std::string tratto = r.xml.substr(r.xml.rfind("<w:p>", chiusura), firma - chiusura);
    EXPECT_EQ(conta(tratto, "<w:p>"), conta(tratto, "<w:keepNext/>"));
}

TEST(Pdf, OneTitleInTheInformationAndTheXmpWithinPdfA1Limits) {
    if (!esempi::disponibile("pdfinfo")) {
        GTEST_SKIP() << "pdfinfo non disponibile";
    }
    const std::string prima = "Relazione sulla fondazione - ";
    const std::vector<std::pair<std::string, std::string>> casi{
        {"due\rrighe", prima + "due righe"},
        {"a\r\n\r\nb", prima + "a b"},
        {std::string(40000, 'x'), prima + std::string(8000 - prima.size(), 'x') + "…"},
    };
    for (const auto& [progetto, atteso] : casi) {
        Lavoro l = esempi::lavoroesempio();
        l[Frontespizio::progetto] = progetto;
        ScrittoreDocumento w;
        componirelazione(w, l, studio, false);
        esempi::Cartella c;
        const std::string pdf = c / "r.pdf";
        esempi::scrivi(pdf, w.pdf().toStdString());
        const std::string info = esempi::esegui("pdfinfo " + esempi::virgolette(pdf));
        const auto t = info.find("Title:");
        ASSERT_NE(t, std::string::npos) << info;
        const auto inizio = info.find_first_not_of(' ', t + 6);
        EXPECT_EQ(info.substr(inizio, info.find('\n', inizio) - inizio), atteso);
        const std::string xmp = esempi::esegui("pdfinfo -meta " + esempi::virgolette(pdf));
        EXPECT_NE(xmp.find(">" + atteso + "<"), std::string::npos) << atteso.substr(0, 60);
    }
}

TEST(Pdf, ArchivalPdfWithEmbeddedFonts) {
    Relazione r(esempi::lavoroesempio());
    const std::string pdf = r.pdf.toStdString();
    EXPECT_NE(pdf.find("pdfaid:part=\"1\""), std::string::npos);
    EXPECT_NE(pdf.find("pdfaid:conformance=\"B\""), std::string::npos);
    EXPECT_NE(pdf.find("/OutputIntents"), std::string::npos);
    EXPECT_NE(pdf.find("Relazione sulla fondazione - Costruzione di un fabbricato"),
              std::string::npos);
    if (!esempi::disponibile("pdffonts")) {
        return;
    }
    esempi::Cartella c;
    esempi::scrivi(c.percorso() / "r.pdf", pdf);
    const std::string font = esempi::esegui("pdffonts " + esempi::virgolette(c / "r.pdf"));
    std::istringstream righe(font);
    std::string riga;
    int caratteri = 0;
    while (std::getline(righe, riga)) {
        if (riga.find("TrueType") != std::string::npos ||
            riga.find("Type 1") != std::string::npos || riga.find("CID") != std::string::npos) {
            ++caratteri;
            EXPECT_NE(riga.find(" yes "), std::string::npos) << "not embedded: " << riga;
        }
    }
    EXPECT_GT(caratteri, 0) << font;
}

TEST(Docx, SectionDrawingEmbeddedAsAPicture) {
    Relazione r(esempi::lavoroesempio());
    ASSERT_EQ(r.zip.count("word/media/immagine1.png"), 1u);
    QImage im;
    const std::string& png = r.zip["word/media/immagine1.png"];
    ASSERT_TRUE(im.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                static_cast<int>(png.size()), "PNG"));
    // 144 pixels an inch.
    EXPECT_EQ(im.width(), 2 * std::lround(larghezzasezione * 0.75));
    EXPECT_NE(r.zip["[Content_Types].xml"].find("Extension=\"png\" ContentType=\"image/png\""),
              std::string::npos);
    const std::string& rels = r.zip["word/_rels/document.xml.rels"];
    EXPECT_NE(rels.find("Id=\"rIdImmagine1\""), std::string::npos) << rels;
    EXPECT_NE(rels.find("Target=\"media/immagine1.png\""), std::string::npos) << rels;
    std::string errore;
    EXPECT_TRUE(benformato(rels, &errore)) << errore;
    EXPECT_TRUE(benformato(r.xml, &errore)) << errore;
    EXPECT_EQ(conta(r.xml, "<w:drawing>"), 1u);
    EXPECT_NE(r.xml.find("<a:blip r:embed=\"rIdImmagine1\"/>"), std::string::npos);
    // Its size in EMU, 12700 a point.
    const std::string estensione =
        "<wp:extent cx=\"" + std::to_string(std::llround(larghezzasezione * 0.75 * 12700)) +
        "\" cy=\"" + std::to_string(std::llround(altezzasezione * 0.75 * 12700));
    EXPECT_NE(r.xml.find(estensione), std::string::npos) << estensione;
    // The picture comes after its heading.
    EXPECT_LT(r.xml.find(">Sezione della fondazione n. 1:<"), r.xml.find("<w:drawing>"));
    // Without the section, no picture at all.
    const Relazione senza(esempi::lavoroesempio(), false);
    EXPECT_EQ(senza.zip.count("word/media/immagine1.png"), 0u);
    EXPECT_EQ(senza.xml.find("<w:drawing>"), std::string::npos);
}

// The spacing of the paragraph that holds `testo`, as "line rule".
std::string spaziaturadi(const std::string& xml, const std::string& testo) {
    const auto dove = xml.find(testo);
    if (dove == std::string::npos) {
        return "";
    }
    const auto inizio = xml.rfind("<w:p>", dove);
    const std::string p = xml.substr(inizio, dove - inizio);
    std::smatch m;
    if (!std::regex_search(p, m, std::regex("w:line=\"([0-9]+)\" w:lineRule=\"([a-z]+)\""))) {
        return "";
    }
    return m[1].str() + " " + m[2].str();
}

// Lines stand as far apart in a word processor as in our layout, whatever
// face it takes for the font: LibreOffice's stand-in makes single spacing
// 1.2 times the size, ours 1.225, and long tables ran onto another page.
TEST(Docx, LinesExactlyAsTallAsInTheLayout) {
    Relazione r(esempi::lavoropieno(2, 3));
    EXPECT_EQ(spaziaturadi(r.xml, ">kg/cmq<"), "147 exact");                     // 6 pt
    EXPECT_EQ(spaziaturadi(r.xml, ">significato<"), "245 exact");                // 10 pt
    EXPECT_EQ(spaziaturadi(r.xml, ">Tipo di suolo:<"), "294 exact");             // 12 pt
    EXPECT_EQ(spaziaturadi(r.xml, ">RELAZIONE SULLA FONDAZIONE<"), "490 exact"); // 20 pt
    // A picture's line is as tall as the picture.
    EXPECT_EQ(spaziaturadi(r.xml, "<w:drawing>"), "240 auto");
    EXPECT_EQ(conta(r.xml, "w:lineRule=\"auto\""), conta(r.xml, "<w:drawing>"));
    // The footer's 8 pt line too: it sets where the text of a page ends.
    EXPECT_EQ(spaziaturadi(r.zip["word/footer1.xml"], ">pag. <"), "196 exact");
}

TEST(Png, EveryPixelComesBack) {
    // One pixel, odd widths, rows equal to the one above and rows that are not.
    for (const auto& [w, h] :
         std::vector<std::pair<int, int>>{{1, 1}, {3, 2}, {257, 5}, {64, 64}}) {
        QImage im(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int v = y < h / 2 ? x * 7 + 3 : x * y * 31;
                im.setPixel(x, y, qRgb(v & 0xff, (v >> 3) & 0xff, 255 - (v & 0xff)));
            }
        }
        const QByteArray png = disegni::png(im);
        QImage letta;
        ASSERT_TRUE(letta.loadFromData(png, "PNG")) << w << "x" << h;
        EXPECT_EQ(letta.convertToFormat(QImage::Format_RGB32), im) << w << "x" << h;
    }
}

TEST(Pdf, WorkedExampleHasTheSectionDrawnAsPaths) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdfimages")) {
        GTEST_SKIP() << "pdftotext/pdfimages non disponibili";
    }
    Relazione r(esempi::lavoroesempio());
    esempi::Cartella c;
    const std::string pdf = c / "relazione.pdf";
    esempi::scrivi(pdf, r.pdf.toStdString());
    const int pagine = r.scrittore.contapagine();
    EXPECT_EQ(esempi::paginepdf(pdf), pagine);
    const std::string testo = esempi::testopdf(pdf);
    EXPECT_NE(testo.find("\fVerifica agli stati limite ultimi (NTC 2018)"), std::string::npos);
    EXPECT_NE(testo.find("composta di n. " + std::to_string(pagine) + " pagine."),
              std::string::npos);
    for (const char* atteso : {"119,45", "501,2", "130,76", "0,914", "VERIFICATA"}) {
        EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
    }
    // No picture: the drawing's labels are text, on the page of its heading.
    const std::string elenco = esempi::esegui("pdfimages -list " + esempi::virgolette(pdf));
    EXPECT_EQ(std::count(elenco.begin(), elenco.end(), '\n'), 2) << elenco;
    const auto titolo = testo.find("Sezione della fondazione n. 1:");
    ASSERT_NE(titolo, std::string::npos);
    const auto pagina = testo.find('\f', titolo);
    for (const char* etichetta : {"Ed/B", "Rd/B", "Ed = 119,45 kN/m"}) {
        const auto dove = testo.find(etichetta, titolo);
        EXPECT_LT(dove, pagina) << etichetta;
    }
}

TEST(LibreOffice, ShowsTheSectionDrawingOfTheDocx) {
    if (!esempi::disponibile("soffice") || !esempi::disponibile("pdfimages")) {
        GTEST_SKIP() << "soffice/pdfimages non disponibili";
    }
    Relazione r(esempi::lavoroesempio());
    esempi::Cartella c;
    esempi::scrivi(c / "relazione.docx", r.scrittore.docx().toStdString());
    int stato = -1;
    const std::string uscita = inpdf(c, &stato);
    ASSERT_EQ(stato, 0) << uscita;
    const std::string elenco =
        esempi::esegui("pdfimages -list " + esempi::virgolette(c / "relazione.pdf"));
    // A heading line, a rule, then one line a picture.
    std::istringstream righe(elenco);
    std::string riga;
    int immagini = 0;
    while (std::getline(righe, riga)) {
        int pagina = 0;
        immagini += std::sscanf(riga.c_str(), "%d", &pagina) == 1 ? 1 : 0;
    }
    EXPECT_EQ(immagini, 1) << elenco;
}
