#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/help/indirizzi.h"
#include "zocal/help/uscita.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zocal {

// Makes the help and information windows by name, one of each, on first
// use: sommario, manuale, the six help pages, frmTip, licenza, prodotti,
// supportoclienti, informa. The windows ask each other to be shown through
// `mostra`, which the program may route through its own window keeping;
// the contents window's exit goes to `uscita`.
class FinestreAiuto : public QObject {
    Q_OBJECT
  public:
    // `filedati` gives the current job file (the guide is saved beside it).
    FinestreAiuto(Dialoghi& dialoghi, UscitaDocumenti& uscita, ApriIndirizzo& indirizzi,
                  std::function<std::string()> filedati = {}, QObject* parent = nullptr);
    // Destroys the windows still alive.
    ~FinestreAiuto() override;

    // The names this object makes, in the order the program's exit closes them.
    static const std::vector<std::string>& nomi();

    // The window of that name, made (not shown) when there is none; null for
    // a name that is not ours.
    QWidget* finestra(const std::string& nome);
    // Without making it: null when not made, or destroyed since.
    QWidget* esistente(const std::string& nome) const;

    // How a window is shown; by default it is made if needed, shown and
    // brought to the front.
    void impostamostra(std::function<void(const std::string& nome)> mostra);
    // The exit of the contents window; by default nothing happens.
    void impostauscita(std::function<void()> uscita);
    // Where the tips and the price list are read from; by default the
    // program's data folders (and, for the price list, the current folder
    // first).
    void impostafilesuggerimenti(std::filesystem::path file) {
        filesuggerimenti_ = std::move(file);
    }
    void impostafilelistino(std::filesystem::path file) { filelistino_ = std::move(file); }

  public slots:
    void mostra(const std::string& nome);

  private:
    QWidget* crea(const std::string& nome);
    void porta(const std::string& nome);

    Dialoghi& dialoghi_;
    UscitaDocumenti& uscita_;
    ApriIndirizzo& indirizzi_;
    std::function<std::string()> filedati_;
    std::function<void(const std::string&)> mostra_;
    std::function<void()> uscitaprogramma_;
    std::filesystem::path filesuggerimenti_;
    std::filesystem::path filelistino_;
    std::map<std::string, QPointer<QWidget>> finestre_;
};

} // namespace zocal
