// The pages as the writer draws them, against the layout they come from.
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "esempi.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include <zip.h>

using namespace zocal;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

// A band of a page, `alto` to `alto + altezza` from its top, at the layout's
// own resolution: drawn smaller, the two halves of a table line (the
// cell's and its neighbour's) leave a seam between them.
QImage immagine(QTextDocument* d, double alto, double altezza,
                const std::function<void(QPainter&)>& disegna) {
    QImage img(static_cast<int>(d->pageSize().width()), static_cast<int>(altezza),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.translate(0, -alto);
    disegna(p);
    p.end();
    return img;
}

// Page `i` drawn by the document's own layout, as Qt prints a document.
QImage comeqt(QTextDocument* d, int i, double alto, double altezza) {
    return immagine(d, alto, altezza, [&](QPainter& p) {
        const QRectF vista(0, i * d->pageSize().height(), d->pageSize().width(),
                           d->pageSize().height());
        p.translate(0, -vista.top());
        p.setClipRect(vista);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = vista;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        d->documentLayout()->draw(&p, ctx);
    });
}

QImage comewriter(ScrittoreDocumento& w, int i, double alto, double altezza) {
    return immagine(w.documento(), alto, altezza, [&](QPainter& p) { w.disegnapagina(p, i); });
}

// The bands of a page compared.
std::vector<double> bande(const QTextDocument* d) {
    const double h = d->pageSize().height();
    return {0.1 * h, 0.45 * h, 0.8 * h};
}
constexpr double altezzabanda = 600;

int distanza(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Share of the pixels of `a` (every fourth row and column) that `b` does not
// have within a pixel: dark where the other is light, a line or a letter
// where the other has none. The same edge a fraction of a pixel apart, or
// the pale seam Qt leaves between the two halves of a line, does not count.
double mancanti(const QImage& a, const QImage& b) {
    long n = 0;
    long visti = 0;
    for (int y = 1; y + 1 < a.height(); y += 4) {
        for (int x = 1; x + 1 < a.width(); x += 4) {
            ++visti;
            const QRgb pa = a.pixel(x, y);

            bool trovato = false;
            for (int dy = -1; dy <= 1 && !trovato; ++dy) {
                for (int dx = -1; dx <= 1 && !trovato; ++dx) {
                    // An edge pixel half covered lies halfway between a
                    // table's line and its tint, which are 472 apart, or
                    // the white of the page, 535 apart.
                    trovato = distanza(pa, b.pixel(x + dx, y + dy)) <= 270;
                }
            }
            n += !trovato;
        }
    }
    return visti > 0 ? static_cast<double>(n) / visti : 0;
}

double diversi(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 1;
    }
    return std::max(mancanti(a, b), mancanti(b, a));
}

// Pixels that are not white.
long inchiostro(const QImage& a) {
    long n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* r = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            n += (r[x] & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    return n;
}

// The finished report of a job, as the print command leaves it.
void finita(ScrittoreDocumento& w, Lavoro l) {
    aggiornarisultati(l.dati);
    w.avvia();
    componirelazione(w, l, studio);
    w.giustificatutto();
    allineacolonne(w, l.dati, &l.ntc);
}

// Where each line of each block lies and how far its text is shifted.
std::vector<std::array<double, 3>> righe(QTextDocument* d) {
    std::vector<std::array<double, 3>> out;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        const QTextLayout* l = b.layout();
        const double y = d->documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; l != nullptr && i < l->lineCount(); ++i) {
            const QTextLine r = l->lineAt(i);
            out.push_back(
                {y + r.y(), r.naturalTextRect().x(), static_cast<double>(r.textLength())});
        }
    }
    return out;
}

