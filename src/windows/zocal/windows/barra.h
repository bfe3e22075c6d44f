#pragma once

#include <QList>
#include <QString>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace zocal {

// What differs from one working window to another in the shared bar.
struct ComandiFinestra {
    // 1 calculation, 2 description, 3 title page.
    int numero = 1;
    // The print entries of the File menu: one is an item of its own, more
    // go into the submenu "S&tampa".
    QList<QAction*> stampe;
    // Toolbar position 6.
    QAction* stampabarra = nullptr;
    // The window's data check and clear, in "&Modifica" and at positions 19 and 20.
    QAction* controlla = nullptr;
    QAction* cancella = nullptr;
    // The exit entry's caption, which differs between windows.
    QString esci = QStringLiteral("Es&ci");
};

// The shared commands of one window's bar; the program connects them.
struct BarraComune {
    QAction* nuovo = nullptr;
    QAction* apri = nullptr;
    QAction* salva = nullptr;
    QAction* salvanome = nullptr;
    QAction* elimina = nullptr;
    QAction* esci = nullptr;
    QAction* colore = nullptr;
    QAction* studio = nullptr; // "Dati dello studio..."
    // The last files opened or saved, most recent first; hidden when unused.
    std::array<QAction*, 5> recenti{};
    std::array<QAction*, 4> finestre{}; // 1..3
    // "Verifica agli stati limite (NTC 2018)", after the three windows.
    QAction* ntc = nullptr;
    QAction* guida = nullptr;
    QAction* suggerimenti = nullptr;
    QAction* validazione = nullptr; // "Documento di validazione"
    QAction* supporto = nullptr;
    QAction* informazioni = nullptr;
    // The right-aligned "Fi&nestra n.<numero> di 3": the window's help page.
    QAction* finestra = nullptr;
    QMenu* file = nullptr;
    QMenu* modifica = nullptr;
    QMenu* visualizza = nullptr;
    QMenu* aiuto = nullptr;
    QToolBar* strumenti = nullptr;
};

inline constexpr int posizionibarra = 21;

// Gives the window the menu bar and the 21-position toolbar that the three
// working windows share, replacing any menu it had. A working window takes
// its designed size with them; another window grows by the toolbar's height.
// The window-switching shortcuts then work from every field of the window.
BarraComune installabarra(QMainWindow& finestra, const ComandiFinestra& comandi);

// The background of a working window, 0xRRGGBB, and its change.
unsigned sfondo(const QMainWindow& finestra);
void impostasfondo(QMainWindow& finestra, unsigned colore);

inline constexpr unsigned grigiochiaro = 0xC0C0C0;

} // namespace zocal
