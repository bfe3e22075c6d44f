#include "zocal/resize/clsresize.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using zocal::clsResize;

namespace {

// A resizer on a screen of a known size.
class ResizeSuSchermo : public clsResize {
  public:
    QSize dimensioni{12000, 9000};

  protected:
    QSize schermo() const override { return dimensioni; }
};

// A designed window: a 400 x 300 inner area with a label, a field, a button
// and a frame holding a field of its own.
struct Finestra {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLabel* etichetta = new QLabel("etichetta", form.get());
    QLineEdit* campo = new QLineEdit(form.get());
    QPushButton* tasto = new QPushButton("tasto", form.get());
    QGroupBox* cornice = new QGroupBox("cornice", form.get());
    QLineEdit* interno = new QLineEdit(cornice);

    Finestra() {
        form->resize(400, 300);
        etichetta->setGeometry(10, 20, 60, 17);
        campo->setGeometry(80, 20, 41, 19);
        tasto->setGeometry(300, 250, 73, 25);
        cornice->setGeometry(20, 60, 360, 160);
        interno->setGeometry(16, 72, 41, 19);
    }
    std::vector<QWidget*> controlli() const { return {etichetta, campo, tasto, cornice, interno}; }
};

std::vector<QRect> geometrie(const std::vector<QWidget*>& controlli) {
    std::vector<QRect> g;
    for (QWidget* c : controlli) {
        g.push_back(c->geometry());
    }
    return g;
}

QRect doppio(const QRect& r) {
    return {r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2};
}

} // namespace

TEST(Rilevamento, RegistraLaDisposizioneInTwipsAlPrimoUso) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    EXPECT_TRUE(r.FirstTime());
    EXPECT_EQ(r.RecordedWidth(), 0);

    r.ResizeControls();
    EXPECT_FALSE(r.FirstTime());
    EXPECT_EQ(r.RecordedWidth(), 6000);
    EXPECT_EQ(r.RecordedHeight(), 4500);
    ASSERT_EQ(r.Positions().size(), 5u);
    // The frame's field is a control too, at its place inside the frame.
    const zocal::ControlPosition& interno = r.Positions()[4];
    EXPECT_EQ(interno.Ctl, f.interno);
    EXPECT_EQ(interno.Left, 240);
    EXPECT_EQ(interno.Top, 1080);
    EXPECT_EQ(interno.Width, 615);
    EXPECT_EQ(interno.Height, 285);
}

TEST(Rilevamento, LaChiamataCheRegistraNonScala) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    f.form->resize(800, 600); // not shown: no resize event reaches the resizer yet
    const auto prima = geometrie(f.controlli());
    r.ResizeControls();
    EXPECT_EQ(geometrie(f.controlli()), prima);
    EXPECT_EQ(r.RecordedWidth(), 12000);
}

TEST(Rilevamento, SoloIControlliDellaFinestraNonMenuNeLayoutNeFigliInterni) {
    QWidget form;
    form.resize(300, 200);
    auto* barra = new QMenuBar(&form);
    barra->addMenu("&File")->addAction("&Apri...");
    auto* layout = new QVBoxLayout(&form);
    layout->setMenuBar(barra);
    auto* nellayout = new QLabel("nel layout", &form);
    layout->addWidget(nellayout);
    auto* libero = new QLineEdit(&form);
    libero->setGeometry(5, 150, 50, 20);
    auto* menuvolante = new QMenu(&form); // a window of its own
    menuvolante->addAction("voce");

    const auto elenco = clsResize::controlli(&form);
    ASSERT_EQ(elenco.size(), 1u);
    EXPECT_EQ(elenco[0], libero);

    clsResize r;
    r.setSourceForm(&form);
    r.ResizeControls();
    form.resize(600, 400);
    r.ResizeControls();
    EXPECT_EQ(libero->geometry(), QRect(10, 300, 100, 40));
}

