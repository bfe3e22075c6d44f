#pragma once

#include <cstddef>
#include <string_view>

namespace zocal {

// Length of the well-formed UTF-8 sequence that starts at s[p]; 0 when the
// bytes there are none: overlong forms, surrogates and anything above
// U+10FFFF are not UTF-8.
std::size_t sequenzautf8(std::string_view s, std::size_t p);

} // namespace zocal
