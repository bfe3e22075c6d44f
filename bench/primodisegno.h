#pragma once

// Start-up measurement: once its window has been drawn the program writes
// the wall-clock time in nanoseconds on its standard output and leaves. The
// caller, who noted the time it started the program, gets the start-up
// without the program's tear-down.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace misura {

class PrimoDisegno : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !visto_) {
            visto_ = true;
            // After the whole repaint in progress, not in the middle of it.
            QTimer::singleShot(0, qApp, [] {
                timespec adesso{};
                clock_gettime(CLOCK_REALTIME, &adesso);
                std::printf("%lld\n",
                            static_cast<long long>(adesso.tv_sec) * 1000000000LL + adesso.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
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
