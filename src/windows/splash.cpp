#include "zocal/windows/splash.h"

#include "zocal/core/modzocal.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>
#include <numbers>

namespace zocal {

namespace {

constexpr int larghezza = 560;
constexpr int altezza = 340;

QPixmap girasole(int lato) {
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 100.0;
    const QPointF centro(50 * u, 40 * u);

    // Stem and leaf first, so the flower covers their ends.
    p.setPen(QPen(QColor(46, 125, 50), 4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50 * u, 60 * u), QPointF(50 * u, 98 * u));
    QPainterPath foglia;
    foglia.moveTo(50 * u, 82 * u);
    foglia.quadTo(70 * u, 68 * u, 84 * u, 76 * u);
    foglia.quadTo(68 * u, 90 * u, 50 * u, 82 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(67, 160, 71));
    p.drawPath(foglia);

    for (int anello = 0; anello < 2; ++anello) {
        const int petali = 16;
        p.setBrush(anello == 0 ? QColor(249, 168, 37) : QColor(253, 216, 53));
        for (int k = 0; k < petali; ++k) {
            p.save();
            p.translate(centro);
            p.rotate(360.0 * k / petali + anello * 180.0 / petali);
            p.drawEllipse(QPointF(0, -(anello == 0 ? 24 : 21) * u), 5.5 * u, 13 * u);
            p.restore();
        }
    }
    p.setBrush(QColor(93, 64, 55));
    p.drawEllipse(centro, 15 * u, 15 * u);
    // The seeds on a golden-angle spiral.
    p.setBrush(QColor(62, 39, 35));
    const double aureo = std::numbers::pi * (3 - std::sqrt(5.0));
    for (int k = 1; k < 60; ++k) {
        const double r = 1.8 * u * std::sqrt(static_cast<double>(k));
        const QPointF seme(centro.x() + r * std::cos(k * aureo),
                           centro.y() + r * std::sin(k * aureo));
        p.drawEllipse(seme, 0.9 * u, 0.9 * u);
    }
    return immagine;
}

QLabel* etichetta(QWidget* genitore, const QString& testo, int x, int y, int w, int h, double punti,
                  bool grassetto, const QColor& colore,
                  Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(testo, genitore);
    l->setGeometry(x, y, w, h);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    l->setFont(f);
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
    etichette_[1] = etichetta(this, QStringLiteral("software GIRASOLE"), 200, 22, 340, 24, 13, true,
                              QColor(230, 81, 0));
    etichette_[2] =
        etichetta(this, QString::fromUtf8(testopresenta), 200, 50, 340, 22, 11, false, bruno);
    etichette_[3] = etichetta(this, {}, 200, 76, 340, 70, 44, true, verde);
    etichette_[4] = etichetta(this, {}, 200, 148, 340, 26, 14, false, bruno);
    etichette_[5] = etichetta(this, {}, 200, 180, 340, 22, 10, true, bruno);
    Image1 = new QLabel(this);
    Image1->setGeometry(24, 24, 160, 200);
    Image1->setPixmap(girasole(160));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    etichette_[6] = Image1;
    etichette_[7] =
        etichetta(this,
                  QString::fromUtf8("Avviso: ogni abuso del presente software, compreso "
                                    "il file audio, sarà perseguito a norma di legge"),
                  24, 240, 512, 40, 9, false, bruno, Qt::AlignCenter);
    etichette_[7]->setWordWrap(true);
    etichette_[8] = etichetta(
        this, QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"),
        24, 292, 512, 24, 10, true, verde, Qt::AlignCenter);
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
