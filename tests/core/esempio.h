#pragma once

#include "zocal/core/daticalcolo.h"

// The worked example: soil type 1, two storeys on foundation 1.
inline zocal::DatiCalcolo esempiolavorato() {
    zocal::DatiCalcolo d;
    const char* piani[2][8] = {{"300", "200", "4", "100", "200", "0,30", "3", "1800"},
                               {"250", "150", "4", "80", "150", "0,30", "3", "1800"}};
    for (int i = 1; i <= 2; ++i) {
        for (int k = 0; k < 8; ++k) {
            d.piano(zocal::vociingresso[k], i, 1) = piani[i - 1][k];
        }
    }
    d.prof[1] = "1";
    d.largh[1] = "0,6";
    d.tiposuolo = "1";
    d.pesos = "1,8";
    d.coes = "0";
    d.attr = "30";
    d.contadati();
    return d;
}

// Foundation 2: a copy of foundation 1's storeys, 1 m deep and `largh` wide.
inline void secondafondazione(zocal::DatiCalcolo& d, const char* largh) {
    for (int i = 1; i <= 2; ++i) {
        for (zocal::Voce v : zocal::vociingresso) {
            d.piano(v, i, 2) = d.piano(v, i, 1);
        }
    }
    d.prof[2] = "1";
    d.largh[2] = largh;
    d.contadati();
}
