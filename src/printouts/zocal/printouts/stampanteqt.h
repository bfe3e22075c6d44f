#pragma once

#include "zocal/archive/salvataggio.h"
#include "zocal/printouts/stampante.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace zocal {

// The printouts on a QPrinter: a printer or a PDF file. The document starts
// with the first thing printed; a line that does not fit at the bottom of
// the page goes to the top of the next one.
class StampanteQt : public Stampante {
  public:
    // `printer` must outlive this; `nome` names it in messages (the
    // printer's own name when empty).
    explicit StampanteQt(QPrinter& printer, std::string nome = {});
    // A document not ended is abandoned.
    ~StampanteQt() override;
    StampanteQt(const StampanteQt&) = delete;
    StampanteQt& operator=(const StampanteQt&) = delete;

    void carattere(std::string_view nome) override;
    void dimensione(double punti) override;
    void posizioneverticale(double twip) override;
    void scrivi(double colonna, std::string_view testo) override;
    void nuovalinea() override;
    double colonne() const override;
    void fine() override;

    int pagine() const { return pagine_; }

  private:
    void avvia();
    void controlla();
    void misura();

    QPrinter& printer_;
    std::string nome_;
    QPainter painter_;
    QFont font_;
    double punti_ = 12;
    // Device pixels: the line's top, the width of a cell, the line height.
    double y_ = 0;
    double cella_ = 0;
    double altezza_ = 0;
    double ascesa_ = 0;
    bool avviata_ = false;
    bool finita_ = false;
    int pagine_ = 0;
};

// Page set-up of the printouts: A4 unless the printer says otherwise, and
// side margins narrow enough for the listing's 120 columns at 8 points.
void impostapagina(QPrinter& printer, bool formatoA4);

// A PDF file that appears whole when the document ends, saved as a job file
// is (SalvataggioSicuro): until then the pages go to a hidden file beside
// it, which a fault removes, so an earlier file of that name is never left
// half overwritten, and a device, a pipe, a folder or a read-only file is
// never replaced.
class StampantePdf : public Stampante {
  public:
    // A4 unless `pagina` gives the page the user chose in the dialog.
    explicit StampantePdf(std::filesystem::path destinazione, const QPageLayout* pagina = nullptr);
    ~StampantePdf() override;

    void carattere(std::string_view nome) override;
    void dimensione(double punti) override;
    void posizioneverticale(double twip) override;
    void scrivi(double colonna, std::string_view testo) override;
    void nuovalinea() override;
    double colonne() const override;
    void fine() override;

    int pagine() const { return pagine_; }

  private:
    // Runs one operation; on a fault the hidden file goes at once.
    template <typename Operazione> void protetta(Operazione&& operazione);
    void abbandona();
    // The message of a save that failed.
    std::string nonsalvato() const;

    std::filesystem::path destinazione_;
    std::unique_ptr<SalvataggioSicuro> salvataggio_;
    QPrinter printer_;
    std::unique_ptr<StampanteQt> interna_;
    bool consegnata_ = false;
    int pagine_ = 0;
};

// Shows the printer dialog on `printer`; true when the user accepted.
using DialogoStampa = std::function<bool(QPrinter& printer, QWidget* genitore)>;
// Qt's own dialog (QPrintDialog).
bool dialogostampaqt(QPrinter& printer, QWidget* genitore);

// The printer dialog. The printer chosen is kept for the next printout; a
// PDF file chosen there is saved as StampantePdf saves it.
class SceltaStampanteQt : public SceltaStampante {
  public:
    explicit SceltaStampanteQt(QWidget* genitore = nullptr, DialogoStampa dialogo = dialogostampaqt)
        : genitore_(genitore), dialogo_(std::move(dialogo)) {}
    void impostaGenitore(QWidget* genitore) { genitore_ = genitore; }
    Stampante* scegli() override;

  private:
    QPointer<QWidget> genitore_;
    DialogoStampa dialogo_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<Stampante> stampante_;
};

// No dialog: every printout goes to this PDF file.
class SceltaPdf : public SceltaStampante {
  public:
    explicit SceltaPdf(std::filesystem::path destinazione)
        : destinazione_(std::move(destinazione)) {}
    Stampante* scegli() override;
    // The last printout's file, while it is being written.
    StampantePdf* ultima() const { return stampante_.get(); }

  private:
    std::filesystem::path destinazione_;
    std::unique_ptr<StampantePdf> stampante_;
};

} // namespace zocal
