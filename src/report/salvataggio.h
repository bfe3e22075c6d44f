#pragma once

#include <QByteArray>

#include <optional>
#include <string>

namespace zocal {

// Writes the bytes to a new file beside `percorso` and puts it in place only
// once it reached the disk; an older file stays whole on any fault. The
// reason of a fault comes back in Italian, naming the file.
std::optional<std::string> scrivifile(const std::string& percorso, const QByteArray& byte);

} // namespace zocal