TEST(Scala, IlDoppioDellaMisuraRegistrataRaddoppiaOgniControllo) {
    Finestra f;
    const QFont carattere = f.campo->font();
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    const auto prima = geometrie(f.controlli());

    f.form->resize(800, 600);
    r.ResizeControls();
    const auto dopo = geometrie(f.controlli());
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(dopo[i], doppio(prima[i])) << "controllo " << i;
    }
    EXPECT_EQ(f.campo->font(), carattere);

    // Back to the recorded size: every control exactly where it was.
    f.form->resize(400, 300);
    r.ResizeControls();
    EXPECT_EQ(geometrie(f.controlli()), prima);
}

TEST(Scala, DipendeSoloDallaRegistrazioneEDallaMisuraAttuale) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    // Many small steps must not pile up rounding: the result equals one step.
    for (int w = 400; w >= 137; w -= 7) {
        f.form->resize(w, w * 3 / 4);
        r.ResizeControls();
    }
    f.form->resize(600, 450);
    r.ResizeControls();
    const auto apassi = geometrie(f.controlli());

    Finestra g;
    clsResize s;
    s.setSourceForm(g.form.get());
    s.ResizeControls();
    g.form->resize(600, 450);
    s.ResizeControls();
    EXPECT_EQ(apassi, geometrie(g.controlli()));
    EXPECT_EQ(f.campo->geometry(), QRect(120, 30, 62, 29));
}

TEST(Scala, RapportiDiversiInLarghezzaEAltezza) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    f.form->resize(600, 150);
    r.ResizeControls();
    EXPECT_EQ(f.tasto->geometry(), QRect(450, 125, 110, 13));
}

TEST(Etichette, LeLettereDiconoCosaScalare) {
    Finestra f;
    f.etichetta->setProperty(zocal::proprietatag, "@T");
    f.campo->setProperty(zocal::proprietatag, "campo"); // a plain word: all four
    f.tasto->setProperty(zocal::proprietatag, "@l,w");
    f.interno->setProperty(zocal::proprietatag, "@");
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    f.form->resize(800, 600);
    r.ResizeControls();
    EXPECT_EQ(f.etichetta->geometry(), QRect(10, 40, 60, 17));
    EXPECT_EQ(f.campo->geometry(), QRect(160, 40, 82, 38));
    EXPECT_EQ(f.tasto->geometry(), QRect(600, 250, 146, 25));
    EXPECT_EQ(f.interno->geometry(), QRect(16, 72, 41, 19));
}

TEST(Casi, UnaFinestraSenzaControlliELasciataStare) {
    QWidget form;
    form.resize(200, 100);
    clsResize r;
    r.setSourceForm(&form);
    r.ResizeControls();
    EXPECT_TRUE(r.FirstTime());
    EXPECT_TRUE(r.Positions().empty());
    EXPECT_TRUE(form.updatesEnabled());
}

TEST(Casi, SenzaFinestraNonFaNulla) {
    clsResize r;
    r.ResizeControls();
    r.SizeFormToScreen(75);
    r.ReInitialise();
    EXPECT_TRUE(r.FirstTime());
}

TEST(Casi, UnaFinestraRidottaAIconaELasciataStareERiscalataAlRipristino) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    const auto prima = geometrie(f.controlli());

    f.form->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(f.form->isMinimized());
    f.form->resize(800, 600);
    r.ResizeControls();
    EXPECT_EQ(geometrie(f.controlli()), prima);

    f.form->setWindowState(Qt::WindowNoState); // restored: the resizer catches up
    ASSERT_EQ(f.form->size(), QSize(800, 600));
    EXPECT_EQ(f.campo->geometry(), doppio(prima[1]));
}

TEST(Casi, UnaMisuraRegistrataZeroNonDivideEFaRidisegnare) {
    Finestra f;
    f.form->resize(0, 0);
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    EXPECT_EQ(r.RecordedWidth(), 0);
    const auto prima = geometrie(f.controlli());

    f.form->resize(400, 300);
    r.ResizeControls();
    EXPECT_EQ(geometrie(f.controlli()), prima);
    EXPECT_TRUE(f.form->updatesEnabled());
    EXPECT_EQ(r.RecordedWidth(), 6000); // recorded afresh once there is an area

    f.form->resize(800, 600);
    r.ResizeControls();
    EXPECT_EQ(f.campo->geometry(), doppio(prima[1]));
}