std::string partedocx(const QByteArray& docx, const char* nome = "word/document.xml") {
    zip_error_t err;
    zip_error_init(&err);
    zip_source_t* s =
        zip_source_buffer_create(docx.constData(), static_cast<zip_uint64_t>(docx.size()), 0, &err);
    zip_t* z = s != nullptr ? zip_open_from_source(s, ZIP_RDONLY, &err) : nullptr;
    zip_error_fini(&err);
    std::string xml;
    if (z == nullptr) {
        if (s != nullptr) {
            zip_source_free(s);
        }
        return xml;
    }
    zip_stat_t st;
    if (zip_stat(z, nome, 0, &st) == 0) {
        xml.resize(static_cast<std::size_t>(st.size));
        if (zip_file_t* f = zip_fopen(z, nome, 0)) {
            zip_fread(f, xml.data(), st.size);
            zip_fclose(f);
        }
    }
    zip_close(z);
    return xml;
}

} // namespace

TEST(Pagine, DrawnAsTheLayoutDrawsThem) {
    // Tables with colours and lines, text justified and right-aligned, a
    // table that goes over to the next page (which the job's size decides).
    ScrittoreDocumento w;
    finita(w, esempi::lavoropieno(6, 9));
    QTextDocument* d = w.documento();
    ASSERT_GE(d->pageCount(), 5);
    bool spezzata = false;
    for (QTextTable* t : w.tabelle()) {
        const QTextBlock primo = t->cellAt(0, 0).begin().currentBlock();
        const QTextBlock ultimo = t->cellAt(t->rows() - 1, 0).begin().currentBlock();
        const double h = d->pageSize().height();
        spezzata |= static_cast<int>(d->documentLayout()->blockBoundingRect(primo).top() / h) !=
                    static_cast<int>(d->documentLayout()->blockBoundingRect(ultimo).top() / h);
    }
    EXPECT_TRUE(spezzata) << "no table goes over a page: the case is not tested";
    for (int i = 0; i < d->pageCount(); ++i) {
        long tutto = 0;
        for (double alto : bande(d)) {
            SCOPED_TRACE(std::to_string(i) + " " + std::to_string(alto));
            const QImage mio = comewriter(w, i, alto, altezzabanda);
            tutto += inchiostro(mio);
            EXPECT_LT(diversi(comeqt(d, i, alto, altezzabanda), mio), 0.001);
        }
        EXPECT_GT(tutto, 10000) << i;
    }
}

TEST(Pagine, AParagraphOverManyPagesIsDrawnOnEach) {
    // One paragraph in the page, one in a table cell, each over several
    // pages: every page draws its part of them, as the layout places it.
    ScrittoreDocumento w;
    w.carattere("Century Gothic");
    QString lungo;
    for (int i = 0; i < 1500; ++i) {
        lungo += QString("parola%1 ").arg(i);
    }
    w.scrivi(lungo.toStdString() + "\r");
    w.nuovoparagrafo();
    w.nuovatabella(2, 2);
    w.corpotabella(10);
    w.cella(1, 1, "tipologia");
    w.cella(2, 2, lungo.toStdString());
    w.formatotabella(9);
    w.giustificatutto();
    QTextDocument* d = w.documento();
    ASSERT_GE(d->pageCount(), 5);
    for (int i = 0; i < d->pageCount(); ++i) {
        for (double alto : bande(d)) {
            SCOPED_TRACE(std::to_string(i) + " " + std::to_string(alto));
            const QImage mio = comewriter(w, i, alto, altezzabanda);
            if (i + 1 < d->pageCount()) {
                EXPECT_GT(inchiostro(mio), 1000); // full pages: text in every band
            }
            EXPECT_LT(diversi(comeqt(d, i, alto, altezzabanda), mio), 0.001);
        }
    }
}

