#include "zocal/windows/barra.h"

#include "immagini.h"
#include "zocal/windows/finestralavoro.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <cstdio>
#include <map>

namespace zocal {

namespace {

// Made once for the whole program: the three windows show the same pictures.
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
        char nome[16];
        std::snprintf(nome, sizeof nome, "barra%02d", posizione);
        dove->second = QIcon(QPixmap::fromImage(immagini::immagine(nome)));
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

// Ctrl+A, Ctrl+B and Ctrl+C switch windows from every field, as the menus
// show them: a text field would otherwise claim them as select-all and copy.
class ScorciatoieFinestre : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::ShortcutOverride) {
            const auto* tasto = static_cast<QKeyEvent*>(evento);
            const int k = tasto->key();
            if (tasto->modifiers() == Qt::ControlModifier &&
                (k == Qt::Key_A || k == Qt::Key_B || k == Qt::Key_C)) {
                // Left unaccepted: the shortcut of the window's menu takes it.
                evento->ignore();
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

} // namespace

BarraComune installabarra(QMainWindow& w, const ComandiFinestra& c) {
    BarraComune b;
    QMenuBar* barra = w.menuBar();
    // Whatever menus the window made for itself give way to the shared ones.
    const QList<QMenu*> vecchi = barra->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    barra->clear();
    qDeleteAll(vecchi);

    b.nuovo = new QAction(QStringLiteral("&Nuovo"), &w);
    b.nuovo->setToolTip(QStringLiteral("nuovo lavoro"));
    b.nuovo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    b.apri = comando(w, "&Apri...", "apri file", 1);
    b.apri->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    b.salva = comando(w, "&Salva", "salva file", 2);
    b.salva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    if (c.stampabarra != nullptr) {
        c.stampabarra->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    }
    b.studio = new QAction(QStringLiteral("Dati dello &studio..."), &w);
    b.studio->setToolTip(QStringLiteral("nome e indirizzo dello studio tecnico"));
    for (QAction*& a : b.recenti) {
        a = new QAction(&w);
        a->setVisible(false);
    }
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
    b.ntc = comando(w, "&Verifica agli stati limite (NTC 2018)",
                    "visualizza la verifica agli stati limite (NTC 2018)", 22);
    b.guida = comando(w, "&Guida in linea", "guida in linea", 14);
    b.suggerimenti = comando(w, "&Suggerimenti...", "suggerimenti", 15);
    b.validazione = new QAction(QStringLiteral("&Documento di validazione"), &w);
    b.validazione->setToolTip(
        QStringLiteral("documento di validazione del programma (NTC 2018, §10.2)"));
    b.supporto = comando(w, "Supporto &prodotto", "supporto prodotto", 16);
    b.informazioni = comando(w, "&Informazioni su Zocal", "informazioni su Zocal", 17);
    allabarra(c.stampabarra, "stampa dati finestra", 6);
    allabarra(c.controlla, "controllo dati immessi", 19);
    allabarra(c.cancella, "cancella dati finestra", 20);

    b.file = barra->addMenu(QStringLiteral("&File"));
    b.file->addAction(b.nuovo);
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
    for (QAction* a : b.recenti) {
        b.file->addAction(a);
    }
    b.file->addSeparator();
    b.file->addAction(b.esci);

    b.modifica = barra->addMenu(QStringLiteral("&Modifica"));
    b.modifica->addAction(b.colore);
    b.modifica->addAction(b.studio);
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
    b.visualizza->addSeparator();
    b.visualizza->addAction(b.ntc);

    b.aiuto = barra->addMenu(QStringLiteral("&?"));
    b.aiuto->addAction(b.guida);
    b.aiuto->addAction(b.suggerimenti);
    b.aiuto->addAction(b.validazione);
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
    // Position 11, a gap in the original bar, holds the limit-state check.
    const QList<QAction*> posizioni{
        b.apri,      b.salva,       b.salvanome,    b.elimina,     nullptr,        c.stampabarra,
        nullptr,     b.finestre[1], b.finestre[2],  b.finestre[3], b.ntc,          b.colore,
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
    if (auto* lavoro = qobject_cast<FinestraLavoro*>(&w)) {
        lavoro->dimensionaprogetto();
    } else {
        w.resize(w.width(), w.height() + b.strumenti->sizeHint().height());
    }

    auto* scorciatoie = new ScorciatoieFinestre(&w);
    for (QWidget* campo : w.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(campo) != nullptr ||
            qobject_cast<QComboBox*>(campo) != nullptr) {
            campo->installEventFilter(scorciatoie);
        }
    }
    return b;
}

namespace {

// What the user sees of a window: a working window's inner area, which
// stands in a scroll area, else the central widget.
QWidget* fondo(const QMainWindow& finestra) {
    if (const auto* lavoro = qobject_cast<const FinestraLavoro*>(&finestra)) {
        return lavoro->superficie;
    }
    return finestra.centralWidget();
}

} // namespace

unsigned sfondo(const QMainWindow& finestra) {
    const QWidget* superficie = fondo(finestra) != nullptr ? fondo(finestra) : &finestra;
    return static_cast<unsigned>(superficie->palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
}

void impostasfondo(QMainWindow& finestra, unsigned colore) {
    const QColor c = QColor::fromRgb(colore & 0xFFFFFFu);
    for (QWidget* w :
         {static_cast<QWidget*>(&finestra), finestra.centralWidget(), fondo(finestra)}) {
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
