#pragma once

#include "zocal/core/dialoghi.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <string_view>

class QMessageBox;

namespace zocal {

// The program's message boxes and common dialogs, on Qt.
class DialoghiQt : public Dialoghi {
  public:
    explicit DialoghiQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void impostaGenitore(QWidget* genitore) { genitore_ = genitore; }

    void avvisa(const Messaggio& messaggio) override;
    Risposta chiedi(const Messaggio& messaggio, bool predefinitoNo) override;
    Risposta chiediannulla(const Messaggio& messaggio) override;
    std::optional<std::array<std::string, 2>> compila(const Modulo& modulo) override;
    std::optional<std::string> apriFile(const RichiestaFile& richiesta) override;
    std::optional<std::string> salvaFile(const RichiestaFile& richiesta) override;
    std::optional<unsigned> scegliColore(unsigned iniziale) override;

  private:
    std::optional<std::string> file(const RichiestaFile& richiesta, bool salva);

    QPointer<QWidget> genitore_;
};

// A message box shows its text as plain text, whatever it holds.
void semplice(QMessageBox& box);

// Makes a message box wide enough that the window manager shows its whole
// title, whatever its text.
void allargaperiltitolo(QMessageBox& box);

// A message text as shown: the carriage return that separates its lines
// becomes a line break.
QString testomessaggio(std::string_view testo);

// The program's "description | pattern" filter pairs as Qt name filters.
// "*.*" means every file, as it does for the users the texts were written
// for, so it becomes "*".
QStringList filtriqt(std::string_view filtro);

} // namespace zocal
