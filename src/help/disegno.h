#pragma once

#include <QColor>
#include <QString>

#include <string>

class QLabel;
class QPushButton;
class QWidget;

namespace zocal {
class clsResize;
}

// Small pieces shared by the help and information windows.
namespace zocal::disegno {

inline const QColor grigio(192, 192, 192);
inline const QColor azzurro(0, 255, 255);
inline const QColor rosso(255, 0, 0);
inline const QColor giallo(255, 255, 0);
inline const QColor giallino(255, 255, 225);
inline const QColor bianco(255, 255, 255);
inline const QColor blu(0, 0, 128);

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Places a control at its design position, in twips.
void posa(QWidget* w, int left, int top, int width, int height);
// Gives a widget its own background (and, when valid, text) colour.
void colora(QWidget* w, const QColor& sfondo, const QColor& testo = QColor());
// The face of the program's windows, at the given size.
void carattere(QWidget* w, double punti, bool grassetto = false);

QLabel* etichetta(QWidget* genitore, const QString& testo, int left, int top, int width,
                  int height);
QPushButton* tasto(QWidget* genitore, const char* nome, const QString& testo, int left, int top,
                   int width, int height, const char* suggerimento = nullptr);

// Gives a window its resizer: the layout is recorded at the design inner
// size (twips), the window is placed on the screen, then given that size
// again. A negative left keeps the left edge the resizer chose.
clsResize* dimensiona(QWidget* finestra, int larghezza, int altezza, int left = -1);

} // namespace zocal::disegno
