// The finished report's pages over a sweep of jobs: the stated page count,
// the closing held together, headings with their tables, heading rows
// repeated on continued tables, the page footers, a one-page title page.
#include "zocal/report/composizione.h"
#include "zocal/report/documento.h"

#include "esempi.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <gtest/gtest.h>

#include <regex>
#include <vector>

using namespace zocal;
using esempi::Lavorazione;

namespace {

const StudioTecnico studio{"Studio Tecnico Bianchi", "via Appia 12, Potenza"};

struct Righe {
    double alto;
    double basso;
};

class Esame {
  public:
    explicit Esame(ScrittoreDocumento& w) : d_(w.documento()), w_(w) {}

    int pagina(double y) const { return static_cast<int>(y / d_->pageSize().height()); }

    Righe righe(const QTextBlock& b) const {
        const QRectF r = d_->documentLayout()->blockBoundingRect(b);
        const QTextLayout* l = b.layout();
        if (l == nullptr || l->lineCount() == 0) {
            return {r.top(), r.bottom()};
        }
        const QTextLine u = l->lineAt(l->lineCount() - 1);
        return {r.top() + l->lineAt(0).y(), r.top() + u.y() + u.height()};
    }
    Righe riga(QTextTable* t, int r) const {
        return righe(t->cellAt(r, 0).firstCursorPosition().block());
    }

    QTextBlock cerca(const QString& inizio, QTextBlock da = {}) const {
        for (QTextBlock b = da.isValid() ? da.next() : d_->begin(); b.isValid(); b = b.next()) {
            if (b.text().startsWith(inizio)) {
                return b;
            }
        }
        return {};
    }

    // The table that begins after a block.
    QTextTable* tabelladopo(const QTextBlock& b) const {
        for (QTextTable* t : w_.tabelle()) {
            if (t->firstPosition() > b.position()) {
                return t;
            }
        }
        return nullptr;
    }

    QTextDocument* d_;
    ScrittoreDocumento& w_;
};

// Pages of a PDF as its page objects say.
int paginepdf(const QByteArray& pdf) {
    static const QRegularExpression pagina("/Type\\s*/Page(?![s\\w])");
    int n = 0;
    for (auto it = pagina.globalMatch(pdf); it.hasNext(); it.next()) {
        ++n;
    }
    return n;
}

void controlla(const Lavorazione& caso, bool conpdf) {
    SCOPED_TRACE(caso.nome);
    Lavoro l = caso.lavoro;
    aggiornarisultati(l.dati);
    ScrittoreDocumento w;
    w.avvia();
    componirelazione(w, l, caso.studio);
    w.giustificatutto();
    allineacolonne(w, l.dati, &l.ntc);
    const int pagine = w.contapagine();
    const Esame e(w);

    // The stated count is the count of the document, and of its PDF.
    const QTextBlock conto = e.cerca("La presente relazione è composta di n. ");
    ASSERT_TRUE(conto.isValid());
    EXPECT_EQ(conto.text(),
              QString("La presente relazione è composta di n. %1 pagine.").arg(pagine));
    EXPECT_EQ(e.d_->pageCount(), pagine);
    if (conpdf) {
        EXPECT_EQ(paginepdf(w.pdf()), pagine);
    }

    // The title page is one page.
    const QTextBlock indirizzo = e.cerca(QString::fromStdString(caso.studio.indirizzo), {});
    const QTextBlock dichiarazioni = e.cerca("Relazione di calcolo");
    ASSERT_TRUE(dichiarazioni.isValid());
    EXPECT_EQ(e.pagina(e.righe(dichiarazioni.previous()).basso - 1), 0) << "title page spills";
    (void)indirizzo;

    // The closing: on one page, with the end of what comes before it.
    const QTextBlock firma = e.cerca("timbro e firma");
    ASSERT_TRUE(firma.isValid());
    const int paginachiusura = e.pagina(e.righe(conto).alto);
    EXPECT_EQ(e.pagina(e.righe(firma).basso - 1), paginachiusura) << "closing split";
    EXPECT_EQ(paginachiusura, pagine - 1);
    QTextBlock prima = conto.previous();
    while (prima.isValid() && prima.length() <= 1 && !QTextCursor(prima).currentTable()) {
        prima = prima.previous();
    }
    ASSERT_TRUE(prima.isValid());
    EXPECT_EQ(e.pagina(e.righe(prima).basso - 1), paginachiusura) << "closing alone on its page";

    // Every foundation heading on the page of its table's first storey, and
    // a table that runs onto a page has its heading rows there too.
    int fondazioni = 0;
    for (QTextBlock h = e.cerca("Fondazione n. "); h.isValid(); h = e.cerca("Fondazione n. ", h)) {
        ++fondazioni;
        QTextTable* t = e.tabelladopo(h);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->format().headerRowCount(), 2);
        const int primariga = t->rows() > 2 ? 2 : t->rows() - 1;
        EXPECT_EQ(e.pagina(e.righe(h).alto), e.pagina(e.riga(t, primariga).alto))
            << h.text().toStdString() << " apart from its table";
        const double intestazione = e.riga(t, 2 < t->rows() ? 2 : 1).alto - e.riga(t, 0).alto;
        for (int r = 3; r < t->rows(); ++r) {
            const int p = e.pagina(e.riga(t, r).alto);
            if (p != e.pagina(e.riga(t, r - 1).alto)) {
                // Room for the repeated heading above the first row there.
                const double cima = p * e.d_->pageSize().height();
                EXPECT_GT(e.riga(t, r).alto - cima, intestazione);
            }
        }
    }
    EXPECT_EQ(fondazioni, std::clamp(l.dati.nfond, 0, maxfond));
}

} // namespace

