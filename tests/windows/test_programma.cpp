#include "zocal/windows/programma.h"

#include "lavori.h"
#include "shellfinti.h"
#include "zocal/archive/archivio.h"
#include "zocal/archive/recupero.h"
#include "zocal/archive/studio.h"
#include "zocal/core/domande.h"
#include "zocal/core/modzocal.h"
#include "zocal/help/finestreaiuto.h"
#include "zocal/help/sommario.h"
#include "zocal/printouts/registratore.h"
#include "zocal/windows/calcolo.h"
#include "zocal/windows/descrizione.h"
#include "zocal/windows/dialoghiqt.h"
#include "zocal/windows/frontespizio.h"
#include "zocal/windows/splash.h"
#include "zocal/windows/statilimite.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

using zocal::Frontespizio;
using zocal::Icona;
using zocal::Risposta;

namespace {

const zocal::DatiDescrizione descrizioneesempio{"edificio esistente",
                                                "in tufo",
                                                "buona",
                                                "in lastre prefabbricate",
                                                "zona nota",
                                                "il lotto è pianeggiante",
                                                "2,5",
                                                "saranno opportunamente incanalate",
                                                "non esistono altri edifici",
                                                "non esistono canali di scolo naturali",
                                                "non esistono frane in atto",
                                                "sabbioso",
                                                "buono"};
const zocal::DatiFrontespizio frontespizioesempio{"Casa Rossi",         "contrada Santa Lucia",
                                                  "Rossi Mario",        "Potenza",
                                                  "lunedì, 7 dic 2026", "tavole 1-5"};

// Everything a user sees of the job in the three windows.
struct Istantanea {
    std::vector<std::string> campi;
    bool operator==(const Istantanea&) const = default;
};

class Shell : public ::testing::Test {
  protected:
    DialoghiRegistrati dialoghi;
    zocal::SceltaRegistrata stampante;
    LettoreFinto lettore;
    VisoreFinto visore;
    DocumentiFinti documenti;
    IndirizziFinti indirizzi;
    QTemporaryDir cartella;
    std::unique_ptr<zocal::Programma> p;
    std::unique_ptr<zocal::FinestreAiuto> aiuto;

    void SetUp() override {
        ASSERT_TRUE(cartella.isValid());
        p = std::make_unique<zocal::Programma>(dialoghi, stampante, lettore, visore);
        aiuto = std::make_unique<zocal::FinestreAiuto>(dialoghi, documenti, indirizzi,
                                                       [this] { return p->filedati(); });
        zocal::collegaaiuto(*p, *aiuto);
    }
    void TearDown() override {
        aiuto.reset();
        p.reset();
    }

    std::string percorso(const std::string& nome) const {
        return (std::filesystem::path(cartella.path().toStdString()) / nome).string();
    }
    zocal::calcolo& calc() { return *p->finestracalcolo(); }
    zocal::descrizione& descr() { return *p->finestradescrizione(); }
    zocal::frontespizio& front() { return *p->finestrafrontespizio(); }
    QAction* posizione(int finestra, int n) {
        p->finestra(finestra);
        return p->barra(finestra)->strumenti->actions().at(n - 1);
    }
    // The worked example in all three windows.
    void riempi() {
        esempio(p->dati());
        mostralavoro(calc());
        descr().impostatesti(descrizioneesempio);
        front().impostatesti(frontespizioesempio);
    }
    Istantanea istantanea() {
        Istantanea s;
        auto& c = calc();
        const auto testo = [&s](const QString& t) { s.campi.push_back(t.toStdString()); };
        for (auto* e : {c.prof, c.largh, c.Text1, c.pesos, c.coes, c.attr, c.sigmat}) {
            testo(e->text());
        }
        for (auto* l : {c.carlim, c.scater, c.siglav, c.coeff, c.Label1}) {
            testo(l->text());
        }
        testo(c.Combo1->currentText());
        for (int k = 1; k <= 5; ++k) {
            for (zocal::Voce v : zocal::vociingresso) {
                testo(c.campo(v, k)->text());
            }
            testo(c.scar[static_cast<std::size_t>(k)]->text());
            testo(c.scartot[static_cast<std::size_t>(k)]->text());
        }
        for (const auto& t : descr().testi()) {
            s.campi.push_back(t);
        }
        for (const auto& t : front().testi()) {
            s.campi.push_back(t);
        }
        return s;
    }
    std::string salva(const std::string& nome) {
        dialoghi.file.push_back(percorso(nome));
        p->salvanome();
        return p->filedati();
    }
};

std::string leggi(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> voci(const QMenu* menu) {
    std::vector<std::string> out;
    for (const QAction* a : menu->actions()) {
        out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    }
    return out;
}

TEST_F(Shell, StartUpScreenPlaysShowsTheProgramAndWaitsForAClickOrAKey) {
    p->avvia();
    zocal::frmSplash& s = *p->splash();
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(lettore.comandi, (std::vector<std::string>{"open Internet.mid", "play"}));
    EXPECT_EQ(s.Label(1)->text(), "software GIRASOLE");
    EXPECT_EQ(s.Label(2)->text().toStdString(), std::string(24, ' ') + "presenta");
    EXPECT_EQ(s.Label(3)->text(), "Zocal");
    EXPECT_EQ(s.Label(4)->text(), "verifica di fondazioni in muratura");
    EXPECT_EQ(s.Label(5)->text(), "EDIZIONE PROFESSIONALE - VERSIONE 3.04.05");
    EXPECT_EQ(s.Label(7)->text().toStdString(),
              "Avviso: ogni abuso del presente software, compreso il file audio, sarà perseguito "
              "a norma di legge");
    EXPECT_EQ(s.Label(8)->text(),
              "(cliccare sulla finestra per iniziare; premere un tasto per uscire)");
    EXPECT_EQ(p->finestraesistente(1), nullptr) << "no working window before the click";

    QTest::mouseClick(s.Label(4), Qt::LeftButton);
    EXPECT_EQ(lettore.comandi.back(), "pause");
    ASSERT_NE(p->finestraesistente(1), nullptr);
    EXPECT_TRUE(calc().isVisible());
    EXPECT_TRUE(s.isVisible()) << "the screen stays behind the working windows";
    EXPECT_EQ(p->finestraesistente(2), nullptr);

    QTest::keyClick(&s, Qt::Key_Shift);
    EXPECT_TRUE(s.isVisible()) << "a modifier alone is no key";
    QTest::keyClick(&s, Qt::Key_Space);
    EXPECT_EQ(lettore.comandi.back(), "close");
    EXPECT_FALSE(s.isVisible());
}

TEST_F(Shell, TheThreeWindowsShareOneMenuBarWithTheirOwnEntries) {
    const std::vector<std::string> stampe[] = {{},
                                               {"&Modello acquisizione dati", "&Dati finestra"},
                                               {"S&tampa"},
                                               {"&Dati finestra", "&Stampa completa"}};
    const char* esci[] = {"", "Es&ci", "Es&ci", "&Esci"};
    const char* controlla[] = {"", "Controllo &dati immessi", "Controlla &dati immessi",
                               "Controllo &dati immessi"};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        QMainWindow* w = p->finestra(n);
        const zocal::BarraComune& b = *p->barra(n);
        std::vector<std::string> menu;
        for (const QAction* a : w->menuBar()->actions()) {
            menu.push_back(a->text().toStdString());
        }
        EXPECT_EQ(menu, (std::vector<std::string>{"&File", "&Modifica", "&Visualizza", "&?"}));

        std::vector<std::string> file = voci(b.file);
        const QMenu* sottomenu = b.file->actions().at(8)->menu();
        if (n == 2) {
            EXPECT_EQ(sottomenu, nullptr);
            EXPECT_EQ(file.at(8), "S&tampa");
        } else {
            ASSERT_NE(sottomenu, nullptr);
            EXPECT_EQ(file.at(8), "S&tampa");
            EXPECT_EQ(voci(sottomenu), stampe[n]);
        }
        // The five recent files, hidden while unused, stand above the exit.
        EXPECT_EQ(file, (std::vector<std::string>{
                            "&Nuovo", "&Apri...", "-", "&Salva", "Salva con &nome...", "-",
                            "&Elimina...", "-", "S&tampa", "-", "", "", "", "", "", "-", esci[n]}));
        EXPECT_EQ(b.nuovo->shortcut().toString().toStdString(), "Ctrl+N");
        EXPECT_EQ(b.apri->shortcut().toString().toStdString(), "Ctrl+O");
        EXPECT_EQ(b.salva->shortcut().toString().toStdString(), "Ctrl+S");
        EXPECT_EQ(posizione(n, 6)->shortcut().toString().toStdString(), "Ctrl+P");
        EXPECT_EQ(voci(b.modifica),
                  (std::vector<std::string>{"&Colore di sfondo", "Dati dello &studio...", "-",
                                            controlla[n], "-", "C&ancella dati finestra"}));
        EXPECT_EQ(voci(b.visualizza),
                  (std::vector<std::string>{"Finestra Calcolo", "Finestra Descrizione",
                                            "Finestra Frontespizio", "-",
                                            "&Verifica agli stati limite (NTC 2018)"}));
        const char* tasti[] = {"", "Ctrl+A", "Ctrl+B", "Ctrl+C"};
        for (int k = 1; k <= 3; ++k) {
            const QAction* a = b.finestre[static_cast<std::size_t>(k)];
            EXPECT_EQ(a->shortcut().toString().toStdString(), tasti[k]);
            EXPECT_EQ(a->isChecked(), k == n);
        }
        EXPECT_EQ(voci(b.aiuto),
                  (std::vector<std::string>{"&Guida in linea", "&Suggerimenti...",
                                            "&Documento di validazione", "-", "Supporto &prodotto",
                                            "-", "&Informazioni su Zocal"}));
        auto* destra = qobject_cast<QMenuBar*>(w->menuBar()->cornerWidget(Qt::TopRightCorner));
        ASSERT_NE(destra, nullptr);
        ASSERT_EQ(destra->actions().size(), 1);
        EXPECT_EQ(destra->actions().at(0)->text().toStdString(),
                  "Fi&nestra n." + std::to_string(n) + " di 3");
    }
    // The own item keeps its check mark when chosen.
    dialoghi.risposte.push_back(Risposta::no);
    p->barra(1)->finestre[1]->trigger();
    EXPECT_TRUE(p->barra(1)->finestre[1]->isChecked());
}

TEST_F(Shell, TheToolbarHasTwentyOnePositionsAlikeInEveryWindow) {
    const std::vector<std::string> attesi{"apri file",
                                          "salva file",
                                          "salva file con nome",
                                          "elimina file",
                                          "-",
                                          "stampa dati finestra",
                                          "-",
                                          "visualizza finestra 'Calcolo'",
                                          "visualizza finestra 'Descrizione'",
                                          "visualizza finestra 'Frontespizio'",
                                          "visualizza la verifica agli stati limite (NTC 2018)",
                                          "colore di sfondo",
                                          "-",
                                          "guida in linea",
                                          "suggerimenti",
                                          "supporto prodotto",
                                          "informazioni su Zocal",
                                          "-",
                                          "controllo dati immessi",
                                          "cancella dati finestra",
                                          "uscita da Zocal"};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        p->finestra(n);
        const QList<QAction*> azioni = p->barra(n)->strumenti->actions();
        ASSERT_EQ(azioni.size(), zocal::posizionibarra);
        std::vector<std::string> suggerimenti;
        for (const QAction* a : azioni) {
            suggerimenti.push_back(a->isSeparator() ? "-" : a->toolTip().toStdString());
            if (!a->isSeparator()) {
                EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
            }
        }
        EXPECT_EQ(suggerimenti, attesi);
    }
}