TEST(Casi, UnControlloDistruttoDopoLaRegistrazioneVieneSaltato) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    const QRect tasto = f.tasto->geometry();
    delete f.campo;
    f.form->resize(800, 600);
    r.ResizeControls();
    EXPECT_EQ(f.tasto->geometry(), doppio(tasto));
    EXPECT_TRUE(f.form->updatesEnabled());
}

namespace {
// Notes whether the window could repaint while a control was being moved.
class SpiaDisegno : public QObject {
  public:
    QWidget* form = nullptr;
    int mosse = 0;
    int conDisegno = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
            ++mosse;
            if (form->updatesEnabled()) {
                ++conDisegno;
            }
        }
        return false;
    }
};
} // namespace

TEST(Disegno, SospesoDuranteIlCicloERipresoAllaFine) {
    Finestra f;
    f.form->show();
    SpiaDisegno spia;
    spia.form = f.form.get();
    for (QWidget* c : f.controlli()) {
        c->installEventFilter(&spia);
    }
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    f.form->resize(800, 600); // shown: the resizer follows the new size by itself
    EXPECT_GT(spia.mosse, 0);
    EXPECT_EQ(spia.conDisegno, 0);
    EXPECT_TRUE(f.form->updatesEnabled());
    EXPECT_EQ(f.campo->geometry(), QRect(160, 40, 82, 38));
}

TEST(Disegno, UnaSospensioneDelChiamanteResta) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    f.form->setUpdatesEnabled(false);
    f.form->resize(800, 600);
    r.ResizeControls();
    EXPECT_FALSE(f.form->updatesEnabled());
}

TEST(Schermo, SettantacinquePerCentoCentrato) {
    Finestra f;
    ResizeSuSchermo r;
    r.setSourceForm(f.form.get());
    r.SizeFormToScreen(75);
    EXPECT_FALSE(r.FirstTime());
    EXPECT_EQ(r.RecordedWidth(), 6000);
    EXPECT_EQ(r.RecordedHeight(), 4500);
    // 6750 x 9000 twips at top 1125, left 1500.
    EXPECT_EQ(f.form->geometry(), QRect(100, 75, 600, 450));
    EXPECT_EQ(f.campo->geometry(), QRect(120, 30, 62, 29));
}

TEST(Schermo, LaFinestraDiUnControlloCentraleESpostataIntera) {
    QWidget finestra;
    finestra.resize(500, 400);
    auto* centrale = new QWidget(&finestra);
    centrale->setGeometry(0, 50, 400, 300);
    auto* campo = new QLineEdit(centrale);
    campo->setGeometry(80, 20, 41, 19);
    ResizeSuSchermo r;
    r.dimensioni = QSize(15000, 12000);
    r.setSourceForm(centrale);
    r.SizeFormToScreen(50);
    EXPECT_EQ(finestra.geometry(), QRect(250, 200, 500, 400));
    EXPECT_EQ(r.RecordedWidth(), 6000);
}

TEST(Registrazione, ReInitialiseRegistraLoStatoAttuale) {
    Finestra f;
    clsResize r;
    r.setSourceForm(f.form.get());
    r.ResizeControls();
    f.form->resize(800, 600);
    r.ResizeControls();
    r.ReInitialise();
    EXPECT_EQ(r.RecordedWidth(), 12000);
    const QRect campo = f.campo->geometry();
    f.form->resize(400, 300);
    r.ResizeControls();
    EXPECT_EQ(f.campo->geometry(),
              QRect(campo.x() / 2, campo.y() / 2, campo.width() / 2, campo.height() / 2));
}

TEST(Registrazione, RilasciareIlRidimensionatoreStaccaLaFinestra) {
    Finestra f;
    f.form->show();
    auto r = std::make_unique<clsResize>();
    r->setSourceForm(f.form.get());
    r->ResizeControls();
    r.reset();
    const auto prima = geometrie(f.controlli());
    f.form->resize(800, 600); // no resizer listening any more
    EXPECT_EQ(geometrie(f.controlli()), prima);
}
