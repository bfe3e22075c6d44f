#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/help/testi.h"
#include "zocal/help/uscita.h"
#include "zocal/resize/clsresize.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zocal {

// A help page: the manual (`manuale`), one of the six pages (`guidacalcolo`
// and its sisters) or the terms of use (`licenza`). A title, the whole text
// in a read-only box, and three buttons: the contents, print, close. The
// manual and the six pages are destroyed when closed; the terms page is
// only hidden.
class PaginaGuida : public QWidget {
    Q_OBJECT
  public:
    // Design inner sizes, in twips.
    static constexpr int larghezzapagina = 5520;
    static constexpr int larghezzamanuale = 9480;
    static constexpr int larghezzalicenza = 5490;
    static constexpr int altezzapagina = 6420;
    static constexpr int altezzalicenza = 6390;
    // The pages stand beside the contents window.
    static constexpr int sinistrapagina = 5467;

    PaginaGuida(const PaginaTesto& pagina, Dialoghi& dialoghi, UscitaDocumenti& uscita,
                QWidget* parent = nullptr);

    const std::string& nome() const { return pagina_.nome; }
    bool licenza() const { return pagina_.nome == "licenza"; }

    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QLabel* titolo;
    QLabel* nomeprogramma; // the terms page only; null elsewhere
    QPlainTextEdit* testo;
    clsResize* ridimensiona;

  public slots:
    void cmdSommario_Click();
    // The page as a document, opened for the user to print.
    void cmdstampa_Click();
    void cmdchiudi_Click();

  signals:
    void sommarioRichiesto();

  private:
    PaginaTesto pagina_;
    Dialoghi& dialoghi_;
    UscitaDocumenti& uscita_;
};

} // namespace zocal