TEST_F(Shell, EveryToolbarPictureIsItsOwnAndSharedByTheWindows) {
    std::vector<QImage> immagini;
    for (int k = 1; k <= zocal::posizionibarra; ++k) {
        const QAction* a = posizione(1, k);
        if (a->isSeparator()) {
            continue;
        }
        const QImage im = a->icon().pixmap(QSize(32, 32)).toImage();
        for (const QImage& altra : immagini) {
            EXPECT_NE(im, altra) << "position " << k;
        }
        immagini.push_back(im);
        for (int n = 2; n <= 3; ++n) {
            EXPECT_EQ(posizione(n, k)->icon().pixmap(QSize(32, 32)).toImage(), im)
                << "window " << n << " position " << k;
        }
    }
    EXPECT_EQ(immagini.size(), 17u);
}

TEST_F(Shell, ToolbarPrintCheckAndClearReachEachWindowsOwnCommands) {
    riempi();
    salva("Zocal-dati-esempio");
    posizione(1, 6)->trigger();
    EXPECT_GE(stampante.registratore.rigadi("DATI E RISULTATI"), 0);
    EXPECT_GE(stampante.registratore.rigadi("Progetto: Casa Rossi"), 0);
    posizione(2, 6)->trigger();
    EXPECT_GE(stampante.registratore.rigadi("DESCRIZIONE DEL FABBRICATO"), 0);
    EXPECT_EQ(visore.aperti.size(), 0u);
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    posizione(3, 6)->trigger();
    EXPECT_EQ(visore.aperti.size(), 1u) << "the title page's print button is the full report";
    EXPECT_EQ(stampante.richieste, 2);

    p->barra(3)->file->actions().at(8)->menu()->actions().at(0)->trigger();
    EXPECT_EQ(stampante.richieste, 3) << "the menu's \"&Dati finestra\" prints one page";
    EXPECT_GE(stampante.registratore.rigadi("Studio Bianchi"), 0);

    dialoghi.mostrati.clear();
    posizione(3, 19)->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, "I dati sono stati immessi correttamente.");
    dialoghi.risposte = {Risposta::si, Risposta::si, Risposta::si};
    posizione(3, 20)->trigger();
    EXPECT_EQ(front().testi(), zocal::DatiFrontespizio{});
    posizione(2, 20)->trigger();
    EXPECT_EQ(descr().testi(), zocal::DatiDescrizione{});
    posizione(1, 20)->trigger();
    EXPECT_EQ(p->dati().nfond, 0);
    posizione(1, 19)->trigger();
    EXPECT_EQ(dialoghi.mostrati.back().icona, Icona::esclamazione);
    EXPECT_EQ(dialoghi.mostrati.back().testo.rfind("Non esistono dati riconosciuti:", 0), 0u);
}

