#pragma once

// Start-up measurement: the program leaves as soon as its window has been
// drawn once, so that the whole run is the start-up.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace misura {

class PrimoDisegno : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            // After the whole repaint in progress, not in the middle of it.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    bool visto_ = false;
};

inline void esciDopoIlPrimoDisegno(QWidget& finestra) {
    finestra.installEventFilter(new PrimoDisegno(&finestra));
}

} // namespace misura
