// The floor for the start-up comparison: a bare Qt program that shows one
// empty main window and leaves once it is drawn.
#include "primodisegno.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.resize(632, 428);
    misura::esciDopoIlPrimoDisegno(finestra);
    finestra.show();
    return QApplication::exec();
}