TEST_F(Shell, SwitchingWindowsAndTheHelpPromptOfTheWindowItself) {
    p->mostracalcolo();
    p->barra(1)->finestre[2]->trigger();
    ASSERT_NE(p->finestraesistente(2), nullptr);
    EXPECT_TRUE(descr().isVisible());
    EXPECT_TRUE(calc().isVisible()) << "the window left behind stays open";
    EXPECT_TRUE(dialoghi.mostrati.empty());

    dialoghi.risposte.push_back(Risposta::no);
    p->barra(2)->finestre[2]->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0],
              (zocal::Messaggio{"E' questa la finestra 'Descrizione': si vuole la guida della "
                                "finestra?",
                                Icona::domanda, "Zocal: aiuto in linea"}));
    EXPECT_EQ(p->ausiliaria("guidadescrizione"), nullptr) << "No changes nothing";

    dialoghi.risposte.push_back(Risposta::si);
    p->barra(1)->finestre[1]->trigger();
    EXPECT_EQ(dialoghi.mostrati.back().testo,
              "E' questa la finestra 'Calcolo': si vuole la guida della finestra?");
    ASSERT_NE(p->ausiliaria("guidacalcolo"), nullptr);
    EXPECT_TRUE(p->ausiliaria("guidacalcolo")->isVisible());

    const auto domande = dialoghi.mostrati.size();
    p->finestra(3);
    p->barra(3)->finestra->trigger();
    EXPECT_EQ(dialoghi.mostrati.size(), domande) << "the right-hand entry asks nothing";
    ASSERT_NE(p->ausiliaria("guidafrontespizio"), nullptr);
    EXPECT_TRUE(p->ausiliaria("guidafrontespizio")->isVisible());

    // The help and information entries of the toolbar.
    const std::pair<int, const char*> aiuti[] = {
        {14, "sommario"}, {15, "frmTip"}, {16, "supportoclienti"}, {17, "informa"}};
    for (const auto& [n, nome] : aiuti) {
        posizione(2, n)->trigger();
        ASSERT_NE(p->ausiliaria(nome), nullptr) << nome;
        EXPECT_TRUE(p->ausiliaria(nome)->isVisible()) << nome;
        p->ausiliaria(nome)->close();
    }

    // The buttons that lead elsewhere.
    calc().hide();
    descr().hide();
    QTest::mouseClick(calc().cmdavanti, Qt::LeftButton);
    EXPECT_TRUE(descr().isVisible());
    QTest::mouseClick(descr().indietro, Qt::LeftButton);
    EXPECT_TRUE(calc().isVisible());
    QTest::mouseClick(descr().avanti, Qt::LeftButton);
    EXPECT_TRUE(front().isVisible());
    QTest::mouseClick(front().guidainlinea, Qt::LeftButton);
    ASSERT_NE(p->ausiliaria("sommario"), nullptr);
    EXPECT_EQ(p->ausiliaria("sommario")->windowTitle(), "Zocal: guida in linea");
}

TEST_F(Shell, KeyboardReachesTheOtherWindowsAndTheWindowsHelpPage) {
    p->mostracalcolo();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    QTest::keyClick(&calc(), Qt::Key_B, Qt::ControlModifier);
    ASSERT_NE(p->finestraesistente(2), nullptr);
    EXPECT_TRUE(descr().isVisible());
    p->mostracalcolo();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    QTest::keyClick(&calc(), Qt::Key_N, Qt::AltModifier);
    ASSERT_NE(p->ausiliaria("guidacalcolo"), nullptr) << "Alt+N is the right-hand entry";
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// Ctrl+A and Ctrl+C are taken by a text field as select-all and copy unless
// the window claims them; the menus and the help promise them everywhere.
TEST_F(Shell, WindowShortcutsWorkFromEveryField) {
    p->mostracalcolo();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    calc().prof->setFocus();
    calc().prof->setText("1");
    QTest::keyClick(calc().prof, Qt::Key_C, Qt::ControlModifier);
    ASSERT_NE(p->finestraesistente(3), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front()));
    front().progetto->setFocus();
    QTest::keyClick(front().progetto, Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&descr()));
    descr().natura->setFocus();
    QTest::keyClick(descr().natura, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    calc().campo(zocal::Voce::spess, 2)->setFocus();
    QTest::keyClick(calc().campo(zocal::Voce::spess, 2), Qt::Key_A, Qt::ControlModifier);
    // The window itself: the help prompt, not a select-all.
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              "E' questa la finestra 'Calcolo': si vuole la guida della finestra?");
    EXPECT_EQ(calc().prof->text(), "1");
}

// The three working windows open at the same place with the same size, so
// none shows another's buttons below its own.
TEST_F(Shell, TheThreeWindowsHaveTheSameSizeAndPlace) {
    for (int n = 1; n <= 3; ++n) {
        p->finestra(n)->show();
    }
    for (int n = 2; n <= 3; ++n) {
        EXPECT_EQ(p->finestra(n)->size(), p->finestra(1)->size()) << n;
        EXPECT_EQ(p->finestra(n)->pos(), p->finestra(1)->pos()) << n;
        EXPECT_EQ(p->finestra(n)->centralWidget()->size(), p->finestra(1)->centralWidget()->size())
            << n;
    }
}

// On any screen at any scaling (this test runs also on 1600 x 1000 and
// 1600 x 900 screens at 200 % and on a large one): every window on the screen's free area, the
// bottom row of buttons within reach, the limit-state window beside the
// calculation window wherever the screen has room for it.
TEST_F(Shell, WindowsStayOnTheScreenAndTheLimitStateWindowOpensBeside) {
    p->mostracalcolo();
    zocal::calcolo& c = calc();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    const QRect area = c.screen()->availableGeometry();
    for (int n = 1; n <= 3; ++n) {
        QMainWindow* w = p->finestra(n);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_TRUE(area.contains(w->frameGeometry())) << n;
    }
    for (const std::string& nome : zocal::Programma::nomiausiliarie()) {
        p->mostraausiliaria(nome);
        QWidget* w = p->ausiliaria(nome);
        ASSERT_NE(w, nullptr) << nome;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << nome;
        EXPECT_TRUE(area.contains(w->frameGeometry())) << nome;
        w->close();
    }
    auto* scorrimento = c.findChild<QScrollArea*>();
    ASSERT_NE(scorrimento, nullptr);
    scorrimento->ensureWidgetVisible(c.esco, 0, 0);
    EXPECT_TRUE(scorrimento->viewport()->rect().contains(
        QRect(c.esco->mapTo(scorrimento->viewport(), QPoint()), c.esco->size())));

    p->mostrantc();
    zocal::statilimite* n = p->finestrantcesistente();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(n));
    const QRect ntc = n->frameGeometry();
    const QRect calcolo = c.frameGeometry();
    EXPECT_TRUE(area.contains(ntc));
    const QSize minima =
        n->findChild<QScrollArea*>()->widget()->minimumSizeHint() + (ntc.size() - n->size());
    const bool posto = area.right() - calcolo.right() >= minima.width() ||
                       calcolo.left() - area.left() >= minima.width() ||
                       area.bottom() - calcolo.bottom() >= minima.height() ||
                       calcolo.top() - area.top() >= minima.height();
    if (!posto) {
        return;
    }
    EXPECT_FALSE(ntc.intersects(calcolo));
    // Closed and opened again, it comes back where it was.
    n->close();
    p->mostrantc();
    EXPECT_EQ(n->frameGeometry(), ntc);
}

