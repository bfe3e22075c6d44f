#pragma once

#include "zocal/archive/archivio.h"

#include <QByteArray>

#include <optional>
#include <string>

namespace zocal {

// A document reaches its file the way a job file does: whole, or not at all.
inline std::optional<std::string> scrivifile(const std::string& percorso, const QByteArray& byte) {
    return salvabyte(percorso,
                     std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
}

} // namespace zocal
