#pragma once

namespace zocal {

// The choices and constants of the limit-state method shared by every check
// of the family.

// The three formulas for the self-weight bearing factor.
enum class FormulaNgamma { brinchhansen, vesic, ec7 };

// Partial factors of the method.
inline constexpr double gammaG1 = 1.3;
inline constexpr double gammaG2 = 1.5;
inline constexpr double gammaG2definiti = 1.3;
inline constexpr double gammaQ = 1.5;
inline constexpr double gammaR = 2.3;
// 1 kgf = 9.80665 N.
inline constexpr double accelerazionegravita = 9.80665;

} // namespace zocal
