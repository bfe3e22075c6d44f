#include "zocal/resize/clsresize.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <cmath>

namespace zocal {

int pixel(double twips) {
    const double p = std::round(twips / twipspixel);
    if (!std::isfinite(p)) {
        return 0;
    }
    return static_cast<int>(std::clamp(p, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX)));
}

namespace {

// Restores repainting however the loop is left, and only when it was on:
// a caller that had suspended it keeps it suspended.
class SospendiDisegno {
  public:
    explicit SospendiDisegno(QWidget* w) : w_(w), attivo_(w && w->updatesEnabled()) {
        if (attivo_) {
            w_->setUpdatesEnabled(false);
        }
    }
    ~SospendiDisegno() {
        if (attivo_ && w_) {
            w_->setUpdatesEnabled(true);
        }
    }
    SospendiDisegno(const SospendiDisegno&) = delete;
    SospendiDisegno& operator=(const SospendiDisegno&) = delete;

  private:
    QPointer<QWidget> w_;
    bool attivo_;
};

bool nellayout(const QLayout* layout, const QWidget* w) {
    if (layout->menuBar() == w) {
        return true;
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item) {
            continue;
        }
        if (item->widget() == w) {
            return true;
        }
        if (item->layout() && nellayout(item->layout(), w)) {
            return true;
        }
    }
    return false;
}

// Containers whose children are controls of the window too, as the frames of
// a designed window are.
bool contenitore(const QWidget* w) {
    const QMetaObject* m = w->metaObject();
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox*>(w) != nullptr;
}

void raccogli(QWidget* contenente, std::vector<QWidget*>& controlli) {
    const QLayout* layout = contenente->layout();
    for (QObject* figlio : contenente->children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (!w || w->isWindow()) {
            continue;
        }
        if (layout && nellayout(layout, w)) {
            continue;
        }
        controlli.push_back(w);
        if (contenitore(w)) {
            raccogli(w, controlli);
        }
    }
}

std::int32_t arrotonda(double twips) {
    return static_cast<std::int32_t>(std::clamp(std::round(twips), -2147483648.0, 2147483647.0));
}

} // namespace

clsResize::clsResize(QObject* parent) : QObject(parent) {}

clsResize::~clsResize() {
    Positions_.clear();
    if (SourceForm_) {
        SourceForm_->removeEventFilter(this);
    }
    if (finestra_) {
        finestra_->removeEventFilter(this);
    }
}

void clsResize::setSourceForm(QWidget* form) {
    if (SourceForm_) {
        SourceForm_->removeEventFilter(this);
    }
    if (finestra_) {
        finestra_->removeEventFilter(this);
    }
    SourceForm_ = form;
    finestra_ = form ? form->window() : nullptr;
    if (SourceForm_) {
        SourceForm_->installEventFilter(this);
    }
    if (finestra_ && finestra_ != SourceForm_) {
        finestra_->installEventFilter(this);
    }
}

std::vector<QWidget*> clsResize::controlli(QWidget* form) {
    std::vector<QWidget*> elenco;
    if (form) {
        raccogli(form, elenco);
    }
    return elenco;
}

QSize clsResize::schermo() const {
    QScreen* s = nullptr;
    if (SourceForm_) {
        s = SourceForm_->window()->screen();
    }
    if (!s) {
        s = QGuiApplication::primaryScreen();
    }
    if (!s) {
        return {};
    }
    const QSize p = s->geometry().size();
    return {twips(p.width()), twips(p.height())};
}

void clsResize::RecordPositions() {
    QWidget* form = SourceForm_;
    if (!form) {
        return;
    }
    RecordedWidth_ = twips(form->width());
    RecordedHeight_ = twips(form->height());
    const std::vector<QWidget*> elenco = controlli(form);
    Positions_.assign(elenco.size(), ControlPosition{});
    for (std::size_t i = 0; i < elenco.size(); ++i) {
        ControlPosition& p = Positions_[i];
        p.Ctl = elenco[i];
        const QRect g = elenco[i]->geometry();
        p.Left = twips(g.x());
        p.Top = twips(g.y());
        p.Width = twips(g.width());
        p.Height = twips(g.height());
    }
    FirstTime_ = false;
}

void clsResize::ReInitialise() {
    RecordPositions();
}

void clsResize::SizeFormToScreen(std::uint8_t percent) {
    if (!SourceForm_) {
        return;
    }
    if (FirstTime_) {
        RecordPositions();
    }
    const QSize s = schermo();
    if (!s.isEmpty()) {
        const auto newHeight = static_cast<std::int32_t>(std::floor(percent / 100.0 * s.height()));
        const auto newWidth = static_cast<std::int32_t>(std::floor(percent / 100.0 * s.width()));
        QWidget* w = SourceForm_->window();
        const double top = (s.height() - newHeight) / 2.0;
        const double left = (s.width() - newWidth) / 2.0;
        w->move(w->x(), pixel(top));
        w->move(pixel(left), w->y());
        w->resize(w->width(), pixel(newHeight));
        w->resize(pixel(newWidth), w->height());
    }
    ResizeControls();
}

void clsResize::ResizeControls() {
    QWidget* form = SourceForm_;
    if (!form) {
        return;
    }
    if (controlli(form).empty()) {
        return;
    }
    if (form->window()->isMinimized()) {
        return;
    }
    if (FirstTime_) {
        RecordPositions();
        return;
    }
    if (RecordedWidth_ <= 0 || RecordedHeight_ <= 0) {
        // Recorded with no inner area: nothing to scale from. Once the window
        // has an area its controls still stand where they were designed.
        if (form->width() > 0 && form->height() > 0) {
            RecordPositions();
        }
        return;
    }
    SospendiDisegno sospeso(form);
    const double heightRatio = double(twips(form->height())) / RecordedHeight_;
    const double widthRatio = double(twips(form->width())) / RecordedWidth_;
    scala(widthRatio, heightRatio);
}

void clsResize::scala(double widthRatio, double heightRatio) {
    for (const ControlPosition& p : Positions_) {
        QWidget* c = p.Ctl;
        if (!c) {
            continue; // gone since the recording: nothing left to place
        }
        QString tag = c->property(proprietatag).toString().toUpper();
        if (tag.isEmpty() || !tag.startsWith(QLatin1Char('@'))) {
            tag = QStringLiteral("@L,T,W,H");
        }
        QRect g = c->geometry();
        if (tag.contains(QLatin1Char('L'))) {
            g.moveLeft(pixel(arrotonda(p.Left * widthRatio)));
        }
        if (tag.contains(QLatin1Char('T'))) {
            g.moveTop(pixel(arrotonda(p.Top * heightRatio)));
        }
        if (tag.contains(QLatin1Char('W'))) {
            g.setWidth(std::max(0, pixel(arrotonda(p.Width * widthRatio))));
        }
        if (tag.contains(QLatin1Char('H'))) {
            g.setHeight(std::max(0, pixel(arrotonda(p.Height * heightRatio))));
        }
        if (g != c->geometry()) {
            c->setGeometry(g);
        }
    }
}

bool clsResize::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == SourceForm_ && evento->type() == QEvent::Resize) {
        ResizeControls();
    } else if (oggetto == finestra_ && evento->type() == QEvent::WindowStateChange) {
        auto* cambio = static_cast<QWindowStateChangeEvent*>(evento);
        if ((cambio->oldState() & Qt::WindowMinimized) && !finestra_->isMinimized()) {
            ResizeControls();
        }
    }
    return QObject::eventFilter(oggetto, evento);
}

} // namespace zocal