TEST_F(Shell, GreyQuestionGreysAllThreeWindowsEvenUnopenedOnes) {
    EXPECT_EQ(zocal::sfondo(calc()), zocal::grigiochiaro);
    // Grey already: straight to the colour dialog, opening on the window's colour.
    dialoghi.colori.push_back(0x336699u);
    p->barra(1)->colore->trigger();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(dialoghi.coloriiniziali, std::vector<unsigned>{zocal::grigiochiaro});
    EXPECT_EQ(zocal::sfondo(calc()), 0x336699u);
    EXPECT_EQ(p->ultimocolore(), 0x336699u);
    EXPECT_EQ(p->finestraesistente(2), nullptr);

    dialoghi.risposte.push_back(Risposta::si);
    p->colore(1);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0],
              (zocal::Messaggio{"Colori uguali e riposanti (grigio) per tutte le finestre?",
                                Icona::domanda, "Zocal: colore di sfondo"}));
    EXPECT_EQ(dialoghi.coloriiniziali.size(), 1u) << "Yes ends the command";
    for (int n = 1; n <= 3; ++n) {
        ASSERT_NE(p->finestraesistente(n), nullptr);
        EXPECT_EQ(zocal::sfondo(*p->finestraesistente(n)), zocal::grigiochiaro);
    }
}

TEST_F(Shell, ColourDialogColoursOnlyItsWindowAndCancelKeepsIt) {
    dialoghi.colori.push_back(0x112233u);
    p->colore(2);
    EXPECT_EQ(zocal::sfondo(descr()), 0x112233u);
    EXPECT_EQ(zocal::sfondo(calc()), zocal::grigiochiaro);

    // Not grey, but only the calculation window asks the grey question.
    p->colore(2);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(dialoghi.coloriiniziali.back(), 0x112233u) << "opens on the last colour chosen";
    EXPECT_EQ(zocal::sfondo(descr()), 0x112233u) << "cancel keeps the background";

    dialoghi.colori.push_back(0x445566u);
    p->colore(1);
    dialoghi.risposte.push_back(Risposta::no);
    dialoghi.colori.push_back(0x778899u);
    p->colore(1);
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(zocal::sfondo(calc()), 0x778899u) << "No leads to the colour dialog";
    EXPECT_EQ(zocal::sfondo(descr()), 0x112233u);
}

TEST_F(Shell, ExitAsksWithNoAsDefaultThenShowsTheClosingScreenAndKeepsTheJob) {
    p->avvia();
    QTest::mouseClick(p->splash(), Qt::LeftButton);
    riempi();
    salva("Zocal-dati-esempio"); // nothing unsaved: the designed question
    dialoghi.mostrati.clear();
    p->mostradescrizione();
    p->mostrafrontespizio();
    p->mostraausiliaria("informa");
    const Istantanea prima = istantanea();

    QTest::mouseClick(calc().esco, Qt::LeftButton); // no answer scripted: the default
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0], (zocal::Messaggio{"Vuoi uscire da Zocal?", Icona::domanda,
                                                      "Attenzione: i dati non archiviati "
                                                      "andranno persi !"}));
    EXPECT_EQ(dialoghi.nopredefinito, std::vector<bool>{true});
    EXPECT_TRUE(calc().isVisible());
    EXPECT_TRUE(front().isVisible());
    dialoghi.risposte.push_back(Risposta::no);
    posizione(3, 21)->trigger();
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_TRUE(front().isVisible());

    // The help contents window's exit is the program's.
    p->mostraausiliaria("sommario");
    auto* contenuti = qobject_cast<zocal::sommario*>(p->ausiliaria("sommario"));
    ASSERT_NE(contenuti, nullptr);
    dialoghi.risposte.push_back(Risposta::si);
    QTest::mouseClick(contenuti->esco, Qt::LeftButton);
    EXPECT_EQ(dialoghi.mostrati.size(), 3u);
    EXPECT_FALSE(contenuti->isVisible());
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(p->finestraesistente(n)->isVisible()) << n;
    }
    EXPECT_FALSE(p->ausiliaria("informa")->isVisible());
    EXPECT_TRUE(p->splash()->isVisible());
    EXPECT_EQ(p->splash()->Label(2)->text().toStdString(),
              std::string(10, ' ') + "elaborazione eseguita con");
    EXPECT_EQ(lettore.comandi.back(), "play");

    QTest::mouseClick(p->splash()->Label(3), Qt::LeftButton);
    EXPECT_TRUE(calc().isVisible());
    EXPECT_EQ(istantanea(), prima) << "nothing is lost until the program really ends";
}

