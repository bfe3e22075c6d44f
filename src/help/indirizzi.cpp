#include "zocal/help/indirizzi.h"

#include <QDesktopServices>
#include <QUrl>

namespace zocal {

bool ApriIndirizzoQt::apri(const std::string& indirizzo) {
    const QUrl url(QString::fromStdString(indirizzo), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace zocal