TEST(Pagine, TableCellsKeepTheirColoursAndLines) {
    ScrittoreDocumento w;
    w.carattere("Century Gothic");
    w.testoparagrafo("prima\r");
    w.nuovoparagrafo();
    w.nuovatabella(3, 3);
    w.corpotabella(10);
    w.cella(1, 1, "a");
    w.cella(2, 2, "bb");
    w.cella(3, 3, "ccc\rddd");
    w.formatotabella(9);
    w.nuovoparagrafo();
    w.nuovatabella(2, 1); // a single column, no look
    w.cella(1, 1, "sola");
    QTextDocument* d = w.documento();
    const double cima = d->documentLayout()->frameBoundingRect(w.tabelle()[0]).top() - 100;
    const QImage mio = comewriter(w, 0, cima, 1200);
    EXPECT_LT(diversi(comeqt(d, 0, cima, 1200), mio), 0.0002);
    // The look's colours and lines are there: the heading's dark blue, the
    // rows' tint; the plain table's black lines.
    std::set<QRgb> colori;
    for (int y = 0; y < mio.height(); ++y) {
        for (int x = 0; x < mio.width(); ++x) {
            colori.insert(mio.pixel(x, y) & 0xFFFFFF);
        }
    }
    EXPECT_TRUE(colori.count(0x1F4E79));
    EXPECT_TRUE(colori.count(0xDEEAF6));
    EXPECT_TRUE(colori.count(0x000000));
    // Nothing outside the pages.
    const QImage vuota = immagine(d, 0, 600, [&](QPainter& p) { w.disegnapagina(p, 1); });
    EXPECT_EQ(inchiostro(vuota), 0);
}

TEST(Pagine, AlignmentMovesNoLine) {
    // Justified and right-aligned paragraphs break into the same lines at
    // the same heights: only where the text starts on a line changes.
    ScrittoreDocumento w;
    Lavoro l = esempi::lavoropieno(3, 10);
    aggiornarisultati(l.dati);
    componirelazione(w, l, studio);
    const auto prima = righe(w.documento());
    const int pagine = w.contapagine();
    w.giustificatutto();
    allineacolonne(w, l.dati, &l.ntc);
    EXPECT_EQ(w.contapagine(), pagine);
    const auto dopo = righe(w.documento());
    ASSERT_EQ(prima.size(), dopo.size());
    int spostate = 0;
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(prima[i][0], dopo[i][0]) << i;
        EXPECT_EQ(prima[i][2], dopo[i][2]) << i;
        spostate += prima[i][1] != dopo[i][1];
    }
    EXPECT_GT(spostate, 100) << "the right-aligned cells moved";
}

TEST(Pagine, AlignedWithoutANewLayoutAsWithOne) {
    // The finished report drawn from the layout made before the alignment,
    // and again after the document is laid out anew: the same pages.
    ScrittoreDocumento w;
    finita(w, esempi::lavoropieno(3, 10));
    const int pagine = w.contapagine();
    std::vector<QImage> senza;
    QTextDocument* d = w.documento();
    for (int i = 0; i < pagine; ++i) {
        for (double alto : bande(d)) {
            senza.push_back(
                immagine(d, alto, altezzabanda, [&](QPainter& p) { w.disegnapagina(p, i); }));
        }
    }
    // A text edit after the alignment lays the whole document out again.
    ScrittoreDocumento v;
    finita(v, esempi::lavoropieno(3, 10));
    v.testoparagrafo("");
    v.documento();
    ASSERT_EQ(v.contapagine(), pagine);
    std::size_t k = 0;
    for (int i = 0; i < pagine; ++i) {
        for (double alto : bande(d)) {
            SCOPED_TRACE(std::to_string(i) + " " + std::to_string(alto));
            EXPECT_EQ(diversi(senza[k++], comewriter(v, i, alto, altezzabanda)), 0.0);
        }
    }
}

TEST(Pagine, TextAfterTheAlignmentIsLaidOut) {
    ScrittoreDocumento w;
    w.testoparagrafo("uno\r");
    w.nuovoparagrafo();
    w.nuovatabella(2, 2);
    w.cella(1, 1, "x");
    w.giustificatutto();
    w.allineadestra(1, 2);
    EXPECT_EQ(w.contapagine(), 1);
    w.nuovoparagrafo();
    w.testoparagrafo("\fdue");
    EXPECT_EQ(w.contapagine(), 2);
    QTextDocument* d = w.documento();
    const QTextBlock due = d->lastBlock();
    EXPECT_EQ(due.text(), "due");
    EXPECT_EQ(static_cast<int>(d->documentLayout()->blockBoundingRect(due).top() /
                               d->pageSize().height()),
              1);
    EXPECT_GT(inchiostro(comewriter(w, 1, 0, d->pageSize().height() / 3)), 0);
    // The earlier alignments stay.
    EXPECT_TRUE(d->begin().blockFormat().alignment() & Qt::AlignJustify);
    EXPECT_TRUE(w.tabelle()[0]->cellAt(0, 1).begin().currentBlock().blockFormat().alignment() &
                Qt::AlignRight);
}