TEST(UscitaVera, EnterOnTheRealQuestionKeepsTheProgramRunning) {
    zocal::DialoghiQt veri;
    zocal::SceltaRegistrata stampante;
    LettoreFinto lettore;
    VisoreFinto visore;
    zocal::Programma p(veri, stampante, lettore, visore);
    p.mostracalcolo();
    QTimer attesa;
    attesa.setInterval(5);
    QString domanda;
    QObject::connect(&attesa, &QTimer::timeout, &attesa, [&attesa, &domanda] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            attesa.stop();
            domanda = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    attesa.start();
    p.uscita();
    EXPECT_EQ(domanda, "Vuoi uscire da Zocal?");
    EXPECT_TRUE(p.finestracalcolo()->isVisible());
    EXPECT_TRUE(p.splash()->isHidden());
}

TEST_F(Shell, SaveAndOpenRoundTripAFullJobThroughEveryWindow) {
    riempi();
    const Istantanea prima = istantanea();
    ASSERT_EQ(calc().coeff->text(), "3,33");

    dialoghi.file.push_back(percorso("Zocal-dati-rossi"));
    posizione(2, 2)->trigger(); // save, from the description window
    const std::string file = p->filedati();
    ASSERT_EQ(file, percorso("Zocal-dati-rossi"));
    EXPECT_EQ(dialoghi.richieste.size(), 1u);

    dialoghi.risposte = {Risposta::si, Risposta::si, Risposta::si};
    posizione(1, 20)->trigger();
    posizione(2, 20)->trigger();
    posizione(3, 20)->trigger();
    ASSERT_NE(istantanea(), prima);

    dialoghi.file.push_back(file);
    dialoghi.risposte = {Risposta::no}; // the cleared job is not saved
    p->barra(3)->apri->trigger();
    EXPECT_EQ(istantanea(), prima);
    EXPECT_EQ(calc().coeff->text(), "3,33");
    EXPECT_EQ(p->dati().verifica[1].testo(), "verificata");

    // A program started afresh reads the same job.
    DialoghiRegistrati altri;
    LettoreFinto altrolettore;
    zocal::Programma nuovo(altri, stampante, altrolettore, visore);
    altri.file.push_back(file);
    nuovo.apri();
    EXPECT_EQ(nuovo.lavoro().frontespizio, frontespizioesempio);
    EXPECT_EQ(nuovo.lavoro().descrizione, descrizioneesempio);
    EXPECT_EQ(nuovo.finestracalcolo()->coeff->text(), "3,33");
    EXPECT_TRUE(altri.mostrati.empty());
}

TEST_F(Shell, ExampleJobsOpenSaveAndComeBackAlike) {
    for (const char* nome :
         {"Zocal-dati-esempio", "Zocal-dati-due-fondazioni", "Zocal-dati-sigma"}) {
        SCOPED_TRACE(nome);
        dialoghi.file.push_back(std::string(ZOCAL_ESEMPI) + "/" + nome);
        p->apri();
        calc().mostrafondazione(1);
        const Istantanea letto = istantanea();
        // Saved at once: every foundation's results are there for the check.
        const std::string copia = salva(std::string(nome) + "-copia");
        ASSERT_EQ(copia, percorso(std::string(nome) + "-copia"));
        // Only the length warning of a long project title may speak.
        for (const auto& m : dialoghi.mostrati) {
            EXPECT_EQ(m.testo.rfind("Per una stampa corretta", 0), 0u) << m.testo;
        }

        dialoghi.file.push_back(copia);
        p->apri();
        calc().mostrafondazione(1);
        EXPECT_EQ(istantanea(), letto);
        EXPECT_EQ(leggi(salva(std::string(nome) + "-copia2")), leggi(copia));
    }
}

TEST_F(Shell, AJobGivenAtStartOpensAfterTheStartUpScreen) {
    const std::string esempio = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-esempio";
    p->impostafileiniziale(esempio);
    p->avvia();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p->splash()));
    EXPECT_EQ(p->filedati(), "") << "nothing is read before the click";
    QTest::mouseClick(p->splash()->Label(4), Qt::LeftButton);
    EXPECT_EQ(p->filedati(), esempio);
    EXPECT_TRUE(dialoghi.richieste.empty()) << "no dialog asks for the file";
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "the sample opens without a warning";
    // The start-up screen is gone: the first key goes to the first field.
    EXPECT_FALSE(p->splash()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    EXPECT_EQ(QApplication::focusWidget(), calc().prof);
    EXPECT_EQ(calc().coeff->text(), "3,33");
    EXPECT_EQ(front().testi()[static_cast<std::size_t>(zocal::Frontespizio::committente)],
              "Rossi Mario");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    EXPECT_EQ(calc().prof->text(), "10");
    EXPECT_TRUE(calc().isVisible());

    // Only once: coming back to the window later does not read it again.
    calc().prof->setText("2");
    p->mostracalcolo();
    EXPECT_EQ(calc().prof->text(), "2");
}

TEST_F(Shell, AnUnreadableJobGivenAtStartIsToldAndTheJobStaysEmpty) {
    QWidget* genitore = nullptr;
    p->impostagenitore([&genitore](QWidget* w) { genitore = w; });
    p->impostafileiniziale(percorso("Zocal-dati-inesistente"));
    p->avvia();
    QTest::mouseClick(p->splash()->Label(4), Qt::LeftButton);
    EXPECT_EQ(p->filedati(), "");
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NE(dialoghi.mostrati[0].testo.find("file inesistente"), std::string::npos);
    EXPECT_EQ(genitore, &calc()) << "the message stands over the calculation window";
    EXPECT_EQ(p->dati().nfond, 0);
    EXPECT_FALSE(p->splash()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc()));
    EXPECT_EQ(QApplication::focusWidget(), calc().prof);

    // Closing the last working window brings the start-up screen back:
    // the program does not end without its exit question.
    calc().close();
    EXPECT_TRUE(p->splash()->isVisible());
}

// As the program does when started with a job file (`zocal FILE`): no
// start-up screen and no jingle, the job at once, the focus in its first
// field, so that the first key (Enter included) goes to the job.
TEST_F(Shell, AJobOnTheCommandLineSkipsTheStartUpScreen) {
    struct Caso {
        const char* nome;
        std::string file;
        std::string aperto;
        std::size_t messaggi;
    };
    const std::string esempio = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-esempio";
    const Caso casi[] = {
        {"esempio", esempio, esempio, 0},
        {"file mancante", percorso("Zocal-dati-mancante"), "", 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        DialoghiRegistrati altri;
        LettoreFinto musica;
        zocal::Programma q(altri, stampante, musica, visore);
        q.impostafileiniziale(c.file);
        q.mostracalcolo();
        EXPECT_TRUE(musica.comandi.empty()) << "no jingle";
        EXPECT_EQ(q.filedati(), c.aperto);
        EXPECT_EQ(altri.mostrati.size(), c.messaggi);
        zocal::calcolo& w = *q.finestracalcolo();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_FALSE(q.splash()->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), w.prof);
        QTest::keyClick(w.prof, Qt::Key_Return);
        QTest::keyClick(w.prof, Qt::Key_End);
        QTest::keyClick(w.prof, Qt::Key_5);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(altri.mostrati.size(), c.messaggi) << "no exit question";
        EXPECT_TRUE(w.prof->text().endsWith(QLatin1Char('5')));
    }
}

// The last five job files under "File" in every window, most recent first,
// kept for the next start, each opening its job (asking first for changes).
TEST_F(Shell, RecentFilesAreListedKeptAndOpened) {
    const std::filesystem::path lista = percorso("config/recenti");
    p->impostarecenti(lista);
    const auto mostrati = [this](int n) {
        std::vector<std::string> testi;
        for (const QAction* a : p->barra(n)->recenti) {
            if (a->isVisible()) {
                testi.push_back(a->text().toStdString() + " | " + a->toolTip().toStdString());
            }
        }
        return testi;
    };
    p->finestra(1);
    EXPECT_TRUE(mostrati(1).empty());
    riempi();
    const std::string a = salva("Zocal-dati-a");
    const std::string b = salva("Zocal-dati-b & c");
    for (int n = 1; n <= 3; ++n) {
        p->finestra(n);
        EXPECT_EQ(mostrati(n), (std::vector<std::string>{"&1 Zocal-dati-b && c | " + b,
                                                         "&2 Zocal-dati-a | " + a}))
            << n;
    }
    {
        DialoghiRegistrati altri;
        LettoreFinto musica;
        zocal::Programma q(altri, stampante, musica, visore);
        q.impostarecenti(lista);
        EXPECT_EQ(q.recenti(), (std::vector<std::string>{b, a}));
    }
    struct Caso {
        const char* nome;
        Risposta risposta;
        std::string aperto;
    };
    const Caso casi[] = {{"annullato", Risposta::annulla, b}, {"senza salvare", Risposta::no, a}};
    for (const Caso& c : casi) {
        calc().prof->setText("1,2");
        dialoghi.mostrati.clear();
        dialoghi.risposte = {c.risposta};
        p->barra(2)->recenti[1]->trigger();
        ASSERT_FALSE(dialoghi.mostrati.empty()) << c.nome;
        EXPECT_EQ(dialoghi.mostrati[0].testo, "Salvare le modifiche a Zocal-dati-b & c?");
        EXPECT_EQ(p->filedati(), c.aperto) << c.nome;
    }
    EXPECT_EQ(p->recenti(), (std::vector<std::string>{a, b})) << "the one opened goes first";
    EXPECT_EQ(zocal::leggirecenti(lista), p->recenti());
}

