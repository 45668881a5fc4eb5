#pragma once
// The picture that follows the mouse while something is dragged, with the operations of a drag:
// begin, enter, move, leave, end. It is a window of its own where the program places its
// windows, so it follows the mouse across the screen; elsewhere (Wayland) it is drawn over the
// window that owns it, above its controls.

#include <QLabel>
#include <QPointer>

namespace platform {

class DragImage {
public:
    // Makes the picture, owned by `window` so it can never outlive it. It keeps the offset
    // `hotSpot` from the mouse; what it leaves undrawn shows what lies beneath, and the edges
    // of its strokes blend with `ground`. The other operations come between this and end().
    void begin(QWidget* window, const QPixmap& picture, QPoint hotSpot, const QColor& ground);
    // Puts it at the mouse's place on the screen.
    void move(QPoint globalPos);
    // Shows it where it was last put.
    void enter() { label_->show(); }
    void leave() { label_->hide(); }
    // Lets go of the picture.
    void end() { delete label_; }

    // The picture while a drag is on; null otherwise.
    const QWidget* picture() const { return label_; }

private:
    QPointer<QLabel> label_;
    QPoint hotSpot_;
};

} // namespace platform
