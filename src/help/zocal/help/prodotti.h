#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/help/indirizzi.h"
#include "zocal/help/listino.h"
#include "zocal/help/uscita.h"
#include "zocal/resize/clsresize.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <string>

class QLabel;
class QPushButton;
class QScrollBar;

namespace zocal {

// The maker's products and prices, read once from "listino.txt" when the
// window is made, ten rows at a time under a scroll bar; printed as a
// document; links to the maker's catalogue and e-mail. Closing hides it.
class prodotti : public QWidget {
    Q_OBJECT
  public:
    static constexpr int larghezzaprogetto = 9450;
    static constexpr int altezzaprogetto = 6390;
    static constexpr int righe = 10;

    prodotti(const std::filesystem::path& filelistino, Dialoghi& dialoghi, UscitaDocumenti& uscita,
             ApriIndirizzo& indirizzi, QWidget* parent = nullptr);

    const Listino& listino() const { return listino_; }

    // Opens a web address or "mailto:" address; whether it worked.
    bool Link(const std::string& indirizzo);

    QLabel* lblintestazione;
    QScrollBar* VScroll1;
    // Row k (1..10): number, name, topic, list price, internet price.
    std::array<QLabel*, righe + 1> num{};
    std::array<QLabel*, righe + 1> nome{};
    std::array<QLabel*, righe + 1> argomento{};
    std::array<QLabel*, righe + 1> costo{};
    std::array<QLabel*, righe + 1> internet{};
    // What could not be read from the file; hidden when all was read.
    QLabel* lblavviso;
    QLabel* lblnote;
    QPushButton* cmdSommario;
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QPushButton* Command1; // the maker's web site
    QPushButton* Command2; // e-mail to the maker
    clsResize* ridimensiona;

  public slots:
    // Shows products p to p + 9 for the scroll bar's position p.
    void VScroll1_Change();
    void cmdstampa_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdchiudi_Click();
    void cmdSommario_Click();

  signals:
    void sommarioRichiesto();

  private:
    void Form_Load(const std::filesystem::path& filelistino);
    void indirizzo(const std::string& destinazione);

    Dialoghi& dialoghi_;
    UscitaDocumenti& uscita_;
    ApriIndirizzo& indirizzi_;
    Listino listino_;
};

} // namespace zocal
