#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/report/scrittore.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace zocal {

class ScrittoreDocumento;

// Where the help windows get their documents from and how a finished one
// reaches the user, so tests can record the documents instead.
class UscitaDocumenti {
  public:
    virtual ~UscitaDocumenti() = default;
    // A writer for one new document.
    virtual std::unique_ptr<ScrittoreRelazione> nuovo() = 0;
    // A path, in a folder of its own, for a document the user only reads or
    // prints: it is not one of the job's files, and an earlier one may still
    // be open in the user's application.
    virtual std::string provvisorio(const std::string& nome) = 0;
    // Shows a saved document; false when nothing could show it. `titolo`
    // names what a preview of our own shows.
    virtual bool mostra(std::unique_ptr<ScrittoreRelazione> documento, const std::string& percorso,
                        QWidget* genitore, const std::string& titolo) = 0;
};

// The program's own document writer; the saved file opened by `apri` (the
// desktop's default application), or else shown by `anteprima`.
class UscitaDocumentiQt : public UscitaDocumenti {
  public:
    using Apri = std::function<bool(const std::string& percorso)>;
    using Anteprima = std::function<void(std::unique_ptr<ScrittoreDocumento>, QWidget*,
                                         const std::string& titolo)>;

    explicit UscitaDocumentiQt(Apri apri = {}, Anteprima anteprima = {});

    std::unique_ptr<ScrittoreRelazione> nuovo() override;
    std::string provvisorio(const std::string& nome) override;
    bool mostra(std::unique_ptr<ScrittoreRelazione> documento, const std::string& percorso,
                QWidget* genitore, const std::string& titolo) override;

  private:
    Apri apri_;
    Anteprima anteprima_;
};

// The title of a preview of ours: the program's name and what it shows
// ("Zocal: anteprima - listino prezzi").
std::string titoloanteprima(const std::string& cosa);

// Writes one document, saves it at `percorso` and shows it; a preview is
// titled after `cosa`. A failure is told through `dialoghi`, in Italian;
// returns whether the document was saved.
bool pubblica(UscitaDocumenti& uscita, Dialoghi& dialoghi, QWidget* genitore,
              const std::string& percorso, const std::string& cosa,
              const std::function<void(ScrittoreRelazione&)>& scrivi);

} // namespace zocal
