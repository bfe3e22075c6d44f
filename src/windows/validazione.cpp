#include "zocal/windows/programma.h"

#include "zocal/core/modzocal.h"
#include "zocal/report/documento.h"
#include "zocal/report/validazione.h"
#include "zocal/windows/visore.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace zocal {

void Programma::validazione(QWidget* genitore) {
    const std::filesystem::path file =
        filevalidazione_.empty() ? std::filesystem::temp_directory_path() / filevalidazionepdf
                                 : filevalidazione_;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    auto documento = std::make_unique<ScrittoreDocumento>();
    EsitoDocumentoValidazione esito;
    try {
        esito = scrivivalidazione(*documento, file.string());
    } catch (const std::exception& e) {
        dialoghi_.avvisa(
            {std::string("Impossibile produrre il documento di validazione: ") + e.what(),
             Icona::stop, modzocal().titolocontrollo});
        return;
    }
    // Unsaved, or nothing opens a PDF: the document is composed all the same
    // and our own preview shows it.
    if (esito.riuscita() && visore_.apri(file.string())) {
        return;
    }
    visore_.anteprima(std::move(documento), genitore, titoloanteprimavalidazione);
}

} // namespace zocal
