#pragma once

#include "zocal/core/daticalcolo.h"
#include "zocal/windows/calcolo.h"

#include <QComboBox>
#include <QLineEdit>

// The worked example: two storeys on foundation f, sandy soil.
inline void esempio(zocal::DatiCalcolo& d, int f = 1) {
    const char* piano1[] = {"300", "200", "4", "100", "200", "0,30", "3", "1800"};
    const char* piano2[] = {"250", "150", "4", "80", "150", "0,30", "3", "1800"};
    for (std::size_t j = 0; j < zocal::vociingresso.size(); ++j) {
        d.piano(zocal::vociingresso[j], 1, f) = piano1[j];
        d.piano(zocal::vociingresso[j], 2, f) = piano2[j];
    }
    d.prof[f] = "1";
    d.largh[f] = "0,6";
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    d.contadati();
}

// What opening a job does to the window: the soil fields, then the grid,
// then the shown foundation.
inline void mostralavoro(zocal::calcolo& w) {
    const zocal::DatiCalcolo& d = w.dati();
    w.Combo1->setEditText(QString::fromStdString(d.tiposuolo.testo()));
    w.pesos->setText(QString::fromStdString(d.pesos.testo()));
    w.coes->setText(QString::fromStdString(d.coes.testo()));
    w.attr->setText(QString::fromStdString(d.attr.testo()));
    w.VScroll1_Change();
    w.HScroll1_Change();
}
