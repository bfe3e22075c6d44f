#pragma once

#include "zocal/core/descrizione.h"
#include "zocal/windows/finestralavoro.h"

#include <array>
#include <string>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zocal {

// The description window: 13 texts about the site and the building for the
// report, each typed or picked from a list of ready phrases, with a guidance
// line, a data check, a clear command and a short help.
//
// The window is the only store of the texts while the program runs. Every
// change of a field's text, typed, picked or set by the program, runs the
// field's handling at once: the length warning, then the guidance line.
class descrizione : public FinestraLavoro {
    Q_OBJECT
  public:
    explicit descrizione(Dialoghi& dialoghi, QWidget* parent = nullptr);
    ~descrizione() override;

    // The texts in record order.
    DatiDescrizione testi() const;
    // Sets every field as typing would: a changed text runs its handling.
    void impostatesti(const DatiDescrizione& testi);

    QComboBox* campo(Descrizione d) const;

    // The controls, named as in the design.
    QGroupBox* Frame1;
    QComboBox* fabbricato;
    QComboBox* muratura;
    QComboBox* consistenza;
    QComboBox* solai;
    QComboBox* zona;
    QComboBox* lotto;
    QComboBox* altezza;
    QComboBox* acque;
    QComboBox* vicinanze;
    QComboBox* canali;
    QComboBox* frane;
    QComboBox* natura;
    QComboBox* giudizio;
    std::array<QLabel*, ndescrizione> didascalie{}; // the captions, in record order
    QPushButton* indietro;
    QPushButton* avanti;
    QPushButton* cmdesci;

  public slots:
    void aggiornapasso();
    void controlla_click();
    void cancella_click() override;
    void aiuto_Click();

  signals:
    void indietroRichiesto();
    void avantiRichiesto();

  private:
    void costruisci();
    void ordinetab();
    void Form_Load();
    void cambiato(Descrizione d);

    std::array<QComboBox*, ndescrizione> campi_{};
    // The length warning of the field last changed, while it is too long.
    QString avvisolunghezza_;
};

} // namespace zocal
