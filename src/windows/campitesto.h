#pragma once

#include "zocal/core/dialoghi.h"

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

// Small pieces shared by the three working windows.
namespace zocal::campitesto {

inline const QColor grigio(192, 192, 192);
inline const QColor giallo(255, 255, 0);
inline const QColor bianco(255, 255, 255);

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string ss(const QString& s) {
    return s.toStdString();
}

// Places a control at its design position, in twips.
void posa(QWidget* w, int left, int top, int width, int height);
// Gives a control its own background colour.
void colora(QWidget* w, const QColor& sfondo);
// The window's caption, light grey background and font, and its inner area,
// which the resizer scales; returns that area. The area stands in a scroll
// area, which scrolls only on a screen smaller than the area's minimum.
QWidget* preparasuperficie(QMainWindow& finestra, const char* titolo);
// A window laid out by its own layout, made able to scroll in the same way:
// the widget its layout goes in.
QWidget* scorrevole(QWidget* finestra);

// The widest text a field or value box must show whole ("00000"), when its
// own text is not the measure.
inline constexpr const char* proprietacampione = "testopiulargo";
// The size a control needs to show its widest text (its sample, else its
// own text) at the font it has; empty for a control that shows no text.
QSize necessario(const QWidget* controllo);

// The height of a main window's menu bar and toolbars.
int barre(const QMainWindow& finestra);
// What a scrolling window needs inside to show every text (its scroll area's contents).
QSize minimocontenuto(const QWidget& finestra);
// Keeps a window's minimum at what its texts need, within the screen (the
// rest scrolls), and the whole window on the screen's available area.
void portanelloschermo(QWidget& finestra);
// Opens a window beside another's frame, on the screen, not over it; a
// window the user moved where it covers nothing stays there.
void accosta(QWidget& finestra, const QWidget* altra);
// A push button of the window's bottom row, or wherever the design puts it.
QPushButton* nuovotasto(QWidget* superficie, const char* nome, const char* testo, int left,
                        const char* suggerimento, int top = 5760, int width = 1095,
                        int height = 375);

// The yellow guidance box of the description and title-page windows.
QLabel* nuovopasso(QWidget* superficie, int left, int width);

// Whether a caption fits its box at the box's present size, a few pixels
// free on each side of every line: the grid's cells overlap their neighbours
// by a pixel, and a caption that fills its cell reads as one word with the
// next ("interassepeso").
bool stanelriquadro(const QLabel* l);
// Makes a caption that does not fit its box fit: the narrow face of the
// window's family first, then smaller sizes, down to a floor.
void adattadidascalia(QLabel* l);

// Lets a text field hold whatever a job file can carry: the toolkit's own
// limit (32,767 characters) would cut a loaded text without a word, and the
// cut text would be saved.
void senzalimite(QLineEdit* campo);

// Sets a label's text only when it differs, so nothing repaints for nothing.
void imposta(QLabel* l, const QString& testo);

} // namespace zocal::campitesto
