#include "zocal/windows/dialoghiqt.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace zocal {

namespace {

QMessageBox::Icon icona(Icona i) {
    switch (i) {
    case Icona::stop:
        return QMessageBox::Critical;
    case Icona::esclamazione:
        return QMessageBox::Warning;
    case Icona::informazione:
        return QMessageBox::Information;
    case Icona::domanda:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void allargaperiltitolo(QMessageBox& box) {
    // The window manager draws the title in its own, often bold, font and
    // keeps room for the box's icon and buttons on the bar; a box narrower
    // than that cuts the title, which may be the warning itself.
    QFont carattere = box.font();
    carattere.setBold(true);
    const int titolo = QFontMetrics(carattere).horizontalAdvance(box.windowTitle());
    constexpr int bordi = 160;
    int larghezza = titolo + bordi;
    if (const QScreen* schermo = box.screen()) {
        larghezza = std::min(larghezza, schermo->availableGeometry().width());
    }
    auto* griglia = qobject_cast<QGridLayout*>(box.layout());
    if (griglia == nullptr) {
        box.setMinimumWidth(larghezza);
        return;
    }
    // QMessageBox fixes its own size from its contents: a spacer as wide as
    // the title is a content it respects.
    griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                     griglia->rowCount(), 0, 1, griglia->columnCount());
}

QString testomessaggio(std::string_view testo) {
    QString t = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QStringList filtriqt(std::string_view filtro) {
    const QStringList parti =
        QString::fromUtf8(filtro.data(), static_cast<qsizetype>(filtro.size()))
            .split(QLatin1Char('|'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        const QString descrizione = parti[i].trimmed();
        QString modello = parti[i + 1].trimmed();
        if (modello == QLatin1String("*.*")) {
            modello = QStringLiteral("*");
        }
        filtri << descrizione + QStringLiteral(" (") + modello + QLatin1Char(')');
    }
    return filtri;
}

void semplice(QMessageBox& box) {
    // Messages quote files and typed data: markup in them is shown as it
    // is, never rendered, and never a link.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (auto* testo = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        testo->setOpenExternalLinks(false);
    }
}

void DialoghiQt::avvisa(const Messaggio& messaggio) {
    QMessageBox box(icona(messaggio.icona), QString::fromStdString(messaggio.titolo),
                    testomessaggio(messaggio.testo), QMessageBox::Ok, genitore_);
    semplice(box);
    allargaperiltitolo(box);
    box.exec();
}

Risposta DialoghiQt::chiedi(const Messaggio& messaggio, bool predefinitoNo) {
    QMessageBox box(icona(messaggio.icona), QString::fromStdString(messaggio.titolo),
                    testomessaggio(messaggio.testo), QMessageBox::Yes | QMessageBox::No, genitore_);
    semplice(box);
    box.setDefaultButton(predefinitoNo ? QMessageBox::No : QMessageBox::Yes);
    allargaperiltitolo(box);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Risposta::si : Risposta::no;
}

Risposta DialoghiQt::chiediannulla(const Messaggio& messaggio) {
    QMessageBox box(icona(messaggio.icona), QString::fromStdString(messaggio.titolo),
                    testomessaggio(messaggio.testo),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, genitore_);
    semplice(box);
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(QString::fromUtf8("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    allargaperiltitolo(box);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Risposta::si;
    case QMessageBox::No:
        return Risposta::no;
    default:
        return Risposta::annulla;
    }
}

std::optional<std::array<std::string, 2>> DialoghiQt::compila(const Modulo& modulo) {
    QDialog dialogo(genitore_);
    dialogo.setWindowTitle(QString::fromStdString(modulo.titolo));
    auto* forma = new QFormLayout(&dialogo);
    std::array<QLineEdit*, 2> campi{};
    for (std::size_t i = 0; i < campi.size(); ++i) {
        campi[i] = new QLineEdit(QString::fromStdString(modulo.valori[i]), &dialogo);
        campi[i]->setMinimumWidth(dialogo.fontMetrics().averageCharWidth() * 50);
        forma->addRow(QString::fromStdString(modulo.etichette[i]), campi[i]);
    }
    auto* tasti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    tasti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    QObject::connect(tasti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(tasti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    forma->addRow(tasti);
    if (dialogo.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::array<std::string, 2>{campi[0]->text().toStdString(),
                                      campi[1]->text().toStdString()};
}

std::optional<std::string> DialoghiQt::file(const RichiestaFile& richiesta, bool salva) {
    QFileDialog dialogo(genitore_, QString::fromStdString(richiesta.titolo));
    dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Overwriting is the caller's business; the patterns stay out of sight.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialogo.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filtri = filtriqt(richiesta.filtro);
    if (!filtri.isEmpty()) {
        dialogo.setNameFilters(filtri);
        const auto indice = static_cast<qsizetype>(richiesta.indicefiltro) - 1;
        if (indice >= 0 && indice < filtri.size()) {
            dialogo.selectNameFilter(filtri[indice]);
        }
    }
    if (!richiesta.nomefile.empty()) {
        dialogo.selectFile(QString::fromStdString(richiesta.nomefile));
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialogo.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> DialoghiQt::apriFile(const RichiestaFile& richiesta) {
    return file(richiesta, false);
}

std::optional<std::string> DialoghiQt::salvaFile(const RichiestaFile& richiesta) {
    return file(richiesta, true);
}

std::optional<unsigned> DialoghiQt::scegliColore(unsigned iniziale) {
    const QColor scelto = QColorDialog::getColor(QColor::fromRgb(iniziale & 0xFFFFFFu), genitore_);
    if (!scelto.isValid()) {
        return std::nullopt;
    }
    return static_cast<unsigned>(scelto.rgb() & 0xFFFFFFu);
}

} // namespace zocal