// A job file dropped on a window, or on one of its fields, opens as the job
// (never pasted as text); two files, a web address or a text open nothing.
TEST_F(Shell, AJobFileDroppedOnAWindowOpensAndNothingElseDoes) {
    const std::string esempio = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-esempio";
    const std::string sigma = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-sigma";
    struct Caso {
        const char* nome;
        QList<QUrl> indirizzi;
        bool sulcampo;
        bool apre;
    };
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(esempio));
    const Caso casi[] = {
        {"un file sulla finestra", {file}, false, true},
        {"un file su un campo", {file}, true, true},
        {"due file", {file, QUrl::fromLocalFile(QString::fromStdString(sigma))}, false, false},
        {"un indirizzo web", {QUrl("https://esempio.invalid/Zocal-dati-esempio")}, true, false},
        {"un testo", {}, false, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        p->nuovo();
        ASSERT_EQ(p->filedati(), "");
        QWidget* bersaglio = c.sulcampo ? static_cast<QWidget*>(calc().prof) : &calc();
        // As a file manager drags a file: its address and its path as text.
        QMimeData dati;
        dati.setText(c.indirizzi.isEmpty() ? QStringLiteral("1,5")
                                           : c.indirizzi.front().toLocalFile());
        dati.setUrls(c.indirizzi);
        QDragEnterEvent entra(QPoint(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bersaglio, &entra);
        if (c.sulcampo && !c.apre) {
            continue; // the field's own business, as for any text
        }
        EXPECT_EQ(entra.isAccepted(), c.apre);
        if (entra.isAccepted()) {
            QDropEvent lascia(QPointF(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bersaglio, &lascia);
        }
        EXPECT_EQ(p->filedati(), c.apre ? esempio : "");
        EXPECT_FALSE(calc().prof->text().contains(QLatin1String("Zocal-dati")));
    }
    // Off the fields, a drop reaches the window: nothing in between takes it.
    QWidget* w = calc().superficie;
    while (w != nullptr && !w->acceptDrops()) {
        w = w->parentWidget();
    }
    EXPECT_EQ(w, &calc());
}

// "Dati dello studio...": asked with the office's present data, written to
// the office's file and shown on the title page at once; a cancel or a file
// that cannot be written changes nothing.
TEST_F(Shell, TheOfficesDataAreWrittenAndTakeEffectAtOnce) {
    const std::filesystem::path file = percorso("config/Zocal/StudioZocal.TXT");
    p->impostafilestudio(file);
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    struct Caso {
        const char* nome;
        std::optional<std::array<std::string, 2>> risposta;
        std::string byte;
        std::string nome_mostrato;
        bool errore;
    };
    const Caso casi[] = {
        {"scritto", std::array<std::string, 2>{"Studio Città", "piazza Duomo 2"},
         "Studio Città\npiazza Duomo 2\n", "Studio Città", false},
        {"annullato", std::nullopt, "Studio Città\npiazza Duomo 2\n", "Studio Città", false},
        {"un a capo resta sulla sua riga", std::array<std::string, 2>{"Studio\nVerdi", "via Po 3"},
         "Studio Verdi\nvia Po 3\n", "Studio Verdi", false},
    };
    std::string prima = "Studio Bianchi";
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        dialoghi.compilati = {c.risposta};
        dialoghi.mostrati.clear();
        p->datistudio();
        ASSERT_FALSE(dialoghi.moduli.empty());
        EXPECT_EQ(dialoghi.moduli.back().titolo, "Zocal: dati dello studio");
        EXPECT_EQ(dialoghi.moduli.back().valori[0], prima) << "starts on the office's data";
        EXPECT_EQ(leggi(file.string()), c.byte);
        EXPECT_EQ(p->studio().nome, c.nome_mostrato);
        EXPECT_EQ(front().Labelstudio->text().toStdString(), c.nome_mostrato);
        EXPECT_TRUE(dialoghi.mostrati.empty());
        prima = c.nome_mostrato;
    }
    // Its folder is a file: told, and the office stays as it was.
    std::ofstream(percorso("nonunacartella")) << "x";
    p->impostafilestudio(std::filesystem::path(percorso("nonunacartella")) / "StudioZocal.TXT");
    dialoghi.compilati = {std::array<std::string, 2>{"Altro", "altrove"}};
    p->datistudio();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].icona, Icona::stop);
    EXPECT_EQ(p->studio().nome, "Studio Verdi");
    EXPECT_EQ(front().Labelstudio->text(), "Studio Verdi");
}

TEST(Identita, NoNameIsAppendedToTheTitles) {
    const QString prima = QCoreApplication::applicationName();
    zocal::identitaapplicazione();
    EXPECT_EQ(QCoreApplication::applicationName(), "Zocal");
    // A display name would be appended by the platform to every title;
    // without one the display name follows the application's name.
    QCoreApplication::setApplicationName(QStringLiteral("prova"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "prova");
    QCoreApplication::setApplicationName(prima);
}

TEST_F(Shell, AnIncompleteJobIsSavedWithAWordAndTheNextCheckSpeaks) {
    calc().prof->setText("1");
    dialoghi.file.push_back(percorso("Zocal-dati-x"));
    p->salva();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, "Il lavoro è stato salvato, ma è incompleto:\r"
                                          "Attenzione: non ancora vengono inseriti dati per "
                                          "controllare i piani!");
    EXPECT_TRUE(std::filesystem::exists(percorso("Zocal-dati-x")));
    EXPECT_FALSE(p->modificato());
    EXPECT_EQ(calc().controllosilenzioso, 0);
    calc().controlla_click();
    EXPECT_EQ(dialoghi.mostrati.back().testo,
              "Attenzione: non ancora vengono inseriti dati per controllare i piani!");
}