TEST(Impaginatura, SweepOfJobs) {
    const std::vector<Lavorazione> casi = esempi::sweep();
    for (std::size_t i = 0; i < casi.size(); ++i) {
        // The PDF of every fourth job: drawing is the same code for all.
        controlla(casi[i], i % 4 == 0 || casi[i].nome.starts_with("lunghi"));
    }
}

TEST(Impaginatura, FootersAndRepeatedHeadingsInThePdf) {
    if (!esempi::disponibile("pdftotext")) {
        GTEST_SKIP() << "pdftotext missing";
    }
    for (const auto& [f, p] : {std::pair{7, 10}, std::pair{10, 10}, std::pair{3, 2}}) {
        SCOPED_TRACE(std::to_string(f) + "x" + std::to_string(p));
        Lavoro l = esempi::lavoropieno(f, p);
        esempi::Cartella c;
        ScrittoreDocumento w;
        ASSERT_TRUE(scrivirelazione(w, l, studio, c / "r.docx").riuscita());
        const int pagine = w.contapagine();
        const std::string testo = esempi::esegui(
            "pdftotext -layout -enc UTF-8 " + esempi::virgolette(c / "r.pdf") + " - 2>/dev/null");
        std::vector<std::string> fogli;
        for (std::size_t a = 0, b; a <= testo.size(); a = b + 1) {
            b = testo.find('\f', a);
            b = b == std::string::npos ? testo.size() : b;
            fogli.push_back(testo.substr(a, b - a));
        }
        ASSERT_GE(static_cast<int>(fogli.size()), pagine);
        EXPECT_EQ(fogli[0].find("pag. "), std::string::npos) << "the title page stays clean";
        for (int i = 1; i < pagine; ++i) {
            const std::string piede =
                "pag. " + std::to_string(i + 1) + " di " + std::to_string(pagine);
            EXPECT_NE(fogli[static_cast<std::size_t>(i)].find(piede), std::string::npos) << piede;
        }
        // A page that begins inside a foundation table repeats its symbols
        // and units: every page with storey rows has them.
        for (int i = 3; i < pagine; ++i) {
            const std::string& foglio = fogli[static_cast<std::size_t>(i)];
            if (foglio.find("kg/mq") == std::string::npos &&
                std::regex_search(foglio, std::regex("\\n\\s*[0-9]+\\s+300\\s+200"))) {
                ADD_FAILURE() << "page " << i + 1 << " has storeys without heading rows";
            }
        }
    }
}

