#include "zocal/windows/splash.h"

#include "immagini.h"

#include "zocal/core/modzocal.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace zocal {

namespace {

constexpr int larghezza = 560;
constexpr int altezza = 340;

// Two faces for the whole screen: the program's name in a large bold one,
// and the rest in the desktop's own font, which the windows load anyway.
// Each further size or weight would cost a font lookup of its own while
// the program starts.
enum class Corpo { testo, titolo };

QLabel* etichetta(QWidget* genitore, const QString& testo, int x, int y, int w, int h, Corpo corpo,
                  const QColor& colore,
                  Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(testo, genitore);
    l->setGeometry(x, y, w, h);
    if (corpo == Corpo::titolo) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(44);
        f.setBold(true);
        l->setFont(f);
    }
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colore);
    l->setPalette(pal);
    l->setAlignment(allineamento);
    return l;
}

} // namespace

frmSplash::frmSplash(LettoreMusica& lettore, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), lettore_(lettore) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(larghezza, altezza);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);

    const QColor bruno(93, 64, 55);
    const QColor verde(27, 94, 32);
    etichette_[1] = etichetta(this, QStringLiteral("software GIRASOLE"), 200, 22, 340, 24,
                              Corpo::testo, QColor(230, 81, 0));
    etichette_[2] =
        etichetta(this, QString::fromUtf8(testopresenta), 200, 50, 340, 22, Corpo::testo, bruno);
    etichette_[3] = etichetta(this, {}, 200, 76, 340, 70, Corpo::titolo, verde);
    etichette_[4] = etichetta(this, {}, 200, 148, 340, 26, Corpo::testo, bruno);
    etichette_[5] = etichetta(this, {}, 200, 180, 340, 22, Corpo::testo, bruno);
    Image1 = new QLabel(this);
    Image1->setGeometry(24, 24, 160, 200);
    Image1->setPixmap(QPixmap::fromImage(immagini::immagine("girasole")));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    etichette_[6] = Image1;
    etichette_[7] =
        etichetta(this,
                  QString::fromUtf8("Avviso: ogni abuso del presente software, compreso "
                                    "il file audio, sarà perseguito a norma di legge"),
                  24, 240, 512, 40, Corpo::testo, bruno, Qt::AlignCenter);
    etichette_[7]->setWordWrap(true);
    etichette_[8] = etichetta(
        this, QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"),
        24, 292, 512, 24, Corpo::testo, verde, Qt::AlignCenter);
    for (int n = 1; n <= 8; ++n) {
        etichette_[static_cast<std::size_t>(n)]->setObjectName(
            n == 6 ? QStringLiteral("Image1") : QStringLiteral("Label%1").arg(n));
    }
    Form_Load();
}

QLabel* frmSplash::Label(int n) const {
    return n >= 1 && n <= 8 ? etichette_[static_cast<std::size_t>(n)] : nullptr;
}

void frmSplash::Form_Load() {
    lettore_.apri(filemusica);
    lettore_.suona();
    ModZocal& mod = modzocal();
    mod.inizializza();
    setWindowTitle(QString::fromStdString(mod.nomeprogramma));
    etichette_[3]->setText(QString::fromStdString(mod.nomeprogramma));
    etichette_[4]->setText(QString::fromStdString(mod.sottotitolo));
    etichette_[5]->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") +
                           QString::fromStdString(mod.versione));
    // In the middle of the screen, as a start-up screen stands.
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        move(area.center() - QPoint(larghezza / 2, altezza / 2));
    }
}

void frmSplash::mostrachiusura() {
    etichette_[2]->setText(QString::fromUtf8(testochiusura));
}

void frmSplash::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    lettore_.pausa();
    emit clic();
}

void frmSplash::keyPressEvent(QKeyEvent* evento) {
    // A modifier alone is the start of a shortcut (Alt+Tab), not a key for the end.
    switch (evento->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        QWidget::keyPressEvent(evento);
        return;
    default:
        break;
    }
    evento->accept();
    if (conferma_ && !conferma_()) {
        return;
    }
    lettore_.chiudi();
    close();
    emit tasto();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sfumatura(0, 0, 0, height());
    sfumatura.setColorAt(0, QColor(255, 249, 196));
    sfumatura.setColorAt(1, QColor(255, 224, 130));
    p.fillRect(rect(), sfumatura);
    p.setPen(QPen(QColor(93, 64, 55), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

} // namespace zocal
