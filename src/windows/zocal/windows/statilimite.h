#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/core/ntc.h"

#include <QWidget>

#include <array>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QPainter;
class QRectF;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zocal {

// A drawing of one foundation's check, on white, repainted on demand.
class DisegnoNtc : public QWidget {
  public:
    using Disegnatore = void (*)(QPainter&, const QRectF&, const VerificaNtc&);
    DisegnoNtc(Disegnatore disegnatore, QSize minima, QWidget* parent = nullptr);
    void imposta(const VerificaNtc& v);
    const VerificaNtc& verifica() const { return v_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    Disegnatore disegnatore_;
    VerificaNtc v_;
};

// The section drawing of one foundation.
class DisegnoSezione : public DisegnoNtc {
  public:
    explicit DisegnoSezione(QWidget* parent = nullptr);
};

// The settlement drawing of one foundation: the layers beside the stress
// increase against depth.
class DisegnoCedimenti : public DisegnoNtc {
  public:
    explicit DisegnoCedimenti(QWidget* parent = nullptr);
};

// "Verifica agli stati limite (NTC 2018)": the three choices of the job and
// its extra soil data, the
// check of every foundation in a table, the factors and terms of the
// foundation the calculation window shows, and its section. It follows the
// calculation window as the user types; the rules are the engine's.
class statilimite : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* titolo = "Verifica agli stati limite (NTC 2018)";

    statilimite(const DatiCalcolo& dati, OpzioniNtc& opzioni, QWidget* parent = nullptr);

    QComboBox* ngamma;
    QCheckBox* profondita;
    QCheckBox* g2definiti;
    QLineEdit* cu;       // t/mq
    QLineEdit* pesofond; // kg/mc
    QLineEdit* fonte;
    QTableWidget* tabella; // every foundation
    QLabel* titolofondazione;
    QTableWidget* fattori; // actions, factors and terms of the shown foundation
    DisegnoSezione* sezione;
    // The shown foundation's wall offset and horizontal forces, and the
    // job's water table, as typed.
    QLabel* etichettafondazione;
    QLineEdit* eccmuro;
    QLineEdit* HGk;
    QLineEdit* HQk;
    QLineEdit* zH;
    QLineEdit* deltaphi;
    QLineEdit* zw;
    QLineEdit* pesosat;
    QTableWidget* combinazioni; // of the shown foundation
    // The site's seismic data, the shown foundation's force from the
    // structural model and its storeys' use categories, as typed.
    QLineEdit* ag;
    QLineEdit* F0;
    QComboBox* catsuolo;
    QComboBox* cattopo;
    QLineEdit* q;
    QLineEdit* gammaRd;
    QLineEdit* alfaH;
    QLabel* etichettasisma;
    QLineEdit* HE;
    std::array<QComboBox*, maxpiani> categoriepiani{};
    // The job's admissible settlements and layers below the footings as
    // typed (thickness in m, modulus in MPa), and the shown foundation's
    // settlement with the differential check.
    QLineEdit* slim;
    QLineEdit* dslim;
    std::vector<std::pair<QLineEdit*, QLineEdit*>> strati;
    QTableWidget* cedimento;
    QLabel* differenziali;
    DisegnoCedimenti* diagramma;
    QPushButton* guida;
    QPushButton* chiudi;

    // The checks as last shown, foundation 1 first.
    const std::vector<VerificaNtc>& verifiche() const { return verifiche_; }
    int fondazione() const { return fondazione_; }

  public slots:
    // Recomputes every foundation and shows foundation f's details. Does
    // nothing while the window is hidden; showing it brings it up to date.
    void aggiorna(int f);
    // The choices as the job holds them (after a job is opened).
    void mostraopzioni();

  signals:
    // The user changed a choice: the job's options are already updated.
    void opzioniCambiate();
    void guidaRichiesta();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void leggiopzioni();
    void riempi();
    QGroupBox* creaazioni();
    QTableWidget* creacombinazioni();
    // The entries of the shown foundation and of the water table, each with
    // the text of the job it stands for.
    std::array<std::pair<QLineEdit*, std::string*>, 7> campiazioni();
    void mostraazioni();
    void leggiazioni();
    void riempicombinazioni(const VerificaNtc& v);
    QGroupBox* creasisma();
    void mostrasisma();
    void leggidatisisma();
    // The seismic entries and the texts of the job they show.
    std::array<std::pair<QLineEdit*, std::string*>, 6> campisisma();
    QGroupBox* creacedimenti();
    void mostracedimenti(const VerificaNtc& v);
    void leggicedimenti();

    const DatiCalcolo& dati_;
    OpzioniNtc& opzioni_;
    std::vector<VerificaNtc> verifiche_;
    int fondazione_ = 1;
    bool mostrando_ = false;
};

} // namespace zocal