TEST(Impaginatura, CountFieldSettlesWhenItsDigitsChange) {
    // Documents of 8 to 12 pages: the field's own width never leaves it
    // stating a count the document does not have.
    const std::string riga(60, 'x');
    for (int righe = 340; righe <= 560; righe += 20) {
        SCOPED_TRACE(righe);
        ScrittoreDocumento w;
        w.carattere("Century Gothic");
        w.nuovoparagrafo();
        w.corpoparagrafo(12);
        for (int i = 0; i < righe; ++i) {
            w.testoparagrafo(riga + "\r");
        }
        w.tieniinsieme(true);
        w.testoparagrafo("composta di n. ");
        w.campopagine();
        w.testoparagrafo(" pagine.");
        w.lasciascorrere();
        const int pagine = w.contapagine();
        const QString ultimo = w.documento()->lastBlock().text();
        EXPECT_EQ(ultimo, QString("composta di n. %1 pagine.").arg(pagine));
    }
}

namespace {

// Lines of text, then a heading kept with a table of six rows, two of them
// heading rows.
void righeetabella(ScrittoreDocumento& w, int righe, const std::string& titolo) {
    w.nuovoparagrafo();
    w.corpoparagrafo(12);
    for (int i = 0; i < righe; ++i) {
        w.testoparagrafo("riga\r");
    }
    w.tieniinsieme(false);
    w.testoparagrafo("\r" + titolo + "\r");
    w.lasciascorrere();
    w.nuovatabella(6, 3);
    w.corpotabella(10);
    for (int r = 1; r <= 6; ++r) {
        w.cella(r, 1, "c" + std::to_string(r));
    }
    w.righeintestazione(2);
}

} // namespace

TEST(Impaginatura, AHeadingNeverEndsAPageWhereverTheTextPutsIt) {
    // The same heading and table pushed down a line at a time across the
    // foot of the first page.
    int spostate = 0;
    for (int righe = 30; righe <= 60; ++righe) {
        SCOPED_TRACE(righe);
        ScrittoreDocumento w;
        w.carattere("Century Gothic");
        righeetabella(w, righe, "Titolo");
        const Esame e(w);
        const QTextBlock titolo = e.cerca("Titolo");
        QTextTable* t = w.tabelle().at(0);
        EXPECT_EQ(e.pagina(e.righe(titolo).alto), e.pagina(e.riga(t, 2).alto));
        spostate += e.pagina(e.righe(titolo).alto) == 1;
    }
    EXPECT_GT(spostate, 0) << "the heading never reached the foot of the page";
}

TEST(Impaginatura, PagesStandAsAFreshLayoutLaysThemOut) {
    // Headings kept with their tables move to the next page while the text
    // is laid out: every line after a move stands where a layout of the
    // finished document, from its first line, puts it.
    ScrittoreDocumento w;
    w.carattere("Century Gothic");
    for (int parte = 0; parte < 24; ++parte) {
        righeetabella(w, 9 + parte * 7 % 23, "Titolo " + std::to_string(parte));
    }
    QTextDocument* d = w.documento();
    const Esame e(w);
    int spostati = 0;
    std::vector<QRectF> posti;
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
        posti.push_back(d->documentLayout()->blockBoundingRect(b));
        if (b.text().startsWith("Titolo")) {
            QTextBlock prima = b.previous();
            while (prima.text().isEmpty()) {
                prima = prima.previous();
            }
            spostati += e.pagina(e.righe(prima).basso) < e.pagina(e.righe(b).alto);
        }
    }
    ASSERT_GT(spostati, 2) << "too few headings start a page";
    const int pagine = d->pageCount();
    d->setPageSize(d->pageSize()); // Qt lays the whole document out again
    EXPECT_EQ(d->pageCount(), pagine);
    auto posto = posti.begin();
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next(), ++posto) {
        ASSERT_EQ(d->documentLayout()->blockBoundingRect(b), *posto) << b.text().toStdString();
    }
}
