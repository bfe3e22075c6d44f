#include "zocal/windows/barra.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>

#include <functional>
#include <map>

namespace zocal {

namespace {

// The toolbar's pictures, drawn on a 32-unit square.
using Disegno = std::function<void(QPainter&)>;

QIcon disegna(const Disegno& disegno) {
    QPixmap immagine(64, 64);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    disegno(p);
    p.end();
    return QIcon(immagine);
}

const QColor contorno(40, 40, 40);

// Every caption is drawn with one font, scaled to its size: each further
// font size would cost a font lookup of its own at start.
void scritta(QPainter& p, const QRectF& r, const QString& testo, double punti, const QColor& c) {
    constexpr double base = 20;
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(base));
    f.setBold(true);
    const double k = punti / base;
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.translate(r.center());
    p.scale(k, k);
    p.drawText(QRectF(-r.width() / (2 * k), -r.height() / (2 * k), r.width() / k, r.height() / k),
               Qt::AlignCenter, testo);
    p.restore();
}

void dischetto(QPainter& p, const QColor& corpo) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(corpo);
    QPainterPath d;
    d.moveTo(4, 4);
    d.lineTo(24, 4);
    d.lineTo(28, 8);
    d.lineTo(28, 28);
    d.lineTo(4, 28);
    d.closeSubpath();
    p.drawPath(d);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(8, 17, 16, 11));
}

void foglio(QPainter& p) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(Qt::white);
    QPainterPath f;
    f.moveTo(7, 3);
    f.lineTo(20, 3);
    f.lineTo(26, 9);
    f.lineTo(26, 29);
    f.lineTo(7, 29);
    f.closeSubpath();
    p.drawPath(f);
}

void finestrina(QPainter& p, const QString& numero) {
    p.setPen(QPen(contorno, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(3, 5, 26, 6));
    scritta(p, QRectF(3, 11, 26, 16), numero, 14, QColor(0, 0, 128));
}

QIcon disegnaicona(int posizione) {
    switch (posizione) {
    case 1: // open: a folder
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(230, 180, 40));
            p.drawRect(QRectF(3, 9, 24, 18));
            p.drawRect(QRectF(3, 6, 10, 4));
            p.setBrush(QColor(255, 214, 90));
            QPainterPath aperta;
            aperta.moveTo(7, 14);
            aperta.lineTo(30, 14);
            aperta.lineTo(26, 27);
            aperta.lineTo(3, 27);
            aperta.closeSubpath();
            p.drawPath(aperta);
        });
    case 2: // save under the current name: the green disk
        return disegna([](QPainter& p) { dischetto(p, QColor(46, 139, 87)); });
    case 3: // save under a new name: the black disk
        return disegna([](QPainter& p) {
            dischetto(p, QColor(45, 45, 45));
            scritta(p, QRectF(8, 17, 16, 11), QStringLiteral("..."), 9, contorno);
        });
    case 4: // delete: a sheet struck out
        return disegna([](QPainter& p) {
            foglio(p);
            p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 11), QPointF(23, 24));
            p.drawLine(QPointF(23, 11), QPointF(10, 24));
        });
    case 6: // print: a printer
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(170, 170, 170));
            p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 20, 14, 9));
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.drawLine(QPointF(11, 24), QPointF(21, 24));
            p.drawLine(QPointF(11, 27), QPointF(19, 27));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 180, 60));
            p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
        });
    case 8:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("1")); });
    case 9:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("2")); });
    case 10:
        return disegna([](QPainter& p) { finestrina(p, QStringLiteral("3")); });
    case 12: // background colour: a palette
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(222, 184, 135));
            p.drawEllipse(QRectF(3, 5, 26, 22));
            p.setPen(Qt::NoPen);
            const QColor colori[] = {QColor(220, 40, 40), QColor(40, 160, 40), QColor(40, 80, 220),
                                     QColor(250, 210, 40)};
            const QPointF posti[] = {{10, 11}, {17, 9}, {23, 13}, {22, 20}};
            for (int k = 0; k < 4; ++k) {
                p.setBrush(colori[k]);
                p.drawEllipse(posti[k], 3, 3);
            }
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(11, 20), 3, 3);
        });
    case 14: // help contents: a book with a question mark
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(30, 90, 180));
            p.drawRoundedRect(QRectF(6, 3, 21, 26), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 25, 21, 4));
            scritta(p, QRectF(6, 3, 21, 22), QStringLiteral("?"), 18, Qt::white);
        });
    case 15: // tips: a light bulb
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(255, 230, 80));
            p.drawEllipse(QRectF(7, 2, 18, 18));
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(QRectF(12, 19, 8, 7));
            p.drawLine(QPointF(12, 22), QPointF(20, 22));
            p.drawRoundedRect(QRectF(13, 26, 6, 3), 1, 1);
        });
    case 16: // product support: a life buoy
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 16), 13, 13);
            p.setBrush(QColor(220, 40, 40));
            for (int k = 0; k < 4; ++k) {
                p.drawPie(QRectF(3, 3, 26, 26), (k * 90 + 20) * 16, 50 * 16);
            }
            p.setBrush(QColor(240, 240, 240));
            p.drawEllipse(QPointF(16, 16), 6, 6);
        });
    case 17: // about: the information sign
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(30, 90, 180));
            p.drawEllipse(QPointF(16, 16), 13, 13);
            scritta(p, QRectF(3, 3, 26, 26), QStringLiteral("i"), 20, Qt::white);
        });
    case 19: // data check: the "ABC" button
        return disegna([](QPainter& p) {
            scritta(p, QRectF(0, 2, 32, 18), QStringLiteral("ABC"), 12, QColor(0, 0, 128));
            p.setPen(QPen(QColor(30, 150, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            QPainterPath spunta;
            spunta.moveTo(9, 22);
            spunta.lineTo(14, 28);
            spunta.lineTo(25, 17);
            p.drawPath(spunta);
        });
    case 20: // clear: an eraser
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.translate(16, 16);
            p.rotate(-35);
            p.setBrush(QColor(240, 128, 160));
            p.drawRoundedRect(QRectF(-13, -6, 16, 12), 2, 2);
            p.setBrush(QColor(70, 110, 200));
            p.drawRoundedRect(QRectF(3, -6, 10, 12), 2, 2);
        });
    case 21: // exit: a door and an arrow
        return disegna([](QPainter& p) {
            p.setPen(QPen(contorno, 1.2));
            p.setBrush(QColor(150, 90, 40));
            p.drawRect(QRectF(4, 3, 15, 26));
            p.setBrush(QColor(250, 210, 40));
            p.drawEllipse(QPointF(16, 16), 1.5, 1.5);
            p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(17, 16), QPointF(29, 16));
            p.drawLine(QPointF(24, 11), QPointF(29, 16));
            p.drawLine(QPointF(24, 21), QPointF(29, 16));
        });
    default:
        return {};
    }
}

