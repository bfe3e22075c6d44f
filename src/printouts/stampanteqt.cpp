#include "zocal/printouts/stampanteqt.h"

#include "zocal/archive/salvataggio.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>

#include <cmath>
#include <system_error>

namespace zocal {

namespace {

QString qtesto(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string percorsoutf8(const std::filesystem::path& p) {
    const auto u = p.u8string();
    return std::string(u.begin(), u.end());
}

std::string nomestampante(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return "il file \"" + printer.outputFileName().toStdString() + "\"";
    }
    const QString nome = printer.printerName();
    return nome.isEmpty() ? std::string("la stampante")
                          : "la stampante \"" + nome.toStdString() + "\"";
}

} // namespace

StampanteQt::StampanteQt(QPrinter& printer, std::string nome)
    : printer_(printer), nome_(nome.empty() ? nomestampante(printer) : std::move(nome)) {
    font_.setFamily(QStringLiteral("Courier New"));
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    font_.setKerning(false);
    font_.setPointSizeF(punti_);
    misura();
}

StampanteQt::~StampanteQt() {
    if (avviata_ && !finita_ && painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void StampanteQt::misura() {
    const QFontMetricsF m(font_, &printer_);
    cella_ = m.horizontalAdvance(QLatin1Char('0'));
    altezza_ = m.height();
    ascesa_ = m.ascent();
    if (avviata_) {
        painter_.setFont(font_);
    }
}

void StampanteQt::avvia() {
    if (avviata_) {
        return;
    }
    if (finita_) {
        throw GuastoStampante("Stampa interrotta: il documento era già stato chiuso.");
    }
    if (!painter_.begin(&printer_)) {
        if (printer_.outputFormat() == QPrinter::PdfFormat) {
            throw GuastoStampante("Stampa non riuscita: impossibile creare " + nome_ +
                                  " (la cartella non esiste o non è scrivibile).");
        }
        throw GuastoStampante("Stampa non riuscita: " + nome_ + " non è disponibile.");
    }
    avviata_ = true;
    pagine_ = 1;
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    controlla();
}

void StampanteQt::controlla() {
    const auto stato = printer_.printerState();
    if (stato == QPrinter::Error || stato == QPrinter::Aborted) {
        throw GuastoStampante("Stampa interrotta: " + nome_ +
                              " ha segnalato un errore; il documento può essere incompleto.");
    }
}

void StampanteQt::carattere(std::string_view nome) {
    font_.setFamily(qtesto(nome));
    misura();
}

void StampanteQt::dimensione(double punti) {
    if (punti <= 0) {
        return;
    }
    punti_ = punti;
    font_.setPointSizeF(punti);
    misura();
}

void StampanteQt::posizioneverticale(double twip) {
    y_ = twip / 1440.0 * printer_.resolution();
}

void StampanteQt::scrivi(double colonna, std::string_view testo) {
    avvia();
    const double altezzapagina =
        printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
    if (y_ > 0 && y_ + altezza_ > altezzapagina) {
        if (!printer_.newPage()) {
            throw GuastoStampante("Stampa interrotta: " + nome_ +
                                  " non ha accettato una nuova pagina.");
        }
        ++pagine_;
        y_ = 0;
    }
    // Blanks at the end leave no mark: a line of millions of them would
    // only cost the memory of laying them out.
    const std::size_t fine = testo.find_last_not_of(' ');
    if (fine != std::string_view::npos) {
        painter_.drawText(QPointF((colonna - 1) * cella_, y_ + ascesa_),
                          qtesto(testo.substr(0, fine + 1)));
    }
    controlla();
}

void StampanteQt::nuovalinea() {
    y_ += altezza_;
}

double StampanteQt::colonne() const {
    const double larghezza = printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
    return cella_ > 0 ? larghezza / cella_ : 0;
}

void StampanteQt::fine() {
    avvia();
    finita_ = true;
    if (!painter_.end()) {
        throw GuastoStampante("Stampa interrotta: " + nome_ +
                              " non ha accettato la fine del documento.");
    }
    controlla();
}

void impostapagina(QPrinter& printer, bool formatoA4) {
    if (formatoA4) {
        printer.setPageSize(QPageSize(QPageSize::A4));
    }
    printer.setPageOrientation(QPageLayout::Portrait);
    // A printer that cannot print so near the edge keeps its own margins.
    printer.setPageMargins(QMarginsF(3, 5, 3, 5), QPageLayout::Millimeter);
}

StampantePdf::StampantePdf(std::filesystem::path destinazione, const QPageLayout* pagina)
    : destinazione_(std::move(destinazione)),
      salvataggio_(std::make_unique<SalvataggioSicuro>(destinazione_)),
      printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    if (salvataggio_->riuscito()) {
        printer_.setOutputFileName(
            QString::fromStdString(percorsoutf8(salvataggio_->temporaneo())));
    }
    printer_.setCreator(QStringLiteral("Zocal"));
    if (pagina != nullptr) {
        printer_.setPageLayout(*pagina);
    } else {
        impostapagina(printer_, true);
    }
    interna_ =
        std::make_unique<StampanteQt>(printer_, "il file \"" + percorsoutf8(destinazione_) + "\"");
}

StampantePdf::~StampantePdf() {
    abbandona();
}

void StampantePdf::abbandona() {
    // The printer lets go of the file before it is removed.
    interna_.reset();
    if (!consegnata_) {
        salvataggio_.reset();
    }
}

std::string StampantePdf::nonsalvato() const {
    return "Stampa non riuscita: impossibile salvare il file \"" + percorsoutf8(destinazione_) +
           "\": " + (salvataggio_ ? salvataggio_->motivo() : std::string("stampa interrotta")) +
           ".";
}

template <typename Operazione> void StampantePdf::protetta(Operazione&& operazione) {
    if (!interna_ || !salvataggio_) {
        throw GuastoStampante("Stampa interrotta: il file \"" + percorsoutf8(destinazione_) +
                              "\" non è stato scritto.");
    }
    if (!salvataggio_->riuscito()) {
        const std::string errore = nonsalvato();
        abbandona();
        throw GuastoStampante(errore);
    }
    try {
        operazione(*interna_);
        pagine_ = interna_->pagine();
    } catch (...) {
        abbandona();
        throw;
    }
}

void StampantePdf::carattere(std::string_view nome) {
    protetta([&](StampanteQt& s) { s.carattere(nome); });
}

void StampantePdf::dimensione(double punti) {
    protetta([&](StampanteQt& s) { s.dimensione(punti); });
}

void StampantePdf::posizioneverticale(double twip) {
    protetta([&](StampanteQt& s) { s.posizioneverticale(twip); });
}

void StampantePdf::scrivi(double colonna, std::string_view testo) {
    protetta([&](StampanteQt& s) { s.scrivi(colonna, testo); });
}

void StampantePdf::nuovalinea() {
    protetta([](StampanteQt& s) { s.nuovalinea(); });
}

double StampantePdf::colonne() const {
    return interna_ ? interna_->colonne() : 0;
}

void StampantePdf::fine() {
    protetta([&](StampanteQt& s) {
        s.fine();
        // The printer does not tell when the disk refused its bytes: the
        // file must be there whole, up to the PDF's closing mark, before it
        // takes the old one's place.
        if (!salvataggio_->verifica("%%EOF\n") || !salvataggio_->sostituisci()) {
            throw GuastoStampante(nonsalvato());
        }
        consegnata_ = true;
    });
}

bool dialogostampaqt(QPrinter& printer, QWidget* genitore) {
    QPrintDialog dialogo(&printer, genitore);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    return dialogo.exec() == QDialog::Accepted;
}

Stampante* SceltaStampanteQt::scegli() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impostapagina(*printer_, false);
    }
    stampante_.reset();
    if (!dialogo_(*printer_, genitore_.data())) {
        return nullptr;
    }
    // Printing to a file: the pages go through the safe save, not straight
    // over whatever the name holds.
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        const QString nome = printer_->outputFileName();
        if (nome.isEmpty()) {
            throw GuastoStampante("Stampa non riuscita: manca il nome del file PDF.");
        }
        const QPageLayout pagina = printer_->pageLayout();
        stampante_ =
            std::make_unique<StampantePdf>(std::filesystem::path(nome.toStdString()), &pagina);
        return stampante_.get();
    }
    if (!printer_->isValid()) {
        throw GuastoStampante("Stampa non riuscita: non è disponibile alcuna stampante.");
    }
    stampante_ = std::make_unique<StampanteQt>(*printer_);
    return stampante_.get();
}

Stampante* SceltaPdf::scegli() {
    stampante_.reset();
    stampante_ = std::make_unique<StampantePdf>(destinazione_);
    return stampante_.get();
}

} // namespace zocal
