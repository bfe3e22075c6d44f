#pragma once

#include "zocal/core/dialoghi.h"
#include "zocal/resize/clsresize.h"

#include <QMainWindow>

#include <string>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace zocal {

// What the three working windows have in common: the caption, the inner
// area the resizer scales, the designed size, the guidance box, the help
// buttons of the bottom row, the window's own data check and clear commands
// (which the shared menus and toolbar take up) and the requests the program
// answers. Each window adds its own fields and commands.
class FinestraLavoro : public QMainWindow {
    Q_OBJECT
  public:
    // Design size of the inner area, in twips.
    static constexpr int larghezzaprogetto = 9480;
    static constexpr int altezzaprogetto = 6135;

    ~FinestraLavoro() override;

    // Gives the window its designed outer size: the inner area as designed
    // plus the menu bar and toolbar it has now, so the three working windows
    // stand at the same place with the same size; within the screen's
    // available area, the inner area scrolling where the screen is smaller.
    void dimensionaprogetto();

    QWidget* superficie; // the inner area the resizer scales
    QLabel* passo = nullptr;
    QPushButton* aiuto = nullptr;
    QPushButton* guidainlinea = nullptr;
    // The window's own commands, for the shared menus and toolbar.
    QAction* azionecontrolla = nullptr;
    QAction* azionecancella = nullptr;
    clsResize* ridimensiona = nullptr;

    // 1 calculation, 2 description, 3 title page.
    int numero() const { return numero_; }

    // The caption with the job's file name ("nuovo lavoro" before the first
    // save) and a "*" while the job has unsaved changes; the designed caption
    // alone for a new job untouched.
    void impostastato(const std::string& filedati, bool modificato);

  public slots:
    // Empties the window's data at once, as loading a job does.
    virtual void cancella_click() = 0;
    // The clear command of the menu and toolbar: asks first, No by default.
    void cancella_chiedi();

  signals:
    void guidainlineaRichiesta();
    void uscitaRichiesta();
    // A field's text or the window's data changed.
    void datiCambiati();
    // A file dropped on the window, to open as the job.
    void fileTrascinato(const std::string& percorso);

  protected:
    FinestraLavoro(Dialoghi& dialoghi, int numero, const char* titolo, QWidget* parent);

    // "&AIUTO" and "&Guida in linea" at the left of the bottom row; the
    // tooltips differ by a blank between windows.
    void tastiguida(const char* suggerimentoaiuto, const char* suggerimentoguida);
    // "&USCITA" at the right of the bottom row, named as the window names it.
    QPushButton* tastouscita(const char* nome);
    // The data check (its caption differs between windows) and the clear
    // command, which asks before it empties the window.
    void comandi(const char* controlla);
    // Scales at the design size, places the window on the screen, gives it
    // its size and sets the program's message titles.
    void Form_Load();

    // A file dragged over the window or any of its fields is a job to open,
    // not a text to paste.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

    Dialoghi& dialoghi_;

  private:
    int numero_;
    QString titolo_;
};

} // namespace zocal
