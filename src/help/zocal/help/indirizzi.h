#pragma once

#include <string>

namespace zocal {

// Opens a web address or a "mailto:" address with the user's default
// browser or mail program.
class ApriIndirizzo {
  public:
    virtual ~ApriIndirizzo() = default;
    // False when the address is not valid or nothing could open it.
    virtual bool apri(const std::string& indirizzo) = 0;
};

// Through QDesktopServices.
class ApriIndirizzoQt : public ApriIndirizzo {
  public:
    bool apri(const std::string& indirizzo) override;
};

} // namespace zocal
