#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/ntc.h"
#include "zocal/windows/finestralavoro.h"

#include <array>
#include <string>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace zocal {

// The calculation window: the soil data and, one foundation and five storeys
// at a time, the loads on the walls, with the results recomputed after every
// accepted change and a guidance box naming the next value to type.
//
// Every change of an entry field's text, typed or set by the window itself,
// runs that field's entry handling at once (copy sign, validation, store,
// follow-up); a text set inside a handling is handled before the outer
// handling resumes. The rules come from the engine; this class only wires
// the widgets to them.
class calcolo : public FinestraLavoro {
    Q_OBJECT
  public:
    calcolo(DatiCalcolo& dati, Dialoghi& dialoghi, QWidget* parent = nullptr);
    ~calcolo() override;

    DatiCalcolo& dati() const { return dati_; }
    int fondcorrente() const { return fondcorrente_; }
    int primopiano() const { return primopiano_; }
    // Set to 1 by a caller that wants the next data check silent on success.
    int controllosilenzioso = 0;

    // The entry field of column v in grid row k (1..5).
    QLineEdit* campo(Voce v, int k) const;

    // The controls, named as in the design.
    QScrollBar* HScroll1;
    QLabel* Label1;
    QLineEdit* prof;
    QLineEdit* largh;
    QLineEdit* Text1;
    QGroupBox* griglia;
    QScrollBar* VScroll1;
    std::array<QLabel*, 6> num{};     // 1..5
    std::array<QLabel*, 6> scar{};    // 1..5
    std::array<QLabel*, 6> scartot{}; // 1..5
    QComboBox* Combo1;
    QLineEdit* pesos;
    QLineEdit* coes;
    QLineEdit* attr;
    QLabel* carlim;
    QLineEdit* sigmat;
    QLabel* scater;
    QLabel* siglav;
    QLabel* coeff;
    QLabel* note;
    QLabel* legenda;
    QPushButton* incrementa;
    QPushButton* cmdavanti;
    QPushButton* esco;

  public slots:
    // Foundation display: shows foundation HScroll1, then storeys from 1.
    void HScroll1_Change();
    // Storey display: the five grid rows from storey VScroll1.
    void VScroll1_Change();
    // Shows foundation f (1..10) / storeys from p (1..6); the display runs
    // also when the scroll bar is already there.
    void mostrafondazione(int f);
    void mostrapiani(int p);
    // Brings the results of every foundation up to date by showing each.
    void aggiornarisultati();

    void num_Click(int k);
    void coloranumeri();
    void incrementa_Click();
    void cancella_click() override;
    void aiuto_Click();
    // With controllosilenzioso at 1, a check that passes shows nothing and
    // sets it to 0; a failing one shows its message and leaves it at 1.
    void controlla_click();

    // The guidance prompt, and the calculation of the shown foundation.
    void indicazioni();
    void calcola();
    // The limit-state verdict of the shown foundation, with the job's choices.
    void aggiornantc();

  public:
    // The job's choices for the limit-state check; the defaults until given.
    void impostaopzionintc(const OpzioniNtc& opzioni) { opzionintc_ = &opzioni; }
    const OpzioniNtc& opzionintc() const { return *opzionintc_; }
    // The limit-state verdict and Ed/Rd of the shown foundation.
    QLabel* ntc = nullptr;

  signals:
    void avantiRichiesto();
    // The data or the shown foundation changed: the results shown elsewhere follow.
    void risultatiCambiati();
    // The clear command emptied the data: what else belongs to the job goes too.
    void datiCancellati();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    enum class Campo { piano, prof, largh, Combo1, pesos, coes, attr, sigmat };

    void costruisci();
    void ordinetab();
    void Form_Load();
    void immissione(Campo campo, Voce v = Voce::pesol, int k = 0);
    QLineEdit* casella(Campo campo, Voce v, int k) const;
    Cella& cella(Campo campo, Voce v, int k);
    void evidenzianumero(int k);
    void mostrasigma(const QString& testo);
    void sigmat_LostFocus();

    DatiCalcolo& dati_;
    OpzioniNtc ntcpredefinite_;
    const OpzioniNtc* opzionintc_ = &ntcpredefinite_;
    int fondcorrente_ = 0;
    int primopiano_ = 1;
    // What the last typed point became, shown in the guidance box.
    std::string notacampo_;
    // [voce][row 1..5]
    std::array<std::array<QLineEdit*, 6>, 8> campi_{};
};

} // namespace zocal