// Work is never lost unasked: every command that leaves the job asks when
// it changed since it was saved, and only then. Each case: the command, the
// answer, whether the job must still be on screen, whether it is saved.
TEST_F(Shell, CommandsThatLeaveAChangedJobAskToSaveItFirst) {
    struct Caso {
        const char* nome;
        std::function<void(zocal::Programma&)> comando;
        Risposta risposta;
        bool resta;
        bool salvato;
    };
    const std::string altro = std::string(ZOCAL_ESEMPI) + "/Zocal-dati-sigma";
    const Caso casi[] = {
        {"chiusura annulla", [](zocal::Programma& q) { q.finestracalcolo()->close(); },
         Risposta::annulla, true, false},
        {"nuovo annulla", [](zocal::Programma& q) { q.nuovo(); }, Risposta::annulla, true, false},
        {"nuovo no", [](zocal::Programma& q) { q.nuovo(); }, Risposta::no, false, false},
        {"nuovo sì", [](zocal::Programma& q) { q.nuovo(); }, Risposta::si, false, true},
        {"apri no", [](zocal::Programma& q) { q.apri(); }, Risposta::no, false, false},
        {"apri annulla", [](zocal::Programma& q) { q.apri(); }, Risposta::annulla, true, false},
        {"trascinato sì", [&](zocal::Programma& q) { q.aprifile(altro); }, Risposta::si, false,
         true},
        {"esci annulla", [](zocal::Programma& q) { q.uscita(); }, Risposta::annulla, true, false},
        {"esci sì", [](zocal::Programma& q) { q.uscita(); }, Risposta::si, true, true},
        {"tasto annulla",
         [](zocal::Programma& q) {
             q.splash()->show();
             QTest::keyClick(q.splash(), Qt::Key_A);
             EXPECT_TRUE(q.splash()->isVisible());
         },
         Risposta::annulla, true, false},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        dialoghi.mostrati.clear();
        dialoghi.file.clear();
        p->mostracalcolo();
        riempi();
        const std::string nome = std::string("Zocal-dati-") + k.nome;
        const std::string file = salva(nome);
        EXPECT_FALSE(p->modificato());
        EXPECT_EQ(calc().windowTitle().toStdString(), "Zocal: finestra di calcolo - " + nome);
        calc().prof->setText("1,2");
        EXPECT_TRUE(p->modificato());
        EXPECT_EQ(calc().windowTitle().toStdString(), "Zocal: finestra di calcolo - " + nome + "*");
        dialoghi.mostrati.clear();
        dialoghi.risposte = {k.risposta};
        dialoghi.file = {altro};
        k.comando(*p);
        ASSERT_FALSE(dialoghi.mostrati.empty());
        EXPECT_EQ(dialoghi.mostrati[0], zocal::domandamodifiche(file));
        EXPECT_EQ(dialoghi.mostrati[0].testo, "Salvare le modifiche a " + nome + "?");
        EXPECT_EQ(p->dati().prof[1] == "1,2", k.resta);
        zocal::Lavoro letto;
        ASSERT_TRUE(zocal::aprilavoro(file, letto).riuscita());
        EXPECT_EQ(letto.dati.prof[1] == "1,2", k.salvato);
        if (std::string(k.nome).rfind("esci", 0) == 0) {
            EXPECT_EQ(calc().isVisible(), k.risposta == Risposta::annulla);
        }
    }
    // Unchanged: no question at all.
    riempi();
    salva("Zocal-dati-prova");
    dialoghi.mostrati.clear();
    p->nuovo();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(p->dati().nfond, 0);
    EXPECT_EQ(p->filedati(), "");
    EXPECT_EQ(calc().windowTitle(), "Zocal: finestra di calcolo");
}

// A crash loses at most a minute: the copy is written while there are
// changes, offered at the next start, and gone after a save or a clean exit.
TEST_F(Shell, TheRecoveryCopyIsWrittenOfferedAndRemoved) {
    const std::filesystem::path cartella = percorso("recupero");
    p->impostarecupero(cartella);
    p->mostracalcolo();
    riempi();
    p->salvarecupero();
    const std::filesystem::path copia = p->recupero()->file();
    ASSERT_TRUE(std::filesystem::exists(copia));
    salva("Zocal-dati-r");
    EXPECT_FALSE(std::filesystem::exists(copia)) << "a save removes it";
    calc().prof->setText("1,4");
    p->salvarecupero();
    ASSERT_TRUE(std::filesystem::exists(copia));

    // As if the program had died: the copy is renamed after a process
    // that no longer runs, and a new program finds it.
    std::filesystem::rename(copia, cartella / "Zocal-recupero-999999999");
    std::filesystem::rename(copia.string() + ".percorso",
                            cartella / "Zocal-recupero-999999999.percorso");
    DialoghiRegistrati altri;
    LettoreFinto altrolettore;
    zocal::Programma nuovo(altri, stampante, altrolettore, visore);
    nuovo.impostarecupero(cartella);
    altri.risposte = {Risposta::si};
    nuovo.mostracalcolo();
    ASSERT_EQ(altri.mostrati.size(), 1u);
    EXPECT_NE(altri.mostrati[0].testo.find("Zocal-dati-r"), std::string::npos);
    EXPECT_EQ(nuovo.dati().prof[1].testo(), "1,4");
    EXPECT_EQ(nuovo.filedati(), percorso("Zocal-dati-r"));
    EXPECT_TRUE(nuovo.modificato());
    EXPECT_EQ(nuovo.lavoro().frontespizio, frontespizioesempio);
    EXPECT_FALSE(std::filesystem::exists(cartella / "Zocal-recupero-999999999"));

    // A clean exit leaves nothing behind.
    altri.risposte = {Risposta::no};
    nuovo.uscita();
    EXPECT_TRUE(std::filesystem::is_empty(cartella));
}

TEST_F(Shell, OpeningAMalformedFileKeepsTheJob) {
    riempi();
    const std::string buono = salva("Zocal-dati-buono");
    const Istantanea prima = istantanea();
    const std::string rotto = percorso("Zocal-dati-rotto");
    std::ofstream(rotto, std::ios::binary) << "2\r\n\"1\",\"0,6\",2,\"1\"\r\n\"300\"\r\n";
    dialoghi.file.push_back(rotto);
    p->apri();
    EXPECT_EQ(istantanea(), prima);
    EXPECT_EQ(p->filedati(), buono);
    ASSERT_FALSE(dialoghi.mostrati.empty());
    EXPECT_EQ(dialoghi.mostrati.back().icona, Icona::stop);
}

TEST_F(Shell, CancellingEveryDialogChangesNothing) {
    riempi();
    const std::string file = salva("Zocal-dati-a");
    const Istantanea prima = istantanea();
    const auto file_prima = std::filesystem::last_write_time(file);
    stampante.annulla = true;
    for (int n = 1; n <= 3; ++n) {
        p->barra(n)->salvanome->trigger();
        p->barra(n)->apri->trigger();
        p->barra(n)->elimina->trigger();
        p->barra(n)->colore->trigger();
    }
    posizione(1, 6)->trigger();
    posizione(2, 6)->trigger();
    p->stampamodello();
    p->stampafrontespizio();
    EXPECT_EQ(istantanea(), prima);
    EXPECT_EQ(p->filedati(), file);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::last_write_time(file), file_prima);
    EXPECT_EQ(zocal::sfondo(calc()), zocal::grigiochiaro);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(stampante.registratore.documenti(), 0);
}

TEST_F(Shell, ReportOfTheWorkedExampleIsSavedBesideTheJobAndOpened) {
    riempi();
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    salva("Zocal-dati-rossi");
    calc().mostrafondazione(1);
    p->dati().coeff[1] = zocal::Cella(); // a stale result the report must not print
    std::vector<std::string> stati;
    QObject::connect(p.get(), &zocal::Programma::statorelazione,
                     [&stati](const QString& t) { stati.push_back(t.toStdString()); });

    QTest::mouseClick(front().stampa, Qt::LeftButton);
    // The status says where the report went, not which program showed it.
    const std::string dove = "Zocal-RelazioneZocal-Rossi Mario.docx nella cartella " +
                             std::filesystem::path(percorso("x")).parent_path().string();
    EXPECT_EQ(stati, (std::vector<std::string>{"sto caricando WORD",
                                               "relazione salvata e aperta: " + dove}));
    EXPECT_EQ(front().passo->text().toStdString(), "relazione salvata e aperta: " + dove);
    const std::string docx = percorso("Zocal-RelazioneZocal-Rossi Mario.docx");
    EXPECT_TRUE(std::filesystem::file_size(docx) > 0);
    EXPECT_TRUE(std::filesystem::file_size(percorso("Zocal-RelazioneZocal-Rossi Mario.pdf")) > 0);
    EXPECT_EQ(visore.aperti, std::vector<std::string>{docx});
    EXPECT_EQ(visore.anteprime, 0);
    EXPECT_EQ(p->dati().coeff[1].testo(), "3,33") << "results refreshed first";
    EXPECT_TRUE(dialoghi.mostrati.empty());

    // Where no application opens the document, our own preview shows it.
    visore.riesce = false;
    p->barra(3)->file->actions().at(8)->menu()->actions().at(1)->trigger();
    EXPECT_EQ(visore.anteprime, 1);
    EXPECT_EQ(visore.titoli, std::vector<std::string>{"Zocal: anteprima della relazione"});
    EXPECT_GE(visore.paginetemporanee, 4);
    EXPECT_EQ(front().passo->text().toStdString(),
              "relazione salvata: " + dove + " (mostrata in anteprima)");
}

