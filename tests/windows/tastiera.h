#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Types any text, accented letters included, as key events carrying it
// (QTest::keyClicks takes only plain ASCII).
inline void digita(QWidget* w, const QString& testo) {
    for (const QChar c : testo) {
        QKeyEvent giu(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &giu);
        QKeyEvent su(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &su);
    }
}
