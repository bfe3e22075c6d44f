#pragma once

#include "zocal/core/frontespizio.h"
#include "zocal/windows/finestralavoro.h"

#include <array>
#include <string>

class QAction;
class QDate;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zocal {

// The title-page window: the six texts the report puts on its title page and
// closing lines, the technical office shown read-only, a data check, a clear
// command, a short help and the button that produces the full report.
//
// The window is the only store of the six texts while the program runs;
// every change of a field's text, typed or set by the program, runs the
// field's length check at once.
class frontespizio : public FinestraLavoro {
    Q_OBJECT
  public:
    explicit frontespizio(Dialoghi& dialoghi, QWidget* parent = nullptr);
    ~frontespizio() override;

    // The texts in record order.
    DatiFrontespizio testi() const;
    // Sets every field as typing would: a changed text runs its check.
    void impostatesti(const DatiFrontespizio& testi);

    // Shows the technical office's name and address; provenienza is the file
    // they were read from, empty when none was found.
    void impostastudio(const std::string& nome, const std::string& indirizzo,
                       const std::string& provenienza);

    // A date as the window writes it: "martedì, 6 mar 2001".
    static QString datainchiaro(const QDate& giorno);

    QLineEdit* campo(Frontespizio t) const;

    // The controls, named as in the design.
    QLabel* Label1;
    QLineEdit* progetto;
    QLineEdit* localita;
    QLineEdit* committente;
    QLineEdit* luogo;
    QLineEdit* data;
    QLineEdit* allegati;
    std::array<QLabel*, nfrontespizio> didascalie{}; // the captions, in record order
    QLabel* didascaliastudio;                        // the caption of the technical office
    QLabel* Labelstudio;
    QLabel* labelindirizzo;
    // passo holds guidance, then the report's status while it is produced.
    QPushButton* stampa;
    QPushButton* cmdesci;

  public slots:
    void controllodati_Click();
    void cancella_click() override;
    void aiuto_Click();

  signals:
    // The full report is asked for (the button "&Stampa").
    void stampaRichiesta();

  private:
    void costruisci();
    void ordinetab();
    void Form_Load();
    void cambiato(Frontespizio t);

    std::array<QLineEdit*, nfrontespizio> campi_{};
};

} // namespace zocal