TEST(Pagine, SavedFilesAreTheDocumentAsItStands) {
    // The DOCX written and zipped beside the drawing of the PDF holds what the writer
    // makes of the document at that moment; the PDF has its pages.
    ScrittoreDocumento w;
    // Each foundation as wide as no other: each its own drawing.
    Lavoro l = esempi::lavoropieno(4, 6);
    for (const char* f : {"1", "2", "3", "4"}) {
        l.dati.largh[static_cast<std::size_t>(std::stoi(f))] = std::string("1,") + f;
    }
    finita(w, l);
    esempi::Cartella c;
    const std::string percorso = c / "rel.docx";
    ASSERT_FALSE(w.salvacome(percorso).has_value());
    const std::string salvato = partedocx(QByteArray::fromStdString(esempi::leggi(percorso)));
    EXPECT_FALSE(salvato.empty());
    const QByteArray adesso = w.docx();
    EXPECT_EQ(salvato, partedocx(adesso));
    // The pictures made while the document was laid out are those of its
    // drawings, each in its place.
    int figure = 0;
    for (int i = 1; i <= 8; ++i) {
        const std::string nome = "word/media/immagine" + std::to_string(i) + ".png";
        const std::string png =
            partedocx(QByteArray::fromStdString(esempi::leggi(percorso)), nome.c_str());
        EXPECT_EQ(png, partedocx(adesso, nome.c_str())) << nome;
        figure += !png.empty();
        for (int k = 1; k < i && !png.empty(); ++k) {
            const std::string altro = "word/media/immagine" + std::to_string(k) + ".png";
            EXPECT_NE(png, partedocx(adesso, altro.c_str())) << nome << " " << altro;
        }
    }
    EXPECT_EQ(figure, 4);
    if (esempi::disponibile("pdfinfo")) {
        EXPECT_EQ(esempi::paginepdf(c / "rel.pdf"), w.contapagine());
    }
}

namespace {

// A word of the PDF and where it stands, in points from the page's top left.
struct Parola {
    std::string testo;
    double x0, y0, x1, y1;
};

// Every page's words, as pdftotext -bbox finds them.
std::vector<std::vector<Parola>> parolepdf(const std::string& pdf) {
    const std::string html = esempi::esegui("pdftotext -bbox " + esempi::virgolette(pdf) + " -");
    std::vector<std::vector<Parola>> pagine;
    std::istringstream righe(html);
    std::string riga;
    while (std::getline(righe, riga)) {
        if (riga.find("<page ") != std::string::npos) {
            pagine.emplace_back();
        }
        Parola p{};
        char testo[512] = {};
        const auto w = riga.find("<word ");
        if (w != std::string::npos && !pagine.empty() &&
            std::sscanf(riga.c_str() + w,
                        "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%511[^<]", &p.x0,
                        &p.y0, &p.x1, &p.y1, testo) == 5) {
            p.testo = testo;
            pagine.back().push_back(p);
        }
    }
    return pagine;
}

} // namespace

