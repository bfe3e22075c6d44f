#include "zocal/help/frmtip.h"

#include "disegno.h"
#include "zocal/archive/datiprogramma.h"
#include "zocal/resize/clsresize.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace zocal {

using namespace disegno;

namespace {

constexpr int larghezza = 6015;
constexpr int altezza = 3705;

// A light bulb: the tip window's picture.
QPixmap lampadina(int lato) {
    QPixmap p(lato, lato);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double u = lato / 32.0;
    g.setPen(QPen(QColor(90, 70, 0), 1.2 * u));
    QRadialGradient luce(QPointF(13 * u, 10 * u), 12 * u);
    luce.setColorAt(0, QColor(255, 255, 210));
    luce.setColorAt(1, QColor(255, 215, 0));
    g.setBrush(luce);
    QPainterPath bulbo;
    bulbo.moveTo(12 * u, 22 * u);
    bulbo.cubicTo(12 * u, 17 * u, 6 * u, 15 * u, 6 * u, 10 * u);
    bulbo.cubicTo(6 * u, 5 * u, 10.5 * u, 2 * u, 16 * u, 2 * u);
    bulbo.cubicTo(21.5 * u, 2 * u, 26 * u, 5 * u, 26 * u, 10 * u);
    bulbo.cubicTo(26 * u, 15 * u, 20 * u, 17 * u, 20 * u, 22 * u);
    bulbo.closeSubpath();
    g.drawPath(bulbo);
    g.setBrush(QColor(160, 160, 160));
    g.drawRoundedRect(QRectF(12 * u, 22.5 * u, 8 * u, 6 * u), 1.5 * u, 1.5 * u);
    g.drawLine(QPointF(12 * u, 24.5 * u), QPointF(20 * u, 24.5 * u));
    g.drawLine(QPointF(12 * u, 26.5 * u), QPointF(20 * u, 26.5 * u));
    g.drawLine(QPointF(14 * u, 30 * u), QPointF(18 * u, 30 * u));
    return p;
}

} // namespace

std::vector<std::string> righesuggerimenti(std::string_view testo) {
    std::vector<std::string> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find_first_of("\r\n");
        righe.emplace_back(testo.substr(0, fine));
        if (fine == std::string_view::npos) {
            break;
        }
        const bool crlf = testo[fine] == '\r' && fine + 1 < testo.size() && testo[fine + 1] == '\n';
        testo.remove_prefix(fine + (crlf ? 2 : 1));
    }
    return righe;
}

QString frmTip::testomancante() {
    const QString nome = QString::fromUtf8(nomesuggerimenti);
    return QStringLiteral("Impossibile trovare il file ") + nome + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Creare un file di testo denominato ") + nome +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni "
                          "riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

frmTip::frmTip(const std::filesystem::path& file, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    colora(this, grigio);
    carattere(this, 8);

    immagine = new QLabel(this);
    immagine->setObjectName(QStringLiteral("immagine"));
    posa(immagine, 120, 120, 720, 720);
    immagine->setPixmap(lampadina(48));
    immagine->setAlignment(Qt::AlignCenter);

    auto* riquadro = new QFrame(this);
    riquadro->setObjectName(QStringLiteral("riquadro"));
    riquadro->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colora(riquadro, bianco);
    posa(riquadro, 960, 120, 4935, 2880);

    intestazione =
        etichetta(riquadro, QStringLiteral("Non tutti sanno che..."), 120, 120, 4695, 375);
    intestazione->setObjectName(QStringLiteral("intestazione"));
    carattere(intestazione, 11, true);
    lblTipText = etichetta(riquadro, QString(), 120, 600, 4695, 2160);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    carattere(lblTipText, 9);
    lblTipText->setTextFormat(Qt::PlainText);

    cmdprecedente = tasto(this, "cmdprecedente", QStringLiteral("&Precedente"), 1920, 3180, 1215,
                          375, "cliccare per leggere il suggerimento precedente");
    cmdNextTip = tasto(this, "cmdNextTip", QStringLiteral("&Successivo"), 3240, 3180, 1215, 375,
                       "cliccare per leggere il suggerimento successivo");
    cmdOK = tasto(this, "cmdOK", QStringLiteral("&Chiudi"), 4680, 3180, 1215, 375,
                  "cliccare per chiudere la finestra");
    cmdOK->setDefault(true);
    connect(cmdprecedente, &QPushButton::clicked, this, &frmTip::cmdprecedente_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    // A fixed layout: no resizer.
    setFixedSize(pixel(larghezza), pixel(altezza));
    Form_Load(file);
}

void frmTip::Form_Load(const std::filesystem::path& file) {
    if (LoadTips(file)) {
        return;
    }
    // A file that is there but cannot be read is told as such: asking the
    // user to create it would send them the wrong way.
    lblTipText->setText(errore_.empty()
                            ? testomancante()
                            : QStringLiteral("Impossibile leggere il file ") +
                                  QString::fromUtf8(nomesuggerimenti) + QStringLiteral(": ") +
                                  QString::fromStdString(errore_) + QStringLiteral("."));
}

bool frmTip::LoadTips(const std::filesystem::path& file) {
    errore_.clear();
    std::error_code ec;
    if (file.empty() || !std::filesystem::exists(file, ec)) {
        return false;
    }
    std::string byte;
    if (!leggifile(file, byte, &errore_)) {
        return false;
    }
    for (std::string& riga : righesuggerimenti(testodafile(byte))) {
        TipList_.push_back(std::move(riga));
    }
    ShowNextTip();
    return true;
}

void frmTip::ShowNextTip() {
    ++TipIndex_;
    if (TipIndex_ > static_cast<std::int32_t>(TipList_.size())) {
        TipIndex_ = 1;
    }
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (!TipList_.empty()) {
        lblTipText->setText(
            QString::fromStdString(TipList_[static_cast<std::size_t>(TipIndex_ - 1)]));
    }
}

void frmTip::cmdNextTip_Click() {
    ShowNextTip();
}

void frmTip::cmdprecedente_Click() {
    if (TipIndex_ <= 1 || TipList_.empty()) {
        return;
    }
    --TipIndex_;
    DisplayCurrentTip();
}

void frmTip::cmdOK_Click() {
    hide();
}

} // namespace zocal
