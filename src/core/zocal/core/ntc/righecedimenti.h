#pragma once

#include "zocal/core/ntc.h"

#include <string>
#include <utility>
#include <vector>

namespace zocal {

// The settlement check (SLE) as the report and the window show it; each is
// empty for a foundation without one.

// The layers: n., from and to (m below the base), Eed (MPa), s (cm).
const std::vector<std::string>& intestazionistrati();
std::vector<std::vector<std::string>> righestrati(const VerificaNtc& v);

// The quasi-permanent combination (V, e, B′, p, σv0, pnet), s against slim
// with the verdict, the characteristic settlement and the depth of influence.
std::vector<RigaNtc> righecedimento(const VerificaNtc& v);

// The stress increase under the centre, for the drawing: `punti` points
// (depth below the base, m; Δσ, kPa) from the base down to `profondita`, the
// deeper of the last layer and the depth of influence.
struct CurvaCedimento {
    std::vector<std::pair<double, double>> punti;
    std::vector<double> soglia; // 0,1·σ′v0 at each point's depth, kPa
    double profondita = 0;
    double massimo = 0; // Δσ at the base, kPa
};
CurvaCedimento curvacedimento(const VerificaNtc& v, int punti);

// The differential check in words, for the report and the window, or why
// there is none.
std::string testodifferenziali(const std::optional<CedimentiDifferenziali>& d,
                               const StratiNtc& strati);

} // namespace zocal
