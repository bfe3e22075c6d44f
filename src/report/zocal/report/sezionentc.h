#pragma once

#include "zocal/core/ntc.h"
#include "zocal/report/scrittore.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

namespace zocal {

// The section of a strip footing under the limit-state check, as the window,
// the PDF and the DOCX show it: the wall, the footing B x D below ground
// level with its dimensions, the design load as an arrow (with the wall's
// offset, the horizontal force, the water table and the effective width when
// the job gives them), and the design
// pressure Ed/B against the design resistance Rd/B as two bars coloured by
// the verdict.

inline const QColor coloreverificata(0, 140, 60);
inline const QColor colorenonverificata(200, 30, 30);

struct TestoSezione {
    QRectF dove;
    QString testo;
    int allineamento = 0; // Qt::Alignment
};

// Where everything goes in `area`; a foundation that was not computed has
// only its texts (why not).
struct SezioneNtc {
    bool calcolata = false;
    bool fondazionecls = false; // concrete; masonry otherwise
    QLineF terreno;
    QRectF muro, fondazione;
    QLineF freccia; // from its tail down to its tip on the wall
    QLineF quotaB, quotaD;
    // Beyond the centred vertical load, each null when absent: the
    // horizontal force (tail to tip), the water line, the effective width.
    QLineF forza, falda, quotaBp;
    QRectF barraEd, barraRd;
    QColor colore;
    std::vector<TestoSezione> testi;
    double corpo = 10; // pixel size of the texts
};

SezioneNtc geometriasezione(const VerificaNtc& v, const QRectF& area);

// Draws the section in `area` of any paint device.
void disegnasezione(QPainter& pittore, const QRectF& area, const VerificaNtc& v);

// The section as a picture on white, for documents; `scala` draws it that
// many times finer than its size in pixels / scala.
QImage immaginesezione(const VerificaNtc& v, int larghezza, int altezza, double scala = 1.0);

// A drawing of one foundation's check as a drawing of a document: laid out
// as in an area of `larghezza` x `altezza` pixels, then scaled to its place.
class FiguraNtc : public Disegno {
  public:
    using Disegnatore = void (*)(QPainter&, const QRectF&, const VerificaNtc&);
    FiguraNtc(Disegnatore disegnatore, VerificaNtc v, double larghezza, double altezza)
        : disegnatore_(disegnatore), v_(std::move(v)), larghezza_(larghezza), altezza_(altezza) {}
    void disegna(QPainter& pittore, const QRectF& area) const override;

  private:
    Disegnatore disegnatore_;
    VerificaNtc v_;
    double larghezza_;
    double altezza_;
};

// The section as a drawing of a document.
class FiguraSezione : public FiguraNtc {
  public:
    FiguraSezione(VerificaNtc v, double larghezza, double altezza)
        : FiguraNtc(disegnasezione, std::move(v), larghezza, altezza) {}
};

} // namespace zocal
