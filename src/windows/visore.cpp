#include "zocal/windows/visore.h"

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
    QObject::connect(finestra, &QPrintPreviewDialog::paintRequested, finestra,
                     [scrittore](QPrinter* p) { scrittore->disegnapagine(*p); });
    QObject::connect(finestra, &QObject::destroyed, [scrittore, printer] {
        delete scrittore;
        delete printer;
    });
    finestra->setWindowModality(Qt::NonModal);
    finestra->show();
}

} // namespace zocal
