#pragma once

#include "zocal/archive/salvataggio.h"

#include <QByteArray>

#include <string_view>

namespace zocal {

// The bytes of a document, for the safe save of the archive.
inline std::string_view vista(const QByteArray& byte) {
    return {byte.constData(), static_cast<std::size_t>(byte.size())};
}

} // namespace zocal
