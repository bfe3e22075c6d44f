#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/help/uscita.h"
#include "zocal/resize/clsresize.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace zocal {

// The help contents: ten entries, each an arrow button and a caption that
// open the same window, and the buttons print (all pages in one saved
// document), close (hides) and exit. The caption under the pointer turns
// bold; pressing on a caption opens its window at once.
class sommario : public QWidget {
    Q_OBJECT
  public:
    static constexpr int larghezzaprogetto = 3855;
    static constexpr int altezzaprogetto = 6420;
    static constexpr int voci = 10;

    // `filedati` gives the current job file, beside which the guide is saved.
    sommario(Dialoghi& dialoghi, UscitaDocumenti& uscita, std::function<std::string()> filedati,
             QWidget* parent = nullptr);

    // The window entry k opens: manuale, the six pages, frmTip, licenza,
    // prodotti; any other index opens the manual.
    static std::string finestravoce(int k);
    // The caption of entry k.
    static QString didascalia(int k);

    QLabel* intestazione;
    std::array<QPushButton*, voci + 1> puls{}; // 1..10
    std::array<QLabel*, voci + 1> lbl{};       // 1..10
    QPushButton* cmdstampa;
    QPushButton* cmdchiudi;
    QPushButton* esco;
    clsResize* ridimensiona;

  public slots:
    void puls_Click(int k);
    // Every caption back to normal weight.
    void azzeravoci();
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void esco_Click();

  signals:
    // The window of that name must be shown (created if needed).
    void apriRichiesta(const QString& nome);
    void uscitaRichiesta();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    // The pointer over the window's background: no caption is bold.
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

  private:
    void lbl_MouseMove(int k);
    void lbl_Mousedown(int k);
    void lbl_MouseUp(int k);
    int voce(const QObject* oggetto) const;

    Dialoghi& dialoghi_;
    UscitaDocumenti& uscita_;
    std::function<std::string()> filedati_;
};

} // namespace zocal