// The help menu's validation document: written where the program keeps it
// and opened, or shown in the preview when nothing opens it.
TEST_F(Shell, TheValidationDocumentIsWrittenAndOpened) {
    const std::string pdf = percorso("cache/Zocal-validazione.pdf");
    p->impostafilevalidazione(pdf);
    p->finestra(1);
    p->barra(1)->validazione->trigger();
    EXPECT_EQ(visore.aperti, std::vector<std::string>{pdf});
    EXPECT_GT(std::filesystem::file_size(pdf), 10000u);
    EXPECT_EQ(visore.anteprime, 0);
    visore.riesce = false;
    p->barra(1)->validazione->trigger();
    EXPECT_EQ(visore.anteprime, 1);
    EXPECT_EQ(visore.titoli, std::vector<std::string>{"Zocal: documento di validazione"});
    EXPECT_GT(visore.paginetemporanee, 5);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// No report of nothing, and none of a failing foundation unasked. Each
// case: the job, the answer, the question's start, whether it is written.
TEST_F(Shell, AReportWithoutDataIsRefusedAndOfAFailingFoundationAskedFor) {
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    struct Caso {
        const char* nome;
        void (*prepara)(zocal::DatiCalcolo&);
        Risposta risposta;
        const char* messaggio;
        bool scritta;
    };
    const Caso casi[] = {
        {"vuota", [](zocal::DatiCalcolo& d) { d.cancella(); }, Risposta::si,
         "Non esistono dati: la relazione non viene prodotta.", false},
        {"no", [](zocal::DatiCalcolo& d) { d.largh[1] = "0,4"; }, Risposta::no,
         "La fondazione n. 1 non è verificata.\rProdurre comunque la relazione?", false},
        {"sì", [](zocal::DatiCalcolo& d) { d.largh[1] = "0,4"; }, Risposta::si,
         "La fondazione n. 1 non è verificata.\rProdurre comunque la relazione?", true},
        {"verificata", [](zocal::DatiCalcolo&) {}, Risposta::no, nullptr, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        riempi();
        k.prepara(p->dati());
        mostralavoro(calc());
        dialoghi.mostrati.clear();
        dialoghi.risposte = {k.risposta};
        visore.aperti.clear();
        p->relazione();
        if (k.messaggio) {
            ASSERT_FALSE(dialoghi.mostrati.empty());
            EXPECT_EQ(dialoghi.mostrati[0].testo, k.messaggio);
        } else {
            EXPECT_TRUE(dialoghi.mostrati.empty());
        }
        EXPECT_EQ(visore.aperti.size(), k.scritta ? 1u : 0u);
    }
}

// "Cancella dati" leaves no trace of the job: the limit-state choices, the
// foundation shown and the highlighted storey number go with the data.
TEST_F(Shell, ClearingTheDataClearsEveryTraceOfTheJob) {
    zocal::Lavoro l = p->lavoro();
    esempio(l.dati);
    l.ntc.ngamma = zocal::FormulaNgamma::vesic;
    l.ntc.g2definiti = true;
    p->mostralavoro(l);
    calc().HScroll1->setValue(3);
    QTest::mouseMove(calc().num[2]);
    calc().cancella_click();
    EXPECT_TRUE(p->opzionintc().predefinite());
    EXPECT_EQ(calc().fondcorrente(), 1);
    EXPECT_EQ(calc().Label1->text(), "1");
    EXPECT_EQ(calc().num[2]->palette().color(QPalette::Window), QColor(0, 255, 255));
    // The empty width shows the 0,50 m the calculation takes, and holds nothing.
    EXPECT_EQ(calc().largh->placeholderText(), "0,50");
    EXPECT_EQ(calc().largh->text(), "");
}

TEST_F(Shell, ReportWithoutTheStudioNameIsAskedForFirst) {
    riempi();
    salva("Zocal-dati-rossi");
    const QString passo = front().passo->text();
    const std::string docx = percorso("Zocal-RelazioneZocal-Rossi Mario.docx");
    // No: nothing is written and nothing changes.
    dialoghi.risposte.push_back(zocal::Risposta::no);
    p->relazione();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    const zocal::Messaggio& domanda = dialoghi.mostrati[0];
    EXPECT_EQ(domanda.icona, Icona::domanda);
    EXPECT_EQ(domanda.titolo, "Zocal: controllo dati immessi nella finestra attiva");
    EXPECT_NE(domanda.testo.find("StudioZocal.TXT"), std::string::npos) << domanda.testo;
    EXPECT_NE(domanda.testo.find("Produrre comunque la relazione?"), std::string::npos);
    ASSERT_FALSE(dialoghi.nopredefinito.empty());
    EXPECT_TRUE(dialoghi.nopredefinito.back()) << "No is the default";
    EXPECT_FALSE(std::filesystem::exists(docx));
    EXPECT_EQ(front().passo->text(), passo);
    EXPECT_TRUE(visore.aperti.empty());
    // Yes: the report is made as it stands.
    dialoghi.risposte.push_back(zocal::Risposta::si);
    p->relazione();
    EXPECT_TRUE(std::filesystem::exists(docx));
    EXPECT_EQ(visore.aperti, std::vector<std::string>{docx});
    // With the name set nobody is asked.
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    dialoghi.mostrati.clear();
    p->relazione();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(visore.aperti.size(), 2u);
}

TEST_F(Shell, ReportThatCannotBeSavedIsToldAndTheStatusSaysSo) {
    riempi();
    p->impostastudio({"Studio Bianchi", "via Roma 1"}, "");
    std::filesystem::create_directory(percorso("lavori"));
    salva("lavori/Zocal-dati-rossi");
    std::filesystem::remove_all(percorso("lavori"));
    std::vector<std::string> stati;
    QObject::connect(p.get(), &zocal::Programma::statorelazione,
                     [&stati](const QString& t) { stati.push_back(t.toStdString()); });
    p->relazione();
    ASSERT_EQ(stati.size(), 2u);
    EXPECT_EQ(stati[1], "la relazione non è stata prodotta");
    EXPECT_EQ(front().passo->text().toStdString(), "la relazione non è stata prodotta");
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].icona, Icona::stop);
    EXPECT_NE(dialoghi.mostrati[0].testo.find("Zocal-RelazioneZocal-Rossi Mario"),
              std::string::npos)
        << dialoghi.mostrati[0].testo;
    EXPECT_TRUE(visore.aperti.empty());
}

} // namespace
