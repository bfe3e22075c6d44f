#include "zocal/windows/visore.h"

#include "zocal/core/dialoghi.h"
#include "zocal/core/modzocal.h"
#include "zocal/printouts/documenti.h"
#include "zocal/report/documento.h"

#include <QDesktopServices>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace zocal {

bool VisoreQt::apri(const std::string& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(percorso)));
}

void VisoreQt::anteprima(std::unique_ptr<ScrittoreDocumento> documento, QWidget* genitore,
                         const std::string& titolo) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    auto* finestra = new QPrintPreviewDialog(printer, genitore);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QString::fromStdString(titolo));
    // The preview owns the document and the printer for as long as it is open.
    ScrittoreDocumento* scrittore = documento.release();
    Dialoghi* dialoghi = &dialoghi_;
    QObject::connect(
        finestra, &QPrintPreviewDialog::paintRequested, finestra,
        [scrittore, dialoghi](QPrinter* p) {
            // Printing to a file: the PDF replaces an older file only
            // once whole, and never a device, a pipe or a read-only file.
            if (p->outputFormat() == QPrinter::PdfFormat && !p->outputFileName().isEmpty()) {
                const auto errore = scrittore->salvapdf(p->outputFileName().toStdString());
                if (errore) {
                    dialoghi->avvisa(
                        *avvisostampa({EsitoStampa::Stato::guasto, *errore}, ModZocal{}));
                }
                return;
            }
            scrittore->disegnapagine(*p);
        });
    QObject::connect(finestra, &QObject::destroyed, [scrittore, printer] {
        delete scrittore;
        delete printer;
    });
    finestra->setWindowModality(Qt::NonModal);
    finestra->show();
}

} // namespace zocal
