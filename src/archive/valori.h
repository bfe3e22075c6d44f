#pragma once

// Rules shared by the reader and the writer, so that whatever one accepts the
// other can handle.

#include <cstddef>
#include <string_view>

namespace zocal::archivio {

inline constexpr char fineriga[] = "\r\n";

// First value of the optional record of the limit-state check's choices,
// after the title page.
inline constexpr char recordntc[] = "NTC2018";
// The optional record of the limit-state check's extra soil data.
inline constexpr char recordterreno[] = "NTC2018-TERRENO";

// A number of an optional record: empty, or a decimal-comma number.
bool numeroaggiunto(std::string_view t);
// Characters of a UTF-8 text.
std::size_t caratteri(std::string_view t);
// The optional records of a foundation's wall offset and horizontal forces
// and of the job's water table.
inline constexpr char recordfondazione[] = "NTC2018-FOND";
inline constexpr char recordfalda[] = "NTC2018-FALDA";
// The optional records of the seismic check: the site, the force of a
// foundation from the structural model, the use category of a storey.
inline constexpr char recordsisma[] = "NTC2018-SISMA";
inline constexpr char recordsismafondazione[] = "NTC2018-SISMA-FOND";
inline constexpr char recordcategoria[] = "NTC2018-CATEGORIA";
// The layers below the footings and the admissible settlements.
inline constexpr char recordstrati[] = "NTC2018-STRATI";
// A category of those records: empty, or one of the names of its kind.
enum class TipoCategoria { suolo, topografia, uso };
bool categoriaaggiunta(std::string_view t, TipoCategoria tipo);

// An entry held as text: only what the numeric entry rule lets through.
inline bool testoingresso(std::string_view t) {
    for (char c : t) {
        if (!((c >= '0' && c <= '9') || c == ',' || c == '-')) {
            return false;
        }
    }
    return true;
}

// A number whose written form reads back to a number written the same way;
// excludes infinities, NaN and the edges of the double range.
bool numeroarchiviabile(double valore);

} // namespace zocal::archivio
