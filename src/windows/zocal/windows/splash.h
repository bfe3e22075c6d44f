#pragma once

#include "zocal/windows/lettore.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;

namespace zocal {

// The start-up screen, and after the exit the closing screen: the maker,
// the program's name, subtitle and version, a sunflower, and the start-up
// music. A click asks for work, a key for the end.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* testopresenta = "                        presenta";
    static constexpr const char* testochiusura = "          elaborazione eseguita con";

    explicit frmSplash(LettoreMusica& lettore, QWidget* parent = nullptr);

    // The labels by their design numbers 1..8; 6 is the picture.
    QLabel* Label(int n) const;
    QLabel* Image1;

    // Label 2 reads as a closing screen above the program's name.
    void mostrachiusura();
    // Asked before a key ends the program; false keeps the screen.
    void impostaconferma(std::function<bool()> conferma) { conferma_ = std::move(conferma); }

  signals:
    // A click anywhere on the screen: the music pauses first.
    void clic();
    // A key: the music is closed and the screen closes first.
    void tasto();

  protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

  private:
    void Form_Load();

    LettoreMusica& lettore_;
    std::array<QLabel*, 9> etichette_{};
    std::function<bool()> conferma_;
};

} // namespace zocal