TEST(Pagine, ATallCellContinuesOnTheNextPageUnderTheHeadingRow) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdftoppm")) {
        GTEST_SKIP() << "pdftotext/pdftoppm non disponibili";
    }
    constexpr double mm = 72.0 / 25.4;
    constexpr double fondo = (297.0 - 20.0) * mm; // the bottom margin, in points
    for (const std::size_t lunghezza : {500u, 1500u, 5000u, 50000u}) {
        SCOPED_TRACE(std::to_string(lunghezza) + " caratteri per campo");
        Lavoro l = esempi::lavoroesempio();
        for (int k = 0; k < 13; ++k) {
            l[static_cast<Descrizione>(k)] =
                esempi::ripeti("terreno argilloso con lenti sabbiose, ", lunghezza);
        }
        ScrittoreDocumento w;
        componirelazione(w, l, studio);
        esempi::Cartella c;
        const std::string pdf = c / "r.pdf";
        esempi::scrivi(pdf, w.pdf().toStdString());
        const auto pagine = parolepdf(pdf);
        ASSERT_EQ(static_cast<int>(pagine.size()), w.contapagine());

        // The pages of the description: from its heading to the soil's.
        std::size_t prima = 0;
        std::size_t dopo = 0;
        for (std::size_t i = 0; i < pagine.size(); ++i) {
            for (const Parola& p : pagine[i]) {
                prima = p.testo == "Descrizione" && prima == 0 ? i : prima;
                dopo = p.testo == "suolo:" && dopo == 0 ? i : dopo;
            }
        }
        ASSERT_GT(prima, 0u);
        ASSERT_GT(dopo, prima);
        for (std::size_t i = 1; i < pagine.size(); ++i) {
            SCOPED_TRACE("pagina " + std::to_string(i + 1));
            std::vector<Parola> piede;
            for (const Parola& p : pagine[i]) {
                if (p.y1 > fondo) {
                    piede.push_back(p);
                }
            }
            // Below the margin, the footer alone.
            std::string testo;
            for (const Parola& p : piede) {
                testo += (testo.empty() ? "" : " ") + p.testo;
            }
            EXPECT_EQ(testo,
                      "pag. " + std::to_string(i + 1) + " di " + std::to_string(pagine.size()));
            if (i <= prima || i >= dopo) {
                continue;
            }
            // A continued page opens with the heading row, clear of the text.
            const auto cima =
                std::min_element(pagine[i].begin(), pagine[i].end(),
                                 [](const Parola& a, const Parola& b) { return a.y0 < b.y0; });
            ASSERT_NE(cima, pagine[i].end());
            EXPECT_EQ(cima->testo, "tipologia");
            for (const Parola& p : pagine[i]) {
                if (&p != &*cima && p.testo != "valore") {
                    EXPECT_GE(p.y0, cima->y1) << p.testo << " under the heading row";
                }
            }
        }

        // Nothing drawn below the margin but the footer's words: no tint, no
        // border. At 36 dpi, the pages of the description and the next.
        const int ultima = static_cast<int>(std::min(dopo + 1, pagine.size()));
        esempi::esegui("pdftoppm -r 36 -gray -f 2 -l " + std::to_string(ultima) + " " +
                       esempi::virgolette(pdf) + " " + esempi::virgolette(c / "p"));
        int lette = 0;
        for (const auto& f : std::filesystem::directory_iterator(c.percorso())) {
            const std::string nome = f.path().filename().string();
            if (nome.rfind("p-", 0) != 0) {
                continue;
            }
            const int i = std::stoi(nome.substr(2));
            ++lette;
            QImage im;
            ASSERT_TRUE(im.load(QString::fromStdString(f.path().string()))) << nome;
            const double scala = im.height() / (297.0 * mm);
            for (int y = static_cast<int>(fondo * scala) + 1; y < im.height(); ++y) {
                for (int x = 0; x < im.width(); ++x) {
                    if (qGray(im.pixel(x, y)) > 200) {
                        continue;
                    }
                    bool nelpiede = false;
                    for (const Parola& p : pagine[static_cast<std::size_t>(i) - 1]) {
                        nelpiede = nelpiede || (p.y1 > fondo && x >= p.x0 * scala - 2 &&
                                                x <= p.x1 * scala + 2 && y >= p.y0 * scala - 2 &&
                                                y <= p.y1 * scala + 2);
                    }
                    ASSERT_TRUE(nelpiede) << "pagina " << i << ": drawn at " << x << ", " << y;
                }
            }
        }
        EXPECT_EQ(lette, ultima - 1);
    }
}

