#pragma once

#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>

namespace zocal {

// The system's style, spared two slow habits of the toolkit's at start: it
// reads its pictures of the overflow arrows and of the group-box frame from
// files without naming their format, and to learn it loads every image
// plugin on the system. Here the arrows are the program's own, and the
// frame is the same picture read as PNG outright.
class StileZocal : public QProxyStyle {
  public:
    // Over `base`, or over the style the system would give the program.
    explicit StileZocal(QStyle* base = nullptr);
    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                       const QWidget* widget = nullptr) const override;

  private:
    mutable QIcon orizzontale_;
    mutable QIcon verticale_;
    mutable QPixmap cornice_;
    mutable bool cornicecercata_ = false;
};

} // namespace zocal