// Drawn once for the whole program: the three windows show the same pictures.
// They go with the application, before its graphics system does.
std::map<int, QIcon>* fatte = nullptr;

QIcon icona(int posizione) {
    if (fatte == nullptr) {
        fatte = new std::map<int, QIcon>;
        qAddPostRoutine([] {
            delete fatte;
            fatte = nullptr;
        });
    }
    auto [dove, nuova] = fatte->try_emplace(posizione);
    if (nuova) {
        dove->second = disegnaicona(posizione);
    }
    return dove->second;
}

QAction* comando(QMainWindow& w, const char* testo, const char* suggerimento, int posizione) {
    auto* a = new QAction(QString::fromUtf8(testo), &w);
    a->setToolTip(QString::fromUtf8(suggerimento));
    a->setIcon(icona(posizione));
    return a;
}

// A window's own command reaches the toolbar with its picture and tooltip.
void allabarra(QAction* a, const char* suggerimento, int posizione) {
    if (a == nullptr) {
        return;
    }
    a->setToolTip(QString::fromUtf8(suggerimento));
    if (a->icon().isNull()) {
        a->setIcon(icona(posizione));
    }
}

} // namespace

BarraComune installabarra(QMainWindow& w, const ComandiFinestra& c) {
    BarraComune b;
    QMenuBar* barra = w.menuBar();
    // Whatever menus the window made for itself give way to the shared ones.
    const QList<QMenu*> vecchi = barra->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    barra->clear();
    qDeleteAll(vecchi);

    b.apri = comando(w, "&Apri...", "apri file", 1);
    b.salva = comando(w, "&Salva", "salva file", 2);
    b.salvanome = comando(w, "Salva con &nome...", "salva file con nome", 3);
    b.elimina = comando(w, "&Elimina...", "elimina file", 4);
    b.esci = new QAction(c.esci, &w);
    b.esci->setToolTip(QStringLiteral("uscita da Zocal"));
    b.esci->setIcon(icona(21));
    b.colore = comando(w, "&Colore di sfondo", "colore di sfondo", 12);
    b.finestre[1] = comando(w, "Finestra Calcolo", "visualizza finestra 'Calcolo'", 8);
    b.finestre[2] = comando(w, "Finestra Descrizione", "visualizza finestra 'Descrizione'", 9);
    b.finestre[3] = comando(w, "Finestra Frontespizio", "visualizza finestra 'Frontespizio'", 10);
    const Qt::Key tasti[] = {Qt::Key_unknown, Qt::Key_A, Qt::Key_B, Qt::Key_C};
    for (int n = 1; n <= 3; ++n) {
        QAction* a = b.finestre[static_cast<std::size_t>(n)];
        a->setShortcut(QKeySequence(Qt::CTRL | tasti[n]));
        if (n == c.numero) {
            // The window's own item keeps its check mark when chosen.
            a->setCheckable(true);
            a->setChecked(true);
            QObject::connect(a, &QAction::toggled, a, [a](bool acceso) {
                if (!acceso) {
                    a->setChecked(true);
                }
            });
        }
    }
    b.guida = comando(w, "&Guida in linea", "guida in linea", 14);
    b.suggerimenti = comando(w, "&Suggerimenti...", "suggerimenti", 15);
    b.supporto = comando(w, "Supporto &prodotto", "supporto prodotto", 16);
    b.informazioni = comando(w, "&Informazioni su Zocal", "informazioni su Zocal", 17);
    allabarra(c.stampabarra, "stampa dati finestra", 6);
    allabarra(c.controlla, "controllo dati immessi", 19);
    allabarra(c.cancella, "cancella dati finestra", 20);

    b.file = barra->addMenu(QStringLiteral("&File"));
    b.file->addAction(b.apri);
    b.file->addSeparator();
    b.file->addAction(b.salva);
    b.file->addAction(b.salvanome);
    b.file->addSeparator();
    b.file->addAction(b.elimina);
    b.file->addSeparator();
    if (c.stampe.size() == 1) {
        b.file->addAction(c.stampe.front());
    } else if (!c.stampe.isEmpty()) {
        QMenu* stampa = b.file->addMenu(QStringLiteral("S&tampa"));
        stampa->addActions(c.stampe);
    }
    b.file->addSeparator();
    b.file->addAction(b.esci);

    b.modifica = barra->addMenu(QStringLiteral("&Modifica"));
    b.modifica->addAction(b.colore);
    b.modifica->addSeparator();
    if (c.controlla != nullptr) {
        b.modifica->addAction(c.controlla);
    }
    b.modifica->addSeparator();
    if (c.cancella != nullptr) {
        b.modifica->addAction(c.cancella);
    }

    b.visualizza = barra->addMenu(QStringLiteral("&Visualizza"));
    for (int n = 1; n <= 3; ++n) {
        b.visualizza->addAction(b.finestre[static_cast<std::size_t>(n)]);
    }

    b.aiuto = barra->addMenu(QStringLiteral("&?"));
    b.aiuto->addAction(b.guida);
    b.aiuto->addAction(b.suggerimenti);
    b.aiuto->addSeparator();
    b.aiuto->addAction(b.supporto);
    b.aiuto->addSeparator();
    b.aiuto->addAction(b.informazioni);

    // The window's own help entry stands at the right end of the bar.
    b.finestra = new QAction(QStringLiteral("Fi&nestra n.%1 di 3").arg(c.numero), &w);
    auto* destra = new QMenuBar(barra);
    destra->setObjectName(QStringLiteral("finestra"));
    destra->addAction(b.finestra);
    barra->setCornerWidget(destra, Qt::TopRightCorner);

    b.strumenti = new QToolBar(QStringLiteral("Barra degli strumenti"), &w);
    b.strumenti->setObjectName(QStringLiteral("Toolbar1"));
    b.strumenti->setMovable(false);
    b.strumenti->setFloatable(false);
    b.strumenti->setIconSize(QSize(24, 24));
    b.strumenti->setContextMenuPolicy(Qt::PreventContextMenu);
    const QList<QAction*> posizioni{
        b.apri,      b.salva,       b.salvanome,    b.elimina,     nullptr,        c.stampabarra,
        nullptr,     b.finestre[1], b.finestre[2],  b.finestre[3], nullptr,        b.colore,
        nullptr,     b.guida,       b.suggerimenti, b.supporto,    b.informazioni, nullptr,
        c.controlla, c.cancella,    b.esci};
    for (QAction* a : posizioni) {
        if (a == nullptr) {
            b.strumenti->addSeparator();
        } else {
            b.strumenti->addAction(a);
        }
    }
    w.addToolBar(Qt::TopToolBarArea, b.strumenti);
    w.resize(w.width(), w.height() + b.strumenti->sizeHint().height());
    return b;
}

unsigned sfondo(const QMainWindow& finestra) {
    const QWidget* superficie =
        finestra.centralWidget() != nullptr ? finestra.centralWidget() : &finestra;
    return static_cast<unsigned>(superficie->palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
}

void impostasfondo(QMainWindow& finestra, unsigned colore) {
    const QColor c = QColor::fromRgb(colore & 0xFFFFFFu);
    for (QWidget* w : {static_cast<QWidget*>(&finestra), finestra.centralWidget()}) {
        if (w == nullptr) {
            continue;
        }
        QPalette p = w->palette();
        p.setColor(QPalette::Window, c);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

} // namespace zocal
