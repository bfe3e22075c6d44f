#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace zocal {

// Window designs are in twips: 1440 an inch, and Qt's logical pixel is 1/96 inch.
inline constexpr int twipspixel = 15;

inline constexpr std::int32_t twips(int pixel) {
    return pixel * twipspixel;
}
// Nearest logical pixel of a twips value, kept inside what a widget accepts.
int pixel(double twips);

// The property in which a control carries its scaling tag ("@LTWH" letters).
inline constexpr const char* proprietatag = "Tag";

// The recorded place of one control, in twips, relative to its container.
struct ControlPosition {
    QPointer<QWidget> Ctl;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

// Keeps the controls of a window proportional to its size: the layout is
// recorded once, and every later size scales the recorded places by the
// ratio between the current inner size and the recorded one.
//
// The "window" is SourceForm: the widget whose inner area holds the controls
// (for a main window, its central widget). Its controls are its descendant
// widgets, walking into plain containers (QWidget, QFrame, QGroupBox) only;
// widgets placed by a layout and top-level widgets such as menus are not
// ours to move and are passed over. Once the source is set, every size
// change of it and every restore of its window rescales the controls.
class clsResize : public QObject {
    Q_OBJECT
  public:
    explicit clsResize(QObject* parent = nullptr);
    ~clsResize() override;

    QWidget* SourceForm() const { return SourceForm_; }
    // Records nothing: the layout is recorded on the first sizing.
    void setSourceForm(QWidget* form);

    // Records the layout on first use, then gives the window percent of the
    // screen in each direction, centred, and scales the controls.
    void SizeFormToScreen(std::uint8_t percent);
    // Scales the controls to the current inner size (records on first use).
    void ResizeControls();
    // Records the layout afresh from the window as it stands.
    void ReInitialise();

    std::int32_t RecordedWidth() const { return RecordedWidth_; }
    std::int32_t RecordedHeight() const { return RecordedHeight_; }
    bool FirstTime() const { return FirstTime_; }
    const std::vector<ControlPosition>& Positions() const { return Positions_; }

    // The controls of a window, in the order they were created.
    static std::vector<QWidget*> controlli(QWidget* form);

  protected:
    // The screen's size in twips; an empty size when there is no screen.
    virtual QSize schermo() const;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void RecordPositions();
    void scala(double widthRatio, double heightRatio);

    QPointer<QWidget> SourceForm_;
    QPointer<QWidget> finestra_; // the top-level window, watched for restores
    std::int32_t RecordedWidth_ = 0;
    std::int32_t RecordedHeight_ = 0;
    bool FirstTime_ = true;
    std::vector<ControlPosition> Positions_;
};

} // namespace zocal
