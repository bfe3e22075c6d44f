#pragma once

// Page geometry shared by the layout, the PDF and the DOCX.
//
// The layout device has 1152 pixels an inch: the page size and the text are
// in those. Frame margins, borders and paddings are given in pixels of 1/96
// inch, which Qt scales to the device and rounds to whole device pixels.
// The fine grid keeps that rounding small, and Qt's layout, which resumes
// after an edit from the last of its marks, set every 2000 device pixels,
// finds one close to the end of the report when the closing lines follow
// the last table, instead of laying out again the tables of half a page.

namespace zocal::impaginazione {

inline constexpr double dpi = 1152.0;
inline constexpr double pxpunto = dpi / 72.0;      // device pixels
inline constexpr double logicopunto = 96.0 / 72.0; // 1/96 inch
inline constexpr double pxmm = dpi / 25.4;

inline constexpr double larghezzamm = 210.0; // A4
inline constexpr double altezzamm = 297.0;
inline constexpr double marginemm = 20.0;

inline constexpr double larghezzapx = larghezzamm * pxmm;
inline constexpr double altezzapx = altezzamm * pxmm;
inline constexpr double marginelogico = marginemm * 96.0 / 25.4;

// Twips (1/1440 inch) for the DOCX.
inline constexpr int larghezzatw = 11906;
inline constexpr int altezzatw = 16838;
inline constexpr int marginetw = 1134;
inline constexpr int testotw = larghezzatw - 2 * marginetw;

// The page footer: its type size, and the distance of its last line from
// the foot of the page.
inline constexpr double piedepunti = 8.0;
inline constexpr int piedetw = 709;

// Single line spacing of the report's font, ascent plus descent, as a
// multiple of the size: the layout keeps it whatever face stands in.
inline constexpr double interlinea = 1.225;

// Table look: thin borders (drawn as filled edges, which screens do not
// widen: thinner ones fade out at low zoom), and the room text keeps from
// the lines of its cell on every side. A word processor measures a cell's
// left and right room from the middle of the line, so the DOCX gives them
// a point more, which leaves it no wider a line of text than ours.
inline constexpr double bordopunti = 1.0;
inline constexpr double spaziocellapunti = 2.0;
inline constexpr double spaziocellalatodocx = spaziocellapunti + 1.0;

} // namespace zocal::impaginazione
