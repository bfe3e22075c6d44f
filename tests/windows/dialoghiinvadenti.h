#pragma once

#include "dialoghifinti.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

// Message boxes that, once closed, leave another window active with the
// focus in one of its fields, as a window manager may do when a box goes.
class DialoghiInvadenti : public DialoghiFinti {
  public:
    QMainWindow altra;
    QLineEdit* altrocampo = new QLineEdit(&altra);

    DialoghiInvadenti() {
        altra.setCentralWidget(altrocampo);
        altra.setWindowTitle(QStringLiteral("altra"));
        altra.resize(200, 100);
    }

    void avvisa(const zocal::Messaggio& m) override {
        DialoghiFinti::avvisa(m);
        altra.show();
        altra.activateWindow();
        altrocampo->setFocus();
        altrocampo->setText(QStringLiteral("il fuoco è qui"));
        altrocampo->setCursorPosition(0);
        (void)QTest::qWaitForWindowActive(&altra);
    }
};