TEST(Pagine, ALongWordIsBrokenAndNoLineIsSpreadLetterByLetter) {
    if (!esempi::disponibile("pdftotext")) {
        GTEST_SKIP() << "pdftotext non disponibile";
    }
    constexpr double destra = 595.0 - 20.0 * 72.0 / 25.4; // the right margin, in points
    const std::string parola = esempi::ripeti("Fabbricatoperabitazione", 400);
    struct Caso {
        Frontespizio campo;
        Descrizione descrizione;
        std::string titolo, testo;
    };
    for (const Caso& c : {Caso{Frontespizio::progetto, Descrizione::zona, parola, "ordinario"},
                          Caso{Frontespizio::progetto, Descrizione::zona, "villetta",
                               "il fabbricato ricade in " + parola + " zone già note"}}) {
        SCOPED_TRACE(c.testo);
        Lavoro l = esempi::lavoroesempio();
        l[c.campo] = c.titolo;
        l[c.descrizione] = c.testo;
        ScrittoreDocumento w;
        finita(w, l);
        esempi::Cartella d;
        const std::string pdf = d / "r.pdf";
        esempi::scrivi(pdf, w.pdf().toStdString());
        const auto pagine = parolepdf(pdf);
        ASSERT_FALSE(pagine.empty());
        bool etichetta = false;
        std::string tutto;
        for (const auto& pagina : pagine) {
            for (const Parola& p : pagina) {
                etichetta = etichetta || p.testo == "progetto:";
                EXPECT_LE(p.x1, destra + 1) << p.testo;
                tutto += p.testo;
            }
        }
        EXPECT_TRUE(etichetta) << "the label spread letter by letter";
        // Every character of the long word is there, on lines of their own.
        EXPECT_NE(tutto.find(parola.substr(0, 200)), std::string::npos);
    }
}

TEST(Pagine, TextKeepsTwoPointsFromItsCellLines) {
    if (!esempi::disponibile("pdftotext") || !esempi::disponibile("pdftoppm")) {
        GTEST_SKIP() << "pdftotext/pdftoppm non disponibili";
    }
    ScrittoreDocumento w;
    finita(w, esempi::lavoroesempio());
    esempi::Cartella c;
    const std::string pdf = c / "r.pdf";
    esempi::scrivi(pdf, w.pdf().toStdString());
    const auto pagine = parolepdf(pdf);
    ASSERT_GE(pagine.size(), 3u);
    // Page 3, the description: from each first word of a row, left and up
    // to the first line drawn.
    esempi::esegui("pdftoppm -r 288 -gray -f 3 -l 3 " + esempi::virgolette(pdf) + " " +
                   esempi::virgolette(c / "p"));
    QImage im;
    for (const auto& f : std::filesystem::directory_iterator(c.percorso())) {
        if (f.path().filename().string().rfind("p-", 0) == 0) {
            ASSERT_TRUE(im.load(QString::fromStdString(f.path().string())));
        }
    }
    ASSERT_FALSE(im.isNull());
    const double scala = 288.0 / 72.0;
    int viste = 0;
    for (const char* parola : {"consistenza", "lotto", "vicinanze", "frane"}) {
        SCOPED_TRACE(parola);
        const auto p = std::find_if(pagine[2].begin(), pagine[2].end(),
                                    [&](const Parola& q) { return q.testo == parola; });
        ASSERT_NE(p, pagine[2].end());
        const int y = static_cast<int>((p->y0 + p->y1) / 2 * scala);
        const int x = static_cast<int>((p->x0 + p->x1) / 2 * scala);
        int sinistra = static_cast<int>(p->x0 * scala) - 1;
        while (sinistra > 0 && qGray(im.pixel(sinistra, y)) > 128) {
            --sinistra;
        }
        int sopra = static_cast<int>(p->y0 * scala) - 1;
        while (sopra > 0 && qGray(im.pixel(x, sopra)) > 128) {
            --sopra;
        }
        EXPECT_GE(p->x0 - (sinistra + 1) / scala, 1.9);
        EXPECT_GE(p->y0 - (sopra + 1) / scala, 1.9);
        ++viste;
    }
    EXPECT_EQ(viste, 4);
}
