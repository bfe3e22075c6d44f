#include "zocal/windows/caratteri.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace zocal {

PreparazioneCaratteri::PreparazioneCaratteri() {
    filo_ = std::thread([this, applicazione = applicazione_.get_future()]() mutable {
        FcInit();
        {
            const std::lock_guard<std::mutex> chiave(guardia_);
            configurazioneletta_ = true;
        }
        letta_.notify_all();
        // The font list is the toolkit's, and needs the application; the
        // toolkit guards it, so a window that wants a font meanwhile waits.
        if (applicazione.get()) {
            QFontDatabase::families();
        }
    });
}

PreparazioneCaratteri::~PreparazioneCaratteri() {
    termina();
}

void PreparazioneCaratteri::applicazionepronta() {
    if (!applicazionedata_) {
        applicazionedata_ = true;
        applicazione_.set_value(true);
    }
}

void PreparazioneCaratteri::attendiconfigurazione() {
    std::unique_lock<std::mutex> chiave(guardia_);
    letta_.wait(chiave, [this] { return configurazioneletta_; });
}

void PreparazioneCaratteri::termina() {
    if (!applicazionedata_) {
        applicazionedata_ = true;
        applicazione_.set_value(false);
    }
    if (filo_.joinable()) {
        filo_.join();
    }
}

} // namespace zocal
